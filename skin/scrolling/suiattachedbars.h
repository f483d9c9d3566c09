#pragma once
// Skinned scroll bars attached to a native scrolling control (the memo and
// the list box): the bars are separate controls, usually siblings, that the
// control lays over its right and bottom edges and keeps in step with its own
// scroll bars; moving a skinned bar scrolls the control.
//
// The native scroll bars stay underneath and stay the truth: every change a
// user or the program makes (typing, pasting, undo, the wheel, keys, a drag,
// items added or removed) ends in a change of their range or value, which
// this link follows. Positions travel as whole ints, so long texts scroll to
// their end.

#include "skin/scrolling/suiscrollbar.h"

#include <QObject>
#include <QPointer>

class QAbstractScrollArea;
class QScrollBar;

/// Puts skinned scroll bars on a Qt scroll area (memo, list box) and keeps them in step with its own.
class TsuiAttachedBars : public QObject {
    Q_OBJECT
public:
    // A memo keeps a bar it cannot use visible and disabled, without a
    // thumb; a list box hides it while its own bar is hidden.
    enum class Kind { Memo, ListBox };

    TsuiAttachedBars(QAbstractScrollArea& control, Kind kind);

    TsuiScrollBar* Bar(Qt::Orientation orientation) const;
    // Releases the bar attached so far (no handler, no fixed thumb, Max 100,
    // enabled) and takes the new one. Answers whether anything changed.
    bool Attach(Qt::Orientation orientation, TsuiScrollBar* bar);

    // Lays the bars over the control's edges, then brings them in step.
    void UpdateScrollBarsPos();
    // Range, page, position and thumb from the native bars.
    void UpdateScrollBars();
    // The same once pending events are handled: the native bars change in
    // the middle of the control's own layout and painting, where the skinned
    // bars must not repaint.
    void ScheduleUpdate();

    // The native thumb's length along the bar, as Qt's style draws it.
    static int NativeThumbLength(const QScrollBar& native);

signals:
    // An attached bar was destroyed; its reference is already cleared.
    void BarGone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<TsuiScrollBar>& Slot(Qt::Orientation orientation);
    QScrollBar* Native(Qt::Orientation orientation) const;
    void Follow(TsuiScrollBar& bar, Qt::Orientation orientation);
    void BarMoved(Qt::Orientation orientation);
    // The control's rectangle in the coordinates of the bar's parent.
    QRect ControlRectFor(const TsuiScrollBar& bar) const;

    QAbstractScrollArea& control_;
    Kind kind_;
    QPointer<TsuiScrollBar> vertical_;
    QPointer<TsuiScrollBar> horizontal_;
    bool updating_ = false;
    bool updateScheduled_ = false;
};
