#pragma once
// Where a program of the utility finds its boot code: the INI beside the
// executable, key "boot_file" of section "system", relative to the
// executable's directory.

#include <QString>

struct BootCodeLocation {
    QString IniPath;
    QString ProgramDirectory;
    QString BootCodePath;
};

// The window's lookup: the INI named after the executable.
BootCodeLocation LocateBootCode(const QString& modulePath);
// The boot code named by the INI at iniPath, relative to programDirectory.
BootCodeLocation LocateBootCode(const QString& iniPath, const QString& programDirectory);

// The window's INI; the command-line flasher beside it reads the same file.
inline constexpr char kIniFileName[] = "ispupdate.ini";

// What the user is told when the boot code named there cannot be loaded, in
// English (%1 the path) and in the user's language.
inline constexpr char kBootCodeFailureMessage[] =
    QT_TRANSLATE_NOOP("Startup", "Fail to load boot file:\n%1\n\nISP utility can not run!");
QString BootCodeFailureMessage(const QString& bootCodePath);

// Exit status when the boot code cannot be loaded; the platform keeps its low 8 bits (255).
constexpr int kBootFailureExitCode = -1;
