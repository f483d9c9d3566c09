#include "flash/flasher.h"

#include "app/core/devicebinding.h"
#include "app/core/download.h"
#include "app/core/environment.h"
#include "app/core/startup.h"
#include "flash/progress.h"
#include "platform/modulepath.h"
#include "platform/wholefile.h"

#include "flash/runlog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QJsonObject>
#include <QSysInfo>
#include <algorithm>
#include <chrono>
#include <thread>

namespace {

constexpr char kUsage[] = QT_TRANSLATE_NOOP(
    "Flasher", "Usage: ispflash [options] FIRMWARE\n"
               "Writes FIRMWARE into the camera: the boot code first (named by boot_file in\n"
               "section [system] of ispupdate.ini beside this program, the window's INI), then\n"
               "the firmware in acknowledged 128-byte blocks.\n"
               "\n"
               "  --boot FILE   send FILE as the boot code instead of the one the INI names\n"
               "  --check       check the INI, the boot code, the firmware and that a camera is\n"
               "                present and free, without writing to the camera\n"
               "  --station     flash camera after camera until Ctrl-C: wait for a camera to be\n"
               "                attached, update it, wait for it to be removed; a tally after\n"
               "                each camera and a summary at the end\n"
               "  --log FILE    append one JSON line per camera to FILE (time, host, firmware,\n"
               "                its size and SHA-256, the boot code's SHA-256, result, exit\n"
               "                code, blocks acknowledged, duration)\n"
               "  -q, --quiet   print only errors\n"
               "  --json        one JSON object per stage on standard output, then the result\n"
               "  -h, --help    show this help\n"
               "  --version     show the version\n"
               "\n"
               "Exit status:\n"
               "  0    the firmware was written (--check: everything is ready)\n"
               "  1    an unexpected internal error\n"
               "  2    bad command line, or the log cannot be opened\n"
               "  3    the boot code cannot be loaded\n"
               "  4    the firmware file cannot be loaded or is empty\n"
               "  5    no camera found, or it is in use by another program\n"
               "  6    a block was not acknowledged\n"
               "  7    the camera stopped answering (the message says where)\n"
               "  8    the firmware was written, but the camera did not confirm the end\n"
               "  129  hung up (SIGHUP)\n"
               "  130  interrupted (Ctrl-C or SIGTERM)\n"
               "  131  quit (SIGQUIT)\n"
               "       after 129 to 131 the exchange was ended cleanly, and the camera holds\n"
               "       an incomplete image\n"
               "With --station, the status of the last camera that failed (0 if none did),\n"
               "or 129 to 131 when a signal interrupted an update.\n"
               "A closed standard output does not stop an update.\n");

// The flasher's own texts in the user's language.
QString Tr(const char* text)
{
    return QCoreApplication::translate("Flasher", text);
}

// A message for a person and for a program at once: in the user's language on
// standard error, in English in the JSON result and the log, which programs
// read.
struct Message {
    QString english;
    QString shown;

    Message() = default;
    Message(const char* context, const char* text)
        : english(QString::fromUtf8(text)), shown(QCoreApplication::translate(context, text))
    {
    }
    // The flasher's own text.
    explicit Message(const char* text) : Message("Flasher", text) {}

