#include "skin/themes/suithemes.h"

#include <QMetaProperty>
#include <QWidget>
#include <gtest/gtest.h>

using toolkit::TColor;

TEST(ThemeTables, CustomAndWrongKindQueriesAnswerTheirDefaults)
{
    EXPECT_EQ(GetThemeInt(TsuiUIStyle::Custom, teFormBorderWidth), -1);
    EXPECT_EQ(GetThemeColor(TsuiUIStyle::Custom, teControlBorderColor), 0u);
    EXPECT_EQ(GetThemeString(TsuiUIStyle::Custom, teButtonNormal), QString());
    EXPECT_FALSE(GetThemeBool(TsuiUIStyle::Custom, teTitleButtonTransparent));

    TsuiType kind = TsuiType::Str;
    EXPECT_EQ(GetThemeElement(TsuiUIStyle::Custom, teFormColor, kind), -1);
    EXPECT_EQ(kind, TsuiType::Int);
    // Out-of-range indexes answer like Custom instead of reading past the table.
    kind = TsuiType::Str;
    EXPECT_EQ(GetThemeElement(TsuiUIStyle::MacOS, 0, kind), -1);
    EXPECT_EQ(kind, TsuiType::Int);
    EXPECT_EQ(GetThemeInt(TsuiUIStyle::MacOS, 92), -1);
    EXPECT_EQ(GetThemeInt(TsuiUIStyle(6), teFormBorderWidth), -1);

    EXPECT_EQ(GetThemeColor(TsuiUIStyle::WinXP, teFormBorderWidth), 0u);
    EXPECT_EQ(GetThemeInt(TsuiUIStyle::MacOS, teFormBorderColor), -1);
    EXPECT_FALSE(GetThemeBool(TsuiUIStyle::Protein, teTabBarHeight));
    EXPECT_EQ(GetThemeString(TsuiUIStyle::MacOS, teFormMinWidth), QString());
}

TEST(ThemeTables, ValuesAndKindsFollowTheTables)
{
    // Colours are toolkit colours: RGB 002CC8 is stored as 0xC82C00.
    EXPECT_EQ(GetThemeColor(TsuiUIStyle::WinXP, teFormBorderColor), 0xC82C00u);
    EXPECT_EQ(GetThemeColor(TsuiUIStyle::MacOS, teFormBorderColor), 0x7F7F7Fu);
    EXPECT_EQ(GetThemeColor(TsuiUIStyle::MacOS, teFormColor), 0xE7E7E7u);
    EXPECT_EQ(GetThemeInt(TsuiUIStyle::MacOS, teFormBorderWidth), 1);
    EXPECT_EQ(GetThemeColor(TsuiUIStyle::WinXP, teControlFontColor), 0xCF4602u);
    EXPECT_EQ(GetThemeColor(TsuiUIStyle::BlueGlass, teComboButtonColor), 0xE9D6D5u);
    EXPECT_EQ(GetThemeColor(TsuiUIStyle::WinXP, teToolButtonDownColor), 0xE1AC93u);
    EXPECT_EQ(GetThemeColor(TsuiUIStyle::BlueGlass, teScrollBarColor), 0xF4F4F4u);

    for (int style = 1; style <= 5; ++style)
        EXPECT_EQ(GetThemeInt(TsuiUIStyle(style), teStyleNumber), style);
    EXPECT_EQ(GetThemeInt(TsuiUIStyle::BlueGlass, teFormMinWidth), 270);
    EXPECT_EQ(GetThemeInt(TsuiUIStyle::BlueGlass, teTitleRightBtnXOffset), -3);
    EXPECT_EQ(GetThemeInt(TsuiUIStyle::MacOS, teTabBarHeight), 34);
    EXPECT_EQ(GetThemeInt(TsuiUIStyle::MacOS, teMenuSeparatorHeight), 12);
    EXPECT_FALSE(GetThemeBool(TsuiUIStyle::DeepBlue, teTitleButtonTransparent));
    EXPECT_TRUE(GetThemeBool(TsuiUIStyle::Protein, teTitleButtonTransparent));

    // Every style agrees on every element's kind.
    for (int index = 1; index <= ThemeElementCount; ++index) {
        TsuiType first;
        GetThemeElement(TsuiUIStyle::MacOS, index, first);
        for (int style = 2; style <= 5; ++style) {
            TsuiType kind;
            GetThemeElement(TsuiUIStyle(style), index, kind);
            EXPECT_EQ(kind, first) << "element " << index;
        }
    }
}

