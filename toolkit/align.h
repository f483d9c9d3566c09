#pragma once
// Aligned children: alTop/alBottom/alLeft/alRight children stick to a side
// of their parent's client area at their own height or width, alClient takes
// what is left. One arranger serves every kind of widget: the alignment is the
// widget's "Align" property (declared by toolkit controls, dynamic on others).

#include <QObject>

class QWidget;

namespace toolkit {

namespace align_meta {
Q_NAMESPACE
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)
} // namespace align_meta

using TAlign = align_meta::TAlign;
using enum align_meta::TAlign;

/// A widget that keeps its alignment itself and consents to each placement
/// (every toolkit control); other widgets carry the alignment as a dynamic
/// property and are placed as they are.
class TAligned {
public:
    virtual TAlign Align() const = 0;
    virtual void SetAlign(TAlign align) = 0;
    // May refuse or adjust a size change.
    virtual void SetBounds(int left, int top, int width, int height) = 0;

protected:
    ~TAligned() = default;
};

TAlign AlignOf(const QWidget* widget);
// For widgets that do not declare the property; realigns the parent.
void SetAlign(QWidget* widget, TAlign align);

// Lays out the aligned children of parent in the classic order: all alTop
// children (in creation order) from the top down, then alBottom from the
// bottom up, then alLeft, alRight, and alClient gets the remaining rectangle.
void AlignControls(QWidget* parent);
// Keeps parent's aligned children arranged from now on: on resizes of the
// parent, and on children that appear, disappear or change size. Idempotent.
void EnableAlign(QWidget* parent);

} // namespace toolkit

Q_DECLARE_INTERFACE(toolkit::TAligned, "toolkit.TAligned")
