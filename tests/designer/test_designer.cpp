// The Designer plugin as Designer and QUiLoader load it from the plugin path,
// and forms made with it, read at run time and through uic-generated code.
#include "skin/buttons/suibutton.h"
#include "skin/buttons/suicheckbox.h"
#include "skin/buttons/suiradiobutton.h"
#include "skin/controls/suicolorbox.h"
#include "skin/controls/suigroupbox.h"
#include "skin/controls/suiimagepanel.h"
#include "skin/scrolling/suipagecontrol.h"
#include "skin/scrolling/suitabcontrol.h"
#include "skin/scrolling/suitrackbar.h"
#include "toolkit/component.h"
#include "toolkit/control.h"
#include "toolkit/layoutregistry.h"
#include "ui_nestedpanels.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QPointer>
#include <QRegularExpression>
#include <QUiLoader>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionManager>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <gtest/gtest.h>
#include <memory>

namespace {

QDesignerCustomWidgetCollectionInterface* Plugin()
{
    static QPluginLoader loader(QStringLiteral(ISP_DESIGNER_PLUGIN_FILE));
    return qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
}

QSize DomXmlSize(const QString& domXml)
{
    static const QRegularExpression size(QStringLiteral("<width>(\\d+)</width><height>(\\d+)</height>"));
    const QRegularExpressionMatch match = size.match(domXml);
    return match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
}

QString ReadForm()
{
    QFile file(QStringLiteral(ISP_TEST_SOURCE_DIR "/nestedpanels.ui"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

std::unique_ptr<QWidget> LoadForm(const QString& text)
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(ISP_PLUGIN_PATH));
    QByteArray bytes = text.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return std::unique_ptr<QWidget>(loader.load(&buffer));
}

// A widget's own published values (those past QWidget's), one string.
QString OwnValues(const QWidget* w)
{
    QStringList values;
    const QMetaObject* meta = w->metaObject();
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.metaType().flags().testFlag(QMetaType::PointerToQObject)) continue;
        const QVariant value = property.read(w);
        values << QStringLiteral("%1=%2").arg(QString::fromLatin1(property.name()),
                                              value.canConvert<QStringList>() ? value.toStringList().join(u'|') : value.toString());
    }
    return values.join(u' ');
}

// What a form says about its skinned widgets, one line each, in tree order:
// class, name, parent, geometry, own values; a page control its pages.
std::string Describe(const QWidget* root)
{
    QStringList lines;
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        const QString className = QString::fromLatin1(w->metaObject()->className());
        if (!className.startsWith(QLatin1String("Tsui")) || w->objectName().isEmpty() || toolkit::IsInternal(w)) continue;
        const QRect g = w->geometry();
        QString line = QStringLiteral("%1 %2 in %3 at %4,%5 %6x%7 %8")
                           .arg(className, w->objectName(), w->parentWidget()->objectName())
                           .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
                           .arg(OwnValues(w));
        if (const auto* pages = qobject_cast<const TsuiPageControl*>(w))
            for (int i = 0; i < pages->PageCount(); ++i) line += QStringLiteral(" page=") + pages->Pages(i)->Caption();
        lines << line;
    }
    return lines.join(u'\n').toStdString();
}

// Qt Designer's own form editor, without a window, with the plugin loaded
// from the build as Designer loads it from its plugin folder.
QDesignerFormEditorInterface* Designer()
{
    static QDesignerFormEditorInterface* core = [] {
        QCoreApplication::addLibraryPath(QStringLiteral(ISP_PLUGIN_ROOT));
        QDesignerComponents::initializeResources();
        QDesignerFormEditorInterface* editor = QDesignerComponents::createFormEditor(qApp);
        auto* window = new QMainWindow;
        editor->setTopLevel(window);
        editor->setWidgetBox(QDesignerComponents::createWidgetBox(editor, window));
        QDesignerComponents::createTaskMenu(editor, window);
        editor->setPropertyEditor(QDesignerComponents::createPropertyEditor(editor, window));
        QDesignerComponents::initializePlugins(editor);
        new QDesignerIntegration(editor, window);
        return editor;
    }();
    return core;
}

QDesignerFormWindowInterface* OpenInDesigner(const QString& form)
{
    QDesignerFormWindowInterface* window = Designer()->formWindowManager()->createFormWindow(Designer()->topLevel());
    window->setContents(form);
    return window;
}

template <class Extension>
Extension* ExtensionOf(QObject* object)
{
    return qt_extension<Extension*>(Designer()->extensionManager(), object);
}

} // namespace

