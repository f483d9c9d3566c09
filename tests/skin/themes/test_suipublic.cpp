#include "skin/themes/suipublic.h"
#include "toolkit/canvas.h"
#include "toolkit/control.h"
#include "toolkit/graphics.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

using namespace toolkit;

namespace {

constexpr QRgb Background = 0xFF00C000;
constexpr QRgb Magenta = 0xFFFF00FF;

// Every pixel names its own coordinates (red = x, green = y), so a drawn pixel
// tells where in the picture it came from.
void FillCoded(TBitmap& bitmap, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x, y, 0x80));
    bitmap.SetImage(image);
}

QPoint SourceOf(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return qBlue(p) == 0x80 ? QPoint(qRed(p), qGreen(p)) : QPoint(-1, -1);
}

QImage Blank(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Background);
    return image;
}

} // namespace

TEST(SpitDraw, CropsTheCornersOfANarrowButtonFromTheirOuterSides)
{
    TBitmap picture;
    FillCoded(picture, 84, 23);
    QImage out = Blank(25, 23);
    TCanvas canvas(&out);
    SpitDraw(picture, canvas, Rect(0, 0, 25, 23), true);

    const std::pair<QPoint, QPoint> expected[] = {
        {{0, 0}, {0, 0}},     {{11, 10}, {11, 10}}, // top-left corner, 12 x 11
        {{14, 0}, {73, 0}},   {{24, 10}, {83, 10}}, // top-right corner from columns 73..83
        {{0, 13}, {0, 13}},   {{10, 22}, {10, 22}}, // bottom-left corner
        {{14, 13}, {73, 13}}, {{24, 22}, {83, 22}}, // bottom-right corner
        {{12, 0}, {42, 0}},   {{13, 10}, {42, 10}}, // top edge: column 42 stretched
        {{0, 11}, {0, 11}},   {{10, 12}, {10, 11}}, // left edge: row 11 stretched
        {{14, 11}, {73, 12}}, {{24, 12}, {83, 12}}, // right edge: row 12, keeping the right
        {{12, 11}, {42, 11}}, {{13, 11}, {42, 11}}, // middle: one row
        {{11, 12}, {42, 12}}, {{13, 22}, {42, 22}}, // bottom edge, one column and row over
    };
    for (const auto& [at, from] : expected)
        EXPECT_EQ(SourceOf(out, at.x(), at.y()), from) << "at " << at.x() << "," << at.y();
}

TEST(SpitDraw, AtFullSizeRedrawsThePictureExceptTheOverlaps)
{
    TBitmap picture;
    FillCoded(picture, 84, 23);
    QImage out = Blank(84, 23);
    TCanvas canvas(&out);
    SpitDraw(picture, canvas, Rect(0, 0, 84, 23), false);

    int moved = 0;
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 84; ++x)
            moved += SourceOf(out, x, y) != QPoint(x, y);
    // Left of the middle row 12 repeats row 11, right of it row 11 repeats row
    // 12; column 41 from row 12 down repeats column 42.
    EXPECT_EQ(moved, 41 + 41 + 11);
    EXPECT_EQ(SourceOf(out, 20, 12), QPoint(20, 11));
    EXPECT_EQ(SourceOf(out, 41, 15), QPoint(42, 15));
    EXPECT_EQ(SourceOf(out, 60, 11), QPoint(60, 12));
}

TEST(SpitDraw, MagentaIsKeptOutOfEdgesAlwaysAndOutOfCornersWhenTransparent)
{
    TBitmap picture;
    FillCoded(picture, 21, 9); // W odd: edges take columns 10 and 11
    QImage image = picture.Image();
    image.setPixel(0, 0, Magenta);  // top-left corner
    image.setPixel(10, 0, Magenta); // top edge
    image.setPixel(11, 4, Magenta); // middle
    image.setPixel(0, 4, Magenta);  // left edge
    picture.SetImage(image);

    for (const bool transparent : {false, true}) {
        QImage out = Blank(40, 9);
        TCanvas canvas(&out);
        SpitDraw(picture, canvas, Rect(0, 0, 40, 9), transparent);
        EXPECT_EQ(out.pixel(0, 0), transparent ? Background : Magenta);
        EXPECT_EQ(out.pixel(10, 0), Background); // first stretched column of the top edge
        EXPECT_EQ(out.pixel(0, 4), Background);  // left edge
        EXPECT_EQ(out.pixel(29, 4), Background); // right half of the middle comes from column 11
        EXPECT_EQ(SourceOf(out, 29, 0), QPoint(11, 0));
    }
}

