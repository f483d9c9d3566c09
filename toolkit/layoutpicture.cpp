#include "toolkit/layoutpicture.h"

#include "toolkit/resources.h"

#include <QImage>

namespace toolkit {

namespace {

[[noreturn]] void Undecodable(const TLayoutValue& value)
{
    throw ELayoutError(value.Pos.Line, value.Pos.Column, QStringLiteral("picture data cannot be decoded"));
}

} // namespace

bool ReadPictureProperty(TPicture& picture, const QString& name, const TLayoutValue& value)
{
    if (name == QLatin1String("ResourceName")) {
        const QString resource = LayoutString(value);
        try {
            picture.LoadFromResourceName(resource);
        } catch (const EResNotFound&) {
            throw ELayoutError(value.Pos.Line, value.Pos.Column,
                               QStringLiteral("picture '%1' not found").arg(resource));
        }
        return true;
    }
    if (name == QLatin1String("Data")) {
        if (!picture.LoadFromData(LayoutBinary(value))) Undecodable(value);
        return true;
    }
    return false;
}

bool ReadBitmapProperty(TBitmap& bitmap, const QString& name, const TLayoutValue& value)
{
    if (name != QLatin1String("Data")) return false;
    const QByteArray data = LayoutBinary(value);
    if (data.isEmpty())
        bitmap.SetImage(QImage());
    else if (!bitmap.LoadFromData(data))
        Undecodable(value);
    return true;
}

// Always one value, so that an empty picture is stored too where the class
// starts with one.
void WritePictureProperties(const TPicture& picture, TLayoutWriter& writer)
{
    if (picture.HasGraphic() && !picture.ResourceName().isEmpty())
        writer.String(QStringLiteral("ResourceName"), picture.ResourceName());
    else
        writer.Binary(QStringLiteral("Data"), picture.SaveToData());
}

// Compared with a fresh object's like any value, so an empty glyph is left out.
void WriteBitmapProperties(const TBitmap& bitmap, TLayoutWriter& writer)
{
    writer.Binary(QStringLiteral("Data"), bitmap.SaveToData());
}

} // namespace toolkit
