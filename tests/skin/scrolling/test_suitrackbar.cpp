#include "skin/controls/suiimagepanel.h"
#include "skin/scrolling/suiscrollingregistry.h"
#include "skin/scrolling/suitrackbar.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/resources.h"
#include "tests/support/repeattick.h"

#include <QAccessibleInterface>
#include <QHBoxLayout>
#include <QAccessibleValueInterface>
#include <QPointer>
#include <QTest>
#include <climits>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

// A shown window holding one track bar, with its value changes counted.
struct Window {
    QWidget form;
    QPointer<TsuiTrackBar> bar = new TsuiTrackBar(&form, &form);
    QList<QObject*> senders;
    QList<int> changes;

    explicit Window(TsuiUIStyle style = TsuiUIStyle::DeepBlue, int length = 200)
    {
        form.resize(400, 300);
        bar->SetUIStyle(style);
        bar->SetWidth(length);
        QObject::connect(bar, &TsuiTrackBar::OnChange, [this](QObject* sender) {
            senders << sender;
            changes << bar->Position();
        });
        form.show();
    }
    QPoint SliderPos() const { return bar->Slider()->pos(); }
    bool Paging() const { return bar->RepeatTimerId() != 0; }
};

} // namespace

TEST(TrackArithmetic, SliderPlaceAndValueForAPoint)
{
    // 200 pixels, an 11-pixel slider, 0..100.
    EXPECT_EQ(SliderOffsetFor(200, 11, 0, 100, 50), 94); // 189 * 50 / 100
    EXPECT_EQ(SliderOffsetFor(200, 11, 0, 100, 100), 189);
    EXPECT_EQ(ValueAtPoint(100, 200, 11, 0, 100), 50); // (100 - 5) * 100 / 189
    EXPECT_EQ(ValueAtPoint(0, 200, 11, 0, 100), -2) << "not clamped: (0 - 5) * 100 / 189 truncates";
    EXPECT_EQ(SliderOffsetFor(200, 11, 7, 7, 7), 0) << "an empty range puts the slider at the start";
    EXPECT_EQ(ValueAtPoint(150, 200, 200, 10, 20), 0) << "a slider filling the track makes every point 0";

    // Ranges at the 32-bit limits: the products need 64 bits.
    EXPECT_EQ(SliderOffsetFor(200, 11, INT_MIN, INT_MAX, 0), 94);
    EXPECT_EQ(SliderOffsetFor(200, 11, INT_MIN, INT_MAX, INT_MAX), 189);
    EXPECT_EQ(SliderOffsetFor(200, 11, INT_MIN, INT_MAX, INT_MIN), 0);
    EXPECT_EQ(ValueAtPoint(5 + 189, 200, 11, INT_MIN, INT_MAX), INT_MAX);
    EXPECT_EQ(ValueAtPoint(5, 200, 11, INT_MIN, INT_MAX), INT_MIN);
    EXPECT_EQ(ClampPointerValue(ValueAtPoint(400, 200, 11, INT_MIN, INT_MAX), INT_MIN, INT_MAX), INT_MAX);
    // A value left outside a shrunken range still gives a placeable offset.
    EXPECT_LT(std::abs(SliderOffsetFor(200, 11, 0, 1, INT_MAX)), 1 << 25);
}

