#include "skin/scrolling/suiscrollingregistry.h"

#include "skin/scrolling/suilistbox.h"
#include "skin/scrolling/suimemo.h"
#include "skin/scrolling/suipagecontrol.h"
#include "skin/scrolling/suiscrollbar.h"
#include "skin/scrolling/suisidechannel.h"
#include "skin/scrolling/suitabcontrol.h"
#include "skin/scrolling/suitrackbar.h"
#include "toolkit/layoutregistry.h"

void RegisterSuiScrolling()
{
    toolkit::RegisterClass<TsuiTrackBar>(QStringLiteral("TsuiTrackBar"));
    toolkit::RegisterClass<TsuiScrollTrackBar>(QStringLiteral("TsuiScrollTrackBar"));
    toolkit::RegisterClass<TsuiScrollBar>(QStringLiteral("TsuiScrollBar"));
    // Native controls that attach scroll bars.
    toolkit::RegisterClass<TsuiMemo>(QStringLiteral("TsuiMemo"));
    toolkit::RegisterClass<TsuiListBox>(QStringLiteral("TsuiListBox"));
    // Tabs, pages and the side channel.
    toolkit::RegisterClass<TsuiTabControl>(QStringLiteral("TsuiTabControl"));
    toolkit::RegisterClass<TsuiPageControl>(QStringLiteral("TsuiPageControl"));
    toolkit::RegisterClass<TsuiTabSheet>(QStringLiteral("TsuiTabSheet"));
    toolkit::RegisterClass<TsuiSideChannel>(QStringLiteral("TsuiSideChannel"));
}
