#include "app/utilitystate.h"

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
