// A stock widget under the skinned style and the matching skinned control,
// same size, state and style, show the same pixels outside their text.
#include "skin/buttons/suibutton.h"
#include "skin/buttons/suicheckbox.h"
#include "skin/buttons/suiprogressbar.h"
#include "skin/buttons/suiradiobutton.h"
#include "skin/scrolling/suiscrollbar.h"
#include "skin/scrolling/suitabcontrol.h"
#include "skin/scrolling/suitrackbar.h"
#include "skin/style/skinnedstyle.h"

#include <QCheckBox>
#include <QEnterEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace toolkit;

namespace {

// Two windows of one colour: the skinned control in one, the stock widget
// (under the style) in the other, each at the same place.
class Fidelity : public testing::TestWithParam<TsuiUIStyle> {
protected:
    void SetUp() override
    {
        style_ = std::make_unique<SkinnedStyle>(GetParam());
        for (QWidget* window : {&skinnedWindow_, &stockWindow_}) {
            window->resize(260, 220);
            window->setAutoFillBackground(true);
            QPalette palette = window->palette();
            palette.setColor(QPalette::Window, QColor(0x40, 0x80, 0x60));
            window->setPalette(palette);
        }
    }

    template <typename W> W* Stock(W* widget)
    {
        widget->setParent(&stockWindow_);
        widget->setStyle(style_.get());
        widget->move(Origin);
        return widget;
    }

    template <typename C> C* Skinned()
    {
        auto* control = new C(&skinnedWindow_, &skinnedWindow_);
        control->SetUIStyle(GetParam());
        control->move(Origin);
        return control;
    }

    // What each window shows of its area (window coordinates).
    std::pair<QImage, QImage> Grab(const QRect& skinnedArea, const QRect& stockArea)
    {
        skinnedWindow_.show();
        stockWindow_.show();
        return {skinnedWindow_.grab(skinnedArea).toImage().convertToFormat(QImage::Format_RGB32),
                stockWindow_.grab(stockArea).toImage().convertToFormat(QImage::Format_RGB32)};
    }

    // The first pixel that differs, outside `ignore`, as a readable message.
    static testing::AssertionResult SamePixels(const QImage& skinned, const QImage& stock, const QRect& ignore = {})
    {
        if (qEnvironmentVariableIsSet("FIDELITY_DUMP")) {
            static int n = 0;
            skinned.save(QStringLiteral("/tmp/fid-%1-a.png").arg(n));
            stock.save(QStringLiteral("/tmp/fid-%1-b.png").arg(n++));
        }
        if (skinned.size() != stock.size())
            return testing::AssertionFailure() << "sizes differ: " << skinned.width() << 'x' << skinned.height()
                                               << " and " << stock.width() << 'x' << stock.height();
        for (int y = 0; y < skinned.height(); ++y)
            for (int x = 0; x < skinned.width(); ++x)
                if (!ignore.contains(x, y) && skinned.pixel(x, y) != stock.pixel(x, y))
                    return testing::AssertionFailure()
                           << "pixel (" << x << ", " << y << ") is " << std::hex << skinned.pixel(x, y)
                           << " in the skinned control and " << stock.pixel(x, y) << " in the stock widget";
        return testing::AssertionSuccess();
    }

    testing::AssertionResult SameWidgets(const QWidget* skinned, const QWidget* stock)
    {
        if (skinned->size() != stock->size())
            return testing::AssertionFailure() << "stock widget sized " << stock->width() << 'x' << stock->height();
        const auto [a, b] = Grab(skinned->geometry(), stock->geometry());
        return SamePixels(a, b);
    }

    static void Hover(QWidget* skinned, QWidget* stock)
    {
        const QPointF inside(skinned->width() / 2.0, skinned->height() / 2.0);
        QEnterEvent enter(inside, inside, skinned->mapToGlobal(inside));
        QApplication::sendEvent(skinned, &enter);
        stock->setAttribute(Qt::WA_UnderMouse);
    }

