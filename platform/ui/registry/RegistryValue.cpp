#include "platform/ui/registry/RegistryValue.h"

#include "platform/ui/registry/RegistryTypes.h"

#include <cstring>

namespace ui {

RegistryValue RegistryValue::fromText(std::wstring_view text, std::uint32_t type) {
    RegistryValue value;
    value.type = type;
    value.data.resize((text.size() + 1) * sizeof(wchar_t));
    if (!text.empty())
        std::memcpy(value.data.data(), text.data(), text.size() * sizeof(wchar_t));
    return value;
}

RegistryValue RegistryValue::fromDword(std::uint32_t number) {
    RegistryValue value;
    value.type = REG_DWORD;
    value.data.resize(sizeof number);
    std::memcpy(value.data.data(), &number, sizeof number);
    return value;
}

std::wstring RegistryValue::units() const {
    std::wstring result(data.size() / sizeof(wchar_t), L'\0');
    if (!result.empty())
        std::memcpy(result.data(), data.data(), result.size() * sizeof(wchar_t));
    return result;
}

std::optional<std::wstring> RegistryValue::text() const {
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return std::nullopt;
    std::wstring all = units();
    return all.substr(0, all.find(L'\0'));
}

std::optional<std::uint32_t> RegistryValue::dword() const {
    std::uint32_t number = 0;
    if (type != REG_DWORD || data.size() != sizeof number)
        return std::nullopt;
    std::memcpy(&number, data.data(), sizeof number);
    return number;
}

bool isRegistryTextType(std::uint32_t type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

} // namespace ui
