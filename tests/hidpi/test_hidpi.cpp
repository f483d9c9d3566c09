// The skinned controls on a high-density screen. This executable runs twice,
// with QT_SCALE_FACTOR=2 (Ratio2.*) and 1.5 (Ratio1_5.*): at 2 every control
// is its ratio-1 picture pixel-doubled outside its text, which is drawn at the
// screen's resolution; at 1.5 it covers its whole area.
#include "app/form1.h"
#include "skin/buttons/suibuttonsregistry.h"
#include "skin/controls/suicontrolsregistry.h"
#include "skin/frame/suiframeregistry.h"
#include "skin/frame/suimainmenu.h"
#include "skin/frame/suititlebar.h"
#include "skin/scrolling/suiscrollingregistry.h"
#include "toolkit/combobox.h"
#include "toolkit/control.h"
#include "toolkit/grids.h"
#include "toolkit/layoutreader.h"
#include "toolkit/menus.h"
#include "toolkit/stdctrls.h"
#include "toolkit/toolbar.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

// One control of each family, each in a style of its own.
const char* const Families = R"(object Families: TPanel
  Width = 420
  Height = 410
  object suiButton1: TsuiButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'Button'
    UIStyle = MacOS
  end
  object suiProgressBar1: TsuiProgressBar
    Left = 96
    Top = 8
    Width = 150
    Height = 18
    UIStyle = WinXP
    Position = 40
  end
  object suiCheckBox1: TsuiCheckBox
    Left = 8
    Top = 44
    Width = 90
    Height = 17
    Caption = 'Check'
    Checked = True
    UIStyle = Protein
  end
  object suiGroupBox1: TsuiGroupBox
    Left = 8
    Top = 72
    Width = 150
    Height = 80
    Caption = 'Group'
  end
  object suiTrackBar1: TsuiTrackBar
    Left = 170
    Top = 40
    Width = 150
    Height = 30
    UIStyle = BlueGlass
    Position = 3
  end
  object suiScrollBar1: TsuiScrollBar
    Left = 330
    Top = 8
    Width = 17
    Height = 120
    UIStyle = WinXP
  end
  object suiTabControl1: TsuiTabControl
    Left = 170
    Top = 90
    Width = 200
    Height = 100
    UIStyle = MacOS
  end
  object suiComboBox1: TsuiComboBox
    Left = 8
    Top = 200
    Width = 120
    Height = 21
    Style = csDropDownList
    Items.Strings = (
      'First choice'
      'Second choice')
    ItemIndex = 0
    UIStyle = MacOS
  end
  object suiColorBox1: TsuiColorBox
    Left = 8
    Top = 232
    Width = 120
    Height = 22
    Selected = clNavy
    UIStyle = DeepBlue
  end
  object suiFontComboBox1: TsuiFontComboBox
    Left = 8
    Top = 264
    Width = 150
    Height = 21
    FontName = 'Liberation Sans'
    UIStyle = WinXP
  end
  object suiStringGrid1: TsuiStringGrid
    Left = 170
    Top = 200
    Width = 160
    Height = 80
    ColCount = 3
    DefaultColWidth = 50
    DefaultRowHeight = 20
    RowCount = 3
    UIStyle = Protein
  end
  object suiEdit1: TsuiEdit
    Left = 8
    Top = 296
    Width = 120
    Height = 21
    Text = 'A line'
  end
  object suiMemo1: TsuiMemo
    Left = 170
    Top = 290
    Width = 120
    Height = 60
    Lines.Strings = (
      'Line one'
      'Line two')
  end
  object suiToolBar1: TsuiToolBar
    Align = alNone
    Left = 170
    Top = 360
    Width = 200
    Height = 36
    ButtonWidth = 60
    ShowCaptions = True
    UIStyle = BlueGlass
    object ToolButton1: TToolButton
      Caption = 'Open'
    end
    object ToolButton2: TToolButton
      Caption = 'Keep'
      Style = tbsCheck
      Down = True
    end
  end
  object suiListBox1: TsuiListBox
    Left = 300
    Top = 290
    Width = 100
    Height = 60
    Items.Strings = (
      'Apple'
      'Banana')
  end
end
)";

// A skinned window with a menu bar: its buttons and its lists draw their
// captions through pictures of their own.
const char* const MenuWindow = R"(object MenuWindow: TPanel
  Width = 300
  Height = 160
  object suiForm1: TsuiForm
    UIStyle = WinXP
  end
  object suiMainMenu1: TsuiMainMenu
    UIStyle = WinXP
    object File1: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Caption = '&Open'
        ShortCut = 16463
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
    end
  end
end
)";

void RegisterAll()
{
    toolkit::RegisterStandardControls();
    RegisterSuiFrame();
    RegisterSuiButtons();
    RegisterSuiControls();
    RegisterSuiScrolling();
}

