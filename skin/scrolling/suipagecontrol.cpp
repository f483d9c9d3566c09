#include "skin/scrolling/suipagecontrol.h"

#include "toolkit/layouttree.h"
#include "toolkit/layoutwriter.h"

#include <QEvent>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <stdexcept>

using namespace toolkit;

// ---- TsuiPageControlTopPanel ------------------------------------------------

void TsuiPageControlTopPanel::mousePressEvent(QMouseEvent* event)
{
    const int tab = TabAt(event->position().toPoint());
    if (OwnerTab()->IsDesigning() && event->button() == Qt::LeftButton && tab != NoPart) {
        SetTabIndex(tab);
        emit OnDesignerModified();
        return;
    }
    TsuiTabControlTopPanel::mousePressEvent(event);
}

// ---- TsuiPageControl --------------------------------------------------------

TsuiPageControl::TsuiPageControl(QObject* owner, QWidget* parent)
    : TsuiTab(owner, parent, [](TsuiTab* tab) -> TsuiTabControlTopPanel* { return new TsuiPageControlTopPanel(tab); })
{
    // The tabs mirror the pages, and there are none yet.
    TopPanel()->TabList().Clear();
    TopPanel()->ShowSelected(-1);
}

// The sheets are children and go with the control; unlinked first, they do
// not report their own removal to a control half destroyed.
TsuiPageControl::~TsuiPageControl()
{
    for (TsuiTabSheet* page : std::as_const(pages_)) {
        page->pageControl_ = nullptr;
        page->pageIndex_ = -1;
    }
    pages_.clear();
}

TsuiTabSheet* TsuiPageControl::Pages(int index) const
{
    return index >= 0 && index < pages_.size() ? pages_[index] : nullptr;
}

int TsuiPageControl::ActivePageIndex() const
{
    return activePage_ ? activePage_->PageIndex() : 0;
}

QString TsuiPageControl::PageCaption() const
{
    return activePage_ ? activePage_->Caption() : QString();
}

void TsuiPageControl::SetPageCaption(const QString& caption)
{
    if (!activePage_ || activePage_->Caption() == caption) return;
    if (QWidget* page = activePage_->Content())
        page->setWindowTitle(caption);
    else
        activePage_->SetCaption(caption);
    emit PageCaptionChanged(caption);
}

void TsuiPageControl::SetActivePageIndex(int index)
{
    if (index >= 0 && index < pages_.size()) ActivatePage(index);
}

void TsuiPageControl::InsertPage(TsuiTabSheet* sheet)
{
    if (!sheet || pages_.contains(sheet)) return;
    // Joining a page control inside itself would make the sheet its own ancestor.
    if (sheet->isAncestorOf(this))
        throw std::invalid_argument("tab sheet '" + sheet->objectName().toStdString() +
                                    "' cannot join a page control inside itself");
    if (sheet->pageControl_) sheet->pageControl_->RemovePage(sheet);
    sheet->pageControl_ = this;
    pages_.append(sheet);
    if (sheet->parentWidget() != this) sheet->setParent(this);
    sheet->SetColor(Color());
    sheet->SetBorderColor(BorderColor());
    sheet->SetAlign(alClient);
    UpdatePageIndex();
    UpdateCaptions();
    UpdateTabVisible();
    ActivatePage(sheet);
}

TsuiTabSheet* TsuiPageControl::AddPage(QWidget* page)
{
    if (!page) return nullptr;
    if (auto* sheet = qobject_cast<TsuiTabSheet*>(page)) {
        InsertPage(sheet);
        return sheet;
    }
    // As with Qt's page widgets, the first page added is shown and stays so.
    TsuiTabSheet* const active = ActivePage();
    auto* sheet = new TsuiTabSheet(Owner(), this);
    sheet->Show(page);
    if (active) ActivatePage(active);
    return sheet;
}

// The page before the removed one takes its place (the first visible one
// after it when there is none before); no page is active once none is left.
void TsuiPageControl::RemovePage(TsuiTabSheet* sheet)
{
    const int index = int(pages_.indexOf(sheet));
    if (index < 0) return;
    pages_.removeAt(index);
    sheet->pageControl_ = nullptr;
    sheet->pageIndex_ = -1;
    const bool wasActive = activePage_ == sheet;
    if (wasActive) activePage_ = nullptr;
    UpdatePageIndex();
    UpdateCaptions();
    UpdateTabVisible();
    const QPointer<TsuiPageControl> alive(this);
    ActivatePage(NearestVisiblePage(index, true));
    if (alive && wasActive && !activePage_) emit ActivePageChanged();
}

