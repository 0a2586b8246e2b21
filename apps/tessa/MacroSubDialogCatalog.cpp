#include "apps/tessa/MacroSubDialogCatalog.h"

#include "apps/tessa/ExampleMacro.h"
#include "macro/arrays/ArrayLaunchers.h"
#include "macro/arrays/CDlgArray.h"
#include "macro/bolts/CDlgMacroBoltAdv.h"
#include "macro/bolts/CDlgMacroPattern.h"
#include "macro/cycle/MacroValueCycle.h"
#include "platform/core/model/BoltCatalog.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/host/CommandLineApi.h"

#include <optional>

namespace app {

namespace {

constexpr const wchar_t* kExampleMacro = L"macros/BoltedSplice.json";
constexpr const wchar_t* kBoltTab = L"Bolts";

// The example macro opened in the current drawing, as the macro dialog would hold it.
std::optional<MacroData> exampleMacro() {
    return exampleMacroRecord(kExampleMacro);
}

bool showBoltAdvanced(DialogPresenter&) {
    std::optional<MacroData> data = exampleMacro();
    if (!data)
        return false;
    MacroValueCycle cycle(*data, kBoltTab);
    const MacroTabData* tab = cycle.tabData();
    if (tab == nullptr || tab->getBoltData() == nullptr)
        return false;
    DlgMacroBoltAdv(&cycle, *tab->getBoltData(), GetMergedDiameters(*data, kBoltTab));
    return true;
}

bool showPattern(DialogPresenter&) {
    std::optional<MacroData> data = exampleMacro();
    if (!data)
        return false;
    MacroValueCycle cycle(*data, kBoltTab);
    DlgMacroPattern(cycle, 0);
    return true;
}

bool showArray(DialogPresenter&) {
    std::optional<MacroData> data = exampleMacro();
    if (!data)
        return false;
    MacroValueCycle cycle(*data, kBoltTab);
    const MacroTabData* tab = cycle.tabData();
    if (tab == nullptr || tab->arrays.isEmpty())
        return false;
    DlgMacroArray(cycle, 0);
    return true;
}

} // namespace

std::vector<DialogEntry> macroSubDialogs() {
    return {
        {"CDlgMacroBoltAdv", static_cast<int>(CDlgMacroBoltAdv::IDD), "DLG_MACRO_BOLTADVANCED",
         showBoltAdvanced},
        {"CDlgMacroPattern", static_cast<int>(CDlgMacroPattern::IDD), "DLG_MACRO_PATTERN",
         showPattern},
        {"CDlgArray", static_cast<int>(CDlgArray::IDD), "DLG_ARRAY", showArray},
    };
}

} // namespace app
