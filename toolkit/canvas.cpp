#include "toolkit/canvas.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <tuple>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace toolkit {

namespace {

// One painter per operation: every hint that would blur pixels is off, and
// the destructor ends painting on every return path.
class DevicePainter : public QPainter {
public:
    DevicePainter(QPaintDevice* device, const std::optional<QRect>& clip) : QPainter(device)
    {
        setRenderHint(QPainter::Antialiasing, false);
        setRenderHint(QPainter::TextAntialiasing, false);
        setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (clip) setClipRect(*clip);
    }
};

bool Is32Bit(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied;
}

QImage As32Bit(const QImage& image)
{
    if (Is32Bit(image)) return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

QRect Normalized(const TRect& r)
{
    return QRect(QPoint(std::min(r.Left, r.Right), std::min(r.Top, r.Bottom)),
                 QPoint(std::max(r.Left, r.Right) - 1, std::max(r.Top, r.Bottom) - 1));
}

struct PrefixedText {
    QString text;
    int underlined = -1; // index into text, or -1
};

// "&x" underlines x, "&&" is a literal "&", a trailing lone "&" is dropped.
PrefixedText StripPrefix(const QString& s)
{
    PrefixedText out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != u'&') {
            out.text += s[i];
        } else if (i + 1 < s.size() && s[i + 1] == u'&') {
            out.text += u'&';
            ++i;
        } else if (i + 1 < s.size() && out.underlined < 0) {
            out.underlined = int(out.text.size());
        }
    }
    return out;
}

std::atomic<unsigned> fontDatabaseGeneration{0};

// Fonts added or removed change what a face name resolves to.
unsigned FontDatabaseGeneration()
{
    static const bool watching = qGuiApp && QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged,
                                                             [] { ++fontDatabaseGeneration; });
    Q_UNUSED(watching);
    return fontDatabaseGeneration;
}

// Resolving a font and shaping text cost more than painting a caption, and a
// control paints the same caption in the same font on every repaint. Both are
// kept per font, look and device resolution (per thread, as QFont is not
// thread-safe) until the font database changes.
// Text shaped once: its glyph runs and the baseline they are placed on.
struct ShapedText {
    QList<QGlyphRun> runs;
    qreal ascent = 0;
};

// A grid paints every visible cell's text each time: the bound holds a
// screenful of distinct cells, or each repaint would shape them all again.
constexpr qsizetype TextsKeptPerFont = 4096;

struct ResolvedFont {
    QFont font;
    QFontMetrics metrics;
    QHash<QString, int> advances;
    QHash<QString, ShapedText> shaped;

    int Advance(const QString& text)
    {
        if (const auto found = advances.constFind(text); found != advances.cend()) return *found;
        if (advances.size() >= TextsKeptPerFont) advances.clear();
        return advances[text] = metrics.horizontalAdvance(text);
    }

    const ShapedText& Shape(const QString& text, const QPaintDevice* device)
    {
        if (const auto found = shaped.constFind(text); found != shaped.cend()) return *found;
        if (shaped.size() >= TextsKeptPerFont) shaped.clear();
        QTextLayout layout(text, font, device);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        return shaped[text] = ShapedText{layout.glyphRuns(), line.ascent()};
    }
};

// aliased: the look text is drawn with; otherwise the font as set, which is
// what text is measured with.
ResolvedFont& Resolve(const TFont& font, bool aliased, const QPaintDevice* device)
{
    using Key = std::tuple<QString, int, int, bool, int>;
    thread_local std::map<Key, ResolvedFont> resolved;
    thread_local unsigned generation = 0;
    const unsigned current = FontDatabaseGeneration();
    // Room for a font list drawing each family in its own face, measured and
    // drawn (two entries a family): a smaller bound empties the cache on
    // every opening of a list with a few dozen families.
    if (generation != current || resolved.size() >= 512) {
        resolved.clear();
        generation = current;
    }
    const Key key{font.Name(), font.Height(), font.Style().toInt(), aliased, device->logicalDpiY()};
    if (auto found = resolved.find(key); found != resolved.end()) return found->second;
    QFont qfont = font.toQFont();
    // The painter's text hint alone does not reach every font engine.
    if (aliased) qfont.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(qfont, device);
    return resolved.try_emplace(key, ResolvedFont{qfont, metrics, {}, {}}).first->second;
}

// Source row (or column) sampled by destination index d of n, centre-based.
int Sample(int d, int n, int sourceStart, int sourceLength, bool mirrored)
{
    const int k = mirrored ? n - 1 - d : d;
    return sourceStart + int((2LL * k + 1) * sourceLength / (2LL * n));
}

} // namespace

