#pragma once
// Opening files that the utility reads whole: only regular files qualify.

#include <QString>

namespace platform {

// A read-only descriptor of the regular file at `path`, or -1. A FIFO, a
// device or a directory is refused without blocking; so is a path holding a
// NUL character, which the system would cut short and so name another file.
// The caller closes the descriptor.
int OpenRegularFile(const QString& path);

} // namespace platform
