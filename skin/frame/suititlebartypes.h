#pragma once
// The kinds of caption button and the places of title bar sections.

#include <QObject>
#include <cstdint>

namespace Suititlebar {
Q_NAMESPACE

enum TsuiTitleBarBtnType : std::uint8_t { suiMax, suiMin, suiClose, suiHelp, suiControlBox, suiCustom };
Q_ENUM_NS(TsuiTitleBarBtnType)

enum TsuiTitleBarAlign : std::uint8_t { suiLeft, suiRight, suiClient };
Q_ENUM_NS(TsuiTitleBarAlign)

} // namespace Suititlebar

using Suititlebar::TsuiTitleBarAlign;
using Suititlebar::TsuiTitleBarBtnType;
inline constexpr auto suiMax = TsuiTitleBarBtnType::suiMax;
inline constexpr auto suiMin = TsuiTitleBarBtnType::suiMin;
inline constexpr auto suiClose = TsuiTitleBarBtnType::suiClose;
inline constexpr auto suiHelp = TsuiTitleBarBtnType::suiHelp;
inline constexpr auto suiControlBox = TsuiTitleBarBtnType::suiControlBox;
inline constexpr auto suiCustom = TsuiTitleBarBtnType::suiCustom;
inline constexpr auto suiLeft = TsuiTitleBarAlign::suiLeft;
inline constexpr auto suiRight = TsuiTitleBarAlign::suiRight;
inline constexpr auto suiClient = TsuiTitleBarAlign::suiClient;
