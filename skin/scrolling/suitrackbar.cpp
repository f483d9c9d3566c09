#include "skin/scrolling/suitrackbar.h"

#include "skin/controls/suiimagepanel.h"
#include "skin/themes/suifaces.h"
#include "skin/themes/suipublic.h"
#include "toolkit/canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <algorithm>

using namespace toolkit;

namespace {

// Farther than any widget reaches; keeps offsets and products in range.
constexpr qint64 Farthest = 1 << 24;

} // namespace

int SliderOffsetFor(int length, int sliderLength, int min, int max, int position)
{
    if (max == min) return 0;
    const qint64 offset = qint64(length - sliderLength) * (qint64(position) - min) / (qint64(max) - min);
    return int(std::clamp(offset, -Farthest, Farthest));
}

qint64 ValueAtPoint(int point, int length, int sliderLength, int min, int max)
{
    if (sliderLength == length) return 0;
    const qint64 fromCentre = std::clamp<qint64>(point, -Farthest, Farthest) - sliderLength / 2;
    return fromCentre * (qint64(max) - min) / (length - sliderLength) + min;
}

std::optional<qint64> PageTowards(int sliderLead, int pointer, qint64 position, int pageSize, qint64 pointerValue)
{
    if (sliderLead < pointer) return std::min(position + pageSize, pointerValue);
    if (pointer < sliderLead) return std::max(position - pageSize, pointerValue);
    return std::nullopt;
}

std::optional<qint64> ValueForKey(int key, qint64 position, int min, int max, int smallStep, int pageStep)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        return position - smallStep;
    case Qt::Key_Right:
    case Qt::Key_Down:
        return position + smallStep;
    case Qt::Key_PageUp:
        return position - pageStep;
    case Qt::Key_PageDown:
        return position + pageStep;
    case Qt::Key_Home:
        return min;
    case Qt::Key_End:
        return max;
    default:
        return std::nullopt;
    }
}

