#pragma once

#include <cstddef>
#include <string_view>

namespace core {

// The byte offset of the first '[' or '{' of JSON text that opens a level deeper than
// maxDepth (text inside strings does not count), or npos when there is none. The macro file
// reader refuses such text before parsing, so that nothing that walks a parsed value (writing
// it back, destroying it) can be driven into unbounded recursion by a file.
std::size_t findExcessNesting(std::string_view json, int maxDepth);

} // namespace core
