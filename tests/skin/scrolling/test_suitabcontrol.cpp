#include "scrollingtestsupport.h"
#include "skin/frame/suiform.h"
#include "skin/scrolling/suiscrollingregistry.h"
#include "skin/scrolling/suitabcontrol.h"
#include "toolkit/layoutreader.h"
#include "toolkit/resources.h"

#include <QAccessibleInterface>
#include <QTest>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

QRgb Rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

int TextWidth(const TFont& font, const QString& text)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    canvas.Font.Assign(font);
    return canvas.TextWidth(text);
}

// A tab control on a form whose skinned frame has the given style.
struct Tabs {
    QWidget host;
    TsuiForm* frame;
    TsuiTabControl* tabs;
    QList<int> activated;

    explicit Tabs(TsuiUIStyle style = TsuiUIStyle::WinXP)
    {
        host.resize(400, 200);
        frame = new TsuiForm(&host, &host);
        frame->SetUIStyle(style);
        tabs = new TsuiTabControl(&host, &host);
        tabs->SetBounds(0, 0, 300, 100);
        QObject::connect(tabs, &TsuiTab::OnTabActive, [this](int index) { activated << index; });
        host.show(); // aligned children are laid out in a shown window
    }
    TsuiTabControlTopPanel* Strip() const { return tabs->TopPanel(); }
    void ClickStrip(QPoint at) { QTest::mouseClick(Strip(), Qt::LeftButton, {}, at); }
};

} // namespace

TEST(TabControl, ANewWinXPControlShowsOneSelectedTabFromItsMargin)
{
    Tabs t;
    TsuiTabControlTopPanel* strip = t.Strip();
    EXPECT_EQ(strip->height(), 19);
    EXPECT_EQ(t.tabs->Color(), clWhite);
    EXPECT_EQ(t.tabs->BorderColor(), GetThemeColor(TsuiUIStyle::WinXP, teControlBorderColor));
    ASSERT_EQ(t.tabs->Tabs(), QStringList{QStringLiteral("Tab1")});
    EXPECT_EQ(t.tabs->TabIndex(), 0);

    const QImage active = LoadBitmapResource(QStringLiteral("WINXP_TAB_ACTIVE"));
    const int w = TextWidth(*t.tabs->TabFont(), QStringLiteral("Tab1")) + 20;
    const std::vector<TRect> rects = strip->TabRects();
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].toQRect(), QRect(10, 1, w, active.height()));

    // The selected tab's picture sits a pixel low, its right end drawn
    // from the picture's last column; the line runs under the rest, closed
    // by the border colour at both ends.
    const QImage painted = strip->RenderToImage();
    const int middle = active.height() / 2;
    EXPECT_EQ(painted.pixel(10 + w - 1, 1 + middle), active.pixel(active.width() - 1, middle));
    const QImage line = LoadBitmapResource(QStringLiteral("WINXP_TAB_LINE"));
    EXPECT_EQ(painted.pixel(200, active.height()), line.pixel(0, 0));
    EXPECT_EQ(painted.pixel(0, active.height()), Rgb(t.tabs->BorderColor()));
    EXPECT_EQ(painted.pixel(299, active.height()), Rgb(t.tabs->BorderColor()));

    // Under the strip: Color inside a border on the left, bottom and right.
    const QImage whole = t.tabs->RenderToImage();
    EXPECT_EQ(whole.pixel(0, 60), Rgb(t.tabs->BorderColor()));
    EXPECT_EQ(whole.pixel(150, 99), Rgb(t.tabs->BorderColor()));
    EXPECT_EQ(whole.pixel(299, 60), Rgb(t.tabs->BorderColor()));
    EXPECT_EQ(whole.pixel(150, 60), Rgb(clWhite));
}

TEST(TabControl, TabWidthsFollowCaptionsAndHiddenTabsTakeNoRoom)
{
    Tabs t;
    t.tabs->SetTabs({QString(), QStringLiteral("Second"), QStringLiteral("Third")});
    t.tabs->SetLeftMargin(4);
    t.Strip()->SetTabVisible(1, false);
    const std::vector<TRect> rects = t.Strip()->TabRects();
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0].Left, 4);
    EXPECT_EQ(rects[0].Width(), 80);
    EXPECT_TRUE(rects[1].IsEmpty());
    EXPECT_EQ(rects[2].Left, 84);
    EXPECT_EQ(rects[2].Width(), TextWidth(*t.tabs->TabFont(), QStringLiteral("Third")) + 20);

    // The tab font is the control's own, apart from its Font.
    t.tabs->TabFont()->SetHeight(-20);
    EXPECT_EQ(t.Strip()->TabRects()[2].Width(), TextWidth(*t.tabs->TabFont(), QStringLiteral("Third")) + 20);
    EXPECT_NE(t.tabs->Font()->Height(), -20);
}

TEST(TabControl, ClicksSelectOnlyStrictlyInsideATabBelowTheTopRow)
{
    Tabs t;
    t.tabs->SetTabs({QStringLiteral("One"), QStringLiteral("Two")});
    const std::vector<TRect> rects = t.Strip()->TabRects();
    const int boundary = rects[0].Right;
    const int middleY = t.Strip()->TabHeight() / 2;

    t.ClickStrip(QPoint(boundary, middleY));
    t.ClickStrip(QPoint(boundary + 3, 0));
    t.ClickStrip(QPoint(boundary + 3, t.Strip()->TabHeight()));
    EXPECT_TRUE(t.activated.isEmpty());
    EXPECT_EQ(t.tabs->TabIndex(), 0);

    t.ClickStrip(QPoint(boundary + 1, middleY));
    EXPECT_EQ(t.tabs->TabIndex(), 1);
    // The selected tab again: reported again.
    t.ClickStrip(QPoint(boundary + 1, middleY));
    EXPECT_EQ(t.activated, (QList<int>{1, 1}));

    // A hidden tab is never hit; the one after it takes its place.
    t.Strip()->SetTabVisible(0, false);
    t.ClickStrip(QPoint(t.Strip()->TabRects()[1].Left + 1, middleY));
    EXPECT_EQ(t.activated.last(), 1);
}

