#include "skin/buttons/suiprogressbar.h"
#include "skin/buttons/suibuttonsregistry.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/resources.h"

#include <QAccessibleInterface>
#include <QTest>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

QRgb Rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

struct Bar {
    QWidget form;
    TsuiProgressBar* bar = new TsuiProgressBar(&form, &form);
    explicit Bar(TsuiUIStyle style = TsuiUIStyle::WinXP, int length = 145)
    {
        bar->SetUIStyle(style);
        bar->SetWidth(length);
    }
};

// Counts real paints of the shown bar.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

int CountPixels(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

TEST(TsuiProgressBar, CreatedWithTheOwnersStyleAndDefaults)
{
    QWidget form;
    TsuiProgressBar bar(&form, &form);
    EXPECT_EQ(bar.UIStyle(), TsuiUIStyle::DeepBlue); // no skinned frame on the form
    EXPECT_EQ(bar.size(), QSize(150, 12));
    EXPECT_EQ(bar.Position(), 50);
    EXPECT_EQ(bar.Caption(), "50%");
    EXPECT_EQ(bar.Picture()->ResourceName(), "DEEPBLUE_PROGRESSBAR");
    EXPECT_EQ(bar.Color(), GetThemeColor(TsuiUIStyle::DeepBlue, teControlColor));
}

TEST(TsuiProgressBar, HalfwayOn145PixelsFills72)
{
    Bar b;
    b.bar->SetPosition(50);
    EXPECT_EQ(b.bar->GetWidthFromPosition(144), 72);
    EXPECT_EQ(b.bar->Caption(), "50%");
    EXPECT_EQ(b.bar->BorderColor(), RGBColor(0x68, 0x68, 0x68));
    EXPECT_EQ(b.bar->Color(), RGBColor(0xEF, 0xEB, 0xDE));

    b.bar->SetShowCaption(false);
    const QImage face = b.bar->ComposeFace();
    const QImage picture = LoadBitmapResource("WINXP_PROGRESSBAR");
    ASSERT_EQ(picture.size(), QSize(6, 10));
    const int y = 5;
    EXPECT_EQ(face.pixel(0, y), Rgb(b.bar->BorderColor()));
    EXPECT_EQ(face.pixel(1, y), picture.pixel(0, y - 1));
    EXPECT_EQ(face.pixel(71, y), picture.pixel(5, y - 1));
    EXPECT_EQ(face.pixel(72, y), Rgb(b.bar->Color()));
    EXPECT_EQ(face.pixel(143, y), Rgb(b.bar->Color()));
    EXPECT_EQ(face.pixel(144, y), Rgb(b.bar->BorderColor()));
    EXPECT_EQ(face.pixel(72, 0), Rgb(b.bar->BorderColor()));
    EXPECT_EQ(face.pixel(72, 11), Rgb(b.bar->BorderColor()));
}

TEST(TsuiProgressBar, CaptionIsCentredInTheBitmapFont)
{
    Bar b;
    b.bar->SetPosition(0); // an empty bar: the caption is the only black
    const QImage face = b.bar->ComposeFace();
    const QFontMetrics metrics(TFont().toQFont());
    const int tw = metrics.horizontalAdvance("0%"), th = metrics.height();
    const QRect cell((145 - tw) / 2, (12 - th) / 2, tw, th);
    int inside = 0, outside = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 145; ++x)
            if (face.pixel(x, y) == qRgb(0, 0, 0)) (cell.contains(x, y) ? inside : outside)++;
    EXPECT_GT(inside, 5);
    EXPECT_EQ(outside, 0);

    b.bar->SetSmartShowCaption(true); // left out at Min only
    EXPECT_EQ(CountPixels(b.bar->ComposeFace(), qRgb(0, 0, 0)), 0);
    b.bar->SetPosition(1);
    EXPECT_GT(CountPixels(b.bar->ComposeFace(), qRgb(0, 0, 0)), 0);
}

