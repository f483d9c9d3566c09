#include "skin/buttons/suibutton.h"

#include "skin/themes/suipublic.h"
#include "toolkit/canvas.h"
#include "toolkit/imagelist.h"
#include "toolkit/resources.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

using namespace toolkit;

namespace {

constexpr TColor CaptionShadow = clWhite;
constexpr TColor CaptionGrey = RGBColor(0x80, 0x80, 0x80);
constexpr TColor FocusUnderline = RGBColor(0x00, 0x00, 0xFF);

bool IsPushKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

TColor TopLeftPixel(const QImage& image)
{
    return QColorToColor(QColor::fromRgb(image.pixel(0, 0)));
}

// One image of an image list: keyed by its top-left pixel when asked, in the
// enabled or the greyed disabled look.
void DrawListImage(TCanvas& canvas, int x, int y, const TBitmap& bitmap, bool keyed, bool enabledLook)
{
    TImageList list(bitmap.Width(), bitmap.Height());
    if (keyed)
        list.AddMasked(bitmap, TopLeftPixel(bitmap.Image()));
    else
        list.Add(bitmap);
    list.Draw(canvas, x, y, 0, enabledLook);
}

// Text measured as the off-screen canvas measures it when painting.
int TextWidthIn(const TFont& font, const QString& text)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&probe);
    canvas.Font.Assign(font);
    return canvas.TextWidth(text);
}

} // namespace

TsuiGlyphPlacement PlaceGlyph(TButtonLayout layout, QSize button, QSize text, QSize glyph, int spacing)
{
    const int w = button.width(), h = button.height();
    const int tw = text.width(), th = text.height();
    const int gw = glyph.width(), gh = glyph.height();
    TsuiGlyphPlacement p;
    switch (layout) {
    case blGlyphLeft:
        p.Glyph = {(w - tw - gw - spacing) / 2, (h - gh) / 2};
        p.Text = {p.Glyph.X + gw + spacing, (h - th) / 2};
        break;
    case blGlyphRight:
        p.Glyph = {(w + tw + spacing - gw) / 2, (h - gh) / 2};
        p.Text = {p.Glyph.X - tw - spacing, (h - th) / 2};
        break;
    case blGlyphTop:
        p.Glyph = {(w - gw) / 2, (h - th - gh - spacing) / 2};
        p.Text = {(w - tw) / 2, p.Glyph.Y + gh + spacing};
        break;
    case blGlyphBottom:
        p.Glyph = {(w - gw) / 2, (h + th + spacing - gh) / 2};
        p.Text = {(w - tw) / 2, p.Glyph.Y - th - spacing};
        break;
    }
    return p;
}

// ---- TsuiCustomButton --------------------------------------------------------

TsuiCustomButton::TsuiCustomButton(QObject* owner, QWidget* parent)
    : TsuiControl(owner, parent, TsuiContainerStyle::KeepCustom)
{
    SetRepeatInterval(100);
    WatchWindowKeys();
}

TsuiCustomButton::~TsuiCustomButton() = default;

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
    if (watchedWindow_) watchedWindow_->removeEventFilter(this);
    watchedWindow_ = window();
    if (watchedWindow_ != this)
        watchedWindow_->installEventFilter(this);
    else
        watchedWindow_ = nullptr;
}

bool TsuiCustomButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == watchedWindow_ && event->type() == QEvent::KeyPress)
        return HandleDialogKey(*static_cast<QKeyEvent*>(event));
    return TsuiControl::eventFilter(watched, event);
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

// ---- TsuiButton --------------------------------------------------------------

TsuiButton::TsuiButton(QObject* owner, QWidget* parent) : TsuiCustomButton(owner, parent)
{
    resize(80, 27);
    SetTabStop(true);
    SetUIStyle(GetSUIFormStyle(owner));
}

TsuiButton::~TsuiButton() = default;

void TsuiButton::SetGlyph(const TBitmap& glyph)
{
    glyph_.Assign(glyph);
    Invalidate();
}

