#include "macro/cuts/CutLaunchers.h"
#include "macro/editor/MacroCutHook.h"
#include "macro/editor/MacroSettingsHook.h"
#include "macro/settings/MacroSettingsLaunchers.h"

std::function<bool(EditConstrData&)>& macroSettingsOpener() {
    // The settings dialog of the record's macro object, written back when OK changed them.
    static std::function<bool(EditConstrData&)> opener = [](EditConstrData& data) {
        return StartDlgMacroSettings(data.macroObject);
    };
    return opener;
}

MacroCutOpener& macroCutOpener() {
    static MacroCutOpener opener = StartEditMacroCutDlg;
    return opener;
}
