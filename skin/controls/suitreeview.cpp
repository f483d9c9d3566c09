#include "skin/controls/suitreeview.h"

namespace {
constexpr int TreeViewBorder = 2;
} // namespace

TsuiTreeView::TsuiTreeView(QObject* owner, QWidget* parent)
    : toolkit::TCustomTreeView(owner, parent), TsuiFlatBorder(*this, *this, TreeViewBorder)
{
}

bool TsuiTreeView::event(QEvent* event)
{
    const bool handled = toolkit::TCustomTreeView::event(event);
    PaintBorderAfter(*event);
    return handled;
}
