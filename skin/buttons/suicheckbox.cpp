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
    // Custom keeps what it had; MacOS and Protein let the parent show
    // through, the others (a loaded skin pack too) are opaque.
    if (UIStyle() == TsuiUIStyle::Custom) return;
    SetTransparent(UIStyle() == TsuiUIStyle::MacOS || UIStyle() == TsuiUIStyle::Protein);
}

void TsuiCheckBox::DoClick()
{
    if (Guarded([this] { SetChecked(!Checked()); })) Toggle();
}
