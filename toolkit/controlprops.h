#pragma once
// What every control publishes beside its geometry: size constraints, the
// cursor, right-to-left reading, mouse buttons and shift states of the
// events, hints with the inherited ShowHint rule, the stored tab order and
// the help request F1 raises.
//
// The rules work on any widget through its named properties ("Hint",
// "ShowHint", "ParentShowHint", "TabOrder", "HelpContext"), declared by the
// toolkit's controls and dynamic on other widgets, as alignment does. The
// controls keep these properties in one mixin, TControlProperties, and
// those on native Qt widgets publish them with one macro.

#include "toolkit/align.h"
#include "toolkit/menus.h"

#include <QFlags>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

class QMimeData;
class QWidget;

namespace toolkit {

namespace controlprops_meta {
Q_NAMESPACE
// The classic cursor numbers.
enum TCursor {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crDrag = -12,
    crNoDrop = -13,
    crHSplit = -14,
    crVSplit = -15,
    crMultiDrag = -16,
    crNo = -18,
    crAppStart = -19,
    crHelp = -20,
    crHandPoint = -21,
    crSizeAll = -22,
};
Q_ENUM_NS(TCursor)
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
Q_ENUM_NS(TBiDiMode)
enum TMouseButton { mbLeft, mbRight, mbMiddle };
Q_ENUM_NS(TMouseButton)
enum TShiftStateFlag {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_FLAG_NS(TShiftState)
enum TDragMode { dmManual, dmAutomatic };
Q_ENUM_NS(TDragMode)
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
Q_ENUM_NS(TDragState)
// Docking is not supported: only dkDrag is accepted.
enum TDragKind { dkDrag, dkDock };
Q_ENUM_NS(TDragKind)
} // namespace controlprops_meta

Q_DECLARE_OPERATORS_FOR_FLAGS(controlprops_meta::TShiftState)

using TCursor = controlprops_meta::TCursor;
using TBiDiMode = controlprops_meta::TBiDiMode;
using TMouseButton = controlprops_meta::TMouseButton;
using TShiftState = controlprops_meta::TShiftState;
using enum controlprops_meta::TCursor;
using enum controlprops_meta::TBiDiMode;
using enum controlprops_meta::TMouseButton;
using enum controlprops_meta::TShiftStateFlag;
using TDragMode = controlprops_meta::TDragMode;
using TDragState = controlprops_meta::TDragState;
using TDragKind = controlprops_meta::TDragKind;
using enum controlprops_meta::TDragMode;
using enum controlprops_meta::TDragState;
using enum controlprops_meta::TDragKind;

/// Smallest and largest size a control may take; 0 leaves a bound open.
class TSizeConstraints : public QObject {
    Q_OBJECT
    Q_PROPERTY(int MaxHeight READ MaxHeight WRITE SetMaxHeight)
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE SetMaxWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE SetMinHeight)
    Q_PROPERTY(int MinWidth READ MinWidth WRITE SetMinWidth)

public:
    using QObject::QObject;

    int MaxHeight() const { return maxHeight_; }
    int MaxWidth() const { return maxWidth_; }
    int MinHeight() const { return minHeight_; }
    int MinWidth() const { return minWidth_; }
    void SetMaxHeight(int value) { Set(maxHeight_, value); }
    void SetMaxWidth(int value) { Set(maxWidth_, value); }
    void SetMinHeight(int value) { Set(minHeight_, value); }
    void SetMinWidth(int value) { Set(minWidth_, value); }

    // Clamps a size to the given bounds (0: open); a minimum wins over a
    // smaller maximum.
    static void Clamp(int& width, int& height, int minWidth, int minHeight, int maxWidth, int maxHeight);

signals:
    void OnChange();

private:
    void Set(int& field, int value);

    int maxHeight_ = 0;
    int maxWidth_ = 0;
    int minHeight_ = 0;
    int minWidth_ = 0;
};

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);
// The widget shows the cursor; crDefault leaves the parent's.
void ApplyCursor(QWidget* widget, TCursor cursor);

// A hint is "short|long": the tooltip shows the short part, the long one is
// the accessible description (either is the whole hint without a bar).
QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);
// ShowHint as it applies: a widget with ParentShowHint follows its parent;
// a widget that declares neither shows no hints.
bool ShowsHints(const QWidget* widget);
// Sets the tooltip and description of widget and of its descendants whose
// hints follow it.
void ApplyHints(QWidget* widget);

// The focus chain of parent's window follows each parent's children in
// their TabOrder: a child with TabOrder n comes before the siblings created
// at place n and after (-1: creation order). A focusable widget's own
// children are its parts and keep their order.
void ApplyTabOrder(QWidget* parent);

// Dragging within the application: the dragged data names its source, which
// is the object a drop target's handlers see. Returns the target that took
// the drop, or none.
QObject* ExecDrag(QObject* source, QWidget* dragged);
// The data such a drag carries; source becomes the current drag's source.
QMimeData* DragData(QObject* source);
// The source of a drag this application started, or none for other data.
QObject* DragSourceOf(const QMimeData* data);

template <class Control> class TControlEvents;

/// The properties every control publishes beside its own, kept for its
/// widget: Align, Anchors, Constraints, Hint with ShowHint and ParentShowHint, PopupMenu,
/// TabOrder, TabStop, BiDiMode with ParentBiDiMode, Cursor, HelpContext, Tag, DragMode and DragCursor.
class TControlProperties : public TAligned {
public:
    // Built after its widget, whose parent's reading order it takes.
    explicit TControlProperties(QWidget& widget);

