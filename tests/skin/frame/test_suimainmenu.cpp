#include "skin/frame/suiform.h"
#include "skin/frame/suiframeregistry.h"
#include "skin/frame/suimainmenu.h"
#include "toolkit/dialogs.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/resources.h"
#include "toolkit/panel.h"
#include "toolkit/stdctrls.h"

#include <QAccessible>
#include <QCursor>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

using namespace toolkit;

namespace {

QRgb Rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

const char MenuLayout[] = R"(object Form1: TWidgetForm
  Left = 0
  Top = 0
  Width = 320
  Height = 200
  object suiForm1: TsuiForm
    UIStyle = WinXP
  end
  object suiMainMenu1: TsuiMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Caption = '&Open'
        ShortCut = 16463
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
        Default = True
      end
    end
    object Edit1: TMenuItem
      Caption = '&Edit'
      object Wrap1: TMenuItem
        Caption = 'Wrap'
        Checked = True
      end
      object Paste1: TMenuItem
        Caption = 'Paste'
        Enabled = False
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
    end
  end
end
)";

// A plain widget form that layouts can create.
class TWidgetForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
public:
    explicit TWidgetForm(QWidget* parent = nullptr) : QWidget(parent) {}
    void SetLeft(int v) { move(v, y()); }
    void SetTop(int v) { move(x(), v); }
    void SetWidth(int v) { resize(v, height()); }
    void SetHeight(int v) { resize(width(), v); }
};

struct MenuWindow {
    std::unique_ptr<QWidget> form;
    TsuiForm* frame = nullptr;
    TsuiMainMenu* menu = nullptr;
    explicit MenuWindow(TsuiUIStyle style = TsuiUIStyle::WinXP)
    {
        RegisterStandardControls();
        RegisterSuiFrame();
        RegisterClass<TWidgetForm>(QStringLiteral("TWidgetForm"));
        form.reset(qobject_cast<QWidget*>(ReadLayout(QString::fromLatin1(MenuLayout))));
        frame = form->findChild<TsuiForm*>();
        menu = form->findChild<TsuiMainMenu*>();
        frame->SetUIStyle(style);
    }
    TMenuItem* Item(const char* name) const { return form->findChild<TMenuItem*>(QLatin1String(name)); }
    QList<TToolButton*> Buttons() const { return frame->MenuBar()->Buttons(); }
};

// The item's picture as the menu draws it, at the size it measures.
QImage DrawnItem(TsuiMainMenu* menu, TMenuItem* item, bool selected, int width = 120)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas measure(&scratch);
    int w = 0, h = 0;
    menu->MeasureItem(item, measure, w, h);
    QImage image(std::max(w, width), h, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    TCanvas canvas(&image);
    menu->DrawItem(item, canvas, Rect(0, 0, image.width(), h), selected);
    return image;
}

// The first column holding a pixel of the colour, or -1.
int FirstColumnOf(const QImage& image, QRgb color)
{
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) == color) return x;
    return -1;
}

int FirstRowOf(const QImage& image, QRgb color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color) return y;
    return -1;
}

TEST(SkinnedMenu, BarShowsTopLevelItemsInOrderAndFollowsTheMenu)
{
    MenuWindow window;
    ASSERT_TRUE(window.frame->MenuBar());
    EXPECT_EQ(window.frame->Menu(), window.menu);
    EXPECT_EQ(window.menu->SkinForm(), window.frame);
    QStringList captions;
    for (TToolButton* button : window.Buttons()) captions << button->text();
    EXPECT_EQ(captions, (QStringList{"&File", "&Edit", "&Help"}));
    // Under the title bar, left to right.
    const QRect bar = window.frame->MenuBar()->geometry();
    EXPECT_EQ(bar.top(), window.frame->TitleBar()->geometry().bottom() + 1);
    EXPECT_EQ(bar.height(), TsuiForm::DefaultMenuBarHeight);
    EXPECT_LT(window.Buttons()[0]->x(), window.Buttons()[1]->x());

    // Items added, renamed, disabled or removed after loading reach the bar.
    auto* view = new TMenuItem(window.menu);
    view->SetCaption(QStringLiteral("&View"));
    EXPECT_EQ(window.Buttons().size(), 4);
    window.Item("Help1")->SetCaption(QStringLiteral("&About"));
    window.Item("Edit1")->SetEnabled(false);
    EXPECT_EQ(window.Buttons()[2]->text(), QStringLiteral("&About"));
    // Assistive technology reads a menu bar of menu items.
    QAccessibleInterface* menuBar = QAccessible::queryAccessibleInterface(window.frame->MenuBar());
    EXPECT_EQ(menuBar->role(), QAccessible::MenuBar);
    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(window.Buttons()[2]);
    EXPECT_EQ(about->role(), QAccessible::MenuItem);
    EXPECT_EQ(about->text(QAccessible::Name), QStringLiteral("About"));
    EXPECT_EQ(about->parent()->object(), window.frame->MenuBar());
    EXPECT_FALSE(window.Buttons()[1]->isEnabled());
    delete view;
    EXPECT_EQ(window.Buttons().size(), 3);

    // The stored layout names the menu on the frame and keeps the items.
    const QString text = WriteLayout(window.form.get());
    EXPECT_TRUE(text.contains(QStringLiteral("Menu = suiMainMenu1")));
    EXPECT_TRUE(text.contains(QStringLiteral("ShortCut = 16463")));

    // Deleting the menu removes the bar.
    delete window.menu;
    EXPECT_FALSE(window.frame->MenuBar());
    EXPECT_FALSE(window.frame->Menu());
}

