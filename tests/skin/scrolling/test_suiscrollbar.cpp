#include "skin/buttons/suiimagebutton.h"
#include "skin/controls/suiimagepanel.h"
#include "skin/frame/suiform.h"
#include "skin/scrolling/suiscrollbar.h"
#include "skin/scrolling/suiscrollingregistry.h"
#include "skin/scrolling/suitrackbar.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/resources.h"
#include "tests/support/repeattick.h"

#include <QAccessibleInterface>
#include <QAccessibleValueInterface>
#include <QPointer>
#include <QTest>
#include <climits>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

struct Window {
    QWidget form;
    QPointer<TsuiScrollBar> bar = new TsuiScrollBar(&form, &form);
    QList<QObject*> senders;

    explicit Window(TsuiUIStyle style = TsuiUIStyle::WinXP)
    {
        form.resize(400, 300);
        bar->SetUIStyle(style);
        QObject::connect(bar, &TsuiScrollBar::OnChange, [this](QObject* sender) { senders << sender; });
        form.show();
    }
    TsuiScrollTrackBar* Track() const { return bar->Track(); }
    QSize Thumb() const { return Track()->Slider()->size(); }
};

} // namespace

TEST(TsuiScrollBar, VerticalWinXPLayoutAndThumb)
{
    Window w;
    EXPECT_EQ(w.bar->DecButton()->size(), QSize(16, 17));
    EXPECT_EQ(w.bar->IncButton()->size(), QSize(16, 17));
    EXPECT_EQ(w.bar->size(), QSize(16, 185));
    EXPECT_EQ(w.Track()->geometry(), QRect(0, 17, 16, 150)) << "185 - 17 - 17 - 1";
    EXPECT_EQ(w.bar->IncButton()->pos(), QPoint(0, 168));
    EXPECT_EQ(w.Thumb(), QSize(16, 15)) << "150 * 10 / 100";
    EXPECT_EQ(w.bar->Color(), GetThemeColor(TsuiUIStyle::WinXP, teScrollBarColor));
    EXPECT_EQ(w.Track()->Color(), w.bar->Color());
    EXPECT_EQ(w.Track()->UIStyle(), TsuiUIStyle::Custom);
    EXPECT_TRUE(w.Track()->BarStrip().Empty()) << "the track shows only its colour around the thumb";

    // The thumb: the track picture's top third, its middle stretched, its
    // bottom third, as stored (21 rows: three 7-row pieces).
    const QImage pieces = LoadBitmapResource("WINXP_SCROLLBAR_TRACK");
    ASSERT_EQ(pieces.size(), QSize(16, 21));
    w.bar->SetLineButton(40);
    const QImage thumb = w.Track()->GetSliderImage()->Bitmap().Image();
    ASSERT_EQ(thumb.size(), QSize(16, 40));
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(thumb.pixel(x, 0), pieces.pixel(x, 0));
        EXPECT_EQ(thumb.pixel(x, 6), pieces.pixel(x, 6));
        EXPECT_EQ(thumb.pixel(x, 20), pieces.pixel(x, 10)) << "the uniform middle third";
        EXPECT_EQ(thumb.pixel(x, 33), pieces.pixel(x, 14));
        EXPECT_EQ(thumb.pixel(x, 39), pieces.pixel(x, 20));
    }
}

TEST(TsuiScrollBar, HorizontalTurnsTheArrowsAndLaysOutAlongTheWidth)
{
    Window w;
    w.bar->SetOrientation(suiHorizontal);
    w.bar->SetWidth(185);
    EXPECT_EQ(w.bar->DecButton()->size(), QSize(17, 16));
    EXPECT_EQ(w.bar->size(), QSize(185, 16));
    EXPECT_EQ(w.Track()->geometry(), QRect(17, 0, 151, 16)) << "185 - 17 - 17, no pixel less";
    EXPECT_EQ(w.bar->IncButton()->pos(), QPoint(168, 0));
    EXPECT_EQ(w.Thumb(), QSize(15, 16));
    EXPECT_EQ(w.Track()->Orientation(), suiHorizontal);

    // The up arrow turned anticlockwise: its top-right pixel is now top-left.
    const QImage up = LoadBitmapResource("WINXP_SCROLLBAR_TOPBUTTON_NORMAL");
    const QImage left = w.bar->DecButton()->PicNormal()->Bitmap().Image();
    EXPECT_EQ(left.pixel(0, 0), up.pixel(15, 0));
    EXPECT_EQ(left.pixel(16, 15), up.pixel(0, 16));
}

