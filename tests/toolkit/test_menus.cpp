#include "toolkit/canvas.h"
#include "toolkit/imagelist.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/menus.h"
#include "toolkit/panel.h"
#include "toolkit/stdctrls.h"
#include "toolkit/toolbar.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace toolkit;

namespace {

TMenuItem* AddItem(TMenuNode* node, const QString& caption)
{
    auto* item = new TMenuItem(node);
    item->SetCaption(caption);
    return item;
}

QStringList Texts(const QMenu* popup)
{
    QStringList texts;
    for (const QAction* action : popup->actions()) texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

// Every item the same size; the frame two pixels wide.
class FixedDrawer : public TMenuDrawer {
public:
    void MeasureItem(TMenuItem* item, TCanvas&, int& width, int& height) override
    {
        width = 100;
        height = item->IsLine() ? 5 : 21;
    }
    void DrawItem(TMenuItem* item, TCanvas& canvas, const TRect& rect, bool selected) override
    {
        canvas.Brush.Color = selected ? clBlue : clWhite;
        canvas.FillRect(rect);
        drawn << item->Caption();
    }
    int PopupFrameWidth() const override { return 2; }
    void DrawPopupFrame(TCanvas& canvas, const TRect& rect) override
    {
        canvas.Brush.Color = clRed;
        canvas.FrameRect(rect);
    }
    QStringList drawn;
};

TEST(Menus, ShortCutsInTheClassicEncoding)
{
    EXPECT_EQ(ShortCutToText(scCtrl | 'O'), QStringLiteral("Ctrl+O"));
    EXPECT_EQ(scCtrl | 'O', 16463);
    EXPECT_EQ(ShortCutToText(scShift | 0x74), QStringLiteral("Shift+F5"));
    EXPECT_EQ(ShortCutToText(0x2E), QStringLiteral("Del"));
    EXPECT_EQ(ShortCutToText(0), QString());
    EXPECT_EQ(ShortCutToText(0xFF), QString()); // no such key
    for (const int shortCut : {scCtrl | 'O', scShift | scAlt | 0x74, 0x2E, scCtrl | '5'})
        EXPECT_EQ(TextToShortCut(ShortCutToText(shortCut)), shortCut);
}

TEST(Menus, StoredWithNestedItemsAndImages)
{
    RegisterStandardControls();
    const QString layout = QStringLiteral(R"(object Form1: TPanel
  Left = 0
  Top = 0
  Width = 200
  Height = 100
  object ImageList1: TImageList
    Height = 4
    Width = 4
    Bitmap = {%1}
  end
  object MainMenu1: TMainMenu
    Images = ImageList1
    object File1: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Caption = '&Open'
        ImageIndex = 1
        ShortCut = 16463
      end
      object N1: TMenuItem
        Caption = '-'
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
      Checked = True
      Visible = False
    end
  end
end
)");
    TImageList source(4, 4);
    TBitmap strip(8, 4);
    strip.Canvas().Brush.Color = clRed;
    strip.Canvas().FillRect(Rect(4, 0, 8, 4));
    source.Add(strip);
    const QString text = layout.arg(QString::fromLatin1(source.SaveToData().toHex().toUpper()));
    std::unique_ptr<QObject> root(ReadLayout(text));
    auto* menu = root->findChild<TMainMenu*>(QStringLiteral("MainMenu1"));
    ASSERT_TRUE(menu);
    ASSERT_TRUE(menu->Images());
    EXPECT_EQ(menu->Images()->Count(), 2);
    EXPECT_EQ(menu->Images()->Image(1).pixel(0, 0), qRgb(0xFF, 0, 0));
    ASSERT_EQ(menu->Count(), 2);
    TMenuItem* file = menu->Item(0);
    EXPECT_EQ(file->Menu(), menu);
    EXPECT_EQ(file->Item(0)->ShortCut(), scCtrl | 'O');
    EXPECT_TRUE(file->Item(1)->IsLine());
    EXPECT_FALSE(menu->Item(1)->Visible());

    // What reads writes back the same.
    const QString written = WriteLayout(root.get());
    std::unique_ptr<QObject> again(ReadLayout(written));
    EXPECT_EQ(WriteLayout(again.get()), written);
    EXPECT_TRUE(written.contains(QStringLiteral("Images = ImageList1")));
}

TEST(Menus, PopupsFollowTheItemTree)
{
    TMainMenu menu;
    TMenuItem* file = AddItem(&menu, QStringLiteral("&File"));
    TMenuItem* open = AddItem(file, QStringLiteral("&Open"));
    open->SetShortCut(scCtrl | 'O');
    AddItem(file, QStringLiteral("-"));
    TMenuItem* exit = AddItem(file, QStringLiteral("E&xit"));
    QMenu* popup = file->Popup();
    EXPECT_EQ(Texts(popup), (QStringList{"&Open\tCtrl+O", "-", "E&xit"}));

    // Inserted, hidden and renamed items show as they are the next time.
    TMenuItem* save = new TMenuItem;
    save->SetCaption(QStringLiteral("&Save"));
    file->Insert(1, save);
    exit->SetVisible(false);
    open->SetCaption(QStringLiteral("&Open..."));
    EXPECT_EQ(file->IndexOf(save), 1);
    emit popup->aboutToShow();
    EXPECT_EQ(Texts(popup), (QStringList{"&Open...\tCtrl+O", "&Save", "-"}));

    // A sub-menu hangs from its item's action; a click reaches the item.
    AddItem(save, QStringLiteral("&As..."));
    EXPECT_EQ(save->MenuAction()->menu(), save->Popup());
    int clicks = 0;
    QObject::connect(open, &TMenuItem::OnClick, [&] { ++clicks; });
    open->MenuAction()->trigger();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(open->MenuAction()->isChecked());

    // A shortcut of a disabled item, or under a disabled parent, is not one.
    EXPECT_EQ(menu.FindShortCut(QKeySequence(QStringLiteral("Ctrl+O"))), open);
    file->SetEnabled(false);
    EXPECT_FALSE(menu.FindShortCut(QKeySequence(QStringLiteral("Ctrl+O"))));
}

TEST(Menus, OwnerDrawnPopupsAskTheirDrawer)
{
    TPopupMenu menu;
    FixedDrawer drawer;
    menu.SetDrawer(&drawer);
    TMenuItem* cut = AddItem(&menu, QStringLiteral("Cu&t"));
    cut->SetShortCut(scCtrl | 'X');
    AddItem(&menu, QStringLiteral("-"));
    AddItem(&menu, QStringLiteral("&Paste"));
    menu.PopupAt(QPoint(10, 10));
    QMenu* popup = menu.Popup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    // The drawer draws the shortcut itself: the text is the caption alone.
    EXPECT_EQ(cut->MenuAction()->text(), QStringLiteral("Cu&t"));
    EXPECT_EQ(popup->actionGeometry(popup->actions()[0]), QRect(2, 2, 100, 21));
    EXPECT_EQ(popup->actionGeometry(popup->actions()[1]), QRect(2, 23, 100, 5));
    EXPECT_EQ(popup->size(), QSize(104, 21 + 5 + 21 + 4));
    popup->setActiveAction(popup->actions()[2]);
    const QImage image = popup->grab().toImage();
    EXPECT_EQ(image.pixel(0, 0), qRgb(0xFF, 0, 0));
    EXPECT_EQ(image.pixel(50, 10), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(image.pixel(50, 40), qRgb(0, 0, 0xFF));
    EXPECT_TRUE(drawer.drawn.contains(QStringLiteral("&Paste")));
    popup->hide();
}

TEST(ToolBar, ArrangesButtonsInRowsAndDropsMenus)
{
    QWidget form;
    auto* bar = new TToolBar(&form, &form);
    bar->SetShowCaptions(true);
    bar->setGeometry(0, 0, 60, 50);
    QList<TToolButton*> buttons;
    for (const char* caption : {"A", "Longer caption", "B"}) {
        auto* button = new TToolButton(bar);
        button->SetCaption(QString::fromLatin1(caption));
        buttons << button;
    }
    bar->ArrangeButtons();
    // Buttons share the widest natural width; a full row wraps.
    const int shared = bar->ContentWidth(buttons[1]);
    EXPECT_EQ(buttons[0]->geometry(), QRect(0, 0, shared, 22));
    EXPECT_EQ(buttons[1]->geometry(), QRect(0, 22, shared, 22));
    buttons[0]->SetAutoSize(true);
    EXPECT_EQ(buttons[0]->width(), bar->ContentWidth(buttons[0]));

    // A button linked to an item without sub-items clicks it; with some, it
    // drops them and shows selected while they are open.
    TMainMenu menu(&form);
    TMenuItem* item = AddItem(&menu, QStringLiteral("&Go"));
    int clicks = 0;
    QObject::connect(item, &TMenuItem::OnClick, [&] { ++clicks; });
    buttons[2]->SetMenuItem(item);
    buttons[2]->click();
    EXPECT_EQ(clicks, 1);
    AddItem(item, QStringLiteral("Sub"));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mousePress(buttons[2], Qt::LeftButton);
    EXPECT_TRUE(item->Popup()->isVisible());
    EXPECT_TRUE(buttons[2]->DrawState() & cdsSelected);
    // Moving onto another menu's button while one is open opens that one.
    TMenuItem* other = AddItem(&menu, QStringLiteral("&More"));
    AddItem(other, QStringLiteral("Sub"));
    buttons[0]->SetMenuItem(other);
    const QPoint over = buttons[0]->mapToGlobal(QPoint(3, 3));
    QMouseEvent move(QEvent::MouseMove, item->Popup()->mapFromGlobal(over), over, Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(item->Popup(), &move);
    EXPECT_FALSE(item->Popup()->isVisible());
    EXPECT_TRUE(other->Popup()->isVisible());
    EXPECT_FALSE(buttons[2]->DrawState() & cdsSelected);
    other->Popup()->hide();
    EXPECT_EQ(clicks, 1);
}

} // namespace
