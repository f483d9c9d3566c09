#pragma once
// ispflash: the window's update from the command line, for production lines
// and scripts. Same boot code lookup (the window's INI beside the executable,
// unless --boot names the file), same register sequence through the same device
// library, same texts; no display needed.

#include <QStringList>
#include <cstdio>

// Exit statuses of ispflash, one per way an update can end.
enum FlasherExit : int {
    kFlashOk = 0,
    kFlashInternalError = 1, // an unexpected exception
    kFlashUsage = 2,
    kFlashNoBootCode = 3,
    kFlashNoFirmware = 4,
    kFlashNoDevice = 5,
    kFlashNotAcknowledged = 6,
    kFlashDeviceLost = 7,
    kFlashEndNotConfirmed = 8, // every block acknowledged, but the final writes failed
    // Interrupted: as shells report an end by the signal (SIGTERM as Ctrl-C).
    kFlashHungUp = 129,
    kFlashInterrupted = 130,
    kFlashQuit = 131,
};

struct FlasherStreams {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
    bool outIsTerminal = false; // progress redrawn in place rather than line by line
};

// Runs ispflash with its arguments (without the program name) and returns
// the exit status. Stage lines or JSON objects go to out, messages to err.
int RunFlasher(const QStringList& arguments, const FlasherStreams& streams);

// Sleeps in short slices, returning early once a cancel was requested.
void SleepUnlessCancelled(unsigned milliseconds);