TEST(SkinnedMenuBar, StaysRightUnderTheTitleBarAboveTopAlignedControls)
{
    // A top-aligned bar read before the menu attaches, as a tool bar is.
    QString layout = QString::fromLatin1(MenuLayout);
    layout.replace(QStringLiteral("    UIStyle = WinXP\n"),
                   QStringLiteral("    UIStyle = WinXP\n    object Tools1: TPanel\n      Align = alTop\n"
                                  "      Height = 30\n    end\n"));
    RegisterStandardControls();
    RegisterSuiFrame();
    RegisterClass<TWidgetForm>(QStringLiteral("TWidgetForm"));
    std::unique_ptr<QObject> form(ReadLayout(layout));
    auto* frame = form->findChild<TsuiForm*>();
    ASSERT_TRUE(frame->MenuBar());
    const QRect bar = frame->MenuBar()->geometry();
    EXPECT_EQ(bar.top(), frame->TitleBar()->geometry().bottom() + 1);
    EXPECT_EQ(form->findChild<TPanel*>(QStringLiteral("Tools1"))->geometry().top(), bar.bottom() + 1);
    // The same when the menu comes back.
    TMainMenu* menu = frame->Menu();
    frame->SetMenu(nullptr);
    frame->SetMenu(menu);
    EXPECT_EQ(frame->MenuBar()->geometry(), bar);
}

TEST(SkinnedMenu, StyleValuesAndFixedMacOSHeights)
{
    MenuWindow window(TsuiUIStyle::WinXP);
    EXPECT_EQ(window.menu->UIStyle(), TsuiUIStyle::WinXP); // passed on by the frame
    EXPECT_EQ(window.menu->SelectedColor(), GetThemeColor(TsuiUIStyle::WinXP, teMenuSelectedColor));
    EXPECT_EQ(window.menu->SeparatorHeight(), 5);
    window.menu->SetHeight(30);
    EXPECT_EQ(window.menu->MenuItemHeight(), 30);

    window.frame->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(window.menu->MenuItemHeight(), 20);
    EXPECT_EQ(window.menu->SeparatorHeight(), 12);
    window.menu->SetHeight(30);
    window.menu->SetSeparatorHeight(3);
    EXPECT_EQ(window.menu->MenuItemHeight(), 20);
    EXPECT_EQ(window.menu->SeparatorHeight(), 12);
    EXPECT_TRUE(window.menu->GetOwnerDraw());
}

TEST(SkinnedMenu, SeparatorsPerStyle)
{
    MenuWindow window(TsuiUIStyle::WinXP);
    TMenuItem* line = window.Item("N1");
    const QImage xp = DrawnItem(window.menu, line, false);
    EXPECT_EQ(xp.height(), 5);
    const QRgb grey = Rgb(window.menu->SeparatorColor());
    EXPECT_EQ(FirstRowOf(xp, grey), 2);
    EXPECT_EQ(FirstColumnOf(xp, grey), 26 + 4);
    EXPECT_EQ(xp.pixel(29, 2), Rgb(window.menu->Color()));
    EXPECT_EQ(xp.pixel(0, 0), Rgb(window.menu->BarColor()));

    window.frame->SetUIStyle(TsuiUIStyle::MacOS);
    const QImage mac = DrawnItem(window.menu, line, false);
    EXPECT_EQ(mac.height(), 12);
    // The MacOS picture's top 12 rows, stretched across.
    const QImage picture = LoadBitmapResource(QStringLiteral("MACOS_MENU_BAR"));
    for (int y = 0; y < 12; ++y) EXPECT_EQ(mac.pixel(60, y), picture.pixel(0, y)) << y;
}

