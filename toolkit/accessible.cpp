#include "toolkit/accessible.h"

#include <QAccessibleWidget>
#include <QKeySequence>
#include <QWidget>
#include <mutex>

namespace toolkit {

namespace {

class ButtonInterface : public QAccessibleWidget {
public:
    ButtonInterface(QWidget* widget, AccessibleButton* source)
        : QAccessibleWidget(widget, source->AccessibleRole()), source_(source)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        // A name set on the widget wins, as for Qt's own controls.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return StripAccelerator(source_->AccessibleCaption());
        if (t == QAccessible::Accelerator) return Mnemonic();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = source_->AccessiblePressed();
        s.checkable = source_->AccessibleCheckable();
        s.checked = source_->AccessibleChecked();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names{pressAction()};
        if (source_->AccessibleCheckable()) names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (!widget()->isEnabled()) return;
        if (name == pressAction() || name == toggleAction())
            source_->AccessiblePress();
        else
            QAccessibleWidget::doAction(name);
    }

    QStringList keyBindingsForAction(const QString& name) const override
    {
        if (name == pressAction() && !Mnemonic().isEmpty()) return {Mnemonic()};
        return QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    QString Mnemonic() const
    {
        return QKeySequence::mnemonic(source_->AccessibleCaption()).toString(QKeySequence::NativeText);
    }

    AccessibleButton* source_;
};

class RangeInterface : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    RangeInterface(QWidget* widget, AccessibleRange* source)
        : QAccessibleWidget(widget, source->AccessibleRole()), source_(source)
    {
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) {
            const QString shown = source_->AccessibleValueText();
            return shown.isEmpty() ? QString::number(source_->AccessibleValue()) : shown;
        }
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return source_->AccessibleValue(); }
    void setCurrentValue(const QVariant&) override {} // shown, not edited
    QVariant maximumValue() const override { return source_->AccessibleMaximum(); }
    QVariant minimumValue() const override { return source_->AccessibleMinimum(); }
    QVariant minimumStepSize() const override { return 0; }

private:
    AccessibleRange* source_;
};

// The inner controls are the widget's own children, which QAccessibleWidget
// already lists.
class GroupingInterface : public QAccessibleWidget {
public:
    GroupingInterface(QWidget* widget, AccessibleGrouping* source)
        : QAccessibleWidget(widget, QAccessible::Grouping), source_(source)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return StripAccelerator(source_->AccessibleCaption());
        return QAccessibleWidget::text(t);
    }

private:
    AccessibleGrouping* source_;
};

// Qt asks every factory for every object; anything that is not one of our
// mixins is left to the next factory.
QAccessibleInterface* SkinnedControlFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (auto* button = dynamic_cast<AccessibleButton*>(widget)) return new ButtonInterface(widget, button);
    if (auto* range = dynamic_cast<AccessibleRange*>(widget)) return new RangeInterface(widget, range);
    if (auto* grouping = dynamic_cast<AccessibleGrouping*>(widget)) return new GroupingInterface(widget, grouping);
    return nullptr;
}

void InstallFactoryOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(SkinnedControlFactory); });
}

} // namespace

AccessibleButton::AccessibleButton()
{
    InstallFactoryOnce();
}

AccessibleRange::AccessibleRange()
{
    InstallFactoryOnce();
}

AccessibleGrouping::AccessibleGrouping()
{
    InstallFactoryOnce();
}

QString StripAccelerator(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
        plain += caption[i];
    }
    return plain;
}

QChar AcceleratorChar(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] != u'&') return caption[i + 1];
        ++i;
    }
    return {};
}

void NotifyAccessibleNameChanged(QWidget* control)
{
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleStateChanged(QWidget* control, const QAccessible::State& changed)
{
    if (!QAccessible::isActive()) return;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleValueChanged(QWidget* control, int value)
{
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(control, value);
    QAccessible::updateAccessibility(&event);
}

} // namespace toolkit
