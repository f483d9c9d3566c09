#include "skin/buttons/suiprogressbar.h"
#include "skin/frame/suiform.h"
#include "skin/frame/suiframeregistry.h"
#include "toolkit/dialogs.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/panel.h"
#include "toolkit/resources.h"
#include "toolkit/stdctrls.h"

#include <QAccessible>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

using namespace toolkit;

namespace {

QRgb Rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

// The utility's window: MacOS frame 324 x 154 on a host laid out 334 x 182.
struct Skinned {
    QWidget host;
    TsuiForm* frame;
    explicit Skinned(TsuiUIStyle style = TsuiUIStyle::MacOS)
    {
        host.setWindowTitle(QStringLiteral("IP Camera ISP Utility"));
        host.resize(334, 182);
        frame = new TsuiForm(&host, &host);
        frame->SetUIStyle(style);
        frame->SetWidth(324);
        frame->SetHeight(154);
    }
    void Show()
    {
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
    }
    void Mouse(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, pos, host.mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&host, &event);
    }
};

TEST(SkinnedForm, TakesOverTheUtilityWindow)
{
    Skinned window;
    EXPECT_EQ(window.host.size(), QSize(326, 155));
    EXPECT_EQ(window.frame->geometry(), QRect(1, 0, 324, 154));
    EXPECT_TRUE(window.host.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window.frame->BorderColor(), RGBColor(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(window.frame->Color(), RGBColor(0xE7, 0xE7, 0xE7));
    EXPECT_EQ(window.frame->TitleBar()->geometry(), QRect(0, 0, 324, 23));
    EXPECT_EQ(window.frame->GetCaption(), QStringLiteral("IP Camera ISP Utility"));
    EXPECT_EQ(GetSUIFormStyle(&window.host), TsuiUIStyle::MacOS);
    EXPECT_EQ(window.host.minimumWidth(), 130);

    window.Show();
    const QImage image = window.host.grab().toImage();
    const QRgb grey = qRgb(0x7F, 0x7F, 0x7F);
    EXPECT_EQ(image.pixel(0, 80), grey);
    EXPECT_EQ(image.pixel(325, 80), grey);
    EXPECT_EQ(image.pixel(160, 154), grey);
    // The pinstripe texture, tiled from the frame's corner.
    const QImage tile = LoadBitmapResource(QStringLiteral("MACOS_FORM_BACKGROUND"));
    for (const QPoint p : {QPoint(50, 130), QPoint(51, 131), QPoint(52, 132)})
        EXPECT_EQ(image.pixel(p + QPoint(1, 0)), tile.pixel(p.x() % tile.width(), p.y() % tile.height()));

    // Assistive technology reads the window by its caption.
    window.frame->SetCaption(QStringLiteral("Renamed"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window.host)->text(QAccessible::Name),
              QStringLiteral("Renamed"));
}

TEST(SkinnedForm, HidingTheTitleBarShowsTheTopBorder)
{
    Skinned window(TsuiUIStyle::WinXP);
    const QRect before = window.frame->geometry();
    window.frame->SetTitleBarVisible(false);
    EXPECT_EQ(window.frame->geometry().top(), 3);
    EXPECT_EQ(window.frame->geometry().bottom(), before.bottom());
    window.Show();
    EXPECT_EQ(window.host.grab().toImage().pixel(100, 1),
              Rgb(GetThemeColor(TsuiUIStyle::WinXP, teFormBorderColor)));
}

TEST(SkinnedForm, EdgeZonesOfASizeableHost)
{
    Skinned window(TsuiUIStyle::WinXP);
    const int cw = window.host.width(), ch = window.host.height();
    EXPECT_EQ(window.frame->EdgesAt({2, ch - 3}), Qt::BottomEdge | Qt::LeftEdge);
    EXPECT_EQ(window.frame->EdgesAt({4, 4}), Qt::TopEdge | Qt::LeftEdge);
    EXPECT_EQ(window.frame->EdgesAt({cw - 4, 2}), Qt::TopEdge | Qt::RightEdge);
    EXPECT_EQ(window.frame->EdgesAt({cw - 4, ch - 4}), Qt::BottomEdge | Qt::RightEdge);
    EXPECT_EQ(window.frame->EdgesAt({1, 60}), Qt::LeftEdge);
    EXPECT_EQ(window.frame->EdgesAt({cw - 5, 60}), Qt::Edges()); // four outermost pixels on the right
    EXPECT_EQ(window.frame->EdgesAt({100, ch - 4}), Qt::BottomEdge);

    // The pointer shows which way the border resizes.
    window.Show();
    window.Mouse(QEvent::MouseMove, {2, ch - 3}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(window.host.cursor().shape(), Qt::SizeBDiagCursor);
    window.Mouse(QEvent::MouseMove, {cw - 2, 60}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(window.host.cursor().shape(), Qt::SizeHorCursor);

    // Pressing the painted border and dragging resizes the window from there.
    const QRect start = window.host.geometry();
    window.Mouse(QEvent::MouseButtonPress, {cw - 2, ch - 2}, Qt::LeftButton, Qt::LeftButton);
    window.Mouse(QEvent::MouseMove, {cw + 38, ch + 18}, Qt::NoButton, Qt::LeftButton);
    window.Mouse(QEvent::MouseButtonRelease, {cw + 38, ch + 18}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(window.host.geometry(), QRect(start.topLeft(), start.size() + QSize(40, 20)));
    EXPECT_EQ(window.frame->geometry(), QRect(3, 0, start.width() + 40 - 6, start.height() + 20 - 3));

    window.host.showMaximized();
    EXPECT_EQ(window.frame->EdgesAt({2, window.host.height() - 3}), Qt::Edges());
}

TEST(SkinnedForm, FixedBorderHostIsNotResizable)
{
    QWidget host;
    host.setProperty("BorderStyle", QStringLiteral("bsSingle"));
    host.resize(300, 200);
    TsuiForm frame(&host, &host);
    EXPECT_EQ(frame.EdgesAt({1, 100}), Qt::Edges());
}

TEST(SkinnedForm, SizingFollowsTheBorderWidth)
{
    Skinned window(TsuiUIStyle::WinXP);
    window.frame->SetHeight(100);
    EXPECT_EQ(window.host.height(), 103);
    window.frame->SetWidth(200);
    EXPECT_EQ(window.host.width(), 206);
    EXPECT_EQ(window.frame->size(), QSize(200, 100));
    window.frame->SetTitleBarVisible(false);
    window.frame->SetHeight(100);
    EXPECT_EQ(window.host.height(), 106);
    EXPECT_EQ(window.frame->size(), QSize(200, 100));
    window.frame->SetTitleBarVisible(true);

    // Switching styles back and forth keeps the frame's size whatever the
    // border widths.
    window.frame->SetHeight(100);
    window.frame->SetWidth(300);
    for (TsuiUIStyle style : {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue, TsuiUIStyle::WinXP,
                              TsuiUIStyle::BlueGlass}) {
        window.frame->SetUIStyle(style);
        EXPECT_EQ(window.frame->size(), QSize(300, 100)) << int(style);
    }
}

TEST(SkinnedForm, CustomStyleChangesNothingButTheStyle)
{
    Skinned window;
    const QSize size = window.host.size();
    window.frame->SetUIStyle(TsuiUIStyle::Custom);
    EXPECT_EQ(window.frame->UIStyle(), TsuiUIStyle::Custom);
    EXPECT_EQ(window.frame->BorderColor(), RGBColor(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(window.frame->Color(), RGBColor(0xE7, 0xE7, 0xE7));
    EXPECT_EQ(window.frame->TitleBar()->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(window.host.size(), size);
}

TEST(SkinnedForm, SecondFrameOnAFormIsRefused)
{
    QWidget host;
    TsuiForm first(&host, &host);
    try {
        TsuiForm second(&host, &host);
        FAIL() << "a second frame was created";
    } catch (const EsuiFormError& error) {
        EXPECT_STREQ(error.what(), "Sorry, You can create only one TsuiForm component in one form!");
    }
    EXPECT_EQ(host.findChildren<TsuiForm*>().size(), 1);
}

TEST(SkinnedForm, StyleReachesTheControlsOnlyWhenAsked)
{
    Skinned window;
    auto* bar = new TsuiProgressBar(&window.host, window.frame);
    bar->SetUIStyle(TsuiUIStyle::WinXP);
    window.frame->SetUIStyle(TsuiUIStyle::DeepBlue);
    EXPECT_EQ(bar->UIStyle(), TsuiUIStyle::WinXP);
    window.frame->SetUIStyleAutoUpdateSub(true);
    window.frame->SetUIStyle(TsuiUIStyle::Protein);
    EXPECT_EQ(bar->UIStyle(), TsuiUIStyle::Protein);
}

TEST(SkinnedForm, ActivationReachesTheTitleBar)
{
    Skinned window;
    window.Show();
    QWidget other;
    other.show();
    other.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.frame->TitleBar()->FormActive(); }, 2000));
    window.host.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.frame->TitleBar()->FormActive(); }, 2000));
}

// Answers every message box, keeping its text.
struct MessageRecorder : DialogResponder {
    QStringList texts;
    DialogResponder* previous = SetDialogResponder(this);
    ~MessageRecorder() override { SetDialogResponder(previous); }
    TModalResult Message(const MessageRequest& r) override
    {
        texts << r.text;
        return TModalResult::Ok;
    }
    std::optional<QString> OpenFile(const OpenFileRequest&) override { return {}; }
};

TEST(SkinnedForm, FramePanelFillsTheFrameButNotWithItself)
{
    MessageRecorder responder;
    Skinned window;
    window.frame->SetPanel(window.frame);
    EXPECT_EQ(window.frame->FormPanel(), nullptr);
    EXPECT_EQ(responder.texts,
              QStringList(QStringLiteral("Sorry, you can't select the Form assign to FormPanel property")));
    auto* panel = new QWidget(window.frame);
    window.frame->SetPanel(panel);
    EXPECT_EQ(window.frame->FormPanel(), panel);
    EXPECT_EQ(panel->geometry().bottom(), window.frame->height() - 1);
}

// The panel is named before it is declared; the frame makes it fill itself
// and clears its caption, as when it is set in code.
TEST(SkinnedForm, FramePanelIsStoredByName)
{
    RegisterClass<QWidget>(QStringLiteral("TTestForm"));
    RegisterStandardControls();
    RegisterSuiFrame();
    const QString text = QStringLiteral(R"(object Form1: TTestForm
  object suiForm1: TsuiForm
    UIStyle = MacOS
    FormPanel = Panel1
    object Panel1: TPanel
      Caption = 'Panel1'
    end
  end
end
)");
    std::unique_ptr<QObject> root(ReadLayout(text));
    auto* frame = root->findChild<TsuiForm*>(QStringLiteral("suiForm1"));
    auto* panel = root->findChild<TPanel*>(QStringLiteral("Panel1"));
    ASSERT_TRUE(frame && panel);
    EXPECT_EQ(frame->FormPanel(), panel);
    EXPECT_EQ(panel->Align(), alClient);
    EXPECT_EQ(panel->Caption(), QString());

    const QString written = WriteLayout(root.get());
    EXPECT_TRUE(written.contains(QStringLiteral("\n    FormPanel = Panel1\n"))) << written.toStdString();
    std::unique_ptr<QObject> again(ReadLayout(written));
    EXPECT_EQ(again->findChild<TsuiForm*>()->FormPanel(), again->findChild<TPanel*>());
    EXPECT_EQ(WriteLayout(again.get()), written);

    frame->SetPanel(nullptr);
    EXPECT_FALSE(WriteLayout(root.get()).contains(QStringLiteral("FormPanel")));
}

// Read from a layout, the refusal is the layout's error, not a message box.
TEST(SkinnedForm, StoredFramePanelNamingTheFrameIsALayoutError)
{
    MessageRecorder responder;
    RegisterClass<QWidget>(QStringLiteral("TTestForm"));
    RegisterSuiFrame();
    try {
        ReadLayout(QStringLiteral("object Form1: TTestForm\n"
                                  "  object suiForm1: TsuiForm\n"
                                  "    FormPanel = suiForm1\n"
                                  "  end\n"
                                  "end\n"));
        ADD_FAILURE() << "read";
    } catch (const ELayoutError& error) {
        EXPECT_STREQ(error.what(), "3:17: Sorry, you can't select the Form assign to FormPanel property");
    }
    EXPECT_EQ(responder.texts, QStringList());
}

} // namespace

namespace {

TEST(SkinnedForm, WindowShapeRoundsOnlyTheTopCorners)
{
    Skinned rounded(TsuiUIStyle::WinXP);
    const QRegion shape = rounded.host.mask();
    const int w = rounded.host.width(), h = rounded.host.height();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(w - 1, 0)));
    EXPECT_TRUE(shape.contains(QPoint(6, 6)));
    EXPECT_TRUE(shape.contains(QPoint(0, h - 1)));
    EXPECT_TRUE(shape.contains(QPoint(w - 1, h - 1)));
    // Resizing keeps the shape in step with the window.
    rounded.frame->SetWidth(400);
    EXPECT_TRUE(rounded.host.mask().contains(QPoint(rounded.host.width() - 1, h - 1)));
    EXPECT_FALSE(rounded.host.mask().contains(QPoint(rounded.host.width() - 1, 0)));

    Skinned square(TsuiUIStyle::MacOS);
    EXPECT_TRUE(square.host.mask().isEmpty());
}

} // namespace

