#include "skin/buttons/suibuttonsregistry.h"

#include "skin/buttons/suibutton.h"
#include "skin/buttons/suicheckbox.h"
#include "skin/buttons/suiimagebutton.h"
#include "skin/buttons/suiprogressbar.h"
#include "skin/buttons/suiradiobutton.h"
#include "toolkit/layoutregistry.h"

void RegisterSuiButtons()
{
    toolkit::RegisterClass<TsuiButton>(QStringLiteral("TsuiButton"));
    toolkit::RegisterClass<TsuiImageButton>(QStringLiteral("TsuiImageButton"));
    toolkit::RegisterClass<TsuiCheckBox>(QStringLiteral("TsuiCheckBox"));
    toolkit::RegisterClass<TsuiRadioButton>(QStringLiteral("TsuiRadioButton"));
    toolkit::RegisterClass<TsuiProgressBar>(QStringLiteral("TsuiProgressBar"));
}
