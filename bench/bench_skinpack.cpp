// Skin packs: reading one (91 elements, its pictures) from disk and from the
// resources, loading one as a style, and switching the gallery to a loaded
// pack against switching it to the built-in style it was made from, in one
// run (the pack's switch should be no slower).
#include "bench/common/widgetbench.h"
#include "gallery/galleryform.h"
#include "skin/themes/suiskins.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// WinXP written out as a pack of its own name.
const QString& PackOnDisk()
{
    static QTemporaryDir root;
    static const QString folder = [] {
        QList<TsuiSkinProblem> problems;
        std::optional<TsuiSkinPack> pack = ReadSkinPack(BuiltInSkinFolder(TsuiUIStyle::WinXP), problems);
        QString error;
        if (!pack) std::abort();
        pack->Name = QStringLiteral("benchxp");
        const QString path = root.filePath(QStringLiteral("benchxp"));
        if (!WriteSkinPack(*pack, path, error)) std::abort();
        return path;
    }();
    return folder;
}

void ReadFromDisk(benchmark::State& state)
{
    for (auto _ : state) {
        QList<TsuiSkinProblem> problems;
        benchmark::DoNotOptimize(ReadSkinPack(PackOnDisk(), problems));
    }
}

void ReadFromResources(benchmark::State& state)
{
    for (auto _ : state) {
        QList<TsuiSkinProblem> problems;
        benchmark::DoNotOptimize(ReadSkinPack(BuiltInSkinFolder(TsuiUIStyle::WinXP), problems));
    }
}

// Read and registered, its pictures findable by name.
void LoadAsStyle(benchmark::State& state)
{
    for (auto _ : state) {
        QList<TsuiSkinProblem> problems;
        benchmark::DoNotOptimize(LoadSkinPack(PackOnDisk(), problems));
    }
}

// From MacOS to the target and painted; the way back is not timed.
void SwitchGallery(benchmark::State& state, bool toPack)
{
    QList<TsuiSkinProblem> problems;
    const TsuiUIStyle pack = LoadSkinPack(PackOnDisk(), problems);
    TGalleryForm form;
    form.show();
    QApplication::processEvents();
    const TsuiUIStyle target = toPack ? pack : TsuiUIStyle::WinXP;
    for (auto _ : state) {
        state.PauseTiming();
        form.ApplyStyle(TsuiUIStyle::MacOS);
        form.repaint();
        state.ResumeTiming();
        form.ApplyStyle(target);
        form.repaint();
    }
}

} // namespace

BENCHMARK(ReadFromDisk)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadFromResources)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadAsStyle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SwitchGallery, ToBuiltIn, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SwitchGallery, ToLoadedPack, true)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