TEST(SkinnedMenu, ItemStatesDrawnAsDocumented)
{
    MenuWindow window(TsuiUIStyle::WinXP);
    TsuiMainMenu* menu = window.menu;

    // Selected: filled and framed; a disabled item never is.
    const QImage selected = DrawnItem(menu, window.Item("Open1"), true);
    EXPECT_EQ(selected.pixel(0, 0), Rgb(menu->SelectedBorderColor()));
    EXPECT_EQ(selected.pixel(1, 1), Rgb(menu->SelectedColor()));
    const QImage disabled = DrawnItem(menu, window.Item("Paste1"), true);
    EXPECT_EQ(disabled.pixel(1, 1), Rgb(menu->BarColor()));
    EXPECT_EQ(FirstColumnOf(disabled, Rgb(menu->SelectedColor())), -1);
    EXPECT_GE(FirstColumnOf(disabled, qRgb(0x80, 0x80, 0x80)), 30);

    // A checked item without an image shows the check mark at (4, 3).
    const QImage checked = DrawnItem(menu, window.Item("Wrap1"), false);
    QImage mark(16, 16, QImage::Format_RGB32);
    mark.fill(Rgb(menu->BarColor()));
    TCanvas markCanvas(&mark);
    menu->CheckImages().Draw(markCanvas, 0, 0, 0);
    EXPECT_EQ(checked.copy(4, 3, 16, 16), mark);

    // The shortcut text ends 16 pixels from the right edge, at y 4.
    TFont font;
    menu->AssignMenuFont(font);
    const QString shortCut = ShortCutToText(window.Item("Open1")->ShortCut());
    EXPECT_EQ(shortCut, QStringLiteral("Ctrl+O"));
    const QImage open = DrawnItem(menu, window.Item("Open1"), false, 200);
    const int textRight = 200 - 16;
    const int left = textRight - QFontMetrics(font.toQFont()).horizontalAdvance(shortCut);
    const QRgb ink = Rgb(menu->FontColor());
    EXPECT_EQ(FirstColumnOf(open.copy(left, 0, textRight - left, open.height()), ink) >= 0, true);
    EXPECT_EQ(FirstColumnOf(open.copy(textRight, 0, 16, open.height()), ink), -1);
}

TEST(SkinnedMenu, MeasuresWithTheFontItDraws)
{
    MenuWindow window(TsuiUIStyle::WinXP);
    TsuiMainMenu* menu = window.menu;
    menu->SetUseSystemFont(false);
    menu->SetFontName(QStringLiteral("Liberation Serif"));
    menu->SetFontSize(14);
    TMenuItem* exit = window.Item("Exit1"); // the default item: bold
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    int width = 0, height = 0;
    menu->MeasureItem(exit, canvas, width, height);
    TFont expected;
    menu->AssignMenuFont(expected);
    expected.SetStyle(fsBold);
    EXPECT_EQ(width, QFontMetrics(expected.toQFont()).horizontalAdvance(QStringLiteral("Exit")) + 26 + 40);
    EXPECT_EQ(height, 21);
}

