#include "skin/themes/suiflatborder.h"

#include "skin/themes/suipublic.h"

#include <QEvent>
#include <QWidget>

TsuiFlatBorder::TsuiFlatBorder(QWidget& control, toolkit::TNativeControl& native, int borderWidth)
    : control_(control), native_(native), borderColor_(GetBorderColor(native.Owner()))
{
    control_.setAttribute(Qt::WA_OpaquePaintEvent);
    native_.SetBorderStyle(toolkit::bsNone);
    native_.SetBorderWidth(borderWidth);
}

void TsuiFlatBorder::SetBorderColor(toolkit::TColor color)
{
    if (borderColor_ == color) return;
    borderColor_ = color;
    control_.update();
}

void TsuiFlatBorder::ApplyContainerStyle(TsuiUIStyle style)
{
    if (style != TsuiUIStyle::Custom) SetBorderColor(GetThemeColor(style, teControlBorderColor));
}

void TsuiFlatBorder::PaintBorderAfter(const QEvent& event)
{
    if (event.type() == QEvent::Paint) DrawControlBorder(&control_, borderColor_, native_.Color());
}
