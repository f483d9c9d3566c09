#include "toolkit/controlprops.h"

#include <QCursor>
#include <QDrag>
#include <QMimeData>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <tuple>

namespace toolkit {

void TSizeConstraints::Set(int& field, int value)
{
    value = std::max(0, value);
    if (field == value) return;
    field = value;
    emit OnChange();
}

void TSizeConstraints::Clamp(int& width, int& height, int minWidth, int minHeight, int maxWidth, int maxHeight)
{
    if (maxWidth > 0) width = std::min(width, maxWidth);
    if (maxHeight > 0) height = std::min(height, maxHeight);
    width = std::max(width, minWidth);
    height = std::max(height, minHeight);
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState state;
    if (modifiers & Qt::ShiftModifier) state |= ssShift;
    if (modifiers & Qt::AltModifier) state |= ssAlt;
    if (modifiers & Qt::ControlModifier) state |= ssCtrl;
    if (buttons & Qt::LeftButton) state |= ssLeft;
    if (buttons & Qt::RightButton) state |= ssRight;
    if (buttons & Qt::MiddleButton) state |= ssMiddle;
    return state;
}

void ApplyCursor(QWidget* widget, TCursor cursor)
{
    static const std::pair<TCursor, Qt::CursorShape> shapes[] = {
        {crNone, Qt::BlankCursor},        {crArrow, Qt::ArrowCursor},       {crCross, Qt::CrossCursor},
        {crIBeam, Qt::IBeamCursor},       {crSizeNESW, Qt::SizeBDiagCursor}, {crSizeNS, Qt::SizeVerCursor},
        {crSizeNWSE, Qt::SizeFDiagCursor}, {crSizeWE, Qt::SizeHorCursor},    {crUpArrow, Qt::UpArrowCursor},
        {crHourGlass, Qt::WaitCursor},    {crDrag, Qt::DragMoveCursor},     {crNoDrop, Qt::ForbiddenCursor},
        {crHSplit, Qt::SplitHCursor},     {crVSplit, Qt::SplitVCursor},     {crMultiDrag, Qt::DragCopyCursor},
        {crNo, Qt::ForbiddenCursor},      {crAppStart, Qt::BusyCursor},     {crHelp, Qt::WhatsThisCursor},
        {crHandPoint, Qt::PointingHandCursor}, {crSizeAll, Qt::SizeAllCursor},
    };
    for (const auto& [kind, shape] : shapes)
        if (kind == cursor) return widget->setCursor(shape);
    widget->unsetCursor();
}

QString ShortHint(const QString& hint)
{
    return hint.section(u'|', 0, 0);
}

QString LongHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

bool ShowsHints(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QVariant follows = widget->property("ParentShowHint");
        if (follows.isValid() && follows.toBool() && !widget->isWindow()) continue;
        return widget->property("ShowHint").toBool();
    }
    return false;
}

namespace {

void ApplyHint(QWidget* widget)
{
    // A widget that never had a hint keeps the tooltip Qt code gave it.
    static const char applied[] = "_hintApplied";
    const QString text = widget->property("Hint").toString();
    if (text.isEmpty() && !widget->property(applied).toBool()) return;
    widget->setProperty(applied, true);
    widget->setToolTip(ShowsHints(widget) ? ShortHint(text) : QString());
    widget->setAccessibleDescription(LongHint(text));
}

} // namespace

void ApplyHints(QWidget* widget)
{
    ApplyHint(widget);
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QVariant follows = child->property("ParentShowHint");
        if (!child->isWindow() && (!follows.isValid() || follows.toBool())) ApplyHints(child);
    }
}

