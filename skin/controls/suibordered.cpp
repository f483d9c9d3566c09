#include "skin/controls/suibordered.h"

namespace {
constexpr int WideBorder = 2;
constexpr int NarrowBorder = 1;
} // namespace

TsuiEdit::TsuiEdit(QObject* owner, QWidget* parent)
    : toolkit::TCustomEdit(owner, parent), TsuiFlatBorder(*this, *this, WideBorder)
{
}

bool TsuiEdit::event(QEvent* event)
{
    const bool handled = toolkit::TCustomEdit::event(event);
    PaintBorderAfter(*event);
    return handled;
}

TsuiListView::TsuiListView(QObject* owner, QWidget* parent)
    : toolkit::TCustomListView(owner, parent), TsuiFlatBorder(*this, *this, WideBorder)
{
}

bool TsuiListView::event(QEvent* event)
{
    const bool handled = toolkit::TCustomListView::event(event);
    PaintBorderAfter(*event);
    return handled;
}

TsuiTreeView::TsuiTreeView(QObject* owner, QWidget* parent)
    : toolkit::TCustomTreeView(owner, parent), TsuiFlatBorder(*this, *this, WideBorder)
{
}

bool TsuiTreeView::event(QEvent* event)
{
    const bool handled = toolkit::TCustomTreeView::event(event);
    PaintBorderAfter(*event);
    return handled;
}

TsuiCheckListBox::TsuiCheckListBox(QObject* owner, QWidget* parent)
    : toolkit::TCheckListBox(owner, parent), TsuiFlatBorder(*this, *this, NarrowBorder)
{
}

void TsuiCheckListBox::SetBorderStyle(toolkit::TBorderStyle)
{
    toolkit::TCheckListBox::SetBorderStyle(toolkit::bsNone);
    toolkit::TCheckListBox::SetBorderWidth(NarrowBorder);
}

void TsuiCheckListBox::SetBorderWidth(int)
{
    SetBorderStyle(toolkit::bsNone);
}

bool TsuiCheckListBox::event(QEvent* event)
{
    const bool handled = toolkit::TCheckListBox::event(event);
    PaintBorderAfter(*event);
    return handled;
}
