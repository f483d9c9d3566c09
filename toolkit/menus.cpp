#include "toolkit/menus.h"

#include "toolkit/canvas.h"
#include "toolkit/imagelist.h"

#include <QAction>
#include <QApplication>
#include <QChildEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyleOptionMenuItem>

namespace toolkit {

// ---- shortcuts ------------------------------------------------------------------

namespace {

struct KeyName {
    int VirtualKey;
    Qt::Key Key;
};

// Virtual keys that are neither letters, digits nor function keys.
constexpr KeyName NamedKeys[] = {
    {0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab},     {0x0D, Qt::Key_Return}, {0x1B, Qt::Key_Escape},
    {0x20, Qt::Key_Space},     {0x21, Qt::Key_PageUp},  {0x22, Qt::Key_PageDown}, {0x23, Qt::Key_End},
    {0x24, Qt::Key_Home},      {0x25, Qt::Key_Left},    {0x26, Qt::Key_Up},     {0x27, Qt::Key_Right},
    {0x28, Qt::Key_Down},      {0x2D, Qt::Key_Insert},  {0x2E, Qt::Key_Delete},
};

Qt::Key KeyOf(int virtualKey)
{
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return Qt::Key(virtualKey);
    if (virtualKey >= 0x70 && virtualKey <= 0x87) return Qt::Key(Qt::Key_F1 + virtualKey - 0x70);
    for (const KeyName& named : NamedKeys)
        if (named.VirtualKey == virtualKey) return named.Key;
    return Qt::Key_unknown;
}

int VirtualKeyOf(int key)
{
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 0x70 + key - Qt::Key_F1;
    for (const KeyName& named : NamedKeys)
        if (named.Key == key) return named.VirtualKey;
    return 0;
}

} // namespace

QKeySequence ShortCutToKeySequence(int shortCut)
{
    const Qt::Key key = KeyOf(shortCut & 0xFF);
    if (key == Qt::Key_unknown) return {};
    Qt::KeyboardModifiers modifiers;
    if (shortCut & scShift) modifiers |= Qt::ShiftModifier;
    if (shortCut & scCtrl) modifiers |= Qt::ControlModifier;
    if (shortCut & scAlt) modifiers |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(modifiers, key));
}

QString ShortCutToText(int shortCut)
{
    return ShortCutToKeySequence(shortCut).toString(QKeySequence::PortableText);
}

int TextToShortCut(const QString& text)
{
    const QKeySequence sequence(text, QKeySequence::PortableText);
    if (sequence.isEmpty()) return 0;
    const QKeyCombination combination = sequence[0];
    const int virtualKey = VirtualKeyOf(combination.key());
    if (!virtualKey) return 0;
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    return virtualKey | (modifiers & Qt::ShiftModifier ? scShift : 0) | (modifiers & Qt::ControlModifier ? scCtrl : 0) |
           (modifiers & Qt::AltModifier ? scAlt : 0);
}

// ---- the popups -------------------------------------------------------------------

