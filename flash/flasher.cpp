#include "flash/flasher.h"

#include "app/core/download.h"
#include "app/core/environment.h"
#include "app/core/startup.h"
#include "flash/progress.h"
#include "platform/modulepath.h"
#include "platform/wholefile.h"

#include <QCommandLineParser>
#include <QJsonObject>
#include <algorithm>
#include <chrono>
#include <thread>

namespace {

constexpr char kUsage[] =
    "Usage: ispflash [options] FIRMWARE\n"
    "Writes FIRMWARE into the camera: the boot code first (named by boot_file in\n"
    "section [system] of ispupdate.ini beside this program, the window's INI), then\n"
    "the firmware in acknowledged 128-byte blocks.\n"
    "\n"
    "  --boot FILE   send FILE as the boot code instead of the one the INI names\n"
    "  -q, --quiet   print only errors\n"
    "  --json        one JSON object per stage on standard output, then the result\n"
    "  -h, --help    show this help\n"
    "\n"
    "Exit status:\n"
    "  0    the firmware was written\n"
    "  1    an unexpected internal error\n"
    "  2    bad command line\n"
    "  3    the boot code cannot be loaded\n"
    "  4    the firmware file cannot be loaded or is empty\n"
    "  5    no camera found, or it is in use by another program\n"
    "  6    a block was not acknowledged\n"
    "  7    the camera stopped answering (the message says where)\n"
    "  8    the firmware was written, but the camera did not confirm the end\n"
    "  129  hung up (SIGHUP), 130 interrupted (Ctrl-C, SIGTERM), 131 quit (SIGQUIT):\n"
    "       the exchange was ended cleanly; the camera holds an incomplete image\n"
    "A closed standard output does not stop an update.\n";

struct Options {
    bool help = false;
    bool quiet = false;
    bool json = false;
    QString boot;
    QString firmware;
};

// Empty on success, otherwise what is wrong with the command line. Long
// options take their value as "--boot FILE" or "--boot=FILE"; short ones group
// ("-qh").
QString Parse(const QStringList& arguments, Options& options)
{
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption quiet(QStringList{"q", "quiet"});
    const QCommandLineOption json("json");
    const QCommandLineOption boot("boot", {}, "FILE");
    parser.addOptions({help, quiet, json, boot});
    if (!parser.parse(QStringList{"ispflash"} + arguments)) return parser.errorText();
    options.help = parser.isSet(help);
    options.quiet = parser.isSet(quiet);
    options.json = parser.isSet(json);
    if (parser.isSet(boot)) options.boot = parser.value(boot);
    const QStringList operands = parser.positionalArguments();
    if (operands.size() > 1) return QStringLiteral("one firmware file only");
    if (!operands.isEmpty()) options.firmware = operands.first();
    if (!options.help && options.firmware.isEmpty()) return QStringLiteral("no firmware file given");
    return {};
}

void Print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

QString Where(const DownloadOutcome& outcome)
{
    if (outcome.block == 0) return QStringLiteral("during the boot code");
    return QStringLiteral("at block %1/%2").arg(outcome.block).arg(outcome.blocks);
}

// Where the camera first stopped answering, in a message and as a JSON word.
QString WhereItStopped(const DownloadOutcome& outcome)
{
    switch (outcome.failedStep) {
    case DownloadStep::DownloadMode: return QStringLiteral("while entering download mode");
    case DownloadStep::BootCode: return QStringLiteral("during the boot code");
    case DownloadStep::BootCodeStart: return QStringLiteral("while starting the boot code");
    case DownloadStep::Firmware: return QStringLiteral("at block %1/%2").arg(outcome.failedBlock).arg(outcome.blocks);
    case DownloadStep::Ending: return QStringLiteral("during the final writes");
    }
    return {};
}

QString StepName(DownloadStep step)
{
    switch (step) {
    case DownloadStep::DownloadMode: return QStringLiteral("download mode");
    case DownloadStep::BootCode: return QStringLiteral("boot code");
    case DownloadStep::BootCodeStart: return QStringLiteral("boot code start");
    case DownloadStep::Firmware: return QStringLiteral("firmware");
    case DownloadStep::Ending: return QStringLiteral("final writes");
    }
    return {};
}

// How an update ended, for the person and for the program reading the result.
struct Ending {
    int exitCode = kFlashOk;
    QString result; // short name in the JSON result
    QString message; // empty on success
};

int InterruptedExit()
{
    switch (CancelSignal()) {
    case SIGHUP: return kFlashHungUp;
    case SIGQUIT: return kFlashQuit;
    default: return kFlashInterrupted;
    }
}

Ending EndingOf(const DownloadOutcome& outcome)
{
    const QString failed = QString::fromLatin1(kUpdateFailedMessage);
    const QString lost = failed + QStringLiteral("the camera stopped answering ") + WhereItStopped(outcome);
    switch (outcome.result) {
    case DownloadResult::Succeeded:
        // Every block was acknowledged, yet a failed access leaves doubt: the
        // line must know whether the camera was told to leave download mode.
        if (!outcome.accessFailed) return {kFlashOk, QStringLiteral("ok"), {}};
        if (outcome.failedStep == DownloadStep::Ending)
            return {kFlashEndNotConfirmed, QStringLiteral("end not confirmed"),
                    QStringLiteral("firmware written, but the camera did not confirm the end")};
        return {kFlashDeviceLost, QStringLiteral("device lost"), lost};
    case DownloadResult::NoFirmware: // the image was loaded before; kept for completeness
        return {kFlashNoFirmware, QStringLiteral("firmware not loaded"), QString::fromLatin1(kNoFirmwareMessage)};
    case DownloadResult::NoDevice:
        return {kFlashNoDevice, QStringLiteral("device not found"),
                QString::fromLatin1(kNoDeviceMessage) +
                    QStringLiteral("\nthe camera is missing or in use by another program")};
    case DownloadResult::Cancelled:
        return {InterruptedExit(), QStringLiteral("interrupted"),
                QStringLiteral("interrupted %1: the camera holds an incomplete image").arg(Where(outcome))};
    case DownloadResult::BlockNotAcknowledged:
        break;
    }
    if (outcome.accessFailed) return {kFlashDeviceLost, QStringLiteral("device lost"), lost};
    return {kFlashNotAcknowledged, QStringLiteral("block not acknowledged"),
            failed + QStringLiteral("block %1/%2 was not acknowledged").arg(outcome.block).arg(outcome.blocks)};
}

// One configuration for both programs: the window's INI beside this executable.
QString BootCodeBesideTheWindow()
{
    const QString directory = platform::DirectoryOf(Environment().ModulePath());
    return LocateBootCode(directory + u'/' + QLatin1String(kIniFileName), directory).BootCodePath;
}

class Flasher {
public:
    Flasher(const Options& options, const FlasherStreams& streams) : options_(options), streams_(streams) {}

