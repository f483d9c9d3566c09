#include "skin/frame/suiframeregistry.h"

#include "skin/frame/suiform.h"
#include "toolkit/layoutregistry.h"

void RegisterSuiFrame()
{
    toolkit::RegisterClass<TsuiForm>(QStringLiteral("TsuiForm"));
}
