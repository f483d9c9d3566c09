// Painting the utility's whole window at a device pixel ratio of 1 and of 2,
// in one run: every control composes its picture anew, then the window is
// rendered into an image of the ratio's size. Ratio 2 has four times the
// device pixels.
#include "bench/common/widgetbench.h"

#include "app/form1.h"
#include "skin/buttons/suibuttonsregistry.h"
#include "skin/frame/suiframeregistry.h"
#include "toolkit/control.h"
#include "toolkit/stdctrls.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>
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

BENCHMARK(PaintWindow)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
