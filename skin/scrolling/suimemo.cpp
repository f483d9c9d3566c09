#include "skin/scrolling/suimemo.h"

namespace {
constexpr int MemoBorder = 2;
} // namespace

TsuiMemo::TsuiMemo(QObject* owner, QWidget* parent)
    : toolkit::TCustomMemo(owner, parent), TsuiFlatBorder(*this, *this, MemoBorder),
      bars_(new TsuiAttachedBars(*this, TsuiAttachedBars::Kind::Memo))
{
    connect(bars_, &TsuiAttachedBars::BarGone, this, &TsuiMemo::UpdateInnerScrollBars);
    // The memo moves its vertical bar with its signals blocked when the
    // cursor scrolls the text; every scroll asks for an update, though.
    connect(this, &QPlainTextEdit::updateRequest, bars_, &TsuiAttachedBars::ScheduleUpdate);
}

void TsuiMemo::Attach(Qt::Orientation orientation, TsuiScrollBar* bar)
{
    if (!bars_->Attach(orientation, bar)) return;
    UpdateInnerScrollBars();
    if (bar) bars_->UpdateScrollBarsPos();
}

void TsuiMemo::UpdateInnerScrollBars()
{
    const bool vertical = VScrollBar(), horizontal = HScrollBar();
    SetScrollBars(vertical && horizontal ? toolkit::ssBoth
                  : vertical             ? toolkit::ssVertical
                  : horizontal           ? toolkit::ssHorizontal
                                         : toolkit::ssNone);
}

bool TsuiMemo::event(QEvent* event)
{
    const bool handled = toolkit::TCustomMemo::event(event);
    PaintBorderAfter(*event);
    return handled;
}
