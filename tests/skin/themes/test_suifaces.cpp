// The face function: which picture each element shows in each state, read
// through the picture names a style gives, and what a missing one yields.
#include "skin/themes/suifaces.h"

#include <gtest/gtest.h>

namespace {

const TsuiUIStyle kStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein,
                               TsuiUIStyle::BlueGlass};

const TsuiFaceState kNormal{};
const TsuiFaceState kHot{.Hot = true};
const TsuiFaceState kPressed{.Hot = true, .Pressed = true};
const TsuiFaceState kDisabled{.Enabled = false};
const TsuiFaceState kDisabledHot{.Enabled = false, .Hot = true};
const TsuiFaceState kDisabledPressed{.Enabled = false, .Pressed = true};

struct Expectation {
    TsuiFace face;
    TsuiFaceState state;
    const char* name;
};

void ExpectNames(TsuiUIStyle style, std::initializer_list<Expectation> table)
{
    for (const Expectation& row : table)
        EXPECT_EQ(FaceName(style, row.face, row.state), row.name)
            << "element " << int(row.face) << " enabled " << row.state.Enabled << " hot " << row.state.Hot
            << " pressed " << row.state.Pressed << " checked " << row.state.Checked;
}

TsuiFaceState Checked(TsuiFaceState state)
{
    state.Checked = true;
    return state;
}

TsuiFaceState Vertical(TsuiFaceState state)
{
    state.Vertical = true;
    return state;
}

TEST(Faces, ButtonStatesPressedWinsOverDisabled)
{
    EXPECT_EQ(ButtonFaceFor(kNormal), TsuiButtonFace::Normal);
    EXPECT_EQ(ButtonFaceFor(kHot), TsuiButtonFace::MouseOn);
    EXPECT_EQ(ButtonFaceFor(kPressed), TsuiButtonFace::MouseDown);
    EXPECT_EQ(ButtonFaceFor(kDisabledHot), TsuiButtonFace::Disabled);
    EXPECT_EQ(ButtonFaceFor(kDisabledPressed), TsuiButtonFace::MouseDown);
}

// Push buttons, scroll arrows and title bar buttons: normal (also when
// disabled), hover, pressed (also when disabled).
TEST(Faces, ThreePictureElements)
{
    ExpectNames(TsuiUIStyle::MacOS, {
                                        {TsuiFace::PushButton, kNormal, "MACOS_BUTTON_NORMAL"},
                                        {TsuiFace::PushButton, kHot, "MACOS_BUTTON_MOUSEON"},
                                        {TsuiFace::PushButton, kPressed, "MACOS_BUTTON_MOUSEDOWN"},
                                        {TsuiFace::PushButton, kDisabledHot, "MACOS_BUTTON_NORMAL"},
                                        {TsuiFace::PushButton, kDisabledPressed, "MACOS_BUTTON_MOUSEDOWN"},
                                        {TsuiFace::ScrollArrowDec, kHot, "MACOS_SCROLLBAR_TOPBUTTON_MOUSEON"},
                                        {TsuiFace::ScrollArrowInc, kPressed, "MACOS_SCROLLBAR_BTMBUTTON_MOUSEDOWN"},
                                        {TsuiFace::TitleClose, kNormal, "MACOS_TITLEBTN_CLOSE_NORMAL"},
                                        {TsuiFace::TitleMin, kHot, "MACOS_TITLEBTN_MIN_MOUSEON"},
                                        {TsuiFace::TitleHelp, kPressed, "MACOS_TITLEBTN_HELP_MOUSEDOWN"},
                                        {TsuiFace::TitleControlBox, kNormal, "MACOS_TITLEBTN_CTLBOX_NORMAL"},
                                        {TsuiFace::TitleMax, kPressed, "MACOS_TITLEBTN_MAX_MOUSEDOWN"},
                                        {TsuiFace::TitleRestore, kHot, "MACOS_TITLEBTN_MAX_MOUSEON"},
                                    });
    // WinXP alone draws its own restore button.
    ExpectNames(TsuiUIStyle::WinXP, {{TsuiFace::TitleRestore, kPressed, "WINXP_TITLEBTN_RST_MOUSEDOWN"}});
}

