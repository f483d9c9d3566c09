#include "scrollingtestsupport.h"
#include "skin/buttons/suibutton.h"
#include "skin/buttons/suicheckbox.h"
#include "skin/scrolling/suiscrollingregistry.h"
#include "skin/scrolling/suisidechannel.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/speedbutton.h"
#include "toolkit/stdctrls.h"
#include "toolkit/layoutwriter.h"

#include <QAccessibleInterface>
#include <QCursor>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

struct Channel {
    QWidget host;
    TsuiSideChannel* channel = new TsuiSideChannel(&host, &host);
    QList<int> widths;
    int pops = 0, pushes = 0;

    Channel()
    {
        host.resize(400, 300);
        channel->SetWidth(200);
        QObject::connect(channel, &TsuiSideChannel::OnResize, [this] { widths << channel->width(); });
        QObject::connect(channel, &TsuiSideChannel::OnPop, [this] { ++pops; });
        QObject::connect(channel, &TsuiSideChannel::OnPush, [this] { ++pushes; });
        host.show();
        widths.clear();
    }
};

QList<int> Steps(int from, int to, int step)
{
    QList<int> steps;
    for (int w = from; step > 0 ? w < to : w > to; w += step)
        steps << w;
    return steps;
}

void Tick(QTimer* timer)
{
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
}

} // namespace

TEST(SideChannel, SlidesOutAndInByFifteenPixelSteps)
{
    Channel c;
    EXPECT_EQ(c.channel->width(), 10);
    EXPECT_EQ(c.channel->geometry(), QRect(0, 0, 10, 300));
    EXPECT_FALSE(c.channel->PinButton()->isVisible());

    c.channel->Pop(false);
    EXPECT_EQ(c.widths, Steps(25, 200, 15) << 200);
    EXPECT_EQ(c.pops, 1);
    EXPECT_TRUE(c.channel->PinButton()->isVisible());
    EXPECT_TRUE(c.channel->CheckTimer()->isActive());
    EXPECT_EQ(c.channel->CaptionBar()->width(), 200);
    EXPECT_EQ(c.channel->PinButton()->geometry(), QRect(180, 0, 20, 16));

    c.widths.clear();
    c.channel->Pop(false); // already out
    c.channel->Push(false);
    EXPECT_EQ(c.widths, Steps(185, 10, -15) << 10);
    EXPECT_EQ(c.pushes, 1);
    EXPECT_FALSE(c.channel->CheckTimer()->isActive());
    EXPECT_EQ(c.channel->OutWidth(), 200);

    c.widths.clear();
    c.channel->SetQuickMove(true);
    c.channel->Pop(c.channel->QuickMove());
    c.channel->Push(c.channel->QuickMove());
    EXPECT_EQ(c.widths, (QList<int>{200, 10}));
    EXPECT_EQ(c.pops, 2);
    EXPECT_EQ(c.pushes, 2);
}

TEST(SideChannel, DockedRightItGrowsTowardsTheLeft)
{
    Channel c;
    c.channel->SetSideAlign(TsuiSideChannelAlign::suiRight);
    EXPECT_EQ(c.channel->Align(), alRight);
    EXPECT_EQ(c.channel->geometry(), QRect(390, 0, 10, 300));
    c.channel->Pop(true);
    EXPECT_EQ(c.channel->geometry(), QRect(200, 0, 200, 300));
    EXPECT_EQ(c.channel->SideBar()->x(), 0);
}

TEST(SideChannel, ARequestDuringASlideIsIgnoredAndDeletionStopsIt)
{
    {
        Channel c;
        QObject::connect(c.channel, &TsuiSideChannel::OnResize, [&] {
            c.channel->Push(true);
            c.channel->Pop(true);
        });
        c.channel->Pop(false);
        EXPECT_EQ(c.channel->width(), 200);
        EXPECT_EQ(c.pops, 1);
        EXPECT_EQ(c.pushes, 0);
    }
    Channel c;
    const QPointer<TsuiSideChannel> alive(c.channel);
    QTimer::singleShot(0, c.channel, [&] { delete c.channel; });
    c.channel->Pop(false);
    EXPECT_TRUE(alive.isNull());
    EXPECT_LT(c.widths.size(), 3);
}

TEST(SideChannel, PopsOnHoverOrOnClickAsItsModeSays)
{
    Channel c;
    c.channel->SetPopupMode(suiMouseClick);
    QTest::mouseMove(c.channel->GripButton(), QPoint(3, 50));
    EXPECT_FALSE(c.channel->IsOut());
    QTest::mouseClick(c.channel->GripButton(), Qt::LeftButton, {}, QPoint(3, 50));
    EXPECT_TRUE(c.channel->IsOut());

    Channel hover;
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 200), hover.channel->SideBar()->mapToGlobal(QPointF(3, 200)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(hover.channel->SideBar(), &move);
    EXPECT_TRUE(hover.channel->IsOut());
}