void TsuiButton::SetLayout(TButtonLayout layout)
{
    layout_ = layout;
    Invalidate();
}

void TsuiButton::SetSpacing(int spacing)
{
    spacing_ = spacing;
    Invalidate();
}

QString TsuiButton::GetPicNormal() const
{
    return UIStyle() == TsuiUIStyle::Custom ? TsuiCustomButton::GetPicNormal() : QString();
}

QString TsuiButton::GetPicMouseOn() const
{
    return UIStyle() == TsuiUIStyle::Custom ? TsuiCustomButton::GetPicMouseOn() : QString();
}

QString TsuiButton::GetPicMouseDown() const
{
    return UIStyle() == TsuiUIStyle::Custom ? TsuiCustomButton::GetPicMouseDown() : QString();
}

void TsuiButton::SetPicNormal(const QString& name)
{
    SetUIStyle(TsuiUIStyle::Custom);
    TsuiCustomButton::SetPicNormal(name);
}

void TsuiButton::SetPicMouseOn(const QString& name)
{
    SetUIStyle(TsuiUIStyle::Custom);
    TsuiCustomButton::SetPicMouseOn(name);
}

void TsuiButton::SetPicMouseDown(const QString& name)
{
    SetUIStyle(TsuiUIStyle::Custom);
    TsuiCustomButton::SetPicMouseDown(name);
}

std::optional<TsuiFace> TsuiButton::ThemedFace() const
{
    if (UIStyle() == TsuiUIStyle::Custom) return std::nullopt;
    return TsuiFace::PushButton;
}

// A button turned Custom keeps the pictures its last style gave it as its
// own names, until it is given others.
void TsuiButton::ReadTheme()
{
    if (UIStyle() != TsuiUIStyle::Custom) {
        themedStyle_ = UIStyle();
        SetResHandle(0);
        AutoSizeChanged();
        return;
    }
    if (themedStyle_ == TsuiUIStyle::Custom) return;
    const auto themed = [this](TsuiFaceState state) { return FaceName(themedStyle_, TsuiFace::PushButton, state); };
    TsuiCustomButton::SetPicNormal(themed({}));
    TsuiCustomButton::SetPicMouseOn(themed({.Hot = true}));
    TsuiCustomButton::SetPicMouseDown(themed({.Pressed = true}));
    themedStyle_ = TsuiUIStyle::Custom;
}

void TsuiButton::UIStyleChanged()
{
    ApplyHeightLock();
    if (UIStyle() == TsuiUIStyle::MacOS) SetHeight(MacOSHeight);
    SetTransparent(UIStyle() == TsuiUIStyle::BlueGlass);
}

bool TsuiButton::CanResize(int& newWidth, int& newHeight)
{
    Q_UNUSED(newWidth);
    return UIStyle() != TsuiUIStyle::MacOS || newHeight == MacOSHeight;
}

// Qt layouts bypass CanResize; the size constraints hold the MacOS height.
void TsuiButton::ApplyHeightLock()
{
    if (UIStyle() == TsuiUIStyle::MacOS) {
        setMinimumHeight(MacOSHeight);
        setMaximumHeight(MacOSHeight);
    } else {
        setMinimumHeight(0);
        setMaximumHeight(QWIDGETSIZE_MAX);
    }
}

void TsuiButton::PaintPic(TCanvas& canvas, TBitmap& bitmap)
{
    canvas.Font.Assign(*Font());
    if (UIStyle() != TsuiUIStyle::Custom)
        SpitDraw(bitmap, canvas, Rect(0, 0, width(), height()), PictureKeyed());
    else
        TsuiCustomButton::PaintPic(canvas, bitmap);
    if (!glyph_.Empty()) PaintGlyph(canvas);
}

// A glyph twice as wide as high holds two frames: enabled, then disabled.
QSize TsuiButton::GlyphFrame() const
{
    const bool twoFrames = glyph_.Width() == 2 * glyph_.Height();
    return {twoFrames ? glyph_.Height() : glyph_.Width(), glyph_.Height()};
}

