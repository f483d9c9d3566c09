#pragma once
// The colour chooser: a skinned combo box listing the toolkit's named colours
// with a swatch each, optionally with a first "Custom..." item whose colour
// the user picks in the colour dialog.

#include "skin/controls/suicombobox.h"

namespace Suicolorbox {
Q_NAMESPACE

enum TColorBoxStyles {
    cbStandardColors = 0x1,
    cbExtendedColors = 0x2,
    cbSystemColors = 0x4,
    cbIncludeNone = 0x8,
    cbIncludeDefault = 0x10,
    cbCustomColor = 0x20,
    cbPrettyNames = 0x40,
};
Q_DECLARE_FLAGS(TColorBoxStyle, TColorBoxStyles)
Q_FLAG_NS(TColorBoxStyle)

} // namespace Suicolorbox

Q_DECLARE_OPERATORS_FOR_FLAGS(Suicolorbox::TColorBoxStyle)

using Suicolorbox::TColorBoxStyle;
using Suicolorbox::TColorBoxStyles;

// Selected's answer when no colour is selected.
constexpr toolkit::TColor NoColorSelected = 0xFF000000;

// "clBtnFace" as the list shows it: without cbPrettyNames unchanged, with it
// "Btn Face" (a leading "cl" dropped, a space before every later capital).
QString ColorBoxItemName(const QString& colorName, bool pretty);

/// The skinned colour box's behaviour: a list of named colours with swatches (Style chooses standard,
/// extended, system, custom), Selected.
class TsuiCustomColorBox : public TsuiCustomComboBox {
    Q_OBJECT

public:
    static constexpr TColorBoxStyle DefaultStyle =
        TColorBoxStyle(Suicolorbox::cbStandardColors | Suicolorbox::cbExtendedColors | Suicolorbox::cbSystemColors);

    explicit TsuiCustomColorBox(QObject* owner, QWidget* parent = nullptr);

    TColorBoxStyle Style() const { return style_; }
    // A style without standard, extended, system or custom colours lists
    // nothing to choose and disables the box.
    void SetStyle(TColorBoxStyle style);
    // The selected item's colour, NoColorSelected for none. Until the list
    // exists (while a layout loads) the colour set is remembered and
    // selected once it does. A colour that is not listed goes into the
    // "Custom..." item when there is one.
    toolkit::TColor Selected() const;
    void SetSelected(toolkit::TColor color);
    toolkit::TColor DefaultColorColor() const { return defaultColorColor_; }
    void SetDefaultColorColor(toolkit::TColor color) { Store(defaultColorColor_, color); }
    toolkit::TColor NoneColorColor() const { return noneColorColor_; }
    void SetNoneColorColor(toolkit::TColor color) { Store(noneColorColor_, color); }

    toolkit::TColor GetColor(int index) const { return toolkit::TColor(Items()->Objects(index)); }
    QString GetColorName(int index) const { return Items()->Strings(index); }

    // Lets the user choose the "Custom..." item's colour; true when chosen.
    bool PickCustomColor();

    void Loaded() override;

signals:
    // Selected changed: another item, or the "Custom..." item's colour.
    void SelectedChanged();

protected:
    void PopulateList();
    void ColorCallBack(const QString& name);
    void DrawItem(toolkit::TCanvas& canvas, int index, const toolkit::TRect& rect,
                  toolkit::TOwnerDrawState state) override;
    void Change() override;
    void CloseUp() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool HasCustomItem() const;
    void AnnounceSelected();

    TColorBoxStyle style_ = DefaultStyle;
    bool needsList_ = false;
    toolkit::TColor selected_ = toolkit::clBlack;
    toolkit::TColor announced_ = toolkit::clBlack;
    toolkit::TColor defaultColorColor_ = toolkit::clBlack;
    toolkit::TColor noneColorColor_ = toolkit::clBlack;
    // The list was closed with the pointer or Enter and no key pressed since:
    // the next change is the user's pick from it.
    bool listSelected_ = false;
};

/// The skinned colour box as stored in layouts (TsuiCustomColorBox with its published properties).
class TsuiColorBox : public TsuiCustomColorBox {
    Q_OBJECT
    Q_PROPERTY(Suicolorbox::TColorBoxStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(quint32 Selected READ Selected WRITE SetSelected NOTIFY SelectedChanged USER true)
    Q_PROPERTY(quint32 DefaultColorColor READ DefaultColorColor WRITE SetDefaultColorColor)
    Q_PROPERTY(quint32 NoneColorColor READ NoneColorColor WRITE SetNoneColorColor)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES

public:
    using TsuiCustomColorBox::TsuiCustomColorBox;
};
