#include "skin/scrolling/suiattachedbars.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

TsuiAttachedBars::TsuiAttachedBars(QAbstractScrollArea& control, Kind kind)
    : QObject(&control), control_(control), kind_(kind)
{
    control_.installEventFilter(this);
    for (const Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
        QScrollBar* native = Native(orientation);
        native->installEventFilter(this);
        connect(native, &QScrollBar::valueChanged, this, &TsuiAttachedBars::ScheduleUpdate);
        connect(native, &QScrollBar::rangeChanged, this, &TsuiAttachedBars::ScheduleUpdate);
    }
}

TsuiScrollBar* TsuiAttachedBars::Bar(Qt::Orientation orientation) const
{
    return orientation == Qt::Vertical ? vertical_.data() : horizontal_.data();
}

QPointer<TsuiScrollBar>& TsuiAttachedBars::Slot(Qt::Orientation orientation)
{
    return orientation == Qt::Vertical ? vertical_ : horizontal_;
}

QScrollBar* TsuiAttachedBars::Native(Qt::Orientation orientation) const
{
    return orientation == Qt::Vertical ? control_.verticalScrollBar() : control_.horizontalScrollBar();
}

bool TsuiAttachedBars::Attach(Qt::Orientation orientation, TsuiScrollBar* bar)
{
    QPointer<TsuiScrollBar>& slot = Slot(orientation);
    if (slot == bar) return false;
    if (TsuiScrollBar* released = slot.data()) {
        released->disconnect(this);
        released->SetLineButton(0);
        released->SetMax(100);
        released->setEnabled(true);
    }
    slot = bar;
    if (!bar) return true;
    bar->SetOrientation(orientation == Qt::Vertical ? suiVertical : suiHorizontal);
    connect(bar, &TsuiScrollBar::OnChange, this, [this, orientation] { BarMoved(orientation); });
    // A widget reports its destruction before its guards clear. Releasing a
    // bar disconnects it, so a bar that reports here is still this slot's.
    connect(bar, &QObject::destroyed, this, [this, orientation] {
        Slot(orientation) = nullptr;
        UpdateScrollBarsPos();
        emit BarGone();
    });
    bar->raise();
    return true;
}

QRect TsuiAttachedBars::ControlRectFor(const TsuiScrollBar& bar) const
{
    QWidget* barParent = bar.parentWidget();
    if (barParent == control_.parentWidget()) return control_.geometry();
    const QPoint origin = control_.mapToGlobal(QPoint(0, 0));
    return {barParent ? barParent->mapFromGlobal(origin) : origin, control_.size()};
}

void TsuiAttachedBars::UpdateScrollBarsPos()
{
    TsuiScrollBar* vertical = vertical_.data();
    TsuiScrollBar* horizontal = horizontal_.data();
    if (horizontal) {
        const QRect r = ControlRectFor(*horizontal);
        const int width = r.width() - (vertical ? vertical->width() : 0) - 1;
        horizontal->setGeometry(r.left() + 1, r.top() + r.height() - horizontal->height() - 2, width,
                                horizontal->height());
    }
    if (vertical) {
        const QRect r = ControlRectFor(*vertical);
        const int height = kind_ == Kind::ListBox ? r.height() - 2
                                                  : r.height() - (horizontal ? horizontal->height() : 0) - 1;
        vertical->setGeometry(r.left() + r.width() - vertical->width() - 2, r.top() + 1, vertical->width(), height);
    }
    UpdateScrollBars();
}

void TsuiAttachedBars::ScheduleUpdate()
{
    if (updateScheduled_) return;
    updateScheduled_ = true;
    QMetaObject::invokeMethod(this, &TsuiAttachedBars::UpdateScrollBars, Qt::QueuedConnection);
}

void TsuiAttachedBars::UpdateScrollBars()
{
    updateScheduled_ = false;
    if (updating_) return;
    updating_ = true;
    for (const Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal})
        if (TsuiScrollBar* bar = Bar(orientation)) Follow(*bar, orientation);
    updating_ = false;
}

// A native bar that is hidden, or has nothing to scroll, or belongs to a
// disabled control, leaves the skinned bar without a thumb.
void TsuiAttachedBars::Follow(TsuiScrollBar& bar, Qt::Orientation orientation)
{
    const QScrollBar& native = *Native(orientation);
    const Qt::ScrollBarPolicy policy = orientation == Qt::Vertical ? control_.verticalScrollBarPolicy()
                                                                   : control_.horizontalScrollBarPolicy();
    const bool scrolls = native.maximum() > native.minimum();
    const bool shown = policy == Qt::ScrollBarAlwaysOn || (policy == Qt::ScrollBarAsNeeded && scrolls);
    const bool usable = shown && scrolls && control_.isEnabled();
    bar.SetLineButton(usable ? NativeThumbLength(native) : 0);
    bar.setEnabled(usable);
    if (kind_ == Kind::Memo)
        bar.SetSliderVisible(usable);
    else
        bar.setVisible(shown);
    bar.SetMax(native.maximum());
    bar.SetMin(native.minimum());
    bar.SetPosition(native.value());
}

void TsuiAttachedBars::BarMoved(Qt::Orientation orientation)
{
    if (updating_) return;
    if (TsuiScrollBar* bar = Bar(orientation)) Native(orientation)->setValue(bar->Position());
}

int TsuiAttachedBars::NativeThumbLength(const QScrollBar& native)
{
    QStyleOptionSlider option;
    option.initFrom(&native);
    option.subControls = QStyle::SC_All;
    option.orientation = native.orientation();
    option.minimum = native.minimum();
    option.maximum = native.maximum();
    option.sliderPosition = native.sliderPosition();
    option.sliderValue = native.value();
    option.singleStep = native.singleStep();
    option.pageStep = native.pageStep();
    if (native.orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
    const QRect thumb =
        native.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &native);
    return native.orientation() == Qt::Horizontal ? thumb.width() : thumb.height();
}

bool TsuiAttachedBars::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        if (watched == &control_)
            UpdateScrollBarsPos();
        else
            ScheduleUpdate();
        break;
    case QEvent::EnabledChange:
        if (watched == &control_) UpdateScrollBars();
        break;
    default:
        break;
    }
    return false;
}
