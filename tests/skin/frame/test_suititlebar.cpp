#include "skin/frame/suititlebar.h"
#include "skin/frame/suititlebarbutton.h"
#include "skin/frame/suititlebarcollection.h"
#include "skin/frame/suititlebarsection.h"
#include "toolkit/canvas.h"
#include "toolkit/dialogs.h"
#include "toolkit/resources.h"

#include <QAccessible>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

// Answers every message box and keeps its text.
struct RecordingResponder : DialogResponder {
    QStringList messages;
    DialogResponder* previous = SetDialogResponder(this);
    ~RecordingResponder() override { SetDialogResponder(previous); }
    TModalResult Message(const MessageRequest& request) override
    {
        messages << request.text;
        return TModalResult::Ok;
    }
    std::optional<QString> OpenFile(const OpenFileRequest&) override { return std::nullopt; }
};

struct Host {
    QWidget form;
    TsuiTitleBar* bar;
    explicit Host(TsuiUIStyle style = TsuiUIStyle::MacOS, int width = 324)
    {
        form.resize(width, 100);
        bar = new TsuiTitleBar(&form, &form);
        bar->SetUIStyle(style);
    }
    // The utility's own buttons: control box, close, minimise.
    void UseMainWindowButtons()
    {
        bar->Buttons()->Clear();
        for (TsuiTitleBarBtnType type : {suiControlBox, suiClose, suiMin}) {
            TsuiTitleBarButton* button = bar->Buttons()->Add();
            button->SetUIStyle(TsuiUIStyle::MacOS);
            button->SetButtonType(type);
        }
    }
    void Show()
    {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
};

QRgb PixelOf(const TPicture& picture, int x, int y)
{
    return picture.Bitmap().Image().pixel(x, y);
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

TEST(TitleBar, MacOSDefaultButtonsOnA324PixelBar)
{
    Host host;
    ASSERT_EQ(host.bar->width(), 324);
    EXPECT_EQ(host.bar->height(), 23); // the title pictures' height
    const TsuiTitleBarLayout layout = host.bar->ComputeLayout();
    ASSERT_EQ(host.bar->Buttons()->Count(), 4); // control box, close, max, min
    EXPECT_EQ(layout.ControlBox, 0);
    EXPECT_EQ(layout.Buttons[1], Bounds(305, 4, 17, 17));
    EXPECT_EQ(layout.Buttons[2], Bounds(287, 4, 17, 17));
    EXPECT_EQ(layout.Buttons[3], Bounds(269, 4, 17, 17));
    EXPECT_EQ(layout.Buttons[0], Bounds(3, 4, 17, 17));
    EXPECT_EQ(layout.CaptionX, 25);

    // The pictures land where the layout puts them.
    const QImage image = host.bar->RenderToImage();
    const TsuiTitleBarButton& close = *host.bar->Buttons()->Items(1);
    EXPECT_EQ(image.pixel(305 + 8, 4 + 8), PixelOf(close.PicNormal(), 8, 8));
    EXPECT_EQ(image.pixel(305 + 8, 4 + 8), PixelOf(close.PicNormal(), 8, 8));
}

TEST(TitleBar, MainWindowButtonsSectionsAndCaption)
{
    Host host;
    host.UseMainWindowButtons();
    host.bar->SetCaption(QStringLiteral("IP Camera ISP Utility"));
    const TsuiTitleBarLayout layout = host.bar->ComputeLayout();
    EXPECT_EQ(layout.Buttons[1].Left, 305);
    EXPECT_EQ(layout.Buttons[2].Left, 287);
    EXPECT_EQ(layout.Buttons[0].Left, 3);
    EXPECT_EQ(layout.CaptionX, 25);
    EXPECT_EQ(host.bar->CaptionColor(), clBlack);
    host.bar->SetActive(false);
    EXPECT_EQ(host.bar->CaptionColor(), clInactiveCaption);
    host.bar->SetActive(true);

    // Left picture over 0..47, right over 276..323, middle stretched between.
    TsuiTitleBarSections& sections = *host.bar->Sections();
    ASSERT_EQ(sections.Count(), 3);
    EXPECT_EQ(sections[0]->Width(), 48);
    EXPECT_EQ(sections[1]->Width(), 48);
    const QImage image = host.bar->RenderToImage();
    const int y = 20; // below the buttons and the caption
    EXPECT_EQ(image.pixel(0, y), PixelOf(*sections[0]->Picture(), 0, y));
    EXPECT_EQ(image.pixel(47, y), PixelOf(*sections[0]->Picture(), 47, y));
    EXPECT_EQ(image.pixel(276, y), PixelOf(*sections[1]->Picture(), 0, y));
    EXPECT_EQ(image.pixel(323, y), PixelOf(*sections[1]->Picture(), 47, y));
    const TPicture& middle = *sections[2]->Picture();
    EXPECT_EQ(image.pixel(48, y), PixelOf(middle, 0, y));
    EXPECT_EQ(image.pixel(275, y), PixelOf(middle, middle.Width() - 1, y));

    // The caption is drawn black between the control box and the buttons.
    TCanvas measure(&const_cast<QImage&>(image));
    measure.Font.Assign(*host.bar->Font());
    const int textWidth = measure.TextWidth(host.bar->Caption());
    int black = 0;
    for (int x = 25; x < 25 + textWidth; ++x)
        for (int row = 0; row < 23; ++row)
            black += image.pixel(x, row) == qRgb(0, 0, 0);
    EXPECT_GT(black, 20);
}

TEST(TitleBar, CaptionShortenedWhenItDoesNotFit)
{
    Host host(TsuiUIStyle::MacOS, 324);
    host.bar->SetCaption(QString(200, u'W'));
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    canvas.Font.Assign(*host.bar->Font());
    EXPECT_EQ(host.bar->ShownCaption(canvas, host.bar->ComputeLayout()), QStringLiteral("WW..."));
    host.bar->SetCaption(QStringLiteral("Short"));
    EXPECT_EQ(host.bar->ShownCaption(canvas, host.bar->ComputeLayout()), QStringLiteral("Short"));
    // A single character that does not fit still gets the ellipsis.
    host.bar->SetCaption(QStringLiteral("W"));
    host.bar->SetRightBtnXOffset(-300);
    EXPECT_EQ(host.bar->ShownCaption(canvas, host.bar->ComputeLayout()), QStringLiteral("W..."));
}

TEST(TitleBar, CaptionStartWithoutControlBoxAndWithAppIcon)
{
    Host host;
    host.bar->Buttons()->Delete(0); // the control box
    host.bar->SetLeftBtnXOffset(0);
    EXPECT_EQ(host.bar->ComputeLayout().CaptionX, 6);
    host.bar->SetLeftBtnXOffset(4);
    EXPECT_EQ(host.bar->ComputeLayout().CaptionX, 4);

    Host withIcon;
    withIcon.bar->SetDrawAppIcon(true);
    withIcon.bar->SetLeftBtnXOffset(4);
    const TsuiTitleBarLayout layout = withIcon.bar->ComputeLayout();
    EXPECT_TRUE(layout.AppIcon);
    EXPECT_EQ(layout.CaptionX, 4 + 21);
    // The icon, not the control-box picture, is drawn at offset + 3.
    const QImage icon = ApplicationIcon();
    ASSERT_EQ(icon.size(), QSize(16, 16));
    ASSERT_EQ(qAlpha(icon.pixel(8, 8)), 255);
    const QImage image = withIcon.bar->RenderToImage();
    EXPECT_EQ(image.pixel(4 + 3 + 8, 4 + 8), icon.pixel(8, 8));

    // Clicking the icon pops up the control-box menu.
    withIcon.Show();
    QMenu menu;
    menu.addAction(QStringLiteral("Close"));
    withIcon.bar->Buttons()->Items(0)->SetControlBoxMenu(&menu);
    QTest::mouseClick(withIcon.bar, Qt::LeftButton, {}, QPoint(4 + 5, 4 + 5));
    EXPECT_TRUE(menu.isVisible());
    menu.close();
}

TEST(TitleBar, DoubleClickTogglesMaximiseOnlyWithAMaximiseButton)
{
    Host host;
    host.UseMainWindowButtons();
    host.Show();
    const QPoint free(150, 20);
    QTest::mouseDClick(host.bar, Qt::LeftButton, {}, free);
    EXPECT_FALSE(host.form.isMaximized());

    Host withMax;
    withMax.Show();
    QTest::mouseDClick(withMax.bar, Qt::LeftButton, {}, free);
    EXPECT_TRUE(withMax.form.isMaximized());
    QTest::mouseDClick(withMax.bar, Qt::LeftButton, {}, free);
    EXPECT_FALSE(withMax.form.isMaximized());
}

TEST(TitleBar, ReleaseClicksTheButtonUnderThePointer)
{
    Host host;
    host.bar->Buttons()->Clear();
    for (int i = 0; i < 2; ++i) {
        TsuiTitleBarButton* button = host.bar->Buttons()->Add();
        button->SetPicNormal(*host.bar->Sections()->Items(0)->Picture()); // any picture will do
    }
    host.Show();
    QSignalSpy clicks(host.bar, &TsuiTitleBar::OnCustomBtnsClick);
    const TsuiTitleBarLayout layout = host.bar->ComputeLayout();
    const QPoint first = layout.Buttons[0].toQRect().center();
    const QPoint second = layout.Buttons[1].toQRect().center();
    SendMouse(host.bar, QEvent::MouseButtonPress, first, Qt::LeftButton);
    EXPECT_EQ(host.bar->HotButton(), 0);
    EXPECT_TRUE(host.bar->Pressed());
    SendMouse(host.bar, QEvent::MouseMove, second, Qt::LeftButton);
    SendMouse(host.bar, QEvent::MouseButtonRelease, second, Qt::NoButton);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][1].toInt(), 1);
    EXPECT_FALSE(host.bar->Pressed());
}

