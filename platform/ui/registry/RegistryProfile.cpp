#include "platform/ui/registry/RegistryProfile.h"

#include "platform/ui/registry/Registry.h"

namespace ui {

namespace {

bool isEmpty(LPCTSTR text) {
    return !text || !*text;
}

// Reads one entry of a section; false when the section or the entry is missing.
bool readEntry(const Vdn_String& path, LPCTSTR entry, RegistryValue& value) {
    Registry& registry = Registry::current();
    HKEY key = nullptr;
    if (registry.openKey(HKEY_CURRENT_USER, path.str(), KEY_QUERY_VALUE, key) != ERROR_SUCCESS)
        return false;
    const LONG status = registry.getValue(key, entry, value);
    registry.closeKey(key);
    return status == ERROR_SUCCESS;
}

bool writeEntry(const Vdn_String& path, LPCTSTR entry, RegistryValue value) {
    Registry& registry = Registry::current();
    HKEY key = nullptr;
    if (registry.createKey(HKEY_CURRENT_USER, path.str(), KEY_SET_VALUE, key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG status = registry.setValue(key, entry, std::move(value));
    registry.closeKey(key);
    return status == ERROR_SUCCESS;
}

} // namespace

RegistryProfile::RegistryProfile(Vdn_String company, Vdn_String application)
    : company_(std::move(company)), application_(std::move(application)) {}

Vdn_String RegistryProfile::sectionPath(LPCTSTR section) const {
    return Vdn_String(L"Software\\") + company_ + L'\\' + application_ + L'\\' +
           Vdn_String(section);
}

Vdn_String RegistryProfile::GetProfileString(LPCTSTR section, LPCTSTR entry,
                                             LPCTSTR defaultValue) const {
    RegistryValue value;
    if (isEmpty(section) || !entry || !readEntry(sectionPath(section), entry, value))
        return Vdn_String(defaultValue);
    const auto text = value.text();
    return text ? Vdn_String(*text) : Vdn_String(defaultValue);
}

bool RegistryProfile::WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value) {
    if (isEmpty(section))
        return false;
    Registry& registry = Registry::current();
    const Vdn_String path = sectionPath(section);
    if (!entry) {
        const LONG status = registry.deleteTree(HKEY_CURRENT_USER, path.str());
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    if (!value) {
        HKEY key = nullptr;
        if (registry.openKey(HKEY_CURRENT_USER, path.str(), KEY_SET_VALUE, key) != ERROR_SUCCESS)
            return true;
        const LONG status = registry.deleteValue(key, entry);
        registry.closeKey(key);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    return writeEntry(path, entry, RegistryValue::fromText(value, REG_SZ));
}

UINT RegistryProfile::GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue) const {
    RegistryValue value;
    if (isEmpty(section) || !entry || !readEntry(sectionPath(section), entry, value))
        return static_cast<UINT>(defaultValue);
    const auto number = value.dword();
    return number ? static_cast<UINT>(*number) : static_cast<UINT>(defaultValue);
}

bool RegistryProfile::WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value) {
    if (isEmpty(section) || !entry)
        return false;
    return writeEntry(sectionPath(section), entry,
                      RegistryValue::fromDword(static_cast<DWORD>(value)));
}

} // namespace ui
