#pragma once
// Images of one size drawn masked by a key colour, in the normal or the
// greyed "disabled" look. TImageList is also a stored component: a layout
// keeps its images as one strip, and tool bars and menus refer to it by name.

#include "toolkit/component.h"
#include "toolkit/types.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <vector>

namespace toolkit {

class TBitmap;
class TCanvas;

// The disabled look: every visible pixel darker than kDisabledThreshold (grey
// level 0..255) forms a shape, drawn in clBtnHighlight one pixel right and
// down, then in clBtnShadow in place; lighter pixels and transparent ones
// leave the canvas as it was. This is the embossed look of greyed toolbar
// images.
constexpr int kDisabledThreshold = 192;
void DrawDisabledImage(TCanvas& canvas, int x, int y, const QImage& image);

/// A list of same-sized images with masks, drawn normal or disabled; stored as one picture strip.
class TImageList : public QObject, public TComponent {
    Q_OBJECT
    // Size first: the stored strip is cut by it.
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    // All images side by side as PNG with alpha; empty for none.
    Q_PROPERTY(QByteArray Bitmap READ SaveToData WRITE LoadFromData)

public:
    static constexpr int DefaultSize = 16;

    explicit TImageList(QObject* parent = nullptr) : TImageList(DefaultSize, DefaultSize, parent) {}
    TImageList(int width, int height, QObject* parent = nullptr)
        : QObject(parent), width_(width), height_(height)
    {
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return int(images_.size()); }
    // Changing the size drops the images.
    void SetWidth(int width);
    void SetHeight(int height);

    // Cuts the bitmap into Width x Height images, left to right (a bitmap
    // narrower than Width gives none). Returns the index of the first image
    // added, or -1.
    int Add(const TBitmap& bitmap);
    // As Add, with the pixels of maskColor transparent.
    int AddMasked(const TBitmap& bitmap, TColor maskColor);
    void Clear();

    // The image at index with its transparency; a null image out of range.
    QImage Image(int index) const;
    // Draws image index at (x, y); an index out of range draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

    QByteArray SaveToData() const;
    // Replaces the images by those cut from the strip; data that does not
    // decode leaves the list empty.
    void LoadFromData(const QByteArray& data);

signals:
    void OnChange();

private:
    int AddImage(const QImage& image);

    int width_;
    int height_;
    std::vector<QImage> images_;
};

} // namespace toolkit
