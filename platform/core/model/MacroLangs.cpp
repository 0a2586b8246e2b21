#include "platform/core/model/MacroLangs.h"

#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/StringHelpers.h"

MacroLangs gMacroLangs;

int MacroLangs::GetCurLanguage() const {
    return gSettings.workLanguage();
}

void MacroLangs::ensureLoaded() {
    const Vdn_String path = gSettings.libDir() + L"translations.txt";
    if (loadedFrom_ == path)
        return;
    table_.clear();
    loadedFrom_ = path;
    const std::optional<std::wstring> text = core::readTextFile(path);
    if (!text)
        return;
    for (const Vdn_String& line : strToArr(Vdn_String(*text).replace(L"\r", L""), L'\n')) {
        if (line.isEmpty() || line.startsWith(L"#", true))
            continue;
        const Vdn_StringArray fields = strToArr(line, L'\t');
        if (fields.length() < 3)
            continue;
        Vdn_StringArray texts;
        for (int i = 2; i < fields.length(); ++i)
            texts.append(fields[i]);
        table_.try_emplace({fields[0].toUpper().str(), fields[1].toUpper().str()}, texts);
    }
}

Vdn_String MacroLangs::GetString(const Vdn_String& name, const Vdn_String& category) {
    ensureLoaded();
    const std::wstring upperName = name.toUpper().str();
    const int language = GetCurLanguage();
    const auto translated = [&](const Vdn_StringArray& texts) -> const Vdn_String* {
        return language < texts.length() && !texts[language].isEmpty() ? &texts[language] : nullptr;
    };
    if (!category.isEmpty()) {
        const auto found = table_.find({category.toUpper().str(), upperName});
        const Vdn_String* text = found == table_.end() ? nullptr : translated(found->second);
        return text ? *text : name;
    }
    for (const auto& [key, texts] : table_) {
        if (key.second == upperName) {
            if (const Vdn_String* text = translated(texts))
                return *text;
        }
    }
    return name;
}

Vdn_String MacroLangs::GetStringChopSymbols(const Vdn_String& text, int limit) {
    Vdn_String shown =
        GetString(text).replace(L"&&", L"\x1").replace(L"&", L"").replace(L"\x1", L"&");
    if (limit >= 0 && shown.length() > limit)
        shown = shown.substr(0, limit);
    return shown;
}
