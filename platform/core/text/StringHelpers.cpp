#include "platform/core/text/StringHelpers.h"

#include "platform/core/text/CharCase.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

bool isBlank(wchar_t ch) {
    return ch == L' ' || ch == L'\t';
}
bool isDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

Vdn_String trimBlanks(std::wstring_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return Vdn_String(text.substr(first, last - first));
}

Vdn_String trimTrailingBlanks(std::wstring_view text) {
    std::size_t last = text.size();
    while (last > 0 && isBlank(text[last - 1]))
        --last;
    return Vdn_String(text.substr(0, last));
}

std::wstring keyOf(const Vdn_String& name, bool caseSensitive) {
    return caseSensitive ? name.str() : name.toLower().str();
}

// Natural comparison: digit runs by value (then by length, so "01" sorts after "1"), other
// characters one by one.
int naturalCompare(std::wstring_view a, std::wstring_view b, bool caseSensitive) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t ei = i;
            std::size_t ej = j;
            while (ei < a.size() && isDigit(a[ei]))
                ++ei;
            while (ej < b.size() && isDigit(b[ej]))
                ++ej;
            std::size_t si = i;
            std::size_t sj = j;
            while (si + 1 < ei && a[si] == L'0')
                ++si;
            while (sj + 1 < ej && b[sj] == L'0')
                ++sj;
            const std::wstring_view na = a.substr(si, ei - si);
            const std::wstring_view nb = b.substr(sj, ej - sj);
            if (na.size() != nb.size())
                return na.size() < nb.size() ? -1 : 1;
            if (const int c = na.compare(nb); c != 0)
                return c;
            if (ei - i != ej - j)
                return (ei - i) < (ej - j) ? -1 : 1;
            i = ei;
            j = ej;
            continue;
        }
        const wchar_t ca = caseSensitive ? a[i] : core::toLowerChar(a[i]);
        const wchar_t cb = caseSensitive ? b[j] : core::toLowerChar(b[j]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

} // namespace

Vdn_StringArray strToArr(const Vdn_String& text, wchar_t separator) {
    Vdn_StringArray items;
    if (text.isEmpty())
        return items;
    const std::wstring& s = text.str();
    std::size_t start = 0;
    for (std::size_t pos = s.find(separator); pos != std::wstring::npos;
         pos = s.find(separator, start)) {
        items.append(Vdn_String(s.substr(start, pos - start)));
        start = pos + 1;
    }
    items.append(Vdn_String(s.substr(start)));
    return items;
}

Vdn_String arrToStr(const Vdn_StringArray& items, wchar_t separator) {
    std::wstring out;
    for (int i = 0; i < items.length(); ++i) {
        if (i > 0)
            out += separator;
        out += items[i].str();
    }
    return Vdn_String(std::move(out));
}

Vdn_Array<Vdn_StringArray> arrToArrArr(const Vdn_StringArray& lines, wchar_t separator) {
    Vdn_Array<Vdn_StringArray> rows;
    for (const Vdn_String& line : lines)
        rows.append(strToArr(line, separator));
    return rows;
}

bool splitStringAtSymbol(const Vdn_String& text, wchar_t symbol, Vdn_String& left,
                         Vdn_String& right, bool trimBlanksFlag) {
    const std::wstring& s = text.str();
    const std::size_t pos = s.find(symbol);
    if (pos == std::wstring::npos) {
        left = Vdn_String();
        right = Vdn_String();
        return false;
    }
    const std::wstring_view view(s);
    left = trimBlanksFlag ? trimBlanks(view.substr(0, pos)) : Vdn_String(view.substr(0, pos));
    right = trimBlanksFlag ? trimBlanks(view.substr(pos + 1)) : Vdn_String(view.substr(pos + 1));
    return true;
}