void FixThicknessInLayouts(QWidget& control, TsuiProgressBarOrientation orientation)
{
    if (orientation == suiHorizontal)
        control.setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    else
        control.setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void ApplyFirstUIStyle(TsuiControl& control, TsuiUIStyle style)
{
    // DeepBlue is what a form without a skinned frame gives its controls.
    if (style == TsuiUIStyle::Custom) control.SetUIStyle(TsuiUIStyle::DeepBlue);
    control.SetUIStyle(style);
}

// ---- TsuiTrackBar ------------------------------------------------------------

TsuiTrackBar::TsuiTrackBar(QObject* owner, QWidget* parent)
    : TsuiControl(owner, parent), slider_(new TsuiImagePanel(this, this))
{
    // Presses on the slider reach the track bar, which tells a drag from a
    // page by where they land; the press holds the pointer for the drag.
    slider_->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(slider_->Picture(), &TPicture::OnChange, this, &TsuiTrackBar::SliderPictureChanged);
    connect(&barImage_, &TPicture::OnChange, this, &TsuiTrackBar::UpdateControl);
    connect(&range_, &TsuiRange::Changed, this, [this](int position) {
        NotifyAccessibleValueChanged(this, position);
        const QPointer<TsuiTrackBar> alive(this);
        emit PositionChanged(position);
        if (alive) emit OnChange(this);
    });
    SetRepeatInterval(PageInterval);
    SetTabStop(false);
    FixThicknessInLayouts(*this, orientation_);
    resize(185, 41);
    ApplyFirstUIStyle(*this, GetSUIFormStyle(owner));
}

TsuiTrackBar::~TsuiTrackBar() = default;

TPicture* TsuiTrackBar::GetSliderImage() const
{
    return slider_->Picture();
}

void TsuiTrackBar::SetMax(int value)
{
    range_.SetMax(value);
    PlaceSlider();
    UpdateSlider();
}

void TsuiTrackBar::SetMin(int value)
{
    range_.SetMin(value);
    PlaceSlider();
    UpdateSlider();
}

void TsuiTrackBar::SetPosition(int value)
{
    SetPositionClamped(value);
}

void TsuiTrackBar::SetPositionClamped(qint64 value)
{
    range_.SetPosition(value);
    UpdateSlider();
}

void TsuiTrackBar::SetPageSize(int value)
{
    range_.SetPageSize(value);
}

void TsuiTrackBar::SetSmallChange(int step)
{
    range_.SetSmallChange(step);
}

bool TsuiTrackBar::StepForKey(int key)
{
    const auto wanted = ValueForKey(key, Position(), Min(), Max(), SmallChange(), PageSize());
    if (wanted) SetPositionClamped(*wanted);
    return wanted.has_value();
}

void TsuiTrackBar::SetOrientation(TsuiProgressBarOrientation orientation)
{
    if (orientation_ == orientation) return;
    orientation_ = orientation;
    FixThicknessInLayouts(*this, orientation_);
    UpdateControl();
}

void TsuiTrackBar::SetBarImage(const TPicture& picture)
{
    barImage_.Assign(picture); // the change notification runs UpdateControl
}

void TsuiTrackBar::SetSliderImage(const TPicture& picture)
{
    slider_->SetPicture(picture);
}

void TsuiTrackBar::SetTabStop(bool on)
{
    tabStop_ = on;
    // A click still focuses it, as Qt's sliders are, so the keys work.
    setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

int TsuiTrackBar::Length() const
{
    return orientation_ == suiHorizontal ? width() : height();
}

int TsuiTrackBar::Thickness() const
{
    return orientation_ == suiHorizontal ? height() : width();
}

int TsuiTrackBar::SliderLength() const
{
    return orientation_ == suiHorizontal ? slider_->width() : slider_->height();
}

int TsuiTrackBar::SliderThickness() const
{
    return orientation_ == suiHorizontal ? slider_->height() : slider_->width();
}

int TsuiTrackBar::PictureThickness() const
{
    return std::max(barImage_.Height(), SliderThickness());
}

int TsuiTrackBar::Along(const QPoint& point) const
{
    return orientation_ == suiHorizontal ? point.x() : point.y();
}

TPoint TsuiTrackBar::GetSliderPosFromPosition() const
{
    const int cross = std::max(Thickness() - SliderThickness(), 0) / 2;
    const int along = SliderOffsetFor(Length(), SliderLength(), Min(), Max(), Position());
    return orientation_ == suiHorizontal ? Point(along, cross) : Point(cross, along);
}

qint64 TsuiTrackBar::GetPositionFromFromSliderPos(int x, int y) const
{
    return ValueAtPoint(Along(QPoint(x, y)), Length(), SliderLength(), Min(), Max());
}

// A set clamps the pointer's value once more, Min first.
void TsuiTrackBar::UpdatePositionValue(int x, int y, bool update)
{
    range_.SetPointerPosition(GetPositionFromFromSliderPos(x, y));
    if (update) SetPosition(Position());
}

void TsuiTrackBar::UpdateSlider()
{
    if (!range_.Unannounced()) return;
    PlaceSlider();
    range_.Announce();
}

// The slider shows only with a picture and on a track with a length: a
// scroll bar shorter than its arrows leaves none.
void TsuiTrackBar::PlaceSlider()
{
    PlaceControl(slider_, GetSliderPosFromPosition());
    slider_->setVisible(sliderWanted_ && Length() > 0 && slider_->Picture()->HasGraphic());
}

void TsuiTrackBar::SetSliderWanted(bool on)
{
    if (sliderWanted_ == on) return;
    sliderWanted_ = on;
    PlaceSlider();
}

// The slider is placed last, once its picture and the thickness are known,
// whether or not the value changed.
void TsuiTrackBar::UpdateControl()
{
    if (!Guarded([this] { UpdateSlider(); })) return;
    UpdatePicture();
    SetSize();
    PlaceSlider();
    Invalidate();
}

void TsuiTrackBar::ReadTheme()
{
    if (UIStyle() == TsuiUIStyle::Custom) return; // keeps its pictures and colour
    SetColor(GetThemeColor(UIStyle(), teTrackBarColor));
    UpdateControl();
}

void TsuiTrackBar::UpdatePicture()
{
    if (UIStyle() != TsuiUIStyle::Custom) return LoadStyledPictures(UIStyle());
    // A custom bar is shown at its own size: it is made at the length wanted.
    barStrip_.Assign(barImage_.Bitmap());
    if (orientation_ == suiVertical && !barStrip_.Empty()) RoundPicture(barStrip_);
}

// The bar picture is three frames: its ends kept, its middle stretched to the
// control's length; the vertical bar is the same strip turned.
void TsuiTrackBar::LoadStyledPictures(TsuiUIStyle style)
{
    const bool horizontal = orientation_ == suiHorizontal;
    const TsuiFaceState state{.Vertical = !horizontal};
    {
        const QSignalBlocker ownLoad(barImage_);
        LoadFace(barImage_, style, TsuiFace::TrackBarBar, state);
    }
    const int length = std::max(Length(), 0);
    barStrip_.SetSize(length, barImage_.Height());
    if (!barStrip_.Empty()) {
        SpitDrawHorizontal(barImage_.Bitmap(), barStrip_.Canvas(), Rect(0, 0, length, barImage_.Height()), false);
        if (!horizontal) RoundPicture(barStrip_);
    }
    if (slider_->Picture()->ResourceName() != FaceName(style, TsuiFace::TrackBarSlider, state))
        LoadFace(*slider_->Picture(), style, TsuiFace::TrackBarSlider, state);
    slider_->SetAutoSize(true);
}

void TsuiTrackBar::SliderPictureChanged()
{
    SetSize();
    PlaceSlider();
}

// While a layout loads, geometry and orientation arrive in any order; the
// thickness is applied once it has loaded.
void TsuiTrackBar::SetSize()
{
    if (IsLoading()) return;
    if (orientation_ == suiHorizontal)
        SetHeight(PictureThickness());
    else
        SetWidth(PictureThickness());
    updateGeometry();
}

bool TsuiTrackBar::CanResize(int& newWidth, int& newHeight)
{
    if (!IsLoading()) (orientation_ == suiHorizontal ? newHeight : newWidth) = PictureThickness();
    return true;
}

void TsuiTrackBar::Loaded()
{
    TsuiControl::Loaded();
    UpdateControl();
}

QSize TsuiTrackBar::sizeHint() const
{
    return orientation_ == suiHorizontal ? QSize(width(), PictureThickness()) : QSize(PictureThickness(), height());
}

void TsuiTrackBar::Paint(TCanvas& canvas)
{
    if (!barStrip_.Empty()) {
        const int across = barImage_.Height();
        if (orientation_ == suiHorizontal)
            canvas.Draw(0, (height() - across) / 2, barStrip_);
        else
            canvas.Draw((width() - across) / 2, 0, barStrip_);
    }
    if (hasFocus()) canvas.DrawFocusRect(ClientRect());
}

// The far edges (x = Width, y = Height) still count as the bar, so paging
// goes on there; a release on them is no click (see PartClicked).
int TsuiTrackBar::PartAt(const QPoint& point) const
{
    if (point.x() < 0 || point.y() < 0 || point.x() > width() || point.y() > height()) return NoPart;
    return !slider_->isHidden() && slider_->geometry().contains(point) ? SliderPart : BarPart;
}

void TsuiTrackBar::resizeEvent(QResizeEvent* event)
{
    TsuiControl::resizeEvent(event);
    UpdateControl();
}

// A press on the slider (any button) starts a drag; a left press on the bar
// pages towards the pointer at once and then every PageInterval while held.
void TsuiTrackBar::mousePressEvent(QMouseEvent* event)
{
    pointer_ = event->position().toPoint();
    const int part = PartAt(pointer_);
    TsuiControl::mousePressEvent(event);
    if (!PointerActive()) return;
    if (part == SliderPart) {
        grabOffset_ = Along(pointer_) - Along(slider_->pos());
        dragging_ = true;
    } else if (part == BarPart && event->button() == Qt::LeftButton) {
        Page(pointer_);
    }
}

// The slider follows the pointer less the grab offset; the value is the one
// the pointer would stand for at the slider's centre.
void TsuiTrackBar::mouseMoveEvent(QMouseEvent* event)
{
    pointer_ = event->position().toPoint();
    TsuiControl::mouseMoveEvent(event);
    if (dragging_) return Drag(pointer_);
    // Leaving the control ends paging; the edges at Width and Height are inside.
    const bool outside = pointer_.x() < 0 || pointer_.x() > width() || pointer_.y() < 0 || pointer_.y() > height();
    if (HeldPart() == BarPart && outside) CancelHold();
}

void TsuiTrackBar::mouseReleaseEvent(QMouseEvent* event)
{
    pointer_ = event->position().toPoint();
    if (!Guarded([&] { TsuiControl::mouseReleaseEvent(event); })) return;
    // Any button's release ends the drag and the paging.
    EndDragAndPaging();
}

void TsuiTrackBar::EndDragAndPaging()
{
    dragging_ = false;
    CancelHold();
}

// A disabled or hidden control never sees the release that would end them.
void TsuiTrackBar::changeEvent(QEvent* event)
{
    TsuiControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) EndDragAndPaging();
}

void TsuiTrackBar::hideEvent(QHideEvent* event)
{
    TsuiControl::hideEvent(event);
    EndDragAndPaging();
}

void TsuiTrackBar::keyPressEvent(QKeyEvent* event)
{
    if (!StepForKey(event->key())) TsuiControl::keyPressEvent(event);
}

void TsuiTrackBar::PartClicked(int part)
{
    if (part == BarPart && rect().contains(pointer_)) Click();
}

void TsuiTrackBar::PartRepeated(int part)
{
    if (part == BarPart && !dragging_) Page(pointer_);
}

void TsuiTrackBar::Page(const QPoint& pointer)
{
    const TPoint lead = GetSliderPosFromPosition();
    const auto wanted = PageTowards(orientation_ == suiHorizontal ? lead.X : lead.Y, Along(pointer), Position(),
                                    PageSize(), GetPositionFromFromSliderPos(pointer.x(), pointer.y()));
    if (wanted) SetPositionClamped(*wanted);
}

void TsuiTrackBar::Drag(const QPoint& pointer)
{
    const int along = std::max(0, std::min(Along(pointer) - grabOffset_, Length() - SliderLength()));
    if (orientation_ == suiHorizontal)
        slider_->SetLeft(along);
    else
        slider_->SetTop(along);
    UpdatePositionValue(pointer.x(), pointer.y(), false);
    range_.Announce();
}

// ---- TsuiScrollTrackBar ------------------------------------------------------

void TsuiScrollTrackBar::UpdateSliderSize()
{
    Slider()->SetAutoSize(true);
    SliderPictureChanged();
}
