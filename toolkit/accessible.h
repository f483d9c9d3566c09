#pragma once
// Assistive technology support for self-painted controls. Qt's own widgets
// describe themselves through built-in accessibility interfaces; a control
// that paints itself gets the same by implementing one of the small mixins
// below. Constructing a mixin installs (once) the factory that turns it into
// a Qt accessibility interface, so a control only answers questions about
// its own state and reports changes through the Notify functions.

#include <QAccessible>
#include <QString>

class QWidget;

namespace toolkit {

/// A push button, check box or radio button.
class AccessibleButton {
public:
    AccessibleButton();
    virtual ~AccessibleButton() = default;

    virtual QAccessible::Role AccessibleRole() const { return QAccessible::Button; }
    // The caption as the user reads it; '&' accelerator markers are allowed.
    virtual QString AccessibleCaption() const = 0;
    virtual bool AccessiblePressed() const = 0;
    virtual bool AccessibleCheckable() const { return false; }
    virtual bool AccessibleChecked() const { return false; }
    // The press action: behaves as a click by the user.
    virtual void AccessiblePress() = 0;
};

/// A value within a range: read-only by default, such as a progress bar; a
/// slider or scroll bar also takes values and names its step.
class AccessibleRange {
public:
    AccessibleRange();
    virtual ~AccessibleRange() = default;

    virtual QAccessible::Role AccessibleRole() const { return QAccessible::ProgressBar; }
    virtual int AccessibleValue() const = 0;
    virtual int AccessibleMinimum() const = 0;
    virtual int AccessibleMaximum() const = 0;
    // 0: the value is shown, not edited, and a set is ignored.
    virtual int AccessibleStep() const { return 0; }
    virtual void AccessibleSetValue(int value) { Q_UNUSED(value); }
    // The value as shown on screen (for example "50%"); empty: the number.
    virtual QString AccessibleValueText() const { return {}; }
};

/// A frame that groups the controls inside it under a caption (a group box).
class AccessibleGrouping {
public:
    AccessibleGrouping();
    virtual ~AccessibleGrouping() = default;

    // The caption as the user reads it; '&' accelerator markers are allowed.
    virtual QString AccessibleCaption() const = 0;
};

// The caption without accelerator markers: "&&" stays a literal '&'.
QString StripAccelerator(const QString& caption);
// The character after a single '&', or a null character.
QChar AcceleratorChar(const QString& caption);

void NotifyAccessibleNameChanged(QWidget* control);
void NotifyAccessibleStateChanged(QWidget* control, const QAccessible::State& changed);
void NotifyAccessibleValueChanged(QWidget* control, int value);

} // namespace toolkit
