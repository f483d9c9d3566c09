#include "skin/themes/suiskins.h"

#include "toolkit/resources.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace {

constexpr const char* BuiltInNames[] = {"macos", "winxp", "deepblue", "protein", "blueglass"};
constexpr int BuiltInCount = int(std::size(BuiltInNames));
constexpr int StyleSlots = 256; // TsuiUIStyle is one byte

bool IsBuiltIn(TsuiUIStyle style)
{
    return int(style) >= 1 && int(style) <= BuiltInCount;
}

const QString SharedCheckMark = QStringLiteral("MENU_CHECKED");

QString PictureName(TsuiUIStyle style, const QString& packName, const QString& role)
{
    if (IsBuiltIn(style) && role == SharedCheckMark) return role;
    return packName.toUpper() + QLatin1Char('_') + role;
}

// A registered pack with what paints ask of it worked out once: each picture
// element's name and picture, so that a paint looks them up by number rather
// than building and hashing a name.
struct RegisteredSkin {
    TsuiSkinPack Pack;
    std::array<QString, ThemeElementCount> PictureNames; // element n at n - 1; empty but for pictures
    std::array<QImage, ThemeElementCount> Pictures;      // as LoadBitmapResource answers them

    RegisteredSkin(TsuiUIStyle style, TsuiSkinPack pack) : Pack(std::move(pack))
    {
        QHash<QString, QImage> byRole;
        for (auto it = Pack.Pictures.cbegin(); it != Pack.Pictures.cend(); ++it) {
            const QImage picture = it.value().convertToFormat(QImage::Format_RGB32);
            toolkit::RegisterBitmapResource(PictureName(style, Pack.Name, it.key()), picture);
            byRole.insert(it.key(), picture);
        }
        for (int index = 1; index <= ThemeElementCount; ++index) {
            if (SkinElement(index)->Kind != TsuiType::Str) continue;
            const QString& role = Pack.Element(index).Role;
            PictureNames[std::size_t(index - 1)] = PictureName(style, Pack.Name, role);
            Pictures[std::size_t(index - 1)] = byRole.value(role);
        }
    }
};

// Packs are never freed: a replaced one may still be in a caller's hands.
// Readers go through the atomic bySlot without the lock.
struct Registry {
    std::mutex lock;
    std::vector<std::unique_ptr<const RegisteredSkin>> owned;
    std::array<std::atomic<const RegisteredSkin*>, StyleSlots> bySlot{};
    int nextLoaded = BuiltInCount + 1;

    static Registry& Instance()
    {
        static Registry registry;
        return registry;
    }

    // Takes the pack and makes it the style's; the caller holds the lock.
    const RegisteredSkin* Install(TsuiUIStyle style, TsuiSkinPack pack)
    {
        owned.push_back(std::make_unique<const RegisteredSkin>(style, std::move(pack)));
        bySlot[std::size_t(style)].store(owned.back().get(), std::memory_order_release);
        return owned.back().get();
    }

    const RegisteredSkin* BuiltIn(TsuiUIStyle style)
    {
        const std::lock_guard guard(lock);
        if (const RegisteredSkin* skin = bySlot[std::size_t(style)].load()) return skin;
        QList<TsuiSkinProblem> problems;
        std::optional<TsuiSkinPack> pack = ReadSkinPack(BuiltInSkinFolder(style), problems);
        if (!pack) {
            // A build without its pictures: the style answers like Custom.
            for (const TsuiSkinProblem& problem : problems) qWarning().noquote() << problem.ToString();
            return nullptr;
        }
        return Install(style, std::move(*pack));
    }

    // The style of a loaded (not built-in) pack of that name; the caller holds the lock.
    TsuiUIStyle LoadedStyle(const QString& name) const
    {
        for (int style = BuiltInCount + 1; style < nextLoaded; ++style)
            if (bySlot[std::size_t(style)].load()->Pack.Name == name) return TsuiUIStyle(style);
        return TsuiUIStyle::Custom;
    }
};

// The registered pack a style answers from, registering a built-in's the
// first time it is asked for.
const RegisteredSkin* RegisteredSkinOf(TsuiUIStyle style)
{
    Registry& registry = Registry::Instance();
    if (const RegisteredSkin* skin = registry.bySlot[std::size_t(style)].load(std::memory_order_acquire)) return skin;
    return IsBuiltIn(style) ? registry.BuiltIn(style) : nullptr;
}

// The element's entry in one of a registered pack's per-element arrays;
// `none` for Custom, an unknown style and an element number out of range.
template <typename T>
const T& PerElement(TsuiUIStyle style, int index, std::array<T, ThemeElementCount> RegisteredSkin::*values,
                    const T& none)
{
    if (index < 1 || index > ThemeElementCount) return none;
    const RegisteredSkin* skin = RegisteredSkinOf(style);
    return skin ? (skin->*values)[std::size_t(index - 1)] : none;
}

} // namespace

const TsuiSkinPack* SkinPackOf(TsuiUIStyle style)
{
    const RegisteredSkin* skin = RegisteredSkinOf(style);
    return skin ? &skin->Pack : nullptr;
}