TEST(DesignerPlugin, OffersEveryRegisteredFamilyWithIconHeaderAndConstructedSize)
{
    QDesignerCustomWidgetCollectionInterface* plugin = Plugin();
    ASSERT_NE(nullptr, plugin);

    QStringList offered;
    for (QDesignerCustomWidgetInterface* family : plugin->customWidgets()) {
        SCOPED_TRACE(family->name().toStdString());
        offered << family->name();
        EXPECT_EQ(QStringLiteral("Skinned Controls"), family->group());
        EXPECT_FALSE(family->icon().isNull());
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral(ISP_SOURCE_DIR "/") + family->includeFile()));

        QWidget parent;
        QWidget* widget = family->createWidget(&parent);
        ASSERT_NE(nullptr, widget);
        EXPECT_EQ(family->name(), QString::fromLatin1(widget->metaObject()->className()));
        EXPECT_EQ(&parent, widget->parentWidget());
        // A dropped control gets the size its constructor gives (a frame, and
        // a control aligned to its parent, fill it instead).
        const auto* control = dynamic_cast<toolkit::TCustomControl*>(widget);
        const bool fillsParent = family->name() == QLatin1String("TsuiForm") || (control && control->Align() != toolkit::alNone);
        if (!fillsParent) {
            EXPECT_EQ(widget->size(), DomXmlSize(family->domXml()));
        }
        EXPECT_TRUE(family->domXml().contains(QStringLiteral("class=\"%1\"").arg(family->name())));
    }

    // A dropped button says what it is, and its icon shows it at its own
    // pixels: a wide control is not shrunk into a sliver.
    for (QDesignerCustomWidgetInterface* family : plugin->customWidgets()) {
        if (family->name() != QLatin1String("TsuiButton") && family->name() != QLatin1String("TsuiGroupBox")) continue;
        SCOPED_TRACE(family->name().toStdString());
        EXPECT_TRUE(family->domXml().contains(QStringLiteral("<string>%1</string>").arg(family->name().mid(4))));
        const QImage icon = family->icon().pixmap(32, 32).toImage();
        int shownRows = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                if (qAlpha(icon.pixel(x, y)) != 0) {
                    ++shownRows;
                    break;
                }
        EXPECT_GE(shownRows, 20);
    }

    // Every skinned widget class a layout can create is offered; a page comes
    // with its page control, and a menu is a component, not a widget.
    QStringList registered;
    for (const QString& name : toolkit::RegisteredClassNames())
        if (name.startsWith(QLatin1String("Tsui")) && name != QLatin1String("TsuiTabSheet") &&
            toolkit::FindClass(name)->Meta->inherits(&QWidget::staticMetaObject))
            registered << name;
    offered.sort();
    EXPECT_EQ(registered, offered);
}

TEST(DesignerForms, NestedSkinnedContainersPagesAndValuesLoadThroughQUiLoader)
{
    const std::unique_ptr<QWidget> form = LoadForm(ReadForm());
    ASSERT_NE(nullptr, form);
    auto* group = form->findChild<TsuiGroupBox*>(QStringLiteral("suiGroupBox1"));
    auto* panel = form->findChild<TsuiImagePanel*>(QStringLiteral("suiImagePanel1"));
    auto* button = form->findChild<TsuiButton*>(QStringLiteral("suiButton1"));
    auto* tabs = form->findChild<TsuiTabControl*>(QStringLiteral("suiTabControl1"));
    auto* check = form->findChild<TsuiCheckBox*>(QStringLiteral("suiCheckBox1"));
    auto* pages = form->findChild<TsuiPageControl*>(QStringLiteral("suiPageControl1"));
    auto* radio = form->findChild<TsuiRadioButton*>(QStringLiteral("suiRadioButton1"));
    auto* track = form->findChild<TsuiTrackBar*>(QStringLiteral("suiTrackBar1"));
    ASSERT_TRUE(group && panel && button && tabs && check && pages && radio && track);
    EXPECT_EQ(group, panel->parentWidget());
    EXPECT_EQ(panel, button->parentWidget());
    EXPECT_EQ(tabs, check->parentWidget());
    EXPECT_EQ(QRect(8, 8, 75, 25), button->geometry());
    EXPECT_EQ(QStringLiteral("Go"), button->Caption());
    EXPECT_EQ(Suithemes::TsuiUIStyle::Protein, button->UIStyle());
    EXPECT_EQ(QStringLiteral("Options"), group->Caption());
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(4, track->Position());

    // Each page on a sheet of its own, the first in front; a tab reads its
    // page's title, or its name without one.
    ASSERT_EQ(2, pages->PageCount());
    EXPECT_EQ(QStringLiteral("General"), pages->Pages(0)->Caption());
    EXPECT_EQ(QStringLiteral("pageMore"), pages->Pages(1)->Caption());
    EXPECT_EQ(0, pages->ActivePageIndex());
    EXPECT_TRUE(pages->Pages(0)->isAncestorOf(radio));
    EXPECT_TRUE(pages->Pages(1)->isAncestorOf(track));
    EXPECT_EQ(Suithemes::TsuiUIStyle::WinXP, pages->UIStyle());
}

