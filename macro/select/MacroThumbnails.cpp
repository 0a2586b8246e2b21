#include "macro/select/MacroThumbnails.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/model/MacroLangs.h"
#include "platform/core/model/MacroPreviews.h"

#include <cwctype>

Vdn_String stripNumbersAtEnd(const Vdn_String& name) {
    std::wstring text = name.str();
    while (!text.empty() && std::iswdigit(text.back()))
        text.pop_back();
    return Vdn_String(text);
}

Vdn_String macroPicture(const Vdn_String& drawing) {
    const Vdn_String own = withExtension(drawing, L"bmp");
    return core::fileExists(own) ? own : withExtension(drawing, L"abm");
}

Vdn_StringArray macroLabels(const Vdn_StringArray& drawings) {
    Vdn_StringArray full;
    Vdn_StringArray stripped;
    bool distinct = true;
    for (const Vdn_String& drawing : drawings) {
        const Vdn_String title = removeExtension(drawing).substr(getPath(drawing).length());
        const Vdn_String label = gMacroLangs.GetString(title);
        const Vdn_String shortLabel = stripNumbersAtEnd(label).trim();
        const Vdn_String shown = shortLabel.isEmpty() ? label : shortLabel;
        if (stripped.contains(shown, false))
            distinct = false;
        full.append(label);
        stripped.append(shown);
    }
    return distinct ? stripped : full;
}
