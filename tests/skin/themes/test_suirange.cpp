#include "skin/themes/suirange.h"

#include <QSignalSpy>
#include <climits>
#include <gtest/gtest.h>

namespace {

QList<int> Announced(const QSignalSpy& spy)
{
    QList<int> positions;
    for (const QList<QVariant>& call : spy)
        positions << call.at(0).toInt();
    return positions;
}

} // namespace

TEST(TsuiRange, ASliderClampsInTheOrderOfWhoSetsItAProgressBarNever)
{
    // A layout may store Min before Max: the range is taken as it comes and
    // the position is not clamped again.
    TsuiRange slider(TsuiRange::Bounds::Clamped, 0, 100, 50);
    slider.SetMax(20);
    EXPECT_EQ(slider.Position(), 50);

    // Min above Max: a setter tests Min first, the pointer Max first.
    slider.SetMin(10);
    slider.SetMax(0);
    slider.SetPosition(5);
    EXPECT_EQ(slider.Position(), 10);
    slider.SetPosition(20);
    EXPECT_EQ(slider.Position(), 0);
    slider.SetPointerPosition(5);
    EXPECT_EQ(slider.Position(), 0);
    slider.SetPointerPosition(-5);
    EXPECT_EQ(slider.Position(), 10);

    TsuiRange gauge(TsuiRange::Bounds::Free, 0, 100, 50);
    gauge.SetPosition(150);
    EXPECT_EQ(gauge.Position(), 150);
    gauge.SetPosition(-10);
    EXPECT_EQ(gauge.Position(), -10);
    gauge.SetMin(200);
    EXPECT_EQ(gauge.Position(), -10);
}

TEST(TsuiRange, StepsPastTheEndsOfRangesAtThe32BitLimitsStopThere)
{
    TsuiRange slider(TsuiRange::Bounds::Clamped, INT_MIN, INT_MAX, INT_MAX - 1);
    slider.StepBy(100);
    EXPECT_EQ(slider.Position(), INT_MAX);
    slider.StepBy(-qint64(UINT_MAX) - 100);
    EXPECT_EQ(slider.Position(), INT_MIN);
    slider.SetPointerPosition(qint64(INT_MAX) + 6);
    EXPECT_EQ(slider.Position(), INT_MAX);

    // Unclamped, a step still never wraps round.
    TsuiRange gauge(TsuiRange::Bounds::Free, 0, 100, INT_MAX);
    gauge.StepBy(1);
    EXPECT_EQ(gauge.Position(), INT_MAX);
    gauge.SetPosition(INT_MIN);
    gauge.StepBy(-1);
    EXPECT_EQ(gauge.Position(), INT_MIN);
}

TEST(TsuiRange, PageSizeIsTakenOnlyWithinItsRangeTheSmallChangeIsKeptWithinIts)
{
    TsuiRange range(TsuiRange::Bounds::Clamped, 0, 100, 0);
    range.SetPageSize(101);
    range.SetPageSize(-1);
    EXPECT_EQ(range.PageSize(), 10);
    range.SetPageSize(100);
    EXPECT_EQ(range.PageSize(), 100);
    range.SetPageSize(0);
    EXPECT_EQ(range.PageSize(), 0);

    range.SetSmallChange(0);
    EXPECT_EQ(range.SmallChange(), 1);
    range.SetSmallChange(40000);
    EXPECT_EQ(range.SmallChange(), 32767);
}

TEST(TsuiRange, AnnouncesEachRealChangeOnceAlsoWhenAHandlerSetsAnother)
{
    TsuiRange range(TsuiRange::Bounds::Clamped, 0, 100, 0);
    QSignalSpy spy(&range, &TsuiRange::Changed);
    range.Announce();
    range.SetPosition(-5); // clamped to where it was
    range.Announce();
    range.SetPosition(30);
    range.SetPosition(0); // back before anyone heard of 30
    EXPECT_FALSE(range.Unannounced());
    range.Announce();
    EXPECT_TRUE(spy.isEmpty());

    range.SetPosition(105);
    range.SetPosition(60); // stored quietly; one announcement of the latest
    EXPECT_TRUE(range.Unannounced());
    range.Announce();
    range.Announce();
    EXPECT_EQ(Announced(spy), QList<int>{60});

    // A handler that sets another position announces it itself, once.
    spy.clear();
    QObject::connect(&range, &TsuiRange::Changed, [&](int position) {
        if (position != 30) return;
        range.SetPosition(40);
        range.Announce();
    });
    range.SetPosition(30);
    EXPECT_TRUE(range.Announce());
    range.Announce();
    EXPECT_EQ(Announced(spy), (QList<int>{30, 40}));
}

TEST(TsuiRange, AHandlerMayDeleteTheRange)
{
    auto* range = new TsuiRange(TsuiRange::Bounds::Free, 0, 100, 0);
    QObject::connect(range, &TsuiRange::Changed, [range] { delete range; });
    range->SetPosition(1);
    EXPECT_FALSE(range->Announce());
}