TEST(TsuiScrollBar, ThumbLengthFromLineButtonOrPageSize)
{
    EXPECT_EQ(ThumbLength(0, 150, 10), 15);
    EXPECT_EQ(ThumbLength(0, 150, 5), 15) << "below 10 percent gives 10 percent";
    EXPECT_EQ(ThumbLength(0, 150, 50), 75);
    EXPECT_EQ(ThumbLength(40, 150, 50), 40);

    Window w;
    w.bar->SetLineButton(5);
    EXPECT_EQ(w.bar->LineButton(), 18) << "raised and stored raised";
    EXPECT_EQ(w.Thumb().height(), 18);
    w.bar->SetLineButton(0);
    w.bar->SetPageSize(5);
    EXPECT_EQ(w.bar->PageSize(), 5);
    EXPECT_EQ(w.Thumb().height(), 15);
    w.bar->SetPageSize(40);
    EXPECT_EQ(w.Thumb().height(), 60);
    w.bar->SetPageSize(120);
    EXPECT_EQ(w.bar->PageSize(), 40) << "outside 0..100: ignored";
    EXPECT_EQ(w.Thumb().height(), 60);

    // LargeChange is the same value: the step at once, the thumb at the next rebuild.
    w.bar->SetLargeChange(20);
    EXPECT_EQ(w.bar->PageSize(), 20);
    EXPECT_EQ(w.Thumb().height(), 60);
    w.bar->SetHeight(185 + 10);
    EXPECT_EQ(w.Thumb().height(), 32) << "160 * 20 / 100";
}

