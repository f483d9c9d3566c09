#include "skin/scrolling/suilistbox.h"

namespace {
constexpr int ListBoxBorder = 2;
} // namespace

TsuiListBox::TsuiListBox(QObject* owner, QWidget* parent)
    : toolkit::TCustomListBox(owner, parent), TsuiFlatBorder(*this, *this, ListBoxBorder),
      bars_(new TsuiAttachedBars(*this, TsuiAttachedBars::Kind::ListBox))
{
}

void TsuiListBox::SetVScrollBar(TsuiScrollBar* bar)
{
    if (bars_->Attach(Qt::Vertical, bar) && bar) bars_->UpdateScrollBarsPos();
}

bool TsuiListBox::event(QEvent* event)
{
    const bool handled = toolkit::TCustomListBox::event(event);
    PaintBorderAfter(*event);
    return handled;
}