QRect CoveredRect(const TRect& dest)
{
    // A mirrored extent covers Bottom+1..Top, as a negative-extent blit does.
    const int left = dest.Right < dest.Left ? dest.Right + 1 : dest.Left;
    const int top = dest.Bottom < dest.Top ? dest.Bottom + 1 : dest.Top;
    return QRect(left, top, std::abs(dest.Width()), std::abs(dest.Height()));
}

QImage StretchNearest(const QImage& source, const TRect& sourceRect, const TRect& dest)
{
    const QRect out = CoveredRect(dest);
    const QRect in = CoveredRect(sourceRect);
    if (out.isEmpty() || in.isEmpty() || source.isNull()) return {};
    const QImage src = As32Bit(source);
    const bool mirrorX = (dest.Right < dest.Left) != (sourceRect.Right < sourceRect.Left);
    const bool mirrorY = (dest.Bottom < dest.Top) != (sourceRect.Bottom < sourceRect.Top);
    // Samples outside the source stay transparent, leaving the canvas as it was.
    QImage result(out.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    std::vector<int> columns(out.width());
    for (int dx = 0; dx < out.width(); ++dx)
        columns[dx] = Sample(dx, out.width(), in.left(), in.width(), mirrorX);
    for (int dy = 0; dy < out.height(); ++dy) {
        const int sy = Sample(dy, out.height(), in.top(), in.height(), mirrorY);
        if (sy < 0 || sy >= src.height()) continue;
        const auto* from = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        auto* to = reinterpret_cast<QRgb*>(result.scanLine(dy));
        for (int dx = 0; dx < out.width(); ++dx) {
            const int sx = columns[dx];
            if (sx >= 0 && sx < src.width()) to[dx] = from[sx];
        }
    }
    return result;
}

TCanvas::TCanvas(QImage* image) : device_(image), image_(image)
{
    if (!image_->isNull() && !Is32Bit(*image_)) *image_ = As32Bit(*image_);
}

TCanvas::TCanvas(QPaintDevice* device) : device_(device), image_(dynamic_cast<QImage*>(device)) {}

void TCanvas::FillWithBrush(QPainter& painter, const QRect& r) const
{
    if (Brush.Style == bsClear || r.isEmpty()) return;
    if (Brush.Bitmap && !Brush.Bitmap->Empty()) {
        painter.setBrushOrigin(0, 0);
        painter.fillRect(r, QBrush(Brush.Bitmap->Image()));
    } else {
        painter.fillRect(r, ColorToQColor(Brush.Color));
    }
}

void TCanvas::FillRect(const TRect& r)
{
    if (r.Left == r.Right || r.Top == r.Bottom) return;
    DevicePainter painter(device_, clip_);
    FillWithBrush(painter, Normalized(r));
}

void TCanvas::FrameRect(const TRect& r)
{
    if (r.Left == r.Right || r.Top == r.Bottom) return;
    const QRect q = Normalized(r);
    DevicePainter painter(device_, clip_);
    FillWithBrush(painter, QRect(q.left(), q.top(), q.width(), 1));
    FillWithBrush(painter, QRect(q.left(), q.bottom(), q.width(), 1));
    FillWithBrush(painter, QRect(q.left(), q.top() + 1, 1, q.height() - 2));
    FillWithBrush(painter, QRect(q.right(), q.top() + 1, 1, q.height() - 2));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (left == right || top == bottom) return;
    const QRect q = Normalized(Rect(left, top, right, bottom));
    DevicePainter painter(device_, clip_);
    if (Pen.Style == psClear) {
        FillWithBrush(painter, q);
        return;
    }
    const int w = std::max(1, Pen.Width);
    FillWithBrush(painter, q.adjusted(w, w, -w, -w));
    if (Pen.Style == psSolid) {
        const QColor color = ColorToQColor(Pen.Color);
        const int side = std::max(0, q.height() - 2 * w);
        painter.fillRect(QRect(q.left(), q.top(), q.width(), std::min(w, q.height())), color);
        painter.fillRect(
            QRect(q.left(), std::max(q.top(), q.bottom() + 1 - w), q.width(), std::min(w, q.height())),
            color);
        painter.fillRect(QRect(q.left(), q.top() + w, std::min(w, q.width()), side), color);
        painter.fillRect(
            QRect(std::max(q.left(), q.right() + 1 - w), q.top() + w, std::min(w, q.width()), side), color);
        return;
    }
    const TPoint corners[] = {
        {q.left(), q.top()}, {q.right(), q.top()}, {q.right(), q.bottom()}, {q.left(), q.bottom()}};
    for (int i = 0; i < 4; ++i)
        Line(painter, corners[i], corners[(i + 1) % 4]);
}

// Bresenham without the end point; a wide pen stamps a square per pixel.
void TCanvas::Line(QPainter& painter, TPoint from, TPoint to)
{
    if (Pen.Style == psClear || from == to) return;
    const QColor color = ColorToQColor(Pen.Color);
    const int w = std::max(1, Pen.Width);
    const int half = (w - 1) / 2;
    if (Pen.Style == psSolid && (from.X == to.X || from.Y == to.Y)) {
        // Straight lines in one fill: from the start up to, not including, the end.
        const int x0 = from.X <= to.X ? from.X : to.X + 1;
        const int x1 = from.X <= to.X ? std::max(from.X, to.X - 1) : from.X;
        const int y0 = from.Y <= to.Y ? from.Y : to.Y + 1;
        const int y1 = from.Y <= to.Y ? std::max(from.Y, to.Y - 1) : from.Y;
        painter.fillRect(QRect(QPoint(x0 - half, y0 - half), QPoint(x1 - half + w - 1, y1 - half + w - 1)),
                         color);
        return;
    }
    const int dx = std::abs(to.X - from.X), sx = from.X < to.X ? 1 : -1;
    const int dy = -std::abs(to.Y - from.Y), sy = from.Y < to.Y ? 1 : -1;
    int err = dx + dy;
    int x = from.X, y = from.Y;
    for (int i = 0; x != to.X || y != to.Y; ++i) {
        if (Pen.Style == psSolid || i % 2 == 0) painter.fillRect(QRect(x - half, y - half, w, w), color);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void TCanvas::LineTo(int x, int y)
{
    {
        DevicePainter painter(device_, clip_);
        Line(painter, penPos_, {x, y});
    }
    penPos_ = {x, y};
}

void TCanvas::Polyline(const std::vector<TPoint>& points)
{
    if (points.empty()) return;
    DevicePainter painter(device_, clip_);
    for (size_t i = 1; i < points.size(); ++i)
        Line(painter, points[i - 1], points[i]);
    penPos_ = points.back();
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    if (points.size() < 2) return;
    DevicePainter painter(device_, clip_);
    if (Brush.Style != bsClear && points.size() >= 3) {
        QPolygon polygon;
        for (const TPoint& p : points)
            polygon << p.toQPoint();
        painter.setPen(Qt::NoPen);
        if (Brush.Bitmap && !Brush.Bitmap->Empty()) {
            painter.setBrushOrigin(0, 0);
            painter.setBrush(QBrush(Brush.Bitmap->Image()));
        } else {
            painter.setBrush(ColorToQColor(Brush.Color));
        }
        painter.drawPolygon(polygon);
    }
    for (size_t i = 0; i < points.size(); ++i)
        Line(painter, points[i], points[(i + 1) % points.size()]);
}

QSize TCanvas::TextExtent(const QString& text) const
{
    ResolvedFont& measured = Resolve(Font, false, device_);
    return {measured.Advance(text), measured.metrics.height()};
}

void TCanvas::DrawTextCell(QPainter& painter, int x, int y, const QString& text, int underlined,
                           const std::optional<QRect>& within)
{
    ResolvedFont& drawn = Resolve(Font, true, device_);
    const QFontMetrics& metrics = drawn.metrics;
    FillWithBrush(painter, QRect(x, y, drawn.Advance(text), metrics.height()));
    const QColor color = ColorToQColor(Font.Color());
    const int baseline = y + metrics.ascent();
    QRect underline;
    if (underlined >= 0 && underlined < text.size()) {
        const int ux = x + metrics.horizontalAdvance(text.left(underlined));
        const int uw = metrics.horizontalAdvance(text.mid(underlined, 1));
        const int uy = y + metrics.ascent() + metrics.underlinePos();
        underline = QRect(ux, uy, uw, std::max(1, metrics.lineWidth()));
    }
    if (textLayer_) {
        textLayer_->push_back({drawn.font, color, QPoint(x, baseline), text, underline, within});
        return;
    }
    painter.setPen(color);
    if (Font.Style() & (fsUnderline | fsStrikeOut)) {
        // Glyph runs would place these lines a pixel away from where text drawing does.
        painter.setFont(drawn.font);
        painter.drawText(QPoint(x, baseline), text);
    } else {
        // The same pixels as drawing the text, without shaping it again.
        const ShapedText& shape = drawn.Shape(text, device_);
        for (const QGlyphRun& run : shape.runs)
            painter.drawGlyphRun(QPointF(x, baseline - shape.ascent), run);
    }
    if (!underline.isEmpty()) painter.fillRect(underline, color);
}

QRect TTextCell::Bounds() const
{
    const QFontMetrics metrics(Font);
    const QRect cell(Baseline.x(), Baseline.y() - metrics.ascent(), metrics.horizontalAdvance(Text) + 1,
                     metrics.height());
    // Glyphs drawn at a higher resolution may reach a pixel past the cell.
    const QRect all = cell.united(Underline).adjusted(-1, -1, 1, 1);
    return Clip ? all.intersected(*Clip) : all;
}

void TTextCell::Draw(QPainter& painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    if (Clip) painter.setClipRect(*Clip, Qt::IntersectClip);
    painter.setFont(Font);
    painter.setPen(Color);
    painter.drawText(Baseline, Text);
    if (!Underline.isEmpty()) painter.fillRect(Underline, Color);
    painter.restore();
}

bool KeepsTextApart(const QPaintDevice& device)
{
    return device.devicePixelRatioF() > 1;
}

namespace {

// Each of `count` pixels twice in a row: the common ratio 2, which is most of
// a paint's cost on such a screen, four pixels at a time where SSE2 is there.
void RepeatTwice(const QRgb* from, int count, QRgb* to)
{
    int x = 0;
#if defined(__SSE2__)
    for (; x + 4 <= count; x += 4) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 2 * x), _mm_unpacklo_epi32(four, four));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 2 * x + 4), _mm_unpackhi_epi32(four, four));
    }
