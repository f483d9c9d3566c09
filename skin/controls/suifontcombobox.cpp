#include "skin/controls/suifontcombobox.h"

#include <QGuiApplication>

using namespace toolkit;

namespace {

// The sizes every scalable family offers, in the order they are listed.
constexpr int ScalableSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

TComboBoxStyle ToolkitStyle(TFontDrawComboStyle style)
{
    switch (style) {
    case TFontDrawComboStyle::csDropDown:
        return csDropDown;
    case TFontDrawComboStyle::csSimple:
        return csSimple;
    case TFontDrawComboStyle::csDropDownList:
        break;
    }
    return csDropDownList;
}

} // namespace

// ---- TFontFamilyInfo -----------------------------------------------------------

TFontFamilyInfo TFontFamilyInfo::Of(const QString& family)
{
    TFontFamilyInfo info;
    info.Name = family;
    // Outline fonts take the TrueType picture; everything else is a bitmap.
    info.FontType = QFontDatabase::isSmoothlyScalable(family) ? TrueTypeFont : RasterFont;
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    if (systems.contains(QFontDatabase::Latin))
        info.Charset = AnsiCharset;
    else if (systems.contains(QFontDatabase::Symbol))
        info.Charset = SymbolCharset;
    else
        info.Charset = TFont::DEFAULT_CHARSET;
    info.FixedPitch = QFontDatabase::isFixedPitch(family);
    return info;
}

bool TFontFamilyInfo::Passes(TFontListOptions options) const
{
    using namespace Suifontcombobox;
    return (!options.testFlag(foAnsiOnly) || Charset == AnsiCharset) &&
           (!options.testFlag(foTrueTypeOnly) || (FontType & TrueTypeFont)) &&
           (!options.testFlag(foFixedPitchOnly) || FixedPitch) &&
           (!options.testFlag(foOEMFontsOnly) || Charset == OemCharset) &&
           (!options.testFlag(foNoOEMFonts) || Charset != OemCharset) &&
           (!options.testFlag(foNoSymbolFonts) || Charset != SymbolCharset) &&
           (!options.testFlag(foScalableOnly) || !(FontType & RasterFont));
}

// ---- TsuiFontDrawComboBox ------------------------------------------------------

TsuiFontDrawComboBox::TsuiFontDrawComboBox(QObject* owner, QWidget* parent) : TsuiCustomComboBox(owner, parent)
{
    SetStyle(ToolkitStyle(comboStyle_));
    ResetItemHeight();
}

void TsuiFontDrawComboBox::SetComboStyle(TFontDrawComboStyle style)
{
    if (comboStyle_ == style) return;
    comboStyle_ = style;
    SetStyle(ToolkitStyle(style));
}

int TsuiFontDrawComboBox::MinItemHeight() const
{
    return std::max(9, QFontMetrics(font()).height() + 1);
}

void TsuiFontDrawComboBox::ResetItemHeight()
{
    SetItemHeight(MinItemHeight());
}

// ---- TsuiFontComboBox ----------------------------------------------------------

TsuiFontComboBox::TsuiFontComboBox(QObject* owner, QWidget* parent) : TsuiFontDrawComboBox(owner, parent)
{
    trueTypePicture_.LoadFromResourceName(QStringLiteral("FONTCOMBO_TRUETYPE_FNT"));
    devicePicture_.LoadFromResourceName(QStringLiteral("FONTCOMBO_DEVICE_FNT"));
    trueTypePicture_.SetTransparent(true);
    devicePicture_.SetTransparent(true);
    Items()->SetSorted(true);
    ResetItemHeight();
    // Fonts installed or removed while the program runs.
    connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, this, &TsuiFontComboBox::Reset);
}

int TsuiFontComboBox::MinItemHeight() const
{
    return std::max(TsuiFontDrawComboBox::MinItemHeight(), trueTypePicture_.Height() - 1);
}

void TsuiFontComboBox::SetDevice(TFontDevice device)
{
    if (device_ == device) return;
    device_ = device;
    Reset();
}

void TsuiFontComboBox::SetOptions(TFontListOptions options)
{
    if (options_ == options) return;
    options_ = options;
    Reset();
}

void TsuiFontComboBox::SetUseFonts(bool on)
{
    if (useFonts_ == on) return;
    useFonts_ = on;
    Invalidate();
}

QString TsuiFontComboBox::FontName() const
{
    return pendingName_ ? *pendingName_ : Text();
}

void TsuiFontComboBox::SetFontName(const QString& name)
{
    if (name == FontName()) return;
    if (IsLoading()) {
        pendingName_ = name; // selected once the list exists, at the end of loading
        return;
    }
    CreateList();
    SelectName(name);
    DoChange();
}

void TsuiFontComboBox::SelectName(const QString& name)
{
    const int found = FindItem(name);
    SetItemIndex(found);
    // An unlisted name selects nothing; an editable box still shows it.
    if (found < 0 && ComboStyle() != TFontDrawComboStyle::csDropDownList) SetText(name);
}

