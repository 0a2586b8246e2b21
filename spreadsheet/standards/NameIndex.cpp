#include "spreadsheet/standards/NameIndex.h"

#include "platform/core/text/CharCase.h"

namespace ss {

namespace {

wchar_t fold(wchar_t ch) {
    if (ch < 0x80)
        return (ch >= L'A' && ch <= L'Z') ? static_cast<wchar_t>(ch + 32) : ch;
    return core::toLowerChar(ch);
}

} // namespace

std::size_t NameIndex::FoldedHash::operator()(std::wstring_view name) const {
    std::size_t hash = 14695981039346656037ull;
    for (const wchar_t ch : name) {
        hash ^= static_cast<std::size_t>(fold(ch));
        hash *= 1099511628211ull;
    }
    return hash;
}

bool NameIndex::FoldedEqual::operator()(std::wstring_view a, std::wstring_view b) const {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

NameIndex::NameIndex(std::span<const std::wstring_view> names) {
    std::size_t total = 0;
    for (const std::wstring_view name : names)
        total += name.size();
    text_.reserve(total);
    for (const std::wstring_view name : names)
        text_.insert(text_.end(), name.begin(), name.end());
    next_.assign(names.size(), -1);
    firstOf_.assign(names.size(), -1);
    first_.reserve(names.size());
    // The last position of each name so far, to chain the next one to it.
    std::vector<int> last(names.size(), -1);
    std::size_t at = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::wstring_view key(text_.data() + at, names[i].size());
        at += names[i].size();
        if (key.empty())
            continue;
        const int position = static_cast<int>(i);
        const auto [found, added] = first_.try_emplace(key, position);
        firstOf_[i] = found->second;
        if (!added)
            next_[static_cast<std::size_t>(last[static_cast<std::size_t>(found->second)])] =
                position;
        last[static_cast<std::size_t>(found->second)] = position;
    }
}

int NameIndex::first(std::wstring_view name) const {
    const auto found = first_.find(name);
    return found == first_.end() ? -1 : found->second;
}

int NameIndex::firstAfter(std::wstring_view name, int after) const {
    int position = first(name);
    while (position >= 0 && position <= after)
        position = next_[static_cast<std::size_t>(position)];
    return position;
}

} // namespace ss
