#pragma once
// Pictures compiled in with the Qt resource system, or registered at run
// time, looked up by name.

#include <QImage>
#include <QString>
#include <stdexcept>

namespace toolkit {

/// Thrown when a picture resource of that name does not exist.
class EResNotFound : public std::runtime_error {
public:
    explicit EResNotFound(const QString& name);
};

// The picture ":/pictures/<NAME>" as RGB32. Names are case-insensitive (stored
// upper-case); an empty or unknown name throws EResNotFound.
QImage LoadBitmapResource(const QString& name);
// Makes a picture known by name as if it were compiled in (a skin pack's
// pictures); it replaces one of the same name.
void RegisterBitmapResource(const QString& name, const QImage& image);

} // namespace toolkit
