#include "toolkit/combobox.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/stdctrls.h"

#include <QAbstractItemView>
#include <QAccessibleInterface>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

class ComboHost : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

struct Box {
    QWidget form;
    TComboBox* box = new TComboBox(&form, &form);
    explicit Box(TComboBoxStyle style)
    {
        box->SetStyle(style);
        box->setGeometry(0, 0, 120, box->height());
        for (const char* text : {"One", "Two", "Three"})
            box->Items()->Add(QString::fromLatin1(text));
    }
};

int FontHeight(const TCustomComboBox& box)
{
    return QFontMetrics(box.font()).height();
}

} // namespace

TEST(ComboBox, ItemsReachQtsModelWithoutSelectingAnything)
{
    Box b(csDropDownList);
    TComboBox& box = *b.box;
    box.Items()->SetObjects(1, 42);
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.Text(), QString());
    EXPECT_EQ(box.itemData(1).value<TStringObject>(), 42u);

    box.SetText(QStringLiteral("tWO")); // a drop-down list selects by text, any case
    EXPECT_EQ(box.ItemIndex(), 1);
    EXPECT_EQ(box.Text(), QStringLiteral("Two"));
    box.Items()->Insert(0, QStringLiteral("Zero"));
    EXPECT_EQ(box.ItemIndex(), 2); // the selection moves with its item
    box.SetItemIndex(7);
    EXPECT_EQ(box.ItemIndex(), -1);

    box.SetSorted(true);
    EXPECT_EQ(box.itemText(0), QStringLiteral("One"));
    EXPECT_EQ(box.itemText(3), QStringLiteral("Zero"));
    box.Items()->Clear();
    EXPECT_EQ(box.count(), 0);
}

TEST(ComboBox, GeometryFollowsFontItemHeightAndStyle)
{
    Box list(csDropDownList);
    EXPECT_EQ(list.box->height(), FontHeight(*list.box) + 2 + 6);
    EXPECT_EQ(list.box->ButtonRect(), Rect(120 - 2 - 16, 2, 118, list.box->height() - 2));
    EXPECT_EQ(list.box->FieldRect(), Rect(3, 3, 101, list.box->height() - 3));
    list.box->SetHeight(50); // ignored: the font decides
    EXPECT_EQ(list.box->height(), FontHeight(*list.box) + 8);

    Box owner(csOwnerDrawFixed);
    owner.box->SetItemHeight(20);
    EXPECT_EQ(owner.box->height(), 26);
    EXPECT_EQ(owner.box->ItemHeight(), 20);

    // The edit of an editable box sits in the field, clear of the button;
    // a simple box has no button and its field runs to the edge.
    Box edit(csDropDown);
    edit.form.show();
    ASSERT_TRUE(edit.box->lineEdit());
    EXPECT_EQ(edit.box->lineEdit()->geometry(), edit.box->FieldRect().toQRect());
    edit.box->SetStyle(csSimple);
    EXPECT_TRUE(edit.box->ButtonRect().IsEmpty());
    EXPECT_EQ(edit.box->FieldRect().Right, 120 - 3);
    EXPECT_EQ(edit.box->lineEdit()->geometry(), edit.box->FieldRect().toQRect());
    edit.box->SetStyle(csDropDownList);
    EXPECT_FALSE(edit.box->lineEdit());
}

TEST(ComboBox, UserPicksClickThenChangeAndTheListReportsItsClosing)
{
    Box b(csDropDownList);
    TComboBox& box = *b.box;
    QStringList events;
    QObject::connect(&box, &TCustomComboBox::OnClick, [&] { events << "click " + box.Text(); });
    QObject::connect(&box, &TCustomComboBox::OnChange, [&] { events << "change " + box.Text(); });
    QObject::connect(&box, &TCustomComboBox::OnDropDown, [&] { events << "drop"; });
    QObject::connect(&box, &TCustomComboBox::OnCloseUp, [&] { events << "close"; });
    box.SetItemIndex(0); // the program's choice raises nothing
    EXPECT_TRUE(events.isEmpty());

    b.form.show();
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(events, QStringList({"click Two", "change Two"}));

    events.clear();
    box.showPopup();
    EXPECT_TRUE(box.DroppedDown());
    QTest::keyClick(box.view(), Qt::Key_Escape);
    EXPECT_EQ(events, QStringList({"drop", "close"}));

    // Typing into an editable box is a change; picking programmatically is not.
    box.SetStyle(csDropDown);
    events.clear();
    QTest::keyClicks(box.lineEdit(), QStringLiteral("x"));
    EXPECT_EQ(events, QStringList({"change Twox"}));
}

