#include "toolkit/form.h"

#include <QFile>
#include <stdexcept>

namespace toolkit {

QString StoredLayout(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing stored layout " + path.toStdString());
    return QString::fromUtf8(file.readAll());
}

} // namespace toolkit
