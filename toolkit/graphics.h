#pragma once
// Font, bitmap and picture objects: the classic graphic objects the controls
// are written against, each with a change notification (signal OnChange).

#include "toolkit/types.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QString>
#include <memory>

class QPaintDevice;

namespace toolkit {

class TCanvas;

/// A control's font: name, pixel Height, style, colour, charset; notifies its owner of changes.
class TFont : public QObject {
    Q_OBJECT
    // Declaration order is the stored-layout order.
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Size READ Size WRITE SetSize STORED false)
    Q_PROPERTY(TFontStyles Style READ Style WRITE SetStyle)

public:
    enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
    Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
    Q_FLAG(TFontStyles)

    static constexpr int DEFAULT_CHARSET = 1;

    explicit TFont(QObject* parent = nullptr);

    int Charset() const { return charset_; }
    TColor Color() const { return color_; }
    // Negative: character height (em) in pixels; positive: cell height
    // including internal leading; 0: the default size.
    int Height() const { return height_; }
    QString Name() const { return name_; }
    // Points at 96 dpi, derived from Height.
    int Size() const;
    TFontStyles Style() const { return style_; }

    void SetCharset(int charset);
    void SetColor(TColor color);
    void SetHeight(int height);
    void SetName(const QString& name);
    void SetSize(int points);
    void SetStyle(TFontStyles style);

    void Assign(const TFont& source);
    // Face, size and style of a Qt font; colour and charset stay.
    void AssignQFont(const QFont& font);
    bool SameAs(const TFont& other) const;
    QFont toQFont() const;

signals:
    void OnChange();

private:
    template <typename T> void Store(T& field, const T& value);

    int charset_ = DEFAULT_CHARSET;
    TColor color_ = clWindowText;
    int height_ = -11;
    QString name_ = QStringLiteral("MS Sans Serif");
    TFontStyles style_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TFont::TFontStyles)

using TFontStyle = TFont::TFontStyle;
using TFontStyles = TFont::TFontStyles;
inline constexpr TFontStyle fsBold = TFont::fsBold;
inline constexpr TFontStyle fsItalic = TFont::fsItalic;
inline constexpr TFontStyle fsUnderline = TFont::fsUnderline;
inline constexpr TFontStyle fsStrikeOut = TFont::fsStrikeOut;

/// An RGB32 image with a canvas, a transparent flag and a key colour.
class TBitmap : public QObject {
    Q_OBJECT
public:
    explicit TBitmap(QObject* parent = nullptr);
    TBitmap(int width, int height, QObject* parent = nullptr);
    ~TBitmap() override;

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Empty() const { return image_.isNull() || Width() == 0 || Height() == 0; }
    // Keeps the overlapping part of the old content; new pixels are white.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }

    // Created on first use; draws straight into the image. Defined with the
    // canvas, which is built on the bitmap, not the other way round.
    TCanvas& Canvas();

    const QImage& Image() const { return image_; }
    void SetImage(const QImage& image);
    void Assign(const TBitmap& source);
    // Throws EResNotFound for an unknown name; the bitmap is then unchanged.
    void LoadFromResourceName(const QString& name);
    // Returns false for undecodable data and leaves the bitmap unchanged.
    bool LoadFromData(const QByteArray& data);
    QByteArray SaveToData() const;

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    // Until set explicitly, the key colour follows the bottom-left pixel.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    bool HasExplicitTransparentColor() const { return explicitKey_; }

    // The image as drawn: with the key colour's pixels fully transparent when
    // the bitmap is transparent.
    QImage DrawableImage() const;

    // Tells listeners that the pixels were changed through the canvas.
    void Changed() { emit OnChange(); }

signals:
    void OnChange();

private:
    QImage image_;
    /// Deletes the bitmap's canvas.
    struct CanvasDeleter {
        void operator()(TCanvas* canvas) const;
    };
    std::unique_ptr<TCanvas, CanvasDeleter> canvas_;
    bool transparent_ = false;
    bool explicitKey_ = false;
    TColor key_ = clNone;
};

/// Either a graphic or nothing. Remembers the resource name it was loaded from
/// so a layout writer can store the reference instead of the pixels.
class TPicture : public QObject {
    Q_OBJECT
public:
    explicit TPicture(QObject* parent = nullptr);

    bool HasGraphic() const { return !bitmap_.Empty(); }
    int Width() const { return bitmap_.Width(); }
    int Height() const { return bitmap_.Height(); }
    TBitmap& Bitmap() { return bitmap_; }
    const TBitmap& Bitmap() const { return bitmap_; }
    QString ResourceName() const { return resourceName_; }

    void Assign(const TPicture& source);
    void Assign(const TBitmap& source);
    void Clear();
    // Throws EResNotFound for an unknown name; the picture is then unchanged.
    void LoadFromResourceName(const QString& name);
    // Empty data clears the picture; undecodable data returns false and
    // leaves it unchanged.
    bool LoadFromData(const QByteArray& data);
    QByteArray SaveToData() const;

signals:
    void OnChange();

private:
    TBitmap bitmap_;
    QString resourceName_;
};

// The key-colour masking used by every transparent drawing path: exactly the
// pixels of that colour become fully transparent.
QImage MaskedByKey(const QImage& image, TColor key);

} // namespace toolkit
