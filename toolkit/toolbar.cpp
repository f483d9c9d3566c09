#include "toolkit/toolbar.h"

#include "toolkit/imagelist.h"
#include "toolkit/menus.h"

#include <QAccessibleWidget>
#include <QChildEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace toolkit {

// ---- buttons ----------------------------------------------------------------------

TToolButton::TToolButton(QWidget* parent) : QToolButton(parent), TControlProperties(static_cast<QWidget&>(*this))
{
    // Drags of this application reach OnDragOver.
    setAcceptDrops(true);
    setAutoRaise(true);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::clicked, this, &TToolButton::Clicked);
    connect(this, &QAbstractButton::toggled, this, [this](bool on) { down_ = on; });
}

TToolBar* TToolButton::ToolBar() const
{
    return qobject_cast<TToolBar*>(parentWidget());
}

void TToolButton::Relayout()
{
    if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
    update();
}

void TToolButton::SetAutoSize(bool on)
{
    autoSize_ = on;
    Relayout();
}

// The '&' in the caption gives Alt + that letter, as on a menu bar.
void TToolButton::SetCaption(const QString& caption)
{
    setText(caption);
    Relayout();
}

void TToolButton::SetGrouped(bool on)
{
    grouped_ = on;
    setAutoExclusive(on && style_ == tbsCheck);
}

void TToolButton::SetImageIndex(int index)
{
    imageIndex_ = index;
    Relayout();
}

void TToolButton::SetMenuItem(TMenuItem* item)
{
    menuItem_ = item;
    if (!item) return;
    setEnabled(item->Enabled());
    SetCaption(item->Caption());
}

void TToolButton::SetDown(bool on)
{
    down_ = on;
    setChecked(on);
}

void TToolButton::SetStyle(TToolButtonStyle style)
{
    style_ = style;
    setAttribute(Qt::WA_TransparentForMouseEvents, IsSpacer());
    setCheckable(style == tbsCheck);
    setChecked(down_);
    setAutoExclusive(grouped_ && style == tbsCheck);
    Relayout();
}

void TToolButton::SetWrap(bool on)
{
    wrap_ = on;
    Relayout();
}

TCustomDrawState TToolButton::DrawState() const
{
    TCustomDrawState state;
    if (isDown() || menuOpen_) state |= cdsSelected;
    if (isChecked()) state |= cdsChecked;
    if (!isEnabled()) state |= cdsDisabled;
    else if (underMouse()) state |= cdsHot;
    return state;
}

void TToolButton::DropDown()
{
    if (!menuItem_ || menuItem_->Count() == 0 || menuOpen_) return;
    QMenu* popup = menuItem_->Popup();
    HoldOpen(popup);
    popup->popup(mapToGlobal(rect().bottomLeft() + QPoint(0, 1)));
}

void TToolButton::DropDownArrow()
{
    if (!dropdownMenu_ || menuOpen_) return;
    HoldOpen(dropdownMenu_->Popup());
    dropdownMenu_->PopupAt(mapToGlobal(rect().bottomLeft() + QPoint(0, 1)));
}

void TToolButton::HoldOpen(QMenu* popup)
{
    menuOpen_ = true;
    update();
    popup->installEventFilter(this);
    connect(
        popup, &QMenu::aboutToHide, this,
        [this, popup] {
            popup->removeEventFilter(this);
            menuOpen_ = false;
            if (TToolBar* bar = ToolBar()) bar->DropStaleHover();
            update();
        },
        Qt::SingleShotConnection);
}

TRect TToolButton::ArrowRect() const
{
    return style_ == tbsDropDown ? Rect(width() - ArrowWidth, 0, width(), height()) : TRect();
}

TToolButton* TToolButton::NeighbourMenuButton(int step) const
{
    const TToolBar* bar = ToolBar();
    if (!bar) return nullptr;
    const QList<TToolButton*> buttons = bar->Buttons();
    const int count = int(buttons.size());
    const int own = int(buttons.indexOf(const_cast<TToolButton*>(this)));
    for (int i = 1; i < count; ++i) {
        TToolButton* other = buttons[((own + step * i) % count + count) % count];
        if (other->isEnabled() && other->MenuItem() && other->MenuItem()->Count() > 0) return other;
    }
    return nullptr;
}

