#include "skin/buttons/suiprogressbar.h"

#include "skin/themes/suifaces.h"
#include "toolkit/canvas.h"

#include <algorithm>
#include <climits>

using namespace toolkit;

TsuiProgressBar::TsuiProgressBar(QObject* owner, QWidget* parent)
    : TsuiControl(owner, parent, TsuiContainerStyle::KeepCustom)
{
    // A layout writes the stored picture straight into the owned one.
    connect(&picture_, &TPicture::OnChange, this, &TsuiProgressBar::Invalidate);
    connect(&range_, &TsuiRange::Changed, this, &TsuiProgressBar::PositionChanged);
    ApplyThicknessConstraints();
    resize(150, Thickness);
    SetCaption(QStringLiteral("50%"));
    SetColor(clBtnFace);
    SetUIStyle(GetSUIFormStyle(owner));
    UpdateProgress();
}

TsuiProgressBar::~TsuiProgressBar() = default;

void TsuiProgressBar::SetCaptionColor(TColor color)
{
    captionColor_ = color;
    Repaint();
}

// A vertical bar has no room for text: the setting stays off there.
void TsuiProgressBar::SetShowCaption(bool on)
{
    showCaption_ = on && orientation_ == suiHorizontal;
    RepaintFace();
}

void TsuiProgressBar::SetSmartShowCaption(bool on)
{
    smartShowCaption_ = on;
    RepaintFace();
}

void TsuiProgressBar::SetMax(int value)
{
    range_.SetMax(value);
    UpdateProgress();
}

void TsuiProgressBar::SetMin(int value)
{
    range_.SetMin(value);
    UpdateProgress();
}

void TsuiProgressBar::SetPosition(int value)
{
    range_.SetPosition(value);
    ShowPosition();
}

void TsuiProgressBar::StepBy(int delta)
{
    range_.StepBy(delta);
    ShowPosition();
}

void TsuiProgressBar::ShowPosition()
{
    UpdateProgress();
    range_.Announce();
}

void TsuiProgressBar::SetOrientation(TsuiProgressBarOrientation orientation)
{
    orientation_ = orientation;
    if (orientation == suiVertical) showCaption_ = false;
    UpdatePicture();
    // A stored vertical bar's length arrives before its orientation, while
    // the bar still refuses it as a thickness.
    UpdateBar(IsLoading() ? std::max(requestedLength_, width()) : std::max(width(), height()));
}

void TsuiProgressBar::SetBorderColor(TColor color)
{
    borderColor_ = color;
    Repaint();
}

void TsuiProgressBar::SetColor(TColor color)
{
    color_ = color;
    Repaint();
}

void TsuiProgressBar::SetPicture(const TPicture& picture)
{
    picture_.Assign(picture);
    Repaint();
}

int TsuiProgressBar::GetPercentFromPosition() const
{
    if (Max() == Min()) return 0;
    const qint64 percent = (qint64(Position()) - Min()) * 100 / (qint64(Max()) - Min());
    return int(std::clamp<qint64>(percent, INT_MIN, INT_MAX));
}

int TsuiProgressBar::GetWidthFromPosition(int full) const
{
    if (Max() <= Min() || Position() <= Min()) return 0;
    if (Position() > Max()) return full;
    return int(qint64(full) * (qint64(Position()) - Min()) / (qint64(Max()) - Min()));
}

void TsuiProgressBar::UpdateProgress()
{
    SetCaption(QString::number(GetPercentFromPosition()) + u'%');
    NotifyAccessibleValueChanged(this, Position());
    // A boot stage sets the position once per byte; most sets move nothing.
    const Face face = CurrentFace();
    if (face == shown_) return;
    RepaintFace();
}

void TsuiProgressBar::RepaintFace()
{
    shown_ = CurrentFace();
    Repaint();
}

