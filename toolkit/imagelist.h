#pragma once
// Images of one size drawn masked by a key colour, in the normal or the
// greyed "disabled" look.

#include "toolkit/types.h"

#include <QImage>
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

class TImageList {
public:
    TImageList(int width, int height) : width_(width), height_(height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return int(images_.size()); }

    // Cuts the bitmap into Width x Height images, left to right (a bitmap
    // narrower than Width gives none). Returns the index of the first image
    // added, or -1.
    int Add(const TBitmap& bitmap);
    // As Add, with the pixels of maskColor transparent.
    int AddMasked(const TBitmap& bitmap, TColor maskColor);
    void Clear() { images_.clear(); }

    // Draws image index at (x, y); an index out of range draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

private:
    int AddImage(const QImage& image);

    int width_;
    int height_;
    std::vector<QImage> images_;
};

} // namespace toolkit
