#pragma once
// Drawing vocabulary shared by every style: glossy faces, glyphs, arrows and
// the key-colour discipline that keeps transparent pixels exact.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <initializer_list>
#include <utility>

namespace skingen {

inline const QColor kMagenta(0xFF, 0x00, 0xFF);

// A lit surface: vertical gradient, optional gloss on its upper part, outline.
struct Face {
    QColor top;
    QColor bottom;
    QColor outline;
    qreal gloss = 0;       // opacity of the white highlight over the upper part
    QColor inner = {};     // optional one-pixel inner rim (hover glow, bevel)
    QColor mid = {};       // optional colour half-way down, for the glassy dip

    QGradient fill(qreal y0, qreal y1) const;
};

enum class Dir { Up, Down, Left, Right };

QImage blank(int w, int h, QColor fill);

// Antialiased painter on an image; restores nothing, lives for one picture.
class Pen : public QPainter {
public:
    explicit Pen(QImage& img);
};

QLinearGradient vertical(qreal y0, qreal y1, std::initializer_list<std::pair<qreal, QColor>> stops);
QLinearGradient horizontal(qreal x0, qreal x1, std::initializer_list<std::pair<qreal, QColor>> stops);

QPainterPath rounded(const QRectF& r, qreal radius);
// Fills `r` (pixel-edge coordinates) as a face with rounded corners.
void drawFace(QPainter& p, const QRectF& r, qreal radius, const Face& face);
// Upper gloss band of a face, on its own, for shapes drawn by hand.
void drawGloss(QPainter& p, const QRectF& r, qreal radius, qreal opacity);

QPainterPath triangle(QPointF centre, qreal size, Dir dir);
QPainterPath checkMark(const QRectF& box);
QPainterPath crossGlyph(const QRectF& box, qreal weight);

QColor mix(QColor a, QColor b, qreal t);
QColor lighter(QColor c, qreal t) ;   // towards white
QColor darker(QColor c, qreal t);     // towards black

// Pixels that `shape` covers less than half become exact magenta; the rest keep
// the colour they were drawn with over the control's usual background.
void keyOutside(QImage& img, const QPainterPath& shape, QColor key = kMagenta);
// Makes every pixel outside the four corner arcs of a rounded rectangle key.
void keyRoundCorners(QImage& img, const QRectF& r, qreal radius, QColor key = kMagenta);
// Antialiasing must never leave a colour that a viewer would take for the key
// (or that a lazy key test would miss); nudge such pixels off it.
void scrubNearKey(QImage& img, QColor key = kMagenta);
// Snaps near-white pixels to white (for pictures masked on white).
void snapToColour(QImage& img, QColor target, int tolerance);

// Renders `src` rotated a quarter turn clockwise (for arrows drawn once).
QImage turned(const QImage& src, int quarterTurnsClockwise);

} // namespace skingen
