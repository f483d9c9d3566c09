#include "skin/themes/suipublic.h"

#include "toolkit/canvas.h"
#include "toolkit/control.h"
#include "toolkit/graphics.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <QMetaProperty>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QTransform>
#include <QVarLengthArray>
#include <QWidget>
#include <algorithm>
#include <array>
#include <optional>

using toolkit::Bounds;
using toolkit::Rect;
using toolkit::TBitmap;
using toolkit::TCanvas;
using toolkit::TColor;
using toolkit::TPoint;
using toolkit::TRect;

namespace {

constexpr QRgb SpitDrawKeyRgb = 0x00FF00FF;

// Nearest-neighbour copy of a part of a picture onto an image, sampled at
// pixel centres as the canvas stretches; pixels of the key colour are skipped.
// Written against scan lines because it runs on every paint of a button.
void Blit(QImage& target, const TRect& dest, const QImage& picture, const TRect& from,
          std::optional<QRgb> key)
{
    const QRect visible = dest.toQRect() & target.rect();
    if (visible.isEmpty()) return;
    auto sample = [](int d, int destLength, int sourceStart, int sourceLength) {
        return sourceStart + int((2LL * d + 1) * sourceLength / (2LL * destLength));
    };
    // Samples outside the picture leave the target as it was.
    const int width = picture.width(), height = picture.height();
    QVarLengthArray<int, 256> columns(visible.width());
    for (int i = 0; i < visible.width(); ++i) {
        const int sx = sample(visible.left() + i - dest.Left, dest.Width(), from.Left, from.Width());
        columns[i] = sx < width ? sx : -1;
    }
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const int sy = sample(y - dest.Top, dest.Height(), from.Top, from.Height());
        if (sy < 0 || sy >= height) continue;
        const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(sy));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y)) + visible.left();
        for (int i = 0; i < int(columns.size()); ++i) {
            if (columns[i] < 0) continue;
            const QRgb pixel = in[columns[i]] | 0xFF000000u;
            if (!key || (pixel & 0x00FFFFFFu) != *key) out[i] = pixel;
        }
    }
}

// Blit writes whole QRgb words, so only these layouts can take it.
bool TakesQRgb(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

// A part of a skin picture and where it goes; pixels of the key are skipped.
struct Piece {
    TRect dest;
    TRect from;
    std::optional<QRgb> key;
    bool Empty() const { return dest.Width() <= 0 || dest.Height() <= 0 || from.Width() <= 0 || from.Height() <= 0; }
};

// The pieces of one picture, in order (later pieces cover earlier ones):
// straight onto the canvas's image when its pixels are QRgb words; for other
// devices onto a transparent layer that one painter puts on the device.
template <std::size_t N>
void DrawPieces(TCanvas& canvas, const QImage& picture, const std::array<Piece, N>& pieces)
{
    if (QImage* image = canvas.Image(); image && TakesQRgb(*image)) {
        for (const Piece& piece : pieces)
            if (!piece.Empty()) Blit(*image, piece.dest, picture, piece.from, piece.key);
        return;
    }
    QRect area;
    for (const Piece& piece : pieces)
        if (!piece.Empty()) area |= piece.dest.toQRect();
    if (area.isEmpty()) return;
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    for (const Piece& piece : pieces) {
        if (piece.Empty()) continue;
        const TRect dest = Rect(piece.dest.Left - area.left(), piece.dest.Top - area.top(),
                                piece.dest.Right - area.left(), piece.dest.Bottom - area.top());
        Blit(layer, dest, picture, piece.from, piece.key);
    }
    QPainter painter(canvas.Device());
    painter.drawImage(area.topLeft(), layer);
}

// A corner of SpitDraw: its part of the picture, the half of the destination
// it may fill, and the sides it is anchored to (which a crop keeps).
struct Corner {
    TRect source;
    TRect half;
    bool right;
    bool bottom;
};

// A corner at its natural size, cropped to its half of the destination. A
// corner with nothing to show covers an empty rectangle at its own corner of
// the destination.
Piece CornerPiece(std::optional<QRgb> key, const Corner& corner, const TRect& rect)
{
    int pw = std::max(0, std::min(corner.source.Width(), corner.half.Width()));
    int ph = std::max(0, std::min(corner.source.Height(), corner.half.Height()));
    if (pw == 0 || ph == 0) pw = ph = 0;
    const int x = corner.right ? rect.Right - pw : 0;
    const int y = corner.bottom ? rect.Bottom - ph : 0;
    const int sx = corner.right ? corner.source.Right - pw : corner.source.Left;
    const int sy = corner.bottom ? corner.source.Bottom - ph : corner.source.Top;
    return {Bounds(x, y, pw, ph), Bounds(sx, sy, pw, ph), key};
}

// Which side of an edge's source survives when its destination is thinner
// across than the source.
enum class Cut { None, KeepLeft, KeepRight, KeepTop, KeepBottom };

// Edges and middle are keyed by magenta whatever the caller asks.
Piece EdgePiece(TRect source, const TRect& dest, Cut cut)
{
    switch (cut) {
    case Cut::None:
        break;
    case Cut::KeepLeft:
        source.Right = source.Left + std::min(source.Width(), dest.Width());
        break;
    case Cut::KeepRight:
        source.Left = source.Right - std::min(source.Width(), dest.Width());
        break;
    case Cut::KeepTop:
        source.Bottom = source.Top + std::min(source.Height(), dest.Height());
        break;
    case Cut::KeepBottom:
        source.Top = source.Bottom - std::min(source.Height(), dest.Height());
        break;
    }
    return {dest, source, SpitDrawKeyRgb};
}

void Turn(TBitmap& bitmap, qreal degrees)
{
    if (!bitmap.Empty()) bitmap.SetImage(bitmap.Image().transformed(QTransform().rotate(degrees)));
}

} // namespace

