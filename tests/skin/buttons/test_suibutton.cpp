#include "skin/buttons/suibutton.h"
#include "skin/buttons/suicustombutton.h"
#include "skin/buttons/suiimagebutton.h"
#include "skin/buttons/suibuttonsregistry.h"
#include "toolkit/canvas.h"
#include "toolkit/layoutreader.h"
#include "toolkit/resources.h"
#include "tests/support/repeattick.h"

#include <QAccessibleInterface>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

QRgb Rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

struct Window {
    QWidget form;
    Window() { form.resize(300, 200); }
    TsuiButton* Button(TsuiUIStyle style, const QString& caption, int w, int h)
    {
        auto* button = new TsuiButton(&form, &form);
        button->SetUIStyle(style);
        button->SetCaption(caption);
        button->SetBounds(10, 10, w, h);
        return button;
    }
};

TEST(ButtonFace, StateMapsToPicture)
{
    EXPECT_EQ(ButtonFaceFor(true, false, false), TsuiButtonFace::Normal);
    EXPECT_EQ(ButtonFaceFor(true, false, true), TsuiButtonFace::MouseOn);
    EXPECT_EQ(ButtonFaceFor(true, true, true), TsuiButtonFace::MouseDown);
    EXPECT_EQ(ButtonFaceFor(false, false, true), TsuiButtonFace::Disabled);
    // Disabled by its own click handler while still held: stays pressed.
    EXPECT_EQ(ButtonFaceFor(false, true, false), TsuiButtonFace::MouseDown);
}

TEST(ButtonGlyph, LayoutsPlaceGlyphAndCaption)
{
    const QSize button(123, 23), text(50, 13), glyph(16, 16);
    TsuiGlyphPlacement left = PlaceGlyph(blGlyphLeft, button, text, glyph, 4);
    EXPECT_EQ(left.Glyph, Point(26, 3));
    EXPECT_EQ(left.Text, Point(46, 5));
    TsuiGlyphPlacement right = PlaceGlyph(blGlyphRight, button, text, glyph, 4);
    EXPECT_EQ(right.Glyph, Point(80, 3));
    EXPECT_EQ(right.Text, Point(26, 5));
    TsuiGlyphPlacement top = PlaceGlyph(blGlyphTop, QSize(60, 60), text, glyph, 4);
    EXPECT_EQ(top.Glyph, Point(22, 13));
    EXPECT_EQ(top.Text, Point(5, 33));
    TsuiGlyphPlacement bottom = PlaceGlyph(blGlyphBottom, QSize(60, 60), text, glyph, 4);
    EXPECT_EQ(bottom.Glyph, Point(22, 30));
    EXPECT_EQ(bottom.Text, Point(5, 13));
    // Halving truncates toward zero for a button narrower than its content.
    EXPECT_EQ(PlaceGlyph(blGlyphLeft, QSize(10, 10), text, glyph, 4).Glyph.X, -30);
}

// The "..." button of the main window: the 84 x 23 picture with its corners
// cropped to half the button, and the blue focus underline.
TEST(TsuiButton, DotButtonFaceCropsCornersAndUnderlinesFocus)
{
    Window w;
    TsuiButton* button = w.Button(TsuiUIStyle::MacOS, QString(), 25, 23);
    const QImage picture = LoadBitmapResource("MACOS_BUTTON_NORMAL");
    ASSERT_EQ(picture.size(), QSize(84, 23));
    const QImage face = button->RenderToImage();
    ASSERT_EQ(face.size(), QSize(25, 23));
    auto expectCorner = [&](int dx, int dy, int sx, int sy, int cw, int ch) {
        for (int y = 0; y < ch; ++y)
            for (int x = 0; x < cw; ++x)
                ASSERT_EQ(face.pixel(dx + x, dy + y), picture.pixel(sx + x, sy + y))
                    << "corner at " << dx << "," << dy << " pixel " << x << "," << y;
    };
    expectCorner(0, 0, 0, 0, 12, 11);   // top-left 12 x 11
    expectCorner(14, 0, 73, 0, 11, 11); // top-right 11 x 11 from columns 73..83
    // Bottom-left 12 x 10; its last column lies under the bottom edge, which
    // starts one pixel left of the corner's end.
    expectCorner(0, 13, 0, 13, 11, 10);
    expectCorner(14, 13, 73, 13, 11, 10); // bottom-right 11 x 10

    w.form.show();
    button->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    ASSERT_TRUE(button->hasFocus());
    const QImage focused = button->RenderToImage();
    for (int x = 10; x < 15; ++x)
        EXPECT_EQ(focused.pixel(x, 18), Rgb(clBlue)) << "x " << x;
    EXPECT_EQ(focused.pixel(15, 18), face.pixel(15, 18));
    EXPECT_EQ(focused.pixel(9, 18), face.pixel(9, 18));
}

