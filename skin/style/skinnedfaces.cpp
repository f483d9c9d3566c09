#include "skin/style/skinnedfaces.h"

#include "skin/scrolling/suiscrollbar.h"
#include "skin/themes/suipublic.h"
#include "toolkit/canvas.h"
#include "toolkit/imagelist.h"

#include <algorithm>

using namespace toolkit;

namespace skinnedfaces {

namespace {

// Push buttons underline their focus in these styles; the others frame it.
constexpr TColor FocusUnderline = RGBColor(0x00, 0x00, 0xFF);

QImage Blank(QSize size, const QColor& fill)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill.isValid() ? fill : QColor(Qt::transparent));
    return image;
}

} // namespace

bool ButtonShowsParent(TsuiUIStyle style)
{
    return style == TsuiUIStyle::BlueGlass;
}

QImage PushButton(TsuiUIStyle style, const TsuiFaceState& state, QSize size, bool focus, const QColor& fill)
{
    const QImage picture = FaceFor(style, TsuiFace::PushButton, state);
    if (picture.isNull() || size.isEmpty()) return {};
    QImage image = Blank(size, fill);
    TCanvas canvas(&image);
    TBitmap bitmap;
    bitmap.SetImage(picture);
    SpitDraw(bitmap, canvas, Rect(0, 0, size.width(), size.height()), !fill.isValid());
    if (!focus) return image;
    if (style == TsuiUIStyle::MacOS || style == TsuiUIStyle::BlueGlass) {
        canvas.Pen.Color = FocusUnderline;
        canvas.MoveTo(10, size.height() - 5);
        canvas.LineTo(size.width() - 10, size.height() - 5);
    } else {
        canvas.DrawFocusRect(Rect(2, 2, size.width() - 2, size.height() - 2));
    }
    return image;
}

// A radio picture's corners are keyed by its top-left pixel; a check box
// picture is drawn whole.
QImage Indicator(TsuiUIStyle style, TsuiFace face, const TsuiFaceState& state, bool partial)
{
    TsuiFaceState shown = state;
    if (partial) shown.Checked = false;
    const QImage picture = FaceFor(style, face, shown);
    if (picture.isNull()) return {};
    QImage image = Blank(picture.size(), QColor());
    TCanvas canvas(&image);
    TImageList list(picture.width(), picture.height());
    TBitmap bitmap;
    bitmap.SetImage(picture);
    if (face == TsuiFace::RadioButton)
        list.AddMasked(bitmap, QColorToColor(QColor::fromRgb(picture.pixel(0, 0))));
    else
        list.Add(bitmap);
    list.Draw(canvas, 0, 0, 0, true);
    if (partial) {
        // The third state: a square of the font colour where the check goes.
        const int side = std::max(picture.width() / 3, 2);
        const int left = (picture.width() - side) / 2, top = (picture.height() - side) / 2;
        canvas.Brush.Color = GetThemeColor(style, teControlFontColor);
        canvas.Brush.Style = bsSolid;
        canvas.FillRect(Bounds(left, top, side, side));
    }
    return image;
}

int ProgressFilled(int full, int minimum, int maximum, int value)
{
    if (maximum <= minimum || value <= minimum) return 0;
    if (value > maximum) return full;
    return int(qint64(full) * (qint64(value) - minimum) / (qint64(maximum) - minimum));
}

// Composed as the progress bar composes its face: a bitmap as thick as the
// picture and its frame, the filled part stretched from the picture, the
// rest in the control colour, the frame over all.
QImage ProgressBar(TsuiUIStyle style, QSize size, int filled, bool vertical)
{
    const QImage picture = FaceFor(style, TsuiFace::ProgressBar, {.Vertical = vertical});
    if (picture.isNull() || size.isEmpty()) return {};
    TBitmap b(size.width(), size.height());
    TCanvas& canvas = b.Canvas();
    if (!vertical) {
        const int w = std::max(filled, 1);
        b.SetHeight(picture.height() + 2);
        canvas.StretchDraw(Rect(1, 1, w, b.Height() - 1), picture);
        canvas.Brush.Color = GetThemeColor(style, teControlColor);
        canvas.FillRect(Rect(w, 1, b.Width() - 1, b.Height() - 1));
    } else {
        // Filled from the bottom up: the destination runs upwards.
        int y = (b.Height() - 1) - filled;
        if (y == 0) y = 1;
        b.SetWidth(picture.width() + 2);
        canvas.StretchDraw(Rect(1, b.Height() - 2, b.Width() - 1, y - 1), picture);
        canvas.Brush.Color = GetThemeColor(style, teControlColor);
        canvas.FillRect(Rect(1, 1, b.Width() - 1, y));
    }
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = GetThemeColor(style, teControlBorderColor);
    canvas.FrameRect(Rect(0, 0, size.width(), size.height()));
    return b.Image();
}

