#include "skin/controls/suicombobox.h"
#include "toolkit/canvas.h"
#include "toolkit/resources.h"

#include <gtest/gtest.h>

using namespace toolkit;

namespace {

QRgb Rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

struct Box {
    QWidget form;
    TsuiComboBox* box = new TsuiComboBox(&form, &form);
    Box(TsuiUIStyle style, TComboBoxStyle comboStyle = csDropDownList)
    {
        box->SetStyle(comboStyle);
        box->SetUIStyle(style);
        box->setGeometry(0, 0, 120, box->height());
    }
};

// Pixels of the arrow's triangle rows at (x, y): 7, 5, 3, 1 wide.
std::vector<QPoint> Triangle(int x, int y)
{
    std::vector<QPoint> points;
    for (int row = 0; row < 4; ++row)
        for (int i = row; i <= 6 - row; ++i)
            points.emplace_back(x + i, y + row);
    return points;
}

} // namespace

TEST(SkinnedComboBox, StyleColoursAndCustomIsBlack)
{
    Box b(TsuiUIStyle::WinXP);
    EXPECT_EQ(b.box->ButtonColor(), GetThemeColor(TsuiUIStyle::WinXP, teComboButtonColor));
    EXPECT_EQ(b.box->ArrowColor(), GetThemeColor(TsuiUIStyle::WinXP, teControlBorderColor));
    EXPECT_EQ(b.box->BorderColor(), GetThemeColor(TsuiUIStyle::WinXP, teControlBorderColor));

    // No exception for Custom: the theme answers black for all three.
    b.box->SetUIStyle(TsuiUIStyle::Custom);
    EXPECT_EQ(b.box->ButtonColor(), clBlack);
    EXPECT_EQ(b.box->ArrowColor(), clBlack);
    EXPECT_EQ(b.box->BorderColor(), clBlack);
    const QImage image = b.box->RenderToImage();
    const TRect button = b.box->ButtonRect();
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(1, 1), Rgb(b.box->Color())); // the inner band of Color
    EXPECT_EQ(image.pixel(button.Left, button.Top), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(button.Right - 1, button.Bottom - 1), qRgb(0, 0, 0));

    // A container passing its style on reaches the box, Custom or not.
    ContainerApplyUIStyle(&b.form, TsuiUIStyle::Protein);
    EXPECT_EQ(b.box->UIStyle(), TsuiUIStyle::Protein);
    EXPECT_EQ(b.box->ButtonColor(), GetThemeColor(TsuiUIStyle::Protein, teComboButtonColor));
}

TEST(SkinnedComboBox, ButtonIsFilledOrTheMacOSPictureWithTheArrowOverIt)
{
    Box b(TsuiUIStyle::BlueGlass);
    const TRect button = b.box->ButtonRect();
    const TPoint arrow = b.box->ArrowOrigin();
    EXPECT_EQ(arrow, Point(button.Left + button.Width() / 2 - 4, button.Height() / 2));
    QImage image = b.box->RenderToImage();
    for (const QPoint& p : Triangle(arrow.X, arrow.Y))
        EXPECT_EQ(image.pixel(p), Rgb(b.box->ArrowColor())) << p.x() << "," << p.y();
    EXPECT_EQ(image.pixel(arrow.X - 1, arrow.Y), Rgb(b.box->ButtonColor()));
    EXPECT_EQ(image.pixel(arrow.X + 3, arrow.Y + 4), Rgb(b.box->ButtonColor()));
    // The border goes over the button's outer pixels.
    EXPECT_EQ(image.pixel(button.Right, button.Top), Rgb(b.box->Color()));

    b.box->SetUIStyle(TsuiUIStyle::MacOS);
    image = b.box->RenderToImage();
    const QImage picture = LoadBitmapResource(QStringLiteral("MACOS_COMBOBOX_BUTTON"));
    const QImage stretched = StretchNearest(picture, Rect(0, 0, picture.width(), picture.height()), button);
    for (const QPoint& p : {QPoint(1, 1), QPoint(2, stretched.height() - 2), QPoint(stretched.width() - 2, 3)})
        EXPECT_EQ(image.pixel(p + QPoint(button.Left, button.Top)), stretched.pixel(p)) << p.x() << "," << p.y();
}

TEST(SkinnedComboBox, DisabledArrowIsGreyWithAWhiteShadow)
{
    Box b(TsuiUIStyle::DeepBlue);
    b.box->setEnabled(false);
    const TPoint arrow = b.box->ArrowOrigin();
    const QImage image = b.box->RenderToImage();
    for (const QPoint& p : Triangle(arrow.X, arrow.Y))
        EXPECT_EQ(image.pixel(p), qRgb(0x80, 0x80, 0x80)) << p.x() << "," << p.y();
    // The shadow shows where the grey triangle does not cover it.
    for (const QPoint& p : {QPoint(arrow.X + 7, arrow.Y + 1), QPoint(arrow.X + 6, arrow.Y + 2),
                            QPoint(arrow.X + 4, arrow.Y + 4)})
        EXPECT_EQ(image.pixel(p), qRgb(255, 255, 255)) << p.x() << "," << p.y();
}

TEST(SkinnedComboBox, SimpleBoxHasNoButtonAndNoArrow)
{
    Box b(TsuiUIStyle::WinXP, csSimple);
    const QImage image = b.box->RenderToImage();
    const QRgb field = Rgb(b.box->Color());
    // Where a drop-down box has its button, the simple one shows its field.
    for (int x = 120 - 18; x < 120 - 2; ++x)
        for (int y = 2; y < b.box->height() - 2; ++y)
            ASSERT_EQ(image.pixel(x, y), field) << x << "," << y;
}
