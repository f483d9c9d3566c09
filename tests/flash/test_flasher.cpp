// ispflash in process against a scripted camera: the window's register
// transcript, stage texts and messages, call for call, and its command line.
#include "app/core/devicebinding.h"
#include "app/core/environment.h"
#include "app/form1.h"
#include "flash/flasher.h"
#include "flash/progress.h"
#include "skin/buttons/suibutton.h"
#include "tests/support/recordingdialogs.h"
#include "tests/support/scripteddevice.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

QByteArray Pattern(int length, int seed)
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        bytes[i] = char((i * 37 + seed) ^ (i >> 7));
    return bytes;
}

// What one program did in one update.
struct Outcome {
    std::vector<std::string> calls;
    std::vector<QString> stages;
    std::vector<QString> messages; // one paragraph each, trimmed
    std::vector<unsigned> sleeps;
    int exitCode = 0;
};

class Flasher : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Write("ispupdate.ini", "[system]\nboot_file=boot.bin\n");
    }
    void TearDown() override
    {
        Device() = DeviceBinding::Library();
        Environment() = ProcessEnvironment::Platform();
    }

    QString Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    // The scripted camera and a recording sleep in place for one program; the
    // status script answers the n-th read (from 1) of block b (from 0).
    void Prepare(Outcome& run, const char* program)
    {
        camera_ = ScriptedDevice{};
        camera_.initializeResult = initializeResult_;
        camera_.status = [this](unsigned char* value, int read) {
            *value = status_(camera_.Block(), read);
            return 0;
        };
        camera_.access = access_;
        Device() = camera_.Binding();
        Environment().ModulePath = [this, program] { return dir_.filePath(program); };
        Environment().Sleep = [&run](unsigned ms) { run.sleeps.push_back(ms); };
    }

    Outcome Window(const QString& firmware)
    {
        Outcome run;
        Prepare(run, "ispupdate");
        RecordingDialogs dialogs;
        dialogs.choices.push_back(firmware);
        {
            DialogsInPlace inPlace(dialogs);
            TForm1 form;
            form.show();
            form.FormCreate(&form);
            form.cmdLoadClick(form.cmdLoad);
            QObject::connect(form.StatusBar1->Panels[0], &toolkit::TStatusPanel::TextChanged, &form,
                             [&run](const QString& text) { run.stages.push_back(text); });
            form.cmdUpdate->Click();
            form.close();
        }
        for (const ShownMessage& message : dialogs.messages)
            run.messages.push_back(message.text.trimmed());
        run.calls = camera_.Transcript();
        return run;
    }

    // Stage lines without their figures, the way the window's status bar shows them.
    Outcome Flash(const QStringList& arguments, std::string* rawOut = nullptr, bool terminal = false)
    {
        Outcome run;
        Prepare(run, "ispflash");
        char* outText = nullptr;
        char* errText = nullptr;
        std::size_t outSize = 0, errSize = 0;
        std::FILE* out = open_memstream(&outText, &outSize);
        std::FILE* err = open_memstream(&errText, &errSize);
        run.exitCode = RunFlasher(arguments, {out, err, terminal});
        std::fclose(out);
        std::fclose(err);
        const QString stdoutText = QString::fromLocal8Bit(outText, qsizetype(outSize));
        const QString stderrText = QString::fromLocal8Bit(errText, qsizetype(errSize));
        if (rawOut) *rawOut = std::string(outText, outSize);
        std::free(outText);
        std::free(errText);
        static const QRegularExpression figures(QStringLiteral("^(\\d+/\\d+\\.\\.\\.) \\d+%.*$"));
        for (QString line : stdoutText.split(u'\n', Qt::SkipEmptyParts))
            run.stages.push_back(line.replace(figures, QStringLiteral("\\1")));
        if (!stderrText.isEmpty()) {
            EXPECT_TRUE(stderrText.startsWith("ispflash: ")) << stderrText.toStdString();
            run.messages.push_back(stderrText.mid(10).trimmed());
        }
        run.calls = camera_.Transcript();
        return run;
    }

    // The flasher's message begins with the window's and may say more.
    void ExpectSameAsWindow(const QByteArray& boot, const QByteArray& firmware, int exitCode)
    {
        Write("boot.bin", boot);
        const QString path = Write("fw.bin", firmware);
        const Outcome window = Window(path);
        const Outcome flash = Flash({path});
        EXPECT_EQ(flash.calls, window.calls);
        EXPECT_EQ(flash.stages, window.stages);
        ASSERT_EQ(flash.messages.size(), window.messages.size());
        for (std::size_t i = 0; i < window.messages.size(); ++i)
            EXPECT_TRUE(flash.messages[i].startsWith(window.messages[i])) << flash.messages[i].toStdString();
        EXPECT_EQ(flash.sleeps, window.sleeps);
        EXPECT_EQ(flash.exitCode, exitCode);
    }

    int initializeResult_ = 0;
    std::function<unsigned char(long, int)> status_ = [](long, int) { return 2; };
    std::function<int(int)> access_ = [](int) { return 0; };
    QTemporaryDir dir_;

    ScriptedDevice camera_;
};

