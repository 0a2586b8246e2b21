#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace host {

// A globally unique id (the Win32 GUID/CLSID), written in registry form
// "{2CE559DB-0008-4AA7-8E1D-7DCEBAB7D2C4}".
struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    // Reads the registry form (braces optional, hexadecimal digits in either case); nullopt
    // for anything else.
    static std::optional<Guid> parse(std::wstring_view text);
    // The registry form, upper-case hexadecimal in braces (as StringFromCLSID writes it).
    std::wstring toString() const;
    bool isNull() const { return *this == Guid{}; }

    friend bool operator==(const Guid&, const Guid&) = default;
    friend auto operator<=>(const Guid&, const Guid&) = default;
};

} // namespace host
