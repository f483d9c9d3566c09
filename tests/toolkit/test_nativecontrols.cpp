#include "toolkit/edits.h"
#include "toolkit/grids.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace toolkit;

TEST(TMemo, LinesAndTheDocumentFollowEachOther)
{
    TMemo memo(nullptr);
    EXPECT_EQ(memo.Lines()->Count(), 0);
    memo.Lines()->Add(QStringLiteral("one"));
    memo.Lines()->Add(QStringLiteral("two"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("one\ntwo"));

    QSignalSpy changes(&memo, &TCustomMemo::OnChange);
    memo.moveCursor(QTextCursor::End);
    QTest::keyClicks(&memo, QStringLiteral("!"));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(memo.Lines()->ToQStringList(), (QStringList{"one", "two!"}));

    memo.Lines()->Delete(0);
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("two!"));
}

TEST(TMemo, MaxLengthLimitsTypingAndPastingButNotTheProgram)
{
    TMemo memo(nullptr);
    memo.SetMaxLength(5);
    memo.setPlainText(QStringLiteral("abc"));
    memo.moveCursor(QTextCursor::End);
    QTest::keyClicks(&memo, QStringLiteral("defg"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("abcde"));
    QTest::keyClick(&memo, Qt::Key_Return);
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("abcde"));

    // A selection makes room for what replaces it.
    memo.selectAll();
    QApplication::clipboard()->setText(QStringLiteral("1234567"));
    memo.paste();
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("12345"));

    memo.setPlainText(QStringLiteral("longer than five"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("longer than five"));
}

TEST(TMemo, ScrollBarsAndBorder)
{
    TMemo memo(nullptr);
    EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    memo.SetScrollBars(ssVertical);
    EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    memo.SetScrollBars(ssBoth);
    EXPECT_EQ(memo.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    // Without an edge the band of BorderWidth lies around the viewport.
    memo.SetBorderStyle(bsNone);
    memo.SetBorderWidth(3);
    memo.resize(120, 80);
    memo.show();
    EXPECT_EQ(memo.viewport()->geometry().topLeft(), QPoint(3, 3));
    memo.SetColor(0x336699);
    const QImage image = memo.grab().toImage();
    for (const QPoint p : {QPoint(0, 0), QPoint(2, 40), QPoint(119, 79)})
        EXPECT_EQ(image.pixel(p), ColorToQColor(0x336699).rgb()) << "the band takes Color";
}

TEST(TMemo, AlignmentPlacesTheLines)
{
    TMemo memo(nullptr);
    memo.resize(200, 80);
    memo.setPlainText(QStringLiteral("ab"));
    memo.show();
    memo.moveCursor(QTextCursor::Start);
    const int left = memo.cursorRect().left();
    memo.SetAlignment(taRightJustify);
    EXPECT_GT(memo.cursorRect().left(), left + 100);
    memo.SetAlignment(taCenter);
    EXPECT_NEAR(memo.cursorRect().left(), memo.viewport()->width() / 2, 20);
}

TEST(TListBox, ItemsMirrorTheStringListAndSelectByIndex)
{
    TListBox list(nullptr);
    list.Items()->Add(QStringLiteral("b"));
    list.Items()->Add(QStringLiteral("a"));
    list.Items()->Insert(0, QStringLiteral("c"));
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("c"));
    list.Items()->SetStrings(2, QStringLiteral("z"));
    EXPECT_EQ(list.item(2)->text(), QStringLiteral("z"));
    list.SetSorted(true);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("b"));

    list.SetItemIndex(1);
    EXPECT_EQ(list.ItemIndex(), 1);
    list.SetItemIndex(7);
    EXPECT_EQ(list.ItemIndex(), -1);
    list.Items()->Delete(0);
    EXPECT_EQ(list.count(), 2);

    TCheckListBox checks(nullptr);
    checks.Items()->Add(QStringLiteral("x"));
    QSignalSpy toggled(&checks, &TCheckListBox::OnClickCheck);
    checks.SetChecked(0, true);
    EXPECT_TRUE(checks.Checked(0));
    EXPECT_EQ(toggled.count(), 1);
    EXPECT_FALSE(checks.Checked(5));
}

