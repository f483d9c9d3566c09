#pragma once
// The toolkit's list box and check list box (QListWidget), list view and
// tree view (QTreeWidget) with their usual stored properties.

#include "toolkit/canvas.h"
#include "toolkit/imagelist.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/nativecontrol.h"
#include "toolkit/stringlist.h"

#include <QListWidget>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTreeWidget>

namespace toolkit {

namespace lists_meta {
Q_NAMESPACE
enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
Q_ENUM_NS(TViewStyle)
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
Q_ENUM_NS(TListBoxStyle)
} // namespace lists_meta

using TViewStyle = lists_meta::TViewStyle;
using enum lists_meta::TViewStyle;
using TListBoxStyle = lists_meta::TListBoxStyle;
using enum lists_meta::TListBoxStyle;

/// Items is a string list mirrored entry by entry into Qt's items, so Qt's
/// own list accessibility reads them.
///
/// lbStandard items are Qt's, one line of text each (tabs stop every
/// TabWidth dialog units). The owner-drawn styles paint the whole view
/// through one canvas: per item the background (Color, or the highlight when
/// selected), then DrawItem (OnDrawItem with the item's rectangle in the
/// view), then the focus frame of the current item. lbOwnerDrawFixed items
/// are ItemHeight high; lbOwnerDrawVariable asks MeasureItem (OnMeasureItem)
/// for each. Columns > 0 flows the items down in columns of
/// ClientWidth / Columns, side by side, scrolling sideways.
class TCustomListBox : public QListWidget, public TNativeControl {
    Q_OBJECT
public:
    // An owner-drawn item's height until set.
    static constexpr int DefaultItemHeight = 16;

    explicit TCustomListBox(QObject* owner, QWidget* parent = nullptr);

    TStringList* Items() { return &items_; }
    const TStringList* Items() const { return &items_; }
    // -1: no item.
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index);
    // MultiSelect selects several items: by shift and ctrl clicks while
    // ExtendedSelect is on (the default), else every click toggles one.
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool on);
    bool ExtendedSelect() const { return extendedSelect_; }
    void SetExtendedSelect(bool on);
    bool Sorted() const { return items_.Sorted(); }
    void SetSorted(bool on) { items_.SetSorted(on); }
    bool Selected(int index) const;

    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle style);
    // Owner-drawn: the height given; lbStandard: the height of a line of
    // text in the font, whatever is set.
    int ItemHeight() const;
    void SetItemHeight(int height);
    // The height item index takes: MeasureItem's answer when variable.
    int ItemHeightOf(int index) const;
    // 0: one column, scrolling up and down.
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    // The height shrinks to whole items (not for variable heights).
    bool IntegralHeight() const { return integralHeight_; }
    void SetIntegralHeight(bool on);
    // Tab stops in dialog units, a quarter of the font's average character
    // width; 0 stops every 32.
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int width);
    int TabStopPixels() const;
    // The item's rectangle in the view (the client area), empty when the
    // index is not an item.
    TRect ItemRect(int index) const;

signals:
    // ItemIndex changed, however (QListWidget's currentRowChanged, for NOTIFY).
    void ItemIndexChanged();
    void OnClick();
    // Owner-drawn items: with a handler connected, it draws the item.
    void OnDrawItem(toolkit::TCanvas* canvas, int index, toolkit::TRect rect, uint state);
    void OnMeasureItem(int index, int* height);
    TOOLKIT_CONTROL_EVENTS

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void StartDrag() override { TControlEvents<TCustomListBox>::StartDrag(*this); }
    // A new Qt item for entry index, before it joins the list.
    virtual void PrepareItem(QListWidgetItem& item) { Q_UNUSED(item); }
    // One owner-drawn item on a canvas holding the list's font and the
    // item's brush (the highlight when selected); by default OnDrawItem's
    // handler, or the item's text.
    virtual void DrawItem(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state);
    // lbOwnerDrawVariable: by default OnMeasureItem's answer.
    virtual void MeasureItem(int index, int& height) const;

private:
    friend class ListItemPainter;
    void ItemsInserted(int index);
    void ItemsReset();
    void ApplySelectionMode();
    void ApplyLayout();
    void ApplyIntegralHeight();
    bool OwnerDrawn() const { return style_ != lbStandard; }
    int ColumnWidth() const;
    int StandardItemHeight() const;
    void PaintItem(TCanvas& canvas, int index);

    TStringList items_;
    bool multiSelect_ = false;
    bool extendedSelect_ = true;
    TListBoxStyle style_ = lbStandard;
    int itemHeight_ = DefaultItemHeight;
    int columns_ = 0;
    bool integralHeight_ = false;
    int tabWidth_ = 0;
    // On a denser screen the owner-drawn items' text, drawn over the picture.
    TTextLayer itemText_;
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
    Q_PROPERTY(bool ExtendedSelect READ ExtendedSelect WRITE SetExtendedSelect)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    Q_PROPERTY(toolkit::lists_meta::TListBoxStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(bool IntegralHeight READ IntegralHeight WRITE SetIntegralHeight)
    Q_PROPERTY(int TabWidth READ TabWidth WRITE SetTabWidth)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES
public:
    using TCustomListBox::TCustomListBox;
};

/// Every item carries a check box; the user toggles it with the pointer or
/// the space bar. Its items are always Qt's (no owner-drawn style); columns,
/// whole-item height and tab stops work as in the list box.
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
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(bool IntegralHeight READ IntegralHeight WRITE SetIntegralHeight)
    Q_PROPERTY(int TabWidth READ TabWidth WRITE SetTabWidth)
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

