// The properties a user edits in a form announce their changes (NOTIFY), as
// Qt's own widgets do, so that bindings, Designer's property editor and
// QDataWidgetMapper see them: once per real change, whoever makes it.
#include "skin/buttons/suibuttonsregistry.h"
#include "skin/buttons/suicheckbox.h"
#include "skin/controls/suicolorbox.h"
#include "skin/controls/suicontrolsregistry.h"
#include "skin/controls/suiradiogroup.h"
#include "skin/frame/suiframeregistry.h"
#include "skin/scrolling/suipagecontrol.h"
#include "skin/scrolling/suiscrollingregistry.h"
#include "skin/scrolling/suitabcontrol.h"
#include "skin/scrolling/suitrackbar.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/stringlist.h"

#include <QDataWidgetMapper>
#include <QFontDatabase>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// What a user edits in a form; a family that publishes one of these notifies it.
const QStringList EditedProperties = {
    QStringLiteral("Caption"),    QStringLiteral("Text"),        QStringLiteral("Checked"),
    QStringLiteral("Position"),   QStringLiteral("ItemIndex"),   QStringLiteral("TabIndex"),
    QStringLiteral("ActivePage"), QStringLiteral("PageCaption"), QStringLiteral("Selected"),
    QStringLiteral("FontName"),   QStringLiteral("UIStyle"),
};

QStringList Families()
{
    static const bool registered = [] {
        RegisterSuiFrame();
        RegisterSuiButtons();
        RegisterSuiControls();
        RegisterSuiScrolling();
        return true;
    }();
    Q_UNUSED(registered);
    QStringList families;
    for (const QString& name : toolkit::RegisteredClassNames())
        if (name.startsWith(QLatin1String("Tsui")) && name != QLatin1String("TsuiTabSheet") &&
            toolkit::FindClass(name)->Meta->inherits(&QWidget::staticMetaObject))
            families << name;
    return families;
}

// Gives a new control something to choose from: three items, tabs or pages.
void Furnish(QObject* control)
{
    if (auto* pages = qobject_cast<TsuiPageControl*>(control)) {
        for (int i = 0; i < 3; ++i)
            pages->NewPage();
        return;
    }
    const QStringList three = {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")};
    for (const char* name : {"Items", "Tabs"}) {
        const QVariant list = control->property(name);
        if (list.metaType() == QMetaType::fromType<QStringList>())
            control->setProperty(name, three);
        else if (auto* strings = list.value<toolkit::TStringList*>(); strings && strings->Count() < 3)
            strings->Assign(three);
    }
}

// A valid value other than the property's present one.
QVariant OtherValue(QObject* control, const QMetaProperty& property)
{
    const QVariant current = property.read(control);
    const QByteArray name = property.name();
    if (name == "UIStyle")
        return QVariant::fromValue(current.value<TsuiUIStyle>() == TsuiUIStyle::WinXP ? TsuiUIStyle::MacOS
                                                                                      : TsuiUIStyle::WinXP);
    if (name == "ActivePage") {
        auto* pages = qobject_cast<TsuiPageControl*>(control);
        return QVariant::fromValue(pages->Pages(pages->ActivePage() == pages->Pages(1) ? 2 : 1));
    }
    if (name == "FontName") {
        for (const QString& family : QFontDatabase::families())
            if (family != current.toString()) return family;
    }
    if (name == "Selected")
        return QVariant::fromValue(
            quint32(current.toUInt() == toolkit::clRed ? toolkit::clBlue : toolkit::clRed));
    switch (current.metaType().id()) {
    case QMetaType::Bool:
        return !current.toBool();
    case QMetaType::Int:
        return current.toInt() == 1 ? 2 : 1;
    case QMetaType::QString:
        return current.toString() + QStringLiteral(" changed");
    default:
        return {};
    }
}

} // namespace

TEST(PropertySignals, EveryEditedPropertyOfEveryFamilyAnnouncesEachRealChangeOnce)
{
    QStringList tried;
    for (const QString& family : Families()) {
        SCOPED_TRACE(family.toStdString());
        QWidget form;
        form.resize(400, 300);
        std::unique_ptr<QObject> control(toolkit::FindClass(family)->Create(&form, &form));
        ASSERT_NE(nullptr, control);
        Furnish(control.get());
        const QMetaObject* meta = control->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (!EditedProperties.contains(QLatin1String(property.name())) || !property.isDesignable() ||
                !property.isWritable())
                continue;
            SCOPED_TRACE(property.name());
            EXPECT_TRUE(property.hasNotifySignal());
            const QVariant value = OtherValue(control.get(), property);
            QSignalSpy spy(control.get(), property.notifySignal());
            if (!property.hasNotifySignal() || !value.isValid() || !spy.isValid()) continue;
            property.write(control.get(), value);
            EXPECT_EQ(property.read(control.get()), value);
            EXPECT_EQ(spy.count(), 1);
            property.write(control.get(), value); // the value it has: no change
            EXPECT_EQ(spy.count(), 1);
            tried << family + u'.' + QLatin1String(property.name());
        }
    }
    // Every family but the list and tree views has one at least.
    EXPECT_GE(tried.size(), 49) << tried.join(u' ').toStdString();
}