TsuiGlyphPlacement TsuiButton::GlyphLayout(const TCanvas& canvas) const
{
    const QSize text(canvas.TextWidth(Caption()), canvas.TextHeight(Caption()));
    TsuiGlyphPlacement place = PlaceGlyph(layout_, size(), text, GlyphFrame(), spacing_);
    if (IsPressed()) {
        place.Glyph = {place.Glyph.X + 1, place.Glyph.Y + 1};
        if (isEnabled()) place.Text = {place.Text.X + 1, place.Text.Y + 1};
    }
    return place;
}

void TsuiButton::PaintGlyph(TCanvas& canvas)
{
    const QSize frame = GlyphFrame();
    const TPoint at = GlyphLayout(canvas).Glyph;
    TImageList list(frame.width(), frame.height());
    list.AddMasked(glyph_, TopLeftPixel(glyph_.Image()));
    if (frame.width() != glyph_.Width())
        list.Draw(canvas, at.X, at.Y, isEnabled() ? 0 : 1, true);
    else
        list.Draw(canvas, at.X, at.Y, 0, isEnabled());
}

void TsuiButton::PaintText(TCanvas& canvas, const QString& text)
{
    if (glyph_.Empty()) return TsuiCustomButton::PaintText(canvas, text);
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(*Font());
    const TPoint origin = GlyphLayout(canvas).Text;
    if (!isEnabled()) {
        TRect shadow = Rect(origin.X + 1, origin.Y + 1, width(), height());
        canvas.Font.SetColor(CaptionShadow);
        canvas.DrawText(text, shadow, DT_SINGLELINE);
        canvas.Font.SetColor(CaptionGrey);
    }
    TRect r = Rect(origin.X, origin.Y, width(), height());
    canvas.DrawText(text, r, DT_SINGLELINE);
}

void TsuiButton::PaintFocus(TCanvas& canvas)
{
    if (UIStyle() != TsuiUIStyle::MacOS && UIStyle() != TsuiUIStyle::BlueGlass)
        return TsuiCustomButton::PaintFocus(canvas);
    canvas.Pen.Color = FocusUnderline;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
    canvas.MoveTo(10, height() - 5);
    canvas.LineTo(width() - 10, height() - 5);
}

// ---- TsuiImageButton ---------------------------------------------------------

TsuiImageButton::TsuiImageButton(QObject* owner, QWidget* parent) : TsuiCustomButton(owner, parent)
{
    for (TPicture* picture : {&picNormal_, &picMouseOn_, &picMouseDown_, &picDisabled_})
        connect(picture, &TPicture::OnChange, this, &TsuiImageButton::PictureChanged);
    SetUIStyle(TsuiUIStyle::Custom);
}

TsuiImageButton::~TsuiImageButton() = default;

void TsuiImageButton::SetPicNormal(const TPicture& picture)
{
    picNormal_.Assign(picture);
}

void TsuiImageButton::SetPicMouseOn(const TPicture& picture)
{
    picMouseOn_.Assign(picture);
}

void TsuiImageButton::SetPicMouseDown(const TPicture& picture)
{
    picMouseDown_.Assign(picture);
}

void TsuiImageButton::SetPicDisabled(const TPicture& picture)
{
    picDisabled_.Assign(picture);
}

// Pictures change through their setters and through a layout writing into
// them directly; both land here.
void TsuiImageButton::PictureChanged()
{
    AutoSizeChanged();
    Invalidate();
}

void TsuiImageButton::SetStretch(bool on)
{
    stretch_ = on;
    Invalidate();
}

void TsuiImageButton::AutoSizeChanged()
{
    if (!parentWidget() || !AutoSize() || !picNormal_.HasGraphic()) return;
    SetHeight(picNormal_.Height());
    SetWidth(picNormal_.Width());
}

void TsuiImageButton::CopyOrNormal(const TPicture& own, TBitmap& bitmap) const
{
    if (own.HasGraphic())
        bitmap.Assign(own.Bitmap());
    else if (picNormal_.HasGraphic())
        bitmap.Assign(picNormal_.Bitmap());
}