    bool IsEmpty() const { return english.isEmpty(); }
    Message Arg(const QString& a) const { return {english.arg(a), shown.arg(a)}; }
    Message Arg(qint64 a) const { return {english.arg(a), shown.arg(a)}; }
    // A part that is a message itself, each language into its own.
    Message Arg(const Message& part) const { return {english.arg(part.english), shown.arg(part.shown)}; }
    Message operator+(const Message& more) const { return {english + more.english, shown + more.shown}; }

private:
    Message(QString e, QString s) : english(std::move(e)), shown(std::move(s)) {}
};

struct Options {
    bool help = false;
    bool version = false;
    bool check = false;
    bool station = false;
    QString log;
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
    const QCommandLineOption version("version");
    const QCommandLineOption check("check");
    const QCommandLineOption station("station");
    const QCommandLineOption log("log", {}, "FILE");
    parser.addOptions({help, quiet, json, boot, version, check, station, log});
    if (!parser.parse(QStringList{"ispflash"} + arguments)) return parser.errorText();
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    options.check = parser.isSet(check);
    options.station = parser.isSet(station);
    options.log = parser.value(log);
    if (options.check && options.station)
        return Tr(QT_TRANSLATE_NOOP("Flasher", "--check and --station exclude each other"));
    options.quiet = parser.isSet(quiet);
    options.json = parser.isSet(json);
    if (parser.isSet(boot)) options.boot = parser.value(boot);
    const QStringList operands = parser.positionalArguments();
    if (operands.size() > 1) return Tr(QT_TRANSLATE_NOOP("Flasher", "one firmware file only"));
    if (!operands.isEmpty()) options.firmware = operands.first();
    if (!options.help && !options.version && options.firmware.isEmpty())
        return Tr(QT_TRANSLATE_NOOP("Flasher", "no firmware file given"));
    return {};
}

void Print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

Message AtBlock(std::uint32_t block, std::uint32_t blocks)
{
    return Message(QT_TRANSLATE_NOOP("Flasher", "at block %1/%2")).Arg(block).Arg(blocks);
}

Message Where(const DownloadOutcome& outcome)
{
    if (outcome.block == 0) return Message(QT_TRANSLATE_NOOP("Flasher", "during the boot code"));
    return AtBlock(outcome.block, outcome.blocks);
}

// Where the camera first stopped answering, in a message.
Message WhereItStopped(const DownloadOutcome& outcome)
{
    switch (outcome.failedStep) {
    case DownloadStep::DownloadMode:
        return Message(QT_TRANSLATE_NOOP("Flasher", "while entering download mode"));
    case DownloadStep::BootCode:
        return Message(QT_TRANSLATE_NOOP("Flasher", "during the boot code"));
    case DownloadStep::BootCodeStart:
        return Message(QT_TRANSLATE_NOOP("Flasher", "while starting the boot code"));
    case DownloadStep::Firmware:
        return AtBlock(outcome.failedBlock, outcome.blocks);
    case DownloadStep::Ending:
        return Message(QT_TRANSLATE_NOOP("Flasher", "during the final writes"));
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
    QString result;  // short name in the JSON result and the log, always English
    Message message; // empty on success
};

int InterruptedExit()
{
    switch (CancelSignal()) {
    case SIGHUP: return kFlashHungUp;
    case SIGQUIT: return kFlashQuit;
    default: return kFlashInterrupted;
    }
}

// The short result names; the tally line shows them translated.
constexpr char kResultOk[] = QT_TRANSLATE_NOOP("Flasher", "ok");
constexpr char kResultEndNotConfirmed[] = QT_TRANSLATE_NOOP("Flasher", "end not confirmed");
constexpr char kResultDeviceLost[] = QT_TRANSLATE_NOOP("Flasher", "device lost");
constexpr char kResultNoFirmware[] = QT_TRANSLATE_NOOP("Flasher", "firmware not loaded");
constexpr char kResultFirmwareEmpty[] = QT_TRANSLATE_NOOP("Flasher", "firmware empty");
constexpr char kResultNoBootCode[] = QT_TRANSLATE_NOOP("Flasher", "boot code not loaded");
constexpr char kResultNoDevice[] = QT_TRANSLATE_NOOP("Flasher", "device not found");
constexpr char kResultInterrupted[] = QT_TRANSLATE_NOOP("Flasher", "interrupted");
constexpr char kResultNotAcknowledged[] = QT_TRANSLATE_NOOP("Flasher", "block not acknowledged");

Ending EndingOf(const DownloadOutcome& outcome)
{
    const Message failed("Download", kUpdateFailedMessage);
    const Message lost =
        failed +
        Message(QT_TRANSLATE_NOOP("Flasher", "the camera stopped answering %1")).Arg(WhereItStopped(outcome));
    switch (outcome.result) {
    case DownloadResult::Succeeded:
        // Every block was acknowledged, yet a failed access leaves doubt: the
        // line must know whether the camera was told to leave download mode.
        if (!outcome.accessFailed) return {kFlashOk, kResultOk, {}};
        if (outcome.failedStep == DownloadStep::Ending)
            return {kFlashEndNotConfirmed, kResultEndNotConfirmed,
                    Message(QT_TRANSLATE_NOOP("Flasher",
                                              "firmware written, but the camera did not confirm the end"))};
        return {kFlashDeviceLost, kResultDeviceLost, lost};
    case DownloadResult::NoFirmware: // the image was loaded before; kept for completeness
        return {kFlashNoFirmware, kResultNoFirmware, Message("Download", kNoFirmwareMessage)};
    case DownloadResult::NoDevice:
        return {kFlashNoDevice, kResultNoDevice,
                Message("Download", kNoDeviceMessage) +
                    Message(QT_TRANSLATE_NOOP("Flasher",
                                              "\nthe camera is missing or in use by another program"))};
    case DownloadResult::Cancelled:
        return {InterruptedExit(), kResultInterrupted,
                Message(QT_TRANSLATE_NOOP("Flasher", "interrupted %1: the camera holds an incomplete image"))
                    .Arg(Where(outcome))};
    case DownloadResult::BlockNotAcknowledged:
        break;
    }
    if (outcome.accessFailed) return {kFlashDeviceLost, kResultDeviceLost, lost};
    return {kFlashNotAcknowledged, kResultNotAcknowledged,
            failed + Message(QT_TRANSLATE_NOOP("Flasher", "block %1/%2 was not acknowledged"))
                         .Arg(outcome.block)
                         .Arg(outcome.blocks)};
}

// One configuration for both programs: the window's INI beside this executable.
QString BootCodeBesideTheWindow()
{
    const QString directory = platform::DirectoryOf(Environment().ModulePath());
    return LocateBootCode(directory + u'/' + QLatin1String(kIniFileName), directory).BootCodePath;
}

// Blocks the camera acknowledged in an update that ended so.
std::uint32_t AcknowledgedBlocks(const DownloadOutcome& outcome)
{
    switch (outcome.result) {
    case DownloadResult::Succeeded: return outcome.blocks;
    case DownloadResult::Cancelled: return outcome.block; // asked after its acknowledgement
    case DownloadResult::BlockNotAcknowledged: return outcome.block - 1;
    case DownloadResult::NoFirmware:
    case DownloadResult::NoDevice: break;
    }
    return 0;
}

bool IsInterruption(int exitCode)
{
    return exitCode == kFlashHungUp || exitCode == kFlashInterrupted || exitCode == kFlashQuit;
}

QString Sha256(const platform::ImageBuffer& bytes, std::uint32_t length)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArrayView(bytes.get(), length), QCryptographicHash::Sha256).toHex());
}