void TsuiProgressBar::UpdatePicture()
{
    if (UIStyle() != TsuiUIStyle::Custom) {
        // Every style has its pictures; without one the bar paints unfilled.
        LoadFace(picture_, UIStyle(), TsuiFace::ProgressBar, {.Vertical = orientation_ == suiVertical});
        SetColor(GetThemeColor(UIStyle(), teControlColor));
        SetBorderColor(GetThemeColor(UIStyle(), teControlBorderColor));
    }
    Repaint();
}

void TsuiProgressBar::UpdateBar(int length)
{
    ApplyThicknessConstraints();
    if (orientation_ == suiHorizontal)
        resize(length, Thickness);
    else
        resize(Thickness, length);
}

bool TsuiProgressBar::CanResize(int& newWidth, int& newHeight)
{
    requestedLength_ = std::max(newWidth, newHeight);
    return orientation_ == suiHorizontal ? newHeight == Thickness : newWidth == Thickness;
}

// Layouts and direct Qt resizes bypass CanResize; these keep the thickness.
void TsuiProgressBar::ApplyThicknessConstraints()
{
    if (orientation_ == suiHorizontal) {
        setMinimumSize(0, Thickness);
        setMaximumSize(QWIDGETSIZE_MAX, Thickness);
    } else {
        setMinimumSize(Thickness, 0);
        setMaximumSize(Thickness, QWIDGETSIZE_MAX);
    }
}

bool TsuiProgressBar::CaptionShown() const
{
    return showCaption_ && (!smartShowCaption_ || Position() != Min());
}

TsuiProgressBar::Face TsuiProgressBar::CurrentFace() const
{
    const int length = orientation_ == suiHorizontal ? width() : height();
    return {GetWidthFromPosition(length - 1), CaptionShown() ? Caption() : QString()};
}

void TsuiProgressBar::resizeEvent(QResizeEvent* event)
{
    TsuiControl::resizeEvent(event);
    shown_ = CurrentFace();
}

QImage TsuiProgressBar::ComposeFace(TTextLayer* text) const
{
    TBitmap b(width(), height());
    b.Canvas().DeferTextTo(text);
    if (orientation_ == suiHorizontal)
        PaintHorizontal(b);
    else
        PaintVertical(b);
    PaintCaption(b);
    TCanvas& canvas = b.Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = borderColor_;
    canvas.FrameRect(Rect(0, 0, width(), height()));
    return b.Image();
}

void TsuiProgressBar::Paint(TCanvas& canvas)
{
    canvas.Draw(0, 0, ComposeFace(canvas.TextLayer()));
}

void TsuiProgressBar::PaintHorizontal(TBitmap& b) const
{
    const int w = std::max(GetWidthFromPosition(b.Width() - 1), 1);
    if (picture_.HasGraphic()) {
        b.SetHeight(picture_.Height() + 2);
        b.Canvas().StretchDraw(Rect(1, 1, w, b.Height() - 1), picture_.Bitmap());
    }
    TCanvas& canvas = b.Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = color_;
    canvas.FillRect(Rect(w, 1, b.Width() - 1, b.Height() - 1));
}

// The filled part grows from the bottom up: the picture's destination runs
// upwards, which draws it mirrored.
void TsuiProgressBar::PaintVertical(TBitmap& b) const
{
    int y = (b.Height() - 1) - GetWidthFromPosition(b.Height() - 1);
    if (y == 0) y = 1;
    if (picture_.HasGraphic()) {
        b.SetWidth(picture_.Width() + 2);
        b.Canvas().StretchDraw(Rect(1, b.Height() - 2, b.Width() - 1, y - 1), picture_.Bitmap());
    }
    TCanvas& canvas = b.Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = color_;
    canvas.FillRect(Rect(1, 1, b.Width() - 1, y));
}

// Drawn in the bitmap's own default font, never the control's.
void TsuiProgressBar::PaintCaption(TBitmap& b) const
{
    if (!CaptionShown()) return;
    TCanvas& canvas = b.Canvas();
    canvas.Font.SetColor(captionColor_);
    canvas.Brush.Style = bsClear;
    const QSize extent = canvas.TextExtent(Caption());
    canvas.TextOut((b.Width() - extent.width()) / 2, (b.Height() - extent.height()) / 2, Caption());
}
