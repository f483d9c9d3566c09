#include "skin/controls/suicombobox.h"

#include "skin/themes/suipublic.h"
#include "toolkit/resources.h"

using namespace toolkit;

namespace {

constexpr TColor DisabledArrow = RGBColor(0x80, 0x80, 0x80);
constexpr TColor DisabledArrowShadow = clWhite;

void Triangle(TCanvas& canvas, int x, int y, TColor color)
{
    canvas.Brush.Color = color;
    canvas.Pen.Color = color;
    canvas.Polygon({{x, y}, {x + 6, y}, {x + 3, y + 3}});
}

} // namespace

TsuiCustomComboBox::TsuiCustomComboBox(QObject* owner, QWidget* parent) : TCustomComboBox(owner, parent)
{
    SetUIStyle(GetSUIFormStyle(owner));
}

void TsuiCustomComboBox::SetUIStyle(TsuiUIStyle style)
{
    const bool changed = uiStyle_ != style;
    uiStyle_ = style;
    buttonColor_ = GetThemeColor(style, teComboButtonColor);
    arrowColor_ = GetThemeColor(style, teControlBorderColor);
    borderColor_ = GetThemeColor(style, teControlBorderColor);
    Invalidate();
    if (changed) emit UIStyleSwitched();
}

TPoint TsuiCustomComboBox::ArrowOrigin() const
{
    const TRect button = ButtonRect();
    return Point(button.Left + button.Width() / 2 - 4, button.Height() / 2);
}

void TsuiCustomComboBox::Paint(TCanvas& canvas)
{
    TCustomComboBox::Paint(canvas);
    DrawButton(canvas);
    DrawControlBorder(canvas, ClientRect(), borderColor_, Color());
}

// A simple box has no button, so it gets neither face nor arrow.
void TsuiCustomComboBox::DrawButton(TCanvas& canvas)
{
    const TRect button = ButtonRect();
    if (button.IsEmpty()) return;
    QImage picture;
    if (uiStyle_ == TsuiUIStyle::MacOS) {
        try {
            picture = LoadBitmapResource(QStringLiteral("MACOS_COMBOBOX_BUTTON"));
        } catch (const EResNotFound&) {
            // Left out: the plain fill below stands in for it.
        }
    }
    if (!picture.isNull()) {
        canvas.StretchDraw(button, picture);
    } else {
        canvas.Brush.Color = buttonColor_;
        canvas.FillRect(button);
    }
    const TPoint arrow = ArrowOrigin();
    DrawArrow(canvas, arrow.X, arrow.Y);
}

void TsuiCustomComboBox::DrawArrow(TCanvas& canvas, int x, int y)
{
    if (isEnabled()) {
        Triangle(canvas, x, y, arrowColor_);
        return;
    }
    Triangle(canvas, x + 1, y + 1, DisabledArrowShadow);
    Triangle(canvas, x, y, DisabledArrow);
}
