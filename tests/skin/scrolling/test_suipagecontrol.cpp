#include "scrollingtestsupport.h"
#include "skin/buttons/suibutton.h"
#include "skin/scrolling/suipagecontrol.h"
#include "skin/scrolling/suiscrollingregistry.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/layoutwriter.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

struct Pages {
    QWidget host;
    TsuiPageControl* pc = new TsuiPageControl(&host, &host);
    QStringList events;

    explicit Pages(int count = 0)
    {
        host.resize(400, 300);
        pc->SetBounds(0, 0, 300, 200);
        for (int i = 0; i < count; ++i)
            pc->NewPage();
        for (int i = 0; i < count; ++i)
            Watch(pc->Pages(i));
        QObject::connect(pc, &TsuiTab::OnTabActive, [this](int index) { events << QStringLiteral("tab %1").arg(index); });
        host.show();
    }
    void Watch(TsuiTabSheet* sheet)
    {
        QObject::connect(sheet, &TsuiTabSheet::OnShow, [this, sheet] { events << "show " + sheet->objectName(); });
    }
    QStringList Names() const
    {
        QStringList names;
        for (int i = 0; i < pc->PageCount(); ++i)
            names << pc->Pages(i)->objectName();
        return names;
    }
    // The strip agrees with the pages, and only the active page is shown.
    void ExpectConsistent() const
    {
        QStringList captions;
        for (int i = 0; i < pc->PageCount(); ++i) {
            captions << pc->Pages(i)->Caption();
            EXPECT_EQ(pc->Pages(i)->PageIndex(), i);
            EXPECT_EQ(pc->Pages(i)->isVisible(), pc->Pages(i) == pc->ActivePage()) << i;
        }
        EXPECT_EQ(pc->TopPanel()->Tabs(), captions);
        EXPECT_EQ(pc->TopPanel()->TabIndex(), pc->ActivePage() ? pc->ActivePage()->PageIndex() : -1);
    }
};

} // namespace

TEST(PageControl, NewPagesAreNamedInOrderAndTheLastIsActive)
{
    Pages p;
    EXPECT_EQ(p.pc->PageCount(), 0);
    EXPECT_EQ(p.pc->ActivePage(), nullptr);
    EXPECT_EQ(p.pc->ActivePageIndex(), 0);
    EXPECT_TRUE(p.pc->TopPanel()->Tabs().isEmpty());

    for (int i = 0; i < 3; ++i)
        p.pc->NewPage();
    EXPECT_EQ(p.Names(), (QStringList{"suiTabSheet1", "suiTabSheet2", "suiTabSheet3"}));
    EXPECT_EQ(p.pc->Pages(2)->Caption(), QStringLiteral("suiTabSheet3"));
    EXPECT_EQ(p.pc->ActivePage(), p.pc->Pages(2));
    EXPECT_EQ(p.pc->Pages(3), nullptr);
    // The sheet fills the area under the strip.
    EXPECT_EQ(p.pc->Pages(2)->geometry(), QRect(0, p.pc->TopPanel()->height(), 300, 200 - p.pc->TopPanel()->height()));
    p.ExpectConsistent();

    // A name still in use is not given twice.
    delete p.pc->Pages(0);
    EXPECT_EQ(p.pc->NewPage()->objectName(), QStringLiteral("suiTabSheet4"));
}

TEST(PageControl, ActivatingShowsOnceAndReportsOnce)
{
    Pages p(3);
    p.events.clear();
    p.pc->SetActivePageIndex(0);
    EXPECT_EQ(p.events, (QStringList{"show suiTabSheet1", "tab 0"}));
    p.pc->SetActivePageIndex(7);
    EXPECT_EQ(p.pc->ActivePage(), p.pc->Pages(0));

    p.events.clear();
    const TRect tab = p.pc->TopPanel()->TabRects()[1];
    QTest::mouseClick(p.pc->TopPanel(), Qt::LeftButton, {}, QPoint(tab.Left + 2, 5));
    EXPECT_EQ(p.events, (QStringList{"show suiTabSheet2", "tab 1"}));
    EXPECT_EQ(p.pc->ActivePage(), p.pc->Pages(1));
    p.ExpectConsistent();
}

TEST(PageControl, MovingAPageByItsIndex)
{
    Pages p(3);
    TsuiTabSheet* last = p.pc->Pages(2);
    last->SetPageIndex(5);
    EXPECT_EQ(last->PageIndex(), 2);
    p.pc->SetActivePageIndex(0);

    last->SetPageIndex(0);
    EXPECT_EQ(p.Names(), (QStringList{"suiTabSheet3", "suiTabSheet1", "suiTabSheet2"}));
    EXPECT_EQ(p.pc->ActivePage(), last);
    p.ExpectConsistent();
}

