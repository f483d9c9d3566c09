#pragma once
// The four device library operations the download procedure uses, called
// through one replaceable record so a test can put a scripted device in place.

#include <functional>

struct DeviceBinding {
    std::function<int()> Initialize; // negative: no device
    std::function<int()> Exit;
    std::function<int(int reg, unsigned char* value)> Read;
    std::function<int(int reg, unsigned char value)> Write;

    // The functions of the linked device library.
    static DeviceBinding Library();
};

// The binding in use; the linked library unless replaced.
DeviceBinding& Device();
