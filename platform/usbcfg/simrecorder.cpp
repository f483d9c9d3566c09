#include "platform/usbcfg/simrecorder.h"

#include <cerrno>
#include <cstdarg>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::sim {

namespace {

void MakeDirectories(const std::string& dir)
{
    for (std::size_t slash = dir.find('/', 1); slash != std::string::npos; slash = dir.find('/', slash + 1))
        ::mkdir(dir.substr(0, slash).c_str(), 0700);
    ::mkdir(dir.c_str(), 0700);
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size, off_t at)
{
    while (size > 0) {
        const ssize_t done = ::pwrite(fd, data, size, at);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        data += done;
        size -= std::size_t(done);
        at += done;
    }
    return true;
}

bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, data, size, 0);
    return ::close(fd) == 0 && written;
}

} // namespace

Recorder::~Recorder()
{
    CloseFirmware();
    CloseTranscript();
    Release();
}

bool Recorder::Claim(const std::string& dir)
{
    Release();
    MakeDirectories(dir);
    const std::string path = dir + "/device.lock";
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC); // a read-only folder still locks
    if (fd < 0) return false;
    int locked;
    do
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    while (locked < 0 && errno == EINTR);
    if (locked < 0) {
        ::close(fd);
        return false;
    }
    lock_ = fd;
    return true;
}

void Recorder::Release()
{
    if (lock_ >= 0) ::close(lock_);
    lock_ = -1;
}

void Recorder::Begin(const std::string& dir, bool transcript)
{
    End();
    CloseTranscript();
    dir_ = dir;
    MakeDirectories(dir_);
    if (transcript) transcript_ = std::fopen(Path("transcript.log").c_str(), "ae");
}

void Recorder::End()
{
    CloseFirmware();
    Flush();
}

void Recorder::Log(const char* format, ...)
{
    if (!transcript_) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(transcript_, format, args);
    va_end(args);
    std::fputc('\n', transcript_);
}

bool Recorder::SaveBootCode(const std::vector<std::uint8_t>& bytes)
{
    return WriteFile(Path("bootcode.bin"), bytes.data(), bytes.size());
}

bool Recorder::StartFirmware()
{
    CloseFirmware();
    firmware_ = ::open(Path("firmware.bin").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    return firmware_ >= 0;
}

bool Recorder::PlaceBlock(std::uint32_t address, const std::vector<std::uint8_t>& bytes)
{
    return firmware_ >= 0 && WriteAll(firmware_, bytes.data(), bytes.size(), off_t(address));
}

void Recorder::Flush()
{
    if (transcript_) std::fflush(transcript_);
}

void Recorder::SaveStatus(const std::string& text)
{
    const std::string temporary = Path("status.txt.new");
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    if (WriteFile(temporary, data, text.size())) ::rename(temporary.c_str(), Path("status.txt").c_str());
}

void Recorder::CloseFirmware()
{
    if (firmware_ >= 0) ::close(firmware_);
    firmware_ = -1;
}

void Recorder::CloseTranscript()
{
    if (transcript_) std::fclose(transcript_);
    transcript_ = nullptr;
}

} // namespace platform::sim