void SpitDraw(const TBitmap& bitmap, TCanvas& canvas, const TRect& rect, bool transparent)
{
    if (bitmap.Empty()) return;
    const std::optional<QRgb> cornerKey = transparent ? std::optional<QRgb>(SpitDrawKeyRgb) : std::nullopt;

    const int W = bitmap.Width(), H = bitmap.Height();
    const int hw = W / 2, hh = H / 2;
    const int DW = rect.Width(), DH = rect.Height();
    const int dhw = DW / 2, dhh = DH / 2;

    const Piece TL = CornerPiece(cornerKey, {Rect(0, 0, hw, hh), Rect(0, 0, dhw, dhh), false, false}, rect);
    const Piece BL =
        CornerPiece(cornerKey, {Rect(0, H - hh + 1, hw, H), Rect(0, DH - dhh + 1, dhw, DH), false, true}, rect);
    const Piece TR =
        CornerPiece(cornerKey, {Rect(W - hw + 1, 0, W, hh), Rect(DW - dhw + 1, 0, DW, dhh), true, false}, rect);
    const Piece BR = CornerPiece(
        cornerKey, {Rect(W - hw + 1, H - hh + 1, W, H), Rect(DW - dhw + 1, DH - dhh + 1, DW, DH), true, true}, rect);
    // The middle stops a row short and the bottom edge starts a row up and a
    // column left: the one-pixel overlaps belong to the layout, and so does
    // the order.
    DrawPieces(canvas, bitmap.Image(),
               std::array{
                   TL,
                   BL,
                   EdgePiece(Rect(0, hh, hw, H - hh), Rect(0, TL.dest.Bottom, TL.dest.Right, BL.dest.Top),
                             Cut::KeepLeft),
                   TR,
                   BR,
                   EdgePiece(Rect(W - hw + 1, H - hh, W, hh + 2),
                             Rect(TR.dest.Left, TR.dest.Bottom, TR.dest.Right, BR.dest.Top), Cut::KeepRight),
                   EdgePiece(Rect(hw, 0, W - hw + 1, hh), Rect(TL.dest.Right, 0, TR.dest.Left, TL.dest.Bottom),
                             Cut::KeepTop),
                   EdgePiece(Rect(hw, hh, W - hw + 1, H - hh),
                             Rect(TL.dest.Right, TL.dest.Bottom, TR.dest.Left, BR.dest.Top - 1), Cut::None),
                   EdgePiece(Rect(hw, H - hh, W - hw + 1, H),
                             Rect(TL.dest.Right - 1, BL.dest.Top - 1, BR.dest.Left, BR.dest.Bottom), Cut::KeepBottom),
               });
}

void SpitDrawHorizontal(const TBitmap& bitmap, TCanvas& canvas, const TRect& rect, bool transparent)
{
    const int fw = bitmap.Width() / 3, fh = bitmap.Height();
    if (fw == 0 || fh == 0) return;
    const QImage& picture = bitmap.Image();
    const std::optional<QRgb> endKey =
        transparent ? std::optional<QRgb>(picture.pixel(0, 0) & 0x00FFFFFFu) : std::nullopt;
    DrawPieces(canvas, picture,
               std::array{
                   Piece{Bounds(rect.Left, rect.Top, fw, fh), Bounds(0, 0, fw, fh), endKey},
                   Piece{Bounds(rect.Right - fw, rect.Top, fw, fh), Bounds(2 * fw, 0, fw, fh), endKey},
                   Piece{Rect(rect.Left + fw, rect.Top, rect.Right - fw, rect.Bottom), Bounds(fw, 0, fw, fh),
                         std::nullopt},
               });
}

// Whole tiles from the device origin until the first tile edge at or past
// the rectangle's far side. A texture brush anchored at the origin tiles as
// drawTiledPixmap does, in one painter, without a pixmap conversion.
void TileDraw(TCanvas& canvas, const toolkit::TPicture& picture, const TRect& rect)
{
    if (!picture.HasGraphic()) return;
    const int pw = picture.Width(), ph = picture.Height();
    if (pw <= 0 || ph <= 0 || rect.Right <= 0 || rect.Bottom <= 0) return;
    const QRect tiled(0, 0, (rect.Right + pw - 1) / pw * pw, (rect.Bottom + ph - 1) / ph * ph);
    QPainter painter(canvas.Device());
    painter.fillRect(tiled, QBrush(picture.Bitmap().DrawableImage()));
}

