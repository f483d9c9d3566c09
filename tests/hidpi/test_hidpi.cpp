// The skinned controls on a high-density screen. This executable runs twice,
// with QT_SCALE_FACTOR=2 (Ratio2.*) and 1.5 (Ratio1_5.*): at 2 every control
// is its ratio-1 picture pixel-doubled outside its text, which is drawn at the
// screen's resolution; at 1.5 it covers its whole area.
#include "app/form1.h"
#include "skin/buttons/suibuttonsregistry.h"
#include "skin/controls/suicontrolsregistry.h"
#include "skin/frame/suiframeregistry.h"
#include "skin/frame/suititlebar.h"
#include "skin/scrolling/suiscrollingregistry.h"
#include "toolkit/control.h"
#include "toolkit/layoutreader.h"
#include "toolkit/stdctrls.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

// One control of each family, each in a style of its own.
const char* const Families = R"(object Families: TPanel
  Width = 420
  Height = 260
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

// A control's text areas in device pixels of a grab of `in` at ratio 2.
QList<QRect> TextAreas(const QWidget* in)
{
    QList<QRect> areas;
    QList<const toolkit::TCustomControl*> controls;
    if (auto* self = dynamic_cast<const toolkit::TCustomControl*>(in)) controls << self;
    for (const auto* child : in->findChildren<toolkit::TCustomControl*>()) controls << child;
    for (const toolkit::TCustomControl* control : controls)
        for (const QRect& area : control->SharpTextAreas()) {
            const QRect placed = area.translated(control->mapTo(in, QPoint()));
            areas << QRect(placed.topLeft() * 2, placed.size() * 2);
        }
    return areas;
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
    const QList<toolkit::TCustomControl*> controls = panel->findChildren<toolkit::TCustomControl*>();
    ASSERT_GE(controls.size(), 7);
    for (toolkit::TCustomControl* control : controls) {
        if (!control->objectName().startsWith(QLatin1String("sui"))) continue;
        SCOPED_TRACE(control->objectName().toStdString());
        const QImage doubled = AtRatio1(control).scaled(control->size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QImage sharp = AtScreenRatio(control);
        ASSERT_EQ(control->size() * 2, sharp.size()); // the logical geometry is kept
        EXPECT_EQ(0, Differences(sharp, doubled, TextAreas(control)));
    }
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
    for (toolkit::TCustomControl* control : panel->findChildren<toolkit::TCustomControl*>()) {
        if (!control->objectName().startsWith(QLatin1String("sui"))) continue;
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
