#include "skin/scrolling/suiscrollingregistry.h"

#include "toolkit/layoutregistry.h"

void RegisterSuiScrolling()
{
}
