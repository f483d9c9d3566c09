// Blue glass: translucent-looking blue with strong upper reflections,
// rounded caption ends and glass caption buttons cut out on magenta.
#include "styles.h"

namespace skingen {
namespace {

const QColor kForm(0xE7, 0xE7, 0xE7);
const QColor kScroll(0xF4, 0xF4, 0xF4);
const QColor kEdge(0x3A, 0x4C, 0x9A);
const QColor kDeep(0x1E, 0x2C, 0x78);

const Face kGlass{QColor(0xE4, 0xEC, 0xFC), QColor(0xB4, 0xC8, 0xF4), kEdge, 0.75, {}, QColor(0x94, 0xAC, 0xE8)};
const Face kGlassHover{QColor(0xEE, 0xF4, 0xFF), QColor(0xA8, 0xC4, 0xFF), QColor(0x2E, 0x44, 0xB0), 0.8,
                       QColor(0xF4, 0xF8, 0xFF), QColor(0x7C, 0x9E, 0xF0)};
const Face kGlassDown{QColor(0x7E, 0x97, 0xDA), QColor(0xC0, 0xD0, 0xF4), kDeep, 0.25, {}, QColor(0x98, 0xB0, 0xE8)};
const Face kGlassDisabled{QColor(0xF2, 0xF2, 0xF4), QColor(0xE2, 0xE4, 0xEA), QColor(0xA8, 0xAC, 0xBC), 0.4, {}};
const QColor kGreyMark(0xA8, 0xAC, 0xBC);

// Caption glass: deep blue under a bright reflection on the upper half.
QImage titlePiece(int w, int roundSide, bool sheen)
{
    QImage img = blank(w, 33, Qt::black);
    Pen p(img);
    const QRectF band(roundSide < 0 ? 0 : -12, 0, w + (roundSide == 0 ? 24 : 12), 45);
    p.setBrush(vertical(0, 33, {{0, QColor(0x9C, 0xB2, 0xEC)},
                                {0.48, QColor(0x4A, 0x66, 0xC8)},
                                {0.52, QColor(0x2C, 0x44, 0xA4)},
                                {0.85, QColor(0x2A, 0x40, 0x9A)},
                                {1, QColor(0x5A, 0x78, 0xD4)}}));
    p.drawPath(rounded(band, 10));
    p.setClipPath(rounded(band, 10));
    p.setBrush(vertical(0, 16, {{0, QColor(255, 255, 255, 110)}, {1, QColor(255, 255, 255, 20)}}));
    p.drawRect(QRectF(0, 0, w, 16));
    if (sheen) {
        // A diagonal reflection across the left piece, as on curved glass.
        QPainterPath streak;
        streak.moveTo(60, 0);
        streak.lineTo(95, 0);
        streak.lineTo(65, 33);
        streak.lineTo(30, 33);
        streak.closeSubpath();
        p.setBrush(QColor(255, 255, 255, 38));
        p.drawPath(streak);
    }
    return img;
}

} // namespace

Style BlueGlass()
{
    StyleBuilder b("BlueGlass", "BLUEGLASS_", 44);
    b.setPreview(kForm, 6, true);
    const QRectF button(0, 0, 77, 27);
    b.add("BUTTON_NORMAL", pushButton({77, 27}, button, 6, kGlass, kForm, true));
    b.add("BUTTON_MOUSEON", pushButton({77, 27}, button, 6, kGlassHover, kForm, true));
    b.add("BUTTON_MOUSEDOWN", pushButton({77, 27}, button, 6, kGlassDown, kForm, true));

    const QRectF box(0, 0, 13, 13);
    const Face boxFace{QColor(0xF4, 0xF7, 0xFF), QColor(0xB9, 0xC8, 0xEE), kEdge, 0.6, {}};
    b.add("CHECKBOX_CHECK", checkBox({13, 13}, box, 2, boxFace, kForm, kDeep, true));
    b.add("CHECKBOX_UNCHECK", checkBox({13, 13}, box, 2, boxFace, kForm, {}, false));
    b.add("CHECKBOX_DISABLE_CHECK", checkBox({13, 13}, box, 2, kGlassDisabled, kForm, kGreyMark, true));
    b.add("CHECKBOX_DISABLE_UNCHECK", checkBox({13, 13}, box, 2, kGlassDisabled, kForm, {}, false));
    b.add("RADIOBUTTON_CHECK", radioButton({13, 13}, box, boxFace, kForm, QColor(0x3A, 0x4C, 0xC0), true));
    b.add("RADIOBUTTON_UNCHECK", radioButton({13, 13}, box, boxFace, kForm, {}, false));
    b.add("RADIOBUTTON_DISABLE_CHECK", radioButton({13, 13}, box, kGlassDisabled, kForm, kGreyMark, true));
    b.add("RADIOBUTTON_DISABLE_UNCHECK", radioButton({13, 13}, box, kGlassDisabled, kForm, {}, false));

    const std::initializer_list<std::pair<qreal, QColor>> bar{{0, QColor(0xC4, 0xD4, 0xFA)},
                                                               {0.45, QColor(0x6E, 0x8C, 0xE6)},
                                                               {0.55, QColor(0x3D, 0x5C, 0xC8)},
                                                               {1, QColor(0x7A, 0x97, 0xEA)}};
    QImage h = blank(1, 10, Qt::white), v = blank(10, 1, Qt::white);
    QPainter(&h).fillRect(0, 0, 1, 10, vertical(0, 10, bar));
    QPainter(&v).fillRect(0, 0, 10, 1, horizontal(0, 10, bar));
    b.add("PROGRESSBAR", h);
    b.add("PROGRESSBAR_V", v);

    const QImage client = titlePiece(179, 0, false);
    b.add("TITLE_LEFT", titlePiece(162, -1, true));
    b.add("TITLE_CLIENT", client);
    b.add("TITLE_RIGHT", titlePiece(101, 1, false));

    const QColor white(0xFF, 0xFF, 0xFF);
    const Face glass{QColor(0xC8, 0xD6, 0xF8), QColor(0x5D, 0x7B, 0xD6), kDeep, 0.6, {}};
    const Face glassHover{QColor(0xE0, 0xEA, 0xFF), QColor(0x7C, 0x9C, 0xF4), kDeep, 0.7, {}};
    const Face glassDown{QColor(0x3A, 0x52, 0xB0), QColor(0x6C, 0x88, 0xDA), kDeep, 0.2, {}};
    const Face red{QColor(0xF6, 0xB8, 0xB0), QColor(0xC8, 0x36, 0x2C), QColor(0x6A, 0x10, 0x10), 0.6, {}};
    const Face redHover{QColor(0xFF, 0xD0, 0xC8), QColor(0xE4, 0x48, 0x3A), QColor(0x6A, 0x10, 0x10), 0.7, {}};
    const Face redDown{QColor(0x9A, 0x1E, 0x18), QColor(0xD0, 0x4A, 0x40), QColor(0x5A, 0x0A, 0x0A), 0.2, {}};
    TitleButtonLook title{{19, 19}, 6, 4, true, true, {glass, glassHover, glassDown}, {red, redHover, redDown},
                          {white, white, white}, {white, white, white}};
    addTitleButtons(b, client, title, false);

    const Face active{QColor(0xF0, 0xF4, 0xFE), QColor(0xC8, 0xD6, 0xF6), kEdge, 0.5, {}};
    const Face inactive{QColor(0xC8, 0xD4, 0xF0), QColor(0x98, 0xAC, 0xDE), kEdge, 0.4, {}};
    b.add("TAB_ACTIVE", tab({9, 17}, 3, active, kForm));
    b.add("TAB_INACTIVE", tab({9, 17}, 3, inactive, kForm));
    {
        QImage line = blank(10, 5, Qt::white);
        QPainter p(&line);
        p.fillRect(0, 1, 10, 4, vertical(1, 5, {{0, QColor(0xDC, 0xE4, 0xF8)}, {1, kForm}}));
        p.fillRect(0, 0, 10, 1, kEdge);
        b.add("TAB_LINE", line);
    }

    const Face groove{kDeep, QColor(0x8E, 0xA4, 0xE4), QColor(0x1A, 0x24, 0x60), 0, {}};
    b.add("TRACKBAR_BAR", trackBar({45, 4}, 4, groove, kForm));
    const Face knob{QColor(0xD8, 0xE4, 0xFC), QColor(0x6C, 0x8C, 0xE0), kDeep, 0.4, {}};
    b.add("TRACKBAR_SLIDER", slider({11, 20}, Dir::Down, knob, kForm));
    b.add("TRACKBAR_SLIDER_V", slider({18, 11}, Dir::Right, knob, kForm));

    const QRectF r(0, 0, 17, 16);
    for (auto [stem, dir] : {std::pair{QStringLiteral("SCROLLBAR_TOPBUTTON"), Dir::Up},
                             std::pair{QStringLiteral("SCROLLBAR_BTMBUTTON"), Dir::Down}})
        b.addStates(stem, scrollButton({17, 16}, r, 3, kGlass, kScroll, kDeep, dir),
                    scrollButton({17, 16}, r, 3, kGlassHover, kScroll, kDeep, dir),
                    scrollButton({17, 16}, r, 3, kGlassDown, kScroll, Qt::white, dir));
    b.add("SCROLLBAR_TRACK", scrollThumb({16, 21}, QRectF(1, 0, 14, 21), 5, QColor(0x8E, 0xA8, 0xEC),
                                         QColor(0x5D, 0x7B, 0xD6), kEdge, kScroll, false));
    return b.take();
}

} // namespace skingen
