#pragma once
// A canvas with the classic device semantics over QPainter, so that no control
// has to remember where Qt differs:
//  - rectangles exclude their right and bottom edge; FillRect fills exactly
//    the rectangle, FrameRect and Rectangle draw inside it;
//  - LineTo does not paint its end point (Polyline likewise);
//  - stretching is nearest-neighbour; a destination whose Bottom lies above
//    its Top (or Right left of Left) covers rows Bottom+1..Top and is drawn
//    mirrored;
//  - text cells are placed by their top-left corner;
//  - no antialiasing of any kind, text included, so pixels are predictable.
// Each operation opens its own painter on the device and closes it before
// returning, so the device (a QImage) can be read or resized between calls.

#include "toolkit/graphics.h"
#include "toolkit/types.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

class QPainter;
class QPaintDevice;

namespace toolkit {

enum TPenStyle { psSolid, psDot, psClear };
enum TBrushStyle { bsSolid, bsClear };

/// The canvas pen: colour, width and style of lines and outlines.
struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
};

/// The canvas brush: colour and style of fills.
struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    // When set, a pattern tiled from the device origin replaces the colour.
    const TBitmap* Bitmap = nullptr;
};

// DrawText flags; text is always laid out as a single line.
enum : unsigned {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_SINGLELINE = 0x20,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
};

// What an item is drawn as.
using TOwnerDrawState = unsigned;
enum : unsigned {
    odSelected = 0x1,
    odDisabled = 0x4,
    odFocused = 0x10,
    odComboBoxEdit = 0x1000, // the item shown in the closed box's field
};

/// A line of text a canvas left out of its image (its background cell is in the
/// image), to be drawn over the image on a denser device: crisp there instead
/// of enlarged with the pixels around it.
struct TTextCell {
    QFont Font;
    QColor Color;
    QPoint Baseline;
    QString Text;
    QRect Underline; // empty without an underlined character
    std::optional<QRect> Clip;

    QRect Bounds() const;
    void Draw(QPainter& painter) const;
};
using TTextLayer = std::vector<TTextCell>;

// Whether a picture composed for `device` keeps its text apart: on a denser
// device, where the picture is enlarged and its text would be too.
bool KeepsTextApart(const QPaintDevice& device);
// Draws a picture composed at 1:1 in device-independent pixels with its
// top-left corner at `at`, then the text kept apart from it over it: on a
// denser device the painter enlarges the picture with nearest neighbour and
// draws the text at the device's resolution. Only `area` of the picture (its
// own coordinates) is drawn.
void DrawPicture(QPainter& painter, QPoint at, const QImage& picture, const TTextLayer& text, const QRect& area);
inline void DrawPicture(QPainter& painter, QPoint at, const QImage& picture, const TTextLayer& text)
{
    DrawPicture(painter, at, picture, text, picture.rect());
}
// Where the text's cells lie, in the picture's coordinates.
QList<QRect> TextAreas(const TTextLayer& text);

/// Drawing onto a control's off-screen picture with a pen, a brush and a font: rectangles, lines, polygons,
/// text, pictures, pixels.
class TCanvas {
public:
    explicit TCanvas(QImage* image);
    // Any paint device; pixel reads and the focus rectangle need a raster one.
    explicit TCanvas(QPaintDevice* device);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;

    QPaintDevice* Device() const { return device_; }
    // The image behind the canvas, or null for other devices.
    QImage* Image() const { return image_; }
    // From now on text goes into `layer` instead of onto the device (null:
    // onto the device again).
    void DeferTextTo(TTextLayer* layer) { textLayer_ = layer; }
    // Text goes into `layer` when the picture will be shown on `screen` and
    // it keeps its text apart there (see KeepsTextApart).
    void DeferTextFor(const QPaintDevice& screen, TTextLayer& layer)
    {
        if (KeepsTextApart(screen)) DeferTextTo(&layer);
    }
    // Where this canvas keeps its text apart, if it does: a picture composed
    // elsewhere and drawn here 1:1 at (0, 0) may keep its text there too.
    TTextLayer* TextLayer() const { return textLayer_; }

    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    void LineTo(int x, int y);
    TPoint PenPos() const { return penPos_; }
    void Polyline(const std::vector<TPoint>& points);
    void Polygon(const std::vector<TPoint>& points);