TEST(TStringGrid, CellsGeometryAndFixedCells)
{
    TStringGrid grid(nullptr);
    EXPECT_EQ(grid.ColCount(), 5);
    grid.SetCells(2, 3, QStringLiteral("x"));
    grid.SetCells(9, 9, QStringLiteral("ignored"));
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("x"));
    EXPECT_EQ(grid.Cells(9, 9), QString());

    grid.SetDefaultColWidth(40);
    grid.SetDefaultRowHeight(20);
    EXPECT_EQ(grid.CellRect(2, 1).Left, 2 * 41) << "each column is followed by its grid line";
    EXPECT_EQ(grid.CellRect(2, 1).Width(), 40);
    EXPECT_EQ(grid.CellRect(2, 1).Top, 21);
    EXPECT_EQ(grid.CellState(0, 2), gdFixed);
    EXPECT_EQ(grid.CellState(2, 0), gdFixed);

    // At least one column and row stay unfixed.
    grid.SetColCount(2);
    grid.SetFixedCols(5);
    EXPECT_EQ(grid.FixedCols(), 1);
}

// Cells that fit leave no scroll bar, whatever size the grid had before.
TEST(TStringGrid, CellsThatFitShowNoScrollBar)
{
    QWidget window;
    auto* grid = new TStringGrid(&window, &window);
    grid->SetColCount(4);
    grid->SetRowCount(7);
    grid->SetDefaultColWidth(52);
    grid->SetDefaultRowHeight(20);
    grid->resize(220, 158);
    window.show();
    QApplication::processEvents();
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
}

TEST(TStringGrid, FixedRowsAndColumnsStayWhileTheRestScrolls)
{
    QWidget window;
    auto* grid = new TStringGrid(&window, &window);
    grid->SetColCount(10);
    grid->SetRowCount(20);
    grid->SetDefaultColWidth(40);
    grid->SetDefaultRowHeight(20);
    grid->resize(200, 100);
    window.show();
    grid->verticalScrollBar()->setValue(3);
    grid->horizontalScrollBar()->setValue(2);
    EXPECT_EQ(grid->TopRow(), 4);
    EXPECT_EQ(grid->LeftCol(), 3);
    EXPECT_EQ(grid->CellRect(5, 0).Top, 0);
    EXPECT_EQ(grid->CellRect(0, 6).Left, 0);
    EXPECT_EQ(grid->CellRect(3, 4).Left, 41);
    EXPECT_EQ(grid->CellRect(3, 4).Top, 21);

    // The picture shows the fixed row at the top, a scrolled row under it.
    const QImage shown = grid->viewport()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(60, 5), ColorToQColor(grid->FixedColor()));
    EXPECT_EQ(shown.pixelColor(60, 30), ColorToQColor(grid->Color()));

    // A click on a fixed cell selects nothing; on a scrolled one, that cell.
    grid->setCurrentCell(5, 5);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 5));
    EXPECT_EQ(grid->Row(), 5);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 30));
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->Col(), 3);

    // A row above the top comes in right under the fixed row, and the last
    // one can be reached whole.
    grid->scrollTo(grid->model()->index(2, 3));
    EXPECT_EQ(grid->TopRow(), 2);
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    EXPECT_LE(grid->CellRect(3, 19).Bottom, grid->viewport()->height());
    EXPECT_GE(grid->CellRect(3, 19).Top, 21);
}

// Cells, the scroll range and the in-place editor follow each column's and
// row's own size, also while the fixed ones stay and the rest scrolls.
TEST(TStringGrid, OwnColumnWidthsAndRowHeightsPlaceCellsAndTheEditor)
{
    QWidget window;
    auto* grid = new TStringGrid(&window, &window);
    grid->SetColCount(6);
    grid->SetRowCount(6);
    grid->SetDefaultColWidth(40);
    grid->SetDefaultRowHeight(20);
    grid->SetOptions(grid->Options() | goEditing);
    grid->resize(200, 100);
    grid->SetColWidths(0, 70);
    grid->SetColWidths(1, 10);
    grid->SetRowHeights(2, 30);
    window.show();
    EXPECT_EQ(grid->CellRect(2, 1).Left, 71 + 11);
    EXPECT_EQ(grid->CellRect(2, 3).Top, 21 + 21 + 31);
    EXPECT_EQ(grid->CellRect(1, 2).Width(), 10);
    EXPECT_EQ(grid->CellRect(1, 2).Height(), 30);
    EXPECT_EQ(grid->ColWidths(0), 70);
    EXPECT_THROW(grid->ColWidths(6), std::out_of_range);
    EXPECT_THROW(grid->SetRowHeights(-1, 5), std::out_of_range);

    grid->horizontalScrollBar()->setValue(1);
    EXPECT_EQ(grid->CellRect(2, 1).Left, 71) << "the first scrolled column comes right after the wide fixed one";
    grid->SetCells(3, 1, QStringLiteral("x"));
    grid->setCurrentCell(1, 3);
    grid->editItem(grid->item(1, 3));
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    const QRect cell = grid->CellRect(3, 1).toQRect();
    EXPECT_TRUE(cell.contains(editor->geometry().center())) << "editor at " << editor->geometry().x();
    EXPECT_LE(std::abs(editor->geometry().left() - cell.left()), 2);

    // A new default gives every column its size again.
    grid->SetDefaultColWidth(30);
    EXPECT_EQ(grid->ColWidths(0), 30);
}

