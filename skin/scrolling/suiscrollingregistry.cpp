#include "skin/scrolling/suiscrollingregistry.h"

#include "skin/scrolling/suipagecontrol.h"
#include "skin/scrolling/suisidechannel.h"
#include "skin/scrolling/suitabcontrol.h"
#include "toolkit/layoutregistry.h"

void RegisterSuiScrolling()
{
    // Tabs, pages and the side channel.
    toolkit::RegisterClass<TsuiTabControl>(QStringLiteral("TsuiTabControl"));
    toolkit::RegisterClass<TsuiPageControl>(QStringLiteral("TsuiPageControl"));
    toolkit::RegisterClass<TsuiTabSheet>(QStringLiteral("TsuiTabSheet"));
    toolkit::RegisterClass<TsuiSideChannel>(QStringLiteral("TsuiSideChannel"));
}