bool TToolButton::eventFilter(QObject* watched, QEvent* event)
{
    auto* popup = qobject_cast<QMenu*>(watched);
    if (!popup || !menuOpen_) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        popup->setAttribute(Qt::WA_NoMouseReplay, rect().contains(mapFromGlobal(global)));
        return false;
    }
    // A drop-down menu is not one of the bar's menus.
    if (!menuItem_ || popup != menuItem_->Popup()) return false;
    // The pointer moving onto another menu's button opens that menu instead.
    if (event->type() == QEvent::MouseMove && ToolBar()) {
        const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        auto* other = qobject_cast<TToolButton*>(ToolBar()->childAt(ToolBar()->mapFromGlobal(global)));
        if (other && other != this && other->isEnabled() && other->MenuItem() && other->MenuItem()->Count() > 0) {
            popup->hide();
            other->DropDown();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    // Right on an item with a sub-menu opens that sub-menu instead.
    const QAction* active = popup->activeAction();
    if (key != Qt::Key_Left && (key != Qt::Key_Right || (active && active->menu()))) return false;
    TToolButton* next = NeighbourMenuButton(key == Qt::Key_Right ? 1 : -1);
    if (!next) return false;
    popup->hide();
    next->DropDown();
    return true;
}

// A menu opens on the press, as menus on a bar do.
void TToolButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && menuItem_ && menuItem_->Count() > 0) {
        DropDown();
        return;
    }
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && ArrowRect().toQRect().contains(at)) {
        DropDownArrow();
        return;
    }
    QToolButton::mousePressEvent(event);
}

bool TToolButton::event(QEvent* event)
{
    return TControlEvents<TToolButton>::Dispatch(*this, event, [this](QEvent* e) { return QToolButton::event(e); });
}

void TToolButton::SetAction(TAction* action)
{
    actionLink_.Link(this, action, [this](TAction& linked) { ActionChange(linked); });
}

void TToolButton::ActionChange(TAction& action)
{
    SetCaption(action.Caption());
    setEnabled(action.Enabled());
    SetHint(action.Hint());
    SetDown(action.Checked());
    SetImageIndex(action.ImageIndex());
    const bool hidden = isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide);
    if (hidden == action.Visible()) {
        setVisible(action.Visible());
        Relayout(); // a hidden button takes no room on its bar
    }
    SetHelpContext(action.HelpContext());
}

// Keyboard clicks (Alt + the accelerator) and mouse clicks alike.
void TToolButton::Clicked()
{
    const QPointer<TToolButton> alive(this);
    if (Action() && !isSignalConnected(QMetaMethod::fromSignal(&TToolButton::OnClick))) {
        Action()->Execute();
        // A check button shows the action's state, not its own toggle.
        if (alive && Action()) SetDown(Action()->Checked());
    } else {
        emit OnClick();
    }
    if (!alive || !menuItem_) return;
    if (menuItem_->Count() > 0)
        DropDown();
    else
        menuItem_->Click();
}

void TToolButton::enterEvent(QEnterEvent* event)
{
    QToolButton::enterEvent(event);
    update();
}

void TToolButton::leaveEvent(QEvent* event)
{
    QToolButton::leaveEvent(event);
    update();
}

// The bar draws its buttons: into a picture of the button's own, so the
// drawing places everything relative to the button whichever row it is in.
void TToolButton::paintEvent(QPaintEvent*)
{
    captionText_.clear();
    if (style_ == tbsSeparator) return;
    QImage picture(size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        TCanvas canvas(&picture);
        canvas.DeferTextFor(*this, captionText_);
        canvas.Font.AssignQFont(font());
        const TRect rect = Rect(0, 0, width(), height());
        const TCustomDrawState state = DrawState();
        TToolBar* bar = ToolBar();
        if (bar && bar->CustomDrawButton(this, canvas, rect, state)) bar->DefaultDrawButton(this, canvas, rect, state);
    }
    QPainter painter(this);
    DrawPicture(painter, QPoint(), picture, captionText_);
}