TEST_F(Flasher, SuccessfulUpdateIsTheWindowsCallForCall)
{
    for (int length : {1, 300, 65537}) {
        SCOPED_TRACE(length);
        ExpectSameAsWindow(Pattern(5, length), Pattern(length, 1), kFlashOk);
    }
    const Outcome run = Flash({dir_.filePath("fw.bin")});
    ASSERT_EQ(run.stages.size(), 5u + 513u + 1u);
    EXPECT_EQ(run.stages.front(), "8051 download mode");
    EXPECT_EQ(run.stages[5], "1/513...");
    EXPECT_EQ(run.stages.back(), "Firmware update ok!");
    EXPECT_EQ(run.sleeps, std::vector<unsigned>{2500});
}

TEST_F(Flasher, FailuresAreTheWindowsWithAnExitStatus)
{
    // Block 2 of 4 is never acknowledged: 3000 reads, then mode 4, 0 and the close.
    status_ = [](long block, int) { return block == 2 ? 1 : 2; };
    ExpectSameAsWindow(Pattern(3, 0), Pattern(500, 2), kFlashNotAcknowledged);
    const Outcome failed = Flash({dir_.filePath("fw.bin")});
    EXPECT_EQ(failed.stages.back(), "3/4...");
    EXPECT_EQ(failed.messages, std::vector<QString>{"Fail to update firmware!!\nblock 3/4 was not acknowledged"});
    EXPECT_EQ(std::vector<std::string>(failed.calls.end() - 4, failed.calls.end()),
              (std::vector<std::string>{"R 0 -> 1", "W 54 0x04", "W 54 0x00", "EXIT"}));

    status_ = [](long, int) { return 2; };
    initializeResult_ = -1;
    ExpectSameAsWindow(Pattern(3, 0), Pattern(10, 3), kFlashNoDevice);
    const Outcome absent = Flash({dir_.filePath("fw.bin")});
    EXPECT_EQ(absent.calls, std::vector<std::string>{"INIT -1"});
    EXPECT_EQ(absent.messages,
              std::vector<QString>{"Device not found!\nthe camera is missing or in use by another program"});
    EXPECT_TRUE(absent.stages.empty());

    // Calls fail from the 40th on, as when the camera is unplugged: the same
    // calls as the window's, told apart from a refused block.
    initializeResult_ = 0;
    access_ = [count = 0](int) mutable { return ++count >= 40 ? -1 : 0; };
    ExpectSameAsWindow(Pattern(3, 0), Pattern(500, 2), kFlashDeviceLost);
    EXPECT_EQ(Flash({dir_.filePath("fw.bin")}).messages,
              std::vector<QString>{"Fail to update firmware!!\nthe camera stopped answering at block 1/4"});

    // Every block acknowledged, then mode 4 and 0 fail: the window keeps its
    // "ok"; the flasher says the camera was not told to leave download mode.
    const int beforeTheEnd = 2 + 3 + 2 + 4 * (1 + 3 + 1 + 1) + 500;
    access_ = [count = 0, beforeTheEnd](int) mutable { return ++count > beforeTheEnd ? -1 : 0; };
    const Outcome window = Window(dir_.filePath("fw.bin"));
    EXPECT_EQ(window.stages.back(), "Firmware update ok!");
    const Outcome unconfirmed = Flash({dir_.filePath("fw.bin")});
    EXPECT_EQ(unconfirmed.calls, window.calls);
    EXPECT_EQ(unconfirmed.exitCode, kFlashEndNotConfirmed);
    EXPECT_EQ(unconfirmed.messages,
              std::vector<QString>{"firmware written, but the camera did not confirm the end"});
    EXPECT_EQ(unconfirmed.stages.back(), "4/4...");
}

