#include "skin/themes/suicontrol.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QTimerEvent>

TsuiControl::TsuiControl(QObject* owner, QWidget* parent, TsuiContainerStyle containerStyle)
    : TCustomControl(owner, parent), containerStyle_(containerStyle)
{
    // Parts light up under the pointer without a button held.
    setMouseTracking(true);
}

TsuiControl::~TsuiControl() = default;

void TsuiControl::SetUIStyle(TsuiUIStyle style)
{
    const bool changed = uiStyle_ != style;
    uiStyle_ = style;
    ReadTheme();
    UIStyleChanged();
    Invalidate();
    if (changed) emit UIStyleSwitched();
}

void TsuiControl::ApplyContainerStyle(TsuiUIStyle style)
{
    switch (containerStyle_) {
    case TsuiContainerStyle::KeepCustom:
        if (uiStyle_ == TsuiUIStyle::Custom) return;
        [[fallthrough]];
    case TsuiContainerStyle::Take:
        SetUIStyle(style);
        break;
    case TsuiContainerStyle::Ignore:
        break;
    }
}

int TsuiControl::PartAt(const QPoint& point) const
{
    return rect().contains(point) ? 0 : NoPart;
}

void TsuiControl::PartClicked(int)
{
    Click();
}

void TsuiControl::SetHover(int part)
{
    if (hoverPart_ == part) return;
    hoverPart_ = part;
    PointerStateChanged();
}

// Leaving the held part shows it released and pauses the repeat; coming
// back while still held shows it pressed and resumes, as Qt's buttons do.
void TsuiControl::SetHeldInside(bool inside)
{
    if (heldInside_ == inside) return;
    heldInside_ = inside;
    if (inside)
        StartRepeat();
    else
        repeatTimer_.stop();
    PointerStateChanged();
}

void TsuiControl::SetKeyPressed(bool on)
{
    if (keyPressed_ == on) return;
    keyPressed_ = on;
    PointerStateChanged();
}

void TsuiControl::CancelHold()
{
    repeatTimer_.stop();
    const bool changed = heldPart_ != NoPart || keyPressed_;
    heldPart_ = NoPart;
    heldInside_ = false;
    keyPressed_ = false;
    if (changed) PointerStateChanged();
}

// The first tick comes one period after the press (or the return inside).
void TsuiControl::StartRepeat()
{
    // A period of 0 or less never ticks (a zero timer would fire constantly).
    if (repeatInterval_ > 0)
        repeatTimer_.start(repeatInterval_, this);
    else
        repeatTimer_.stop();
}

// The handler may delete the control: nothing runs after it.
void TsuiControl::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != repeatTimer_.timerId() || !repeatTimer_.isActive())
        return TCustomControl::timerEvent(event);
    PartRepeated(heldPart_);
}

void TsuiControl::enterEvent(QEnterEvent* event)
{
    if (PointerActive()) SetHover(PartAt(event->position().toPoint()));
    TCustomControl::enterEvent(event);
}

void TsuiControl::leaveEvent(QEvent* event)
{
    SetHover(NoPart);
    if (heldPart_ != NoPart) SetHeldInside(false);
    TCustomControl::leaveEvent(event);
}

void TsuiControl::mousePressEvent(QMouseEvent* event)
{
    const int part = PartAt(event->position().toPoint());
    if (PointerActive()) SetHover(part);
    if (event->button() == Qt::LeftButton && part != NoPart && PointerActive()) {
        heldPart_ = part;
        heldInside_ = true;
        StartRepeat();
        PointerStateChanged();
    }
    TCustomControl::mousePressEvent(event);
}

void TsuiControl::mouseMoveEvent(QMouseEvent* event)
{
    const int part = PartAt(event->position().toPoint());
    if (PointerActive()) SetHover(part);
    if (heldPart_ != NoPart) SetHeldInside(part == heldPart_);
    TCustomControl::mouseMoveEvent(event);
}

// The click runs while the part still shows pressed and the repeat still
// ticks; the handler may process messages, re-enter or delete the control.
void TsuiControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || heldPart_ == NoPart)
        return TCustomControl::mouseReleaseEvent(event);
    const int part = heldPart_;
    const bool inside = PartAt(event->position().toPoint()) == part;
    if (inside && !Guarded([&] { PartClicked(part); })) return;
    repeatTimer_.stop();
    heldPart_ = NoPart;
    heldInside_ = false;
    PointerStateChanged();
    TCustomControl::mouseReleaseEvent(event);
}
