#pragma once
// The skinned check box.

#include "skin/buttons/suicustombuttonex.h"
#include "toolkit/types.h"

#include <QSize>
#include <optional>

/// The skinned check box: a box picture from its style beside its caption; Checked, Transparent, AutoSize.
class TsuiCheckBox : public TsuiCustomButtonEx {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked NOTIFY CheckedChanged USER true)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY TextChanged)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(toolkit::TFont* Font READ Font)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(Suithemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle NOTIFY UIStyleSwitched)
    Q_PROPERTY(QString SkinName READ SkinName WRITE SetSkinName NOTIFY UIStyleSwitched)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE FSetAutoSize)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)

public:
    explicit TsuiCheckBox(QObject* owner, QWidget* parent = nullptr);
    ~TsuiCheckBox() override;

    // Checked or unchecked; the grey state unchecks.
    toolkit::TCheckBoxState GetState() const;
    void SetState(toolkit::TCheckBoxState state);

    // Measured by the style's unchecked check-box picture; 0 without one.
    int GetPicWidth() const override { return CheckPictureSize().width(); }
    int GetPicHeight() const override { return CheckPictureSize().height(); }

    QAccessible::Role AccessibleRole() const override { return QAccessible::CheckBox; }

protected:
    // Called after each toggle by the user.
    virtual void Toggle() {}

    void TransparentChanged() override;
    void ReadTheme() override { AutoSizeChanged(); }
    void UIStyleChanged() override;
    std::optional<TsuiFace> ThemedFace() const override { return TsuiFace::CheckBox; }
    void DoClick() override;

private:
    QSize CheckPictureSize() const;
};
