// The finished window as its stored layout builds it: MacOS frame and title
// bar, MacOS buttons and the WinXP progress bar.
#include "apptestsupport.h"
#include "skin/frame/suiform.h"
#include "toolkit/resources.h"

#include <QAccessible>
#include <QIcon>
#include <QSet>
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

// Task bars and window switchers show the window's own icon, small and large
// (icons are never enlarged, so a 256-pixel picture must really be there).
TEST_F(MainWindowTest, WindowCarriesTheUtilityIcon)
{
    const QIcon icon = form_->windowIcon();
    EXPECT_EQ(icon.pixmap(QSize(16, 16)).size(), QSize(16, 16));
    EXPECT_EQ(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
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

// The values the layout stores for the skinned controls, read back through
// their published properties.
void ExpectProperties(const QObject& object, const std::vector<std::pair<const char*, QVariant>>& expected)
{
    for (const auto& [name, value] : expected)
        EXPECT_EQ(object.property(name).toString(), value.toString())
            << object.objectName().toStdString() << "." << name;
}

TEST_F(MainWindowTest, SkinnedControlsHoldEveryStoredValue)
{
    TForm1& form = *form_;
    TsuiForm& frame = *form.suiForm1;
    EXPECT_EQ(frame.geometry(), QRect(1, 0, 324, 154));
    ExpectProperties(frame, {{"TitleBarVisible", true},
                             {"TitleBarDrawAppIcon", false},
                             {"MenuBarColor", 0xE7E7E7u},
                             {"MenuBarHeight", 22}});
    const toolkit::TFont& font = *frame.GetFont();
    EXPECT_EQ(font.Color(), toolkit::clWhite);
    EXPECT_EQ(font.Style(), toolkit::TFontStyles(toolkit::fsBold));
    EXPECT_EQ(font.Charset(), 1);

    const char* buttonPictures[] = {"CTLBOX", "CLOSE", "MIN"};
    const TsuiTitleBarBtnType types[] = {suiControlBox, suiClose, suiMin};
    const TsuiTitleBarButtons& buttons = *frame.GetButtons();
    ASSERT_EQ(buttons.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        const TsuiTitleBarButton& button = *buttons[i];
        EXPECT_EQ(button.ButtonType(), types[i]);
        EXPECT_FALSE(button.Transparent());
        EXPECT_EQ(button.Top(), 4);
        EXPECT_EQ(button.UIStyle(), TsuiUIStyle::MacOS);
        const QString prefix = QStringLiteral("MACOS_TITLEBTN_%1_").arg(QLatin1String(buttonPictures[i]));
        EXPECT_EQ(button.PicNormal().ResourceName(), prefix + "NORMAL");
        EXPECT_EQ(button.PicMouseOn().ResourceName(), prefix + "MOUSEON");
        EXPECT_EQ(button.PicMouseDown().ResourceName(), prefix + "MOUSEDOWN");
    }

    struct Section {
        TsuiTitleBarAlign align;
        bool autoSize, stretch;
        int width;
        const char* picture;
    };
    const Section stored[] = {{suiLeft, true, false, 48, "MACOS_TITLE_LEFT"},
                              {suiRight, true, false, 48, "MACOS_TITLE_RIGHT"},
                              {suiClient, false, true, 10, "MACOS_TITLE_CLIENT"}};
    const TsuiTitleBarSections& sections = *frame.GetSections();
    ASSERT_EQ(sections.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(sections[i]->Align(), stored[i].align);
        EXPECT_EQ(sections[i]->AutoSize(), stored[i].autoSize);
        EXPECT_EQ(sections[i]->Stretch(), stored[i].stretch);
        EXPECT_EQ(sections[i]->Width(), stored[i].width);
        EXPECT_EQ(sections[i]->Picture()->ResourceName(), stored[i].picture);
    }

    for (const QObject* button : {static_cast<QObject*>(form.cmdUpdate), static_cast<QObject*>(form.cmdLoad)})
        ExpectProperties(*button, {{"AutoSize", false},
                                   {"Transparent", false},
                                   {"ModalResult", 0},
                                   {"Layout", "blGlyphLeft"},
                                   {"Spacing", 4},
                                   {"ResHandle", 0},
                                   {"MouseContinuouslyDownInterval", 100}});

    ExpectProperties(*form.suiProgressBar1, {{"CaptionColor", 0},
                                             {"ShowCaption", true},
                                             {"SmartShowCaption", false},
                                             {"Max", 100},
                                             {"Min", 0},
                                             {"Position", 0},
                                             {"Orientation", "suiHorizontal"},
                                             {"Color", 14609391},
                                             {"Visible", false}});
}

} // namespace

namespace {

QString AccessibleText(QWidget* widget, QAccessible::Text text)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(text) : QString();
}

// Before an update the progress bar and the status panels show nothing a
// screen reader could read; each still says what it is.
TEST_F(MainWindowTest, ProgressBarAndStatusPanelsTellAScreenReaderWhatTheyAre)
{
    TForm1& form = *form_;
    EXPECT_FALSE(AccessibleText(form.suiProgressBar1, QAccessible::Name).isEmpty());
    QSet<QString> roles;
    for (int i = 0; i < form.StatusBar1->Panels.Count(); ++i)
        roles.insert(AccessibleText(form.StatusBar1->Panels[i], QAccessible::Description));
    EXPECT_EQ(roles.size(), 3);
    EXPECT_FALSE(roles.contains(QString()));
    // The browse button keeps its caption as its name and says what it does.
    EXPECT_EQ(AccessibleText(form.cmdLoad, QAccessible::Name), QStringLiteral("..."));
    EXPECT_EQ(AccessibleText(form.cmdLoad, QAccessible::Description), QStringLiteral("Select a firmware file to update."));
}

} // namespace
