#pragma once
// The layout previewer: any stored layout, read with every control family
// registered, in a window whose skinned frames switch between the styles.

#include "skin/themes/suithemes.h"

#include <QString>
#include <QWidget>
#include <memory>

// Reads the layout in `path` to look at. A file that is no layout, too
// large (toolkit::MaxLayoutLength bytes) or whose root is not a widget
// throws toolkit::ELayoutError with its position (1:1 for the file as a
// whole); one that cannot be opened throws std::runtime_error.
std::unique_ptr<QWidget> ReadPreview(const QString& path);

// Every skinned frame in the window takes the style and passes it on to the
// skinned controls on it; without a frame, every control of a style takes it.
void ApplyPreviewStyle(QWidget& window, TsuiUIStyle style);

// The window's context menu lists the styles; Ctrl+1 ... Ctrl+5 choose them.
void AddStyleSwitch(QWidget& window);
