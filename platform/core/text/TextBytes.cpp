#include "platform/core/text/TextBytes.h"

namespace core {

namespace {

// The length of the UTF-8 sequence at bytes[at], or 0 when none starts there (overlong forms,
// surrogates and code points past U+10FFFF included).
std::size_t utf8SequenceAt(std::string_view bytes, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

std::optional<NotText> findNotText(std::string_view bytes) {
    if (bytes.size() >= 2 &&
        ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF')))
        return std::nullopt;
    std::size_t line = 1;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const char ch = bytes[at];
        if (ch == '\0')
            return NotText{line, "a NUL byte"};
        if (ch == '\n')
            ++line;
        const std::size_t length = utf8SequenceAt(bytes, at);
        if (length == 0)
            return NotText{line, "bytes that are not UTF-8"};
        at += length;
    }
    return std::nullopt;
}

} // namespace core
