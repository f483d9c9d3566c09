#include "skin/buttons/suicheckbox.h"

#include "skin/themes/suipublic.h"

using namespace toolkit;

TsuiCheckBox::TsuiCheckBox(QObject* owner, QWidget* parent) : TsuiCustomButtonEx(owner, parent)
{
    SetPictureKeyed(false);
    // A double click is two clicks: each toggles.
    SetDoubleClicks(false);
    SetCaption(QStringLiteral("suiCheckBox"));
    SetHeight(17);
    SetUIStyle(GetSUIFormStyle(owner));
}

TsuiCheckBox::~TsuiCheckBox() = default;

TCheckBoxState TsuiCheckBox::GetState() const
{
    return Checked() ? cbChecked : cbUnchecked;
}

void TsuiCheckBox::SetState(TCheckBoxState state)
{
    SetChecked(state == cbChecked);
}

QSize TsuiCheckBox::CheckPictureSize() const
{
    return FaceFor(UIStyle(), TsuiFace::CheckBox).size();
}

// Never keyed: Transparent only puts the parent behind the picture.
void TsuiCheckBox::TransparentChanged()
{
    SetPictureKeyed(false);
}

void TsuiCheckBox::UIStyleChanged()
{
    TsuiCustomButtonEx::UIStyleChanged();
    switch (UIStyle()) {
    case TsuiUIStyle::MacOS:
    case TsuiUIStyle::Protein:
        SetTransparent(true);
        break;
    case TsuiUIStyle::WinXP:
    case TsuiUIStyle::DeepBlue:
    case TsuiUIStyle::BlueGlass:
        SetTransparent(false);
        break;
    case TsuiUIStyle::Custom:
        break;
    }
}

void TsuiCheckBox::DoClick()
{
    if (Guarded([this] { SetChecked(!Checked()); })) Toggle();
}
