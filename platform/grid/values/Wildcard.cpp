#include "platform/grid/values/Wildcard.h"

#include "platform/grid/values/TextCase.h"

#include <string>
#include <vector>

namespace grid {

namespace {

// A stretch of the pattern between stars; '\0' stands for '?'.
struct Segment {
    std::wstring chars;
    std::vector<bool> any;
};

std::vector<Segment> segments(std::wstring_view pattern, bool& leadingStar) {
    std::vector<Segment> out(1);
    leadingStar = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const wchar_t ch = pattern[i];
        if (ch == L'*') {
            if (out.size() == 1 && out[0].chars.empty())
                leadingStar = true;
            else if (!out.back().chars.empty())
                out.emplace_back();
            continue;
        }
        Segment& seg = out.back();
        if (ch == L'~' && i + 1 < pattern.size()) {
            seg.chars.push_back(TextCase::lowerChar(pattern[++i]));
            seg.any.push_back(false);
        } else {
            seg.chars.push_back(TextCase::lowerChar(ch));
            seg.any.push_back(ch == L'?');
        }
    }
    return out;
}

bool matchesAt(const Segment& seg, std::wstring_view text, std::size_t at) {
    if (at + seg.chars.size() > text.size())
        return false;
    for (std::size_t k = 0; k < seg.chars.size(); ++k) {
        if (!seg.any[k] && TextCase::lowerChar(text[at + k]) != seg.chars[k])
            return false;
    }
    return true;
}

} // namespace

std::optional<std::size_t> Wildcard::search(std::wstring_view pattern, std::wstring_view text,
                                            std::size_t from) {
    bool leadingStar = false;
    std::vector<Segment> segs = segments(pattern, leadingStar);
    if (!segs.empty() && segs.back().chars.empty())
        segs.pop_back();
    if (from > text.size())
        return std::nullopt;
    if (segs.empty())
        return from;
    // The segments after the first may float anywhere later on; place them as far right as
    // they go. The first segment then has to end no later than `limit`.
    const std::size_t firstFloating = leadingStar ? 0 : 1;
    std::size_t limit = text.size();
    for (std::size_t s = segs.size(); s-- > firstFloating;) {
        const Segment& seg = segs[s];
        if (seg.chars.size() > limit)
            return std::nullopt;
        std::size_t at = limit - seg.chars.size() + 1;
        bool placed = false;
        while (at-- > from) {
            if (matchesAt(seg, text, at)) {
                placed = true;
                break;
            }
        }
        if (!placed)
            return std::nullopt;
        limit = at;
    }
    if (leadingStar)
        return from;
    const Segment& first = segs[0];
    for (std::size_t at = from; at + first.chars.size() <= limit; ++at) {
        if (matchesAt(first, text, at))
            return at;
    }
    return std::nullopt;
}

bool Wildcard::hasWildcards(std::wstring_view text) {
    return text.find_first_of(L"*?~") != std::wstring_view::npos;
}

// Greedy matching that backtracks only to the last star: time grows with text length times
// pattern length at worst.
bool Wildcard::matches(std::wstring_view pattern, std::wstring_view text) {
    constexpr std::size_t kNone = std::wstring_view::npos;
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t afterStar = kNone;
    std::size_t starText = 0;
    while (t < text.size()) {
        if (p < pattern.size()) {
            if (pattern[p] == L'*') {
                afterStar = ++p;
                starText = t;
                continue;
            }
            const bool escaped = pattern[p] == L'~' && p + 1 < pattern.size();
            const wchar_t ch = escaped ? pattern[p + 1] : pattern[p];
            if ((!escaped && ch == L'?') ||
                TextCase::lowerChar(ch) == TextCase::lowerChar(text[t])) {
                p += escaped ? 2 : 1;
                ++t;
                continue;
            }
        }
        if (afterStar == kNone)
            return false;
        p = afterStar;
        t = ++starText;
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

} // namespace grid
