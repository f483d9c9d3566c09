#include "toolkit/imagelist.h"

#include "toolkit/canvas.h"
#include "toolkit/graphics.h"

#include <QBuffer>
#include <QPainter>

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

void TImageList::SetWidth(int width)
{
    if (width == width_) return;
    width_ = width;
    Clear();
}

void TImageList::SetHeight(int height)
{
    if (height == height_) return;
    height_ = height;
    Clear();
}

void TImageList::Clear()
{
    if (images_.empty()) return;
    images_.clear();
    emit OnChange();
}

QImage TImageList::Image(int index) const
{
    return index >= 0 && index < Count() ? images_[index] : QImage();
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
    if (Count() == first) return -1;
    emit OnChange();
    return first;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    if (index < 0 || index >= Count()) return;
    if (enabled)
        canvas.Draw(x, y, images_[index]);
    else
        DrawDisabledImage(canvas, x, y, images_[index]);
}

QByteArray TImageList::SaveToData() const
{
    if (images_.empty()) return {};
    QImage strip(width_ * Count(), height_, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < Count(); ++i) painter.drawImage(i * width_, 0, images_[i]);
    painter.end();
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    strip.save(&buffer, "PNG");
    return data;
}

void TImageList::LoadFromData(const QByteArray& data)
{
    images_.clear();
    QImage strip;
    if (!data.isEmpty() && strip.loadFromData(data)) AddImage(strip);
    emit OnChange();
}

} // namespace toolkit
