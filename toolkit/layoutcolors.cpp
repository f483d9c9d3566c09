#include "toolkit/layoutcolors.h"

#include <array>
#include <utility>

namespace toolkit {

namespace {

constexpr std::array<std::pair<const char*, TColor>, 43> ColorNames{{
    {"clBlack", clBlack},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", clRed},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", 0xFFFF00},
    {"clWhite", clWhite},
    {"clNone", clNone},
    {"clDefault", 0x20000000},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clSystemColor | 10},
    {"clInactiveBorder", clSystemColor | 11},
    {"clAppWorkSpace", clSystemColor | 12},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
}};

} // namespace

std::optional<TColor> ColorFromName(const QString& name)
{
    for (const auto& [colorName, color] : ColorNames)
        if (name == QLatin1String(colorName)) return color;
    return std::nullopt;
}

QString ColorName(TColor color)
{
    for (const auto& [colorName, value] : ColorNames)
        if (value == color) return QLatin1String(colorName);
    return {};
}

} // namespace toolkit