    static constexpr QPoint Origin{10, 10};
    std::unique_ptr<SkinnedStyle> style_;
    QWidget skinnedWindow_;
    QWidget stockWindow_;
};

TEST_P(Fidelity, PushButtonInEveryState)
{
    auto* skinned = Skinned<TsuiButton>();
    skinned->SetCaption(QString());
    auto* stock = Stock(new QPushButton);
    stock->resize(skinned->size());
    EXPECT_TRUE(SameWidgets(skinned, stock)) << "normal";
    Hover(skinned, stock);
    EXPECT_TRUE(SameWidgets(skinned, stock)) << "under the pointer";
    QTest::mousePress(skinned, Qt::LeftButton, {}, QPoint(5, 5));
    stock->setDown(true);
    EXPECT_TRUE(SameWidgets(skinned, stock)) << "pressed";
    QTest::mouseRelease(skinned, Qt::LeftButton, {}, QPoint(5, 5));
    stock->setDown(false);
    skinned->setEnabled(false);
    stock->setEnabled(false);
    EXPECT_TRUE(SameWidgets(skinned, stock)) << "disabled";
}

TEST_P(Fidelity, CheckBoxAndRadioButton)
{
    auto* box = Skinned<TsuiCheckBox>();
    box->SetCaption(QString());
    auto* stockBox = Stock(new QCheckBox);
    stockBox->resize(box->size());
    auto* radio = Skinned<TsuiRadioButton>();
    radio->SetCaption(QString());
    radio->move(Origin + QPoint(0, 40));
    auto* stockRadio = Stock(new QRadioButton);
    stockRadio->move(radio->pos());
    stockRadio->resize(radio->size());
    for (bool checked : {false, true}) {
        box->SetChecked(checked);
        stockBox->setChecked(checked);
        radio->SetChecked(checked);
        stockRadio->setChecked(checked);
        EXPECT_TRUE(SameWidgets(box, stockBox)) << "check box, checked " << checked;
        EXPECT_TRUE(SameWidgets(radio, stockRadio)) << "radio button, checked " << checked;
        for (QWidget* widget : {(QWidget*)box, (QWidget*)stockBox, (QWidget*)radio, (QWidget*)stockRadio})
            widget->setEnabled(false);
        EXPECT_TRUE(SameWidgets(box, stockBox)) << "disabled check box, checked " << checked;
        EXPECT_TRUE(SameWidgets(radio, stockRadio)) << "disabled radio button, checked " << checked;
        for (QWidget* widget : {(QWidget*)box, (QWidget*)stockBox, (QWidget*)radio, (QWidget*)stockRadio})
            widget->setEnabled(true);
    }
    Hover(box, stockBox);
    EXPECT_TRUE(SameWidgets(box, stockBox)) << "check box under the pointer";
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(stockBox, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(SameWidgets(box, stockBox)) << "check box held";
}

TEST_P(Fidelity, ProgressBarBothWays)
{
    auto* skinned = Skinned<TsuiProgressBar>();
    skinned->SetShowCaption(false);
    skinned->SetPosition(40);
    auto* stock = Stock(new QProgressBar);
    stock->setTextVisible(false);
    stock->setValue(40);
    stock->setFixedSize(skinned->size());
    EXPECT_TRUE(SameWidgets(skinned, stock)) << "horizontal";
    skinned->SetOrientation(suiVertical);
    stock->setOrientation(Qt::Vertical);
    stock->setFixedSize(skinned->size());
    EXPECT_TRUE(SameWidgets(skinned, stock)) << "vertical";
    skinned->SetPosition(100);
    stock->setValue(100);
    EXPECT_TRUE(SameWidgets(skinned, stock)) << "vertical, full";
}

TEST_P(Fidelity, ScrollBarBothWays)
{
    for (auto orientation : {suiVertical, suiHorizontal}) {
        auto* skinned = Skinned<TsuiScrollBar>();
        skinned->SetOrientation(orientation);
        skinned->SetMax(30);
        skinned->SetPageSize(25);
        skinned->SetPosition(10);
        if (orientation == suiHorizontal) skinned->SetWidth(185);
        // A page of 10 over a range of 30: the thumb is a quarter of the track.
        auto* stock = Stock(new QScrollBar(orientation == suiVertical ? Qt::Vertical : Qt::Horizontal));
        stock->setRange(0, 30);
        stock->setPageStep(10);
        stock->setValue(10);
        stock->resize(skinned->size());
        EXPECT_EQ(orientation == suiVertical ? stock->sizeHint().width() : stock->sizeHint().height(),
                  orientation == suiVertical ? skinned->width() : skinned->height());
        EXPECT_TRUE(SameWidgets(skinned, stock)) << "orientation " << orientation;
        // An arrow held down shows its pressed picture; both have stepped once.
        const QPoint arrow(2, 2);
        QTest::mousePress(skinned->DecButton(), Qt::LeftButton, {}, arrow);
        QTest::mousePress(stock, Qt::LeftButton, {}, arrow);
        skinned->SetPosition(stock->value());
        EXPECT_TRUE(SameWidgets(skinned, stock)) << "arrow held, orientation " << orientation;
        QTest::mouseRelease(skinned->DecButton(), Qt::LeftButton, {}, arrow);
        QTest::mouseRelease(stock, Qt::LeftButton, {}, arrow);
        skinned->setEnabled(false);
        stock->setEnabled(false);
        EXPECT_TRUE(SameWidgets(skinned, stock)) << "disabled, orientation " << orientation;
        delete skinned;
        delete stock;
    }
}

TEST_P(Fidelity, SliderBothWays)
{
    for (auto orientation : {suiHorizontal, suiVertical}) {
        auto* skinned = Skinned<TsuiTrackBar>();
        skinned->SetOrientation(orientation);
        skinned->SetMax(10);
        skinned->SetPosition(3);
        auto* stock = Stock(new QSlider(orientation == suiVertical ? Qt::Vertical : Qt::Horizontal));
        stock->setRange(0, 10);
        stock->setValue(3);
        // The skinned bar has its least value at the top.
        stock->setInvertedAppearance(orientation == suiVertical);
        stock->resize(skinned->size());
        EXPECT_EQ(orientation == suiVertical ? stock->sizeHint().width() : stock->sizeHint().height(),
                  orientation == suiVertical ? skinned->width() : skinned->height());
        EXPECT_TRUE(SameWidgets(skinned, stock)) << "orientation " << orientation;
        delete skinned;
        delete stock;
    }
}

TEST_P(Fidelity, TabBarTabs)
{
    auto* skinned = Skinned<TsuiTabControl>();
    skinned->TopPanel()->SetTabs({QStringLiteral("First"), QStringLiteral("Second")});
    skinned->TopPanel()->SetTabIndex(0);
    auto* stock = Stock(new QTabBar);
    stock->setFont(std::as_const(*skinned).TabFont().toQFont());
    stock->setDrawBase(false);
    stock->setExpanding(false);
    stock->addTab(QStringLiteral("First"));
    stock->addTab(QStringLiteral("Second"));
    stock->resize(stock->sizeHint());
    const int tabHeight = skinned->TopPanel()->TabHeight();
    const std::vector<TRect> rects = skinned->TopPanel()->TabRects();
    const QFontMetrics metrics(stock->font());
    for (int i = 0; i < 2; ++i) {
        const TRect r = rects[std::size_t(i)];
        ASSERT_EQ(stock->tabRect(i).width(), r.Width()) << "tab " << i;
        // The skinned strip starts its tabs after a margin; the selected
        // tab stands a pixel lower in both.
        const QSize size(r.Width(), tabHeight);
        const auto [a, b] = Grab(QRect(Origin + QPoint(r.Left, r.Top), size),
                                 QRect(Origin + stock->tabRect(i).topLeft() + QPoint(0, r.Top), size));
        // The caption, centred in the tab, with a pixel to spare.
        const int textWidth = metrics.horizontalAdvance(stock->tabText(i));
        const QRect text((r.Width() - textWidth) / 2 - 2, (tabHeight - metrics.height()) / 2 - 2, textWidth + 4,
                         metrics.height() + 4);
        EXPECT_TRUE(SamePixels(a, b, text)) << "tab " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(AllStyles, Fidelity,
                         testing::Values(TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                                         TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass),
                         [](const testing::TestParamInfo<TsuiUIStyle>& info) {
                             return SkinnedStyle::KeyFor(info.param).mid(8).toStdString();
                         });

} // namespace
