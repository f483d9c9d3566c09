#include "skin/controls/suichecklistbox.h"

namespace {
constexpr int ListBorder = 1;
} // namespace

TsuiCheckListBox::TsuiCheckListBox(QObject* owner, QWidget* parent)
    : toolkit::TCheckListBox(owner, parent), TsuiFlatBorder(*this, *this, ListBorder)
{
}

void TsuiCheckListBox::SetBorderStyle(toolkit::TBorderStyle)
{
    toolkit::TCheckListBox::SetBorderStyle(toolkit::bsNone);
    toolkit::TCheckListBox::SetBorderWidth(ListBorder);
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
