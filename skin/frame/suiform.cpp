#include "skin/frame/suiform.h"

#include "skin/frame/suimainmenu.h"
#include "skin/frame/suiwindowcommands.h"
#include "skin/themes/suipublic.h"
#include "toolkit/canvas.h"
#include "toolkit/dialogs.h"
#include "toolkit/layoutreader.h"
#include "toolkit/resources.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

using namespace toolkit;

namespace {

const char OnlyOneFrame[] = "Sorry, You can create only one TsuiForm component in one form!";
const char* const FrameAsPanel =
    QT_TRANSLATE_NOOP("TsuiForm", "Sorry, you can't select the Form assign to FormPanel property");

// A form that declares a border style is sizeable only with one of the two
// sizeable styles; any other form is sizeable unless its size is fixed.
bool IsSizeable(const QWidget* form)
{
    const QVariant style = form->property("BorderStyle");
    if (style.isValid()) {
        const int index = form->metaObject()->indexOfProperty("BorderStyle");
        QString name = style.toString();
        if (index >= 0 && form->metaObject()->property(index).isEnumType())
            name = QLatin1String(form->metaObject()->property(index).enumerator().valueToKey(style.toInt()));
        return name == QLatin1String("bsSizeable") || name == QLatin1String("bsSizeToolWin");
    }
    return form->minimumSize() != form->maximumSize();
}

Qt::CursorShape CursorFor(Qt::Edges edges)
{
    if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
        return Qt::SizeFDiagCursor;
    if (edges == (Qt::TopEdge | Qt::RightEdge) || edges == (Qt::BottomEdge | Qt::LeftEdge))
        return Qt::SizeBDiagCursor;
    if (edges & (Qt::LeftEdge | Qt::RightEdge)) return Qt::SizeHorCursor;
    return Qt::SizeVerCursor;
}

} // namespace

TsuiForm::TsuiForm(QObject* owner, QWidget* parent) : TCustomControl(owner, parent)
{
    auto* host = qobject_cast<QWidget*>(owner);
    if (!host) return; // a plain panel without title bar
    for (const TsuiForm* other : host->findChildren<TsuiForm*>())
        if (other != this && other->host_ == host) throw EsuiFormError(OnlyOneFrame);
    host_ = host;
    // A frame dropped on a form in a designer is being designed too.
    if (const auto* component = dynamic_cast<const TComponent*>(host); component && component->IsDesigning())
        SetDesigning(true);
    if (!IsDesigning()) host_->setMinimumSize(HostMinWidth, HostMinHeight);
    createBounds_ = host_->geometry();
    createdMaximized_ = IsMaximized(HostWindow());

    titleBar_ = new TsuiTitleBar(this, this);
    connect(titleBar_, &TsuiTitleBar::OnCustomBtnsClick, this, &TsuiForm::OnTitleBarCustomBtnsClick);
    connect(titleBar_, &TsuiTitleBar::OnHelpBtnClick, this, &TsuiForm::OnTitleBarHelpBtnClick);
    connect(titleBar_, &TsuiTitleBar::TextChanged, this, &TsuiForm::TextChanged); // the form's Caption
    menuBarColor_ = Color();
    savedSizeable_ = IsSizeable(host_);

    // Fill the host before the style sizes it around the frame, so that
    // taking over keeps the host's size.
    AlignSelf();
    SetUIStyle(TsuiUIStyle::DeepBlue);
    autoUpdateSub_ = false;
    nonClientHeight_ = host_->frameGeometry().height() - host_->height();
    nonClientWidth_ = host_->frameGeometry().width() - host_->width();
    SetCaption(host_->windowTitle());
    SetTitleBarVisible(true);
    TCustomControl::SetCaption(QStringLiteral(" ")); // never drawn
    TakeOverHost();
}

// A frame may go before its window: the window then stops answering to it
// and repaints without the border.
TsuiForm::~TsuiForm()
{
    if (auto* menu = qobject_cast<TsuiMainMenu*>(menu_)) menu->SetSkinForm(nullptr);
    if (!host_) return;
    host_->removeEventFilter(this);
    host_->update();
}

