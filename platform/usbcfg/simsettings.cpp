#include "platform/usbcfg/simsettings.h"

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace platform::sim {

namespace {

// A whole non-negative decimal number; anything else keeps the default.
long Number(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    if (!text || !*text) return fallback;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || *end != '\0' || value < 0) return fallback;
    return value;
}

bool Flag(const char* name)
{
    return Number(name, 0) != 0;
}

std::string DefaultDir()
{
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = tmp && *tmp ? tmp : "/tmp";
    return base + "/ispsim-" + std::to_string(::getuid());
}

} // namespace

Settings Settings::FromEnvironment()
{
    Settings s;
    const char* dir = std::getenv("ISPSIM_DIR");
    s.dir = dir && *dir ? dir : DefaultDir();
    s.noDevice = Flag("ISPSIM_NO_DEVICE");
    s.neverAck = Flag("ISPSIM_NEVER_ACK");
    s.ackAfter = Number("ISPSIM_ACK_AFTER", 1);
    if (s.ackAfter < 1) s.ackAfter = 1;
    s.failBlock = Number("ISPSIM_FAIL_BLOCK", -1);
    s.unplugAfter = Number("ISPSIM_UNPLUG_AFTER", -1);
    s.delayMicros = Number("ISPSIM_DELAY_US", 0);
    s.transcript = Flag("ISPSIM_TRANSCRIPT");
    s.plugged = Flag("ISPSIM_PLUG");
    return s;
}

} // namespace platform::sim