std::unique_ptr<QWidget> ShowFamilies()
{
    RegisterAll();
    std::unique_ptr<QWidget> panel(qobject_cast<QWidget*>(toolkit::ReadLayout(QString::fromLatin1(Families))));
    // Stored layouts keep no cells.
    auto* grid = panel->findChild<toolkit::TStringGrid*>(QStringLiteral("suiStringGrid1"));
    for (int col = 0; col < grid->ColCount(); ++col)
        for (int row = 0; row < grid->RowCount(); ++row) grid->SetCells(col, row, QStringLiteral("%1,%2").arg(col).arg(row));
    panel->show();
    QApplication::processEvents();
    return panel;
}

// What the control draws at a device pixel ratio of 1.
QImage AtRatio1(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QImage AtScreenRatio(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Where a widget drew text at the screen's resolution, in its own coordinates:
// the text our controls keep apart, and the contents of Qt's own edits and
// lists (their grid's cells are ours).
QList<QRect> OwnTextAreas(const QWidget* widget)
{
    if (auto* control = dynamic_cast<const toolkit::TCustomControl*>(widget)) return control->SharpTextAreas();
    if (auto* box = dynamic_cast<const toolkit::TCustomComboBox*>(widget)) return box->SharpTextAreas();
    if (auto* grid = dynamic_cast<const toolkit::TCustomGrid*>(widget)) return grid->SharpTextAreas();
    if (auto* button = qobject_cast<const toolkit::TToolButton*>(widget)) return button->SharpTextAreas();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return {edit->rect()};
    if (auto* list = qobject_cast<const QAbstractScrollArea*>(widget)) return {list->viewport()->geometry()};
    return {};
}

// The text areas of `in` and its children in device pixels of a grab at ratio 2.
QList<QRect> TextAreas(const QWidget* in)
{
    QList<QRect> areas;
    QList<const QWidget*> widgets{in};
    for (const QWidget* child : in->findChildren<QWidget*>())
        if (child->isVisible()) widgets << child;
    for (const QWidget* widget : widgets)
        for (const QRect& area : OwnTextAreas(widget)) {
            const QRect placed = area.translated(widget->mapTo(in, QPoint()));
            areas << QRect(placed.topLeft() * 2, placed.size() * 2);
        }
    return areas;
}

// The panel's controls (their parts are children of their own).
QList<QWidget*> Controls(const QWidget* panel)
{
    QList<QWidget*> controls;
    for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->objectName().startsWith(QLatin1String("sui"))) controls << child;
    return controls;
}

// Device pixels of `actual` that differ from `expected`, outside `skip`.
int Differences(const QImage& actual, const QImage& expected, const QList<QRect>& skip = {})
{
    int count = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            if (std::any_of(skip.begin(), skip.end(), [&](const QRect& r) { return r.contains(x, y); })) continue;
            if (actual.pixel(x, y) != expected.pixel(x, y)) ++count;
        }
    return count;
}

} // namespace

