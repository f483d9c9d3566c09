// Pictures without a style prefix: the menu check mark, the font list icons,
// the side channel's grip and pin, and the application icon.
#include "styles.h"

namespace skingen {
namespace {

// Tiny glyphs are pixel art: antialiasing would only blur them and bleed into
// their key colour.
QImage pixelArt(int w, int h, std::initializer_list<const char*> rows, std::initializer_list<std::pair<char, QColor>> ink)
{
    QImage img = blank(w, h, kMagenta);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < w && row[x]; ++x)
            for (const auto& [c, colour] : ink)
                if (row[x] == c)
                    img.setPixel(x, y, colour.rgb());
        ++y;
    }
    return img;
}

QImage menuChecked()
{
    QImage img = blank(16, 16, Qt::white);
    {
        Pen p(img);
        p.setBrush(Qt::black);
        p.drawPath(checkMark(QRectF(3.5, 3.5, 9.5, 9)));
    }
    // Masked on white: every near-white fringe pixel must become the mask.
    snapToColour(img, Qt::white, 48);
    return img;
}

QImage trueTypeIcon()
{
    return pixelArt(20, 12,
                    {"....................",
                     ".gggggggg...........",
                     ".gggggggg...........",
                     "....gg..............",
                     "....gg.bbbbbbbbb....",
                     "....gg.bbbbbbbbb....",
                     "....gg.....bb.......",
                     "....gg.....bb.......",
                     "....gg.....bb.......",
                     "...........bb.......",
                     "...........bb.......",
                     "...................."},
                    {{'g', QColor(0x80, 0x80, 0x80)}, {'b', QColor(0x00, 0x00, 0x00)}});
}

QImage deviceIcon()
{
    return pixelArt(20, 12,
                    {"....................",
                     ".....kkkkkkkk.......",
                     ".....kwwwwwwk.......",
                     ".....kwkkkkwk.......",
                     "...kkkkkkkkkkkk.....",
                     "..kssssssssssssk....",
                     "..kssssssssssgsk....",
                     "..kddddddddddddk....",
                     "..kddkkkkkkkkddk....",
                     "...kkkwwwwwwkkk.....",
                     ".....kkkkkkkk.......",
                     "...................."},
                    {{'k', QColor(0x00, 0x00, 0x00)},
                     {'w', QColor(0xFF, 0xFF, 0xFF)},
                     {'s', QColor(0xC0, 0xC0, 0xC0)},
                     {'d', QColor(0x80, 0x80, 0x80)},
                     {'g', QColor(0x00, 0xC0, 0x00)}});
}

QImage grip(QColor light, QColor dark, QColor edge, QColor dots)
{
    QImage img = blank(8, 172, light);
    QPainter p(&img);
    p.fillRect(0, 0, 8, 172, horizontal(0, 8, {{0, light}, {1, dark}}));
    p.fillRect(7, 0, 1, 172, edge);
    p.fillRect(0, 0, 1, 172, lighter(light, 0.6));
    // Ridges in the middle, and chevrons above and below that say "pull out".
    for (int y = 70; y < 102; y += 4) {
        p.fillRect(2, y, 2, 2, dots);
        p.fillRect(2, y, 1, 1, Qt::white);
        p.fillRect(5, y + 2, 1, 1, dots);
    }
    for (int y : {52, 112}) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(dots);
        p.drawPath(triangle(QPointF(4, y + 4), 6, Dir::Right));
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    return img;
}

QImage pinUp()
{
    return pixelArt(7, 9,
                    {".kkkkk.",
                     ".kwwgk.",
                     ".kwwgk.",
                     ".kwwgk.",
                     ".kwwgk.",
                     "kkkkkkk",
                     "...k...",
                     "...k...",
                     "...k..."},
                    {{'k', QColor(0x00, 0x00, 0x00)}, {'w', QColor(0xFF, 0xFF, 0xFF)}, {'g', QColor(0x80, 0x80, 0x80)}});
}