TEST(TStringGrid, ColumnWidthsAndRowHeightsRoundTripThroughLayouts)
{
    RegisterStandardControls();
    RegisterClass<QWidget>(QStringLiteral("TTestForm"));
    const QString layout = QStringLiteral("object Form1: TTestForm\n"
                                          "  object Grid1: TStringGrid\n"
                                          "    ColCount = 3\n"
                                          "    DefaultColWidth = 40\n"
                                          "    ColWidths = (80 12)\n"
                                          "    RowHeights = (30)\n"
                                          "  end\n"
                                          "end\n");
    QWidget form;
    ReadLayoutInto(&form, layout);
    auto* grid = form.findChild<TStringGrid*>(QStringLiteral("Grid1"));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->ColWidths(0), 80);
    EXPECT_EQ(grid->ColWidths(1), 12);
    EXPECT_EQ(grid->ColWidths(2), 40);
    EXPECT_EQ(grid->RowHeights(0), 30);
    EXPECT_EQ(grid->RowHeights(1), 24);
    const QString written = WriteLayout(&form);
    EXPECT_TRUE(written.contains(QStringLiteral("ColWidths = (\n      80\n      12\n      40)"))) << written.toStdString();
    QWidget again;
    ReadLayoutInto(&again, written);
    EXPECT_EQ(WriteLayout(&again).toStdString(), written.toStdString());
    // Sizes all at the default are not written.
    grid->SetColWidths(0, 40);
    grid->SetColWidths(1, 40);
    EXPECT_FALSE(WriteLayout(&form).contains(QStringLiteral("ColWidths")));

    for (const char* bad : {"ColWidths = (1 2 3 4)", "ColWidths = (-1)", "RowHeights = ('a')", "ColWidths = 5"}) {
        QWidget broken;
        EXPECT_THROW(ReadLayoutInto(&broken, QStringLiteral("object Form1: TTestForm\n"
                                                           "  object Grid1: TStringGrid\n"
                                                           "    ColCount = 3\n    %1\n"
                                                           "  end\nend\n")
                                                 .arg(QLatin1String(bad))),
                     ELayoutError)
            << bad;
    }
}

TEST(NativeControls, StoredLayoutsReadAndWriteBack)
{
    RegisterStandardControls();
    RegisterClass<QWidget>(QStringLiteral("TTestForm"));
    QWidget form;
    form.setObjectName(QStringLiteral("Form1"));
    ReadLayoutInto(&form, QStringLiteral("object Form1: TTestForm\n"
                                         "  object Memo1: TMemo\n"
                                         "    Left = 8\n    Top = 8\n"
                                         "    Lines.Strings = ('first' 'second')\n"
                                         "    ScrollBars = ssVertical\n"
                                         "    WordWrap = False\n"
                                         "  end\n"
                                         "  object List1: TListBox\n"
                                         "    Items.Strings = ('a' 'b')\n"
                                         "    MultiSelect = True\n"
                                         "  end\n"
                                         "  object Grid1: TStringGrid\n"
                                         "    ColCount = 3\n"
                                         "    FixedCols = 0\n"
                                         "    Options = [goVertLine, goEditing]\n"
                                         "  end\n"
                                         "end\n"));
    auto* memo = form.findChild<TMemo*>(QStringLiteral("Memo1"));
    auto* list = form.findChild<TListBox*>(QStringLiteral("List1"));
    auto* grid = form.findChild<TStringGrid*>(QStringLiteral("Grid1"));
    ASSERT_TRUE(memo && list && grid);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("first\nsecond"));
    EXPECT_EQ(memo->ScrollBars(), ssVertical);
    EXPECT_FALSE(memo->WordWrap());
    EXPECT_EQ(list->count(), 2);
    EXPECT_TRUE(list->MultiSelect());
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->Options(), TGridOptions(goVertLine | goEditing));

    const QString written = WriteLayout(&form);
    QWidget again;
    again.setObjectName(QStringLiteral("Form1"));
    ReadLayoutInto(&again, written);
    EXPECT_EQ(WriteLayout(&again).toStdString(), written.toStdString());
}
