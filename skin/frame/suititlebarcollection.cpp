#include "skin/frame/suititlebarcollection.h"

#include <QWidget>

using namespace toolkit;

template <class Item>
TsuiTitleBarCollection<Item>::TsuiTitleBarCollection(QWidget* owner)
    : toolkit::TCollection<Item>(owner), owner_(owner)
{
}

template <class Item> void TsuiTitleBarCollection<Item>::Assign(const TsuiTitleBarCollection& source)
{
    if (&source == this) return;
    this->BeginUpdate();
    this->Clear();
    for (int i = 0; i < source.Count(); ++i)
        this->Add()->Assign(*source[i]);
    this->EndUpdate();
}

template <class Item> void TsuiTitleBarCollection<Item>::Update(TCollectionItem* item)
{
    toolkit::TCollection<Item>::Update(item);
    if (auto* bar = qobject_cast<TsuiTitleBarHost*>(owner_)) bar->Changed();
}

template class TsuiTitleBarCollection<TsuiTitleBarSection>;
template class TsuiTitleBarCollection<TsuiTitleBarButton>;
