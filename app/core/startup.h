#pragma once
// Where a program of the utility finds its boot code: the INI beside the
// executable (same name, extension "ini"), key "boot_file" of section
// "system", relative to the executable's directory.

#include <QString>

struct BootCodeLocation {
    QString IniPath;
    QString ProgramDirectory;
    QString BootCodePath;
};

BootCodeLocation LocateBootCode(const QString& modulePath);

// What the user is told when the boot code named there cannot be loaded.
QString BootCodeFailureMessage(const QString& bootCodePath);

// Exit status when the boot code cannot be loaded; the platform keeps its low 8 bits (255).
constexpr int kBootFailureExitCode = -1;