TEST(DesignerForms, UicGeneratedCodeBuildsTheSameControlsPagesAndValues)
{
    QWidget form;
    Ui::NestedPanels ui;
    ui.setupUi(&form);
    EXPECT_EQ(ui.suiGroupBox1, ui.suiImagePanel1->parentWidget());
    EXPECT_EQ(ui.suiImagePanel1, ui.suiButton1->parentWidget());
    EXPECT_EQ(QStringLiteral("Go"), ui.suiButton1->Caption());
    EXPECT_EQ(TColorBoxStyle(Suicolorbox::cbStandardColors | Suicolorbox::cbSystemColors), ui.suiColorBox1->Style());
    EXPECT_EQ(QStringLiteral("General"), ui.suiPageControl1->Pages(0)->Caption());

    const std::unique_ptr<QWidget> loaded = LoadForm(ReadForm());
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(Describe(loaded.get()), Describe(&form));
}

// Last: Designer's initialisation stays with the plugin for the rest of the run.
TEST(DesignerPlugin, DesignerMakesControlsInTheDesignStateWithoutTakingOverTheForm)
{
    QDesignerCustomWidgetCollectionInterface* plugin = Plugin();
    ASSERT_NE(nullptr, plugin);
    for (QDesignerCustomWidgetInterface* family : plugin->customWidgets()) {
        if (family->name() != QLatin1String("TsuiForm")) continue;
        family->initialize(nullptr);
        QWidget form;
        form.resize(300, 200);
        QWidget* frame = family->createWidget(&form);
        ASSERT_NE(nullptr, frame);
        EXPECT_TRUE(dynamic_cast<toolkit::TComponent*>(frame)->IsDesigning());
        EXPECT_FALSE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    }
}

// The committed form is exactly what Designer writes: its property values
// are written to be set by name, which is what lets uic-generated code set
// them, and its pages go through the page control's container support.
TEST(InDesigner, AFormIsWrittenBackAsItWasRead)
{
    const QString text = ReadForm();
    QDesignerFormWindowInterface* window = OpenInDesigner(text);
    auto* pages = window->findChild<TsuiPageControl*>(QStringLiteral("suiPageControl1"));
    ASSERT_NE(nullptr, pages);
    EXPECT_EQ(2, pages->PageCount());
    EXPECT_EQ(text, window->contents());
}

// Designer saves an orientation with the scope it was first published under;
// a form saved so opens with it and writes it back so.
TEST(InDesigner, AnOrientationKeepsTheScopeFormsWereSavedWith)
{
    QString text = ReadForm();
    const QString position = QStringLiteral("<number>4</number>\n     </property>\n");
    ASSERT_TRUE(text.contains(position));
    text.replace(position, position + QStringLiteral("     <property name=\"Orientation\" stdset=\"0\">\n"
                                                     "      <enum>Suiprogressbar::suiVertical</enum>\n"
                                                     "     </property>\n"));
    QDesignerFormWindowInterface* window = OpenInDesigner(text);
    auto* track = window->findChild<TsuiTrackBar*>(QStringLiteral("suiTrackBar1"));
    ASSERT_NE(nullptr, track);
    EXPECT_EQ(suiVertical, track->Orientation());
    EXPECT_TRUE(window->contents().contains(QStringLiteral("<enum>Suiprogressbar::suiVertical</enum>")));
}