TEST(TsuiScrollBar, HoldingAnArrowStepsEvery100msNeverPastTheEnds)
{
    Window w;
    w.bar->SetSmallChange(2);
    TsuiImageButton* inc = w.bar->IncButton();
    QTest::mousePress(inc, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_NE(inc->RepeatTimerId(), 0);
    EXPECT_EQ(inc->MouseContinuouslyDownInterval(), 100);
    EXPECT_EQ(w.bar->Position(), 0) << "nothing at the press itself";
    for (int i = 0; i < 3; ++i) // held for 350 ms
        TickRepeat(inc);
    QTest::mouseRelease(inc, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(w.bar->Position(), 6);
    ASSERT_EQ(w.senders.size(), 3);
    EXPECT_EQ(w.senders[0], w.Track()) << "the change comes from the inner track";

    w.bar->SetMax(7);
    QTest::mousePress(inc, Qt::LeftButton, {}, QPoint(5, 5));
    TickRepeat(inc);
    TickRepeat(inc);
    QTest::mouseRelease(inc, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(w.bar->Position(), 7);

    // Disabled while held, the arrow's repeat changes nothing.
    w.bar->SetPosition(0);
    QTest::mousePress(inc, Qt::LeftButton, {}, QPoint(5, 5));
    w.bar->setEnabled(false);
    TickRepeat(inc);
    EXPECT_EQ(w.bar->Position(), 0);
    w.bar->setEnabled(true);
    QTest::mouseRelease(inc, Qt::LeftButton, {}, QPoint(5, 5));

    // Near the 32-bit limits the step stops at the end instead of wrapping.
    w.bar->SetMin(INT_MIN);
    w.bar->SetMax(INT_MAX);
    w.bar->SetSmallChange(100);
    w.bar->SetPosition(INT_MAX - 1);
    w.bar->MouseContinuouslyDownInc(inc);
    EXPECT_EQ(w.bar->Position(), INT_MAX);
    w.bar->SetPosition(INT_MIN + 1);
    w.bar->MouseContinuouslyDownDec(w.bar->DecButton());
    EXPECT_EQ(w.bar->Position(), INT_MIN);
}

TEST(TsuiScrollBar, SmallChangeStaysWithinOneTo32767)
{
    Window w;
    w.bar->SetSmallChange(0);
    EXPECT_EQ(w.bar->SmallChange(), 1);
    w.bar->SetSmallChange(40000);
    EXPECT_EQ(w.bar->SmallChange(), 32767);
    w.bar->SetSmallChange(32767);
    EXPECT_EQ(w.bar->SmallChange(), 32767);
}

TEST(TsuiScrollBar, DeletedWhileAnArrowRepeatsOrFromItsOwnChangeHandler)
{
    {
        Window w;
        QTest::mousePress(w.bar->IncButton(), Qt::LeftButton, {}, QPoint(5, 5));
        delete w.bar; // the repeat goes with the control
        QTest::qWait(150);
    }
    Window w;
    QTest::mousePress(w.bar->IncButton(), Qt::LeftButton, {}, QPoint(5, 5));
    QObject::connect(w.bar, &TsuiScrollBar::OnChange, w.bar, [&] { delete w.bar; });
    TickRepeat(w.bar->IncButton());
    EXPECT_TRUE(w.bar.isNull());
}

TEST(TsuiScrollBar, ShorterThanItsArrowsHidesTheThumb)
{
    Window w;
    w.bar->SetHeight(20);
    EXPECT_EQ(w.Track()->height(), 0);
    EXPECT_TRUE(w.Track()->Slider()->isHidden());
    EXPECT_TRUE(w.bar->SliderVisible()) << "what the user asked for is kept";
    w.bar->SetPosition(50);
    w.bar->SetHeight(185);
    EXPECT_FALSE(w.Track()->Slider()->isHidden());
    EXPECT_EQ(w.Track()->Slider()->pos(), QPoint(0, 67)) << "(150 - 15) * 50 / 100";
    w.bar->SetSliderVisible(false);
    EXPECT_TRUE(w.Track()->Slider()->isHidden());
}

TEST(TsuiScrollBar, BothTakeAStylePushedOntoTheirContainerButNotTheInnerTrack)
{
    Window w;
    auto* track = new TsuiTrackBar(&w.form, &w.form);
    ContainerApplyUIStyle(&w.form, TsuiUIStyle::Protein);
    EXPECT_EQ(w.bar->UIStyle(), TsuiUIStyle::Protein);
    EXPECT_EQ(w.bar->DecButton()->size(), QSize(16, 16));
    EXPECT_EQ(w.Track()->UIStyle(), TsuiUIStyle::Custom);
    EXPECT_EQ(track->UIStyle(), TsuiUIStyle::Protein);
    EXPECT_EQ(track->GetSliderImage()->ResourceName(), "PROTEIN_TRACKBAR_SLIDER");
}

TEST(TsuiScrollBar, CustomKeepsItsLookAlsoWhenTurned)
{
    Window w(TsuiUIStyle::MacOS);
    const TColor macColor = w.bar->Color();
    w.bar->SetUIStyle(TsuiUIStyle::Custom);
    EXPECT_EQ(w.bar->Color(), macColor);
    EXPECT_EQ(w.bar->DecButton()->size(), QSize(16, 22));
    w.bar->SetOrientation(suiHorizontal);
    w.bar->SetWidth(185);
    EXPECT_EQ(w.bar->DecButton()->size(), QSize(22, 16)) << "the MacOS arrows, turned";
    EXPECT_EQ(w.Thumb(), QSize(14, 16)) << "(185 - 44) * 10 / 100 along, the caps' 16 across";
}

// A form whose frame is Custom gives nothing to load; the controls still show
// a thumb and a slider (the default style's) and work.
TEST(TsuiScrollBar, CustomFromTheStartIsStillVisibleAndUsable)
{
    QWidget host;
    host.resize(400, 300);
    auto* frame = new TsuiForm(&host, &host);
    frame->SetUIStyle(TsuiUIStyle::Custom);
    auto* scroll = new TsuiScrollBar(&host, &host);
    auto* track = new TsuiTrackBar(&host, &host);
    host.show();
    EXPECT_EQ(scroll->UIStyle(), TsuiUIStyle::Custom);
    EXPECT_EQ(scroll->DecButton()->size(), QSize(16, 16));
    EXPECT_FALSE(scroll->Track()->Slider()->isHidden());
    EXPECT_EQ(track->UIStyle(), TsuiUIStyle::Custom);
    EXPECT_EQ(track->Slider()->size(), QSize(11, 20));
    EXPECT_FALSE(track->Slider()->isHidden());
    QTest::mousePress(scroll->Track(), Qt::LeftButton, {}, QPoint(8, 140));
    QTest::mouseRelease(scroll->Track(), Qt::LeftButton, {}, QPoint(8, 140));
    EXPECT_EQ(scroll->Position(), 10);
}

TEST(TsuiScrollBar, KeysAndAccessibleValue)
{
    Window w;
    w.bar->SetSmallChange(3);
    w.bar->SetLargeChange(20);
    w.bar->setFocusPolicy(Qt::StrongFocus);
    w.bar->setFocus();
    QTest::keyClick(w.bar, Qt::Key_Down);
    QTest::keyClick(w.bar, Qt::Key_PageDown);
    EXPECT_EQ(w.bar->Position(), 23);
    QTest::keyClick(w.bar, Qt::Key_Up);
    EXPECT_EQ(w.bar->Position(), 20);

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.bar);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::ScrollBar);
    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 20);
    EXPECT_EQ(value->minimumStepSize().toInt(), 3);
    value->setCurrentValue(55);
    EXPECT_EQ(w.bar->Position(), 55);
    w.bar->setEnabled(false);
    value->setCurrentValue(60);
    EXPECT_EQ(w.bar->Position(), 55) << "a disabled scroll bar takes no value";
}

// The geometry comes before the orientation in a layout; a horizontal bar
// must keep its width through the vertical bar it starts as.
TEST(TsuiScrollBar, HorizontalBarSurvivesALayoutRoundTrip)
{
    RegisterSuiScrolling();
    QWidget form;
    auto* bar = new TsuiScrollBar(&form, &form);
    bar->setObjectName("suiScrollBar1");
    bar->SetUIStyle(TsuiUIStyle::BlueGlass);
    bar->SetOrientation(suiHorizontal);
    bar->SetBounds(4, 100, 240, 16);
    bar->SetMax(500);
    bar->SetPosition(250);
    bar->SetPageSize(25);
    const QString text = WriteLayout(bar);
    std::unique_ptr<QObject> read(ReadLayout(text));
    auto* copy = qobject_cast<TsuiScrollBar*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->geometry(), QRect(4, 100, 240, 17)) << "BlueGlass arrows are 16 x 17 turned";
    EXPECT_EQ(copy->Track()->geometry(), QRect(16, 0, 208, 16));
    EXPECT_EQ(copy->Track()->Slider()->size(), QSize(52, 16)) << "208 * 25 / 100";
    EXPECT_EQ(copy->Position(), 250);
    EXPECT_EQ(WriteLayout(copy), text);
}