TEST(TabControl, EveryOneOfAHundredTabsCanBeHitAndRemovedTabsLeaveNoHitArea)
{
    Tabs t;
    t.tabs->SetBounds(0, 0, 20000, 100);
    QStringList captions;
    for (int i = 0; i < 100; ++i)
        captions << QStringLiteral("T%1").arg(i);
    t.tabs->SetTabs(captions);
    const std::vector<TRect> rects = t.Strip()->TabRects();
    const int y = t.Strip()->TabHeight() / 2;
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(t.Strip()->TabAt(QPoint(rects[std::size_t(i)].Left + 1, y)), i) << i;

    t.tabs->SetTabs(captions.mid(0, 10));
    EXPECT_EQ(t.Strip()->TabAt(QPoint(rects[50].Left + 1, y)), TsuiControl::NoPart);
}

TEST(TabControl, TabIndexRulesAndEventsWhileLoading)
{
    Tabs t;
    t.tabs->SetTabs({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    t.tabs->SetTabIndex(5);
    EXPECT_EQ(t.tabs->TabIndex(), 0);
    EXPECT_TRUE(t.activated.isEmpty());
    t.tabs->SetTabIndex(-1);
    EXPECT_EQ(t.tabs->TabIndex(), -1);
    EXPECT_EQ(t.activated, QList<int>{-1});

    t.tabs->SetLoading(true);
    t.tabs->SetTabIndex(2);
    EXPECT_EQ(t.tabs->TabIndex(), 2);
    EXPECT_EQ(t.activated, QList<int>{-1});
    t.tabs->Loaded();

    t.tabs->SetTabs({});
    t.tabs->SetTabIndex(1);
    EXPECT_EQ(t.tabs->TabIndex(), -1);
}

TEST(TabControl, CustomIsRefusedAndStylesReachTheControlsInside)
{
    Tabs t(TsuiUIStyle::MacOS);
    EXPECT_EQ(t.Strip()->height(), 34);
    auto* inner = new TsuiTabControl(&t.host, t.tabs);
    t.tabs->SetUIStyle(TsuiUIStyle::Custom);
    EXPECT_EQ(t.tabs->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(t.tabs->Color(), GetThemeColor(TsuiUIStyle::MacOS, teControlColor));

    t.tabs->SetUIStyle(TsuiUIStyle::Protein);
    EXPECT_EQ(inner->UIStyle(), TsuiUIStyle::Protein);
    EXPECT_EQ(t.Strip()->height(), 22);
    // Pushed from the form, Custom changes nothing either.
    ContainerApplyUIStyle(&t.host, TsuiUIStyle::Custom);
    EXPECT_EQ(t.tabs->UIStyle(), TsuiUIStyle::Protein);

    // Under a Custom frame there are no pictures: captions alone, still hittable.
    Tabs custom(TsuiUIStyle::Custom);
    EXPECT_EQ(custom.tabs->UIStyle(), TsuiUIStyle::Custom);
    EXPECT_EQ(custom.Strip()->TabHeight(), custom.Strip()->height());
    custom.Strip()->RenderToImage();
    EXPECT_EQ(custom.Strip()->TabAt(QPoint(12, 5)), 0);
}

TEST(TabControl, ReadFromALayoutWithoutReportingTheStoredIndex)
{
    RegisterSuiScrolling();
    RecordingForm root;
    root.setObjectName(QStringLiteral("Form1"));
    ReadLayoutInto(&root, QStringLiteral("object Form1: RecordingForm\n"
                                         "  object Tabs1: TsuiTabControl\n"
                                         "    UIStyle = BlueGlass\n"
                                         "    Tabs = ('One' 'Two')\n"
                                         "    TabIndex = 1\n"
                                         "    LeftMargin = 3\n"
                                         "    OnTabActive = TabActive\n"
                                         "  end\n"
                                         "end\n"));
    auto* tabs = root.findChild<TsuiTabControl*>(QStringLiteral("Tabs1"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->TabIndex(), 1);
    EXPECT_EQ(tabs->LeftMargin(), 3);
    EXPECT_TRUE(root.log.isEmpty());
    tabs->SetTabIndex(0);
    EXPECT_EQ(root.log, QStringList{QStringLiteral("TabActive 0")});
}

TEST(TabControl, TheStripIsAPageTabListOfSelectablePageTabs)
{
    Tabs t;
    t.tabs->SetTabs({QStringLiteral("&General"), QStringLiteral("Advanced")});
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(t.Strip());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_EQ(list->childCount(), 2);
    QAccessibleInterface* second = list->child(1);
    EXPECT_EQ(second->role(), QAccessible::PageTab);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QStringLiteral("General"));
    EXPECT_EQ(list->indexOfChild(second), 1);
    EXPECT_FALSE(second->state().selected);
    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(t.tabs->TabIndex(), 1);
    EXPECT_TRUE(second->state().selected);
    EXPECT_EQ(t.activated, QList<int>{1});

    t.tabs->SetTabs({QStringLiteral("Only")});
    EXPECT_FALSE(second->isValid());
}
