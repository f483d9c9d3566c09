#include "platform/usbcfg/simcamera.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <unistd.h>

namespace platform::sim {

namespace {

constexpr int kStatusRegister = 0;
constexpr int kModeRegister = 54;
constexpr int kDataRegister = 55;
constexpr int kCommandRegister = 56;
constexpr std::uint8_t kAcknowledged = 2;

const char* PhaseName(int phase)
{
    static const char* const names[] = {"idle", "bootload", "firmware", "done"};
    return names[phase];
}

// False when a signal cut the delay short.
bool Delay(long micros)
{
    timespec wait{micros / 1000000, (micros % 1000000) * 1000};
    return ::nanosleep(&wait, nullptr) == 0 || errno != EINTR;
}

} // namespace

int Camera::Initialize()
{
    if (open_) Close(); // opening an open device starts afresh
    settings_ = Settings::FromEnvironment();
    // Not attached, or another program has the camera: nothing is touched.
    if (settings_.plugged && ::access((settings_.dir + "/attached").c_str(), F_OK) != 0) return -1;
    if (!recorder_.Claim(settings_.dir)) return -1;
    recorder_.Begin(settings_.dir, settings_.transcript);
    // Even a refused open starts afresh: the status must not show the last
    // download's counters as if this attempt had made them.
    ResetCounters();
    if (settings_.noDevice) {
        recorder_.Log("INIT -1");
        recorder_.Flush();
        SaveStatus();
        recorder_.Release();
        return -1;
    }
    open_ = true;
    ++opens_;
    recorder_.Log("INIT 0");
    SaveStatus();
    return 0;
}

void Camera::ResetCounters()
{
    accesses_ = 0;
    interrupted_ = false;
    registers_ = {};
    phase_ = Phase::Idle;
    lastMode_ = -1;
    bootCode_.clear();
    bootLoading_ = false;
    strayBytes_ = 0;
    ResetBlocks(); // the files keep the last download until a new one starts
}

int Camera::Exit()
{
    recorder_.Log("EXIT");
    if (!open_) {
        recorder_.Flush();
        return -1;
    }
    Close();
    return 0;
}

void Camera::Close()
{
    FinishBootLoad();
    open_ = false;
    SaveStatus();
    recorder_.End();
    recorder_.Release();
}

int Camera::Read(int reg, unsigned char* value)
{
    if (!open_ || !value || reg < 0 || reg >= int(registers_.size()) || !Access()) {
        recorder_.Log("R %d -> fail", reg);
        return -1;
    }
    *value = reg == kStatusRegister ? Status() : registers_[reg];
    recorder_.Log("R %d -> %d", reg, *value);
    return 0;
}

// A write whose effect could not be stored fails, as a real device's would.
int Camera::Write(int reg, unsigned char value)
{
    bool ok = open_ && reg >= 0 && reg < int(registers_.size()) && Access();
    if (ok) {
        registers_[reg] = value;
        if (reg == kModeRegister)
            ok = OnMode(value);
        else if (reg == kDataRegister)
            OnData(value);
        else if (reg == kCommandRegister)
            ok = OnCommand(value);
    }
    recorder_.Log("W %d 0x%02x%s", reg, value, ok ? "" : " fail");
    return ok ? 0 : -1;
}

// Counts the access; false once the camera counts as unplugged. A signal ends
// the delay, and the delays of the rest of this opening: the program is
// being stopped and must get to closing the device soon.
bool Camera::Access()
{
    if (settings_.delayMicros > 0 && !interrupted_) interrupted_ = !Delay(settings_.delayMicros);
    ++accesses_;
    return settings_.unplugAfter < 0 || accesses_ <= settings_.unplugAfter;
}

// The controller acts on pairs of mode values; a single value changes nothing.
// False when the boot code or the firmware's file could not be stored.
bool Camera::OnMode(std::uint8_t mode)
{
    const int previous = lastMode_;
    lastMode_ = mode;
    bool stored = true;
    if (previous == 4 && mode == 5) {
        stored = FinishBootLoad();
        phase_ = Phase::BootLoad;
        bootCode_.clear();
        bootLoading_ = true;
    } else if (previous == 5 && mode == 4 && phase_ == Phase::BootLoad) {
        // Boot code that was not kept does not run, and takes no blocks.
        stored = FinishBootLoad() && StartFirmware();
        if (!stored) phase_ = Phase::Idle;
    } else if (previous == 4 && mode == 0) {
        stored = FinishBootLoad();
        phase_ = Phase::Done;
        recorder_.End();
    }
    SaveStatus();
    return stored;
}

void Camera::OnData(std::uint8_t byte)
{
    if (phase_ == Phase::BootLoad) {
        bootCode_.push_back(byte);
        return;
    }
    if (phase_ == Phase::Firmware && block_.open) {
        if (block_.header.size() < 3) {
            block_.header.push_back(byte);
            return;
        }
        if (block_.data.size() < block_.Length()) {
            block_.data.push_back(byte);
            return;
        }
    }
    ++strayBytes_;
}

// False when a complete block could not be stored.
bool Camera::OnCommand(std::uint8_t command)
{
    if (phase_ != Phase::Firmware) return true;
    if (command == 1) {
        if (block_.open) Refuse(block_.index); // abandoned before its end
        block_ = Block{true, blockStarts_++, {}, {}};
        ackPending_ = false;
    } else if (command == 2) {
        return EndBlock();
    }
    return true;
}

bool Camera::StartFirmware()
{
    phase_ = Phase::Firmware;
    ResetBlocks();
    return recorder_.StartFirmware();
}

void Camera::ResetBlocks()
{
    block_ = Block{};
    blockStarts_ = 0;
    blocks_ = 0;
    acked_ = 0;
    failedBlock_ = -1;
    running_ = 0;
    firmwareBytes_ = 0;
    ackPending_ = false;
}

// Only 16 bits of the offset travel, so a block that continues where the last
// one ended keeps the full running address; any other offset is taken as is.
bool Camera::EndBlock()
{
    if (!block_.open) return true;
    bool stored = true;
    block_.open = false;
    ackPending_ = false;
    ackRead_ = false;
    readsSinceEnd_ = 0;
    if (!block_.Complete()) {
        Refuse(block_.index);
    } else {
        ++blocks_;
        const std::uint32_t offset = std::uint32_t(block_.header[0]) << 8 | block_.header[1];
        const std::uint32_t address = offset == (running_ & 0xFFFF) ? running_ : offset;
        running_ = address + std::uint32_t(block_.Length());
        if (settings_.neverAck || block_.index == settings_.failBlock) {
            Refuse(block_.index);
        } else if (!recorder_.PlaceBlock(address, block_.data)) {
            stored = false; // never acknowledged
            Refuse(block_.index);
        } else {
            firmwareBytes_ = std::max<std::uint64_t>(firmwareBytes_, running_);
            ackPending_ = true;
        }
    }
    SaveStatus();
    recorder_.Flush();
    return stored;
}

void Camera::Refuse(long block)
{
    if (failedBlock_ < 0) failedBlock_ = block;
}

std::uint8_t Camera::Status()
{
    if (!ackPending_ || ++readsSinceEnd_ < settings_.ackAfter) return 0;
    if (!ackRead_) {
        ackRead_ = true;
        ++acked_;
        SaveStatus();
    }
    return kAcknowledged;
}

bool Camera::FinishBootLoad()
{
    if (!bootLoading_) return true;
    bootLoading_ = false;
    return recorder_.SaveBootCode(bootCode_);
}

void Camera::SaveStatus()
{
    std::string text;
    auto add = [&text](const char* key, const std::string& value) { text += key + ('=' + value) + '\n'; };
    add("state", open_ ? "open" : "closed");
    add("opens", std::to_string(opens_));
    add("phase", PhaseName(int(phase_)));
    add("last_mode", std::to_string(lastMode_));
    add("boot_bytes", std::to_string(bootCode_.size()));
    add("blocks", std::to_string(blocks_));
    add("acked", std::to_string(acked_));
    add("failed_block", std::to_string(failedBlock_));
    add("firmware_bytes", std::to_string(firmwareBytes_));
    add("stray_bytes", std::to_string(strayBytes_));
    add("accesses", std::to_string(accesses_));
    recorder_.SaveStatus(text);
}

} // namespace platform::sim
