#include "toolkit/collection.h"

#include <stdexcept>
#include <string>

namespace toolkit {

namespace {

void CheckIndex(int index, int limit)
{
    if (index < 0 || index > limit)
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

} // namespace

int TCollectionItem::Index() const
{
    return collection_ ? collection_->IndexOf(this) : -1;
}

void TCollectionItem::Changed()
{
    if (collection_) collection_->Notify(this);
}

TCollectionBase::~TCollectionBase()
{
    // Items must not report to a collection that is half destroyed.
    for (auto& item : items_)
        item->collection_ = nullptr;
}

int TCollectionBase::IndexOf(const TCollectionItem* item) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[i].get() == item) return i;
    return -1;
}

TCollectionItem* TCollectionBase::ItemAt(int index) const
{
    CheckIndex(index, Count() - 1);
    return items_[index].get();
}

TCollectionItem* TCollectionBase::InsertItem(int index, std::unique_ptr<TCollectionItem> item)
{
    CheckIndex(index, Count());
    item->collection_ = this;
    TCollectionItem* raw = item.get();
    items_.insert(items_.begin() + index, std::move(item));
    Notify(nullptr);
    return raw;
}

void TCollectionBase::Delete(int index)
{
    CheckIndex(index, Count() - 1);
    // Detach first so a handler never sees the dying item in the list.
    std::unique_ptr<TCollectionItem> doomed = std::move(items_[index]);
    items_.erase(items_.begin() + index);
    doomed->collection_ = nullptr;
    Notify(nullptr);
}

void TCollectionBase::Clear()
{
    if (items_.empty()) return;
    std::vector<std::unique_ptr<TCollectionItem>> doomed;
    doomed.swap(items_);
    for (auto& item : doomed)
        item->collection_ = nullptr;
    Notify(nullptr);
}

QList<QObject*> TCollectionBase::Items() const
{
    QList<QObject*> items;
    for (const auto& item : items_)
        items.append(item.get());
    return items;
}

void TCollectionBase::EndUpdate()
{
    if (updating_ > 0 && --updating_ == 0 && pending_) {
        pending_ = false;
        Update(nullptr);
    }
}

void TCollectionBase::Notify(TCollectionItem* item)
{
    if (updating_ > 0)
        pending_ = true;
    else
        Update(item);
}

void TCollectionBase::Update(TCollectionItem* item)
{
    emit OnChange(item);
}

} // namespace toolkit
