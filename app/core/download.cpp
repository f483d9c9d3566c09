#include "app/core/download.h"

#include "app/core/devicebinding.h"
#include "app/core/environment.h"

#include <algorithm>

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

namespace {

void SendBootCode(const DownloadImages& images, DownloadObserver& observer)
{
    const DeviceBinding& device = Device();
    const std::uint32_t length = images.bootCodeLength;
    for (std::uint32_t i = 0; i < length; ++i) {
        device.Write(kDataRegister, images.bootCode[i]);
        observer.ProgressChanged(ProgressPercent(i + 1, length));
        observer.ProcessMessages();
    }
}

bool SendFirmware(const DownloadImages& images, DownloadObserver& observer)
{
    const std::uint32_t length = images.firmwareLength;
    const std::uint32_t blocks = BlockCount(length);
    for (std::uint32_t i = 0; i < blocks; ++i) {
        const std::uint32_t offset = i * kBlockSize;
        observer.StageChanged(QStringLiteral("%1/%2...").arg(i + 1).arg(blocks));
        observer.ProcessMessages();
        SendBlock(images.firmware, offset, std::min(kBlockSize, length - offset));
        observer.ProgressChanged(ProgressPercent(i + 1, blocks));
        observer.ProcessMessages();
        if (!WaitBlockAck()) return false;
    }
    return true;
}

} // namespace

DownloadResult RunDownload(const DownloadImages& images, DownloadObserver& observer)
{
    if (!images.firmware) return DownloadResult::NoFirmware;
    const DeviceBinding& device = Device();
    if (device.Initialize() < 0) return DownloadResult::NoDevice;

    observer.StageChanged(QStringLiteral("8051 download mode"));
    device.Write(kModeRegister, 4);
    device.Write(kModeRegister, 5);
    observer.ProgressStarted();
    observer.StageChanged(QStringLiteral("Boot code to SRAM..."));
    observer.UpdateLocked(true);
    observer.ProcessMessages();

    SendBootCode(images, observer);

    observer.StageChanged(QStringLiteral("wait..."));
    observer.ProcessMessages();
    Environment().Sleep(kBootCodeWaitMs);

    observer.StageChanged(QStringLiteral("boot code running..."));
    observer.ProcessMessages();
    device.Write(kModeRegister, 5);
    device.Write(kModeRegister, 4);

    observer.StageChanged(QStringLiteral("Firmware updating..."));
    observer.ProgressChanged(0);
    observer.ProcessMessages();

    const bool succeeded = SendFirmware(images, observer);

    device.Write(kModeRegister, 4);
    device.Write(kModeRegister, 0);
    device.Exit();
    observer.UpdateLocked(false);
    if (!succeeded) return DownloadResult::BlockNotAcknowledged;
    observer.StageChanged(QStringLiteral("Firmware update ok!"));
    return DownloadResult::Succeeded;
}