// Between two looks at whether a camera is attached, in station mode.
constexpr unsigned kStationPollMs = 200;

class Flasher {
public:
    using Clock = std::chrono::steady_clock;

    Flasher(const Options& options, const FlasherStreams& streams) : options_(options), streams_(streams) {}

    int Run()
    {
        if (!options_.log.isEmpty()) {
            if (const QString why = log_.Open(options_.log); !why.isEmpty()) {
                Print(streams_.err, Tr(QT_TRANSLATE_NOOP("Flasher", "ispflash: cannot open the log %1: %2\n"))
                                        .arg(options_.log, why));
                return kFlashUsage;
            }
        }
        if (const Ending problem = Load(); problem.exitCode != kFlashOk) {
            if (!options_.check) Record(problem, nullptr, {});
            return End(problem);
        }
        if (options_.check) return Check();
        if (options_.station) return Station();
        return Update().exitCode;
    }

private:
    // The boot code and the firmware, as a run needs them.
    Ending Load()
    {
        bootPath_ = options_.boot.isNull() ? BootCodeBesideTheWindow() : options_.boot;
        bootCode_ = platform::ReadWholeFile(bootPath_, &bootLength_);
        if (!bootCode_)
            return {kFlashNoBootCode, kResultNoBootCode,
                    Message("Startup", kBootCodeFailureMessage).Arg(bootPath_)};
        firmware_ = platform::ReadWholeFile(options_.firmware, &firmwareLength_);
        if (!firmware_)
            return {kFlashNoFirmware, kResultNoFirmware,
                    Message(QT_TRANSLATE_NOOP("Flasher", "Fail to load firmware file.\n%1"))
                        .Arg(options_.firmware)};
        // The window sends an empty image as it is; on a line it is always a mistake.
        if (firmwareLength_ == 0)
            return {
                kFlashNoFirmware, kResultFirmwareEmpty,
                Message(QT_TRANSLATE_NOOP("Flasher", "firmware file is empty\n%1")).Arg(options_.firmware)};
        return {};
    }

