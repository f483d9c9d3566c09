#pragma once
// How the simulated camera behaves, taken from ISPSIM_* environment variables
// each time the device is opened.

#include <string>

namespace platform::sim {

struct Settings {
    std::string dir;         // where the received images and the status go
    bool noDevice = false;   // opening reports no device
    bool neverAck = false;   // no block is ever acknowledged
    long ackAfter = 1;       // status reads 2 from this read after a block's end
    long failBlock = -1;     // this block is never acknowledged
    long unplugAfter = -1;   // register accesses after which every access fails
    long delayMicros = 0;    // added to every register access
    bool transcript = false; // log every call to transcript.log
    bool plugged = false;    // attached only while the file "attached" is in dir

    static Settings FromEnvironment();
};

} // namespace platform::sim
