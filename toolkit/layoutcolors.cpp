#include "toolkit/layoutcolors.h"

#include <array>

namespace toolkit {

namespace {

// The toolkit's table of named colours in its own order: the sixteen
// standard colours, the system colours, clNone. clDefault has a name but no
// place in it.
constexpr std::array<TNamedColor, 42> ColorTable{{
    {u"clBlack", clBlack},
    {u"clMaroon", 0x000080},
    {u"clGreen", 0x008000},
    {u"clOlive", 0x008080},
    {u"clNavy", 0x800000},
    {u"clPurple", 0x800080},
    {u"clTeal", 0x808000},
    {u"clGray", 0x808080},
    {u"clSilver", 0xC0C0C0},
    {u"clRed", clRed},
    {u"clLime", 0x00FF00},
    {u"clYellow", 0x00FFFF},
    {u"clBlue", clBlue},
    {u"clFuchsia", clFuchsia},
    {u"clAqua", 0xFFFF00},
    {u"clWhite", clWhite},
    {u"clScrollBar", clScrollBar},
    {u"clBackground", clBackground},
    {u"clActiveCaption", clActiveCaption},
    {u"clInactiveCaption", clInactiveCaption},
    {u"clMenu", clMenu},
    {u"clWindow", clWindow},
    {u"clWindowFrame", clWindowFrame},
    {u"clMenuText", clMenuText},
    {u"clWindowText", clWindowText},
    {u"clCaptionText", clCaptionText},
    {u"clActiveBorder", clSystemColor | 10},
    {u"clInactiveBorder", clSystemColor | 11},
    {u"clAppWorkSpace", clSystemColor | 12},
    {u"clHighlight", clHighlight},
    {u"clHighlightText", clHighlightText},
    {u"clBtnFace", clBtnFace},
    {u"clBtnShadow", clBtnShadow},
    {u"clGrayText", clGrayText},
    {u"clBtnText", clBtnText},
    {u"clInactiveCaptionText", clInactiveCaptionText},
    {u"clBtnHighlight", clBtnHighlight},
    {u"cl3DDkShadow", cl3DDkShadow},
    {u"cl3DLight", cl3DLight},
    {u"clInfoText", clInfoText},
    {u"clInfoBk", clInfoBk},
    {u"clNone", clNone},
}};

constexpr TNamedColor DefaultColor{u"clDefault", clDefault};

} // namespace

std::span<const TNamedColor> NamedColors()
{
    return ColorTable;
}

std::optional<TColor> ColorFromName(const QString& name)
{
    for (const TNamedColor& entry : ColorTable)
        if (name == entry.Name) return entry.Value;
    if (name == DefaultColor.Name) return DefaultColor.Value;
    return std::nullopt;
}

QString ColorName(TColor color)
{
    for (const TNamedColor& entry : ColorTable)
        if (entry.Value == color) return entry.Name.toString();
    if (color == DefaultColor.Value) return DefaultColor.Name.toString();
    return {};
}

} // namespace toolkit
