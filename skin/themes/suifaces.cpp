#include "skin/themes/suifaces.h"

#include "skin/themes/suiskins.h"
#include "toolkit/graphics.h"
#include "toolkit/resources.h"

namespace {

// Push buttons, scroll arrows and title bar buttons have their three
// pictures in a row from `normal`.
int OfThree(int normal, const TsuiFaceState& state)
{
    return normal + ThreeFaceIndex(state);
}

// Check boxes and radio buttons have four pairs from `first`: disabled,
// normal, hover, pressed; each checked, then unchecked.
int OfFourPairs(int first, const TsuiFaceState& state)
{
    int pair = 1;
    switch (ButtonFaceFor(state)) {
    case TsuiButtonFace::Disabled:
        pair = 0;
        break;
    case TsuiButtonFace::Normal:
        break;
    case TsuiButtonFace::MouseOn:
        pair = 2;
        break;
    case TsuiButtonFace::MouseDown:
        pair = 3;
        break;
    }
    return first + 2 * pair + (state.Checked ? 0 : 1);
}

int ByOrientation(int horizontal, int vertical, const TsuiFaceState& state)
{
    return state.Vertical ? vertical : horizontal;
}

} // namespace

TsuiButtonFace ButtonFaceFor(const TsuiFaceState& state)
{
    if (state.Pressed) return TsuiButtonFace::MouseDown;
    if (!state.Enabled) return TsuiButtonFace::Disabled;
    return state.Hot ? TsuiButtonFace::MouseOn : TsuiButtonFace::Normal;
}

TsuiButtonFace ButtonFaceFor(bool enabled, bool pressed, bool hover)
{
    return ButtonFaceFor({.Enabled = enabled, .Hot = hover, .Pressed = pressed});
}

int ThreeFaceIndex(const TsuiFaceState& state)
{
    switch (ButtonFaceFor(state)) {
    case TsuiButtonFace::MouseDown:
        return 2;
    case TsuiButtonFace::MouseOn:
        return 1;
    case TsuiButtonFace::Normal:
    case TsuiButtonFace::Disabled:
        break;
    }
    return 0;
}

int FaceElement(TsuiFace face, const TsuiFaceState& state)
{
    switch (face) {
    case TsuiFace::PushButton:
        return OfThree(teButtonNormal, state);
    case TsuiFace::CheckBox:
        return OfFourPairs(teCheckBoxDisabledChecked, state);
    case TsuiFace::RadioButton:
        return OfFourPairs(teRadioDisabledChecked, state);
    case TsuiFace::ProgressBar:
        return ByOrientation(teProgressBar, teProgressBarVertical, state);
    case TsuiFace::ScrollArrowDec:
        return OfThree(teScrollTopButtonNormal, state);
    case TsuiFace::ScrollArrowInc:
        return OfThree(teScrollBottomButtonNormal, state);
    case TsuiFace::ScrollThumb:
        return teScrollTrack;
    case TsuiFace::ScrollTrack:
        return 0;
    case TsuiFace::TrackBarBar:
        return ByOrientation(teTrackBarBar, teTrackBarBarVertical, state);
    case TsuiFace::TrackBarSlider:
        return ByOrientation(teTrackBarSlider, teTrackBarSliderVertical, state);
    case TsuiFace::Tab:
        return state.Checked ? teTabActive : teTabInactive;
    case TsuiFace::TabLine:
        return teTabLine;
    case TsuiFace::TitleClose:
        return OfThree(teTitleCloseNormal, state);
    case TsuiFace::TitleMax:
        return OfThree(teTitleMaxNormal, state);
    case TsuiFace::TitleRestore:
        return OfThree(teTitleRestoreNormal, state);
    case TsuiFace::TitleMin:
        return OfThree(teTitleMinNormal, state);
    case TsuiFace::TitleHelp:
        return OfThree(teTitleHelpNormal, state);
    case TsuiFace::TitleControlBox:
        return OfThree(teTitleCtlBoxNormal, state);
    case TsuiFace::TitleLeft:
        return teTitleLeft;
    case TsuiFace::TitleClient:
        return teTitleClient;
    case TsuiFace::TitleRight:
        return teTitleRight;
    case TsuiFace::MenuCheck:
        return teMenuCheckedPicture;
    }
    return 0;
}

QString FaceName(TsuiUIStyle style, TsuiFace face, const TsuiFaceState& state)
{
    const int element = FaceElement(face, state);
    return element ? GetThemeString(style, element) : QString();
}

QImage FaceFor(TsuiUIStyle style, TsuiFace face, const TsuiFaceState& state)
{
    const int element = FaceElement(face, state);
    return element ? SkinPicture(style, element) : QImage();
}

void LoadFace(toolkit::TPicture& picture, TsuiUIStyle style, TsuiFace face, const TsuiFaceState& state)
{
    try {
        picture.LoadFromResourceName(FaceName(style, face, state));
    } catch (const toolkit::EResNotFound&) {
        picture.Clear();
    }
}
