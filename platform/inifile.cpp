#include "platform/inifile.h"

#include "platform/regularfile.h"

#include <QFile>
#include <optional>
#include <unistd.h>

namespace platform {

namespace {

// Longer lines are no INI content; they are skipped rather than split, so a
// tail of one can never pass for a key.
constexpr qint64 kMaxLineBytes = 64 * 1024;

// Next whole line, or an empty optional at the end of the file. Over-long
// lines come back as an empty line.
std::optional<QByteArray> NextLine(QFile& file)
{
    if (file.atEnd()) return std::nullopt;
    QByteArray line = file.readLine(kMaxLineBytes);
    if (line.endsWith('\n') || file.atEnd()) return line;
    while (!file.atEnd() && !file.readLine(kMaxLineBytes).endsWith('\n')) {
    }
    return QByteArray();
}

QString Unquoted(const QString& value)
{
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        return value.mid(1, value.size() - 2);
    return value;
}

// Cuts without splitting a surrogate pair.
QString CutTo(const QString& value, int maxChars)
{
    if (maxChars <= 0) return {};
    if (value.size() <= maxChars) return value;
    int end = maxChars;
    if (value.at(end - 1).isHighSurrogate()) --end;
    return value.left(end);
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QString ReadIniString(const QString& iniPath, const QString& section, const QString& key, int maxChars)
{
    // A FIFO or a device as the INI would block the reader or never end.
    const int fd = OpenRegularFile(iniPath);
    if (fd < 0) return {};
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    const QString wantedSection = section.trimmed();
    const QString wantedKey = key.trimmed();
    bool inSection = false;
    while (const std::optional<QByteArray> raw = NextLine(file)) {
        const QString line = QString::fromUtf8(*raw).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            inSection = close > 0 && SameName(line.mid(1, close - 1).trimmed(), wantedSection);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inSection && equals > 0 && SameName(line.left(equals).trimmed(), wantedKey))
            return CutTo(Unquoted(line.mid(equals + 1).trimmed()), maxChars);
    }
    return {};
}

QString JoinProgramPath(const QString& directory, const QString& relative)
{
    QString portable = relative;
    portable.replace(u'\\', u'/');
    return directory + u'/' + portable;
}

} // namespace platform
