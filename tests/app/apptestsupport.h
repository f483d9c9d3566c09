#pragma once
// A scripted camera, recorded dialogs and a temporary program directory, so the
// utility's handlers run end to end inside a test.

#include "app/core/devicebinding.h"
#include "app/core/environment.h"
#include "app/form1.h"
#include "app/utilitystate.h"
#include "toolkit/dialogs.h"

#include <QByteArray>
#include <QLabel>
#include "skin/buttons/suibutton.h"
#include "skin/buttons/suiprogressbar.h"
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

// What the window showed at one moment of an update.
struct Observation {
    QString stage;
    int progress = -1;
    bool progressVisible = false;
    bool updateEnabled = false;
};

struct DeviceCall {
    enum Kind { Initialize, Exit, Read, Write } kind;
    int reg = -1;
    int value = -1;
    Observation seen{};
    friend bool operator==(const DeviceCall& a, const DeviceCall& b)
    {
        return a.kind == b.kind && a.reg == b.reg && a.value == b.value;
    }
};
std::ostream& operator<<(std::ostream& out, const DeviceCall& call);

inline DeviceCall W(int reg, int value)
{
    return {DeviceCall::Write, reg, value, {}};
}

class ScriptedDevice {
public:
    int initializeResult = 0;
    // Answers one status read; the default acknowledges at once. `readsInBlock` counts from 1.
    std::function<int(unsigned char* value, int readsInBlock)> status = [](unsigned char* value, int) {
        *value = 2;
        return 0;
    };
    // Runs after each call is recorded, to act on the window in mid-update.
    std::function<void(const DeviceCall&)> onCall;
    std::function<Observation()> observe;

    std::vector<DeviceCall> calls;

    DeviceBinding Binding();
    std::vector<DeviceCall> Writes() const;
    int CountOf(DeviceCall::Kind kind) const;

private:
    int Record(DeviceCall call);
    int readsInBlock_ = 0;
};

struct ShownMessage {
    QWidget* owner = nullptr;
    QString text;
    QString title;
    toolkit::TMsgIcon icon = toolkit::TMsgIcon::None;
    toolkit::TMsgButtons buttons = toolkit::TMsgButtons::OkCancel;
    Observation seen{};
};

class RecordingDialogs : public toolkit::DialogResponder {
public:
    std::vector<ShownMessage> messages;
    std::vector<toolkit::OpenFileRequest> openRequests;
    std::deque<std::optional<QString>> choices; // answers for the open dialog, in order
    std::function<Observation()> observe;

    toolkit::TModalResult Message(const toolkit::MessageRequest& request) override;
    std::optional<QString> OpenFile(const toolkit::OpenFileRequest& request) override;
};

// Holds an exclusive lock on a file, as another program holding it open would.
class FileLock {
public:
    explicit FileLock(const QString& path);
    ~FileLock();

private:
    int fd_ = -1;
};

class UtilityTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString ProgramDir() const { return dir_.path(); }
    QString PathOf(const QString& relative) const { return dir_.filePath(relative); }
    void WriteFile(const QString& relative, const QByteArray& bytes) const;
    // An INI beside a module named "ispupdate" in the temporary directory.
    void WriteIni(const QString& content) const;
    // Boot code named in the INI, FormCreate run.
    void StartWithBootCode(const QByteArray& bootCode);
    // Firmware chosen through the "..." button.
    void SelectFirmware(const QByteArray& firmware, const QString& name = QStringLiteral("fw.bin"));
    Observation Observe() const;

    std::unique_ptr<TForm1> form_;
    ScriptedDevice device_;
    RecordingDialogs dialogs_;
    std::vector<unsigned> sleeps_;
    std::vector<Observation> sleepSeen_;
    std::vector<int> endedWith_;

private:
    QTemporaryDir dir_;
    toolkit::DialogResponder* previousDialogs_ = nullptr;
};

QByteArray PatternBytes(int length, int seed);
