#pragma once

#include "platform/core/text/Vdn_String.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

// What every command prints through: UTF-8 text, failures on stderr, JSON on one line.
namespace app {

inline std::string utf8(const Vdn_String& text) {
    return text.toUtf8();
}
inline std::string utf8(const std::wstring& text) {
    return Vdn_String(text).toUtf8();
}

// A reason as a person reads it: a quoted piece of the input longer than a line (a number of a
// million digits that overflowed) is cut to its start and its length.
inline std::string shortened(const std::string& reason) {
    constexpr std::size_t kLongest = 80;
    constexpr std::size_t kKept = 40;
    std::string out;
    std::size_t at = 0;
    while (at < reason.size()) {
        const std::size_t open = reason.find('\'', at);
        const std::size_t close =
            open == std::string::npos ? std::string::npos : reason.find('\'', open + 1);
        if (close == std::string::npos || close - open - 1 <= kLongest) {
            const std::size_t upTo = close == std::string::npos ? reason.size() : close + 1;
            out.append(reason, at, upTo - at);
            at = upTo;
            continue;
        }
        std::size_t keep = open + 1 + kKept;
        // Never cut a UTF-8 character in two.
        while (keep > open + 1 && (static_cast<unsigned char>(reason[keep]) & 0xC0) == 0x80)
            --keep;
        out.append(reason, at, keep - at);
        out += "...' (" + std::to_string(close - open - 1) + " characters)";
        at = close + 1;
    }
    return out;
}

// Prints the reason on stderr and gives the exit code of a failed command.
inline int fail(const std::string& reason) {
    std::fprintf(stderr, "tessa: %s\n", shortened(reason).c_str());
    return 1;
}

// A JSON string as the JSON library writes it (the text is valid UTF-8).
inline void appendJsonString(std::string& out, const std::string& text) {
    out += '"';
    for (const char ch : text) {
        switch (ch) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(ch) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(ch));
                out += escaped;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

inline void printJson(const nlohmann::json& document) {
    std::printf("%s\n",
                document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
}

} // namespace app
