#include "paint.h"

#include <QTransform>
#include <algorithm>
#include <cmath>

namespace skingen {

QImage blank(int w, int h, QColor fill)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

Pen::Pen(QImage& img) : QPainter(&img)
{
    setRenderHint(QPainter::Antialiasing);
    setPen(Qt::NoPen);
}

static void addStops(QGradient& g, std::initializer_list<std::pair<qreal, QColor>> stops)
{
    for (const auto& [at, colour] : stops)
        g.setColorAt(at, colour);
}

QLinearGradient vertical(qreal y0, qreal y1, std::initializer_list<std::pair<qreal, QColor>> stops)
{
    QLinearGradient g(0, y0, 0, y1);
    addStops(g, stops);
    return g;
}

QLinearGradient horizontal(qreal x0, qreal x1, std::initializer_list<std::pair<qreal, QColor>> stops)
{
    QLinearGradient g(x0, 0, x1, 0);
    addStops(g, stops);
    return g;
}

QPainterPath rounded(const QRectF& r, qreal radius)
{
    QPainterPath path;
    if (radius <= 0)
        path.addRect(r);
    else
        path.addRoundedRect(r, radius, radius);
    return path;
}

QGradient Face::fill(qreal y0, qreal y1) const
{
    if (mid.isValid())
        return vertical(y0, y1, {{0, top}, {0.5, mid}, {1, bottom}});
    return vertical(y0, y1, {{0, top}, {1, bottom}});
}

void drawGloss(QPainter& p, const QRectF& r, qreal radius, qreal opacity)
{
    if (opacity <= 0)
        return;
    const QRectF band(r.left() + 1, r.top() + 1, r.width() - 2, r.height() * 0.45);
    QColor hi(255, 255, 255, int(255 * opacity));
    QColor lo(255, 255, 255, int(255 * opacity * 0.35));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(band.top(), band.bottom(), {{0, hi}, {1, lo}}));
    p.drawPath(rounded(band, std::max<qreal>(0, radius - 1)));
    p.restore();
}

void drawFace(QPainter& p, const QRectF& r, qreal radius, const Face& face)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(face.outline);
    p.drawPath(rounded(r, radius));
    const QRectF body = r.adjusted(1, 1, -1, -1);
    const qreal bodyRadius = std::max<qreal>(0, radius - 1);
    p.setBrush(face.fill(body.top(), body.bottom()));
    p.drawPath(rounded(body, bodyRadius));
    if (face.inner.isValid()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(face.inner, 1));
        p.drawPath(rounded(body.adjusted(0.5, 0.5, -0.5, -0.5), std::max<qreal>(0, bodyRadius - 0.5)));
        p.setPen(Qt::NoPen);
    }
    drawGloss(p, body, bodyRadius, face.gloss);
    p.restore();
}

QPainterPath triangle(QPointF c, qreal s, Dir dir)
{
    // An isoceles arrow head `s` wide at its base and s/2 deep, centred on c.
    const qreal h = s / 2;
    QPolygonF poly;
    switch (dir) {
    case Dir::Up: poly << QPointF(c.x() - h, c.y() + h / 2) << QPointF(c.x() + h, c.y() + h / 2)
                       << QPointF(c.x(), c.y() - h / 2); break;
    case Dir::Down: poly << QPointF(c.x() - h, c.y() - h / 2) << QPointF(c.x() + h, c.y() - h / 2)
                         << QPointF(c.x(), c.y() + h / 2); break;
    case Dir::Left: poly << QPointF(c.x() + h / 2, c.y() - h) << QPointF(c.x() + h / 2, c.y() + h)
                         << QPointF(c.x() - h / 2, c.y()); break;
    case Dir::Right: poly << QPointF(c.x() - h / 2, c.y() - h) << QPointF(c.x() - h / 2, c.y() + h)
                          << QPointF(c.x() + h / 2, c.y()); break;
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath checkMark(const QRectF& b)
{
    QPainterPath stroke;
    stroke.moveTo(b.left() + b.width() * 0.08, b.top() + b.height() * 0.52);
    stroke.lineTo(b.left() + b.width() * 0.38, b.top() + b.height() * 0.85);
    stroke.lineTo(b.left() + b.width() * 0.95, b.top() + b.height() * 0.12);
    QPainterPathStroker stroker;
    stroker.setWidth(std::max<qreal>(1.6, b.width() * 0.2));
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(stroke).simplified();
}

QPainterPath crossGlyph(const QRectF& b, qreal weight)
{
    QPainterPath lines;
    lines.moveTo(b.topLeft());
    lines.lineTo(b.bottomRight());
    lines.moveTo(b.topRight());
    lines.lineTo(b.bottomLeft());
    QPainterPathStroker stroker;
    stroker.setWidth(weight);
    stroker.setCapStyle(Qt::SquareCap);
    return stroker.createStroke(lines).simplified();
}

QColor mix(QColor a, QColor b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

QColor lighter(QColor c, qreal t) { return mix(c, Qt::white, t); }
QColor darker(QColor c, qreal t) { return mix(c, Qt::black, t); }

void keyOutside(QImage& img, const QPainterPath& shape, QColor key)
{
    QImage coverage(img.size(), QImage::Format_Grayscale8);
    coverage.fill(0);
    {
        QPainter p(&coverage);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(shape);
    }
    for (int y = 0; y < img.height(); ++y) {
        const uchar* cov = coverage.constScanLine(y);
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (cov[x] < 128)
                row[x] = key.rgb();
    }
}

void keyRoundCorners(QImage& img, const QRectF& r, qreal radius, QColor key)
{
    QPainterPath inside = rounded(r, radius);
    QPainterPath outside;
    outside.addRect(QRectF(img.rect()));
    keyOutside(img, inside.intersected(outside), key);
}

void scrubNearKey(QImage& img, QColor key)
{
    const QRgb exact = key.rgb();
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = row[x];
            if ((c | 0xFF000000) == (exact | 0xFF000000))
                continue;
            const int d = std::abs(qRed(c) - key.red()) + std::abs(qGreen(c) - key.green()) +
                          std::abs(qBlue(c) - key.blue());
            if (d < 96)
                row[x] = qRgb(qRed(c) * 3 / 4, std::min(255, qGreen(c) + 64), qBlue(c) * 3 / 4);
        }
    }
}

void snapToColour(QImage& img, QColor target, int tolerance)
{
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = row[x];
            if (std::abs(qRed(c) - target.red()) <= tolerance && std::abs(qGreen(c) - target.green()) <= tolerance &&
                std::abs(qBlue(c) - target.blue()) <= tolerance)
                row[x] = target.rgb();
        }
    }
}

QImage turned(const QImage& src, int quarterTurnsClockwise)
{
    return src.transformed(QTransform().rotate(90.0 * quarterTurnsClockwise)).convertToFormat(QImage::Format_RGB32);
}

} // namespace skingen
