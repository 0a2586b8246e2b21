#include "macro/editor/MacroCutHook.h"
#include "macro/editor/MacroSettingsHook.h"

std::function<bool(EditConstrData&)>& macroSettingsOpener() {
    static std::function<bool(EditConstrData&)> opener;
    return opener;
}

MacroCutOpener& macroCutOpener() {
    static MacroCutOpener opener;
    return opener;
}
