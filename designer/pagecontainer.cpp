#include "designer/pagecontainer.h"

#include "skin/scrolling/suipagecontrol.h"

#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionManager>

TPageControlContainer::TPageControlContainer(TsuiPageControl* pages, QExtensionManager* manager, QObject* parent)
    : QObject(parent), pages_(pages), manager_(manager)
{
    connect(pages, &TsuiPageControl::PageCaptionChanged, this, &TPageControlContainer::MarkCaptionChanged);
}

int TPageControlContainer::count() const { return pages_->PageCount(); }

QWidget* TPageControlContainer::widget(int index) const
{
    TsuiTabSheet* sheet = pages_->Pages(index);
    if (!sheet) return nullptr;
    return sheet->Content() ? sheet->Content() : sheet;
}

int TPageControlContainer::currentIndex() const { return count() ? pages_->ActivePageIndex() : -1; }
void TPageControlContainer::setCurrentIndex(int index) { pages_->SetActivePageIndex(index); }
void TPageControlContainer::addWidget(QWidget* page) { pages_->AddPage(page); }

void TPageControlContainer::insertWidget(int index, QWidget* page)
{
    if (TsuiTabSheet* sheet = pages_->AddPage(page)) pages_->MovePage(sheet, index);
}

void TPageControlContainer::MarkCaptionChanged() const
{
    QWidget* page = widget(currentIndex());
    auto* sheet = page ? qt_extension<QDesignerPropertySheetExtension*>(manager_, page) : nullptr;
    if (!sheet) return;
    const int title = sheet->indexOf(QStringLiteral("windowTitle"));
    if (title >= 0) sheet->setChanged(title, true);
}

void TPageControlContainer::remove(int index)
{
    TsuiTabSheet* sheet = pages_->Pages(index);
    if (!sheet) return;
    QWidget* page = sheet->Content();
    if (!page) return pages_->RemovePage(sheet);
    // Taken off its sheet, the page leaves the control with it.
    page->hide();
    page->setParent(pages_);
}

void TPageControlContainer::Register(QExtensionManager* manager)
{
    manager->registerExtensions(new TPageControlContainerFactory(manager), Q_TYPEID(QDesignerContainerExtension));
}

QObject* TPageControlContainerFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const
{
    auto* pages = qobject_cast<TsuiPageControl*>(object);
    if (!pages || iid != QLatin1String(Q_TYPEID(QDesignerContainerExtension))) return nullptr;
    return new TPageControlContainer(pages, extensionManager(), parent);
}