TEST(TrackArithmetic, ClampOrderPagingAndKeys)
{
    // The setter tests Min first, the pointer tests Max first: they differ
    // only for Min above Max.
    EXPECT_EQ(ClampPosition(5, 10, 0), 10);
    EXPECT_EQ(ClampPointerValue(5, 10, 0), 0);
    EXPECT_EQ(ClampPosition(qint64(INT_MAX) + 6, 0, INT_MAX), INT_MAX);

    // One page towards the pointer, never past the value under it.
    EXPECT_EQ(PageTowards(20, 100, 10, 10, 50), 20);
    EXPECT_EQ(PageTowards(20, 100, 45, 10, 50), 50);
    EXPECT_EQ(PageTowards(80, 10, 40, 10, 35), 35);
    EXPECT_EQ(PageTowards(80, 10, 40, 10, 0), 30);
    EXPECT_FALSE(PageTowards(80, 80, 40, 10, 40)) << "the pointer at the slider's leading edge pages nowhere";

    EXPECT_EQ(ValueForKey(Qt::Key_Left, 50, 0, 100, 2, 10), 48);
    EXPECT_EQ(ValueForKey(Qt::Key_Down, 50, 0, 100, 2, 10), 52);
    EXPECT_EQ(ValueForKey(Qt::Key_PageUp, 50, 0, 100, 2, 10), 40);
    EXPECT_EQ(ValueForKey(Qt::Key_PageDown, 50, 0, 100, 2, 10), 60);
    EXPECT_EQ(ValueForKey(Qt::Key_Home, 50, 0, 100, 2, 10), 0);
    EXPECT_EQ(ValueForKey(Qt::Key_End, 50, 0, 100, 2, 10), 100);
    EXPECT_FALSE(ValueForKey(Qt::Key_A, 50, 0, 100, 2, 10));
}

TEST(TsuiTrackBar, CreatedWithTheFormsStyleItsPicturesAndThickness)
{
    QWidget form;
    TsuiTrackBar bar(&form, &form);
    EXPECT_EQ(bar.UIStyle(), TsuiUIStyle::DeepBlue); // no skinned frame on the form
    EXPECT_EQ(bar.Color(), GetThemeColor(TsuiUIStyle::DeepBlue, teTrackBarColor));
    EXPECT_EQ(bar.BarImage()->ResourceName(), "DEEPBLUE_TRACKBAR_BAR");
    EXPECT_EQ(bar.GetSliderImage()->ResourceName(), "DEEPBLUE_TRACKBAR_SLIDER");
    EXPECT_EQ(bar.Slider()->size(), QSize(11, 20)) << "the slider takes its picture's size";
    EXPECT_EQ(bar.Height(), 20) << "the larger of bar (4) and slider (20)";
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.PageSize(), 10);

    // The thickness follows the pictures whatever is asked of it.
    bar.SetHeight(50);
    EXPECT_EQ(bar.Height(), 20);
    bar.SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(bar.Height(), 21);
    bar.SetOrientation(suiVertical);
    EXPECT_EQ(bar.Width(), 22) << "WinXP's vertical slider is 22 x 11";
    EXPECT_EQ(bar.GetSliderImage()->ResourceName(), "WINXP_TRACKBAR_SLIDER_V");
}

TEST(TsuiTrackBar, QtLayoutsStretchTheLengthAndKeepTheThickness)
{
    QWidget form;
    auto* layout = new QHBoxLayout(&form);
    auto* bar = new TsuiTrackBar(&form, &form);
    bar->SetOrientation(suiVertical);
    layout->addWidget(bar);
    form.resize(300, 200);
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->Width(), 18) << "DeepBlue's vertical slider";
    EXPECT_GT(bar->Height(), 150);
    EXPECT_EQ(bar->BarStrip().Height(), bar->Height());
}

TEST(TsuiTrackBar, BarStripKeepsTheEndsAndStretchesTheMiddleInBothOrientations)
{
    Window w(TsuiUIStyle::WinXP, 200);
    const QImage bar = LoadBitmapResource("WINXP_TRACKBAR_BAR"); // three 15 x 8 frames
    ASSERT_EQ(bar.size(), QSize(45, 8));
    const QImage strip = w.bar->BarStrip().Image();
    ASSERT_EQ(strip.size(), QSize(200, 8));
    for (int y = 0; y < 8; ++y) {
        EXPECT_EQ(strip.pixel(0, y), bar.pixel(0, y));
        EXPECT_EQ(strip.pixel(14, y), bar.pixel(14, y));
        EXPECT_EQ(strip.pixel(100, y), bar.pixel(22, y)) << "the uniform middle frame";
        EXPECT_EQ(strip.pixel(199, y), bar.pixel(44, y));
    }
    // Painted centred across the 21-pixel thickness: (21 - 8) / 2 = 6.
    const QImage face = w.bar->RenderToImage();
    EXPECT_EQ(face.pixel(0, 6), strip.pixel(0, 0));
    EXPECT_EQ(face.pixel(199, 13), strip.pixel(199, 7));
    EXPECT_EQ(face.pixel(100, 5), ColorToQColor(w.bar->Color()).rgb());

    // Vertical: the strip turned anticlockwise, its right end at the top.
    w.bar->SetOrientation(suiVertical);
    w.bar->SetHeight(120);
    const QImage turned = w.bar->BarStrip().Image();
    ASSERT_EQ(turned.size(), QSize(8, 120));
    EXPECT_EQ(turned.pixel(0, 0), bar.pixel(44, 0));
    EXPECT_EQ(turned.pixel(7, 119), bar.pixel(0, 7));
    const QImage upright = w.bar->RenderToImage();
    EXPECT_EQ(upright.pixel(7, 0), turned.pixel(0, 0)) << "(22 - 8) / 2 = 7";
}

