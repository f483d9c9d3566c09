// Glossy light look: grey gel buttons that turn blue under the pointer,
// pinstriped title and form, blue selection.
#include "styles.h"

namespace skingen {
namespace {

const QColor kForm(0xE7, 0xE7, 0xE7);
const QColor kTrack(0xEE, 0xEE, 0xEE);
const QColor kScroll(0xC9, 0xC9, 0xC9);
const QColor kButtonCorner(0xFC, 0xFC, 0xFC);

const Face kGrey{QColor(0xFB, 0xFB, 0xFB), QColor(0xF4, 0xF4, 0xF4), QColor(0x6B, 0x6B, 0x6B), 0.7, {},
                 QColor(0xCC, 0xCC, 0xCC)};
const Face kBlue{QColor(0xB8, 0xDA, 0xFA), QColor(0xA6, 0xDA, 0xFF), QColor(0x1D, 0x3C, 0x78), 0.75, {},
                 QColor(0x3F, 0x8B, 0xE6)};
const Face kBlueDown{QColor(0x8C, 0xBC, 0xEE), QColor(0x86, 0xC6, 0xF5), QColor(0x16, 0x2E, 0x5E), 0.6, {},
                     QColor(0x2A, 0x6F, 0xC8)};
const Face kGreyDisabled{QColor(0xF8, 0xF8, 0xF8), QColor(0xF0, 0xF0, 0xF0), QColor(0xB4, 0xB4, 0xB4), 0.5, {},
                         QColor(0xE0, 0xE0, 0xE0)};

// The gel: a pill with a faint shadow below it; pressed sits one pixel lower
// and loses the shadow.
QImage button(const Face& face, int drop)
{
    const QSize size(84, 23);
    QImage img = blank(size.width(), size.height(), kButtonCorner);
    const QRectF pill(0, drop, 84, 22);
    {
        Pen p(img);
        if (drop == 0) {
            p.setBrush(mix(kButtonCorner, Qt::black, 0.12));
            p.drawPath(rounded(pill.translated(0, 1).adjusted(2, 0, -2, 0), 10));
        }
        drawFace(p, pill, 11, face);
    }
    uniformColumns(img, 12, 72, 42);
    return img;
}

QImage pinstripe(int w, int h, QColor light, QColor dark)
{
    QImage img = blank(w, h, light);
    for (int y = 1; y < h; y += 2)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, dark.rgb());
    return img;
}

QImage titlePiece(int w, bool leftEnd, bool rightEnd)
{
    QImage img = pinstripe(w, 23, QColor(0xEE, 0xEE, 0xEE), QColor(0xE3, 0xE3, 0xE3));
    Pen p(img);
    // Light from above: the stripes brighten towards the top edge.
    p.setBrush(vertical(0, 23, {{0, QColor(255, 255, 255, 150)}, {0.6, QColor(255, 255, 255, 0)},
                                {1, QColor(0, 0, 0, 18)}}));
    p.drawRect(0, 0, w, 23);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0xFF, 0xFF, 0xFF));
    p.drawLine(0, 0, w - 1, 0);
    p.setPen(QColor(0x9A, 0x9A, 0x9A));
    p.drawLine(0, 22, w - 1, 22);
    if (leftEnd) {
        p.setPen(QColor(0xFA, 0xFA, 0xFA));
        p.drawLine(0, 0, 0, 21);
    }
    if (rightEnd) {
        p.setPen(QColor(0xB8, 0xB8, 0xB8));
        p.drawLine(w - 1, 1, w - 1, 21);
    }
    return img;
}