// Four pairs: disabled, normal, hover, pressed; WinXP alone has distinct
// hover and pressed pictures.
TEST(Faces, CheckBoxAndRadioButtonPairs)
{
    ExpectNames(TsuiUIStyle::WinXP,
                {
                    {TsuiFace::CheckBox, kNormal, "WINXP_CHECKBOX_NORMAL_UNCHECK"},
                    {TsuiFace::CheckBox, Checked(kNormal), "WINXP_CHECKBOX_NORMAL_CHECK"},
                    {TsuiFace::CheckBox, Checked(kHot), "WINXP_CHECKBOX_MOUSEON_CHECK"},
                    {TsuiFace::CheckBox, kPressed, "WINXP_CHECKBOX_MOUSEDOWN_UNCHECK"},
                    {TsuiFace::CheckBox, Checked(kDisabled), "WINXP_CHECKBOX_DISABLE_CHECK"},
                    {TsuiFace::CheckBox, kDisabledHot, "WINXP_CHECKBOX_DISABLE_UNCHECK"},
                    {TsuiFace::CheckBox, Checked(kDisabledPressed), "WINXP_CHECKBOX_MOUSEDOWN_CHECK"},
                    {TsuiFace::RadioButton, kHot, "WINXP_RADIOBUTTON_MOUSEON_UNCHECK"},
                    {TsuiFace::RadioButton, Checked(kPressed), "WINXP_RADIOBUTTON_MOUSEDOWN_CHECK"},
                    {TsuiFace::RadioButton, Checked(kDisabledHot), "WINXP_RADIOBUTTON_DISABLE_CHECK"},
                });
    ExpectNames(TsuiUIStyle::MacOS, {
                                        {TsuiFace::CheckBox, Checked(kHot), "MACOS_CHECKBOX_CHECK"},
                                        {TsuiFace::CheckBox, kPressed, "MACOS_CHECKBOX_UNCHECK"},
                                        {TsuiFace::RadioButton, kDisabled, "MACOS_RADIOBUTTON_DISABLE_UNCHECK"},
                                    });
}

// Bars choose by orientation only; the pointer does not change them.
TEST(Faces, BarsFollowTheirOrientation)
{
    ExpectNames(TsuiUIStyle::DeepBlue, {
                                           {TsuiFace::ProgressBar, kNormal, "DEEPBLUE_PROGRESSBAR"},
                                           {TsuiFace::ProgressBar, Vertical(kNormal), "DEEPBLUE_PROGRESSBAR_V"},
                                           {TsuiFace::TrackBarBar, kPressed, "DEEPBLUE_TRACKBAR_BAR"},
                                           {TsuiFace::TrackBarBar, Vertical(kNormal), "DEEPBLUE_TRACKBAR_BAR"},
                                           {TsuiFace::TrackBarSlider, kHot, "DEEPBLUE_TRACKBAR_SLIDER"},
                                           {TsuiFace::TrackBarSlider, Vertical(kNormal), "DEEPBLUE_TRACKBAR_SLIDER_V"},
                                           {TsuiFace::ScrollThumb, Vertical(kPressed), "DEEPBLUE_SCROLLBAR_TRACK"},
                                           {TsuiFace::ScrollTrack, kNormal, ""},
                                       });
}

TEST(Faces, TabsTitleSectionsAndMenuCheck)
{
    ExpectNames(TsuiUIStyle::Protein, {
                                          {TsuiFace::Tab, Checked(kNormal), "PROTEIN_TAB_ACTIVE"},
                                          {TsuiFace::Tab, kHot, "PROTEIN_TAB_INACTIVE"},
                                          {TsuiFace::TabLine, kNormal, "PROTEIN_TAB_LINE"},
                                          {TsuiFace::TitleLeft, kNormal, "PROTEIN_TITLE_LEFT"},
                                          {TsuiFace::TitleClient, kNormal, "PROTEIN_TITLE_CLIENT"},
                                          {TsuiFace::TitleRight, kNormal, "PROTEIN_TITLE_RIGHT"},
                                          {TsuiFace::MenuCheck, kNormal, "MENU_CHECKED"},
                                      });
}

// Every name a real style gives loads; Custom, an unknown style and an
// element without a picture give a null face rather than an exception.
TEST(Faces, EveryNamedFaceLoadsAndAMissingOneIsNull)
{
    const TsuiFaceState states[] = {kNormal, kHot, kPressed, kDisabled, Checked(kNormal), Vertical(kNormal)};
    for (int f = int(TsuiFace::PushButton); f <= int(TsuiFace::MenuCheck); ++f) {
        const auto face = TsuiFace(f);
        for (const TsuiFaceState& state : states) {
            for (TsuiUIStyle style : kStyles) {
                const bool named = !FaceName(style, face, state).isEmpty();
                EXPECT_EQ(named, face != TsuiFace::ScrollTrack) << "element " << f;
                EXPECT_EQ(FaceFor(style, face, state).isNull(), !named) << "element " << f;
            }
            EXPECT_TRUE(FaceFor(TsuiUIStyle::Custom, face, state).isNull());
            EXPECT_TRUE(FaceFor(TsuiUIStyle(42), face, state).isNull());
        }
    }
}

} // namespace
