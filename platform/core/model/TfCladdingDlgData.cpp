#include "platform/core/model/TfCladdingDlgData.h"

#include <array>
#include <cwctype>

namespace {

constexpr int kLapped = 3;
constexpr int kSleeve = 4;

// "Z" for "Z-200", "SIGMA" for "Sigma200": the letters the name starts with, in capitals.
Vdn_String sectionFamily(const Vdn_String& section) {
    std::wstring family;
    const Vdn_String name = section.trim();
    for (const wchar_t ch : name.str()) {
        if (!std::iswalpha(ch))
            break;
        family += static_cast<wchar_t>(std::towupper(ch));
    }
    return Vdn_String(family);
}

bool isColdFormed(const Vdn_String& section) {
    static const std::array<const wchar_t*, 6> families = {L"C",  L"Z",  L"CS",
                                                           L"ZS", L"ZE", L"SIGMA"};
    const Vdn_String family = sectionFamily(section);
    for (const wchar_t* name : families) {
        if (family == name)
            return true;
    }
    return false;
}

} // namespace

bool TfCladdingDlgData::isValidConstrainType(int type) const {
    if (type < 0 || type >= kConnectionTypeCount)
        return false;
    if (type == kLapped || type == kSleeve)
        return isColdFormed(section);
    return true;
}