namespace {

// The children of parent in tab order, each followed by its own parts
// when it is a container.
void AppendTabChain(QWidget* parent, QList<QWidget*>& chain)
{
    struct Entry {
        int key;
        bool implicit;
        int created;
        QWidget* widget;
    };
    QList<Entry> entries;
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow()) continue;
        const QVariant order = child->property("TabOrder");
        const int created = int(entries.size());
        const bool implicit = !order.isValid() || order.toInt() < 0;
        entries.append({implicit ? created : order.toInt(), implicit, created, child});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.key, a.implicit, a.created) < std::tie(b.key, b.implicit, b.created);
    });
    for (const Entry& entry : entries) {
        // Qt leaves widgets that take no focus out of the chain.
        if (entry.widget->focusPolicy() != Qt::NoFocus) chain.append(entry.widget);
        if (!(entry.widget->focusPolicy() & Qt::TabFocus)) AppendTabChain(entry.widget, chain);
    }
}

} // namespace

void ApplyTabOrder(QWidget* parent)
{
    if (!parent) return;
    QList<QWidget*> chain;
    AppendTabChain(parent, chain);
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

namespace {

constexpr char kDragFormat[] = "application/x-toolkit-drag";

// The one drag that can run at a time.
QPointer<QObject>& CurrentDragSource()
{
    static QPointer<QObject> source;
    return source;
}

} // namespace

QMimeData* DragData(QObject* source)
{
    auto* data = new QMimeData;
    data->setData(QLatin1String(kDragFormat), source->objectName().toUtf8());
    CurrentDragSource() = source;
    return data;
}

QObject* ExecDrag(QObject* source, QWidget* dragged)
{
    auto* drag = new QDrag(dragged);
    drag->setMimeData(DragData(source));
    const bool dropped = drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction) != Qt::IgnoreAction;
    QObject* target = dropped ? drag->target() : nullptr;
    CurrentDragSource() = nullptr;
    drag->deleteLater();
    return target;
}

QObject* DragSourceOf(const QMimeData* data)
{
    return data && data->hasFormat(QLatin1String(kDragFormat)) ? CurrentDragSource().data() : nullptr;
}

TControlProperties::TControlProperties(QWidget& widget) : widget_(widget)
{
    FollowParentBiDiMode();
    QObject::connect(&constraints_, &TSizeConstraints::OnChange, &widget_, [this] {
        // Qt's own resizing (layouts, a window's frame) keeps them too.
        const int maxWidth = constraints_.MaxWidth(), maxHeight = constraints_.MaxHeight();
        widget_.setMinimumSize(constraints_.MinWidth(), constraints_.MinHeight());
        widget_.setMaximumSize(maxWidth > 0 ? maxWidth : QWIDGETSIZE_MAX, maxHeight > 0 ? maxHeight : QWIDGETSIZE_MAX);
        SetBounds(widget_.x(), widget_.y(), widget_.width(), widget_.height());
    });
}

void TControlProperties::SetBounds(int left, int top, int width, int height)
{
    if (width != widget_.width() || height != widget_.height()) {
        if (!CanResize(width, height)) return;
        bool resize = true;
        RaiseCanResize(width, height, resize);
        if (!resize) return;
    }
    ApplyConstraints(width, height);
    widget_.setGeometry(left, top, std::max(0, width), std::max(0, height));
    NoteAnchorOrigin(&widget_);
}

void TControlProperties::SetLeft(int left)
{
    SetBounds(left, widget_.y(), widget_.width(), widget_.height());
}

void TControlProperties::SetTop(int top)
{
    SetBounds(widget_.x(), top, widget_.width(), widget_.height());
}

void TControlProperties::SetWidth(int width)
{
    SetBounds(widget_.x(), widget_.y(), width, widget_.height());
}

void TControlProperties::SetHeight(int height)
{
    SetBounds(widget_.x(), widget_.y(), widget_.width(), height);
}

bool TControlProperties::CanResize(int&, int&)
{
    return true;
}

void TControlProperties::ApplyConstraints(int& width, int& height)
{
    int minWidth = constraints_.MinWidth(), minHeight = constraints_.MinHeight();
    int maxWidth = constraints_.MaxWidth(), maxHeight = constraints_.MaxHeight();
    RaiseConstrainedResize(minWidth, minHeight, maxWidth, maxHeight);
    TSizeConstraints::Clamp(width, height, minWidth, minHeight, maxWidth, maxHeight);
}