void TsuiPageControl::MovePage(TsuiTabSheet* sheet, int& index)
{
    const int from = int(pages_.indexOf(sheet));
    if (from < 0) return;
    if (index < 0 || index >= pages_.size()) {
        index = from;
        return;
    }
    pages_.move(from, index);
    UpdatePageIndex();
    UpdateCaptions();
    UpdateTabVisible();
    ActivatePage(sheet);
}

void TsuiPageControl::ActivatePage(TsuiTabSheet* sheet)
{
    if (sheet && sheet->pageControl_ != this) return;
    const bool changed = activePage_ != sheet;
    activePage_ = sheet;
    const QPointer<TsuiPageControl> alive(this);
    TopPanel()->ShowSelected(sheet ? sheet->PageIndex() : -1);
    if (!alive) return;
    ShowActivePage();
    if (changed) {
        emit ActivePageChanged();
        if (!alive || activePage_ != sheet) return;
    }
    if (!sheet) return;
    emit sheet->OnShow();
    if (alive && activePage_ == sheet) TsuiTab::TabActive(sheet->PageIndex());
}

void TsuiPageControl::ActivatePage(int index)
{
    ActivatePage(Pages(index));
}

// The active page in front, the others hidden. Shown first, so the focus
// has somewhere to go when it leaves a page being hidden.
void TsuiPageControl::ShowActivePage()
{
    if (activePage_) {
        activePage_->show();
        activePage_->raise();
    }
    for (TsuiTabSheet* page : std::as_const(pages_))
        if (page != activePage_) page->hide();
}

void TsuiPageControl::TabActive(int index)
{
    ActivatePage(index);
}

int TsuiPageControl::NearestVisiblePage(int index, bool includeIndex) const
{
    for (int i = std::min(index, int(pages_.size())) - 1; i >= 0; --i)
        if (pages_[i]->TabVisible()) return i;
    for (int i = includeIndex ? index : index + 1; i < pages_.size(); ++i)
        if (i >= 0 && pages_[i]->TabVisible()) return i;
    return -1;
}

void TsuiPageControl::ActivateNextVisiblePage(int index)
{
    const int found = NearestVisiblePage(index, false);
    if (found >= 0) ActivatePage(found);
}

int TsuiPageControl::FindNextVisiblePage(int index) const
{
    const int count = int(pages_.size());
    for (int step = 1; step < count; ++step) {
        const int i = (index + step) % count;
        if (i >= 0 && i != index && pages_[i]->TabVisible()) return i;
    }
    return -1;
}

int TsuiPageControl::FindPrevVisiblePage(int index) const
{
    const int count = int(pages_.size());
    for (int step = 1; step < count; ++step) {
        const int i = ((index - step) % count + count) % count;
        if (i != index && pages_[i]->TabVisible()) return i;
    }
    return -1;
}

TsuiTabSheet* TsuiPageControl::FindNextPage(TsuiTabSheet* sheet, bool forward) const
{
    if (!sheet || sheet->pageControl_ != this) return nullptr;
    return Pages(forward ? FindNextVisiblePage(sheet->PageIndex()) : FindPrevVisiblePage(sheet->PageIndex()));
}

void TsuiPageControl::SelectNextPage(bool forward)
{
    if (TsuiTabSheet* next = FindNextPage(activePage_, forward)) ActivatePage(next);
}

void TsuiPageControl::ShowControl(QWidget* control)
{
    for (QWidget* w = control; w && w != this; w = w->parentWidget()) {
        auto* sheet = qobject_cast<TsuiTabSheet*>(w);
        if (sheet && sheet->pageControl_ == this) return ActivatePage(sheet);
    }
}

