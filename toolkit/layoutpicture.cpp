#include "toolkit/layoutpicture.h"

#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/resources.h"

namespace toolkit {

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
        if (!picture.LoadFromData(LayoutBinary(value)))
            throw ELayoutError(value.Pos.Line, value.Pos.Column,
                               QStringLiteral("picture data cannot be decoded"));
        return true;
    }
    return false;
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

} // namespace toolkit