    // One camera: the whole exchange, its record and its result.
    Ending Update()
    {
        const Clock::time_point start = Clock::now();
        ProgressReport report(streams_.out, Style(), firmwareLength_);
        const DownloadOutcome outcome =
            RunDownload({bootCode_.get(), bootLength_, firmware_.get(), firmwareLength_}, report);
        const Ending ending = EndingOf(outcome);
        report.Finish(ending.exitCode == kFlashOk);
        Record(ending, &outcome, Clock::now() - start);
        End(ending, &outcome);
        return ending;
    }

    // Everything an update would need, the camera opened and closed again only.
    int Check()
    {
        if (Device().Initialize() < 0) return End(EndingOf({DownloadResult::NoDevice}));
        Device().Exit();
        if (Style() == ProgressStyle::Lines || Style() == ProgressStyle::Terminal)
            Print(streams_.out,
                  Tr(QT_TRANSLATE_NOOP("Flasher", "ready: %1 (%2 bytes, %3 blocks), boot code %4 (%5 "
                                                  "bytes), camera present and free\n"))
                      .arg(options_.firmware)
                      .arg(firmwareLength_)
                      .arg(BlockCount(firmwareLength_))
                      .arg(bootPath_)
                      .arg(bootLength_));
        return End({kFlashOk, QStringLiteral("ready"), {}});
    }

    // Camera after camera until a signal; the images are loaded once.
    int Station()
    {
        int ok = 0, failed = 0, lastFailure = kFlashOk, interrupted = 0;
        while (!interrupted) {
            Say(QT_TRANSLATE_NOOP("Flasher", "waiting for a camera..."), QStringLiteral("waiting"));
            if (!WaitUntil(true)) break;
            const Ending ending = Update();
            if (ending.exitCode == kFlashOk) {
                ++ok;
            } else {
                ++failed;
                lastFailure = ending.exitCode;
            }
            if (IsInterruption(ending.exitCode)) interrupted = ending.exitCode;
            Tally(ok, failed, ending);
            if (interrupted) break;
            Say(QT_TRANSLATE_NOOP("Flasher", "remove the camera..."), QStringLiteral("remove"));
            if (!WaitUntil(false)) break;
        }
        if (options_.json)
            WriteJsonLine(streams_.out, {{"cameras", ok + failed}, {"ok", ok}, {"failed", failed}});
        else if (!options_.quiet)
            Print(streams_.out, Tr(QT_TRANSLATE_NOOP("Flasher", "%1 cameras: %2 ok, %3 failed\n"))
                                    .arg(ok + failed)
                                    .arg(ok)
                                    .arg(failed));
        return interrupted ? interrupted : lastFailure;
    }

    // Until a camera is attached (or removed); false when a signal came first.
    // A camera in use by another program counts as not attached.
    bool WaitUntil(bool attached)
    {
        while (!CancelWasRequested()) {
            const bool present = Device().Initialize() >= 0;
            if (present) Device().Exit();
            if (present == attached) return true;
            Environment().Sleep(kStationPollMs);
        }
        return false;
    }

