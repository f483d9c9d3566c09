#include "toolkit/speedbutton.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

struct Group {
    QWidget parent;
    TSpeedButton* a = new TSpeedButton(&parent, &parent);
    TSpeedButton* b = new TSpeedButton(&parent, &parent);
    int clicks = 0;

    Group()
    {
        for (TSpeedButton* button : {a, b}) {
            button->SetGroupIndex(1);
            QObject::connect(button, &TSpeedButton::OnClick, [this] { ++clicks; });
        }
        b->SetLeft(30);
        parent.show();
    }
};

} // namespace

TEST(SpeedButton, OneButtonOfAGroupIsDown)
{
    Group g;
    QTest::mouseClick(g.a, Qt::LeftButton);
    EXPECT_TRUE(g.a->Down());
    g.b->SetDown(true);
    EXPECT_FALSE(g.a->Down());
    // Without AllowAllUp the down button stays down.
    QTest::mouseClick(g.b, Qt::LeftButton);
    g.b->SetDown(false);
    EXPECT_TRUE(g.b->Down());
    EXPECT_EQ(g.clicks, 2);

    // A press released outside is no click.
    QTest::mousePress(g.a, Qt::LeftButton);
    QTest::mouseRelease(g.a, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_FALSE(g.a->Down());
    EXPECT_EQ(g.clicks, 2);

    // Outside a group a button never stays down.
    g.a->SetGroupIndex(0);
    g.a->SetDown(true);
    EXPECT_FALSE(g.a->Down());
}

TEST(SpeedButton, AllowAllUpMakesAGroupOfOneAToggle)
{
    Group g;
    g.a->SetAllowAllUp(true);
    g.a->SetGroupIndex(2);
    QTest::mouseClick(g.a, Qt::LeftButton);
    EXPECT_TRUE(g.a->Down());
    QTest::mouseClick(g.a, Qt::LeftButton);
    EXPECT_FALSE(g.a->Down());

    // Down or held, a flat button shows a sunken edge; up, none.
    g.a->SetFlat(true);
    g.a->SetBounds(0, 0, 20, 16);
    const QRgb face = ColorToQColor(g.a->Color()).rgb();
    EXPECT_EQ(g.a->RenderToImage().pixel(0, 0), face);
    g.a->SetDown(true);
    EXPECT_EQ(g.a->RenderToImage().pixel(0, 0), ColorToQColor(clBtnShadow).rgb());
    EXPECT_EQ(g.a->RenderToImage().pixel(19, 15), ColorToQColor(clBtnHighlight).rgb());
}
