#pragma once
// What a skinned caption does to its window: maximise and restore, moving
// it by the caption, and its shape. Where the window system cannot do a
// command (no window manager, offscreen), the window is placed by hand.

#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

// The form a control sits on: the multiple-document child window around it,
// or its top-level window.
QWidget* FormWindowOf(QWidget* control);

// Whether the window is maximised; no window is not.
bool IsMaximized(const QWidget* form);

// Shapes the window: rounded top corners of this size, square bottom; no
// shape for 0 or less.
void SetRoundTopCorners(QWidget* form, int size);

/// Maximise, restore and move for one caption, with what doing them by hand
/// needs to remember.
class TsuiWindowCommands : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Maximises the window or restores it. Where no window manager answers
    // (a kiosk, an embedded panel, a virtual display) the window would keep
    // its size: it is then placed over the work area by hand and put back
    // on restore.
    void ToggleMaximised(QWidget* form);

    // A press on the caption: the window system moves the window while the
    // button is held; where it cannot, MoveByHand follows the pointer.
    void StartMove(QWidget* form, const QPoint& globalPos);
    bool MovingByHand() const { return movingByHand_; }
    void MoveByHand(QWidget* form, const QPoint& globalPos);
    void EndMoveByHand() { movingByHand_ = false; }

private:
    // A window move done by hand where the window system cannot do it.
    bool movingByHand_ = false;
    QPoint moveGrab_;
    // The window's bounds before it was maximised, for a restore by hand.
    QRect normalBounds_;
    // A newer maximise or restore request cancels the check of an older one.
    int windowRequests_ = 0;
};
