#include "skin/controls/suitoolbar.h"

#include "skin/themes/suipublic.h"
#include "toolkit/accessible.h"
#include "toolkit/canvas.h"

using namespace toolkit;

TsuiToolBar::TsuiToolBar(QObject* owner, QWidget* parent) : TToolBar(owner, parent)
{
    SetFlat(true);
    SetTransparent(false);
    SetUIStyle(GetSUIFormStyle(owner));
}

void TsuiToolBar::SetUIStyle(TsuiUIStyle style)
{
    if (uiStyle_ != style) {
        uiStyle_ = style;
        emit UIStyleSwitched();
    }
    if (style == TsuiUIStyle::Custom) return;
    buttonBorderColor_ = GetThemeColor(style, teToolButtonBorderColor);
    buttonColor_ = GetThemeColor(style, teToolButtonColor);
    buttonDownColor_ = GetThemeColor(style, teToolButtonDownColor);
    SetColor(GetThemeColor(style, teToolBarColor));
    SetTransparent(style == TsuiUIStyle::MacOS);
    RepaintAll();
}

void TsuiToolBar::SetButtonColor(TColor color)
{
    buttonColor_ = color;
    RepaintAll();
}

void TsuiToolBar::SetButtonBorderColor(TColor color)
{
    buttonBorderColor_ = color;
    RepaintAll();
}

void TsuiToolBar::SetButtonDownColor(TColor color)
{
    buttonDownColor_ = color;
    RepaintAll();
}

bool TsuiToolBar::DrawBar(TCanvas& canvas, const TRect&)
{
    if (Transparent()) DoTrans(canvas, this);
    return true;
}

bool TsuiToolBar::DrawButton(TToolButton* button, TCanvas& canvas, const TRect& rect, TCustomDrawState state)
{
    const TImageList* images = HotImages() ? HotImages() : Images();
    const bool hot = state & cdsHot, selected = state & cdsSelected;
    if (hot && selected)
        DrawDownButton(canvas, rect, button->text(), button->ImageIndex(), images);
    else if (hot || selected || (state & cdsChecked))
        DrawHotButton(canvas, rect, button->text(), button->ImageIndex(), images);
    else
        return true;
    return false;
}

void TsuiToolBar::DrawHotButton(TCanvas& canvas, const TRect& rect, const QString& caption, int imageIndex,
                                const TImageList* images)
{
    DrawFlatButton(canvas, rect, buttonColor_, 0, caption, imageIndex, images);
}

void TsuiToolBar::DrawDownButton(TCanvas& canvas, const TRect& rect, const QString& caption, int imageIndex,
                                 const TImageList* images)
{
    DrawFlatButton(canvas, rect, buttonDownColor_, 1, caption, imageIndex, images);
}

// Positions count from the button's own top, so a button on a wrapped row
// draws inside its row.
void TsuiToolBar::DrawFlatButton(TCanvas& canvas, const TRect& rect, TColor fill, int shift, const QString& caption,
                                 int imageIndex, const TImageList* images)
{
    canvas.Pen.Color = buttonBorderColor_;
    canvas.Brush.Color = fill;
    canvas.Brush.Style = bsSolid;
    canvas.Rectangle(rect);
    const int w = rect.Width();
    if (images) images->Draw(canvas, rect.Left + (w - images->Width()) / 2, rect.Top + 2 + shift, imageIndex);
    if (!ShowCaptions()) return;
    const QString text = StripAccelerator(caption);
    canvas.Brush.Style = bsClear;
    const int y = images ? images->Height() + 4 : 4 + shift;
    canvas.TextOut(rect.Left + (w - canvas.TextWidth(text)) / 2, rect.Top + y, text);
}
