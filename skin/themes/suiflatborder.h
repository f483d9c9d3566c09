#pragma once
// The flat border of the skinned controls built on native Qt widgets (memo,
// list boxes, edit, views, grids): a one-pixel frame in BorderColor with a
// band of the control's colour inside it, in place of the native edge, drawn
// over the control each time it has painted itself.

#include "skin/themes/suithemes.h"
#include "toolkit/nativecontrol.h"

class QEvent;
class QWidget;

/// Gives a control built on a native Qt widget the skinned frame's flat border colour instead of the native
/// edge.
class TsuiFlatBorder : public TsuiStyled {
public:
    // Takes the control border colour of the skinned frame on the owner form
    // and turns the native edge off, leaving a band of borderWidth.
    TsuiFlatBorder(QWidget& control, toolkit::TNativeControl& native, int borderWidth);

    toolkit::TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(toolkit::TColor color);

    // A pushed style's control border colour; Custom carries no theme, so
    // the border keeps its colour then.
    void ApplyContainerStyle(TsuiUIStyle style) override;

protected:
    // Call from the control's event handler after the widget handled a paint
    // of its own surface.
    void PaintBorderAfter(const QEvent& event);

private:
    QWidget& control_;
    toolkit::TNativeControl& native_;
    toolkit::TColor borderColor_ = 0;
};