TEST(TsuiTrackBar, SetPositionClampsAndAnnouncesOnlyChanges)
{
    Window w;
    w.bar->SetPosition(105);
    w.bar->SetPosition(-5);
    w.bar->SetPosition(-5);
    EXPECT_EQ(w.changes, (QList<int>{100, 0})) << "the same value is not announced again";
    EXPECT_EQ(w.senders.value(0), w.bar.data());

    w.bar->SetMax(0);
    w.bar->SetMin(10);
    w.bar->SetPosition(5);
    EXPECT_EQ(w.bar->Position(), 10) << "below Min is tested first";

    // A handler that sets another value: each value announced once.
    w.changes.clear();
    w.bar->SetMin(0);
    w.bar->SetMax(100);
    QObject::connect(w.bar, &TsuiTrackBar::OnChange, [&] {
        if (w.bar->Position() == 30) w.bar->SetPosition(40);
    });
    w.bar->SetPosition(30);
    EXPECT_EQ(w.changes, (QList<int>{30, 40})) << "40 announced by the handler's own set, not again";
    EXPECT_EQ(w.bar->Position(), 40);

    w.bar->SetPageSize(150);
    w.bar->SetPageSize(-1);
    EXPECT_EQ(w.bar->PageSize(), 10);
    w.bar->SetPageSize(0);
    EXPECT_EQ(w.bar->PageSize(), 0);
    w.bar->SetPageSize(100);
    EXPECT_EQ(w.bar->PageSize(), 100) << "a whole range is still a page";
}

// The slider follows every change of geometry and range, announced or not.
TEST(TsuiTrackBar, SliderReplacedAfterResizeRangeAndStyleWithoutAnAnnouncement)
{
    Window w;
    w.bar->SetPosition(50);
    EXPECT_EQ(w.SliderPos(), QPoint(94, 0));
    w.changes.clear();

    w.bar->SetWidth(300);
    EXPECT_EQ(w.SliderPos(), QPoint(144, 0)) << "289 * 50 / 100";
    w.bar->SetMax(200);
    EXPECT_EQ(w.SliderPos(), QPoint(72, 0));
    w.bar->SetMin(100);
    EXPECT_EQ(w.SliderPos(), QPoint(-144, 0)) << "Position is not clamped again: 289 * (50 - 100) / 100";
    w.bar->SetMin(0);
    w.bar->SetUIStyle(TsuiUIStyle::WinXP); // slider 11 x 21 on a 21-pixel bar
    EXPECT_EQ(w.SliderPos(), QPoint(72, 0));
    w.bar->SetOrientation(suiVertical);
    w.bar->SetHeight(211);
    EXPECT_EQ(w.SliderPos(), QPoint(0, 50)) << "(211 - 11) * 50 / 200";
    EXPECT_TRUE(w.changes.isEmpty());
}

