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

Vdn_String::Vdn_String(const wchar_t* text) : text_(text ? text : L"") {}

Vdn_String::Vdn_String(std::wstring text) : text_(std::move(text)) {}

Vdn_String::Vdn_String(std::wstring_view text) : text_(text) {}

Vdn_String::Vdn_String(int value) : text_(std::to_wstring(value)) {}

std::string Vdn_String::toUtf8() const {
    return core::TextCodec::encodeUtf8(text_);
}

Vdn_String Vdn_String::fromUtf8(std::string_view utf8) {
    return Vdn_String(core::TextCodec::decodeUtf8Escaped(utf8));
}

wchar_t Vdn_String::at(int index) const {
    if (index < 0 || index >= length())
        return L'\0';
    return text_[static_cast<std::size_t>(index)];
}

bool Vdn_String::equal(const Vdn_String& other, bool caseSensitive) const {
    return caseSensitive ? text_ == other.text_ : core::equalNoCase(text_, other.text_);
}

int Vdn_String::find(const Vdn_String& sub, bool caseSensitive, int start) const {
    if (start < 0 || start > length())
        return -1;
    const std::size_t pos =
        caseSensitive ? text_.find(sub.text_, static_cast<std::size_t>(start))
                      : folded(text_).find(folded(sub.text_), static_cast<std::size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

bool Vdn_String::startsWith(const Vdn_String& prefix, bool caseSensitive) const {
    if (prefix.length() > length())
        return false;
    const std::wstring_view head = std::wstring_view(text_).substr(0, prefix.text_.size());
    return caseSensitive ? head == prefix.text_ : core::equalNoCase(head, prefix.text_);
}

Vdn_String Vdn_String::toUpper() const {
    std::wstring out = text_;
    for (wchar_t& ch : out)
        ch = core::toUpperChar(ch);
    return Vdn_String(std::move(out));
}

Vdn_String Vdn_String::toLower() const {
    return Vdn_String(folded(text_));
}

Vdn_String Vdn_String::trim() const {
    std::size_t first = 0;
    std::size_t last = text_.size();
    while (first < last && isSpace(text_[first]))
        ++first;
    while (last > first && isSpace(text_[last - 1]))
        --last;
    return Vdn_String(text_.substr(first, last - first));
}

Vdn_String Vdn_String::substr(int start, int count) const {
    const int begin = std::clamp(start, 0, length());
    const int available = length() - begin;
    const int n = count < 0 ? available : std::min(count, available);
    return Vdn_String(text_.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(n)));
}

Vdn_String Vdn_String::replace(const Vdn_String& from, const Vdn_String& to,
                               bool caseSensitive) const {
    if (from.isEmpty())
        return *this;
    const std::wstring haystack = caseSensitive ? text_ : folded(text_);
    const std::wstring needle = caseSensitive ? from.text_ : folded(from.text_);
    std::wstring out;
    std::size_t pos = 0;
    for (std::size_t hit = haystack.find(needle); hit != std::wstring::npos;
         hit = haystack.find(needle, pos)) {
        out.append(text_, pos, hit - pos);
        out += to.text_;
        pos = hit + needle.size();
    }
    out.append(text_, pos);
    return Vdn_String(std::move(out));
}

int Vdn_String::toInt(bool* ok) const {
    std::size_t pos = skipSpaces(text_, 0);
    bool negative = false;
    if (pos < text_.size() && (text_[pos] == L'+' || text_[pos] == L'-'))
        negative = text_[pos++] == L'-';
    const std::size_t digitsStart = pos;
    long long value = 0;
    bool overflow = false;
    for (; pos < text_.size() && isDigit(text_[pos]); ++pos) {
        value = value * 10 + (text_[pos] - L'0');
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
        *ok = pos > digitsStart && !overflow && onlySpacesFrom(text_, pos);
    return static_cast<int>(clamped);
}

double Vdn_String::toDouble(bool* ok) const {
    // The number is scanned here and handed to from_chars as ASCII, so that the C locale's
    // decimal separator never matters.
    std::size_t pos = skipSpaces(text_, 0);
    std::string ascii;
    bool negative = false;
    if (pos < text_.size() && (text_[pos] == L'+' || text_[pos] == L'-'))
        negative = text_[pos++] == L'-';
    int digits = 0;
    int integerDigits = 0;
    for (; pos < text_.size() && isDigit(text_[pos]); ++pos, ++digits, ++integerDigits)
        ascii += static_cast<char>(text_[pos]);
    if (pos < text_.size() && text_[pos] == L'.') {
        ascii += '.';
        for (++pos; pos < text_.size() && isDigit(text_[pos]); ++pos, ++digits)
            ascii += static_cast<char>(text_[pos]);
    }
    if (digits == 0) {
        if (ok)
            *ok = false;
        return 0.0;
    }
    int exponentSign = 1;
    if (pos < text_.size() && (text_[pos] == L'e' || text_[pos] == L'E')) {
        std::size_t e = pos + 1;
        if (e < text_.size() && (text_[e] == L'+' || text_[e] == L'-'))
            exponentSign = text_[e++] == L'-' ? -1 : 1;
        if (e < text_.size() && isDigit(text_[e])) {
            ascii += exponentSign < 0 ? "e-" : "e";
            for (; e < text_.size() && isDigit(text_[e]); ++e)
                ascii += static_cast<char>(text_[e]);
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
        *ok = inRange && end == ascii.data() + ascii.size() && onlySpacesFrom(text_, pos);
    return negative ? -value : value;
}

Vdn_String& Vdn_String::operator+=(const Vdn_String& other) {
    text_ += other.text_;
    return *this;
}

Vdn_String& Vdn_String::operator+=(wchar_t ch) {
    text_ += ch;
    return *this;
}

Vdn_String operator+(const Vdn_String& a, const Vdn_String& b) {
    return Vdn_String(a.text_ + b.text_);
}

Vdn_String operator+(const Vdn_String& a, wchar_t ch) {
    return Vdn_String(a.text_ + ch);
}

std::ostream& operator<<(std::ostream& out, const Vdn_String& text) {
    return out << text.toUtf8();
}
