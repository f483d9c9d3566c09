#pragma once
// The utility's window with a scripted camera and recorded dialogs in place
// and a temporary program directory, so its handlers run end to end in a test.

#include "app/core/environment.h"
#include "app/form1.h"
#include "skin/buttons/suibutton.h"
#include "skin/buttons/suiprogressbar.h"
#include "tests/support/recordingdialogs.h"
#include "tests/support/scripteddevice.h"

#include <QByteArray>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

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
    const UtilityState& Utility() const { return form_->Utility(); }

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
