#include "app/utilitystate.h"

UtilityState Utility;

void UtilityState::Clear()
{
    IniPath.clear();
    ProgramDirectory.clear();
    BootCodePath.clear();
    FirmwarePath.clear();
    ReleaseBootCode();
    ReleaseFirmware();
}

void UtilityState::ReleaseBootCode()
{
    BootCode.reset();
    BootCodeLength = 0;
}

void UtilityState::ReleaseFirmware()
{
    Firmware.reset();
    FirmwareLength = 0;
}
