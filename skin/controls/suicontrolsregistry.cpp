#include "skin/controls/suicontrolsregistry.h"

#include "toolkit/layoutregistry.h"

void RegisterSuiControls()
{
}
