#pragma once
// The events every control raises, self-painting or on a native Qt widget:
//
// - OnDblClick, OnMouseDown/Move/Up (button, shift state, position in the
//   control), OnMouseEnter, OnMouseExit;
// - OnKeyDown, OnKeyUp: a handler may change the key or swallow it by
//   setting it to 0; OnKeyPress: the typed character, which a handler may
//   change or swallow (a null character); F1 not taken asks for help;
// - OnEnter, OnExit, OnResize;
// - OnContextPopup before the pop-up menu opens (Handled keeps it closed);
// - dragging within the application: OnStartDrag; OnDragOver, whose Accept
//   starts true (without a handler the control takes no drops); OnDragDrop;
//   OnEndDrag with the target, or none when the drag was refused;
// - OnCanResize (may adjust the size or refuse it) and OnConstrainedResize
//   (may move the bounds) on every size change (TControlProperties::SetBounds).
//
// A control declares them with TOOLKIT_CONTROL_EVENTS (moc expands the
// macro) and hands its events to TControlEvents<Control>::Raise before its
// Qt base sees them; the drag state lives in TControlProperties.

#include "toolkit/controlprops.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <functional>

#define TOOLKIT_CONTROL_EVENTS                                                                             \
    Q_SIGNALS:                                                                                             \
    void OnDblClick();                                                                                     \
    void OnMouseDown(toolkit::TMouseButton Button, toolkit::TShiftState Shift, int X, int Y);              \
    void OnMouseMove(toolkit::TShiftState Shift, int X, int Y);                                            \
    void OnMouseUp(toolkit::TMouseButton Button, toolkit::TShiftState Shift, int X, int Y);                \
    void OnMouseEnter();                                                                                   \
    void OnMouseExit();                                                                                    \
    void OnKeyDown(int& Key, toolkit::TShiftState Shift);                                                  \
    void OnKeyUp(int& Key, toolkit::TShiftState Shift);                                                    \
    void OnKeyPress(QChar& Key);                                                                           \
    void OnEnter();                                                                                        \
    void OnExit();                                                                                         \
    void OnResize();                                                                                       \
    void OnCanResize(int& NewWidth, int& NewHeight, bool& Resize);                                         \
    void OnConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight);                \
    void OnContextPopup(QPoint MousePos, bool& Handled);                                                   \
    void OnStartDrag();                                                                                    \
    void OnDragOver(QObject* Source, int X, int Y, toolkit::TDragState State, bool& Accept);               \
    void OnDragDrop(QObject* Source, int X, int Y);                                                        \
    void OnEndDrag(QObject* Target, int X, int Y);                                                         \
                                                                                                           \
protected:                                                                                                 \
    void RaiseCanResize(int& width, int& height, bool& resize) override                                    \
    {                                                                                                      \
        Q_EMIT OnCanResize(width, height, resize);                                                         \
    }                                                                                                      \
    void RaiseConstrainedResize(int& minWidth, int& minHeight, int& maxWidth, int& maxHeight) override     \
    {                                                                                                      \
        Q_EMIT OnConstrainedResize(minWidth, minHeight, maxWidth, maxHeight);                              \
    }                                                                                                      \
                                                                                                           \
private:                                                                                                   \
    Q_INTERFACES(toolkit::TAligned)                                                                        \
    template <class> friend class toolkit::TControlEvents;

