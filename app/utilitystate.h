#pragma once
// The utility's module-level state: the paths it works with and the two images
// it sends. One record per process, cleared when the main window is built.

#include "platform/wholefile.h"

#include <QString>
#include <cstdint>

struct UtilityState {
    QString IniPath;
    QString ProgramDirectory;
    QString BootCodePath;
    QString FirmwarePath; // last name chosen, kept even when its load failed

    platform::ImageBuffer BootCode; // loaded once at start-up, never changed afterwards
    std::uint32_t BootCodeLength = 0;
    platform::ImageBuffer Firmware; // replaced by each selection
    std::uint32_t FirmwareLength = 0;

    void Clear();
    void ReleaseBootCode();
    void ReleaseFirmware();
};

extern UtilityState Utility;
