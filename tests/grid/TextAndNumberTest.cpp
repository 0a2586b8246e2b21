// The small pieces every formula and file leans on: number texts, decimal rounding, wildcard
// search, case mapping and the quoting of .tfs strings.
#include "GridTestSupport.h"
#include "platform/grid/files/TfsSyntax.h"
#include "platform/grid/sheet/CellAddress.h"
#include "platform/grid/values/NumberText.h"
#include "platform/grid/values/Rounding.h"
#include "platform/grid/values/TextCase.h"
#include "platform/grid/values/Wildcard.h"

#include <limits>
#include <optional>

namespace grid::test {
namespace {

TEST(NumberText, ParsesOnlyWholeNumbers) {
    const struct {
        const wchar_t* text;
        std::optional<double> value;
    } cases[] = {
        {L"12", 12.0},
        {L"-3.5", -3.5},
        {L"1E3", 1000.0},
        {L".5", 0.5},
        {L"5.", 5.0},
        {L"+2", 2.0},
        {L" 12\t", 12.0},
        {L"1e-2", 0.01},
        {L"", std::nullopt},
        {L".", std::nullopt},
        {L"1,5", std::nullopt},
        {L"1e", std::nullopt},
        {L"inf", std::nullopt},
        {L"nan", std::nullopt},
        {L"0x1F", std::nullopt},
        {L"1 2", std::nullopt},
        {L"--1", std::nullopt},
        {L"1e999", std::nullopt},
        {L"\u0661", std::nullopt}, // an Arabic-Indic digit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.text));
        EXPECT_EQ(NumberText::parse(c.text), c.value);
    }
}

TEST(NumberText, WritesNumbersInEachForm) {
    const struct {
        double value;
        const wchar_t* general;
        const wchar_t* shortest;
    } cases[] = {
        {0.1 + 0.2, L"0.3", L"0.30000000000000004"},
        {1.0 / 3, L"0.333333333333333", L"0.3333333333333333"},
        {1e20, L"1E+20", L"1E+20"},
        {0.00001, L"1E-05", L"1E-05"},
        {-0.0, L"0", L"0"},
        {123456789012345678.0, L"1.23456789012346E+17", L"123456789012345680"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText::general(c.value), c.general);
        EXPECT_EQ(NumberText::shortest(c.value), c.shortest);
        EXPECT_EQ(NumberText::parse(NumberText::shortest(c.value)), c.value == 0 ? 0.0 : c.value);
    }
    EXPECT_EQ(NumberText::fixed(2.5, 2), L"2.50");
    EXPECT_EQ(NumberText::fixed(-0.004, 2), L"0.00");
    EXPECT_EQ(NumberText::rounded(-1.0 / 3, 7), L"-0.3333333");
    EXPECT_EQ(NumberText::rounded(400, 7), L"400");
    EXPECT_EQ(NumberText::rounded(1e15, 2), L"1000000000000000");
}

TEST(Rounding, RoundsAsAUserExpects) {
    EXPECT_EQ(Rounding::round(2.675, 2), 2.68);
    EXPECT_EQ(Rounding::round(-2.675, 2), -2.68);
    EXPECT_EQ(Rounding::round(0.285, 2), 0.29);
    EXPECT_EQ(Rounding::round(1234.5, -2), 1200);
    EXPECT_EQ(Rounding::roundUp(2.2, 1), 2.2);
    EXPECT_EQ(Rounding::roundDown(-2.29, 1), -2.2);
    EXPECT_EQ(Rounding::round(1e300, 5), 1e300);
    EXPECT_EQ(Rounding::round(std::numeric_limits<double>::max(), 2),
              std::numeric_limits<double>::max());
    EXPECT_TRUE(Rounding::approxEqual(0.1 + 0.2, 0.3));
    EXPECT_FALSE(Rounding::approxEqual(1.0, 1.0 + 1e-12));
    EXPECT_EQ(Rounding::approxSub(0.1 + 0.2, 0.3), 0.0);
}

TEST(Wildcard, FindsTheFirstMatchingStart) {
    const struct {
        const wchar_t* pattern;
        const wchar_t* text;
        std::size_t from;
        std::optional<std::size_t> at;
    } cases[] = {
        {L"b", L"abc", 0, 1},
        {L"B?D", L"abcd", 0, 1},
        {L"*c", L"abc", 0, 0},
        {L"a*c", L"xxabxc", 0, 2},
        {L"a*c", L"xxab", 0, std::nullopt},
        {L"~*", L"a*b", 0, 1},
        {L"a", L"aXa", 1, 2},
        {L"", L"abc", 2, 2},
        {L"c*a*b", L"cxaycab", 0, 0},
        {L"??", L"a", 0, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.pattern) + " in " + narrow(c.text));
        EXPECT_EQ(Wildcard::search(c.pattern, c.text, c.from), c.at);
    }
    // No backtracking blow-up on a long text that never matches.
    const std::wstring many(20000, L'a');
    EXPECT_EQ(Wildcard::search(L"a*a*a*a*b", many, 0), std::nullopt);
}

TEST(TextCase, MapsLettersBeyondAscii) {
    EXPECT_EQ(TextCase::upper(L"\u00e9\u00ff\u0161\u03b1\u0436"),
              L"\u00c9\u0178\u0160\u0391\u0416");
    EXPECT_EQ(TextCase::lower(L"\u00d7\u00c9\u0152"), L"\u00d7\u00e9\u0153");
    EXPECT_TRUE(TextCase::equalNoCase(L"Stra\u00dfe", L"STRA\u00dfE"));
    EXPECT_LT(TextCase::compareNoCase(L"apple", L"Banana"), 0);
}

TEST(CellAddress, ColumnLetters) {
    EXPECT_EQ(CellAddress::columnLetters(1), L"A");
    EXPECT_EQ(CellAddress::columnLetters(27), L"AA");
    EXPECT_EQ(CellAddress::columnLetters(16384), L"XFD");
    EXPECT_EQ(CellAddress::columnFromLetters(L"xfd"), 16384);
    EXPECT_EQ(CellAddress::columnFromLetters(L"XFE"), std::nullopt);
    EXPECT_EQ(CellAddress::columnFromLetters(L"AAAA"), std::nullopt);
    EXPECT_EQ(CellAddress::a1({2, 12}), L"B12");
}

TEST(TfsSyntax, QuotedTextSurvivesAnyCharacter) {
    std::wstring text = L"a \"b\" \\ \n\r\t";
    text += static_cast<wchar_t>(1);
    text += static_cast<wchar_t>(0xD800); // a lone surrogate
    text += static_cast<wchar_t>(0x1F600);
    text += static_cast<wchar_t>(-5);
    const std::wstring line = L"tag 1 1 " + TfsSyntax::quote(text) + L" word";
    std::vector<TfsSyntax::Field> fields;
    std::wstring error;
    ASSERT_TRUE(TfsSyntax::split(line, fields, error)) << narrow(error);
    ASSERT_EQ(fields.size(), 5u);
    EXPECT_TRUE(fields[3].quoted);
    EXPECT_EQ(fields[3].text, text);
    EXPECT_EQ(fields[4].text, L"word");
    EXPECT_FALSE(TfsSyntax::split(L"\"a\"b", fields, error));
    EXPECT_FALSE(TfsSyntax::split(L"\"\\u{}\"", fields, error));
    EXPECT_EQ(TfsSyntax::word(L"0xFFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(TfsSyntax::word(L"0x1FFFFFFFF"), std::nullopt);
    EXPECT_EQ(TfsSyntax::integer(L"-12"), -12);
    EXPECT_EQ(TfsSyntax::integer(L"1.5"), std::nullopt);
}

} // namespace
} // namespace grid::test
