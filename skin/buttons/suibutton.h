#pragma once
// Owner-drawn push buttons: a common base with hover and pressed states, a
// repeat timer while held and push-button keyboard handling; the themed push
// button painted nine-piece from the style's pictures, with an optional
// glyph; and a button drawn from four pictures of its own.

#include "skin/themes/suicontrol.h"
#include "skin/themes/suifaces.h"
#include "skin/themes/suithemes.h"
#include "toolkit/accessible.h"
#include "toolkit/control.h"
#include "toolkit/graphics.h"

#include <QPointer>
#include <QString>
#include <cstdint>
#include <optional>

class QShortcut;

namespace Suibutton {
Q_NAMESPACE

enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
Q_ENUM_NS(TButtonLayout)

} // namespace Suibutton

using Suibutton::TButtonLayout;
inline constexpr auto blGlyphLeft = TButtonLayout::blGlyphLeft;
inline constexpr auto blGlyphRight = TButtonLayout::blGlyphRight;
inline constexpr auto blGlyphTop = TButtonLayout::blGlyphTop;
inline constexpr auto blGlyphBottom = TButtonLayout::blGlyphBottom;

// Where a glyph and the caption go for a layout, all halvings truncating.
struct TsuiGlyphPlacement {
    toolkit::TPoint Glyph;
    toolkit::TPoint Text;
};
TsuiGlyphPlacement PlaceGlyph(TButtonLayout layout, QSize button, QSize text, QSize glyph, int spacing);

// Pictures that cannot be loaded are replaced by a blank one of this size.
constexpr int FallbackPictureWidth = 74;
constexpr int FallbackPictureHeight = 21;

// The properties of the whole family, public but not stored: each button
// publishes its own set again, in its own order.
class TsuiCustomButton : public TsuiControl, public toolkit::AccessibleButton {
    Q_OBJECT
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel DESIGNABLE false)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault DESIGNABLE false)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled DESIGNABLE false)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop DESIGNABLE false)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent DESIGNABLE false)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult DESIGNABLE false)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle DESIGNABLE false)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE FSetAutoSize DESIGNABLE false)

public:
    explicit TsuiCustomButton(QObject* owner, QWidget* parent = nullptr);
    ~TsuiCustomButton() override;

    bool Cancel() const { return cancel_; }
    bool Default() const { return default_; }
    bool TabStop() const { return tabStop_; }
    bool Transparent() const { return transparent_; }
    int ModalResult() const { return modalResult_; }
    bool AutoSize() const { return autoSize_; }
    int MouseContinuouslyDownInterval() const { return RepeatInterval(); }
    // 0 is the program's own module.
    quint32 ResHandle() const { return resHandle_; }

    void SetCancel(bool on) { cancel_ = on; }
    void SetDefault(bool on) { default_ = on; }
    void SetTabStop(bool on);
    void SetTransparent(bool on);
    void SetModalResult(int result) { modalResult_ = result; }
    void FSetAutoSize(bool on);
    void SetMouseContinuouslyDownInterval(int ms) { SetRepeatInterval(ms); }

    // The state painting shows, read when it paints.
    virtual TsuiFaceState FaceState() const;
    TsuiButtonFace Face() const { return ButtonFaceFor(FaceState()); }
    // The names painting loads without the pointer, under it and held down
    // (Enabled and Checked as they are): the style's, or the button's own.
    QString NormalPictureName() const;
    QString MouseOnPictureName() const;
    QString MouseDownPictureName() const;

    void Click() override;

    QString AccessibleCaption() const override { return Caption(); }
    bool AccessiblePressed() const override { return IsPressed(); }
    void AccessiblePress() override { Click(); }

signals:
    void OnMouseEnter(QObject* sender);
    void OnMouseExit(QObject* sender);
    void OnMouseContinuouslyDown(QObject* sender);

protected:
    virtual void AutoSizeChanged();
    void CaptionChanged() override;
    void FontChanged() override;
    virtual void TransparentChanged();
    void UIStyleChanged() override;
    virtual void SetPicMouseDown(const QString& name);
    virtual void SetPicMouseOn(const QString& name);
    virtual void SetPicNormal(const QString& name);
    virtual QString GetPicMouseDown() const { return picMouseDown_; }
    virtual QString GetPicMouseOn() const { return picMouseOn_; }
    virtual QString GetPicNormal() const { return picNormal_; }
    virtual void SetResHandle(quint32 module);
    virtual void PaintPic(toolkit::TCanvas& canvas, toolkit::TBitmap& bitmap);
    virtual void PaintText(toolkit::TCanvas& canvas, const QString& text);
    virtual void PaintFocus(toolkit::TCanvas& canvas);
    // The element whose style pictures the button shows; none when it shows
    // pictures of its own.
    virtual std::optional<TsuiFace> ThemedFace() const { return std::nullopt; }
    // Fills `bitmap` with the button's own picture for the state; a failure
    // to load is handled by the caller.
    virtual void FillOwnFace(toolkit::TBitmap& bitmap, const TsuiFaceState& state);

    void Paint(toolkit::TCanvas& canvas) override;
    // A transparent button shows its parent, which may change unseen.
    bool KeepsPicture() const override { return !transparent_; }
    void MouseEnter() override;
    void MouseLeave() override;
    void PartRepeated(int) override { emit OnMouseContinuouslyDown(this); }
    void PointerStateChanged() override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Loads a picture by name from ResHandle; throws EResNotFound.
    void LoadPicture(toolkit::TBitmap& bitmap, const QString& name) const;
    bool PictureKeyed() const { return pictureKeyed_; }
    void SetPictureKeyed(bool on) { pictureKeyed_ = on; }

