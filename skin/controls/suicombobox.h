#pragma once
// Skinned combo boxes: the toolkit's combo box with a flat one-pixel border,
// a flat drop-down button (the style's picture in MacOS, a plain fill in the
// others) and a small triangular arrow, in the style's colours.

#include "skin/themes/suiskinname.h"
#include "skin/themes/suithemes.h"
#include "toolkit/combobox.h"

/// The skinned combo box: the toolkit combo box in a flat skinned border with the style's drop-down button.
class TsuiCustomComboBox : public toolkit::TCustomComboBox, public TsuiStyled, public TsuiSkinNamed {
    Q_OBJECT
    Q_INTERFACES(TsuiStyled)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(quint32 ButtonColor READ ButtonColor WRITE SetButtonColor)
    Q_PROPERTY(quint32 ArrowColor READ ArrowColor WRITE SetArrowColor)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle NOTIFY UIStyleSwitched)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName NOTIFY UIStyleSwitched)

public:
    // Takes the style of the skinned frame on the owner form.
    explicit TsuiCustomComboBox(QObject* owner, QWidget* parent = nullptr);

    toolkit::TColor BorderColor() const { return borderColor_; }
    toolkit::TColor ButtonColor() const { return buttonColor_; }
    toolkit::TColor ArrowColor() const { return arrowColor_; }
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetBorderColor(toolkit::TColor color) { Store(borderColor_, color); }
    void SetButtonColor(toolkit::TColor color) { Store(buttonColor_, color); }
    void SetArrowColor(toolkit::TColor color) { Store(arrowColor_, color); }
    // Reads the three colours from the theme, Custom included: its queries
    // answer black.
    void SetUIStyle(TsuiUIStyle style);

    void ApplyContainerStyle(TsuiUIStyle style) override { SetUIStyle(style); }

    // Where the arrow's triangle starts: centred on the button across, and
    // half the button's height down from the control's top (not the
    // button's), as the skin has always placed it.
    toolkit::TPoint ArrowOrigin() const;

signals:
    void UIStyleSwitched();

protected:
    void Paint(toolkit::TCanvas& canvas) override;
    virtual void DrawButton(toolkit::TCanvas& canvas);
    virtual void DrawArrow(toolkit::TCanvas& canvas, int x, int y);

    template <typename T> void Store(T& field, const T& value)
    {
        if (field == value) return;
        field = value;
        Invalidate();
    }

private:
    toolkit::TColor borderColor_ = 0;
    toolkit::TColor buttonColor_ = 0;
    toolkit::TColor arrowColor_ = 0;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::Custom;
};

/// The plain skinned combo box with the toolkit's usual stored properties.
class TsuiComboBox : public TsuiCustomComboBox {
    Q_OBJECT
    Q_PROPERTY(toolkit::combobox_meta::TComboBoxStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(toolkit::TStringList* Items READ Items)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY ItemIndexChanged)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(QString Text READ Text WRITE SetText NOTIFY TextChanged)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::combobox_meta::TEditCharCase CharCase READ CharCase WRITE SetCharCase)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES

public:
    using TsuiCustomComboBox::TsuiCustomComboBox;
};