// The pointer and the keyboard change values without a setter call from the
// program; the signals follow all the same.
TEST(PropertySignals, ChangesByPointerAndKeyboardAreAnnouncedOnce)
{
    Families(); // registered
    QWidget form;
    form.resize(500, 400);

    auto* radios = new TsuiRadioGroup(&form, &form);
    radios->SetBounds(0, 0, 150, 120);
    radios->SetItems({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
    auto* track = new TsuiTrackBar(&form, &form);
    track->SetBounds(160, 0, 185, 41);
    auto* pages = new TsuiPageControl(&form, &form);
    pages->SetBounds(0, 130, 300, 150);
    pages->NewPage();
    pages->NewPage();
    pages->ActivatePage(0);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // A click moves the check from one radio button to another in two steps;
    // the group's index changes once.
    QSignalSpy index(radios, &TsuiRadioGroup::ItemIndexChanged);
    QTest::mouseClick(radios->ItemButton(2), Qt::LeftButton);
    EXPECT_EQ(index.count(), 1);
    EXPECT_EQ(radios->ItemIndex(), 2);
    QTest::mouseClick(radios->ItemButton(0), Qt::LeftButton);
    QTest::mouseClick(radios->ItemButton(0), Qt::LeftButton);
    EXPECT_EQ(index.count(), 2);
    EXPECT_EQ(radios->ItemIndex(), 0);

    QSignalSpy position(track, &TsuiTrackBar::PositionChanged);
    track->setFocus();
    QTest::keyClick(track, Qt::Key_Right);
    QTest::keyClick(track, Qt::Key_Home);
    QTest::keyClick(track, Qt::Key_Home);
    ASSERT_EQ(position.count(), 2);
    EXPECT_EQ(position[0][0].toInt(), 1);
    EXPECT_EQ(position[1][0].toInt(), 0);

    QSignalSpy active(pages, &TsuiPageControl::ActivePageChanged);
    TsuiTabControlTopPanel* strip = pages->TopPanel();
    const toolkit::TRect second = strip->TabRects()[1];
    const QPoint onSecond((second.Left + second.Right) / 2, (second.Top + second.Bottom) / 2);
    QTest::mouseClick(strip, Qt::LeftButton, {}, onSecond);
    QTest::mouseClick(strip, Qt::LeftButton, {}, onSecond);
    EXPECT_EQ(active.count(), 1);
    EXPECT_EQ(pages->ActivePage(), pages->Pages(1));
    // The last page gone, none is active.
    pages->RemovePage(pages->Pages(0));
    pages->RemovePage(pages->Pages(0));
    EXPECT_EQ(active.count(), 2);
    EXPECT_EQ(pages->ActivePage(), nullptr);
}

// A mapper reads and writes a widget's USER property, the value a user edits.
TEST(PropertySignals, ADataWidgetMapperShowsAndStoresTheEditedValues)
{
    QWidget form;
    auto* box = new TsuiCheckBox(&form, &form);
    auto* track = new TsuiTrackBar(&form, &form);
    auto* radios = new TsuiRadioGroup(&form, &form);
    radios->SetItems({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
    auto* colors = new TsuiColorBox(&form, &form);

    QStandardItemModel model(1, 4);
    model.setData(model.index(0, 0), true);
    model.setData(model.index(0, 1), 7);
    model.setData(model.index(0, 2), 2);
    model.setData(model.index(0, 3), quint32(toolkit::clRed));
    QDataWidgetMapper mapper;
    mapper.setModel(&model);
    mapper.setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    mapper.addMapping(box, 0);
    mapper.addMapping(track, 1);
    mapper.addMapping(radios, 2);
    mapper.addMapping(colors, 3);
    mapper.toFirst();
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(track->Position(), 7);
    EXPECT_EQ(radios->ItemIndex(), 2);
    EXPECT_EQ(colors->Selected(), toolkit::clRed);

    box->SetChecked(false);
    track->SetPosition(3);
    radios->SetItemIndex(0);
    colors->SetSelected(toolkit::clBlue);
    mapper.submit();
    EXPECT_FALSE(model.data(model.index(0, 0)).toBool());
    EXPECT_EQ(model.data(model.index(0, 1)).toInt(), 3);
    EXPECT_EQ(model.data(model.index(0, 2)).toInt(), 0);
    EXPECT_EQ(model.data(model.index(0, 3)).toUInt(), toolkit::clBlue);
}