// Runs at creation, so in a form designer too; the designer's own frame
// stays then.
void TsuiForm::TakeOverHost()
{
    host_->installEventFilter(this);
    if (IsDesigning()) return;
    const TRect workArea = GetWorkAreaRect();
    host_->setMaximumSize(workArea.Width(), workArea.Height());
    // A document window loses its own frame too: the border strips resize it.
    QWidget* window = HostWindow();
    const bool shown = window->isVisible();
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    if (shown) window->show();
    if (auto* child = qobject_cast<QMdiSubWindow*>(window))
        if (QMdiArea* area = child->mdiArea())
            connect(area, &QMdiArea::subWindowActivated, this,
                    [this](QMdiSubWindow* active) { titleBar_->SetActive(active == HostWindow()); });
    host_->setMouseTracking(true);
}

QWidget* TsuiForm::HostWindow() const
{
    return host_ ? FormWindowOf(host_) : nullptr;
}

bool TsuiForm::GetMDIChild() const
{
    return host_ && qobject_cast<QMdiSubWindow*>(host_->parentWidget());
}

// ---- properties ---------------------------------------------------------------

bool TsuiForm::GetTitleBarVisible() const
{
    return titleBar_ && !titleBar_->isHidden();
}

QString TsuiForm::GetCaption() const
{
    return titleBar_ ? titleBar_->Caption() : QString();
}

TsuiTitleBarButtons* TsuiForm::GetButtons() const
{
    return titleBar_ ? titleBar_->Buttons() : nullptr;
}

TsuiTitleBarSections* TsuiForm::GetSections() const
{
    return titleBar_ ? titleBar_->Sections() : nullptr;
}

bool TsuiForm::GetDrawAppIcon() const
{
    return titleBar_ && titleBar_->DrawAppIcon();
}

TFont* TsuiForm::GetFont() const
{
    return titleBar_ ? titleBar_->Font() : nullptr;
}

void TsuiForm::SetUIStyle(TsuiUIStyle style)
{
    if (uiStyle_ != style) {
        uiStyle_ = style;
        emit UIStyleSwitched();
    }
    if (style == TsuiUIStyle::Custom || !host_) return;
    borderColor_ = GetThemeColor(style, teFormBorderColor);
    SetBorderWidth(GetThemeInt(style, teFormBorderWidth));
    SetColor(GetThemeColor(style, teFormColor));
    SetMenuBarColor(Color());
    LoadBackground();
    titleBar_->SetUIStyle(style);
    if (auto* menu = qobject_cast<TsuiMainMenu*>(menu_); menu && menu->UIStyle() != TsuiUIStyle::Custom)
        menu->SetUIStyle(style);
    if (autoUpdateSub_) {
        SubContainerApplyUIStyle(this, style);
        ContainerApplyUIStyle(this, style);
    }
    AlignSelf();
    Invalidate();
    PaintFormBorder();
    if (!IsLoading()) {
        SetWidth(GetWidth());
        SetHeight(GetHeight());
    }
}

void TsuiForm::LoadBackground()
{
    const char* name = uiStyle_ == TsuiUIStyle::MacOS     ? "MACOS_FORM_BACKGROUND"
                       : uiStyle_ == TsuiUIStyle::Protein ? "PROTEIN_FORM_BACKGROUND"
                                                          : nullptr;
    background_.Clear();
    if (!name) return;
    try {
        background_.LoadFromResourceName(QLatin1String(name));
    } catch (const EResNotFound&) {
        // The plain colour shows instead.
    }
}

void TsuiForm::SetBorderColor(TColor color)
{
    borderColor_ = color;
    AlignSelf();
    PaintFormBorder();
}

void TsuiForm::SetBorderWidth(int width)
{
    // The frame keeps its size; the host grows or shrinks by the border.
    const QSize frameSize = size();
    borderWidth_ = width;
    if (!host_) return;
    SetWidth(frameSize.width());
    AlignSelf();
    SetHeight(frameSize.height());
    PaintFormBorder();
}

