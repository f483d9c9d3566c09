#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/stdctrls.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace toolkit;

namespace {

class StdCtrlsHost : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

TEST(StandardControls, LabelStaticTextAndStatusBarFromALayout)
{
    RegisterStandardControls();
    RegisterClass<StdCtrlsHost>(QStringLiteral("StdCtrlsHost"));
    StdCtrlsHost host;
    host.resize(324, 154);
    ReadLayoutInto(
        &host, QStringLiteral("object Host: StdCtrlsHost\n"
                              "  object L2: TLabel\n"
                              "    Left = 22\n    Top = 37\n    Width = 135\n    Height = 13\n"
                              "    AutoSize = False\n    Caption = 'Firmware File Name:'\n"
                              "    Font.Color = clBlue\n    Font.Height = -11\n    Font.Style = [fsBold]\n"
                              "    Transparent = True\n"
                              "  end\n"
                              "  object Path: TStaticText\n"
                              "    Left = 20\n    Top = 60\n    Width = 273\n    Height = 17\n"
                              "    AutoSize = False\n    BorderStyle = sbsSunken\n"
                              "  end\n"
                              "  object Bar: TStatusBar\n"
                              "    Height = 17\n    Align = alBottom\n"
                              "    Panels = <\n      item\n        Width = 120\n      end\n"
                              "      item\n        Width = 100\n      end>\n"
                              "  end\n"
                              "end\n"));
    auto* label = host.findChild<TLabel*>(QStringLiteral("L2"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->geometry(), QRect(22, 37, 135, 13)); // AutoSize off keeps the laid-out size
    EXPECT_EQ(label->text(), "Firmware File Name:");
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->font().pixelSize(), 11);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_FALSE(label->autoFillBackground());

    auto* path = host.findChild<TStaticText*>(QStringLiteral("Path"));
    ASSERT_TRUE(path);
    EXPECT_EQ(path->frameShape(), QFrame::Panel);
    EXPECT_EQ(path->frameShadow(), QFrame::Sunken);

    auto* bar = host.findChild<TStoredStatusBar*>(QStringLiteral("Bar"));
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->geometry(), QRect(0, 137, 324, 17));
    ASSERT_EQ(bar->Panels.Count(), 2);
    EXPECT_EQ(bar->Panels[0]->Width(), 120);
    EXPECT_EQ(bar->Panels[1]->geometry().left(), 120);

    // Panels are stored back as they were read.
    EXPECT_TRUE(WriteLayout(&host).contains(QStringLiteral("Panels = <\n      item\n        Width = 120")))
        << WriteLayout(&host).toStdString();
}

} // namespace

#include "test_stdctrls.moc"