// MacOS and BlueGlass underline in blue at Height - 5; the other styles draw
// the dotted rectangle two pixels in. BlueGlass buttons are keyed over their
// parent.
TEST(TsuiButton, FocusMarkFollowsTheStyle)
{
    Window w;
    TsuiButton* glass = w.Button(TsuiUIStyle::BlueGlass, QString(), 80, 27);
    TsuiButton* xp = w.Button(TsuiUIStyle::WinXP, QString(), 80, 27);
    EXPECT_TRUE(glass->Transparent());
    EXPECT_FALSE(xp->Transparent());
    w.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    const QImage glassPlain = glass->RenderToImage(), xpPlain = xp->RenderToImage();

    glass->setFocus();
    const QImage glassFocused = glass->RenderToImage();
    EXPECT_NE(glassFocused.pixel(9, 22), Rgb(clBlue));
    for (int x = 10; x < 70; ++x)
        ASSERT_EQ(glassFocused.pixel(x, 22), Rgb(clBlue)) << "x " << x;
    EXPECT_EQ(glassFocused.pixel(70, 22), glassPlain.pixel(70, 22));

    xp->setFocus();
    const QImage xpFocused = xp->RenderToImage();
    EXPECT_NE(xpFocused.pixel(2, 2), xpPlain.pixel(2, 2)) << "dotted corner";
    EXPECT_EQ(xpFocused.pixel(1, 1), xpPlain.pixel(1, 1));
    EXPECT_EQ(xpFocused.pixel(20, 22), xpPlain.pixel(20, 22)) << "no underline";
}

// The window's result takes the button's ModalResult on every click; a
// non-zero one ends the dialog.
TEST(TsuiButton, ClickPassesModalResultToTheDialog)
{
    QDialog dialog;
    auto* stay = new TsuiButton(&dialog, &dialog);
    auto* ok = new TsuiButton(&dialog, &dialog);
    ok->SetModalResult(QDialog::Accepted);
    dialog.show();
    dialog.setResult(7);
    stay->Click();
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_TRUE(dialog.isVisible());
    ok->Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(TsuiButton, MacOSHeightIsLocked)
{
    Window w;
    TsuiButton* button = w.Button(TsuiUIStyle::DeepBlue, "OK", 80, 27);
    EXPECT_EQ(button->height(), 27);
    button->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(button->height(), 23);
    button->SetHeight(27);
    EXPECT_EQ(button->height(), 23);
    button->SetWidth(120);
    EXPECT_EQ(button->size(), QSize(120, 23));
    button->resize(60, 40); // a Qt layout bypasses the veto; the constraints hold
    EXPECT_EQ(button->height(), 23);
    button->SetUIStyle(TsuiUIStyle::WinXP);
    button->SetHeight(27);
    EXPECT_EQ(button->height(), 27);
}

TEST(TsuiButton, ResourceNamesReadEmptyWhenThemedAndSwitchToCustom)
{
    Window w;
    TsuiButton* button = w.Button(TsuiUIStyle::MacOS, QString(), 84, 23);
    EXPECT_EQ(button->property("PicNormalResName").toString(), QString());
    EXPECT_EQ(button->NormalPictureName(), "MACOS_BUTTON_NORMAL");

    button->setProperty("PicNormalResName", "WINXP_BUTTON_NORMAL");
    EXPECT_EQ(button->UIStyle(), TsuiUIStyle::Custom);
    EXPECT_EQ(button->property("PicNormalResName").toString(), "WINXP_BUTTON_NORMAL");
    EXPECT_EQ(button->property("PicMouseOnResName").toString(), "MACOS_BUTTON_MOUSEON");
    // Custom draws the picture once at the origin, unstretched.
    const QImage picture = LoadBitmapResource("WINXP_BUTTON_NORMAL");
    const QImage face = button->RenderToImage();
    EXPECT_EQ(face.pixel(3, 10), picture.pixel(3, 10));
    EXPECT_EQ(face.pixel(30, 10), Rgb(button->Color()));

    // An unknown name paints a blank 74 x 21 picture, caption still drawn.
    button->setProperty("PicNormalResName", "NO_SUCH_PICTURE");
    button->SetCaption("X");
    const QImage blank = button->RenderToImage();
    EXPECT_EQ(blank.pixel(73, 20), qRgb(255, 255, 255));
    EXPECT_EQ(blank.pixel(74, 20), Rgb(button->Color()));
    EXPECT_EQ(blank.pixel(0, 21), Rgb(button->Color()));
    bool captionDrawn = false;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 74; ++x)
            captionDrawn |= blank.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_TRUE(captionDrawn);
}

