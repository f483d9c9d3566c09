#pragma once
// A camera that answers every register access at once and acknowledges every
// block on the first read, so a benchmark times only the program's own work.

#include "app/core/devicebinding.h"

// Register accesses since the benchmark last reset it.
inline long instantAccesses = 0;

inline DeviceBinding InstantDevice()
{
    return {
        [] { return 0; },
        [] { return 0; },
        [](int, unsigned char* value) {
            ++instantAccesses;
            *value = 2;
            return 0;
        },
        [](int, unsigned char) {
            ++instantAccesses;
            return 0;
        },
    };
}
