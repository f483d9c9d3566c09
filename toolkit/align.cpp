#include "toolkit/align.h"

#include <QChildEvent>
#include <QEvent>
#include <QPointer>
#include <QScopeGuard>
#include <QSet>
#include <QWidget>
#include <algorithm>

namespace toolkit {

namespace {

constexpr char kAlignProperty[] = "Align";

// Places a child, asking toolkit controls for their consent.
void Place(QWidget* child, const QRect& r)
{
    if (auto* control = qobject_cast<TAligned*>(child))
        control->SetBounds(r.x(), r.y(), r.width(), r.height());
    else
        child->setGeometry(r);
}

class AlignWatcher : public QObject {
public:
    explicit AlignWatcher(QWidget* parent) : QObject(parent), parent_(parent)
    {
        setObjectName(QStringLiteral("toolkit_align_watcher"));
        parent->installEventFilter(this);
        for (QObject* child : parent->children())
            Watch(child);
    }

    void Arrange()
    {
        if (parent_) AlignControls(parent_);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ChildAdded:
            if (watched == parent_) Watch(static_cast<QChildEvent*>(event)->child());
            break;
        case QEvent::ChildRemoved:
            if (watched == parent_) Arrange();
            break;
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            if (watched == parent_ || AlignOf(qobject_cast<QWidget*>(watched)) != alNone) Arrange();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void Watch(QObject* child)
    {
        if (child != this && child->isWidgetType()) child->installEventFilter(this);
    }

    QPointer<QWidget> parent_;
};

// Placing a visible child sends its resize event at once, which would start
// the same arrangement again from inside itself.
QSet<const QWidget*>& ParentsBeingAligned()
{
    static QSet<const QWidget*> parents;
    return parents;
}

} // namespace

TAlign AlignOf(const QWidget* widget)
{
    if (!widget) return alNone;
    // A toolkit control answers itself: a control may publish "Align" with
    // a meaning of its own (a side channel's docking edge).
    if (auto* control = qobject_cast<const TAligned*>(widget)) return control->Align();
    const int value = widget->property(kAlignProperty).toInt();
    return value >= alNone && value <= alClient ? TAlign(value) : alNone;
}

void SetAlign(QWidget* widget, TAlign align)
{
    if (auto* control = qobject_cast<TAligned*>(widget)) return control->SetAlign(align);
    widget->setProperty(kAlignProperty, QVariant::fromValue(align));
    if (QWidget* parent = widget->parentWidget()) {
        EnableAlign(parent);
        AlignControls(parent);
    }
}

void AlignControls(QWidget* parent)
{
    if (!parent || ParentsBeingAligned().contains(parent)) return;
    ParentsBeingAligned().insert(parent);
    const auto done = qScopeGuard([parent] { ParentsBeingAligned().remove(parent); });
    QRect free = parent->contentsRect();
    QList<QWidget*> aligned;
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && !child->isHidden() && AlignOf(child) != alNone)
            aligned.append(child);
    }
    for (TAlign side : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (QWidget* child : aligned) {
            if (AlignOf(child) != side) continue;
            const int h = std::min(child->height(), std::max(0, free.height()));
            const int w = std::min(child->width(), std::max(0, free.width()));
            const int freeW = std::max(0, free.width());
            const int freeH = std::max(0, free.height());
            switch (side) {
            case alTop:
                Place(child, QRect(free.left(), free.top(), freeW, h));
                free.setTop(free.top() + child->height());
                break;
            case alBottom:
                Place(child, QRect(free.left(), free.bottom() + 1 - h, freeW, h));
                free.setBottom(free.bottom() - child->height());
                break;
            case alLeft:
                Place(child, QRect(free.left(), free.top(), w, freeH));
                free.setLeft(free.left() + child->width());
                break;
            case alRight:
                Place(child, QRect(free.right() + 1 - w, free.top(), w, freeH));
                free.setRight(free.right() - child->width());
                break;
            default:
                Place(child, QRect(free.topLeft(), QSize(freeW, freeH)));
                break;
            }
        }
    }
}

void EnableAlign(QWidget* parent)
{
    if (!parent ||
        parent->findChild<QObject*>(QStringLiteral("toolkit_align_watcher"), Qt::FindDirectChildrenOnly))
        return;
    new AlignWatcher(parent);
}

} // namespace toolkit
