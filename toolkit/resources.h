#pragma once
// Pictures compiled in with the Qt resource system, looked up by name.

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

} // namespace toolkit
