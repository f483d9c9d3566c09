#pragma once
// Component state shared by everything the layout reader creates: "loading"
// while a stored layout applies its properties, "designing" in a form designer
// (never at run time here, but settable so tests reach the design branches).

#include <QWidget>

namespace toolkit {

// Where a control created with (owner, parent) sits. Qt programs and
// uic-generated code pass the parent as the one argument, so a widget owner
// without a parent is the parent too; a later placement reparents as usual.
inline QWidget* ParentOrOwner(QObject* owner, QWidget* parent)
{
    return parent ? parent : qobject_cast<QWidget*>(owner);
}

/// What every object read from a stored layout shares: it knows when it is being loaded and is told when
/// loading ends (Loaded).
class TComponent {
public:
    virtual ~TComponent() = default;

    bool IsLoading() const { return loading_; }
    bool IsDesigning() const { return designing_; }
    void SetLoading(bool on) { loading_ = on; }
    void SetDesigning(bool on) { designing_ = on; }

    // Called by the layout reader once every stored property is applied.
    virtual void Loaded() { loading_ = false; }

private:
    bool loading_ = false;
    bool designing_ = false;
};

} // namespace toolkit
