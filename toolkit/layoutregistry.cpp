#include "toolkit/layoutregistry.h"

#include <QHash>
#include <map>

namespace toolkit {

namespace {

struct Registry {
    std::map<QString, TRegisteredClass> byName; // stable addresses for FindClass
    QHash<const QMetaObject*, QString> nameOf;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

constexpr char InternalMark[] = "_layoutInternal";

} // namespace

void RegisterClass(const QString& name, const QMetaObject* meta, TLayoutFactory factory)
{
    Registry& registry = TheRegistry();
    registry.byName.insert_or_assign(name, TRegisteredClass{name, meta, std::move(factory)});
    registry.nameOf.insert(meta, name);
}

const TRegisteredClass* FindClass(const QString& name)
{
    const Registry& registry = TheRegistry();
    auto it = registry.byName.find(name);
    return it == registry.byName.end() ? nullptr : &it->second;
}

QStringList RegisteredClassNames()
{
    QStringList names;
    for (const auto& entry : TheRegistry().byName) names.append(entry.first);
    return names;
}

const TRegisteredClass* FindClass(const QMetaObject* meta)
{
    const QString name = TheRegistry().nameOf.value(meta);
    return name.isEmpty() ? nullptr : FindClass(name);
}

void MarkInternal(QObject* object)
{
    object->setProperty(InternalMark, true);
}

bool IsInternal(const QObject* object)
{
    return object->property(InternalMark).toBool();
}

bool IsStoredChild(const QObject* child)
{
    return !child->objectName().isEmpty() && !IsInternal(child) && FindClass(child->metaObject());
}

QObject* FindLayoutComponent(const QObject* root, const QString& name)
{
    if (name.isEmpty()) return nullptr;
    if (root->objectName() == name) return const_cast<QObject*>(root);
    for (QObject* child : root->children())
        if (IsStoredChild(child))
            if (QObject* found = FindLayoutComponent(child, name)) return found;
    return nullptr;
}

} // namespace toolkit
