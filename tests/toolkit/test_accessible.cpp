#include "toolkit/accessible.h"

#include <QAccessibleInterface>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class FakeButton : public QWidget, public toolkit::AccessibleButton {
public:
    QString caption = QStringLiteral("&Update && Go");
    bool pressed = false;
    int presses = 0;

    QString AccessibleCaption() const override { return caption; }
    bool AccessiblePressed() const override { return pressed; }
    void AccessiblePress() override { ++presses; }
};

class FakeGauge : public QWidget, public toolkit::AccessibleRange {
public:
    int AccessibleValue() const override { return 150; }
    int AccessibleMinimum() const override { return 0; }
    int AccessibleMaximum() const override { return 100; }
    QString AccessibleValueText() const override { return QStringLiteral("150%"); }
};

TEST(Accessible, AcceleratorMarkersAreStrippedAndFound)
{
    EXPECT_EQ(toolkit::StripAccelerator("&Update && Go"), "Update & Go");
    EXPECT_EQ(toolkit::StripAccelerator("..."), "...");
    EXPECT_EQ(toolkit::StripAccelerator("trailing&"), "trailing&");
    EXPECT_EQ(toolkit::AcceleratorChar("&Update"), u'U');
    EXPECT_EQ(toolkit::AcceleratorChar("Fish && &Chips"), u'C');
    EXPECT_TRUE(toolkit::AcceleratorChar("A && B").isNull());
}

TEST(Accessible, ButtonReportsRoleNameStatesAndPress)
{
    FakeButton button;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Button);
    EXPECT_EQ(iface->text(QAccessible::Name), "Update & Go");
    EXPECT_FALSE(iface->state().pressed);

    button.pressed = true;
    button.setEnabled(false);
    EXPECT_TRUE(iface->state().pressed);
    EXPECT_TRUE(iface->state().disabled);

    QAccessibleActionInterface* actions = iface->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(button.presses, 0) << "a disabled button cannot be pressed";
    button.setEnabled(true);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(button.presses, 1);
}

TEST(Accessible, RangeReportsValueLimitsAndShownText)
{
    FakeGauge gauge;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&gauge);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::ProgressBar);
    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 150);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(value->maximumValue().toInt(), 100);
    EXPECT_EQ(iface->text(QAccessible::Value), "150%");
}

TEST(Accessible, PlainWidgetsAreLeftToQt)
{
    QWidget plain;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&plain);
    ASSERT_NE(iface, nullptr);
    EXPECT_NE(iface->role(), QAccessible::Button);
}

} // namespace