// ---- the bar ------------------------------------------------------------------------

namespace {

QAccessibleInterface* MenuBarInterface(const QString&, QObject* object)
{
    auto* bar = qobject_cast<TToolBar*>(object);
    return bar && bar->IsMenuBar() ? new QAccessibleWidget(bar, QAccessible::MenuBar) : nullptr;
}

} // namespace

TToolBar::TToolBar(QObject* owner, QWidget* parent) : TCustomControl(owner, parent)
{
    static const bool installed = (QAccessible::installFactory(MenuBarInterface), true);
    Q_UNUSED(installed);
    SetAlign(alTop);
    resize(width(), 29);
}

void TToolBar::SetButtonHeight(int height)
{
    buttonHeight_ = height;
    ArrangeButtons();
}

void TToolBar::SetButtonWidth(int width)
{
    buttonWidth_ = width;
    ArrangeButtons();
}

void TToolBar::SetFlat(bool on)
{
    flat_ = on;
    RepaintAll();
}

void TToolBar::SetHotImages(TImageList* images)
{
    hotImages_ = images;
    RepaintAll();
}

void TToolBar::SetImages(TImageList* images)
{
    images_ = images;
    ArrangeButtons();
}

void TToolBar::SetShowCaptions(bool on)
{
    showCaptions_ = on;
    ArrangeButtons();
}

void TToolBar::SetTransparent(bool on)
{
    transparent_ = on;
    RepaintAll();
}

void TToolBar::SetWrapable(bool on)
{
    wrapable_ = on;
    ArrangeButtons();
}

QList<TToolButton*> TToolBar::Buttons() const
{
    return findChildren<TToolButton*>(Qt::FindDirectChildrenOnly);
}

void TToolBar::RepaintAll()
{
    Invalidate();
    for (TToolButton* button : Buttons()) button->update();
}

void TToolBar::DropStaleHover()
{
    const QPoint pointer = QCursor::pos();
    for (TToolButton* button : Buttons()) {
        if (!button->underMouse() || button->rect().contains(button->mapFromGlobal(pointer))) continue;
        button->setAttribute(Qt::WA_UnderMouse, false);
        button->update();
    }
}

int TToolBar::ContentWidth(const TToolButton* button) const
{
    if (button->IsSpacer()) return SeparatorWidth;
    int width = images_ ? images_->Width() : 0;
    if (showCaptions_) width = std::max(width, button->fontMetrics().horizontalAdvance(StripAccelerator(button->text())));
    return width + 8;
}

// Buttons that do not size themselves share the widest natural width.
void TToolBar::ArrangeButtons()
{
    const QList<TToolButton*> buttons = Buttons();
    int shared = buttonWidth_;
    for (const TToolButton* button : buttons)
        if (!button->AutoSize() && !button->IsSpacer()) shared = std::max(shared, ContentWidth(button));
    int x = 0, y = 0;
    for (TToolButton* button : buttons) {
        if (button->isHidden() && button->testAttribute(Qt::WA_WState_ExplicitShowHide)) continue;
        const int w = (button->IsSpacer() || button->AutoSize() ? ContentWidth(button) : shared) +
                      button->ArrowRect().Width();
        if (wrapable_ && x > 0 && x + w > width()) {
            x = 0;
            y += buttonHeight_;
        }
        button->setGeometry(x, y, w, buttonHeight_);
        x += w;
        if (button->Wrap()) {
            x = 0;
            y += buttonHeight_;
        }
    }
    RepaintAll();
}

bool TToolBar::CustomDraw(TCanvas&, const TRect&)
{
    return true;
}

bool TToolBar::CustomDrawButton(TToolButton*, TCanvas&, const TRect&, TCustomDrawState)
{
    return true;
}

