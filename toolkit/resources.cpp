#include "toolkit/resources.h"

namespace toolkit {

EResNotFound::EResNotFound(const QString& name)
    : std::runtime_error(QStringLiteral("Resource %1 not found").arg(name).toStdString())
{
}

QImage LoadBitmapResource(const QString& name)
{
    if (name.isEmpty()) throw EResNotFound(name);
    QImage image(QStringLiteral(":/pictures/") + name.toUpper());
    if (image.isNull()) throw EResNotFound(name);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace toolkit
