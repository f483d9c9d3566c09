#pragma once
// The camera's download protocol on the register interface: the mode, data and
// command registers written, the status register polled for acknowledgements.

#include <cstdint>

constexpr int kModeRegister = 54;
constexpr int kDataRegister = 55;
constexpr int kCommandRegister = 56;
constexpr int kStatusRegister = 0;

constexpr unsigned char kCommandBlock = 1;      // a block header follows
constexpr unsigned char kCommandAckRequest = 2; // the block is complete

constexpr std::uint32_t kBlockSize = 128;
constexpr unsigned kBootCodeWaitMs = 2500;
constexpr int kAckReads = 3000;
constexpr unsigned char kAckValue = 2;

// Number of 128-byte blocks; no overflow for lengths near 4 GiB.
constexpr std::uint32_t BlockCount(std::uint32_t length)
{
    return length / kBlockSize + (length % kBlockSize != 0 ? 1 : 0);
}

// done * 100 / total on 64 bits, so large images cannot wrap the product.
constexpr int ProgressPercent(std::uint32_t done, std::uint32_t total)
{
    return int(std::uint64_t(done) * 100 / total);
}

// Command 1, the offset (low 16 bits, high byte first), the length, the bytes.
void SendBlock(const std::uint8_t* image, std::uint32_t offset, std::uint32_t length);

// Command 2, then up to kAckReads status reads; true on the first that yields kAckValue.
bool WaitBlockAck();
