#include "skin/controls/suitreeview.h"

namespace {
constexpr int ControlBorder = 2;
} // namespace

TsuiTreeView::TsuiTreeView(QObject* owner, QWidget* parent)
    : toolkit::TCustomTreeView(owner, parent), TsuiFlatBorder(*this, *this, ControlBorder)
{
}

bool TsuiTreeView::event(QEvent* event)
{
    const bool handled = toolkit::TCustomTreeView::event(event);
    PaintBorderAfter(*event);
    return handled;
}