namespace {

TEST(SkinnedForm, MaximiseButtonSwapsToRestorePicturesInWinXP)
{
    Skinned window(TsuiUIStyle::WinXP);
    window.Show();
    TsuiTitleBarButton* max = window.frame->GetButtons()->Items(2);
    ASSERT_EQ(max->ButtonType(), suiMax);
    EXPECT_EQ(max->PicNormal()->ResourceName(), "WINXP_TITLEBTN_MAX_NORMAL");
    max->DoClick();
    EXPECT_TRUE(window.host.isMaximized());
    EXPECT_EQ(max->PicNormal()->ResourceName(), "WINXP_TITLEBTN_RST_NORMAL");
    max->DoClick();
    EXPECT_FALSE(window.host.isMaximized());
    EXPECT_EQ(max->PicNormal()->ResourceName(), "WINXP_TITLEBTN_MAX_NORMAL");
}

// Without a window manager nothing answers a maximise or restore: the window
// is neither resized nor told its new state. The frame places it itself.
struct NoWindowManager : QObject {
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        return event->spontaneous() &&
               (type == QEvent::Resize || type == QEvent::Move || type == QEvent::WindowStateChange);
    }
};

TEST(SkinnedForm, WithoutAWindowManagerTheFrameMaximisesAndRestoresTheWindow)
{
    Skinned window(TsuiUIStyle::WinXP);
    window.Show();
    window.host.move(40, 30);
    const QRect normal = window.host.geometry();
    NoWindowManager noWindowManager;
    window.host.windowHandle()->installEventFilter(&noWindowManager);
    TsuiTitleBarButton* max = window.frame->GetButtons()->Items(2);
    ASSERT_EQ(max->ButtonType(), suiMax);
    const QRect workArea = window.host.screen()->availableGeometry();

    max->DoClick();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.host.geometry() == workArea; }));
    EXPECT_EQ(window.host.geometry(), workArea);
    EXPECT_TRUE(window.host.isMaximized());
    EXPECT_EQ(max->Purpose(), QStringLiteral("Restore"));
    EXPECT_EQ(max->PicNormal()->ResourceName(), "WINXP_TITLEBTN_RST_NORMAL");
    EXPECT_EQ(window.frame->width(), workArea.width() - 2 * window.frame->BorderWidth());

    max->DoClick();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.host.geometry() == normal; }));
    EXPECT_EQ(window.host.geometry(), normal);
    EXPECT_FALSE(window.host.isMaximized());
    EXPECT_EQ(max->Purpose(), QStringLiteral("Maximise"));
    EXPECT_EQ(max->PicNormal()->ResourceName(), "WINXP_TITLEBTN_MAX_NORMAL");
}