QString SkinPictureName(TsuiUIStyle style, int index)
{
    static const QString none;
    return PerElement(style, index, &RegisteredSkin::PictureNames, none);
}

QImage SkinPicture(TsuiUIStyle style, int index)
{
    static const QImage none;
    return PerElement(style, index, &RegisteredSkin::Pictures, none);
}

TsuiUIStyle LoadSkinPack(const QString& folder, QList<TsuiSkinProblem>& problems)
{
    std::optional<TsuiSkinPack> pack = ReadSkinPack(folder, problems);
    if (!pack) return TsuiUIStyle::Custom;
    for (int style = 1; style <= BuiltInCount; ++style)
        if (pack->Name == QLatin1String(BuiltInNames[style - 1])) {
            problems.append({folder + QStringLiteral("/skin.ini"), 0, QStringLiteral("Name"),
                             QStringLiteral("'%1' is a built-in style's name").arg(pack->Name)});
            return TsuiUIStyle::Custom;
        }
    Registry& registry = Registry::Instance();
    const std::lock_guard guard(registry.lock);
    TsuiUIStyle style = registry.LoadedStyle(pack->Name);
    if (style == TsuiUIStyle::Custom) {
        if (registry.nextLoaded >= StyleSlots) {
            problems.append({folder, 0, {}, QStringLiteral("too many packs loaded (%1)").arg(StyleSlots - 1 - BuiltInCount)});
            return TsuiUIStyle::Custom;
        }
        style = TsuiUIStyle(registry.nextLoaded++);
    }
    registry.Install(style, std::move(*pack));
    return style;
}

TsuiUIStyle SkinStyle(const QString& name)
{
    for (int style = 1; style <= BuiltInCount; ++style)
        if (name == QLatin1String(BuiltInNames[style - 1])) return TsuiUIStyle(style);
    Registry& registry = Registry::Instance();
    const std::lock_guard guard(registry.lock);
    return registry.LoadedStyle(name);
}

QString SkinName(TsuiUIStyle style)
{
    if (IsBuiltIn(style)) return QLatin1String(BuiltInNames[int(style) - 1]);
    const RegisteredSkin* skin = Registry::Instance().bySlot[std::size_t(style)].load(std::memory_order_acquire);
    return skin ? skin->Pack.Name : QString();
}

QStringList SkinNames()
{
    QStringList names;
    for (const char* name : BuiltInNames) names << QLatin1String(name);
    Registry& registry = Registry::Instance();
    const std::lock_guard guard(registry.lock);
    for (int style = BuiltInCount + 1; style < registry.nextLoaded; ++style)
        names << registry.bySlot[std::size_t(style)].load()->Pack.Name;
    return names;
}

QString BuiltInSkinFolder(TsuiUIStyle style)
{
    return IsBuiltIn(style) ? QStringLiteral(":/skins/") + QLatin1String(BuiltInNames[int(style) - 1]) : QString();
}

QStringList SkinSearchFolders()
{
    QStringList folders;
    const QString listed = qEnvironmentVariable(SkinPathVariable);
    for (const QString& folder : listed.split(QDir::listSeparator(), Qt::SkipEmptyParts)) folders << folder;
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir(data).filePath(QStringLiteral("skinnedcontrols/skins"));
    return folders;
}

QStringList InstalledSkinNames()
{
    QStringList names;
    for (const QString& folder : SkinSearchFolders())
        for (const QString& name : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (IsSkinPackName(name) && QFileInfo(QDir(folder).filePath(name + QStringLiteral("/skin.ini"))).isFile() &&
                !names.contains(name))
                names << name;
    names.sort();
    return names;
}

TsuiUIStyle FindSkin(const QString& name, QList<TsuiSkinProblem>& problems)
{
    if (const TsuiUIStyle style = SkinStyle(name); style != TsuiUIStyle::Custom) return style;
    if (!IsSkinPackName(name)) { // never a path out of the search folders
        problems.append({name, 0, {}, QStringLiteral("not a skin pack's name")});
        return TsuiUIStyle::Custom;
    }
    for (const QString& folder : SkinSearchFolders()) {
        const QString pack = QDir(folder).filePath(name);
        if (!QFileInfo(QDir(pack).filePath(QStringLiteral("skin.ini"))).isFile()) continue;
        const qsizetype before = problems.size();
        const TsuiUIStyle style = LoadSkinPack(pack, problems);
        if (style == TsuiUIStyle::Custom) return style;
        if (SkinName(style) != name) { // the folder holds a pack of another name
            problems.insert(before, {pack + QStringLiteral("/skin.ini"), 0, QStringLiteral("Name"),
                                     QStringLiteral("'%1' is not the folder's name").arg(SkinName(style))});
            return TsuiUIStyle::Custom;
        }
        return style;
    }
    problems.append({name, 0, {}, QStringLiteral("no installed skin pack of that name (looked in %1)")
                                      .arg(SkinSearchFolders().join(QStringLiteral(", ")))});
    return TsuiUIStyle::Custom;
}
