#include "toolkit/lists.h"

#include <QHeaderView>
#include <QMetaMethod>
#include <QPaintEvent>
#include <QPainter>
#include <QStyledItemDelegate>

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
    for (int index = 0; index < count(); ++index)
        if (const TRect rect = ItemRect(index); rect.toQRect().intersects(image.rect())) PaintItem(canvas, index);
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

TCustomListView::TCustomListView(QObject* owner, QWidget* parent) : QTreeWidget(parent), TNativeControl(*this, owner)
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

TCustomTreeView::TCustomTreeView(QObject* owner, QWidget* parent) : QTreeWidget(parent), TNativeControl(*this, owner)
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
    if (event->type() == QEvent::FontChange) ApplyIntegralHeight();
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
