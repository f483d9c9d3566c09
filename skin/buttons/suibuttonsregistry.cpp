#include "skin/buttons/suibuttonsregistry.h"

#include "skin/buttons/suibutton.h"
#include "skin/buttons/suiprogressbar.h"
#include "toolkit/layoutregistry.h"

void RegisterSuiButtons()
{
    toolkit::RegisterClass<TsuiButton>(QStringLiteral("TsuiButton"));
    toolkit::RegisterClass<TsuiImageButton>(QStringLiteral("TsuiImageButton"));
    toolkit::RegisterClass<TsuiCheckBox>(QStringLiteral("TsuiCheckBox"));
    toolkit::RegisterClass<TsuiRadioButton>(QStringLiteral("TsuiRadioButton"));
    toolkit::RegisterClass<TsuiProgressBar>(QStringLiteral("TsuiProgressBar"));
}
