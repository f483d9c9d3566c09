#include "toolkit/canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>
#include <set>

using namespace toolkit;

namespace {

QImage White(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The bounding box of pixels that differ from white.
QRect Ink(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}

// The bounding box of pixels of one colour.
QRect Painted(const QImage& image, QRgb colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
    return box;
}

std::set<QRgb> Colours(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

} // namespace

TEST(Canvas, RectanglesStayInsideTheirRightAndBottomEdges)
{
    QImage image = White(20, 20);
    TCanvas canvas(&image);

    canvas.Brush.Color = clRed;
    canvas.FillRect(Rect(2, 3, 6, 5));
    EXPECT_EQ(Ink(image), QRect(2, 3, 4, 2));

    image.fill(Qt::white);
    canvas.FillRect(Rect(6, 5, 2, 3)); // inverted: same pixels
    EXPECT_EQ(Ink(image), QRect(2, 3, 4, 2));

    image.fill(Qt::white);
    canvas.FrameRect(Rect(2, 2, 8, 7));
    EXPECT_EQ(Ink(image), QRect(2, 2, 6, 5));
    EXPECT_EQ(canvas.Pixels[7][6], clRed);
    EXPECT_EQ(canvas.Pixels[3][3], clWhite); // inside untouched

    image.fill(Qt::white);
    canvas.Pen.Color = clBlue;
    canvas.Brush.Color = clRed;
    canvas.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Ink(image), QRect(1, 1, 5, 4));
    EXPECT_EQ(canvas.Pixels[5][4], clBlue);
    EXPECT_EQ(canvas.Pixels[1][3], clBlue);
    EXPECT_EQ(canvas.Pixels[3][2], clRed);

    image.fill(Qt::white);
    canvas.Pen.Width = 2;
    canvas.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(Ink(image), QRect(0, 0, 10, 10));
    EXPECT_EQ(canvas.Pixels[8][8], clBlue);
    EXPECT_EQ(canvas.Pixels[2][2], clRed);

    image.fill(Qt::white);
    canvas.Brush.Style = bsClear;
    canvas.FillRect(Rect(0, 0, 5, 5));
    EXPECT_TRUE(Ink(image).isEmpty());
}

TEST(Canvas, LinesLeaveOutTheirEndPoint)
{
    QImage image = White(20, 20);
    TCanvas canvas(&image);

    canvas.MoveTo(2, 5);
    canvas.LineTo(9, 5);
    EXPECT_EQ(Ink(image), QRect(2, 5, 7, 1));
    EXPECT_EQ(canvas.PenPos(), Point(9, 5));

    image.fill(Qt::white);
    canvas.MoveTo(4, 10);
    canvas.LineTo(4, 3); // upwards: 10 down to 4
    EXPECT_EQ(Ink(image), QRect(4, 4, 1, 7));

    image.fill(Qt::white);
    canvas.MoveTo(0, 0);
    canvas.LineTo(5, 5);
    EXPECT_EQ(Ink(image), QRect(0, 0, 5, 5));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(canvas.Pixels[i][i], clBlack);

    image.fill(Qt::white);
    canvas.Polyline({{1, 1}, {6, 1}, {6, 6}});
    EXPECT_EQ(Ink(image), QRect(1, 1, 6, 5)); // (6, 6) not painted
    EXPECT_EQ(canvas.Pixels[6][1], clBlack);

    image.fill(Qt::white);
    canvas.Pen.Style = psDot;
    canvas.MoveTo(0, 0);
    canvas.LineTo(6, 0);
    EXPECT_EQ(canvas.Pixels[0][0], clBlack);
    EXPECT_EQ(canvas.Pixels[1][0], clWhite);
    EXPECT_EQ(canvas.Pixels[4][0], clBlack);

    image.fill(Qt::white);
    canvas.Pen.Style = psClear;
    canvas.LineTo(0, 9);
    EXPECT_TRUE(Ink(image).isEmpty());
}

TEST(Canvas, PolygonFillsWithBrushAndOutlinesWithPen)
{
    QImage image = White(20, 20);
    TCanvas canvas(&image);
    canvas.Brush.Color = clRed;
    canvas.Pen.Color = clBlue;
    canvas.Polygon({{2, 2}, {12, 2}, {12, 12}, {2, 12}});
    EXPECT_EQ(Ink(image), QRect(2, 2, 11, 11)); // the outline runs along the vertices
    EXPECT_EQ(canvas.Pixels[12][12], clBlue);
    EXPECT_EQ(canvas.Pixels[7][7], clRed);
    // Nothing but white, pen and brush: no antialiased edges.
    canvas.Polygon({{0, 19}, {19, 0}, {19, 19}});
    EXPECT_EQ(Colours(image), (std::set<QRgb>{qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 0, 255)}));
}

