#include "spreadsheet/editor/TfSSRegistrySets.h"

#include "platform/ui/registry/Registry.h"

namespace {

// One text value of the editor's key; false when the key or value is missing or no text.
bool readText(ui::Registry& registry, HKEY key, const wchar_t* name, Vdn_String& text) {
    ui::RegistryValue value;
    if (registry.getValue(key, name, value) != ERROR_SUCCESS)
        return false;
    const auto found = value.text();
    if (!found)
        return false;
    text = Vdn_String(*found);
    return true;
}

bool writeText(ui::Registry& registry, HKEY key, const wchar_t* name, const Vdn_String& text) {
    return registry.setValue(key, name, ui::RegistryValue::fromText(text.str(), REG_SZ)) ==
           ERROR_SUCCESS;
}

} // namespace

TfSSRegistrySets::~TfSSRegistrySets() = default;

bool TfSSRegistrySets::read() {
    ui::Registry& registry = ui::Registry::current();
    HKEY key = nullptr;
    if (registry.openKey(HKEY_LOCAL_MACHINE, kKey, KEY_QUERY_VALUE, key) != ERROR_SUCCESS)
        return false;
    // Both are tried, so that one readable value is taken even when the other is not.
    const bool languageRead = readText(registry, key, kLanguageValue, language);
    const bool settingsRead = readText(registry, key, kDefaultSettingsValue, defaultSettings);
    registry.closeKey(key);
    return languageRead && settingsRead;
}

bool TfSSRegistrySets::write() const {
    ui::Registry& registry = ui::Registry::current();
    HKEY key = nullptr;
    if (registry.createKey(HKEY_LOCAL_MACHINE, kKey, KEY_SET_VALUE, key, nullptr) != ERROR_SUCCESS)
        return false;
    const bool languageWritten = writeText(registry, key, kLanguageValue, language);
    const bool settingsWritten = writeText(registry, key, kDefaultSettingsValue, defaultSettings);
    registry.closeKey(key);
    return languageWritten && settingsWritten;
}
