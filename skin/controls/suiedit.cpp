#include "skin/controls/suiedit.h"

namespace {
constexpr int EditBorder = 2;
} // namespace

TsuiEdit::TsuiEdit(QObject* owner, QWidget* parent)
    : toolkit::TCustomEdit(owner, parent), TsuiFlatBorder(*this, *this, EditBorder)
{
}

bool TsuiEdit::event(QEvent* event)
{
    const bool handled = toolkit::TCustomEdit::event(event);
    PaintBorderAfter(*event);
    return handled;
}
