#include "families.h"

#include <QTransform>
#include <algorithm>
#include <cmath>

namespace skingen {

void uniformColumns(QImage& img, int x0, int x1, int source)
{
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = std::max(0, x0); x < std::min(img.width(), x1); ++x)
            row[x] = row[source];
    }
}

void uniformRows(QImage& img, int y0, int y1, int source)
{
    const QImage line = img.copy(0, source, img.width(), 1);
    for (int y = std::max(0, y0); y < std::min(img.height(), y1); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(line.constScanLine(0)), img.width(),
                    reinterpret_cast<QRgb*>(img.scanLine(y)));
}

QImage pushButton(QSize size, const QRectF& r, qreal radius, const Face& face, QColor corner, bool keyCorners)
{
    QImage img = blank(size.width(), size.height(), corner);
    {
        Pen p(img);
        drawFace(p, r, radius, face);
    }
    // SpitDraw stretches the centre column(s) along x; keep everything between
    // the rounded ends identical to them.
    const int end = int(std::ceil(radius)) + 1;
    uniformColumns(img, end, size.width() - end, size.width() / 2);
    if (keyCorners)
        keyOutside(img, rounded(r, radius));
    return img;
}

QImage checkBox(QSize size, const QRectF& box, qreal radius, const Face& face, QColor background, QColor mark,
                bool checked)
{
    QImage img = blank(size.width(), size.height(), background);
    Pen p(img);
    drawFace(p, box, radius, face);
    if (checked) {
        p.setBrush(mark);
        p.drawPath(checkMark(box.adjusted(box.width() * 0.2, box.height() * 0.22, -box.width() * 0.18,
                                          -box.height() * 0.2)));
    }
    return img;
}

QImage radioButton(QSize size, const QRectF& circle, const Face& face, QColor background, QColor dot, bool checked)
{
    QImage img = blank(size.width(), size.height(), background);
    {
        Pen p(img);
        p.setBrush(face.outline);
        p.drawEllipse(circle);
        const QRectF body = circle.adjusted(1, 1, -1, -1);
        p.setBrush(face.fill(body.top(), body.bottom()));
        p.drawEllipse(body);
        if (face.inner.isValid()) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(face.inner, 1));
            p.drawEllipse(body.adjusted(0.5, 0.5, -0.5, -0.5));
            p.setPen(Qt::NoPen);
        }
        if (face.gloss > 0) {
            const QRectF band(body.left() + 1, body.top() + 0.5, body.width() - 2, body.height() * 0.5);
            p.setBrush(vertical(band.top(), band.bottom(),
                                {{0, QColor(255, 255, 255, int(255 * face.gloss))}, {1, QColor(255, 255, 255, 0)}}));
            p.drawEllipse(band);
        }
        if (checked) {
            const qreal d = circle.width() * 0.4;
            const QRectF dotRect(circle.center().x() - d / 2, circle.center().y() - d / 2, d, d);
            QRadialGradient g(dotRect.center() - QPointF(d * 0.15, d * 0.2), d * 0.7);
            g.setColorAt(0, lighter(dot, 0.45));
            g.setColorAt(1, dot);
            p.setBrush(g);
            p.drawEllipse(dotRect);
        }
    }
    QPainterPath shape;
    shape.addEllipse(circle);
    keyOutside(img, shape);
    return img;
}

QImage scrollButton(QSize size, const QRectF& r, qreal radius, const Face& face, QColor background, QColor arrow,
                    Dir dir)
{
    QImage img = blank(size.width(), size.height(), background);
    Pen p(img);
    drawFace(p, r, radius, face);
    const qreal s = std::min(r.width(), r.height()) * 0.5;
    p.setBrush(arrow);
    p.drawPath(triangle(r.center(), std::round(s / 2) * 2, dir));
    return img;
}

