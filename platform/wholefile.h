#pragma once
// Loading of the boot code and firmware images.

#include <QString>
#include <cstdint>
#include <memory>

namespace platform {

// An image; absent is nullptr. A present image may have length 0.
using ImageBuffer = std::unique_ptr<std::uint8_t[]>;

// Loads a regular file whole while holding a shared lock on it, so a file
// another program holds under an exclusive lock cannot be loaded (other
// readers may load it at the same time). Files of 4 GiB or more do not
// fit the 32-bit length and are refused; so are FIFOs, devices, directories and
// paths holding a NUL character (see OpenRegularFile).
// When the file cannot be opened *length is left unchanged; when it opens but
// cannot be loaded *length becomes 0; on success it is the size. length may
// be nullptr.
ImageBuffer ReadWholeFile(const QString& path, std::uint32_t* length = nullptr);

} // namespace platform
