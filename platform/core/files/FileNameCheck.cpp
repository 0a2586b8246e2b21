#include "platform/core/files/FileNameCheck.h"

#include "platform/core/files/PathHelpers.h"

#include <array>

namespace core {

Vdn_String invalidFileNameReason(const Vdn_String& name) {
    if (name.isEmpty())
        return L"the name is empty";
    if (hasInvalidFileNameChars(name))
        return L"the name \"" + name +
               L"\" holds a character a file name cannot have (< > : \" / \\ | ? * or a "
               L"control character)";
    if (name.length() > 255)
        return L"the name is longer than 255 characters";
    const wchar_t last = name[name.length() - 1];
    if (last == L'.' || last == L' ')
        return L"the name \"" + name + L"\" ends in a dot or a space";
    const int dot = name.find(L".");
    const Vdn_String stem = (dot < 0 ? name : name.substr(0, dot)).trim().toUpper();
    static const std::array<const wchar_t*, 4> kDevices = {L"CON", L"PRN", L"AUX", L"NUL"};
    bool reserved = false;
    for (const wchar_t* device : kDevices)
        reserved = reserved || stem == Vdn_String(device);
    if (stem.length() == 4 && (stem.startsWith(L"COM", true) || stem.startsWith(L"LPT", true)) &&
        stem[3] >= L'1' && stem[3] <= L'9')
        reserved = true;
    if (reserved)
        return L"\"" + name + L"\" is the name of a device";
    return Vdn_String();
}

} // namespace core
