#include "toolkit/control.h"
#include "toolkit/imagelist.h"

#include <QMetaProperty>
#include <QPointer>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

// Paints a red frame, and refuses any height but 23.
class FixedHeight : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int paints = 0;

protected:
    bool CanResize(int&, int& newHeight) override { return newHeight == 23; }
    void Paint(TCanvas& canvas) override
    {
        ++paints;
        canvas.Brush.Color = clRed;
        canvas.FrameRect(ClientRect());
    }
};

class DeletesItselfOnClick : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    bool ClickAndSurvive()
    {
        return Guarded([this] { Click(); });
    }
};

} // namespace

TEST(Control, GeometrySettersAskCanResize)
{
    QWidget owner;
    FixedHeight control(&owner, &owner);
    control.SetBounds(5, 6, 80, 23);
    EXPECT_EQ(control.geometry(), QRect(5, 6, 80, 23));
    control.SetHeight(27);
    EXPECT_EQ(control.Height(), 23);
    control.SetBounds(0, 0, 90, 27); // refused as a whole: the position stays too
    EXPECT_EQ(control.geometry(), QRect(5, 6, 80, 23));
    control.SetLeft(9); // no size change, nothing to ask
    EXPECT_EQ(control.Left(), 9);

    // Published through the meta-object system for stored layouts.
    EXPECT_TRUE(control.setProperty("Height", 30));
    EXPECT_EQ(control.Height(), 23);
    const QMetaProperty align =
        control.metaObject()->property(control.metaObject()->indexOfProperty("Align"));
    ASSERT_TRUE(align.isEnumType());
    EXPECT_STREQ(align.enumerator().valueToKey(alClient), "alClient");
}

TEST(Control, RendersOffScreenInItsColourAndFollowsTheParent)
{
    QWidget form;
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, QColor(0xE7, 0xE7, 0xE7));
    form.setPalette(palette);
    TCustomControl panel(&form, &form);
    FixedHeight child(&form, &panel);
    child.resize(10, 23);

    EXPECT_EQ(child.Color(), RGBColor(0xE7, 0xE7, 0xE7)); // through the panel, from the form
    panel.SetColor(clBlue);
    EXPECT_FALSE(panel.ParentColor());
    const QImage image = child.RenderToImage();
    EXPECT_EQ(image.size(), QSize(10, 23));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_TRUE(form.testAttribute(Qt::WA_OpaquePaintEvent) == false &&
                child.testAttribute(Qt::WA_OpaquePaintEvent));

    // Fonts follow the parent control until set explicitly, colour included.
    panel.Font()->SetHeight(-15);
    panel.Font()->SetColor(clRed);
    EXPECT_EQ(child.Font()->Height(), -15);
    EXPECT_EQ(child.Font()->Color(), clRed);
    EXPECT_TRUE(child.ParentFont());
    child.Font()->SetHeight(-9);
    EXPECT_FALSE(child.ParentFont());
    panel.Font()->SetHeight(-20);
    EXPECT_EQ(child.Font()->Height(), -9);
    child.SetParentFont(true);
    EXPECT_EQ(child.Font()->Height(), -20);

    // A plain Qt parent hands its font down too.
    QFont big = form.font();
    big.setPixelSize(17);
    form.setFont(big);
    TCustomControl onForm(&form, &form);
    EXPECT_EQ(onForm.Font()->Height(), -17);
    big.setPixelSize(19);
    form.setFont(big);
    EXPECT_EQ(onForm.Font()->Height(), -19);
}

// The on-screen picture is kept between paints; nothing of an earlier paint
// may show through after a colour or size change.
TEST(Control, RepaintsShowNoEarlierPicture)
{
    QWidget form;
    FixedHeight control(&form, &form);
    control.SetColor(clBlue);
    control.SetBounds(0, 0, 30, 23);
    QImage shown = control.grab().toImage();
    EXPECT_EQ(shown.pixel(5, 5), qRgb(0, 0, 255));

    control.SetColor(RGBColor(0, 255, 0));
    control.SetWidth(12);
    shown = control.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(12, 23));
    EXPECT_EQ(shown.pixel(5, 5), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(11, 5), qRgb(255, 0, 0)); // the frame at the new right edge
    EXPECT_EQ(control.paints, 2);
}