QImage scrollThumb(QSize size, const QRectF& r, qreal radius, const QColor& left, const QColor& right, QColor outline,
                   QColor background, bool grip)
{
    QImage img = blank(size.width(), size.height(), background);
    const int third = size.height() / 3;
    {
        Pen p(img);
        p.setBrush(outline);
        p.drawPath(rounded(r, radius));
        const QRectF body = r.adjusted(1, 1, -1, -1);
        p.setBrush(horizontal(body.left(), body.right(), {{0, left}, {0.45, lighter(left, 0.25)}, {1, right}}));
        p.drawPath(rounded(body, std::max<qreal>(0, radius - 1)));
        // A soft shine down the left third of the thumb, like a lit cylinder.
        p.setBrush(horizontal(body.left(), body.right(),
                              {{0, QColor(255, 255, 255, 0)}, {0.3, QColor(255, 255, 255, 110)},
                               {0.55, QColor(255, 255, 255, 0)}}));
        p.drawPath(rounded(body.adjusted(1, 0, -1, 0), std::max<qreal>(0, radius - 1)));
    }
    uniformRows(img, third, 2 * third, size.height() / 2);
    if (grip) {
        // Grip ridges sit on the caps, which are drawn unstretched.
        Pen p(img);
        p.setRenderHint(QPainter::Antialiasing, false);
        for (int cap : {third - 2, 2 * third + 1}) {
            p.setPen(darker(left, 0.25));
            p.drawLine(int(r.left()) + 4, cap, int(r.right()) - 5, cap);
        }
    }
    return img;
}

QImage trackBar(QSize size, qreal grooveHeight, const Face& groove, QColor background)
{
    QImage img = blank(size.width(), size.height(), background);
    {
        Pen p(img);
        const QRectF r(1, (size.height() - grooveHeight) / 2, size.width() - 2, grooveHeight);
        drawFace(p, r, grooveHeight / 2, groove);
    }
    const int frame = size.width() / 3;
    uniformColumns(img, frame, 2 * frame, frame + frame / 2);
    return img;
}

QImage tab(QSize size, qreal radius, const Face& face, QColor background, QColor accent)
{
    QImage img = blank(size.width(), size.height(), background);
    // Only the top corners are round: the tab's foot runs on into the line below.
    const QRectF r(0, 0, size.width(), size.height() + radius + 2);
    {
        Pen p(img);
        drawFace(p, r, radius, face);
        if (accent.isValid()) {
            p.setBrush(accent);
            p.drawPath(rounded(QRectF(0, 0, size.width(), 3 + radius), radius).intersected(
                [&] { QPainterPath top; top.addRect(0, 0, size.width(), 3); return top; }()));
        }
    }
    const int frame = size.width() / 3;
    uniformColumns(img, frame, 2 * frame, frame + frame / 2);
    keyOutside(img, rounded(r, radius));
    return img;
}

QImage slider(QSize size, Dir tip, const Face& face, QColor background)
{
    QImage img = blank(size.width(), size.height(), background);
    const qreal w = size.width(), h = size.height();
    QPolygonF outline;
    if (tip == Dir::Down) {
        const qreal t = h - w / 2;
        outline << QPointF(0.5, 0.5) << QPointF(w - 0.5, 0.5) << QPointF(w - 0.5, t) << QPointF(w / 2, h - 0.5)
                << QPointF(0.5, t);
    } else {
        const qreal t = w - h / 2;
        outline << QPointF(0.5, 0.5) << QPointF(t, 0.5) << QPointF(w - 0.5, h / 2) << QPointF(t, h - 0.5)
                << QPointF(0.5, h - 0.5);
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    Pen p(img);
    QGradient shade = tip == Dir::Down ? QGradient(horizontal(0, w, {{0, face.top}, {1, face.bottom}}))
                                       : QGradient(vertical(0, h, {{0, face.top}, {1, face.bottom}}));
    p.setBrush(shade);
    p.drawPath(path);
    if (face.gloss > 0) {
        p.setClipPath(path);
        const QRectF shine = tip == Dir::Down ? QRectF(1, 1, w * 0.45, h) : QRectF(1, 1, w, h * 0.45);
        p.setBrush(QColor(255, 255, 255, int(255 * face.gloss)));
        p.drawRect(shine);
        p.setClipping(false);
    }
    if (face.inner.isValid()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(face.inner, 1));
        p.drawPath(QTransform::fromTranslate(w / 2, h / 2).scale((w - 2) / w, (h - 2) / h).translate(-w / 2, -h / 2).map(path));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(face.outline, 1));
    p.drawPath(path);
    return img;
}

