#pragma once
// Font choosers: a combo box of the installed font families, each item with
// a picture of its kind and, on request, drawn in its own face; and a combo
// box of the sizes one family offers.

#include "skin/controls/suicombobox.h"
#include "toolkit/graphics.h"

#include <QFontDatabase>
#include <optional>

namespace Suifontcombobox {
Q_NAMESPACE

enum TFontDrawComboStyle { csDropDown, csSimple, csDropDownList };
Q_ENUM_NS(TFontDrawComboStyle)

enum TFontDevice { fdScreen, fdPrinter, fdBoth };
Q_ENUM_NS(TFontDevice)

enum TFontListOption {
    foAnsiOnly = 0x1,
    foTrueTypeOnly = 0x2,
    foFixedPitchOnly = 0x4,
    foNoOEMFonts = 0x8,
    foOEMFontsOnly = 0x10,
    foScalableOnly = 0x20,
    foNoSymbolFonts = 0x40,
};
Q_DECLARE_FLAGS(TFontListOptions, TFontListOption)
Q_FLAG_NS(TFontListOptions)

} // namespace Suifontcombobox

Q_DECLARE_OPERATORS_FOR_FLAGS(Suifontcombobox::TFontListOptions)

using Suifontcombobox::TFontDevice;
using Suifontcombobox::TFontDrawComboStyle;
using Suifontcombobox::TFontListOption;
using Suifontcombobox::TFontListOptions;

/// What the font list knows of a family, in the classic terms its filter and
/// pictures are written in. This platform has no OEM character set and no
/// device (printer-resident) fonts.
struct TFontFamilyInfo {
    // Kind bits of an item's object value.
    static constexpr unsigned RasterFont = 0x1;
    static constexpr unsigned DeviceFont = 0x2;
    static constexpr unsigned TrueTypeFont = 0x4;
    static constexpr unsigned NotSymbol = 0x100;
    static constexpr int AnsiCharset = 0;
    static constexpr int SymbolCharset = 2;
    static constexpr int OemCharset = 255;

    QString Name;
    unsigned FontType = 0; // RasterFont, DeviceFont, TrueTypeFont
    int Charset = AnsiCharset;
    bool FixedPitch = false;

    static TFontFamilyInfo Of(const QString& family);
    bool Passes(TFontListOptions options) const;
    // The item's object value: the kind bits, and NotSymbol.
    unsigned ItemValue() const { return FontType | (Charset != SymbolCharset ? NotSymbol : 0); }
};

/// An owner-drawn box whose item height follows its font.
class TsuiFontDrawComboBox : public TsuiCustomComboBox {
    Q_OBJECT

public:
    explicit TsuiFontDrawComboBox(QObject* owner, QWidget* parent = nullptr);

    TFontDrawComboStyle ComboStyle() const { return comboStyle_; }
    void SetComboStyle(TFontDrawComboStyle style);

    // The font's height plus one, at least 9.
    virtual int MinItemHeight() const;

protected:
    toolkit::TItemDrawing ItemDrawing() const override { return toolkit::TItemDrawing::OwnerFixed; }
    void ResetItemHeight();
    void FontChanged() override { ResetItemHeight(); }

private:
    TFontDrawComboStyle comboStyle_ = TFontDrawComboStyle::csDropDownList;
};

/// A skinned combo box listing the installed font families (FontName), each drawn in its own face.
class TsuiFontComboBox : public TsuiFontDrawComboBox {
    Q_OBJECT
    Q_PROPERTY(Suifontcombobox::TFontDrawComboStyle Style READ ComboStyle WRITE SetComboStyle)
    Q_PROPERTY(Suifontcombobox::TFontDevice Device READ Device WRITE SetDevice)
    Q_PROPERTY(bool UseFonts READ UseFonts WRITE SetUseFonts)
    Q_PROPERTY(Suifontcombobox::TFontListOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName NOTIFY TextChanged USER true)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES

public:
    // Throws EResNotFound when a picture of the list is missing.
    explicit TsuiFontComboBox(QObject* owner, QWidget* parent = nullptr);

    TFontDevice Device() const { return device_; }
    void SetDevice(TFontDevice device);
    bool UseFonts() const { return useFonts_; }
    void SetUseFonts(bool on);
    TFontListOptions Options() const { return options_; }
    void SetOptions(TFontListOptions options);
    // The chosen family. Matched without regard to letter case; a name that
    // is not listed selects nothing on a drop-down list and stands in the
    // edit otherwise. Until the list exists (while a layout loads) the name
    // waits and is selected once it does.
    QString FontName() const;
    void SetFontName(const QString& name);

    // Lists the families now, if not yet done; showing the box, opening its
    // list or choosing a name does it on its own.
    void CreateList();
    bool HasList() const { return listCreated_; }
    // Lists the families again, keeping the chosen name (the installed fonts,
    // the options or the device changed).
    void Reset();

    int MinItemHeight() const override;
    void Loaded() override;

protected:
    void PopulateList();
    void DrawItem(toolkit::TCanvas& canvas, int index, const toolkit::TRect& rect,
                  toolkit::TOwnerDrawState state) override;
    // The published OnChange means "the font name changed": only DoChange
    // raises it.
    void Change() override;
    void Click() override;
    void DoChange();
    // Selects the listed face of that name, whatever its letter case.
    void SelectName(const QString& name);
    void showEvent(QShowEvent* event) override;

public:
    void showPopup() override;

private:
    toolkit::TBitmap trueTypePicture_;
    toolkit::TBitmap devicePicture_;
    TFontDevice device_ = TFontDevice::fdScreen;
    TFontListOptions options_;
    bool useFonts_ = false;
    bool updating_ = false;
    bool listCreated_ = false;
    std::optional<QString> pendingName_;
};

/// The sizes a family offers: the sixteen usual ones for a scalable family,
/// the family's own sizes otherwise.
class TsuiFontSizeComboBox : public TsuiCustomComboBox {
    Q_OBJECT
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName NOTIFY FontNameChanged)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY ItemIndexChanged)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    TOOLKIT_PUBLISHED_COMMON_PROPERTIES

public:
    explicit TsuiFontSizeComboBox(QObject* owner, QWidget* parent = nullptr);

    QString FontName() const { return fontName_; }
    void SetFontName(const QString& name);
    // Lists the family's sizes anew; the size shown before stays selected
    // when the family has it.
    void Build();

    // Adds a size at its place in ascending order; a size already listed is
    // not added again.
    static void InsertSize(toolkit::TStringList& sizes, int size);

signals:
    void FontNameChanged();

private:
    QString fontName_;
};
