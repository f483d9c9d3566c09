#include "skin/buttons/suiimagebutton.h"

#include "toolkit/canvas.h"

using namespace toolkit;

TsuiImageButton::TsuiImageButton(QObject* owner, QWidget* parent) : TsuiCustomButton(owner, parent)
{
    for (TPicture* picture : {&picNormal_, &picMouseOn_, &picMouseDown_, &picDisabled_})
        connect(picture, &TPicture::OnChange, this, &TsuiImageButton::PictureChanged);
    SetUIStyle(TsuiUIStyle::Custom);
}

TsuiImageButton::~TsuiImageButton() = default;

void TsuiImageButton::SetPicNormal(const TPicture& picture)
{
    picNormal_.Assign(picture);
}

void TsuiImageButton::SetPicMouseOn(const TPicture& picture)
{
    picMouseOn_.Assign(picture);
}

void TsuiImageButton::SetPicMouseDown(const TPicture& picture)
{
    picMouseDown_.Assign(picture);
}

void TsuiImageButton::SetPicDisabled(const TPicture& picture)
{
    picDisabled_.Assign(picture);
}

// Pictures change through their setters and through a layout writing into
// them directly; both land here.
void TsuiImageButton::PictureChanged()
{
    AutoSizeChanged();
    Invalidate();
}

void TsuiImageButton::SetStretch(bool on)
{
    stretch_ = on;
    Invalidate();
}

// A layout may store the size before or after the picture: the size follows
// the picture once everything is read, whatever the order.
void TsuiImageButton::Loaded()
{
    TsuiCustomButton::Loaded();
    AutoSizeChanged();
}

void TsuiImageButton::AutoSizeChanged()
{
    if (IsLoading() || !parentWidget() || !AutoSize() || !picNormal_.HasGraphic()) return;
    SetHeight(picNormal_.Height());
    SetWidth(picNormal_.Width());
}

void TsuiImageButton::CopyOrNormal(const TPicture& own, TBitmap& bitmap) const
{
    if (own.HasGraphic())
        bitmap.Assign(own.Bitmap());
    else if (picNormal_.HasGraphic())
        bitmap.Assign(picNormal_.Bitmap());
}

void TsuiImageButton::FillOwnFace(TBitmap& bitmap, const TsuiFaceState& state)
{
    switch (ButtonFaceFor(state)) {
    case TsuiButtonFace::Normal:
        return CopyOrNormal(picNormal_, bitmap);
    case TsuiButtonFace::MouseOn:
        return CopyOrNormal(picMouseOn_, bitmap);
    case TsuiButtonFace::MouseDown:
        return CopyOrNormal(picMouseDown_, bitmap);
    case TsuiButtonFace::Disabled:
        return CopyOrNormal(picDisabled_, bitmap);
    }
}

void TsuiImageButton::PaintPic(TCanvas& canvas, TBitmap& bitmap)
{
    if (bitmap.Empty()) return;
    bitmap.SetTransparentColor(TopLeftPixel(bitmap.Image()));
    if (stretch_)
        canvas.StretchDraw(Rect(0, 0, width(), height()), bitmap);
    else
        canvas.Draw(0, 0, bitmap);
}