// A 7 x 7 picture: corners 3 x 3 (left) and 2 wide (right), middle columns 3
// and 4 of row 3. Into a destination 14 or 15 wide the middle runs from x = 3
// to DW - 2, 9 or 10 pixels; each takes the column under its pixel centre, so
// with an odd count the centre pixel falls on the seam and takes column 4.
TEST(SpitDraw, StretchedMiddleTakesTheColumnUnderEachPixelCentre)
{
    TBitmap picture;
    FillCoded(picture, 7, 7);
    for (const auto& [width, fromColumn3] : {std::pair{14, 4}, std::pair{15, 5}}) {
        SCOPED_TRACE(width);
        QImage out = Blank(width, 7);
        TCanvas canvas(&out);
        SpitDraw(picture, canvas, Rect(0, 0, width, 7), false);
        for (int x = 3; x < width - 2; ++x)
            EXPECT_EQ(SourceOf(out, x, 3), QPoint(x - 3 < fromColumn3 ? 3 : 4, 3)) << "at x " << x;
    }
}

// Height 2k = 8 (hh = 4) into 14 rows: the bottom corners take rows k+1..2k-1
// at their size, the bottom edge rows k..2k-1 one row higher (from
// BL.Top - 1 = 10), the right edge rows k and k+1 stretched over rows 4..10;
// the left edge and the middle have no rows at all.
TEST(SpitDraw, EvenHeightDrawnTallerTakesItsLowerPartsFromTheirRows)
{
    TBitmap picture;
    FillCoded(picture, 7, 8);
    QImage out = Blank(14, 14);
    TCanvas canvas(&out);
    SpitDraw(picture, canvas, Rect(0, 0, 14, 14), false);

    const std::pair<QPoint, QPoint> expected[] = {
        {{2, 10}, {3, 4}},  {{6, 11}, {3, 5}},  {{7, 12}, {4, 6}},  {{11, 13}, {4, 7}}, // bottom edge
        {{0, 11}, {0, 5}},  {{1, 13}, {1, 7}},                                          // bottom-left corner
        {{12, 11}, {5, 5}}, {{13, 13}, {6, 7}},                                         // bottom-right corner
        {{13, 4}, {6, 4}},  {{13, 6}, {6, 4}},  {{13, 7}, {6, 5}},  {{12, 10}, {5, 5}}, // right edge
        {{0, 4}, {-1, -1}}, {{0, 10}, {-1, -1}}, {{5, 7}, {-1, -1}},                    // nothing drawn
    };
    for (const auto& [at, from] : expected)
        EXPECT_EQ(SourceOf(out, at.x(), at.y()), from) << "at " << at.x() << "," << at.y();
}

TEST(SpitDraw, PaintsTheSameOnDevicesThatAreNotImages)
{
    TBitmap picture;
    FillCoded(picture, 21, 9);
    QImage image = picture.Image();
    image.setPixel(10, 0, Magenta);
    image.setPixel(0, 8, Magenta);
    picture.SetImage(image);

    QImage onImage = Blank(37, 13);
    TCanvas imageCanvas(&onImage);
    SpitDraw(picture, imageCanvas, Rect(0, 0, 37, 13), true);
    QPixmap pixmap = QPixmap::fromImage(Blank(37, 13));
    TCanvas pixmapCanvas(&pixmap);
    SpitDraw(picture, pixmapCanvas, Rect(0, 0, 37, 13), true);
    EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_RGB32), onImage);

    // An image whose pixels are not 32-bit words cannot take the direct copy.
    QImage packed = Blank(37, 13).convertToFormat(QImage::Format_RGB888);
    TCanvas packedCanvas(static_cast<QPaintDevice*>(&packed));
    SpitDraw(picture, packedCanvas, Rect(0, 0, 37, 13), true);
    EXPECT_EQ(packed.convertToFormat(QImage::Format_RGB32), onImage);
}

