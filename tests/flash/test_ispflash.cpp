// The built ispflash against the simulated camera, as a script would run it:
// what the camera received, what was printed, the exit status; and the
// register transcript against the window's own.
#include "app/core/devicebinding.h"
#include "app/core/environment.h"
#include "app/form1.h"
#include "skin/buttons/suibutton.h"
#include "tests/support/recordingdialogs.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QElapsedTimer>
#include <QThread>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <csignal>
#include <sys/stat.h>

namespace {

const QString kExe = QStringLiteral(ISPFLASH_EXE);
const QString kBinDir = QFileInfo(kExe).path();

// Reads the process's output into `out` until `text` was seen `times` times.
bool ReadUntil(QProcess& process, QByteArray& out, const QByteArray& text, int times = 1)
{
    while (out.count(text) < times && process.waitForReadyRead(30000))
        out += process.readAllStandardOutput();
    return out.count(text) >= times;
}

std::vector<QJsonObject> Records(const QString& path)
{
    QFile file(path);
    std::vector<QJsonObject> records;
    if (!file.open(QIODevice::ReadOnly)) return records;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty()) continue;
        QJsonParseError error{};
        records.push_back(QJsonDocument::fromJson(line, &error).object());
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
    }
    return records;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

class Ispflash : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString Camera() const { return dir_.filePath("camera"); }

    Result Run(const QStringList& arguments, const std::map<QString, QString>& sim = {},
               const QString& exe = kExe) const
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& name : env.keys())
            if (name.startsWith("ISPSIM_")) env.remove(name);
        env.insert("ISPSIM_DIR", Camera());
        for (const auto& [name, value] : sim)
            env.insert(name, value);
        process.setProcessEnvironment(env);
        process.start(exe, arguments);
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "ispflash did not end";
            return {};
        }
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    std::map<std::string, std::string> Status() const
    {
        std::map<std::string, std::string> values;
        for (const QByteArray& line : Contents(Camera() + "/status.txt").split('\n'))
            if (const qsizetype equals = line.indexOf('='); equals > 0)
                values[line.left(equals).toStdString()] = line.mid(equals + 1).toStdString();
        return values;
    }

    // A copy of ispflash in a folder of its own, beside an INI of the test's making.
    QString Lonely(const QByteArray* ini) const
    {
        const QString exe = dir_.filePath("alone/ispflash");
        QDir().mkpath(QFileInfo(exe).path());
        QFile::copy(kExe, exe);
        QFile::copy(kBinDir + "/bootcode.bin", dir_.filePath("alone/boot.bin"));
        if (ini) {
            QFile file(dir_.filePath("alone/ispupdate.ini"));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*ini);
        }
        return exe;
    }

    QTemporaryDir dir_;
    const QString sample_ = kBinDir + "/sample_firmware.bin";
    const QString bootCode_ = kBinDir + "/bootcode.bin";
    const int blocks_ = int((QFileInfo(sample_).size() + 127) / 128);
};

TEST_F(Ispflash, WritesTheSampleIntoTheCamera)
{
    const Result result = Run({sample_});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.err, "");
    const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5 + blocks_ + 1);
    EXPECT_EQ(lines.mid(0, 6), (QStringList{"8051 download mode", "Boot code to SRAM...", "wait...",
                                            "boot code running...", "Firmware updating...", "1/321... 0%"}));
    EXPECT_EQ(lines.last(), "Firmware update ok!");
    EXPECT_EQ(Contents(Camera() + "/firmware.bin"), Contents(sample_));
    EXPECT_EQ(Contents(Camera() + "/bootcode.bin"), Contents(bootCode_));
    const auto status = Status();
    EXPECT_EQ(status.at("state"), "closed");
    EXPECT_EQ(status.at("acked"), std::to_string(blocks_));
    EXPECT_EQ(status.at("stray_bytes"), "0");
}

