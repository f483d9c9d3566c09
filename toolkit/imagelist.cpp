#include "toolkit/imagelist.h"

#include "toolkit/canvas.h"
#include "toolkit/graphics.h"

namespace toolkit {

namespace {

// The shape of the dark visible pixels, filled with one colour.
QImage DarkShape(const QImage& image, const QColor& colour)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage shape(source.size(), QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    const QRgb fill = colour.rgb() | 0xFF000000u;
    for (int y = 0; y < source.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(shape.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
            if (qAlpha(from[x]) == 0xFF && qGray(from[x]) < kDisabledThreshold) to[x] = fill;
    }
    return shape;
}

} // namespace

void DrawDisabledImage(TCanvas& canvas, int x, int y, const QImage& image)
{
    if (image.isNull()) return;
    canvas.Draw(x + 1, y + 1, DarkShape(image, ColorToQColor(clBtnHighlight)));
    canvas.Draw(x, y, DarkShape(image, ColorToQColor(clBtnShadow)));
}

int TImageList::Add(const TBitmap& bitmap)
{
    return AddImage(bitmap.Image());
}

int TImageList::AddMasked(const TBitmap& bitmap, TColor maskColor)
{
    return AddImage(MaskedByKey(bitmap.Image(), maskColor));
}

int TImageList::AddImage(const QImage& image)
{
    if (width_ <= 0 || height_ <= 0 || image.isNull()) return -1;
    const int first = Count();
    for (int left = 0; left + width_ <= image.width(); left += width_) {
        // Parts below the bitmap stay transparent.
        QImage cell(width_, height_, QImage::Format_ARGB32_Premultiplied);
        cell.fill(Qt::transparent);
        const QImage part = image.copy(left, 0, width_, std::min(height_, image.height()))
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < part.height(); ++y)
            std::copy_n(reinterpret_cast<const QRgb*>(part.constScanLine(y)), width_,
                        reinterpret_cast<QRgb*>(cell.scanLine(y)));
        images_.push_back(cell);
    }
    return Count() > first ? first : -1;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    if (index < 0 || index >= Count()) return;
    if (enabled)
        canvas.Draw(x, y, images_[index]);
    else
        DrawDisabledImage(canvas, x, y, images_[index]);
}

} // namespace toolkit
