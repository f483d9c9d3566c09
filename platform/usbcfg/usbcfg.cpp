// The exported entry points: one simulated camera per process, guarded so that
// no sequence of calls from any thread can corrupt it or throw across the C
// boundary.

#include "platform/usbcfg/usbcfg.h"

#include "platform/usbcfg/simcamera.h"

#include <mutex>

namespace {

std::mutex cameraMutex;

platform::sim::Camera& TheCamera()
{
    static platform::sim::Camera camera;
    return camera;
}

template <typename Call> int Guarded(Call call)
{
    try {
        const std::lock_guard lock(cameraMutex);
        return call(TheCamera());
    } catch (...) {
        return -1;
    }
}

} // namespace

extern "C" {

int VEXU_Initialize(void)
{
    return Guarded([](auto& camera) { return camera.Initialize(); });
}

int VEXU_Exit(void)
{
    return Guarded([](auto& camera) { return camera.Exit(); });
}

int VEXU_UsbCfgRead(int reg, unsigned char* value)
{
    return Guarded([=](auto& camera) { return camera.Read(reg, value); });
}

int VEXU_UsbCfgWrite(int reg, unsigned char value)
{
    return Guarded([=](auto& camera) { return camera.Write(reg, value); });
}

} // extern "C"
