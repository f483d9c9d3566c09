// The utility's own cost of one update against an instant device: per boot code
// byte, per firmware block, and the whole compared with the time a real camera
// needs at 80 microseconds per register access.
#include "bench/common/widgetbench.h"
#include "app/core/devicebinding.h"
#include "bench/common/instantdevice.h"
#include "app/core/environment.h"
#include "app/form1.h"
#include "toolkit/dialogs.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <numeric>
#include <string>

namespace {

constexpr std::uint32_t kBootCodeBytes = 16 * 1024;
constexpr std::uint32_t kFirmwareBytes = 1024 * 1024;
constexpr double kSecondsPerAccess = 80e-6;

// A memory figure of /proc/self/status in KiB: "VmRSS:" now, "VmHWM:" the peak so far.
long StatusKiB(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(field.size()));
    return -1;
}

// Written in small pieces so that the file itself adds nothing to the peak.
QString WriteImageFile(const QTemporaryDir& dir, const char* name, std::uint32_t size)
{
    QFile file(dir.filePath(QString::fromLatin1(name)));
    file.open(QIODevice::WriteOnly);
    char chunk[4096];
    for (std::uint32_t written = 0; written < size; written += sizeof chunk) {
        for (std::uint32_t i = 0; i < sizeof chunk; ++i)
            chunk[i] = char((written + i) * 131 + 7);
        file.write(chunk, std::min<qint64>(sizeof chunk, size - written));
    }
    return file.fileName();
}

// Chooses the one firmware file; no message is expected.
struct FirmwareChooser : toolkit::DialogResponder {
    QString path;
    toolkit::TModalResult Message(const toolkit::MessageRequest&) override { return toolkit::TModalResult::Ok; }
    std::optional<QString> OpenFile(const toolkit::OpenFileRequest&) override { return path; }
};

// Both images loaded through the window's own handlers, as a user would.
struct Fixture {
    TForm1 form;
    QTemporaryDir dir;
    FirmwareChooser chooser;
    toolkit::DialogResponder* previousDialogs = nullptr;
    long loadGrowthKiB = 0;

    Fixture(std::uint32_t bootBytes, std::uint32_t firmwareBytes)
    {
        Device() = InstantDevice();
        Environment().Sleep = [](unsigned) {}; // the 2500 ms wait is the device's time, not ours
        Environment().ModulePath = [this] { return dir.filePath(QStringLiteral("ispupdate")); };
        previousDialogs = toolkit::SetDialogResponder(&chooser);
        form.show();
        QCoreApplication::processEvents();
        QFile ini(dir.filePath(QStringLiteral("ispupdate.ini")));
        ini.open(QIODevice::WriteOnly);
        ini.write("[system]\nboot_file=boot.bin\n");
        ini.close();
        WriteImageFile(dir, "boot.bin", bootBytes);
        chooser.path = WriteImageFile(dir, "fw.bin", firmwareBytes);
        const long before = StatusKiB("VmRSS:");
        form.FormCreate(&form);
        form.cmdLoadClick(nullptr);
        const UtilityState& images = form.Utility();
        // Resident only once touched, as sending them does.
        benchmark::DoNotOptimize(
            std::accumulate(images.Firmware.get(), images.Firmware.get() + images.FirmwareLength, 0));
        loadGrowthKiB = StatusKiB("VmRSS:") - before;
    }
    ~Fixture()
    {
        toolkit::SetDialogResponder(previousDialogs);
        Environment() = ProcessEnvironment::Platform();
    }
};

void RunUpdates(benchmark::State& state, std::uint32_t bootBytes, std::uint32_t firmwareBytes, double units,
                const char* perUnit)
{
    Fixture fixture(bootBytes, firmwareBytes);
    const long peakBeforeUpdates = StatusKiB("VmHWM:");
    instantAccesses = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        fixture.form.cmdUpdateClick(nullptr);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double iterations = double(state.iterations());
    const double deviceSeconds = double(instantAccesses) / iterations * kSecondsPerAccess;
    state.counters[perUnit] = seconds / iterations / units * 1e6;
    state.counters["accesses"] = double(instantAccesses) / iterations;
    state.counters["overhead_pct"] = seconds / iterations / deviceSeconds * 100;
    state.counters["images_KiB"] = (bootBytes + firmwareBytes) / 1024.0;
    state.counters["load_rss_KiB"] = double(fixture.loadGrowthKiB);
    state.counters["update_peak_KiB"] = double(StatusKiB("VmHWM:") - peakBeforeUpdates);
}

void BM_BootCodeStage(benchmark::State& state)
{
    RunUpdates(state, kBootCodeBytes, 0, kBootCodeBytes, "us_per_byte");
}

void BM_FirmwareStage(benchmark::State& state)
{
    RunUpdates(state, 0, kFirmwareBytes, kFirmwareBytes / 128, "us_per_block");
}

void BM_WholeUpdate(benchmark::State& state)
{
    RunUpdates(state, kBootCodeBytes, kFirmwareBytes, 1, "us_per_update");
}

BENCHMARK(BM_BootCodeStage)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FirmwareStage)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WholeUpdate)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