    void Say(const char* line, const QString& word)
    {
        if (options_.json)
            WriteJsonLine(streams_.out, {{"station", word}});
        else if (!options_.quiet)
            Print(streams_.out, Tr(line) + u'\n');
    }

    void Tally(int ok, int failed, const Ending& ending)
    {
        if (options_.json)
            WriteJsonLine(streams_.out, {{"camera", ok + failed}, {"result", ending.result}, {"ok", ok}, {"failed", failed}});
        else if (!options_.quiet)
            Print(streams_.out, Tr(QT_TRANSLATE_NOOP("Flasher", "camera %1: %2 (%3 ok, %4 failed)\n"))
                                    .arg(ok + failed)
                                    .arg(Tr(ending.result.toUtf8().constData()))
                                    .arg(ok)
                                    .arg(failed));
    }

    // One line in the log, when there is one.
    void Record(const Ending& ending, const DownloadOutcome* outcome, Clock::duration duration)
    {
        if (!log_.IsOpen()) return;
        QJsonObject record{
            {"time", QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
            {"host", QSysInfo::machineHostName()},
            {"firmware", QFileInfo(options_.firmware).absoluteFilePath()},
            {"result", ending.result},
            {"exit_code", ending.exitCode},
            {"blocks_acked", qint64(outcome ? AcknowledgedBlocks(*outcome) : 0)},
            {"duration_s", std::chrono::round<std::chrono::milliseconds>(duration).count() / 1000.0},
        };
        if (firmware_) {
            if (firmwareSha_.isEmpty()) firmwareSha_ = Sha256(firmware_, firmwareLength_);
            record.insert("firmware_size", qint64(firmwareLength_));
            record.insert("firmware_sha256", firmwareSha_);
        }
        if (bootCode_) {
            if (bootSha_.isEmpty()) bootSha_ = Sha256(bootCode_, bootLength_);
            record.insert("boot_code", QFileInfo(bootPath_).absoluteFilePath());
            record.insert("boot_code_sha256", bootSha_);
        }
        if (!ending.message.IsEmpty()) record.insert("message", ending.message.english.trimmed());
        if (!log_.Append(record))
            Print(streams_.err, Tr(QT_TRANSLATE_NOOP("Flasher", "ispflash: could not write to the log %1\n"))
                                    .arg(options_.log));
    }

    ProgressStyle Style() const
    {
        if (options_.json) return ProgressStyle::Json;
        if (options_.quiet) return ProgressStyle::Quiet;
        return streams_.outIsTerminal ? ProgressStyle::Terminal : ProgressStyle::Lines;
    }

    int End(const Ending& ending, const DownloadOutcome* outcome = nullptr)
    {
        if (!ending.message.IsEmpty())
            Print(streams_.err, QStringLiteral("ispflash: ") + ending.message.shown.trimmed() + u'\n');
        if (options_.json) {
            QJsonObject result{{"result", ending.result}, {"exit_code", ending.exitCode}};
            if (!ending.message.IsEmpty()) result.insert("message", ending.message.english.trimmed());
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
    RunLog log_;
    QString bootPath_;
    platform::ImageBuffer bootCode_;
    std::uint32_t bootLength_ = 0;
    platform::ImageBuffer firmware_;
    std::uint32_t firmwareLength_ = 0;
    QString firmwareSha_, bootSha_; // worked out once, for the first record
};

} // namespace

int RunFlasher(const QStringList& arguments, const FlasherStreams& streams)
{
    Options options;
    if (const QString problem = Parse(arguments, options); !problem.isEmpty()) {
        Print(streams.err, QStringLiteral("ispflash: %1\n%2").arg(problem, Tr(kUsage)));
        return kFlashUsage;
    }
    if (options.help) {
        Print(streams.out, Tr(kUsage));
        return kFlashOk;
    }
    if (options.version) {
        Print(streams.out, QStringLiteral("ispflash " ISPFLASH_VERSION "\n"));
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
