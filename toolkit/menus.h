#pragma once
// Main and pop-up menus as stored components. Items are TMenuItems nested as
// the layout nests them; they are shown as real QMenus, so Qt's keyboard
// handling and accessibility come with them. A menu may draw its items itself
// through one drawing hook (TMenuDrawer); the popups then ask it for every
// item's size and picture and for their frame.

#include "toolkit/actions.h"
#include "toolkit/component.h"
#include "toolkit/imagelist.h"
#include "toolkit/types.h"

#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class QAction;
class QShortcut;

namespace toolkit {

class TCanvas;
class TMenu;
class TMenuItem;
class TMenuPopup;

// A shortcut in the classic encoding: the virtual key code in the low byte,
// plus modifier bits.
enum : int { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };
QKeySequence ShortCutToKeySequence(int shortCut);
// "Ctrl+O", "Shift+F5"; empty for none or a key without a name.
QString ShortCutToText(int shortCut);
int TextToShortCut(const QString& text);

/// Draws and measures the items of a menu's popups.
class TMenuDrawer {
public:
    virtual ~TMenuDrawer() = default;
    virtual void MeasureItem(TMenuItem* item, TCanvas& canvas, int& width, int& height) = 0;
    // The canvas is the item's own picture; rect is the item within it.
    virtual void DrawItem(TMenuItem* item, TCanvas& canvas, const TRect& rect, bool selected) = 0;
    // Width of the popup's frame, or -1 to keep the style's frame.
    virtual int PopupFrameWidth() const { return -1; }
    // Draws the frame over the popup's whole rectangle after its items (on a
    // transparent canvas); called only when PopupFrameWidth() is not -1.
    virtual void DrawPopupFrame(TCanvas& canvas, const TRect& rect) { Q_UNUSED(canvas); Q_UNUSED(rect); }
};

/// What menus and items have in common: an ordered list of sub-items (their
/// QObject children) and the popup that shows them.
class TMenuNode : public QObject, public TComponent {
    Q_OBJECT
public:
    explicit TMenuNode(QObject* parent = nullptr);
    ~TMenuNode() override;

    QList<TMenuItem*> Items() const;
    int Count() const { return int(Items().size()); }
    TMenuItem* Item(int index) const { return Items().value(index); }
    int IndexOf(const TMenuItem* item) const { return int(Items().indexOf(const_cast<TMenuItem*>(item))); }
    // Takes the item over (from any other parent) at the end or at index.
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);

    // The menu this node belongs to, or null.
    virtual TMenu* Menu() const = 0;
    // The popup showing the visible sub-items, built on first use and brought
    // up to date each time it opens.
    QMenu* Popup();

protected:
    // The list of sub-items changed; the default tells the menu.
    virtual void StructureChanged();
    void childEvent(QChildEvent* event) override;

private:
    friend class TMenuItem;
    std::unique_ptr<TMenuPopup> popup_;
};

/// One menu item: Caption, ShortCut, Checked, RadioItem, Enabled, Visible, ImageIndex, OnClick, nested items.
class TMenuItem : public TMenuNode {
    Q_OBJECT
    Q_PROPERTY(toolkit::TAction* Action READ Action WRITE SetAction)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(int ShortCut READ ShortCut WRITE SetShortCut)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    explicit TMenuItem(QObject* parent = nullptr);
    ~TMenuItem() override;

    QString Caption() const { return caption_; }
    bool Checked() const { return checked_; }
    bool Default() const { return default_; }
    bool Enabled() const { return enabled_; }
    int ImageIndex() const { return imageIndex_; }
    int ShortCut() const { return shortCut_; }
    bool Visible() const { return visible_; }
    // A caption of exactly "-" makes the item a separator.
    bool IsLine() const { return caption_ == QLatin1String("-"); }

    void SetCaption(const QString& caption);
    void SetChecked(bool on);
    void SetDefault(bool on);
    void SetEnabled(bool on);
    void SetImageIndex(int index);
    void SetShortCut(int shortCut);
    void SetVisible(bool on);

    TMenuNode* ParentNode() const { return qobject_cast<TMenuNode*>(parent()); }
    TMenu* Menu() const override;
    // The item shows the action's caption, state, shortcut and image, and
    // a click runs it; the action binds the shortcut.
    TAction* Action() const { return actionLink_.Action(); }
    void SetAction(TAction* action);

    // The Qt action that stands for the item in its parent's popup.
    QAction* MenuAction();
    // Raises OnClick, or without a handler runs the Action; an item with
    // sub-items only opens them.
    void Click();

signals:
    void OnClick();

private:
    friend class TMenu;
    void Changed();
    void SyncAction();
    void ActionChange(TAction& action);

    QString caption_;
    bool checked_ = false;
    bool default_ = false;
    bool enabled_ = true;
    int imageIndex_ = -1;
    int shortCut_ = 0;
    bool visible_ = true;
    QAction* action_ = nullptr;
    TActionLink actionLink_;
};

/// The base of the main and pop-up menus: the items, their images and their owner-drawn look.
class TMenu : public TMenuNode {
    Q_OBJECT
    Q_PROPERTY(toolkit::TImageList* Images READ Images WRITE SetImages)

public:
    explicit TMenu(QObject* parent = nullptr);
    ~TMenu() override;

    TMenu* Menu() const override { return const_cast<TMenu*>(this); }
    // The widget the menu belongs to (its owner form), or null.
    QWidget* Window() const { return qobject_cast<QWidget*>(parent()); }

    virtual TImageList* Images() const { return images_; }
    virtual void SetImages(TImageList* images);

    TMenuDrawer* Drawer() const { return drawer_; }
    void SetDrawer(TMenuDrawer* drawer) { drawer_ = drawer; }

    // The enabled, visible item (its parents enabled and visible too) whose
    // shortcut the key is, or null.
    TMenuItem* FindShortCut(const QKeySequence& key) const;
    // Clicks that item; returns whether there was one.
    bool IsShortCut(const QKeySequence& key);

    void Loaded() override;

    // Any change of an item (source) or, with rebuild, of the item tree.
    virtual void MenuChanged(TMenuItem* source, bool rebuild);

signals:
    void OnChange(toolkit::TMenuItem* source, bool rebuild);

protected:
    // Whether the items' shortcuts work in the owner window.
    virtual bool BindsShortCuts() const { return false; }

private:
    void RebindShortCuts();

    QPointer<TImageList> images_;
    TMenuDrawer* drawer_ = nullptr;
    // Children of the window, which may go first.
    std::vector<QPointer<QShortcut>> shortCuts_;
};

/// The menu of a window: its top-level items are what a menu bar shows, and
/// the items' shortcuts work while that window is active (only that window).
class TMainMenu : public TMenu {
    Q_OBJECT
public:
    using TMenu::TMenu;

protected:
    bool BindsShortCuts() const override { return true; }
};

/// A menu that pops up where asked, drawn like the window's main menu; its
/// items' shortcuts work while the owner's window is active.
class TPopupMenu : public TMenu {
    Q_OBJECT
public:
    using TMenu::TMenu;
    void PopupAt(const QPoint& globalPos);

protected:
    bool BindsShortCuts() const override { return true; }

private:
    // The main menu whose drawer the popup borrows, when it has none of its own.
    QPointer<TMainMenu> lookOf_;
};

} // namespace toolkit
