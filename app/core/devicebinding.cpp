#include "app/core/devicebinding.h"

#include "platform/usbcfg/usbcfg.h"

DeviceBinding DeviceBinding::Library()
{
    return {VEXU_Initialize, VEXU_Exit, VEXU_UsbCfgRead, VEXU_UsbCfgWrite};
}

DeviceBinding& Device()
{
    static DeviceBinding binding = DeviceBinding::Library();
    return binding;
}