bool splitStringAtSymbol(const Vdn_String& text, wchar_t symbol, Vdn_StringArray& parts,
                         bool trimBlanksFlag) {
    parts.clear();
    const bool found = text.str().find(symbol) != std::wstring::npos;
    for (const Vdn_String& part : strToArr(text, symbol)) {
        if (!trimBlanksFlag) {
            parts.append(part);
            continue;
        }
        Vdn_String trimmed = trimBlanks(part.str());
        if (!trimmed.isEmpty())
            parts.append(std::move(trimmed));
    }
    return found;
}

bool isNumber(const Vdn_String& text) {
    const std::wstring s = trimBlanks(text.str()).str();
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == L'+' || s[pos] == L'-'))
        ++pos;
    int digits = 0;
    for (; pos < s.size() && isDigit(s[pos]); ++pos)
        ++digits;
    if (pos < s.size() && s[pos] == L'.') {
        for (++pos; pos < s.size() && isDigit(s[pos]); ++pos)
            ++digits;
    }
    if (digits == 0)
        return false;
    if (pos < s.size() && (s[pos] == L'e' || s[pos] == L'E')) {
        ++pos;
        if (pos < s.size() && (s[pos] == L'+' || s[pos] == L'-'))
            ++pos;
        int exponentDigits = 0;
        for (; pos < s.size() && isDigit(s[pos]); ++pos)
            ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    return pos == s.size();
}