TEST(SideChannel, PinningKeepsItOutAndTheLeaveCheckPushesOtherwise)
{
    Channel c;
    c.channel->SetStayOn(true);
    EXPECT_TRUE(c.channel->IsOut());
    EXPECT_TRUE(c.channel->PinButton()->Down());
    EXPECT_FALSE(c.channel->CheckTimer()->isActive());

    // A pinned channel stays out when its side bar changes width.
    c.channel->SetSideWidth(14);
    EXPECT_TRUE(c.channel->IsOut());
    EXPECT_EQ(c.channel->width(), 200);

    // The pin toggles: up again restarts the check.
    QTest::mouseClick(c.channel->PinButton(), Qt::LeftButton);
    EXPECT_FALSE(c.channel->StayOn());
    EXPECT_TRUE(c.channel->CheckTimer()->isActive());
    QCursor::setPos(c.channel->mapToGlobal(QPoint(100, 100)));
    Tick(c.channel->CheckTimer());
    EXPECT_TRUE(c.channel->IsOut());
    QCursor::setPos(c.channel->mapToGlobal(QPoint(300, 100)));
    Tick(c.channel->CheckTimer());
    EXPECT_FALSE(c.channel->IsOut());
    EXPECT_EQ(c.channel->width(), 14);

    // Unpinning pushes at once, without sliding.
    c.channel->SetStayOn(true);
    c.widths.clear();
    c.channel->SetStayOn(false);
    EXPECT_EQ(c.widths, QList<int>{14});

    // The edges count as outside.
    c.channel->Pop(true);
    const QPoint origin = c.channel->mapToGlobal(QPoint(0, 0));
    EXPECT_FALSE(c.channel->PointerInside(origin + QPoint(200, 10)));
    EXPECT_FALSE(c.channel->PointerInside(origin + QPoint(10, 0)));
    EXPECT_TRUE(c.channel->PointerInside(origin + QPoint(199, 1)));
}

// The controls of a channel that is in lie outside the window: neither
// assistive technology nor Tab reaches them until it slides out, and a
// control hidden by its owner stays hidden.
TEST(SideChannel, ControlsOfAChannelThatIsInAreNotShowing)
{
    QWidget host;
    host.resize(400, 300);
    auto* outside = new QLineEdit(&host);
    outside->setGeometry(250, 10, 100, 20);
    auto* channel = new TsuiSideChannel(&host, &host);
    channel->SetWidth(200);
    auto* box = new TsuiCheckBox(&host, channel);
    box->SetBounds(20, 30, 150, 17);
    auto* edit = new QLineEdit(channel);
    edit->setGeometry(20, 60, 150, 20);
    auto* hiddenByOwner = new QLineEdit(channel);
    hiddenByOwner->hide();
    // The pointer away from the channel, which it would pop.
    QCursor::setPos(host.mapToGlobal(QPoint(host.width() + 100, host.height() + 100)));
    host.show();
    QApplication::setActiveWindow(&host);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    QCoreApplication::processEvents();
    ASSERT_FALSE(channel->IsOut());

    const auto showing = [](QWidget* control) {
        return !QAccessible::queryAccessibleInterface(control)->state().invisible;
    };
    const auto tabReaches = [&](QWidget* control) {
        outside->setFocus();
        for (int i = 0; i < 8 && host.focusWidget() != control; ++i) QTest::keyClick(host.focusWidget(), Qt::Key_Tab);
        return host.focusWidget() == control;
    };
    EXPECT_FALSE(showing(box));
    EXPECT_FALSE(showing(edit));
    EXPECT_FALSE(tabReaches(edit));

    channel->Pop(true);
    EXPECT_TRUE(showing(box));
    EXPECT_TRUE(showing(edit));
    EXPECT_TRUE(tabReaches(edit));
    EXPECT_FALSE(hiddenByOwner->isVisible());

    // Pushed with the focus inside: the focus leaves with the controls.
    channel->Push(true);
    EXPECT_FALSE(showing(box));
    EXPECT_FALSE(showing(edit));
    EXPECT_NE(host.focusWidget(), edit);
    EXPECT_FALSE(tabReaches(edit));
    channel->Pop(true);
    EXPECT_TRUE(showing(edit));
    EXPECT_FALSE(hiddenByOwner->isVisible());
}