TEST(PageControl, RemovingPagesKeepsTheListAndTheStripInStep)
{
    Pages p(3);
    delete p.pc->Pages(1);
    EXPECT_EQ(p.Names(), (QStringList{"suiTabSheet1", "suiTabSheet3"}));
    EXPECT_EQ(p.pc->ActivePage(), p.pc->Pages(0));
    p.ExpectConsistent();

    // The first page: the new first visible one takes over.
    p.pc->Pages(0)->setParent(&p.host);
    EXPECT_EQ(p.Names(), QStringList{"suiTabSheet3"});
    EXPECT_EQ(p.pc->ActivePage(), p.pc->Pages(0));
    p.ExpectConsistent();

    PageControl_RemovePage(p.pc);
    EXPECT_EQ(p.pc->PageCount(), 0);
    EXPECT_EQ(p.pc->ActivePage(), nullptr);
    p.ExpectConsistent();
    EXPECT_FALSE(PageControl_CanRemove(p.pc));
    PageControl_RemovePage(p.pc); // nothing selected: nothing happens

    // A page control going first leaves its sheets without a dangling link.
    auto* sheet = PageControl_InsertPage(p.pc);
    const QPointer<TsuiTabSheet> guard(sheet);
    EXPECT_TRUE(TabSheet_CanRemove(sheet));
    // suiTabSheet1 still lives beside the control: the next free number.
    EXPECT_EQ(TabSheet_InsertPage(sheet)->objectName(), QStringLiteral("suiTabSheet3"));
    delete p.pc;
    EXPECT_TRUE(guard.isNull());
}

TEST(PageControl, HiddenTabsAndNavigation)
{
    Pages p(4);
    p.pc->Pages(1)->SetTabVisible(false);
    // Hiding a tab that is not active still moves the selection before it.
    EXPECT_EQ(p.pc->ActivePage(), p.pc->Pages(0));
    EXPECT_FALSE(p.pc->TopPanel()->TabVisible(1));

    p.pc->SelectNextPage(true);
    EXPECT_EQ(p.pc->ActivePage(), p.pc->Pages(2));
    p.pc->SelectNextPage(false);
    EXPECT_EQ(p.pc->ActivePage(), p.pc->Pages(0));
    p.pc->SelectNextPage(false);
    EXPECT_EQ(p.pc->ActivePage(), p.pc->Pages(3));
    p.ExpectConsistent();

    for (int i : {0, 2, 3})
        p.pc->Pages(i)->SetTabVisible(false);
    p.pc->Pages(0)->SetTabVisible(true);
    p.pc->SelectNextPage(true);
    EXPECT_EQ(p.pc->ActivePage(), p.pc->Pages(0)); // no other visible page
    EXPECT_EQ(p.pc->FindNextVisiblePage(0), -1);
}

TEST(PageControl, StylesReachTheControlsOnEveryPageThroughThePages)
{
    Pages p(2);
    auto* button = new TsuiButton(&p.host, p.pc->Pages(0));
    p.pc->SetUIStyle(TsuiUIStyle::BlueGlass);
    EXPECT_EQ(button->UIStyle(), TsuiUIStyle::BlueGlass);
    EXPECT_EQ(p.pc->Pages(1)->Color(), p.pc->Color());
    EXPECT_EQ(p.pc->Pages(1)->BorderColor(), GetThemeColor(TsuiUIStyle::BlueGlass, teControlBorderColor));
    // A control on a covered page cannot take the focus until shown.
    button->SetTabStop(true);
    EXPECT_FALSE(button->isVisible());
    p.pc->ShowControl(button);
    EXPECT_EQ(p.pc->ActivePage(), p.pc->Pages(0));
    EXPECT_TRUE(button->isVisible());

    p.pc->SetBorderColor(clRed);
    EXPECT_EQ(p.pc->Pages(1)->BorderColor(), clRed);
    const QImage sheet = p.pc->Pages(1)->RenderToImage();
    EXPECT_EQ(sheet.pixel(0, 10), ColorToQColor(clRed).rgb());
    EXPECT_EQ(sheet.pixel(sheet.width() - 1, 0), ColorToQColor(clRed).rgb());
}

// Pages made as plain widgets, as forms from Qt Designer make them.
TEST(PageControl, PlainPagesGetSheetsOfTheirOwnAndTakeThemAlong)
{
    Pages p;
    auto* first = new QWidget;
    first->setWindowTitle(QStringLiteral("First"));
    auto* second = new QWidget;
    second->setObjectName(QStringLiteral("second"));
    TsuiTabSheet* firstSheet = p.pc->AddPage(first);
    const QPointer<TsuiTabSheet> secondSheet = p.pc->AddPage(second);
    ASSERT_EQ(2, p.pc->PageCount());
    EXPECT_EQ(first, firstSheet->Content());
    EXPECT_EQ(0, p.pc->ActivePageIndex());

    // The tab reads the title, the name without one, and follows them.
    EXPECT_EQ(QStringLiteral("First"), firstSheet->Caption());
    EXPECT_EQ(QStringLiteral("second"), secondSheet->Caption());
    second->setWindowTitle(QStringLiteral("Second"));
    EXPECT_EQ(QStringLiteral("Second"), secondSheet->Caption());
    p.pc->SetPageCaption(QStringLiteral("Front"));
    EXPECT_EQ(QStringLiteral("Front"), first->windowTitle());

    QApplication::processEvents();
    EXPECT_EQ(firstSheet->size(), first->size());

    // A page deleted or taken away leaves no empty sheet behind.
    delete second;
    EXPECT_EQ(1, p.pc->PageCount());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(secondSheet.isNull());
    first->setParent(&p.host);
    EXPECT_EQ(0, p.pc->PageCount());

    // A sheet is inserted as it is.
    auto* sheet = new TsuiTabSheet(&p.host);
    EXPECT_EQ(sheet, p.pc->AddPage(sheet));
    EXPECT_EQ(sheet, p.pc->Pages(0));
}

