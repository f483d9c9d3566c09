#pragma once
// The simulated camera: a controller that follows the download protocol.
//
// Mode register 54: 4 then 5 starts loading boot code into SRAM (every byte on
// the data register 55 is boot code); 5 then 4 starts the boot code, which
// takes the firmware in framed blocks; 4 then 0 ends the download. A block is
// command 1 on register 56, the offset high and low byte and a length byte on
// register 55, that many bytes, and command 2; the status register 0 then
// reads 2 once the block is accepted.

#include "platform/usbcfg/simrecorder.h"
#include "platform/usbcfg/simsettings.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace platform::sim {

class Camera {
public:
    int Initialize();
    int Exit();
    int Read(int reg, unsigned char* value);
    int Write(int reg, unsigned char value);

private:
    enum class Phase { Idle, BootLoad, Firmware, Done };

    struct Block {
        bool open = false; // between command 1 and command 2
        long index = -1;
        std::vector<std::uint8_t> header;
        std::vector<std::uint8_t> data;
        std::size_t Length() const { return header.size() == 3 ? header[2] : 0; }
        bool Complete() const { return header.size() == 3 && data.size() == Length(); }
    };

    void Close();
    void ResetCounters();
    bool Access();
    bool OnMode(std::uint8_t mode);
    void OnData(std::uint8_t byte);
    bool OnCommand(std::uint8_t command);
    bool StartFirmware();
    void ResetBlocks();
    bool EndBlock();
    void Refuse(long block);
    std::uint8_t Status();
    bool FinishBootLoad();
    void SaveStatus();

    Settings settings_;
    Recorder recorder_;
    bool open_ = false;
    long opens_ = 0;
    long accesses_ = 0;
    bool interrupted_ = false; // a signal cut a delay short; no more delays
    std::array<std::uint8_t, 256> registers_{};
    Phase phase_ = Phase::Idle;
    int lastMode_ = -1;
    std::vector<std::uint8_t> bootCode_;
    bool bootLoading_ = false;

    Block block_;
    long blockStarts_ = 0;      // command 1 count, the index of the next block
    long blocks_ = 0;           // complete blocks received
    long acked_ = 0;            // blocks whose acknowledgement was read
    long failedBlock_ = -1;     // first block never to be acknowledged
    long strayBytes_ = 0;       // data bytes that belong to nothing
    std::uint32_t running_ = 0; // where the next block is expected
    std::uint64_t firmwareBytes_ = 0;

    bool ackPending_ = false; // the last block was accepted and awaits its reads
    bool ackRead_ = false;    // its acknowledgement has been read
    long readsSinceEnd_ = 0;
};

} // namespace platform::sim
