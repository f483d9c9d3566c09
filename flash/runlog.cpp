#include "flash/runlog.h"

#include <QFile>
#include <QJsonDocument>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

RunLog::~RunLog()
{
    if (fd_ >= 0) ::close(fd_);
}

QString RunLog::Open(const QString& path)
{
    fd_ = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    return fd_ < 0 ? QString::fromLocal8Bit(std::strerror(errno)) : QString();
}

bool RunLog::Append(const QJsonObject& record) const
{
    if (fd_ < 0) return false;
    const QByteArray line = QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n';
    ssize_t written;
    do
        written = ::write(fd_, line.constData(), std::size_t(line.size()));
    while (written < 0 && errno == EINTR);
    return written == line.size();
}
