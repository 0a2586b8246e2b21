#pragma once

#include "platform/core/text/Vdn_StringArray.h"

#include <map>
#include <utility>

// The names of the macros' world (profile columns, module pictures, variable names) in the
// work language, from the library's translation table "<libDir>translations.txt": one line
// per name, "category<TAB>name<TAB>nl<TAB>en<TAB>fr" (UTF-8; "#" starts a comment line;
// a missing or empty translation falls back to the name). Names and categories compare
// without regard to case. The table is read on first use and again when the library folder
// changes.
class MacroLangs {
public:
    // The work language: 0 nl, 1 en, 2 fr (gSettings.workLanguage()).
    int GetCurLanguage() const;
    // The name in the work language; the name itself when the table has no translation. A
    // name without category is looked up in every category, in alphabetical order.
    Vdn_String GetString(const Vdn_String& name, const Vdn_String& category = Vdn_String());
    // GetString of the text with its '&' accelerator marks removed and cut to limit
    // characters (limit < 0: no limit).
    Vdn_String GetStringChopSymbols(const Vdn_String& text, int limit);

    // Forgets the table; the next look-up reads it again.
    void reload() { loadedFrom_ = Vdn_String(); }

private:
    void ensureLoaded();

    // (upper-case category, upper-case name) -> texts per language
    std::map<std::pair<std::wstring, std::wstring>, Vdn_StringArray> table_;
    Vdn_String loadedFrom_;
};

extern MacroLangs gMacroLangs;
