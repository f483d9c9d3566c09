#include "toolkit/nativecontrol.h"

#include "toolkit/layoutregistry.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QFrame>
#include <QPainter>
#include <QLineEdit>
#include <QWidget>

namespace toolkit {

TNativeControl::TNativeControl(QWidget& widget, QObject* owner)
    : TControlProperties(widget), widget_(widget), owner_(owner)
{
    // Qt names the parts of its scroll areas (viewport, bar containers);
    // they belong to the widget, not to a stored layout.
    for (QObject* part : widget_.findChildren<QObject*>())
        if (!part->objectName().isEmpty()) MarkInternal(part);
    // Drags of this application reach OnDragOver; a scroll area takes them
    // on its viewport.
    widget_.setAcceptDrops(true);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&widget_)) area->viewport()->setAcceptDrops(true);
    QObject::connect(&font_, &TFont::OnChange, &widget_, [this] { ApplyLook(); });
    ApplyLook();
    ApplyBorder();
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
