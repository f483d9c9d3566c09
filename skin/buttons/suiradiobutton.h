#pragma once
// The skinned radio button.

#include "skin/buttons/suicheckbox.h"

#include <optional>

/// A check box that only the user's click checks, and that unchecks the
/// radio buttons of its group (same GroupIndex) among its siblings.
class TsuiRadioButton : public TsuiCheckBox {
    Q_OBJECT
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)

public:
    explicit TsuiRadioButton(QObject* owner, QWidget* parent = nullptr);
    ~TsuiRadioButton() override;

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }

    QAccessible::Role AccessibleRole() const override { return QAccessible::RadioButton; }

protected:
    void TransparentChanged() override;
    std::optional<TsuiFace> ThemedFace() const override { return TsuiFace::RadioButton; }
    void DoClick() override;
    void CheckStateChanged() override;
    void UnCheckGroup();

private:
    int groupIndex_ = 0;
};