TEST(SkinnedMenuBar, HotAndPressedButtonsPerStyle)
{
    MenuWindow window(TsuiUIStyle::WinXP);
    window.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.form.get()));
    TsuiMenuBar* bar = window.frame->MenuBar();
    TToolButton* file = window.Buttons()[0];
    const TRect rect = Rect(0, 0, file->width(), file->height());
    const auto draw = [&](TCustomDrawState state) {
        QImage image(file->size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        TCanvas canvas(&image);
        EXPECT_FALSE(bar->DrawButton(file, canvas, rect, state));
        return image;
    };
    const QRgb fill = Rgb(GetThemeColor(TsuiUIStyle::WinXP, teMenuSelectedColor));
    const QRgb frame = Rgb(GetThemeColor(TsuiUIStyle::WinXP, teMenuSelectedBorderColor));
    const QImage hot = draw(cdsHot);
    const QImage pressed = draw(cdsHot | cdsSelected);
    EXPECT_EQ(hot.pixel(rect.Right - 1, 5), frame);
    EXPECT_EQ(pressed.pixel(rect.Right - 3, 5), frame);
    EXPECT_EQ(pressed.pixel(rect.Right - 2, 5), qRgb(255, 0, 255));
    EXPECT_EQ(hot.pixel(5, 5), fill);
    // The text: centred in the rectangle that lost 2 pixels at the right and
    // top, then 2 more at the left.
    const QRgb ink = Rgb(GetThemeColor(TsuiUIStyle::WinXP, teMenuSelectedFontColor));
    TFont font;
    window.menu->AssignMenuFont(font);
    const QFontMetrics metrics(font.toQFont());
    const int textWidth = metrics.horizontalAdvance(QStringLiteral("File"));
    const int hotLeft = (rect.Width() - textWidth) / 2;
    const int pressedLeft = 2 + (rect.Width() - 4 - textWidth) / 2;
    EXPECT_NEAR(FirstColumnOf(hot, ink), hotLeft, 1);
    EXPECT_NEAR(FirstColumnOf(pressed, ink), pressedLeft, 1);
    // Neither hot nor pressed: the bar's own drawing.
    QImage plain(file->size(), QImage::Format_RGB32);
    TCanvas plainCanvas(&plain);
    EXPECT_TRUE(bar->DrawButton(file, plainCanvas, rect, {}));

    window.frame->SetUIStyle(TsuiUIStyle::MacOS);
    const QImage mac = draw(cdsHot);
    const QImage select = LoadBitmapResource(QStringLiteral("MACOS_MENU_SELECT"));
    EXPECT_EQ(mac.pixel(1, 1), select.pixel(0, 1));
    const int macLeft = FirstColumnOf(mac, qRgb(255, 255, 255));
    EXPECT_NEAR(macLeft, hotLeft, 1);

    // The whole bar renders with the picture behind its buttons.
    window.form->grab().save(QStringLiteral("/tmp/menus-shots/bar-macos.png"));
}

TEST(SkinnedMenuBar, ShortcutsBelongToTheirWindow)
{
    MenuWindow first;
    MenuWindow second;
    int firstOpened = 0, secondOpened = 0;
    QObject::connect(first.Item("Open1"), &TMenuItem::OnClick, [&] { ++firstOpened; });
    QObject::connect(second.Item("Open1"), &TMenuItem::OnClick, [&] { ++secondOpened; });
    first.form->show();
    second.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(second.form.get()));
    second.form->activateWindow();
    QApplication::setActiveWindow(second.form.get());
    QTest::keyClick(second.form.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(secondOpened, 1);
    EXPECT_EQ(firstOpened, 0);
    // A disabled item's shortcut does nothing.
    second.Item("Open1")->SetEnabled(false);
    QTest::keyClick(second.form.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(secondOpened, 1);
}

TEST(SkinnedMenuBar, AltAcceleratorDropsTheMenuWhichIsAccessible)
{
    MenuWindow window;
    window.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.form.get()));
    QApplication::setActiveWindow(window.form.get());
    QMenu* popup = window.Item("File1")->Popup();
    QTest::keyClick(window.form.get(), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(popup->isVisible());
    EXPECT_TRUE(window.Buttons()[0]->DrawState() & cdsSelected);
    // Qt's own menu: its items are menu items with their captions.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(popup);
    ASSERT_TRUE(accessible);
    EXPECT_EQ(accessible->role(), QAccessible::PopupMenu);
    ASSERT_EQ(accessible->childCount(), 3);
    EXPECT_EQ(accessible->child(0)->role(), QAccessible::MenuItem);
    // Owner drawn: each item as tall as the menu measures it.
    EXPECT_EQ(popup->actionGeometry(popup->actions()[0]).height(), window.menu->MenuItemHeight());
    EXPECT_EQ(popup->actionGeometry(popup->actions()[1]).height(), window.menu->SeparatorHeight());
    // Right goes on to the next menu on the bar and Left comes back.
    QMenu* edit = window.Item("Edit1")->Popup();
    QTest::keyClick(popup, Qt::Key_Right);
    QTRY_VERIFY(edit->isVisible());
    EXPECT_FALSE(popup->isVisible());
    QTest::keyClick(edit, Qt::Key_Left);
    QTRY_VERIFY(popup->isVisible());
    popup->setActiveAction(popup->actions()[0]);
    int opened = 0;
    QObject::connect(window.Item("Open1"), &TMenuItem::OnClick, [&] { ++opened; });
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(opened, 1);
    QTRY_VERIFY(!popup->isVisible());
    EXPECT_FALSE(window.Buttons()[0]->DrawState() & cdsSelected);
}