TEST(TsuiProgressBar, OutOfRangeValues)
{
    Bar b;
    b.bar->SetShowCaption(false);
    b.bar->SetPosition(0); // the picture rectangle is empty: colour from column 1
    EXPECT_EQ(b.bar->ComposeFace().pixel(1, 5), Rgb(b.bar->Color()));

    b.bar->SetPosition(150);
    EXPECT_EQ(b.bar->Caption(), "150%");
    EXPECT_EQ(b.bar->GetWidthFromPosition(144), 144);
    EXPECT_NE(b.bar->ComposeFace().pixel(143, 5), Rgb(b.bar->Color()));

    b.bar->SetPosition(-10);
    EXPECT_EQ(b.bar->Caption(), "-10%");
    EXPECT_EQ(b.bar->GetWidthFromPosition(144), 0);

    b.bar->SetMin(100); // Min = Max: no division, empty bar
    b.bar->SetPosition(100);
    EXPECT_EQ(b.bar->Caption(), "0%");
    EXPECT_EQ(b.bar->ComposeFace().pixel(1, 5), Rgb(b.bar->Color()));

    b.bar->SetMin(0);
    b.bar->SetMax(INT_MAX); // wide ranges do not overflow
    b.bar->SetPosition(INT_MAX);
    EXPECT_EQ(b.bar->Caption(), "100%");
    b.bar->SetMin(INT_MIN);
    EXPECT_EQ(b.bar->GetPercentFromPosition(), 100);
}

TEST(TsuiProgressBar, ThicknessIsFixedAt12)
{
    Bar b;
    b.bar->SetHeight(20);
    EXPECT_EQ(b.bar->size(), QSize(145, 12));
    b.bar->resize(145, 20);
    EXPECT_EQ(b.bar->height(), 12);
    b.bar->SetWidth(200);
    EXPECT_EQ(b.bar->size(), QSize(200, 12));
}

TEST(TsuiProgressBar, VerticalSwapsSidesFillsFromBelowAndTurnsTheCaptionOff)
{
    Bar b(TsuiUIStyle::WinXP, 150);
    b.bar->SetOrientation(suiVertical);
    EXPECT_EQ(b.bar->size(), QSize(12, 150));
    EXPECT_EQ(b.bar->Picture()->ResourceName(), "WINXP_PROGRESSBAR_V");
    b.bar->SetWidth(20);
    EXPECT_EQ(b.bar->width(), 12);

    const QImage face = b.bar->ComposeFace(); // position 50: y = 149 - 74
    EXPECT_EQ(face.pixel(5, 74), Rgb(b.bar->Color()));
    EXPECT_NE(face.pixel(5, 75), Rgb(b.bar->Color()));
    EXPECT_NE(face.pixel(5, 148), Rgb(b.bar->Color()));
    EXPECT_EQ(face.pixel(5, 149), Rgb(b.bar->BorderColor()));
    EXPECT_FALSE(b.bar->ShowCaption());
    b.bar->SetPosition(100); // y would be 0: the picture starts at row 1
    EXPECT_NE(b.bar->ComposeFace().pixel(5, 1), Rgb(b.bar->Color()));
    b.bar->SetPosition(0); // the picture rows are empty, colour to the bottom
    EXPECT_EQ(b.bar->ComposeFace().pixel(5, 148), Rgb(b.bar->Color()));

    b.bar->SetOrientation(suiHorizontal);
    EXPECT_EQ(b.bar->size(), QSize(150, 12));
    EXPECT_FALSE(b.bar->ShowCaption());
    EXPECT_EQ(CountPixels(b.bar->ComposeFace(), qRgb(0, 0, 0)), 0);
    b.bar->SetShowCaption(true);
    EXPECT_GT(CountPixels(b.bar->ComposeFace(), qRgb(0, 0, 0)), 0);
}

TEST(TsuiProgressBar, CustomStyleKeepsPictureAndColoursOnOrientationChange)
{
    Bar b(TsuiUIStyle::Custom);
    b.bar->SetColor(clRed);
    b.bar->SetBorderColor(clBlue);
    const QString before = b.bar->Picture()->ResourceName();
    b.bar->SetOrientation(suiVertical);
    EXPECT_EQ(b.bar->Color(), clRed);
    EXPECT_EQ(b.bar->BorderColor(), clBlue);
    EXPECT_EQ(b.bar->Picture()->ResourceName(), before);
}

TEST(TsuiProgressBar, PositionRepaintsBeforeReturningOnlyWhenTheFaceChanges)
{
    Bar b(TsuiUIStyle::WinXP, 145);
    b.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&b.form));
    b.bar->SetPosition(0);
    PaintCounter counter;
    b.bar->installEventFilter(&counter);
    b.bar->SetPosition(1);
    EXPECT_EQ(counter.paints, 1) << "painted before the setter returned";
    b.bar->SetPosition(1);
    EXPECT_EQ(counter.paints, 1) << "nothing changed on screen";
    b.bar->StepIt();
    EXPECT_EQ(b.bar->Position(), 2);
    EXPECT_EQ(counter.paints, 2);
    b.bar->StepBy(-2);
    EXPECT_EQ(b.bar->Position(), 0);
    EXPECT_EQ(counter.paints, 3);
}