void TsuiForm::SetTitleBarVisible(bool visible)
{
    if (!titleBar_) return;
    titleBar_->setVisible(visible);
    titleBar_->SetTop(0);
    AlignSelf();
    PaintFormBorder();
}

void TsuiForm::SetCaption(const QString& caption)
{
    if (!titleBar_) return;
    titleBar_->SetCaption(caption);
    host_->setWindowTitle(caption);
}

void TsuiForm::SetPanel(QWidget* panel)
{
    if (panel == this) {
        if (toolkit::IsReadingLayout()) throw std::invalid_argument(FrameAsPanel);
        MessageBox(nullptr, tr(FrameAsPanel), {}, TMsgIcon::Error, TMsgButtons::Ok);
        return;
    }
    formPanel_ = panel;
    if (!panel) return;
    toolkit::SetAlign(panel, alClient);
    if (auto* control = qobject_cast<TCustomControl*>(panel)) control->SetCaption(QString());
}

void TsuiForm::SetButtons(const TsuiTitleBarButtons& buttons)
{
    titleBar_->SetButtons(buttons);
}

void TsuiForm::SetSections(const TsuiTitleBarSections& sections)
{
    titleBar_->SetSections(sections);
}

void TsuiForm::SetDrawAppIcon(bool on)
{
    titleBar_->SetDrawAppIcon(on);
}

void TsuiForm::SetFont(const TFont& font)
{
    titleBar_->Font()->Assign(font);
}

void TsuiForm::SetMenuBarColor(TColor color)
{
    menuBarColor_ = color;
    if (menuBar_) menuBar_->SetColor(color);
}

void TsuiForm::SetMenuBarHeight(int height)
{
    menuBarHeight_ = height;
    if (!menuBar_) return;
    menuBar_->SetHeight(height);
    menuBar_->SetButtonHeight(height);
}

// ---- the menu bar ----------------------------------------------------------------

void TsuiForm::SetMenu(TMainMenu* menu)
{
    if (menu == menu_) return UpdateMenu();
    if (menu_) disconnect(menu_, &QObject::destroyed, this, nullptr);
    if (auto* skinned = qobject_cast<TsuiMainMenu*>(menu_)) skinned->SetSkinForm(nullptr);
    menu_ = menu;
    if (auto* skinned = qobject_cast<TsuiMainMenu*>(menu)) skinned->SetSkinForm(this);
    if (!menu) return DestroyMenuBar();
    // A menu that goes takes its bar with it.
    connect(menu, &QObject::destroyed, this, &TsuiForm::DestroyMenuBar);
    CreateMenuBar();
    UpdateMenu();
}

void TsuiForm::CreateMenuBar()
{
    if (menuBar_ || !titleBar_) return;
    menuBar_ = new TsuiMenuBar(this);
    menuBar_->SetBounds(0, titleBar_->Top() + titleBar_->Height(), width(), menuBarHeight_);
    menuBar_->SetButtonHeight(menuBarHeight_);
    menuBar_->SetColor(menuBarColor_);
    titleBar_->SetTop(0);
    // Top-aligned controls stack in child order: the bar goes right after
    // the title bar, above a tool bar that was there before the menu.
    const QObjectList& children = this->children();
    for (qsizetype i = children.indexOf(titleBar_) + 1; i > 0 && i < children.size(); ++i) {
        auto* next = qobject_cast<QWidget*>(children[i]);
        if (!next) continue;
        if (next != menuBar_) menuBar_->stackUnder(next);
        break;
    }
    menuBar_->show();
    AlignSelf();
}

void TsuiForm::DestroyMenuBar()
{
    delete menuBar_;
    menu_ = nullptr;
    AlignSelf();
}

void TsuiForm::UpdateMenu()
{
    if (!menuBar_) return;
    if (!menu_) return DestroyMenuBar();
    menuBar_->UpdateMenu();
}

void TsuiForm::UpdateTopMenu()
{
    if (menuBar_) menuBar_->UpdateTopMenu();
}

void TsuiForm::RepaintMenuBar()
{
    if (menuBar_ && menu_) menuBar_->RepaintMenuBar();
}