TEST(ThemeTables, PictureNamesCarryTheStylePrefixAndWinXPExceptions)
{
    EXPECT_EQ(GetThemeString(TsuiUIStyle::WinXP, teCheckBoxChecked), "WINXP_CHECKBOX_NORMAL_CHECK");
    EXPECT_EQ(GetThemeString(TsuiUIStyle::MacOS, teCheckBoxMouseOnChecked), "MACOS_CHECKBOX_CHECK");
    EXPECT_EQ(GetThemeString(TsuiUIStyle::Protein, teTitleRestoreNormal), "PROTEIN_TITLEBTN_MAX_NORMAL");
    EXPECT_EQ(GetThemeString(TsuiUIStyle::WinXP, teTitleRestoreMouseDown), "WINXP_TITLEBTN_RST_MOUSEDOWN");
    EXPECT_EQ(GetThemeString(TsuiUIStyle::WinXP, teRadioMouseDownUnchecked),
              "WINXP_RADIOBUTTON_MOUSEDOWN_UNCHECK");
    EXPECT_EQ(GetThemeString(TsuiUIStyle::BlueGlass, teMenuCheckedPicture), "MENU_CHECKED");
    EXPECT_EQ(GetThemeString(TsuiUIStyle::MacOS, teButtonNormal), "MACOS_BUTTON_NORMAL");
    EXPECT_EQ(GetThemeString(TsuiUIStyle::DeepBlue, teTrackBarBarVertical), "DEEPBLUE_TRACKBAR_BAR");
    EXPECT_EQ(GetThemeString(TsuiUIStyle::DeepBlue, teTrackBarSliderVertical), "DEEPBLUE_TRACKBAR_SLIDER_V");
    EXPECT_EQ(GetThemeString(TsuiUIStyle::BlueGlass, teScrollBottomButtonMouseOn),
              "BLUEGLASS_SCROLLBAR_BTMBUTTON_MOUSEON");
    EXPECT_EQ(GetThemeString(TsuiUIStyle::Protein, teScrollTrack), "PROTEIN_SCROLLBAR_TRACK");

    TsuiType kind;
    EXPECT_EQ(GetThemeElement(TsuiUIStyle::MacOS, teButtonNormal, kind), 0);
    EXPECT_EQ(kind, TsuiType::Str);
}

// Stand-ins for controls of the libraries above this one. The frame must be
// called TsuiForm at global scope: that is the class name the lookup knows.
class TsuiForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle MEMBER style)
    Q_PROPERTY(toolkit::TColor Color MEMBER color)

public:
    using QWidget::QWidget;
    TsuiUIStyle style = TsuiUIStyle::DeepBlue;
    TColor color = 0xE8E8E8;
};

TEST(FormStyle, IsReadFromTheFirstSkinnedFrameOrDefaults)
{
    EXPECT_EQ(GetSUIFormStyle(nullptr), TsuiUIStyle::DeepBlue);

    QWidget form;
    QWidget plain(&form);
    EXPECT_EQ(GetSUIFormStyle(&form), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(GetSUIFormColor(&form), toolkit::clBtnFace);
    EXPECT_EQ(GetBorderColor(&form), 0u);

    auto* frame = new TsuiForm(&form);
    // A stored layout spells the style by its enumerator name.
    ASSERT_TRUE(frame->setProperty("UIStyle", QStringLiteral("MacOS")));
    frame->color = 0x123456;
    auto* second = new TsuiForm(&form);
    second->style = TsuiUIStyle::WinXP;

    EXPECT_EQ(GetSUIFormStyle(&form), TsuiUIStyle::MacOS);
    EXPECT_EQ(GetSUIFormColor(&form), 0x123456u);
    EXPECT_EQ(GetBorderColor(&form), 0x7F7F7Fu);
    // ... and a layout writer reads it back as that name.
    const QMetaProperty uiStyle =
        frame->metaObject()->property(frame->metaObject()->indexOfProperty("UIStyle"));
    EXPECT_TRUE(uiStyle.isEnumType());
    EXPECT_EQ(frame->property("UIStyle").toString(), "MacOS");
}

class StyledControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle MEMBER style)