// Quarter turns of an image are exact in Qt (no resampling).
void RoundPicture(TBitmap& bitmap)
{
    Turn(bitmap, -90);
}

void RoundPicture3(TBitmap& bitmap)
{
    Turn(bitmap, 90);
}

void DoTrans(TCanvas& canvas, const QWidget* control)
{
    QWidget* parent = control ? control->parentWidget() : nullptr;
    if (!parent) return;
    // Without DrawChildren the siblings stay out of the picture; only the part
    // behind the control reaches the canvas, so only that part is drawn.
    // render() puts the region's top-left corner at the offset.
    const QRect behind = control->geometry() & parent->rect();
    parent->render(canvas.Device(), behind.topLeft() - control->pos(), QRegion(behind), QWidget::DrawWindowBackground);
}

namespace {

// A one-pixel frame inside r, as the canvas's FrameRect draws it, on a
// painter the caller keeps for both frames of a border.
void FrameInside(QPainter& painter, const QRect& r, const QColor& color)
{
    if (r.width() <= 0 || r.height() <= 0) return;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
}

} // namespace

// Runs on every paint of a bordered control: one painter for both frames.
void DrawControlBorder(QWidget* control, TColor borderColor, TColor innerColor)
{
    QPainter painter(control);
    const QRect outer = control->rect();
    FrameInside(painter, outer, toolkit::ColorToQColor(borderColor));
    FrameInside(painter, outer.adjusted(1, 1, -1, -1), toolkit::ColorToQColor(innerColor));
}

void DrawControlBorder(TCanvas& canvas, const TRect& outer, TColor borderColor, TColor innerColor)
{
    canvas.Brush.Color = borderColor;
    canvas.FrameRect(outer);
    canvas.Brush.Color = innerColor;
    canvas.FrameRect(Rect(outer.Left + 1, outer.Top + 1, outer.Right - 1, outer.Bottom - 1));
}

void SetBitmapWindow(QWidget* window, const TBitmap& bitmap, TColor keyColor)
{
    const QImage image = bitmap.Image().convertToFormat(QImage::Format_RGB32);
    const QRgb key = toolkit::ColorToQColor(keyColor).rgb() & 0x00FFFFFFu;
    QRegion region;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < image.width()) {
            while (x < image.width() && (line[x] & 0x00FFFFFFu) == key)
                ++x;
            const int start = x;
            while (x < image.width() && (line[x] & 0x00FFFFFFu) != key)
                ++x;
            if (x > start) region += QRect(start, y, x - start, 1); // rows in order: Qt appends cheaply
        }
    }
    // An empty mask would mean "no mask" to Qt; a region beside the window
    // keeps all of it hidden, as a shape without pixels should.
    window->setMask(region.isEmpty() ? QRegion(-1, -1, 1, 1) : region);
}

bool InRect(int x, int y, const TRect& rect)
{
    return rect.Left <= x && x <= rect.Right && rect.Top <= y && y <= rect.Bottom;
}

bool InRect(const TPoint& point, const TRect& rect)
{
    return InRect(point.X, point.Y, rect);
}

void PlaceControl(QWidget* control, const TPoint& point)
{
    if (auto* toolkitControl = qobject_cast<toolkit::TCustomControl*>(control)) {
        toolkitControl->SetLeft(point.X);
        toolkitControl->SetTop(point.Y);
        return;
    }
    control->move(point.X, control->y());
    control->move(control->x(), point.Y);
}

// A toolkit control is sized through its own setters, so its resize veto
// (CanResize) is asked about each change.
void PlaceControl(QWidget* control, const TRect& rect)
{
    PlaceControl(control, toolkit::Point(rect.Left, rect.Top));
    if (auto* toolkitControl = qobject_cast<toolkit::TCustomControl*>(control)) {
        toolkitControl->SetWidth(rect.Width());
        toolkitControl->SetHeight(rect.Height());
        return;
    }
    control->resize(rect.Width(), control->height());
    control->resize(control->width(), rect.Height());
}

TRect GetWorkAreaRect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? TRect::fromQRect(screen->availableGeometry()) : TRect{};
}

QString PCharToStr(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// Published means designable: the toolkit's base classes declare some
// properties undesignable until a control republishes them.
bool IsHasProperty(const QObject* component, const char* name)
{
    if (!component || !name) return false;
    const QMetaObject* meta = component->metaObject();
    const int index = meta->indexOfProperty(name);
    return index >= 0 && meta->property(index).isDesignable();
}

void SetWinControlTransparent(QWidget* control)
{
    control->setAttribute(Qt::WA_OpaquePaintEvent, false);
    control->setAttribute(Qt::WA_NoSystemBackground, true);
    control->setAutoFillBackground(false);
}