TsuiTabSheet* TsuiPageControl::NewPage()
{
    // Names stay unique among the owner's components and the window's, so
    // a stored layout can tell the pages apart.
    const auto taken = [this](const QString& name) {
        return (Owner() && Owner()->findChild<QObject*>(name)) || window()->findChild<QObject*>(name) ||
               (Owner() && Owner()->objectName() == name);
    };
    QString name;
    for (int n = PageCount() + 1;; ++n) {
        name = QStringLiteral("suiTabSheet%1").arg(n);
        if (!taken(name)) break;
    }
    auto* sheet = new TsuiTabSheet(Owner());
    sheet->setObjectName(name);
    sheet->SetCaption(name);
    InsertPage(sheet);
    return sheet;
}

void TsuiPageControl::UpdatePageIndex()
{
    for (int i = 0; i < pages_.size(); ++i)
        pages_[i]->pageIndex_ = i;
}

void TsuiPageControl::UpdateCaptions()
{
    TStringList& tabs = TopPanel()->TabList();
    tabs.BeginUpdate();
    tabs.Clear();
    for (const TsuiTabSheet* page : std::as_const(pages_))
        tabs.Add(page->Caption());
    tabs.EndUpdate();
    TopPanel()->ShowSelected(activePage_ ? activePage_->PageIndex() : -1);
}

void TsuiPageControl::UpdateTabVisible()
{
    QList<bool> visible;
    for (const TsuiTabSheet* page : std::as_const(pages_))
        visible.append(page->TabVisible());
    TopPanel()->SetTabsVisible(visible);
}

void TsuiPageControl::ReSortPages()
{
    const auto position = [this](const TsuiTabSheet* page) {
        const qsizetype at = savedPageOrder_.indexOf(page->objectName());
        return at < 0 ? INT_MAX : int(at);
    };
    std::stable_sort(pages_.begin(), pages_.end(),
                     [&](const TsuiTabSheet* a, const TsuiTabSheet* b) { return position(a) < position(b); });
    UpdatePageIndex();
    UpdateCaptions();
    UpdateTabVisible();
}

// Every sheet exists and is placed by now, whatever order they were read in:
// the stored order is restored once.
void TsuiPageControl::Loaded()
{
    TsuiTab::Loaded();
    if (!savedPageOrder_.isEmpty()) ReSortPages();
    savedPageOrder_.clear();
}

bool TsuiPageControl::ReadExtraProperty(const QString& name, const TLayoutValue& value)
{
    if (name != QLatin1String("Pages")) return false;
    if (value.Type != TLayoutValue::Kind::List)
        throw ELayoutError(value.Pos.Line, value.Pos.Column, QStringLiteral("list of page names expected"));
    for (const TLayoutValue& element : value.Elements) {
        if (element.Type != TLayoutValue::Kind::Identifier)
            throw ELayoutError(element.Pos.Line, element.Pos.Column, QStringLiteral("page name expected"));
        savedPageOrder_.append(element.Text);
    }
    return true;
}

void TsuiPageControl::WriteExtraProperties(TLayoutWriter& writer) const
{
    TLayoutValue names;
    names.Type = TLayoutValue::Kind::List;
    for (const TsuiTabSheet* page : pages_) {
        if (page->objectName().isEmpty()) continue;
        TLayoutValue name;
        name.Type = TLayoutValue::Kind::Identifier;
        name.Text = page->objectName();
        names.Elements.push_back(name);
    }
    if (!names.Elements.empty()) writer.Property(QStringLiteral("Pages"), names);
}

void TsuiPageControl::BorderColorChanged()
{
    for (TsuiTabSheet* page : std::as_const(pages_))
        page->SetBorderColor(BorderColor());
}

void TsuiPageControl::ColorChanged()
{
    TsuiTab::ColorChanged();
    for (TsuiTabSheet* page : std::as_const(pages_))
        page->SetColor(Color());
}

// The style reaches the controls on the pages, through the pages.
void TsuiPageControl::UpdateUIStyle(TsuiUIStyle style)
{
    for (TsuiTabSheet* page : std::as_const(pages_)) {
        page->SetColor(Color());
        page->SetBorderColor(BorderColor());
        page->PassUIStyleOn(style);
    }
}

// ---- TsuiTabSheet -----------------------------------------------------------

TsuiTabSheet::TsuiTabSheet(QObject* owner, QWidget* parent) : TCustomPanel(owner, parent)
{
    TCustomPanel::SetCaption(QStringLiteral(" "));
    SetAlign(alClient);
    FollowParent();
}

