#pragma once
// Skin packs: a style as data. A pack is a folder holding `skin.ini` (its
// name, its version and every theme element by name) and its pictures as
// `<ROLE>.png`. docs/SKINS.md describes the format. The five built-in styles
// are packs compiled in under ":/skins/<name>", read by the same reader.

#include "skin/themes/suithemes.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

/// One theme element of a pack: a number (an integer, a toolkit colour, 0 or
/// 1) or, for a picture, the role of one of the pack's pictures.
struct TsuiSkinValue {
    std::int32_t Number = 0;
    QString Role;
};

/// A problem found in a pack, as "file:line: key: message"; the line is 0 and
/// the key empty where they do not apply.
struct TsuiSkinProblem {
    QString File;
    int Line = 0;
    QString Key;
    QString Message;
    QString ToString() const;
};

/// A pack read whole: every theme element and every picture its elements name.
struct TsuiSkinPack {
    QString Name;
    QString Version;
    std::array<TsuiSkinValue, ThemeElementCount> Elements; // element n at n - 1
    QHash<QString, QImage> Pictures;                       // by role

    const TsuiSkinValue& Element(int index) const { return Elements[std::size_t(index - 1)]; }
};

/// The name of a theme element in a pack and its kind.
struct TsuiSkinElement {
    const char* Name;
    TsuiType Kind;
};

// Elements 1..91 by number; element numbers outside answer null.
const TsuiSkinElement* SkinElement(int index);
// The roles a pack's pictures may have (the built-in styles' picture names
// without their prefix), sorted.
const QStringList& SkinPictureRoles();

// Whether a pack may be named so: 1 to 32 lower-case letters and digits,
// starting with a letter.
bool IsSkinPackName(const QString& name);

// The limits a pack must keep.
constexpr int SkinMaxPictureSide = 4096;
constexpr qint64 SkinMaxIniBytes = 64 * 1024;
constexpr qint64 SkinMaxPictureBytes = 16 * 1024 * 1024;
constexpr qint64 SkinMaxPackPixels = 32 * 1024 * 1024;

/// One of a pack's files as a reader is handed it: its bytes, or nothing with
/// the reason it cannot be read.
struct TsuiSkinFile {
    std::optional<QByteArray> Bytes;
    QString Error;
};
// A pack's files by name ("skin.ini", "BUTTON_NORMAL.png").
using TsuiSkinFiles = std::function<TsuiSkinFile(const QString& fileName)>;

// Reads a pack through `files`, naming its files by `folder` in problems.
// Every problem found is added; the pack comes back only without any.
std::optional<TsuiSkinPack> ReadSkinPack(const QString& folder, const TsuiSkinFiles& files,
                                         QList<TsuiSkinProblem>& problems);
// Reads the pack in a folder on disk or in the resources (":/skins/winxp").
std::optional<TsuiSkinPack> ReadSkinPack(const QString& folder, QList<TsuiSkinProblem>& problems);

// The pack's skin.ini: its name, version and every element, one a line.
QByteArray SkinIniText(const TsuiSkinPack& pack);
// Writes the pack into a folder (made if need be) as skin.ini and its
// pictures; false with the reason in `error` when a file cannot be written.
bool WriteSkinPack(const TsuiSkinPack& pack, const QString& folder, QString& error);
