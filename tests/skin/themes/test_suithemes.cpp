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
    EXPECT_EQ(GetThemeInt(TsuiUIStyle(250), teFormBorderWidth), -1); // no pack answers as 250

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

// Stand-ins for controls of the libraries above this one: the frame and the
// controls are found by the interfaces they declare, whatever their names.
class StandInFrame : public QWidget, public TsuiFrameInfo {
    Q_OBJECT
    Q_INTERFACES(TsuiFrameInfo)

public:
    using QWidget::QWidget;
    TsuiUIStyle FrameUIStyle() const override { return style; }
    TColor FrameColor() const override { return color; }
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

    auto* frame = new StandInFrame(&form);
    frame->style = TsuiUIStyle::MacOS;
    frame->color = 0x123456;
    auto* second = new StandInFrame(&form);
    second->style = TsuiUIStyle::WinXP;

    EXPECT_EQ(FindSuiForm(&form), frame);
    EXPECT_EQ(GetSUIFormStyle(&form), TsuiUIStyle::MacOS);
    EXPECT_EQ(GetSUIFormColor(&form), 0x123456u);
    EXPECT_EQ(GetBorderColor(&form), 0x7F7F7Fu);
}

// A skinned control that records what its container's style did to it.
class StyledControl : public QWidget, public TsuiStyled {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)

public:
    using QWidget::QWidget;
    void ApplyContainerStyle(TsuiUIStyle s) override { applied << s; }
    bool PassUIStyleOn(TsuiUIStyle s) override
    {
        passedOn << s;
        return true;
    }
    QList<TsuiUIStyle> applied, passedOn;
};

TEST(ContainerStyle, ReachesEachDirectSkinnedChildOnce)
{
    QWidget container;
    auto* styled = new StyledControl(&container);
    auto* plain = new QWidget(&container);
    auto* nested = new StyledControl(plain);
    // A control that deletes a later sibling while restyled must not break the walk.
    auto* doomed = new StyledControl(&container);
    struct Deleting : StyledControl {
        using StyledControl::StyledControl;
        QWidget* victim = nullptr;
        void ApplyContainerStyle(TsuiUIStyle s) override
        {
            StyledControl::ApplyContainerStyle(s);
            delete victim;
        }
    };
    auto* deleting = new Deleting(&container);
    deleting->victim = doomed;
    doomed->setParent(nullptr);
    doomed->setParent(&container); // now after the deleting one

    ContainerApplyUIStyle(&container, TsuiUIStyle::WinXP);
    EXPECT_EQ(styled->applied, QList<TsuiUIStyle>{TsuiUIStyle::WinXP});
    EXPECT_TRUE(nested->applied.isEmpty());
    EXPECT_TRUE(styled->passedOn.isEmpty());

    SubContainerApplyUIStyle(&container, TsuiUIStyle::Protein);
    EXPECT_EQ(styled->passedOn, QList<TsuiUIStyle>{TsuiUIStyle::Protein});
    EXPECT_TRUE(nested->passedOn.isEmpty());

    ContainerApplyUIStyle(nullptr, TsuiUIStyle::WinXP);
}

#include "test_suithemes.moc"
