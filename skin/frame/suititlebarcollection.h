#pragma once
// The title bar's sections and caption buttons: collections that repaint
// their bar when an item changes.

#include "skin/frame/suititlebarbutton.h"
#include "skin/frame/suititlebarsection.h"
#include "toolkit/collection.h"

template <class Item> class TsuiTitleBarCollection : public toolkit::TCollection<Item> {
public:
    // The owner is the bar, a TsuiTitleBarHost.
    explicit TsuiTitleBarCollection(QWidget* owner);

    QWidget* GetOwner() const { return owner_; }
    // Replaces the items by copies of the source's.
    void Assign(const TsuiTitleBarCollection& source);

protected:
    void Update(toolkit::TCollectionItem* item) override;

private:
    QWidget* owner_;
};

class TsuiTitleBarSections : public TsuiTitleBarCollection<TsuiTitleBarSection> {
    Q_OBJECT
public:
    using TsuiTitleBarCollection::TsuiTitleBarCollection;
};

class TsuiTitleBarButtons : public TsuiTitleBarCollection<TsuiTitleBarButton> {
    Q_OBJECT
public:
    using TsuiTitleBarCollection::TsuiTitleBarCollection;
};
