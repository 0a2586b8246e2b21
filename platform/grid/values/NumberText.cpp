#include "platform/grid/values/NumberText.h"

#include "platform/grid/values/Rounding.h"

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

namespace {

bool isCurrency(wchar_t ch) {
    return ch == L'$' || ch == 0x20AC || ch == 0xA3 || ch == 0xA5;
}

bool isBlank(wchar_t ch) {
    return ch == L' ' || ch == L'\t' || ch == 0xA0;
}

// Digits from i on, at most maxDigits of them (none is failure); i moves past them.
std::optional<long long> digitsAt(std::wstring_view text, std::size_t& i, std::size_t maxDigits) {
    const std::size_t start = i;
    long long value = 0;
    while (i < text.size() && isDigit(text[i]) && i - start < maxDigits)
        value = value * 10 + (text[i++] - L'0');
    if (i == start)
        return std::nullopt;
    return value;
}

// "h:mm", "h:mm:ss" or "h:mm:ss.fff", with an optional AM or PM after a space; the hours of a
// time without AM/PM may exceed 23 (a duration).
std::optional<double> timeOfDay(std::wstring_view text) {
    std::size_t i = 0;
    const auto hours = digitsAt(text, i, 6);
    if (!hours || i >= text.size() || text[i] != L':')
        return std::nullopt;
    ++i;
    const std::size_t minuteStart = i;
    const auto minutes = digitsAt(text, i, 2);
    if (!minutes || i - minuteStart != 2 || *minutes > 59)
        return std::nullopt;
    double seconds = 0;
    if (i < text.size() && text[i] == L':') {
        ++i;
        const std::size_t secondStart = i;
        const auto whole = digitsAt(text, i, 2);
        if (!whole || i - secondStart != 2 || *whole > 59)
            return std::nullopt;
        seconds = static_cast<double>(*whole);
        if (i < text.size() && text[i] == L'.') {
            ++i;
            double scale = 0.1;
            const std::size_t fractionStart = i;
            while (i < text.size() && isDigit(text[i])) {
                seconds += scale * (text[i++] - L'0');
                scale /= 10;
            }
            if (i == fractionStart)
                return std::nullopt;
        }
    }
    long long hour = *hours;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    const std::wstring_view rest = text.substr(i);
    auto upper = [](wchar_t ch) { return ch >= L'a' && ch <= L'z' ? ch - 32 : ch; };
    if (rest.size() == 2 && upper(rest[1]) == L'M' &&
        (upper(rest[0]) == L'A' || upper(rest[0]) == L'P')) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (upper(rest[0]) == L'P' ? 12 : 0);
    } else if (!rest.empty()) {
        return std::nullopt;
    }
    return (static_cast<double>(hour) * 3600 + static_cast<double>(*minutes) * 60 + seconds) /
           86400;
}

} // namespace

std::optional<double> NumberText::parseTyped(std::wstring_view text) {
    if (auto plain = parse(text))
        return plain;
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    text = text.substr(begin, end - begin);
    if (text.find(L':') != std::wstring_view::npos)
        return timeOfDay(text);

    std::wstring plain;
    std::size_t i = 0;
    bool currency = false;
    auto takeCurrency = [&] {
        if (!currency && i < text.size() && isCurrency(text[i])) {
            currency = true;
            ++i;
            while (i < text.size() && isBlank(text[i]))
                ++i;
        }
    };
    takeCurrency();
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        plain.push_back(text[i++]);
    takeCurrency();
    // Whole digits, in groups of three after the first when separated by ','.
    const std::size_t wholeStart = i;
    std::size_t group = 0;
    bool grouped = false;
    while (i < text.size()) {
        if (isDigit(text[i])) {
            plain.push_back(text[i++]);
            ++group;
            continue;
        }
        if (text[i] == L',' && i > wholeStart && (grouped ? group == 3 : group <= 3)) {
            grouped = true;
            group = 0;
            ++i;
            continue;
        }
        break;
    }
    if (grouped && group != 3)
        return std::nullopt;
    bool percent = false;
    std::size_t stop = text.size();
    if (stop > i && text[stop - 1] == L'%') {
        percent = true;
        --stop;
        while (stop > i && isBlank(text[stop - 1]))
            --stop;
    }
    plain.append(text.substr(i, stop - i));
    if (!grouped && !currency && !percent)
        return std::nullopt;
    auto number = parse(plain);
    if (!number)
        return std::nullopt;
    return percent ? *number / 100 : *number;
}

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
