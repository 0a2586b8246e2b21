#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace grid {

// Bytes to wide text and back for the sheet's files.
class TextCodec {
public:
    // Code points that UTF-8 cannot carry (lone surrogates, values above U+10FFFF) become
    // U+FFFD.
    static std::string encodeUtf8(std::wstring_view text);
    // Strict UTF-8; false with the offset of the first bad byte.
    static bool decodeUtf8(std::string_view bytes, std::wstring& text, std::size_t& badOffset);
    // Outside input of unknown origin: a UTF-8 BOM or valid UTF-8 is UTF-8, FF FE and FE FF
    // are UTF-16, anything else is Windows-1252 (as spreadsheets export it).
    static std::wstring decodeAny(std::string_view bytes);
    static bool isEncodable(wchar_t ch);
};

} // namespace grid
