#include "toolkit/fonts.h"

#include <QFont>

namespace toolkit {

void InstallFontSubstitutions()
{
    for (const char* face : {"MS Sans Serif", "Tahoma", "Arial"})
        QFont::insertSubstitution(QString::fromLatin1(face), QStringLiteral("Liberation Sans"));
}

} // namespace toolkit
