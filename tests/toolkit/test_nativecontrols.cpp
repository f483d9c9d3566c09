#include "toolkit/edits.h"
#include "toolkit/grids.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"

#include <QApplication>
#include <QBuffer>
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

namespace {

// A shown list box of owner-drawn items a0, a1, ...
TListBox* OwnerDrawnList(QWidget& window, TListBoxStyle style, int items)
{
    auto* list = new TListBox(&window, &window);
    list->SetStyle(style);
    list->SetItemHeight(20);
    for (int i = 0; i < items; ++i) list->Items()->Add(QStringLiteral("a%1").arg(i));
    list->resize(120, 100);
    window.show();
    return list;
}

} // namespace

// The handler draws each item in view at its rectangle, told its state;
// what it draws is what shows.
TEST(TListBox, OwnerDrawnItemsAreDrawnByTheHandlerAtTheirRectangles)
{
    QWidget window;
    TListBox* list = OwnerDrawnList(window, lbOwnerDrawFixed, 10);
    list->SetItemIndex(2);
    QList<QPair<int, TRect>> drawn;
    QList<uint> states;
    QObject::connect(list, &TCustomListBox::OnDrawItem, [&](TCanvas* canvas, int index, TRect rect, uint state) {
        drawn.append({index, rect});
        states.append(state);
        canvas->Brush.Color = index == 1 ? clRed : clBlue;
        canvas->FillRect(rect);
    });
    const QImage shown = list->viewport()->grab().toImage();
    const int width = list->viewport()->width();
    ASSERT_GE(drawn.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(drawn[i].first, i);
        EXPECT_EQ(drawn[i].second, Rect(0, 20 * i, width, 20 * (i + 1)));
    }
    EXPECT_TRUE(states[2] & odSelected);
    EXPECT_FALSE(states[1] & odSelected);
    EXPECT_EQ(shown.pixelColor(10, 30), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(10, 10), QColor(Qt::blue));
    EXPECT_LE(drawn.size(), 6) << "only the items in view are drawn";

    // Variable heights come from OnMeasureItem, item by item.
    QWidget other;
    TListBox* variable = OwnerDrawnList(other, lbOwnerDrawVariable, 4);
    QObject::connect(variable, &TCustomListBox::OnMeasureItem, [](int index, int* height) { *height = 10 + 5 * index; });
    variable->doItemsLayout();
    EXPECT_EQ(variable->ItemRect(0), Rect(0, 0, variable->viewport()->width(), 10));
    EXPECT_EQ(variable->ItemRect(3).Top, 10 + 15 + 20);
    EXPECT_EQ(variable->ItemRect(3).Height(), 25);
}

TEST(TListBox, IntegralHeightColumnsAndSelection)
{
    QWidget window;
    TListBox* list = OwnerDrawnList(window, lbOwnerDrawFixed, 12);
    list->resize(120, 95);
    EXPECT_EQ(list->height(), 95) << "partial items show until IntegralHeight is on";
    list->SetIntegralHeight(true);
    const int frame = 2 * list->frameWidth();
    EXPECT_EQ(list->height(), frame + 4 * 20);
    list->resize(120, 150);
    EXPECT_EQ(list->height(), frame + 7 * 20);
    list->SetItemHeight(25);
    EXPECT_EQ(list->height(), frame + 5 * 25);

    // Two columns, each half the client width, filled downwards.
    list->SetIntegralHeight(false);
    list->resize(200, 100 + frame);
    list->SetColumns(2);
    const int half = list->viewport()->width() / 2;
    int perColumn = 1;
    while (list->ItemRect(perColumn).Left == 0) ++perColumn;
    EXPECT_GE(perColumn, 3);
    EXPECT_LE(perColumn * 25, list->viewport()->height());
    EXPECT_EQ(list->ItemRect(1), Rect(0, 25, half, 50));
    EXPECT_EQ(list->ItemRect(perColumn), Rect(half, 0, 2 * half, 25));
    list->resize(300, 100 + frame);
    EXPECT_EQ(list->ItemRect(perColumn).Left, list->viewport()->width() / 2) << "columns follow the width";

    // Extended selection takes shift and ctrl; without it a click toggles.
    list->SetColumns(0);
    list->SetMultiSelect(true);
    const auto click = [&](int index, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, list->ItemRect(index).toQRect().center());
    };
    click(0);
    click(2);
    EXPECT_FALSE(list->Selected(0));
    click(0, Qt::ControlModifier);
    EXPECT_TRUE(list->Selected(0) && list->Selected(2));
    click(4, Qt::ShiftModifier);
    EXPECT_TRUE(list->Selected(3));
    list->SetExtendedSelect(false);
    list->clearSelection();
    click(0);
    click(2);
    EXPECT_TRUE(list->Selected(0) && list->Selected(2));
    click(0);
    EXPECT_FALSE(list->Selected(0));
}

