#include "platform/core/text/TextCodec.h"

#include <gtest/gtest.h>

namespace {

using core::TextCodec;
using core::TextEncoding;

// The four characters that separate fields in mapping and settings files.
const std::wstring kSymbols = L"\u00BF\u0192\u2022\u00A4";

struct EncodedCase {
    TextEncoding encoding;
    std::string bytes;
};

const EncodedCase kSymbolTable[] = {
    {TextEncoding::Utf8, "\xC2\xBF\xC6\x92\xE2\x80\xA2\xC2\xA4"},
    {TextEncoding::Utf8Bom, "\xEF\xBB\xBF\xC2\xBF\xC6\x92\xE2\x80\xA2\xC2\xA4"},
    {TextEncoding::Utf16Le, std::string("\xFF\xFE\xBF\x00\x92\x01\x22\x20\xA4\x00", 10)},
    {TextEncoding::Utf16Be, std::string("\xFE\xFF\x00\xBF\x01\x92\x20\x22\x00\xA4", 10)},
    {TextEncoding::Windows1252, "\xBF\x83\x95\xA4"},
};

TEST(TextCodec, SeparatorSymbolsEncodeToTheKnownBytes) {
    for (const EncodedCase& c : kSymbolTable) {
        bool lossless = false;
        EXPECT_EQ(TextCodec::encode(kSymbols, c.encoding, &lossless), c.bytes)
            << static_cast<int>(c.encoding);
        EXPECT_TRUE(lossless);
    }
}

TEST(TextCodec, SeparatorSymbolsDecodeAndDetectTheirEncoding) {
    for (const EncodedCase& c : kSymbolTable) {
        TextEncoding detected = TextEncoding::Utf8;
        EXPECT_EQ(TextCodec::decode(c.bytes, &detected), kSymbols) << static_cast<int>(c.encoding);
        EXPECT_EQ(detected, c.encoding);
    }
}

TEST(TextCodec, InvalidUtf8MakesTheWholeTextWindows1252) {
    struct Case {
        std::string bytes;
        std::wstring text;
        TextEncoding detected;
    };
    const Case cases[] = {
        {"", L"", TextEncoding::Utf8},
        {"plain", L"plain", TextEncoding::Utf8},
        // One stray 1252 byte after valid UTF-8: the whole file is 1252.
        {"\xC2\xBF\xE9", L"\u00C2\u00BF\u00E9", TextEncoding::Windows1252},
        {"\xC0\xAF", L"\u00C0\u00AF", TextEncoding::Windows1252},           // overlong '/'
        {"\xED\xA0\x80", L"\u00ED\u00A0\u20AC", TextEncoding::Windows1252}, // a surrogate
        {"\xF4\x90\x80\x80", L"\u00F4\u0090\u20AC\u20AC", TextEncoding::Windows1252},
        {"\xE2\x80", L"\u00E2\u20AC", TextEncoding::Windows1252}, // truncated
        {"\xF0\x9F\x98\x80", L"\U0001F600", TextEncoding::Utf8},
    };
    for (const Case& c : cases) {
        TextEncoding detected = TextEncoding::Utf16Be;
        EXPECT_EQ(TextCodec::decode(c.bytes, &detected), c.text);
        EXPECT_EQ(detected, c.detected);
    }
}

TEST(TextCodec, Utf16SurrogatesAndDamage) {
    EXPECT_EQ(TextCodec::encodeUtf16(L"\U0001F600", false), std::string("\x3D\xD8\x00\xDE", 4));
    EXPECT_EQ(TextCodec::decodeUtf16(std::string("\x3D\xD8\x00\xDE", 4), false), L"\U0001F600");
    EXPECT_EQ(TextCodec::decodeUtf16(std::string("\xD8\x3D\xDE\x00", 4), true), L"\U0001F600");
    // A lone high surrogate, a lone low surrogate and an odd trailing byte.
    EXPECT_EQ(TextCodec::decodeUtf16(std::string("\x3D\xD8\x41\x00\x00\xDE\x42", 7), false),
              L"\uFFFDA\uFFFD\uFFFD");
}

TEST(TextCodec, Windows1252CarriesEveryByteAndReportsLoss) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes += static_cast<char>(b);
    bool lossless = false;
    EXPECT_EQ(TextCodec::encodeWindows1252(TextCodec::decodeWindows1252(allBytes), &lossless),
              allBytes);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(TextCodec::encodeWindows1252(L"a\u20AC\u4E2D\u0080", &lossless), "a\x80??");
    EXPECT_FALSE(lossless);
    EXPECT_EQ(TextCodec::windows1252Byte(L'\u0178'), 0x9F);
    EXPECT_EQ(TextCodec::windows1252Byte(L'\u0100'), -1);
}

TEST(TextCodec, UnencodableCodePointsBecomeReplacementCharacters) {
    const std::wstring bad{static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000)};
    EXPECT_EQ(TextCodec::encodeUtf8(bad), "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(TextCodec::encodeUtf16(bad, true), "\xFF\xFD\xFF\xFD");
}

} // namespace
