#include "platform/grid/NumberText.h"

#include "platform/grid/Rounding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace grid {

namespace {

std::wstring widen(const char* begin, const char* end) {
    std::wstring out;
    out.reserve(static_cast<std::size_t>(end - begin));
    for (const char* p = begin; p != end; ++p)
        out.push_back(*p == 'e' ? L'E' : static_cast<wchar_t>(*p));
    return out;
}

bool isDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

} // namespace

std::optional<double> NumberText::parse(std::wstring_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && (text[begin] == L' ' || text[begin] == L'\t'))
        ++begin;
    while (end > begin && (text[end - 1] == L' ' || text[end - 1] == L'\t'))
        --end;
    // Validate the whole form first: from_chars alone would accept "inf" and stop early.
    std::string narrow;
    std::size_t i = begin;
    if (i < end && (text[i] == L'+' || text[i] == L'-')) {
        if (text[i] == L'-')
            narrow.push_back('-');
        ++i;
    }
    std::size_t digits = 0;
    while (i < end && isDigit(text[i])) {
        narrow.push_back(static_cast<char>(text[i++]));
        ++digits;
    }
    if (i < end && text[i] == L'.') {
        narrow.push_back('.');
        ++i;
        while (i < end && isDigit(text[i])) {
            narrow.push_back(static_cast<char>(text[i++]));
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < end && (text[i] == L'e' || text[i] == L'E')) {
        narrow.push_back('e');
        ++i;
        if (i < end && (text[i] == L'+' || text[i] == L'-'))
            narrow.push_back(static_cast<char>(text[i++]));
        std::size_t expDigits = 0;
        while (i < end && isDigit(text[i])) {
            narrow.push_back(static_cast<char>(text[i++]));
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    if (ec != std::errc() || ptr != narrow.data() + narrow.size() || !std::isfinite(value))
        return std::nullopt;
    return value == 0 ? 0.0 : value;
}

std::wstring NumberText::general(double value) {
    if (value == 0)
        return L"0";
    std::array<char, 64> buf{};
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15);
    return widen(buf.data(), res.ptr);
}

std::wstring NumberText::fixed(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 30);
    value = Rounding::round(value, decimals);
    if (value == 0)
        value = 0; // no "-0.00"
    std::array<char, 400> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::fixed, decimals);
    return widen(buf.data(), res.ptr);
}

std::wstring NumberText::rounded(double value, int decimals) {
    std::wstring text = fixed(value, decimals);
    if (text.find(L'.') != std::wstring::npos) {
        while (text.back() == L'0')
            text.pop_back();
        if (text.back() == L'.')
            text.pop_back();
    }
    if (text == L"-0")
        text = L"0";
    return text;
}

std::wstring NumberText::shortest(double value) {
    if (value == 0)
        return L"0";
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    return widen(buf.data(), res.ptr);
}

} // namespace grid
