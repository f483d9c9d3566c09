#pragma once
// How ispflash shows an update: one line per stage, the block lines with
// percentage, rate and time left; redrawn in place on a terminal; or one JSON
// object per stage for programs.

#include "app/core/download.h"

#include <QJsonObject>
#include <chrono>
#include <csignal>
#include <cstdio>

enum class ProgressStyle { Lines, Terminal, Json, Quiet };

class ProgressReport : public DownloadObserver {
public:
    using Clock = std::chrono::steady_clock;

    ProgressReport(std::FILE* out, ProgressStyle style, std::uint32_t firmwareLength);

    void StageChanged(const QString& text) override;
    void BlockStarted(std::uint32_t block, std::uint32_t blocks) override;
    void ProgressChanged(int percent) override;
    bool CancelRequested() override;

    // Ends a line left open on a terminal, so that what follows starts afresh.
    // The core's "Firmware update ok!" is held back until then and shown only
    // when the flasher `confirmed` the update.
    void Finish(bool confirmed);

private:
    struct Figures {
        std::uint32_t block = 0; // 0 outside the firmware stage
        int percent = 0;
        double bytesPerSecond = -1; // -1 while unknown
        double secondsLeft = -1;
    };

    Figures Now() const;
    QString Line(const QString& stage, const Figures& figures) const;
    // Lines of the same group (the boot code's, the blocks') replace each other
    // in place on a terminal; group None stands on its own line.
    enum class Group { None, BootCode, Blocks };
    void Show(const QString& line, Group group);
    Group GroupOf(const QString& stage) const;
    void ShowStage(const QString& text);

    std::FILE* out_;
    ProgressStyle style_;
    std::uint32_t firmwareLength_;
    std::uint32_t blocks_;
    QString stage_;
    int percent_ = 0;
    std::uint32_t block_ = 0;        // the block being sent, from 1; 0 outside the blocks
    std::uint32_t startingBlock_ = 0; // announced for the stage text that follows
    Clock::time_point firmwareStart_{};
    Group open_ = Group::None; // the group of the line left open on a terminal
    bool doneHeld_ = false;
};

// One JSON object on a line of its own.
void WriteJsonLine(std::FILE* out, const QJsonObject& object);

// Asked from a signal handler: the update stops at its next safe point.
void RequestCancel(int signal = SIGINT);
bool CancelWasRequested();
int CancelSignal(); // the signal that asked, once one did
void ClearCancelRequest();
