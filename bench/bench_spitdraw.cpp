// One paint of a 123 x 23 MacOS push-button face: the nine-piece SpitDraw into
// an off-screen image, against what a Qt developer would reach for instead, a
// QPushButton skinned with a style-sheet border-image of the same picture,
// rendered into an image of the same size.

#include "bench/common/widgetbench.h"
#include "skin/themes/suipublic.h"
#include "toolkit/canvas.h"
#include "toolkit/graphics.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int ButtonWidth = 123;
constexpr int ButtonHeight = 23;

// The compiled-in picture, or an 84 x 23 stand-in when the build has none.
QImage ButtonPicture()
{
    const QString name = QStringLiteral(":/pictures/MACOS_BUTTON_NORMAL");
    if (QFile::exists(name)) return QImage(name).convertToFormat(QImage::Format_RGB32);
    std::fprintf(stderr, "MACOS_BUTTON_NORMAL not compiled in: using a synthetic 84 x 23 picture\n");
    QImage picture(84, 23, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(200 + y, 200 + y, 210 + x % 40));
    return picture;
}

void BM_SpitDraw(benchmark::State& state)
{
    toolkit::TBitmap bitmap;
    bitmap.SetImage(ButtonPicture());
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
    const QImage picture = ButtonPicture();
    picture.save(path);
    // Slices as SpitDraw's corners: left hw, right W - hw - 1, top hh, bottom hh - 1.
    const int hw = picture.width() / 2, hh = picture.height() / 2;
    const QString slices =
        QStringLiteral("%1 %2 %3 %4").arg(hh).arg(picture.width() - hw - 1).arg(hh - 1).arg(hw);
    QPushButton button;
    button.setStyleSheet(
        QStringLiteral("QPushButton { border-image: url(%1) %2 stretch stretch;"
                       " border-width: %3; }")
            .arg(path, slices,
                 QString(slices).replace(QLatin1Char(' '), QLatin1String("px ")) + QStringLiteral("px")));
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
