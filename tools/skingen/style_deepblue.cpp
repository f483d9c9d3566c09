// Dark navy: a deep night-blue caption with steel-blue controls on light grey.
#include "styles.h"

namespace skingen {
namespace {

const QColor kForm(0xE8, 0xE8, 0xE8);
const QColor kScroll(0xF5, 0xF5, 0xF5);
const QColor kNavy(0x1E, 0x2A, 0x5A);
const QColor kAccent(0x44, 0x4A, 0xA0);

const Face kButton{QColor(0xF6, 0xF8, 0xFC), QColor(0xC2, 0xCB, 0xE2), kNavy, 0.45, {}, QColor(0xDC, 0xE2, 0xF0)};
const Face kButtonHover{QColor(0xF0, 0xF5, 0xFF), QColor(0xA9, 0xBD, 0xEB), QColor(0x22, 0x35, 0x7A), 0.5,
                        QColor(0x8A, 0xA0, 0xE4), QColor(0xCE, 0xDB, 0xF7)};
const Face kButtonDown{QColor(0xAE, 0xBC, 0xE0), QColor(0xDC, 0xE3, 0xF4), QColor(0x10, 0x1C, 0x45), 0, {}};

const Face kBox{QColor(0xFF, 0xFF, 0xFF), QColor(0xD6, 0xDD, 0xEE), kNavy, 0.3, {}};
const Face kBoxDisabled{QColor(0xF4, 0xF4, 0xF4), QColor(0xE4, 0xE4, 0xE4), QColor(0xA0, 0xA0, 0xA8), 0, {}};
const QColor kGreyMark(0xA0, 0xA0, 0xA8);

QImage titlePiece(int w, int glowAt)
{
    QImage img = blank(w, 32, Qt::black);
    Pen p(img);
    p.fillRect(QRectF(0, 0, w, 32), vertical(0, 32, {{0, QColor(0x34, 0x44, 0x88)},
                                                       {0.5, QColor(0x18, 0x22, 0x52)},
                                                       {1, QColor(0x0A, 0x10, 0x2E)}}));
    if (glowAt >= 0) {
        // A soft light behind the caption start and the icon.
        QRadialGradient glow(QPointF(glowAt, 12), 70);
        glow.setColorAt(0, QColor(0x6C, 0x7C, 0xD8, 110));
        glow.setColorAt(1, QColor(0x6C, 0x7C, 0xD8, 0));
        p.fillRect(QRectF(0, 0, w, 32), glow);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x5A, 0x6A, 0xB0));
    p.drawLine(0, 0, w - 1, 0);
    p.setPen(QColor(0x00, 0x00, 0x00));
    p.drawLine(0, 31, w - 1, 31);
    return img;
}

} // namespace

