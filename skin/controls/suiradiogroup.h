#pragma once
// Check groups and radio groups: group boxes that hold one check box or
// radio button per line of their Items, arranged in columns, and raise their
// own OnClick after any item was clicked (the item's state already changed).

#include "skin/controls/suigroupbox.h"
#include "skin/themes/suiskinname.h"
#include "toolkit/stringlist.h"

#include <QStringList>
#include <vector>

class TsuiCheckBox;

/// A skinned group box of check boxes built from Items, in Columns.
class TsuiCheckGroup : public TsuiCustomGroupBox, public TsuiSkinNamed {
    Q_OBJECT
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle NOTIFY UIStyleSwitched)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName NOTIFY UIStyleSwitched)
    Q_PROPERTY(QStringList Items READ ItemStrings WRITE SetItems)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(int TopMargin READ TopMargin WRITE SetTopMargin)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)

public:
    explicit TsuiCheckGroup(QObject* owner, QWidget* parent = nullptr);
    ~TsuiCheckGroup() override;

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    // Restyles the group (UpdateUIStyle) and every item button, which also
    // takes the group's colour.
    void SetUIStyle(TsuiUIStyle style);

    // Every change of the lines makes, renames or deletes item buttons.
    toolkit::TStringList* Items() { return &items_; }
    QStringList ItemStrings() const { return items_.ToQStringList(); }
    void SetItems(const QStringList& lines) { items_.Assign(lines); }
    int Columns() const { return columns_; }
    // Negative values are ignored; 0 arranges the items as one column.
    void SetColumns(int columns);
    int TopMargin() const { return topMargin_; }
    // Negative values are ignored.
    void SetTopMargin(int margin);

    int ItemCount() const { return int(buttons_.size()); }
    TsuiCheckBox* ItemButton(int index) const { return buttons_.at(index); }
    // False for an index outside the items.
    bool Checked(int index) const;
    // Throws std::out_of_range for an index outside the items.
    void SetChecked(int index, bool on);

    // The top-left corner of each item button, in item order: the first
    // column from top to bottom, then the next.
    std::vector<toolkit::TPoint> ItemPlaces() const;

    void SetTransparent(bool on) override;
    // The group takes a pushed style as its own and restyles its items; it
    // does not pass it on to other controls inside it.
    void ApplyContainerStyle(TsuiUIStyle style) override { SetUIStyle(style); }
    bool PassUIStyleOn(TsuiUIStyle) override { return false; }
    void UpdateUIStyle(TsuiUIStyle style) override;

signals:
    void UIStyleSwitched();

protected:
    // One item button, a child of the group.
    virtual TsuiCheckBox* CreateAButton();
    void FontChanged() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ItemsChanged();
    TsuiCheckBox* NewItemButton();
    void RemoveLastItemButton();
    void ArrangeButtons();

    toolkit::TStringList items_;
    std::vector<TsuiCheckBox*> buttons_;
    int columns_ = 1;
    int topMargin_ = 8;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
};

/// A skinned group box of radio buttons built from Items, in Columns; ItemIndex is the chosen one.
class TsuiRadioGroup : public TsuiCheckGroup {
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY ItemIndexChanged USER true)

public:
    explicit TsuiRadioGroup(QObject* owner, QWidget* parent = nullptr);

    // The first checked item, -1 when none is.
    int ItemIndex() const;
    // -1 unchecks every item; an index outside -1 and the items is ignored.
    void SetItemIndex(int index);

signals:
    // By the user's click, the keyboard, a setter or the chosen item's going.
    void ItemIndexChanged();

protected:
    TsuiCheckBox* CreateAButton() override;

private:
    void AnnounceItemIndex();

    int announcedIndex_ = -1;
};
