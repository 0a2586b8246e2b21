#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace grid {

enum class TextEncoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, Windows1252 };

// Conversion between bytes and wide text, for the sheet's files and every other text file (the
// core module uses it too). Wide text holds Unicode code points (one wchar_t
// each); code points that cannot be encoded (lone surrogates, values above U+10FFFF) are
// written as U+FFFD.
class TextCodec {
public:
    // Decodes a whole file: a UTF-8 BOM -> UTF-8; FF FE -> UTF-16 LE; FE FF -> UTF-16 BE;
    // otherwise UTF-8 when the bytes are valid UTF-8, else Windows-1252. The BOM is not part of
    // the text. detected (optional) receives the encoding used.
    static std::wstring decode(std::string_view bytes, TextEncoding* detected = nullptr);

    // Encodes text; a BOM is written for Utf8Bom, Utf16Le and Utf16Be. For Windows1252,
    // characters outside the code page become '?' and lossless (optional) becomes false; it is
    // true otherwise and for every other encoding.
    static std::string encode(std::wstring_view text, TextEncoding encoding,
                              bool* lossless = nullptr);

    // Strict UTF-8 (no overlong forms, surrogates or values above U+10FFFF); false when the
    // bytes are not valid UTF-8 (text then holds nothing useful).
    static bool decodeUtf8(std::string_view bytes, std::wstring& text);
    // The same, with the offset of the first bad byte when the bytes are not valid UTF-8.
    static bool decodeUtf8(std::string_view bytes, std::wstring& text, std::size_t& badOffset);
    // UTF-8 where invalid sequences each become U+FFFD.
    static std::wstring decodeUtf8Lenient(std::string_view bytes);
    // UTF-8 where each byte of an invalid sequence becomes U+DC80 + its value ("surrogate
    // escape"); encodeUtf8 gives such a character back as that byte. Names the user types
    // (file names on a system whose names are bytes) then survive the round trip unchanged.
    static std::wstring decodeUtf8Escaped(std::string_view bytes);
    static std::string encodeUtf8(std::wstring_view text);

    // UTF-16 without BOM; an odd last byte and lone surrogates become U+FFFD.
    static std::wstring decodeUtf16(std::string_view bytes, bool bigEndian);
    static std::string encodeUtf16(std::wstring_view text, bool bigEndian);

    // Windows-1252. The five bytes the code page leaves undefined (81 8D 8F 90 9D) map to the
    // control characters of the same value, as Windows does, so every byte round-trips.
    static std::wstring decodeWindows1252(std::string_view bytes);
    static std::string encodeWindows1252(std::wstring_view text, bool* lossless = nullptr);
    // The byte of ch in Windows-1252, or -1 when the code page lacks it.
    static int windows1252Byte(wchar_t ch);

    // Outside input of unknown origin (as spreadsheets export it): decode() without the
    // encoding it found.
    static std::wstring decodeAny(std::string_view bytes) { return decode(bytes); }
    // Whether UTF-8 and UTF-16 can carry the character (not a lone surrogate, not above
    // U+10FFFF).
    static bool isEncodable(wchar_t ch);
};

} // namespace grid
