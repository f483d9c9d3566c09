#include "app/core/startup.h"

#include "platform/inifile.h"
#include "platform/modulepath.h"

BootCodeLocation LocateBootCode(const QString& modulePath)
{
    BootCodeLocation location;
    location.ProgramDirectory = platform::DirectoryOf(modulePath);
    location.IniPath = platform::IniPathFor(modulePath);
    const QString bootFile =
        platform::ReadIniString(location.IniPath, QStringLiteral("system"), QStringLiteral("boot_file"), 63);
    location.BootCodePath = platform::JoinProgramPath(location.ProgramDirectory, bootFile);
    return location;
}

QString BootCodeFailureMessage(const QString& bootCodePath)
{
    return QStringLiteral("Fail to load boot file:\n%1\n\nISP utility can not run!").arg(bootCodePath);
}
