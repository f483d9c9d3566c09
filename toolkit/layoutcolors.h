#pragma once
// Colour names as stored layouts write them (clRed, clBtnFace ...).

#include "toolkit/types.h"

#include <QString>
#include <optional>

namespace toolkit {

std::optional<TColor> ColorFromName(const QString& name);
// Empty when the colour has no name.
QString ColorName(TColor color);

} // namespace toolkit
