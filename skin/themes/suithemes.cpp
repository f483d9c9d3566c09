#include "skin/themes/suithemes.h"

#include "skin/themes/suiskins.h"

#include <QColor>
#include <QPointer>
#include <QVariant>
#include <QWidget>

using toolkit::TColor;

namespace {

// The element's value in the style's pack when it is of the wanted kind.
const TsuiSkinValue* TypedValue(TsuiUIStyle style, int index, TsuiType wanted)
{
    const TsuiSkinElement* element = SkinElement(index);
    if (!element || element->Kind != wanted) return nullptr;
    const TsuiSkinPack* pack = SkinPackOf(style);
    return pack ? &pack->Element(index) : nullptr;
}

// The direct child controls, guarded: applying a style may rebuild children.
QList<QPointer<QWidget>> ChildControls(QWidget* container)
{
    QList<QPointer<QWidget>> controls;
    if (!container) return controls;
    for (QObject* child : container->children())
        if (child->isWidgetType()) controls.append(static_cast<QWidget*>(child));
    return controls;
}

const TsuiFrameInfo* FrameOf(const QObject* form)
{
    return qobject_cast<TsuiFrameInfo*>(FindSuiForm(form));
}

} // namespace

std::int32_t GetThemeElement(TsuiUIStyle style, int index, TsuiType& kind)
{
    const TsuiSkinElement* element = SkinElement(index);
    const TsuiSkinPack* pack = element ? SkinPackOf(style) : nullptr;
    if (!pack) {
        kind = TsuiType::Int;
        return -1;
    }
    kind = element->Kind;
    return pack->Element(index).Number;
}

TColor GetThemeColor(TsuiUIStyle style, int index)
{
    const TsuiSkinValue* value = TypedValue(style, index, TsuiType::Color);
    return value ? TColor(value->Number) : 0;
}

int GetThemeInt(TsuiUIStyle style, int index)
{
    const TsuiSkinValue* value = TypedValue(style, index, TsuiType::Int);
    return value ? value->Number : -1;
}

bool GetThemeBool(TsuiUIStyle style, int index)
{
    const TsuiSkinValue* value = TypedValue(style, index, TsuiType::Bool);
    return value && value->Number != 0;
}

QString GetThemeString(TsuiUIStyle style, int index)
{
    return SkinPictureName(style, index);
}

QObject* FindSuiForm(const QObject* form)
{
    if (!form) return nullptr;
    for (QObject* child : form->children())
        if (child->isWidgetType() && qobject_cast<TsuiFrameInfo*>(child)) return child;
    return nullptr;
}

TsuiUIStyle GetSUIFormStyle(const QObject* form)
{
    const TsuiFrameInfo* frame = FrameOf(form);
    return frame ? frame->FrameUIStyle() : TsuiUIStyle::DeepBlue;
}

TColor GetSUIFormColor(const QObject* form)
{
    const TsuiFrameInfo* frame = FrameOf(form);
    return frame ? frame->FrameColor() : toolkit::clBtnFace;
}

TColor GetBorderColor(const QObject* form)
{
    const TsuiFrameInfo* frame = FrameOf(form);
    return frame ? GetThemeColor(frame->FrameUIStyle(), teControlBorderColor) : 0;
}

void ContainerApplyUIStyle(QWidget* container, TsuiUIStyle style)
{
    for (const QPointer<QWidget>& control : ChildControls(container))
        if (auto* styled = qobject_cast<TsuiStyled*>(control.data())) styled->ApplyContainerStyle(style);
}

void SubContainerApplyUIStyle(QWidget* container, TsuiUIStyle style)
{
    for (const QPointer<QWidget>& control : ChildControls(container))
        if (auto* styled = qobject_cast<TsuiStyled*>(control.data())) styled->PassUIStyleOn(style);
}

// The skin pictures are a library of their own. Naming its initialiser here
// keeps it linked (a linker drops a library nothing refers to) and registered
// wherever the themes are; registering twice is harmless.
static const bool skinPicturesRegistered = [] {
    Q_INIT_RESOURCE(skin);
    Q_INIT_RESOURCE(skins);
    return true;
}();
