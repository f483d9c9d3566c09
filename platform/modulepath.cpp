#include "platform/modulepath.h"

#include <QCoreApplication>
#include <QFile>

namespace platform {

QString ModuleFileName()
{
    if (QCoreApplication::instance()) return QCoreApplication::applicationFilePath();
    return QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
}

QString IniPathFor(const QString& modulePath)
{
    const qsizetype nameStart = modulePath.lastIndexOf(u'/') + 1;
    const qsizetype dot = modulePath.lastIndexOf(u'.');
    // A leading dot names a hidden file rather than starting an extension.
    if (dot > nameStart) return modulePath.left(dot + 1) + QStringLiteral("ini");
    return modulePath + QStringLiteral(".ini");
}

QString DirectoryOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    // A bare file name lies in the current directory.
    if (slash < 0) return QStringLiteral(".");
    return path.left(slash);
}

} // namespace platform
