// Blue and beige: a rounded royal-blue caption with a red close button,
// beige-white buttons with an orange hover rim, green progress.
#include "styles.h"

namespace skingen {
namespace {

const QColor kForm(0xEF, 0xEB, 0xDE);
const QColor kScroll(0xF9, 0xF9, 0xF9);
const QColor kNavyEdge(0x00, 0x3C, 0x74);
const QColor kBoxEdge(0x1C, 0x51, 0x80);
const QColor kHoverRim(0xF8, 0xB3, 0x30);
const QColor kGreen(0x21, 0xA1, 0x21);

const Face kButton{QColor(0xFF, 0xFF, 0xFF), QColor(0xD6, 0xD0, 0xC5), kNavyEdge, 0, {},
                   QColor(0xF4, 0xF3, 0xEE)};
const Face kButtonHover{QColor(0xFF, 0xFF, 0xFF), QColor(0xD6, 0xD0, 0xC5), kNavyEdge, 0, kHoverRim,
                        QColor(0xF4, 0xF3, 0xEE)};
const Face kButtonDown{QColor(0xCD, 0xCA, 0xC3), QColor(0xF1, 0xF1, 0xED), kNavyEdge, 0, {},
                       QColor(0xE3, 0xE2, 0xDA)};

const Face kBox{QColor(0xDC, 0xDC, 0xD7), QColor(0xFF, 0xFF, 0xFF), kBoxEdge, 0, {}};
const Face kBoxHover{QColor(0xFF, 0xF0, 0xCF), QColor(0xF8, 0xB3, 0x30), kBoxEdge, 0, {},
                     QColor(0xFD, 0xD8, 0x89)};
const Face kBoxDown{QColor(0xB0, 0xB0, 0xA7), QColor(0xE3, 0xE3, 0xDB), kBoxEdge, 0, {}};
const Face kBoxDisabled{QColor(0xFF, 0xFF, 0xFF), QColor(0xFF, 0xFF, 0xFF), QColor(0xCA, 0xC8, 0xBB), 0, {}};

// Hover shows an orange rim around a white well, as the buttons do.
QImage checkState(const Face& face, bool checked, QColor mark = kGreen)
{
    if (face.bottom == kBoxHover.bottom) {
        QImage img = checkBox({13, 13}, QRectF(0, 0, 13, 13), 0, face, kForm, mark, false);
        Pen p(img);
        p.setBrush(vertical(3, 10, {{0, QColor(0xDC, 0xDC, 0xD7)}, {1, Qt::white}}));
        p.drawRect(QRectF(3, 3, 7, 7));
        if (checked)
            p.setBrush(mark), p.drawPath(checkMark(QRectF(2.6, 2.9, 8.3, 7.6)));
        return img;
    }
    return checkBox({13, 13}, QRectF(0, 0, 13, 13), 0, face, kForm, mark, checked);
}

QImage radioState(const Face& face, bool checked, QColor dot = kGreen)
{
    return radioButton({13, 13}, QRectF(0, 0, 13, 13), face, kForm, dot, checked);
}

// The progress bar stretches this over its filled part, so it must be uniform
// along the bar: a gap drawn into it would stretch into one wide hole.
QImage progressFill(bool vert)
{
    const int w = vert ? 10 : 6, h = vert ? 6 : 10;
    QImage img = blank(w, h, Qt::white);
    QPainter p(&img);
    const QRect lit(0, 0, w, h);
    const std::initializer_list<std::pair<qreal, QColor>> stops{{0, QColor(0xA8, 0xEA, 0xA8)},
                                                                 {0.45, QColor(0x2F, 0xB6, 0x2F)},
                                                                 {0.6, QColor(0x25, 0xA8, 0x25)},
                                                                 {1, QColor(0x8C, 0xDC, 0x8C)}};
    if (vert)
        p.fillRect(lit, horizontal(0, 10, stops));
    else
        p.fillRect(lit, vertical(0, 10, stops));
    return img;
}

// Title: a glossy blue band; the ends carry the rounded corners of the frame.
QImage titlePiece(int w, int roundSide)
{
    const QColor frame(0x00, 0x2C, 0xC8);
    QImage img = blank(w, 29, frame);
    Pen p(img);
    const QRectF band(roundSide < 0 ? 0 : -10, 0, w + (roundSide == 0 ? 20 : 10), 40);
    p.setBrush(vertical(0, 29, {{0, QColor(0x3D, 0x95, 0xFF)},
                                {0.12, QColor(0x0A, 0x64, 0xF0)},
                                {0.35, QColor(0x00, 0x58, 0xE6)},
                                {0.85, QColor(0x00, 0x53, 0xE0)},
                                {1, QColor(0x00, 0x3D, 0xC0)}}));
    p.drawPath(rounded(band, 8));
    p.setBrush(vertical(1, 8, {{0, QColor(255, 255, 255, 120)}, {1, QColor(255, 255, 255, 0)}}));
    p.drawRect(QRectF(0, 1, w, 7));
    return img;
}

} // namespace

Style WinXP()
{
    StyleBuilder b("WinXP", "WINXP_", 55);
    b.setPreview(kForm, 5, false);
    b.add("BUTTON_NORMAL", pushButton({18, 21}, QRectF(0, 0, 18, 21), 3, kButton, kForm, false));
    b.add("BUTTON_MOUSEON", pushButton({18, 21}, QRectF(0, 0, 18, 21), 3, kButtonHover, kForm, false));
    b.add("BUTTON_MOUSEDOWN", pushButton({18, 21}, QRectF(0, 0, 18, 21), 3, kButtonDown, kForm, false));

    b.add("CHECKBOX_DISABLE_CHECK", checkState(kBoxDisabled, true, QColor(0xCA, 0xC8, 0xBB)));
    b.add("CHECKBOX_DISABLE_UNCHECK", checkState(kBoxDisabled, false));
    b.add("CHECKBOX_NORMAL_CHECK", checkState(kBox, true));
    b.add("CHECKBOX_NORMAL_UNCHECK", checkState(kBox, false));
    b.add("CHECKBOX_MOUSEON_CHECK", checkState(kBoxHover, true));
    b.add("CHECKBOX_MOUSEON_UNCHECK", checkState(kBoxHover, false));
    b.add("CHECKBOX_MOUSEDOWN_CHECK", checkState(kBoxDown, true));
    b.add("CHECKBOX_MOUSEDOWN_UNCHECK", checkState(kBoxDown, false));

    b.add("RADIOBUTTON_DISABLE_CHECK", radioState(kBoxDisabled, true, QColor(0xCA, 0xC8, 0xBB)));
    b.add("RADIOBUTTON_DISABLE_UNCHECK", radioState(kBoxDisabled, false));
    b.add("RADIOBUTTON_NORMAL_CHECK", radioState(kBox, true));
    b.add("RADIOBUTTON_NORMAL_UNCHECK", radioState(kBox, false));
    Face radioHover = kBox;
    radioHover.inner = kHoverRim;
    b.add("RADIOBUTTON_MOUSEON_CHECK", radioState(radioHover, true));
    b.add("RADIOBUTTON_MOUSEON_UNCHECK", radioState(radioHover, false));
    b.add("RADIOBUTTON_MOUSEDOWN_CHECK", radioState(kBoxDown, true));
    b.add("RADIOBUTTON_MOUSEDOWN_UNCHECK", radioState(kBoxDown, false));

    b.add("PROGRESSBAR", progressFill(false));
    b.add("PROGRESSBAR_V", progressFill(true));

    const QImage client = titlePiece(37, 0);
    b.add("TITLE_LEFT", titlePiece(35, -1));
    b.add("TITLE_CLIENT", client);
    b.add("TITLE_RIGHT", titlePiece(35, 1));

    const QColor white(0xFF, 0xFF, 0xFF);
    const Face blue{QColor(0x5A, 0x9A, 0xFF), QColor(0x22, 0x5C, 0xE8), white, 0.35, {}};
    const Face blueHover{QColor(0x82, 0xB8, 0xFF), QColor(0x3C, 0x7C, 0xFF), white, 0.45, {}};
    const Face blueDown{QColor(0x1C, 0x4C, 0xC8), QColor(0x3A, 0x70, 0xE4), white, 0.1, {}};
    const Face red{QColor(0xF0, 0x8A, 0x6A), QColor(0xD0, 0x3A, 0x14), white, 0.3, {}};
    const Face redHover{QColor(0xFF, 0xA8, 0x88), QColor(0xE6, 0x50, 0x28), white, 0.4, {}};
    const Face redDown{QColor(0xB8, 0x30, 0x0C), QColor(0xD6, 0x58, 0x30), white, 0.1, {}};
    TitleButtonLook title{{21, 21}, 5, 3, false, false, {blue, blueHover, blueDown}, {red, redHover, redDown},
                          {white, white, white}, {white, white, white}};
    addTitleButtons(b, client, title, true);

    const QColor tabEdge(0x91, 0x9B, 0x9C);
    const Face active{QColor(0xFF, 0xFF, 0xFF), QColor(0xFC, 0xFC, 0xFE), tabEdge, 0, {}};
    const Face inactive{QColor(0xFF, 0xFF, 0xFF), QColor(0xE6, 0xE4, 0xDA), tabEdge, 0, {}};
    b.add("TAB_ACTIVE", tab({9, 18}, 3, active, kForm, QColor(0xFF, 0xC8, 0x3C)));
    b.add("TAB_INACTIVE", tab({9, 18}, 3, inactive, kForm));
    b.add("TAB_LINE", blank(8, 1, tabEdge));

    const Face groove{QColor(0xBC, 0xB8, 0xAC), QColor(0xF4, 0xF3, 0xEE), QColor(0x9D, 0x9C, 0x99), 0, {}};
    b.add("TRACKBAR_BAR", trackBar({45, 8}, 4, groove, kForm));
    const Face knob{QColor(0xFF, 0xFF, 0xFF), QColor(0xD6, 0xD3, 0xCB), kBoxEdge, 0, QColor(0x35, 0xC1, 0x35)};
    b.add("TRACKBAR_SLIDER", slider({11, 21}, Dir::Down, knob, kForm));
    b.add("TRACKBAR_SLIDER_V", slider({22, 11}, Dir::Right, knob, kForm));

    const QColor arrowInk(0x4D, 0x61, 0x85);
    const QColor edge(0xB4, 0xC8, 0xF6);
    const Face sb{QColor(0xE1, 0xEA, 0xFE), QColor(0xB3, 0xC8, 0xF5), edge, 0.2, {}};
    const Face sbHover{QColor(0xFD, 0xFF, 0xFF), QColor(0xC4, 0xD8, 0xFE), QColor(0x98, 0xB1, 0xF0), 0.3, {}};
    const Face sbDown{QColor(0x6E, 0x8E, 0xF1), QColor(0x9D, 0xB9, 0xF5), QColor(0x83, 0x9E, 0xD8), 0, {}};
    const QRectF r(0, 0, 16, 17);
    for (auto [stem, dir] : {std::pair{QStringLiteral("SCROLLBAR_TOPBUTTON"), Dir::Up},
                             std::pair{QStringLiteral("SCROLLBAR_BTMBUTTON"), Dir::Down}})
        b.addStates(stem, scrollButton({16, 17}, r, 3, sb, kScroll, arrowInk, dir),
                    scrollButton({16, 17}, r, 3, sbHover, kScroll, arrowInk, dir),
                    scrollButton({16, 17}, r, 3, sbDown, kScroll, Qt::white, dir));
    b.add("SCROLLBAR_TRACK", scrollThumb({16, 21}, QRectF(0, 0, 16, 21), 3, QColor(0xB6, 0xCA, 0xF5),
                                         QColor(0xA6, 0xBC, 0xF0), QColor(0x8F, 0xA7, 0xE6), kScroll, true));
    return b.take();
}

} // namespace skingen