Style DeepBlue()
{
    StyleBuilder b("DeepBlue", "DEEPBLUE_", 44);
    b.setPreview(kForm, 2, false);
    const QRectF button(0, 0, 74, 21);
    b.add("BUTTON_NORMAL", pushButton({74, 21}, button, 3, kButton, kForm, false));
    b.add("BUTTON_MOUSEON", pushButton({74, 21}, button, 3, kButtonHover, kForm, false));
    b.add("BUTTON_MOUSEDOWN", pushButton({74, 21}, button, 3, kButtonDown, kForm, false));

    const QRectF box(0, 0, 13, 13);
    b.add("CHECKBOX_CHECK", checkBox({13, 13}, box, 2, kBox, kForm, kNavy, true));
    b.add("CHECKBOX_UNCHECK", checkBox({13, 13}, box, 2, kBox, kForm, {}, false));
    b.add("CHECKBOX_DISABLE_CHECK", checkBox({13, 13}, box, 2, kBoxDisabled, kForm, kGreyMark, true));
    b.add("CHECKBOX_DISABLE_UNCHECK", checkBox({13, 13}, box, 2, kBoxDisabled, kForm, {}, false));
    b.add("RADIOBUTTON_CHECK", radioButton({13, 13}, box, kBox, kForm, kAccent, true));
    b.add("RADIOBUTTON_UNCHECK", radioButton({13, 13}, box, kBox, kForm, {}, false));
    b.add("RADIOBUTTON_DISABLE_CHECK", radioButton({13, 13}, box, kBoxDisabled, kForm, kGreyMark, true));
    b.add("RADIOBUTTON_DISABLE_UNCHECK", radioButton({13, 13}, box, kBoxDisabled, kForm, {}, false));

    const std::initializer_list<std::pair<qreal, QColor>> bar{{0, QColor(0x9C, 0xA8, 0xE6)},
                                                               {0.45, kAccent},
                                                               {1, QColor(0x22, 0x28, 0x70)}};
    QImage h = blank(1, 10, Qt::white), v = blank(10, 1, Qt::white);
    QPainter(&h).fillRect(0, 0, 1, 10, vertical(0, 10, bar));
    QPainter(&v).fillRect(0, 0, 10, 1, horizontal(0, 10, bar));
    b.add("PROGRESSBAR", h);
    b.add("PROGRESSBAR_V", v);

    const QImage client = titlePiece(98, -1);
    b.add("TITLE_LEFT", titlePiece(97, 18));
    b.add("TITLE_CLIENT", client);
    b.add("TITLE_RIGHT", titlePiece(97, -1));

    const QColor rim(0x70, 0x80, 0xC8);
    const Face navy{QColor(0x46, 0x58, 0xA4), QColor(0x1A, 0x24, 0x5C), rim, 0.25, {}};
    const Face navyHover{QColor(0x60, 0x74, 0xC8), QColor(0x2A, 0x38, 0x80), QColor(0xA0, 0xB0, 0xF0), 0.3, {}};
    const Face navyDown{QColor(0x12, 0x1A, 0x44), QColor(0x2A, 0x36, 0x76), rim, 0, {}};
    const Face redHover{QColor(0xD8, 0x60, 0x60), QColor(0x90, 0x18, 0x18), QColor(0xF0, 0xA0, 0xA0), 0.3, {}};
    const Face redDown{QColor(0x70, 0x10, 0x10), QColor(0xA8, 0x30, 0x30), QColor(0xD0, 0x80, 0x80), 0, {}};
    const QColor white(0xFF, 0xFF, 0xFF);
    TitleButtonLook title{{19, 19}, 2, 3, false, false, {navy, navyHover, navyDown}, {navy, redHover, redDown},
                          {QColor(0xDC, 0xE2, 0xF8), white, white}, {QColor(0xDC, 0xE2, 0xF8), white, white}};
    addTitleButtons(b, client, title, false);

    const Face active{QColor(0xFF, 0xFF, 0xFF), QColor(0xF0, 0xF0, 0xF0), Qt::black, 0, {}};
    const Face inactive{QColor(0xD4, 0xDA, 0xEA), QColor(0xB4, 0xBE, 0xDA), Qt::black, 0, {}};
    b.add("TAB_ACTIVE", tab({6, 17}, 2, active, kForm));
    b.add("TAB_INACTIVE", tab({6, 17}, 2, inactive, kForm));
    {
        QImage line = blank(5, 5, kForm);
        QPainter p(&line);
        p.fillRect(0, 1, 5, 4, vertical(1, 5, {{0, QColor(0xFF, 0xFF, 0xFF)}, {1, kForm}}));
        p.fillRect(0, 0, 5, 1, Qt::black);
        b.add("TAB_LINE", line);
    }

    const Face groove{kNavy, kAccent, QColor(0x10, 0x16, 0x36), 0, {}};
    b.add("TRACKBAR_BAR", trackBar({45, 4}, 4, groove, kForm));
    const Face knob{QColor(0x6C, 0x7C, 0xCC), QColor(0x1E, 0x2A, 0x6A), QColor(0x0A, 0x10, 0x2E), 0.3, {}};
    b.add("TRACKBAR_SLIDER", slider({11, 20}, Dir::Down, knob, kForm));
    b.add("TRACKBAR_SLIDER_V", slider({18, 11}, Dir::Right, knob, kForm));

    const Face sb{QColor(0xF0, 0xF3, 0xFA), QColor(0xBA, 0xC4, 0xDE), kNavy, 0.3, {}};
    const Face sbHover{QColor(0xF8, 0xFA, 0xFF), QColor(0xA4, 0xB6, 0xEA), QColor(0x22, 0x35, 0x7A), 0.4, {}};
    const Face sbDown{QColor(0x9A, 0xA8, 0xD4), QColor(0xC8, 0xD0, 0xEA), QColor(0x10, 0x1C, 0x45), 0, {}};
    const QRectF r(0, 0, 16, 16);
    for (auto [stem, dir] : {std::pair{QStringLiteral("SCROLLBAR_TOPBUTTON"), Dir::Up},
                             std::pair{QStringLiteral("SCROLLBAR_BTMBUTTON"), Dir::Down}})
        b.addStates(stem, scrollButton({16, 16}, r, 2, sb, kScroll, kNavy, dir),
                    scrollButton({16, 16}, r, 2, sbHover, kScroll, kNavy, dir),
                    scrollButton({16, 16}, r, 2, sbDown, kScroll, kNavy, dir));
    b.add("SCROLLBAR_TRACK", scrollThumb({16, 21}, QRectF(0, 0, 16, 21), 3, QColor(0x4E, 0x5C, 0xB0),
                                         QColor(0x2A, 0x34, 0x7A), QColor(0x14, 0x1C, 0x44), kScroll, false));
    return b.take();
}

} // namespace skingen
