#pragma once
// The production line's record: one JSON line per camera appended to a file
// that several flashers may share. Each line goes out in one write() on a
// descriptor opened with O_APPEND, so lines of flashers appending at once
// never mix.

#include <QJsonObject>
#include <QString>

class RunLog {
public:
    RunLog() = default;
    ~RunLog();
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;

    // Opens (creating) `path` for appending; empty on success, otherwise why not.
    QString Open(const QString& path);
    bool IsOpen() const { return fd_ >= 0; }
    // False when the line could not be written whole.
    bool Append(const QJsonObject& record) const;

private:
    int fd_ = -1;
};