TEST(TitleBar, DraggingMovesTheWindowUnlessMaximised)
{
    Host host;
    host.Show();
    host.form.move(100, 100);
    const QPoint start = host.form.pos();
    SendMouse(host.bar, QEvent::MouseButtonPress, QPoint(150, 10), Qt::LeftButton);
    SendMouse(host.bar, QEvent::MouseMove, QPoint(180, 30), Qt::LeftButton);
    SendMouse(host.bar, QEvent::MouseButtonRelease, host.bar->mapFromGlobal(QCursor::pos()), Qt::NoButton);
    EXPECT_EQ(host.form.pos(), start + QPoint(30, 20));

    host.form.showMaximized();
    const QPoint maximised = host.form.pos();
    SendMouse(host.bar, QEvent::MouseButtonPress, QPoint(150, 10), Qt::LeftButton);
    SendMouse(host.bar, QEvent::MouseMove, QPoint(180, 30), Qt::LeftButton);
    SendMouse(host.bar, QEvent::MouseButtonRelease, QPoint(180, 30), Qt::NoButton);
    EXPECT_EQ(host.form.pos(), maximised);
}

TEST(TitleBar, CloseButtonClosesTheWindow)
{
    Host host;
    host.Show();
    QTest::mouseClick(host.bar, Qt::LeftButton, {}, host.bar->ComputeLayout().Buttons[1].toQRect().center());
    EXPECT_FALSE(host.form.isVisible());
}