    int Run()
    {
        const QString bootPath = options_.boot.isNull() ? BootCodeBesideTheWindow() : options_.boot;
        std::uint32_t bootLength = 0;
        const platform::ImageBuffer bootCode = platform::ReadWholeFile(bootPath, &bootLength);
        if (!bootCode)
            return End({kFlashNoBootCode, QStringLiteral("boot code not loaded"), BootCodeFailureMessage(bootPath)});
        std::uint32_t firmwareLength = 0;
        const platform::ImageBuffer firmware = platform::ReadWholeFile(options_.firmware, &firmwareLength);
        if (!firmware)
            return End({kFlashNoFirmware, QStringLiteral("firmware not loaded"),
                         QStringLiteral("Fail to load firmware file.\n%1").arg(options_.firmware)});
        // The window sends an empty image as it is; on a line it is always a mistake.
        if (firmwareLength == 0)
            return End({kFlashNoFirmware, QStringLiteral("firmware empty"),
                        QStringLiteral("firmware file is empty\n%1").arg(options_.firmware)});

        ProgressReport report(streams_.out, Style(), firmwareLength);
        const DownloadOutcome outcome =
            RunDownload({bootCode.get(), bootLength, firmware.get(), firmwareLength}, report);
        const Ending ending = EndingOf(outcome);
        report.Finish(ending.exitCode == kFlashOk);
        return End(ending, &outcome);
    }

private:
    ProgressStyle Style() const
    {
        if (options_.json) return ProgressStyle::Json;
        if (options_.quiet) return ProgressStyle::Quiet;
        return streams_.outIsTerminal ? ProgressStyle::Terminal : ProgressStyle::Lines;
    }

    int End(const Ending& ending, const DownloadOutcome* outcome = nullptr)
    {
        if (!ending.message.isEmpty())
            Print(streams_.err, QStringLiteral("ispflash: ") + ending.message.trimmed() + u'\n');
        if (options_.json) {
            QJsonObject result{{"result", ending.result}, {"exit_code", ending.exitCode}};
            if (!ending.message.isEmpty()) result.insert("message", ending.message.trimmed());
            if (outcome && outcome->block) {
                result.insert("block", qint64(outcome->block));
                result.insert("blocks", qint64(outcome->blocks));
            }
            if (outcome && outcome->accessFailed) result.insert("stopped_at", StepName(outcome->failedStep));
            WriteJsonLine(streams_.out, result);
        }
        return ending.exitCode;
    }

    const Options& options_;
    const FlasherStreams& streams_;
};

} // namespace

int RunFlasher(const QStringList& arguments, const FlasherStreams& streams)
{
    Options options;
    if (const QString problem = Parse(arguments, options); !problem.isEmpty()) {
        Print(streams.err, QStringLiteral("ispflash: %1\n%2").arg(problem, QString::fromLatin1(kUsage)));
        return kFlashUsage;
    }
    if (options.help) {
        Print(streams.out, QString::fromLatin1(kUsage));
        return kFlashOk;
    }
    ClearCancelRequest(); // a cancel belongs to the run it interrupted
    return Flasher(options, streams).Run();
}

void SleepUnlessCancelled(unsigned milliseconds)
{
    using namespace std::chrono;
    const auto end = steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!CancelWasRequested() && steady_clock::now() < end)
        std::this_thread::sleep_for(std::min<steady_clock::duration>(20ms, end - steady_clock::now()));
}
