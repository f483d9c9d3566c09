// Feeds arbitrary bytes to the skin pack reader: the input is the pack's
// skin.ini, and what follows a line "--picture--" (if anything) is every
// picture's file; without one every picture is a small sound PNG.
#include "skin/themes/suiskinpack.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {

QByteArray SoundPicture()
{
    QImage image(9, 9, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QByteArray sound = SoundPicture();
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    static const QByteArray separator("\n--picture--\n");
    const qsizetype split = input.indexOf(separator);
    const QByteArray ini = split < 0 ? input : input.left(split);
    const QByteArray picture = split < 0 ? sound : input.mid(split + separator.size());

    QList<TsuiSkinProblem> problems;
    const std::optional<TsuiSkinPack> pack =
        ReadSkinPack(QStringLiteral("fuzz"), [&](const QString& name) -> TsuiSkinFile {
            return {name == QLatin1String("skin.ini") ? ini : picture, {}};
        }, problems);
    // A pack comes whole or not at all, and keeps the limits.
    if (pack.has_value() == !problems.isEmpty()) std::abort();
    if (pack) {
        for (int index = 1; index <= ThemeElementCount; ++index) {
            const TsuiSkinValue& value = pack->Element(index);
            if (SkinElement(index)->Kind == TsuiType::Str && !pack->Pictures.contains(value.Role)) std::abort();
        }
        for (const QImage& image : pack->Pictures)
            if (image.width() > SkinMaxPictureSide || image.height() > SkinMaxPictureSide) std::abort();
    }
    for (const TsuiSkinProblem& problem : problems) (void)problem.ToString();
    return 0;
}
