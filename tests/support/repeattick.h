#pragma once
// One tick of a skinned control's repeat, delivered as the event loop would
// deliver it, without waiting. Nothing happens while no repeat runs.

#include "skin/themes/suicontrol.h"

#include <QCoreApplication>
#include <QTimerEvent>

inline void TickRepeat(TsuiControl* control)
{
    QTimerEvent tick(control->RepeatTimerId());
    QCoreApplication::sendEvent(control, &tick);
}
