#pragma once
// Which picture a skinned element shows: one pure mapping from an element and
// its state to a theme element, and the style's picture for it. Controls ask
// at paint time, with the state they are in then; anything else that draws
// the same elements asks the same functions, so the two cannot disagree.

#include "skin/themes/suithemes.h"

#include <QImage>
#include <QString>
#include <cstdint>

namespace toolkit {
class TPicture;
}

// The elements a style has pictures for.
enum class TsuiFace : std::uint8_t {
    PushButton,
    CheckBox,
    RadioButton,
    ProgressBar,    // the filled part
    ScrollArrowDec, // up, or left when horizontal
    ScrollArrowInc, // down, or right when horizontal
    ScrollThumb,    // its three pieces, stacked
    ScrollTrack,    // no picture: the bar's colour
    TrackBarBar,
    TrackBarSlider,
    Tab,
    TabLine, // under the tabs
    TitleClose,
    TitleMax,
    TitleRestore,
    TitleMin,
    TitleHelp,
    TitleControlBox,
    TitleLeft,
    TitleClient,
    TitleRight,
    MenuCheck,
};

/// What the picture depends on. Elements ignore what does not concern them.
struct TsuiFaceState {
    bool Enabled = true;
    bool Hot = false;      // under the pointer
    bool Pressed = false;  // held down (with the pointer still over it)
    bool Checked = false;  // a check box's check, a radio button's dot, the active tab
    bool Vertical = false; // a bar's orientation
};

// Which of its three or four pictures a button-like element shows.
enum class TsuiButtonFace { Normal, MouseOn, MouseDown, Disabled };

// Pressed wins over disabled: a click handler that disables its own button
// (the firmware update does) keeps it drawn pressed until the handler returns.
TsuiButtonFace ButtonFaceFor(const TsuiFaceState& state);
TsuiButtonFace ButtonFaceFor(bool enabled, bool pressed, bool hover);
// Which of three pictures (normal, hover, pressed) a button-like element
// shows: 0, 1 or 2; the normal one serves when disabled. Elements with
// pictures of their own choose by it too.
int ThreeFaceIndex(const TsuiFaceState& state);

// The theme element the element shows in the state; 0 when no style has a
// picture for it.
int FaceElement(TsuiFace face, const TsuiFaceState& state);
// The style's picture name for it; empty for Custom or without a picture.
QString FaceName(TsuiUIStyle style, TsuiFace face, const TsuiFaceState& state);
// The style's picture for it (decoded once and shared); null when the style
// has none or it cannot be loaded, so that painting it draws nothing.
QImage FaceFor(TsuiUIStyle style, TsuiFace face, const TsuiFaceState& state = {});
// Loads the style's picture into a picture a control publishes, by name, so
// that a stored layout refers to it; clears it when the style has none.
void LoadFace(toolkit::TPicture& picture, TsuiUIStyle style, TsuiFace face, const TsuiFaceState& state = {});
