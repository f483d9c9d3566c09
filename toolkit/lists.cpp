#include "toolkit/lists.h"

#include <QHeaderView>
#include <QMetaMethod>
#include <QPaintEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidgetItemIterator>
#include <stdexcept>

namespace toolkit {

// Gives every item the height its list box says, and draws standard items
// whose text holds tabs at the list's tab stops. Owner-drawn items are
// painted by the list box itself.
class ListItemPainter final : public QStyledItemDelegate {
public:
    explicit ListItemPainter(TCustomListBox* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int width = list_->columns_ > 0 ? list_->ColumnWidth()
                          : list_->OwnerDrawn()  ? list_->viewport()->width()
                                                 : QStyledItemDelegate::sizeHint(option, index).width();
        return {width, list_->ItemHeightOf(index.row())};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        if (!item.text.contains(u'\t')) return QStyledItemDelegate::paint(painter, item, index);
        // The style draws the background, selection and focus; the text
        // goes at the tab stops.
        const QString text = item.text;
        item.text.clear();
        QStyle* style = list_->style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, list_);
        item.text = text;
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, list_);
        QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
        layout.setWrapMode(QTextOption::NoWrap);
        layout.setTabStopDistance(list_->TabStopPixels());
        painter->save();
        painter->setFont(item.font);
        painter->setPen(item.palette.color(item.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                               : QPalette::Text));
        painter->drawText(area.adjusted(2, 0, 0, 0), text, layout);
        painter->restore();
    }

private:
    TCustomListBox* list_;
};

TCustomListBox::TCustomListBox(QObject* owner, QWidget* parent) : QListWidget(parent), TNativeControl(*this, owner)
{
    resize(121, 97);
    setUniformItemSizes(true);
    setItemDelegate(new ListItemPainter(this));
    ApplySelectionMode();
    connect(this, &QListWidget::currentRowChanged, this, &TCustomListBox::ItemIndexChanged);
    connect(&items_, &TStringList::Inserted, this, &TCustomListBox::ItemsInserted);
    connect(&items_, &TStringList::Removed, this, [this](int index) { delete takeItem(index); });
    connect(&items_, &TStringList::EntryChanged, this, [this](int index) { item(index)->setText(items_[index]); });
    connect(&items_, &TStringList::Reset, this, &TCustomListBox::ItemsReset);
    connect(this, &QListWidget::itemClicked, this, &TCustomListBox::OnClick);
    // After TNativeControl's own connection, so the widget has the new font.
    // Not on Qt's FontChange: TNativeControl sets the font while this object
    // is still being built, before the fields ApplyIntegralHeight reads.
    connect(Font(), &TFont::OnChange, this, &TCustomListBox::ApplyIntegralHeight);
}

void TCustomListBox::SetItemIndex(int index)
{
    setCurrentRow(index >= 0 && index < count() ? index : -1);
}

void TCustomListBox::SetMultiSelect(bool on)
{
    multiSelect_ = on;
    ApplySelectionMode();
}

void TCustomListBox::SetExtendedSelect(bool on)
{
    extendedSelect_ = on;
    ApplySelectionMode();
}

void TCustomListBox::ApplySelectionMode()
{
    setSelectionMode(!multiSelect_ ? SingleSelection : extendedSelect_ ? ExtendedSelection : MultiSelection);
}

void TCustomListBox::SetStyle(TListBoxStyle style)
{
    style_ = style;
    ApplyLayout();
}

int TCustomListBox::ItemHeight() const
{
    return OwnerDrawn() ? itemHeight_ : StandardItemHeight();
}

void TCustomListBox::SetItemHeight(int height)
{
    itemHeight_ = std::clamp(height, 1, 32767);
    ApplyLayout();
}

// What Qt's item delegate gives a line of text in the list's font.
int TCustomListBox::StandardItemHeight() const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("Wg");
    return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height();
}