namespace {

void DrawEdge(TCanvas& canvas, const TRect& rect, bool sunken)
{
    const TColor topLeft = sunken ? clBtnShadow : clBtnHighlight;
    const TColor bottomRight = sunken ? clBtnHighlight : clBtnShadow;
    canvas.Pen.Color = topLeft;
    canvas.Polyline({{rect.Left, rect.Bottom - 1}, {rect.Left, rect.Top}, {rect.Right - 1, rect.Top}});
    canvas.Pen.Color = bottomRight;
    canvas.Polyline({{rect.Right - 1, rect.Top}, {rect.Right - 1, rect.Bottom - 1}, {rect.Left - 1, rect.Bottom - 1}});
}

// An etched vertical line in the middle of a divider.
void DrawDivider(TCanvas& canvas, const TRect& rect)
{
    const int x = rect.Left + rect.Width() / 2 - 1;
    canvas.Pen.Color = clBtnShadow;
    canvas.Polyline({{x, rect.Top + 2}, {x, rect.Bottom - 2}});
    canvas.Pen.Color = clBtnHighlight;
    canvas.Polyline({{x + 1, rect.Top + 2}, {x + 1, rect.Bottom - 2}});
}

// A small arrow pointing down, centred in the arrow part.
void DrawArrow(TCanvas& canvas, const TRect& rect, bool enabled, int shift)
{
    const int x = rect.Left + (rect.Width() - 5) / 2 + shift, y = rect.Top + (rect.Height() - 3) / 2 + shift;
    const TColor colour = enabled ? clBtnText : clGrayText;
    canvas.Pen.Color = colour;
    canvas.Brush.Color = colour;
    canvas.Brush.Style = bsSolid;
    canvas.Polygon({{x, y}, {x + 4, y}, {x + 2, y + 2}});
}

} // namespace

void TToolBar::DefaultDrawButton(TToolButton* button, TCanvas& canvas, const TRect& rect, TCustomDrawState state)
{
    if (button->Style() == tbsDivider) return DrawDivider(canvas, rect);
    const bool sunken = state & (cdsSelected | cdsChecked);
    const int shift = sunken ? 1 : 0;
    // A drop-down button's face and its arrow part, each with its own edge.
    const int arrowWidth = button->ArrowRect().Width();
    const TRect face = Rect(rect.Left, rect.Top, rect.Right - arrowWidth, rect.Bottom);
    const TRect arrow = Rect(face.Right, rect.Top, rect.Right, rect.Bottom);
    if (sunken || (state & cdsHot) || !flat_) {
        DrawEdge(canvas, face, sunken);
        if (arrowWidth > 0) DrawEdge(canvas, arrow, sunken);
    }
    if (arrowWidth > 0) DrawArrow(canvas, arrow, !(state & cdsDisabled), shift);
    const TImageList* list = (state & cdsHot) && hotImages_ ? hotImages_.data() : images_.data();
    const int w = face.Width();
    if (list) list->Draw(canvas, face.Left + (w - list->Width()) / 2 + shift, face.Top + 2 + shift,
                         button->ImageIndex(), !(state & cdsDisabled));
    if (!showCaptions_) return;
    const QString caption = StripAccelerator(button->text());
    canvas.Brush.Style = bsClear;
    if (state & cdsDisabled) canvas.Font.SetColor(clGrayText);
    const int y = list ? face.Top + list->Height() + 4 : face.Top + (face.Height() - canvas.TextHeight(caption)) / 2;
    canvas.TextOut(face.Left + (w - canvas.TextWidth(caption)) / 2 + shift, y + shift, caption);
}

void TToolBar::Paint(TCanvas& canvas)
{
    CustomDraw(canvas, ClientRect());
}

void TToolBar::childEvent(QChildEvent* event)
{
    TCustomControl::childEvent(event);
    if (event->type() == QEvent::ChildPolished || event->removed()) ArrangeButtons();
}

void TToolBar::resizeEvent(QResizeEvent* event)
{
    TCustomControl::resizeEvent(event);
    if (wrapable_) ArrangeButtons();
}

void TToolBar::FontChanged()
{
    ArrangeButtons();
}

} // namespace toolkit
