// The gallery window: its stored layout, its screenshots and switching its
// style at run time.
#include "gallery/galleryform.h"
#include "gallery/stockpage.h"
#include "skin/buttons/suibutton.h"
#include "skin/buttons/suicheckbox.h"
#include "skin/buttons/suiimagebutton.h"
#include "skin/buttons/suiprogressbar.h"
#include "skin/buttons/suiradiobutton.h"
#include "skin/controls/suichecklistbox.h"
#include "skin/controls/suicolorbox.h"
#include "skin/controls/suicombobox.h"
#include "skin/controls/suiedit.h"
#include "skin/controls/suifontcombobox.h"
#include "skin/controls/suigrid.h"
#include "skin/controls/suilistview.h"
#include "skin/controls/suiradiogroup.h"
#include "skin/controls/suitoolbar.h"
#include "skin/controls/suitreeview.h"
#include "skin/frame/suiform.h"
#include "skin/frame/suimainmenu.h"
#include "skin/frame/suititlebar.h"
#include "skin/scrolling/suilistbox.h"
#include "skin/scrolling/suimemo.h"
#include "skin/scrolling/suipagecontrol.h"
#include "skin/scrolling/suiscrollbar.h"
#include "skin/scrolling/suisidechannel.h"
#include "toolkit/canvas.h"
#include "toolkit/control.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/menus.h"
#include "toolkit/toolbar.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QImage>
#include <QMimeData>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>

