#include "platform/wholefile.h"

#include "platform/regularfile.h"

#include <cerrno>
#include <limits>
#include <new>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

// Closes the descriptor (and so drops its lock) on every return path.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Opens a regular file read-only with a shared lock; -1 otherwise. A file
// held exclusively by a writer is refused, but any number of readers (two
// flashers sending the same boot code) load it at once.
int OpenLocked(const QString& path)
{
    FileDescriptor fd(OpenRegularFile(path));
    if (fd.get() < 0 || ::flock(fd.get(), LOCK_SH | LOCK_NB) != 0) return -1;
    return fd.release();
}

bool ReadExactly(int fd, std::uint8_t* buffer, std::uint32_t size)
{
    std::uint32_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, buffer + done, size - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += static_cast<std::uint32_t>(got);
    }
    return true;
}

} // namespace

ImageBuffer ReadWholeFile(const QString& path, std::uint32_t* length)
{
    const FileDescriptor fd(OpenLocked(path));
    if (fd.get() < 0) return nullptr;

    auto fail = [length]() -> ImageBuffer {
        if (length) *length = 0;
        return nullptr;
    };
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || info.st_size < 0 ||
        static_cast<std::uint64_t>(info.st_size) > std::numeric_limits<std::uint32_t>::max())
        return fail();
    const auto size = static_cast<std::uint32_t>(info.st_size);
    ImageBuffer buffer(new (std::nothrow) std::uint8_t[size]);
    if (!buffer || !ReadExactly(fd.get(), buffer.get(), size)) return fail();
    if (length) *length = size;
    return buffer;
}

} // namespace platform
