#include "skin/controls/suicontrolsregistry.h"

#include "skin/controls/suitoolbar.h"
#include "toolkit/layoutregistry.h"

void RegisterSuiControls()
{
    // Tool bar
    toolkit::RegisterClass<TsuiToolBar>(QStringLiteral("TsuiToolBar"));
}