TEST(SpitDrawHorizontal, DrawsEndsAtTheirSizeAndStretchesTheMiddleFrame)
{
    // 46 wide: three 15-pixel frames, the last column is never drawn.
    TBitmap picture;
    FillCoded(picture, 46, 10);
    QImage image = picture.Image();
    const QRgb key = image.pixel(0, 0);
    image.setPixel(3, 3, key);  // keyed in the left end
    image.setPixel(40, 5, key); // keyed in the right end
    image.setPixel(20, 2, key); // the middle frame is never keyed
    picture.SetImage(image);

    for (const bool transparent : {false, true}) {
        QImage out = Blank(110, 30);
        TCanvas canvas(&out);
        SpitDrawHorizontal(picture, canvas, Rect(5, 2, 100, 30), transparent);
        EXPECT_EQ(out.pixel(5, 2) == Background, transparent);
        EXPECT_EQ(out.pixel(8, 5) == Background, transparent);
        EXPECT_EQ(SourceOf(out, 19, 11), QPoint(14, 9)); // left end, own height
        EXPECT_EQ(out.pixel(19, 12), Background);        // ends are not stretched down
        EXPECT_EQ(SourceOf(out, 85, 2), QPoint(30, 0));  // right end starts at Right - 15
        EXPECT_EQ(SourceOf(out, 99, 11), QPoint(44, 9));
        EXPECT_EQ(out.pixel(85 + 10, 2 + 5) == Background, transparent);
        EXPECT_EQ(SourceOf(out, 20, 2), QPoint(15, 0));  // middle: 15 columns over 65
        EXPECT_EQ(SourceOf(out, 84, 29), QPoint(29, 9)); // ... and 10 rows over 28
        EXPECT_EQ(out.pixel(100, 2), Background);
    }
}

TEST(TileDraw, TilesFromTheOriginUntilTheRectangleIsCovered)
{
    TPicture picture;
    FillCoded(picture.Bitmap(), 16, 16);
    QImage out = Blank(60, 60);
    TCanvas canvas(&out);
    TileDraw(canvas, picture, Rect(10, 10, 40, 40));

    EXPECT_EQ(SourceOf(out, 0, 0), QPoint(0, 0));   // starts at the origin, not at (10, 10)
    EXPECT_EQ(SourceOf(out, 17, 33), QPoint(1, 1)); // tiles at 0, 16 and 32 on each axis
    EXPECT_EQ(SourceOf(out, 47, 47), QPoint(15, 15));
    EXPECT_EQ(out.pixel(48, 0), Background); // the tile at 32 already reaches past 40
    EXPECT_EQ(out.pixel(0, 48), Background);

    TPicture empty;
    QImage untouched = Blank(8, 8);
    TCanvas emptyCanvas(&untouched);
    TileDraw(emptyCanvas, empty, Rect(0, 0, 8, 8));
    EXPECT_EQ(untouched, Blank(8, 8));
}

TEST(TileDraw, CoversARectangleFarFromTheOrigin)
{
    TPicture picture;
    FillCoded(picture.Bitmap(), 16, 16);
    QImage out = Blank(100, 80);
    TCanvas canvas(&out);
    TileDraw(canvas, picture, Rect(50, 40, 70, 56));

    EXPECT_EQ(SourceOf(out, 50, 40), QPoint(2, 8));
    EXPECT_EQ(SourceOf(out, 69, 55), QPoint(5, 7));
    EXPECT_EQ(SourceOf(out, 79, 63), QPoint(15, 15)); // the last tile, whole
    EXPECT_EQ(out.pixel(80, 0), Background);
    EXPECT_EQ(out.pixel(0, 64), Background);
}

