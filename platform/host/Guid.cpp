#include "platform/host/Guid.h"

#include <cstdio>

namespace host {

namespace {

int hexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

// Reads count hexadecimal digits at pos; false when one is missing.
bool readHex(std::wstring_view text, std::size_t& pos, int count, std::uint64_t& value) {
    value = 0;
    for (int i = 0; i < count; ++i, ++pos) {
        if (pos >= text.size())
            return false;
        const int digit = hexValue(text[pos]);
        if (digit < 0)
            return false;
        value = value * 16 + static_cast<std::uint64_t>(digit);
    }
    return true;
}

bool expect(std::wstring_view text, std::size_t& pos, wchar_t c) {
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

} // namespace

std::optional<Guid> Guid::parse(std::wstring_view text) {
    const bool braced = !text.empty() && text.front() == L'{';
    if (braced) {
        if (text.back() != L'}')
            return std::nullopt;
        text = text.substr(1, text.size() - 2);
    }
    Guid guid;
    std::size_t pos = 0;
    std::uint64_t value = 0;
    if (!readHex(text, pos, 8, value) || !expect(text, pos, L'-'))
        return std::nullopt;
    guid.data1 = static_cast<std::uint32_t>(value);
    if (!readHex(text, pos, 4, value) || !expect(text, pos, L'-'))
        return std::nullopt;
    guid.data2 = static_cast<std::uint16_t>(value);
    if (!readHex(text, pos, 4, value) || !expect(text, pos, L'-'))
        return std::nullopt;
    guid.data3 = static_cast<std::uint16_t>(value);
    for (std::size_t i = 0; i < guid.data4.size(); ++i) {
        if (i == 2 && !expect(text, pos, L'-'))
            return std::nullopt;
        if (!readHex(text, pos, 2, value))
            return std::nullopt;
        guid.data4[i] = static_cast<std::uint8_t>(value);
    }
    if (pos != text.size())
        return std::nullopt;
    return guid;
}

std::wstring Guid::toString() const {
    wchar_t buffer[40];
    const auto u = [](unsigned value) { return value; };
    std::swprintf(buffer, sizeof buffer / sizeof buffer[0],
                  L"{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", u(data1), u(data2),
                  u(data3), u(data4[0]), u(data4[1]), u(data4[2]), u(data4[3]), u(data4[4]),
                  u(data4[5]), u(data4[6]), u(data4[7]));
    return buffer;
}

} // namespace host
