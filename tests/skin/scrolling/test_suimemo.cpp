#include "skin/controls/suigrid.h"
#include "skin/controls/suiimagepanel.h"
#include "skin/controls/suitreeview.h"
#include "skin/scrolling/suilistbox.h"
#include "skin/scrolling/suimemo.h"
#include "skin/scrolling/suiscrollingregistry.h"
#include "skin/scrolling/suitrackbar.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/layoutwriter.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

QString NumberedLines(int count)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines << QString::number(i);
    return lines.join(QLatin1Char('\n'));
}

// A WinXP form: its scroll bars are 16 thick either way.
struct MemoWindow {
    QWidget form;
    TsuiMemo* memo = new TsuiMemo(&form, &form);
    QPointer<TsuiScrollBar> vbar = new TsuiScrollBar(&form, &form);
    QPointer<TsuiScrollBar> hbar = new TsuiScrollBar(&form, &form);

    MemoWindow()
    {
        form.resize(400, 300);
        vbar->SetUIStyle(TsuiUIStyle::WinXP);
        hbar->SetUIStyle(TsuiUIStyle::WinXP);
        memo->setGeometry(10, 10, 200, 100);
        form.show();
    }
};

// Item views lay out their items after the change, and the skinned bars
// follow once that is done.
void Settle()
{
    for (int turn = 0; turn < 3; ++turn)
        QCoreApplication::processEvents();
}

bool ThumbShown(const TsuiScrollBar& bar)
{
    return bar.SliderVisible() && bar.Track()->Slider()->isVisibleTo(&bar);
}

} // namespace

TEST(TsuiMemo, AttachingAndDetachingSetsTheNativeBarsAndReleasesTheBar)
{
    MemoWindow w;
    w.memo->SetVScrollBar(w.vbar);
    EXPECT_EQ(w.memo->ScrollBars(), ssVertical);
    EXPECT_EQ(w.vbar->Orientation(), suiVertical);

    w.memo->SetHScrollBar(w.hbar);
    EXPECT_EQ(w.memo->ScrollBars(), ssBoth);
    EXPECT_EQ(w.hbar->Orientation(), suiHorizontal);

    w.memo->setPlainText(NumberedLines(500));
    w.memo->SetHScrollBar(nullptr);
    w.memo->SetVScrollBar(nullptr);
    EXPECT_EQ(w.memo->ScrollBars(), ssNone);
    for (TsuiScrollBar* bar : {w.vbar.data(), w.hbar.data()}) {
        EXPECT_TRUE(bar->isEnabled());
        EXPECT_EQ(bar->Max(), 100);
        EXPECT_EQ(bar->LineButton(), 0) << "no fixed thumb length";
    }

    // A released bar no longer scrolls the memo.
    const int before = w.memo->verticalScrollBar()->value();
    w.vbar->SetPosition(50);
    EXPECT_EQ(w.memo->verticalScrollBar()->value(), before);
}

TEST(TsuiMemo, PlacesTheBarsOverItsEdgesAndFollowsMovesAndSizes)
{
    MemoWindow w;
    w.memo->SetVScrollBar(w.vbar);
    w.memo->SetHScrollBar(w.hbar);
    EXPECT_EQ(w.vbar->geometry(), QRect(192, 11, 16, 83));
    EXPECT_EQ(w.hbar->geometry(), QRect(11, 92, 183, 16));

    w.memo->setGeometry(20, 30, 150, 120);
    EXPECT_EQ(w.vbar->geometry(), QRect(20 + 150 - 16 - 2, 31, 16, 120 - 16 - 1));
    EXPECT_EQ(w.hbar->geometry(), QRect(21, 30 + 120 - 16 - 2, 150 - 16 - 1, 16));

    // Alone, a bar runs the memo's whole edge less one pixel.
    w.memo->SetHScrollBar(nullptr);
    w.memo->setGeometry(10, 10, 200, 100);
    EXPECT_EQ(w.vbar->geometry(), QRect(192, 11, 16, 99));
}

TEST(TsuiMemo, ABarOnAnotherParentIsPlacedThroughMappedCoordinates)
{
    QWidget form;
    form.resize(400, 300);
    auto* panel = new QWidget(&form);
    panel->setGeometry(50, 40, 300, 200);
    auto* memo = new TsuiMemo(&form, panel);
    memo->setGeometry(10, 10, 200, 100);
    auto* bar = new TsuiScrollBar(&form, &form);
    bar->SetUIStyle(TsuiUIStyle::WinXP);
    form.show();
    memo->SetVScrollBar(bar);
    EXPECT_EQ(bar->geometry(), QRect(50 + 192, 40 + 11, 16, 99));
}

