#pragma once
// The skinned tree view: the toolkit's tree view with the flat border in
// BorderColor. A style pushed onto its container sets BorderColor.

#include "skin/themes/suiflatborder.h"
#include "toolkit/lists.h"

/// The skinned tree view: the toolkit tree view in the style's flat border.
class TsuiTreeView : public toolkit::TCustomTreeView, public TsuiFlatBorder {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool ShowRoot READ ShowRoot WRITE SetShowRoot)
    Q_PROPERTY(toolkit::TImageList* Images READ Images WRITE SetImages)
    Q_PROPERTY(toolkit::TTreeNodes* Items READ Items)
public:
    explicit TsuiTreeView(QObject* owner, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};
