#pragma once
// ispflash: the window's update from the command line, for scripts and
// production lines. Same boot code lookup (the INI beside the executable),
// same register sequence, same texts; no window, no Qt GUI.

#include <QStringList>
#include <cstdio>

// Exit statuses of ispflash.
enum FlasherExit : int {
    kFlashOk = 0,
    kFlashUpdateFailed = 1,  // a block was not acknowledged
    kFlashUsage = 2,         // bad command line
    kFlashNoFirmware = 3,    // the firmware file could not be loaded
    kFlashNoDevice = 4,      // no camera
    kFlashNoBootCode = 255,  // as the window: -1 when the boot code cannot be loaded
};

// Runs ispflash with its arguments (without the program name): stage texts to
// `out` one per line, as the window's status bar shows them; messages to `err`.
// Returns the exit status.
int RunFlasher(const QStringList& arguments, std::FILE* out, std::FILE* err);
