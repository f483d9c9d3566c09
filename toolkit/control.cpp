#include "toolkit/control.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDropEvent>
#include <QMetaMethod>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <stdexcept>

namespace toolkit {

TCustomControl::TCustomControl(QObject* owner, QWidget* parent)
    : QWidget(ParentOrOwner(owner, parent)), TControlProperties(static_cast<QWidget&>(*this)), owner_(owner)
{
    // Every pixel comes from the off-screen picture; nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Drags of this application reach OnDragOver; others are ignored.
    setAcceptDrops(true);
    connect(&font_, &TFont::OnChange, this, &TCustomControl::OnFontObjectChanged);
    FollowParentFont();
}

void TCustomControl::SetDragKind(TDragKind kind)
{
    if (kind != dkDrag) throw std::invalid_argument("docking is not supported");
}

void TCustomControl::SetDockSite(bool on)
{
    if (on) throw std::invalid_argument("docking is not supported");
}

void TCustomControl::SetUseDockManager(bool on)
{
    if (on) throw std::invalid_argument("docking is not supported");
}




void TCustomControl::SetCaption(const QString& caption)
{
    if (caption_ == caption) return;
    caption_ = caption;
    CaptionChanged();
    Invalidate();
    emit TextChanged();
}

TColor TCustomControl::Color() const
{
    QWidget* parent = parentWidget();
    if (!parentColor_ || !parent) return color_;
    if (auto* control = qobject_cast<const TCustomControl*>(parent)) return control->Color();
    const QVariant declared = parent->property("Color");
    if (declared.isValid()) return declared.toUInt();
    return QColorToColor(parent->palette().color(parent->backgroundRole()));
}

void TCustomControl::SetColor(TColor color)
{
    if (color_ == color && !parentColor_) return;
    color_ = color;
    parentColor_ = false;
    ParentColorChanged();
}

void TCustomControl::SetParentColor(bool on)
{
    if (parentColor_ == on) return;
    parentColor_ = on;
    ParentColorChanged();
}

// Our colour may have changed: repaint, and tell children that follow it.
void TCustomControl::ParentColorChanged()
{
    ColorChanged();
    Invalidate();
    for (TCustomControl* child : ChildControls())
        if (child->parentColor_) child->ParentColorChanged();
}

void TCustomControl::SetParentFont(bool on)
{
    if (parentFont_ == on) return;
    parentFont_ = on;
    const QScopedValueRollback applying(applyingFont_, true);
    setFont(on ? QFont() : font_.toQFont()); // an empty font inherits again
    FollowParentFont();
}

void TCustomControl::FollowParentFont()
{
    QWidget* parent = parentWidget();
    if (!parentFont_ || !parent) return;
    const QScopedValueRollback following(followingParentFont_, true);
    if (auto* control = qobject_cast<TCustomControl*>(parent))
        font_.Assign(control->font_);
    else
        font_.AssignQFont(parent->font());
}

void TCustomControl::OnFontObjectChanged()
{
    // Following the parent, Qt already hands its font down to this widget.
    if (!followingParentFont_) {
        parentFont_ = false;
        const QScopedValueRollback applying(applyingFont_, true);
        setFont(font_.toQFont());
    }
    FontChanged();
    Invalidate();
    for (TCustomControl* child : ChildControls())
        child->FollowParentFont();
}

QList<TCustomControl*> TCustomControl::ChildControls() const
{
    return findChildren<TCustomControl*>(Qt::FindDirectChildrenOnly);
}

void TCustomControl::SetAction(TAction* action)
{
    actionLink_.Link(this, action, [this](TAction& linked) { ActionChange(linked); });
}

void TCustomControl::ActionChange(TAction& action)
{
    SetCaption(action.Caption());
    setEnabled(action.Enabled());
    SetHint(action.Hint());
    if (Visible() != action.Visible()) setVisible(action.Visible());
    SetHelpContext(action.HelpContext());
}

void TCustomControl::Click()
{
    if (Action() && !isSignalConnected(QMetaMethod::fromSignal(&TCustomControl::OnClick)))
        Action()->Execute();
    else
        emit OnClick();
}

void TCustomControl::Paint(TCanvas&) {}

QImage TCustomControl::RenderToImage()
{
    QImage image;
    RenderInto(image);
    return image;
}

void TCustomControl::RenderInto(QImage& image, TTextLayer* text)
{
    if (image.size() != size() || image.format() != QImage::Format_RGB32)
        image = QImage(size(), QImage::Format_RGB32);
    // Looked up once: a parent's colour may come through a named property.
    const TColor color = Color();
    image.fill(ColorToQColor(color));
    TCanvas canvas(&image);
    canvas.Font.Assign(font_);
    canvas.Brush.Color = color;
    if (text) text->clear();
    canvas.DeferTextTo(text);
    Paint(canvas);
}

void TCustomControl::Invalidate()
{
    pictureValid_ = false;
    update();
}

void TCustomControl::Repaint()
{
    pictureValid_ = false;
    repaint();
}

void TCustomControl::paintEvent(QPaintEvent* event)
{
    // Composed at 1:1 in device-independent pixels; on a denser screen the
    // painter enlarges the finished picture (nearest-neighbour) and the text,
    // kept apart, is drawn over it at the screen's resolution. Only the
    // exposed part is copied: a child's repaint exposes little of us.
    const bool textApart = KeepsTextApart(*this);
    if (!pictureValid_ || picture_.size() != size() || !KeepsPicture() || textApart != pictureTextApart_) {
        RenderInto(picture_, textApart ? &pictureText_ : nullptr);
        pictureTextApart_ = textApart;
        if (!textApart) pictureText_.clear();
    }
    pictureValid_ = true;
    QPainter painter(this);
    DrawPicture(painter, QPoint(), picture_, pictureText_, event->rect());
}

QList<QRect> TCustomControl::SharpTextAreas() const
{
    return TextAreas(pictureText_);
}

// OnMouseEnter and OnMouseExit follow, raised with the other events.
void TCustomControl::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    MouseEnter();
}

void TCustomControl::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    MouseLeave();
}

void TCustomControl::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
        // A font handed down by the parent.
        if (!applyingFont_ && parentFont_) FollowParentFont();
        break;
    case QEvent::PaletteChange:
        if (parentColor_) ParentColorChanged();
        break;
    case QEvent::EnabledChange:
    case QEvent::ActivationChange:
    case QEvent::LayoutDirectionChange:
        Invalidate();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

bool TCustomControl::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::FocusIn ||
        event->type() == QEvent::FocusOut)
        pictureValid_ = false;
    if (event->type() == QEvent::ParentChange) {
        FollowParentFont();
        ApplyHints(this);
        if (parentColor_) ParentColorChanged();
        if (Align() != alNone && parentWidget()) {
            EnableAlign(parentWidget());
            AlignControls(parentWidget());
        }
        NoteAnchorOrigin(this);
    }
    if (!doubleClicks_ && event->type() == QEvent::MouseButtonDblClick) {
        // Taken as the second press it is.
        const auto* click = static_cast<QMouseEvent*>(event);
        QMouseEvent press(QEvent::MouseButtonPress, click->position(), click->scenePosition(),
                          click->globalPosition(), click->button(), click->buttons(), click->modifiers());
        TCustomControl::event(&press);
        return true;
    }
    return TControlEvents<TCustomControl>::Dispatch(*this, event, [this](QEvent* e) { return QWidget::event(e); });
}

} // namespace toolkit