int TCustomListBox::ItemHeightOf(int index) const
{
    int height = ItemHeight();
    if (style_ == lbOwnerDrawVariable) MeasureItem(index, height);
    return std::max(1, height);
}

void TCustomListBox::MeasureItem(int index, int& height) const
{
    emit const_cast<TCustomListBox*>(this)->OnMeasureItem(index, &height);
}

void TCustomListBox::SetColumns(int columns)
{
    columns_ = std::clamp(columns, 0, 32767);
    ApplyLayout();
}

int TCustomListBox::ColumnWidth() const
{
    return std::max(1, viewport()->width() / std::max(1, columns_));
}

void TCustomListBox::SetIntegralHeight(bool on)
{
    integralHeight_ = on;
    ApplyIntegralHeight();
}

void TCustomListBox::SetTabWidth(int width)
{
    tabWidth_ = std::clamp(width, 0, 32767);
    viewport()->update();
}

// A dialog unit is a quarter of the average width of the letters.
int TCustomListBox::TabStopPixels() const
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int average = (QFontMetrics(font()).horizontalAdvance(letters) / 26 + 1) / 2;
    return std::max(1, (tabWidth_ > 0 ? tabWidth_ : 32) * average / 4);
}

// Items of one height share Qt's uniform-size shortcut; columns flow down
// and wrap into the next, scrolling sideways.
void TCustomListBox::ApplyLayout()
{
    setUniformItemSizes(style_ != lbOwnerDrawVariable);
    setFlow(TopToBottom);
    setWrapping(columns_ > 0);
    setHorizontalScrollBarPolicy(columns_ > 0 || !OwnerDrawn() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    doItemsLayout();
    ApplyIntegralHeight();
    viewport()->update();
}

// Shrinks the control until its client area holds whole items.
void TCustomListBox::ApplyIntegralHeight()
{
    if (!integralHeight_ || style_ == lbOwnerDrawVariable) return;
    const int frame = height() - maximumViewportSize().height();
    const int client = height() - frame;
    const int item = ItemHeight();
    const int whole = client / item;
    if (whole > 0 && whole * item != client) resize(width(), frame + whole * item);
}

void TCustomListBox::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    ApplyIntegralHeight();
    // Item widths follow the client width.
    if (columns_ > 0 || OwnerDrawn()) doItemsLayout();
}

TRect TCustomListBox::ItemRect(int index) const
{
    const QListWidgetItem* entry = item(index);
    if (!entry) return {};
    QRect rect = visualItemRect(entry);
    // In one column an item spans the client width, whether or not the
    // vertical scroll bar took its room after the items were laid out.
    if (columns_ == 0) rect.setCoords(0, rect.top(), viewport()->width() - 1, rect.bottom());
    return TRect::fromQRect(rect);
}

void TCustomListBox::paintEvent(QPaintEvent* event)
{
    if (!OwnerDrawn()) return QListWidget::paintEvent(event);
    QImage image(viewport()->size(), QImage::Format_RGB32);
    TCanvas canvas(&image);
    itemText_.clear();
    canvas.DeferTextFor(*viewport(), itemText_);
    canvas.Brush.Color = Color();
    canvas.FillRect(Rect(0, 0, image.width(), image.height()));
    // Items follow each other down (across, in columns): from the first in
    // view to the first beyond it.
    const QModelIndex first = indexAt(QPoint(0, 0));
    for (int index = first.isValid() ? first.row() : 0; index < count(); ++index) {
        const TRect rect = ItemRect(index);
        if (columns_ == 0 ? rect.Top >= image.height() : rect.Left >= image.width()) break;
        if (rect.toQRect().intersects(image.rect())) PaintItem(canvas, index);
    }
    QPainter painter(viewport());
    DrawPicture(painter, QPoint(), image, itemText_, event->rect());
}

