#include "skin/buttons/suicheckbox.h"
#include "skin/buttons/suiradiobutton.h"
#include "skin/controls/suicontrolsregistry.h"
#include "skin/controls/suiradiogroup.h"
#include "skin/frame/suiform.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/stdctrls.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

using namespace toolkit;

namespace {

QStringList Captions(const TsuiCheckGroup& group)
{
    QStringList captions;
    for (int i = 0; i < group.ItemCount(); ++i)
        captions << group.ItemButton(i)->Caption();
    return captions;
}

QPoint PlaceOf(const TsuiCheckGroup& group, int i)
{
    return group.ItemPlaces().at(i).toQPoint();
}

void DeleteLeftovers()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(TsuiCheckGroup, NewGroupsTakeTheFrameStyleAndTheirOwnCaptions)
{
    QWidget form;
    auto* frame = new TsuiForm(&form, &form);
    frame->SetUIStyle(TsuiUIStyle::MacOS);
    TsuiCheckGroup checks(&form, &form);
    EXPECT_EQ(checks.Caption(), QStringLiteral("suiCheckGroup"));
    EXPECT_EQ(checks.Columns(), 1);
    EXPECT_EQ(checks.TopMargin(), 8);
    EXPECT_EQ(checks.UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_FALSE(checks.Transparent());
    EXPECT_TRUE(checks.ParentColor());
    EXPECT_EQ(checks.BorderColor(), RGBColor(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(checks.ItemCount(), 0);
    EXPECT_EQ(TsuiRadioGroup(&form, &form).Caption(), QStringLiteral("suiRadioGroup"));

    // Items come in the group's style and transparency, sized to their caption.
    checks.SetItems({QStringLiteral("One"), QStringLiteral("A longer line")});
    ASSERT_EQ(checks.ItemCount(), 2);
    TsuiCheckBox* first = checks.ItemButton(0);
    EXPECT_EQ(first->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_FALSE(first->Transparent());
    EXPECT_TRUE(first->AutoSize());
    EXPECT_LT(first->width(), checks.ItemButton(1)->width());

    // A new style restyles the group and every item; Transparent reaches them too.
    checks.SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(first->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(checks.BorderColor(), GetThemeColor(TsuiUIStyle::WinXP, teControlBorderColor));
    checks.SetTransparent(true);
    EXPECT_TRUE(first->Transparent());
    EXPECT_TRUE(checks.ItemButton(1)->Transparent());

    // A style pushed onto the form reaches the group as its UIStyle.
    ContainerApplyUIStyle(&form, TsuiUIStyle::Protein);
    EXPECT_EQ(checks.UIStyle(), TsuiUIStyle::Protein);
    EXPECT_EQ(first->UIStyle(), TsuiUIStyle::Protein);
}

// The default 185 x 105 box with an 11-pixel font: the content area starts
// 11 + 8 = 19 down and ends at 103, so 84 pixels for the rows.
TEST(TsuiCheckGroup, ItemsFillTheColumnsTopToBottom)
{
    TsuiCheckGroup group(nullptr);
    ASSERT_EQ(group.size(), QSize(185, 105));
    group.show(); // resizes reach a hidden widget only when it is shown
    group.SetColumns(2);
    group.SetItems({"a", "b", "c", "d", "e"});
    // Three rows of 84 / 3 = 28; columns (185 - 10) / 2 = 87 wide, 8 in.
    const std::vector<QPoint> expected{{8, 19}, {8, 47}, {8, 75}, {95, 19}, {95, 47}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(PlaceOf(group, i), expected[i]) << "item " << i;
        EXPECT_EQ(group.ItemButton(i)->pos(), expected[i]) << "item " << i;
    }

    // Resizing arranges again; rows share the spare pixels above and below.
    group.SetHeight(107); // 86 pixels: rows of 28, the 2 left over split 1 / 1
    EXPECT_EQ(group.ItemButton(0)->pos(), QPoint(8, 20));
    EXPECT_EQ(group.ItemButton(4)->pos(), QPoint(95, 48));

    // Columns 0 counts as one column; negative values are ignored.
    group.SetColumns(0);
    EXPECT_EQ(group.Columns(), 0);
    EXPECT_EQ(group.ItemButton(4)->pos(), QPoint(8, 19 + 4 * 17)); // five rows of 86 / 5
    group.SetColumns(-2);
    EXPECT_EQ(group.Columns(), 0);
    group.SetTopMargin(-1);
    EXPECT_EQ(group.TopMargin(), 8);
    group.SetTopMargin(0);
    EXPECT_EQ(group.ItemButton(0)->y(), 11 + 2); // 94 pixels: 4 left over

    // A larger caption font moves the content area down with it.
    group.SetTopMargin(8);
    group.Font()->SetHeight(-20);
    EXPECT_EQ(group.ItemButton(0)->y(), 20 + 8 + 1); // 77 pixels: 2 left over

    // No items, no division: nothing to place.
    group.SetItems({});
    EXPECT_TRUE(group.ItemPlaces().empty());
}

TEST(TsuiCheckGroup, ChangingItemsKeepsOneButtonPerLine)
{
    TsuiCheckGroup group(nullptr);
    group.SetItems({"a", "b", "c", "d", "e"});
    QPointer<TsuiCheckBox> first = group.ItemButton(0);
    QPointer<TsuiCheckBox> fourth = group.ItemButton(3);
    group.SetChecked(0, true);

    group.SetItems({"x", "y", "z"});
    EXPECT_EQ(Captions(group), QStringList({"x", "y", "z"}));
    EXPECT_EQ(group.ItemButton(0), first.data()) << "kept buttons are renamed, not made again";
    EXPECT_TRUE(group.Checked(0));
    DeleteLeftovers();
    EXPECT_TRUE(fourth.isNull());
    EXPECT_EQ(group.findChildren<TsuiCheckBox*>().size(), 3);

    group.Items()->Add(QStringLiteral("w"));
    EXPECT_EQ(Captions(group), QStringList({"x", "y", "z", "w"}));
    group.Items()->SetStrings(1, QStringLiteral("renamed"));
    EXPECT_EQ(group.ItemButton(1)->Caption(), QStringLiteral("renamed"));
}

TEST(TsuiCheckGroup, CheckedByIndex)
{
    TsuiCheckGroup group(nullptr);
    group.SetItems({"a", "b", "c"});
    group.SetChecked(2, true);
    EXPECT_TRUE(group.Checked(2));
    EXPECT_TRUE(group.ItemButton(2)->Checked());
    EXPECT_FALSE(group.Checked(1));
    EXPECT_FALSE(group.Checked(5));
    EXPECT_FALSE(group.Checked(-1));
    EXPECT_THROW(group.SetChecked(3, true), std::out_of_range);
    EXPECT_THROW(group.SetChecked(-1, false), std::out_of_range);
    // Check boxes are independent of each other.
    group.SetChecked(0, true);
    EXPECT_TRUE(group.Checked(2));
}

TEST(TsuiRadioGroup, ItemIndexChecksOneItemOrNone)
{
    TsuiRadioGroup group(nullptr);
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(0); // no items: ignored
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItems({"a", "b", "c"});
    group.SetItemIndex(0);
    group.SetItemIndex(2);
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_FALSE(group.Checked(0));
    EXPECT_FALSE(group.Checked(1));
    EXPECT_TRUE(group.Checked(2));

    group.SetItemIndex(3);
    EXPECT_EQ(group.ItemIndex(), 2);
    group.SetItemIndex(-2);
    EXPECT_EQ(group.ItemIndex(), 2);
    group.SetItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), -1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(group.Checked(i));
}

// A form whose handler sees what the group looks like when it runs.
class GroupForm : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    Q_INVOKABLE void GroupClick(QObject* Sender)
    {
        senders << Sender;
        auto* group = qobject_cast<TsuiRadioGroup*>(Sender);
        indexes << (group ? group->ItemIndex() : -2);
        if (group && changeItems) group->SetItems({"only"});
    }
    QList<QObject*> senders;
    QList<int> indexes;
    bool changeItems = false;
};

TEST(TsuiRadioGroup, ReadFromALayoutClickedAndWrittenBackWithoutItsButtons)
{
    RegisterClass<GroupForm>(QStringLiteral("TGroupForm"));
    RegisterSuiControls();
    RegisterStandardControls();
    const QString text = QStringLiteral(R"(object Form1: TGroupForm
  object Panel1: TPanel
    Width = 300
    Height = 200
    object suiRadioGroup1: TsuiRadioGroup
      Left = 10
      Top = 10
      Caption = 'Speed'
      Color = clWhite
      Items = (
        'Slow'
        'Medium'
        'Fast')
      Columns = 2
      ItemIndex = 1
      OnClick = GroupClick
    end
  end
end
)");
    std::unique_ptr<QObject> root(ReadLayout(text));
    auto* form = qobject_cast<GroupForm*>(root.get());
    auto* group = form->findChild<TsuiRadioGroup*>(QStringLiteral("suiRadioGroup1"));
    ASSERT_TRUE(group);
    EXPECT_EQ(Captions(*group), QStringList({"Slow", "Medium", "Fast"}));
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(group->ItemButton(2)->pos(), PlaceOf(*group, 2));

    const QString written = WriteLayout(root.get());
    EXPECT_FALSE(written.contains(QStringLiteral("TsuiRadioButton"))) << written.toStdString();
    EXPECT_TRUE(written.contains(QStringLiteral("ItemIndex = 1"))) << written.toStdString();
    std::unique_ptr<QObject> again(ReadLayout(written));
    auto* reread = again->findChild<TsuiRadioGroup*>();
    EXPECT_EQ(reread->findChildren<TsuiCheckBox*>().size(), 3);
    EXPECT_EQ(reread->ItemIndex(), 1);
    EXPECT_EQ(WriteLayout(again.get()), written);

    // The group's handler runs after the item changed, with the group as sender.
    form->resize(300, 200);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    QTest::mouseClick(group->ItemButton(2), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(form->senders, QList<QObject*>{group});
    EXPECT_EQ(form->indexes, QList<int>{2});
    // So does a click on the group's own free area.
    QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(group->width() - 5, group->height() - 5));
    EXPECT_EQ(form->indexes, QList<int>({2, 2}));

    // A handler may replace the items, the clicked button included.
    form->changeItems = true;
    QPointer<TsuiCheckBox> clicked = group->ItemButton(1);
    QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(form->indexes.last(), 1);
    EXPECT_EQ(Captions(*group), QStringList({"only"}));
    DeleteLeftovers();
    EXPECT_TRUE(clicked.isNull());
}

} // namespace

#include "test_suiradiogroup.moc"
