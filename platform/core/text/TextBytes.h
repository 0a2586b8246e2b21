#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// Where bytes given as a text table stop being text: a NUL byte, or (outside UTF-16 with a
// byte-order mark) a sequence that is not UTF-8. Tables such as CSV files of parts, stock and
// rows are UTF-8 by our rules, so such bytes are a binary file or a damaged one, never data to
// guess at.
struct NotText {
    // From 1, counted by line feeds.
    std::size_t line = 0;
    std::string what; // "a NUL byte", "bytes that are not UTF-8"
};

std::optional<NotText> findNotText(std::string_view bytes);

} // namespace core
