#pragma once
// The skinned edit: the toolkit's edit with the flat border in BorderColor
// in place of its native edge. It has no style of its own: a style pushed
// onto its container sets BorderColor.

#include "skin/themes/suiflatborder.h"
#include "toolkit/edits.h"

/// The skinned one-line edit: the toolkit edit in the style's flat border.
class TsuiEdit : public toolkit::TCustomEdit, public TsuiFlatBorder {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(QString Text READ Text WRITE SetText NOTIFY TextChanged)
public:
    explicit TsuiEdit(QObject* owner, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};
