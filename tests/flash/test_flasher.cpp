// ispflash in process against a scripted camera: the window's register
// transcript, stage texts and messages, call for call, and its command line.
#include "app/core/devicebinding.h"
#include "app/core/environment.h"
#include "app/form1.h"
#include "app/utilitystate.h"
#include "flash/flasher.h"
#include "skin/buttons/suibutton.h"

#include <QFile>
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

// Calls in the simulated camera's transcript notation; the status script
// answers the n-th status read after each block's command 2 (counted from 1).
class ScriptedCamera {
public:
    int initializeResult = 0;
    std::function<unsigned char(long block, int read)> status = [](long, int) { return 2; };
    std::vector<std::string> calls;

    DeviceBinding Binding()
    {
        return {
            [this] {
                calls.push_back("INIT " + std::to_string(initializeResult));
                return initializeResult;
            },
            [this] {
                calls.push_back("EXIT");
                return 0;
            },
            [this](int reg, unsigned char* value) {
                *value = status(block_, ++reads_);
                calls.push_back("R " + std::to_string(reg) + " -> " + std::to_string(*value));
                return 0;
            },
            [this](int reg, unsigned char value) {
                if (reg == 56 && value == 2) {
                    ++block_;
                    reads_ = 0;
                }
                char text[32];
                std::snprintf(text, sizeof text, "W %d 0x%02x", reg, value);
                calls.push_back(text);
                return 0;
            },
        };
    }

private:
    long block_ = -1;
    int reads_ = 0;
};

class AnsweringDialogs : public toolkit::DialogResponder {
public:
    QString firmware;
    std::vector<QString> messages;

    toolkit::TModalResult Message(const toolkit::MessageRequest& request) override
    {
        messages.push_back(request.text);
        return toolkit::TModalResult::Ok;
    }
    std::optional<QString> OpenFile(const toolkit::OpenFileRequest&) override { return firmware; }
};

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
        Write("ispflash.ini", "[system]\nboot_file=boot.bin\n");
    }
    void TearDown() override
    {
        Device() = DeviceBinding::Library();
        Environment() = ProcessEnvironment::Platform();
        Utility.Clear();
    }

    QString Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    // The scripted camera and a recording sleep in place for one program.
    ScriptedCamera& Prepare(Outcome& run, const char* program)
    {
        camera_ = ScriptedCamera{};
        camera_.initializeResult = initializeResult_;
        camera_.status = status_;
        Device() = camera_.Binding();
        Environment().ModulePath = [this, program] { return dir_.filePath(program); };
        Environment().Sleep = [&run](unsigned ms) { run.sleeps.push_back(ms); };
        return camera_;
    }

    Outcome Window(const QString& firmware)
    {
        Outcome run;
        Prepare(run, "ispupdate");
        AnsweringDialogs dialogs;
        dialogs.firmware = firmware;
        toolkit::DialogResponder* previous = toolkit::SetDialogResponder(&dialogs);
        {
            TForm1 form;
            form.show();
            form.FormCreate(&form);
            form.cmdLoadClick(form.cmdLoad);
            QObject::connect(form.StatusBar1->Panels[0], &toolkit::TStatusPanel::TextChanged, &form,
                             [&run](const QString& text) { run.stages.push_back(text); });
            form.cmdUpdate->Click();
            form.close();
        }
        toolkit::SetDialogResponder(previous);
        for (const QString& message : dialogs.messages)
            run.messages.push_back(message.trimmed());
        run.calls = camera_.calls;
        return run;
    }

    Outcome Flash(const QStringList& arguments, std::string* rawOut = nullptr)
    {
        Outcome run;
        Prepare(run, "ispflash");
        char* outText = nullptr;
        char* errText = nullptr;
        std::size_t outSize = 0, errSize = 0;
        std::FILE* out = open_memstream(&outText, &outSize);
        std::FILE* err = open_memstream(&errText, &errSize);
        run.exitCode = RunFlasher(arguments, out, err);
        std::fclose(out);
        std::fclose(err);
        const QString stdoutText = QString::fromLocal8Bit(outText, qsizetype(outSize));
        const QString stderrText = QString::fromLocal8Bit(errText, qsizetype(errSize));
        if (rawOut) *rawOut = std::string(outText, outSize);
        std::free(outText);
        std::free(errText);
        for (const QString& line : stdoutText.split(u'\n', Qt::SkipEmptyParts))
            run.stages.push_back(line);
        if (!stderrText.isEmpty()) {
            EXPECT_TRUE(stderrText.startsWith("ispflash: ")) << stderrText.toStdString();
            run.messages.push_back(stderrText.mid(10).trimmed());
        }
        run.calls = camera_.calls;
        return run;
    }

    void ExpectSameAsWindow(const QByteArray& boot, const QByteArray& firmware, int exitCode)
    {
        Write("boot.bin", boot);
        const QString path = Write("fw.bin", firmware);
        const Outcome window = Window(path);
        const Outcome flash = Flash({path});
        EXPECT_EQ(flash.calls, window.calls);
        EXPECT_EQ(flash.stages, window.stages);
        EXPECT_EQ(flash.messages, window.messages);
        EXPECT_EQ(flash.sleeps, window.sleeps);
        EXPECT_EQ(flash.exitCode, exitCode);
    }

    int initializeResult_ = 0;
    std::function<unsigned char(long, int)> status_ = [](long, int) { return 2; };
    QTemporaryDir dir_;

private:
    ScriptedCamera camera_;
};

TEST_F(Flasher, SuccessfulUpdateIsTheWindowsCallForCall)
{
    for (int length : {0, 1, 300, 65537}) {
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
    ExpectSameAsWindow(Pattern(3, 0), Pattern(500, 2), kFlashUpdateFailed);
    const Outcome failed = Flash({dir_.filePath("fw.bin")});
    EXPECT_EQ(failed.stages.back(), "3/4...");
    EXPECT_EQ(failed.messages, std::vector<QString>{"Fail to update firmware!!"});
    EXPECT_EQ(std::vector<std::string>(failed.calls.end() - 4, failed.calls.end()),
              (std::vector<std::string>{"R 0 -> 1", "W 54 0x04", "W 54 0x00", "EXIT"}));

    status_ = [](long, int) { return 2; };
    initializeResult_ = -1;
    ExpectSameAsWindow(Pattern(3, 0), Pattern(10, 3), kFlashNoDevice);
    const Outcome absent = Flash({dir_.filePath("fw.bin")});
    EXPECT_EQ(absent.calls, std::vector<std::string>{"INIT -1"});
    EXPECT_EQ(absent.messages, std::vector<QString>{"Device not found!"});
    EXPECT_TRUE(absent.stages.empty());
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

    // Boot code first, as the window loads it at start-up.
    Write("ispflash.ini", "[system]\nboot_file=absent.bin\n");
    const Outcome noBoot = Flash({dir_.filePath("missing.bin")});
    EXPECT_EQ(noBoot.exitCode, 255);
    EXPECT_EQ(noBoot.messages, std::vector<QString>{"Fail to load boot file:\n" + dir_.filePath("absent.bin") +
                                                    "\n\nISP utility can not run!"});
    EXPECT_TRUE(noBoot.calls.empty());
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

    for (const QStringList& wrong : {QStringList{}, QStringList{"-x", "fw.bin"}, QStringList{"a.bin", "b.bin"}}) {
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

} // namespace
