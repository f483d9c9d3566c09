#pragma once
// Picture families that several styles share: the shape is common, the
// colours, radii and sizes come from the style.

#include "paint.h"

#include <QString>
#include <vector>

namespace skingen {

struct Picture {
    QString name;
    QImage image;
};
using Catalog = std::vector<Picture>;

enum class Glyph { Close, Max, Min, Help, ControlBox, Restore };

// Stretch helpers: make a band of columns or rows copies of one source line so
// that the pieces SpitDraw and SpitDrawHorizontal stretch look the same at any size.
void uniformColumns(QImage& img, int x0, int x1, int source);
void uniformRows(QImage& img, int y0, int y1, int source);

// Nine-piece push button: a face in `r` over `corner`, keyed or not.
QImage pushButton(QSize size, const QRectF& r, qreal radius, const Face& face, QColor corner, bool keyCorners);

// Check box on an opaque background: the control never keys it.
QImage checkBox(QSize size, const QRectF& box, qreal radius, const Face& face, QColor background,
                QColor mark, bool checked);
// Radio button: round face with magenta outside it; `background` is only what
// the antialiased rim is blended against.
QImage radioButton(QSize size, const QRectF& circle, const Face& face, QColor background, QColor dot,
                   bool checked);

// A scroll arrow button (opaque).
QImage scrollButton(QSize size, const QRectF& r, qreal radius, const Face& face, QColor background,
                    QColor arrow, Dir dir);
// Scroll thumb: three equal pieces stacked top to bottom, the middle one uniform.
QImage scrollThumb(QSize size, const QRectF& r, qreal radius, const QColor& left, const QColor& right,
                   QColor outline, QColor background, bool grip);

// Three frames side by side (left end, stretchable middle, right end).
QImage trackBar(QSize size, qreal grooveHeight, const Face& groove, QColor background);
// A tab: three frames keyed on magenta outside the tab shape.
QImage tab(QSize size, qreal radius, const Face& face, QColor background, QColor accent = {});

// Track bar slider: a body with a pointed tip towards `tip` (Down or Right).
QImage slider(QSize size, Dir tip, const Face& face, QColor background);

// The title strip behind a caption button: the client title picture is uniform
// along x, so a band of its rows is the backdrop at any x.
QImage backdrop(const QImage& titleClient, int top, QSize size);

// The glyph of a caption button drawn into `box`.
void drawGlyph(QPainter& p, Glyph glyph, const QRectF& box, QColor colour, qreal weight);

// A caption button over `backdrop` (opaque) or over magenta (keyed).
QImage titleButton(QSize size, const QImage& backdrop, qreal radius, const Face& face, Glyph glyph,
                   QColor glyphColour, bool keyed, bool round = false);

} // namespace skingen