TEST(Ratio2, EveryFamilyIsItsRatio1PicturePixelDoubled)
{
    ASSERT_DOUBLE_EQ(2.0, qApp->devicePixelRatio());
    const std::unique_ptr<QWidget> panel = ShowFamilies();
    const QList<QWidget*> controls = Controls(panel.get());
    ASSERT_EQ(15, controls.size());
    for (QWidget* control : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        const QImage doubled = AtRatio1(control).scaled(control->size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QImage sharp = AtScreenRatio(control);
        ASSERT_EQ(control->size() * 2, sharp.size()); // the logical geometry is kept
        EXPECT_EQ(0, Differences(sharp, doubled, TextAreas(control)));
    }
}

// Text our controls first draw into a picture of their own (a combo box's
// field, a grid's cells, a tool button's caption) comes out crisp too.
TEST(Ratio2, TextComposedInAPictureIsDrawnAtTheScreensResolution)
{
    const std::unique_ptr<QWidget> panel = ShowFamilies();
    for (const char* name : {"suiComboBox1", "suiColorBox1", "suiFontComboBox1", "suiStringGrid1", "ToolButton1"}) {
        SCOPED_TRACE(name);
        auto* control = panel->findChild<QWidget*>(QLatin1String(name));
        const QImage doubled = AtRatio1(control).scaled(control->size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_FALSE(OwnTextAreas(control).isEmpty());
        EXPECT_GT(Differences(AtScreenRatio(control), doubled), 0);
    }
}

// The open list draws its items as the field does: the colour box's swatches
// pixel-doubled, its names at the screen's resolution.
TEST(Ratio2, AComboBoxListShowsItsItemsPicturesDoubledAndTheirTextSharp)
{
    const std::unique_ptr<QWidget> panel = ShowFamilies();
    auto* box = panel->findChild<toolkit::TCustomComboBox*>(QStringLiteral("suiColorBox1"));
    box->showPopup();
    QApplication::processEvents();
    QWidget* list = box->view()->viewport();
    ASSERT_TRUE(list->isVisible());
    const QImage doubled = AtRatio1(list).scaled(list->size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage sharp = AtScreenRatio(list);
    // Each item's swatch fills a square at its left; its name starts 5 pixels
    // past it.
    const int itemHeight = box->ItemHeight();
    const QRect names(QPoint((itemHeight + 4) * 2, 0), QSize(list->width() * 2, list->height() * 2));
    EXPECT_EQ(0, Differences(sharp, doubled, {names}));
    EXPECT_GT(Differences(sharp, doubled), 0);
    box->hidePopup();
}

TEST(Ratio2, ASkinnedMenuShowsItsPicturesDoubledAndItsCaptionsSharp)
{
    RegisterAll();
    const std::unique_ptr<QWidget> window(qobject_cast<QWidget*>(toolkit::ReadLayout(QString::fromLatin1(MenuWindow))));
    window->show();
    QApplication::processEvents();
    auto* bar = window->findChild<toolkit::TToolBar*>(QStringLiteral("MenuBar"));
    ASSERT_NE(nullptr, bar);
    const QImage doubled = AtRatio1(bar).scaled(bar->size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_EQ(0, Differences(AtScreenRatio(bar), doubled, TextAreas(bar)));
    for (const toolkit::TToolButton* button : bar->Buttons()) EXPECT_FALSE(button->SharpTextAreas().isEmpty());

    QMenu* list = window->findChild<toolkit::TMenuItem*>(QStringLiteral("File1"))->Popup();
    list->popup(QPoint(0, 0));
    QApplication::processEvents();
    ASSERT_TRUE(list->isVisible());
    const QImage listDoubled = AtRatio1(list).scaled(list->size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage listSharp = AtScreenRatio(list);
    // Each item's caption starts 4 pixels right of the menu's bar.
    const int captions = list->actionGeometry(list->actions().first()).left() +
                         window->findChild<TsuiMainMenu*>()->BarWidth() + 4;
    const QRect text(QPoint(captions * 2, 0), listSharp.size());
    EXPECT_EQ(0, Differences(listSharp, listDoubled, {text}));
    EXPECT_GT(Differences(listSharp, listDoubled), 0);
    list->hide();
}

TEST(Ratio2, TheTitleBarIsItsRatio1PicturePixelDoubled)
{
    RegisterAll();
    TForm1 form;
    form.show();
    QApplication::processEvents();
    auto* bar = form.findChild<TsuiTitleBar*>();
    ASSERT_NE(nullptr, bar);
    const QImage doubled = AtRatio1(bar).scaled(bar->size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage sharp = AtScreenRatio(bar);
    EXPECT_EQ(0, Differences(sharp, doubled, TextAreas(bar)));
    // The caption is drawn at the screen's resolution, not enlarged.
    EXPECT_FALSE(bar->SharpTextAreas().isEmpty());
    EXPECT_GT(Differences(sharp, doubled), 0);
}

TEST(Ratio2, TheUtilityWindowIsTheRatio1WindowScaledUpOutsideItsTexts)
{
    RegisterAll();
    TForm1 form;
    form.show();
    QApplication::processEvents();
    const QImage sharp = AtScreenRatio(&form);
    EXPECT_EQ(QSize(652, 310), sharp.size());
    const QImage doubled = AtRatio1(&form).scaled(form.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // Labels and the status bar are Qt's own widgets: their text is drawn at
    // the screen's resolution.
    QList<QRect> texts = TextAreas(&form);
    for (QWidget* child : form.findChildren<QWidget*>()) {
        if (dynamic_cast<toolkit::TCustomControl*>(child) || !child->isVisible()) continue;
        const QRect area(child->mapTo(&form, QPoint()), child->size());
        texts << QRect(area.topLeft() * 2, area.size() * 2);
    }
    EXPECT_EQ(0, Differences(sharp, doubled, texts));
}

TEST(Ratio1_5, EveryFamilyCoversItsWholeAreaWithoutGaps)
{
    ASSERT_DOUBLE_EQ(1.5, qApp->devicePixelRatio());
    const std::unique_ptr<QWidget> panel = ShowFamilies();
    // Whatever a control leaves unpainted would show this colour.
    const QRgb gap = qRgb(0x12, 0x34, 0x56);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(gap));
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    const QImage shot = AtScreenRatio(panel.get());
    for (QWidget* control : Controls(panel.get())) {
        SCOPED_TRACE(control->objectName().toStdString());
        const QRect area = control->geometry();
        // Device pixels wholly inside the control.
        const int left = int(std::ceil(area.left() * 1.5)), top = int(std::ceil(area.top() * 1.5));
        const int right = int(std::floor((area.right() + 1) * 1.5)), bottom = int(std::floor((area.bottom() + 1) * 1.5));
        int gaps = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) gaps += shot.pixel(x, y) == gap;
        EXPECT_EQ(0, gaps);
    }
}
