#pragma once
// Contact sheets: every picture of a style, labelled, at 1x and enlarged.

#include "styles.h"

namespace skingen {

// `preview`, when given, is shown above the pictures.
QImage contactSheet(const QString& title, const Catalog& pictures, const QImage& preview = {});

// The style's pieces put together roughly as the controls draw them: caption,
// push buttons stretched in nine pieces, check boxes, tabs, track bar, scroll
// bar and progress bar.
QImage preview(const Style& style);

} // namespace skingen
