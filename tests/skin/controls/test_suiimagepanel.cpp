#include "skin/buttons/suibutton.h"
#include "skin/controls/suicontrolsregistry.h"
#include "skin/controls/suiimagepanel.h"
#include "skin/frame/suiform.h"
#include "skin/frame/suiframeregistry.h"
#include "toolkit/canvas.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/panel.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace toolkit;

namespace {

QRgb Rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

// The smallest rectangle holding every pixel that is not the background.
QRect Ink(const QImage& image, QRgb background)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) ink |= QRect(x, y, 1, 1);
    return ink;
}

void SetPicture(TsuiCustomPanel* panel, const QImage& image)
{
    TBitmap bitmap;
    bitmap.SetImage(image);
    TPicture picture;
    picture.Assign(bitmap);
    panel->SetPicture(picture);
}

QImage Filled(int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A red parent with a white panel on it.
struct Scene {
    TPanel parent{nullptr};
    TsuiImagePanel* panel;
    Scene()
    {
        parent.resize(200, 150);
        parent.SetColor(clRed);
        panel = new TsuiImagePanel(&parent, &parent);
        panel->SetBounds(10, 10, 120, 40);
        panel->SetColor(clWhite);
        panel->Font()->SetColor(clBlack);
    }
};

TEST(TsuiImagePanel, CaptionIsPlacedByAlignmentUnlessBothCoordinatesAreGiven)
{
    Scene s;
    const QRgb white = Rgb(clWhite);
    // Blanks and control characters only: nothing drawn, at any position.
    s.panel->SetCaption(QStringLiteral(" \t "));
    EXPECT_TRUE(Ink(s.panel->RenderToImage(), white).isNull());
    s.panel->SetCaptionPosX(4);
    s.panel->SetCaptionPosY(4);
    EXPECT_TRUE(Ink(s.panel->RenderToImage(), white).isNull());

    s.panel->SetCaption(QStringLiteral("Mg"));
    s.panel->SetAlignment(taLeftJustify);
    s.panel->SetCaptionPosX(-1);
    s.panel->SetCaptionPosY(-1);
    const QImage aligned = s.panel->RenderToImage();
    const QRect alignedInk = Ink(aligned, white);
    ASSERT_FALSE(alignedInk.isNull());

    // One coordinate alone does not place the caption.
    s.panel->SetCaptionPosX(10);
    EXPECT_EQ(s.panel->RenderToImage(), aligned);

    // Both: the text cell's corner goes there, instead of the left edge and
    // the vertically centred row.
    s.panel->SetCaptionPosY(3);
    QImage probe(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&probe);
    canvas.Font.Assign(*s.panel->Font());
    const int cellHeight = canvas.TextHeight(QStringLiteral("Mg"));
    const QRect placed = Ink(s.panel->RenderToImage(), white);
    EXPECT_EQ(placed, alignedInk.translated(10, 3 - (40 - cellHeight) / 2));
    EXPECT_EQ(s.panel->CaptionRect(canvas),
              Rect(10, 3, 10 + canvas.TextWidth(QStringLiteral("Mg")), 3 + cellHeight));
}

TEST(TsuiImagePanel, AutoSizeTakesThePictureSizeExceptAlongAlignedSides)
{
    Scene s;
    s.panel->SetAutoSize(true);
    SetPicture(s.panel, Filled(40, 30, Qt::blue));
    EXPECT_EQ(s.panel->size(), QSize(40, 30));

    s.panel->SetAlign(alClient);
    SetPicture(s.panel, Filled(20, 10, Qt::blue));
    EXPECT_EQ(s.panel->size(), QSize(200, 150));

    s.panel->SetAlign(alTop);
    SetPicture(s.panel, Filled(25, 12, Qt::blue));
    EXPECT_EQ(s.panel->size(), QSize(200, 12));

    s.panel->SetAlign(alLeft);
    SetPicture(s.panel, Filled(33, 12, Qt::blue));
    EXPECT_EQ(s.panel->width(), 33);
    EXPECT_EQ(s.panel->height(), 150);

    // Switching AutoSize on applies the current picture; off leaves the size.
    Scene t;
    SetPicture(t.panel, Filled(40, 30, Qt::blue));
    EXPECT_EQ(t.panel->size(), QSize(120, 40));
    t.panel->SetAutoSize(true);
    EXPECT_EQ(t.panel->size(), QSize(40, 30));
}

TEST(TsuiImagePanel, PictureIsDrawnNaturalStretchedOrTiled)
{
    Scene s;
    s.panel->SetBounds(0, 0, 12, 9);
    QImage art(3, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            art.setPixel(x, y, qRgb(40 * x, 40 * y, 200));
    SetPicture(s.panel, art);

    QImage image = s.panel->RenderToImage();
    EXPECT_EQ(image.pixel(2, 2), art.pixel(2, 2));
    EXPECT_EQ(image.pixel(3, 0), Rgb(clWhite)) << "Color beside a picture at its natural size";
    EXPECT_EQ(image.pixel(0, 3), Rgb(clWhite));

    s.panel->SetDrawStyle(suiTile);
    image = s.panel->RenderToImage();
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(image.pixel(x, y), art.pixel(x % 3, y % 3)) << x << "," << y;

    s.panel->SetDrawStyle(suiStretch);
    image = s.panel->RenderToImage();
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(image.pixel(x, y), art.pixel(x / 4, y / 3)) << x << "," << y;
}

TEST(TsuiImagePanel, TransparentPanelShowsItsParentAroundAndThroughThePicture)
{
    Scene s;
    s.panel->SetTransparent(true);
    const QRgb red = Rgb(clRed);
    // No picture: the parent everywhere, no fill in the panel's own colour.
    EXPECT_TRUE(Ink(s.panel->RenderToImage(), red).isNull());

    // The picture's key colour (its bottom-left pixel) lets the parent through.
    QImage art = Filled(10, 10, Qt::blue);
    for (int y = 0; y < 10; ++y)
        art.setPixel(0, y, qRgb(255, 0, 255));
    SetPicture(s.panel, art);
    EXPECT_TRUE(s.panel->Picture()->Bitmap().Transparent());
    QImage image = s.panel->RenderToImage();
    EXPECT_EQ(image.pixel(0, 5), red);
    EXPECT_EQ(image.pixel(1, 5), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(50, 20), red);

    // Opaque again: the key colour shows as it is, Color around the picture.
    s.panel->SetTransparent(false);
    EXPECT_FALSE(s.panel->Picture()->Bitmap().Transparent());
    image = s.panel->RenderToImage();
    EXPECT_EQ(image.pixel(0, 5), qRgb(255, 0, 255));
    EXPECT_EQ(image.pixel(50, 20), Rgb(clWhite));
}

// The kept picture of a transparent panel would show a stale parent.
TEST(TsuiImagePanel, TransparentPanelRepaintsWhenItsParentChanges)
{
    Scene s;
    s.panel->SetTransparent(true);
    s.parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s.parent));
    s.parent.SetColor(clBlue);
    QCoreApplication::processEvents();
    EXPECT_EQ(s.panel->grab().toImage().pixel(5, 5), Rgb(clBlue));
}

