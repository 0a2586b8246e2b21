#include "apps/tessa/ProfileDialogCatalog.h"

#include "apps/tessa/ExampleMacro.h"
#include "macro/profiles/CDlgMacroProfAdv.h"
#include "macro/profiles/CDlgMacroProfSegm.h"
#include "macro/profiles/ProfAdvLaunchers.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/host/CommandLineApi.h"

#include <optional>

namespace app {

namespace {

constexpr const wchar_t* kExampleMacro = L"macros/BeamSplice.json";
constexpr const wchar_t* kProfileTab = L"Profiles";
constexpr const wchar_t* kGroup = L"Stiffener";

// The example macro opened in the current drawing, as the macro dialog would hold it.
std::optional<MacroData> exampleMacro() {
    return exampleMacroRecord(kExampleMacro);
}

bool showAdvanced(DialogPresenter&) {
    std::optional<MacroData> data = exampleMacro();
    if (!data)
        return false;
    StartDlgMacroProfAdv(*data, kProfileTab, kGroup, false);
    return true;
}

// The example's stiffeners have no segments; two show what the dialog edits.
Vdn_Array<MacroProfSegment> exampleSegments() {
    MacroProfSegment haunch{L"Haunch", L"taper", 1200.0, true, {}, {}};
    haunch.values.append({L"1", L"300", {}});
    haunch.values.append({L"2", L"220", {}});
    MacroProfSegment field{L"Field", L"straight", 4800.0, false, {}, {}};
    field.values.append({L"1", L"220", {}});
    return {haunch, field};
}

bool showSegmented(DialogPresenter&) {
    std::optional<MacroData> data = exampleMacro();
    MacroProfData profile;
    if (!data || !data->getMergedPropsOfGroup(kProfileTab, kGroup, profile))
        return false;
    Vdn_Array<MacroProfSegment> segments =
        profile.segments.isEmpty() ? exampleSegments() : profile.segments;
    if (!StartDlgMacroProfSegm(segments))
        return true;
    profile.segments = segments;
    if (!data->setMergedPropsOfGroup(kProfileTab, kGroup, profile) ||
        !UpdateModule(kProfileTab, *data, Vdn_Array<int>{MacroTabData::kProfilesChanged},
                      Vdn_Array<int>{}))
        acutPrintf(L"%s\n", Vdn_Drawing::current().lastMessage().c_str());
    return true;
}

} // namespace

std::vector<DialogEntry> profileDialogs() {
    return {
        {"CDlgMacroProfAdv", static_cast<int>(CDlgMacroProfAdv::IDD), "DLG_MACRO_PROFADVANCED",
         showAdvanced},
        {"CDlgMacroProfSegm", static_cast<int>(CDlgMacroProfSegm::IDD), "DLG_MACRO_PROFSEGMENTED",
         showSegmented},
    };
}

} // namespace app
