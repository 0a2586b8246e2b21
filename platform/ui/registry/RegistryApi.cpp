#include "platform/ui/registry/RegistryApi.h"

#include "platform/ui/registry/Registry.h"

#include <cstring>
#include <string>

namespace {

std::wstring_view nameOf(LPCWSTR name) {
    return name ? std::wstring_view(name) : std::wstring_view();
}

// Copies data into a caller's buffer by the Win32 rules of lpData / lpcbData.
LONG copyData(const std::vector<std::uint8_t>& data, LPBYTE buffer, LPDWORD size) {
    if (!size)
        return buffer ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    const auto needed = static_cast<DWORD>(data.size());
    if (buffer) {
        if (*size < needed) {
            *size = needed;
            return ERROR_MORE_DATA;
        }
        if (needed > 0)
            std::memcpy(buffer, data.data(), needed);
    }
    *size = needed;
    return ERROR_SUCCESS;
}

// Copies a name with its terminating null into a buffer of *length characters.
LONG copyName(const std::wstring& name, LPWSTR buffer, LPDWORD length) {
    if (*length < name.size() + 1)
        return ERROR_MORE_DATA;
    std::wmemcpy(buffer, name.c_str(), name.size() + 1);
    *length = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

} // namespace

LONG RegCreateKeyEx(HKEY hKey, LPCWSTR lpSubKey, DWORD /*Reserved*/, LPWSTR /*lpClass*/,
                    DWORD /*dwOptions*/, REGSAM samDesired,
                    LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/, PHKEY phkResult,
                    LPDWORD lpdwDisposition) {
    if (!lpSubKey || !phkResult)
        return ERROR_INVALID_PARAMETER;
    return ui::Registry::current().createKey(hKey, lpSubKey, samDesired, *phkResult,
                                             lpdwDisposition);
}

LONG RegOpenKeyEx(HKEY hKey, LPCWSTR lpSubKey, DWORD /*ulOptions*/, REGSAM samDesired,
                  PHKEY phkResult) {
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    return ui::Registry::current().openKey(hKey, nameOf(lpSubKey), samDesired, *phkResult);
}

LONG RegCloseKey(HKEY hKey) {
    return ui::Registry::current().closeKey(hKey);
}

LONG RegSetValueEx(HKEY hKey, LPCWSTR lpValueName, DWORD /*Reserved*/, DWORD dwType,
                   const BYTE* lpData, DWORD cbData) {
    if (!lpData && cbData > 0)
        return ERROR_INVALID_PARAMETER;
    ui::RegistryValue value;
    value.type = dwType;
    if (cbData > 0)
        value.data.assign(lpData, lpData + cbData);
    return ui::Registry::current().setValue(hKey, nameOf(lpValueName), std::move(value));
}

LONG RegQueryValueEx(HKEY hKey, LPCWSTR lpValueName, LPDWORD /*lpReserved*/, LPDWORD lpType,
                     LPBYTE lpData, LPDWORD lpcbData) {
    if (lpData && !lpcbData)
        return ERROR_INVALID_PARAMETER;
    ui::RegistryValue value;
    if (LONG status = ui::Registry::current().getValue(hKey, nameOf(lpValueName), value);
        status != ERROR_SUCCESS)
        return status;
    if (lpType)
        *lpType = value.type;
    return copyData(value.data, lpData, lpcbData);
}

LONG RegDeleteValue(HKEY hKey, LPCWSTR lpValueName) {
    return ui::Registry::current().deleteValue(hKey, nameOf(lpValueName));
}

LONG RegDeleteKey(HKEY hKey, LPCWSTR lpSubKey) {
    if (!lpSubKey)
        return ERROR_INVALID_PARAMETER;
    return ui::Registry::current().deleteKey(hKey, lpSubKey);
}

LONG RegDeleteTree(HKEY hKey, LPCWSTR lpSubKey) {
    return ui::Registry::current().deleteTree(hKey, nameOf(lpSubKey));
}

LONG RegEnumKeyEx(HKEY hKey, DWORD dwIndex, LPWSTR lpName, LPDWORD lpcchName,
                  LPDWORD /*lpReserved*/, LPWSTR lpClass, LPDWORD lpcchClass,
                  PFILETIME lpftLastWriteTime) {
    if (!lpName || !lpcchName)
        return ERROR_INVALID_PARAMETER;
    std::wstring name;
    if (LONG status = ui::Registry::current().enumKey(hKey, dwIndex, name); status != ERROR_SUCCESS)
        return status;
    if (LONG status = copyName(name, lpName, lpcchName); status != ERROR_SUCCESS)
        return status;
    if (lpClass && lpcchClass && *lpcchClass > 0)
        lpClass[0] = L'\0';
    if (lpcchClass)
        *lpcchClass = 0;
    if (lpftLastWriteTime)
        *lpftLastWriteTime = FILETIME{};
    return ERROR_SUCCESS;
}

LONG RegEnumValue(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcchValueName,
                  LPDWORD /*lpReserved*/, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    if (!lpValueName || !lpcchValueName || (lpData && !lpcbData))
        return ERROR_INVALID_PARAMETER;
    std::wstring name;
    ui::RegistryValue value;
    if (LONG status = ui::Registry::current().enumValue(hKey, dwIndex, name, value);
        status != ERROR_SUCCESS)
        return status;
    if (LONG status = copyName(name, lpValueName, lpcchValueName); status != ERROR_SUCCESS)
        return status;
    if (lpType)
        *lpType = value.type;
    return copyData(value.data, lpData, lpcbData);
}

LONG RegSetValue(HKEY hKey, LPCWSTR lpSubKey, DWORD dwType, LPCWSTR lpData, DWORD /*cbData*/) {
    if (dwType != REG_SZ || !lpData)
        return ERROR_INVALID_PARAMETER;
    ui::Registry& registry = ui::Registry::current();
    const ui::RegistryValue value = ui::RegistryValue::fromText(lpData, REG_SZ);
    if (nameOf(lpSubKey).empty())
        return registry.setValue(hKey, {}, value);
    HKEY key = nullptr;
    if (LONG status = registry.createKey(hKey, lpSubKey, KEY_SET_VALUE, key, nullptr);
        status != ERROR_SUCCESS)
        return status;
    const LONG status = registry.setValue(key, {}, value);
    registry.closeKey(key);
    return status;
}

LONG RegQueryValue(HKEY hKey, LPCWSTR lpSubKey, LPWSTR lpData, PLONG lpcbData) {
    if (lpData && !lpcbData)
        return ERROR_INVALID_PARAMETER;
    ui::Registry& registry = ui::Registry::current();
    HKEY key = nullptr;
    if (LONG status = registry.openKey(hKey, nameOf(lpSubKey), KEY_QUERY_VALUE, key);
        status != ERROR_SUCCESS)
        return status;
    ui::RegistryValue value;
    const LONG status = registry.getValue(key, {}, value);
    registry.closeKey(key);
    if (status == ERROR_FILE_NOT_FOUND)
        value = ui::RegistryValue::fromText({}, REG_SZ);
    else if (status != ERROR_SUCCESS)
        return status;
    if (!lpcbData)
        return ERROR_SUCCESS;
    DWORD size = *lpcbData < 0 ? 0 : static_cast<DWORD>(*lpcbData);
    const LONG copied = copyData(value.data, reinterpret_cast<LPBYTE>(lpData), &size);
    *lpcbData = static_cast<LONG>(size);
    return copied;
}
