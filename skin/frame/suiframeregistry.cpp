#include "skin/frame/suiframeregistry.h"

#include "skin/frame/suiform.h"
#include "skin/frame/suimainmenu.h"
#include "toolkit/layoutregistry.h"

void RegisterSuiFrame()
{
    toolkit::RegisterClass<TsuiForm>(QStringLiteral("TsuiForm"));
    toolkit::RegisterClass<TsuiMainMenu>(QStringLiteral("TsuiMainMenu"));
}