public:
    using QWidget::QWidget;
    TsuiUIStyle style = TsuiUIStyle::DeepBlue;
    QStringList applied;
};
class StyledCheckBox : public StyledControl {
    Q_OBJECT
public:
    using StyledControl::StyledControl;
};
class StyledRadioButton : public StyledCheckBox {
    Q_OBJECT
public:
    using StyledCheckBox::StyledCheckBox;
};
class BorderedEdit : public StyledControl {
    Q_OBJECT
public:
    using StyledControl::StyledControl;
    TColor borderColor = 0;
};

template <TsuiStyleTarget target> void Record(QWidget* w, TsuiUIStyle s)
{
    auto* control = static_cast<StyledControl*>(w);
    control->applied << QString::number(int(target));
    control->style = s;
}

TEST(ContainerStyle, JoinedFamiliesAreRestyledInOrderAndCustomIsKeptWhereDocumented)
{
    JoinContainerApplyUIStyle(TsuiStyleTarget::RadioButton, StyledRadioButton::staticMetaObject,
                              Record<TsuiStyleTarget::RadioButton>);
    JoinContainerApplyUIStyle(TsuiStyleTarget::CheckBox, StyledCheckBox::staticMetaObject,
                              Record<TsuiStyleTarget::CheckBox>);
    JoinContainerApplyUIStyle(
        TsuiStyleTarget::Edit, BorderedEdit::staticMetaObject, [](QWidget* w, TsuiUIStyle s) {
            static_cast<BorderedEdit*>(w)->borderColor = GetThemeColor(s, teControlBorderColor);
        });

    QWidget container;
    auto* radio = new StyledRadioButton(&container);
    auto* customCheck = new StyledCheckBox(&container);
    customCheck->style = TsuiUIStyle::Custom;
    auto* edit = new BorderedEdit(&container);
    edit->style = TsuiUIStyle::Custom; // only the first four families keep Custom
    auto* stranger = new StyledControl(&container);
    auto* nested = new StyledCheckBox(stranger);

    ContainerApplyUIStyle(&container, TsuiUIStyle::WinXP);

    // A radio button is also a check box: restyled twice, radio test first.
    EXPECT_EQ(radio->applied, QStringList({"0", "1"}));
    EXPECT_EQ(radio->style, TsuiUIStyle::WinXP);
    EXPECT_TRUE(customCheck->applied.isEmpty());
    EXPECT_EQ(edit->borderColor, 0x686868u);
    EXPECT_TRUE(stranger->applied.isEmpty());
    EXPECT_TRUE(nested->applied.isEmpty());

    ContainerApplyUIStyle(nullptr, TsuiUIStyle::WinXP);
}

TEST(ContainerStyle, SubContainersPassTheStyleOnOnce)
{
    JoinSubContainerApplyUIStyle(TsuiSubContainer::ImagePanel, StyledControl::staticMetaObject,
                                 Record<TsuiStyleTarget::StringGrid>);
    JoinSubContainerApplyUIStyle(TsuiSubContainer::GroupBox, StyledCheckBox::staticMetaObject,
                                 Record<TsuiStyleTarget::DrawGrid>);

    QWidget container;
    auto* panel = new StyledCheckBox(&container);
    auto* other = new QWidget(&container);
    SubContainerApplyUIStyle(&container, TsuiUIStyle::Protein);

    EXPECT_EQ(panel->applied, QStringList({QString::number(int(TsuiStyleTarget::StringGrid))}));
    EXPECT_EQ(panel->style, TsuiUIStyle::Protein);
    EXPECT_FALSE(other->property("UIStyle").isValid());
}

#include "test_suithemes.moc"
