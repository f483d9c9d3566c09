#pragma once
// What the toolkit's controls on native Qt widgets (edit, memo, lists, views,
// grids) share: the owner, Color and Font carried into the widget's palette
// and font, a border style and width, the classic geometry setters, and the
// properties every control publishes (alignment, anchors, hints, pop-up
// menu, tab order, cursor, help context, tag) as TCustomControl has them.
//
// A mixin beside the Qt base, as TComponent is: each control declares the
// published properties itself and forwards them here.

#include "toolkit/align.h"
#include "toolkit/component.h"
#include "toolkit/controlprops.h"
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
/// palette and font, BorderStyle, geometry setters.
class TNativeControl : public TComponent {
public:
    TNativeControl(QWidget& widget, QObject* owner);
    virtual ~TNativeControl() = default;

    QObject* Owner() const { return owner_; }

    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint);
    bool ShowHint() const;
    void SetShowHint(bool on);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool on);
    // Replaces the widget's own context menu.
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }
    qint64 Tag() const { return tag_; }
    void SetTag(qint64 tag) { tag_ = tag; }

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
    TAlign align_ = alNone;
    TAnchors anchors_ = kDefaultAnchors;
    QString hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    QPointer<TPopupMenu> popupMenu_;
    int tabOrder_ = -1;
    TCursor cursor_ = crDefault;
    int helpContext_ = 0;
    qint64 tag_ = 0;
};

} // namespace toolkit
