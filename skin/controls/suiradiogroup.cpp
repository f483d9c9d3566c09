#include "skin/controls/suiradiogroup.h"

#include "skin/buttons/suicheckbox.h"
#include "skin/buttons/suiradiobutton.h"
#include "toolkit/layoutregistry.h"

#include <algorithm>
#include <stdexcept>

using namespace toolkit;

TsuiCheckGroup::TsuiCheckGroup(QObject* owner, QWidget* parent) : TsuiCustomGroupBox(owner, parent)
{
    connect(&items_, &TStringList::OnChange, this, &TsuiCheckGroup::ItemsChanged);
    SetCaption(QStringLiteral("suiCheckGroup"));
    SetUIStyle(GetSUIFormStyle(owner));
    SetTransparent(false);
    SetParentColor(true);
}

TsuiCheckGroup::~TsuiCheckGroup() = default;

void TsuiCheckGroup::SetUIStyle(TsuiUIStyle style)
{
    const bool changed = uiStyle_ != style;
    uiStyle_ = style;
    UpdateUIStyle(style);
    for (TsuiCheckBox* button : buttons_) {
        button->SetUIStyle(style);
        button->SetColor(Color());
    }
    Invalidate();
    if (changed) emit UIStyleSwitched();
}

// Custom is no theme: the group keeps its colours.
void TsuiCheckGroup::UpdateUIStyle(TsuiUIStyle style)
{
    if (style == TsuiUIStyle::Custom) return;
    SetBorderColor(GetThemeColor(style, teControlBorderColor));
    Font()->SetColor(GetThemeColor(style, teControlFontColor));
    if (!ParentColor()) SetColor(GetThemeColor(style, teControlColor));
}

void TsuiCheckGroup::SetTransparent(bool on)
{
    TsuiCustomGroupBox::SetTransparent(on);
    for (TsuiCheckBox* button : buttons_)
        button->SetTransparent(on);
}

void TsuiCheckGroup::SetColumns(int columns)
{
    if (columns < 0) return;
    columns_ = columns;
    ArrangeButtons();
}

void TsuiCheckGroup::SetTopMargin(int margin)
{
    if (margin < 0) return;
    topMargin_ = margin;
    ArrangeButtons();
}

bool TsuiCheckGroup::Checked(int index) const
{
    return index >= 0 && index < ItemCount() && buttons_[index]->Checked();
}

void TsuiCheckGroup::SetChecked(int index, bool on)
{
    if (index < 0 || index >= ItemCount())
        throw std::out_of_range("list index out of bounds (" + std::to_string(index) + ")");
    buttons_[index]->SetChecked(on);
}

TsuiCheckBox* TsuiCheckGroup::CreateAButton()
{
    return new TsuiCheckBox(this, this);
}

// Buttons follow the lines: surplus ones go from the end, missing ones are
// appended, then every button takes its line's caption and its place.
void TsuiCheckGroup::ItemsChanged()
{
    while (ItemCount() > items_.Count())
        RemoveLastItemButton();
    while (ItemCount() < items_.Count())
        buttons_.push_back(NewItemButton());
    for (int i = 0; i < ItemCount(); ++i)
        buttons_[i]->SetCaption(items_[i]);
    ArrangeButtons();
}

// The buttons belong to the group, which makes them again from Items when it
// is read, so a layout never stores them.
TsuiCheckBox* TsuiCheckGroup::NewItemButton()
{
    TsuiCheckBox* button = CreateAButton();
    MarkInternal(button);
    button->FSetAutoSize(true);
    button->SetUIStyle(uiStyle_);
    button->SetTransparent(Transparent());
    button->SetParentColor(true);
    connect(button, &TCustomControl::OnClick, this, &TsuiCheckGroup::Click);
    button->show();
    return button;
}

// The button may be the one whose click handler changed the items: it goes
// once its click has returned.
void TsuiCheckGroup::RemoveLastItemButton()
{
    TsuiCheckBox* button = buttons_.back();
    buttons_.pop_back();
    button->disconnect(this);
    button->hide();
    button->deleteLater();
}

std::vector<TPoint> TsuiCheckGroup::ItemPlaces() const
{
    const int count = ItemCount();
    if (count == 0) return {};
    const int columns = std::max(1, columns_);
    const TRect content = GetClient();
    const int top = content.Top + topMargin_;
    const int height = content.Bottom - top;
    const int rows = (count - 1) / columns + 1; // rounded up, without overflow for any Columns
    const int columnWidth = (width() - 10) / columns;
    const int rowHeight = height / rows;
    const int firstRow = height % rows / 2 + top;
    std::vector<TPoint> places;
    places.reserve(count);
    for (int i = 0; i < count; ++i)
        places.push_back(Point(i / rows * columnWidth + 8, i % rows * rowHeight + firstRow));
    return places;
}

// One repaint of the group for all the moves, not one per button.
void TsuiCheckGroup::ArrangeButtons()
{
    const std::vector<TPoint> places = ItemPlaces();
    const bool updating = updatesEnabled();
    setUpdatesEnabled(false);
    for (std::size_t i = 0; i < places.size(); ++i)
        buttons_[i]->move(places[i].X, places[i].Y);
    setUpdatesEnabled(updating);
}

// The content area starts below the caption's font.
void TsuiCheckGroup::FontChanged()
{
    TsuiCustomGroupBox::FontChanged();
    ArrangeButtons();
}

void TsuiCheckGroup::resizeEvent(QResizeEvent* event)
{
    TsuiCustomGroupBox::resizeEvent(event);
    ArrangeButtons();
}

// ---- TsuiRadioGroup ----------------------------------------------------------

TsuiRadioGroup::TsuiRadioGroup(QObject* owner, QWidget* parent) : TsuiCheckGroup(owner, parent)
{
    SetCaption(QStringLiteral("suiRadioGroup"));
    // After the group has made or removed its buttons.
    connect(Items(), &TStringList::OnChange, this, &TsuiRadioGroup::AnnounceItemIndex);
}

TsuiCheckBox* TsuiRadioGroup::CreateAButton()
{
    auto* button = new TsuiRadioButton(this, this);
    connect(button, &TsuiCustomButtonEx::CheckedChanged, this, &TsuiRadioGroup::AnnounceItemIndex);
    return button;
}

// A click moves the check in two steps (the new item checked, then the old
// one unchecked); the index is announced once, as soon as it differs.
void TsuiRadioGroup::AnnounceItemIndex()
{
    const int index = ItemIndex();
    if (index == announcedIndex_) return;
    announcedIndex_ = index;
    emit ItemIndexChanged();
}

int TsuiRadioGroup::ItemIndex() const
{
    for (int i = 0; i < ItemCount(); ++i)
        if (Checked(i)) return i;
    return -1;
}

// Checking one radio button unchecks the others of the group.
void TsuiRadioGroup::SetItemIndex(int index)
{
    if (index < -1 || index >= Items()->Count()) return;
    if (index >= 0) return SetChecked(index, true);
    for (int i = 0; i < ItemCount(); ++i)
        SetChecked(i, false);
}