namespace {

// The window is larger than the offscreen platform's default screen; before
// the shared main creates the application, the tests get a larger one
// unless another platform was asked for.
const bool roomyScreen = [] {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen") return false;
    ChooseOffscreenPlatform();
    return true;
}();

template <class T> T* Named(const QObject& form, const char* name)
{
    T* control = form.findChild<T*>(QLatin1String(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

TEST(Gallery, LayoutSurvivesAWriteReadWriteRoundTrip)
{
    TGalleryForm form;
    const QString written = toolkit::WriteLayout(&form);
    std::unique_ptr<QObject> copy(toolkit::ReadLayout(written));
    ASSERT_NE(qobject_cast<TGalleryForm*>(copy.get()), nullptr);
    EXPECT_EQ(toolkit::WriteLayout(copy.get()), written);

    // What a round trip could lose on the way: the glyph's pixels, the image
    // buttons' pictures, check states, the vertical bar's length.
    auto* open = Named<TsuiButton>(*copy, "btnOpen");
    EXPECT_EQ(open->Glyph()->Image(), Named<TsuiButton>(form, "btnOpen")->Glyph()->Image());
    EXPECT_FALSE(open->Glyph()->Empty());
    EXPECT_EQ(Named<TsuiImageButton>(*copy, "imgPlay")->PicNormal()->ResourceName(), "GALLERY_PLAY_NORMAL");
    // Checked and unchecked states, the choices among radio buttons included.
    for (const char* name : {"chkChecked", "radSelected", "styleMacOS"})
        EXPECT_TRUE(Named<TsuiCheckBox>(*copy, name)->Checked()) << name;
    for (const char* name : {"chkUnchecked", "radOther", "styleWinXP"})
        EXPECT_FALSE(Named<TsuiCheckBox>(*copy, name)->Checked()) << name;
    EXPECT_EQ(Named<TsuiRadioGroup>(*copy, "grpRadioGroup")->ItemIndex(), 1);
    auto* vertical = Named<TsuiProgressBar>(*copy, "barVertical");
    EXPECT_EQ(vertical->Orientation(), suiVertical);
    EXPECT_EQ(vertical->size(), Named<TsuiProgressBar>(form, "barVertical")->size());
    EXPECT_GT(vertical->height(), vertical->width());
    for (const char* name : {"trkVertical", "sbVertical"}) {
        const QWidget* upright = Named<QWidget>(*copy, name);
        EXPECT_EQ(upright->property("Orientation").value<TsuiProgressBarOrientation>(), suiVertical) << name;
        EXPECT_GT(upright->height(), upright->width()) << name;
    }

    // Choices the combo boxes make once their lists exist.
    EXPECT_EQ(Named<TsuiComboBox>(*copy, "cboPlain")->Text(), "First choice");
    EXPECT_EQ(Named<TsuiColorBox>(*copy, "cboColor")->Selected(), toolkit::TColor(0x800000)); // clNavy
    EXPECT_EQ(Named<TsuiFontComboBox>(*copy, "cboFont")->FontName(),
              Named<TsuiFontComboBox>(form, "cboFont")->FontName());
    // The pages in their stored order, the first in front, each with its own
    // controls; the side channel on the right edge, starting in.
    auto* pages = Named<TsuiPageControl>(*copy, "pgcPages");
    ASSERT_EQ(pages->PageCount(), 3);
    const QStringList order = {"pageButtons", "pageLevels", "pageColours"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pages->Pages(i)->objectName(), order[i]);
        EXPECT_FALSE(pages->Pages(i)->findChildren<QWidget*>().isEmpty()) << i;
    }
    EXPECT_EQ(pages->ActivePage(), pages->Pages(0));
    auto* channel = Named<TsuiSideChannel>(*copy, "sideChannel");
    EXPECT_EQ(channel->SideAlign(), TsuiSideChannelAlign::suiRight);
    EXPECT_FALSE(channel->IsOut());
    EXPECT_EQ(Named<QWidget>(*copy, "btnInChannel")->parentWidget(), channel);

    // The frame's menu by name, with its images, checks, shortcuts and
    // disabled items; the tool bar with the same images and its checked pair.
    auto* frame = qobject_cast<TGalleryForm*>(copy.get())->Frame();
    auto* menu = Named<TsuiMainMenu>(*copy, "mnuMain");
    ASSERT_EQ(frame->Menu(), menu);
    ASSERT_NE(frame->MenuBar(), nullptr);
    auto* images = Named<toolkit::TImageList>(*copy, "imlGallery");
    EXPECT_EQ(images->Count(), 4);
    EXPECT_EQ(images->Image(0), Named<toolkit::TImageList>(form, "imlGallery")->Image(0));
    EXPECT_EQ(menu->Images(), images);
    EXPECT_EQ(Named<toolkit::TMenuItem>(*copy, "mnuOpen")->ImageIndex(), 0);
    EXPECT_EQ(toolkit::ShortCutToKeySequence(Named<toolkit::TMenuItem>(*copy, "mnuOpen")->ShortCut()),
              QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_FALSE(Named<toolkit::TMenuItem>(*copy, "mnuSave")->Enabled());
    EXPECT_TRUE(Named<toolkit::TMenuItem>(*copy, "mnuStyleMacOS")->Checked());
    EXPECT_FALSE(Named<toolkit::TMenuItem>(*copy, "mnuStyleWinXP")->Checked());
    auto* bar = Named<TsuiToolBar>(*copy, "tbrGallery");
    EXPECT_EQ(bar->Images(), images);
    auto* left = Named<toolkit::TToolButton>(*copy, "tbtAlignLeft");
    EXPECT_TRUE(left->Down());
    EXPECT_TRUE(left->Grouped());
    EXPECT_FALSE(Named<toolkit::TToolButton>(*copy, "tbtAlignCentre")->Down());

    // The memo and the list box find their bars again by name; the text,
    // the items and the list view's report columns come back.
    auto* memo = Named<TsuiMemo>(*copy, "memNotes");
    EXPECT_EQ(memo->VScrollBar(), Named<TsuiScrollBar>(*copy, "sbMemoVertical"));
    EXPECT_EQ(memo->HScrollBar(), Named<TsuiScrollBar>(*copy, "sbMemoHorizontal"));
    EXPECT_EQ(memo->Lines()->Count(), Named<TsuiMemo>(form, "memNotes")->Lines()->Count());
    EXPECT_EQ(Named<TsuiListBox>(*copy, "lstFruit")->VScrollBar(), Named<TsuiScrollBar>(*copy, "sbList"));
    EXPECT_EQ(Named<TsuiEdit>(*copy, "edtName")->Text(), "A line to edit");
    auto* files = Named<TsuiListView>(*copy, "lvwFiles");
    EXPECT_EQ(files->ViewStyle(), toolkit::vsReport);
    EXPECT_EQ(files->Columns(), QStringList({"Name", "Size"}));
    EXPECT_EQ(files->topLevelItemCount(), 3);
    auto* folders = Named<TsuiTreeView>(*copy, "tvwFolders");
    ASSERT_GT(folders->topLevelItemCount(), 1);
    EXPECT_GT(folders->topLevelItem(0)->child(0)->childCount(), 0); // nested two deep
    EXPECT_TRUE(folders->topLevelItem(0)->isExpanded());
    auto* sheet = Named<TsuiStringGrid>(*copy, "grdSheet");
    EXPECT_EQ(sheet->FixedRows(), 1);
    EXPECT_EQ(sheet->FixedCols(), 1);
    EXPECT_GT(sheet->ColWidths(0), sheet->ColWidths(1)) << "the fruit names' column is the wider one";
}

// The controls filled in code once the layout is read: every family shows
// content, and the attached bars have something to scroll.
TEST(Gallery, TextListAndGridControlsShowContentWithScrollableBars)
{
    TGalleryForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QApplication::processEvents();

    for (const char* name : {"sbMemoVertical", "sbMemoHorizontal", "sbList"}) {
        auto* bar = Named<TsuiScrollBar>(form, name);
        EXPECT_TRUE(bar->isVisible()) << name;
        EXPECT_TRUE(bar->isEnabled()) << name;
        EXPECT_TRUE(bar->SliderVisible()) << name;
        EXPECT_GT(bar->Max(), 0) << name;
    }
    auto* sheet = Named<TsuiStringGrid>(form, "grdSheet");
    EXPECT_FALSE(sheet->Cells(1, 0).isEmpty());
    EXPECT_FALSE(sheet->Cells(0, 1).isEmpty());
    EXPECT_FALSE(sheet->Cells(1, 1).isEmpty());
    auto* folders = Named<TsuiTreeView>(form, "tvwFolders");
    ASSERT_GT(folders->topLevelItemCount(), 1);
    EXPECT_GT(folders->topLevelItem(0)->child(0)->childCount(), 0); // nested two deep
    EXPECT_GT(Named<TsuiListView>(form, "lvwFiles")->topLevelItemCount(), 0);
    auto* options = Named<TsuiCheckListBox>(form, "clbOptions");
    EXPECT_TRUE(options->Checked(0));
    EXPECT_FALSE(options->Checked(1));
}

TEST(Gallery, MenuAndToolBarFillTheBandUnderTheTitleBar)
{
    TGalleryForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const TsuiForm& frame = *form.Frame();
    for (TsuiUIStyle style : GalleryStyles) {
        form.ApplyStyle(style);
        QApplication::processEvents();
        const QRect title = frame.TitleBar()->geometry();
        const QRect menu = frame.MenuBar()->geometry();
        const QRect tools = Named<TsuiToolBar>(form, "tbrGallery")->geometry();
        EXPECT_EQ(menu.top(), title.bottom() + 1) << StyleName(style).toStdString();
        EXPECT_EQ(tools.top(), menu.bottom() + 1) << StyleName(style).toStdString();
        EXPECT_LT(tools.bottom(), Named<QWidget>(form, "grpStyle")->geometry().top()) << StyleName(style).toStdString();
        // One menu bar button per top-level item.
        EXPECT_EQ(frame.MenuBar()->Buttons().size(), 3);
    }
}

TEST(Gallery, ScreenshotsShowEveryStyleAtTheWindowsSize)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    TGalleryForm form;
    const QStringList files = WriteScreenshots(form, directory.filePath("shots"));
    // Each style's window, then its page of stock widgets.
    ASSERT_EQ(files.size(), 10);

    QSet<QByteArray> different, differentStock;
    for (std::size_t i = 0; i < GalleryStyles.size(); ++i) {
        const TsuiUIStyle style = GalleryStyles[i];
        const QString name = QStringLiteral("gallery-%1.png").arg(StyleName(style).toLower());
        EXPECT_EQ(QFileInfo(files[2 * i]).fileName(), name);
        const QImage shot(files[2 * i]);
        ASSERT_FALSE(shot.isNull()) << files[2 * i].toStdString();
        const QString stockName = QStringLiteral("gallery-stock-%1.png").arg(StyleName(style).toLower());
        EXPECT_EQ(QFileInfo(files[2 * i + 1]).fileName(), stockName);
        // The picture is the window at rest in that style: its size, no
        // focus mark, no hovered part.
        form.ApplyStyle(style);
        if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
        QApplication::processEvents();
        EXPECT_EQ(shot.size(), form.size()) << name.toStdString();
        EXPECT_EQ(shot.convertToFormat(QImage::Format_ARGB32), WindowPicture(form)) << name.toStdString();
        // The stock page followed the switch.
        EXPECT_EQ(form.StockPage()->Style(), style);
        const QImage stockShot(files[2 * i + 1]);
        EXPECT_EQ(stockShot.size(), form.StockPage()->size()) << stockName.toStdString();
        differentStock.insert(QByteArray(reinterpret_cast<const char*>(stockShot.constBits()), stockShot.sizeInBytes()));
        // Rounded styles leave their corners see-through.
        const bool rounded = GetThemeInt(style, teFormRoundCorner) > 0;
        EXPECT_EQ(qAlpha(shot.pixel(0, 0)), rounded ? 0 : 255) << name.toStdString();
        EXPECT_EQ(qAlpha(shot.pixel(shot.width() / 2, shot.height() / 2)), 255);
        different.insert(QByteArray(reinterpret_cast<const char*>(shot.constBits()), shot.sizeInBytes()));
    }
    EXPECT_EQ(different.size(), 5);
    EXPECT_EQ(differentStock.size(), 5);

    // No menu was dropped down.
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    // Nothing was hovered or pressed when the pictures were taken.
    for (const TsuiControl* control : form.findChildren<TsuiControl*>()) {
        EXPECT_FALSE(control->IsHovered()) << control->metaObject()->className();
        EXPECT_FALSE(control->IsPressed()) << control->metaObject()->className();
    }
}

TEST(Gallery, OpensLookingAsItsStoredStyleMakesIt)
{
    TGalleryForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto atRest = [&form] {
        if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
        QApplication::processEvents();
        return WindowPicture(form);
    };
    const QImage opened = atRest();
    form.ApplyStyle(form.Frame()->UIStyle());
    EXPECT_EQ(opened, atRest());
}

TsuiUIStyle StyleOf(const QObject& control)
{
    return control.property("UIStyle").value<TsuiUIStyle>();
}

// Every control carrying a style follows the frame's, wherever it sits: on
// the frame, in a group box, a tab control, a page (shown or not) or the side
// channel. Looks of their own (Custom) stay: the image buttons, a scroll
// bar's arrows and track, the side channel's grip.
void ExpectWholeWindowIn(const TGalleryForm& form, TsuiUIStyle style)
{
    int styled = 0;
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        if (!control->property("UIStyle").isValid() || StyleOf(*control) == TsuiUIStyle::Custom) continue;
        EXPECT_EQ(StyleOf(*control), style) << control->objectName().toStdString() << ' '
                                            << control->metaObject()->className();
        ++styled;
    }
    EXPECT_GT(styled, 40);
    // None of the families may have dropped out of that sweep as Custom.
    for (const char* name : {"cboPlain", "cboColor", "cboFont", "cboFontSize", "trkHorizontal", "trkVertical",
                             "sbHorizontal", "sbVertical", "tabControl", "chkOnTab", "pgcPages", "btnOnPage",
                             "trkOnPage", "cboOnPage", "chkInChannel", "radInChannel", "btnInChannel",
                             "sbMemoVertical", "sbMemoHorizontal", "sbList", "grdSheet"}) {
        const QWidget* control = Named<QWidget>(form, name);
        if (control) {
            EXPECT_EQ(StyleOf(*control), style) << name;
        }
    }
    // The flat-bordered controls carry no style, only its border colour.
    for (const char* name : {"edtName", "memNotes", "lstFruit", "clbOptions", "grdSheet", "tvwFolders", "lvwFiles"}) {
        const QWidget* control = Named<QWidget>(form, name);
        if (control) {
            EXPECT_EQ(control->property("BorderColor").value<quint32>(), GetThemeColor(style, teControlBorderColor))
                << name;
        }
    }
    // The side channel has no style of its own, only the style's colours.
    auto* channel = Named<TsuiSideChannel>(form, "sideChannel");
    EXPECT_EQ(channel->Color(), GetThemeColor(style, teControlColor));
    EXPECT_EQ(channel->SideBarColor(), GetThemeColor(style, teControlColor));
}

TEST(Gallery, StyleChoicesRestyleTheWholeWindow)
{
    TGalleryForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TsuiForm& frame = *form.Frame();
    ASSERT_EQ(frame.UIStyle(), TsuiUIStyle::MacOS);
    ASSERT_TRUE(Named<TsuiRadioButton>(form, "styleMacOS")->Checked());

    for (const char* name : {"styleWinXP", "styleProtein"}) {
        auto* choice = Named<TsuiRadioButton>(form, name);
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(5, 5));
        const TsuiUIStyle style = frame.UIStyle();
        EXPECT_EQ(QStringLiteral("style") + StyleName(style), QLatin1String(name));
        EXPECT_TRUE(choice->Checked());
        EXPECT_FALSE(Named<TsuiRadioButton>(form, "styleMacOS")->Checked());
        EXPECT_EQ(frame.TitleBar()->UIStyle(), style);
        // Controls on the frame and inside its group boxes follow.
        EXPECT_EQ(choice->UIStyle(), style);
        EXPECT_EQ(Named<TsuiButton>(form, "btnDefault")->UIStyle(), style);
        EXPECT_EQ(Named<TsuiCheckBox>(form, "chkChecked")->UIStyle(), style);
        auto* group = Named<TsuiRadioGroup>(form, "grpRadioGroup");
        EXPECT_EQ(group->UIStyle(), style);
        EXPECT_EQ(group->ItemButton(3)->UIStyle(), style);
        auto* bar = Named<TsuiProgressBar>(form, "barVertical");
        EXPECT_EQ(bar->UIStyle(), style);
        EXPECT_EQ(bar->Picture()->ResourceName(), GetThemeString(style, teProgressBarVertical));
        // Image buttons have a look of their own and keep it.
        auto* play = Named<TsuiImageButton>(form, "imgPlay");
        EXPECT_EQ(play->UIStyle(), TsuiUIStyle::Custom);
        EXPECT_EQ(play->PicNormal()->ResourceName(), "GALLERY_PLAY_NORMAL");
        // The menu, its bar and the tool bar; the menu's style choice checked alone.
        EXPECT_EQ(Named<TsuiMainMenu>(form, "mnuMain")->UIStyle(), style);
        EXPECT_EQ(frame.MenuBar()->DrawStyle(), style);
        EXPECT_EQ(Named<TsuiToolBar>(form, "tbrGallery")->UIStyle(), style);
        EXPECT_TRUE(Named<toolkit::TMenuItem>(form, (QByteArray("mnuStyle") + (name + 5)).constData())->Checked());
        EXPECT_FALSE(Named<toolkit::TMenuItem>(form, "mnuStyleMacOS")->Checked());
        ExpectWholeWindowIn(form, style);
    }

    // Applied by the program, the choice follows too.
    form.ApplyStyle(TsuiUIStyle::BlueGlass);
    EXPECT_TRUE(Named<TsuiRadioButton>(form, "styleBlueGlass")->Checked());
    EXPECT_FALSE(Named<TsuiRadioButton>(form, "styleProtein")->Checked());
    ExpectWholeWindowIn(form, TsuiUIStyle::BlueGlass);
}

TEST(Gallery, MenuAndToolBarSwitchTheStyleInStepWithTheRadioButtons)
{
    TGalleryForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TsuiForm& frame = *form.Frame();

    Named<toolkit::TMenuItem>(form, "mnuStyleDeepBlue")->Click();
    EXPECT_EQ(frame.UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_TRUE(Named<TsuiRadioButton>(form, "styleDeepBlue")->Checked());
    ExpectWholeWindowIn(form, TsuiUIStyle::DeepBlue);

    // Next style, from the tool bar and by its shortcut, wraps round after
    // the last; menu items and radio buttons follow.
    auto* next = Named<toolkit::TToolButton>(form, "tbtNextStyle");
    QTest::mouseClick(next, Qt::LeftButton, {}, next->rect().center());
    EXPECT_EQ(frame.UIStyle(), TsuiUIStyle::Protein);
    EXPECT_TRUE(Named<toolkit::TMenuItem>(form, "mnuStyleProtein")->Checked());
    EXPECT_FALSE(Named<toolkit::TMenuItem>(form, "mnuStyleDeepBlue")->Checked());
    auto* menu = Named<TsuiMainMenu>(form, "mnuMain");
    EXPECT_TRUE(menu->IsShortCut(QKeySequence(Qt::Key_F6)));
    EXPECT_EQ(frame.UIStyle(), TsuiUIStyle::BlueGlass);
    menu->IsShortCut(QKeySequence(Qt::Key_F6));
    EXPECT_EQ(frame.UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_TRUE(Named<TsuiRadioButton>(form, "styleMacOS")->Checked());
    EXPECT_TRUE(Named<toolkit::TMenuItem>(form, "mnuStyleMacOS")->Checked());
    EXPECT_FALSE(Named<toolkit::TMenuItem>(form, "mnuStyleBlueGlass")->Checked());
    // A radio button puts the menu's check on its style.
    QTest::mouseClick(Named<TsuiRadioButton>(form, "styleWinXP"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Named<toolkit::TMenuItem>(form, "mnuStyleWinXP")->Checked());
    EXPECT_FALSE(Named<toolkit::TMenuItem>(form, "mnuStyleMacOS")->Checked());
}

} // namespace

TEST(Gallery, ShowsAContextMenuHintsAndAStretchingGroup)
{
    TGalleryForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QWidget& frame = *form.Frame();
    auto* popup = Named<toolkit::TPopupMenu>(form, "pmGallery");
    auto* style = Named<QWidget>(form, "grpStyle");
    auto* views = Named<QWidget>(form, "grpViews");

    // A right click on any control without a menu of its own opens the
    // frame's, drawn like the main menu.
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), style->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(style, &request);
    EXPECT_TRUE(popup->Popup()->isVisible());
    EXPECT_EQ(popup->Drawer(), Named<TsuiMainMenu>(form, "mnuMain")->Drawer());
    popup->Popup()->hide();

    auto* ok = Named<TsuiButton>(form, "btnDefault");
    EXPECT_EQ(ok->toolTip(), "The default button");
    EXPECT_EQ(ok->accessibleDescription(), "Answers the Enter key");
    auto* next = Named<toolkit::TToolButton>(form, "tbtNextStyle");
    EXPECT_EQ(next->toolTip(), "Next style");
    EXPECT_EQ(next->accessibleDescription(), "Shows the window in the next style");

    const int frameWidth = frame.width(), styleWidth = style->width(), viewsRight = frame.width() - views->x();
    form.resize(form.width() + 100, form.height());
    QApplication::processEvents();
    ASSERT_EQ(frame.width(), frameWidth + 100);
    EXPECT_EQ(style->width(), styleWidth + 100);
    EXPECT_EQ(frame.width() - views->x(), viewsRight);
}

// Items move between the two list boxes by dragging, and a list takes no
// drop from itself; the grid's fixed row and column stay while it scrolls.
TEST(Gallery, ListsTradeItemsByDraggingAndTheGridKeepsItsHeaders)
{
    TGalleryForm form;
    form.show();
    auto* fruit = Named<TsuiListBox>(form, "lstFruit");
    auto* options = Named<TsuiCheckListBox>(form, "clbOptions");
    fruit->SetItemIndex(fruit->Items()->IndexOf(QStringLiteral("Banana")));
    const std::unique_ptr<QMimeData> data(toolkit::DragData(fruit));
    const auto dragOnto = [&](toolkit::TCustomListBox* list, QPoint at) {
        QWidget* over = list->viewport();
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(over, &enter);
        QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(over, &move);
        if (!move.isAccepted()) return false;
        QDropEvent drop(QPointF(at), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(over, &drop);
        return true;
    };
    EXPECT_FALSE(dragOnto(fruit, QPoint(5, 5)));
    EXPECT_EQ(fruit->Items()->Count(), 15);
    EXPECT_TRUE(dragOnto(options, QPoint(5, 5)));
    EXPECT_EQ(fruit->Items()->IndexOf(QStringLiteral("Banana")), -1);
    EXPECT_EQ(fruit->Items()->Count(), 14);
    EXPECT_EQ(options->Items()->Strings(0), QStringLiteral("Banana"));
    EXPECT_EQ(options->Items()->Count(), 5);

    auto* sheet = Named<TsuiStringGrid>(form, "grdSheet");
    QScrollBar* rows = sheet->verticalScrollBar();
    ASSERT_GT(rows->maximum(), 0);
    rows->setValue(rows->maximum());
    EXPECT_GT(sheet->TopRow(), 1);
    EXPECT_EQ(sheet->CellRect(1, 0).Top, 0);
    EXPECT_EQ(sheet->CellRect(0, sheet->TopRow()).Left, 0);
    EXPECT_EQ(sheet->CellRect(1, sheet->TopRow()).Top, sheet->CellRect(1, 0).Bottom + 1);
}

// A desktop's larger font reaches every control that follows its parent's
// font; one that sizes itself to its caption (AutoSize) grows with it. (A
// push button, image button or image panel sizes itself to its picture.)
TEST(Gallery, ALargerFontGrowsTheControlsThatSizeThemselvesToTheirCaption)
{
    const QFont assumed = QApplication::font();
    QFont larger = assumed;
    larger.setPixelSize(assumed.pixelSize() * 3 / 2);
    QApplication::setFont(larger);
    RegisterGalleryClasses();
    const QStringList pictureSized = {"TsuiButton", "TsuiImageButton", "TsuiImagePanel"};
    QStringList tried;
    for (const QString& name : toolkit::RegisteredClassNames()) {
        const QMetaObject* meta = toolkit::FindClass(name)->Meta;
        if (pictureSized.contains(name) || meta->indexOfProperty("AutoSize") < 0 ||
            !meta->inherits(&toolkit::TCustomControl::staticMetaObject))
            continue;
        SCOPED_TRACE(name.toStdString());
        QWidget form;
        std::unique_ptr<QObject> object(toolkit::FindClass(name)->Create(&form, &form));
        auto* control = qobject_cast<toolkit::TCustomControl*>(object.get());
        control->setProperty("AutoSize", true);
        control->SetCaption(QStringLiteral("A caption longer than the control"));
        QImage scratch(1, 1, QImage::Format_RGB32);
        toolkit::TCanvas canvas(&scratch);
        canvas.Font.Assign(*control->Font());
        EXPECT_EQ(canvas.Font.Height(), -larger.pixelSize());
        EXPECT_LE(canvas.TextWidth(control->Caption()), control->width());
        tried << name;
    }
    EXPECT_EQ(tried, (QStringList{"TsuiCheckBox", "TsuiRadioButton"}));
    QApplication::setFont(assumed);
}

// Nor does it cut a caption of the gallery's own layout that the usual font
// shows whole.
TEST(Gallery, ItsCaptionsFitTheirControlsUnderALargerFont)
{
    const auto captionsThatFit = [] {
        TGalleryForm form;
        QImage scratch(1, 1, QImage::Format_RGB32);
        toolkit::TCanvas canvas(&scratch);
        std::vector<std::string> fit;
        for (auto* control : form.findChildren<toolkit::TCustomControl*>()) {
            if (control->Caption().isEmpty() || !control->isVisibleTo(&form)) continue;
            canvas.Font.Assign(*control->Font());
            if (canvas.TextWidth(control->Caption()) <= control->width())
                fit.push_back(control->objectName().toStdString());
        }
        return fit;
    };
    const std::vector<std::string> fitting = captionsThatFit();
    ASSERT_GT(fitting.size(), 20u);
    const QFont assumed = QApplication::font();
    QFont larger = assumed;
    larger.setPixelSize(assumed.pixelSize() * 3 / 2);
    QApplication::setFont(larger);
    const std::vector<std::string> stillFitting = captionsThatFit();
    QApplication::setFont(assumed);
    for (const std::string& name : fitting)
        EXPECT_NE(std::find(stillFitting.begin(), stillFitting.end(), name), stillFitting.end()) << name;
}
