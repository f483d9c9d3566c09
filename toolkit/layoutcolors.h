#pragma once
// Colour names as stored layouts write them (clRed, clBtnFace ...).

#include "toolkit/types.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <span>

namespace toolkit {

constexpr TColor clDefault = 0x20000000;

/// A colour's layout name (clRed, clBtnFace, ...) and value.
struct TNamedColor {
    QStringView Name;
    TColor Value;
};

// The toolkit's named colours in their own order, 42 of them: indexes 0-15
// the standard colours (clBlack ... clWhite), 16-40 the system colours
// (clScrollBar ... clInfoBk), 41 clNone. clDefault is not among them.
std::span<const TNamedColor> NamedColors();

std::optional<TColor> ColorFromName(const QString& name);
// Empty when the colour has no name.
QString ColorName(TColor color);

} // namespace toolkit
