#include "platform/core/model/VariableNames.h"

#include <cwctype>

namespace {

// The first character that is neither a letter nor a digit, or -1.
int firstNonAlphanumeric(const Vdn_String& name) {
    for (int i = 0; i < name.length(); ++i) {
        if (std::iswalnum(name[i]) == 0)
            return i;
    }
    return -1;
}

} // namespace

std::optional<VariableNameFault> variableNameFault(const Vdn_String& name) {
    if (name.isEmpty())
        return VariableNameFault::Empty;
    if (std::iswdigit(name[0]) != 0)
        return VariableNameFault::LeadingDigit;
    if (firstNonAlphanumeric(name) >= 0)
        return VariableNameFault::NotLetterOrDigit;
    return std::nullopt;
}

std::optional<Vdn_String> variableNameProblem(const Vdn_String& name) {
    const std::optional<VariableNameFault> fault = variableNameFault(name);
    if (!fault)
        return std::nullopt;
    const Vdn_String named = L"\"" + name + L"\" cannot name a variable: ";
    switch (*fault) {
    case VariableNameFault::Empty:
        return Vdn_String(L"a variable needs a name");
    case VariableNameFault::LeadingDigit:
        return named + L"it starts with a digit";
    case VariableNameFault::NotLetterOrDigit:
        break;
    }
    const Vdn_String character(std::wstring(1, name[firstNonAlphanumeric(name)]));
    return named + L"\"" + character + L"\" is neither a letter nor a digit";
}