QImage pinIn()
{
    return pixelArt(8, 7,
                    {"..k.....",
                     "..kkkkkk",
                     "..kwwwwk",
                     "kkkwwwwk",
                     "..kggggk",
                     "..kkkkkk",
                     "..k....."},
                    {{'k', QColor(0x00, 0x00, 0x00)}, {'w', QColor(0xFF, 0xFF, 0xFF)}, {'g', QColor(0x80, 0x80, 0x80)}});
}

} // namespace

// A camera with a firmware chip and a download arrow; icons carry real alpha.
// Drawn on a 32-pixel grid and scaled, so every size is drawn, not resampled.
QImage AppIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        p.setPen(QPen(QColor(0x1A, 0x1E, 0x28), 1));
        p.setBrush(vertical(6, 28, {{0, QColor(0x7A, 0x86, 0x9C)}, {1, QColor(0x2A, 0x30, 0x40)}}));
        p.drawRoundedRect(QRectF(6.5, 6.5, 8, 5), 1.5, 1.5);
        p.drawRoundedRect(QRectF(1.5, 9.5, 25, 17), 3, 3);
        p.setBrush(QColor(0xC8, 0xCC, 0xD4));
        p.drawEllipse(QPointF(12.5, 18), 7, 7);
        QRadialGradient glass(QPointF(11, 16.5), 6);
        glass.setColorAt(0, QColor(0x5A, 0x90, 0xE8));
        glass.setColorAt(1, QColor(0x08, 0x16, 0x3C));
        p.setBrush(glass);
        p.drawEllipse(QPointF(12.5, 18), 4.8, 4.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 210));
        p.drawEllipse(QPointF(10.8, 16.2), 1.4, 1.4);
        // The chip: dark package with silver legs.
        p.setBrush(QColor(0xB0, 0xB4, 0xBC));
        for (int i = 0; i < 3; ++i) {
            p.drawRect(QRectF(20 + i * 3, 19, 1.5, 12));
            p.drawRect(QRectF(18, 21 + i * 3, 12, 1.5));
        }
        p.setPen(QPen(QColor(0x00, 0x00, 0x00), 1));
        p.setBrush(QColor(0x22, 0x22, 0x26));
        p.drawRect(QRectF(19.5, 20.5, 9, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xE0, 0xB0, 0x30));
        p.drawEllipse(QPointF(21.8, 22.8), 0.9, 0.9);
        // The download arrow, green, pointing into the camera.
        QPainterPath arrow;
        arrow.moveTo(25, 0.5);
        arrow.lineTo(29, 0.5);
        arrow.lineTo(29, 7);
        arrow.lineTo(31.5, 7);
        arrow.lineTo(27, 13);
        arrow.lineTo(22.5, 7);
        arrow.lineTo(25, 7);
        arrow.closeSubpath();
        p.setPen(QPen(QColor(0x0E, 0x5A, 0x14), 1));
        p.setBrush(vertical(0, 13, {{0, QColor(0x8A, 0xE8, 0x6A)}, {1, QColor(0x1E, 0xA0, 0x28)}}));
        p.drawPath(arrow);
    }
    return img.convertToFormat(QImage::Format_ARGB32);
}

Catalog Common()
{
    return {
        {"MENU_CHECKED", menuChecked()},
        {"FONTCOMBO_TRUETYPE_FNT", trueTypeIcon()},
        {"FONTCOMBO_DEVICE_FNT", deviceIcon()},
        {"SIDECHANNEL_BAR_NORMAL", grip(QColor(0xEE, 0xEE, 0xEE), QColor(0xC4, 0xC4, 0xC4), QColor(0x80, 0x80, 0x80),
                                        QColor(0x70, 0x70, 0x70))},
        {"SIDECHANNEL_BAR_MOUSEON", grip(QColor(0xDC, 0xE6, 0xFA), QColor(0x93, 0xAC, 0xE1), QColor(0x31, 0x69, 0xC6),
                                         QColor(0x20, 0x44, 0x90))},
        {"SIDECHANNEL_BTN_ONTOP", pinIn()},
        {"SIDECHANNEL_BTN_NOONTOP", pinUp()},
        {"MAINICON", AppIcon(32)},
    };
}

} // namespace skingen