void TsuiImageButton::FillOwnFace(TBitmap& bitmap, const TsuiFaceState& state)
{
    switch (ButtonFaceFor(state)) {
    case TsuiButtonFace::Normal:
        return CopyOrNormal(picNormal_, bitmap);
    case TsuiButtonFace::MouseOn:
        return CopyOrNormal(picMouseOn_, bitmap);
    case TsuiButtonFace::MouseDown:
        return CopyOrNormal(picMouseDown_, bitmap);
    case TsuiButtonFace::Disabled:
        return CopyOrNormal(picDisabled_, bitmap);
    }
}

void TsuiImageButton::PaintPic(TCanvas& canvas, TBitmap& bitmap)
{
    if (bitmap.Empty()) return;
    bitmap.SetTransparentColor(TopLeftPixel(bitmap.Image()));
    if (stretch_)
        canvas.StretchDraw(Rect(0, 0, width(), height()), bitmap);
    else
        canvas.Draw(0, 0, bitmap);
}

// ---- Check box and radio button ---------------------------------------------

TsuiCheckLayout PlaceCheckParts(QSize client, QSize picture, int fontHeight)
{
    const int pictureTop = (client.height() - picture.height()) / 2;
    const int textTop = (client.height() - (std::abs(fontHeight) + 2)) / 2;
    return {
        Bounds(1, pictureTop, picture.width(), picture.height()),
        Rect(picture.width() + 4, textTop, client.width(), client.height()),
        Rect(picture.width() + 3, textTop, client.width(), client.height()),
    };
}

QSize CheckAutoSize(QSize picture, int fontHeight, int textWidth)
{
    return {picture.width() + textWidth + 8, std::max(std::abs(fontHeight) + 2, picture.height()) + 4};
}

TsuiCustomButtonEx::TsuiCustomButtonEx(QObject* owner, QWidget* parent) : TsuiCustomButton(owner, parent)
{
    SetParentColor(true);
    SetTabStop(true);
    resize(93, height());
}

TsuiCustomButtonEx::~TsuiCustomButtonEx() = default;

void TsuiCustomButtonEx::SetChecked(bool on)
{
    if (checked_ == on) return;
    checked_ = on;
    // A radio button unchecks its group here, whose handlers may delete us.
    if (!Guarded([this] { CheckStateChanged(); })) return;
    QAccessible::State changed;
    changed.checked = true;
    NotifyAccessibleStateChanged(this, changed);
    Invalidate();
    emit CheckedChanged();
}

TsuiFaceState TsuiCustomButtonEx::FaceState() const
{
    TsuiFaceState state = TsuiCustomButton::FaceState();
    state.Checked = checked_;
    return state;
}

TsuiCheckLayout TsuiCustomButtonEx::CheckLayout() const
{
    return PlaceCheckParts(size(), QSize(GetPicWidth(), GetPicHeight()), Font().Height());
}

// The state has changed before OnClick runs.
void TsuiCustomButtonEx::Click()
{
    if (focusPolicy() != Qt::NoFocus && isEnabled() && isVisible()) setFocus(Qt::OtherFocusReason);
    if (!Guarded([this] { DoClick(); })) return;
    TsuiCustomButton::Click();
}

// Applied again after every resize; the size it sets must not start it over.
void TsuiCustomButtonEx::AutoSizeChanged()
{
    if (!AutoSize() || autoSizing_) return;
    const QScopedValueRollback guard(autoSizing_, true);
    const TFont& font = *Font();
    const QSize size =
        CheckAutoSize(QSize(GetPicWidth(), GetPicHeight()), font.Height(), TextWidthIn(font, Caption()));
    SetBounds(x(), y(), size.width(), size.height());
}

void TsuiCustomButtonEx::CaptionChanged()
{
    TsuiCustomButton::CaptionChanged();
    AutoSizeChanged();
}

void TsuiCustomButtonEx::FontChanged()
{
    TsuiCustomButton::FontChanged();
    AutoSizeChanged();
}

