#include "skin/scrolling/suiscrollbar.h"

#include "skin/buttons/suiimagebutton.h"
#include "skin/scrolling/suitrackbar.h"
#include "skin/themes/suifaces.h"
#include "skin/themes/suipublic.h"
#include "toolkit/canvas.h"

#include <QKeyEvent>
#include <algorithm>

using namespace toolkit;

namespace {

// Thumbs share this percentage of the track at least and by default.
constexpr int SmallestThumbPercent = 10;

} // namespace

int ThumbLength(int lineButton, int trackLength, int pageSize)
{
    if (lineButton > 0) return lineButton;
    const int percent = pageSize >= SmallestThumbPercent && pageSize <= 100 ? pageSize : SmallestThumbPercent;
    return int(qint64(trackLength) * percent / 100);
}

TsuiScrollBar::TsuiScrollBar(QObject* owner, QWidget* parent)
    : TsuiControl(owner, parent), track_(new TsuiScrollTrackBar(this, this)),
      incButton_(new TsuiImageButton(this, this)), decButton_(new TsuiImageButton(this, this))
{
    // The track shows what the scroll bar gives it, never a style of its own.
    track_->SetUIStyle(TsuiUIStyle::Custom);
    // Keys go to the scroll bar; pressing its parts does not take the focus.
    track_->setFocusPolicy(Qt::NoFocus);
    connect(track_, &TsuiTrackBar::PositionChanged, this, &TsuiScrollBar::PositionChanged);
    connect(track_, &TsuiTrackBar::OnChange, this, &TsuiScrollBar::OnChange);
    connect(track_, &TsuiTrackBar::OnChange, this, [this] { NotifyAccessibleValueChanged(this, Position()); });

    incButton_->SetMouseContinuouslyDownInterval(ArrowInterval);
    connect(incButton_, &TsuiCustomButton::OnMouseContinuouslyDown, this, &TsuiScrollBar::MouseContinuouslyDownInc);
    decButton_->SetMouseContinuouslyDownInterval(ArrowInterval);
    connect(decButton_, &TsuiCustomButton::OnMouseContinuouslyDown, this, &TsuiScrollBar::MouseContinuouslyDownDec);

    FixThicknessInLayouts(*this, orientation_);
    SetHeight(185);
    ApplyFirstUIStyle(*this, GetSUIFormStyle(owner));
    PlaceTrackBarAndButton();
}

TsuiScrollBar::~TsuiScrollBar() = default;

int TsuiScrollBar::Max() const
{
    return track_->Max();
}

int TsuiScrollBar::Min() const
{
    return track_->Min();
}

int TsuiScrollBar::Position() const
{
    return track_->Position();
}

int TsuiScrollBar::SmallChange() const
{
    return track_->SmallChange();
}

int TsuiScrollBar::PageSize() const
{
    return track_->PageSize();
}

bool TsuiScrollBar::SliderVisible() const
{
    return track_->GetSliderVisible();
}

void TsuiScrollBar::SetLineButton(int pixels)
{
    if (lineButton_ == pixels) return;
    lineButton_ = pixels;
    UpdateSliderPic();
}

void TsuiScrollBar::SetOrientation(TsuiProgressBarOrientation orientation)
{
    if (orientation_ == orientation) return;
    orientation_ = orientation;
    FixThicknessInLayouts(*this, orientation_);
    UpdatePictures();
    PlaceTrackBarAndButton();
}

void TsuiScrollBar::SetMax(int value)
{
    track_->SetMax(value);
}

void TsuiScrollBar::SetMin(int value)
{
    track_->SetMin(value);
}

void TsuiScrollBar::SetPosition(int value)
{
    track_->SetPosition(value);
}

void TsuiScrollBar::SetSmallChange(int step)
{
    track_->SetSmallChange(step);
}

void TsuiScrollBar::SetLargeChange(int step)
{
    track_->SetPageSize(step);
}

void TsuiScrollBar::SetPageSize(int percent)
{
    track_->SetPageSize(percent);
    UpdateSliderPic();
}

void TsuiScrollBar::SetSliderVisible(bool on)
{
    track_->SetSliderVisible(on);
}

// An arrow disabled while held never sees its release and keeps repeating;
// a disabled scroll bar ignores it.
void TsuiScrollBar::MouseContinuouslyDownInc(QObject*)
{
    if (isEnabled()) track_->StepBy(SmallChange());
}

void TsuiScrollBar::MouseContinuouslyDownDec(QObject*)
{
    if (isEnabled()) track_->StepBy(-SmallChange());
}

void TsuiScrollBar::ReadTheme()
{
    if (UIStyle() == TsuiUIStyle::Custom) return; // keeps its pictures and colour
    pictureStyle_ = UIStyle();
    SetColor(GetThemeColor(UIStyle(), teScrollBarColor)); // the track follows (ColorChanged)
    UpdatePictures();
    PlaceTrackBarAndButton();
}

void TsuiScrollBar::ColorChanged()
{
    track_->SetColor(Color());
}

