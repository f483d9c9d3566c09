#pragma once
// What the utility's window works with: the paths it found and chose and the
// two images it sends. The window owns one and hands the images to the update.

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

    void ReleaseBootCode();
    void ReleaseFirmware();
};