TEST(TsuiButton, AutoSizeTakesThePictureOrTheFallback)
{
    Window w;
    TsuiButton* button = w.Button(TsuiUIStyle::MacOS, "OK", 40, 23);
    button->FSetAutoSize(true);
    EXPECT_EQ(button->size(), QSize(84, 23));
    button->SetUIStyle(TsuiUIStyle::Custom);
    button->setProperty("PicNormalResName", "MISSING");
    EXPECT_EQ(button->size(), QSize(FallbackPictureWidth, FallbackPictureHeight));
}

struct Counters {
    int clicks = 0;
    int repeats = 0;
    void Watch(TsuiCustomButton* button)
    {
        QObject::connect(button, &TsuiCustomButton::OnClick, [this] { ++clicks; });
        QObject::connect(button, &TsuiCustomButton::OnMouseContinuouslyDown, [this](QObject*) { ++repeats; });
    }
};

TEST(TsuiButton, RepeatTimerTicksWhileHeldAndReleaseInsideClicksOnce)
{
    Window w;
    TsuiButton* button = w.Button(TsuiUIStyle::MacOS, "Hold", 80, 23);
    w.form.show();
    Counters count;
    count.Watch(button);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(button->IsPressed());
    EXPECT_EQ(button->Face(), TsuiButtonFace::MouseDown);
    EXPECT_NE(button->RepeatTimerId(), 0);
    EXPECT_EQ(button->MouseContinuouslyDownInterval(), 100); // first tick one period after the press
    for (int i = 0; i < 3; ++i) // held for 350 ms
        TickRepeat(button);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(count.repeats, 3);
    EXPECT_EQ(count.clicks, 1);
    EXPECT_FALSE(button->IsPressed());
    EXPECT_EQ(button->RepeatTimerId(), 0);

    // Pressed inside, released outside: no click.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(count.clicks, 1);

    button->SetMouseContinuouslyDownInterval(0);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->RepeatTimerId(), 0) << "a period of 0 never ticks";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

// Only the left button presses: a right press and release neither shows the
// button down nor starts the repeat nor clicks.
TEST(TsuiButton, RightButtonNeitherPressesNorRepeatsNorClicks)
{
    Window w;
    TsuiButton* button = w.Button(TsuiUIStyle::MacOS, "Hold", 80, 23);
    w.form.show();
    Counters count;
    count.Watch(button);
    QTest::mousePress(button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(button->IsPressed());
    EXPECT_NE(button->Face(), TsuiButtonFace::MouseDown);
    EXPECT_EQ(button->RepeatTimerId(), 0);
    TickRepeat(button);
    QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(count.repeats, 0);
    EXPECT_EQ(count.clicks, 0);
}

// As Qt's buttons: leaving while held shows the button up and pauses the
// repeat; coming back shows it down again. The right edge is outside.
TEST(TsuiButton, LeavingWhileHeldAndComingBack)
{
    Window w;
    TsuiButton* button = w.Button(TsuiUIStyle::MacOS, "Hold", 80, 23);
    w.form.show();
    Counters count;
    count.Watch(button);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(button, QPoint(80, 5)); // x = Width: outside
    EXPECT_EQ(button->Face(), TsuiButtonFace::Normal);
    EXPECT_EQ(button->RepeatTimerId(), 0);
    QTest::mouseMove(button, QPoint(79, 5));
    EXPECT_EQ(button->Face(), TsuiButtonFace::MouseDown);
    EXPECT_NE(button->RepeatTimerId(), 0);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(79, 5));
    EXPECT_EQ(count.clicks, 1);
}