// The record of what the screen shows follows the caption settings too: a
// position set after one of them must not take the screen for up to date.
TEST(TsuiProgressBar, APositionSetAfterACaptionSettingPaintsWhatItShows)
{
    Bar b(TsuiUIStyle::WinXP, 145);
    b.bar->SetMax(1000);
    b.bar->SetPosition(0);
    b.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&b.form));
    b.bar->SetSmartShowCaption(true); // "0%" goes at Min
    PaintCounter counter;
    b.bar->installEventFilter(&counter);
    b.bar->SetPosition(1); // still 0 % and nothing filled, but the caption is back
    EXPECT_EQ(counter.paints, 1);
    EXPECT_TRUE(b.bar->grab().toImage().convertToFormat(QImage::Format_RGB32) == b.bar->ComposeFace());

    b.bar->SetShowCaption(false);
    const int painted = counter.paints;
    b.bar->SetPosition(2);
    EXPECT_EQ(counter.paints, painted) << "the caption setting painted; the position changed nothing";
}

TEST(TsuiProgressBar, AccessibleAsAProgressBar)
{
    Bar b;
    b.bar->SetPosition(42);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(b.bar);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::ProgressBar);
    ASSERT_NE(iface->valueInterface(), nullptr);
    EXPECT_EQ(iface->valueInterface()->currentValue().toInt(), 42);
    EXPECT_EQ(iface->valueInterface()->maximumValue().toInt(), 100);
    EXPECT_EQ(iface->text(QAccessible::Value), "42%");
}

TEST(TsuiProgressBar, ContainerApplyUIStyleKeepsCustomBars)
{
    QWidget form;
    auto* themed = new TsuiProgressBar(&form, &form);
    auto* custom = new TsuiProgressBar(&form, &form);
    custom->SetUIStyle(TsuiUIStyle::Custom);
    ContainerApplyUIStyle(&form, TsuiUIStyle::MacOS);
    EXPECT_EQ(themed->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(themed->Picture()->ResourceName(), "MACOS_PROGRESSBAR");
    EXPECT_EQ(custom->UIStyle(), TsuiUIStyle::Custom);
}

} // namespace

namespace {

// The main window's bar as its layout stores it: a stored Picture and colours
// come after the style and win over it.
TEST(TsuiProgressBar, ReadFromAStoredLayout)
{
    toolkit::RegisterClass<QWidget>("TTestForm");
    RegisterSuiButtons();
    std::unique_ptr<QObject> root(
        toolkit::ReadLayout(QStringLiteral("object F: TTestForm\n"
                                           "  object P: TsuiProgressBar\n"
                                           "    UIStyle = WinXP\n"
                                           "    Max = 100\n"
                                           "    Min = 0\n"
                                           "    Position = 0\n"
                                           "    Orientation = suiHorizontal\n"
                                           "    BorderColor = 255\n"
                                           "    Color = 14609391\n"
                                           "    Picture.ResourceName = 'MACOS_PROGRESSBAR'\n"
                                           "  end\n"
                                           "end\n")));
    auto* bar = root->findChild<TsuiProgressBar*>("P");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(bar->Caption(), "0%");
    EXPECT_EQ(bar->BorderColor(), clRed);
    EXPECT_EQ(bar->Color(), RGBColor(0xEF, 0xEB, 0xDE));
    EXPECT_EQ(bar->Picture()->ResourceName(), "MACOS_PROGRESSBAR");
}

// The writer stores the size before the orientation; a vertical bar reads
// back with its length.
TEST(TsuiProgressBar, VerticalBarSurvivesAStoredLayout)
{
    toolkit::RegisterClass<QWidget>("TTestForm");
    RegisterSuiButtons();
    QWidget form;
    form.setObjectName("F");
    auto* bar = new TsuiProgressBar(&form, &form);
    bar->setObjectName("P");
    bar->SetOrientation(suiVertical);
    bar->SetHeight(80);
    ASSERT_EQ(bar->size(), QSize(TsuiProgressBar::Thickness, 80));
    const QString written = toolkit::WriteLayout(&form);
    std::unique_ptr<QObject> root(toolkit::ReadLayout(written));
    auto* copy = root->findChild<TsuiProgressBar*>("P");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Orientation(), suiVertical);
    EXPECT_EQ(copy->size(), QSize(TsuiProgressBar::Thickness, 80));
    EXPECT_EQ(toolkit::WriteLayout(root.get()), written);
}

} // namespace
