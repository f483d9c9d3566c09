#pragma once
// The skinned memo: the toolkit's memo with the flat border and, when
// attached, skinned scroll bars (sibling controls named by VScrollBar and
// HScrollBar) in place of its own.

#include "skin/scrolling/suiattachedbars.h"
#include "skin/themes/suiflatborder.h"
#include "toolkit/edits.h"

/// The skinned memo: the toolkit memo in the style's flat border with skinned scroll bars.
class TsuiMemo : public toolkit::TCustomMemo, public TsuiFlatBorder {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(TsuiScrollBar* VScrollBar READ VScrollBar WRITE SetVScrollBar)
    Q_PROPERTY(TsuiScrollBar* HScrollBar READ HScrollBar WRITE SetHScrollBar)
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES
    Q_PROPERTY(toolkit::panel_meta::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(toolkit::TStringList* Lines READ Lines)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    // Follows the attached bars; not stored.
    Q_PROPERTY(toolkit::nativecontrol_meta::TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars STORED false)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
public:
    explicit TsuiMemo(QObject* owner, QWidget* parent = nullptr);

    TsuiScrollBar* VScrollBar() const { return bars_->Bar(Qt::Vertical); }
    TsuiScrollBar* HScrollBar() const { return bars_->Bar(Qt::Horizontal); }
    void SetVScrollBar(TsuiScrollBar* bar) { Attach(Qt::Vertical, bar); }
    void SetHScrollBar(TsuiScrollBar* bar) { Attach(Qt::Horizontal, bar); }

protected:
    bool event(QEvent* event) override;

private:
    void Attach(Qt::Orientation orientation, TsuiScrollBar* bar);
    // The native bars the attached skinned ones cover.
    void UpdateInnerScrollBars();

    TsuiAttachedBars* bars_;
};