// Ctrl-C ends the exchange at the next block: mode 4, 0 and the close follow.
TEST_F(Flasher, CancelClosesTheDeviceAndSaysTheImageIsIncomplete)
{
    Write("boot.bin", Pattern(3, 0));
    const QString firmware = Write("fw.bin", Pattern(500, 2));
    status_ = [](long block, int) {
        if (block == 1) RequestCancel();
        return 2;
    };
    const Outcome cancelled = Flash({firmware});
    EXPECT_EQ(cancelled.exitCode, kFlashInterrupted);
    EXPECT_EQ(cancelled.messages,
              std::vector<QString>{"interrupted at block 2/4: the camera holds an incomplete image"});
    EXPECT_EQ(std::count(cancelled.calls.begin(), cancelled.calls.end(), "W 56 0x01"), 2);
    EXPECT_EQ(std::vector<std::string>(cancelled.calls.end() - 4, cancelled.calls.end()),
              (std::vector<std::string>{"R 0 -> 2", "W 54 0x04", "W 54 0x00", "EXIT"}));
    EXPECT_EQ(cancelled.stages.back(), "2/4...");

    // Asked while the last block is acknowledged: everything was sent, so the update stands.
    status_ = [](long block, int) {
        if (block == 3) RequestCancel();
        return 2;
    };
    const Outcome late = Flash({firmware});
    EXPECT_EQ(late.exitCode, kFlashOk);
    EXPECT_TRUE(late.messages.empty());
    EXPECT_EQ(late.stages.back(), "Firmware update ok!");

    // During the wait after the boot code: no firmware block at all; the next run starts afresh.
    status_ = [](long, int) { return 2; };
    const auto sleep = [](unsigned) { RequestCancel(); };
    Outcome waiting;
    Prepare(waiting, "ispflash");
    Environment().Sleep = sleep;
    std::FILE* sink = std::fopen("/dev/null", "w");
    EXPECT_EQ(RunFlasher({firmware}, {sink, sink, false}), kFlashInterrupted);
    std::fclose(sink);
    const std::vector<std::string> transcript = camera_.Transcript();
    EXPECT_EQ(std::count(transcript.begin(), transcript.end(), "W 56 0x01"), 0);
    EXPECT_EQ(transcript.back(), "EXIT");
    EXPECT_EQ(Flash({firmware}).exitCode, kFlashOk);
}

TEST_F(Flasher, ProgressOnATerminalAndAsJson)
{
    Write("boot.bin", Pattern(4, 0));
    const QString firmware = Write("fw.bin", Pattern(300, 1));
    std::string out;
    ASSERT_EQ(Flash({firmware}, &out, true).exitCode, kFlashOk);
    // The boot code's and the blocks' lines are redrawn in place, the others stand.
    const QString shown = QString::fromStdString(out);
    EXPECT_TRUE(shown.startsWith("8051 download mode\nBoot code to SRAM... 0%\r\x1b[KBoot code to SRAM... 25%"))
        << out;
    EXPECT_TRUE(shown.contains("Boot code to SRAM... 100%\nwait...\nboot code running...\nFirmware updating...\n"
                               "1/3... 0%\r\x1b[K2/3... 33% "))
        << out;
    EXPECT_TRUE(QRegularExpression("\r\x1b\\[K3/3\\.\\.\\. 66% [0-9.]+ (KiB|B)/s \\d+:\\d\\d left\n"
                                   "Firmware update ok!\n$")
                    .match(shown)
                    .hasMatch())
        << out;

    ASSERT_EQ(Flash({"--json", firmware}, &out).exitCode, kFlashOk);
    std::vector<QJsonObject> objects;
    for (const QByteArray& line : QByteArray::fromStdString(out).split('\n'))
        if (!line.isEmpty()) objects.push_back(QJsonDocument::fromJson(line).object());
    ASSERT_EQ(objects.size(), 5u + 3u + 1u + 1u);
    EXPECT_EQ(objects[5]["stage"].toString(), "1/3...");
    EXPECT_EQ(objects[6]["block"].toInt(), 2);
    EXPECT_EQ(objects[6]["blocks"].toInt(), 3);
    EXPECT_EQ(objects[6]["percent"].toInt(), 33);
    EXPECT_TRUE(objects[6].contains("bytes_per_second"));
    EXPECT_TRUE(objects[6].contains("seconds_left"));
    EXPECT_EQ(objects[8]["stage"].toString(), "Firmware update ok!");
    EXPECT_EQ(objects[9]["result"].toString(), "ok");
    EXPECT_EQ(objects[9]["exit_code"].toInt(), 0);

    initializeResult_ = -1;
    ASSERT_EQ(Flash({"--json", firmware}, &out).exitCode, kFlashNoDevice);
    const QJsonObject result = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    EXPECT_EQ(result["result"].toString(), "device not found");
    EXPECT_EQ(result["exit_code"].toInt(), kFlashNoDevice);
    EXPECT_EQ(result["message"].toString(), "Device not found!\nthe camera is missing or in use by another program");

    // Where the camera stopped answering, and no "ok" when it did not confirm the end.
    initializeResult_ = 0;
    access_ = [count = 0](int) mutable { return ++count > 4 ? -1 : 0; };
    ASSERT_EQ(Flash({"--json", firmware}, &out).exitCode, kFlashDeviceLost);
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(out).split('\n').end()[-2])["stopped_at"], "boot code");
    access_ = [count = 0](int) mutable { return ++count > 2 + 4 + 2 + 3 * 6 + 300 ? -1 : 0; };
    ASSERT_EQ(Flash({"--json", firmware}, &out).exitCode, kFlashEndNotConfirmed);
    EXPECT_FALSE(QString::fromStdString(out).contains("Firmware update ok!")) << out;
    EXPECT_TRUE(QString::fromStdString(out).contains("\"stopped_at\":\"final writes\"")) << out;
}