TEST(InDesigner, PagesAreAddedSwitchedCaptionedAndRemoved)
{
    QDesignerFormWindowInterface* window = OpenInDesigner(ReadForm());
    auto* pages = window->findChild<TsuiPageControl*>(QStringLiteral("suiPageControl1"));
    auto* container = ExtensionOf<QDesignerContainerExtension>(pages);
    ASSERT_TRUE(pages && container);
    ASSERT_EQ(2, container->count());
    QWidget* general = container->widget(0);
    EXPECT_EQ(QStringLiteral("pageGeneral"), general->objectName());
    EXPECT_EQ(0, container->currentIndex());

    // Designer switches to the page the chosen control sits on.
    container->setCurrentIndex(1);
    EXPECT_EQ(1, pages->ActivePageIndex());
    EXPECT_FALSE(general->isVisibleTo(pages));

    // A page Designer adds is a plain widget, inserted where Designer says;
    // the page in front stays in front.
    auto* added = new QWidget(pages);
    added->setObjectName(QStringLiteral("page_3"));
    container->insertWidget(1, added);
    window->manageWidget(added);
    ASSERT_EQ(3, container->count());
    EXPECT_EQ(added, container->widget(1));
    EXPECT_EQ(QStringLiteral("page_3"), pages->Pages(1)->Caption());

    // The caption is edited through the page control and saved as the page's title.
    container->setCurrentIndex(1);
    auto* sheet = ExtensionOf<QDesignerPropertySheetExtension>(pages);
    const int caption = sheet->indexOf(QStringLiteral("PageCaption"));
    ASSERT_GE(caption, 0);
    sheet->setProperty(caption, QStringLiteral("Added page"));
    EXPECT_EQ(QStringLiteral("Added page"), added->windowTitle());
    EXPECT_EQ(QStringLiteral("Added page"), pages->Pages(1)->Caption());
    const QString saved = window->contents();
    EXPECT_TRUE(saved.contains(QStringLiteral("<string>Added page</string>")));
    EXPECT_FALSE(saved.contains(QStringLiteral("PageCaption")));

    // Removing a page keeps the widget, so Designer can undo it.
    const QPointer<QWidget> kept = added;
    container->remove(1);
    EXPECT_EQ(2, container->count());
    ASSERT_FALSE(kept.isNull());
    container->insertWidget(0, kept);
    EXPECT_EQ(kept.data(), container->widget(0));
    EXPECT_EQ(QStringLiteral("Added page"), pages->Pages(0)->Caption());

    // What was saved loads with its three pages at run time.
    const std::unique_ptr<QWidget> loaded = LoadForm(saved);
    ASSERT_NE(nullptr, loaded);
    auto* loadedPages = loaded->findChild<TsuiPageControl*>(QStringLiteral("suiPageControl1"));
    ASSERT_NE(nullptr, loadedPages);
    ASSERT_EQ(3, loadedPages->PageCount());
    EXPECT_EQ(QStringLiteral("Added page"), loadedPages->Pages(1)->Caption());
}

// A page control dropped from the widget box comes with two pages.
TEST(InDesigner, ADroppedPageControlHasTwoPages)
{
    QString dropped;
    for (QDesignerCustomWidgetInterface* family : Plugin()->customWidgets())
        if (family->name() == QLatin1String("TsuiPageControl")) dropped = family->domXml();
    ASSERT_FALSE(dropped.isEmpty());
    // The widget box's entry, put on a form.
    dropped.replace(QRegularExpression(QStringLiteral("<ui [^>]*>")),
                    QStringLiteral("<ui version=\"4.0\"><class>Form</class><widget class=\"QWidget\" name=\"Form\">"));
    dropped.replace(QStringLiteral(" <customwidgets>"), QStringLiteral("</widget><customwidgets>"));
    QDesignerFormWindowInterface* window = OpenInDesigner(dropped);
    auto* pages = window->findChild<TsuiPageControl*>();
    ASSERT_NE(nullptr, pages);
    auto* container = ExtensionOf<QDesignerContainerExtension>(pages);
    ASSERT_EQ(2, container->count());
    EXPECT_EQ(QStringLiteral("page"), pages->Pages(0)->Caption());
    EXPECT_EQ(QStringLiteral("page_2"), pages->Pages(1)->Caption());
    EXPECT_TRUE(window->contents().contains(QStringLiteral("<addpagemethod>AddPage</addpagemethod>")));
}

// Every family offers the properties every control publishes, and a hint set
// in the property editor is the control's accessible description.
TEST(InDesigner, EveryFamilyOffersTheCommonProperties)
{
    QDesignerCustomWidgetCollectionInterface* plugin = Plugin();
    ASSERT_NE(nullptr, plugin);
    for (QDesignerCustomWidgetInterface* family : plugin->customWidgets()) {
        if (family->name() == QLatin1String("TsuiForm")) continue;
        SCOPED_TRACE(family->name().toStdString());
        QDesignerFormWindowInterface* window = OpenInDesigner(
            QStringLiteral("<ui version=\"4.0\"><class>F</class><widget class=\"QWidget\" name=\"F\">"
                           "<widget class=\"%1\" name=\"control\"/></widget></ui>")
                .arg(family->name()));
        auto* control = window->findChild<QWidget*>(QStringLiteral("control"));
        ASSERT_NE(nullptr, control);
        auto* sheet = ExtensionOf<QDesignerPropertySheetExtension>(control);
        ASSERT_NE(nullptr, sheet);
        for (const char* name : {"Anchors", "Hint", "ShowHint", "ParentShowHint", "PopupMenu", "TabOrder", "Cursor",
                                 "HelpContext", "Tag", "DragMode", "DragCursor"}) {
            const int index = sheet->indexOf(QLatin1String(name));
            EXPECT_TRUE(index >= 0 && sheet->isVisible(index)) << name;
        }
        sheet->setProperty(sheet->indexOf(QStringLiteral("Hint")), QStringLiteral("Short|The long description"));
        EXPECT_EQ(control->accessibleDescription(), "The long description");
    }
}