TEST_F(Ispflash, CameraFailuresEndWithTheirExitStatus)
{
    const Result absent = Run({sample_}, {{"ISPSIM_NO_DEVICE", "1"}});
    EXPECT_EQ(absent.exitCode, 5);
    EXPECT_EQ(absent.out, "");
    EXPECT_EQ(absent.err, "ispflash: Device not found!\nthe camera is missing or in use by another program\n");
    EXPECT_EQ(Status().at("state"), "closed");
    EXPECT_EQ(Status().at("accesses"), "0");

    const Result never = Run({sample_}, {{"ISPSIM_NEVER_ACK", "1"}});
    EXPECT_EQ(never.exitCode, 6);
    EXPECT_EQ(never.err, QStringLiteral("ispflash: Fail to update firmware!!\nblock 1/%1 was not acknowledged\n")
                             .arg(blocks_));
    EXPECT_EQ(Status().at("failed_block"), "0");
    EXPECT_EQ(Status().at("last_mode"), "0");

    const Result failed = Run({sample_}, {{"ISPSIM_FAIL_BLOCK", "4"}});
    EXPECT_EQ(failed.exitCode, 6);
    EXPECT_TRUE(failed.out.contains(QRegularExpression(QStringLiteral("\n5/%1\\.\\.\\. 1% [^\n]*\n$").arg(blocks_))))
        << failed.out.toStdString();
    EXPECT_EQ(Contents(Camera() + "/firmware.bin"), Contents(sample_).left(4 * 128));
    EXPECT_EQ(Status().at("failed_block"), "4");
    EXPECT_EQ(Status().at("state"), "closed");

    // Unplugged inside the sixth block, as the window's own end-to-end case does it.
    const int bootAccesses = 2 + int(QFileInfo(bootCode_).size()) + 2;
    const int unplugAfter = bootAccesses + 5 * (1 + 3 + 128 + 1 + 1) + 40;
    const Result unplugged = Run({sample_}, {{"ISPSIM_UNPLUG_AFTER", QString::number(unplugAfter)}});
    EXPECT_EQ(unplugged.exitCode, 7);
    EXPECT_EQ(unplugged.err,
              QStringLiteral("ispflash: Fail to update firmware!!\nthe camera stopped answering at block 6/%1\n")
                  .arg(blocks_));
    EXPECT_EQ(Contents(Camera() + "/firmware.bin"), Contents(sample_).left(5 * 128));
    EXPECT_EQ(Status().at("state"), "closed");

    // Unplugged during the boot code: the same calls follow, but the message
    // names where the camera went, not the first block that found it gone.
    const Result early = Run({"--json", sample_}, {{"ISPSIM_UNPLUG_AFTER", "100"}});
    EXPECT_EQ(early.exitCode, 7);
    EXPECT_EQ(early.err, "ispflash: Fail to update firmware!!\nthe camera stopped answering during the boot code\n");
    EXPECT_TRUE(early.out.contains("\"stopped_at\":\"boot code\"")) << early.out.toStdString();

    // Every block acknowledged, then the camera is gone for mode 4 and 0: the
    // firmware is there, but the camera was never told to leave download mode.
    const int beforeTheEnd = bootAccesses + blocks_ * (1 + 3 + 1 + 1) + int(QFileInfo(sample_).size());
    const Result unconfirmed = Run({sample_}, {{"ISPSIM_UNPLUG_AFTER", QString::number(beforeTheEnd)}});
    EXPECT_EQ(unconfirmed.exitCode, 8);
    EXPECT_EQ(unconfirmed.err, "ispflash: firmware written, but the camera did not confirm the end\n");
    EXPECT_FALSE(unconfirmed.out.contains("ok!"));
    EXPECT_EQ(Contents(Camera() + "/firmware.bin"), Contents(sample_));
    EXPECT_EQ(Status().at("phase"), "firmware");
}

// A camera that cannot keep what it is sent never acknowledges it.
TEST_F(Ispflash, CameraStorageFailuresAreNotAcknowledged)
{
    QDir().mkpath(Camera());
    ASSERT_TRUE(QFile::link("/dev/full", Camera() + "/firmware.bin"));
    const Result full = Run({sample_});
    EXPECT_EQ(full.exitCode, 7);
    EXPECT_EQ(full.err, QStringLiteral("ispflash: Fail to update firmware!!\nthe camera stopped answering at block "
                                       "1/%1\n").arg(blocks_));
    EXPECT_EQ(Status().at("acked"), "0");
    EXPECT_EQ(Status().at("failed_block"), "0");

    QFile::remove(Camera() + "/firmware.bin");
    QFile::remove(Camera() + "/bootcode.bin");
    ASSERT_TRUE(QFile::link("/dev/full", Camera() + "/bootcode.bin"));
    const Result noBoot = Run({sample_});
    EXPECT_EQ(noBoot.exitCode, 7);
    EXPECT_TRUE(noBoot.err.endsWith("while starting the boot code\n")) << noBoot.err.toStdString();
    EXPECT_EQ(Status().at("acked"), "0");
}