void TsuiFontComboBox::CreateList()
{
    if (listCreated_) return;
    listCreated_ = true;
    const QString remembered = FontName();
    pendingName_.reset();
    updating_ = true;
    PopulateList();
    SetText(QString());
    SelectName(remembered);
    updating_ = false;
    if (FontName().compare(remembered, Qt::CaseInsensitive) != 0) DoChange();
}

void TsuiFontComboBox::Reset()
{
    if (!listCreated_) return;
    const QString name = FontName();
    updating_ = true;
    PopulateList();
    SelectName(name);
    updating_ = false;
    if (FontName() != name) DoChange();
}

void TsuiFontComboBox::Loaded()
{
    TsuiFontDrawComboBox::Loaded();
    if (!listCreated_) {
        if (pendingName_) CreateList();
        return;
    }
    if (pendingName_) {
        const QString name = *pendingName_;
        pendingName_.reset();
        SetFontName(name);
    }
}

// Printers list no fonts of their own on this platform: fdPrinter lists
// nothing and fdBoth the screen's families.
void TsuiFontComboBox::PopulateList()
{
    TStringList& items = *Items();
    items.BeginUpdate();
    items.Clear();
    if (device_ != TFontDevice::fdPrinter) {
        for (const QString& family : QFontDatabase::families()) {
            if (QFontDatabase::isPrivateFamily(family) || items.IndexOf(family) >= 0) continue;
            const TFontFamilyInfo info = TFontFamilyInfo::Of(family);
            if (info.Passes(options_)) items.AddObject(family, info.ItemValue());
        }
    }
    items.EndUpdate();
}

void TsuiFontComboBox::DrawItem(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState)
{
    canvas.FillRect(rect);
    if (index < 0 || index >= Items()->Count()) return;
    const unsigned value = unsigned(Items()->Objects(index));
    const TBitmap* picture = (value & TFontFamilyInfo::TrueTypeFont) ? &trueTypePicture_
                             : (value & TFontFamilyInfo::DeviceFont) ? &devicePicture_
                                                                     : nullptr;
    const int reserved = picture ? picture->Width() : 20;
    if (picture) canvas.Draw(rect.Left + 2, (rect.Top + rect.Bottom - picture->Height()) / 2, *picture);
    TRect text = rect;
    text.Left += reserved + 6;
    const QString name = Items()->Strings(index);
    if (useFonts_ && (value & TFontFamilyInfo::NotSymbol)) canvas.Font.SetName(name);
    canvas.DrawText(name, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TsuiFontComboBox::Change()
{
    if (ComboStyle() == TFontDrawComboStyle::csDropDownList) return;
    const int found = FindItem(Text());
    if (found >= 0 && found != ItemIndex()) {
        SetItemIndex(found);
        DoChange();
    }
}

void TsuiFontComboBox::Click()
{
    TsuiFontDrawComboBox::Click();
    DoChange();
}

void TsuiFontComboBox::DoChange()
{
    if (IsLoading() || updating_) return;
    emit OnChange();
}

void TsuiFontComboBox::showEvent(QShowEvent* event)
{
    CreateList();
    TsuiFontDrawComboBox::showEvent(event);
}

void TsuiFontComboBox::showPopup()
{
    CreateList();
    TsuiFontDrawComboBox::showPopup();
}

// ---- TsuiFontSizeComboBox ------------------------------------------------------

TsuiFontSizeComboBox::TsuiFontSizeComboBox(QObject* owner, QWidget* parent) : TsuiCustomComboBox(owner, parent)
{
    SetStyle(csDropDownList);
}

void TsuiFontSizeComboBox::SetFontName(const QString& name)
{
    const bool changed = fontName_ != name;
    fontName_ = name;
    Build();
    if (changed) emit FontNameChanged();
}

void TsuiFontSizeComboBox::InsertSize(TStringList& sizes, int size)
{
    for (int i = 0; i < sizes.Count(); ++i) {
        const int listed = sizes[i].toInt();
        if (listed == size) return;
        if (listed > size) {
            sizes.Insert(i, QString::number(size));
            return;
        }
    }
    sizes.Add(QString::number(size));
}

// The size shown before is remembered across the clearing, so a new family
// that has it keeps it selected.
void TsuiFontSizeComboBox::Build()
{
    const QString shown = Text();
    TStringList& sizes = *Items();
    sizes.BeginUpdate();
    sizes.Clear();
    if (!fontName_.isEmpty()) {
        if (QFontDatabase::isSmoothlyScalable(fontName_)) {
            for (int size : ScalableSizes)
                sizes.Add(QString::number(size));
        } else {
            // A bitmap family's sizes, in points at the screen's resolution
            // (the font database converts them).
            for (const QString& style : QFontDatabase::styles(fontName_))
                for (int size : QFontDatabase::pointSizes(fontName_, style))
                    InsertSize(sizes, size);
        }
    }
    sizes.EndUpdate();
    SetItemIndex(sizes.IndexOf(shown));
    Click();
}