    // Changing the alignment arranges the parent's children anew.
    TAlign Align() const override { return align_; }
    void SetAlign(TAlign align) override;
    // Anchored to the right or bottom, the control keeps its distance to
    // that edge of its parent as the parent is resized.
    TAnchors Anchors() const override { return anchors_; }
    void SetAnchors(TAnchors anchors);

    // A size change, by the geometry setters or the align arranger, goes
    // through CanResize and OnCanResize (either may refuse it, and nothing
    // changes), then OnConstrainedResize and the Constraints. Qt's own
    // resizing (layouts, a window's frame) keeps the Constraints too.
    void SetBounds(int left, int top, int width, int height) override;
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    TSizeConstraints* Constraints() { return &constraints_; }

    // The hint is the tooltip when ShowHint applies (ApplyHints), and the
    // accessible description always; setting ShowHint turns ParentShowHint
    // off.
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint);
    bool ShowHint() const;
    void SetShowHint(bool on);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool on);

    // Opens on a right click or the menu key unless OnContextPopup handles
    // the request; its items' shortcuts work while the window is active.
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

    // The place in the parent's focus chain (-1: creation order).
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order);
    // Off, Tab passes the control by; a click still gives it the focus. A
    // control that takes no focus keeps taking none.
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on);
    // Right-to-left reading mirrors the control as Qt's layout direction
    // does; with ParentBiDiMode the parent's mode applies.
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode);
    bool ParentBiDiMode() const { return parentBiDiMode_; }
    void SetParentBiDiMode(bool on);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }
    qint64 Tag() const { return tag_; }
    void SetTag(qint64 tag) { tag_ = tag; }

    // dmAutomatic starts a drag when the left button pulls the control;
    // dmManual leaves it to BeginDrag (controlevents.h has the events).
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode mode) { dragMode_ = mode; }
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor cursor) { dragCursor_ = cursor; }
    // Immediately, or once the pointer moved the platform's drag distance
    // with the button held.
    void BeginDrag(bool immediate);
    bool Dragging() const { return dragTrack_.dragging; }

protected:
    ~TControlProperties() = default;
    // Runs a drag from the control: TControlEvents<Control>::StartDrag.
    virtual void StartDrag() {}
    // The control's own veto on a size change, asked before OnCanResize.
    virtual bool CanResize(int& newWidth, int& newHeight);
    // Raise OnCanResize and OnConstrainedResize (TOOLKIT_CONTROL_EVENTS
    // declares both).
    virtual void RaiseCanResize(int&, int&, bool&) {}
    virtual void RaiseConstrainedResize(int&, int&, int&, int&) {}
    // Takes the parent's mode while ParentBiDiMode is on (on a new parent too).
    void FollowParentBiDiMode();
    // The mode changed: what the control shows may have moved.
    virtual void BiDiModeChanged() {}

private:
    template <class Control> friend class TControlEvents;
    void ApplyBiDiMode(TBiDiMode mode);

    struct TDragTrack {
        bool pending = false;
        bool dragging = false;
        QPoint start;
    };

    void ApplyConstraints(int& width, int& height);

    QWidget& widget_;
    TSizeConstraints constraints_;
    TAlign align_ = alNone;
    TAnchors anchors_ = kDefaultAnchors;
    QString hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    QPointer<TPopupMenu> popupMenu_;
    int tabOrder_ = -1;
    bool tabStop_ = true;
    TBiDiMode biDiMode_ = bdLeftToRight;
    bool parentBiDiMode_ = true;
    // The focus policy to return to when TabStop comes back on.
    Qt::FocusPolicy tabbedPolicy_ = Qt::StrongFocus;
    TCursor cursor_ = crDefault;
    int helpContext_ = 0;
    qint64 tag_ = 0;
    TDragMode dragMode_ = dmManual;
    TCursor dragCursor_ = crDrag;
    TDragTrack dragTrack_;
};

// The common properties as a control on a native Qt widget publishes them,
// after its own (moc expands the macro).
#define TOOLKIT_PUBLISHED_COMMON_PROPERTIES                                                                \
    Q_PROPERTY(toolkit::align_meta::TAnchors Anchors READ Anchors WRITE SetAnchors)                        \
    Q_PROPERTY(toolkit::controlprops_meta::TBiDiMode BiDiMode READ BiDiMode WRITE SetBiDiMode)             \
    Q_PROPERTY(bool ParentBiDiMode READ ParentBiDiMode WRITE SetParentBiDiMode)                            \
    Q_PROPERTY(toolkit::TSizeConstraints* Constraints READ Constraints)                                    \
    Q_PROPERTY(toolkit::controlprops_meta::TCursor Cursor READ Cursor WRITE SetCursor)                     \
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)                                                       \
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)                                              \
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)                            \
    Q_PROPERTY(toolkit::TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)                           \
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)                                               \
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)                                                 \
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)                                      \
    Q_PROPERTY(qint64 Tag READ Tag WRITE SetTag)                                                           \
    Q_PROPERTY(toolkit::controlprops_meta::TDragMode DragMode READ DragMode WRITE SetDragMode)             \
    Q_PROPERTY(toolkit::controlprops_meta::TCursor DragCursor READ DragCursor WRITE SetDragCursor)

/// F1 asks for help on a control: its HelpContext, or its nearest parent's
/// that has one, is announced through HelpRequests().
class THelpRequests : public QObject {
    Q_OBJECT
signals:
    void OnHelp(int HelpContext);
};
THelpRequests* HelpRequests();
// Returns whether a help context was found and announced.
bool RequestHelp(const QWidget* widget);

} // namespace toolkit
