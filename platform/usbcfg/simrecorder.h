#pragma once
// The files in which the simulated camera keeps what it received, so a person
// or a test can compare them byte for byte with the images that were sent.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace platform::sim {

class Recorder {
public:
    Recorder() = default;
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Takes the camera for this process, as a real device is claimed by one
    // program: an exclusive lock on `dir`/device.lock (the folder is created
    // if missing), held until Release and dropped by the kernel if the process
    // dies. False while another process holds it.
    bool Claim(const std::string& dir);
    void Release();

    // Switches to `dir` (created if missing); the transcript is appended to
    // only when `transcript` is set.
    void Begin(const std::string& dir, bool transcript);
    // Closes the image being assembled and flushes the transcript.
    void End();

    void Log(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void Flush();
    // The images' files; each is false when the bytes could not be stored
    // (a full disk, a read-only folder).
    bool SaveBootCode(const std::vector<std::uint8_t>& bytes);
    // Starts an empty firmware.bin; blocks land in it at their addresses.
    bool StartFirmware();
    bool PlaceBlock(std::uint32_t address, const std::vector<std::uint8_t>& bytes);
    // Replaces status.txt in one step, so a reader never sees half of it.
    void SaveStatus(const std::string& text);

private:
    std::string Path(const char* name) const { return dir_ + "/" + name; }
    void CloseFirmware();
    void CloseTranscript();

    std::string dir_;
    std::FILE* transcript_ = nullptr;
    int firmware_ = -1;
    int lock_ = -1;
};

} // namespace platform::sim
