#pragma once
// The toolkit's combo box on QComboBox: the classic styles (simple, drop-down,
// drop-down list, owner-drawn with fixed or variable item heights), items as
// a string list whose entries carry an object value, and item drawing and
// measuring hooks on a canvas.
//
// The closed box paints itself through the canvas (sunken edge, field,
// button) from one geometry (FieldRect, ButtonRect), which the box also
// hands to Qt, so the edit of an editable box and the pointer's hit test sit
// where the picture shows them. The list paints each item through DrawItem.
// Qt's model keeps a copy of the items, so its accessibility (a combo box
// with its current text and list items) works unchanged.

#include "toolkit/canvas.h"
#include "toolkit/component.h"
#include "toolkit/controlevents.h"
#include "toolkit/graphics.h"
#include "toolkit/stringlist.h"
#include "toolkit/types.h"

#include <QComboBox>
#include <QPointer>

namespace toolkit {

namespace combobox_meta {
Q_NAMESPACE
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
Q_ENUM_NS(TComboBoxStyle)
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
Q_ENUM_NS(TEditCharCase)
} // namespace combobox_meta

using TComboBoxStyle = combobox_meta::TComboBoxStyle;
using enum combobox_meta::TComboBoxStyle;
using TEditCharCase = combobox_meta::TEditCharCase;
using enum combobox_meta::TEditCharCase;


// Who draws the items: the box itself, or DrawItem at one height for all
// items, or at the height MeasureItem gives each.
enum class TItemDrawing { Plain, OwnerFixed, OwnerVariable };

/// The toolkit combo box: items as a string list, Style (drop-down, drop-down list, owner-drawn), ItemIndex,
/// Text, OnChange.
class TCustomComboBox : public QComboBox, public TComponent, public TControlProperties {
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    // The height follows the font and the item height; a stored one is ignored.
    Q_PROPERTY(int Height READ height WRITE SetHeight STORED false)
    Q_PROPERTY(toolkit::combobox_meta::TComboBoxStyle Style READ Style WRITE SetStyle DESIGNABLE false)
    Q_PROPERTY(toolkit::TStringList* Items READ Items DESIGNABLE false)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY ItemIndexChanged DESIGNABLE false)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight DESIGNABLE false)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount DESIGNABLE false)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted DESIGNABLE false)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength DESIGNABLE false)
    Q_PROPERTY(toolkit::combobox_meta::TEditCharCase CharCase READ CharCase WRITE SetCharCase DESIGNABLE false)
    Q_PROPERTY(QString Text READ Text WRITE SetText NOTIFY TextChanged DESIGNABLE false)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor DESIGNABLE false)
    Q_PROPERTY(toolkit::TFont* Font READ Font DESIGNABLE false)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled DESIGNABLE false)

public:
    // The drop-down button's width, inside the two-pixel edge.
    static constexpr int ButtonWidth = 16;

    explicit TCustomComboBox(QObject* owner, QWidget* parent = nullptr);
    ~TCustomComboBox() override;

    QObject* Owner() const { return owner_; }

    // The height follows the font and the item height.
    void SetHeight(int) {}
    TRect ClientRect() const { return Rect(0, 0, width(), height()); }

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    TStringList* Items() { return &items_; }
    const TStringList* Items() const { return &items_; }
    // -1: nothing selected. Setting an index outside the list selects nothing.
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    // Owner-drawn: the height given (16 until set); otherwise the font's.
    int ItemHeight() const;
    void SetItemHeight(int height);
    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int count) { setMaxVisibleItems(count); }
    bool Sorted() const { return items_.Sorted(); }
    void SetSorted(bool on) { items_.SetSorted(on); }
    // 0: no limit. Applies to the edit of the editable styles.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    // The field and the list show every letter in this case, and what the
    // user types takes it; Items keep the texts as given.
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase charCase);
    QString Cased(const QString& text) const;
    // The edit's text, or the selected item's. Setting it on a drop-down
    // list selects the item of that text, whatever its letter case.
    QString Text() const { return currentText(); }
    void SetText(const QString& text);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFont* Font() { return &font_; }
    const TFont& Font() const { return font_; }

    bool IsEditable() const { return style_ == csDropDown || style_ == csSimple; }
    bool DroppedDown() const;
    // The item of that text without regard to letter case, or -1.
    int FindItem(const QString& text) const;

    // Parts of the closed box, in its own coordinates. A simple box has no
    // button: its rectangle is empty and the field runs to the edge.
    TRect ButtonRect() const;
    TRect FieldRect() const;

    // The closed box as Paint draws it (the edit of an editable box is a
    // child widget and not part of it).
    QImage RenderToImage() { return Render(nullptr); }
    // Where the last paint on a denser screen drew text at the screen's
    // resolution; empty at a ratio of 1.
    QList<QRect> SharpTextAreas() const { return TextAreas(pictureText_); }
    void Invalidate() { update(); }
    void Repaint() { repaint(); }

    void showPopup() override;