// However the window gets maximised (the program, a window manager's own
// decoration, a keyboard shortcut), the WinXP button shows what a click does.
TEST(SkinnedForm, TheMaximiseButtonFollowsTheWindowsStateFromElsewhere)
{
    Skinned window(TsuiUIStyle::WinXP);
    window.Show();
    TsuiTitleBarButton* max = window.frame->GetButtons()->Items(2);
    ASSERT_EQ(max->ButtonType(), suiMax);

    window.host.showMaximized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.host.isMaximized(); }));
    EXPECT_EQ(max->PicNormal()->ResourceName(), "WINXP_TITLEBTN_RST_NORMAL");

    window.host.showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.host.isMaximized(); }));
    EXPECT_EQ(max->PicNormal()->ResourceName(), "WINXP_TITLEBTN_MAX_NORMAL");
}

TEST(SkinnedForm, TitleBarEventsReachTheFrame)
{
    Skinned window;
    window.Show();
    TsuiTitleBarButtons& buttons = *window.frame->GetButtons();
    buttons.Items(3)->SetButtonType(suiHelp);
    int help = -1;
    QObject::connect(window.frame, &TsuiForm::OnTitleBarHelpBtnClick,
                     [&](QObject*, int index) { help = index; });
    const QPoint centre = window.frame->TitleBar()->ComputeLayout().Buttons[3].toQRect().center();
    QTest::mouseClick(window.frame->TitleBar(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(help, 3);
}

// A form being edited in a designer.
struct DesignedForm : QWidget, toolkit::TComponent {
    DesignedForm()
    {
        SetDesigning(true);
        resize(334, 182);
    }
};

TEST(SkinnedForm, DesignStateLeavesTheWindowAlone)
{
    DesignedForm host;
    const QSize minimum = host.minimumSize();
    TsuiForm frame(&host, &host);
    frame.SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_TRUE(frame.IsDesigning());
    EXPECT_TRUE(frame.TitleBar()->IsDesigning());
    EXPECT_FALSE(host.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(host.mask().isEmpty()); // no rounded corners while designing
    EXPECT_EQ(host.minimumHeight(), minimum.height());
    // The frame still lays itself out and sizes the form around it.
    frame.SetWidth(300);
    EXPECT_EQ(host.width(), 306);
    EXPECT_EQ(frame.geometry().left(), 3);
}

} // namespace

namespace {

// A document window of a multiple-document area, skinned like a form.
struct Document {
    QMdiArea area;
    QWidget* content = new QWidget;
    QMdiSubWindow* window;
    TsuiForm* frame;
    Document()
    {
        area.resize(800, 600);
        window = area.addSubWindow(content);
        frame = new TsuiForm(content, content);
        frame->SetUIStyle(TsuiUIStyle::MacOS);
        frame->SetWidth(300);
        frame->SetHeight(150);
        area.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&area));
        window->move(50, 40);
    }
};

TEST(SkinnedForm, DocumentWindowIsMovedResizedAndClosedInsideItsArea)
{
    Document doc;
    EXPECT_TRUE(doc.frame->GetMDIChild());
    EXPECT_TRUE(doc.window->windowFlags().testFlag(Qt::FramelessWindowHint));
    TsuiTitleBar* bar = doc.frame->TitleBar();
    EXPECT_EQ(bar->ParentForm(), doc.window);
    EXPECT_EQ(doc.window->size(), QSize(302, 151)); // frame 300 x 150 plus its border

    // Dragging the bar moves the document window, not the area's window.
    const QPoint areaAt = doc.area.pos(), start = doc.window->pos();
    auto mouse = [&](QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                     Qt::MouseButtons held) {
        QMouseEvent event(type, pos, target->mapToGlobal(pos), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    };
    mouse(bar, QEvent::MouseButtonPress, {150, 10}, Qt::LeftButton, Qt::LeftButton);
    mouse(bar, QEvent::MouseMove, {170, 25}, Qt::NoButton, Qt::LeftButton);
    const QPoint release = bar->mapFromGlobal(doc.window->mapToGlobal(QPoint(0, 0))) + QPoint(171, 25);
    mouse(bar, QEvent::MouseButtonRelease, release, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(doc.window->pos(), start + QPoint(20, 15));
    EXPECT_EQ(doc.area.pos(), areaAt);

    // The bottom border resizes the document window.
    const QSize before = doc.window->size();
    const int ch = doc.content->height();
    mouse(doc.content, QEvent::MouseButtonPress, {100, ch - 1}, Qt::LeftButton, Qt::LeftButton);
    mouse(doc.content, QEvent::MouseMove, {100, ch + 29}, Qt::NoButton, Qt::LeftButton);
    mouse(doc.content, QEvent::MouseButtonRelease, {100, ch + 29}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(doc.window->size(), before + QSize(0, 30));

    // Maximised inside the area it hides its bar and its controls move up
    // into the bar's place; restored, both come back.
    auto* control = new QWidget(doc.frame);
    control->setGeometry(20, 40, 50, 20);
    const int barHeight = bar->height();
    doc.frame->GetButtons()->Items(2)->DoClick();
    EXPECT_TRUE(doc.window->isMaximized());
    EXPECT_FALSE(doc.frame->GetTitleBarVisible());
    EXPECT_EQ(control->y(), 40 - barHeight);
    doc.frame->GetButtons()->Items(2)->DoClick();
    EXPECT_FALSE(doc.window->isMaximized());
    EXPECT_TRUE(doc.frame->GetTitleBarVisible());
    EXPECT_EQ(control->y(), 40);

    doc.frame->GetButtons()->Items(1)->DoClick(); // close
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(doc.area.subWindowList().isEmpty());
}

} // namespace
