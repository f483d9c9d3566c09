#include "skin/themes/suipublic.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <QScreen>
#include <QWidget>

using toolkit::TPoint;
using toolkit::TRect;

bool InRect(int x, int y, const TRect& rect)
{
    return rect.Left <= x && x <= rect.Right && rect.Top <= y && y <= rect.Bottom;
}

bool InRect(const TPoint& point, const TRect& rect)
{
    return InRect(point.X, point.Y, rect);
}

void PlaceControl(QWidget* control, const TPoint& point)
{
    control->move(point.X, control->y());
    control->move(control->x(), point.Y);
}

void PlaceControl(QWidget* control, const TRect& rect)
{
    PlaceControl(control, toolkit::Point(rect.Left, rect.Top));
    control->resize(rect.Width(), control->height());
    control->resize(control->width(), rect.Height());
}

TRect GetWorkAreaRect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? TRect::fromQRect(screen->availableGeometry()) : TRect{};
}

QString PCharToStr(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

bool IsHasProperty(const QObject* component, const char* name)
{
    return component && name && component->metaObject()->indexOfProperty(name) >= 0;
}

void SetWinControlTransparent(QWidget* control)
{
    control->setAttribute(Qt::WA_OpaquePaintEvent, false);
    control->setAttribute(Qt::WA_NoSystemBackground, true);
    control->setAutoFillBackground(false);
}
