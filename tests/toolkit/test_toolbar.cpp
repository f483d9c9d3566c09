#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/menus.h"
#include "toolkit/panel.h"
#include "toolkit/stdctrls.h"
#include "toolkit/toolbar.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

const QString kBar = QStringLiteral(R"(object Form: TPanel
  Width = 300
  Height = 100
  object Menu1: TPopupMenu
    object Item1: TMenuItem
      Caption = 'Recent'
    end
  end
  object Bar1: TToolBar
    object Open1: TToolButton
      Style = tbsDropDown
      DropdownMenu = Menu1
    end
    object Divider1: TToolButton
      Style = tbsDivider
    end
    object Save1: TToolButton
    end
  end
end
)");

} // namespace

// A drop-down button clicks on its face and drops its menu from its arrow
// part; a divider is an etched line that takes no clicks.
TEST(ToolButtonStyles, DropDownArrowOpensItsMenuAndADividerTakesNoClicks)
{
    RegisterStandardControls();
    TPanel form(nullptr);
    ReadLayoutInto(&form, kBar);
    auto* open = form.findChild<TToolButton*>(QStringLiteral("Open1"));
    auto* divider = form.findChild<TToolButton*>(QStringLiteral("Divider1"));
    auto* save = form.findChild<TToolButton*>(QStringLiteral("Save1"));
    auto* menu = form.findChild<TPopupMenu*>(QStringLiteral("Menu1"));
    ASSERT_EQ(open->DropdownMenu(), menu);
    form.show();
    EXPECT_EQ(open->width(), save->width() + TToolButton::ArrowWidth);
    EXPECT_EQ(divider->geometry(), QRect(open->width(), 0, TToolBar::SeparatorWidth, save->height()));
    EXPECT_EQ(save->x(), divider->geometry().right() + 1);

    QSignalSpy clicks(open, &TToolButton::OnClick);
    QTest::mouseClick(open, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_FALSE(menu->Popup()->isVisible());
    QTest::mousePress(open, Qt::LeftButton, Qt::NoModifier, QPoint(open->width() - 4, 5));
    EXPECT_TRUE(menu->Popup()->isVisible());
    EXPECT_TRUE(open->DrawState() & cdsSelected);
    EXPECT_EQ(clicks.size(), 1);
    menu->Popup()->hide();
    EXPECT_FALSE(open->DrawState() & cdsSelected);

    EXPECT_TRUE(divider->testAttribute(Qt::WA_TransparentForMouseEvents));
    const QImage drawn = divider->grab().toImage();
    const int middle = TToolBar::SeparatorWidth / 2 - 1;
    EXPECT_EQ(drawn.pixel(middle, drawn.height() / 2), ColorToQColor(clBtnShadow).rgb());
    EXPECT_EQ(drawn.pixel(middle + 1, drawn.height() / 2), ColorToQColor(clBtnHighlight).rgb());

    const QString written = WriteLayout(&form);
    for (const char* line : {"Style = tbsDropDown", "DropdownMenu = Menu1", "Style = tbsDivider"})
        EXPECT_TRUE(written.contains(QLatin1String(line))) << line << "\n" << written.toStdString();
}