TEST(Canvas, BrushBitmapTilesFromTheDeviceOrigin)
{
    TBitmap pattern(2, 2);
    pattern.Canvas().SetPixel(0, 0, clBlack);
    pattern.Canvas().SetPixel(1, 1, clBlack);
    QImage image = White(10, 10);
    TCanvas canvas(&image);
    canvas.Brush.Bitmap = &pattern;
    canvas.FillRect(Rect(3, 3, 7, 7));
    EXPECT_EQ(canvas.Pixels[4][4], clBlack); // even/even like the pattern's (0, 0)
    EXPECT_EQ(canvas.Pixels[3][4], clWhite);
    EXPECT_EQ(canvas.Pixels[3][3], clBlack);
    EXPECT_EQ(Ink(image), QRect(3, 3, 4, 4));
}

TEST(Canvas, StretchingIsNearestNeighbourAndMirrorsInvertedRectangles)
{
    TBitmap picture(2, 2);
    TCanvas& pc = picture.Canvas();
    pc.SetPixel(0, 0, clRed);
    pc.SetPixel(1, 0, clBlue);
    pc.SetPixel(0, 1, clBlack);
    pc.SetPixel(1, 1, RGBColor(0, 255, 0));

    QImage image = White(10, 10);
    TCanvas canvas(&image);
    canvas.StretchDraw(Rect(0, 0, 4, 4), picture);
    EXPECT_EQ(canvas.Pixels[1][1], clRed);
    EXPECT_EQ(canvas.Pixels[2][1], clBlue);
    EXPECT_EQ(canvas.Pixels[1][2], clBlack);
    EXPECT_EQ(canvas.Pixels[3][3], RGBColor(0, 255, 0));
    EXPECT_EQ(Colours(image).size(), 5u); // four picture colours plus white

    // Bottom above top: rows Bottom+1..Top, upside down.
    image.fill(Qt::white);
    canvas.StretchDraw(Rect(0, 5, 2, 1), picture);
    EXPECT_EQ(Ink(image), QRect(0, 2, 2, 4));
    EXPECT_EQ(canvas.Pixels[0][2], clBlack);
    EXPECT_EQ(canvas.Pixels[0][5], clRed);

    // Right left of Left mirrors sideways; CopyRect takes a part of a source.
    image.fill(Qt::white);
    canvas.CopyRect(Rect(3, 0, -1, 1), picture.Canvas(), Rect(0, 0, 2, 1));
    EXPECT_EQ(Ink(image), QRect(0, 0, 4, 1));
    EXPECT_EQ(canvas.Pixels[0][0], clBlue);
    EXPECT_EQ(canvas.Pixels[3][0], clRed);
}

TEST(Canvas, KeyColourMakesExactlyItsOwnPixelsTransparent)
{
    TBitmap picture(3, 1);
    picture.Canvas().SetPixel(0, 0, clFuchsia);
    picture.Canvas().SetPixel(1, 0, RGBColor(254, 0, 255)); // near miss stays
    picture.Canvas().SetPixel(2, 0, clBlack);
    picture.SetTransparent(true);
    picture.SetTransparentColor(clFuchsia);

    QImage image = White(6, 3);
    TCanvas canvas(&image);
    canvas.Draw(1, 1, picture);
    EXPECT_EQ(canvas.Pixels[1][1], clWhite);
    EXPECT_EQ(canvas.Pixels[2][1], RGBColor(254, 0, 255));
    EXPECT_EQ(canvas.Pixels[3][1], clBlack);

    image.fill(Qt::white);
    canvas.StretchDraw(Rect(0, 0, 6, 1), picture);
    EXPECT_EQ(canvas.Pixels[0][0], clWhite);
    EXPECT_EQ(canvas.Pixels[1][0], clWhite);
    EXPECT_EQ(canvas.Pixels[2][0], RGBColor(254, 0, 255));

    picture.SetTransparent(false);
    canvas.Draw(0, 2, picture);
    EXPECT_EQ(canvas.Pixels[0][2], clFuchsia);
}

