// ispflash's own cost per firmware block against an instant device: the
// download core alone, then the whole flasher with each of its outputs, and
// the share of the time a real camera needs at 80 microseconds per register
// access. Last, what station mode spends per camera beyond the exchange itself
// (looking for the camera, the progress lines, its record, the tally).
#include "app/core/devicebinding.h"
#include "bench/common/instantdevice.h"
#include "app/core/download.h"
#include "app/core/environment.h"
#include "flash/flasher.h"
#include "flash/progress.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

namespace {

constexpr std::uint32_t kFirmwareBytes = 1024 * 1024;
constexpr std::uint32_t kBlocks = kFirmwareBytes / kBlockSize;
constexpr double kSecondsPerAccess = 80e-6;

QByteArray Firmware()
{
    QByteArray bytes(kFirmwareBytes, Qt::Uninitialized);
    for (std::uint32_t i = 0; i < kFirmwareBytes; ++i)
        bytes[i] = char(i * 131 + 7);
    return bytes;
}

// Time per block and the share of the device-bound time, from the loop's totals.
template <typename Update> void Measure(benchmark::State& state, Update update)
{
    Device() = InstantDevice();
    Environment().Sleep = [](unsigned) {}; // the 2500 ms wait is the device's time, not ours
    instantAccesses = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        update();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double iterations = double(state.iterations());
    state.counters["us_per_block"] = seconds / iterations / kBlocks * 1e6;
    state.counters["overhead_pct"] = seconds / (double(instantAccesses) * kSecondsPerAccess) * 100;
}

class Silent : public DownloadObserver {
public:
    void StageChanged(const QString&) override {}
    void ProgressChanged(int) override {}
};

void BM_CoreOnly(benchmark::State& state)
{
    const QByteArray firmware = Firmware();
    Silent silent;
    const DownloadImages images{nullptr, 0, reinterpret_cast<const std::uint8_t*>(firmware.constData()),
                                kFirmwareBytes};
    Measure(state, [&] { benchmark::DoNotOptimize(RunDownload(images, silent)); });
}

// The whole flasher from its command line: files loaded, stages written to /dev/null.
void BM_Flasher(benchmark::State& state, QStringList options, bool terminal)
{
    QTemporaryDir dir;
    QFile boot(dir.filePath("boot.bin"));
    boot.open(QIODevice::WriteOnly);
    boot.close();
    QFile firmware(dir.filePath("fw.bin"));
    firmware.open(QIODevice::WriteOnly);
    firmware.write(Firmware());
    firmware.close();
    std::FILE* sink = std::fopen("/dev/null", "w");
    options << "--boot" << boot.fileName() << firmware.fileName();
    Measure(state, [&] {
        if (RunFlasher(options, {sink, sink, terminal}) != kFlashOk) state.SkipWithError("the update failed");
    });
    std::fclose(sink);
}

// A station's cameras come and go at once: per camera the station finds it
// attached, the update opens it, the station finds it removed; a signal ends
// the shift after the last.
constexpr int kStationCameras = 50;
constexpr std::uint32_t kSampleBytes = 41037; // the sample firmware's size

DeviceBinding StationDevice(int& opens)
{
    DeviceBinding device = InstantDevice();
    device.Initialize = [&opens] {
        ++opens;
        if (opens == 3 * kStationCameras) RequestCancel();
        return opens % 3 == 0 ? -1 : 0;
    };
    return device;
}

void BM_StationPerCamera(benchmark::State& state)
{
    QTemporaryDir dir;
    QFile boot(dir.filePath("boot.bin"));
    boot.open(QIODevice::WriteOnly);
    boot.write(QByteArray(2048, '\x5a'));
    boot.close();
    QFile firmware(dir.filePath("fw.bin"));
    firmware.open(QIODevice::WriteOnly);
    firmware.write(Firmware().left(kSampleBytes));
    firmware.close();
    std::FILE* sink = std::fopen("/dev/null", "w");
    const QStringList images{"--boot", boot.fileName(), "--log", dir.filePath("line.jsonl"), firmware.fileName()};
    Environment().Sleep = [](unsigned) {};
    using Clock = std::chrono::steady_clock;
    double stationSeconds = 0, singleSeconds = 0;
    int opens = 0;
    double accessesPerCamera = 0;
    const QByteArray bootBytes(2048, '\x5a');
    const QByteArray firmwareBytes = Firmware().left(kSampleBytes);
    const DownloadImages exchange{reinterpret_cast<const std::uint8_t*>(bootBytes.constData()), 2048,
                                  reinterpret_cast<const std::uint8_t*>(firmwareBytes.constData()), kSampleBytes};
    Silent silent;
    for (auto _ : state) {
        // The exchange alone, camera after camera: what any flasher must spend.
        Device() = InstantDevice();
        instantAccesses = 0;
        auto start = Clock::now();
        for (int i = 0; i < kStationCameras; ++i)
            benchmark::DoNotOptimize(RunDownload(exchange, silent));
        singleSeconds += std::chrono::duration<double>(Clock::now() - start).count();
        accessesPerCamera = double(instantAccesses) / kStationCameras;

        opens = 0;
        Device() = StationDevice(opens);
        start = Clock::now();
        RunFlasher(QStringList{"--station"} + images, {sink, sink, false});
        stationSeconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    std::fclose(sink);
    const double cameras = double(state.iterations()) * kStationCameras;
    const double loopSeconds = (stationSeconds - singleSeconds) / cameras;
    // A real camera: every register access, and the wait after the boot code.
    const double deviceSeconds = accessesPerCamera * kSecondsPerAccess + kBootCodeWaitMs / 1e3;
    state.counters["exchange_us"] = singleSeconds / cameras * 1e6;
    state.counters["loop_us_per_camera"] = loopSeconds * 1e6;
    state.counters["loop_pct_of_device"] = loopSeconds / deviceSeconds * 100;
}

BENCHMARK(BM_CoreOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Flasher, lines, QStringList{}, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Flasher, terminal, QStringList{}, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Flasher, json, QStringList{"--json"}, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Flasher, quiet, QStringList{"--quiet"}, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StationPerCamera)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