/// One Qt item of a list or tree view reached through properties, as stored
/// layouts and programs see it: a handle that finds its item again through
/// the model, so once the item is deleted it reads as empty and takes nothing.
class TViewItem : public QObject {
    Q_OBJECT
public:
    // Where ImageIndex keeps its value; no value reads -1.
    static constexpr int ImageIndexRole = Qt::UserRole + 1;

    TViewItem(QTreeWidgetItem* item, QObject* parent);

    // nullptr once the item is gone.
    QTreeWidgetItem* Item() const;
    int ImageIndex() const;
    void SetImageIndex(int index);

private:
    QTreeWidgetItem* item_;
    QPersistentModelIndex index_;
};

/// A view whose items show pictures from an image list by their ImageIndex.
class TItemImages {
public:
    explicit TItemImages(QTreeWidget& view) : view_(view) {}
    virtual ~TItemImages() = default;

    TImageList* ItemImages() const { return images_; }
    // Every item's picture follows the list and its changes.
    void SetItemImages(TImageList* images);

private:
    void ShowItemImages();

    QTreeWidget& view_;
    QPointer<TImageList> images_;
};

// The picture image list `images` holds for the item's ImageIndex, or none.
void ShowItemImage(QTreeWidgetItem& item, const TImageList* images);

/// The items under one parent of a list or tree view (the top level without
/// one), as a stored collection: `Items = < item Caption = 'a' end >`.
class TViewItems : public QObject, public TLayoutCollection {
    Q_OBJECT
public:
    // parent: the handle of the item these are under, or null for the top
    // level of view.
    TViewItems(QTreeWidget& view, TViewItem* parent);

    int Count() const;
    // The handle of item index, or null outside the range.
    TViewItem* Item(int index) const;

    void ClearItems() override;
    QObject* AddItem() override;
    QList<QObject*> Items() const override;

protected:
    virtual TViewItem* MakeHandle(QTreeWidgetItem* item) const = 0;

private:
    QTreeWidgetItem* ParentItem() const;
    QTreeWidgetItem* Child(int index) const;

    QTreeWidget& view_;
    mutable QHash<QTreeWidgetItem*, QPointer<TViewItem>> handles_;
    QPointer<TViewItem> parent_;
    bool topLevel_;
};

/// A list view's item: its caption, the texts of the further columns, its
/// picture and its check mark (set, it shows a check box).
class TListItem : public TViewItem {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QStringList SubItems READ SubItems WRITE SetSubItems)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
public:
    using TViewItem::TViewItem;

    QString Caption() const;
    void SetCaption(const QString& caption);
    QStringList SubItems() const;
    void SetSubItems(const QStringList& texts);
    bool Checked() const;
    void SetChecked(bool on);
};

/// A list view's items.
class TListItems : public TViewItems {
    Q_OBJECT
public:
    using TViewItems::TViewItems;

protected:
    TViewItem* MakeHandle(QTreeWidgetItem* item) const override;
};

class TTreeNodes;

/// A tree view's node: its text, picture, whether it shows its children,
/// and the nodes under it.
class TTreeNode : public TViewItem {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(bool Expanded READ Expanded WRITE SetExpanded)
    Q_PROPERTY(toolkit::TTreeNodes* Items READ Items)
public:
    TTreeNode(QTreeWidgetItem* item, QObject* parent);

    QString Text() const;
    void SetText(const QString& text);
    bool Expanded() const;
    void SetExpanded(bool on);
    TTreeNodes* Items() const { return children_; }

private:
    TTreeNodes* children_;
};

/// A tree view's nodes under one parent.
class TTreeNodes : public TViewItems {
    Q_OBJECT
public:
    using TViewItems::TViewItems;

protected:
    TViewItem* MakeHandle(QTreeWidgetItem* item) const override;
};

/// Columns and items with sub-items; only the report style shows the column
/// headers.
class TCustomListView : public QTreeWidget, public TNativeControl, public TItemImages {
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
    TListItems* Items() const { return items_; }
    // The pictures of the items, in every view style.
    TImageList* SmallImages() const { return ItemImages(); }
    void SetSmallImages(TImageList* images) { SetItemImages(images); }
    TOOLKIT_CONTROL_EVENTS

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void StartDrag() override { TControlEvents<TCustomListView>::StartDrag(*this); }

private:
    QStringList columns_;
    TViewStyle viewStyle_ = vsIcon;
    TListItems* items_;
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
    Q_PROPERTY(toolkit::TImageList* SmallImages READ SmallImages WRITE SetSmallImages)
    Q_PROPERTY(toolkit::TListItems* Items READ Items)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES
public:
    using TCustomListView::TCustomListView;
};

/// The toolkit tree view on a Qt tree widget: nested items.
class TCustomTreeView : public QTreeWidget, public TNativeControl, public TItemImages {
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
    // The top-level nodes, each with the nodes under it.
    TTreeNodes* Items() const { return items_; }
    TImageList* Images() const { return ItemImages(); }
    void SetImages(TImageList* images) { SetItemImages(images); }
    TOOLKIT_CONTROL_EVENTS

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void StartDrag() override { TControlEvents<TCustomTreeView>::StartDrag(*this); }

private:
    TTreeNodes* items_;
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
    Q_PROPERTY(toolkit::TImageList* Images READ Images WRITE SetImages)
    Q_PROPERTY(toolkit::TTreeNodes* Items READ Items)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES
public:
    using TCustomTreeView::TCustomTreeView;
};

} // namespace toolkit
