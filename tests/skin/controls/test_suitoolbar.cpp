#include "skin/controls/suicontrolsregistry.h"
#include "skin/controls/suitoolbar.h"
#include "skin/frame/suiform.h"
#include "toolkit/canvas.h"
#include "toolkit/imagelist.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/stdctrls.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace toolkit;

namespace {

QRgb Rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

struct Bar {
    QWidget form;
    TsuiToolBar* bar;
    TImageList images{16, 16};
    TToolButton* first;
    TToolButton* second;
    explicit Bar(TsuiUIStyle style)
    {
        form.resize(200, 100);
        bar = new TsuiToolBar(&form, &form);
        bar->SetUIStyle(style);
        bar->SetShowCaptions(true);
        first = new TToolButton(bar);
        first->SetCaption(QStringLiteral("Open"));
        second = new TToolButton(bar);
        second->SetCaption(QStringLiteral("Save"));
        second->SetStyle(tbsCheck);
    }
    void WithImages()
    {
        TBitmap strip(32, 16);
        strip.Canvas().Brush.Color = clBlue;
        strip.Canvas().FillRect(Rect(0, 0, 32, 16));
        images.Add(strip);
        bar->SetImages(&images);
        bar->SetButtonHeight(40);
    }
    // The button as the bar draws it in that state.
    QImage Draw(TToolButton* button, TCustomDrawState state, bool* defaultDrawing = nullptr)
    {
        QImage image(button->size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        TCanvas canvas(&image);
        canvas.Font.AssignQFont(button->font());
        const bool result = bar->DrawButton(button, canvas, Rect(0, 0, image.width(), image.height()), state);
        if (defaultDrawing) *defaultDrawing = result;
        return image;
    }
};

int FirstRowOf(const QImage& image, QRgb color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color) return y;
    return -1;
}

TEST(SkinnedToolBar, StyleColoursAndStates)
{
    Bar xp(TsuiUIStyle::WinXP);
    EXPECT_EQ(xp.bar->ButtonColor(), RGBColor(0xC6, 0xD3, 0xEF));
    EXPECT_EQ(xp.bar->ButtonBorderColor(), RGBColor(0x31, 0x69, 0xC6));
    EXPECT_EQ(xp.bar->ButtonDownColor(), RGBColor(0x93, 0xAC, 0xE1));
    EXPECT_FALSE(xp.bar->Transparent());

    bool defaultDrawing = true;
    const QImage hot = xp.Draw(xp.first, cdsHot, &defaultDrawing);
    EXPECT_FALSE(defaultDrawing);
    EXPECT_EQ(hot.pixel(0, 0), qRgb(0x31, 0x69, 0xC6));
    EXPECT_EQ(hot.pixel(2, 2), qRgb(0xC6, 0xD3, 0xEF));
    const QImage down = xp.Draw(xp.first, cdsHot | cdsSelected);
    EXPECT_EQ(down.pixel(2, 2), qRgb(0x93, 0xAC, 0xE1));
    // Checked or selected without the pointer looks hot.
    EXPECT_EQ(xp.Draw(xp.second, cdsChecked), xp.Draw(xp.second, cdsHot));
    EXPECT_EQ(xp.Draw(xp.second, cdsSelected), xp.Draw(xp.second, cdsHot));
    xp.Draw(xp.first, {}, &defaultDrawing);
    EXPECT_TRUE(defaultDrawing);

    // Without images the pressed caption sits one pixel lower.
    const QRgb ink = qRgb(0, 0, 0);
    EXPECT_EQ(FirstRowOf(down, ink), FirstRowOf(hot, ink) + 1);
}

TEST(SkinnedToolBar, ImagesAndCaptionsPlacedInTheButtonsOwnRow)
{
    Bar xp(TsuiUIStyle::WinXP);
    xp.WithImages();
    xp.first->SetImageIndex(0);
    const QImage hot = xp.Draw(xp.first, cdsHot);
    const int w = xp.first->width();
    const QRgb blue = qRgb(0, 0, 0xFF);
    EXPECT_EQ(hot.pixel((w - 16) / 2, 2), blue);
    EXPECT_NE(hot.pixel((w - 16) / 2, 1), blue);
    EXPECT_EQ(FirstRowOf(hot, qRgb(0, 0, 0)) >= 16 + 4, true);
    const QImage down = xp.Draw(xp.first, cdsHot | cdsSelected);
    EXPECT_EQ(down.pixel((w - 16) / 2, 3), blue);
    EXPECT_NE(down.pixel((w - 16) / 2, 2), blue);

    // A narrow bar wraps: the second button goes on a row of its own and
    // draws the same as on the first row.
    xp.bar->setFixedWidth(xp.first->width() + 4);
    xp.bar->ArrangeButtons();
    EXPECT_EQ(xp.second->y(), 40);
    EXPECT_EQ(xp.second->x(), 0);
}

TEST(SkinnedToolBar, MacOSBarShowsItsParent)
{
    Bar mac(TsuiUIStyle::MacOS);
    EXPECT_TRUE(mac.bar->Transparent());
    mac.form.setAutoFillBackground(true);
    QPalette palette = mac.form.palette();
    palette.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
    mac.form.setPalette(palette);
    mac.bar->SetWrapable(false);
    mac.bar->setGeometry(0, 0, 200, 29);
    const QImage image = mac.bar->RenderToImage();
    EXPECT_EQ(image.pixel(150, 20), qRgb(0x12, 0x34, 0x56));

    Bar xp(TsuiUIStyle::WinXP);
    EXPECT_EQ(xp.bar->RenderToImage().pixel(150, 20), Rgb(GetThemeColor(TsuiUIStyle::WinXP, teToolBarColor)));
}

TEST(SkinnedToolBar, ButtonStatesFollowQt)
{
    Bar xp(TsuiUIStyle::WinXP);
    EXPECT_EQ(xp.second->DrawState(), TCustomDrawState());
    xp.second->SetDown(true);
    EXPECT_EQ(xp.second->DrawState(), TCustomDrawState(cdsChecked));
    xp.first->setDown(true);
    EXPECT_TRUE(xp.first->DrawState() & cdsSelected);
    xp.first->setEnabled(false);
    EXPECT_TRUE(xp.first->DrawState() & cdsDisabled);
    // Grouped check buttons are exclusive.
    auto* third = new TToolButton(xp.bar);
    third->SetStyle(tbsCheck);
    third->SetGrouped(true);
    xp.second->SetGrouped(true);
    third->click();
    EXPECT_TRUE(third->Down());
    EXPECT_FALSE(xp.second->Down());
}

TEST(SkinnedToolBar, StoredWithItsButtonsAndImages)
{
    RegisterStandardControls();
    RegisterSuiControls();
    const QString layout = QStringLiteral(R"(object Form1: TPanel
  Width = 300
  Height = 100
  object Images1: TImageList
    Height = 8
    Width = 8
  end
  object suiToolBar1: TsuiToolBar
    Images = Images1
    ShowCaptions = True
    UIStyle = MacOS
    object ToolButton1: TToolButton
      Caption = 'Open'
      ImageIndex = 0
    end
    object ToolButton2: TToolButton
      Caption = 'Bold'
      Style = tbsCheck
      Down = True
    end
  end
end
)");
    std::unique_ptr<QObject> root(ReadLayout(layout));
    auto* bar = root->findChild<TsuiToolBar*>();
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->Images(), root->findChild<TImageList*>());
    EXPECT_TRUE(bar->Transparent());
    ASSERT_EQ(bar->Buttons().size(), 2);
    EXPECT_TRUE(bar->Buttons()[1]->Down());
    const QString written = WriteLayout(root.get());
    EXPECT_EQ(written.count(QStringLiteral("Transparent =")), 1);
    EXPECT_EQ(written.count(QStringLiteral("Images =")), 1);
    std::unique_ptr<QObject> again(ReadLayout(written));
    EXPECT_EQ(WriteLayout(again.get()).toStdString(), written.toStdString());
}

} // namespace