bool hasDuplicates(const Vdn_StringArray& names, bool caseSensitive, Vdn_StringArray& duplicates) {
    duplicates.clear();
    // For each key: the index of its first occurrence and whether it was reported.
    std::unordered_map<std::wstring, std::pair<int, bool>> seen;
    for (int i = 0; i < names.length(); ++i) {
        auto [it, inserted] = seen.try_emplace(keyOf(names[i], caseSensitive), i, false);
        if (!inserted && !it->second.second) {
            it->second.second = true;
            duplicates.append(names[it->second.first]);
        }
    }
    // Report in the order of first occurrence, not of the second one.
    std::vector<std::pair<int, Vdn_String>> ordered;
    for (const Vdn_String& name : duplicates)
        ordered.emplace_back(seen.at(keyOf(name, caseSensitive)).first, name);
    std::sort(ordered.begin(), ordered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    duplicates.clear();
    for (auto& entry : ordered)
        duplicates.append(std::move(entry.second));
    return !duplicates.isEmpty();
}

bool hasDuplicates(const Vdn_StringArray& names, bool caseSensitive) {
    Vdn_StringArray duplicates;
    return hasDuplicates(names, caseSensitive, duplicates);
}

Vdn_Array<int> getDuplicates(const Vdn_StringArray& names, bool caseSensitive) {
    Vdn_Array<int> indexes;
    std::unordered_map<std::wstring, int> seen;
    for (int i = 0; i < names.length(); ++i) {
        if (!seen.try_emplace(keyOf(names[i], caseSensitive), i).second)
            indexes.append(i);
    }
    std::reverse(indexes.begin(), indexes.end());
    return indexes;
}

void sortArray(Vdn_StringArray& items, bool caseSensitive) {
    std::sort(items.begin(), items.end(),
              [caseSensitive](const Vdn_String& a, const Vdn_String& b) {
                  const int c = naturalCompare(a.str(), b.str(), caseSensitive);
                  return c != 0 ? c < 0 : a < b;
              });
}

int ObjectExportAddToSorted(const Vdn_StringArray& names, const Vdn_String& name) {
    for (int i = 0; i < names.length(); ++i) {
        if (naturalCompare(names[i].str(), name.str(), false) > 0)
            return i;
    }
    return names.length();
}

Vdn_String stripSymbols(const Vdn_String& text, wchar_t symbol, bool atStart, bool atEnd) {
    const std::wstring& s = text.str();
    std::size_t first = 0;
    std::size_t last = s.size();
    if (atStart) {
        while (first < last && s[first] == symbol)
            ++first;
    }
    if (atEnd) {
        while (last > first && s[last - 1] == symbol)
            --last;
    }
    return Vdn_String(s.substr(first, last - first));
}

Vdn_String getSubstrAfter(const Vdn_String& text, const Vdn_String& separator, bool caseSensitive) {
    if (separator.isEmpty())
        return {};
    const int pos = text.find(separator, caseSensitive);
    return pos < 0 ? Vdn_String() : text.substr(pos + separator.length());
}

int findFirstFrom(const Vdn_String& text, const Vdn_String& sub, int start, bool caseSensitive) {
    return text.find(sub, caseSensitive, start);
}

bool hasSubString(const Vdn_String& text, const Vdn_String& sub, bool caseSensitive) {
    return text.find(sub, caseSensitive) >= 0;
}

bool hasASubstr(const Vdn_String& text, const Vdn_StringArray& subs, Vdn_String& found,
                bool caseSensitive) {
    for (const Vdn_String& sub : subs) {
        if (!sub.isEmpty() && text.find(sub, caseSensitive) >= 0) {
            found = sub;
            return true;
        }
    }
    return false;
}

Vdn_String findNonExistingString(const Vdn_StringArray& names, const Vdn_String& base) {
    if (!names.contains(base, false))
        return base;
    const std::wstring& s = base.str();
    std::size_t digits = s.size();
    while (digits > 0 && isDigit(s[digits - 1]))
        --digits;
    const std::size_t width = s.size() - digits;
    // Up to 18 digits count up without overflow; a longer run is kept as part of the stem.
    const bool counts = width > 0 && width <= 18;
    const std::wstring stem = counts ? s.substr(0, digits) : s;
    long long number = counts ? std::stoll(s.substr(digits)) : 0;
    // The names once, folded, in a set: a long run of taken numbers (a table of thousands of
    // sizes) costs one look-up per candidate, not one pass over the names.
    const auto fold = [](std::wstring text) {
        for (wchar_t& ch : text)
            ch = core::toLowerChar(ch);
        return text;
    };
    std::unordered_set<std::wstring> taken;
    taken.reserve(static_cast<std::size_t>(names.length()));
    for (const Vdn_String& name : names)
        taken.insert(fold(name.str()));
    // Every candidate differs from the others, so at most names.length() of them are taken.
    for (;;) {
        std::wstring count = std::to_wstring(++number);
        if (counts && count.size() < width)
            count.insert(0, width - count.size(), L'0');
        std::wstring candidate = stem + count;
        if (taken.count(fold(candidate)) == 0)
            return Vdn_String(std::move(candidate));
    }
}

bool findFirstNumbers(const Vdn_String& text, Vdn_String& before, Vdn_String& numbers) {
    const std::wstring& s = text.str();
    const auto first = std::find_if(s.begin(), s.end(), isDigit);
    const auto last = std::find_if_not(first, s.end(), isDigit);
    before = first == s.end() ? Vdn_String() : Vdn_String(std::wstring(s.begin(), first));
    numbers = Vdn_String(std::wstring(first, last));
    return first != s.end();
}

Vdn_String getAlfabet(int column) {
    std::wstring letters;
    for (long n = column; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<wchar_t>(L'A' + (n - 1) % 26));
    return Vdn_String(std::move(letters));
}

Vdn_String removeComments(const Vdn_String& line) {
    const std::wstring& s = line.str();
    std::wstring out;
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t open = s.find(L"/*", pos);
        if (open == std::wstring::npos) {
            out.append(s, pos);
            break;
        }
        out.append(s, pos, open - pos);
        const std::size_t close = s.find(L"*/", open + 2);
        if (close == std::wstring::npos)
            break;
        pos = close + 2;
    }
    return trimTrailingBlanks(out);
}

Vdn_String removeLineComment(const Vdn_String& line) {
    const std::wstring& s = line.str();
    return trimTrailingBlanks(std::wstring_view(s).substr(0, s.find(L"//")));
}
