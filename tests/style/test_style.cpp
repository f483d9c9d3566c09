// The style's geometry agrees with what it draws, and what it has no picture
// for is Fusion's.
#include "skin/style/skinnedstyle.h"

#include <QCheckBox>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

QImage Painted(QWidget& widget, QStyle* style)
{
    widget.setStyle(style);
    widget.resize(widget.sizeHint().expandedTo(QSize(120, 20)));
    return widget.grab().toImage();
}

// Custom has no pictures at all: every element falls back, pixel for pixel.
TEST(SkinnedStyle, WithoutPicturesDrawsAsFusion)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    SkinnedStyle bare(TsuiUIStyle::Custom);
    QPushButton button(QStringLiteral("OK"));
    EXPECT_EQ(Painted(button, &bare), Painted(button, fusion.get()));
    QCheckBox box(QStringLiteral("Box"));
    box.setChecked(true);
    EXPECT_EQ(Painted(box, &bare), Painted(box, fusion.get()));
    QScrollBar bar(Qt::Horizontal);
    bar.setRange(0, 30);
    EXPECT_EQ(Painted(bar, &bare), Painted(bar, fusion.get()));
    QSlider slider(Qt::Horizontal);
    EXPECT_EQ(Painted(slider, &bare), Painted(slider, fusion.get()));
}

class StyleGeometry : public testing::TestWithParam<TsuiUIStyle> {
protected:
    SkinnedStyle style_{GetParam()};
};

// A click lands on the part drawn under the pointer.
TEST_P(StyleGeometry, ScrollBarPartsAnswerClicksWhereTheyAreDrawn)
{
    for (Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
        QScrollBar bar(orientation);
        bar.setStyle(&style_);
        bar.setRange(0, 30);
        bar.setPageStep(10);
        bar.setValue(10);
        bar.resize(orientation == Qt::Vertical ? QSize(bar.sizeHint().width(), 185)
                                               : QSize(185, bar.sizeHint().height()));
        QStyleOptionSlider option;
        option.initFrom(&bar);
        option.orientation = orientation;
        option.state |= orientation == Qt::Horizontal ? QStyle::State_Horizontal : QStyle::State_None;
        option.minimum = 0;
        option.maximum = 30;
        option.pageStep = 10;
        option.singleStep = 1;
        option.sliderPosition = option.sliderValue = 10;
        const QRect thumb = style_.subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar);
        const QRect add = style_.subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, &bar);
        ASSERT_FALSE(thumb.isEmpty());
        EXPECT_EQ(style_.hitTestComplexControl(QStyle::CC_ScrollBar, &option, thumb.center(), &bar),
                  QStyle::SC_ScrollBarSlider);
        // The arrow lies at the far end, inside the bar.
        EXPECT_TRUE(bar.rect().contains(add)) << orientation;
        EXPECT_EQ(orientation == Qt::Vertical ? add.bottom() : add.right(),
                  orientation == Qt::Vertical ? bar.height() - 1 : bar.width() - 1);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, add.center());
        EXPECT_EQ(bar.value(), 11) << orientation;
        // A click past the thumb pages towards the end.
        const QPoint past = orientation == Qt::Vertical ? QPoint(thumb.center().x(), thumb.bottom() + 5)
                                                        : QPoint(thumb.right() + 5, thumb.center().y());
        QTest::mouseClick(&bar, Qt::LeftButton, {}, past);
        EXPECT_EQ(bar.value(), 21) << orientation;
    }
}

TEST_P(StyleGeometry, SliderHandleFollowsTheValueAndTheDrag)
{
    QSlider slider(Qt::Horizontal);
    slider.setStyle(&style_);
    slider.setRange(0, 10);
    slider.resize(185, slider.sizeHint().height());
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    option.maximum = 10;
    const QRect start = style_.subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
    option.sliderPosition = 10;
    const QRect end = style_.subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
    EXPECT_EQ(start.left(), 0);
    EXPECT_EQ(end.right(), slider.width() - 1);
    // Dragged from the handle to the far end, the value follows to the maximum.
    QTest::mousePress(&slider, Qt::LeftButton, {}, start.center());
    QMouseEvent move(QEvent::MouseMove, QPointF(end.center()), slider.mapToGlobal(QPointF(end.center())),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&slider, &move);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, end.center());
    EXPECT_EQ(slider.value(), 10);
}

// The third state of a tri-state box is neither of the other two.
TEST_P(StyleGeometry, PartlyCheckedBoxHasAFaceOfItsOwn)
{
    QCheckBox box;
    box.setStyle(&style_);
    box.setTristate(true);
    box.resize(40, 20);
    QImage faces[3];
    for (Qt::CheckState state : {Qt::Unchecked, Qt::PartiallyChecked, Qt::Checked}) {
        box.setCheckState(state);
        faces[state] = box.grab().toImage();
    }
    EXPECT_NE(faces[Qt::PartiallyChecked], faces[Qt::Unchecked]);
    EXPECT_NE(faces[Qt::PartiallyChecked], faces[Qt::Checked]);
}

// At ratio 2 each pixel of the face becomes a 2 x 2 block; a style sheet
// that only colours the caption leaves the face as it is.
TEST_P(StyleGeometry, FaceIsPixelDoubledAndKeptUnderAStyleSheet)
{
    QPushButton button;
    button.setStyle(&style_);
    button.resize(80, 27);
    QPixmap dense(button.size() * 2);
    dense.setDevicePixelRatio(2);
    dense.fill(Qt::black);
    button.render(&dense);
    const QImage doubled = dense.toImage();
    QImage plain(button.size(), QImage::Format_ARGB32_Premultiplied);
    plain.fill(Qt::black);
    button.render(&plain);
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            for (const QPoint& corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                ASSERT_EQ(doubled.pixel(2 * x + corner.x(), 2 * y + corner.y()), plain.pixel(x, y))
                    << "pixel " << x << ", " << y;
    button.setStyleSheet(QStringLiteral("QPushButton { color: red; }"));
    QImage sheeted(button.size(), QImage::Format_ARGB32_Premultiplied);
    sheeted.fill(Qt::black);
    button.render(&sheeted);
    EXPECT_EQ(sheeted, plain);
}

// A busy bar runs by itself, drawn from the style's pictures in its frame.
TEST_P(StyleGeometry, BusyBarMovesOnItsOwn)
{
    QProgressBar bar;
    bar.setStyle(&style_);
    bar.setRange(0, 0);
    bar.setTextVisible(false);
    bar.resize(145, 12);
    bar.show();
    QApplication::processEvents();
    const QImage before = bar.grab().toImage();
    QTest::qWait(200);
    const QImage after = bar.grab().toImage();
    EXPECT_NE(before, after);
    const QColor border = toolkit::ColorToQColor(GetThemeColor(GetParam(), teControlBorderColor));
    EXPECT_EQ(QColor(after.pixel(0, 0)), border);
    EXPECT_EQ(QColor(after.pixel(144, 11)), border);
}

INSTANTIATE_TEST_SUITE_P(AllStyles, StyleGeometry,
                         testing::Values(TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                                         TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass),
                         [](const testing::TestParamInfo<TsuiUIStyle>& info) {
                             return SkinnedStyle::KeyFor(info.param).mid(8).toStdString();
                         });

} // namespace