TEST_F(Flasher, ImagesThatDoNotLoadStopBeforeTheDevice)
{
    Write("boot.bin", "boot");
    const Outcome noFirmware = Flash({dir_.filePath("missing.bin")});
    EXPECT_EQ(noFirmware.exitCode, kFlashNoFirmware);
    EXPECT_EQ(noFirmware.messages,
              std::vector<QString>{"Fail to load firmware file.\n" + dir_.filePath("missing.bin")});
    EXPECT_EQ(Flash({dir_.path()}).exitCode, kFlashNoFirmware);
    EXPECT_TRUE(noFirmware.calls.empty());

    // An empty image is refused, where the window would send it as it is.
    const Outcome empty = Flash({Write("empty.bin", {})});
    EXPECT_EQ(empty.exitCode, kFlashNoFirmware);
    EXPECT_EQ(empty.messages, std::vector<QString>{"firmware file is empty\n" + dir_.filePath("empty.bin")});
    EXPECT_TRUE(empty.calls.empty());

    // Boot code first, as the window loads it at start-up.
    Write("ispupdate.ini", "[system]\nboot_file=absent.bin\n");
    const Outcome noBoot = Flash({dir_.filePath("missing.bin")});
    EXPECT_EQ(noBoot.exitCode, kFlashNoBootCode);
    EXPECT_EQ(noBoot.messages, std::vector<QString>{"Fail to load boot file:\n" + dir_.filePath("absent.bin") +
                                                    "\n\nISP utility can not run!"});
    EXPECT_TRUE(noBoot.calls.empty());

    // --boot names the boot code itself; the INI is not read.
    const QString boot = Write("other-boot.bin", "other");
    Write("fw.bin", "fw");
    EXPECT_EQ(Flash({"--boot", boot, dir_.filePath("fw.bin")}).calls[3], "W 55 0x6f");
}

TEST_F(Flasher, CommandLine)
{
    Write("boot.bin", "boot");
    const QString firmware = Write("-fw.bin", "firmware");
    std::string out;
    const Outcome help = Flash({"--help"}, &out);
    EXPECT_EQ(help.exitCode, kFlashOk);
    EXPECT_EQ(out.rfind("Usage: ispflash", 0), 0u);
    EXPECT_TRUE(help.calls.empty());

    // Grouped short options and --boot=FILE, as other tools take them.
    EXPECT_EQ(Flash({"-qh"}, &out).exitCode, kFlashOk);
    EXPECT_EQ(out.rfind("Usage: ispflash", 0), 0u);
    EXPECT_TRUE(out.find("\n  1 ") != std::string::npos) << out;
    const QString other = Write("other-boot.bin", "other");
    const Outcome named = Flash({"-q", "--boot=" + other, firmware}, &out);
    EXPECT_EQ(named.exitCode, kFlashOk);
    EXPECT_EQ(named.calls[3], "W 55 0x6f");
    EXPECT_EQ(out, "");

    for (const QStringList& wrong : {QStringList{}, QStringList{"-x", "fw.bin"}, QStringList{"a.bin", "b.bin"},
                                     QStringList{"fw.bin", "--boot"}, QStringList{"-qx", "fw.bin"}}) {
        SCOPED_TRACE(wrong.join(' ').toStdString());
        const Outcome run = Flash(wrong);
        EXPECT_EQ(run.exitCode, kFlashUsage);
        ASSERT_EQ(run.messages.size(), 1u);
        EXPECT_TRUE(run.messages[0].contains("Usage: ispflash"));
        EXPECT_TRUE(run.calls.empty());
    }

    // Quiet keeps the stages to itself; "--" lets a name start with a dash.
    const Outcome quiet = Flash({"-q", "--", firmware}, &out);
    EXPECT_EQ(quiet.exitCode, kFlashOk);
    EXPECT_EQ(out, "");
    EXPECT_EQ(quiet.calls.back(), "EXIT");
}

