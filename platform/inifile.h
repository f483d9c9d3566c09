#pragma once
// Reading of the utility's initialisation file (private-profile format).

#include <QString>

namespace platform {

// Value of `key` in `[section]` of the INI file; empty when the file, the
// section or the key is missing, and when the INI is no regular file (a FIFO
// would stall the reader, a device never end). Cut to maxChars characters.
// Section and key names match case-insensitively, surrounding whitespace and
// one pair of surrounding double quotes are removed, ';' and '#' lines are
// comments.
QString ReadIniString(const QString& iniPath, const QString& section, const QString& key, int maxChars);

// Joins the program directory and a relative value from the INI; backslashes
// in the value (an INI written on Windows) become '/'.
QString JoinProgramPath(const QString& directory, const QString& relative);

} // namespace platform
