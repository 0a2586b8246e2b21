#include "platform/core/text/JsonDocument.h"

#include "platform/core/text/JsonNesting.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iterator>

namespace core {

namespace {

// The reason in a parser message, without the library's prefix and position.
std::string parseReason(const std::string& what) {
    const std::size_t column = what.find("column ");
    const std::size_t colon =
        column == std::string::npos ? what.find(": ") : what.find(": ", column);
    return colon == std::string::npos ? what : what.substr(colon + 2);
}

} // namespace

std::optional<std::string> JsonDocument::parse(std::string_view utf8Json, int maxDepth,
                                               Json& root) {
    if (const std::size_t deep = findExcessNesting(utf8Json, maxDepth);
        deep != std::string_view::npos)
        return "nested deeper than " + std::to_string(maxDepth) + " levels at " +
               position(utf8Json, deep);
    try {
        root = Json::parse(utf8Json.begin(), utf8Json.end());
    } catch (const Json::parse_error& error) {
        // The library counts bytes from 1 and points just past the offending character.
        const std::size_t offset = error.byte > 0 ? error.byte - 1 : 0;
        return "not valid JSON at " + position(utf8Json, offset) + ": " + parseReason(error.what());
    } catch (const Json::exception& error) {
        // A number too large for a double ("1e999") is reported as out of range.
        return std::string("not valid JSON: ") + parseReason(error.what());
    }
    return std::nullopt;
}

std::string JsonDocument::position(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    const std::string_view before = text.substr(0, offset);
    const std::size_t line =
        1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
    const std::size_t lineStart = before.rfind('\n');
    const std::size_t column =
        lineStart == std::string_view::npos ? offset + 1 : offset - lineStart;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

std::string JsonDocument::numberText(const Json& number) {
    if (number.is_number_unsigned())
        return std::to_string(number.get<std::uint64_t>());
    if (number.is_number_integer())
        return std::to_string(number.get<std::int64_t>());
    char buffer[64];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), number.get<double>());
    return std::string(buffer, result.ptr);
}

} // namespace core