// One pass gives the pixels that drawing tile by tile gives, keyed pictures
// and devices other than images included.
TEST(TileDraw, SamePixelsAsDrawingEachTile)
{
    TPicture picture;
    FillCoded(picture.Bitmap(), 7, 5);
    QImage keyed = picture.Bitmap().Image();
    keyed.setPixel(3, 2, Magenta);
    picture.Bitmap().SetImage(keyed);
    picture.Bitmap().SetTransparentColor(clFuchsia);
    picture.Bitmap().SetTransparent(true);

    QImage expected = Blank(40, 30);
    {
        QPainter painter(&expected);
        for (int x = 0; x < 35; x += 7)
            for (int y = 0; y < 25; y += 5)
                painter.drawImage(x, y, picture.Bitmap().DrawableImage());
    }
    QImage onImage = Blank(40, 30);
    TCanvas imageCanvas(&onImage);
    TileDraw(imageCanvas, picture, Rect(3, 4, 33, 22));
    EXPECT_EQ(onImage, expected);
    EXPECT_EQ(onImage.pixel(3, 2), Background); // the key shows what was there

    QPixmap pixmap = QPixmap::fromImage(Blank(40, 30));
    TCanvas pixmapCanvas(&pixmap);
    TileDraw(pixmapCanvas, picture, Rect(3, 4, 33, 22));
    EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_RGB32), expected);
}

TEST(SpitDrawHorizontal, PaintsTheSameOnDevicesThatAreNotImages)
{
    TBitmap picture;
    FillCoded(picture, 30, 6);
    QImage image = picture.Image();
    image.setPixel(0, 0, Magenta);
    image.setPixel(1, 3, Magenta);
    picture.SetImage(image);

    QImage onImage = Blank(50, 12);
    TCanvas imageCanvas(&onImage);
    SpitDrawHorizontal(picture, imageCanvas, Rect(4, 3, 44, 9), true);
    QPixmap pixmap = QPixmap::fromImage(Blank(50, 12));
    TCanvas pixmapCanvas(&pixmap);
    SpitDrawHorizontal(picture, pixmapCanvas, Rect(4, 3, 44, 9), true);
    EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_RGB32), onImage);
    EXPECT_EQ(onImage.pixel(5, 6), Background); // keyed in the left end
    EXPECT_EQ(SourceOf(onImage, 4, 4), QPoint(0, 1));
}

TEST(RoundPicture, TurnsAQuarterEachWay)
{
    TBitmap ccw;
    FillCoded(ccw, 3, 2);
    RoundPicture(ccw);
    ASSERT_EQ(ccw.Image().size(), QSize(2, 3));
    // Result (x, y) holds source (W - 1 - y, x).
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(SourceOf(ccw.Image(), x, y), QPoint(2 - y, x));

    TBitmap cw;
    FillCoded(cw, 3, 2);
    RoundPicture3(cw);
    ASSERT_EQ(cw.Image().size(), QSize(2, 3));
    // Result (x, y) holds source (y, H - 1 - x).
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(SourceOf(cw.Image(), x, y), QPoint(y, 1 - x));
}

TEST(SetBitmapWindow, ShapesTheWindowFromTheNonKeyRuns)
{
    QWidget window;
    window.resize(4, 3);
    TBitmap bitmap(4, 3);
    QImage image = bitmap.Image();
    image.fill(Magenta);
    bitmap.SetImage(image);

    SetBitmapWindow(&window, bitmap, clFuchsia);
    EXPECT_TRUE((window.mask() & window.rect()).isEmpty()); // all keyed: nothing shows
    EXPECT_FALSE(window.mask().isEmpty());                  // ... rather than no mask at all

    image.setPixel(3, 0, qRgb(1, 2, 3)); // last column
    image.setPixel(0, 2, qRgb(1, 2, 3));
    image.setPixel(1, 2, qRgb(1, 2, 3));
    bitmap.SetImage(image);
    SetBitmapWindow(&window, bitmap, clFuchsia);
    const QRegion expected = QRegion(3, 0, 1, 1) + QRegion(0, 2, 2, 1);
    EXPECT_TRUE((window.mask() ^ expected).isEmpty());
}

namespace {

// A parent that paints its own mark; the child's sibling covers that mark.
class MarkedParent : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 0, 255));
        painter.fillRect(QRect(12, 6, 3, 2), QColor(255, 0, 0));
    }
};

