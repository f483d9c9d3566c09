#include "skin/controls/suilistview.h"

namespace {
constexpr int ControlBorder = 2;
} // namespace

TsuiListView::TsuiListView(QObject* owner, QWidget* parent)
    : toolkit::TCustomListView(owner, parent), TsuiFlatBorder(*this, *this, ControlBorder)
{
}

bool TsuiListView::event(QEvent* event)
{
    const bool handled = toolkit::TCustomListView::event(event);
    PaintBorderAfter(*event);
    return handled;
}
