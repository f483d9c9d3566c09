// Reading a stored layout of many sibling controls on one skinned frame: the
// time must grow linearly with their number (100,000 within 2 s).
//
//   bench_layout --benchmark_filter=Siblings/100000
#include "bench/common/widgetbench.h"
#include "skin/buttons/suibuttonsregistry.h"
#include "skin/frame/suiframeregistry.h"
#include "toolkit/form.h"
#include "toolkit/layoutreader.h"
#include "toolkit/stdctrls.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QString SiblingsLayout(int count)
{
    QString text = QStringLiteral("object Form1: TBenchForm\n  object frm: TsuiForm\n    UIStyle = WinXP\n");
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("    object btn%1: TsuiButton\n      Left = %2\n      Top = %3\n"
                               "      Caption = 'Button %1'\n    end\n")
                    .arg(i)
                    .arg(i % 40 * 20)
                    .arg(i / 40 % 30 * 20);
    return text + QStringLiteral("  end\nend\n");
}

void Siblings(benchmark::State& state)
{
    toolkit::RegisterStandardControls();
    RegisterSuiFrame();
    RegisterSuiButtons();
    toolkit::RegisterClass<toolkit::TForm>(QStringLiteral("TBenchForm"));
    const QString text = SiblingsLayout(int(state.range(0)));
    for (auto _ : state) {
        std::unique_ptr<QObject> root(toolkit::ReadLayout(text));
        state.PauseTiming(); // deleting is not reading
        // Widgets deleted with events still posted to them each search the
        // whole queue; a running program would have delivered them.
        QCoreApplication::sendPostedEvents();
        root.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(Siblings)->RangeMultiplier(4)->Range(1 << 10, 1 << 14)->Arg(100000)->Unit(benchmark::kMillisecond)
    ->Iterations(1)->Complexity();

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