TEST(TsuiImagePanel, ClickOnThePanelRaisesOnClick)
{
    Scene s;
    s.parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s.parent));
    QSignalSpy clicks(s.panel, &TCustomControl::OnClick);
    QTest::mouseClick(s.panel, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(s.panel, Qt::RightButton, {}, QPoint(5, 5));
    // Released outside: no click.
    QTest::mousePress(s.panel, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(s.panel, Qt::LeftButton, {}, QPoint(150, 5));
    EXPECT_EQ(clicks.count(), 1);

    // A click on a control on the panel is that control's alone.
    auto* button = new TsuiButton(&s.parent, s.panel);
    button->SetBounds(20, 5, 60, 25);
    button->show();
    QSignalSpy buttonClicks(button, &TCustomControl::OnClick);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(buttonClicks.count(), 1);
    EXPECT_EQ(clicks.count(), 1);
}

// A style reaches the controls on a panel only through the panel.
TEST(TsuiImagePanel, PassesAPushedStyleOnToItsControls)
{
    Scene s;
    auto* button = new TsuiButton(&s.parent, s.panel);
    button->SetUIStyle(TsuiUIStyle::WinXP);
    ContainerApplyUIStyle(&s.parent, TsuiUIStyle::Protein);
    EXPECT_EQ(button->UIStyle(), TsuiUIStyle::WinXP);
    SubContainerApplyUIStyle(&s.parent, TsuiUIStyle::Protein);
    EXPECT_EQ(button->UIStyle(), TsuiUIStyle::Protein);
}

// The frame's panel may be declared after the frame names it; it fills the
// frame below the title bar and loses its caption.
TEST(TsuiImagePanel, FramePanelNamedBeforeItIsDeclaredFillsTheFrame)
{
    RegisterClass<QWidget>(QStringLiteral("TTestForm"));
    RegisterSuiFrame();
    RegisterSuiControls();
    const QString text = QStringLiteral(R"(object Form1: TTestForm
  object suiForm1: TsuiForm
    UIStyle = MacOS
    FormPanel = suiImagePanel1
    object suiImagePanel1: TsuiImagePanel
      Caption = 'suiImagePanel1'
      DrawStyle = suiTile
      Picture.ResourceName = 'MACOS_FORM_BACKGROUND'
    end
  end
end
)");
    std::unique_ptr<QObject> root(ReadLayout(text));
    auto* frame = root->findChild<TsuiForm*>(QStringLiteral("suiForm1"));
    auto* panel = root->findChild<TsuiImagePanel*>(QStringLiteral("suiImagePanel1"));
    ASSERT_TRUE(frame && panel);
    EXPECT_EQ(frame->FormPanel(), panel);
    EXPECT_EQ(panel->Align(), alClient);
    EXPECT_EQ(panel->Caption(), QString());
    const QRect bar = frame->TitleBar()->geometry();
    EXPECT_EQ(panel->geometry(), QRect(0, bar.bottom() + 1, frame->width(), frame->height() - bar.height()));
    EXPECT_EQ(panel->DrawStyle(), suiTile);
    EXPECT_EQ(panel->Picture()->ResourceName(), QStringLiteral("MACOS_FORM_BACKGROUND"));

    const QString written = WriteLayout(root.get());
    EXPECT_TRUE(written.contains(QStringLiteral("DrawStyle = suiTile"))) << written.toStdString();
    std::unique_ptr<QObject> again(ReadLayout(written));
    EXPECT_EQ(again->findChild<TsuiForm*>()->FormPanel(), again->findChild<TsuiImagePanel*>());
    EXPECT_EQ(WriteLayout(again.get()), written);
}

} // namespace
