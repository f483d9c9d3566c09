#include "app/core/startup.h"

#include "platform/inifile.h"
#include "platform/modulepath.h"

#include <QCoreApplication>

BootCodeLocation LocateBootCode(const QString& modulePath)
{
    return LocateBootCode(platform::IniPathFor(modulePath), platform::DirectoryOf(modulePath));
}

BootCodeLocation LocateBootCode(const QString& iniPath, const QString& programDirectory)
{
    const QString bootFile =
        platform::ReadIniString(iniPath, QStringLiteral("system"), QStringLiteral("boot_file"), 63);
    return {iniPath, programDirectory, platform::JoinProgramPath(programDirectory, bootFile)};
}

QString BootCodeFailureMessage(const QString& bootCodePath)
{
    return QCoreApplication::translate("Startup", kBootCodeFailureMessage).arg(bootCodePath);
}
