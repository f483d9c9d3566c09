#include "app/download.h"

#include "app/devicebinding.h"

void SendBlock(const std::uint8_t* image, std::uint32_t offset, std::uint32_t length)
{
    const DeviceBinding& device = Device();
    device.Write(kCommandRegister, kCommandBlock);
    device.Write(kDataRegister, static_cast<unsigned char>(offset >> 8));
    device.Write(kDataRegister, static_cast<unsigned char>(offset));
    device.Write(kDataRegister, static_cast<unsigned char>(length));
    for (std::uint32_t i = 0; i < length; ++i)
        device.Write(kDataRegister, image[offset + i]);
}

bool WaitBlockAck()
{
    const DeviceBinding& device = Device();
    device.Write(kCommandRegister, kCommandAckRequest);
    for (int read = 0; read < kAckReads; ++read) {
        // Fresh for every read: a read that stores nothing must not pass for an acknowledgement.
        unsigned char status = 0;
        device.Read(kStatusRegister, &status);
        if (status == kAckValue) return true;
    }
    return false;
}