signals:
    // ItemIndex and Text changed, however (QComboBox's signals, for NOTIFY).
    void ItemIndexChanged();
    void TextChanged();
    void OnChange();
    void OnClick();
    void OnDropDown();
    void OnCloseUp();
    // With a handler connected, owner-drawn items are drawn by it.
    void OnDrawItem(toolkit::TCanvas* canvas, int index, toolkit::TRect rect, uint state);
    void OnMeasureItem(int index, int* height);
    // An editable box's keys go to its edit.
    TOOLKIT_CONTROL_EVENTS

protected:
    bool event(QEvent* event) override;
    void StartDrag() override { TControlEvents<TCustomComboBox>::StartDrag(*this); }
    // The user changed the text or picked an item: raises OnChange.
    virtual void Change();
    // The user picked an item (before Change): raises OnClick.
    virtual void Click();
    virtual void DropDown();
    // The list closed, however it was closed.
    virtual void CloseUp();
    // One item on a canvas already holding the item's font and brush (the
    // highlight for a selected item); index -1 is an empty field. By default
    // the handler of OnDrawItem, or the item's text.
    virtual void DrawItem(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state);
    // Owner-drawn with variable heights: by default OnMeasureItem's answer.
    virtual void MeasureItem(int index, int& height);
    virtual TItemDrawing ItemDrawing() const;
    // The whole closed box; the canvas starts filled with Color.
    virtual void Paint(TCanvas& canvas);
    virtual void FontChanged() {}
    // Reapplies the style's edit mode, item drawing and height.
    void ApplyStyle();
    void UpdateHeight();

    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    template <typename Handler> bool Guarded(Handler&& handler)
    {
        const QPointer<TCustomComboBox> alive(this);
        handler();
        return !alive.isNull();
    }

private:
    friend class ComboItemPainter;
    // One list item into the popup's painter, through DrawItem.
    void PaintListItem(QPainter& painter, const QRect& rect, int index, bool selected);
    int ListItemHeight(int index);
    void DrawItemInState(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state);
    void PaintSystemButton(TCanvas& canvas, const TRect& rect) const;
    // The closed box, its text kept apart in `text` when given.
    QImage Render(TTextLayer* text);
    void ItemsInserted(int index);
    void ItemsEntryChanged(int index);
    void ItemsReset();
    void UserPicked();
    void UserEdited();
    void ApplyFont();
    void ApplyColors();
    int EditLimit() const;

    QPointer<QObject> owner_;
    TStringList items_;
    TFont font_;
    TComboBoxStyle style_ = csDropDown;
    TColor color_ = clWindow;
    int itemHeight_ = 16;
    int maxLength_ = 0;
    TEditCharCase charCase_ = ecNormal;
    bool watchingPopup_ = false;
    // On a denser screen the field's text, drawn over the enlarged picture.
    TTextLayer pictureText_;
};

/// The toolkit's combo box as a stored control.
class TComboBox : public TCustomComboBox {
    Q_OBJECT
    Q_PROPERTY(toolkit::combobox_meta::TComboBoxStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(toolkit::TStringList* Items READ Items)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY ItemIndexChanged)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(QString Text READ Text WRITE SetText NOTIFY TextChanged)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::combobox_meta::TEditCharCase CharCase READ CharCase WRITE SetCharCase)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES

public:
    using TCustomComboBox::TCustomComboBox;
};

} // namespace toolkit
