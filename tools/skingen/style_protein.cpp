// Light and clean: near-white controls with hairline grey edges, an indigo
// accent, and a slate caption whose left end carries a fading indigo sweep.
#include "styles.h"

namespace skingen {
namespace {

const QColor kForm(0xFB, 0xFB, 0xFB);
const QColor kScroll(0xF5, 0xF5, 0xF5);
const QColor kEdge(0x8D, 0x92, 0x9A);
const QColor kAccent(0x2D, 0x30, 0xC4);

const Face kButton{QColor(0xFF, 0xFF, 0xFF), QColor(0xE2, 0xE4, 0xE9), kEdge, 0.4, {}};
const Face kButtonHover{QColor(0xFF, 0xFF, 0xFF), QColor(0xE2, 0xE3, 0xF8), kAccent, 0.4, QColor(0xC4, 0xC6, 0xF4)};
const Face kButtonDown{QColor(0xD9, 0xDC, 0xE3), QColor(0xF4, 0xF5, 0xF7), QColor(0x5A, 0x60, 0x70), 0, {}};

const Face kBox{QColor(0xF2, 0xF3, 0xF5), QColor(0xFF, 0xFF, 0xFF), kEdge, 0, {}};
const Face kBoxDisabled{QColor(0xF6, 0xF6, 0xF6), QColor(0xF6, 0xF6, 0xF6), QColor(0xC8, 0xCA, 0xCE), 0, {}};
const QColor kGreyMark(0xB8, 0xBA, 0xC0);

const std::initializer_list<std::pair<qreal, QColor>> kTitleStops{{0, QColor(0x9A, 0xA2, 0xB4)},
                                                                   {0.08, QColor(0x7A, 0x84, 0x9A)},
                                                                   {0.55, QColor(0x5A, 0x64, 0x7C)},
                                                                   {1, QColor(0x44, 0x4C, 0x62)}};

QImage titleStrip(int w)
{
    QImage img = blank(w, 23, Qt::black);
    QPainter p(&img);
    p.fillRect(0, 0, w, 23, vertical(0, 23, kTitleStops));
    p.fillRect(0, 22, w, 1, QColor(0x30, 0x34, 0x44));
    return img;
}

// The left piece fades from an indigo sweep into the plain strip, so the seam
// to the stretched client picture at x = 441 is invisible.
QImage titleLeft()
{
    QImage img = titleStrip(441);
    Pen p(img);
    p.setBrush(horizontal(0, 360, {{0, QColor(0x2D, 0x30, 0xC4, 170)}, {0.5, QColor(0x2D, 0x30, 0xC4, 60)},
                                   {1, QColor(0x2D, 0x30, 0xC4, 0)}}));
    p.drawRect(QRectF(0, 0, 441, 22));
    p.setBrush(vertical(0, 11, {{0, QColor(255, 255, 255, 70)}, {1, QColor(255, 255, 255, 0)}}));
    p.drawRect(QRectF(0, 0, 441, 11));
    return img;
}

} // namespace

Style Protein()
{
    StyleBuilder b("Protein", "PROTEIN_", 45);
    b.setPreview(kForm, 2, true);
    const QRectF button(0, 0, 74, 21);
    b.add("BUTTON_NORMAL", pushButton({74, 21}, button, 4, kButton, kForm, false));
    b.add("BUTTON_MOUSEON", pushButton({74, 21}, button, 4, kButtonHover, kForm, false));
    b.add("BUTTON_MOUSEDOWN", pushButton({74, 21}, button, 4, kButtonDown, kForm, false));

    const QRectF box(0, 0, 13, 13);
    b.add("CHECKBOX_CHECK", checkBox({13, 13}, box, 2, kBox, kForm, kAccent, true));
    b.add("CHECKBOX_UNCHECK", checkBox({13, 13}, box, 2, kBox, kForm, {}, false));
    b.add("CHECKBOX_DISABLE_CHECK", checkBox({13, 13}, box, 2, kBoxDisabled, kForm, kGreyMark, true));
    b.add("CHECKBOX_DISABLE_UNCHECK", checkBox({13, 13}, box, 2, kBoxDisabled, kForm, {}, false));
    b.add("RADIOBUTTON_CHECK", radioButton({13, 13}, box, kBox, kForm, kAccent, true));
    b.add("RADIOBUTTON_UNCHECK", radioButton({13, 13}, box, kBox, kForm, {}, false));
    b.add("RADIOBUTTON_DISABLE_CHECK", radioButton({13, 13}, box, kBoxDisabled, kForm, kGreyMark, true));
    b.add("RADIOBUTTON_DISABLE_UNCHECK", radioButton({13, 13}, box, kBoxDisabled, kForm, {}, false));

    const std::initializer_list<std::pair<qreal, QColor>> bar{{0, QColor(0xB4, 0xB6, 0xF4)},
                                                               {0.5, QColor(0x4A, 0x4E, 0xD8)},
                                                               {1, kAccent}};
    QImage h = blank(1, 10, Qt::white), v = blank(10, 1, Qt::white);
    QPainter(&h).fillRect(0, 0, 1, 10, vertical(0, 10, bar));
    QPainter(&v).fillRect(0, 0, 10, 1, horizontal(0, 10, bar));
    b.add("PROGRESSBAR", h);
    b.add("PROGRESSBAR_V", v);

    const QImage client = titleStrip(1);
    b.add("TITLE_LEFT", titleLeft());
    b.add("TITLE_CLIENT", client);
    b.add("TITLE_RIGHT", titleStrip(1));

    const QColor ink(0x3A, 0x41, 0x50);
    const Face pearl{QColor(0xFF, 0xFF, 0xFF), QColor(0xC9, 0xCE, 0xD8), QColor(0x30, 0x36, 0x46), 0.5, {}};
    const Face pearlHover{QColor(0xFF, 0xFF, 0xFF), QColor(0xDA, 0xDC, 0xFA), QColor(0x20, 0x22, 0x80), 0.6, {}};
    const Face pearlDown{QColor(0xB0, 0xB6, 0xC4), QColor(0xE4, 0xE6, 0xEC), QColor(0x20, 0x24, 0x30), 0, {}};
    TitleButtonLook title{{19, 19}, 2, 4, true, true, {pearl, pearlHover, pearlDown}, {pearl, pearlHover, pearlDown},
                          {ink, kAccent, ink}, {ink, QColor(0xC4, 0x2D, 0x2D), QColor(0x90, 0x18, 0x18)}};
    addTitleButtons(b, client, title, false);

    const Face active{QColor(0xFF, 0xFF, 0xFF), QColor(0xFF, 0xFF, 0xFF), kEdge, 0, {}};
    const Face inactive{QColor(0xF2, 0xF3, 0xF5), QColor(0xDC, 0xDF, 0xE5), kEdge, 0, {}};
    b.add("TAB_ACTIVE", tab({9, 17}, 3, active, kForm, kAccent));
    b.add("TAB_INACTIVE", tab({9, 17}, 3, inactive, kForm));
    {
        QImage line = blank(10, 5, Qt::white);
        QPainter p(&line);
        p.fillRect(0, 1, 10, 4, vertical(1, 5, {{0, QColor(0xFF, 0xFF, 0xFF)}, {1, kForm}}));
        p.fillRect(0, 0, 10, 1, kEdge);
        b.add("TAB_LINE", line);
    }

    const Face groove{QColor(0xC4, 0xC9, 0xD3), QColor(0xF0, 0xF1, 0xF4), kEdge, 0, {}};
    b.add("TRACKBAR_BAR", trackBar({45, 4}, 4, groove, kForm));
    const Face knob{QColor(0xFF, 0xFF, 0xFF), QColor(0xCE, 0xD2, 0xDC), QColor(0x5A, 0x60, 0x70), 0.3, {}};
    b.add("TRACKBAR_SLIDER", slider({11, 20}, Dir::Down, knob, kForm));
    b.add("TRACKBAR_SLIDER_V", slider({18, 11}, Dir::Right, knob, kForm));

    const QColor arrowInk(0x4A, 0x50, 0x60);
    const Face sb{QColor(0xFF, 0xFF, 0xFF), QColor(0xE4, 0xE6, 0xEA), QColor(0xA4, 0xA9, 0xB2), 0.3, {}};
    const Face sbHover{QColor(0xFF, 0xFF, 0xFF), QColor(0xE0, 0xE1, 0xF8), QColor(0x6A, 0x6E, 0xD0), 0.3, {}};
    const Face sbDown{QColor(0xD4, 0xD8, 0xE0), QColor(0xEE, 0xF0, 0xF3), QColor(0x7A, 0x80, 0x8C), 0, {}};
    const QRectF r(0, 0, 16, 16);
    for (auto [stem, dir] : {std::pair{QStringLiteral("SCROLLBAR_TOPBUTTON"), Dir::Up},
                             std::pair{QStringLiteral("SCROLLBAR_BTMBUTTON"), Dir::Down}})
        b.addStates(stem, scrollButton({16, 16}, r, 2, sb, kScroll, arrowInk, dir),
                    scrollButton({16, 16}, r, 2, sbHover, kScroll, kAccent, dir),
                    scrollButton({16, 16}, r, 2, sbDown, kScroll, arrowInk, dir));
    b.add("SCROLLBAR_TRACK", scrollThumb({16, 21}, QRectF(1, 0, 14, 21), 4, QColor(0xE6, 0xE8, 0xEE),
                                         QColor(0xCC, 0xD0, 0xDA), kEdge, kScroll, true));

    // A faint diagonal weave that averages out to the form colour.
    QImage weave = blank(8, 8, QColor(0xFD, 0xFD, 0xFD));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x + y) % 4 == 0)
                weave.setPixel(x, y, qRgb(0xF4, 0xF4, 0xF7));
    b.add("FORM_BACKGROUND", weave);
    return b.take();
}

} // namespace skingen