// One camera, one program: a second one is refused while the first holds it,
// whichever program that is.
TEST_F(Ispflash, CameraIsClaimedByOneProgramAtATime)
{
    QProcess first;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ISPSIM_DIR", Camera());
    env.insert("ISPSIM_DELAY_US", "20");
    first.setProcessEnvironment(env);
    first.start(kExe, {sample_});
    QByteArray out;
    while (!out.contains("\n3/") && first.waitForReadyRead(30000))
        out += first.readAllStandardOutput();
    ASSERT_TRUE(out.contains("\n3/")) << out.toStdString();

    const Result second = Run({sample_});
    EXPECT_EQ(second.exitCode, 5);
    EXPECT_TRUE(second.err.contains("in use by another program")) << second.err.toStdString();

    // The window on the same camera meanwhile: its own "Device not found!".
    setenv("ISPSIM_DIR", QFile::encodeName(Camera()).constData(), 1);
    Device() = DeviceBinding::Library();
    Environment().ModulePath = [] { return kBinDir + "/ispupdate"; };
    RecordingDialogs dialogs;
    dialogs.choices.push_back(sample_);
    {
        DialogsInPlace inPlace(dialogs);
        TForm1 form;
        form.FormCreate(&form);
        form.cmdLoadClick(form.cmdLoad);
        form.cmdUpdate->Click();
    }
    Environment() = ProcessEnvironment::Platform();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Device not found!");
    EXPECT_EQ(first.state(), QProcess::Running);
    ASSERT_TRUE(first.waitForFinished(60000));
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(Contents(Camera() + "/firmware.bin"), Contents(sample_));
    EXPECT_EQ(Status().at("opens"), "1");

    // This process holds the camera as the window would: ispflash is refused;
    // once it lets go, and as soon as a holder dies, the camera is free.
    ASSERT_EQ(Device().Initialize(), 0);
    EXPECT_EQ(Run({sample_}).exitCode, 5);
    EXPECT_EQ(Run({"--check", sample_}).exitCode, 5);
    Device().Exit();
    unsetenv("ISPSIM_DIR");
    EXPECT_EQ(Run({"-q", sample_}).exitCode, 0);

    QProcess killed;
    killed.setProcessEnvironment(env);
    killed.start(kExe, {sample_});
    ASSERT_TRUE(killed.waitForReadyRead(30000));
    killed.kill();
    killed.waitForFinished();
    EXPECT_EQ(Run({"-q", sample_}).exitCode, 0);
}

// Ctrl-C in the middle of the firmware: the device is switched back and closed,
// and the camera holds the blocks sent so far.
TEST_F(Ispflash, InterruptEndsTheExchangeCleanly)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ISPSIM_DIR", Camera());
    env.insert("ISPSIM_DELAY_US", "50");
    env.insert("ISPSIM_TRANSCRIPT", "1");
    process.setProcessEnvironment(env);
    process.start(kExe, {sample_});
    QByteArray out;
    while (!out.contains("\n10/") && process.state() != QProcess::NotRunning && process.waitForReadyRead(30000))
        out += process.readAllStandardOutput();
    ASSERT_TRUE(out.contains("\n10/")) << out.toStdString();
    ::kill(pid_t(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(30000));
    out += process.readAllStandardOutput();

    EXPECT_EQ(process.exitCode(), 130);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^ispflash: interrupted at block \\d+/%1: the camera holds an "
                                                  "incomplete image\n$")
                                       .arg(blocks_))
                    .match(err)
                    .hasMatch())
        << err.toStdString();
    EXPECT_FALSE(out.contains("Firmware update ok!"));
    const auto status = Status();
    EXPECT_EQ(status.at("state"), "closed");
    EXPECT_EQ(status.at("last_mode"), "0");
    const int acked = std::stoi(status.at("acked"));
    EXPECT_GE(acked, 10);
    EXPECT_LT(acked, blocks_);
    EXPECT_EQ(Contents(Camera() + "/firmware.bin"), Contents(sample_).left(acked * 128));
    EXPECT_TRUE(Contents(Camera() + "/transcript.log").endsWith("W 54 0x04\nW 54 0x00\nEXIT\n"));
}

