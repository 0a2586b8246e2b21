#pragma once
// The Win32 registry functions (Unicode forms, unsuffixed names) over the file-backed
// registry ui::Registry::current(). Signatures, buffer rules and results are those of Win32:
//  - sizes of data are in bytes, sizes of names in characters; a buffer that is too small
//    gives ERROR_MORE_DATA and the size needed, and is left unchanged;
//  - a null or empty value name means the key's default value;
//  - text data is wchar_t units (sizeof(wchar_t) bytes each) with a terminating null;
//  - reserved, class and security arguments are accepted and ignored.
// Writes that cannot be stored (read-only registry, unwritable folder) return
// ERROR_ACCESS_DENIED and change nothing.

#include "platform/ui/registry/RegistryTypes.h"

LONG RegCreateKeyEx(HKEY hKey, LPCWSTR lpSubKey, DWORD Reserved, LPWSTR lpClass, DWORD dwOptions,
                    REGSAM samDesired, LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult,
                    LPDWORD lpdwDisposition);
LONG RegOpenKeyEx(HKEY hKey, LPCWSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
LONG RegCloseKey(HKEY hKey);

LONG RegSetValueEx(HKEY hKey, LPCWSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                   DWORD cbData);
LONG RegQueryValueEx(HKEY hKey, LPCWSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                     LPBYTE lpData, LPDWORD lpcbData);
LONG RegDeleteValue(HKEY hKey, LPCWSTR lpValueName);

// Deletes a key without sub-keys (ERROR_ACCESS_DENIED when it has some).
LONG RegDeleteKey(HKEY hKey, LPCWSTR lpSubKey);
// Deletes a key with all below it; a null sub-key deletes what hKey holds but keeps hKey.
LONG RegDeleteTree(HKEY hKey, LPCWSTR lpSubKey);

LONG RegEnumKeyEx(HKEY hKey, DWORD dwIndex, LPWSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved,
                  LPWSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime);
LONG RegEnumValue(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcchValueName,
                  LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);

// The default value of a sub-key (created when missing) as REG_SZ; dwType must be REG_SZ and
// cbData is ignored, as in Win32.
LONG RegSetValue(HKEY hKey, LPCWSTR lpSubKey, DWORD dwType, LPCWSTR lpData, DWORD cbData);
// The default value of a sub-key as text; a key without one gives the empty text.
LONG RegQueryValue(HKEY hKey, LPCWSTR lpSubKey, LPWSTR lpData, PLONG lpcbData);