TEST(TsuiTrackBar, DragFollowsThePointerLessTheGrabOffset)
{
    Window w;
    int clicks = 0;
    QObject::connect(w.bar, &TsuiTrackBar::OnClick, [&] { ++clicks; });
    w.bar->SetPosition(50); // slider at x = 94
    QTest::mousePress(w.bar, Qt::LeftButton, {}, QPoint(97, 10)); // 3 pixels into the slider
    EXPECT_TRUE(w.bar->Dragging());
    w.changes.clear();

    QTest::mouseMove(w.bar, QPoint(150, 30));
    EXPECT_EQ(w.SliderPos().x(), 147);
    EXPECT_EQ(w.bar->Position(), 76) << "(150 - 5) * 100 / 189, as if the pointer were the slider's centre";
    QTest::mouseMove(w.bar, QPoint(150, 0));
    QTest::mouseMove(w.bar, QPoint(-40, 0));
    EXPECT_EQ(w.SliderPos().x(), 0);
    EXPECT_EQ(w.bar->Position(), 0);
    QTest::mouseMove(w.bar, QPoint(500, 0));
    EXPECT_EQ(w.SliderPos().x(), 189);
    EXPECT_EQ(w.bar->Position(), 100);
    EXPECT_EQ(w.changes, (QList<int>{76, 0, 100}));

    QTest::mouseRelease(w.bar, Qt::LeftButton, {}, QPoint(194, 5)); // over the slider
    EXPECT_FALSE(w.bar->Dragging());
    EXPECT_EQ(clicks, 0) << "a drag is not a click";
    QTest::mouseMove(w.bar, QPoint(20, 0));
    EXPECT_EQ(w.bar->Position(), 100) << "moves after the release do nothing";

    // Any button drags.
    QTest::mousePress(w.bar, Qt::RightButton, {}, QPoint(190, 5));
    EXPECT_TRUE(w.bar->Dragging());
    QTest::mouseRelease(w.bar, Qt::RightButton, {}, QPoint(190, 5));
}

TEST(TsuiTrackBar, PagingStepsAtOnceThenEvery500msUntilReleaseOrLeaving)
{
    Window w; // 200 wide, 11-pixel slider at 0, PageSize 10
    const QPoint threePagesAway(72, 10); // stands for (72 - 5) * 100 / 189 = 35
    QTest::mousePress(w.bar, Qt::LeftButton, {}, threePagesAway);
    EXPECT_EQ(w.bar->Position(), 10);
    EXPECT_TRUE(w.Paging());
    EXPECT_EQ(w.bar->RepeatInterval(), 500);
    TickRepeat(w.bar);
    EXPECT_EQ(w.bar->Position(), 20);
    TickRepeat(w.bar);
    EXPECT_EQ(w.bar->Position(), 30);
    TickRepeat(w.bar);
    EXPECT_EQ(w.bar->Position(), 35) << "never past the value under the pointer";
    TickRepeat(w.bar);
    EXPECT_EQ(w.bar->Position(), 35);
    QTest::mouseRelease(w.bar, Qt::LeftButton, {}, threePagesAway);
    EXPECT_FALSE(w.Paging());
    EXPECT_EQ(w.changes, (QList<int>{10, 20, 30, 35}));

    // Back towards the start; leaving the control ends it, the far edges
    // counting as inside.
    QTest::mousePress(w.bar, Qt::LeftButton, {}, QPoint(2, 10));
    EXPECT_EQ(w.bar->Position(), 25);
    QTest::mouseMove(w.bar, QPoint(2, w.bar->height()));
    EXPECT_TRUE(w.Paging());
    QTest::mouseMove(w.bar, QPoint(-1, 10));
    EXPECT_FALSE(w.Paging());
    QTest::mouseRelease(w.bar, Qt::LeftButton, {}, QPoint(-1, 10));
    EXPECT_EQ(w.bar->Position(), 25);

    // Disabled (by a handler, say) while held: the release never comes, so
    // the paging ends at once.
    QTest::mousePress(w.bar, Qt::LeftButton, {}, QPoint(190, 10));
    EXPECT_EQ(w.bar->Position(), 35);
    w.bar->setEnabled(false);
    EXPECT_FALSE(w.Paging());
    w.bar->setEnabled(true);

    // A right press does not page; nor does a page of 0.
    QTest::mousePress(w.bar, Qt::RightButton, {}, QPoint(190, 10));
    QTest::mouseRelease(w.bar, Qt::RightButton, {}, QPoint(190, 10));
    int clicks = 0;
    QObject::connect(w.bar, &TsuiTrackBar::OnClick, [&] { ++clicks; });
    w.bar->SetPageSize(0);
    QTest::mousePress(w.bar, Qt::LeftButton, {}, QPoint(190, 10));
    QTest::mouseRelease(w.bar, Qt::LeftButton, {}, QPoint(190, 10));
    EXPECT_EQ(w.bar->Position(), 35);
    EXPECT_EQ(clicks, 1) << "a left press and release on the bar is a click";
}

