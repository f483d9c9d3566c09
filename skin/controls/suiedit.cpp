#include "skin/controls/suiedit.h"

namespace {
constexpr int ControlBorder = 2;
} // namespace

TsuiEdit::TsuiEdit(QObject* owner, QWidget* parent)
    : toolkit::TCustomEdit(owner, parent), TsuiFlatBorder(*this, *this, ControlBorder)
{
}

bool TsuiEdit::event(QEvent* event)
{
    const bool handled = toolkit::TCustomEdit::event(event);
    PaintBorderAfter(*event);
    return handled;
}
