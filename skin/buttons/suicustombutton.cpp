#include "skin/buttons/suicustombutton.h"

#include "skin/themes/suipublic.h"
#include "toolkit/canvas.h"
#include "toolkit/imagelist.h"
#include "toolkit/resources.h"

#include <QDialog>
#include <QKeyEvent>
#include <QShortcut>
#include <map>

using namespace toolkit;

namespace {

bool IsPushKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TColor TsuiCustomButton::TopLeftPixel(const QImage& image)
{
    return QColorToColor(QColor::fromRgb(image.pixel(0, 0)));
}

void TsuiCustomButton::DrawListImage(TCanvas& canvas, int x, int y, const TBitmap& bitmap, bool keyed,
                                     bool enabledLook)
{
    TImageList list(bitmap.Width(), bitmap.Height());
    if (keyed)
        list.AddMasked(bitmap, TopLeftPixel(bitmap.Image()));
    else
        list.Add(bitmap);
    list.Draw(canvas, x, y, 0, enabledLook);
}

// Enter, Escape and accelerators of a window go to its buttons, the newest
// first (the order of event filters of their own). One filter on the window
// serves all of them: a filter per button would cost, on every button added,
// a search of all the window's filters, and reading a layout of many buttons
// would take quadratic time.
class TsuiDialogKeys : public QObject {
public:
    static TsuiDialogKeys& Of(QWidget& window)
    {
        constexpr char Property[] = "_suiDialogKeys";
        auto* keys = static_cast<TsuiDialogKeys*>(window.property(Property).value<QPointer<QObject>>().data());
        if (!keys) {
            keys = new TsuiDialogKeys(&window);
            window.setProperty(Property, QVariant::fromValue(QPointer<QObject>(keys)));
            window.installEventFilter(keys);
        }
        return *keys;
    }