// Output closed early, a hang-up, a quit, and Ctrl-C inside a long register
// access: each ends with the camera switched back and closed.
TEST_F(Ispflash, SignalsAndAClosedOutputEndTheExchangeCleanly)
{
    // The reader goes away during the boot code; the update carries on to the end.
    QProcess pipeline;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ISPSIM_DIR", Camera());
    pipeline.setProcessEnvironment(env);
    pipeline.start("bash", {"-c", "set -o pipefail; \"$0\" \"$1\" | head -1", kExe, sample_});
    ASSERT_TRUE(pipeline.waitForFinished(60000));
    EXPECT_EQ(pipeline.exitCode(), 0) << pipeline.readAllStandardError().toStdString();
    EXPECT_EQ(pipeline.readAllStandardOutput(), "8051 download mode\n");
    EXPECT_EQ(Contents(Camera() + "/firmware.bin"), Contents(sample_));
    EXPECT_EQ(Status().at("last_mode"), "0");

    // Each access takes 5 s: a signal ends the running one and the exchange
    // closes at once (otherwise five accesses, 25 s).
    const std::pair<int, int> endings[] = {{SIGHUP, 129}, {SIGQUIT, 131}, {SIGINT, 130}};
    for (const auto& [signal, exitCode] : endings) {
        SCOPED_TRACE(signal);
        QProcess process;
        env.insert("ISPSIM_DELAY_US", "5000000");
        env.insert("ISPSIM_TRANSCRIPT", "1");
        process.setProcessEnvironment(env);
        process.start(kExe, {sample_});
        ASSERT_TRUE(process.waitForReadyRead(30000));
        QThread::msleep(300);
        QElapsedTimer timer;
        timer.start();
        ::kill(pid_t(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_LT(timer.elapsed(), 3000);
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), exitCode);
        EXPECT_TRUE(process.readAllStandardError().startsWith("ispflash: interrupted during the boot code"));
        EXPECT_EQ(Status().at("state"), "closed");
        EXPECT_TRUE(Contents(Camera() + "/transcript.log").endsWith("W 54 0x04\nW 54 0x00\nEXIT\n"));
    }
}

// Camera after camera on one station: attached, flashed, removed; the tally,
// a record per camera, and the summary when Ctrl-C ends the shift.
TEST_F(Ispflash, StationFlashesCameraAfterCamera)
{
    const QString log = dir_.filePath("line.jsonl");
    QProcess station;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ISPSIM_DIR", Camera());
    env.insert("ISPSIM_PLUG", "1");
    station.setProcessEnvironment(env);
    station.start(kExe, {"--station", "--log", log, sample_});
    QDir().mkpath(Camera());
    const auto plug = [this](bool in) {
        QFile attached(Camera() + "/attached");
        return in ? attached.open(QIODevice::WriteOnly) : attached.remove();
    };
    QByteArray out;
    ASSERT_TRUE(ReadUntil(station, out, "waiting for a camera...\n"));
    ASSERT_TRUE(plug(true));
    ASSERT_TRUE(ReadUntil(station, out, "camera 1: ok (1 ok, 0 failed)\n")) << out.toStdString();
    EXPECT_EQ(Contents(Camera() + "/firmware.bin"), Contents(sample_));
    ASSERT_TRUE(ReadUntil(station, out, "remove the camera...\n"));
    ASSERT_TRUE(plug(false));
    ASSERT_TRUE(ReadUntil(station, out, "waiting for a camera...\n", 2));

    // The next camera cannot keep its image.
    QFile::remove(Camera() + "/firmware.bin");
    ASSERT_TRUE(QFile::link("/dev/full", Camera() + "/firmware.bin"));
    ASSERT_TRUE(plug(true));
    ASSERT_TRUE(ReadUntil(station, out, "camera 2: device lost (1 ok, 1 failed)\n")) << out.toStdString();
    ASSERT_TRUE(ReadUntil(station, out, "remove the camera...\n", 2));
    ::kill(pid_t(station.processId()), SIGINT);
    ASSERT_TRUE(station.waitForFinished(30000));
    out += station.readAllStandardOutput();
    EXPECT_EQ(station.exitCode(), 7);
    EXPECT_TRUE(out.endsWith("remove the camera...\n2 cameras: 1 ok, 1 failed\n")) << out.toStdString();

    const std::vector<QJsonObject> records = Records(log);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0]["result"].toString(), "ok");
    EXPECT_EQ(records[0]["blocks_acked"].toInt(), blocks_);
    EXPECT_EQ(records[1]["result"].toString(), "device lost");
    EXPECT_EQ(records[1]["blocks_acked"].toInt(), 0);
}

