#include "toolkit/panel.h"

#include <algorithm>

namespace toolkit {

TCustomPanel::TCustomPanel(QObject* owner, QWidget* parent) : TCustomControl(owner, parent)
{
    SetColor(clBtnFace);
}

void TCustomPanel::SetAlignment(TAlignment alignment)
{
    Store(alignment_, alignment);
}

// The arranger lays aligned children out in the contents rectangle, so the
// border is the widget's contents margin.
void TCustomPanel::SetBorderWidth(int width)
{
    width = std::max(0, width);
    if (borderWidth_ == width) return;
    borderWidth_ = width;
    setContentsMargins(width, width, width, width);
    AlignControls(this);
    Invalidate();
}

void TCustomPanel::Paint(TCanvas& canvas)
{
    const int b = borderWidth_;
    DrawCaption(canvas, Rect(b, b, width() - b, height() - b));
}

void TCustomPanel::DrawCaption(TCanvas& canvas, const TRect& rect) const
{
    if (CaptionIsBlank()) return;
    const unsigned horizontal = alignment_ == taLeftJustify    ? DT_LEFT
                                : alignment_ == taRightJustify ? DT_RIGHT
                                                               : DT_CENTER;
    canvas.Font.Assign(Font());
    canvas.Brush.Style = bsClear;
    TRect r = rect;
    canvas.DrawText(Caption(), r, DT_SINGLELINE | DT_VCENTER | horizontal);
}

bool TCustomPanel::CaptionIsBlank() const
{
    const QString caption = Caption();
    return std::none_of(caption.begin(), caption.end(), [](QChar c) { return c > u' '; });
}

} // namespace toolkit