// Text after a tab starts at the next stop, TabWidth dialog units apart.
TEST(TListBox, TabWidthPlacesTheTextAfterATab)
{
    QWidget window;
    auto* list = new TListBox(&window, &window);
    list->Items()->Add(QStringLiteral("\tW"));
    list->resize(300, 60);
    window.show();
    const auto inkStart = [&] {
        const QImage shown = list->viewport()->grab().toImage();
        const int row = list->ItemRect(0).Top + list->ItemRect(0).Height() / 2;
        for (int x = 0; x < shown.width(); ++x)
            if (qGray(shown.pixel(x, row)) < 128) return x;
        return -1;
    };
    list->SetTabWidth(20);
    const int near = inkStart();
    list->SetTabWidth(60);
    const int far = inkStart();
    ASSERT_GT(near, 0);
    EXPECT_NEAR(far - near, list->TabStopPixels() * 2 / 3, 2);
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
                                         "    ExtendedSelect = False\n"
                                         "    Style = lbOwnerDrawVariable\n"
                                         "    ItemHeight = 30\n"
                                         "    Columns = 2\n"
                                         "    IntegralHeight = True\n"
                                         "    TabWidth = 12\n"
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
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::MultiSelection);
    EXPECT_EQ(list->Style(), lbOwnerDrawVariable);
    EXPECT_EQ(list->ItemHeight(), 30);
    EXPECT_EQ(list->Columns(), 2);
    EXPECT_TRUE(list->IntegralHeight());
    EXPECT_EQ(list->TabWidth(), 12);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->Options(), TGridOptions(goVertLine | goEditing));

    const QString written = WriteLayout(&form);
    QWidget again;
    again.setObjectName(QStringLiteral("Form1"));
    ReadLayoutInto(&again, written);
    EXPECT_EQ(WriteLayout(&again).toStdString(), written.toStdString());
}

namespace {

// Image list data of `count` 16 x 16 pictures.
QString ImageStrip(int count)
{
    QImage strip(16 * count, 16, QImage::Format_ARGB32);
    strip.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    strip.save(&buffer, "PNG");
    return QString::fromLatin1(png.toHex().toUpper());
}

const char* const ViewsLayout = R"(object Form1: TTestForm
  object Images1: TImageList
    Bitmap = {%1}
  end
  object View1: TListView
    Columns = (
      'Name'
      'Size')
    ViewStyle = vsReport
    SmallImages = Images1
    Items = <
      item
        Caption = 'notes.txt'
        SubItems = (
          '2 KB')
        ImageIndex = 0
        Checked = True
      end
      item
        Caption = 'song.ogg'
        SubItems = (
          '4 MB'
          'audio')
      end>
  end
  object Tree1: TTreeView
    Images = Images1
    Items = <
      item
        Text = 'Documents'
        Expanded = True
        Items = <
          item
            Text = 'Letters'
            ImageIndex = 1
            Items = <
              item
                Text = '2026'
              end>
          end>
      end
      item
        Text = 'Music'
        ImageIndex = 5
      end>
  end
end
)";

} // namespace

// Items with their texts, pictures, check marks and nesting are read, shown
// and written back as they were.
TEST(Views, ItemsRoundTripThroughLayouts)
{
    RegisterStandardControls();
    RegisterClass<QWidget>(QStringLiteral("TTestForm"));
    QWidget form;
    const QString layout = QString::fromLatin1(ViewsLayout).arg(ImageStrip(2));
    ReadLayoutInto(&form, layout);
    auto* view = form.findChild<TListView*>(QStringLiteral("View1"));
    auto* tree = form.findChild<TTreeView*>(QStringLiteral("Tree1"));
    ASSERT_TRUE(view && tree);
    ASSERT_EQ(view->topLevelItemCount(), 2);
    EXPECT_EQ(view->topLevelItem(0)->text(1), QStringLiteral("2 KB"));
    EXPECT_EQ(view->topLevelItem(0)->checkState(0), Qt::Checked);
    EXPECT_FALSE(view->topLevelItem(0)->icon(0).isNull());
    EXPECT_TRUE(view->topLevelItem(1)->icon(0).isNull());
    EXPECT_TRUE(view->topLevelItem(1)->data(0, Qt::CheckStateRole).isNull()) << "no check box unless checked";
    EXPECT_EQ(view->topLevelItem(1)->text(2), QStringLiteral("audio"));

    ASSERT_EQ(tree->topLevelItemCount(), 2);
    QTreeWidgetItem* documents = tree->topLevelItem(0);
    ASSERT_EQ(documents->childCount(), 1);
    EXPECT_TRUE(documents->isExpanded());
    EXPECT_EQ(documents->child(0)->text(0), QStringLiteral("Letters"));
    EXPECT_FALSE(documents->child(0)->icon(0).isNull());
    EXPECT_EQ(documents->child(0)->child(0)->text(0), QStringLiteral("2026"));
    EXPECT_TRUE(tree->topLevelItem(1)->icon(0).isNull()) << "an index beyond the images shows none";

    // Written as it was read (the image strip's line breaks aside).
    const QString written = WriteLayout(&form);
    const qsizetype from = layout.indexOf(QStringLiteral("  object View1"));
    EXPECT_EQ(written.mid(written.indexOf(QStringLiteral("  object View1"))).toStdString(), layout.mid(from).toStdString());

    // A handle outlives its item harmlessly; the items after it move up.
    TViewItem* first = view->Items()->Item(0);
    EXPECT_EQ(view->Items()->Item(0), first) << "one handle per item";
    delete view->topLevelItem(0);
    EXPECT_EQ(first->Item(), nullptr);
    qobject_cast<TListItem*>(first)->SetCaption(QStringLiteral("gone"));
    EXPECT_EQ(qobject_cast<TListItem*>(view->Items()->Item(0))->Caption(), QStringLiteral("song.ogg"));
    EXPECT_EQ(view->Items()->Count(), 1);

    // Bad items are errors at their place.
    for (const char* bad : {"Items = <\n item\n Colour = 1\n end>", "Items = <\n item\n Caption = 5\n end>",
                            "Items = ('a')", "Items = <\n item\n SubItems = 3\n end>"}) {
        QWidget broken;
        try {
            ReadLayoutInto(&broken, QStringLiteral("object Form1: TTestForm\n  object View1: TListView\n    %1\n  end\nend\n")
                                        .arg(QLatin1String(bad)));
            ADD_FAILURE() << bad;
        } catch (const ELayoutError& error) {
            EXPECT_GE(error.Line(), 3) << error.what();
        }
    }
}