// Flashers on several cameras share one log: every run leaves one whole line.
TEST_F(Ispflash, FlashersAppendingAtOnceKeepEveryLine)
{
    const QString log = dir_.filePath("line.jsonl");
    std::vector<std::unique_ptr<QProcess>> flashers;
    for (int i = 0; i < 24; ++i) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ISPSIM_DIR", dir_.filePath(QStringLiteral("camera%1").arg(i)));
        if (i >= 2) env.insert("ISPSIM_NO_DEVICE", "1"); // quick records, all at once
        process->setProcessEnvironment(env);
        process->start(kExe, {"-q", "--log", log, sample_});
        flashers.push_back(std::move(process));
    }
    int flashed = 0;
    for (auto& process : flashers) {
        ASSERT_TRUE(process->waitForFinished(60000));
        flashed += process->exitCode() == 0;
    }
    EXPECT_EQ(flashed, 2);
    const std::vector<QJsonObject> records = Records(log);
    ASSERT_EQ(records.size(), flashers.size());
    EXPECT_EQ(std::count_if(records.begin(), records.end(),
                            [this](const QJsonObject& record) { return record["blocks_acked"].toInt() == blocks_; }),
              2);
}

TEST_F(Ispflash, ImagesThatCannotLoadStopBeforeTheCamera)
{
    const QString fifo = dir_.filePath("fifo.bin");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& firmware : {dir_.filePath("missing.bin"), fifo, dir_.path()}) {
        const Result result = Run({firmware});
        EXPECT_EQ(result.exitCode, 4) << firmware.toStdString();
        EXPECT_EQ(result.err, "ispflash: Fail to load firmware file.\n" + firmware + "\n");
    }

    // No INI, an INI that is a FIFO, a NUL inside the boot code's name: none
    // hangs, none loads another boot code than the message names.
    const QString noIni = Lonely(nullptr);
    const QString home = QFileInfo(noIni).path();
    const Result missing = Run({sample_}, {}, noIni);
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_EQ(missing.err, "ispflash: Fail to load boot file:\n" + home + "/\n\nISP utility can not run!\n");

    ASSERT_EQ(::mkfifo(QFile::encodeName(home + "/ispupdate.ini").constData(), 0600), 0);
    EXPECT_EQ(Run({sample_}, {}, noIni).exitCode, 3);
    QFile::remove(home + "/ispupdate.ini");

    const QByteArray nul = QByteArray("[system]\nboot_file=boot.bin") + '\0' + ".old\n";
    const Result cut = Run({sample_}, {}, Lonely(&nul));
    EXPECT_EQ(cut.exitCode, 3);
    EXPECT_TRUE(cut.err.contains(home + "/boot.bin" + QChar(u'\0') + ".old")) << cut.err.toStdString();

    const QByteArray good = "[system]\nboot_file=boot.bin\n";
    EXPECT_EQ(Run({sample_}, {}, Lonely(&good)).exitCode, 0);
    EXPECT_EQ(Contents(Camera() + "/bootcode.bin"), Contents(bootCode_));
}