TEST(TsuiMemo, ADestroyedBarIsForgotten)
{
    MemoWindow w;
    w.memo->SetVScrollBar(w.vbar);
    w.memo->SetHScrollBar(w.hbar);
    delete w.vbar.data();
    EXPECT_EQ(w.memo->VScrollBar(), nullptr);
    EXPECT_EQ(w.memo->ScrollBars(), ssHorizontal);
    EXPECT_EQ(w.hbar->width(), 199) << "the horizontal bar takes the whole edge again";

    // Everything that would reach the bar still works.
    w.memo->setPlainText(NumberedLines(300));
    w.memo->setGeometry(0, 0, 180, 90);
    w.memo->setEnabled(false);
    SUCCEED();
}

TEST(TsuiMemo, TextThatFitsKeepsTheBarsVisibleButDisabledWithoutAThumb)
{
    MemoWindow w;
    w.memo->setPlainText(QStringLiteral("short"));
    w.memo->SetVScrollBar(w.vbar);
    EXPECT_TRUE(w.vbar->isVisible());
    EXPECT_FALSE(w.vbar->isEnabled());
    EXPECT_FALSE(ThumbShown(*w.vbar));
    EXPECT_EQ(w.vbar->LineButton(), 0);

    // Typing past the bottom makes it scroll: the bar takes the native
    // range, position and thumb.
    w.memo->setFocus();
    w.memo->moveCursor(QTextCursor::End);
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(w.memo, Qt::Key_Return);
    QCoreApplication::processEvents();
    const QScrollBar* native = w.memo->verticalScrollBar();
    ASSERT_GT(native->maximum(), 0);
    EXPECT_TRUE(w.vbar->isEnabled());
    EXPECT_TRUE(ThumbShown(*w.vbar));
    EXPECT_EQ(w.vbar->Max(), native->maximum());
    EXPECT_EQ(w.vbar->Position(), native->value());
    EXPECT_EQ(w.vbar->LineButton(), std::max(TsuiAttachedBars::NativeThumbLength(*native), 18));

    // Undo, keys and disabling are followed too.
    QTest::keyClick(w.memo, Qt::Key_Home, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.vbar->Position(), 0);
    w.memo->undo();
    w.memo->undo();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.vbar->Max(), native->maximum());
    w.memo->setEnabled(false);
    EXPECT_FALSE(w.vbar->isEnabled());
}

TEST(TsuiMemo, TheSkinnedBarScrollsPastSixteenBitsToTheEnd)
{
    MemoWindow w;
    w.memo->SetVScrollBar(w.vbar);
    w.memo->setPlainText(NumberedLines(100000));
    QCoreApplication::processEvents();
    const QScrollBar* native = w.memo->verticalScrollBar();
    ASSERT_GT(native->maximum(), 65535);
    EXPECT_EQ(w.vbar->Max(), native->maximum());

    w.vbar->SetPosition(w.vbar->Max());
    EXPECT_EQ(native->value(), native->maximum());
    EXPECT_EQ(w.memo->cursorForPosition(QPoint(4, 4)).blockNumber(), native->maximum());

    // Paging back by the bar's step arrives whole, not cut to 16 bits.
    w.vbar->SetPosition(70000);
    QCoreApplication::processEvents();
    EXPECT_EQ(native->value(), 70000);
    EXPECT_EQ(w.vbar->Position(), 70000);
}

TEST(TsuiMemo, FlatBorderAndStyleFromTheContainer)
{
    MemoWindow w;
    const QImage image = w.memo->grab().toImage();
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0)) << "no skinned frame: black";
    EXPECT_EQ(image.pixel(1, 1), ColorToQColor(w.memo->Color()).rgb());

    ContainerApplyUIStyle(&w.form, TsuiUIStyle::MacOS);
    EXPECT_EQ(w.memo->BorderColor(), GetThemeColor(TsuiUIStyle::MacOS, teControlBorderColor));
    ContainerApplyUIStyle(&w.form, TsuiUIStyle::Custom);
    EXPECT_EQ(w.memo->BorderColor(), GetThemeColor(TsuiUIStyle::MacOS, teControlBorderColor));
    EXPECT_EQ(w.memo->grab().toImage().pixel(w.memo->width() - 1, 5),
              ColorToQColor(GetThemeColor(TsuiUIStyle::MacOS, teControlBorderColor)).rgb());
}