TEST(Control, ClickSignalIsGuardedAgainstDeletion)
{
    QWidget owner;
    auto* control = new DeletesItselfOnClick(&owner, &owner);
    QSignalSpy clicks(control, &TCustomControl::OnClick);
    EXPECT_TRUE(control->ClickAndSurvive());
    EXPECT_EQ(clicks.count(), 1);
    QPointer<DeletesItselfOnClick> alive(control);
    QObject::connect(control, &TCustomControl::OnClick, control, [control] { delete control; });
    EXPECT_FALSE(control->ClickAndSurvive());
    EXPECT_TRUE(alive.isNull());
}

TEST(Align, ChildrenTakeSidesInClassicOrderAndFollowResizes)
{
    QWidget parent;
    parent.resize(200, 100);
    // Created in a mixed order: the sides are still filled top, bottom, left, right, client.
    TCustomControl client(&parent, &parent);
    TCustomControl left(&parent, &parent);
    TCustomControl top1(&parent, &parent);
    QWidget bottom(&parent); // a plain widget aligns through the dynamic property
    TCustomControl top2(&parent, &parent);
    TCustomControl right(&parent, &parent);
    left.resize(30, 5);
    top1.resize(5, 10);
    top2.resize(5, 12);
    bottom.resize(5, 20);
    right.resize(40, 5);
    client.SetAlign(alClient);
    left.SetAlign(alLeft);
    top1.SetAlign(alTop);
    SetAlign(&bottom, alBottom);
    top2.SetAlign(alTop);
    right.SetAlign(alRight);

    EXPECT_EQ(top1.geometry(), QRect(0, 0, 200, 10));
    EXPECT_EQ(top2.geometry(), QRect(0, 10, 200, 12));
    EXPECT_EQ(bottom.geometry(), QRect(0, 80, 200, 20));
    EXPECT_EQ(left.geometry(), QRect(0, 22, 30, 58));
    EXPECT_EQ(right.geometry(), QRect(160, 22, 40, 58));
    EXPECT_EQ(client.geometry(), QRect(30, 22, 130, 58));

    parent.show();
    parent.resize(300, 150);
    EXPECT_EQ(bottom.geometry(), QRect(0, 130, 300, 20));
    EXPECT_EQ(client.geometry(), QRect(30, 22, 230, 108));

    // A hidden child gives its room away; a resized one takes what it needs.
    top2.hide();
    EXPECT_EQ(left.geometry(), QRect(0, 10, 30, 120));
    top1.SetHeight(30);
    EXPECT_EQ(client.geometry(), QRect(30, 30, 230, 100));
}

TEST(ImageList, MaskedAndDisabledDrawing)
{
    TBitmap strip(4, 2); // two 2 x 2 images: key, black / white, dark grey
    TCanvas& c = strip.Canvas();
    c.SetPixel(0, 0, clFuchsia);
    c.SetPixel(1, 0, clBlack);
    c.SetPixel(2, 0, clWhite);
    c.SetPixel(3, 0, RGBColor(100, 100, 100));
    TImageList images(2, 2);
    EXPECT_EQ(images.AddMasked(strip, clFuchsia), 0);
    EXPECT_EQ(images.Count(), 2);

    QImage target(4, 4, QImage::Format_RGB32);
    target.fill(Qt::green);
    TCanvas canvas(&target);
    images.Draw(canvas, 0, 0, 0);
    EXPECT_EQ(canvas.Pixel(0, 0), RGBColor(0, 255, 0)); // masked out
    EXPECT_EQ(canvas.Pixel(1, 0), clBlack);
    images.Draw(canvas, 0, 0, 7); // out of range: nothing
    EXPECT_EQ(canvas.Pixel(1, 0), clBlack);

    target.fill(Qt::green);
    images.Draw(canvas, 1, 1, 1, false);
    const TColor shadow = ColorToRGB(clBtnShadow), highlight = ColorToRGB(clBtnHighlight);
    EXPECT_EQ(canvas.Pixel(1, 1), RGBColor(0, 255, 0)); // white is too light to show
    EXPECT_EQ(canvas.Pixel(2, 1), shadow);              // the dark grey pixel
    EXPECT_EQ(canvas.Pixel(3, 2), highlight);           // its highlight, one down and right
    EXPECT_EQ(canvas.Pixel(2, 2), RGBColor(0, 255, 0)); // the white lower row leaves no shape
}
