#include "skin/controls/suicontrolsregistry.h"

#include "skin/controls/suichecklistbox.h"
#include "skin/controls/suicolorbox.h"
#include "skin/controls/suicombobox.h"
#include "skin/controls/suiedit.h"
#include "skin/controls/suifontcombobox.h"
#include "skin/controls/suigrid.h"
#include "skin/controls/suigroupbox.h"
#include "skin/controls/suiimagepanel.h"
#include "skin/controls/suilistview.h"
#include "skin/controls/suiradiogroup.h"
#include "skin/controls/suitoolbar.h"
#include "skin/controls/suitreeview.h"
#include "toolkit/layoutregistry.h"

void RegisterSuiControls()
{
    toolkit::RegisterClass<TsuiImagePanel>(QStringLiteral("TsuiImagePanel"));
    toolkit::RegisterClass<TsuiGroupBox>(QStringLiteral("TsuiGroupBox"));
    toolkit::RegisterClass<TsuiCheckGroup>(QStringLiteral("TsuiCheckGroup"));
    toolkit::RegisterClass<TsuiRadioGroup>(QStringLiteral("TsuiRadioGroup"));
    toolkit::RegisterClass<TsuiComboBox>(QStringLiteral("TsuiComboBox"));
    toolkit::RegisterClass<TsuiFontComboBox>(QStringLiteral("TsuiFontComboBox"));
    toolkit::RegisterClass<TsuiFontSizeComboBox>(QStringLiteral("TsuiFontSizeComboBox"));
    toolkit::RegisterClass<TsuiColorBox>(QStringLiteral("TsuiColorBox"));
    // Tool bar
    toolkit::RegisterClass<TsuiToolBar>(QStringLiteral("TsuiToolBar"));
    // Grids and the flat-bordered native controls.
    toolkit::RegisterClass<TsuiDrawGrid>(QStringLiteral("TsuiDrawGrid"));
    toolkit::RegisterClass<TsuiStringGrid>(QStringLiteral("TsuiStringGrid"));
    toolkit::RegisterClass<TsuiEdit>(QStringLiteral("TsuiEdit"));
    toolkit::RegisterClass<TsuiListView>(QStringLiteral("TsuiListView"));
    toolkit::RegisterClass<TsuiTreeView>(QStringLiteral("TsuiTreeView"));
    toolkit::RegisterClass<TsuiCheckListBox>(QStringLiteral("TsuiCheckListBox"));
}
