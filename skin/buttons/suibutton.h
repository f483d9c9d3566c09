#pragma once
// The themed push button: painted nine-piece from the style's pictures (or
// from pictures of its own in Custom), with an optional glyph placed by its
// layout.

#include "skin/buttons/suicustombutton.h"
#include "toolkit/graphics.h"

#include <QSize>
#include <cstdint>
#include <optional>

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

/// Where a glyph and the caption go for a layout, all halvings truncating.
struct TsuiGlyphPlacement {
    toolkit::TPoint Glyph;
    toolkit::TPoint Text;
};
TsuiGlyphPlacement PlaceGlyph(TButtonLayout layout, QSize button, QSize text, QSize glyph, int spacing);

/// The skinned push button: a face from its style (or three pictures of its own), a glyph, a caption;
/// Default/Cancel, ModalResult, AutoSize, repeat while held.
class TsuiButton : public TsuiCustomButton {
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
    Q_PROPERTY(toolkit::TBitmap* Glyph READ Glyph)
    Q_PROPERTY(Suibutton::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(quint32 ResHandle READ ResHandle WRITE SetResHandle)
    Q_PROPERTY(QString PicNormalResName READ GetPicNormal WRITE SetPicNormal)
    Q_PROPERTY(QString PicMouseDownResName READ GetPicMouseDown WRITE SetPicMouseDown)
    Q_PROPERTY(QString PicMouseOnResName READ GetPicMouseOn WRITE SetPicMouseOn)
    Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
                   SetMouseContinuouslyDownInterval)
    Q_PROPERTY(toolkit::TAction* Action READ Action WRITE SetAction)

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
    // An empty glyph takes the action's image from its list's images.
    void ActionChange(toolkit::TAction& action) override;

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

// Forms saved by earlier Designer plugins name this header for every button
// class; it still brings the image button, check box and radio button along.
#include "skin/buttons/suicheckbox.h"
#include "skin/buttons/suiimagebutton.h"
#include "skin/buttons/suiradiobutton.h"