class BorderedWidget : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), Qt::white);
        DrawControlBorder(this, 0x00FF00, clBtnFace);
    }
};

} // namespace

TEST(DoTrans, PaintsOnlyTheParentUnderTheControl)
{
    QImage out = Blank(10, 10);
    TCanvas canvas(&out);
    QWidget orphan;
    DoTrans(canvas, &orphan);
    DoTrans(canvas, nullptr);
    EXPECT_EQ(out, Blank(10, 10));

    MarkedParent parent;
    parent.resize(40, 30);
    QWidget sibling(&parent);
    sibling.setGeometry(0, 0, 40, 30);
    sibling.setAutoFillBackground(true);
    QWidget control(&parent);
    control.setGeometry(10, 5, 10, 10);
    DoTrans(canvas, &control);
    EXPECT_EQ(out.pixel(2, 1), qRgb(255, 0, 0)); // parent's (12, 6)
    EXPECT_EQ(out.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(out.pixel(9, 9), qRgb(0, 0, 255));
}

TEST(DrawControlBorder, FramesTheControlWithABorderAndAnInnerBand)
{
    BorderedWidget widget;
    widget.resize(20, 10);
    const QImage shot = widget.grab().toImage();
    const QRgb face = ColorToQColor(clBtnFace).rgb();
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(shot.pixel(19, 9), qRgb(0, 255, 0));
    EXPECT_EQ(shot.pixel(1, 1), face);
    EXPECT_EQ(shot.pixel(18, 5), face);
    EXPECT_EQ(shot.pixel(2, 2), qRgb(255, 255, 255));
}

namespace {

// Refuses any height but 20 and records every size it is asked about.
class SizeVetoingControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<QSize> asked;

protected:
    bool CanResize(int& newWidth, int& newHeight) override
    {
        asked.emplace_back(newWidth, newHeight);
        return newHeight == 20;
    }
};

} // namespace

// Publishes the Caption its base only declares.
class CaptionedControl : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    using TCustomControl::TCustomControl;
};

TEST(Geometry, PlaceControlAsksAToolkitControlAboutEachSizeChange)
{
    QWidget parent;
    SizeVetoingControl control(&parent, &parent);
    control.setGeometry(0, 0, 10, 20);
    PlaceControl(&control, Rect(3, 4, 33, 44));
    EXPECT_EQ(control.geometry(), QRect(3, 4, 30, 20)); // width taken, height refused
    EXPECT_EQ(control.asked, (std::vector<QSize>{{30, 20}, {30, 40}}));
}

TEST(Geometry, InRectIncludesBothEdgesAndPlaceControlSetsBounds)
{
    EXPECT_TRUE(InRect(10, 10, Rect(0, 0, 10, 10)));
    EXPECT_TRUE(InRect(Point(0, 0), Rect(0, 0, 10, 10)));
    EXPECT_FALSE(InRect(11, 5, Rect(0, 0, 10, 10)));
    EXPECT_FALSE(InRect(5, -1, Rect(0, 0, 10, 10)));

    QWidget parent;
    QWidget control(&parent);
    PlaceControl(&control, Point(7, 9));
    EXPECT_EQ(control.pos(), QPoint(7, 9));
    PlaceControl(&control, Rect(3, 4, 33, 24));
    EXPECT_EQ(control.geometry(), QRect(3, 4, 30, 20));

    EXPECT_EQ(GetWorkAreaRect().toQRect(), QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_EQ(PCharToStr(nullptr), QString());
    EXPECT_EQ(PCharToStr("MACOS_"), "MACOS_");
    EXPECT_TRUE(IsHasProperty(&control, "geometry"));
    EXPECT_FALSE(IsHasProperty(&control, "UIStyle"));
    // The toolkit base declares Caption without publishing it.
    TCustomControl base(&parent);
    EXPECT_FALSE(IsHasProperty(&base, "Caption"));
    EXPECT_TRUE(IsHasProperty(&base, "Width"));
    CaptionedControl captioned(&parent);
    EXPECT_TRUE(IsHasProperty(&captioned, "Caption"));
}

#include "test_suipublic.moc"
