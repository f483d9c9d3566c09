#include "toolkit/speedbutton.h"

#include <QMouseEvent>

namespace toolkit {

TSpeedButton::TSpeedButton(QObject* owner, QWidget* parent) : TCustomControl(owner, parent)
{
    setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 23, 22);
    connect(&glyph_, &TBitmap::OnChange, this, &TSpeedButton::Invalidate);
}

void TSpeedButton::SetGroupIndex(int index)
{
    groupIndex_ = index;
    if (index == 0) SetDown(false);
}

void TSpeedButton::SetDown(bool on)
{
    if (groupIndex_ == 0) on = false;
    if (on == down_) return;
    if (down_ && !allowAllUp_) return;
    down_ = on;
    if (on) RaiseGroupSiblings();
    QAccessible::State changed;
    changed.checked = true;
    NotifyAccessibleStateChanged(this, changed);
    Invalidate();
}

void TSpeedButton::RaiseGroupSiblings()
{
    if (!parentWidget()) return;
    for (TSpeedButton* sibling : parentWidget()->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly)) {
        if (sibling == this || sibling->groupIndex_ != groupIndex_ || !sibling->down_) continue;
        sibling->down_ = false;
        sibling->Invalidate();
    }
}

void TSpeedButton::Click()
{
    if (groupIndex_ != 0) SetDown(!down_ || !allowAllUp_);
    TCustomControl::Click();
}

void TSpeedButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isEnabled()) {
        held_ = heldInside_ = true;
        Repaint();
    }
    TCustomControl::mousePressEvent(event);
}

void TSpeedButton::mouseMoveEvent(QMouseEvent* event)
{
    if (held_) Store(heldInside_, rect().contains(event->position().toPoint()));
    TCustomControl::mouseMoveEvent(event);
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !held_) return TCustomControl::mouseReleaseEvent(event);
    const bool inside = rect().contains(event->position().toPoint());
    held_ = heldInside_ = false;
    Invalidate();
    // The click handler may delete the button.
    if (inside && !Guarded([this] { Click(); })) return;
    TCustomControl::mouseReleaseEvent(event);
}

void TSpeedButton::Paint(TCanvas& canvas)
{
    const bool pressed = ShowsPressed();
    const bool edge = !flat_ || pressed || (hover_ && isEnabled());
    if (edge) {
        // A one-pixel edge: raised (light above and left) or sunken.
        const TColor light = clBtnHighlight, dark = clBtnShadow;
        canvas.Pen.Color = pressed ? dark : light;
        canvas.MoveTo(0, height() - 1);
        canvas.LineTo(0, 0);
        canvas.LineTo(width() - 1, 0);
        canvas.Pen.Color = pressed ? light : dark;
        canvas.LineTo(width() - 1, height() - 1);
        canvas.LineTo(0, height() - 1);
    }
    const int shift = pressed ? 1 : 0;
    const QString caption = Caption();
    const int spacing = glyph_.Empty() || caption.isEmpty() ? 0 : 4;
    const int textWidth = caption.isEmpty() ? 0 : canvas.TextWidth(caption);
    const int glyphWidth = glyph_.Empty() ? 0 : glyph_.Width();
    int x = (width() - glyphWidth - spacing - textWidth) / 2 + shift;
    if (!glyph_.Empty()) {
        TBitmap keyed;
        keyed.Assign(glyph_);
        keyed.SetTransparent(true);
        canvas.Draw(x, (height() - glyph_.Height()) / 2 + shift, keyed);
        x += glyphWidth + spacing;
    }
    if (!caption.isEmpty()) {
        canvas.Brush.Style = bsClear;
        canvas.TextOut(x, (height() - canvas.TextHeight(caption)) / 2 + shift, caption);
    }
}

} // namespace toolkit
