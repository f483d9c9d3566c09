// One drag step of the skinned track bar's slider and of the scroll bar's
// thumb against QSlider and QScrollBar, measured in the same run: a mouse move
// while the handle is held, the new value it stands for, and the repaint that
// lands on the window.
#include "bench/common/widgetbench.h"
#include "skin/scrolling/suiscrollbar.h"
#include "skin/scrolling/suitrackbar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <benchmark/benchmark.h>

namespace {

// A shown top-level window holding one control.
struct Shown {
    QWidget window;
    Shown() { window.resize(320, 240); }
    void Show()
    {
        window.show();
        QApplication::processEvents();
    }
};

void Send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Counts the paint events widgets receive, to show the repaints happen.
struct PaintCounter : QObject {
    long paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Presses the handle at `grab`, then each iteration moves it to the next of
// `steps` points from `from` by `stride` and lets the repaint land. The value
// must follow, or the benchmark measures nothing.
template <typename Value>
void DragSteps(benchmark::State& state, QWidget* target, QPoint grab, QPoint stride, int steps, Value value)
{
    Send(target, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    const int before = value();
    Send(target, QEvent::MouseMove, grab + stride * (steps / 2), Qt::LeftButton);
    if (value() == before) state.SkipWithError("the drag did not move the value");
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    int i = 0;
    for (auto _ : state) {
        Send(target, QEvent::MouseMove, grab + stride * (i++ % steps), Qt::LeftButton);
        QApplication::processEvents();
    }
    qApp->removeEventFilter(&counter);
    state.counters["paints"] = benchmark::Counter(double(counter.paints), benchmark::Counter::kAvgIterations);
    Send(target, QEvent::MouseButtonRelease, grab, Qt::NoButton);
}

// Where Qt's style puts the handle of a plain slider or scroll bar.
QPoint HandleCentre(QAbstractSlider& slider, QStyle::ComplexControl control, QStyle::SubControl handle)
{
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.subControls = QStyle::SC_All;
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.sliderPosition = option.sliderValue = slider.value();
    option.singleStep = slider.singleStep();
    option.pageStep = slider.pageStep();
    return slider.style()->subControlRect(control, &option, handle, &slider).center();
}

void SkinnedTrackBarDrag(benchmark::State& state)
{
    Shown shown;
    auto* bar = new TsuiTrackBar(nullptr, &shown.window);
    bar->SetUIStyle(TsuiUIStyle::WinXP);
    bar->SetBounds(10, 10, 200, 21);
    shown.Show();
    DragSteps(state, bar, QPoint(5, 10), QPoint(2, 0), 90, [&] { return bar->Position(); });
}
BENCHMARK(SkinnedTrackBarDrag);

void PlainSliderDrag(benchmark::State& state)
{
    Shown shown;
    auto* slider = new QSlider(Qt::Horizontal, &shown.window);
    slider->setGeometry(10, 10, 200, 21);
    slider->setRange(0, 100);
    shown.Show();
    const QPoint grab = HandleCentre(*slider, QStyle::CC_Slider, QStyle::SC_SliderHandle);
    DragSteps(state, slider, grab, QPoint(2, 0), 90, [&] { return slider->value(); });
}
BENCHMARK(PlainSliderDrag);

void SkinnedScrollBarThumbDrag(benchmark::State& state)
{
    Shown shown;
    auto* bar = new TsuiScrollBar(nullptr, &shown.window);
    bar->SetUIStyle(TsuiUIStyle::WinXP);
    bar->SetBounds(10, 10, 16, 185);
    shown.Show();
    // The drag goes to the track, which holds the thumb (15 pixels at its top).
    DragSteps(state, bar->Track(), QPoint(8, 7), QPoint(0, 1), 130, [&] { return bar->Position(); });
}
BENCHMARK(SkinnedScrollBarThumbDrag);

void PlainScrollBarThumbDrag(benchmark::State& state)
{
    Shown shown;
    auto* bar = new QScrollBar(Qt::Vertical, &shown.window);
    bar->setGeometry(10, 10, 16, 185);
    bar->setRange(0, 100);
    bar->setPageStep(10);
    shown.Show();
    const QPoint grab = HandleCentre(*bar, QStyle::CC_ScrollBar, QStyle::SC_ScrollBarSlider);
    DragSteps(state, bar, grab, QPoint(0, 1), 130, [&] { return bar->value(); });
}
BENCHMARK(PlainScrollBarThumbDrag);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
