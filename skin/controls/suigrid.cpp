#include "skin/controls/suigrid.h"

using namespace toolkit;

namespace {
constexpr int GridBorder = 1;
} // namespace

TsuiGridColors::TsuiGridColors(TCustomGrid& grid) : TsuiFlatBorder(grid, grid, GridBorder), grid_(grid)
{
    SetUIStyle(GetSUIFormStyle(grid.Owner()));
}

void TsuiGridColors::SetUIStyle(TsuiUIStyle style)
{
    if (uiStyle_ != style) {
        uiStyle_ = style;
        AnnounceUIStyle();
    }
    if (style == TsuiUIStyle::Custom) return;
    SetBorderColor(GetThemeColor(style, teControlBorderColor));
    grid_.SetFixedColor(GetThemeColor(style, teMenuSelectedColor));
    grid_.SetColor(GetThemeColor(style, teControlColor));
    SetFixedFontColor(GetThemeColor(style, teMenuSelectedFontColor));
    SetFontColor(GetThemeColor(style, teMenuFontColor));
}

TColor TsuiGridColors::FontColor() const
{
    return grid_.Font()->Color();
}

void TsuiGridColors::SetFontColor(TColor color)
{
    grid_.Font()->SetColor(color);
}

void TsuiGridColors::Store(TColor& field, TColor value)
{
    if (field == value) return;
    field = value;
    grid_.viewport()->update();
}

TColor TsuiGridColors::CellColor(TGridDrawState state) const
{
    if (state & gdFocused) return focusedColor_;
    if (state & gdSelected) return selectedColor_;
    return grid_.Color();
}

// Cells keep the font's colour whatever their state: the selection colours
// are the skin's, not the system's highlight.
void TsuiGridColors::FillCell(TCanvas& canvas, const TRect& rect, TGridDrawState state) const
{
    canvas.Brush.Color = CellColor(state);
    canvas.Font.SetColor(FontColor());
    canvas.FillRect(rect);
}

TsuiCustomDrawGrid::TsuiCustomDrawGrid(QObject* owner, QWidget* parent)
    : TDrawGrid(owner, parent), TsuiGridColors(static_cast<TCustomGrid&>(*this))
{
}

void TsuiCustomDrawGrid::DrawCell(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state)
{
    if (!(state & gdFixed)) FillCell(canvas, rect, state);
    TDrawGrid::DrawCell(canvas, col, row, rect, state);
}

bool TsuiCustomDrawGrid::event(QEvent* event)
{
    const bool handled = TDrawGrid::event(event);
    PaintBorderAfter(*event);
    return handled;
}

TsuiStringGrid::TsuiStringGrid(QObject* owner, QWidget* parent)
    : TStringGrid(owner, parent), TsuiGridColors(static_cast<TCustomGrid&>(*this))
{
}

// A fixed cell keeps the fixed colour behind it and writes its text once,
// in the fixed font colour.
void TsuiStringGrid::DrawCell(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state)
{
    if (state & gdFixed)
        canvas.Font.SetColor(FixedFontColor());
    else
        FillCell(canvas, rect, state);
    TStringGrid::DrawCell(canvas, col, row, rect, state);
}

bool TsuiStringGrid::event(QEvent* event)
{
    const bool handled = TStringGrid::event(event);
    PaintBorderAfter(*event);
    return handled;
}
