#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/ui/windows/WinTypes.h"

namespace ui {

// MFC's per-user application profile (CWinApp::GetProfileString and its kin once
// SetRegistryKey has been called): entries are values of the key
// HKEY_CURRENT_USER\Software\<company>\<application>\<section> in the current registry.
// Strings are REG_SZ values, numbers REG_DWORD values; an entry of another type reads as
// missing. As in MFC, a null entry given to WriteProfileString deletes the whole section and
// a null value deletes the entry.
class RegistryProfile {
public:
    RegistryProfile(Vdn_String company, Vdn_String application);

    Vdn_String GetProfileString(LPCTSTR section, LPCTSTR entry,
                                LPCTSTR defaultValue = nullptr) const;
    bool WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value);
    UINT GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue) const;
    bool WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value);

private:
    // "Software\<company>\<application>\<section>".
    Vdn_String sectionPath(LPCTSTR section) const;

    Vdn_String company_;
    Vdn_String application_;
};

} // namespace ui