// The firmware update runs inside the click handler, processes messages and
// disables its button: the button stays pressed and the timer keeps ticking.
TEST(TsuiButton, ClickHandlerSeesThePressedButtonAndLiveTimer)
{
    Window w;
    TsuiButton* button = w.Button(TsuiUIStyle::MacOS, "Update Firmware", 123, 23);
    w.form.show();
    Counters count;
    count.Watch(button);
    bool pressedInside = false;
    TsuiButtonFace faceInside = TsuiButtonFace::Normal;
    QObject::connect(button, &TsuiCustomButton::OnClick, [&] {
        button->setEnabled(false);
        pressedInside = button->IsPressed();
        faceInside = button->Face();
        TickRepeat(button);
        button->setEnabled(true);
    });
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(pressedInside);
    EXPECT_EQ(faceInside, TsuiButtonFace::MouseDown);
    EXPECT_EQ(count.repeats, 1);
    EXPECT_FALSE(button->IsPressed());
}

TEST(TsuiButton, HandlerMayDeleteTheButton)
{
    Window w;
    QPointer<TsuiButton> button = w.Button(TsuiUIStyle::MacOS, "Bye", 80, 23);
    w.form.show();
    QObject::connect(button, &TsuiCustomButton::OnClick, [&] { delete button.data(); });
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(button.isNull());
}

TEST(TsuiButton, DisabledCaptionIsGreyOverAWhiteShadow)
{
    Window w;
    TsuiButton* button = w.Button(TsuiUIStyle::MacOS, "Mg", 84, 23);
    button->setEnabled(false);
    const QImage face = button->RenderToImage();
    const QFontMetrics metrics(button->Font()->toQFont());
    const QRect text((84 - metrics.horizontalAdvance("Mg")) / 2, (23 - metrics.height()) / 2,
                     metrics.horizontalAdvance("Mg"), metrics.height());
    const QRgb grey = qRgb(0x80, 0x80, 0x80), white = qRgb(255, 255, 255);
    int greyPixels = 0, whitePixels = 0;
    for (int y = text.top(); y <= text.bottom(); ++y)
        for (int x = text.left(); x <= text.right(); ++x) {
            if (face.pixel(x, y) != grey) continue;
            ++greyPixels;
            const QRgb below = face.pixel(x + 1, y + 1);
            EXPECT_TRUE(below == grey || below == white) << x << "," << y;
            whitePixels += below == white;
        }
    EXPECT_GT(greyPixels, 10);
    EXPECT_GT(whitePixels, 0);
}

// 32 x 16: two frames, red (enabled) and green (disabled), keyed by magenta.
TEST(TsuiButton, TwoFrameGlyphShowsItsDisabledHalfWhenDisabled)
{
    Window w;
    TsuiButton* button = w.Button(TsuiUIStyle::MacOS, "Go", 123, 23);
    QImage glyph(32, 16, QImage::Format_RGB32);
    glyph.fill(Qt::magenta);
    for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 14; ++x) {
            glyph.setPixel(x, y, qRgb(255, 0, 0));
            glyph.setPixel(x + 16, y, qRgb(0, 255, 0));
        }
    TBitmap bitmap;
    bitmap.SetImage(glyph);
    button->SetGlyph(bitmap);

    const QFontMetrics metrics(button->Font()->toQFont());
    const TsuiGlyphPlacement place =
        PlaceGlyph(blGlyphLeft, QSize(123, 23), QSize(metrics.horizontalAdvance("Go"), metrics.height()),
                   QSize(16, 16), 4);
    const int cx = place.Glyph.X + 8, cy = place.Glyph.Y + 8;
    EXPECT_EQ(button->RenderToImage().pixel(cx, cy), qRgb(255, 0, 0));
    EXPECT_NE(button->RenderToImage().pixel(place.Glyph.X, place.Glyph.Y), qRgb(255, 0, 255)) << "keyed";
    button->setEnabled(false);
    EXPECT_EQ(button->RenderToImage().pixel(cx, cy), qRgb(0, 255, 0));
}