// Arrows point up and down as stored; turned, up points left.
QImage ScrollArrow(TsuiUIStyle style, TsuiFace face, const TsuiFaceState& state, bool vertical)
{
    TBitmap arrow;
    arrow.SetImage(FaceFor(style, face, state));
    if (arrow.Empty()) return {};
    if (!vertical) RoundPicture(arrow);
    return arrow.Image();
}

QSize ScrollArrowSize(TsuiUIStyle style, TsuiFace face, bool vertical)
{
    const QSize size = FaceFor(style, face, {.Vertical = vertical}).size();
    return vertical ? size : size.transposed();
}

// The track picture holds the thumb's three pieces stacked: turned, they lie
// side by side; a vertical thumb turns each back.
QImage ScrollThumb(TsuiUIStyle style, int length, bool vertical)
{
    constexpr int ThumbThickness = TsuiScrollBar::ThumbThickness;
    TBitmap pieces;
    pieces.SetImage(FaceFor(style, TsuiFace::ScrollThumb));
    if (pieces.Empty() || length <= 0) return {};
    RoundPicture(pieces);
    const int pieceLength = pieces.Width() / 3;
    TBitmap start, middle, end;
    int index = 0;
    for (TBitmap* piece : {&start, &middle, &end}) {
        piece->SetImage(pieces.Image().copy(index++ * pieceLength, 0, pieceLength, ThumbThickness));
        if (vertical && !piece->Empty()) RoundPicture3(*piece);
    }
    TBitmap thumb;
    if (vertical)
        thumb.SetSize(start.Width(), length);
    else
        thumb.SetSize(length, start.Height());
    TCanvas& canvas = thumb.Canvas();
    const TRect fill = vertical ? Rect(0, start.Height(), thumb.Width(), thumb.Height() - end.Height())
                                : Rect(start.Width(), 0, thumb.Width() - end.Width(), thumb.Height());
    canvas.Draw(0, 0, start);
    canvas.Draw(vertical ? 0 : fill.Right, vertical ? fill.Bottom : 0, end);
    if (!middle.Empty()) canvas.StretchDraw(fill, middle);
    return thumb.Image();
}

// The bar picture's ends kept and its middle stretched along the length; the
// vertical bar is the same strip turned.
QImage SliderGroove(TsuiUIStyle style, int length, bool vertical)
{
    TBitmap bar;
    bar.SetImage(FaceFor(style, TsuiFace::TrackBarBar, {.Vertical = vertical}));
    if (bar.Empty() || length <= 0) return {};
    TBitmap strip(length, bar.Height());
    SpitDrawHorizontal(bar, strip.Canvas(), Rect(0, 0, length, bar.Height()), false);
    if (vertical) RoundPicture(strip);
    return strip.Image();
}

QImage SliderHandle(TsuiUIStyle style, bool vertical)
{
    return FaceFor(style, TsuiFace::TrackBarSlider, {.Vertical = vertical});
}

QImage Tab(TsuiUIStyle style, QSize size, bool active)
{
    TBitmap picture;
    picture.SetImage(FaceFor(style, TsuiFace::Tab, {.Checked = active}));
    if (picture.Empty() || size.isEmpty()) return {};
    picture.SetTransparentColor(clFuchsia);
    picture.SetTransparent(true);
    QImage image = Blank(size, QColor());
    TCanvas canvas(&image);
    SpitDrawHorizontal(picture, canvas, Rect(0, 0, size.width(), size.height()), true);
    return image;
}

QImage TabLine(TsuiUIStyle style, int width)
{
    const QImage line = FaceFor(style, TsuiFace::TabLine);
    if (line.isNull() || width <= 0) return {};
    QImage image = Blank(QSize(width, line.height()), QColor());
    TCanvas(&image).StretchDraw(Rect(0, 0, width, line.height()), line);
    return image;
}

} // namespace skinnedfaces
