// Painting the utility's whole window at a device pixel ratio of 1 and of 2,
// in one run: every control composes its picture anew, then the window is
// rendered into an image of the ratio's size. Ratio 2 has four times the
// device pixels.
//
//   bench_hidpi --paints=N   exactly N paints per ratio, so two callgrind runs
//                            (all threads counted) differ only in their paints
#include "bench/common/widgetbench.h"

#include "app/form1.h"
#include "skin/buttons/suibuttonsregistry.h"
#include "skin/frame/suiframeregistry.h"
#include "toolkit/control.h"
#include "toolkit/stdctrls.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

void PaintWindow(benchmark::State& state)
{
    const qreal ratio = state.range(0);
    toolkit::RegisterStandardControls();
    RegisterSuiFrame();
    RegisterSuiButtons();
    TForm1 form;
    form.show();
    QApplication::processEvents();
    QImage image(form.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    const QList<toolkit::TCustomControl*> controls = form.findChildren<toolkit::TCustomControl*>();
    for (auto _ : state) {
        for (toolkit::TCustomControl* control : controls) control->Invalidate();
        form.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["device_pixels"] = image.width() * image.height();
}

} // namespace

int main(int argc, char** argv)
{
    auto* paint = benchmark::RegisterBenchmark("PaintWindow", PaintWindow)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--paints=", 9) == 0) {
            paint->Iterations(std::atoi(argv[i] + 9));
            std::copy(argv + i + 1, argv + argc + 1, argv + i); // the flag is ours, not the library's
            --argc;
            break;
        }
    return RunWidgetBenchmarks(argc, argv);
}
