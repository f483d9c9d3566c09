#pragma once
// Drawing and placement helpers every skinned control uses. All stateless.

#include "toolkit/types.h"

#include <QString>

class QObject;
class QWidget;

// Both edges inclusive: a point on the right or bottom edge is inside.
bool InRect(int x, int y, const toolkit::TRect& rect);
bool InRect(const toolkit::TPoint& point, const toolkit::TRect& rect);

// Separate property changes in the classic order (left, top, width, height),
// so a control that vetoes or adjusts one of them sees each on its own.
void PlaceControl(QWidget* control, const toolkit::TPoint& point);
void PlaceControl(QWidget* control, const toolkit::TRect& rect);

// The primary screen without its panels and task bars.
toolkit::TRect GetWorkAreaRect();

// The empty string for a null or empty text.
QString PCharToStr(const char* text);

// Whether the component's class publishes a property of that name.
bool IsHasProperty(const QObject* component, const char* name);

// Lets the parent show through wherever the control does not paint.
void SetWinControlTransparent(QWidget* control);