// Hands a menu's item sizes and pictures and its frame to the menu's drawer;
// one instance serves every popup, and a popup whose menu has no drawer gets
// the application style's look.
class TMenuDrawStyle : public QProxyStyle {
public:
    static TMenuDrawStyle* Instance()
    {
        static QPointer<TMenuDrawStyle> instance;
        if (!instance) {
            instance = new TMenuDrawStyle;
            instance->setParent(qApp);
        }
        return instance;
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        TMenuItem* item = ItemOf(option);
        TMenuDrawer* drawer = DrawerOf(widget);
        if (type != CT_MenuItem || !item || !drawer)
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        QImage scratch(1, 1, QImage::Format_RGB32);
        TCanvas canvas(&scratch);
        canvas.Font.AssignQFont(widget->font());
        int width = 0, height = 0;
        drawer->MeasureItem(item, canvas, width, height);
        return {width, height};
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        TMenuItem* item = ItemOf(option);
        TMenuDrawer* drawer = DrawerOf(widget);
        if (element == CE_MenuEmptyArea && drawer) return;
        if (element != CE_MenuItem || !item || !drawer)
            return QProxyStyle::drawControl(element, option, painter, widget);
        // The item draws into a picture of its own: the popup's painter is
        // busy, and the canvas opens painters of its own.
        QImage picture(option->rect.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        TCanvas canvas(&picture);
        canvas.Font.AssignQFont(widget->font());
        TTextLayer text;
        canvas.DeferTextFor(*painter->device(), text);
        drawer->DrawItem(item, canvas, Rect(0, 0, picture.width(), picture.height()),
                         option->state.testFlag(State_Selected));
        DrawPicture(*painter, option->rect.topLeft(), picture, text);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        TMenuDrawer* drawer = DrawerOf(widget);
        if (element != PE_FrameMenu || !drawer || drawer->PopupFrameWidth() < 0)
            return QProxyStyle::drawPrimitive(element, option, painter, widget);
        QImage picture(option->rect.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        TCanvas canvas(&picture);
        drawer->DrawPopupFrame(canvas, Rect(0, 0, picture.width(), picture.height()));
        DrawPicture(*painter, option->rect.topLeft(), picture, {});
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (TMenuDrawer* drawer = DrawerOf(widget)) {
            if (metric == PM_MenuHMargin || metric == PM_MenuVMargin) return 0;
            if (metric == PM_MenuPanelWidth && drawer->PopupFrameWidth() >= 0) return drawer->PopupFrameWidth();
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    static TMenuItem* ItemOf(const QStyleOption* option)
    {
        return option ? qobject_cast<TMenuItem*>(option->styleObject) : nullptr;
    }
    static TMenuDrawer* DrawerOf(const QWidget* widget);
};

// A node's popup. Its actions are the node's visible items' actions, put
// back in order each time it opens, so items added, removed or renamed since
// show as they are.
class TMenuPopup : public QMenu {
public:
    explicit TMenuPopup(TMenuNode* node) : node_(node)
    {
        setStyle(TMenuDrawStyle::Instance());
        connect(this, &QMenu::aboutToShow, this, &TMenuPopup::Sync);
    }

    TMenuNode* Node() const { return node_; }

    void Sync()
    {
        QList<QAction*> wanted;
        for (TMenuItem* item : node_->Items())
            if (item->Visible()) wanted.append(item->MenuAction());
        if (wanted != actions()) {
            for (QAction* action : actions()) removeAction(action);
            addActions(wanted);
        }
    }

protected:
    // The drawing style learns which item an option is for.
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override
    {
        QMenu::initStyleOption(option, action);
        option->styleObject = action->parent();
    }

private:
    TMenuNode* node_;
};

TMenuDrawer* TMenuDrawStyle::DrawerOf(const QWidget* widget)
{
    const auto* popup = dynamic_cast<const TMenuPopup*>(widget);
    TMenu* menu = popup ? popup->Node()->Menu() : nullptr;
    return menu ? menu->Drawer() : nullptr;
}

// ---- nodes ----------------------------------------------------------------------------

TMenuNode::TMenuNode(QObject* parent) : QObject(parent) {}

TMenuNode::~TMenuNode() = default;

QList<TMenuItem*> TMenuNode::Items() const
{
    return findChildren<TMenuItem*>(Qt::FindDirectChildrenOnly);
}

void TMenuNode::Add(TMenuItem* item)
{
    item->setParent(this);
}

// QObject children keep the order they joined in, so the items after the
// new one join again behind it.
void TMenuNode::Insert(int index, TMenuItem* item)
{
    const QList<TMenuItem*> after = Items().mid(std::max(index, 0));
    item->setParent(this);
    for (TMenuItem* later : after)
        if (later != item) {
            later->setParent(nullptr);
            later->setParent(this);
        }
}

QMenu* TMenuNode::Popup()
{
    if (!popup_) {
        popup_ = std::make_unique<TMenuPopup>(this);
        popup_->Sync();
    }
    return popup_.get();
}

void TMenuNode::StructureChanged()
{
    if (popup_ && popup_->isVisible()) popup_->Sync();
    if (TMenu* menu = Menu()) menu->MenuChanged(nullptr, true);
}

// Items joining by construction report themselves (they are not items yet
// here); reparented ones and leaving ones are seen here.
void TMenuNode::childEvent(QChildEvent* event)
{
    if ((event->added() && qobject_cast<TMenuItem*>(event->child())) || event->removed()) StructureChanged();
    QObject::childEvent(event);
}

// ---- items -------------------------------------------------------------------------------

TMenuItem::TMenuItem(QObject* parent) : TMenuNode(parent)
{
    if (auto* node = qobject_cast<TMenuNode*>(parent)) node->StructureChanged();
}

TMenuItem::~TMenuItem() = default;

TMenu* TMenuItem::Menu() const
{
    const TMenuNode* node = ParentNode();
    return node ? node->Menu() : nullptr;
}

void TMenuItem::SetCaption(const QString& caption)
{
    if (caption == caption_) return;
    const bool wasLine = IsLine();
    caption_ = caption;
    Changed();
    if (wasLine != IsLine()) StructureChanged();
}

void TMenuItem::SetChecked(bool on)
{
    if (on == checked_) return;
    checked_ = on;
    Changed();
}

void TMenuItem::SetDefault(bool on)
{
    if (on == default_) return;
    default_ = on;
    Changed();
}

void TMenuItem::SetEnabled(bool on)
{
    if (on == enabled_) return;
    enabled_ = on;
    Changed();
}

void TMenuItem::SetImageIndex(int index)
{
    if (index == imageIndex_) return;
    imageIndex_ = index;
    Changed();
}

void TMenuItem::SetShortCut(int shortCut)
{
    if (shortCut == shortCut_) return;
    shortCut_ = shortCut;
    Changed();
}

// Showing or hiding an item changes what its parent's popup lists.
void TMenuItem::SetVisible(bool on)
{
    if (on == visible_) return;
    visible_ = on;
    Changed();
    if (TMenuNode* node = ParentNode()) node->StructureChanged();
}

void TMenuItem::Changed()
{
    if (action_) SyncAction();
    if (TMenu* menu = Menu()) menu->MenuChanged(this, false);
}

QAction* TMenuItem::MenuAction()
{
    if (!action_) {
        // A child of the item, so the drawing style finds the item from it.
        action_ = new QAction(this);
        connect(action_, &QAction::triggered, this, &TMenuItem::Click);
        SyncAction();
    }
    return action_;
}

// The text carries the shortcut after a tab for the style's own drawing
// only: an owner-drawn menu draws (and measures) the shortcut itself.
void TMenuItem::SyncAction()
{
    const TMenu* menu = Menu();
    const bool ownerDrawn = menu && menu->Drawer();
    const QString shortCut = ShortCutToText(shortCut_);
    action_->setSeparator(IsLine());
    action_->setText(ownerDrawn || shortCut.isEmpty() ? caption_ : caption_ + QLatin1Char('\t') + shortCut);
    action_->setEnabled(enabled_);
    action_->setCheckable(checked_);
    action_->setChecked(checked_);
    QFont font = action_->font();
    font.setBold(default_);
    action_->setFont(font);
    const TImageList* images = menu ? menu->Images() : nullptr;
    action_->setIcon(images && imageIndex_ >= 0 && !ownerDrawn ? QIcon(QPixmap::fromImage(images->Image(imageIndex_)))
                                                               : QIcon());
    action_->setMenu(Count() > 0 ? Popup() : nullptr);
}

void TMenuItem::SetAction(TAction* action)
{
    actionLink_.Link(this, action, [this](TAction& linked) { ActionChange(linked); });
}

void TMenuItem::ActionChange(TAction& action)
{
    SetCaption(action.Caption());
    SetChecked(action.Checked());
    SetEnabled(action.Enabled());
    SetImageIndex(action.ImageIndex());
    SetShortCut(action.ShortCut());
    SetVisible(action.Visible());
}

void TMenuItem::Click()
{
    if (action_) SyncAction(); // a checkable action toggles itself
    if (Count() > 0) return;
    const QPointer<TMenuItem> alive(this);
    if (Action() && !isSignalConnected(QMetaMethod::fromSignal(&TMenuItem::OnClick)))
        Action()->Execute();
    else
        emit OnClick();
    if (alive && action_) SyncAction();
}

// ---- menus --------------------------------------------------------------------------------

TMenu::TMenu(QObject* parent) : TMenuNode(parent) {}

TMenu::~TMenu()
{
    for (const QPointer<QShortcut>& shortCut : shortCuts_) delete shortCut.data();
}

void TMenu::SetImages(TImageList* images)
{
    images_ = images;
    MenuChanged(nullptr, false);
}

void TMenu::Loaded()
{
    TMenuNode::Loaded();
    MenuChanged(nullptr, true);
}

void TMenu::MenuChanged(TMenuItem* source, bool rebuild)
{
    if (IsLoading()) return;
    if (!source)
        for (TMenuItem* item : findChildren<TMenuItem*>())
            if (item->action_) item->SyncAction();
    if (BindsShortCuts()) RebindShortCuts();
    emit OnChange(source, rebuild);
}

TMenuItem* TMenu::FindShortCut(const QKeySequence& key) const
{
    const auto usable = [](const TMenuItem* item) {
        for (; item; item = qobject_cast<const TMenuItem*>(item->parent()))
            if (!item->Enabled() || !item->Visible()) return false;
        return true;
    };
    for (TMenuItem* item : findChildren<TMenuItem*>())
        if (item->ShortCut() && ShortCutToKeySequence(item->ShortCut()) == key && usable(item)) return item;
    return nullptr;
}

bool TMenu::IsShortCut(const QKeySequence& key)
{
    TMenuItem* item = FindShortCut(key);
    if (item) item->Click();
    return item;
}

// One window shortcut per distinct key: Qt fires it only while the owner
// window is active, so a key typed in a dialog or another window never
// reaches this menu.
void TMenu::RebindShortCuts()
{
    for (const QPointer<QShortcut>& shortCut : shortCuts_) delete shortCut.data();
    shortCuts_.clear();
    QWidget* window = Window();
    if (!window) return;
    QList<QKeySequence> keys;
    for (const TMenuItem* item : findChildren<TMenuItem*>()) {
        // An item's action binds the key itself.
        const QKeySequence key = item->Action() ? QKeySequence() : ShortCutToKeySequence(item->ShortCut());
        if (key.isEmpty() || keys.contains(key)) continue;
        keys.append(key);
        auto* shortCut = new QShortcut(key, window);
        shortCut->setContext(Qt::WindowShortcut);
        connect(shortCut, &QShortcut::activated, this, [this, key] { IsShortCut(key); });
        shortCuts_.push_back(shortCut);
    }
}

void TPopupMenu::PopupAt(const QPoint& globalPos)
{
    // Without a look of its own, the popup is drawn like the main menu beside it.
    if (!Drawer() || lookOf_) {
        TMainMenu* main = nullptr;
        if (parent())
            for (TMainMenu* candidate : parent()->findChildren<TMainMenu*>(Qt::FindDirectChildrenOnly))
                if (candidate->Drawer()) main = candidate;
        if (main != lookOf_ || Drawer() != (main ? main->Drawer() : nullptr)) {
            lookOf_ = main;
            SetDrawer(main ? main->Drawer() : nullptr);
            MenuChanged(nullptr, true);
        }
    }
    Popup()->popup(globalPos);
}

} // namespace toolkit