TsuiTabSheet::~TsuiTabSheet()
{
    if (pageControl_) pageControl_->RemovePage(this);
}

void TsuiTabSheet::SetPageControl(TsuiPageControl* pageControl)
{
    if (pageControl) pageControl->InsertPage(this);
}

void TsuiTabSheet::SetPageIndex(int index)
{
    if (pageControl_) pageControl_->MovePage(this, index);
}

void TsuiTabSheet::SetCaption(const QString& caption)
{
    if (caption_ == caption) return;
    caption_ = caption;
    if (pageControl_) pageControl_->UpdateCaptions();
    emit TextChanged();
}

void TsuiTabSheet::SetTabVisible(bool visible)
{
    if (tabVisible_ == visible) return;
    tabVisible_ = visible;
    if (!pageControl_) return;
    pageControl_->UpdateTabVisible();
    if (visible)
        pageControl_->ActivatePage(pageIndex_);
    else
        pageControl_->ActivateNextVisiblePage(pageIndex_);
}

bool TsuiTabSheet::PassUIStyleOn(TsuiUIStyle style)
{
    ContainerApplyUIStyle(this, style);
    return true;
}

// Its colour with a border on three sides; the strip's line is the top edge.
void TsuiTabSheet::Paint(TCanvas& canvas)
{
    canvas.Pen.Color = borderColor_;
    canvas.MoveTo(0, 0);
    canvas.LineTo(0, height() - 1);
    canvas.LineTo(width() - 1, height() - 1);
    canvas.LineTo(width() - 1, -1);
}

bool TsuiTabSheet::event(QEvent* event)
{
    const bool handled = TCustomPanel::event(event);
    if (event->type() == QEvent::ParentChange) FollowParent();
    if (event->type() == QEvent::ChildRemoved && content_ && static_cast<QChildEvent*>(event)->child() == content_)
        ContentLeft();
    return handled;
}

// The sheet was only the page's place: it leaves the control at once and is
// deleted once the caller is done with it.
void TsuiTabSheet::ContentLeft()
{
    content_ = nullptr;
    if (pageControl_) pageControl_->RemovePage(this);
    hide();
    deleteLater();
}

void TsuiTabSheet::Show(QWidget* page)
{
    content_ = page;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
    page->show();
    connect(page, &QWidget::windowTitleChanged, this, &TsuiTabSheet::CaptionFromContent);
    connect(page, &QObject::objectNameChanged, this, &TsuiTabSheet::CaptionFromContent);
    CaptionFromContent();
}

void TsuiTabSheet::CaptionFromContent()
{
    if (content_) SetCaption(content_->windowTitle().isEmpty() ? content_->objectName() : content_->windowTitle());
}

// A sheet belongs to the page control it is placed in, and only to it.
void TsuiTabSheet::FollowParent()
{
    auto* parent = qobject_cast<TsuiPageControl*>(parentWidget());
    if (pageControl_ && pageControl_ != parent) pageControl_->RemovePage(this);
    if (parent) parent->InsertPage(this);
}

// ---- Designer commands ------------------------------------------------------

TsuiTabSheet* PageControl_InsertPage(QObject* component)
{
    auto* pageControl = qobject_cast<TsuiPageControl*>(component);
    return pageControl ? pageControl->NewPage() : nullptr;
}

void PageControl_RemovePage(QObject* component)
{
    if (auto* pageControl = qobject_cast<TsuiPageControl*>(component)) delete pageControl->GetCurPage();
}

bool PageControl_CanRemove(QObject* component)
{
    auto* pageControl = qobject_cast<TsuiPageControl*>(component);
    return pageControl && pageControl->TopPanel()->TabList().Count() > 0;
}

QObject* TabSheet_InsertPage(QObject* component)
{
    auto* sheet = qobject_cast<TsuiTabSheet*>(component);
    if (sheet && sheet->PageControl()) return sheet->PageControl()->NewPage();
    return component;
}

void TabSheet_RemovePage(QObject* component)
{
    delete qobject_cast<TsuiTabSheet*>(component);
}

bool TabSheet_CanRemove(QObject* component)
{
    auto* sheet = qobject_cast<TsuiTabSheet*>(component);
    return sheet && PageControl_CanRemove(sheet->PageControl());
}
