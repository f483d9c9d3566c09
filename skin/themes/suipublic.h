#pragma once
// Drawing and placement helpers every skinned control uses. All stateless.

#include "toolkit/types.h"

#include <QString>

class QObject;
class QWidget;

namespace toolkit {
class TBitmap;
class TCanvas;
class TPicture;
} // namespace toolkit

// The key colour of SpitDraw's pictures.
constexpr toolkit::TColor SpitDrawKey = toolkit::clFuchsia;

// Nine pieces: corners at natural size (cropped from their outer side when
// the destination is small), edges and middle stretched. Corners are keyed
// by magenta only when transparent; edges and middle always are. The
// destination is expected to start at the canvas origin.
void SpitDraw(const toolkit::TBitmap& bitmap, toolkit::TCanvas& canvas, const toolkit::TRect& rect,
              bool transparent);
// Three frames side by side: both ends at their own size, the middle frame
// stretched between them. The ends are keyed by the top-left pixel's colour
// when transparent; the middle never is.
void SpitDrawHorizontal(const toolkit::TBitmap& bitmap, toolkit::TCanvas& canvas, const toolkit::TRect& rect,
                        bool transparent);
// Tiles from the canvas origin (not from rect's corner) until rect is covered.
void TileDraw(toolkit::TCanvas& canvas, const toolkit::TPicture& picture, const toolkit::TRect& rect);
// Quarter turns in place: counter-clockwise and clockwise.
void RoundPicture(toolkit::TBitmap& bitmap);
void RoundPicture3(toolkit::TBitmap& bitmap);

// Paints the parent's own background and drawing (not its other children)
// under the control, so the control can draw over it.
void DoTrans(toolkit::TCanvas& canvas, const QWidget* control);
// A flat one-pixel border with a one-pixel band of innerColor inside it, on
// the control's outer edge. Paints on the control itself, so call it while the
// control handles its paint event.
void DrawControlBorder(QWidget* control, toolkit::TColor borderColor, toolkit::TColor innerColor);
// The same on a canvas, on the edge of rect (a control composing off screen).
void DrawControlBorder(toolkit::TCanvas& canvas, const toolkit::TRect& rect, toolkit::TColor borderColor,
                       toolkit::TColor innerColor);
// Shapes the window to the bitmap's pixels that differ from keyColor.
void SetBitmapWindow(QWidget* window, const toolkit::TBitmap& bitmap, toolkit::TColor keyColor);

// Both edges inclusive: a point on the right or bottom edge is inside.
bool InRect(int x, int y, const toolkit::TRect& rect);
bool InRect(const toolkit::TPoint& point, const toolkit::TRect& rect);

// Separate property changes in the classic order (left, top, width, height),
// so a control that vetoes or adjusts one of them sees each on its own.
void PlaceControl(QWidget* control, const toolkit::TPoint& point);
void PlaceControl(QWidget* control, const toolkit::TRect& rect);

// The primary screen without its panels and task bars.
toolkit::TRect GetWorkAreaRect();

// The empty string for a null or empty text.
QString PCharToStr(const char* text);

// Whether the component's class publishes a property of that name.
bool IsHasProperty(const QObject* component, const char* name);

// Lets the parent show through wherever the control does not paint.
void SetWinControlTransparent(QWidget* control);