TEST(TsuiListBox, ShowsItsBarOnlyWhileTheItemsScroll)
{
    QWidget form;
    form.resize(300, 300);
    auto* list = new TsuiListBox(&form, &form);
    list->setGeometry(10, 10, 120, 100);
    auto* bar = new TsuiScrollBar(&form, &form);
    bar->SetUIStyle(TsuiUIStyle::WinXP);
    list->Items()->Add(QStringLiteral("one"));
    form.show();
    list->SetVScrollBar(bar);
    EXPECT_EQ(bar->geometry(), QRect(10 + 120 - 16 - 2, 11, 16, 98));
    Settle();
    EXPECT_FALSE(bar->isVisible());

    for (int i = 0; i < 40; ++i)
        list->Items()->Add(QStringLiteral("item %1").arg(i));
    Settle();
    const QScrollBar* native = list->verticalScrollBar();
    ASSERT_GT(native->maximum(), 0);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->LineButton(), std::max(TsuiAttachedBars::NativeThumbLength(*native), 18));
    EXPECT_GE(bar->LineButton(), 18);

    // The bar scrolls the list, and the keys move the bar.
    bar->SetPosition(bar->Max());
    EXPECT_EQ(native->value(), native->maximum());
    list->SetItemIndex(5);
    QTest::keyClick(list, Qt::Key_Home);
    Settle();
    EXPECT_EQ(native->value(), 0);
    EXPECT_EQ(bar->Position(), 0);

    list->Items()->Clear();
    Settle();
    EXPECT_FALSE(bar->isVisible());
}

TEST(TsuiMemo, ReadsItsBarsByNameAfterLoading)
{
    RegisterSuiScrolling();
    RegisterClass<QWidget>(QStringLiteral("TTestForm"));
    QWidget form;
    form.setObjectName(QStringLiteral("Form1"));
    ReadLayoutInto(&form, QStringLiteral("object Form1: TTestForm\n"
                                         "  object suiMemo1: TsuiMemo\n"
                                         "    VScrollBar = suiScrollBar1\n"
                                         "    Left = 10\n    Top = 10\n    Width = 200\n    Height = 100\n"
                                         "    Lines.Strings = ('a' 'b')\n"
                                         "  end\n"
                                         "  object suiScrollBar1: TsuiScrollBar\n"
                                         "    UIStyle = WinXP\n"
                                         "  end\n"
                                         "end\n"));
    auto* memo = form.findChild<TsuiMemo*>(QStringLiteral("suiMemo1"));
    auto* bar = form.findChild<TsuiScrollBar*>(QStringLiteral("suiScrollBar1"));
    ASSERT_TRUE(memo && bar);
    EXPECT_EQ(memo->VScrollBar(), bar);
    EXPECT_EQ(memo->ScrollBars(), ssVertical);
    EXPECT_EQ(bar->geometry(), QRect(192, 11, 16, 99));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("a\nb"));

    const QString written = WriteLayout(&form);
    EXPECT_TRUE(written.contains(QStringLiteral("VScrollBar = suiScrollBar1"))) << written.toStdString();
    EXPECT_FALSE(written.contains(QStringLiteral("ScrollBars ="))) << "follows the attached bars";
}

TEST(TsuiMemo, SkinnedNativeControlsKeepQtAccessibility)
{
    QWidget form;
    auto* memo = new TsuiMemo(&form, &form);
    memo->setPlainText(QStringLiteral("hello"));
    auto* list = new TsuiListBox(&form, &form);
    list->Items()->Add(QStringLiteral("entry"));
    auto* grid = new TsuiStringGrid(&form, &form);
    auto* tree = new TsuiTreeView(&form, &form);
    auto* bar = new TsuiScrollBar(&form, &form);
    memo->SetVScrollBar(bar);
    form.show();

    QAccessibleInterface* text = QAccessible::queryAccessibleInterface(memo);
    ASSERT_TRUE(text && text->textInterface());
    EXPECT_EQ(text->role(), QAccessible::EditableText);
    EXPECT_EQ(text->textInterface()->text(0, 5), QStringLiteral("hello"));
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(list);
    ASSERT_TRUE(items);
    EXPECT_EQ(items->role(), QAccessible::List);
    EXPECT_EQ(items->childCount(), 1);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(grid)->role(), QAccessible::Table);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(tree)->role(), QAccessible::Tree);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(bar)->role(), QAccessible::ScrollBar);
}
