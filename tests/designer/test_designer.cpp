// The Designer plugin as Designer and QUiLoader load it from the plugin path,
// and forms made with it, read at run time and through uic-generated code.
#include "skin/buttons/suibutton.h"
#include "skin/controls/suigroupbox.h"
#include "skin/controls/suiimagepanel.h"
#include "skin/scrolling/suitabcontrol.h"
#include "toolkit/component.h"
#include "toolkit/control.h"
#include "toolkit/layoutregistry.h"
#include "ui_nestedpanels.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QUiLoader>
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

// What a form says about its skinned widgets, one line each, in tree order.
QStringList Describe(const QWidget* root)
{
    QStringList lines;
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->objectName().startsWith(QLatin1String("sui")) || toolkit::IsInternal(w)) continue;
        const QRect g = w->geometry();
        lines << QStringLiteral("%1 %2 in %3 at %4,%5 %6x%7 caption=%8 style=%9 checked=%10")
                     .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                          w->parentWidget()->objectName())
                     .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
                     .arg(w->property("Caption").toString())
                     .arg(w->property("UIStyle").toInt())
                     .arg(w->property("Checked").toBool());
    }
    return lines;
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
        if (!fillsParent) EXPECT_EQ(widget->size(), DomXmlSize(family->domXml()));
        EXPECT_TRUE(family->domXml().contains(QStringLiteral("class=\"%1\"").arg(family->name())));
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

TEST(DesignerForms, NestedSkinnedContainersAndTheirValuesLoadThroughQUiLoader)
{
    // The form as Designer writes it, with values of the controls' own properties.
    QString text = ReadForm();
    ASSERT_FALSE(text.isEmpty());
    text.replace(QStringLiteral("<widget class=\"TsuiGroupBox\" name=\"suiGroupBox1\">"),
                 QStringLiteral("<widget class=\"TsuiGroupBox\" name=\"suiGroupBox1\">"
                                "<property name=\"Caption\"><string>Options</string></property>"));
    text.replace(QStringLiteral("<widget class=\"TsuiButton\" name=\"suiButton1\">"),
                 QStringLiteral("<widget class=\"TsuiButton\" name=\"suiButton1\">"
                                "<property name=\"Caption\"><string>Go</string></property>"
                                "<property name=\"UIStyle\"><enum>Suithemes::Protein</enum></property>"));
    text.replace(QStringLiteral("<widget class=\"TsuiCheckBox\" name=\"suiCheckBox1\">"),
                 QStringLiteral("<widget class=\"TsuiCheckBox\" name=\"suiCheckBox1\">"
                                "<property name=\"Checked\"><bool>true</bool></property>"));

    const std::unique_ptr<QWidget> form = LoadForm(text);
    ASSERT_NE(nullptr, form);
    auto* group = form->findChild<TsuiGroupBox*>(QStringLiteral("suiGroupBox1"));
    auto* panel = form->findChild<TsuiImagePanel*>(QStringLiteral("suiImagePanel1"));
    auto* button = form->findChild<TsuiButton*>(QStringLiteral("suiButton1"));
    auto* tabs = form->findChild<TsuiTabControl*>(QStringLiteral("suiTabControl1"));
    auto* check = form->findChild<TsuiCheckBox*>(QStringLiteral("suiCheckBox1"));
    ASSERT_TRUE(group && panel && button && tabs && check);
    EXPECT_EQ(group, panel->parentWidget());
    EXPECT_EQ(panel, button->parentWidget());
    EXPECT_EQ(tabs, check->parentWidget());
    EXPECT_EQ(QRect(8, 8, 75, 25), button->geometry());
    EXPECT_EQ(QStringLiteral("Go"), button->Caption());
    EXPECT_EQ(Suithemes::TsuiUIStyle::Protein, button->UIStyle());
    EXPECT_EQ(QStringLiteral("Options"), group->Caption());
    EXPECT_TRUE(check->Checked());
}

TEST(DesignerForms, UicGeneratedCodeBuildsTheSameNestedControls)
{
    QWidget form;
    Ui::NestedPanels ui;
    ui.setupUi(&form);
    EXPECT_EQ(ui.suiGroupBox1, ui.suiImagePanel1->parentWidget());
    EXPECT_EQ(ui.suiImagePanel1, ui.suiButton1->parentWidget());
    EXPECT_EQ(ui.suiTabControl1, ui.suiCheckBox1->parentWidget());
    EXPECT_EQ(QRect(8, 40, 120, 17), ui.suiCheckBox1->geometry());

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
