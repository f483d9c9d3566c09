#pragma once
// Skinned panels: a panel surface that shows a picture (natural size,
// stretched or tiled), its colour or its parent, with an optional one-line
// caption; and the image panel that publishes it. Panels pass a style pushed
// onto them on to the controls they hold.

#include "skin/themes/suithemes.h"
#include "toolkit/graphics.h"
#include "toolkit/panel.h"

#include <cstdint>

namespace Suiimagepanel {
Q_NAMESPACE

enum TsuiDrawStyle : std::uint8_t { suiNormal, suiStretch, suiTile };
Q_ENUM_NS(TsuiDrawStyle)

} // namespace Suiimagepanel

using Suiimagepanel::TsuiDrawStyle;
inline constexpr auto suiNormal = TsuiDrawStyle::suiNormal;
inline constexpr auto suiStretch = TsuiDrawStyle::suiStretch;
inline constexpr auto suiTile = TsuiDrawStyle::suiTile;

/// A skinned panel that paints a picture (stretched, tiled or centred) under its children.
class TsuiCustomPanel : public toolkit::TCustomPanel, public TsuiStyled {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)

public:
    // Either coordinate at this value lets Alignment place the caption.
    static constexpr int AlignedCaption = -1;

    explicit TsuiCustomPanel(QObject* owner, QWidget* parent = nullptr);
    ~TsuiCustomPanel() override;

    toolkit::TPicture* Picture() { return &picture_; }
    const toolkit::TPicture& Picture() const { return picture_; }
    // Copies the picture; the change notification does the rest.
    void SetPicture(const toolkit::TPicture& picture) { picture_.Assign(picture); }
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool on);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    int CaptionPosX() const { return captionPosX_; }
    int CaptionPosY() const { return captionPosY_; }
    void SetCaptionPosX(int x) { Store(captionPosX_, x); }
    void SetCaptionPosY(int y) { Store(captionPosY_, y); }
    TsuiDrawStyle DrawStyle() const { return drawStyle_; }
    void SetDrawStyle(TsuiDrawStyle style) { Store(drawStyle_, style); }

    // Where the caption goes, measured in the canvas's font: the client
    // rectangle when Alignment places it, otherwise the rectangle the text
    // covers from (CaptionPosX, CaptionPosY).
    toolkit::TRect CaptionRect(toolkit::TCanvas& canvas) const;

    // A panel is not restyled itself; it passes a style on to its controls.
    void ApplyContainerStyle(TsuiUIStyle) override {}
    bool PassUIStyleOn(TsuiUIStyle style) override;
    virtual void UpdateUIStyle(TsuiUIStyle style);

protected:
    void Paint(toolkit::TCanvas& canvas) override;
    // The parent's background when transparent, then the picture; without
    // either, the canvas keeps the Color it arrives filled with.
    void PaintSurface(toolkit::TCanvas& canvas) const;
    // Showing the parent, the picture may go stale unseen.
    bool KeepsPicture() const override { return !transparent_; }

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool CaptionAligned() const
    {
        return captionPosX_ == AlignedCaption || captionPosY_ == AlignedCaption;
    }
    bool OnOwnSurface(const QMouseEvent& event) const;
    void PictureChanged();
    void ApplyAutoSize();
    void ApplyTransparency();

    toolkit::TPicture picture_;
    bool transparent_ = false;
    bool autoSize_ = false;
    int captionPosX_ = AlignedCaption;
    int captionPosY_ = AlignedCaption;
    TsuiDrawStyle drawStyle_ = suiNormal;
    bool clickHeld_ = false;
};

/// The image panel as stored in layouts: Picture, DrawStyle, Transparent.
class TsuiImagePanel : public TsuiCustomPanel {
    Q_OBJECT
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(toolkit::TPicture* Picture READ Picture)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(toolkit::panel_meta::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY TextChanged)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(Suiimagepanel::TsuiDrawStyle DrawStyle READ DrawStyle WRITE SetDrawStyle)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

public:
    using TsuiCustomPanel::TsuiCustomPanel;
};