TEST(TsuiButton, DialogKeysAcceleratorAndSpace)
{
    Window w;
    auto* edit = new QLineEdit(&w.form);
    TsuiButton* ok = w.Button(TsuiUIStyle::MacOS, "OK", 80, 23);
    TsuiButton* cancel = w.Button(TsuiUIStyle::MacOS, "Cancel", 80, 23);
    TsuiButton* go = w.Button(TsuiUIStyle::MacOS, "&Go", 80, 23);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    Counters okCount, cancelCount, goCount;
    okCount.Watch(ok);
    cancelCount.Watch(cancel);
    goCount.Watch(go);
    w.form.show();
    edit->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));

    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(okCount.clicks, 1);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(cancelCount.clicks, 1);
    QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(okCount.clicks, 1) << "Shift+Enter is no dialog key";
    QTest::keyClick(edit, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(goCount.clicks, 1);
    EXPECT_TRUE(go->hasFocus());
    EXPECT_EQ(edit->text(), QString());

    bool pressedInClick = true;
    QObject::connect(go, &TsuiCustomButton::OnClick, [&] { pressedInClick = go->IsPressed(); });
    QTest::keyPress(go, Qt::Key_Space);
    EXPECT_TRUE(go->IsPressed());
    QTest::keyRelease(go, Qt::Key_Space);
    EXPECT_FALSE(pressedInClick) << "a keyboard click repaints released first";
    EXPECT_EQ(goCount.clicks, 2);
    EXPECT_EQ(okCount.clicks, 1);

    go->setEnabled(false);
    QTest::keyClick(edit, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(goCount.clicks, 2);
}

TEST(TsuiButton, AccessibleAsAPushButton)
{
    Window w;
    TsuiButton* button = w.Button(TsuiUIStyle::MacOS, "Update Firmware", 123, 23);
    w.form.show();
    Counters count;
    count.Watch(button);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Button);
    EXPECT_EQ(iface->text(QAccessible::Name), "Update Firmware");
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(iface->state().pressed);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(iface->state().pressed);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(count.clicks, 2);
}

TEST(TsuiImageButton, DrawsItsOwnPicturesFallingBackToNormal)
{
    QWidget form;
    auto* button = new TsuiImageButton(&form, &form);
    EXPECT_EQ(button->UIStyle(), TsuiUIStyle::Custom);
    EXPECT_TRUE(button->AutoSize());
    TBitmap normal(20, 10), down(30, 12);
    normal.Canvas().Brush.Color = clRed;
    normal.Canvas().FillRect(Rect(1, 1, 20, 10));
    down.Canvas().Brush.Color = clBlue;
    down.Canvas().FillRect(Rect(1, 1, 30, 12));
    button->PicNormal()->Assign(normal);
    EXPECT_EQ(button->size(), QSize(20, 10)) << "auto size follows the normal picture";
    button->PicMouseDown()->Assign(down);
    EXPECT_EQ(button->RenderToImage().pixel(5, 5), qRgb(255, 0, 0));
    form.show();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->RenderToImage().pixel(5, 5), qRgb(0, 0, 255));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    button->setEnabled(false); // no disabled picture: the normal one
    EXPECT_EQ(button->RenderToImage().pixel(5, 5), qRgb(255, 0, 0));
}

TEST(TsuiButton, ContainerApplyUIStyleKeepsCustomButtons)
{
    Window w;
    TsuiButton* themed = w.Button(TsuiUIStyle::MacOS, "A", 80, 23);
    TsuiButton* custom = w.Button(TsuiUIStyle::Custom, "B", 80, 23);
    ContainerApplyUIStyle(&w.form, TsuiUIStyle::WinXP);
    EXPECT_EQ(themed->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(themed->NormalPictureName(), "WINXP_BUTTON_NORMAL");
    EXPECT_EQ(custom->UIStyle(), TsuiUIStyle::Custom);
}

} // namespace

namespace {

TEST(TsuiButton, ReadFromAStoredLayout)
{
    toolkit::RegisterClass<QWidget>("TTestForm");
    RegisterSuiButtons();
    std::unique_ptr<QObject> root(toolkit::ReadLayout(QStringLiteral("object F: TTestForm\n"
                                                                     "  object B: TsuiButton\n"
                                                                     "    Caption = 'Go'\n"
                                                                     "    UIStyle = WinXP\n"
                                                                     "    Layout = blGlyphTop\n"
                                                                     "    Font.Style = [fsBold]\n"
                                                                     "  end\n"
                                                                     "end\n")));
    auto* button = root->findChild<TsuiButton*>("B");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Caption(), "Go");
    EXPECT_EQ(button->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(button->Layout(), blGlyphTop);
    EXPECT_TRUE(button->Font()->Style().testFlag(fsBold));
}

} // namespace