namespace toolkit {

// A scroll area gets the pointer's events, its context menu requests and
// drags on its viewport, and the other events itself.
bool ComesThroughViewport(const QEvent* event);

/// Raises the common events of a control class that declares TOOLKIT_CONTROL_EVENTS and TControlProperties.
template <class Control> class TControlEvents {
public:
    // Hands an event to the control's Qt base; returns what it returned.
    using Deliver = std::function<bool(QEvent*)>;

    // Raises the event's control event, then hands the event to the base
    // unless it was taken or the control is gone. The viewport of a scroll
    // area is the receiver of the events that come through it.
    static bool Dispatch(Control& control, QEvent* event, const Deliver& deliver, const QWidget* receiver = nullptr)
    {
        const QPointer<Control> alive(&control);
        if (Raise(control, event, deliver, receiver)) return true;
        return alive && deliver(event);
    }

    // A scroll area's own events and those of its viewport.
    static bool DispatchScrollArea(Control& control, QEvent* event, const Deliver& deliver)
    {
        return ComesThroughViewport(event) ? deliver(event) : Dispatch(control, event, deliver);
    }
    static bool DispatchViewport(Control& control, QEvent* event, const Deliver& deliver)
    {
        return ComesThroughViewport(event) ? Dispatch(control, event, deliver, control.viewport()) : deliver(event);
    }

    // Raises what the event means; returns true when it was taken here (a
    // handler swallowed it, or it was answered), so the base must not see
    // it. receiver is the widget the event came to (a scroll area's
    // viewport), whose positions are moved into the control's.
    static bool Raise(Control& control, QEvent* event, const Deliver& deliver, const QWidget* receiver = nullptr)
    {
        const QPoint offset = receiver && receiver != &control ? receiver->mapTo(&control, QPoint()) : QPoint();
        TControlProperties::TDragTrack& drag = static_cast<TControlProperties&>(control).dragTrack_;
        const auto mouse = [event] { return static_cast<QMouseEvent*>(event); };
        const auto at = [&] { return mouse()->position().toPoint() + offset; };
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const QPoint pos = at();
            if (control.DragMode() == dmAutomatic && mouse()->button() == Qt::LeftButton) {
                drag.pending = true;
                drag.start = pos;
            }
            TShiftState shift = ShiftStateOf(mouse()->modifiers(), mouse()->buttons());
            if (event->type() == QEvent::MouseButtonDblClick) {
                shift |= ssDouble;
                if (!Guarded(control, [&] { emit control.OnDblClick(); })) return true;
            }
            const TMouseButton button = ButtonOf(mouse()->button());
            return !Guarded(control, [&] { emit control.OnMouseDown(button, shift, pos.x(), pos.y()); });
        }
        case QEvent::MouseMove: {
            const QPoint pos = at();
            if (drag.pending && (mouse()->buttons() & Qt::LeftButton) &&
                (pos - drag.start).manhattanLength() >= QApplication::startDragDistance()) {
                StartDrag(control);
                return true;
            }
            const TShiftState shift = ShiftStateOf(mouse()->modifiers(), mouse()->buttons());
            return !Guarded(control, [&] { emit control.OnMouseMove(shift, pos.x(), pos.y()); });
        }
        case QEvent::MouseButtonRelease: {
            drag.pending = false;
            const QPoint pos = at();
            const TShiftState shift = ShiftStateOf(mouse()->modifiers(), mouse()->buttons());
            const TMouseButton button = ButtonOf(mouse()->button());
            return !Guarded(control, [&] { emit control.OnMouseUp(button, shift, pos.x(), pos.y()); });
        }
        case QEvent::Enter:
        case QEvent::Leave: {
            // After the control's own handling, as the hover it shows.
            const QPointer<Control> alive(&control);
            deliver(event);
            if (alive && event->type() == QEvent::Enter) emit control.OnMouseEnter();
            if (alive && event->type() == QEvent::Leave) emit control.OnMouseExit();
            return true;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return RaiseDrag(control, static_cast<QDropEvent*>(event), offset);
        case QEvent::KeyPress:
            return RaiseKeyPress(control, static_cast<QKeyEvent*>(event), deliver);
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            int code = key->key();
            if (!Guarded(control, [&] { emit control.OnKeyUp(code, ShiftStateOf(key->modifiers())); })) return true;
            return code == 0;
        }
        case QEvent::FocusIn:
            return !Guarded(control, [&] { emit control.OnEnter(); });
        case QEvent::FocusOut:
            return !Guarded(control, [&] { emit control.OnExit(); });
        case QEvent::Resize:
            return !Guarded(control, [&] { emit control.OnResize(); });
        case QEvent::ParentChange:
            control.FollowParentBiDiMode();
            return false;
        case QEvent::ContextMenu: {
            // Not taken here, the control's own menu or its parent's opens.
            const auto* request = static_cast<QContextMenuEvent*>(event);
            bool handled = false;
            const QPoint pos = request->pos() + offset;
            if (!Guarded(control, [&] { emit control.OnContextPopup(pos, handled); })) return true;
            TPopupMenu* menu = control.PopupMenu();
            if (!handled && menu) menu->PopupAt(request->globalPos());
            return handled || menu;
        }
        default:
            return false;
        }
    }

    // OnStartDrag, the drag, then OnEndDrag at the source.
    static void StartDrag(Control& control)
    {
        TControlProperties::TDragTrack& drag = static_cast<TControlProperties&>(control).dragTrack_;
        drag.pending = false;
        if (drag.dragging) return;
        const QPointer<Control> alive(&control);
        emit control.OnStartDrag();
        if (!alive) return;
        drag.dragging = true;
        QObject* target = ExecDrag(&control, &control);
        if (!alive) return;
        drag.dragging = false;
        auto* targetWidget = qobject_cast<QWidget*>(target);
        // A scroll area takes drops on its viewport; its owner is the target.
        if (targetWidget && !targetWidget->property("DragMode").isValid() && targetWidget->parentWidget())
            targetWidget = targetWidget->parentWidget();
        const QPoint pos = targetWidget ? targetWidget->mapFromGlobal(QCursor::pos()) : QPoint();
        emit control.OnEndDrag(targetWidget ? targetWidget : target, pos.x(), pos.y());
    }

