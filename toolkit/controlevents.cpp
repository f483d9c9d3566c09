#include "toolkit/controlevents.h"

namespace toolkit {

bool ComesThroughViewport(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        return true;
    case QEvent::ContextMenu:
        // The menu key asks the scroll area itself.
        return static_cast<const QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Mouse;
    default:
        return false;
    }
}

} // namespace toolkit
