#pragma once

#include <cstdarg>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

// Wide text with value semantics. Positions and lengths are ints counted from 0; a position
// outside the text is never an error: lookups give -1 or the empty text.
// Operations that produce new text (toUpper, trim, substr, replace, ...) return a new value
// and leave the object unchanged.
class Vdn_String {
public:
    Vdn_String() = default;
    Vdn_String(const wchar_t* text); // null gives the empty text
    Vdn_String(std::wstring text);
    explicit Vdn_String(std::wstring_view text);

    // Decimal text of value ("-12").
    explicit Vdn_String(int value);
    // Fixed-point text of value with `decimals` digits after a '.' (0 to 20; outside is
    // clamped). The value is rounded half away from zero as its shortest exact decimal form
    // reads (2.675 -> "2.68", 0.125 -> "0.13"); a result that rounds to zero never carries a
    // minus sign ("-0.001" -> "0.00"). With trimZeros, trailing zeros after the '.' and a
    // bare '.' are removed ("12.50" -> "12.5", "400.00" -> "400"). NaN gives "nan", the
    // infinities "inf" and "-inf".
    Vdn_String(double value, int decimals, bool trimZeros = false);

    // printf-style text with the Windows wide conventions: %s and %c take wide arguments
    // (wchar_t*, wchar_t), %S and %C narrow ones; %ls/%hs and the rest as in C.
    static Vdn_String format(const wchar_t* fmt, ...);
    static Vdn_String formatV(const wchar_t* fmt, va_list args);

    // UTF-8 conversion. fromUtf8 keeps the bytes of invalid sequences as escapes (see
    // TextCodec::decodeUtf8Escaped) that toUtf8 gives back unchanged, so a file name of bytes
    // that are no UTF-8 is opened and written as given.
    std::string toUtf8() const;
    static Vdn_String fromUtf8(std::string_view utf8);

    const std::wstring& str() const { return text_; }
    const wchar_t* c_str() const { return text_.c_str(); }
    int length() const { return static_cast<int>(text_.size()); }
    bool isEmpty() const { return text_.empty(); }

    // The character at index, or L'\0' when index is outside the text.
    wchar_t at(int index) const;
    wchar_t operator[](int index) const { return at(index); }

    bool equal(const Vdn_String& other, bool caseSensitive) const;
    // Position of the first occurrence of sub at or after start, or -1. An empty sub is
    // found at start when start lies within 0..length().
    int find(const Vdn_String& sub, bool caseSensitive = true, int start = 0) const;
    bool startsWith(const Vdn_String& prefix, bool caseSensitive) const;

    Vdn_String toUpper() const;
    Vdn_String toLower() const;
    // Without leading and trailing white space (space, tab, CR, LF, vertical tab, form feed).
    Vdn_String trim() const;
    // At most count characters from start (count < 0: to the end); start is clamped to the
    // text.
    Vdn_String substr(int start, int count = -1) const;
    // Every non-overlapping occurrence of from replaced by to, left to right. An empty from
    // changes nothing.
    Vdn_String replace(const Vdn_String& from, const Vdn_String& to,
                       bool caseSensitive = true) const;

    // Number reading in the manner of _wtoi/_wtof: the leading numeric part after blanks is
    // the result (0 when there is none). ok reports whether the whole text, blanks around
    // it aside, is that number (and, for toInt, fits an int; an overflow is clamped).
    int toInt(bool* ok = nullptr) const;
    double toDouble(bool* ok = nullptr) const;

    Vdn_String& operator+=(const Vdn_String& other);
    Vdn_String& operator+=(wchar_t ch);
    friend Vdn_String operator+(const Vdn_String& a, const Vdn_String& b);
    friend Vdn_String operator+(const Vdn_String& a, wchar_t ch);
    friend bool operator==(const Vdn_String& a, const Vdn_String& b) = default;
    // Ordinal (code point) order.
    friend bool operator<(const Vdn_String& a, const Vdn_String& b) { return a.text_ < b.text_; }

private:
    std::wstring text_;
};

// Writes the text as UTF-8 (for diagnostics and test output).
std::ostream& operator<<(std::ostream& out, const Vdn_String& text);

template <> struct std::hash<Vdn_String> {
    std::size_t operator()(const Vdn_String& s) const noexcept {
        return std::hash<std::wstring>{}(s.str());
    }
};
