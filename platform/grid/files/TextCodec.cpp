#include "platform/grid/files/TextCodec.h"

#include <array>
#include <cstdint>

namespace grid {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of the bytes 0x80..0x9F; the five undefined bytes map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool encodable(char32_t cp) {
    return cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
}

// Where decodeUtf8Escaped puts the bytes of invalid sequences (0x80-0xFF become lone low
// surrogates, which no valid text holds).
constexpr char32_t kEscapedByteBase = 0xDC00;

void appendUtf8(std::string& out, char32_t cp) {
    if (!encodable(cp))
        cp = kReplacement;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at pos; returns its length, or 0 when it is invalid.
std::size_t decodeOne(std::string_view bytes, std::size_t pos, char32_t& cp) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    const std::uint8_t lead = byte(pos);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > bytes.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = byte(pos + i);
        if ((next & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || !encodable(cp))
        return 0;
    return length;
}

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

} // namespace

std::wstring TextCodec::decode(std::string_view bytes, TextEncoding* detected) {
    TextEncoding encoding = TextEncoding::Utf8;
    std::wstring text;
    if (startsWith(bytes, kUtf8Bom)) {
        encoding = TextEncoding::Utf8Bom;
        const std::string_view body = bytes.substr(kUtf8Bom.size());
        if (!decodeUtf8(body, text))
            text = decodeUtf8Lenient(body); // the BOM says UTF-8; keep what is readable
    } else if (startsWith(bytes, kUtf16LeBom)) {
        encoding = TextEncoding::Utf16Le;
        text = decodeUtf16(bytes.substr(2), false);
    } else if (startsWith(bytes, kUtf16BeBom)) {
        encoding = TextEncoding::Utf16Be;
        text = decodeUtf16(bytes.substr(2), true);
    } else if (!decodeUtf8(bytes, text)) {
        encoding = TextEncoding::Windows1252;
        text = decodeWindows1252(bytes);
    }
    if (detected)
        *detected = encoding;
    return text;
}

std::string TextCodec::encode(std::wstring_view text, TextEncoding encoding, bool* lossless) {
    if (lossless)
        *lossless = true;
    switch (encoding) {
    case TextEncoding::Utf8:
        return encodeUtf8(text);
    case TextEncoding::Utf8Bom:
        return std::string(kUtf8Bom) + encodeUtf8(text);
    case TextEncoding::Utf16Le:
        return std::string(kUtf16LeBom) + encodeUtf16(text, false);
    case TextEncoding::Utf16Be:
        return std::string(kUtf16BeBom) + encodeUtf16(text, true);
    case TextEncoding::Windows1252:
        return encodeWindows1252(text, lossless);
    }
    return {};
}

bool TextCodec::decodeUtf8(std::string_view bytes, std::wstring& text) {
    std::size_t badOffset = 0;
    return decodeUtf8(bytes, text, badOffset);
}

bool TextCodec::decodeUtf8(std::string_view bytes, std::wstring& text, std::size_t& badOffset) {
    text.clear();
    text.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t cp = 0;
        const std::size_t length = decodeOne(bytes, pos, cp);
        if (length == 0) {
            badOffset = pos;
            return false;
        }
        text += static_cast<wchar_t>(cp);
        pos += length;
    }
    return true;
}

bool TextCodec::isEncodable(wchar_t ch) {
    return encodable(static_cast<char32_t>(static_cast<std::uint32_t>(ch)));
}

std::wstring TextCodec::decodeUtf8Lenient(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t cp = 0;
        const std::size_t length = decodeOne(bytes, pos, cp);
        if (length == 0) {
            text += static_cast<wchar_t>(kReplacement);
            ++pos;
        } else {
            text += static_cast<wchar_t>(cp);
            pos += length;
        }
    }
    return text;
}

std::wstring TextCodec::decodeUtf8Escaped(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t cp = 0;
        const std::size_t length = decodeOne(bytes, pos, cp);
        if (length == 0) {
            text += static_cast<wchar_t>(kEscapedByteBase + static_cast<std::uint8_t>(bytes[pos]));
            ++pos;
        } else {
            text += static_cast<wchar_t>(cp);
            pos += length;
        }
    }
    return text;
}

std::string TextCodec::encodeUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t ch : text) {
        const auto cp = static_cast<char32_t>(ch);
        if (cp >= kEscapedByteBase + 0x80 && cp <= kEscapedByteBase + 0xFF)
            out += static_cast<char>(cp - kEscapedByteBase);
        else
            appendUtf8(out, cp);
    }
    return out;
}

std::wstring TextCodec::decodeUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring text;
    const std::size_t units = bytes.size() / 2;
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<std::uint8_t>(bytes[2 * i]);
        const auto second = static_cast<std::uint8_t>(bytes[2 * i + 1]);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const char32_t low = unit(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                text += static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        text += static_cast<wchar_t>((u >= 0xD800 && u <= 0xDFFF) ? kReplacement : u);
    }
    if (bytes.size() % 2 != 0)
        text += static_cast<wchar_t>(kReplacement);
    return text;
}

std::string TextCodec::encodeUtf16(std::wstring_view text, bool bigEndian) {
    std::string out;
    out.reserve(text.size() * 2);
    const auto put = [&](char32_t u) {
        const char high = static_cast<char>((u >> 8) & 0xFF);
        const char low = static_cast<char>(u & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    };
    for (const wchar_t ch : text) {
        char32_t cp = static_cast<char32_t>(ch);
        if (!encodable(cp))
            cp = kReplacement;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put(0xD800 + (cp >> 10));
            put(0xDC00 + (cp & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

std::wstring TextCodec::decodeWindows1252(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        text += (b >= 0x80 && b <= 0x9F) ? static_cast<wchar_t>(kHighControls[b - 0x80])
                                         : static_cast<wchar_t>(b);
    }
    return text;
}

int TextCodec::windows1252Byte(wchar_t ch) {
    if ((ch >= 0 && ch < 0x80) || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<int>(ch);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (static_cast<wchar_t>(kHighControls[i]) == ch)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

std::string TextCodec::encodeWindows1252(std::wstring_view text, bool* lossless) {
    std::string out;
    out.reserve(text.size());
    bool complete = true;
    for (const wchar_t ch : text) {
        const int b = windows1252Byte(ch);
        if (b < 0)
            complete = false;
        out += static_cast<char>(b < 0 ? '?' : b);
    }
    if (lossless)
        *lossless = complete;
    return out;
}

} // namespace grid
