#include "skin/frame/suiwindowcommands.h"

#include "skin/themes/suipublic.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace {

// How long a window manager may take to answer a maximise or restore.
constexpr int WindowManagerWait = 250;

} // namespace

QWidget* FormWindowOf(QWidget* control)
{
    for (QWidget* w = control; w; w = w->parentWidget()) {
        if (auto* child = qobject_cast<QMdiSubWindow*>(w)) return child;
        if (w->isWindow()) return w;
    }
    return nullptr;
}

bool IsMaximized(const QWidget* form)
{
    return form && form->windowState().testFlag(Qt::WindowMaximized);
}

void SetRoundTopCorners(QWidget* form, int size)
{
    if (size <= 0) {
        form->clearMask();
        return;
    }
    // Row by row, the top corners follow a circle of diameter `size`; the
    // bottom corners stay square.
    const int w = form->width(), h = form->height();
    const double r = size / 2.0;
    QRegion region(0, 0, w, h);
    for (int y = 0; y < int(std::ceil(r)) && y < h; ++y) {
        const double dy = r - (y + 0.5);
        const int inset = int(std::lround(r - std::sqrt(std::max(0.0, r * r - dy * dy))));
        if (inset <= 0) continue;
        region -= QRegion(0, y, inset, 1);
        region -= QRegion(w - inset, y, inset, 1);
    }
    form->setMask(region);
}

// A window manager answers by resizing the window; where the size is still
// the same after a while, nobody did, and the window is placed by hand.
// A document window is placed by its area.
void TsuiWindowCommands::ToggleMaximised(QWidget* form)
{
    if (!form) return;
    const bool maximise = !IsMaximized(form);
    const QRect before = form->geometry();
    if (maximise) {
        normalBounds_ = before;
        form->showMaximized();
    } else {
        form->showNormal();
    }
    if (!form->isWindow()) return;
    const int request = ++windowRequests_;
    QTimer::singleShot(WindowManagerWait, this, [this, window = QPointer<QWidget>(form), maximise, before, request] {
        if (!window || request != windowRequests_ || window->size() != before.size()) return;
        if (!maximise) {
            if (normalBounds_.isValid()) window->setGeometry(normalBounds_);
            return;
        }
        window->setGeometry(GetWorkAreaRect().toQRect());
        // Placing a window ends its maximised state: it is maximised again.
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    });
}

void TsuiWindowCommands::StartMove(QWidget* form, const QPoint& globalPos)
{
    QWindow* handle = form->windowHandle();
    if (handle && handle->startSystemMove()) return;
    movingByHand_ = true;
    moveGrab_ = globalPos - form->pos();
}

void TsuiWindowCommands::MoveByHand(QWidget* form, const QPoint& globalPos)
{
    form->move(globalPos - moveGrab_);
}
