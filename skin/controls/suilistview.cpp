#include "skin/controls/suilistview.h"

namespace {
constexpr int ListViewBorder = 2;
} // namespace

TsuiListView::TsuiListView(QObject* owner, QWidget* parent)
    : toolkit::TCustomListView(owner, parent), TsuiFlatBorder(*this, *this, ListViewBorder)
{
}

bool TsuiListView::event(QEvent* event)
{
    const bool handled = toolkit::TCustomListView::event(event);
    PaintBorderAfter(*event);
    return handled;
}