TEST(ComboBox, OwnerDrawnItemsAreDrawnAndMeasuredByTheirHandlers)
{
    Box b(csOwnerDrawVariable);
    TComboBox& box = *b.box;
    QList<QPair<int, uint>> drawn;
    QObject::connect(&box, &TCustomComboBox::OnDrawItem,
                     [&](TCanvas* canvas, int index, TRect rect, uint state) {
                         drawn.append({index, state});
                         canvas->Brush.Color = clRed;
                         canvas->FillRect(rect);
                     });
    QObject::connect(&box, &TCustomComboBox::OnMeasureItem, [](int index, int* height) { *height = 10 + 5 * index; });
    box.SetItemIndex(2);
    const QImage field = box.RenderToImage();
    ASSERT_EQ(drawn.size(), 1);
    EXPECT_EQ(drawn[0], qMakePair(2, uint(odComboBoxEdit)));
    const TRect f = box.FieldRect();
    EXPECT_EQ(field.pixel(f.Left, f.Top), qRgb(255, 0, 0));
    EXPECT_EQ(field.pixel(f.Right - 1, f.Bottom - 1), qRgb(255, 0, 0));
    EXPECT_NE(field.pixel(f.Right, f.Top), qRgb(255, 0, 0));

    EXPECT_EQ(box.view()->sizeHintForRow(0), 10);
    EXPECT_EQ(box.view()->sizeHintForRow(2), 20);
}

TEST(ComboBox, ScreenReadersSeeAComboBoxWithItsTextAndItems)
{
    Box b(csOwnerDrawFixed);
    b.box->SetItemIndex(1);
    b.form.show();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(b.box);
    ASSERT_TRUE(accessible);
    EXPECT_EQ(accessible->role(), QAccessible::ComboBox);
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("Two"));
    QAccessibleInterface* list = accessible->child(0);
    ASSERT_TRUE(list);
    QStringList items;
    for (int i = 0; i < list->childCount(); ++i)
        if (list->child(i)->role() == QAccessible::ListItem) items << list->child(i)->text(QAccessible::Name);
    EXPECT_EQ(items, QStringList({"One", "Two", "Three"}));
}

TEST(ComboBox, ItemsAndSelectionAreStoredInLayouts)
{
    RegisterStandardControls();
    RegisterClass<ComboHost>(QStringLiteral("ComboHost"));
    ComboHost host;
    ReadLayoutInto(&host, QStringLiteral("object Host: ComboHost\n"
                                         "  object Choice: TComboBox\n"
                                         "    Left = 8\n    Width = 90\n    Style = csDropDownList\n"
                                         "    Items.Strings = (\n      'Red'\n      'Green')\n"
                                         "    ItemIndex = 1\n"
                                         "  end\n"
                                         "end\n"));
    auto* box = host.findChild<TComboBox*>(QStringLiteral("Choice"));
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Text(), QStringLiteral("Green"));
    EXPECT_EQ(box->geometry().topLeft(), QPoint(8, 0));
    const QString written = WriteLayout(&host);
    EXPECT_TRUE(written.contains(QStringLiteral("Items.Strings = (\n      'Red'\n      'Green')"))) << written.toStdString();
    EXPECT_TRUE(written.contains(QStringLiteral("ItemIndex = 1")));
}

TEST(ComboBox, CharCaseCasesTheFieldTheListAndWhatIsTyped)
{
    QWidget window;
    auto* box = new TComboBox(&window, &window);
    box->Items()->Add(QStringLiteral("Alpha"));
    box->SetCharCase(ecUpperCase);
    EXPECT_EQ(box->itemText(0), "ALPHA");
    EXPECT_EQ(box->Items()->Strings(0), "Alpha");
    window.show();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("aB"));
    EXPECT_EQ(box->Text(), "AB");
    box->SetCharCase(ecLowerCase);
    EXPECT_EQ(box->Text(), "ab");
    EXPECT_EQ(box->itemText(0), "alpha");
}

#include "test_combobox.moc"
