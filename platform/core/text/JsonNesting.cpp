#include "platform/core/text/JsonNesting.h"

namespace core {

std::size_t findExcessNesting(std::string_view json, int maxDepth) {
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char ch = json[i];
        if (inString) {
            if (escaped)
                escaped = false;
            else if (ch == '\\')
                escaped = true;
            else if (ch == '"')
                inString = false;
            continue;
        }
        switch (ch) {
        case '"':
            inString = true;
            break;
        case '[':
        case '{':
            if (++depth > maxDepth)
                return i;
            break;
        case ']':
        case '}':
            if (depth > 0)
                --depth;
            break;
        default:
            break;
        }
    }
    return std::string_view::npos;
}

} // namespace core