// The same firmware through the window (in this process, on the same camera
// library) and through ispflash: the camera sees the same calls, byte for byte.
TEST_F(Ispflash, TranscriptIsTheWindowsByteForByte)
{
    const Result flashed = Run({sample_}, {{"ISPSIM_TRANSCRIPT", "1"}});
    ASSERT_EQ(flashed.exitCode, 0);
    const QByteArray flashTranscript = Contents(Camera() + "/transcript.log");

    const QString windowCamera = dir_.filePath("window-camera");
    setenv("ISPSIM_DIR", QFile::encodeName(windowCamera).constData(), 1);
    setenv("ISPSIM_TRANSCRIPT", "1", 1);
    Device() = DeviceBinding::Library();
    Environment().ModulePath = [] { return kBinDir + "/ispupdate"; };
    Environment().Sleep = [](unsigned) {};
    RecordingDialogs dialogs;
    dialogs.choices.push_back(sample_);
    {
        DialogsInPlace inPlace(dialogs);
        TForm1 form;
        form.FormCreate(&form);
        form.cmdLoadClick(form.cmdLoad);
        form.cmdUpdate->Click();
        EXPECT_EQ(form.StatusBar1->Panels[0]->Text(), "Firmware update ok!");
    }
    EXPECT_TRUE(dialogs.messages.empty());
    Environment() = ProcessEnvironment::Platform();
    unsetenv("ISPSIM_DIR");
    unsetenv("ISPSIM_TRANSCRIPT");

    const QByteArray windowTranscript = Contents(windowCamera + "/transcript.log");
    EXPECT_GT(flashTranscript.count('\n'), 45000);
    EXPECT_TRUE(flashTranscript == windowTranscript) << "the transcripts differ";
}

} // namespace

// A person reads the flasher in the language of the locale, Qt's own texts
// included; a program reads the JSON output and the log in English whatever
// the locale.
TEST_F(Ispflash, SpeaksTheLocalesLanguageButWritesJsonAndTheLogInEnglish)
{
    const auto locale = [](const QString& lang) {
        return std::map<QString, QString>{
            {"LANG", lang}, {"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANGUAGE", ""}};
    };
    const QString missing = dir_.filePath("missing.bin");
    const QString log = dir_.filePath("log.jsonl");

    const Result help = Run({"--help"}, locale("de_DE.UTF-8"));
    EXPECT_TRUE(help.out.startsWith("Aufruf: ispflash [Optionen] FIRMWARE\n")) << help.out.toStdString();
    const Result bogus = Run({"--bogus", sample_}, locale("de_DE.UTF-8"));
    EXPECT_EQ(bogus.exitCode, 2);
    EXPECT_TRUE(bogus.err.startsWith("ispflash: Unbekannte Option 'bogus'.\nAufruf:"))
        << bogus.err.toStdString();

    const Result german = Run({"--json", "--log", log, missing}, locale("de_DE.UTF-8"));
    EXPECT_EQ(german.exitCode, 4);
    EXPECT_EQ(german.err,
              QStringLiteral("ispflash: Firmware-Datei lässt sich nicht laden.\n%1\n").arg(missing));
    const QJsonObject result = QJsonDocument::fromJson(german.out.toUtf8()).object();
    EXPECT_EQ(result["message"].toString(), QStringLiteral("Fail to load firmware file.\n%1").arg(missing));
    EXPECT_EQ(result["result"].toString(), "firmware not loaded");
    const std::vector<QJsonObject> records = Records(log);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]["message"].toString(), result["message"].toString());

    const Result update = Run({sample_}, locale("de_DE.UTF-8"));
    EXPECT_EQ(update.exitCode, 0) << update.err.toStdString();
    const QStringList lines = update.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines.mid(0, 5), (QStringList{"8051-Download-Modus", "Boot-Code ins SRAM...", "warten...",
                                            "Boot-Code läuft...", "Firmware wird aktualisiert..."}));

    // Without a translation for the locale, English.
    for (const QString& lang : {QStringLiteral("C"), QStringLiteral("ja_JP.UTF-8")}) {
        SCOPED_TRACE(lang.toStdString());
        EXPECT_TRUE(Run({"--help"}, locale(lang)).out.startsWith("Usage: ispflash [options] FIRMWARE\n"));
        EXPECT_EQ(Run({missing}, locale(lang)).err,
                  QStringLiteral("ispflash: Fail to load firmware file.\n%1\n").arg(missing));
    }
}
