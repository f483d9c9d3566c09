#include "skin/scrolling/suiscrollingregistry.h"

#include "skin/scrolling/suiscrollbar.h"
#include "skin/scrolling/suitrackbar.h"
#include "toolkit/layoutregistry.h"

void RegisterSuiScrolling()
{
    toolkit::RegisterClass<TsuiTrackBar>(QStringLiteral("TsuiTrackBar"));
    toolkit::RegisterClass<TsuiScrollTrackBar>(QStringLiteral("TsuiScrollTrackBar"));
    toolkit::RegisterClass<TsuiScrollBar>(QStringLiteral("TsuiScrollBar"));
}
