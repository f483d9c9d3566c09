#pragma once
// The common base of self-painting controls: owner, colour and font that may
// follow the parent's, alignment, caption, a resize veto, mouse enter/leave
// hooks, a guarded click, and the off-screen paint discipline.
//
// Properties declared here are public but not stored (DESIGNABLE false), so a
// layout can set them on any control; a control stores ("publishes") one by
// declaring the same Q_PROPERTY again, in its own documented order. Only the
// geometry is stored by every control.

#include "toolkit/align.h"
#include "toolkit/canvas.h"
#include "toolkit/component.h"
#include "toolkit/graphics.h"
#include "toolkit/types.h"

#include <QPointer>
#include <QWidget>
#include <utility>

namespace toolkit {

/// The base of every self-painting control: owner, Color/ParentColor, Font/ParentFont, Align, Caption, and
/// painting through a canvas into an off-screen picture.
class TCustomControl : public QWidget, public TComponent, public TAligned {
    Q_OBJECT
    Q_INTERFACES(toolkit::TAligned)
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(toolkit::align_meta::TAlign Align READ Align WRITE SetAlign DESIGNABLE false)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption DESIGNABLE false)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor DESIGNABLE false)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor DESIGNABLE false)
    Q_PROPERTY(toolkit::TFont* Font READ Font DESIGNABLE false)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont DESIGNABLE false)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible DESIGNABLE false)

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
    // A size change goes through CanResize; when refused, nothing changes.
    void SetBounds(int left, int top, int width, int height) override;
    TRect ClientRect() const { return Rect(0, 0, width(), height()); }
    // False only when hidden on purpose: a control on a window not yet shown
    // is still visible in this sense.
    bool Visible() const { return !isHidden() || !testAttribute(Qt::WA_WState_ExplicitShowHide); }

    TAlign Align() const override { return align_; }
    void SetAlign(TAlign align) override;

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

    // Raises OnClick. Callers that go on afterwards use Guarded().
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
    void OnClick();

protected:
    // Draws the whole control; the canvas starts filled with Color and
    // carries the control's font.
    virtual void Paint(TCanvas& canvas);
    // Whether the picture may be kept until Invalidate: false for a control
    // that shows something it is not told about, such as its parent.
    virtual bool KeepsPicture() const { return true; }
    virtual bool CanResize(int& newWidth, int& newHeight);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void CaptionChanged() {}
    virtual void FontChanged() {}
    virtual void ColorChanged() {}

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
    TAlign align_ = alNone;
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