// Selected items show in the highlight colours; the current item gets the
// dotted focus frame after it is drawn, as owner-drawn lists expect.
void TCustomListBox::PaintItem(TCanvas& canvas, int index)
{
    const TRect rect = ItemRect(index);
    TOwnerDrawState state = 0;
    if (Selected(index)) state |= odSelected;
    if (index == currentRow() && hasFocus()) state |= odFocused;
    if (!isEnabled()) state |= odDisabled;
    canvas.Font.Assign(*Font());
    canvas.Brush.Color = Color();
    if (state & odSelected) {
        canvas.Brush.Color = clHighlight;
        canvas.Font.SetColor(clHighlightText);
    } else if (state & odDisabled) {
        canvas.Font.SetColor(clGrayText);
    }
    canvas.SetClipRect(rect);
    DrawItem(canvas, index, rect, state);
    if (state & odFocused) canvas.DrawFocusRect(rect);
    canvas.ResetClipRect();
}

void TCustomListBox::DrawItem(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state)
{
    static const QMetaMethod drawItemEvent = QMetaMethod::fromSignal(&TCustomListBox::OnDrawItem);
    if (isSignalConnected(drawItemEvent)) {
        emit OnDrawItem(&canvas, index, rect, state);
        return;
    }
    canvas.FillRect(rect);
    canvas.TextOut(rect.Left + 2, rect.Top + (rect.Height() - canvas.TextHeight(items_[index])) / 2, items_[index]);
}

bool TCustomListBox::Selected(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry && entry->isSelected();
}

void TCustomListBox::ItemsInserted(int index)
{
    auto* entry = new QListWidgetItem(items_[index]);
    PrepareItem(*entry);
    insertItem(index, entry);
}

void TCustomListBox::ItemsReset()
{
    clear();
    for (int i = 0; i < items_.Count(); ++i)
        ItemsInserted(i);
}

TCheckListBox::TCheckListBox(QObject* owner, QWidget* parent) : TCustomListBox(owner, parent)
{
    connect(this, &QListWidget::itemChanged, this, &TCheckListBox::OnClickCheck);
}

bool TCheckListBox::Checked(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry && entry->checkState() == Qt::Checked;
}

