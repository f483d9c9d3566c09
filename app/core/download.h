#pragma once
// The download procedure, free of widgets: the window and the command-line
// flasher run the same register sequence and show the same texts; each says
// through a DownloadObserver how it shows them.

#include <QCoreApplication>
#include <QString>
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

// The stages as the user sees them; each block adds "i/n..." between the
// firmware stage and the end. These texts are English wherever they are
// compared or logged; a window shows them through Translated().
inline constexpr char kStageDownloadMode[] = QT_TRANSLATE_NOOP("Download", "8051 download mode");
inline constexpr char kStageBootCode[] = QT_TRANSLATE_NOOP("Download", "Boot code to SRAM...");
inline constexpr char kStageWait[] = QT_TRANSLATE_NOOP("Download", "wait...");
inline constexpr char kStageBootCodeRunning[] = QT_TRANSLATE_NOOP("Download", "boot code running...");
inline constexpr char kStageFirmware[] = QT_TRANSLATE_NOOP("Download", "Firmware updating...");
inline constexpr char kStageDone[] = QT_TRANSLATE_NOOP("Download", "Firmware update ok!");

// What the user is told when an update cannot start or fails.
inline constexpr char kNoFirmwareMessage[] = QT_TRANSLATE_NOOP("Download", "Firmware file is not loaded!\n");
inline constexpr char kNoDeviceMessage[] = QT_TRANSLATE_NOOP("Download", "Device not found!");
inline constexpr char kNoDeviceCaption[] = QT_TRANSLATE_NOOP("Download", "IP Camera");
inline constexpr char kUpdateFailedMessage[] = QT_TRANSLATE_NOOP("Download", "Fail to update firmware!!\n");

// A text above in the user's language (the "Download" translation context).
inline QString Translated(const char* text)
{
    return QCoreApplication::translate("Download", text);
}

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

// The images an update sends; a null firmware pointer means none was loaded.
struct DownloadImages {
    const std::uint8_t* bootCode = nullptr;
    std::uint32_t bootCodeLength = 0;
    const std::uint8_t* firmware = nullptr;
    std::uint32_t firmwareLength = 0;
};

// Called in the order the update reaches each point; nothing is called when
// the update cannot start.
class DownloadObserver {
public:
    virtual ~DownloadObserver() = default;
    // The stage text: fixed texts and "i/n..." for each block.
    virtual void StageChanged(const QString& text) = 0;
    // Right before the stage text of block `block` (from 1) of `blocks`.
    virtual void BlockStarted(std::uint32_t block, std::uint32_t blocks) { (void)block, (void)blocks; }
    // Progress starts at 0, once the device is in download mode.
    virtual void ProgressStarted() {}
    virtual void ProgressChanged(int percent) = 0;
    // From the boot code's start until the device is closed.
    virtual void UpdateLocked(bool locked) { (void)locked; }
    // After each boot code byte, each block and each stage change.
    virtual void ProcessMessages() {}
    // Asked after each boot code byte, around the wait and after each block;
    // true ends the exchange there (mode 4, 0, close) with nothing more sent.
    virtual bool CancelRequested() { return false; }
};

enum class DownloadResult {
    Succeeded,
    NoFirmware,           // nothing was opened
    NoDevice,             // the device did not open; nothing else was called
    BlockNotAcknowledged, // the device was closed again
    Cancelled,            // the device was closed again; it holds an incomplete image
};

// The part of the exchange a register access belonged to.
enum class DownloadStep {
    DownloadMode,    // mode 4, 5
    BootCode,        // the boot code's bytes
    BootCodeStart,   // mode 5, 4 after the wait
    Firmware,        // the blocks and their acknowledgements
    Ending,          // mode 4, 0 after the last block (or the end of the exchange)
};

struct DownloadOutcome {
    DownloadResult result = DownloadResult::Succeeded;
    std::uint32_t block = 0;  // the block (from 1) being sent when the update ended; 0 before any
    std::uint32_t blocks = 0; // blocks of the firmware image
    // A register access reported failure (the camera went away, say); the
    // procedure goes on regardless, as the device may still answer.
    bool accessFailed = false;
    // Where the first failed access was; for the firmware also its block (from 1).
    DownloadStep failedStep = DownloadStep::DownloadMode;
    std::uint32_t failedBlock = 0;
};

// One whole update through Device(): boot code byte by byte, the wait
// (Environment().Sleep), then the firmware in acknowledged blocks; the device
// is closed again on success, failure and cancellation alike.
DownloadOutcome RunDownload(const DownloadImages& images, DownloadObserver& observer);