#endif
    for (; x < count; ++x) to[2 * x] = to[2 * x + 1] = from[x];
}

// Rows `area` of a 32-bit picture with every pixel repeated `ratio` times
// across and down, written into the top of `into` (wide enough for them).
void Enlarge(const QImage& source, const QRect& area, int ratio, QImage& into)
{
    const qsizetype rowBytes = qsizetype(area.width()) * ratio * sizeof(QRgb);
    for (int y = 0; y < area.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(area.top() + y)) + area.left();
        auto* to = reinterpret_cast<QRgb*>(into.scanLine(y * ratio));
        if (ratio == 2) {
            RepeatTwice(from, area.width(), to);
        } else {
            for (int x = 0, at = 0; x < area.width(); ++x)
                for (int k = 0; k < ratio; ++k) to[at++] = from[x];
        }
        for (int copy = 1; copy < ratio; ++copy) std::memcpy(into.scanLine(y * ratio + copy), to, rowBytes);
    }
}

// Qt enlarges a picture quickly only inside a rectangular clip; a window
// painted around its children is clipped to a region, where each span is
// sampled through the general transform at several times the cost. At a
// whole device ratio the picture is enlarged here and copied pixel for pixel.
bool DrawEnlarged(QPainter& painter, QPoint at, const QImage& picture, const QRect& area)
{
    const QTransform world = painter.worldTransform(), device = painter.deviceTransform();
    const qreal ratio = device.m11();
    const int whole = int(ratio);
    if (whole < 2 || whole != ratio || device.m22() != ratio || device.type() != QTransform::TxScale ||
        world.type() > QTransform::TxTranslate || area.isEmpty())
        return false;
    // Device pixels for logical units: the painter's own enlarging undone.
    painter.setWorldTransform(QTransform::fromScale(1.0 / whole, 1.0 / whole) * world);
    // In bands, so the enlarged rows are still in the cache when they are
    // copied; one band buffer serves them all.
    constexpr int BandRows = 16;
    const QImage source = As32Bit(picture);
    QImage enlarged(area.width() * whole, std::min(BandRows, area.height()) * whole, source.format());
    for (int top = area.top(); top <= area.bottom(); top += BandRows) {
        const QRect band(area.left(), top, area.width(), std::min(BandRows, area.bottom() + 1 - top));
        Enlarge(source, band, whole, enlarged);
        painter.drawImage(QRect((band.topLeft() + at) * whole, band.size() * whole), enlarged,
                          QRect(QPoint(), band.size() * whole));
    }
    painter.setWorldTransform(world);
    return true;
}

} // namespace

