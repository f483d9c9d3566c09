#include "skin/buttons/suiradiobutton.h"

#include <QPointer>

TsuiRadioButton::TsuiRadioButton(QObject* owner, QWidget* parent) : TsuiCheckBox(owner, parent)
{
    SetPictureKeyed(true);
    SetCaption(QStringLiteral("suiRadioButton"));
    SetHeight(17);
}

TsuiRadioButton::~TsuiRadioButton() = default;

// Radio pictures have magenta corners.
void TsuiRadioButton::TransparentChanged()
{
    SetPictureKeyed(true);
}

void TsuiRadioButton::DoClick()
{
    if (!Checked()) SetChecked(true);
}

void TsuiRadioButton::CheckStateChanged()
{
    if (Checked()) UnCheckGroup();
}

void TsuiRadioButton::UnCheckGroup()
{
    QWidget* parent = parentWidget();
    if (!parent) return;
    // Unchecking runs handlers that may delete any of them.
    QList<QPointer<TsuiRadioButton>> group;
    for (QObject* child : parent->children()) {
        auto* radio = qobject_cast<TsuiRadioButton*>(child);
        if (radio && radio != this && radio->groupIndex_ == groupIndex_) group.append(radio);
    }
    for (const QPointer<TsuiRadioButton>& radio : group)
        if (radio) radio->SetChecked(false);
}
