#include "skin/controls/suicontrolsregistry.h"

#include "skin/controls/suigroupbox.h"
#include "skin/controls/suiimagepanel.h"
#include "skin/controls/suiradiogroup.h"
#include "toolkit/layoutregistry.h"

void RegisterSuiControls()
{
    toolkit::RegisterClass<TsuiImagePanel>(QStringLiteral("TsuiImagePanel"));
    toolkit::RegisterClass<TsuiGroupBox>(QStringLiteral("TsuiGroupBox"));
    toolkit::RegisterClass<TsuiCheckGroup>(QStringLiteral("TsuiCheckGroup"));
    toolkit::RegisterClass<TsuiRadioGroup>(QStringLiteral("TsuiRadioGroup"));
}
