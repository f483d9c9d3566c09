#include "skin/scrolling/suisidechannel.h"

#include "skin/buttons/suibutton.h"
#include "toolkit/resources.h"
#include "toolkit/speedbutton.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

using namespace toolkit;

namespace {

constexpr int CaptionBarHeight = 16;
constexpr int InitialSideBarWidth = 10;

void LoadGlyph(TSpeedButton* button, const QString& name)
{
    try {
        button->Glyph()->SetImage(LoadBitmapResource(name));
    } catch (const EResNotFound&) {
        button->Glyph()->SetImage(QImage());
    }
    button->Glyph()->SetTransparentColor(clFuchsia);
}

} // namespace

TsuiSideChannel::TsuiSideChannel(QObject* owner, QWidget* parent)
    : TCustomPanel(owner, parent), captionBar_(new TPanel(this, this)), sideBar_(new TPanel(this, this)),
      pin_(new TSpeedButton(this, captionBar_)), grip_(new TsuiButton(this, sideBar_)), checkTimer_(new QTimer(this))
{
    SetBounds(0, 0, outWidth_, 41);

    captionBar_->SetHeight(CaptionBarHeight);
    captionBar_->SetAlign(alTop);
    sideBar_->SetWidth(InitialSideBarWidth);
    sideBar_->SetAlign(alLeft);
    for (QWidget* area : {static_cast<QWidget*>(captionBar_), static_cast<QWidget*>(sideBar_),
                          static_cast<QWidget*>(grip_)}) {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }

    pin_->SetFlat(true);
    pin_->SetBounds(0, 0, 20, CaptionBarHeight);
    pin_->SetGroupIndex(1);
    pin_->SetAllowAllUp(true);
    pin_->setAccessibleName(tr("Keep open"));
    LoadGlyph(pin_, QStringLiteral("SIDECHANNEL_BTN_NOONTOP"));
    connect(pin_, &TSpeedButton::OnClick, this, &TsuiSideChannel::PinClicked);

    grip_->SetUIStyle(TsuiUIStyle::Custom);
    grip_->SetPicNormal(QStringLiteral("SIDECHANNEL_BAR_NORMAL"));
    grip_->SetPicMouseOn(QStringLiteral("SIDECHANNEL_BAR_MOUSEON"));
    grip_->SetPicMouseDown(QStringLiteral("SIDECHANNEL_BAR_MOUSEON"));
    grip_->SetTabStop(false);
    grip_->FSetAutoSize(true);
    grip_->SetLeft(0);
    grip_->SetTop(0);
    connect(grip_, &TsuiButton::OnClick, this, [this] {
        if (popupMode_ == suiMouseClick) Pop(quickMove_);
    });

    checkTimer_->setInterval(LeaveCheckInterval);
    connect(checkTimer_, &QTimer::timeout, this, &TsuiSideChannel::TimerCheck);

    TCustomPanel::SetCaption(QStringLiteral(" "));
    SetSideAlign(TsuiSideChannelAlign::suiLeft);
    SetColor(GetSUIFormColor(owner));
    SetSideColor(Color());
    // The channel starts in.
    pin_->hide();
    SlideTo(sideBar_->width(), false);
}

TsuiSideChannel::~TsuiSideChannel() = default;

void TsuiSideChannel::SetWidth(int width)
{
    outWidth_ = width;
    if (IsDesigning()) TCustomPanel::SetWidth(width);
}

TColor TsuiSideChannel::SideBarColor() const
{
    return sideBar_->Color();
}

void TsuiSideChannel::SetSideColor(TColor color)
{
    sideBar_->SetColor(color);
    captionBar_->SetColor(color);
}

int TsuiSideChannel::SideBarWidth() const
{
    return sideBar_->width();
}

void TsuiSideChannel::SetSideWidth(int width)
{
    sideBar_->SetWidth(width);
    if (IsDesigning()) return;
    if (!out_)
        SlideTo(sideBar_->width(), false);
    else if (!stayOn_)
        Push(true);
}

void TsuiSideChannel::SetCaption(const QString& caption)
{
    if (caption_ == caption) return;
    caption_ = caption;
    if (out_ || IsDesigning()) captionBar_->SetCaption(caption);
    emit TextChanged();
}

TAlignment TsuiSideChannel::Alignment() const
{
    return captionBar_->Alignment();
}

void TsuiSideChannel::SetAlignment(TAlignment alignment)
{
    captionBar_->SetAlignment(alignment);
}

void TsuiSideChannel::SetSideAlign(TsuiSideChannelAlign align)
{
    sideAlign_ = align;
    SetAlign(align == TsuiSideChannelAlign::suiRight ? alRight : alLeft);
}

void TsuiSideChannel::SetStayOn(bool on)
{
    stayOn_ = on;
    if (IsDesigning() || IsLoading()) return;
    const QPointer<TsuiSideChannel> alive(this);
    if (on) {
        Pop(quickMove_);
        if (!alive) return;
        pin_->SetDown(true);
    } else {
        pin_->SetDown(false);
        Push(true);
        if (!alive) return;
    }
    PinClicked();
}

