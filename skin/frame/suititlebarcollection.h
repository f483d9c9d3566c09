#pragma once
// The title bar's sections and caption buttons: collections that repaint
// their bar when an item changes.

#include "skin/frame/suititlebarbutton.h"
#include "skin/frame/suititlebarsection.h"
#include "toolkit/collection.h"

/// A title bar's collection of sections or buttons: repaints its bar when an item changes.
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

/// The stored list of a title bar's sections.
class TsuiTitleBarSections : public TsuiTitleBarCollection<TsuiTitleBarSection> {
    Q_OBJECT
public:
    using TsuiTitleBarCollection::TsuiTitleBarCollection;
};

/// The stored list of a title bar's buttons.
class TsuiTitleBarButtons : public TsuiTitleBarCollection<TsuiTitleBarButton> {
    Q_OBJECT
public:
    using TsuiTitleBarCollection::TsuiTitleBarCollection;
};
