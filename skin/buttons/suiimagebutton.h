#pragma once
// A button drawn from four pictures of its own (normal, under the pointer,
// held down, disabled), stretched to its size when asked.

#include "skin/buttons/suicustombutton.h"
#include "toolkit/graphics.h"

/// A button drawn from pictures of its own for the normal, hot, pressed and disabled looks (PicNormal,
/// PicMouseOn, PicMouseDown, PicDisabled), optionally stretched.
class TsuiImageButton : public TsuiCustomButton {
    Q_OBJECT
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY TextChanged)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle NOTIFY UIStyleSwitched)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName NOTIFY UIStyleSwitched)
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
    void Loaded() override;
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
