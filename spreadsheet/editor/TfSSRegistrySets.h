#pragma once

#include "platform/core/text/Vdn_String.h"

// The spreadsheet editor's own settings, kept machine-wide in the registry under
// HKEY_LOCAL_MACHINE\Software\Tessaform\Spreadsheet Editor v1.0: the editor's language and the
// name of the print settings used when a sheet names none that can be loaded.
class TfSSRegistrySets {
public:
    static constexpr const wchar_t* kKey = L"Software\\Tessaform\\Spreadsheet Editor v1.0";
    static constexpr const wchar_t* kLanguageValue = L"Language";
    static constexpr const wchar_t* kDefaultSettingsValue = L"Default Settings";

    TfSSRegistrySets() = default;
    virtual ~TfSSRegistrySets();
    TfSSRegistrySets(const TfSSRegistrySets&) = default;
    TfSSRegistrySets& operator=(const TfSSRegistrySets&) = default;

    // Reads both values; one that is missing or not text leaves its field as it was. True when
    // both were read.
    bool read();
    // Writes both values as text, creating the key when missing. True when both were written.
    bool write() const;

    Vdn_String language = L"EN";
    Vdn_String defaultSettings;
};
