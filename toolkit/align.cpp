#include "toolkit/align.h"

#include <QChildEvent>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QScopeGuard>
#include <QSet>
#include <QWidget>
#include <algorithm>

namespace toolkit {

namespace {

constexpr char kAlignProperty[] = "Align";
constexpr char kAnchorsProperty[] = "Anchors";
constexpr char kWatcherName[] = "toolkit_align_watcher";

// Places a child, asking toolkit controls for their consent.
void Place(QWidget* child, const QRect& r)
{
    if (auto* control = qobject_cast<TAligned*>(child))
        control->SetBounds(r.x(), r.y(), r.width(), r.height());
    else
        child->setGeometry(r);
}

// One axis of an anchored child: the span it had when its parent was
// oldParent long, followed to a parent newParent long.
std::pair<int, int> FollowAxis(int start, int length, int oldParent, int newParent, bool nearSide, bool farSide)
{
    const int grown = newParent - oldParent;
    if (nearSide && farSide) return {start, std::max(0, length + grown)};
    if (farSide) return {start + grown, length};
    if (nearSide) return {start, length};
    // Anchored to neither side: the centre keeps its share of the parent.
    const int centre = start + length / 2;
    const int moved = oldParent > 0 ? int(qint64(centre) * newParent / oldParent) : centre;
    return {moved - length / 2, length};
}

class AlignWatcher : public QObject {
public:
    explicit AlignWatcher(QWidget* parent) : QObject(parent), parent_(parent)
    {
        setObjectName(QLatin1String(kWatcherName));
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
            if (watched == parent_) {
                origins_.remove(static_cast<QChildEvent*>(event)->child());
                Arrange();
            }
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

public:
    // Distances are kept from where the child's owner put it, not from the
    // last arrangement, so rounding never drifts and a refused size stays
    // refused without moving the origin.
    void Rebase(QWidget* child)
    {
        origins_.insert(child, {child->geometry(), parent_->size(), child->geometry()});
    }

    void FollowAnchors()
    {
        for (QObject* object : parent_->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (!child || child->isWindow() || child->isHidden() || AlignOf(child) != alNone) continue;
            const TAnchors anchors = AnchorsOf(child);
            if (anchors == kDefaultAnchors) {
                origins_.remove(child);
                continue;
            }
            auto origin = origins_.find(child);
            if (origin == origins_.end() || origin->placed != child->geometry()) {
                Rebase(child);
                origin = origins_.find(child);
            }
            const QSize now = parent_->size();
            const QRect& from = origin->rect;
            const auto [x, w] = FollowAxis(from.x(), from.width(), origin->parentSize.width(), now.width(),
                                           anchors & akLeft, anchors & akRight);
            const auto [y, h] = FollowAxis(from.y(), from.height(), origin->parentSize.height(), now.height(),
                                           anchors & akTop, anchors & akBottom);
            Place(child, QRect(x, y, w, h));
            origin->placed = child->geometry();
        }
    }

private:
    struct AnchorOrigin {
        QRect rect;
        QSize parentSize;
        QRect placed; // where the arranger last put the child
    };

    void Watch(QObject* child)
    {
        if (child != this && child->isWidgetType()) child->installEventFilter(this);
    }

    QPointer<QWidget> parent_;
    QHash<const QObject*, AnchorOrigin> origins_;
};

AlignWatcher* WatcherOf(const QWidget* parent)
{
    // The watcher has no meta-object of its own: found by name.
    return parent ? static_cast<AlignWatcher*>(
                        parent->findChild<QObject*>(QLatin1String(kWatcherName), Qt::FindDirectChildrenOnly))
                  : nullptr;
}

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

TAnchors AnchorsOf(const QWidget* widget)
{
    if (!widget) return kDefaultAnchors;
    if (auto* control = qobject_cast<const TAligned*>(widget)) return control->Anchors();
    const QVariant value = widget->property(kAnchorsProperty);
    return value.isValid() ? TAnchors(value.toInt()) : kDefaultAnchors;
}

void SetAnchors(QWidget* widget, TAnchors anchors)
{
    widget->setProperty(kAnchorsProperty, QVariant::fromValue(anchors));
    NoteAnchorOrigin(widget);
}

void NoteAnchorOrigin(QWidget* widget)
{
    QWidget* parent = widget->parentWidget();
    if (!parent || widget->isWindow() || ParentsBeingAligned().contains(parent)) return;
    if (AnchorsOf(widget) != kDefaultAnchors) EnableAlign(parent);
    if (AlignWatcher* watcher = WatcherOf(parent)) watcher->Rebase(widget);
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
    if (AlignWatcher* watcher = WatcherOf(parent)) watcher->FollowAnchors();
}

void EnableAlign(QWidget* parent)
{
    if (!parent || WatcherOf(parent)) return;
    new AlignWatcher(parent);
}

} // namespace toolkit
