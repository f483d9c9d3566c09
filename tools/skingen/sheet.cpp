#include "sheet.h"

#include <QFontMetrics>
#include <algorithm>

namespace skingen {
namespace {

constexpr int kSheetWidth = 1180;
constexpr int kGap = 14;

int zoomFor(QSize s)
{
    const int longest = std::max(s.width(), s.height());
    if (std::min(s.width(), s.height()) <= 8 && longest <= 200)
        return 2; // slivers (one-pixel columns, the grip) are unreadable at 1x
    if (longest <= 24)
        return 4;
    if (longest <= 60)
        return 3;
    if (longest <= 120)
        return 2;
    return 1;
}

struct Cell {
    const Picture* picture;
    QString label;
    QSize size;
    int zoom;
};

QFont labelFont()
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    return f;
}

} // namespace

QImage contactSheet(const QString& title, const Catalog& pictures, const QImage& shown)
{
    const QFont font = labelFont();
    const QFontMetrics fm(font);
    std::vector<Cell> cells;
    for (const Picture& pic : pictures) {
        const QSize s = pic.image.size();
        const int zoom = zoomFor(s);
        const QString label = QStringLiteral("%1  %2x%3").arg(pic.name).arg(s.width()).arg(s.height());
        const int imagesWidth = s.width() + (zoom > 1 ? kGap / 2 + s.width() * zoom : 0);
        const int imagesHeight = s.height() * zoom;
        cells.push_back({&pic, label,
                         QSize(std::min(kSheetWidth - 2 * kGap, std::max(fm.horizontalAdvance(label), imagesWidth)),
                               fm.height() + 4 + imagesHeight),
                         zoom});
    }

    // Flow the cells into rows, then paint.
    std::vector<QPoint> at;
    const int previewTop = 2 * kGap + fm.height() + 8;
    int x = kGap, y = previewTop + (shown.isNull() ? 0 : shown.height() + kGap), rowHeight = 0;
    for (const Cell& c : cells) {
        if (x + c.size.width() > kSheetWidth - kGap && x > kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        at.push_back({x, y});
        x += c.size.width() + kGap;
        rowHeight = std::max(rowHeight, c.size.height());
    }
    QImage sheet(kSheetWidth, y + rowHeight + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(0xFF, 0xFF, 0xFF));
    QPainter p(&sheet);
    QFont heading = font;
    heading.setPixelSize(16);
    heading.setBold(true);
    p.setFont(heading);
    p.setPen(Qt::black);
    p.drawText(QPoint(kGap, kGap + QFontMetrics(heading).ascent()),
               QStringLiteral("%1 (%2 pictures)").arg(title).arg(pictures.size()));
    p.setFont(font);
    if (!shown.isNull())
        p.drawImage(kGap, previewTop, shown);
    for (size_t i = 0; i < cells.size(); ++i) {
        const Cell& c = cells[i];
        const QImage& img = c.picture->image;
        const QPoint o = at[i];
        p.setPen(QColor(0x30, 0x30, 0x30));
        p.drawText(QPoint(o.x(), o.y() + fm.ascent()), c.label);
        const int top = o.y() + fm.height() + 4;
        p.drawImage(o.x(), top, img);
        if (c.zoom > 1) {
            const QRect big(o.x() + img.width() + kGap / 2, top, img.width() * c.zoom, img.height() * c.zoom);
            p.drawImage(big, img.scaled(big.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
            p.setPen(QColor(0xC0, 0xC0, 0xC0));
            p.drawRect(big.adjusted(-1, -1, 0, 0));
        }
    }
    return sheet;
}

} // namespace skingen

namespace skingen {
namespace {

class Pieces {
public:
    explicit Pieces(const Style& s) : style_(s) {}
    QImage operator[](const QString& suffix) const
    {
        for (const Picture& pic : style_.pictures)
            if (pic.name == style_.prefix + suffix)
                return pic.image;
        return {};
    }

private:
    const Style& style_;
};

QImage keyed(const QImage& img, QRgb key)
{
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((row[x] | 0xFF000000) == (key | 0xFF000000))
                row[x] = 0;
    }
    return out;
}

// Nine pieces along x only: the preview draws buttons at their own height.
void drawNinePiece(QPainter& p, const QImage& pic, const QRect& dest)
{
    const int hw = pic.width() / 2;
    const QImage k = keyed(pic, 0xFFFF00FF);
    p.drawImage(dest.topLeft(), k.copy(0, 0, hw, pic.height()));
    p.drawImage(QRect(dest.left() + hw, dest.top(), dest.width() - 2 * hw, pic.height()), k.copy(hw, 0, 1, pic.height()));
    p.drawImage(dest.right() + 1 - hw, dest.top(), k.copy(pic.width() - hw, 0, hw, pic.height()));
}

void drawThreeFrames(QPainter& p, const QImage& pic, const QRect& dest, bool transparent)
{
    const int fw = pic.width() / 3;
    const QImage k = transparent ? keyed(pic, pic.pixel(0, 0)) : pic;
    p.drawImage(dest.topLeft(), k.copy(0, 0, fw, pic.height()));
    p.drawImage(QRect(dest.left() + fw, dest.top(), dest.width() - 2 * fw, dest.height()), k.copy(fw, 0, fw, pic.height()));
    p.drawImage(dest.right() + 1 - fw, dest.top(), k.copy(2 * fw, 0, fw, pic.height()));
}

void drawTitle(QPainter& p, const Style& style, const Pieces& pc, QPoint at, int width)
{
    const QImage left = pc["TITLE_LEFT"], client = pc["TITLE_CLIENT"], right = pc["TITLE_RIGHT"];
    const int h = left.height();
    p.drawImage(at, left.copy(0, 0, std::min(left.width(), width), h));
    p.drawImage(QRect(at.x() + left.width(), at.y(), width - left.width() - right.width(), h), client);
    p.drawImage(at.x() + width - right.width(), at.y(), right);
    int x = at.x() + width - 4;
    for (const char* kind : {"CLOSE", "MAX", "MIN"}) {
        QImage b = pc[QStringLiteral("TITLEBTN_%1_NORMAL").arg(kind)];
        if (style.titleButtonsKeyed)
            b = keyed(b, b.pixel(0, b.height() - 1));
        x -= b.width() + 1;
        p.drawImage(x, at.y() + style.titleButtonTop, b);
    }
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(style.name == "MacOS" ? Qt::black : Qt::white);
    p.drawText(QRect(at.x() + 30, at.y(), 200, h), Qt::AlignVCenter, QStringLiteral("IP Camera ISP Utility"));
}

void drawScrollBar(QPainter& p, const Pieces& pc, QPoint at, int height, QColor track)
{
    const QImage up = pc["SCROLLBAR_TOPBUTTON_NORMAL"], down = pc["SCROLLBAR_BTMBUTTON_NORMAL"];
    const QImage thumb = pc["SCROLLBAR_TRACK"];
    const int third = thumb.height() / 3;
    p.fillRect(QRect(at, QSize(up.width(), height)), track);
    p.drawImage(at, up);
    p.drawImage(at.x(), at.y() + height - down.height(), down);
    const int top = at.y() + up.height() + 20, length = 46;
    p.drawImage(at.x(), top, thumb.copy(0, 0, thumb.width(), third));
    p.drawImage(QRect(at.x(), top + third, thumb.width(), length - 2 * third), thumb.copy(0, third, thumb.width(), third));
    p.drawImage(at.x(), top + length - third, thumb.copy(0, 2 * third, thumb.width(), third));
}

} // namespace

QImage preview(const Style& style)
{
    const Pieces pc(style);
    QImage img = blank(kSheetWidth - 2 * kGap, 150, style.formColour);
    QPainter p(&img);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);

    drawTitle(p, style, pc, {0, 0}, 480);

    // Push buttons in their three states, stretched wider than the picture.
    int x = 500;
    for (const char* state : {"NORMAL", "MOUSEON", "MOUSEDOWN"}) {
        const QImage b = pc[QStringLiteral("BUTTON_%1").arg(state)];
        const QRect r(x, 4, 96, b.height());
        drawNinePiece(p, b, r);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(r.translated(QString(state) == "MOUSEDOWN" ? 1 : 0, QString(state) == "MOUSEDOWN" ? 1 : 0),
                   Qt::AlignCenter, QStringLiteral("Update"));
        x += 104;
    }

    // Check boxes and radio buttons, keyed as their controls key them.
    const bool xp = style.name == "WinXP";
    int y = 50;
    x = 0;
    for (const char* kind : {"CHECKBOX", "RADIOBUTTON"})
        for (const char* state : {"CHECK", "UNCHECK"}) {
            QImage box = pc[QStringLiteral("%1_%2%3").arg(kind, xp ? "NORMAL_" : "", state)];
            if (QString(kind) == "RADIOBUTTON")
                box = keyed(box, box.pixel(0, 0));
            p.drawImage(x, y, box);
            p.setPen(Qt::black);
            p.drawText(x + box.width() + 4, y + 11, QString(state) == "CHECK" ? "On" : "Off");
            x += 60;
        }

    // Progress bar at 60 %: the picture stretched over the filled part.
    const QImage bar = pc["PROGRESSBAR"];
    p.fillRect(0, 80, 160, 12, Qt::white);
    p.drawImage(QRect(1, 81, 95, 10), bar);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 80, 159, 11);

    // Tab strip: three tabs, the first one active and one pixel lower.
    const QImage active = pc["TAB_ACTIVE"], inactive = pc["TAB_INACTIVE"], line = pc["TAB_LINE"];
    const int th = active.height(), tx = 260, tw = 280;
    p.drawImage(QRect(tx + 1, y + th, tw - 2, line.height()), line);
    int cx = tx + 10;
    for (int i = 0; i < 3; ++i) {
        const QRect r(cx, y + (i == 0 ? 1 : 0), 60, th);
        drawThreeFrames(p, i == 0 ? active : inactive, r, true);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("Tab%1").arg(i + 1));
        cx += 62;
    }
    p.fillRect(tx, y + th + line.height(), tw, 40, style.formColour);

    // Track bar with its slider.
    const QImage groove = pc["TRACKBAR_BAR"], slider = pc["TRACKBAR_SLIDER"];
    const int by = y + 2 + (slider.height() - groove.height()) / 2;
    drawThreeFrames(p, groove, QRect(580, by, 200, groove.height()), false);
    p.drawImage(580 + 70, y + 2, slider);

    drawScrollBar(p, pc, {820, 40}, 108, QColor(0xE0, 0xE0, 0xE0));
    return img;
}

} // namespace skingen
