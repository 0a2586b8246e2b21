#include "platform/core/text/Vdn_String.h"

#include "platform/core/text/CharCase.h"
#include "platform/core/text/TextCodec.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <ostream>

namespace {

bool isSpace(wchar_t ch) {
    return ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\n' || ch == L'\v' || ch == L'\f';
}
bool isDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

std::wstring folded(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& ch : out)
        ch = core::toLowerChar(ch);
    return out;
}

std::size_t skipSpaces(const std::wstring& text, std::size_t pos) {
    while (pos < text.size() && isSpace(text[pos]))
        ++pos;
    return pos;
}

bool onlySpacesFrom(const std::wstring& text, std::size_t pos) {
    return skipSpaces(text, pos) == text.size();
}

} // namespace

Vdn_String::Vdn_String(const wchar_t* text) : mText(text ? text : L"") {}

Vdn_String::Vdn_String(std::wstring text) : mText(std::move(text)) {}

Vdn_String::Vdn_String(std::wstring_view text) : mText(text) {}

Vdn_String::Vdn_String(int value) : mText(std::to_wstring(value)) {}

std::string Vdn_String::toUtf8() const {
    return core::TextCodec::encodeUtf8(mText);
}

Vdn_String Vdn_String::fromUtf8(std::string_view utf8) {
    return Vdn_String(core::TextCodec::decodeUtf8Lenient(utf8));
}

wchar_t Vdn_String::at(int index) const {
    if (index < 0 || index >= length())
        return L'\0';
    return mText[static_cast<std::size_t>(index)];
}

bool Vdn_String::equal(const Vdn_String& other, bool caseSensitive) const {
    return caseSensitive ? mText == other.mText : core::equalNoCase(mText, other.mText);
}

int Vdn_String::find(const Vdn_String& sub, bool caseSensitive, int start) const {
    if (start < 0 || start > length())
        return -1;
    const std::size_t pos =
        caseSensitive ? mText.find(sub.mText, static_cast<std::size_t>(start))
                      : folded(mText).find(folded(sub.mText), static_cast<std::size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

bool Vdn_String::startsWith(const Vdn_String& prefix, bool caseSensitive) const {
    if (prefix.length() > length())
        return false;
    const std::wstring_view head = std::wstring_view(mText).substr(0, prefix.mText.size());
    return caseSensitive ? head == prefix.mText : core::equalNoCase(head, prefix.mText);
}

Vdn_String Vdn_String::toUpper() const {
    std::wstring out = mText;
    for (wchar_t& ch : out)
        ch = core::toUpperChar(ch);
    return Vdn_String(std::move(out));
}

Vdn_String Vdn_String::toLower() const {
    return Vdn_String(folded(mText));
}

Vdn_String Vdn_String::trim() const {
    std::size_t first = 0;
    std::size_t last = mText.size();
    while (first < last && isSpace(mText[first]))
        ++first;
    while (last > first && isSpace(mText[last - 1]))
        --last;
    return Vdn_String(mText.substr(first, last - first));
}

Vdn_String Vdn_String::substr(int start, int count) const {
    const int begin = std::clamp(start, 0, length());
    const int available = length() - begin;
    const int n = count < 0 ? available : std::min(count, available);
    return Vdn_String(mText.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(n)));
}

Vdn_String Vdn_String::replace(const Vdn_String& from, const Vdn_String& to,
                               bool caseSensitive) const {
    if (from.isEmpty())
        return *this;
    const std::wstring haystack = caseSensitive ? mText : folded(mText);
    const std::wstring needle = caseSensitive ? from.mText : folded(from.mText);
    std::wstring out;
    std::size_t pos = 0;
    for (std::size_t hit = haystack.find(needle); hit != std::wstring::npos;
         hit = haystack.find(needle, pos)) {
        out.append(mText, pos, hit - pos);
        out += to.mText;
        pos = hit + needle.size();
    }
    out.append(mText, pos);
    return Vdn_String(std::move(out));
}

int Vdn_String::toInt(bool* ok) const {
    std::size_t pos = skipSpaces(mText, 0);
    bool negative = false;
    if (pos < mText.size() && (mText[pos] == L'+' || mText[pos] == L'-'))
        negative = mText[pos++] == L'-';
    const std::size_t digitsStart = pos;
    long long value = 0;
    bool overflow = false;
    for (; pos < mText.size() && isDigit(mText[pos]); ++pos) {
        value = value * 10 + (mText[pos] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            overflow = true;
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (negative)
        value = -value;
    const long long clamped = std::clamp<long long>(value, INT_MIN, INT_MAX);
    if (clamped != value)
        overflow = true;
    if (ok)
        *ok = pos > digitsStart && !overflow && onlySpacesFrom(mText, pos);
    return static_cast<int>(clamped);
}

double Vdn_String::toDouble(bool* ok) const {
    // The number is scanned here and handed to from_chars as ASCII, so that the C locale's
    // decimal separator never matters.
    std::size_t pos = skipSpaces(mText, 0);
    std::string ascii;
    bool negative = false;
    if (pos < mText.size() && (mText[pos] == L'+' || mText[pos] == L'-'))
        negative = mText[pos++] == L'-';
    int digits = 0;
    int integerDigits = 0;
    for (; pos < mText.size() && isDigit(mText[pos]); ++pos, ++digits, ++integerDigits)
        ascii += static_cast<char>(mText[pos]);
    if (pos < mText.size() && mText[pos] == L'.') {
        ascii += '.';
        for (++pos; pos < mText.size() && isDigit(mText[pos]); ++pos, ++digits)
            ascii += static_cast<char>(mText[pos]);
    }
    if (digits == 0) {
        if (ok)
            *ok = false;
        return 0.0;
    }
    int exponentSign = 1;
    if (pos < mText.size() && (mText[pos] == L'e' || mText[pos] == L'E')) {
        std::size_t e = pos + 1;
        if (e < mText.size() && (mText[e] == L'+' || mText[e] == L'-'))
            exponentSign = mText[e++] == L'-' ? -1 : 1;
        if (e < mText.size() && isDigit(mText[e])) {
            ascii += exponentSign < 0 ? "e-" : "e";
            for (; e < mText.size() && isDigit(mText[e]); ++e)
                ascii += static_cast<char>(mText[e]);
            pos = e;
        } else {
            exponentSign = 1;
        }
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    bool inRange = error == std::errc();
    if (error == std::errc::result_out_of_range) {
        // Too large overflows to infinity as strtod does; too small underflows to zero.
        const bool tiny = exponentSign < 0 || integerDigits == 0;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    if (ok)
        *ok = inRange && end == ascii.data() + ascii.size() && onlySpacesFrom(mText, pos);
    return negative ? -value : value;
}

Vdn_String& Vdn_String::operator+=(const Vdn_String& other) {
    mText += other.mText;
    return *this;
}

Vdn_String& Vdn_String::operator+=(wchar_t ch) {
    mText += ch;
    return *this;
}

Vdn_String operator+(const Vdn_String& a, const Vdn_String& b) {
    return Vdn_String(a.mText + b.mText);
}

Vdn_String operator+(const Vdn_String& a, wchar_t ch) {
    return Vdn_String(a.mText + ch);
}

std::ostream& operator<<(std::ostream& out, const Vdn_String& text) {
    return out << text.toUtf8();
}