private:
    QString PictureNameFor(const TsuiFaceState& state) const;
    QString PictureNameFor(bool hot, bool pressed) const;
    void FillFacePicture(toolkit::TBitmap& bitmap);
    void WatchWindowKeys();
    bool HandleDialogKey(const QKeyEvent& key);
    void ApplyModalResult();
    void AcceleratorPressed();

    QString picNormal_;
    QString picMouseDown_;
    QString picMouseOn_;
    bool autoSize_ = false;
    bool tabStop_ = false;
    bool cancel_ = false;
    bool default_ = false;
    bool transparent_ = false;
    int modalResult_ = 0;
    bool pictureKeyed_ = false;
    quint32 resHandle_ = 0;
    QPointer<QWidget> watchedWindow_;
    QShortcut* accelerator_ = nullptr;
};

class TsuiButton : public TsuiCustomButton {
    Q_OBJECT
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE FSetAutoSize)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(toolkit::TBitmap* Glyph READ Glyph)
    Q_PROPERTY(Suibutton::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(quint32 ResHandle READ ResHandle WRITE SetResHandle)
    Q_PROPERTY(QString PicNormalResName READ GetPicNormal WRITE SetPicNormal)
    Q_PROPERTY(QString PicMouseDownResName READ GetPicMouseDown WRITE SetPicMouseDown)
    Q_PROPERTY(QString PicMouseOnResName READ GetPicMouseOn WRITE SetPicMouseOn)
    Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
                   SetMouseContinuouslyDownInterval)

public:
    static constexpr int MacOSHeight = 23;

    explicit TsuiButton(QObject* owner, QWidget* parent = nullptr);
    ~TsuiButton() override;

    toolkit::TBitmap* Glyph() { return &glyph_; }
    TButtonLayout Layout() const { return layout_; }
    int Spacing() const { return spacing_; }
    void SetGlyph(const toolkit::TBitmap& glyph);
    void SetLayout(TButtonLayout layout);
    void SetSpacing(int spacing);

    // Themed buttons read back no names; writing one switches to Custom.
    QString GetPicNormal() const override;
    QString GetPicMouseOn() const override;
    QString GetPicMouseDown() const override;
    void SetPicNormal(const QString& name) override;
    void SetPicMouseOn(const QString& name) override;
    void SetPicMouseDown(const QString& name) override;

    bool CanResize(int& newWidth, int& newHeight) override;

protected:
    void ReadTheme() override;
    void UIStyleChanged() override;
    std::optional<TsuiFace> ThemedFace() const override;
    void PaintPic(toolkit::TCanvas& canvas, toolkit::TBitmap& bitmap) override;
    void PaintText(toolkit::TCanvas& canvas, const QString& text) override;
    void PaintFocus(toolkit::TCanvas& canvas) override;

private:
    // Where the glyph and the caption go, in the canvas's font, pressed
    // offset included.
    TsuiGlyphPlacement GlyphLayout(const toolkit::TCanvas& canvas) const;
    QSize GlyphFrame() const;
    void PaintGlyph(toolkit::TCanvas& canvas);
    void ApplyHeightLock();

    toolkit::TBitmap glyph_;
    TButtonLayout layout_ = blGlyphLeft;
    int spacing_ = 4;
    // The last style other than Custom the button showed.
    TsuiUIStyle themedStyle_ = TsuiUIStyle::Custom;
};

class TsuiImageButton : public TsuiCustomButton {
    Q_OBJECT
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE FSetAutoSize)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(toolkit::TPicture* PicNormal READ PicNormal)
    Q_PROPERTY(toolkit::TPicture* PicMouseOn READ PicMouseOn)
    Q_PROPERTY(toolkit::TPicture* PicMouseDown READ PicMouseDown)
    Q_PROPERTY(toolkit::TPicture* PicDisabled READ PicDisabled)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
                   SetMouseContinuouslyDownInterval)

public:
    explicit TsuiImageButton(QObject* owner, QWidget* parent = nullptr);
    ~TsuiImageButton() override;

    toolkit::TPicture* PicNormal() { return &picNormal_; }
    toolkit::TPicture* PicMouseOn() { return &picMouseOn_; }
    toolkit::TPicture* PicMouseDown() { return &picMouseDown_; }
    toolkit::TPicture* PicDisabled() { return &picDisabled_; }
    bool Stretch() const { return stretch_; }
    void SetPicNormal(const toolkit::TPicture& picture);
    void SetPicMouseOn(const toolkit::TPicture& picture);
    void SetPicMouseDown(const toolkit::TPicture& picture);
    void SetPicDisabled(const toolkit::TPicture& picture);
    void SetStretch(bool on);

