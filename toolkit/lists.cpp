#include "toolkit/lists.h"

#include <QHeaderView>

namespace toolkit {

TCustomListBox::TCustomListBox(QObject* owner, QWidget* parent) : QListWidget(parent), TNativeControl(*this, owner)
{
    resize(121, 97);
    setUniformItemSizes(true);
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
