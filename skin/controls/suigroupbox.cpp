#include "skin/controls/suigroupbox.h"

#include "toolkit/canvas.h"

#include <cstdlib>

using namespace toolkit;

namespace {

constexpr TColor DisabledCaption = RGBColor(0x80, 0x80, 0x80);

} // namespace

TsuiCustomGroupBox::TsuiCustomGroupBox(QObject* owner, QWidget* parent) : TsuiCustomPanel(owner, parent)
{
    resize(185, 105);
    const TsuiUIStyle style = GetSUIFormStyle(owner);
    borderColor_ = GetThemeColor(style, teControlBorderColor);
    Font()->SetColor(GetThemeColor(style, teControlFontColor));
    SetTransparent(true);
}

TsuiCustomGroupBox::~TsuiCustomGroupBox() = default;

// Qt would keep a child disabled on its own disabled when the box is enabled
// again; the box sets every child explicitly instead.
void TsuiCustomGroupBox::SetEnabled(bool on)
{
    setEnabled(on);
    for (QObject* child : children())
        if (child->isWidgetType()) static_cast<QWidget*>(child)->setEnabled(on);
    Invalidate();
}

TRect TsuiCustomGroupBox::GetClient() const
{
    return Rect(3, std::abs(Font().Height()), width() - 2, height() - 2);
}

std::vector<TPoint> TsuiCustomGroupBox::BorderLine(const TCanvas& canvas) const
{
    TRect r = ClientRect();
    r.Top += std::abs(Font().Height()) / 2 + 1;
    const TPoint end = Caption().isEmpty() ? Point(r.Left, r.Top)
                                           : Point(r.Left + canvas.TextWidth(Caption()) + 6, r.Top);
    return {Point(r.Left + 2, r.Top),       Point(r.Left, r.Top),       Point(r.Left, r.Bottom - 1),
            Point(r.Right - 1, r.Bottom - 1), Point(r.Right - 1, r.Top), end};
}

// Custom is no theme: the box keeps its colours rather than taking the
// table's blanks (black on black).
void TsuiCustomGroupBox::ApplyContainerStyle(TsuiUIStyle style)
{
    if (style == TsuiUIStyle::Custom) return;
    SetBorderColor(GetThemeColor(style, teControlBorderColor));
    Font()->SetColor(GetThemeColor(style, teControlFontColor));
    SetColor(GetThemeColor(style, teControlColor));
}

void TsuiCustomGroupBox::Paint(TCanvas& canvas)
{
    PaintSurface(canvas);
    canvas.Font.Assign(*Font());
    canvas.Pen.Color = borderColor_;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psSolid;
    canvas.Polyline(BorderLine(canvas));
    if (!isEnabled()) canvas.Font.SetColor(DisabledCaption);
    canvas.Brush.Style = bsClear;
    canvas.TextOut(CaptionLeft, 0, Caption());
}

void TsuiCustomGroupBox::CaptionChanged()
{
    NotifyAccessibleNameChanged(this);
}
