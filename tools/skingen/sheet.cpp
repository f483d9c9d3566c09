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

QImage contactSheet(const QString& title, const Catalog& pictures)
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
    int x = kGap, y = 2 * kGap + fm.height() + 8, rowHeight = 0;
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
