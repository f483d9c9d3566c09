#pragma once
// The common base of self-painting controls: owner, colour and font that may
// follow the parent's, alignment and anchors, size constraints, caption,
// hints, a pop-up menu, tab order, a resize veto, the mouse, key, focus and
// resize events, a guarded click, and the off-screen paint discipline.
//
// Properties declared DESIGNABLE false are public but not stored, so a layout
// can set them on any control; a control stores ("publishes") one by
// declaring the same Q_PROPERTY again, in its own documented order. The
// geometry and the properties every control publishes (anchors, constraints,
// hints, pop-up menu, tab order, cursor, help context, tag, reading order)
// are stored by every control, when they differ from the defaults.

#include "toolkit/actions.h"
#include "toolkit/align.h"
#include "toolkit/canvas.h"
#include "toolkit/component.h"
#include "toolkit/controlevents.h"
#include "toolkit/controlprops.h"
#include "toolkit/graphics.h"
#include "toolkit/menus.h"
#include "toolkit/types.h"

#include <QPointer>
#include <QWidget>
#include <utility>

namespace toolkit {

/// The base of every self-painting control: owner, Color/ParentColor, Font/ParentFont, Align, Caption, and
/// painting through a canvas into an off-screen picture.
class TCustomControl : public QWidget, public TComponent, public TControlProperties {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign DESIGNABLE false)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY TextChanged DESIGNABLE false)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor DESIGNABLE false)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor DESIGNABLE false)
    Q_PROPERTY(toolkit::TFont* Font READ Font DESIGNABLE false)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont DESIGNABLE false)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible DESIGNABLE false)
    Q_PROPERTY(toolkit::align_meta::TAnchors Anchors READ Anchors WRITE SetAnchors)
    Q_PROPERTY(toolkit::controlprops_meta::TBiDiMode BiDiMode READ BiDiMode WRITE SetBiDiMode)
    Q_PROPERTY(bool ParentBiDiMode READ ParentBiDiMode WRITE SetParentBiDiMode)
    Q_PROPERTY(toolkit::TSizeConstraints* Constraints READ Constraints)
    Q_PROPERTY(toolkit::controlprops_meta::TCursor Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(toolkit::TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
    Q_PROPERTY(qint64 Tag READ Tag WRITE SetTag)
    Q_PROPERTY(toolkit::controlprops_meta::TDragMode DragMode READ DragMode WRITE SetDragMode)
    Q_PROPERTY(toolkit::controlprops_meta::TCursor DragCursor READ DragCursor WRITE SetDragCursor)
    Q_PROPERTY(toolkit::controlprops_meta::TDragKind DragKind READ DragKind WRITE SetDragKind)
    Q_PROPERTY(bool DockSite READ DockSite WRITE SetDockSite)
    Q_PROPERTY(bool UseDockManager READ UseDockManager WRITE SetUseDockManager)
    Q_PROPERTY(toolkit::TAction* Action READ Action WRITE SetAction DESIGNABLE false)

public:
    // The owner is kept (it is the form the control belongs to); the parent
    // is where it sits and may change.
    explicit TCustomControl(QObject* owner, QWidget* parent = nullptr);

    QObject* Owner() const { return owner_; }

    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    // Virtual, like the other setters a control may publish anew, so that
    // code holding a TCustomControl* reaches the control's own meaning.
    virtual void SetLeft(int left) { SetBounds(left, y(), width(), height()); }
    virtual void SetTop(int top) { SetBounds(x(), top, width(), height()); }
    virtual void SetWidth(int w) { SetBounds(x(), y(), w, height()); }
    virtual void SetHeight(int h) { SetBounds(x(), y(), width(), h); }
    TRect ClientRect() const { return Rect(0, 0, width(), height()); }
    // False only when hidden on purpose: a control on a window not yet shown
    // is still visible in this sense.
    bool Visible() const { return !isHidden() || !testAttribute(Qt::WA_WState_ExplicitShowHide); }

    // Docking is not supported: these hold their defaults, and a setter
    // refuses any other value (std::invalid_argument), which a layout
    // reports as an error naming the property.
    TDragKind DragKind() const { return dkDrag; }
    void SetDragKind(TDragKind kind);
    bool DockSite() const { return false; }
    void SetDockSite(bool on);
    bool UseDockManager() const { return false; }
    void SetUseDockManager(bool on);

    QString Caption() const { return caption_; }
    virtual void SetCaption(const QString& caption);

    // With ParentColor, the parent's colour (a toolkit control's Color, else
    // the parent's background); setting Color turns ParentColor off.
    virtual TColor Color() const;
    virtual void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);

    TFont* Font() { return &font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool on);

    // The control shows the action's caption, state and hint (ActionChange)
    // and a click runs it.
    TAction* Action() const { return actionLink_.Action(); }
    void SetAction(TAction* action);

    // Raises OnClick, or without a handler runs the Action. Callers that go
    // on afterwards use Guarded().
    virtual void Click();
    // The control's picture as Paint draws it, at its own size.
    QImage RenderToImage();
    // Where the last paint on a denser screen drew text at the screen's
    // resolution (control coordinates); empty at a ratio of 1.
    QList<QRect> SharpTextAreas() const;
    // What the control shows has changed: paint it anew, soon or at once.
    // A repaint that Qt asks for on its own (an uncovered window) copies the
    // kept picture instead of painting again.
    void Invalidate();
    void Repaint();

signals:
    // Caption changed (a control's caption is its text).
    void TextChanged();
    void OnClick();
    TOOLKIT_CONTROL_EVENTS

protected:
    void StartDrag() override { TControlEvents<TCustomControl>::StartDrag(*this); }
    void BiDiModeChanged() override { Invalidate(); }
    // Draws the whole control; the canvas starts filled with Color and
    // carries the control's font.
    virtual void Paint(TCanvas& canvas);
    // Whether the picture may be kept until Invalidate: false for a control
    // that shows something it is not told about, such as its parent.
    virtual bool KeepsPicture() const { return true; }
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void CaptionChanged() {}
    virtual void FontChanged() {}
    virtual void ColorChanged() {}
    // The linked action changed (or was just linked): take its Caption,
    // Enabled, Hint, Visible and HelpContext.
    virtual void ActionChange(TAction& action);
    // A control that does not take double clicks sees a second press
    // instead, and never raises OnDblClick.
    void SetDoubleClicks(bool on) { doubleClicks_ = on; }

    // The store-and-repaint setter: stores a visual setting and repaints
    // when it changed; returns whether it did.
    template <typename T, typename U> bool Store(T& field, U&& value)
    {
        if (field == value) return false;
        field = std::forward<U>(value);
        Invalidate();
        return true;
    }

    // Runs an event handler that may delete this control or re-enter it;
    // returns whether the control still exists.
    template <typename Handler> bool Guarded(Handler&& handler)
    {
        const QPointer<TCustomControl> alive(this);
        handler();
        return !alive.isNull();
    }

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void OnFontObjectChanged();
    void FollowParentFont();
    void ParentColorChanged();
    QList<TCustomControl*> ChildControls() const;
    void RenderInto(QImage& image, TTextLayer* text = nullptr);

    QPointer<QObject> owner_;
    TActionLink actionLink_;
    bool doubleClicks_ = true;
    QString caption_;
    TColor color_ = clBtnFace;
    bool parentColor_ = true;
    TFont font_;
    bool parentFont_ = true;
    bool followingParentFont_ = false;
    // The off-screen picture, reused while the size holds: a new image costs
    // an allocation and a paint engine on every paint.
    QImage picture_;
    bool pictureValid_ = false;
    // On a denser screen the picture's text is kept apart and drawn over the
    // enlarged picture at the screen's resolution.
    TTextLayer pictureText_;
    bool pictureTextApart_ = false;
    bool applyingFont_ = false;
};

} // namespace toolkit