// The blue gel with diagonal candy stripes; phase runs along x + y so the
// picture repeats seamlessly every 13 pixels.
QImage candy(int w, int h, bool vert)
{
    QImage img(w, h, QImage::Format_RGB32);
    const int across = vert ? w : h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int t = vert ? x : y;
            const qreal light = 1.0 - qreal(t) / (across - 1);
            const bool stripe = ((x + y) % 13) < 6;
            QColor base = stripe ? QColor(0x3B, 0x86, 0xE0) : QColor(0x82, 0xB8, 0xF4);
            QColor c = mix(base, Qt::white, t < across / 2 ? 0.45 * light : 0.0);
            if (t == across - 1)
                c = mix(c, QColor(0xB0, 0xD8, 0xFF), 0.6);
            img.setPixel(x, y, c.rgb());
        }
    return img;
}

QImage oneColumn(int h, std::initializer_list<std::pair<qreal, QColor>> stops)
{
    QImage img = blank(1, h, Qt::white);
    QPainter p(&img);
    p.fillRect(0, 0, 1, h, vertical(0, h, stops));
    return img;
}

} // namespace

Style MacOS()
{
    StyleBuilder b("MacOS", "MACOS_", 48);
    b.setPreview(kForm, 4, false);
    b.add("BUTTON_NORMAL", button(kGrey, 0));
    b.add("BUTTON_MOUSEON", button(kBlue, 0));
    b.add("BUTTON_MOUSEDOWN", button(kBlue, 1));

    const QRectF box(0, 1, 15, 15);
    b.add("CHECKBOX_CHECK", checkBox({15, 17}, box, 3, kGrey, kForm, QColor(0x1E, 0x1E, 0x1E), true));
    b.add("CHECKBOX_UNCHECK", checkBox({15, 17}, box, 3, kGrey, kForm, {}, false));
    b.add("CHECKBOX_DISABLE_CHECK", checkBox({15, 17}, box, 3, kGreyDisabled, kForm, QColor(0xA8, 0xA8, 0xA8), true));
    b.add("CHECKBOX_DISABLE_UNCHECK", checkBox({15, 17}, box, 3, kGreyDisabled, kForm, {}, false));

    const QRectF circle(0, 1, 16, 16);
    b.add("RADIOBUTTON_CHECK", radioButton({16, 17}, circle, kBlue, kForm, QColor(0x10, 0x20, 0x40), true));
    b.add("RADIOBUTTON_UNCHECK", radioButton({16, 17}, circle, kGrey, kForm, {}, false));
    b.add("RADIOBUTTON_DISABLE_CHECK",
          radioButton({16, 17}, circle, kGreyDisabled, kForm, QColor(0xA8, 0xA8, 0xA8), true));
    b.add("RADIOBUTTON_DISABLE_UNCHECK", radioButton({16, 17}, circle, kGreyDisabled, kForm, {}, false));

    b.add("PROGRESSBAR", candy(13, 10, false));
    b.add("PROGRESSBAR_V", candy(13, 13, true));

    const QImage client = titlePiece(49, false, false);
    b.add("TITLE_LEFT", titlePiece(48, true, false));
    b.add("TITLE_CLIENT", client);
    b.add("TITLE_RIGHT", titlePiece(48, false, true));

    const Face greyBtn{QColor(0xFA, 0xFA, 0xFA), QColor(0xF2, 0xF2, 0xF2), QColor(0x7A, 0x7A, 0x7A), 0.7, {},
                       QColor(0xC8, 0xC8, 0xC8)};
    const QColor ink(0x40, 0x40, 0x40);
    TitleButtonLook title{{17, 17}, 4, 8, true, false, {greyBtn, kBlue, kBlueDown}, {greyBtn, kBlue, kBlueDown},
                          {ink, Qt::white, Qt::white}, {ink, Qt::white, Qt::white}};
    addTitleButtons(b, client, title, false);

    const Face tabGrey{QColor(0xFA, 0xFA, 0xFA), QColor(0xE4, 0xE4, 0xE4), QColor(0x8A, 0x8A, 0x8A), 0.6, {},
                       QColor(0xD2, 0xD2, 0xD2)};
    b.add("TAB_ACTIVE", tab({18, 27}, 5, kBlue, kForm));
    b.add("TAB_INACTIVE", tab({18, 27}, 5, tabGrey, kForm));
    {
        QImage line = oneColumn(7, {{0, QColor(0xF6, 0xF6, 0xF6)}, {1, kForm}}).scaled(17, 7);
        QPainter p(&line);
        p.setPen(QColor(0x8A, 0x8A, 0x8A));
        p.drawLine(0, 0, 16, 0);
        b.add("TAB_LINE", line);
    }

    const Face groove{QColor(0x9C, 0x9C, 0x9C), QColor(0xE2, 0xE2, 0xE2), QColor(0x70, 0x70, 0x70), 0, {}};
    b.add("TRACKBAR_BAR", trackBar({45, 5}, 5, groove, kTrack));
    const Face knob{QColor(0xFC, 0xFC, 0xFC), QColor(0xBC, 0xBC, 0xBC), QColor(0x5E, 0x5E, 0x5E), 0.35, {}};
    b.add("TRACKBAR_SLIDER", slider({11, 20}, Dir::Down, knob, kTrack));
    b.add("TRACKBAR_SLIDER_V", slider({19, 11}, Dir::Right, knob, kTrack));

    const QSize arrow(16, 22);
    const QRectF r(0, 0, 16, 22);
    const QColor arrowInk(0x30, 0x30, 0x30);
    const Face scrollHover{QColor(0xFF, 0xFF, 0xFF), QColor(0xF8, 0xFC, 0xFF), QColor(0x5A, 0x6E, 0x8E), 0.7, {},
                           QColor(0xC6, 0xDC, 0xF4)};
    const Face scrollDown{QColor(0xD8, 0xD8, 0xD8), QColor(0xE8, 0xE8, 0xE8), QColor(0x5A, 0x5A, 0x5A), 0.3, {},
                          QColor(0xB0, 0xB0, 0xB0)};
    for (auto [stem, dir] : {std::pair{QStringLiteral("SCROLLBAR_TOPBUTTON"), Dir::Up},
                             std::pair{QStringLiteral("SCROLLBAR_BTMBUTTON"), Dir::Down}})
        b.addStates(stem, scrollButton(arrow, r, 3, kGrey, kScroll, arrowInk, dir),
                    scrollButton(arrow, r, 3, scrollHover, kScroll, arrowInk, dir),
                    scrollButton(arrow, r, 3, scrollDown, kScroll, arrowInk, dir));
    b.add("SCROLLBAR_TRACK", scrollThumb({16, 33}, QRectF(1, 0, 14, 33), 7, QColor(0x3F, 0x8B, 0xE6),
                                         QColor(0x6F, 0xB0, 0xF6), QColor(0x1D, 0x3C, 0x78), kScroll, false));

    {
        QImage combo = blank(16, 17, kForm);
        Pen p(combo);
        drawFace(p, QRectF(0, 0, 16, 17), 3, kBlue);
        p.setBrush(Qt::white);
        p.drawPath(triangle(QPointF(8, 9), 8, Dir::Down));
        b.add("COMBOBOX_BUTTON", combo);
    }
    b.add("MENU_BAR", oneColumn(22, {{0, QColor(0xFD, 0xFD, 0xFD)}, {0.85, QColor(0xEC, 0xEC, 0xEC)},
                                     {0.9, QColor(0xC8, 0xC8, 0xC8)}, {1, QColor(0x96, 0x96, 0x96)}}));
    b.add("MENU_SELECT", oneColumn(21, {{0, QColor(0x8C, 0xBE, 0xF5)}, {0.5, QColor(0x3F, 0x8B, 0xE6)},
                                        {1, QColor(0x25, 0x62, 0xC4)}}));
    b.add("FORM_BACKGROUND", pinstripe(8, 8, QColor(0xEC, 0xEC, 0xEC), QColor(0xE2, 0xE2, 0xE2)));
    return b.take();
}

} // namespace skingen