    void TextOut(int x, int y, const QString& text);
    QSize TextExtent(const QString& text) const;
    int TextWidth(const QString& text) const { return TextExtent(text).width(); }
    int TextHeight(const QString& text) const { return TextExtent(text).height(); }
    // Returns the text height; with DT_CALCRECT only sets rect's Right and
    // Bottom to the text's extent and draws nothing.
    int DrawText(const QString& text, TRect& rect, unsigned flags);
    // Fills rect with the brush and draws the text cell at (x, y), all of it
    // clipped to rect.
    void TextRect(const TRect& rect, int x, int y, const QString& text);

    // Every later operation, pixel writes included, stays inside r (device
    // coordinates) until the clip is reset. ClipRect is the device's whole
    // area without one.
    void SetClipRect(const TRect& r);
    void ResetClipRect();
    TRect ClipRect() const;

    void Draw(int x, int y, const TBitmap& bitmap);
    void Draw(int x, int y, const QImage& image);
    void StretchDraw(const TRect& dest, const TBitmap& bitmap);
    void StretchDraw(const TRect& dest, const QImage& image);
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
    void CopyRect(const TRect& dest, const QImage& source, const TRect& sourceRect);

    // Inverts every other pixel of a one-pixel frame inside r, on a
    // checkerboard anchored at the device origin; drawing it twice restores
    // the original pixels.
    void DrawFocusRect(const TRect& r);

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    /// Pixels[x][y] reads and writes single pixels (outside: reads clNone).
    class PixelRef {
    public:
        PixelRef(TCanvas* canvas, int x, int y) : canvas_(canvas), x_(x), y_(y) {}
        operator TColor() const { return canvas_->Pixel(x_, y_); }
        PixelRef& operator=(TColor color)
        {
            canvas_->SetPixel(x_, y_, color);
            return *this;
        }

    private:
        TCanvas* canvas_;
        int x_, y_;
    };
    /// One column of Pixels[x][y].
    class PixelColumn {
    public:
        PixelColumn(TCanvas* canvas, int x) : canvas_(canvas), x_(x) {}
        PixelRef operator[](int y) const { return {canvas_, x_, y}; }

    private:
        TCanvas* canvas_;
        int x_;
    };
    /// The canvas's Pixels[x][y].
    class PixelAccess {
    public:
        explicit PixelAccess(TCanvas* canvas) : canvas_(canvas) {}
        PixelColumn operator[](int x) const { return {canvas_, x}; }

    private:
        TCanvas* canvas_;
    };
    PixelAccess Pixels{this};

private:
    void Line(QPainter& painter, TPoint from, TPoint to);
    void FillWithBrush(QPainter& painter, const QRect& r) const;
    // `within`: where the painter is clipped to, which text kept apart keeps.
    void DrawTextCell(QPainter& painter, int x, int y, const QString& text, int underlined,
                      const std::optional<QRect>& within);
    // The canvas's clip narrowed to r.
    QRect ClippedTo(const QRect& r) const { return clip_ ? r & *clip_ : r; }

    QPaintDevice* device_;
    TTextLayer* textLayer_ = nullptr;
    QImage* image_;
    TPoint penPos_;
    std::optional<QRect> clip_;
};

// The image scaled nearest-neighbour into the (possibly mirrored) size of
// dest; each destination pixel samples the source at its centre.
QImage StretchNearest(const QImage& source, const TRect& sourceRect, const TRect& dest);
// The rectangle a possibly mirrored destination covers on the device.
QRect CoveredRect(const TRect& dest);

} // namespace toolkit
