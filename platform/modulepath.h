#pragma once
// Where the running program lives, and the names derived from it: the
// utility keeps its INI and its boot code beside the executable.

#include <QString>

namespace platform {

// Full path of the running executable.
QString ModuleFileName();

// The module path with its extension replaced by "ini"; a name without an
// extension gets ".ini" appended.
QString IniPathFor(const QString& modulePath);

// The path cut at its last '/', without the separator.
QString DirectoryOf(const QString& path);

} // namespace platform
