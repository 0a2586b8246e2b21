#include "platform/core/text/TextBytes.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace std::string_literals;

TEST(TextBytes, FindsTheLineWhereTextStops) {
    struct Case {
        const char* name;
        std::string bytes;
        std::size_t line; // 0: text throughout
        const char* what;
    } const cases[] = {
        {"plain", "a;b\n1;2\n", 0, ""},
        {"UTF-8 letters", "Ø;ƒ;¿;•\n", 0, ""},
        {"four-byte UTF-8", "\xF0\x9F\x94\xA9\n", 0, ""},
        {"UTF-16 with its mark",
         "\xFF\xFE"
         "a\0;\0"s,
         0, ""},
        {"NUL on line 2", "a\nb\0c\n"s, 2, "a NUL byte"},
        {"Windows-1252 byte", "a\nb\nc\xE9\n", 3, "bytes that are not UTF-8"},
        {"cut sequence at the end", "a\xE2\x82", 1, "bytes that are not UTF-8"},
        {"overlong slash", "\xC0\xAF", 1, "bytes that are not UTF-8"},
        {"surrogate", "\xED\xA0\x80", 1, "bytes that are not UTF-8"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", 1, "bytes that are not UTF-8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto found = core::findNotText(c.bytes);
        if (c.line == 0) {
            EXPECT_FALSE(found);
            continue;
        }
        ASSERT_TRUE(found);
        EXPECT_EQ(found->line, c.line);
        EXPECT_EQ(found->what, c.what);
    }
}

} // namespace
