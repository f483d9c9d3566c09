#include "skin/themes/suicontrol.h"
#include "tests/support/repeattick.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Two parts side by side, 20 pixels wide each; counts what the machine does.
class TwoParts : public TsuiControl {
public:
    using TsuiControl::TsuiControl;
    QList<int> clicks, repeats;
    int paints = 0;
    std::function<void()> onClick;

protected:
    int PartAt(const QPoint& p) const override
    {
        if (!rect().contains(p)) return NoPart;
        return p.x() < 20 ? 0 : 1;
    }
    void PartClicked(int part) override
    {
        clicks << part;
        if (onClick) onClick();
    }
    void PartRepeated(int part) override { repeats << part; }
    void Paint(toolkit::TCanvas&) override { ++paints; }
};

void Send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

struct Fixture {
    QWidget form;
    TwoParts* control = new TwoParts(&form, &form);
    Fixture()
    {
        control->SetBounds(0, 0, 40, 10);
        control->SetRepeatInterval(100);
    }
};

} // namespace

TEST(PointerMachine, LeavingWhileHeldShowsReleasedAndPausesTheRepeatUntilItComesBack)
{
    Fixture f;
    Send(f.control, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    EXPECT_EQ(f.control->PressedPart(), 0);
    EXPECT_NE(f.control->RepeatTimerId(), 0);

    Send(f.control, QEvent::MouseMove, {25, 5}, Qt::LeftButton); // onto the other part
    EXPECT_EQ(f.control->PressedPart(), TsuiControl::NoPart);
    EXPECT_EQ(f.control->HeldPart(), 0);
    EXPECT_EQ(f.control->RepeatTimerId(), 0) << "the repeat pauses outside the held part";

    Send(f.control, QEvent::MouseMove, {3, 3}, Qt::LeftButton); // back
    EXPECT_EQ(f.control->PressedPart(), 0);
    EXPECT_NE(f.control->RepeatTimerId(), 0);
    TickRepeat(f.control);
    EXPECT_EQ(f.control->repeats, QList<int>{0});

    Send(f.control, QEvent::MouseButtonRelease, {3, 3}, Qt::NoButton);
    EXPECT_EQ(f.control->clicks, QList<int>{0});
    EXPECT_EQ(f.control->RepeatTimerId(), 0);
    EXPECT_FALSE(f.control->IsPressed());
}

// Not at the press: the first tick comes a whole period later (a coarse timer
// may be up to 5 % early), then the release stops it.
TEST(PointerMachine, FirstRepeatComesOnePeriodAfterThePress)
{
    Fixture f;
    QElapsedTimer held;
    held.start();
    Send(f.control, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.control->repeats.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.control->repeats.isEmpty(); }, 5000));
    EXPECT_GE(held.elapsed(), 90);
    Send(f.control, QEvent::MouseButtonRelease, {5, 5}, Qt::NoButton);
    EXPECT_EQ(f.control->RepeatTimerId(), 0);
}

TEST(PointerMachine, ReleaseOutsideTheHeldPartOrOnTheRightEdgeIsNoClick)
{
    Fixture f;
    Send(f.control, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    Send(f.control, QEvent::MouseButtonRelease, {25, 5}, Qt::NoButton);
    EXPECT_TRUE(f.control->clicks.isEmpty());

    // x = Width is the first column outside, as for every skin rectangle.
    Send(f.control, QEvent::MouseButtonPress, {30, 5}, Qt::LeftButton);
    Send(f.control, QEvent::MouseMove, {40, 5}, Qt::LeftButton);
    EXPECT_FALSE(f.control->IsPressed());
    Send(f.control, QEvent::MouseButtonRelease, {40, 5}, Qt::NoButton);
    EXPECT_TRUE(f.control->clicks.isEmpty());

    Send(f.control, QEvent::MouseButtonPress, {39, 9}, Qt::LeftButton);
    Send(f.control, QEvent::MouseButtonRelease, {39, 9}, Qt::NoButton);
    EXPECT_EQ(f.control->clicks, QList<int>{1});
}

TEST(PointerMachine, ClickHandlerMayDeleteTheControl)
{
    Fixture f;
    QPointer<TwoParts> control = f.control;
    control->onClick = [&] { delete control.data(); };
    Send(control, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    Send(control, QEvent::MouseButtonRelease, {5, 5}, Qt::NoButton);
    EXPECT_TRUE(control.isNull());
}

TEST(PointerMachine, HoverFollowsThePointerAcrossParts)
{
    Fixture f;
    Send(f.control, QEvent::MouseMove, {25, 5}, Qt::NoButton);
    EXPECT_EQ(f.control->HoverPart(), 1);
    Send(f.control, QEvent::MouseMove, {5, 5}, Qt::NoButton);
    EXPECT_EQ(f.control->HoverPart(), 0);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(f.control, &leave);
    EXPECT_FALSE(f.control->IsHovered());
}

// A repaint Qt asks for on its own copies the kept picture; a change paints.
TEST(PaintDiscipline, UnchangedFaceIsCopiedNotPaintedAgain)
{
    Fixture f;
    f.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.form));
    const int before = f.control->paints;
    f.control->repaint();
    EXPECT_EQ(f.control->paints, before);
    f.control->Repaint();
    EXPECT_EQ(f.control->paints, before + 1);
    f.control->SetCaption(QStringLiteral("x"));
    f.control->repaint();
    EXPECT_EQ(f.control->paints, before + 2);
    f.control->SetCaption(QStringLiteral("x"));
    f.control->repaint();
    EXPECT_EQ(f.control->paints, before + 2) << "setting the same value changes nothing";
    f.control->SetWidth(50);
    f.control->repaint();
    EXPECT_EQ(f.control->paints, before + 3);
}
