#pragma once
// A tool bar: a row (or rows, when it wraps) of tool buttons with images from
// an image list, optional hot images and captions, and custom-draw hooks for
// the bar and for each button that can leave the default drawing out. A
// button linked to a menu item drops that item's sub-menu, which makes a tool
// bar a menu bar.

#include "toolkit/actions.h"
#include "toolkit/accessible.h"
#include "toolkit/control.h"
#include "toolkit/imagelist.h"
#include "toolkit/menus.h"

#include <QFlags>
#include <QPointer>
#include <QToolButton>

namespace toolkit {

class TToolBar;

namespace toolbar_meta {
Q_NAMESPACE
enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
Q_ENUM_NS(TToolButtonStyle)
} // namespace toolbar_meta

using TToolButtonStyle = toolbar_meta::TToolButtonStyle;
using enum toolbar_meta::TToolButtonStyle;

// A button's state as its custom drawing sees it.
enum TCustomDrawStateFlag { cdsSelected = 0x1, cdsDisabled = 0x4, cdsChecked = 0x8, cdsHot = 0x40 };
Q_DECLARE_FLAGS(TCustomDrawState, TCustomDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TCustomDrawState)

/// Hot, pressed and checked are Qt's own button states: hot while the pointer
/// is over an enabled button, selected while it is held down or its menu is
/// open, checked for a check button that is down.
/// Assistive technology sees a button linked to a menu item as a menu item.
/// It takes no focus, so its key and focus events never fire.
class TToolButton : public QToolButton, public TComponent, public AccessibleButton, public TControlProperties {
    Q_OBJECT
    Q_PROPERTY(toolkit::TAction* Action READ Action WRITE SetAction)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(toolkit::TPopupMenu* DropdownMenu READ DropdownMenu WRITE SetDropdownMenu)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Grouped READ Grouped WRITE SetGrouped)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(toolkit::TMenuItem* MenuItem READ MenuItem WRITE SetMenuItem)
    Q_PROPERTY(toolkit::toolbar_meta::TToolButtonStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(bool Wrap READ Wrap WRITE SetWrap)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES

public:
    // The arrow part of a drop-down button, beside its face.
    static constexpr int ArrowWidth = 14;

    explicit TToolButton(QWidget* parent = nullptr);

    TToolBar* ToolBar() const;

    bool AutoSize() const { return autoSize_; }
    QString Caption() const { return text(); }
    // A check button's checked state.
    bool Down() const { return isChecked(); }
    bool Grouped() const { return grouped_; }
    int ImageIndex() const { return imageIndex_; }
    TMenuItem* MenuItem() const { return menuItem_; }
    TToolButtonStyle Style() const { return style_; }
    bool Wrap() const { return wrap_; }
    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    // A separator or a divider: room between buttons that takes no clicks.
    bool IsSpacer() const { return style_ == tbsSeparator || style_ == tbsDivider; }
    // The arrow part of a drop-down button (empty for other styles), in the
    // button's own coordinates.
    TRect ArrowRect() const;

    void SetAutoSize(bool on);
    void SetCaption(const QString& caption);
    // Kept until the button is a check button, whichever is set first.
    void SetDown(bool on);
    // Consecutive grouped check buttons are exclusive.
    void SetGrouped(bool on);
    void SetImageIndex(int index);
    // Takes the item's caption and enabled state; a click drops its sub-menu,
    // or clicks the item when it has none.
    void SetMenuItem(TMenuItem* item);
    // tbsDropDown adds an arrow part that drops the DropdownMenu; the face
    // still clicks. tbsSeparator is blank room, tbsDivider room with an
    // etched line; neither takes clicks.
    void SetStyle(TToolButtonStyle style);
    void SetWrap(bool on);
    void SetDropdownMenu(TPopupMenu* menu) { dropdownMenu_ = menu; }
    // The button shows the action's caption, hint, state and image, and a
    // click runs it unless OnClick has a handler. The action binds its
    // shortcut itself: a key bound twice in one window would fire neither.
    TAction* Action() const { return actionLink_.Action(); }
    void SetAction(TAction* action);

    TCustomDrawState DrawState() const;
    // Where the last paint on a denser screen drew the caption at the
    // screen's resolution; empty at a ratio of 1.
    QList<QRect> SharpTextAreas() const { return TextAreas(captionText_); }

    QAccessible::Role AccessibleRole() const override
    {
        return menuItem_ ? QAccessible::MenuItem : QAccessible::Button;
    }
    QString AccessibleCaption() const override { return text(); }
    bool AccessiblePressed() const override { return DrawState() & cdsSelected; }
    bool AccessibleCheckable() const override { return isCheckable(); }
    bool AccessibleChecked() const override { return isChecked(); }
    void AccessiblePress() override { click(); }
    // Drops the linked item's sub-menu under the button; the button shows
    // selected while it is open.
    void DropDown();
    // Drops the DropdownMenu under the button; the button shows selected
    // while it is open.
    void DropDownArrow();

signals:
    void OnClick();
    TOOLKIT_CONTROL_EVENTS

protected:
    bool event(QEvent* event) override;
    void StartDrag() override { TControlEvents<TToolButton>::StartDrag(*this); }
    // While its menu is open: Left and Right move to the neighbouring menu,
    // and a press on this button closes the menu without opening it again.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Relayout();
    void Clicked();
    // The next button with a menu to drop, to the right or to the left.
    TToolButton* NeighbourMenuButton(int step) const;
    // Shows the button selected until the menu hides.
    void HoldOpen(QMenu* popup);
    void ActionChange(TAction& action);

    bool autoSize_ = false;
    bool grouped_ = false;
    int imageIndex_ = -1;
    QPointer<TMenuItem> menuItem_;
    QPointer<TPopupMenu> dropdownMenu_;
    TActionLink actionLink_;
    TToolButtonStyle style_ = tbsButton;
    bool wrap_ = false;
    bool down_ = false;
    bool menuOpen_ = false;
    // On a denser screen the caption, drawn over the enlarged picture.
    TTextLayer captionText_;
};

/// A tool bar: rows of TToolButtons with images, hot images and captions, wrapping, custom-draw hooks.
class TToolBar : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(int ButtonHeight READ ButtonHeight WRITE SetButtonHeight)
    Q_PROPERTY(int ButtonWidth READ ButtonWidth WRITE SetButtonWidth)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(toolkit::TImageList* HotImages READ HotImages WRITE SetHotImages)
    Q_PROPERTY(toolkit::TImageList* Images READ Images WRITE SetImages)
    Q_PROPERTY(bool ShowCaptions READ ShowCaptions WRITE SetShowCaptions)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool Wrapable READ Wrapable WRITE SetWrapable)