void DrawPicture(QPainter& painter, QPoint at, const QImage& picture, const TTextLayer& text, const QRect& area)
{
    painter.save();
    // A painter handed over by Qt (an item view's) may smooth what it enlarges.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!DrawEnlarged(painter, at, picture, area & picture.rect())) painter.drawImage(area.translated(at), picture, area);
    if (!text.empty()) {
        painter.translate(at);
        painter.setClipRect(area, Qt::IntersectClip);
        for (const TTextCell& cell : text) cell.Draw(painter);
    }
    painter.restore();
}

QList<QRect> TextAreas(const TTextLayer& text)
{
    QList<QRect> areas;
    for (const TTextCell& cell : text) areas.append(cell.Bounds());
    return areas;
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    DevicePainter painter(device_, clip_);
    DrawTextCell(painter, x, y, text, -1, clip_);
    penPos_ = {x + TextWidth(text), y};
}

int TCanvas::DrawText(const QString& text, TRect& rect, unsigned flags)
{
    const PrefixedText shown = (flags & DT_NOPREFIX) ? PrefixedText{text, -1} : StripPrefix(text);
    const QSize extent = TextExtent(shown.text);
    if (flags & DT_CALCRECT) {
        rect.Right = rect.Left + extent.width();
        rect.Bottom = rect.Top + extent.height();
        return extent.height();
    }
    if (rect.IsEmpty()) return extent.height();
    int x = rect.Left;
    if (flags & DT_CENTER)
        x = rect.Left + (rect.Width() - extent.width()) / 2;
    else if (flags & DT_RIGHT)
        x = rect.Right - extent.width();
    const int y = (flags & DT_VCENTER) ? rect.Top + (rect.Height() - extent.height()) / 2 : rect.Top;
    const QRect within = ClippedTo(rect.toQRect());
    DevicePainter painter(device_, within);
    DrawTextCell(painter, x, y, shown.text, shown.underlined, within);
    return extent.height();
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap)
{
    if (!bitmap.Empty()) Draw(x, y, bitmap.DrawableImage());
}