void TsuiSideChannel::Loaded()
{
    TCustomPanel::Loaded();
    if (stayOn_) SetStayOn(true);
}

bool TsuiSideChannel::SlideTo(int width, bool processEvents)
{
    const QPointer<TsuiSideChannel> alive(this);
    TCustomPanel::SetWidth(width);
    if (!alive) return false;
    Repaint();
    if (processEvents) QCoreApplication::processEvents();
    return !alive.isNull();
}

void TsuiSideChannel::Pop(bool quick)
{
    if (moving_ || out_) return;
    moving_ = true;
    pin_->show();
    ShowContents(true);
    if (!quick)
        while (width() + SlideStep < outWidth_)
            if (!SlideTo(width() + SlideStep, true)) return;
    if (!SlideTo(outWidth_, false)) return;
    out_ = true;
    if (!stayOn_) checkTimer_->start();
    moving_ = false;
    captionBar_->SetCaption(caption_);
    emit OnPop();
}

void TsuiSideChannel::Push(bool quick)
{
    if (moving_ || !out_) return;
    moving_ = true;
    checkTimer_->stop();
    if (!quick)
        while (width() - SlideStep > sideBar_->width())
            if (!SlideTo(width() - SlideStep, true)) return;
    if (!SlideTo(sideBar_->width(), false)) return;
    out_ = false;
    pin_->hide();
    ShowContents(false);
    captionBar_->SetCaption(QString());
    moving_ = false;
    emit OnPush();
}

void TsuiSideChannel::ShowContents(bool show)
{
    if (show) {
        for (QWidget* control : std::as_const(hiddenContents_))
            if (control && control->parentWidget() == this) control->show();
        hiddenContents_.clear();
        return;
    }
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control == captionBar_ || control == sideBar_ || control->isHidden()) continue;
        control->hide();
        hiddenContents_ << control;
    }
}

void TsuiSideChannel::HideContentsWhileIn()
{
    if (!out_ && !moving_ && !IsDesigning()) ShowContents(false);
}

// A control joins before it is fully built (and a layout places controls in
// a channel that is in): it is looked at once it is.
void TsuiSideChannel::childEvent(QChildEvent* event)
{
    TCustomPanel::childEvent(event);
    if (event->added() && event->child()->isWidgetType())
        QMetaObject::invokeMethod(this, &TsuiSideChannel::HideContentsWhileIn, Qt::QueuedConnection);
}

void TsuiSideChannel::PinClicked()
{
    const bool pinned = pin_->Down();
    if (out_ && !pinned)
        checkTimer_->start();
    else
        checkTimer_->stop();
    LoadGlyph(pin_, pinned ? QStringLiteral("SIDECHANNEL_BTN_ONTOP") : QStringLiteral("SIDECHANNEL_BTN_NOONTOP"));
    stayOn_ = pinned;
}

bool TsuiSideChannel::PointerInside(const QPoint& global) const
{
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    return topLeft.x() < global.x() && global.x() < topLeft.x() + width() && topLeft.y() < global.y() &&
           global.y() < topLeft.y() + height();
}

void TsuiSideChannel::TimerCheck()
{
    if (!parentWidget())
        Push(true);
    else if (!PointerInside(QCursor::pos()))
        Push(quickMove_);
}

void TsuiSideChannel::ApplyContainerStyle(TsuiUIStyle style)
{
    // Custom has no colours of its own (they would all read black).
    if (style == TsuiUIStyle::Custom) return;
    SetColor(GetThemeColor(style, teControlColor));
    SetSideColor(GetThemeColor(style, teControlColor));
}

bool TsuiSideChannel::PassUIStyleOn(TsuiUIStyle style)
{
    ContainerApplyUIStyle(this, style);
    return true;
}

// The user's handler first; the open channel then refuses to become too
// narrow, except while it slides.
bool TsuiSideChannel::CanResize(int& newWidth, int& newHeight)
{
    bool resize = true;
    emit OnCanResize(newWidth, newHeight, resize);
    if (!resize) return false;
    return moving_ || !out_ || newWidth >= MinOutWidth;
}

// A resize of the open channel by the user or a designer sets its out width.
void TsuiSideChannel::resizeEvent(QResizeEvent* event)
{
    TCustomPanel::resizeEvent(event);
    if (!moving_ && sideBar_->width() < width()) outWidth_ = width();
    emit OnResize();
}

// A pop lets events run and may delete the channel, its parts included: the
// event is then taken, as Qt asks of a filter that deletes the receiver.
bool TsuiSideChannel::eventFilter(QObject* watched, QEvent* event)
{
    const QPointer<TsuiSideChannel> alive(this);
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (!out_ && popupMode_ == suiMouseOn) Pop(quickMove_);
        break;
    case QEvent::Resize:
        // The pin keeps to the caption bar's right end.
        if (watched == captionBar_) pin_->SetLeft(captionBar_->width() - pin_->width());
        break;
    case QEvent::MouseButtonRelease:
        if (watched == sideBar_ && popupMode_ == suiMouseClick &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            sideBar_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            Pop(quickMove_);
        break;
    default:
        break;
    }
    return !alive || TCustomPanel::eventFilter(watched, event);
}
