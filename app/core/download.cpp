#include "app/core/download.h"

#include "app/core/devicebinding.h"
#include "app/core/environment.h"

#include <algorithm>

namespace {

// The register calls of one update, remembering whether any of them failed.
class Registers {
public:
    explicit Registers(const DeviceBinding& device) : device_(device) {}

    // The part of the exchange the following accesses belong to.
    void Enter(DownloadStep step, std::uint32_t block = 0)
    {
        step_ = step;
        block_ = block;
    }
    void Write(int reg, unsigned char value)
    {
        if (device_.Write(reg, value) < 0) Fail();
    }
    unsigned char Read(int reg)
    {
        // Fresh for every read: a read that stores nothing must not pass for an acknowledgement.
        unsigned char value = 0;
        if (device_.Read(reg, &value) < 0) Fail();
        return value;
    }
    // Whether an access failed, and where the first one was.
    void Report(DownloadOutcome& outcome) const
    {
        outcome.accessFailed = failed_;
        outcome.failedStep = failedStep_;
        outcome.failedBlock = failedBlock_;
    }

private:
    void Fail()
    {
        if (failed_) return;
        failed_ = true;
        failedStep_ = step_;
        failedBlock_ = block_;
    }

    const DeviceBinding& device_;
    DownloadStep step_ = DownloadStep::DownloadMode;
    std::uint32_t block_ = 0;
    bool failed_ = false;
    DownloadStep failedStep_ = DownloadStep::DownloadMode;
    std::uint32_t failedBlock_ = 0;
};

// Command 1, the offset (low 16 bits, high byte first), the length, the bytes.
void SendBlock(Registers& registers, const std::uint8_t* image, std::uint32_t offset, std::uint32_t length)
{
    registers.Write(kCommandRegister, kCommandBlock);
    registers.Write(kDataRegister, static_cast<unsigned char>(offset >> 8));
    registers.Write(kDataRegister, static_cast<unsigned char>(offset));
    registers.Write(kDataRegister, static_cast<unsigned char>(length));
    for (std::uint32_t i = 0; i < length; ++i)
        registers.Write(kDataRegister, image[offset + i]);
}

// Command 2, then up to kAckReads status reads; true on the first that yields kAckValue.
bool WaitBlockAck(Registers& registers)
{
    registers.Write(kCommandRegister, kCommandAckRequest);
    for (int read = 0; read < kAckReads; ++read)
        if (registers.Read(kStatusRegister) == kAckValue) return true;
    return false;
}

// False when cancelled before the last byte.
bool SendBootCode(Registers& registers, const DownloadImages& images, DownloadObserver& observer)
{
    const std::uint32_t length = images.bootCodeLength;
    registers.Enter(DownloadStep::BootCode);
    for (std::uint32_t i = 0; i < length; ++i) {
        registers.Write(kDataRegister, images.bootCode[i]);
        observer.ProgressChanged(ProgressPercent(i + 1, length));
        observer.ProcessMessages();
        if (observer.CancelRequested()) return false;
    }
    return true;
}

void SendFirmware(Registers& registers, const DownloadImages& images, DownloadObserver& observer,
                  DownloadOutcome& outcome)
{
    const std::uint32_t length = images.firmwareLength;
    for (std::uint32_t i = 0; i < outcome.blocks; ++i) {
        const std::uint32_t offset = i * kBlockSize;
        outcome.block = i + 1;
        observer.BlockStarted(i + 1, outcome.blocks);
        observer.StageChanged(QStringLiteral("%1/%2...").arg(i + 1).arg(outcome.blocks));
        observer.ProcessMessages();
        registers.Enter(DownloadStep::Firmware, i + 1);
        SendBlock(registers, images.firmware, offset, std::min(kBlockSize, length - offset));
        observer.ProgressChanged(ProgressPercent(i + 1, outcome.blocks));
        observer.ProcessMessages();
        if (!WaitBlockAck(registers)) {
            outcome.result = DownloadResult::BlockNotAcknowledged;
            return;
        }
        if (i + 1 < outcome.blocks && observer.CancelRequested()) {
            outcome.result = DownloadResult::Cancelled;
            return;
        }
    }
}

// Boot code, the wait, the switch to the boot code and the firmware; the
// outcome's result stays Succeeded when everything was sent.
void Exchange(Registers& registers, const DownloadImages& images, DownloadObserver& observer,
              DownloadOutcome& outcome)
{
    auto cancelled = [&] {
        if (!observer.CancelRequested()) return false;
        outcome.result = DownloadResult::Cancelled;
        return true;
    };
    if (!SendBootCode(registers, images, observer)) {
        outcome.result = DownloadResult::Cancelled;
        return;
    }

    observer.StageChanged(QString::fromLatin1(kStageWait));
    observer.ProcessMessages();
    if (cancelled()) return;
    Environment().Sleep(kBootCodeWaitMs);
    if (cancelled()) return;

    observer.StageChanged(QString::fromLatin1(kStageBootCodeRunning));
    observer.ProcessMessages();
    registers.Enter(DownloadStep::BootCodeStart);
    registers.Write(kModeRegister, 5);
    registers.Write(kModeRegister, 4);

    observer.StageChanged(QString::fromLatin1(kStageFirmware));
    observer.ProgressChanged(0);
    observer.ProcessMessages();

    SendFirmware(registers, images, observer, outcome);
}

} // namespace

DownloadOutcome RunDownload(const DownloadImages& images, DownloadObserver& observer)
{
    DownloadOutcome outcome;
    outcome.blocks = BlockCount(images.firmwareLength);
    if (!images.firmware) {
        outcome.result = DownloadResult::NoFirmware;
        return outcome;
    }
    const DeviceBinding& device = Device();
    if (device.Initialize() < 0) {
        outcome.result = DownloadResult::NoDevice;
        return outcome;
    }
    Registers registers(device);

    observer.StageChanged(QString::fromLatin1(kStageDownloadMode));
    registers.Write(kModeRegister, 4);
    registers.Write(kModeRegister, 5);
    observer.ProgressStarted();
    observer.StageChanged(QString::fromLatin1(kStageBootCode));
    observer.UpdateLocked(true);
    observer.ProcessMessages();

    Exchange(registers, images, observer, outcome);

    registers.Enter(DownloadStep::Ending);
    registers.Write(kModeRegister, 4);
    registers.Write(kModeRegister, 0);
    device.Exit();
    registers.Report(outcome);
    observer.UpdateLocked(false);
    if (outcome.result == DownloadResult::Succeeded) observer.StageChanged(QString::fromLatin1(kStageDone));
    return outcome;
}
