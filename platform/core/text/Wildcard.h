#pragma once

#include <string_view>

namespace core {

// Whether name matches pattern as Windows file searches do: '*' any run of characters
// (also empty), '?' exactly one character, everything else one character compared
// case-insensitively. Linear in practice, with no recursion.
bool wildcardMatch(std::wstring_view pattern, std::wstring_view name);

} // namespace core
