#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// What the core's JSON file readers share (macros, general variables, workshop settings).
class JsonDocument {
public:
    using Json = nlohmann::ordered_json;

    // Parses the text into root; on failure the reason, with its line and column: nested deeper
    // than maxDepth (refused before parsing, see findExcessNesting), or not valid JSON.
    static std::optional<std::string> parse(std::string_view utf8Json, int maxDepth, Json& root);
    // "line L, column C" of a byte offset (0-based); columns count bytes from 1.
    static std::string position(std::string_view text, std::size_t offset);
    // A JSON number as text: integers in decimal, other numbers in their shortest form that
    // reads back as the same double ("2.5", "1e-07").
    static std::string numberText(const Json& number);
};

} // namespace core
