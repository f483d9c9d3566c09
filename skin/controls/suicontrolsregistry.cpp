#include "skin/controls/suicontrolsregistry.h"

#include "skin/controls/suicolorbox.h"
#include "skin/controls/suicombobox.h"
#include "skin/controls/suifontcombobox.h"
#include "toolkit/layoutregistry.h"

void RegisterSuiControls()
{
    toolkit::RegisterClass<TsuiComboBox>(QStringLiteral("TsuiComboBox"));
    toolkit::RegisterClass<TsuiFontComboBox>(QStringLiteral("TsuiFontComboBox"));
    toolkit::RegisterClass<TsuiFontSizeComboBox>(QStringLiteral("TsuiFontSizeComboBox"));
    toolkit::RegisterClass<TsuiColorBox>(QStringLiteral("TsuiColorBox"));
}
