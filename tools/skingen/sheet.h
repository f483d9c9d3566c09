#pragma once
// Contact sheets: every picture of a style, labelled, at 1x and enlarged.

#include "styles.h"

namespace skingen {

QImage contactSheet(const QString& title, const Catalog& pictures);

} // namespace skingen