// Unlike a push button, a check box in Custom keeps its AutoSize; reading
// the new style's theme has re-applied it already.
void TsuiCustomButtonEx::UIStyleChanged() {}

void TsuiCustomButtonEx::resizeEvent(QResizeEvent* event)
{
    TsuiCustomButton::resizeEvent(event);
    AutoSizeChanged();
}

// The disabled look comes from the disabled pictures, not from greying.
void TsuiCustomButtonEx::PaintPic(TCanvas& canvas, TBitmap& bitmap)
{
    if (bitmap.Empty()) return;
    const TRect at = CheckLayout().Picture;
    DrawListImage(canvas, at.Left, at.Top, bitmap, PictureKeyed(), true);
}

void TsuiCustomButtonEx::PaintText(TCanvas& canvas, const QString& text)
{
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(*Font());
    if (!isEnabled()) canvas.Font.SetColor(CaptionGrey);
    TRect r = CheckLayout().Caption;
    canvas.DrawText(text, r, DT_SINGLELINE);
}

void TsuiCustomButtonEx::PaintFocus(TCanvas& canvas)
{
    canvas.Brush.Style = bsSolid;
    canvas.DrawFocusRect(CheckLayout().Focus);
}

TsuiCheckBox::TsuiCheckBox(QObject* owner, QWidget* parent) : TsuiCustomButtonEx(owner, parent)
{
    SetPictureKeyed(false);
    SetCaption(QStringLiteral("suiCheckBox"));
    SetHeight(17);
    SetUIStyle(GetSUIFormStyle(owner));
}

TsuiCheckBox::~TsuiCheckBox() = default;

TCheckBoxState TsuiCheckBox::GetState() const
{
    return Checked() ? cbChecked : cbUnchecked;
}

void TsuiCheckBox::SetState(TCheckBoxState state)
{
    SetChecked(state == cbChecked);
}

QSize TsuiCheckBox::CheckPictureSize() const
{
    return FaceFor(UIStyle(), TsuiFace::CheckBox).size();
}

// Never keyed: Transparent only puts the parent behind the picture.
void TsuiCheckBox::TransparentChanged()
{
    SetPictureKeyed(false);
}

void TsuiCheckBox::UIStyleChanged()
{
    TsuiCustomButtonEx::UIStyleChanged();
    switch (UIStyle()) {
    case TsuiUIStyle::MacOS:
    case TsuiUIStyle::Protein:
        SetTransparent(true);
        break;
    case TsuiUIStyle::WinXP:
    case TsuiUIStyle::DeepBlue:
    case TsuiUIStyle::BlueGlass:
        SetTransparent(false);
        break;
    case TsuiUIStyle::Custom:
        break;
    }
}

void TsuiCheckBox::DoClick()
{
    if (Guarded([this] { SetChecked(!Checked()); })) Toggle();
}

TsuiRadioButton::TsuiRadioButton(QObject* owner, QWidget* parent) : TsuiCheckBox(owner, parent)
{
    SetPictureKeyed(true);
    SetCaption(QStringLiteral("suiRadioButton"));
    SetHeight(17);
}

TsuiRadioButton::~TsuiRadioButton() = default;

// Radio pictures have magenta corners.
void TsuiRadioButton::TransparentChanged()
{
    SetPictureKeyed(true);
}

void TsuiRadioButton::DoClick()
{
    if (!Checked()) SetChecked(true);
}

void TsuiRadioButton::CheckStateChanged()
{
    if (Checked()) UnCheckGroup();
}

void TsuiRadioButton::UnCheckGroup()
{
    QWidget* parent = parentWidget();
    if (!parent) return;
    // Unchecking runs handlers that may delete any of them.
    QList<QPointer<TsuiRadioButton>> group;
    for (QObject* child : parent->children()) {
        auto* radio = qobject_cast<TsuiRadioButton*>(child);
        if (radio && radio != this && radio->groupIndex_ == groupIndex_) group.append(radio);
    }
    for (const QPointer<TsuiRadioButton>& radio : group)
        if (radio) radio->SetChecked(false);
}
