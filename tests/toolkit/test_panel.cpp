#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/panel.h"
#include "toolkit/stdctrls.h"

#include <QFontMetrics>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace toolkit;

namespace {

// The smallest rectangle holding every pixel that is not the background.
QRect Ink(const QImage& image, QRgb background)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST(Panel, CaptionIsOneCentredLinePlacedByAlignmentInsideTheBorder)
{
    TPanel panel(nullptr);
    panel.resize(120, 40);
    panel.SetColor(clWhite);
    panel.Font()->SetColor(clBlack);
    panel.SetBorderWidth(3);
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_EQ(panel.Alignment(), taCenter);

    // Blank captions draw nothing, whatever their control characters.
    panel.SetCaption(QStringLiteral(" \t "));
    EXPECT_TRUE(Ink(panel.RenderToImage(), white).isNull());

    panel.SetCaption(QStringLiteral("Mg"));
    const QFontMetrics metrics(panel.Font()->toQFont());
    const int advance = metrics.horizontalAdvance(QStringLiteral("Mg"));
    const int inside = 120 - 2 * 3;
    panel.SetAlignment(taLeftJustify);
    const QRect left = Ink(panel.RenderToImage(), white);
    panel.SetAlignment(taRightJustify);
    const QRect right = Ink(panel.RenderToImage(), white);
    panel.SetAlignment(taCenter);
    const QRect centre = Ink(panel.RenderToImage(), white);

    // The same glyphs, moved only sideways by where each alignment puts the cell.
    ASSERT_FALSE(left.isNull());
    EXPECT_EQ(right, left.translated(inside - advance, 0));
    EXPECT_EQ(centre, left.translated((inside - advance) / 2, 0));
    const QRect leftCell(3, 3 + (34 - metrics.height()) / 2, advance, metrics.height());
    EXPECT_TRUE(leftCell.contains(left))
        << left.x() << "," << left.y() << " " << left.width() << "x" << left.height();
}

// The picture shown on screen is kept between paints: a new alignment must
// not leave the old one on screen.
TEST(Panel, AlignmentChangeRepaintsTheShownPicture)
{
    TPanel panel(nullptr);
    panel.resize(120, 30);
    panel.SetCaption(QStringLiteral("Mg"));
    panel.SetAlignment(taLeftJustify);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    const QImage left = panel.grab().toImage();
    panel.SetAlignment(taRightJustify);
    QCoreApplication::processEvents();
    EXPECT_NE(panel.grab().toImage(), left);
}

TEST(Panel, AlignedChildrenKeepClearOfTheBorder)
{
    TPanel panel(nullptr);
    panel.resize(200, 100);
    TPanel top(nullptr, &panel);
    TPanel client(nullptr, &panel);
    top.SetHeight(20);
    top.SetAlign(alTop);
    client.SetAlign(alClient);
    panel.SetBorderWidth(6);
    EXPECT_EQ(top.geometry(), QRect(6, 6, 188, 20));
    EXPECT_EQ(client.geometry(), QRect(6, 26, 188, 68));

    panel.show(); // a hidden widget hears of its resizes only when shown
    panel.resize(100, 60);
    EXPECT_EQ(client.geometry(), QRect(6, 26, 88, 28));
    panel.SetBorderWidth(-2); // no border
    EXPECT_EQ(top.geometry(), QRect(0, 0, 100, 20));
    EXPECT_EQ(client.geometry(), QRect(0, 20, 100, 40));
}

TEST(Panel, ReadFromALayoutWithItsChildrenAndWrittenBackInClassicOrder)
{
    RegisterStandardControls();
    RegisterStandardControls(); // harmless
    const QString text = QStringLiteral(R"(object Outer: TPanel
  Left = 0
  Top = 0
  Width = 160
  Height = 90
  Alignment = taLeftJustify
  BorderWidth = 4
  Caption = 'Outer'
  Font.Height = -13
  object Bar: TPanel
    Height = 20
    Align = alBottom
    Alignment = taRightJustify
    Caption = 'Bar'
    Color = clWhite
    ParentFont = False
  end
  object Fill: TPanel
    Align = alClient
    ParentColor = True
    Visible = False
  end
end
)");
    std::unique_ptr<QObject> root(ReadLayout(text));
    auto* outer = qobject_cast<TPanel*>(root.get());
    ASSERT_TRUE(outer);
    auto* bar = outer->findChild<TPanel*>(QStringLiteral("Bar"));
    auto* fill = outer->findChild<TPanel*>(QStringLiteral("Fill"));
    ASSERT_TRUE(bar && fill);
    EXPECT_EQ(outer->Alignment(), taLeftJustify);
    EXPECT_EQ(bar->geometry(), QRect(4, 66, 152, 20));
    EXPECT_EQ(bar->Alignment(), taRightJustify);
    EXPECT_EQ(bar->Color(), clWhite);
    EXPECT_EQ(fill->Color(), outer->Color());
    EXPECT_FALSE(fill->Visible());

    const QString written = WriteLayout(root.get());
    EXPECT_TRUE(written.startsWith(QStringLiteral("object Outer: TPanel\n  Width = 160\n  Height = 90\n"
                                                  "  Alignment = taLeftJustify\n  BorderWidth = 4\n"
                                                  "  Caption = 'Outer'\n  Font.Height = -13\n")))
        << written.toStdString();
    std::unique_ptr<QObject> again(ReadLayout(written));
    EXPECT_EQ(WriteLayout(again.get()), written);
}

} // namespace