void TsuiScrollBar::UpdatePictures()
{
    // Without a bar picture the track shows only its colour around the thumb.
    track_->SetBarImage(TPicture());
    // The style's track picture holds the thumb's three pieces stacked; turned,
    // they lie side by side, the top piece leftmost.
    TBitmap pieces;
    pieces.SetImage(FaceFor(pictureStyle_, TsuiFace::ScrollThumb));
    if (!pieces.Empty()) RoundPicture(pieces);
    CutThumbPieces(pieces);
    LoadArrows(*decButton_, TsuiFace::ScrollArrowDec);
    LoadArrows(*incButton_, TsuiFace::ScrollArrowInc);
    const bool vertical = orientation_ == suiVertical;
    decButton_->setAccessibleName(vertical ? tr("Line up") : tr("Line left"));
    incButton_->setAccessibleName(vertical ? tr("Line down") : tr("Line right"));
}

// Vertical pieces are turned back to stand as stored; horizontal ones stay
// turned, the top piece becoming the left cap.
void TsuiScrollBar::CutThumbPieces(TBitmap& turnedTrack)
{
    const int pieceLength = turnedTrack.Width() / 3;
    int index = 0;
    for (TBitmap* piece : {&startCap_, &middle_, &endCap_}) {
        piece->SetImage(turnedTrack.Image().copy(index++ * pieceLength, 0, pieceLength, ThumbThickness));
        if (orientation_ == suiVertical && !piece->Empty()) RoundPicture3(*piece);
    }
}

// Arrows point up and down as stored; turned for a horizontal bar, up points
// left and down points right. The buttons take their pictures' size and
// choose among them by their state as every button does.
void TsuiScrollBar::LoadArrows(TsuiImageButton& button, TsuiFace face)
{
    const std::pair<TPicture*, TsuiFaceState> faces[] = {
        {button.PicNormal(), {}}, {button.PicMouseOn(), {.Hot = true}}, {button.PicMouseDown(), {.Pressed = true}}};
    for (const auto& [picture, state] : faces) {
        TBitmap arrow;
        arrow.SetImage(FaceFor(pictureStyle_, face, state));
        if (orientation_ == suiHorizontal && !arrow.Empty()) RoundPicture(arrow);
        picture->Assign(arrow);
    }
    button.FSetAutoSize(true);
}

int TsuiScrollBar::Thickness() const
{
    return orientation_ == suiVertical ? decButton_->width() : decButton_->height();
}

// The vertical track ends one pixel above the increment arrow, leaving a strip
// of the scroll bar's colour; the horizontal one fills the space. A bar
// shorter than its arrows leaves the track no length and the thumb hidden.
void TsuiScrollBar::PlaceTrackBarAndButton()
{
    track_->SetOrientation(orientation_);
    PlaceControl(decButton_, Point(0, 0));
    if (orientation_ == suiVertical) {
        track_->SetTop(decButton_->height());
        track_->SetHeight(height() - incButton_->height() - decButton_->height() - 1);
        track_->SetLeft(0);
        incButton_->SetTop(height() - incButton_->height());
        incButton_->SetLeft(0);
        SetWidth(decButton_->width());
    } else {
        track_->SetLeft(decButton_->width());
        track_->SetWidth(width() - incButton_->width() - decButton_->width());
        track_->SetTop(0);
        incButton_->SetLeft(width() - incButton_->width());
        incButton_->SetTop(0);
        SetHeight(decButton_->height());
    }
    updateGeometry();
    UpdateSliderPic();
}

// Caps at their own size at both ends, the middle stretched between them; a
// thumb shorter than its caps overlaps them.
void TsuiScrollBar::UpdateSliderPic()
{
    if (lineButton_ > 0 && lineButton_ < MinimumLineButton) lineButton_ = MinimumLineButton;
    const bool vertical = orientation_ == suiVertical;
    const int length =
        ThumbLength(lineButton_, vertical ? track_->height() : track_->width(), track_->PageSize());
    TBitmap thumb;
    if (vertical)
        thumb.SetSize(startCap_.Width(), length);
    else
        thumb.SetSize(length, startCap_.Height());
    if (!thumb.Empty()) {
        TCanvas& canvas = thumb.Canvas();
        const TRect fill = vertical ? Rect(0, startCap_.Height(), thumb.Width(), thumb.Height() - endCap_.Height())
                                    : Rect(startCap_.Width(), 0, thumb.Width() - endCap_.Width(), thumb.Height());
        canvas.Draw(0, 0, startCap_);
        canvas.Draw(vertical ? 0 : fill.Right, vertical ? fill.Bottom : 0, endCap_);
        if (!middle_.Empty()) canvas.StretchDraw(fill, middle_);
    }
    track_->GetSliderImage()->Assign(thumb);
    track_->UpdateSliderSize();
}

// While a layout loads, geometry and orientation arrive in any order.
bool TsuiScrollBar::CanResize(int& newWidth, int& newHeight)
{
    if (!IsLoading()) (orientation_ == suiVertical ? newWidth : newHeight) = Thickness();
    return true;
}

void TsuiScrollBar::Loaded()
{
    TsuiControl::Loaded();
    PlaceTrackBarAndButton();
}

QSize TsuiScrollBar::sizeHint() const
{
    return orientation_ == suiVertical ? QSize(Thickness(), height()) : QSize(width(), Thickness());
}

void TsuiScrollBar::resizeEvent(QResizeEvent* event)
{
    TsuiControl::resizeEvent(event);
    PlaceTrackBarAndButton();
}

// The track takes no focus; its keys reach it through the scroll bar.
void TsuiScrollBar::keyPressEvent(QKeyEvent* event)
{
    if (!track_->StepForKey(event->key())) TsuiControl::keyPressEvent(event);
}
