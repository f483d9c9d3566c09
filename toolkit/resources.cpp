#include "toolkit/resources.h"

#include <QHash>
#include <QImageReader>
#include <mutex>

namespace toolkit {

EResNotFound::EResNotFound(const QString& name)
    : std::runtime_error(QStringLiteral("Resource %1 not found").arg(name).toStdString())
{
}

namespace {

// Compiled-in pictures never change, and push buttons load theirs at every
// paint: decode each once. The copies share their pixels until written.
struct DecodedPictures {
    std::mutex lock;
    QHash<QString, QImage> byName; // upper-case names
};

DecodedPictures& Decoded()
{
    static DecodedPictures pictures;
    return pictures;
}

} // namespace

void RegisterBitmapResource(const QString& name, const QImage& image)
{
    DecodedPictures& pictures = Decoded();
    const std::lock_guard guard(pictures.lock);
    pictures.byName.insert(name.toUpper(), image.convertToFormat(QImage::Format_RGB32));
}

QImage LoadBitmapResource(const QString& name)
{
    if (name.isEmpty()) throw EResNotFound(name);
    DecodedPictures& pictures = Decoded();
    QHash<QString, QImage>& decoded = pictures.byName;
    const QString key = name.toUpper();
    const std::lock_guard guard(pictures.lock);
    auto found = decoded.constFind(key);
    if (found == decoded.constEnd()) {
        // Named without a suffix, a picture would have Qt load every image
        // format plugin to ask whether it can read it; all of them are PNG.
        QImageReader reader(QStringLiteral(":/pictures/") + key, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (image.isNull()) throw EResNotFound(name);
        found = decoded.insert(key, image.convertToFormat(QImage::Format_RGB32));
    }
    return *found;
}

} // namespace toolkit
