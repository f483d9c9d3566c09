#include "toolkit/types.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

using namespace toolkit;

// System colours are the light ones the skins were drawn for, whatever the
// desktop's palette (a dark one must not turn captions on light faces white).
TEST(Colors, PlainColoursAreBgrAndSystemColoursIgnoreTheDesktopPalette)
{
    EXPECT_EQ(ColorToQColor(0xC82C00), QColor(0x00, 0x2C, 0xC8));
    EXPECT_EQ(QColorToColor(QColor(0x7F, 0x10, 0x01)), 0x01107Fu);

    const TColor face = ColorToRGB(clBtnFace), text = ColorToRGB(clWindowText);
    EXPECT_NE(face, text);
    QPalette saved = QApplication::palette();
    QPalette pal = saved;
    pal.setColor(QPalette::Button, QColor(1, 2, 3));
    pal.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(pal);
    EXPECT_EQ(ColorToRGB(clBtnFace), face);
    EXPECT_EQ(ColorToRGB(clWindowText), text);
    QApplication::setPalette(saved);
}

TEST(Rects, RightAndBottomAreExclusive)
{
    const TRect r = Rect(10, 10, 40, 30);
    EXPECT_EQ(r.toQRect(), QRect(10, 10, 30, 20));
    EXPECT_EQ(TRect::fromQRect(r.toQRect()), r);
    EXPECT_TRUE(Rect(5, 5, 5, 9).IsEmpty());
}