protected:
    void AutoSizeChanged() override;
    void PaintPic(toolkit::TCanvas& canvas, toolkit::TBitmap& bitmap) override;
    void FillOwnFace(toolkit::TBitmap& bitmap, const TsuiFaceState& state) override;

private:
    void CopyOrNormal(const toolkit::TPicture& own, toolkit::TBitmap& bitmap) const;
    void PictureChanged();

    toolkit::TPicture picNormal_;
    toolkit::TPicture picMouseOn_;
    toolkit::TPicture picMouseDown_;
    toolkit::TPicture picDisabled_;
    bool stretch_ = false;
};

// Where the parts of a check box or radio button go, for a client size, the
// size of the style's check-box picture and the font's Height: the state
// picture at the left, vertically centred; the caption from its rectangle's
// top-left, four pixels right of the picture; the focus mark around the
// caption, one pixel wider to the left. Halvings truncate toward zero.
struct TsuiCheckLayout {
    toolkit::TRect Picture;
    toolkit::TRect Caption;
    toolkit::TRect Focus;
};
TsuiCheckLayout PlaceCheckParts(QSize client, QSize picture, int fontHeight);
// The client size AutoSize gives for a caption of textWidth pixels.
QSize CheckAutoSize(QSize picture, int fontHeight, int textWidth);

// A two-state button: a small state picture at the left, the caption to its
// right. Clicking, space, Enter and the accelerator change the state once
// (DoClick) before OnClick runs.
class TsuiCustomButtonEx : public TsuiCustomButton {
    Q_OBJECT

public:
    explicit TsuiCustomButtonEx(QObject* owner, QWidget* parent = nullptr);
    ~TsuiCustomButtonEx() override;

    bool Checked() const { return checked_; }
    // A change runs CheckStateChanged, repaints and emits CheckedChanged;
    // setting the current value does nothing.
    void SetChecked(bool on);

    TsuiCheckLayout CheckLayout() const;
    // The size of the state picture the layout is measured with.
    virtual int GetPicWidth() const = 0;
    virtual int GetPicHeight() const = 0;

    TsuiFaceState FaceState() const override;

    void Click() override;

    bool AccessibleCheckable() const override { return true; }
    bool AccessibleChecked() const override { return checked_; }

signals:
    void CheckedChanged();

protected:
    // What a click does to the state.
    virtual void DoClick() {}
    // After Checked changed, before the repaint.
    virtual void CheckStateChanged() {}

    void AutoSizeChanged() override;
    void CaptionChanged() override;
    void FontChanged() override;
    void UIStyleChanged() override;
    void PaintPic(toolkit::TCanvas& canvas, toolkit::TBitmap& bitmap) override;
    void PaintText(toolkit::TCanvas& canvas, const QString& text) override;
    void PaintFocus(toolkit::TCanvas& canvas) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool checked_ = false;
    bool autoSizing_ = false;
};

class TsuiCheckBox : public TsuiCustomButtonEx {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked NOTIFY CheckedChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE FSetAutoSize)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)

public:
    explicit TsuiCheckBox(QObject* owner, QWidget* parent = nullptr);
    ~TsuiCheckBox() override;

    // Checked or unchecked; the grey state unchecks.
    toolkit::TCheckBoxState GetState() const;
    void SetState(toolkit::TCheckBoxState state);

    // Measured by the style's unchecked check-box picture; 0 without one.
    int GetPicWidth() const override { return CheckPictureSize().width(); }
    int GetPicHeight() const override { return CheckPictureSize().height(); }

    QAccessible::Role AccessibleRole() const override { return QAccessible::CheckBox; }

protected:
    // Called after each toggle by the user.
    virtual void Toggle() {}

    void TransparentChanged() override;
    void ReadTheme() override { AutoSizeChanged(); }
    void UIStyleChanged() override;
    std::optional<TsuiFace> ThemedFace() const override { return TsuiFace::CheckBox; }
    void DoClick() override;

private:
    QSize CheckPictureSize() const;
};

// A check box that only the user's click checks, and that unchecks the
// radio buttons of its group (same GroupIndex) among its siblings.
class TsuiRadioButton : public TsuiCheckBox {
    Q_OBJECT
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)

public:
    explicit TsuiRadioButton(QObject* owner, QWidget* parent = nullptr);
    ~TsuiRadioButton() override;

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }

    QAccessible::Role AccessibleRole() const override { return QAccessible::RadioButton; }

protected:
    void TransparentChanged() override;
    std::optional<TsuiFace> ThemedFace() const override { return TsuiFace::RadioButton; }
    void DoClick() override;
    void CheckStateChanged() override;
    void UnCheckGroup();

private:
    int groupIndex_ = 0;
};