TEST(TitleBar, SecondControlBoxAndSecondClientSectionAreRefused)
{
    RecordingResponder responder;
    Host host;
    TsuiTitleBarButton* close = host.bar->Buttons()->Items(1);
    close->SetButtonType(suiControlBox);
    EXPECT_EQ(close->ButtonType(), suiClose);
    TsuiTitleBarSection* left = host.bar->Sections()->Items(0);
    left->SetAlign(suiClient);
    EXPECT_EQ(left->Align(), suiLeft);
    EXPECT_EQ(
        responder.messages,
        QStringList({QStringLiteral("Sorry, only one button's ButtonType property can be \"suiControlBox\""),
                     QStringLiteral("Sorry, only one section's Align property can be \"suiClient\"")}));
}

TEST(TitleBar, StylesSetGeometryAndCustomLeavesNoSections)
{
    Host host(TsuiUIStyle::WinXP);
    EXPECT_EQ(host.bar->height(), 29);
    EXPECT_EQ(host.bar->LeftBtnXOffset(), 2);
    EXPECT_EQ(host.bar->RightBtnXOffset(), -2);
    EXPECT_EQ(host.bar->Buttons()->Items(1)->Top(), 5);
    EXPECT_EQ(host.form.minimumWidth(), 150);
    EXPECT_EQ(host.bar->RoundCorner(), 13);

    host.bar->SetUIStyle(TsuiUIStyle::Custom);
    EXPECT_EQ(host.bar->Sections()->Count(), 0);
    EXPECT_EQ(host.bar->Buttons()->Count(), 4);
    EXPECT_EQ(host.bar->LeftBtnXOffset(), 2);
}

TEST(TitleBar, RightSectionWiderThanTheRoomLeftIsSkipped)
{
    Host host(TsuiUIStyle::MacOS, 100);
    TsuiTitleBarSections& sections = *host.bar->Sections();
    sections[0]->SetAutoSize(false);
    sections[0]->SetWidth(80);
    const QImage image = host.bar->RenderToImage();
    // The client picture takes the place the right end would have had.
    const int y = 20;
    const TPicture& middle = *sections[2]->Picture();
    EXPECT_EQ(image.pixel(99, y), PixelOf(middle, middle.Width() - 1, y));
}

