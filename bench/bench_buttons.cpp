// The skinned push button and progress bar against the plain Qt widgets they
// replace, measured in the same run: one position change of the main window's
// 145 x 12 bar with its immediate repaint, one paint of the 123 x 23 MacOS
// button (also against a style-sheet border-image button), and a whole
// 16 KiB boot stage (one position set per byte).
#include "bench/common/widgetbench.h"
#include "skin/buttons/suibutton.h"
#include "skin/buttons/suiprogressbar.h"
#include "toolkit/fonts.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kBootBytes = 16 * 1024;

// A shown top-level window holding one control, as on the main window.
template <typename Control> struct Shown {
    QWidget window;
    Control* control;
    template <typename... Args> explicit Shown(Args&&... args)
    {
        control = new Control(std::forward<Args>(args)...);
        control->setParent(&window);
        control->show();
        window.resize(326, 155); // the main window
        window.show();
        QApplication::processEvents();
    }
};

void SkinnedPositionChange(benchmark::State& state)
{
    Shown<TsuiProgressBar> bar(nullptr);
    bar.control->SetUIStyle(TsuiUIStyle::WinXP);
    bar.control->SetBounds(90, 119, 145, 12);
    int position = 0;
    for (auto _ : state)
        bar.control->SetPosition(position = (position + 1) % 101); // repaints before returning
}
BENCHMARK(SkinnedPositionChange);

void PlainPositionChange(benchmark::State& state)
{
    Shown<QProgressBar> bar;
    bar.control->setGeometry(90, 119, 145, 12);
    int position = 0;
    for (auto _ : state) {
        bar.control->setValue(position = (position + 1) % 101);
        bar.control->repaint();
    }
}
BENCHMARK(PlainPositionChange);

void SkinnedButtonPaint(benchmark::State& state)
{
    Shown<TsuiButton> button(nullptr);
    button.control->SetUIStyle(TsuiUIStyle::MacOS);
    button.control->SetCaption(QStringLiteral("Update Firmware"));
    button.control->setGeometry(101, 87, 123, 23);
    for (auto _ : state)
        button.control->repaint();
}
BENCHMARK(SkinnedButtonPaint);

void PlainButtonPaint(benchmark::State& state)
{
    Shown<QPushButton> button(QStringLiteral("Update Firmware"));
    button.control->setGeometry(101, 87, 123, 23);
    for (auto _ : state)
        button.control->repaint();
}
BENCHMARK(PlainButtonPaint);

// The same repaint of a push button skinned by a style-sheet border-image of
// the same picture.
void StyleSheetButtonPaint(benchmark::State& state)
{
    QTemporaryDir dir;
    Shown<QPushButton> button(QStringLiteral("Update Firmware"));
    SkinWithBorderImage(*button.control, MacOSButtonPicture(), dir.filePath(QStringLiteral("button.png")));
    button.control->setGeometry(101, 87, 123, 23);
    for (auto _ : state)
        button.control->repaint();
}
BENCHMARK(StyleSheetButtonPaint);

// Most sets of a boot stage leave the bar as it is and skip their paint.
void SkinnedBootStage(benchmark::State& state)
{
    Shown<TsuiProgressBar> bar(nullptr);
    bar.control->SetUIStyle(TsuiUIStyle::WinXP);
    bar.control->SetBounds(90, 119, 145, 12);
    for (auto _ : state) {
        bar.control->SetPosition(0);
        for (int i = 0; i < kBootBytes; ++i)
            bar.control->SetPosition((i + 1) * 100 / kBootBytes);
    }
}
BENCHMARK(SkinnedBootStage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
