#pragma once
// A plain panel: a container that fills itself with its colour and shows a
// one-line caption, with a border of free pixels kept around its aligned
// children. No bevels: skinned panels draw their own surface and reuse the
// caption drawing on top of it.

#include "toolkit/control.h"

namespace toolkit {

namespace panel_meta {
Q_NAMESPACE
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)
} // namespace panel_meta

using TAlignment = panel_meta::TAlignment;
using enum panel_meta::TAlignment;

/// The toolkit panel: a container with a one-line caption (Alignment) and BorderWidth around its aligned
/// children.
class TCustomPanel : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(toolkit::panel_meta::TAlignment Alignment READ Alignment WRITE SetAlignment DESIGNABLE false)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth DESIGNABLE false)

public:
    explicit TCustomPanel(QObject* owner, QWidget* parent = nullptr);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    int BorderWidth() const { return borderWidth_; }
    // Negative widths count as none.
    void SetBorderWidth(int width);

protected:
    void Paint(TCanvas& canvas) override;
    // The caption as one line in rect, vertically centred and placed
    // horizontally by Alignment, without a background; nothing when the
    // caption is blank.
    void DrawCaption(TCanvas& canvas, const TRect& rect) const;
    // Nothing but blanks and control characters: such a caption is not drawn.
    bool CaptionIsBlank() const;

private:
    TAlignment alignment_ = taCenter;
    int borderWidth_ = 0;
};

/// The panel as stored in layouts.
class TPanel : public TCustomPanel {
    Q_OBJECT
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(toolkit::panel_meta::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY TextChanged)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

public:
    using TCustomPanel::TCustomPanel;
};

} // namespace toolkit