    quint64 Add(TsuiCustomButton* button)
    {
        buttons_.emplace(++lastTicket_, button);
        return lastTicket_;
    }
    void Remove(quint64 ticket) { buttons_.erase(ticket); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        for (auto it = buttons_.rbegin(); it != buttons_.rend(); ++it)
            if (it->second->HandleDialogKey(*static_cast<QKeyEvent*>(event))) return true;
        return false;
    }

private:
    using QObject::QObject;
    std::map<quint64, TsuiCustomButton*> buttons_;
    quint64 lastTicket_ = 0;
};

TsuiCustomButton::TsuiCustomButton(QObject* owner, QWidget* parent)
    : TsuiControl(owner, parent, TsuiContainerStyle::KeepCustom)
{
    SetRepeatInterval(100);
    WatchWindowKeys();
}

TsuiCustomButton::~TsuiCustomButton()
{
    if (dialogKeys_) dialogKeys_->Remove(dialogKeysTicket_);
}

void TsuiCustomButton::CaptionChanged()
{
    NotifyAccessibleNameChanged(this);
    // Alt+accelerator must win over a focused edit that would type the
    // character, as for Qt's own buttons: a window shortcut does.
    delete accelerator_;
    accelerator_ = nullptr;
    const QKeySequence mnemonic = QKeySequence::mnemonic(Caption());
    if (!mnemonic.isEmpty())
        accelerator_ = new QShortcut(mnemonic, this, this, &TsuiCustomButton::AcceleratorPressed);
}

void TsuiCustomButton::AcceleratorPressed()
{
    if (!isEnabled() || !isVisible()) return;
    setFocus(Qt::ShortcutFocusReason);
    Click();
}

void TsuiCustomButton::SetTabStop(bool on)
{
    tabStop_ = on;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
    Invalidate();
}

void TsuiCustomButton::SetTransparent(bool on)
{
    transparent_ = on;
    TransparentChanged();
    Invalidate();
}

void TsuiCustomButton::FSetAutoSize(bool on)
{
    autoSize_ = on;
    AutoSizeChanged();
    Invalidate();
}

void TsuiCustomButton::AutoSizeChanged()
{
    const QString name = NormalPictureName();
    if (!autoSize_ || name.isEmpty()) return;
    TBitmap picture;
    try {
        LoadPicture(picture, name);
    } catch (const EResNotFound&) {
        picture.SetSize(FallbackPictureWidth, FallbackPictureHeight);
    }
    SetHeight(picture.Height());
    SetWidth(picture.Width());
}

void TsuiCustomButton::FontChanged()
{
    Invalidate();
}

void TsuiCustomButton::TransparentChanged()
{
    pictureKeyed_ = transparent_;
}

void TsuiCustomButton::UIStyleChanged()
{
    if (UIStyle() == TsuiUIStyle::Custom) FSetAutoSize(true);
}

void TsuiCustomButton::SetPicMouseDown(const QString& name)
{
    Store(picMouseDown_, name);
}

void TsuiCustomButton::SetPicMouseOn(const QString& name)
{
    Store(picMouseOn_, name);
}

void TsuiCustomButton::SetPicNormal(const QString& name)
{
    Store(picNormal_, name);
    AutoSizeChanged();
}

// This program is one module: any other handle names a module that holds
// none of our pictures, so loading from it fails like a missing name.
void TsuiCustomButton::SetResHandle(quint32 module)
{
    resHandle_ = module;
    Invalidate();
}

void TsuiCustomButton::LoadPicture(TBitmap& bitmap, const QString& name) const
{
    if (resHandle_ != 0) throw EResNotFound(name);
    bitmap.LoadFromResourceName(name);
}

TsuiFaceState TsuiCustomButton::FaceState() const
{
    return {.Enabled = isEnabled(), .Hot = IsHovered(), .Pressed = IsPressed()};
}

QString TsuiCustomButton::PictureNameFor(const TsuiFaceState& state) const
{
    if (const auto face = ThemedFace()) return FaceName(UIStyle(), *face, state);
    const QString* own[] = {&picNormal_, &picMouseOn_, &picMouseDown_};
    return *own[ThreeFaceIndex(state)];
}

QString TsuiCustomButton::PictureNameFor(bool hot, bool pressed) const
{
    TsuiFaceState state = FaceState();
    state.Hot = hot;
    state.Pressed = pressed;
    return PictureNameFor(state);
}

QString TsuiCustomButton::NormalPictureName() const
{
    return PictureNameFor(false, false);
}

QString TsuiCustomButton::MouseOnPictureName() const
{
    return PictureNameFor(true, false);
}

QString TsuiCustomButton::MouseDownPictureName() const
{
    return PictureNameFor(true, true);
}

void TsuiCustomButton::FillOwnFace(TBitmap& bitmap, const TsuiFaceState& state)
{
    LoadPicture(bitmap, PictureNameFor(state));
}

// Chosen from the state as it is now: nothing needs choosing again when the
// state changes.
void TsuiCustomButton::FillFacePicture(TBitmap& bitmap)
{
    const TsuiFaceState state = FaceState();
    // A style without the picture leaves the face empty.
    if (const auto face = ThemedFace()) return bitmap.SetImage(FaceFor(UIStyle(), *face, state));
    try {
        FillOwnFace(bitmap, state);
    } catch (const EResNotFound&) {
        // A missing picture never stops painting: a blank face, caption on top.
        bitmap.SetSize(FallbackPictureWidth, FallbackPictureHeight);
    }
}

void TsuiCustomButton::Paint(TCanvas& canvas)
{
    TBitmap picture;
    FillFacePicture(picture);
    picture.SetTransparent(pictureKeyed_);

    // The canvas arrives filled with Color; a transparent button shows its
    // parent instead.
    if (transparent_) DoTrans(canvas, this);
    PaintPic(canvas, picture);
    if (hasFocus() && tabStop_) PaintFocus(canvas);
    canvas.Font.Assign(*Font());
    if (!Caption().trimmed().isEmpty()) PaintText(canvas, Caption());
}

void TsuiCustomButton::PaintPic(TCanvas& canvas, TBitmap& bitmap)
{
    if (bitmap.Empty()) return;
    DrawListImage(canvas, 0, 0, bitmap, pictureKeyed_, isEnabled());
}

void TsuiCustomButton::PaintText(TCanvas& canvas, const QString& text)
{
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(*Font());
    TRect r = Rect(0, 0, width(), height());
    const unsigned flags = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
    if (!isEnabled()) {
        TRect shadow = Rect(1, 1, width() + 1, height() + 1);
        canvas.Font.SetColor(CaptionShadow);
        canvas.DrawText(text, shadow, flags);
        canvas.Font.SetColor(CaptionGrey);
    } else if (IsPressed()) {
        r = Rect(1, 1, width() + 1, height() + 1);
    }
    canvas.DrawText(text, r, flags);
}

void TsuiCustomButton::PaintFocus(TCanvas& canvas)
{
    canvas.Brush.Style = bsSolid;
    canvas.DrawFocusRect(Rect(2, 2, width() - 2, height() - 2));
}

void TsuiCustomButton::PointerStateChanged()
{
    QAccessible::State changed;
    changed.pressed = true;
    NotifyAccessibleStateChanged(this, changed);
    Repaint();
}

void TsuiCustomButton::Click()
{
    ApplyModalResult();
    TsuiControl::Click();
}

// A dialog closes on a non-zero result; any other window that publishes a
// ModalResult receives it as it is.
void TsuiCustomButton::ApplyModalResult()
{
    if (!parentWidget()) return;
    QWidget* form = window();
    if (auto* dialog = qobject_cast<QDialog*>(form)) {
        if (modalResult_ != 0)
            dialog->done(modalResult_);
        else
            dialog->setResult(0);
    } else if (form->metaObject()->indexOfProperty("ModalResult") >= 0) {
        form->setProperty("ModalResult", modalResult_);
    }
}

void TsuiCustomButton::MouseEnter()
{
    TsuiControl::MouseEnter();
    if (IsDesigning()) return;
    emit OnMouseEnter(this);
}

// A key held down is let go with the pointer's leaving, as before.
void TsuiCustomButton::MouseLeave()
{
    TsuiControl::MouseLeave();
    SetKeyPressed(false);
    emit OnMouseExit(this);
}

void TsuiCustomButton::keyPressEvent(QKeyEvent* event)
{
    if (!IsPushKey(event->key()) || !hasFocus() || !isEnabled()) return TsuiControl::keyPressEvent(event);
    if (!event->isAutoRepeat()) SetKeyPressed(true);
}

// A keyboard click shows the button released before the click runs.
void TsuiCustomButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!IsPushKey(event->key()) || event->isAutoRepeat()) return TsuiControl::keyReleaseEvent(event);
    if (hasFocus() && IsPressed() && isEnabled()) {
        SetKeyPressed(false);
        Click();
    }
}

