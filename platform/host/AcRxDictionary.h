#pragma once

#include "platform/host/AcRxObject.h"

#include <map>
#include <string>

// A named set of registry objects. The dictionary does not own its entries.
class AcRxDictionary : public AcRxObject {
public:
    // The entry under key, or null.
    AcRxObject* at(const wchar_t* key) const;
    // Stores object under key, replacing an earlier entry; returns the earlier one or null.
    AcRxObject* atPut(const wchar_t* key, AcRxObject* object);
    int numEntries() const { return static_cast<int>(entries_.size()); }

    static AcRxDictionary* cast(AcRxObject* object) {
        return dynamic_cast<AcRxDictionary*>(object);
    }

private:
    std::map<std::wstring, AcRxObject*> entries_;
};

// The host's system registry with its fixed entries "DynamicLinker",
// "ACAD_REGISTERED_COMMANDS", "ClassDictionary" and "AcEdCommandStack".
AcRxDictionary* acrxSysRegistry();

inline constexpr const wchar_t* ACRX_DYNAMIC_LINKER = L"DynamicLinker";
inline constexpr const wchar_t* ACRX_COMMAND_DOCK = L"ACAD_REGISTERED_COMMANDS";
inline constexpr const wchar_t* ACRX_CLASS_DICTIONARY = L"ClassDictionary";
