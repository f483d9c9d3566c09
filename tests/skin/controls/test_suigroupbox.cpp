#include "skin/buttons/suibutton.h"
#include "skin/controls/suigroupbox.h"
#include "skin/frame/suiform.h"
#include "toolkit/canvas.h"
#include "toolkit/panel.h"

#include <QAccessibleInterface>
#include <gtest/gtest.h>
#include <set>

using namespace toolkit;

namespace {

QRgb Rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

// An opaque white box with a red border and black caption.
struct Boxed {
    TPanel parent{nullptr};
    TsuiGroupBox* box;
    Boxed()
    {
        parent.resize(300, 200);
        box = new TsuiGroupBox(&parent, &parent);
        box->SetTransparent(false);
        box->SetColor(clWhite);
        box->SetBorderColor(clRed);
        box->Font()->SetColor(clBlack);
    }
    int CaptionWidth() const
    {
        QImage probe(1, 1, QImage::Format_RGB32);
        TCanvas canvas(&probe);
        canvas.Font.Assign(*box->Font());
        return canvas.TextWidth(box->Caption());
    }
};

TEST(TsuiGroupBox, TopEdgeLeavesAGapForTheCaption)
{
    Boxed b;
    ASSERT_EQ(b.box->size(), QSize(185, 105));
    const QRgb red = Rgb(clRed);
    const int edge = 11 / 2 + 1; // half the font height, plus one

    // Empty caption: a closed frame.
    QImage image = b.box->RenderToImage();
    for (int x = 0; x < 185; ++x)
        ASSERT_EQ(image.pixel(x, edge), red) << "top, x " << x;
    for (int y = edge; y < 105; ++y) {
        ASSERT_EQ(image.pixel(0, y), red) << "left, y " << y;
        ASSERT_EQ(image.pixel(184, y), red) << "right, y " << y;
    }
    for (int x = 0; x < 185; ++x)
        ASSERT_EQ(image.pixel(x, 104), red) << "bottom, x " << x;
    EXPECT_EQ(image.pixel(1, edge - 1), Rgb(clWhite));
    EXPECT_EQ(image.pixel(1, edge + 1), Rgb(clWhite));

    b.box->SetCaption(QStringLiteral("Options"));
    const int gapEnd = b.CaptionWidth() + 6;
    image = b.box->RenderToImage();
    for (int x = 0; x <= 2; ++x)
        EXPECT_EQ(image.pixel(x, edge), red) << "x " << x;
    for (int x = 3; x <= gapEnd; ++x)
        ASSERT_NE(image.pixel(x, edge), red) << "gap, x " << x;
    for (int x = gapEnd + 1; x < 185; ++x)
        ASSERT_EQ(image.pixel(x, edge), red) << "x " << x;

    // The caption's text starts at (5, 0) and stays inside its cell.
    std::set<QRgb> captionColours;
    QRect ink;
    for (int y = 0; y < edge + 8; ++y)
        for (int x = 3; x <= gapEnd; ++x)
            if (image.pixel(x, y) != Rgb(clWhite)) {
                ink |= QRect(x, y, 1, 1);
                captionColours.insert(image.pixel(x, y));
            }
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), 5);
    EXPECT_LT(ink.right(), 5 + b.CaptionWidth());
    EXPECT_EQ(captionColours, std::set<QRgb>{Rgb(clBlack)});
}

// Qt alone would leave a child disabled on its own disabled afterwards.
TEST(TsuiGroupBox, EnabledIsHandedToEveryChildAndGreysTheCaption)
{
    Boxed b;
    b.box->SetCaption(QStringLiteral("Options"));
    auto* first = new TPanel(&b.parent, b.box);
    auto* second = new TPanel(&b.parent, b.box);
    second->setEnabled(false);
    const QRgb grey = qRgb(0x80, 0x80, 0x80);
    auto captionHas = [&](QRgb colour) {
        const QImage image = b.box->RenderToImage();
        for (int y = 0; y < 13; ++y)
            for (int x = 5; x < 5 + b.CaptionWidth(); ++x)
                if (image.pixel(x, y) == colour) return true;
        return false;
    };
    EXPECT_TRUE(captionHas(Rgb(clBlack)));

    b.box->SetEnabled(false);
    EXPECT_FALSE(first->isEnabled());
    EXPECT_TRUE(captionHas(grey));
    EXPECT_FALSE(captionHas(Rgb(clBlack)));
    EXPECT_EQ(b.box->Font()->Color(), clBlack) << "greyed only while painting";

    b.box->SetEnabled(true);
    EXPECT_TRUE(first->isEnabled());
    EXPECT_TRUE(second->isEnabled());
    EXPECT_TRUE(captionHas(Rgb(clBlack)));
}

TEST(TsuiGroupBox, TakesItsColoursFromTheFrameAndFromAPushedStyle)
{
    QWidget form;
    auto* frame = new TsuiForm(&form, &form);
    frame->SetUIStyle(TsuiUIStyle::MacOS);
    TsuiGroupBox mac(&form, &form);
    EXPECT_EQ(mac.BorderColor(), RGBColor(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(mac.Font()->Color(), clBlack);
    EXPECT_TRUE(mac.Transparent());
    EXPECT_EQ(mac.Caption(), QString());

    const TColor macColor = mac.Color();
    ContainerApplyUIStyle(&form, TsuiUIStyle::WinXP);
    EXPECT_EQ(mac.BorderColor(), GetThemeColor(TsuiUIStyle::WinXP, teControlBorderColor));
    EXPECT_EQ(mac.Font()->Color(), GetThemeColor(TsuiUIStyle::WinXP, teControlFontColor));
    EXPECT_EQ(mac.Color(), GetThemeColor(TsuiUIStyle::WinXP, teControlColor));
    EXPECT_NE(mac.Color(), macColor);

    // No theme: the colours stay rather than turning black.
    ContainerApplyUIStyle(&form, TsuiUIStyle::Custom);
    EXPECT_EQ(mac.BorderColor(), GetThemeColor(TsuiUIStyle::WinXP, teControlBorderColor));
    EXPECT_EQ(mac.Color(), GetThemeColor(TsuiUIStyle::WinXP, teControlColor));

    // The box passes a style on to the controls inside it.
    auto* button = new TsuiButton(&form, &mac);
    SubContainerApplyUIStyle(&form, TsuiUIStyle::Protein);
    EXPECT_EQ(button->UIStyle(), TsuiUIStyle::Protein);
}

TEST(TsuiGroupBox, IsAnAccessibleGroupingNamedByItsCaption)
{
    Boxed b;
    b.box->SetCaption(QStringLiteral("&Options"));
    auto* inner = new TsuiButton(&b.parent, b.box);
    inner->SetCaption(QStringLiteral("Apply"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(b.box);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Grouping);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Options"));
    ASSERT_EQ(iface->childCount(), 1);
    EXPECT_EQ(iface->child(0)->text(QAccessible::Name), QStringLiteral("Apply"));
}

} // namespace
