#include "apps/tessa/SelectMacroDialogCatalog.h"

#include "macro/cladding/CDlgBracing.h"
#include "macro/cladding/CDlgCladdingSettings.h"
#include "macro/select/CDlgSelectMacro.h"
#include "macro/select/CDlgStringArray.h"
#include "platform/core/settings/Vdn_Settings.h"

namespace app {

namespace {

// The example library's macros, with the alternative use offered.
bool showSelectMacro(DialogPresenter&) {
    CDlgSelectMacro dialog;
    dialog.filter_.init(Vdn_StringArray{gSettings.libDir() + L"Macros\\"}, Vdn_Array<bool>());
    dialog.altConfirm_ = true;
    return dialog.DoModal() != -1;
}

// The bolt sizes of a connection: name, diameter, length and grade per row.
bool showStringArray(DialogPresenter&) {
    CDlgStringArray dialog;
    dialog.caption_ = L"Bouten";
    dialog.columnHeaders_ = {L"Naam", L"Diameter", L"Lengte", L"Klasse"};
    dialog.rows_ = {{L"M16", L"16", L"45", L"8.8"},
                    {L"M20", L"20", L"60", L"8.8"},
                    {L"M24", L"24", L"70", L"10.9"},
                    {L"M27", L"27", L"80", L"10.9"}};
    return dialog.DoModal() != -1;
}

// Z rails lapped over the columns at a fixed centre distance.
bool showCladding(DialogPresenter&) {
    CDlgCladdingSettings dialog;
    dialog.data_.sections = {L"Z-150", L"Z-200", L"C-150", L"IPE-120"};
    dialog.data_.section = L"Z-200";
    dialog.data_.startConnection = 3;
    dialog.data_.endConnection = 1;
    dialog.data_.side = 0;
    dialog.data_.spacingMode = 3;
    dialog.data_.spacing = 1800;
    dialog.data_.sagRods = true;
    return dialog.DoModal() != -1;
}

// Round-bar wall bracing, a roof bracing of angle sections.
bool showBracing(DialogPresenter&) {
    CDlgBracing dialog;
    dialog.data_.sections = {L"L-60x6", L"L-70x7", L"RHS-80x40x4", L"CHS-60.3x3.2"};
    dialog.data_.wallKind = 1;
    dialog.data_.roofKind = 3;
    dialog.data_.roofSection = L"L-70x7";
    dialog.data_.bothEndBays = true;
    return dialog.DoModal() != -1;
}

} // namespace

std::vector<DialogEntry> selectMacroDialogs() {
    return {
        {"CDlgSelectMacro", 366, "DLG_SELECT_MACRO", showSelectMacro},
        {"CDlgStringArray", 208, "DLG_SS_STRINGARRAY", showStringArray},
        {"CDlgCladdingSettings", 252, "DLG_CLADDING_SETTINGS", showCladding},
        {"CDlgBracing", 255, "DLG_BRACING", showBracing},
    };
}

} // namespace app