TEST(Canvas, TextCellsArePlacedByTheirTopLeftCorner)
{
    QImage image = White(120, 40);
    TCanvas canvas(&image);
    canvas.Font.SetHeight(-13);
    canvas.Font.SetColor(clBlack);
    const QSize extent = canvas.TextExtent(QStringLiteral("Hg"));
    const QFontMetrics metrics(canvas.Font.toQFont(), &image);
    EXPECT_EQ(extent, QSize(metrics.horizontalAdvance(QStringLiteral("Hg")), metrics.height()));

    canvas.Brush.Style = bsClear;
    canvas.TextOut(10, 5, QStringLiteral("Hg"));
    const QRect ink = Ink(image);
    EXPECT_TRUE(QRect(10, 5, extent.width() + 1, extent.height()).contains(ink));
    EXPECT_LE(ink.top(), 5 + metrics.ascent() - metrics.capHeight() + 1); // cap height reached
    EXPECT_GT(ink.bottom(), 5 + metrics.ascent());                        // the descender of g
    EXPECT_EQ(Colours(image).size(), 2u);                                 // no antialiasing

    image.fill(Qt::white);
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clRed;
    canvas.TextOut(10, 5, QStringLiteral("Hg"));
    EXPECT_EQ(Painted(image, qRgb(255, 0, 0)), QRect(QPoint(10, 5), extent));
}

