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

    // Switches to `dir` (created if missing); the transcript is appended to
    // only when `transcript` is set.
    void Begin(const std::string& dir, bool transcript);
    // Closes the image being assembled and flushes the transcript.
    void End();

    void Log(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void Flush();
    void SaveBootCode(const std::vector<std::uint8_t>& bytes);
    // Starts an empty firmware.bin; blocks land in it at their addresses.
    void StartFirmware();
    void PlaceBlock(std::uint32_t address, const std::vector<std::uint8_t>& bytes);
    // Replaces status.txt in one step, so a reader never sees half of it.
    void SaveStatus(const std::string& text);

private:
    std::string Path(const char* name) const { return dir_ + "/" + name; }
    void CloseFirmware();
    void CloseTranscript();

    std::string dir_;
    std::FILE* transcript_ = nullptr;
    int firmware_ = -1;
};

} // namespace platform::sim
