#pragma once
// The faces the skinned style paints, composed at a size from the same
// pictures, theme tables and drawing helpers the skinned controls paint
// with, the way those controls compose them. Every function answers a null
// image when the style has no picture for the element, so that the caller
// can draw something else instead.

#include "skin/themes/suifaces.h"

#include <QColor>
#include <QImage>
#include <QSize>

namespace skinnedfaces {

// A push button's face over `fill`; an invalid fill leaves the picture's
// keyed pixels transparent (the styles whose buttons show their parent).
// `focus` adds the style's focus mark.
QImage PushButton(TsuiUIStyle style, const TsuiFaceState& state, QSize size, bool focus, const QColor& fill);
// Whether the style's push buttons and check boxes let their parent show.
bool ButtonShowsParent(TsuiUIStyle style);

// A check box or radio button picture as the controls draw it (a radio's
// corners keyed by their own colour). `partial` marks the third state of a
// tri-state box on the unchecked picture.
QImage Indicator(TsuiUIStyle style, TsuiFace face, const TsuiFaceState& state, bool partial = false);

// A progress bar of `size` with `filled` pixels of its length minus one
// filled, framed in the theme's border colour.
QImage ProgressBar(TsuiUIStyle style, QSize size, int filled, bool vertical);
// How much of a bar of `full` pixels the value fills.
int ProgressFilled(int full, int minimum, int maximum, int value);

// A scroll bar's arrow (turned for a horizontal bar) and its thumb: both
// caps at their size, the middle stretched to `length`.
QImage ScrollArrow(TsuiUIStyle style, TsuiFace face, const TsuiFaceState& state, bool vertical);
// The arrow's size as ScrollArrow draws it, without turning its picture:
// the bar's parts are measured at every paint. Empty without a picture.
QSize ScrollArrowSize(TsuiUIStyle style, TsuiFace face, bool vertical);
QImage ScrollThumb(TsuiUIStyle style, int length, bool vertical);

// A track bar's bar stretched to `length` (a strip as thick as the bar
// picture), and its slider.
QImage SliderGroove(TsuiUIStyle style, int length, bool vertical);
QImage SliderHandle(TsuiUIStyle style, bool vertical);

// A tab of `size`, keyed on magenta; the line under the tabs stretched to
// `width`.
QImage Tab(TsuiUIStyle style, QSize size, bool active);
QImage TabLine(TsuiUIStyle style, int width);

} // namespace skinnedfaces