TEST(Canvas, DrawTextAlignsAndUnderlinesThePrefixedCharacter)
{
    QImage image = White(120, 40);
    TCanvas canvas(&image);
    canvas.Brush.Color = clRed; // the text cell shows where the text went
    const QSize extent = canvas.TextExtent(QStringLiteral("Ok"));

    TRect r = Rect(0, 0, 100, 30);
    EXPECT_EQ(canvas.DrawText(QStringLiteral("O&k"), r, DT_SINGLELINE | DT_CENTER | DT_VCENTER),
              extent.height());
    const QPoint origin((100 - extent.width()) / 2, (30 - extent.height()) / 2);
    EXPECT_EQ(Painted(image, qRgb(255, 0, 0)), QRect(origin, extent));

    // The underline lies under "k", not under "O", below the baseline.
    const QFontMetrics metrics(canvas.Font.toQFont(), &image);
    const int underlineY = origin.y() + metrics.ascent() + metrics.underlinePos();
    const int kx = origin.x() + metrics.horizontalAdvance(QLatin1Char('O'));
    const QColor text = ColorToQColor(canvas.Font.Color());
    EXPECT_EQ(image.pixelColor(kx + 1, underlineY), text);
    EXPECT_NE(image.pixelColor(origin.x() + 1, underlineY), text);

    image.fill(Qt::white);
    r = Rect(0, 0, 100, 30);
    canvas.DrawText(QStringLiteral("Ok"), r, DT_SINGLELINE | DT_RIGHT);
    EXPECT_EQ(Painted(image, qRgb(255, 0, 0)), QRect(QPoint(100 - extent.width(), 0), extent));

    // "&&" is one literal ampersand; DT_NOPREFIX keeps every "&".
    r = Rect(5, 6, 5, 6);
    canvas.DrawText(QStringLiteral("a&&b"), r, DT_CALCRECT);
    EXPECT_EQ(r, Rect(5, 6, 5 + canvas.TextWidth(QStringLiteral("a&b")), 6 + extent.height()));
    canvas.DrawText(QStringLiteral("a&&b"), r, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(r.Width(), canvas.TextWidth(QStringLiteral("a&&b")));

    // Clipped to the rectangle.
    image.fill(Qt::white);
    r = Rect(0, 0, 3, 30);
    canvas.DrawText(QStringLiteral("Ok"), r, DT_SINGLELINE);
    EXPECT_EQ(Painted(image, qRgb(255, 0, 0)), QRect(0, 0, 3, extent.height()));
}

// Measurements are remembered between canvases; each must still follow the
// font it is taken with.
TEST(Canvas, TextMeasuresFollowFontChanges)
{
    const QString text = QStringLiteral("Update Firmware");
    QImage image = White(200, 40);
    TCanvas canvas(&image);
    canvas.Brush.Color = clRed;
    std::set<int> widths;
    auto check = [&] {
        const QFontMetrics metrics(canvas.Font.toQFont(), &image);
        const QSize extent = canvas.TextExtent(text);
        EXPECT_EQ(extent, QSize(metrics.horizontalAdvance(text), metrics.height()));
        image.fill(Qt::white);
        canvas.TextOut(0, 0, text);
        EXPECT_EQ(Painted(image, qRgb(255, 0, 0)), QRect(QPoint(0, 0), extent));
        widths.insert(extent.width());
    };
    check();
    canvas.Font.SetHeight(-20);
    check();
    canvas.Font.SetHeight(20); // a cell height
    check();
    canvas.Font.SetStyle(fsBold);
    check();
    canvas.Font.SetName(QStringLiteral("Liberation Serif"));
    check();
    canvas.Font.SetStyle({});
    canvas.Font.SetName(TFont().Name());
    canvas.Font.SetHeight(TFont().Height());
    check();
    EXPECT_EQ(widths.size(), 5u); // the first font came back; the others all differ
}

// Text drawn from remembered glyphs must match drawing it afresh, pixel for pixel.
TEST(Canvas, TextPixelsMatchPlainTextDrawing)
{
    const QString texts[] = {QStringLiteral("Update Firmware"), QStringLiteral("  ffi WAV 100%"),
                             QStringLiteral("\u05E9\u05DC\u05D5\u05DD abc")};
    for (const TFontStyles style :
         {TFontStyles(), TFontStyles(fsBold | fsItalic), TFontStyles(fsUnderline)}) {
        for (const QString& text : texts) {
            QImage image = White(160, 30);
            QImage expected = image;
            TCanvas canvas(&image);
            canvas.Font.SetStyle(style);
            canvas.Brush.Style = bsClear;
            canvas.TextOut(4, 3, text);
            canvas.TextOut(4, 3, text); // the second time from what the first one kept

            QFont font = canvas.Font.toQFont();
            font.setStyleStrategy(QFont::NoAntialias);
            QPainter painter(&expected);
            painter.setFont(font);
            painter.setPen(ColorToQColor(canvas.Font.Color()));
            painter.drawText(QPoint(4, 3 + QFontMetrics(font, &expected).ascent()), text);
            painter.end();
            EXPECT_EQ(image, expected) << text.toStdString() << " style " << style.toInt();
        }
    }
}

TEST(Canvas, FocusRectInvertsACheckerboardAndUndoesItself)
{
    QImage image = White(10, 8);
    image.setPixel(3, 1, qRgb(10, 20, 30));
    const QImage before = image;
    TCanvas canvas(&image);
    canvas.DrawFocusRect(Rect(1, 1, 7, 6));
    EXPECT_EQ(canvas.Pixels[2][2], clWhite);                 // inside untouched
    EXPECT_EQ(canvas.Pixels[1][1], clBlack);                 // (x + y) even: inverted
    EXPECT_EQ(canvas.Pixels[2][1], clWhite);                 // odd: kept
    EXPECT_EQ(canvas.Pixels[3][1], RGBColor(245, 235, 225)); // XOR, not a fixed colour
    EXPECT_EQ(canvas.Pixels[6][4], clBlack);                 // right column is x = 6
    EXPECT_EQ(canvas.Pixels[7][5], clWhite);                 // outside
    EXPECT_EQ(Ink(image), QRect(1, 1, 6, 5));
    canvas.DrawFocusRect(Rect(1, 1, 7, 6));
    EXPECT_EQ(image, before);
}

TEST(Canvas, PixelsOutsideTheImageAreIgnored)
{
    QImage image = White(2, 2);
    TCanvas canvas(&image);
    canvas.Pixels[5][5] = clRed;
    canvas.Pixels[1][0] = clRed;
    EXPECT_EQ(canvas.Pixels[5][5], clNone);
    EXPECT_EQ(canvas.Pixels[1][0], clRed);
    // Stretching from beyond the source leaves the canvas as it was.
    canvas.CopyRect(Rect(0, 0, 2, 2), image, Rect(10, 10, 12, 12));
    EXPECT_EQ(canvas.Pixels[0][0], clWhite);
}

TEST(Canvas, ClipRectKeepsEveryOperationInside)
{
    QImage image = White(20, 20);
    TCanvas canvas(&image);
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 20, 20));
    canvas.SetClipRect(Rect(5, 5, 10, 10));
    EXPECT_EQ(canvas.ClipRect(), Rect(5, 5, 10, 10));
    canvas.Brush.Color = clBlack;
    canvas.FillRect(Rect(0, 0, 20, 20));
    canvas.SetPixel(1, 1, clRed);
    canvas.DrawFocusRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(Ink(image), QRect(5, 5, 5, 5));
    canvas.ResetClipRect();
    canvas.SetPixel(1, 1, clRed);
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 0, 0));
}