// A menu opened by a press takes hold of the pointer: the window system
// reports no leaving meanwhile, moves over the window body reach the menu,
// and the first move after the close goes from the menu to the body. The
// button that dropped the menu never hears the pointer leave; whichever way
// the menu closes, the bar must look as it did before it opened.
struct PointerGrab : QObject {
    QWindow* window;
    explicit PointerGrab(QWindow* w) : window(w) { window->installEventFilter(this); }
    ~PointerGrab() override { window->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Leave; }
};

TEST(SkinnedMenuBar, NoButtonStaysHotOnceItsMenuClosesElsewhere)
{
    MenuWindow window;
    window.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.form.get()));
    QApplication::setActiveWindow(window.form.get());
    TToolButton* file = window.Buttons()[0];
    QMenu* popup = window.Item("File1")->Popup();
    const QPoint body = window.form->mapToGlobal(QPoint(window.form->width() - 20, window.form->height() - 20));
    const auto closeBy = [&](const char* path, const std::function<void()>& close) {
        SCOPED_TRACE(path);
        QCursor::setPos(file->mapToGlobal(file->rect().center()));
        QCoreApplication::processEvents();
        ASSERT_TRUE(file->DrawState() & cdsHot);
        {
            PointerGrab grab(window.form->windowHandle());
            file->DropDown();
        }
        ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
        ASSERT_FALSE(popup->geometry().contains(body));
        QCursor::setPos(body);
        QCoreApplication::processEvents();
        close();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !popup->isVisible(); }));
        QCursor::setPos(body + QPoint(1, 0));
        QCoreApplication::processEvents();
        EXPECT_FALSE(file->DrawState() & (cdsHot | cdsSelected));
        for (TToolButton* button : window.Buttons()) EXPECT_FALSE(button->DrawState() & cdsHot);
    };
    closeBy("Escape", [&] { QTest::keyClick(popup, Qt::Key_Escape); });
    closeBy("a click elsewhere", [&] {
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->mapFromGlobal(body));
    });
    closeBy("a choice", [&] {
        popup->setActiveAction(popup->actions()[0]);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    closeBy("focus loss", [&] { popup->hide(); });
}

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

TEST(SkinnedMenu, DesignerAdvisesTheSkinnedMenu)
{
    MessageRecorder messages;
    TPanel host(nullptr);
    host.setObjectName(QStringLiteral("Form1"));
    host.SetDesigning(true);
    auto* frame = new TsuiForm(&host, &host);
    frame->setObjectName(QStringLiteral("suiForm1"));
    new TsuiMainMenu(&host);
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.texts.isEmpty());
    new TMainMenu(&host);
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith(QStringLiteral("Strongly recommend you to use \"TsuiMainMenu\"")));
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("set Form1's MENU property to NIL please.\r\n\r\nAnd set suiForm1's")));
}

TEST(SkinnedMenu, FlatDropDownFramedInItsOwnPaint)
{
    MenuWindow window(TsuiUIStyle::WinXP);
    window.menu->SetFlatMenu(true);
    QMenu* popup = window.Item("File1")->Popup();
    popup->popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    const QImage image = popup->grab().toImage();
    const int r = image.width(), b = image.height();
    EXPECT_EQ(image.pixel(0, 1), Rgb(window.menu->BorderColor()));
    EXPECT_EQ(image.pixel(1, 2), qRgb(255, 255, 255));
    const QRgb colour = Rgb(GetThemeColor(TsuiUIStyle::WinXP, teFormColor));
    EXPECT_EQ(image.pixel(1, 0), colour);
    EXPECT_EQ(image.pixel(r / 2, b - 1), colour);
    EXPECT_EQ(image.pixel(r - 1, b / 2), colour);
    // The items lie inside the two-pixel frame.
    EXPECT_EQ(popup->actionGeometry(popup->actions()[0]).topLeft(), QPoint(2, 2));
    popup->hide();
}

} // namespace

#include "test_suimainmenu.moc"