void TControlProperties::SetAlign(TAlign align)
{
    if (align_ == align) return;
    align_ = align;
    if (QWidget* parent = widget_.parentWidget()) {
        EnableAlign(parent);
        AlignControls(parent);
    }
}

void TControlProperties::SetAnchors(TAnchors anchors)
{
    if (anchors_ == anchors) return;
    anchors_ = anchors;
    NoteAnchorOrigin(&widget_);
}

void TControlProperties::SetHint(const QString& hint)
{
    hint_ = hint;
    ApplyHints(&widget_);
}

bool TControlProperties::ShowHint() const
{
    return parentShowHint_ ? ShowsHints(widget_.parentWidget()) : showHint_;
}

void TControlProperties::SetShowHint(bool on)
{
    showHint_ = on;
    parentShowHint_ = false;
    ApplyHints(&widget_);
}

void TControlProperties::SetParentShowHint(bool on)
{
    // Following the parent no more, the control keeps what it showed.
    if (!on && parentShowHint_) showHint_ = ShowsHints(&widget_);
    parentShowHint_ = on;
    ApplyHints(&widget_);
}

void TControlProperties::BeginDrag(bool immediate)
{
    if (immediate) return StartDrag();
    dragTrack_.pending = true;
    dragTrack_.start = widget_.mapFromGlobal(QCursor::pos());
}

void TControlProperties::SetTabOrder(int order)
{
    tabOrder_ = std::max(-1, order);
    ApplyTabOrder(widget_.parentWidget());
}

void TControlProperties::SetTabStop(bool on)
{
    if (tabStop_ == on) return;
    tabStop_ = on;
    if (!on && (widget_.focusPolicy() & Qt::TabFocus)) {
        tabbedPolicy_ = widget_.focusPolicy();
        widget_.setFocusPolicy(Qt::ClickFocus);
    } else if (on && widget_.focusPolicy() == Qt::ClickFocus) {
        widget_.setFocusPolicy(tabbedPolicy_);
    }
}

void TControlProperties::SetBiDiMode(TBiDiMode mode)
{
    parentBiDiMode_ = false;
    ApplyBiDiMode(mode);
}

void TControlProperties::SetParentBiDiMode(bool on)
{
    parentBiDiMode_ = on;
    FollowParentBiDiMode();
}

void TControlProperties::FollowParentBiDiMode()
{
    if (!parentBiDiMode_) return;
    QWidget* parent = widget_.parentWidget();
    const auto* control = dynamic_cast<const TControlProperties*>(parent);
    const TBiDiMode mode = control                                                   ? control->BiDiMode()
                           : parent && parent->layoutDirection() == Qt::RightToLeft ? bdRightToLeft
                                                                                     : bdLeftToRight;
    if (mode != biDiMode_ || widget_.testAttribute(Qt::WA_SetLayoutDirection)) ApplyBiDiMode(mode);
}

void TControlProperties::ApplyBiDiMode(TBiDiMode mode)
{
    biDiMode_ = mode;
    // Right-to-left reading alone mirrors nothing.
    const bool mirrored = mode == bdRightToLeft || mode == bdRightToLeftNoAlign;
    widget_.setLayoutDirection(mirrored ? Qt::RightToLeft : Qt::LeftToRight);
    // Following the parent, Qt hands its later changes down as well.
    if (parentBiDiMode_) widget_.setAttribute(Qt::WA_SetLayoutDirection, false);
    for (QWidget* child : widget_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (auto* control = dynamic_cast<TControlProperties*>(child)) control->FollowParentBiDiMode();
    BiDiModeChanged();
}

void TControlProperties::SetCursor(TCursor cursor)
{
    cursor_ = cursor;
    ApplyCursor(&widget_, cursor);
}

THelpRequests* HelpRequests()
{
    static THelpRequests* requests = new THelpRequests;
    return requests;
}

bool RequestHelp(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const int context = widget->property("HelpContext").toInt();
        if (context != 0) {
            emit HelpRequests()->OnHelp(context);
            return true;
        }
    }
    return false;
}

} // namespace toolkit