// Only a move past x = Width or y = Height leaves: on the edge the paging goes
// on, and a release there is no click.
TEST(TsuiTrackBar, PagingGoesOnWithThePointerOnTheRightEdge)
{
    Window w; // 200 wide, slider at 0, PageSize 10
    int clicks = 0;
    QObject::connect(w.bar, &TsuiTrackBar::OnClick, [&] { ++clicks; });
    QTest::mousePress(w.bar, Qt::LeftButton, {}, QPoint(190, 10));
    EXPECT_EQ(w.bar->Position(), 10);
    const QPoint edge(w.bar->width(), 10);
    QTest::mouseMove(w.bar, edge);
    EXPECT_TRUE(w.Paging());
    TickRepeat(w.bar);
    EXPECT_EQ(w.bar->Position(), 20);
    QTest::mouseRelease(w.bar, Qt::LeftButton, {}, edge);
    EXPECT_FALSE(w.Paging());
    EXPECT_EQ(clicks, 0);
}

TEST(TsuiTrackBar, DeletedWhilePagingOrFromItsOwnChangeHandler)
{
    {
        Window w;
        QTest::mousePress(w.bar, Qt::LeftButton, {}, QPoint(190, 10));
        delete w.bar; // the page repeat goes with the control
        QTest::qWait(20);
    }
    Window w;
    QTest::mousePress(w.bar, Qt::LeftButton, {}, QPoint(190, 10));
    QObject::connect(w.bar, &TsuiTrackBar::OnChange, w.bar, [&] { delete w.bar; });
    TickRepeat(w.bar);
    EXPECT_TRUE(w.bar.isNull());
}

TEST(TsuiTrackBar, KeysStepAndPageAndTheValueIsAccessible)
{
    Window w;
    w.bar->setFocus();
    QTest::keyClick(w.bar, Qt::Key_Right);
    QTest::keyClick(w.bar, Qt::Key_PageDown);
    EXPECT_EQ(w.bar->Position(), 11);
    QTest::keyClick(w.bar, Qt::Key_End);
    QTest::keyClick(w.bar, Qt::Key_Down);
    EXPECT_EQ(w.bar->Position(), 100);
    QTest::keyClick(w.bar, Qt::Key_Home);
    EXPECT_EQ(w.bar->Position(), 0);

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.bar);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Slider);
    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->maximumValue().toInt(), 100);
    EXPECT_EQ(value->minimumStepSize().toInt(), 1);
    value->setCurrentValue(64.0);
    EXPECT_EQ(w.bar->Position(), 64);
    EXPECT_EQ(w.changes.last(), 64);
    value->setCurrentValue(1e12);
    EXPECT_EQ(value->currentValue().toInt(), 100);
}

// A vertical bar's height comes before its orientation in a layout; it must
// survive the thickness rule of the horizontal bar it starts as.
TEST(TsuiTrackBar, VerticalBarSurvivesALayoutRoundTrip)
{
    RegisterSuiScrolling();
    QWidget form;
    auto* bar = new TsuiTrackBar(&form, &form);
    bar->setObjectName("suiTrackBar1");
    bar->SetUIStyle(TsuiUIStyle::MacOS);
    bar->SetOrientation(suiVertical);
    bar->SetBounds(8, 8, 19, 160);
    bar->SetMax(40);
    bar->SetPosition(30);
    const QString text = WriteLayout(bar);
    std::unique_ptr<QObject> read(ReadLayout(text));
    auto* copy = qobject_cast<TsuiTrackBar*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->size(), QSize(19, 160));
    EXPECT_EQ(copy->Orientation(), suiVertical);
    EXPECT_EQ(copy->Position(), 30);
    EXPECT_EQ(copy->Slider()->pos(), QPoint(0, 111)) << "(160 - 11) * 30 / 40";
    EXPECT_EQ(WriteLayout(copy), text);
}
