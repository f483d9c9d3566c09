#pragma once

namespace toolkit {

// The layouts name the classic Windows faces ("MS Sans Serif", "Tahoma").
// Map them once, for the whole process, onto a metric-compatible family that
// every supported machine has.
void InstallFontSubstitutions();

} // namespace toolkit
