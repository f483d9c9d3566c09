#include "toolkit/graphics.h"

#include "toolkit/resources.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace toolkit {

namespace {

constexpr int kScreenDpi = 96;

// The pixel size whose cell height (ascent + descent) comes closest to
// cellHeight, found by scaling from a large reference size.
int PixelSizeForCellHeight(QFont font, int cellHeight)
{
    constexpr int reference = 100;
    font.setPixelSize(reference);
    const int referenceCell = QFontMetrics(font).height();
    if (referenceCell <= 0) return cellHeight;
    return std::max(1, int(std::lround(double(cellHeight) * reference / referenceCell)));
}

} // namespace

// ---- TFont ------------------------------------------------------------------

TFont::TFont(QObject* parent) : QObject(parent) {}

template <typename T> void TFont::Store(T& field, const T& value)
{
    if (field == value) return;
    field = value;
    emit OnChange();
}

void TFont::SetCharset(int charset)
{
    Store(charset_, charset);
}
void TFont::SetColor(TColor color)
{
    Store(color_, color);
}
void TFont::SetHeight(int height)
{
    Store(height_, height);
}
void TFont::SetName(const QString& name)
{
    Store(name_, name);
}
void TFont::SetStyle(TFontStyles style)
{
    Store(style_, style);
}

int TFont::Size() const
{
    // Rounded like a classic MulDiv; a cell height converts as if it were
    // the character height.
    return int(std::lround(double(std::abs(height_)) * 72 / kScreenDpi));
}

void TFont::SetSize(int points)
{
    SetHeight(-int(std::lround(double(points) * kScreenDpi / 72)));
}

void TFont::Assign(const TFont& source)
{
    if (&source == this || SameAs(source)) return;
    charset_ = source.charset_;
    color_ = source.color_;
    height_ = source.height_;
    name_ = source.name_;
    style_ = source.style_;
    emit OnChange();
}

void TFont::AssignQFont(const QFont& font)
{
    TFont converted;
    converted.Assign(*this);
    converted.name_ = font.family();
    converted.height_ =
        font.pixelSize() > 0 ? -font.pixelSize() : -int(std::lround(font.pointSizeF() * kScreenDpi / 72));
    TFontStyles style;
    style.setFlag(fsBold, font.bold());
    style.setFlag(fsItalic, font.italic());
    style.setFlag(fsUnderline, font.underline());
    style.setFlag(fsStrikeOut, font.strikeOut());
    converted.style_ = style;
    Assign(converted);
}

bool TFont::SameAs(const TFont& other) const
{
    return charset_ == other.charset_ && color_ == other.color_ && height_ == other.height_ &&
           name_ == other.name_ && style_ == other.style_;
}

QFont TFont::toQFont() const
{
    QFont font(name_);
    font.setBold(style_.testFlag(fsBold));
    font.setItalic(style_.testFlag(fsItalic));
    font.setUnderline(style_.testFlag(fsUnderline));
    font.setStrikeOut(style_.testFlag(fsStrikeOut));
    if (height_ < 0)
        font.setPixelSize(-height_);
    else if (height_ > 0)
        font.setPixelSize(PixelSizeForCellHeight(font, height_));
    else
        font.setPixelSize(11);
    return font;
}

// ---- TBitmap ----------------------------------------------------------------

TBitmap::TBitmap(QObject* parent) : QObject(parent) {}

TBitmap::TBitmap(int width, int height, QObject* parent) : QObject(parent)
{
    SetSize(width, height);
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height() && !image_.isNull()) return;
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::white);
    if (!Empty() && !resized.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
    }
    image_ = resized;
    emit OnChange();
}

void TBitmap::SetImage(const QImage& image)
{
    image_ = image.convertToFormat(QImage::Format_RGB32);
    emit OnChange();
}

void TBitmap::Assign(const TBitmap& source)
{
    if (&source == this) return;
    image_ = source.image_;
    transparent_ = source.transparent_;
    explicitKey_ = source.explicitKey_;
    key_ = source.key_;
    emit OnChange();
}

void TBitmap::LoadFromResourceName(const QString& name)
{
    SetImage(LoadBitmapResource(name));
}

bool TBitmap::LoadFromData(const QByteArray& data)
{
    const QImage image = QImage::fromData(data);
    if (image.isNull()) return false;
    SetImage(image);
    return true;
}

QByteArray TBitmap::SaveToData() const
{
    QByteArray data;
    if (Empty()) return data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image_.save(&buffer, "PNG");
    return data;
}

void TBitmap::SetTransparent(bool on)
{
    if (transparent_ == on) return;
    transparent_ = on;
    emit OnChange();
}

TColor TBitmap::TransparentColor() const
{
    if (explicitKey_) return key_;
    if (Empty()) return clNone;
    return QColorToColor(QColor::fromRgb(image_.pixel(0, Height() - 1)));
}

void TBitmap::SetTransparentColor(TColor color)
{
    if (explicitKey_ && key_ == color) return;
    explicitKey_ = true;
    key_ = color;
    emit OnChange();
}

QImage TBitmap::DrawableImage() const
{
    return transparent_ ? MaskedByKey(image_, TransparentColor()) : image_;
}

// ---- TPicture ---------------------------------------------------------------

TPicture::TPicture(QObject* parent) : QObject(parent)
{
    connect(&bitmap_, &TBitmap::OnChange, this, &TPicture::OnChange);
}

void TPicture::Assign(const TPicture& source)
{
    if (&source == this) return;
    resourceName_ = source.resourceName_;
    bitmap_.Assign(source.bitmap_);
}

void TPicture::Assign(const TBitmap& source)
{
    resourceName_.clear();
    bitmap_.Assign(source);
}

void TPicture::Clear()
{
    resourceName_.clear();
    bitmap_.SetImage(QImage());
}

void TPicture::LoadFromResourceName(const QString& name)
{
    const QImage image = LoadBitmapResource(name);
    resourceName_ = name.toUpper();
    bitmap_.SetImage(image);
}

bool TPicture::LoadFromData(const QByteArray& data)
{
    if (data.isEmpty()) {
        Clear();
        return true;
    }
    const QImage image = QImage::fromData(data);
    if (image.isNull()) return false;
    resourceName_.clear();
    bitmap_.SetImage(image);
    return true;
}

QByteArray TPicture::SaveToData() const
{
    return bitmap_.SaveToData();
}

// ---- masking ----------------------------------------------------------------

QImage MaskedByKey(const QImage& image, TColor key)
{
    if (image.isNull() || key == clNone) return image;
    const QRgb keyRgb = ColorToQColor(key).rgb() & 0x00FFFFFFu;
    QImage masked = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] & 0x00FFFFFFu) == keyRgb && qAlpha(line[x]) == 0xFF) line[x] = 0;
    }
    return masked;
}

} // namespace toolkit
