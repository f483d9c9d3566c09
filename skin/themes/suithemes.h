#pragma once
// Styles of the skin and their theme tables: colours, integers, flags and
// picture names per style, answered from the style's skin pack
// (skin/themes/suiskins.h), and pushing a style onto the controls of a
// container.

#include "toolkit/types.h"

#include <QObject>
#include <QString>
#include <cstdint>

class QMetaObject;
class QWidget;

// The enumeration lives in a namespace only so the meta-object system knows
// it: stored layouts write `UIStyle = MacOS`. Controls publish it qualified,
// `Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle ...)`, since moc only sees an
// enumeration (and its names) through the namespace it was declared in.
// A plain enumeration, as every published one is: Qt Designer writes a value
// as `Suithemes::MacOS`, and uic-generated code must compile with that.
namespace Suithemes {
Q_NAMESPACE

enum TsuiUIStyle : std::uint8_t { Custom, MacOS, WinXP, DeepBlue, Protein, BlueGlass };
Q_ENUM_NS(TsuiUIStyle)

} // namespace Suithemes

using Suithemes::TsuiUIStyle;

enum class TsuiType : std::uint8_t { Int, Color, Str, Bool };

// Element numbers of the theme tables. Elements 1, 5, 14 and 19 are read by
// nothing and keep only their numbers.
enum TsuiThemeElement : int {
    teStyleNumber = 1,
    teFormBorderColor = 2,
    teFormColor = 3,
    teFormBorderWidth = 4,
    teFormMinWidth = 6,
    teFormRoundCorner = 7,
    teControlBorderColor = 8,
    teControlColor = 9,
    teControlFontColor = 10,
    teMenuSelectedBorderColor = 11,
    teMenuSelectedColor = 12,
    teMenuSelectedFontColor = 13,
    teMenuColor = 15,
    teMenuFontColor = 16,
    teMenuBarColor = 17,
    teMenuSeparatorColor = 18,
    teMenuItemHeight = 20,
    teMenuSeparatorHeight = 21,
    teMenuBarWidth = 22,
    teMenuCheckedPicture = 23,
    teButtonNormal = 24,
    teButtonMouseOn = 25,
    teButtonMouseDown = 26,
    teCheckBoxDisabledChecked = 27,
    teCheckBoxDisabledUnchecked = 28,
    teCheckBoxChecked = 29,
    teCheckBoxUnchecked = 30,
    teCheckBoxMouseOnChecked = 31,
    teCheckBoxMouseOnUnchecked = 32,
    teCheckBoxMouseDownChecked = 33,
    teCheckBoxMouseDownUnchecked = 34,
    teRadioDisabledChecked = 35,
    teRadioDisabledUnchecked = 36,
    teRadioChecked = 37,
    teRadioUnchecked = 38,
    teRadioMouseOnChecked = 39,
    teRadioMouseOnUnchecked = 40,
    teRadioMouseDownChecked = 41,
    teRadioMouseDownUnchecked = 42,
    teProgressBar = 43,
    teProgressBarVertical = 44,
    teTitleLeft = 45,
    teTitleClient = 46,
    teTitleRight = 47,
    teTitleCloseNormal = 48,
    teTitleCloseMouseOn = 49,
    teTitleCloseMouseDown = 50,
    teTitleMaxNormal = 51,
    teTitleMaxMouseOn = 52,
    teTitleMaxMouseDown = 53,
    teTitleMinNormal = 54,
    teTitleMinMouseOn = 55,
    teTitleMinMouseDown = 56,
    teTitleHelpNormal = 57,
    teTitleHelpMouseOn = 58,
    teTitleHelpMouseDown = 59,
    teTitleCtlBoxNormal = 60,
    teTitleCtlBoxMouseOn = 61,
    teTitleCtlBoxMouseDown = 62,
    teTitleRestoreNormal = 63,
    teTitleRestoreMouseOn = 64,
    teTitleRestoreMouseDown = 65,
    teTitleButtonTransparent = 66,
    teTitleLeftBtnXOffset = 67,
    teTitleRightBtnXOffset = 68,
    teTitleButtonTop = 69,
    teTabActive = 70,
    teTabInactive = 71,
    teTabLine = 72,
    teTabBarHeight = 73,
    teComboButtonColor = 74,
    teTrackBarBar = 75,
    teTrackBarSlider = 76,
    teTrackBarBarVertical = 77,
    teTrackBarSliderVertical = 78,
    teTrackBarColor = 79,
    teToolButtonBorderColor = 80,
    teToolButtonColor = 81,
    teToolButtonDownColor = 82,
    teToolBarColor = 83,
    teScrollBarColor = 84,
    teScrollTopButtonNormal = 85,
    teScrollTopButtonMouseOn = 86,
    teScrollTopButtonMouseDown = 87,
    teScrollBottomButtonNormal = 88,
    teScrollBottomButtonMouseOn = 89,
    teScrollBottomButtonMouseDown = 90,
    teScrollTrack = 91,
};

constexpr int ThemeElementCount = 91;

// Raw access. A real style (a built-in, or a loaded pack's) reports the
// element's kind and value; Custom, any other style value and an index
// outside 1..91 report Int and -1. A Str
// element's raw value is 0: its name is read with GetThemeString.
std::int32_t GetThemeElement(TsuiUIStyle style, int index, TsuiType& kind);
// Each query answers its default when the element is of another kind.
toolkit::TColor GetThemeColor(TsuiUIStyle style, int index); // 0
int GetThemeInt(TsuiUIStyle style, int index);               // -1
bool GetThemeBool(TsuiUIStyle style, int index);             // false
QString GetThemeString(TsuiUIStyle style, int index);        // ""

// The style, colour and border colour of the first skinned frame among the
// form's child controls; DeepBlue, clBtnFace and 0 without one.
TsuiUIStyle GetSUIFormStyle(const QObject* form);
toolkit::TColor GetSUIFormColor(const QObject* form);
toolkit::TColor GetBorderColor(const QObject* form);

// Pushes a style onto the direct child controls of a container: each skinned
// control among them answers it (TsuiStyled::ApplyContainerStyle).
void ContainerApplyUIStyle(QWidget* container, TsuiUIStyle style);
// Lets the image panels, group boxes, tab controls and tab sheets among the
// direct children pass the style on to their own children.
void SubContainerApplyUIStyle(QWidget* container, TsuiUIStyle style);

/// What every skinned control declares, whatever Qt widget it is built on, so
/// that style application finds it by interface, never by class name.
class TsuiStyled {
public:
    virtual ~TsuiStyled() = default;
    // A style pushed onto the control's container: the push buttons, check
    // boxes, radio buttons and progress bars keep Custom; the group box takes
    // colours; most others take the style.
    virtual void ApplyContainerStyle(TsuiUIStyle style) = 0;
    // A container among the skinned controls passes the style on to its own
    // children here and answers true; the others answer false.
    virtual bool PassUIStyleOn(TsuiUIStyle style)
    {
        Q_UNUSED(style);
        return false;
    }
};

/// What a skinned window frame tells the controls of its form.
class TsuiFrameInfo {
public:
    virtual ~TsuiFrameInfo() = default;
    virtual TsuiUIStyle FrameUIStyle() const = 0;
    virtual toolkit::TColor FrameColor() const = 0;
};

Q_DECLARE_INTERFACE(TsuiStyled, "skin.TsuiStyled")
Q_DECLARE_INTERFACE(TsuiFrameInfo, "skin.TsuiFrameInfo")

// The skinned frame among a form's direct children, if any.
QObject* FindSuiForm(const QObject* form);
