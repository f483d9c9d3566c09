#pragma once
// The base of the owner-drawn buttons: hover and pressed states, a repeat
// timer while held, push-button and dialog keys, the face picture for the
// state (the style's or the button's own) and the drawing the family shares.

#include "skin/themes/suicontrol.h"
#include "skin/themes/suifaces.h"
#include "skin/themes/suithemes.h"
#include "toolkit/accessible.h"
#include "toolkit/control.h"
#include "toolkit/graphics.h"

#include <QPointer>
#include <QString>
#include <optional>

class QShortcut;

// Pictures that cannot be loaded are replaced by a blank one of this size.
constexpr int FallbackPictureWidth = 74;
constexpr int FallbackPictureHeight = 21;

class TsuiDialogKeys;

/// The properties of the whole family, public but not stored: each button
/// publishes its own set again, in its own order.
class TsuiCustomButton : public TsuiControl, public toolkit::AccessibleButton {
    Q_OBJECT
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel DESIGNABLE false)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault DESIGNABLE false)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled DESIGNABLE false)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop DESIGNABLE false)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent DESIGNABLE false)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult DESIGNABLE false)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle NOTIFY UIStyleSwitched DESIGNABLE false)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName NOTIFY UIStyleSwitched DESIGNABLE false)
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

    // Loads a picture by name from ResHandle; throws EResNotFound.
    void LoadPicture(toolkit::TBitmap& bitmap, const QString& name) const;
    bool PictureKeyed() const { return pictureKeyed_; }
    void SetPictureKeyed(bool on) { pictureKeyed_ = on; }

    // A disabled caption: grey, over a white shadow.
    static constexpr toolkit::TColor CaptionShadow = toolkit::clWhite;
    static constexpr toolkit::TColor CaptionGrey = toolkit::RGBColor(0x80, 0x80, 0x80);
    // The colour a picture is keyed by: its top-left pixel.
    static toolkit::TColor TopLeftPixel(const QImage& image);
    // One image of an image list: keyed by its top-left pixel when asked, in
    // the enabled or the greyed disabled look.
    static void DrawListImage(toolkit::TCanvas& canvas, int x, int y, const toolkit::TBitmap& bitmap,
                              bool keyed, bool enabledLook);

private:
    QString PictureNameFor(const TsuiFaceState& state) const;
    QString PictureNameFor(bool hot, bool pressed) const;
    void FillFacePicture(toolkit::TBitmap& bitmap);
    void WatchWindowKeys();
    bool HandleDialogKey(const QKeyEvent& key);
    friend class TsuiDialogKeys;
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
    // The window's dialog keys reach the button through this, one per window.
    QPointer<TsuiDialogKeys> dialogKeys_;
    quint64 dialogKeysTicket_ = 0;
    QShortcut* accelerator_ = nullptr;
};
