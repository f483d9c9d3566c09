#pragma once
// What the toolkit's controls on native Qt widgets (edit, memo, lists, views,
// grids) share: the owner, Color and Font carried into the widget's palette
// and font, a border style and width, the classic geometry setters, and the
// properties every control publishes (TControlProperties, as TCustomControl
// has them).
//
// A mixin beside the Qt base, as TComponent is: each control declares the
// published properties itself (TOOLKIT_PUBLISHED_COMMON_PROPERTIES for the
// common ones) and they land here.

#include "toolkit/align.h"
#include "toolkit/component.h"
#include "toolkit/controlevents.h"
#include "toolkit/graphics.h"
#include "toolkit/menus.h"
#include "toolkit/types.h"

#include <QObject>
#include <QPointer>

class QEvent;
class QWidget;

namespace toolkit {

namespace nativecontrol_meta {
Q_NAMESPACE
enum TBorderStyle { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
Q_ENUM_NS(TScrollStyle)
} // namespace nativecontrol_meta

using TBorderStyle = nativecontrol_meta::TBorderStyle;
using TScrollStyle = nativecontrol_meta::TScrollStyle;
using enum nativecontrol_meta::TBorderStyle;
using enum nativecontrol_meta::TScrollStyle;

/// What the controls built on native Qt widgets share beside their Qt base: owner, Color and Font into the
/// palette and font, BorderStyle.
class TNativeControl : public TComponent, public TControlProperties {
public:
    TNativeControl(QWidget& widget, QObject* owner);
    virtual ~TNativeControl() = default;

    QObject* Owner() const { return owner_; }

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFont* Font() { return &font_; }
    const TFont& Font() const { return font_; }

    // bsSingle is the native sunken edge; BorderWidth is kept free inside it.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    virtual void SetBorderStyle(TBorderStyle style);
    int BorderWidth() const { return borderWidth_; }
    virtual void SetBorderWidth(int width);

protected:
    // The edge and the free band around the contents, once they changed.
    void ApplyBorder();
    // The band of a control without an edge, in Color: call after the
    // widget handled a paint of its own surface.
    void PaintBand(const QEvent& event);

private:
    void ApplyLook();

    QWidget& widget_;
    QPointer<QObject> owner_;
    TFont font_;
    TColor color_ = clWindow;
    TBorderStyle borderStyle_ = bsSingle;
    int borderWidth_ = 0;
};

} // namespace toolkit
