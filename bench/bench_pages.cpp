// Switching the shown page of a 10-page control, skinned against QTabWidget
// in the same run: each switch is followed by an immediate repaint of the
// window, so both pay for hiding one page, showing the next and painting.
#include "bench/common/widgetbench.h"
#include "skin/scrolling/suipagecontrol.h"

#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr int kPages = 10;

struct Window {
    QWidget window;
    Window() { window.resize(400, 300); }
    void Show()
    {
        window.show();
        QApplication::processEvents();
    }
};

void SkinnedPageSwitch(benchmark::State& state)
{
    Window w;
    auto* pages = new TsuiPageControl(nullptr, &w.window);
    pages->SetUIStyle(TsuiUIStyle::WinXP);
    pages->SetBounds(8, 8, 384, 284);
    for (int i = 0; i < kPages; ++i)
        new QLabel(QStringLiteral("Page %1").arg(i), pages->NewPage());
    w.Show();
    int index = 0;
    for (auto _ : state) {
        pages->SetActivePageIndex(index = (index + 1) % kPages);
        w.window.repaint();
    }
}
BENCHMARK(SkinnedPageSwitch);

void PlainPageSwitch(benchmark::State& state)
{
    Window w;
    auto* pages = new QTabWidget(&w.window);
    pages->setGeometry(8, 8, 384, 284);
    for (int i = 0; i < kPages; ++i) {
        auto* page = new QWidget;
        new QLabel(QStringLiteral("Page %1").arg(i), page);
        pages->addTab(page, QStringLiteral("suiTabSheet%1").arg(i + 1));
    }
    w.Show();
    int index = 0;
    for (auto _ : state) {
        pages->setCurrentIndex(index = (index + 1) % kPages);
        w.window.repaint();
    }
}
BENCHMARK(PlainPageSwitch);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