void TCheckListBox::SetChecked(int index, bool on)
{
    if (QListWidgetItem* entry = item(index)) entry->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void TCheckListBox::PrepareItem(QListWidgetItem& item)
{
    item.setFlags(item.flags() | Qt::ItemIsUserCheckable);
    item.setCheckState(Qt::Unchecked);
}

namespace {

// A view item's model index (QTreeWidget keeps indexFromItem to itself).
QModelIndex IndexOf(QTreeWidgetItem* item)
{
    QTreeWidget* view = item->treeWidget();
    if (!view) return {};
    QTreeWidgetItem* parent = item->parent();
    const int row = parent ? parent->indexOfChild(item) : view->indexOfTopLevelItem(item);
    return view->model()->index(row, 0, parent ? IndexOf(parent) : QModelIndex());
}

} // namespace

TViewItem::TViewItem(QTreeWidgetItem* item, QObject* parent) : QObject(parent), item_(item), index_(IndexOf(item)) {}

QTreeWidgetItem* TViewItem::Item() const
{
    return index_.isValid() ? item_ : nullptr;
}

int TViewItem::ImageIndex() const
{
    const QTreeWidgetItem* item = Item();
    const QVariant index = item ? item->data(0, ImageIndexRole) : QVariant();
    return index.isValid() ? index.toInt() : -1;
}

void TViewItem::SetImageIndex(int index)
{
    QTreeWidgetItem* item = Item();
    if (!item) return;
    item->setData(0, ImageIndexRole, index);
    const auto* view = dynamic_cast<const TItemImages*>(item->treeWidget());
    ShowItemImage(*item, view ? view->ItemImages() : nullptr);
}

void ShowItemImage(QTreeWidgetItem& item, const TImageList* images)
{
    const QVariant index = item.data(0, TViewItem::ImageIndexRole);
    const QImage image = images && index.isValid() ? images->Image(index.toInt()) : QImage();
    item.setIcon(0, image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
}

void TItemImages::SetItemImages(TImageList* images)
{
    if (images_ == images) return;
    if (images_) QObject::disconnect(images_, nullptr, &view_, nullptr);
    images_ = images;
    if (images) QObject::connect(images, &TImageList::OnChange, &view_, [this] { ShowItemImages(); });
    ShowItemImages();
}

void TItemImages::ShowItemImages()
{
    for (QTreeWidgetItemIterator it(&view_); *it; ++it)
        ShowItemImage(**it, images_);
}

TViewItems::TViewItems(QTreeWidget& view, TViewItem* parent)
    : QObject(parent ? static_cast<QObject*>(parent) : &view), view_(view), parent_(parent), topLevel_(!parent)
{
}

QTreeWidgetItem* TViewItems::ParentItem() const
{
    return parent_ ? parent_->Item() : nullptr;
}

int TViewItems::Count() const
{
    if (topLevel_) return view_.topLevelItemCount();
    const QTreeWidgetItem* parent = ParentItem();
    return parent ? parent->childCount() : 0;
}

QTreeWidgetItem* TViewItems::Child(int index) const
{
    if (index < 0 || index >= Count()) return nullptr;
    return topLevel_ ? view_.topLevelItem(index) : ParentItem()->child(index);
}

// One handle per item: asked again, an item gets the one it had.
TViewItem* TViewItems::Item(int index) const
{
    QTreeWidgetItem* item = Child(index);
    if (!item) return nullptr;
    QPointer<TViewItem>& handle = handles_[item];
    if (!handle || handle->Item() != item) handle = MakeHandle(item);
    return handle;
}

QList<QObject*> TViewItems::Items() const
{
    QList<QObject*> items;
    for (int i = 0; i < Count(); ++i)
        items.append(Item(i));
    return items;
}

void TViewItems::ClearItems()
{
    qDeleteAll(findChildren<TViewItem*>(Qt::FindDirectChildrenOnly));
    handles_.clear();
    if (topLevel_)
        view_.clear();
    else if (QTreeWidgetItem* parent = ParentItem())
        qDeleteAll(parent->takeChildren());
}

QObject* TViewItems::AddItem()
{
    QTreeWidgetItem* parent = ParentItem();
    if (!topLevel_ && !parent) throw std::logic_error("the item these items were under is gone");
    QTreeWidgetItem* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&view_);
    return handles_[item] = MakeHandle(item);
}

QString TListItem::Caption() const
{
    return Item() ? Item()->text(0) : QString();
}

void TListItem::SetCaption(const QString& caption)
{
    if (Item()) Item()->setText(0, caption);
}

// Up to the last one that is not empty.
QStringList TListItem::SubItems() const
{
    QStringList texts;
    if (const QTreeWidgetItem* item = Item())
        for (int column = 1; column < item->columnCount(); ++column)
            texts << item->text(column);
    while (!texts.isEmpty() && texts.last().isEmpty()) texts.removeLast();
    return texts;
}

void TListItem::SetSubItems(const QStringList& texts)
{
    QTreeWidgetItem* item = Item();
    if (!item) return;
    const int columns = std::max<int>(item->columnCount(), texts.size() + 1);
    for (int column = 1; column < columns; ++column)
        item->setText(column, texts.value(column - 1));
}

bool TListItem::Checked() const
{
    return Item() && Item()->checkState(0) == Qt::Checked;
}

// An item shows a check box once it has been checked.
void TListItem::SetChecked(bool on)
{
    QTreeWidgetItem* item = Item();
    if (!item || (!on && item->data(0, Qt::CheckStateRole).isNull())) return;
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
}

TViewItem* TListItems::MakeHandle(QTreeWidgetItem* item) const
{
    return new TListItem(item, const_cast<TListItems*>(this));
}

TTreeNode::TTreeNode(QTreeWidgetItem* item, QObject* parent)
    : TViewItem(item, parent), children_(new TTreeNodes(*item->treeWidget(), this))
{
}

QString TTreeNode::Text() const
{
    return Item() ? Item()->text(0) : QString();
}

void TTreeNode::SetText(const QString& text)
{
    if (Item()) Item()->setText(0, text);
}

bool TTreeNode::Expanded() const
{
    return Item() && Item()->isExpanded();
}

void TTreeNode::SetExpanded(bool on)
{
    if (Item()) Item()->setExpanded(on);
}

TViewItem* TTreeNodes::MakeHandle(QTreeWidgetItem* item) const
{
    return new TTreeNode(item, const_cast<TTreeNodes*>(this));
}

TCustomListView::TCustomListView(QObject* owner, QWidget* parent)
    : QTreeWidget(parent), TNativeControl(*this, owner), TItemImages(static_cast<QTreeWidget&>(*this)),
      items_(new TListItems(*this, nullptr))
{
    resize(250, 150);
    setRootIsDecorated(false);
    header()->setDefaultSectionSize(ColumnWidth);
    SetViewStyle(vsIcon);
}

void TCustomListView::SetColumns(const QStringList& captions)
{
    columns_ = captions;
    setColumnCount(std::max<int>(captions.size(), 1));
    setHeaderLabels(captions);
}

void TCustomListView::SetViewStyle(TViewStyle style)
{
    viewStyle_ = style;
    header()->setVisible(style == vsReport);
}

QTreeWidgetItem* TCustomListView::AddItem(const QString& caption, const QStringList& subItems)
{
    return new QTreeWidgetItem(this, QStringList{caption} + subItems);
}

TCustomTreeView::TCustomTreeView(QObject* owner, QWidget* parent)
    : QTreeWidget(parent), TNativeControl(*this, owner), TItemImages(static_cast<QTreeWidget&>(*this)),
      items_(new TTreeNodes(*this, nullptr))
{
    resize(121, 97);
    header()->hide();
    SetReadOnly(false);
}

QTreeWidgetItem* TCustomTreeView::AddChild(QTreeWidgetItem* parent, const QString& text)
{
    return parent ? new QTreeWidgetItem(parent, QStringList{text}) : new QTreeWidgetItem(this, QStringList{text});
}

bool TCustomListBox::event(QEvent* event)
{
    const bool handled = TControlEvents<TCustomListBox>::DispatchScrollArea(*this, event, [this](QEvent* e) { return QListWidget::event(e); });
    PaintBand(*event);
    return handled;
}

bool TCustomListBox::viewportEvent(QEvent* event)
{
    return TControlEvents<TCustomListBox>::DispatchViewport(*this, event, [this](QEvent* e) { return QListWidget::viewportEvent(e); });
}

bool TCustomListView::event(QEvent* event)
{
    const bool handled = TControlEvents<TCustomListView>::DispatchScrollArea(*this, event, [this](QEvent* e) { return QTreeWidget::event(e); });
    PaintBand(*event);
    return handled;
}

bool TCustomListView::viewportEvent(QEvent* event)
{
    return TControlEvents<TCustomListView>::DispatchViewport(*this, event, [this](QEvent* e) { return QTreeWidget::viewportEvent(e); });
}

bool TCustomTreeView::event(QEvent* event)
{
    const bool handled = TControlEvents<TCustomTreeView>::DispatchScrollArea(*this, event, [this](QEvent* e) { return QTreeWidget::event(e); });
    PaintBand(*event);
    return handled;
}

bool TCustomTreeView::viewportEvent(QEvent* event)
{
    return TControlEvents<TCustomTreeView>::DispatchViewport(*this, event, [this](QEvent* e) { return QTreeWidget::viewportEvent(e); });
}

} // namespace toolkit
