#pragma once
// The skinned list box: the toolkit's list box with the flat border and,
// when attached, a skinned vertical scroll bar (a sibling control named by
// VScrollBar) in place of its own, shown only while the list scrolls.

#include "skin/scrolling/suiattachedbars.h"
#include "skin/themes/suiflatborder.h"
#include "toolkit/lists.h"

/// The skinned list box: the toolkit list box in the style's flat border with a skinned vertical scroll bar.
class TsuiListBox : public toolkit::TCustomListBox, public TsuiFlatBorder {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(TsuiScrollBar* VScrollBar READ VScrollBar WRITE SetVScrollBar)
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(toolkit::TStringList* Items READ Items)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY ItemIndexChanged STORED false)
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE SetMultiSelect)
    Q_PROPERTY(bool ExtendedSelect READ ExtendedSelect WRITE SetExtendedSelect)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    Q_PROPERTY(toolkit::lists_meta::TListBoxStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(bool IntegralHeight READ IntegralHeight WRITE SetIntegralHeight)
    Q_PROPERTY(int TabWidth READ TabWidth WRITE SetTabWidth)
public:
    explicit TsuiListBox(QObject* owner, QWidget* parent = nullptr);

    TsuiScrollBar* VScrollBar() const { return bars_->Bar(Qt::Vertical); }
    void SetVScrollBar(TsuiScrollBar* bar);

protected:
    bool event(QEvent* event) override;

private:
    TsuiAttachedBars* bars_;
};
