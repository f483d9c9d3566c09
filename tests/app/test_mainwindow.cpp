// The finished window as its stored layout builds it: MacOS frame and title
// bar, MacOS buttons and the WinXP progress bar.
#include "apptestsupport.h"
#include "skin/frame/suiform.h"
#include "toolkit/resources.h"

#include <QTest>

namespace {

using MainWindowTest = UtilityTest;

QRgb PixelOf(const toolkit::TPicture& picture, int x, int y)
{
    return picture.Bitmap().Image().pixel(x, y);
}

TEST_F(MainWindowTest, FrameTakesTheLaidOutValues)
{
    TForm1& form = *form_;
    EXPECT_EQ(form.size(), QSize(326, 155));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    TsuiForm& frame = *form.suiForm1;
    EXPECT_EQ(frame.UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_FALSE(frame.UIStyleAutoUpdateSub());
    EXPECT_EQ(frame.BorderColor(), toolkit::RGBColor(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(frame.BorderWidth(), 1);
    EXPECT_EQ(frame.Color(), toolkit::RGBColor(0xE7, 0xE7, 0xE7));
    EXPECT_EQ(frame.MenuBarHeight(), 22);
    EXPECT_EQ(frame.GetFont()->Name(), "Tahoma");
    EXPECT_EQ(frame.GetFont()->Height(), -11);
    EXPECT_EQ(GetSUIFormStyle(&form), TsuiUIStyle::MacOS);

    // The progress bar keeps WinXP inside the MacOS frame; the buttons are MacOS.
    EXPECT_EQ(form.suiProgressBar1->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(form.suiProgressBar1->BorderColor(), 6842472u);
    EXPECT_EQ(form.suiProgressBar1->Picture()->Bitmap().Image(),
              toolkit::LoadBitmapResource(QStringLiteral("WINXP_PROGRESSBAR")));
    EXPECT_EQ(form.cmdUpdate->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(form.cmdLoad->UIStyle(), TsuiUIStyle::MacOS);
}

TEST_F(MainWindowTest, TitleBarShowsControlBoxCloseAndMinimise)
{
    TForm1& form = *form_;
    TsuiTitleBar& bar = *form.suiForm1->TitleBar();
    ASSERT_EQ(bar.width(), 324);
    ASSERT_EQ(bar.Buttons()->Count(), 3);
    const TsuiTitleBarLayout layout = bar.ComputeLayout();
    EXPECT_EQ(layout.ControlBox, 0);
    EXPECT_EQ(layout.Buttons[1], toolkit::Bounds(305, 4, 17, 17)); // close
    EXPECT_EQ(layout.Buttons[2], toolkit::Bounds(287, 4, 17, 17)); // minimise
    EXPECT_EQ(layout.Buttons[0], toolkit::Bounds(3, 4, 17, 17));
    EXPECT_EQ(layout.CaptionX, 25);
    EXPECT_EQ(bar.Caption(), "IP Camera ISP Utility");
    EXPECT_EQ(bar.CaptionColor(), toolkit::clBlack);

    // Every stored picture is the style's own.
    const TsuiTitleBarButton& close = *bar.Buttons()->Items(1);
    EXPECT_EQ(close.PicNormal().Bitmap().Image(),
              toolkit::LoadBitmapResource(QStringLiteral("MACOS_TITLEBTN_CLOSE_NORMAL")));
    const QImage image = bar.RenderToImage();
    EXPECT_EQ(image.pixel(305 + 8, 4 + 8), PixelOf(close.PicNormal(), 8, 8));
    const TsuiTitleBarSections& sections = *bar.Sections();
    ASSERT_EQ(sections.Count(), 3);
    EXPECT_EQ(image.pixel(0, 20), PixelOf(*sections[0]->Picture(), 0, 20));
    EXPECT_EQ(image.pixel(276, 20), PixelOf(*sections[1]->Picture(), 0, 20));
    EXPECT_EQ(image.pixel(323, 20), PixelOf(*sections[1]->Picture(), 47, 20));

    // No window menu and no maximise button: neither does anything.
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(&bar, Qt::LeftButton, {}, QPoint(150, 10));
    EXPECT_FALSE(form.isMaximized());
    EXPECT_TRUE(form.isVisible());
}

} // namespace
