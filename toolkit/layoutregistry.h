#pragma once
// The class registry that stored layouts create objects through, and the two
// hooks a class implements when the meta-object system alone cannot describe
// what it stores.

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <concepts>
#include <functional>

namespace toolkit {

struct TLayoutValue;
class TLayoutWriter;

// Creates an object of a registered class. `owner` is the layout's root
// (nullptr for the root itself); `parent` is the enclosing object.
using TLayoutFactory = std::function<QObject*(QObject* owner, QObject* parent)>;

/// A class the layout reader can create: its name, meta-object and factory.
struct TRegisteredClass {
    QString Name;
    const QMetaObject* Meta = nullptr;
    TLayoutFactory Create;
};

void RegisterClass(const QString& name, const QMetaObject* meta, TLayoutFactory factory);
const TRegisteredClass* FindClass(const QString& name);
// Every registered class name, in order (a form designer lists them).
QStringList RegisteredClassNames();
// The registration of exactly this class (not of a base).
const TRegisteredClass* FindClass(const QMetaObject* meta);

// Builds T from whichever constructor it has: (owner, parent widget),
// (parent widget) or (parent object). Widgets need a widget parent.
template <class T> QObject* CreateLayoutObject(QObject* owner, QObject* parent)
{
    if constexpr (std::derived_from<T, QWidget>) {
        QWidget* parentWidget = qobject_cast<QWidget*>(parent);
        if (parent && !parentWidget) return nullptr;
        if constexpr (std::constructible_from<T, QObject*, QWidget*>)
            return new T(owner, parentWidget);
        else
            return new T(parentWidget);
    } else if constexpr (std::constructible_from<T, QObject*, QObject*>) {
        return new T(owner, parent);
    } else {
        return new T(parent);
    }
}

template <class T> void RegisterClass(const QString& name)
{
    RegisterClass(name, &T::staticMetaObject, &CreateLayoutObject<T>);
}

/// Stored values that are not Q_PROPERTYs: a page control's pages, a picture
/// that is not a QObject, and so on.
class TStoredExtras {
public:
    virtual ~TStoredExtras() = default;
    // Returns false when `name` (possibly dotted) is not one of them; throws
    // ELayoutError for a value it cannot take.
    virtual bool ReadExtraProperty(const QString& name, const TLayoutValue& value) = 0;
    // Called after the Q_PROPERTYs; writes `writer.Property(...)` lines.
    virtual void WriteExtraProperties(TLayoutWriter& writer) const = 0;
};

/// Implemented by an object that stores some of its Q_PROPERTYs only in some
/// states: a skinned control styled by a skin pack stores the pack's name,
/// not its UIStyle. Properties it does not name are stored as usual.
class TStoredWhen {
public:
    virtual ~TStoredWhen() = default;
    virtual bool StoresProperty(const char* name) const = 0;
};

/// Implemented by the QObject a collection property returns, so that
/// `Name = < item ... end >` can fill it: the items are QObjects whose
/// Q_PROPERTYs take the item's values.
class TLayoutCollection {
public:
    virtual ~TLayoutCollection() = default;
    virtual void ClearItems() = 0;
    virtual QObject* AddItem() = 0;
    virtual QList<QObject*> Items() const = 0;
};

// Named children that a control creates itself (a scroll bar's buttons) are
// not written: the control makes them again when it is read.
void MarkInternal(QObject* object);
bool IsInternal(const QObject* object);

// Whether a child is part of its parent's stored layout: named, of a
// registered class and not internal. Unstored objects hide their children.
bool IsStoredChild(const QObject* child);
// The component a reference in root's layout names: root itself or a stored
// descendant, the first in creation order; nullptr when there is none.
QObject* FindLayoutComponent(const QObject* root, const QString& name);

} // namespace toolkit
