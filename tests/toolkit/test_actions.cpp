#include "toolkit/actions.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/menus.h"
#include "toolkit/speedbutton.h"
#include "toolkit/stdctrls.h"
#include "toolkit/toolbar.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace toolkit;

// A window whose layout binds its actions' events.
class ActionForm : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    int executed = 0;
    bool openAllowed = true;

public slots:
    void OpenExecute() { ++executed; }
    void OpenUpdate(QObject* sender) { static_cast<TAction*>(sender)->SetEnabled(openAllowed); }
};

namespace {

const QString kLayout = QStringLiteral(R"(object Form: ActionForm
  object Actions: TActionList
    object OpenAction: TAction
      Caption = 'Open'
      Hint = 'Open a file'
      ShortCut = 16463
      OnExecute = OpenExecute
      OnUpdate = OpenUpdate
    end
  end
  object Menu1: TPopupMenu
    object OpenItem: TMenuItem
      Action = OpenAction
    end
  end
  object OpenButton: TSpeedButton
    Width = 60
    Height = 22
    Action = OpenAction
  end
end
)");

struct Actions : ::testing::Test {
    void SetUp() override
    {
        RegisterStandardControls();
        RegisterClass<ActionForm>(QStringLiteral("ActionForm"));
        form = std::make_unique<ActionForm>();
        ReadLayoutInto(form.get(), kLayout);
        action = form->findChild<TAction*>(QStringLiteral("OpenAction"));
        button = form->findChild<TSpeedButton*>(QStringLiteral("OpenButton"));
        item = form->findChild<TMenuItem*>(QStringLiteral("OpenItem"));
        ASSERT_TRUE(action && button && item);
    }

    std::unique_ptr<ActionForm> form;
    TAction* action = nullptr;
    TSpeedButton* button = nullptr;
    TMenuItem* item = nullptr;
};

} // namespace

TEST_F(Actions, ButtonAndMenuItemFollowTheirAction)
{
    EXPECT_EQ(button->Caption(), "Open");
    EXPECT_EQ(button->Hint(), "Open a file");
    EXPECT_EQ(item->Caption(), "Open");
    EXPECT_EQ(item->ShortCut(), 16463);

    action->SetCaption(QStringLiteral("Load"));
    action->SetEnabled(false);
    action->SetChecked(true);
    EXPECT_EQ(button->Caption(), "Load");
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(item->Caption(), "Load");
    EXPECT_FALSE(item->Enabled());
    EXPECT_TRUE(item->Checked());

    // A deleted action leaves its clients as they were.
    delete action;
    EXPECT_EQ(button->Action(), nullptr);
    button->Click();
    EXPECT_EQ(form->executed, 0);
}

TEST_F(Actions, ClickAndShortCutRunTheActionWhileEnabled)
{
    button->Click();
    item->Click();
    EXPECT_EQ(form->executed, 2);

    // The menu item shows the action's shortcut, and only the action binds
    // it: a key bound twice in one window would fire neither.
    form->show();
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(form->executed, 3);

    // Running brings the state up to date first (OnUpdate disables it).
    form->openAllowed = false;
    button->Click();
    QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(form->executed, 3);
    EXPECT_FALSE(button->isEnabled());

    // A click handler of the control's own comes first.
    form->openAllowed = true;
    int clicked = 0;
    QObject::connect(button, &TCustomControl::OnClick, [&] { ++clicked; });
    button->Click();
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(form->executed, 3);
}

TEST_F(Actions, OnUpdateRunsWhenTheApplicationIsIdleAfterInput)
{
    form->show();
    form->openAllowed = false;
    QTest::keyClick(form.get(), Qt::Key_A);
    QCoreApplication::processEvents();
    EXPECT_FALSE(button->isEnabled());
    form->openAllowed = true;
    QTest::mouseClick(form.get(), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(button->isEnabled());
}

TEST(ToolButtonAction, TheButtonFollowsAndRunsItsAction)
{
    RegisterStandardControls();
    RegisterClass<ActionForm>(QStringLiteral("ActionForm"));
    ActionForm form;
    ReadLayoutInto(&form, QStringLiteral(R"(object Form: ActionForm
  object Actions: TActionList
    object BoldAction: TAction
      Caption = 'Bold'
      Hint = 'Bold text'
      ImageIndex = 2
      OnExecute = OpenExecute
    end
  end
  object Bar1: TToolBar
    object BoldButton: TToolButton
      Action = BoldAction
      Style = tbsCheck
    end
    object OtherButton: TToolButton
    end
  end
end
)"));
    auto* action = form.findChild<TAction*>(QStringLiteral("BoldAction"));
    auto* button = form.findChild<TToolButton*>(QStringLiteral("BoldButton"));
    auto* other = form.findChild<TToolButton*>(QStringLiteral("OtherButton"));
    form.show();
    EXPECT_EQ(button->Caption(), "Bold");
    EXPECT_EQ(button->Hint(), "Bold text");
    EXPECT_EQ(button->ImageIndex(), 2);

    action->SetChecked(true);
    action->SetEnabled(false);
    EXPECT_TRUE(button->Down());
    EXPECT_FALSE(button->isEnabled());
    action->SetEnabled(true);
    const int otherLeft = other->x();
    action->SetVisible(false);
    EXPECT_TRUE(button->isHidden());
    EXPECT_LT(other->x(), otherLeft); // the bar closes the gap
    action->SetVisible(true);

    // A click runs the action; the check button keeps the action's state.
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(form.executed, 1);
    EXPECT_TRUE(button->Down());
    // A click handler of the button's own comes first.
    int clicked = 0;
    QObject::connect(button, &TToolButton::OnClick, [&] { ++clicked; });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(form.executed, 1);

    const QString written = WriteLayout(&form);
    EXPECT_TRUE(written.contains(QLatin1String("Action = BoldAction"))) << written.toStdString();
    ActionForm again;
    ReadLayoutInto(&again, written);
    EXPECT_EQ(again.findChild<TToolButton*>(QStringLiteral("BoldButton"))->Action(),
              again.findChild<TAction*>(QStringLiteral("BoldAction")));
}

TEST_F(Actions, LinksRoundTripThroughLayouts)
{
    const QString written = WriteLayout(form.get());
    for (const char* line : {"object OpenAction: TAction", "ShortCut = 16463", "Action = OpenAction"})
        EXPECT_TRUE(written.contains(QLatin1String(line))) << line << "\n" << written.toStdString();
    ActionForm again;
    ReadLayoutInto(&again, written);
    EXPECT_EQ(WriteLayout(&again), written);
}

#include "test_actions.moc"
