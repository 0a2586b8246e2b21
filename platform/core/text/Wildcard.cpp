#include "platform/core/text/Wildcard.h"

#include "platform/core/text/CharCase.h"

namespace core {

bool wildcardMatch(std::wstring_view pattern, std::wstring_view name) {
    // Greedy matching that backtracks only to the last '*': each '*' is retried at most once
    // per name position, so the work stays bounded without recursion.
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starPattern = std::wstring_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == L'?' || toLowerChar(pattern[p]) == toLowerChar(name[n]))) {
            ++p;
            ++n;
        } else if (starPattern != std::wstring_view::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

} // namespace core
