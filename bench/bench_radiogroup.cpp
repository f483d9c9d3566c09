// Arranging a radio group of 100 items, as a resize of the group does (goal:
// well under a millisecond), and making its 100 item buttons from Items.
#include "bench/common/widgetbench.h"
#include "skin/buttons/suibutton.h"
#include "skin/controls/suiradiogroup.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kItems = 100;

QStringList Lines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("Item %1").arg(i);
    return lines;
}

// A shown window with a radio group of four columns on it.
struct Shown {
    QWidget window;
    TsuiRadioGroup* group = new TsuiRadioGroup(&window, &window);
    Shown()
    {
        window.resize(800, 700);
        group->SetBounds(10, 10, 700, 600);
        group->SetColumns(4);
        window.show();
        QApplication::processEvents();
    }
};

void ArrangeHundredItems(benchmark::State& state)
{
    Shown shown;
    shown.group->SetItems(Lines(kItems));
    QApplication::processEvents();
    int height = 600;
    for (auto _ : state) {
        height = height == 600 ? 601 : 600;
        shown.group->SetHeight(height); // every button moves to its new place
    }
}
BENCHMARK(ArrangeHundredItems)->Unit(benchmark::kMicrosecond);

void MakeHundredItemButtons(benchmark::State& state)
{
    Shown shown;
    const QStringList lines = Lines(kItems);
    for (auto _ : state) {
        shown.group->SetItems(lines);
        state.PauseTiming();
        shown.group->SetItems({});
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(MakeHundredItemButtons)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
