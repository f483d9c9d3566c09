#include "toolkit/nativecontrol.h"

#include "toolkit/layoutregistry.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>
#include <QLineEdit>
#include <QWidget>

namespace toolkit {

TNativeControl::TNativeControl(QWidget& widget, QObject* owner) : widget_(widget), owner_(owner)
{
    // Qt names the parts of its scroll areas (viewport, bar containers);
    // they belong to the widget, not to a stored layout.
    for (QObject* part : widget_.findChildren<QObject*>())
        if (!part->objectName().isEmpty()) MarkInternal(part);
    QObject::connect(&font_, &TFont::OnChange, &widget_, [this] { ApplyLook(); });
    ApplyLook();
    ApplyBorder();
}

void TNativeControl::SetLeft(int left)
{
    widget_.move(left, widget_.y());
    NoteAnchorOrigin(&widget_);
}

void TNativeControl::SetTop(int top)
{
    widget_.move(widget_.x(), top);
    NoteAnchorOrigin(&widget_);
}

void TNativeControl::SetWidth(int width)
{
    widget_.resize(width, widget_.height());
    NoteAnchorOrigin(&widget_);
}

void TNativeControl::SetHeight(int height)
{
    widget_.resize(widget_.width(), height);
    NoteAnchorOrigin(&widget_);
}

// The arranger reads these back through the widget's "Align" and "Anchors".
void TNativeControl::SetAlign(TAlign align)
{
    if (align_ == align) return;
    align_ = align;
    if (QWidget* parent = widget_.parentWidget()) {
        EnableAlign(parent);
        AlignControls(parent);
    }
}

void TNativeControl::SetAnchors(TAnchors anchors)
{
    anchors_ = anchors;
    NoteAnchorOrigin(&widget_);
}

void TNativeControl::SetHint(const QString& hint)
{
    hint_ = hint;
    ApplyHints(&widget_);
}

bool TNativeControl::ShowHint() const
{
    return parentShowHint_ ? ShowsHints(widget_.parentWidget()) : showHint_;
}

void TNativeControl::SetShowHint(bool on)
{
    showHint_ = on;
    parentShowHint_ = false;
    ApplyHints(&widget_);
}

void TNativeControl::SetParentShowHint(bool on)
{
    if (!on && parentShowHint_) showHint_ = ShowHint();
    parentShowHint_ = on;
    ApplyHints(&widget_);
}

void TNativeControl::SetPopupMenu(TPopupMenu* menu)
{
    popupMenu_ = menu;
    widget_.setContextMenuPolicy(menu ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
    static const char connected[] = "_popupMenuConnected";
    if (!menu || widget_.property(connected).toBool()) return;
    widget_.setProperty(connected, true);
    QObject::connect(&widget_, &QWidget::customContextMenuRequested, &widget_, [this](const QPoint& pos) {
        if (popupMenu_) popupMenu_->PopupAt(widget_.mapToGlobal(pos));
    });
}

void TNativeControl::SetTabOrder(int order)
{
    tabOrder_ = std::max(-1, order);
    ApplyTabOrder(widget_.parentWidget());
}

void TNativeControl::SetCursor(TCursor cursor)
{
    cursor_ = cursor;
    ApplyCursor(&widget_, cursor);
}

void TNativeControl::SetColor(TColor color)
{
    if (color_ == color) return;
    color_ = color;
    ApplyLook();
}

void TNativeControl::SetBorderStyle(TBorderStyle style)
{
    if (borderStyle_ == style) return;
    borderStyle_ = style;
    ApplyBorder();
}

void TNativeControl::SetBorderWidth(int width)
{
    width = std::max(width, 0);
    if (borderWidth_ == width) return;
    borderWidth_ = width;
    ApplyBorder();
}

// The text and the background the widget paints take Color and the font's
// colour; disabled text stays grey.
void TNativeControl::ApplyLook()
{
    widget_.setFont(font_.toQFont());
    QPalette colours = widget_.palette();
    colours.setColor(QPalette::Base, ColorToQColor(color_));
    colours.setColor(QPalette::Text, ColorToQColor(font_.Color()));
    colours.setColor(QPalette::Disabled, QPalette::Text, ColorToQColor(clGrayText));
    widget_.setPalette(colours);
    widget_.update();
}

void TNativeControl::ApplyBorder()
{
    const int band = borderWidth_;
    if (auto* frame = qobject_cast<QFrame*>(&widget_)) {
        // Scroll areas lay out their viewport and bars inside the frame
        // only, so the band is a plain frame of that width (PaintBand
        // paints it in Color).
        if (borderStyle_ == bsSingle) {
            frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        } else {
            frame->setFrameStyle(band > 0 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
            frame->setLineWidth(band);
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget_)) {
        edit->setFrame(borderStyle_ == bsSingle);
        edit->setTextMargins(band, band, band, band);
    }
    widget_.update();
}

} // namespace toolkit

namespace toolkit {

void TNativeControl::PaintBand(const QEvent& event)
{
    if (event.type() != QEvent::Paint || borderStyle_ != bsNone || borderWidth_ <= 0) return;
    if (!qobject_cast<QFrame*>(&widget_)) return;
    QPainter painter(&widget_);
    const QRect outer = widget_.rect();
    painter.setClipRegion(QRegion(outer) - outer.adjusted(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_));
    painter.fillRect(outer, ColorToQColor(color_));
}

} // namespace toolkit