// One record per run in the log, whatever the ending; nothing but opening
// and closing the camera on --check.
TEST_F(Flasher, LogCheckAndVersion)
{
    Write("boot.bin", Pattern(4, 0));
    const QByteArray image = Pattern(300, 1);
    const QString firmware = Write("fw.bin", image);
    const QString log = dir_.filePath("line.jsonl");
    EXPECT_EQ(Flash({"-q", "--log", log, firmware}).exitCode, kFlashOk);
    status_ = [](long block, int) { return block == 2 ? 1 : 2; };
    EXPECT_EQ(Flash({"-q", "--log=" + log, firmware}).exitCode, kFlashNotAcknowledged);
    initializeResult_ = -1;
    EXPECT_EQ(Flash({"-q", "--log", log, firmware}).exitCode, kFlashNoDevice);
    EXPECT_EQ(Flash({"-q", "--log", log, dir_.filePath("missing.bin")}).exitCode, kFlashNoFirmware);

    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<QJsonObject> records;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.isEmpty()) records.push_back(QJsonDocument::fromJson(line).object());
    ASSERT_EQ(records.size(), 4u);
    const QJsonObject& ok = records[0];
    EXPECT_TRUE(QDateTime::fromString(ok["time"].toString(), Qt::ISODateWithMs).isValid()) << ok["time"].toString().toStdString();
    EXPECT_FALSE(ok["host"].toString().isEmpty());
    EXPECT_EQ(ok["firmware"].toString(), firmware);
    EXPECT_EQ(ok["firmware_size"].toInt(), 300);
    EXPECT_EQ(ok["firmware_sha256"].toString(),
              QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex());
    EXPECT_EQ(ok["boot_code_sha256"].toString(),
              QCryptographicHash::hash(Pattern(4, 0), QCryptographicHash::Sha256).toHex());
    EXPECT_EQ(ok["result"].toString(), "ok");
    EXPECT_EQ(ok["exit_code"].toInt(), 0);
    EXPECT_EQ(ok["blocks_acked"].toInt(), 3);
    EXPECT_GE(ok["duration_s"].toDouble(-1), 0);
    EXPECT_EQ(records[1]["exit_code"].toInt(), kFlashNotAcknowledged);
    EXPECT_EQ(records[1]["blocks_acked"].toInt(), 2);
    EXPECT_EQ(records[2]["exit_code"].toInt(), kFlashNoDevice);
    EXPECT_EQ(records[2]["blocks_acked"].toInt(), 0);
    EXPECT_EQ(records[3]["exit_code"].toInt(), kFlashNoFirmware);
    EXPECT_FALSE(records[3].contains("firmware_sha256"));

    // A log that cannot be opened stops the run before the camera.
    initializeResult_ = 0;
    const Outcome noLog = Flash({"--log", dir_.filePath("absent/line.jsonl"), firmware});
    EXPECT_EQ(noLog.exitCode, kFlashUsage);
    EXPECT_TRUE(noLog.calls.empty());

    std::string out;
    const Outcome check = Flash({"--check", firmware}, &out);
    EXPECT_EQ(check.exitCode, kFlashOk);
    EXPECT_EQ(check.calls, (std::vector<std::string>{"INIT 0", "EXIT"}));
    EXPECT_EQ(out.rfind("ready: ", 0), 0u) << out;
    EXPECT_EQ(Flash({"--check", Write("empty.bin", {})}).exitCode, kFlashNoFirmware);
    initializeResult_ = -1;
    EXPECT_EQ(Flash({"--check", firmware}).exitCode, kFlashNoDevice);

    const Outcome version = Flash({"--version"}, &out);
    EXPECT_EQ(version.exitCode, kFlashOk);
    EXPECT_TRUE(QRegularExpression("^ispflash \\d+\\.\\d+").match(QString::fromStdString(out)).hasMatch()) << out;
}

} // namespace