TEST(PageControl, DesignerPressOnATabSwitchesPages)
{
    Pages p(2);
    p.pc->SetDesigning(true);
    int modified = 0;
    QObject::connect(static_cast<TsuiPageControlTopPanel*>(p.pc->TopPanel()),
                     &TsuiPageControlTopPanel::OnDesignerModified, [&] { ++modified; });
    QTest::mousePress(p.pc->TopPanel(), Qt::LeftButton, {}, QPoint(p.pc->TopPanel()->TabRects()[0].Left + 2, 5));
    EXPECT_EQ(p.pc->ActivePage(), p.pc->Pages(0));
    EXPECT_EQ(modified, 1);
}

namespace {

// Pages B, A, C in tab order with A's tab hidden; the sheets appear in the
// file in the order given.
QString StoredPages(const QStringList& sheetOrder, const QString& pages = QStringLiteral("(B A C)"))
{
    QString text = QStringLiteral("object Form1: RecordingForm\n"
                                  "  object Pages1: TsuiPageControl\n"
                                  "    UIStyle = WinXP\n"
                                  "    ActivePage = C\n"
                                  "    OnTabActive = TabActive\n"
                                  "    Pages = %1\n")
                       .arg(pages);
    for (const QString& name : sheetOrder)
        text += QStringLiteral("    object %1: TsuiTabSheet\n"
                               "      Caption = 'Page %1'\n"
                               "%2"
                               "      PageControl = Pages1\n"
                               "    end\n")
                    .arg(name, name == u"A" ? QStringLiteral("      TabVisible = False\n") : QString());
    return text + QStringLiteral("  end\nend\n");
}

QStringList PageNames(const TsuiPageControl* pc)
{
    QStringList names;
    for (int i = 0; i < pc->PageCount(); ++i)
        names << pc->Pages(i)->objectName();
    return names;
}

} // namespace

TEST(PageControl, StoredPageOrderSurvivesWhateverOrderTheSheetsAreRead)
{
    RegisterSuiScrolling();
    RegisterClass<RecordingForm>(QStringLiteral("RecordingForm"));
    for (const QStringList& order : {QStringList{"A", "B", "C"}, QStringList{"C", "B", "A"}, QStringList{"B", "A", "C"}}) {
        RecordingForm form;
        form.setObjectName(QStringLiteral("Form1"));
        ReadLayoutInto(&form, StoredPages(order));
        auto* pc = form.findChild<TsuiPageControl*>(QStringLiteral("Pages1"));
        ASSERT_NE(pc, nullptr);
        EXPECT_EQ(PageNames(pc), (QStringList{"B", "A", "C"})) << order.join(' ').toStdString();
        EXPECT_EQ(pc->TopPanel()->Tabs(), (QStringList{"Page B", "Page A", "Page C"}));
        EXPECT_FALSE(pc->TopPanel()->TabVisible(1));
        EXPECT_TRUE(pc->TopPanel()->TabVisible(2));
        EXPECT_EQ(pc->ActivePage()->objectName(), QStringLiteral("C"));
        EXPECT_EQ(pc->TopPanel()->TabIndex(), 2);
        EXPECT_TRUE(form.log.isEmpty()) << form.log.join(',').toStdString();

        // Written back, the order and the links are stored and read the same.
        const QString written = WriteLayout(&form);
        EXPECT_TRUE(written.contains(QStringLiteral("PageControl = Pages1"))) << written.toStdString();
        RecordingForm again;
        again.setObjectName(QStringLiteral("Form1"));
        ReadLayoutInto(&again, written);
        EXPECT_EQ(PageNames(again.findChild<TsuiPageControl*>()), (QStringList{"B", "A", "C"}));
        EXPECT_EQ(WriteLayout(&again), written);
    }

    // A hand-edited layout that leaves a page out: it follows the named ones.
    RecordingForm form;
    form.setObjectName(QStringLiteral("Form1"));
    ReadLayoutInto(&form, StoredPages({"C", "A", "B"}, QStringLiteral("(B C)")));
    EXPECT_EQ(PageNames(form.findChild<TsuiPageControl*>()), (QStringList{"B", "C", "A"}));
}
