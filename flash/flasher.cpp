#include "flash/flasher.h"

#include "app/core/download.h"
#include "app/core/environment.h"
#include "app/core/startup.h"
#include "platform/wholefile.h"

namespace {

constexpr char kUsage[] =
    "Usage: ispflash [-q] FIRMWARE\n"
    "Writes FIRMWARE into the camera: first the boot code named by boot_file in\n"
    "section [system] of ispflash.ini beside this program, then the firmware in\n"
    "acknowledged 128-byte blocks. Prints each stage as the window shows it.\n"
    "\n"
    "  -q, --quiet   print only errors\n"
    "  -h, --help    show this help\n"
    "\n"
    "Exit status: 0 updated, 1 a block was not acknowledged, 2 bad command line,\n"
    "3 firmware file not loaded, 4 device not found, 255 boot code not loaded.\n";

void Print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

// A message of the window, as one paragraph on the error stream.
void Tell(std::FILE* err, const QString& message)
{
    Print(err, QStringLiteral("ispflash: ") + message.trimmed() + u'\n');
}

// Each stage text on a line of its own, flushed so that a pipe sees it at once.
class StageLines : public DownloadObserver {
public:
    StageLines(std::FILE* out, bool quiet) : out_(out), quiet_(quiet) {}

    void StageChanged(const QString& text) override
    {
        if (quiet_) return;
        Print(out_, text + u'\n');
        std::fflush(out_);
    }
    void ProgressChanged(int) override {}

private:
    std::FILE* out_;
    bool quiet_;
};

struct Options {
    bool quiet = false;
    bool help = false;
    QString firmware;
};

// Empty on success, otherwise what is wrong with the command line.
QString Parse(const QStringList& arguments, Options& options)
{
    bool onlyOperands = false;
    for (const QString& argument : arguments) {
        if (!onlyOperands && argument == QLatin1String("--")) {
            onlyOperands = true;
        } else if (!onlyOperands && (argument == QLatin1String("-q") || argument == QLatin1String("--quiet"))) {
            options.quiet = true;
        } else if (!onlyOperands && (argument == QLatin1String("-h") || argument == QLatin1String("--help"))) {
            options.help = true;
        } else if (!onlyOperands && argument.startsWith(u'-') && argument.size() > 1) {
            return QStringLiteral("unknown option %1").arg(argument);
        } else if (options.firmware.isNull()) {
            options.firmware = argument;
        } else {
            return QStringLiteral("one firmware file only");
        }
    }
    if (!options.help && options.firmware.isEmpty()) return QStringLiteral("no firmware file given");
    return {};
}

} // namespace

int RunFlasher(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    Options options;
    if (const QString problem = Parse(arguments, options); !problem.isEmpty()) {
        Tell(err, problem);
        Print(err, QString::fromLatin1(kUsage));
        return kFlashUsage;
    }
    if (options.help) {
        Print(out, QString::fromLatin1(kUsage));
        return kFlashOk;
    }

    const BootCodeLocation location = LocateBootCode(Environment().ModulePath());
    std::uint32_t bootLength = 0;
    const platform::ImageBuffer bootCode = platform::ReadWholeFile(location.BootCodePath, &bootLength);
    if (!bootCode) {
        Tell(err, BootCodeFailureMessage(location.BootCodePath));
        return kFlashNoBootCode;
    }
    std::uint32_t firmwareLength = 0;
    const platform::ImageBuffer firmware = platform::ReadWholeFile(options.firmware, &firmwareLength);
    if (!firmware) {
        Tell(err, QStringLiteral("Fail to load firmware file.\n%1").arg(options.firmware));
        return kFlashNoFirmware;
    }

    StageLines stages(out, options.quiet);
    switch (RunDownload({bootCode.get(), bootLength, firmware.get(), firmwareLength}, stages)) {
    case DownloadResult::Succeeded:
        return kFlashOk;
    case DownloadResult::NoFirmware: // cannot happen: the image was loaded above
        Tell(err, QString::fromLatin1(kNoFirmwareMessage));
        return kFlashNoFirmware;
    case DownloadResult::NoDevice:
        Tell(err, QString::fromLatin1(kNoDeviceMessage));
        return kFlashNoDevice;
    case DownloadResult::BlockNotAcknowledged:
        Tell(err, QString::fromLatin1(kUpdateFailedMessage));
        return kFlashUpdateFailed;
    }
    return kFlashUpdateFailed;
}