void TCanvas::Draw(int x, int y, const QImage& image)
{
    if (image.isNull()) return;
    DevicePainter painter(device_, clip_);
    painter.drawImage(QPoint(x, y), image);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap)
{
    if (!bitmap.Empty()) StretchDraw(dest, bitmap.DrawableImage());
}

void TCanvas::StretchDraw(const TRect& dest, const QImage& image)
{
    CopyRect(dest, image, Rect(0, 0, image.width(), image.height()));
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect)
{
    if (source.image_) CopyRect(dest, *source.image_, sourceRect);
}

void TCanvas::CopyRect(const TRect& dest, const QImage& source, const TRect& sourceRect)
{
    const QImage stretched = StretchNearest(source, sourceRect, dest);
    if (stretched.isNull()) return;
    DevicePainter painter(device_, clip_);
    painter.drawImage(CoveredRect(dest).topLeft(), stretched);
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    if (r.IsEmpty()) return;
    const QRect q = r.toQRect();
    std::vector<QPoint> dots;
    auto add = [&](int x, int y) {
        if ((x + y) % 2 == 0) dots.emplace_back(x, y);
    };
    for (int x = q.left(); x <= q.right(); ++x) {
        add(x, q.top());
        if (q.bottom() > q.top()) add(x, q.bottom());
    }
    for (int y = q.top() + 1; y < q.bottom(); ++y) {
        add(q.left(), y);
        if (q.right() > q.left()) add(q.right(), y);
    }
    if (image_) {
        const QRect bounds = clip_ ? image_->rect() & *clip_ : image_->rect();
        for (const QPoint& p : dots)
            if (bounds.contains(p)) image_->setPixel(p, image_->pixel(p) ^ 0x00FFFFFFu);
        return;
    }
    DevicePainter painter(device_, clip_);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (const QPoint& p : dots)
        painter.fillRect(QRect(p, QSize(1, 1)), Qt::white);
}

TColor TCanvas::Pixel(int x, int y) const
{
    if (!image_ || !image_->valid(x, y)) return clNone;
    return QColorToColor(QColor::fromRgb(image_->pixel(x, y)));
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (image_ && image_->valid(x, y) && (!clip_ || clip_->contains(x, y)))
        image_->setPixel(x, y, ColorToQColor(color).rgb());
}

void TCanvas::SetClipRect(const TRect& r)
{
    clip_ = r.toQRect();
}

void TCanvas::ResetClipRect()
{
    clip_.reset();
}

TRect TCanvas::ClipRect() const
{
    const QRect whole(0, 0, device_->width(), device_->height());
    return TRect::fromQRect(clip_ ? whole & *clip_ : whole);
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const QString& text)
{
    const QRect box = rect.toQRect();
    const QRect within = ClippedTo(box);
    DevicePainter painter(device_, within);
    FillWithBrush(painter, box);
    DrawTextCell(painter, x, y, text, -1, within);
}

TCanvas& TBitmap::Canvas()
{
    if (!canvas_) canvas_.reset(new TCanvas(&image_));
    return *canvas_;
}

void TBitmap::CanvasDeleter::operator()(TCanvas* canvas) const
{
    delete canvas;
}

} // namespace toolkit