TEST(Canvas, TextRectFillsAndClipsToItsRectangle)
{
    QImage image = White(80, 20);
    TCanvas canvas(&image);
    canvas.Brush.Color = clBlue;
    canvas.Font.SetColor(clBlack);
    const QString text = QStringLiteral("WWWWWWWW");
    const QSize extent = canvas.TextExtent(text);
    ASSERT_GT(extent.width(), 30);
    // The text starts inside and runs past the rectangle's right edge.
    canvas.TextRect(Rect(10, 2, 30, 18), 12, 3, text);
    EXPECT_EQ(Ink(image), QRect(10, 2, 20, 16));
    EXPECT_EQ(image.pixel(10, 2), qRgb(0, 0, 255));
    EXPECT_NE(Painted(image, qRgb(0, 0, 0)), QRect());
    EXPECT_LE(Painted(image, qRgb(0, 0, 0)).right(), 29);
}

// On a denser device a control keeps its text apart and draws it over its
// enlarged picture: clipped as it would have been, and crisp.
TEST(Canvas, TextKeptApartKeepsItsClipAndIsDrawnOverThePicture)
{
    QImage picture = White(80, 20);
    TTextLayer text;
    TCanvas canvas(&picture);
    canvas.DeferTextTo(&text);
    canvas.Brush.Color = clBlue;
    canvas.Font.SetColor(clBlack);
    const QString wide = QStringLiteral("WWWWWWWW");
    ASSERT_GT(canvas.TextWidth(wide), 30);
    canvas.TextRect(Rect(10, 2, 30, 18), 12, 3, wide);
    canvas.Brush.Style = bsClear;
    TRect second = Rect(40, 2, 60, 18);
    canvas.DrawText(wide, second, DT_SINGLELINE);
    // The picture holds the text rectangle's fill, not the text.
    EXPECT_EQ(Ink(picture), QRect(10, 2, 20, 16));
    ASSERT_EQ(2u, text.size());

    QImage dense = White(160, 40);
    dense.setDevicePixelRatio(2);
    {
        QPainter painter(&dense);
        DrawPicture(painter, QPoint(), picture, text);
    }
    EXPECT_EQ(dense.pixel(20, 4), qRgb(0, 0, 255)); // the fill pixel-doubled
    EXPECT_EQ(dense.pixel(21, 5), qRgb(0, 0, 255));
    // Each text is drawn, and stays inside the rectangle it was clipped to.
    const auto glyphsIn = [&](const QRect& columns) {
        QRect box;
        for (int y = 0; y < dense.height(); ++y)
            for (int x = columns.left(); x <= columns.right(); ++x)
                if (const QRgb p = dense.pixel(x, y); p != qRgb(255, 255, 255) && p != qRgb(0, 0, 255))
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect first = glyphsIn(QRect(0, 0, 70, 40)), last = glyphsIn(QRect(70, 0, 90, 40));
    EXPECT_FALSE(first.isEmpty());
    EXPECT_TRUE(QRect(20, 4, 40, 32).contains(first));
    EXPECT_FALSE(last.isEmpty());
    EXPECT_TRUE(QRect(80, 4, 40, 32).contains(last));
}

// At a whole ratio the picture is enlarged by the canvas itself, in bands of
// rows: every device pixel of the exposed part is its picture pixel, whatever
// the part's width (runs of four and the pixels left over), height (whole
// bands and a last short one) and wherever it starts.
TEST(Canvas, PictureAtRatio2IsEachPixelRepeatedTwiceAcrossAndDown)
{
    QImage picture(11, 37, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(20 * x, 6 * y, 7 * x + y));
    for (const QRect& exposed : {picture.rect(), QRect(1, 1, 7, 33), QRect(3, 0, 1, 37)}) {
        QImage dense = White(22, 74);
        dense.setDevicePixelRatio(2);
        {
            QPainter painter(&dense);
            DrawPicture(painter, QPoint(), picture, {}, exposed);
        }
        for (int y = 0; y < dense.height(); ++y)
            for (int x = 0; x < dense.width(); ++x) {
                const QPoint at(x / 2, y / 2);
                const QRgb expected = exposed.contains(at) ? picture.pixel(at) : qRgb(255, 255, 255);
                ASSERT_EQ(dense.pixel(x, y), expected) << x << "," << y << " of " << exposed.width() << " wide";
            }
    }
}
