#pragma once
// The skinned list view: the toolkit's list view with the flat border in
// BorderColor. A style pushed onto its container sets BorderColor.

#include "skin/themes/suiflatborder.h"
#include "toolkit/lists.h"

/// The skinned list view: the toolkit list view in the style's flat border.
class TsuiListView : public toolkit::TCustomListView, public TsuiFlatBorder {
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
    Q_PROPERTY(QStringList Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool RowSelect READ RowSelect WRITE SetRowSelect)
    Q_PROPERTY(toolkit::lists_meta::TViewStyle ViewStyle READ ViewStyle WRITE SetViewStyle)
    Q_PROPERTY(toolkit::TImageList* SmallImages READ SmallImages WRITE SetSmallImages)
    Q_PROPERTY(toolkit::TListItems* Items READ Items)
public:
    explicit TsuiListView(QObject* owner, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};