// A form designer hears that a plain menu belongs on the frame.
void TsuiForm::AdviseSkinnedMenu(QObject* component)
{
    if (!qobject_cast<TMainMenu*>(component) || qobject_cast<TsuiMainMenu*>(component)) return;
    const QString text =
        tr("Strongly recommend you to use \"TsuiMainMenu\" instead of \"TMainMenu\".\r\n\r\n"
           "If you still want to use TMainForm, \r\n\r\nset %1's MENU property to NIL please.\r\n\r\n"
           "And set %2's MENU property to this Menu when you finished designing the menu.")
            .arg(host_->objectName(), objectName());
    MessageBox(nullptr, text, {}, TMsgIcon::Information, TMsgButtons::Ok);
}

void TsuiForm::SetWidth(int width)
{
    if (!host_) return TCustomControl::SetWidth(width);
    ResizeHost({width + 2 * borderWidth_ + (IsDesigning() ? nonClientWidth_ : 0), HostWindow()->height()});
}

// The host gets exactly the border strips AlignSelf leaves free, so that
// re-applying the height (every style change does) keeps the frame's size.
void TsuiForm::SetHeight(int height)
{
    if (!host_) return TCustomControl::SetHeight(height);
    const int topBorder = GetTitleBarVisible() ? 0 : borderWidth_;
    ResizeHost({HostWindow()->width(),
                height + borderWidth_ + topBorder + (IsDesigning() ? nonClientHeight_ : 0)});
}

// A document window is sized as a whole: it has no frame of its own once
// taken over, so the host fills it.
void TsuiForm::ResizeHost(const QSize& size)
{
    HostWindow()->resize(size);
    AlignSelf();
}

// ---- layout and painting --------------------------------------------------------

void TsuiForm::AlignSelf()
{
    if (!host_) return;
    const int cw = host_->width(), ch = host_->height();
    const int top = GetTitleBarVisible() ? 0 : borderWidth_;
    const int mdi = GetMDIChild() ? 3 : 0;
    setGeometry(borderWidth_, top, cw - 2 * borderWidth_ - mdi, ch - borderWidth_ - top - mdi);
    // A hidden window gets its resize events only when shown; the aligned
    // controls and the window's shape follow now.
    AlignControls(this);
    if (titleBar_) titleBar_->OnFormReSize();
}

void TsuiForm::PaintFormBorder()
{
    if (host_) host_->update();
}

// The strips the frame leaves free: left, right, bottom and, under a hidden
// title bar, the top.
void TsuiForm::DrawBorder()
{
    const int cw = host_->width(), ch = host_->height(), bw = borderWidth_;
    const int mdi = GetMDIChild() ? 3 : 0;
    QPainter painter(host_);
    const QColor color = ColorToQColor(borderColor_);
    painter.fillRect(QRect(0, 0, bw, ch - (mdi ? 2 : 0)), color);
    painter.fillRect(QRect(0, ch - bw - mdi, cw, bw + mdi), color);
    painter.fillRect(QRect(cw - bw - mdi, 0, bw + mdi, ch), color);
    painter.fillRect(QRect(0, 0, cw, bw), color);
}

void TsuiForm::Paint(TCanvas& canvas)
{
    if (background_.HasGraphic()) TileDraw(canvas, background_, ClientRect());
}

// ---- the host window ---------------------------------------------------------------

Qt::Edges TsuiForm::EdgesAt(const QPoint& pos) const
{
    if (!host_ || IsMaximized(HostWindow()) || !savedSizeable_) return {};
    const int cw = host_->width(), ch = host_->height();
    Qt::Edges edges;
    if (pos.x() < ResizeZone)
        edges |= Qt::LeftEdge;
    else if (pos.x() > cw - ResizeZone)
        edges |= Qt::RightEdge;
    if (pos.y() < ResizeZone)
        edges |= Qt::TopEdge;
    else if (pos.y() > ch - ResizeZone)
        edges |= Qt::BottomEdge;
    return edges;
}

