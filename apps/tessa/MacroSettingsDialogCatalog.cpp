#include "apps/tessa/MacroSettingsDialogCatalog.h"

#include "macro/settings/CDlgMacroSettings.h"
#include "module/ResourceSwitch.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/settings/Vdn_Settings.h"

namespace app {

namespace {

// The settings of the example end-plate macro, opened at a page. The mappings the dialog
// makes are not written: the example library stays as it is.
bool showAt(int page) {
    core::MacroReadResult read =
        Vdn_DbMacro::readFromFile(gSettings.libDir() + L"macros\\EndPlate.json");
    if (!read)
        return false;
    Vdn_DbMacro macro = read.macro();
    frame::ResourceSwitch resources;
    CDlgMacroSettings dialog;
    dialog.data_ = macro.settings;
    dialog.macro_ = &macro;
    dialog.writeMappings_ = false;
    dialog.startPage_ = page;
    return dialog.DoModal() != -1;
}

template <int Page> bool showPage(DialogPresenter&) {
    return showAt(Page);
}

} // namespace

std::vector<DialogEntry> macroSettingsDialogs() {
    using Dlg = CDlgMacroSettings;
    return {
        {"CDlgMacroSettings", 370, "DLG_MACRO_SETTINGS", showPage<Dlg::kFilterPage>},
        {"CTabMacroFilter2", 372, "DLG_TAB_MACRO_FILTER2", showPage<Dlg::kFilter2Page>},
        {"CTabMacroFilterProps", 373, "DLG_TAB_MACRO_FILTERPROPS", showPage<Dlg::kPropertiesPage>},
        {"CTabMacroVariables", 374, "DLG_TAB_MACRO_VARIABLES", showPage<Dlg::kVariablesPage>},
        {"CTabMacroGroups", 375, "DLG_TAB_MACRO_GROUPS", showPage<Dlg::kGroupsPage>},
        {"CTabMacroMapping", 376, "DLG_TAB_MACRO_MAPPING", showPage<Dlg::kMappingPage>},
    };
}

} // namespace app
