#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// One value of a registry key: its type code (REG_SZ, REG_DWORD, ...) and its data bytes
// exactly as RegSetValueEx received them. Text types (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ)
// hold wchar_t units, so their size is a whole number of sizeof(wchar_t).
struct RegistryValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;

    // A value of a text type holding text and its terminating null.
    static RegistryValue fromText(std::wstring_view text, std::uint32_t type);
    static RegistryValue fromDword(std::uint32_t value);

    // The data read as wchar_t units (a trailing partial unit is left out).
    std::wstring units() const;
    // For REG_SZ and REG_EXPAND_SZ: the text up to the first null; nullopt for other types.
    std::optional<std::wstring> text() const;
    // For REG_DWORD with four data bytes: the number; nullopt otherwise.
    std::optional<std::uint32_t> dword() const;

    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// Whether a type code holds wchar_t units.
bool isRegistryTextType(std::uint32_t type);

} // namespace ui
