#pragma once
// A typed collection of owned items that tells its owner when an item or the
// list changes. Items are QObjects so that stored layouts can set their
// properties; the collection owns them (not through Qt parenthood).

#include "toolkit/layoutregistry.h"

#include <QList>
#include <QObject>
#include <memory>
#include <vector>

namespace toolkit {

class TCollectionBase;

/// One item of a stored collection (a title bar button, a status panel): notifies its collection of changes.
class TCollectionItem : public QObject {
    Q_OBJECT
public:
    TCollectionItem() = default;

    TCollectionBase* Collection() const { return collection_; }
    // Position in the collection, or -1 when not in one.
    int Index() const;

protected:
    // Call after changing something the owner draws or lays out.
    void Changed();

private:
    friend class TCollectionBase;
    TCollectionBase* collection_ = nullptr;
};

/// A stored, ordered list of items with change notifications batched between BeginUpdate and EndUpdate.
class TCollectionBase : public QObject, public TLayoutCollection {
    Q_OBJECT
public:
    explicit TCollectionBase(QObject* owner = nullptr) : QObject(owner) {}
    ~TCollectionBase() override;

    QObject* Owner() const { return parent(); }
    int Count() const { return int(items_.size()); }
    int IndexOf(const TCollectionItem* item) const;
    // Out-of-range indexes throw std::out_of_range.
    TCollectionItem* ItemAt(int index) const;
    void Delete(int index);
    void Clear();

    // Item changes inside an update are reported once, as a list change.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();

    // For stored layouts: `< item ... end >` clears, then adds and fills items.
    void ClearItems() override { Clear(); }
    QObject* AddItem() override = 0;
    QList<QObject*> Items() const override;

signals:
    // item is null when the list itself changed (add, insert, delete, clear).
    void OnChange(toolkit::TCollectionItem* item);

protected:
    TCollectionItem* InsertItem(int index, std::unique_ptr<TCollectionItem> item);
    // The hook every change goes through; the default emits OnChange.
    virtual void Update(TCollectionItem* item);

private:
    friend class TCollectionItem;
    void Notify(TCollectionItem* item);

    std::vector<std::unique_ptr<TCollectionItem>> items_;
    int updating_ = 0;
    bool pending_ = false;
};

/// A stored collection whose items are all of one class, created by Add().
template <typename Item> class TCollection : public TCollectionBase {
public:
    using TCollectionBase::Items;
    using TCollectionBase::TCollectionBase;

    Item* Add() { return Insert(Count()); }
    Item* Insert(int index) { return static_cast<Item*>(InsertItem(index, std::make_unique<Item>())); }
    Item* Items(int index) const { return static_cast<Item*>(ItemAt(index)); }
    Item* operator[](int index) const { return Items(index); }
    QObject* AddItem() override { return Add(); }
};

} // namespace toolkit
