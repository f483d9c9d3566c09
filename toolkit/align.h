#pragma once
// Aligned children: alTop/alBottom/alLeft/alRight children stick to a side
// of their parent's client area at their own height or width, alClient takes
// what is left. Children without an alignment follow their anchors: an edge
// anchored to the parent's right or bottom keeps its distance to it as the
// parent grows, and a control anchored to neither side of an axis keeps its
// centre in proportion. One arranger serves every kind of widget: alignment
// and anchors are the widget's "Align" and "Anchors" properties (declared by
// toolkit controls, dynamic on others).

#include <QObject>

class QWidget;

namespace toolkit {

namespace align_meta {
Q_NAMESPACE
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)
enum TAnchorKind { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_FLAG_NS(TAnchors)
} // namespace align_meta

Q_DECLARE_OPERATORS_FOR_FLAGS(align_meta::TAnchors)

using TAlign = align_meta::TAlign;
using enum align_meta::TAlign;
using TAnchorKind = align_meta::TAnchorKind;
using TAnchors = align_meta::TAnchors;
using enum align_meta::TAnchorKind;

inline constexpr TAnchors kDefaultAnchors = TAnchors(akLeft | akTop);

/// A widget that keeps its alignment itself and consents to each placement
/// (every toolkit control); other widgets carry the alignment as a dynamic
/// property and are placed as they are.
class TAligned {
public:
    virtual TAlign Align() const = 0;
    virtual void SetAlign(TAlign align) = 0;
    virtual TAnchors Anchors() const { return kDefaultAnchors; }
    // May refuse or adjust a size change.
    virtual void SetBounds(int left, int top, int width, int height) = 0;

protected:
    ~TAligned() = default;
};

TAlign AlignOf(const QWidget* widget);
// For widgets that do not declare the property; realigns the parent.
void SetAlign(QWidget* widget, TAlign align);
TAnchors AnchorsOf(const QWidget* widget);
// For widgets that do not declare the property.
void SetAnchors(QWidget* widget, TAnchors anchors);
// The widget's owner placed it: its anchors keep the distances it has now.
// Controls call this from their own geometry setters; a widget moved by
// other means is noticed at the next arrangement.
void NoteAnchorOrigin(QWidget* widget);

// Lays out the aligned children of parent in the classic order: all alTop
// children (in creation order) from the top down, then alBottom from the
// bottom up, then alLeft, alRight, and alClient gets the remaining rectangle;
// then moves or stretches the anchored ones.
void AlignControls(QWidget* parent);
// Keeps parent's aligned children arranged from now on: on resizes of the
// parent, and on children that appear, disappear or change size. Idempotent.
void EnableAlign(QWidget* parent);

} // namespace toolkit

Q_DECLARE_INTERFACE(toolkit::TAligned, "toolkit.TAligned")
