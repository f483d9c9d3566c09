#pragma once
// The toolkit's list box and check list box (QListWidget), list view and
// tree view (QTreeWidget) with their usual stored properties.

#include "toolkit/nativecontrol.h"
#include "toolkit/stringlist.h"

#include <QListWidget>
#include <QTreeWidget>

namespace toolkit {

namespace lists_meta {
Q_NAMESPACE
enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
Q_ENUM_NS(TViewStyle)
} // namespace lists_meta

using TViewStyle = lists_meta::TViewStyle;
using enum lists_meta::TViewStyle;

/// Items is a string list mirrored entry by entry into Qt's items, so Qt's
/// own list accessibility reads them.
class TCustomListBox : public QListWidget, public TNativeControl {
    Q_OBJECT
public:
    explicit TCustomListBox(QObject* owner, QWidget* parent = nullptr);

    TStringList* Items() { return &items_; }
    const TStringList* Items() const { return &items_; }
    // -1: no item.
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index);
    bool MultiSelect() const { return selectionMode() == MultiSelection; }
    void SetMultiSelect(bool on) { setSelectionMode(on ? MultiSelection : SingleSelection); }
    bool Sorted() const { return items_.Sorted(); }
    void SetSorted(bool on) { items_.SetSorted(on); }
    bool Selected(int index) const;

signals:
    // ItemIndex changed, however (QListWidget's currentRowChanged, for NOTIFY).
    void ItemIndexChanged();
    void OnClick();
    TOOLKIT_CONTROL_EVENTS

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void StartDrag() override { TControlEvents<TCustomListBox>::StartDrag(*this); }
    // A new Qt item for entry index, before it joins the list.
    virtual void PrepareItem(QListWidgetItem& item) { Q_UNUSED(item); }

private:
    void ItemsInserted(int index);
    void ItemsReset();

    TStringList items_;
};

/// The toolkit list box on a Qt list widget: Items, ItemIndex, MultiSelect, Sorted, owner-drawn items.
class TListBox : public TCustomListBox {
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(toolkit::nativecontrol_meta::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(toolkit::TStringList* Items READ Items)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY ItemIndexChanged STORED false)
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE SetMultiSelect)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES
public:
    using TCustomListBox::TCustomListBox;
};

/// Every item carries a check box; the user toggles it with the pointer or
/// the space bar.
class TCheckListBox : public TCustomListBox {
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(toolkit::nativecontrol_meta::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(toolkit::TStringList* Items READ Items)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY ItemIndexChanged STORED false)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES
public:
    explicit TCheckListBox(QObject* owner, QWidget* parent = nullptr);

    bool Checked(int index) const;
    void SetChecked(int index, bool on);

signals:
    void OnClickCheck();

protected:
    void PrepareItem(QListWidgetItem& item) override;
};

/// Columns and items with sub-items; only the report style shows the column
/// headers.
class TCustomListView : public QTreeWidget, public TNativeControl {
    Q_OBJECT
public:
    // A new column's width.
    static constexpr int ColumnWidth = 50;

    explicit TCustomListView(QObject* owner, QWidget* parent = nullptr);

    QStringList Columns() const { return columns_; }
    void SetColumns(const QStringList& captions);
    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style);
    bool RowSelect() const { return selectionBehavior() == SelectRows; }
    void SetRowSelect(bool on) { setSelectionBehavior(on ? SelectRows : SelectItems); }

    // An item with its caption and the texts of the further columns.
    QTreeWidgetItem* AddItem(const QString& caption, const QStringList& subItems = {});
    TOOLKIT_CONTROL_EVENTS

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void StartDrag() override { TControlEvents<TCustomListView>::StartDrag(*this); }

private:
    QStringList columns_;
    TViewStyle viewStyle_ = vsIcon;
};

/// The toolkit list view on a Qt tree widget: columns and items.
class TListView : public TCustomListView {
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(toolkit::nativecontrol_meta::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(QStringList Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool RowSelect READ RowSelect WRITE SetRowSelect)
    Q_PROPERTY(toolkit::lists_meta::TViewStyle ViewStyle READ ViewStyle WRITE SetViewStyle)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES
public:
    using TCustomListView::TCustomListView;
};

/// The toolkit tree view on a Qt tree widget: nested items.
class TCustomTreeView : public QTreeWidget, public TNativeControl {
    Q_OBJECT
public:
    explicit TCustomTreeView(QObject* owner, QWidget* parent = nullptr);

    // Expand marks beside the top-level items.
    bool ShowRoot() const { return rootIsDecorated(); }
    void SetShowRoot(bool on) { setRootIsDecorated(on); }
    bool ReadOnly() const { return editTriggers() == NoEditTriggers; }
    void SetReadOnly(bool on) { setEditTriggers(on ? NoEditTriggers : EditKeyPressed | SelectedClicked); }

    // A node under parent, or a top-level one without.
    QTreeWidgetItem* AddChild(QTreeWidgetItem* parent, const QString& text);
    TOOLKIT_CONTROL_EVENTS

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void StartDrag() override { TControlEvents<TCustomTreeView>::StartDrag(*this); }
};

/// The tree view as stored in layouts.
class TTreeView : public TCustomTreeView {
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(toolkit::nativecontrol_meta::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool ShowRoot READ ShowRoot WRITE SetShowRoot)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES
public:
    using TCustomTreeView::TCustomTreeView;
};

} // namespace toolkit