QImage backdrop(const QImage& titleClient, int top, QSize size)
{
    return titleClient.copy(0, top, 1, size.height()).scaled(size);
}

void drawGlyph(QPainter& p, Glyph glyph, const QRectF& b, QColor colour, qreal w)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    QPainterPathStroker stroker;
    stroker.setWidth(w);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    auto frame = [&](const QRectF& r, qreal top) {
        QPainterPath path;
        path.addRect(r);
        QPainterPath inner;
        inner.addRect(r.adjusted(w, top, -w, -w));
        p.drawPath(path.subtracted(inner));
    };
    switch (glyph) {
    case Glyph::Close:
        p.drawPath(crossGlyph(b.adjusted(w / 2, w / 2, -w / 2, -w / 2), w * 1.2));
        break;
    case Glyph::Max:
        frame(b, w * 1.5);
        break;
    case Glyph::Min:
        p.drawRect(QRectF(b.left(), b.bottom() - w * 1.2, b.width() * 0.75, w * 1.2));
        break;
    case Glyph::Restore: {
        const qreal s = b.width() * 0.72;
        frame(QRectF(b.right() - s, b.top(), s, s), w * 1.2);
        const QRectF front(b.left(), b.bottom() - s, s, s);
        p.setBrush(colour);
        frame(front, w * 1.2);
        break;
    }
    case Glyph::Help: {
        QPainterPath hook;
        const qreal cx = b.center().x();
        const QRectF arc(b.left() + b.width() * 0.2, b.top(), b.width() * 0.6, b.height() * 0.5);
        hook.arcMoveTo(arc, 160);
        hook.arcTo(arc, 160, -250);
        hook.quadTo(QPointF(cx, b.top() + b.height() * 0.55), QPointF(cx, b.top() + b.height() * 0.7));
        stroker.setCapStyle(Qt::FlatCap);
        p.drawPath(stroker.createStroke(hook));
        p.drawRect(QRectF(cx - w / 2, b.bottom() - w, w, w));
        break;
    }
    case Glyph::ControlBox:
        p.drawPath(triangle(b.center() + QPointF(0, b.height() * 0.05), b.width() * 0.9, Dir::Down));
        break;
    }
    p.restore();
}

QImage titleButton(QSize size, const QImage& backdrop, qreal radius, const Face& face, Glyph glyph, QColor glyphColour,
                   bool keyed, bool round)
{
    QImage img = backdrop.copy(0, 0, size.width(), size.height()).convertToFormat(QImage::Format_RGB32);
    const QRectF r(0, 0, size.width(), size.height());
    QPainterPath shape;
    if (round)
        shape.addEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
    else
        shape = rounded(r, radius);
    {
        Pen p(img);
        if (round) {
            p.setBrush(face.outline);
            p.drawPath(shape);
            const QRectF body = r.adjusted(1.5, 1.5, -1.5, -1.5);
            p.setBrush(face.fill(body.top(), body.bottom()));
            p.drawEllipse(body);
            if (face.gloss > 0) {
                const QRectF band(body.left() + 2, body.top() + 0.5, body.width() - 4, body.height() * 0.5);
                p.setBrush(vertical(band.top(), band.bottom(), {{0, QColor(255, 255, 255, int(255 * face.gloss))},
                                                                {1, QColor(255, 255, 255, 20)}}));
                p.drawEllipse(band);
            }
        } else {
            drawFace(p, r, radius, face);
        }
        const qreal g = std::round(size.width() * 0.42);
        const qreal x0 = std::round((size.width() - g) / 2);
        const qreal y0 = std::round((size.height() - g) / 2);
        // Whole-pixel strokes where the button is big enough keep glyphs crisp.
        drawGlyph(p, glyph, QRectF(x0, y0, g, g), glyphColour, size.width() >= 19 ? 2 : 1.5);
    }
    if (keyed)
        keyOutside(img, shape);
    return img;
}

} // namespace skingen