TEST(SideChannel, ResizingTheOpenChannelSetsItsOutWidthDownToFifty)
{
    Channel c;
    c.channel->Pop(true);
    c.channel->TCustomPanel::SetWidth(120);
    EXPECT_EQ(c.channel->OutWidth(), 120);
    c.channel->TCustomPanel::SetWidth(40);
    EXPECT_EQ(c.channel->width(), 120);
    c.channel->Push(true);
    c.channel->Pop(false);
    EXPECT_EQ(c.channel->width(), 120);
}

TEST(SideChannel, StoredSettingsTakeEffectOnceLoaded)
{
    RegisterSuiScrolling();
    RegisterStandardControls();
    RegisterClass<RecordingForm>(QStringLiteral("RecordingForm"));
    RecordingForm form;
    form.setObjectName(QStringLiteral("Form1"));
    form.resize(400, 300);
    ReadLayoutInto(&form, QStringLiteral("object Form1: RecordingForm\n"
                                         "  object Side1: TsuiSideChannel\n"
                                         "    Width = 150\n"
                                         "    Caption = 'Tools'\n"
                                         "    Align = suiRight\n"
                                         "    StayOn = True\n"
                                         "    QuickMove = True\n"
                                         "  end\n"
                                         "end\n"));
    form.show();
    auto* channel = form.findChild<TsuiSideChannel*>();
    ASSERT_NE(channel, nullptr);
    EXPECT_TRUE(channel->IsOut());
    EXPECT_EQ(channel->geometry(), QRect(250, 0, 150, 300));
    EXPECT_EQ(channel->CaptionBar()->Caption(), QStringLiteral("Tools"));

    const QString written = WriteLayout(&form);
    EXPECT_TRUE(written.contains(QStringLiteral("Align = suiRight"))) << written.toStdString();
    EXPECT_EQ(written.count(QStringLiteral("Width =")), 1) << written.toStdString();
}

TEST(SideChannel, ThePinIsAToggleButtonNamedByWhatItDoes)
{
    Channel c;
    c.channel->Pop(true);
    QAccessibleInterface* pin = QAccessible::queryAccessibleInterface(c.channel->PinButton());
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(pin->role(), QAccessible::Button);
    EXPECT_EQ(pin->text(QAccessible::Name), QStringLiteral("Keep open"));
    EXPECT_TRUE(pin->state().checkable);
    EXPECT_FALSE(pin->state().checked);
    pin->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(pin->state().checked);
    EXPECT_TRUE(c.channel->StayOn());
}

TEST(SideChannel, StylesSetItsColours)
{
    Channel c;
    ContainerApplyUIStyle(&c.host, TsuiUIStyle::Protein);
    EXPECT_EQ(c.channel->Color(), GetThemeColor(TsuiUIStyle::Protein, teControlColor));
    EXPECT_EQ(c.channel->SideBarColor(), GetThemeColor(TsuiUIStyle::Protein, teControlColor));
    ContainerApplyUIStyle(&c.host, TsuiUIStyle::Custom);
    EXPECT_EQ(c.channel->SideBarColor(), GetThemeColor(TsuiUIStyle::Protein, teControlColor));
}

TEST(SideChannel, ItsCaptionShowsOnlyWhileOut)
{
    Channel c;
    c.channel->SetCaption(QStringLiteral("Tools"));
    EXPECT_EQ(c.channel->Caption(), QStringLiteral("Tools"));
    EXPECT_TRUE(c.channel->CaptionBar()->Caption().isEmpty());
    c.channel->Pop(true);
    EXPECT_EQ(c.channel->CaptionBar()->Caption(), QStringLiteral("Tools"));
    c.channel->SetCaption(QStringLiteral("More tools"));
    EXPECT_EQ(c.channel->CaptionBar()->Caption(), QStringLiteral("More tools"));
    c.channel->Push(true);
    EXPECT_TRUE(c.channel->CaptionBar()->Caption().isEmpty());
}

TEST(SideChannel, PassesAStyleOnToTheControlsPlacedInItButNotToItsGrip)
{
    Channel c;
    auto* box = new TsuiCheckBox(&c.host, c.channel);
    box->SetUIStyle(TsuiUIStyle::MacOS);
    SubContainerApplyUIStyle(&c.host, TsuiUIStyle::WinXP);
    EXPECT_EQ(box->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(c.channel->GripButton()->UIStyle(), TsuiUIStyle::Custom);
    EXPECT_EQ(c.channel->GripButton()->GetPicNormal(), QStringLiteral("SIDECHANNEL_BAR_NORMAL"));
}