TEST(TitleBar, ButtonsAreAccessiblePushButtonsNamedAfterTheirCommand)
{
    Host host;
    host.Show();
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(host.bar);
    ASSERT_TRUE(bar);
    ASSERT_EQ(bar->childCount(), 4);
    QStringList names;
    for (int i = 0; i < bar->childCount(); ++i) {
        EXPECT_EQ(bar->child(i)->role(), QAccessible::Button);
        EXPECT_EQ(bar->indexOfChild(bar->child(i)), i);
        names << bar->child(i)->text(QAccessible::Name);
    }
    EXPECT_EQ(names, QStringList({QStringLiteral("Window menu"), QStringLiteral("Close"),
                                  QStringLiteral("Maximise"), QStringLiteral("Minimise")}));
    const QRect close = bar->child(1)->rect();
    EXPECT_EQ(close, QRect(host.bar->mapToGlobal(QPoint(305, 4)), QSize(17, 17)));
    EXPECT_EQ(bar->childAt(close.center().x(), close.center().y()), bar->child(1));

    // Pressing "Maximise" maximises, and the button then reads "Restore".
    bar->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(host.form.isMaximized());
    EXPECT_EQ(bar->child(2)->text(QAccessible::Name), QStringLiteral("Restore"));
}

} // namespace

namespace {

// Counts the paints a widget gets.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int After(const std::function<void()>& action)
    {
        QCoreApplication::processEvents();
        paints = 0;
        action();
        QCoreApplication::processEvents();
        return paints;
    }
};

TEST(TitleBar, HoverAndPressShowTheirPicturesAndRepaintOnlyOnChange)
{
    Host host;
    host.Show();
    const TsuiTitleBarButton& close = *host.bar->Buttons()->Items(1);
    const QPoint onClose = host.bar->ComputeLayout().Buttons[1].toQRect().center();
    const QPoint centre(305 + 8, 4 + 8);
    ASSERT_NE(PixelOf(close.PicMouseOn(), 8, 8), PixelOf(close.PicNormal(), 8, 8));

    PaintCounter counter;
    host.bar->installEventFilter(&counter);
    EXPECT_GE(counter.After([&] { SendMouse(host.bar, QEvent::MouseMove, onClose, Qt::NoButton); }), 1);
    EXPECT_EQ(host.bar->RenderToImage().pixel(centre), PixelOf(close.PicMouseOn(), 8, 8));
    // Moving within the same button changes nothing on screen.
    EXPECT_EQ(
        counter.After([&] { SendMouse(host.bar, QEvent::MouseMove, onClose + QPoint(1, 1), Qt::NoButton); }),
        0);

    SendMouse(host.bar, QEvent::MouseButtonPress, onClose, Qt::LeftButton);
    EXPECT_EQ(host.bar->RenderToImage().pixel(centre), PixelOf(close.PicMouseDown(), 8, 8));

    Host idle;
    idle.Show();
    PaintCounter idleCounter;
    idle.bar->installEventFilter(&idleCounter);
    EXPECT_EQ(idleCounter.After([&] { idle.bar->SetActive(true); }), 0);
    EXPECT_GE(idleCounter.After([&] { idle.bar->SetActive(false); }), 1);
}

} // namespace

namespace {

TEST(TitleBar, TransparentButtonsLetTheSectionsShowThrough)
{
    Host host(TsuiUIStyle::Protein);
    const TsuiTitleBarButton& close = *host.bar->Buttons()->Items(1);
    ASSERT_TRUE(close.Transparent());
    const TRect place = host.bar->ComputeLayout().Buttons[1];
    const QImage image = host.bar->RenderToImage();
    const QRgb key = PixelOf(close.PicNormal(), 0, place.Height() - 1);
    const QPoint corner(place.Left, place.Bottom - 1);
    EXPECT_NE(image.pixel(corner), key);
    EXPECT_EQ(image.pixel(place.toQRect().center()),
              PixelOf(close.PicNormal(), place.Width() / 2, place.Height() / 2));
    // What shows through is the bar without its buttons.
    host.bar->Buttons()->Clear();
    EXPECT_EQ(image.pixel(corner), host.bar->RenderToImage().pixel(corner));
}

} // namespace
