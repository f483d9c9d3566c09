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

// Packs are never freed: a replaced one may still be in a caller's hands.
// Readers go through the atomic bySlot without the lock.
struct Registry {
    std::mutex lock;
    std::vector<std::unique_ptr<const TsuiSkinPack>> owned;
    std::array<std::atomic<const TsuiSkinPack*>, StyleSlots> bySlot{};
    int nextLoaded = BuiltInCount + 1;

    static Registry& Instance()
    {
        static Registry registry;
        return registry;
    }

    // Takes the pack and makes it the style's; the caller holds the lock.
    const TsuiSkinPack* Install(TsuiUIStyle style, TsuiSkinPack pack)
    {
        for (auto it = pack.Pictures.cbegin(); it != pack.Pictures.cend(); ++it)
            toolkit::RegisterBitmapResource(PictureName(style, pack.Name, it.key()), it.value());
        owned.push_back(std::make_unique<const TsuiSkinPack>(std::move(pack)));
        bySlot[std::size_t(style)].store(owned.back().get(), std::memory_order_release);
        return owned.back().get();
    }

    const TsuiSkinPack* BuiltIn(TsuiUIStyle style)
    {
        const std::lock_guard guard(lock);
        if (const TsuiSkinPack* pack = bySlot[std::size_t(style)].load()) return pack;
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
            if (bySlot[std::size_t(style)].load()->Name == name) return TsuiUIStyle(style);
        return TsuiUIStyle::Custom;
    }
};

} // namespace

const TsuiSkinPack* SkinPackOf(TsuiUIStyle style)
{
    Registry& registry = Registry::Instance();
    if (const TsuiSkinPack* pack = registry.bySlot[std::size_t(style)].load(std::memory_order_acquire)) return pack;
    return IsBuiltIn(style) ? registry.BuiltIn(style) : nullptr;
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
    const TsuiSkinPack* pack = Registry::Instance().bySlot[std::size_t(style)].load(std::memory_order_acquire);
    return pack ? pack->Name : QString();
}

QStringList SkinNames()
{
    QStringList names;
    for (const char* name : BuiltInNames) names << QLatin1String(name);
    Registry& registry = Registry::Instance();
    const std::lock_guard guard(registry.lock);
    for (int style = BuiltInCount + 1; style < registry.nextLoaded; ++style)
        names << registry.bySlot[std::size_t(style)].load()->Name;
    return names;
}

QString SkinPictureName(TsuiUIStyle style, const QString& role)
{
    const TsuiSkinPack* pack = SkinPackOf(style);
    return pack ? PictureName(style, pack->Name, role) : QString();
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