private:
    // Runs a handler that may delete the control; returns whether it lives.
    template <typename Handler> static bool Guarded(Control& control, Handler&& handler)
    {
        const QPointer<Control> alive(&control);
        handler();
        return !alive.isNull();
    }

    static TMouseButton ButtonOf(Qt::MouseButton button)
    {
        return button == Qt::RightButton ? mbRight : button == Qt::MiddleButton ? mbMiddle : mbLeft;
    }

    // OnKeyDown sees the key first, then OnKeyPress the character it types;
    // a changed character goes on to the control in place of the typed one.
    static bool RaiseKeyPress(Control& control, QKeyEvent* event, const Deliver& deliver)
    {
        int key = event->key();
        if (!Guarded(control, [&] { emit control.OnKeyDown(key, ShiftStateOf(event->modifiers())); })) return true;
        if (key == 0) return true;
        if (key == Qt::Key_F1 && RequestHelp(&control)) return true;
        if (event->text().size() != 1) return false;
        QChar typed = event->text().front();
        const QChar original = typed;
        if (!Guarded(control, [&] { emit control.OnKeyPress(typed); })) return true;
        if (typed.isNull()) return true;
        if (typed == original) return false;
        QKeyEvent changed(event->type(), event->key(), event->modifiers(), QString(typed), event->isAutoRepeat(),
                          ushort(event->count()));
        deliver(&changed);
        event->setAccepted(changed.isAccepted());
        return true;
    }

    // Only drags of this application reach the handlers; entering is always
    // taken, so that the moves that follow can each be accepted or refused.
    static bool RaiseDrag(Control& control, QDropEvent* drag, const QPoint& offset)
    {
        QObject* source = DragSourceOf(drag->mimeData());
        if (!source) return false;
        const QPoint pos = drag->position().toPoint() + offset;
        if (drag->type() == QEvent::Drop) {
            drag->acceptProposedAction();
            Guarded(control, [&] { emit control.OnDragDrop(source, pos.x(), pos.y()); });
            return true;
        }
        bool accept = control.isSignalConnected(QMetaMethod::fromSignal(&Control::OnDragOver));
        const TDragState state = drag->type() == QEvent::DragEnter ? dsDragEnter : dsDragMove;
        if (!Guarded(control, [&] { emit control.OnDragOver(source, pos.x(), pos.y(), state, accept); })) return true;
        if (accept || state == dsDragEnter)
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
};

} // namespace toolkit