public:
    static constexpr int SeparatorWidth = 8;

    explicit TToolBar(QObject* owner, QWidget* parent = nullptr);

    int ButtonHeight() const { return buttonHeight_; }
    int ButtonWidth() const { return buttonWidth_; }
    bool Flat() const { return flat_; }
    TImageList* HotImages() const { return hotImages_; }
    TImageList* Images() const { return images_; }
    bool ShowCaptions() const { return showCaptions_; }
    bool Transparent() const { return transparent_; }
    bool Wrapable() const { return wrapable_; }

    void SetButtonHeight(int height);
    void SetButtonWidth(int width);
    void SetFlat(bool on);
    void SetHotImages(TImageList* images);
    void SetImages(TImageList* images);
    void SetShowCaptions(bool on);
    void SetTransparent(bool on);
    void SetWrapable(bool on);

    // A bar of menu items is a menu bar to assistive technology.
    virtual bool IsMenuBar() const { return false; }

    // The buttons in bar order.
    QList<TToolButton*> Buttons() const;
    // Places the buttons in rows; runs on every change that moves them.
    void ArrangeButtons();
    // Repaints the bar and every button.
    void RepaintAll();
    // An open menu holds the pointer, so a button may never hear that the
    // pointer left it; once the menu closes, a button stays hot only where
    // the pointer really is.
    void DropStaleHover();

    // The natural width of a button: its image or caption with a margin.
    int ContentWidth(const TToolButton* button) const;

    // Custom drawing: return false to leave the default drawing out. The
    // button's canvas is its own picture (transparent where nothing is
    // drawn), rect its whole rectangle.
    virtual bool CustomDraw(TCanvas& canvas, const TRect& rect);
    virtual bool CustomDrawButton(TToolButton* button, TCanvas& canvas, const TRect& rect, TCustomDrawState state);
    // The default look of a button: a raised edge when hot (flat bars) and a
    // sunken one when selected or checked, the image centred at the top and
    // the caption under it (centred when there is no image list).
    void DefaultDrawButton(TToolButton* button, TCanvas& canvas, const TRect& rect, TCustomDrawState state);

protected:
    void Paint(TCanvas& canvas) override;
    bool KeepsPicture() const override { return !transparent_; }
    void childEvent(QChildEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void FontChanged() override;

private:
    int buttonHeight_ = 22;
    int buttonWidth_ = 23;
    bool flat_ = false;
    QPointer<TImageList> hotImages_;
    QPointer<TImageList> images_;
    bool showCaptions_ = false;
    bool transparent_ = false;
    bool wrapable_ = true;
};

} // namespace toolkit
