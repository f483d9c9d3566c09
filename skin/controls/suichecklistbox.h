#pragma once
// The skinned check list box: the toolkit's check list box with the flat
// border in BorderColor. A style pushed onto its container sets BorderColor.

#include "skin/themes/suiflatborder.h"
#include "toolkit/lists.h"

/// Its border is pinned: BorderStyle always reads single and BorderWidth 1;
/// writing either sets the flat border of width 1 again.
class TsuiCheckListBox : public toolkit::TCheckListBox, public TsuiFlatBorder {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(toolkit::nativecontrol_meta::TBorderStyle BorderStyle READ PinnedBorderStyle WRITE SetPinnedBorderStyle)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
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
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(bool IntegralHeight READ IntegralHeight WRITE SetIntegralHeight)
    Q_PROPERTY(int TabWidth READ TabWidth WRITE SetTabWidth)
public:
    explicit TsuiCheckListBox(QObject* owner, QWidget* parent = nullptr);

    toolkit::TBorderStyle PinnedBorderStyle() const { return toolkit::bsSingle; }
    void SetPinnedBorderStyle(toolkit::TBorderStyle) { SetBorderStyle(toolkit::bsNone); }
    void SetBorderStyle(toolkit::TBorderStyle) override;
    void SetBorderWidth(int) override;

protected:
    bool event(QEvent* event) override;
};
