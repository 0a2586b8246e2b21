#include "platform/ui/dialogs/ResourceLexer.h"

#include <cwctype>
#include <limits>

namespace ui {

std::optional<std::vector<ResourceToken>> ResourceLexer::split(const std::wstring& line,
                                                               std::wstring& error) {
    std::vector<ResourceToken> tokens;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n) {
        const wchar_t ch = line[i];
        if (std::iswspace(static_cast<wint_t>(ch)) || ch == 0xFEFF) {
            ++i;
            continue;
        }
        if (ch == L'#') {
            break;
        }
        if (ch == L'"') {
            ResourceToken token;
            token.quoted = true;
            ++i;
            bool closed = false;
            while (i < n) {
                const wchar_t c = line[i++];
                if (c == L'"') {
                    closed = true;
                    break;
                }
                if (c != L'\\') {
                    token.text += c;
                    continue;
                }
                if (i >= n) {
                    break;
                }
                const wchar_t escaped = line[i++];
                switch (escaped) {
                case L'"':
                    token.text += L'"';
                    break;
                case L'\\':
                    token.text += L'\\';
                    break;
                case L'n':
                    token.text += L'\n';
                    break;
                case L't':
                    token.text += L'\t';
                    break;
                default:
                    error = std::wstring(L"unknown escape \\") + escaped + L" in a string";
                    return std::nullopt;
                }
            }
            if (!closed) {
                error = L"unterminated string";
                return std::nullopt;
            }
            tokens.push_back(std::move(token));
            continue;
        }
        ResourceToken token;
        while (i < n && !std::iswspace(static_cast<wint_t>(line[i])) && line[i] != L'"' &&
               line[i] != L'#') {
            token.text += line[i++];
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

std::optional<long long> ResourceLexer::number(const std::wstring& word) {
    std::size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == L'-' || word[i] == L'+')) {
        negative = word[i] == L'-';
        ++i;
    }
    int base = 10;
    if (i + 1 < word.size() && word[i] == L'0' && (word[i + 1] == L'x' || word[i + 1] == L'X')) {
        base = 16;
        i += 2;
    }
    if (i >= word.size()) {
        return std::nullopt;
    }
    constexpr long long kLimit = std::numeric_limits<std::int32_t>::max() * 2LL + 1;
    long long value = 0;
    for (; i < word.size(); ++i) {
        const wchar_t c = word[i];
        int digit = -1;
        if (c >= L'0' && c <= L'9') {
            digit = c - L'0';
        } else if (base == 16 && c >= L'a' && c <= L'f') {
            digit = c - L'a' + 10;
        } else if (base == 16 && c >= L'A' && c <= L'F') {
            digit = c - L'A' + 10;
        }
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > kLimit) {
            return std::nullopt;
        }
    }
    return negative ? -value : value;
}

} // namespace ui
