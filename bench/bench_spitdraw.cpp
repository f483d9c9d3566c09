// One paint of a 123 x 23 MacOS push-button face: the nine-piece SpitDraw into
// an off-screen image, against what a Qt developer would reach for instead, a
// QPushButton skinned with a style-sheet border-image of the same picture,
// rendered into an image of the same size.

#include "bench/common/widgetbench.h"
#include "skin/themes/suipublic.h"
#include "toolkit/canvas.h"
#include "toolkit/graphics.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int ButtonWidth = 123;
constexpr int ButtonHeight = 23;

void BM_SpitDraw(benchmark::State& state)
{
    toolkit::TBitmap bitmap;
    bitmap.SetImage(MacOSButtonPicture());
    QImage face(ButtonWidth, ButtonHeight, QImage::Format_RGB32);
    toolkit::TCanvas canvas(&face);
    for (auto _ : state) {
        SpitDraw(bitmap, canvas, toolkit::Rect(0, 0, ButtonWidth, ButtonHeight), false);
        benchmark::DoNotOptimize(face.constBits());
    }
}
BENCHMARK(BM_SpitDraw)->Unit(benchmark::kMicrosecond);

void BM_StyleSheetButton(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("button.png"));
    QPushButton button;
    SkinWithBorderImage(button, MacOSButtonPicture(), path);
    button.resize(ButtonWidth, ButtonHeight);
    QImage face(ButtonWidth, ButtonHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        button.render(&face);
        benchmark::DoNotOptimize(face.constBits());
    }
}
BENCHMARK(BM_StyleSheetButton)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