void TsuiCustomButton::focusInEvent(QFocusEvent* event)
{
    TsuiControl::focusInEvent(event);
    Repaint();
}

void TsuiCustomButton::focusOutEvent(QFocusEvent* event)
{
    TsuiControl::focusOutEvent(event);
    Repaint();
}

void TsuiCustomButton::changeEvent(QEvent* event)
{
    TsuiControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) Repaint();
}

bool TsuiCustomButton::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange) WatchWindowKeys();
    return TsuiControl::event(event);
}

// Enter, Escape and accelerators are dialog keys: they reach the window
// only when the focused control did not take them, and then any button of
// the window may answer them.
void TsuiCustomButton::WatchWindowKeys()
{
    if (dialogKeys_) dialogKeys_->Remove(dialogKeysTicket_);
    dialogKeys_ = nullptr;
    if (window() == this) return;
    dialogKeys_ = &TsuiDialogKeys::Of(*window());
    dialogKeysTicket_ = dialogKeys_->Add(this);
}

bool TsuiCustomButton::HandleDialogKey(const QKeyEvent& key)
{
    if (!isEnabled() || !isVisible()) return false;
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (mods == Qt::NoModifier && ((enter && default_) || (key.key() == Qt::Key_Escape && cancel_))) {
        Click();
        return true;
    }
    const QChar accelerator = AcceleratorChar(Caption());
    if (accelerator.isNull() || (mods & ~Qt::AltModifier) || key.text().size() != 1 ||
        key.text()[0].toUpper() != accelerator.toUpper())
        return false;
    AcceleratorPressed();
    return true;
}
