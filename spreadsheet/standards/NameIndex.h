#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ss {

// The positions of names in a list, looked up without regard to case (core::toLowerChar) and
// without copying the name looked up. The names are kept in one buffer of the index's own, so
// building an index of many names costs few allocations.
class NameIndex {
public:
    NameIndex() = default;
    // names[i] gets position i; empty names get none.
    explicit NameIndex(std::span<const std::wstring_view> names);
    NameIndex(NameIndex&&) noexcept = default;
    NameIndex& operator=(NameIndex&&) noexcept = default;
    NameIndex(const NameIndex&) = delete;
    NameIndex& operator=(const NameIndex&) = delete;

    // The first position of name, or -1.
    int first(std::wstring_view name) const;
    // The first position above `after` of name, or -1.
    int firstAfter(std::wstring_view name, int after) const;
    // The first position of the name at position, or -1 for an empty name.
    int firstOf(int position) const { return firstOf_[static_cast<std::size_t>(position)]; }
    // How many different names there are.
    std::size_t distinctNames() const { return first_.size(); }

private:
    struct FoldedHash {
        using is_transparent = void;
        std::size_t operator()(std::wstring_view name) const;
    };
    struct FoldedEqual {
        using is_transparent = void;
        bool operator()(std::wstring_view a, std::wstring_view b) const;
    };

    // The names, one after the other; the keys below look into it (a vector's buffer stays put
    // when the vector is moved).
    std::vector<wchar_t> text_;
    std::unordered_map<std::wstring_view, int, FoldedHash, FoldedEqual> first_;
    // next_[i]: the next position after i with the same name, or -1.
    std::vector<int> next_;
    std::vector<int> firstOf_;
};

} // namespace ss
