#include "apps/tessa/MacroDialogCatalog.h"

#include "apps/tessa/ExampleMacro.h"
#include "macro/dialog/CDlgMacro.h"
#include "macro/dialog/CMacroTabProf.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/host/CommandLineApi.h"

namespace app {

namespace {

constexpr const wchar_t* kExampleMacro = L"macros/PlateSplice.json";

bool showMacroDialogOn(const wchar_t* tabName) {
    std::optional<MacroData> data = exampleMacroRecord(kExampleMacro);
    if (!data)
        return false;
    data->currentTab = tabName;
    StartDlgMacro(*data);
    return true;
}

bool showMacroDialog(DialogPresenter&) {
    return showMacroDialogOn(L"Splice");
}

bool showProfilePage(DialogPresenter&) {
    return showMacroDialogOn(L"Profiles");
}

} // namespace

std::vector<DialogEntry> macroDialogs() {
    return {{"CDlgMacro", static_cast<int>(CDlgMacro::IDD), "DLG_MACRO", showMacroDialog},
            {"CMacroTabProf", static_cast<int>(CMacroTabProf::IDD), "DLG_TAB_MACRO_PROF",
             showProfilePage}};
}

} // namespace app