bool TsuiForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != host_) return false;
    // On a form being designed the frame only follows the form's size.
    if (IsDesigning()) {
        if (event->type() == QEvent::Resize) AlignSelf();
        // A component joining is not built yet: look at it once it is.
        if (event->type() == QEvent::ChildAdded)
            QMetaObject::invokeMethod(
                this, [this, component = QPointer<QObject>(static_cast<QChildEvent*>(event)->child())] {
                    if (component) AdviseSkinnedMenu(component);
                },
                Qt::QueuedConnection);
        return false;
    }
    switch (event->type()) {
    case QEvent::WindowStateChange:
        if (titleBar_) titleBar_->WindowStateChanged();
        HostResized();
        break;
    case QEvent::Resize:
        HostResized();
        break;
    case QEvent::Paint:
        DrawBorder();
        break;
    case QEvent::ActivationChange:
        if (titleBar_) titleBar_->SetActive(host_->isActiveWindow());
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        return HandleHostMouse(event);
    case QEvent::Leave:
        if (!resizing_) host_->unsetCursor();
        break;
    default:
        break;
    }
    return false;
}

void TsuiForm::HostResized()
{
    const bool maximized = IsMaximized(HostWindow());
    if (createdMaximized_ && !maximized) {
        createdMaximized_ = false;
        PlaceControl(host_, TRect::fromQRect(createBounds_));
    }
    // A maximised document window shows its caption in the area's own bar;
    // its controls take the bar's place and go back under it on restore.
    if (GetMDIChild() && GetTitleBarVisible() == maximized) {
        SetTitleBarVisible(!maximized);
        ScrollContents(maximized ? -titleBar_->height() : titleBar_->height());
    }
    AlignSelf();
    PaintFormBorder();
}

// Aligned controls are put back in place by the next AlignSelf.
void TsuiForm::ScrollContents(int dy)
{
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != titleBar_) child->move(child->x(), child->y() + dy);
}

// Presses on the controls that nobody took reach the host too; only the
// host's own pixels, the border strips, resize it.
Qt::Edges TsuiForm::OwnEdgesAt(const QPoint& pos) const
{
    return host_->childAt(pos) ? Qt::Edges() : EdgesAt(pos);
}

bool TsuiForm::HandleHostMouse(QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint pos = mouse->position().toPoint();
    const QPoint global = mouse->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseMove:
        if (resizing_) {
            ResizeByHand(global);
            return true;
        }
        if (const Qt::Edges edges = OwnEdgesAt(pos))
            host_->setCursor(CursorFor(edges));
        else
            host_->unsetCursor();
        return false;
    case QEvent::MouseButtonPress: {
        const Qt::Edges edges = OwnEdgesAt(pos);
        if (mouse->button() != Qt::LeftButton || !edges) return false;
        QWindow* window = HostWindow()->windowHandle();
        if (window && window->startSystemResize(edges)) return true;
        resizing_ = edges;
        resizeGrab_ = global;
        resizeStart_ = HostWindow()->geometry();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!resizing_) return false;
        resizing_ = {};
        return true;
    default:
        return false;
    }
}

// Moves the grabbed edges with the pointer, within the host's size limits;
// the opposite edges stay where they are.
void TsuiForm::ResizeByHand(const QPoint& globalPos)
{
    const QPoint delta = globalPos - resizeGrab_;
    const QSize minimum = host_->minimumSize(), maximum = host_->maximumSize();
    QRect r = resizeStart_;
    if (resizing_ & Qt::LeftEdge)
        r.setLeft(std::clamp(r.left() + delta.x(), r.right() + 1 - maximum.width(),
                             r.right() + 1 - minimum.width()));
    if (resizing_ & Qt::RightEdge)
        r.setWidth(std::clamp(r.width() + delta.x(), minimum.width(), maximum.width()));
    if (resizing_ & Qt::TopEdge)
        r.setTop(std::clamp(r.top() + delta.y(), r.bottom() + 1 - maximum.height(),
                            r.bottom() + 1 - minimum.height()));
    if (resizing_ & Qt::BottomEdge)
        r.setHeight(std::clamp(r.height() + delta.y(), minimum.height(), maximum.height()));
    HostWindow()->setGeometry(r);
}
