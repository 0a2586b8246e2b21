#include "macro/settings/MacroSettingsLaunchers.h"

#include "macro/settings/CDlgMacroSettings.h"
#include "module/ModalLauncher.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/windows/WinApi.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kRefusedCaption = 20704;

} // namespace

bool runDlgMacroSettings(MacroSettingsData& settings, Vdn_DbMacro* macro) {
    return frame::runModalLauncher<CDlgMacroSettings>(
        &CDlgMacroSettings::data_, settings, frame::CopyBack::OnOk,
        [macro](CDlgMacroSettings& dialog) { dialog.macro_ = macro; });
}

bool StartDlgMacroSettings(AcDbObjectId macroObject) {
    MacroSettingsData settings;
    if (!GetMacroSettings(macroObject, settings))
        return false;
    const MacroSettingsData before = settings;
    settings.mappingChanged = false;
    if (!runDlgMacroSettings(settings, Vdn_Drawing::current().macro(macroObject)))
        return false;
    MacroSettingsData compared = settings;
    compared.mappingChanged = before.mappingChanged;
    if (compared == before && !settings.mappingChanged)
        return false;
    if (!SetMacroSettings(macroObject, settings)) {
        ::MessageBox(nullptr, Vdn_Drawing::current().lastMessage().str(),
                     dialString(kRefusedCaption).str(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}
