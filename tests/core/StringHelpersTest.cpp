#include "platform/core/text/StringHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(StrToArr, KeepsEmptyFieldsAndRoundTripsWithArrToStr) {
    struct Case {
        const wchar_t* text;
        Vdn_StringArray items;
    };
    const Case cases[] = {
        {L"a;b;c", {L"a", L"b", L"c"}},
        {L"a;;b", {L"a", L"", L"b"}},
        {L";", {L"", L""}},
        {L"a;", {L"a", L""}},
        {L" a ; b", {L" a ", L" b"}},
        {L"", {}},
        {L"abc", {L"abc"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(strToArr(c.text, L';'), c.items) << Vdn_String(c.text).toUtf8();
        EXPECT_EQ(arrToStr(c.items, L';').str(), c.text);
    }
}

TEST(ArrToArrArr, SplitsEveryLineIntoFields) {
    const Vdn_Array<Vdn_StringArray> rows = arrToArrArr({L"HEA100\t96", L"", L"x"}, L'\t');
    ASSERT_EQ(rows.length(), 3);
    EXPECT_EQ(rows[0], (Vdn_StringArray{L"HEA100", L"96"}));
    EXPECT_TRUE(rows[1].isEmpty());
    EXPECT_EQ(rows[2], (Vdn_StringArray{L"x"}));
}

TEST(SplitStringAtSymbol, TwoPartsSplitAtTheFirstSymbol) {
    struct Case {
        const wchar_t* text;
        wchar_t symbol;
        bool trim;
        bool splits;
        const wchar_t* left;
        const wchar_t* right;
    };
    const Case cases[] = {
        {L"a = b + 1", L'=', true, true, L"a", L"b + 1"},
        {L"a = IF(b=1;2;3)", L'=', true, true, L"a", L"IF(b=1;2;3)"},
        {L"a = b", L'=', false, true, L"a ", L" b"},
        {L"=5", L'=', true, true, L"", L"5"},
        {L"b + 1", L'=', true, false, L"", L""},
        {L"200 x 10", L'x', true, true, L"200", L"10"},
        {L"\t x\t", L'x', true, true, L"", L""},
    };
    for (const Case& c : cases) {
        Vdn_String left = L"old";
        Vdn_String right = L"old";
        EXPECT_EQ(splitStringAtSymbol(c.text, c.symbol, left, right, c.trim), c.splits)
            << Vdn_String(c.text).toUtf8();
        EXPECT_EQ(left.str(), c.left) << Vdn_String(c.text).toUtf8();
        EXPECT_EQ(right.str(), c.right) << Vdn_String(c.text).toUtf8();
    }
}

TEST(SplitStringAtSymbol, ListFormTrimsAndDropsEmptyPartsWithItsFlag) {
    Vdn_StringArray parts;
    EXPECT_TRUE(splitStringAtSymbol(L"\"child.tfs\", a ,, b ", L',', parts, true));
    EXPECT_EQ(parts, (Vdn_StringArray{L"\"child.tfs\"", L"a", L"b"}));
    EXPECT_TRUE(splitStringAtSymbol(L"a, ,b", L',', parts, false));
    EXPECT_EQ(parts, (Vdn_StringArray{L"a", L" ", L"b"}));
    EXPECT_FALSE(splitStringAtSymbol(L"single", L',', parts, true));
    EXPECT_EQ(parts, (Vdn_StringArray{L"single"}));
    EXPECT_FALSE(splitStringAtSymbol(L"  ", L',', parts, true));
    EXPECT_TRUE(parts.isEmpty());
    // The mapping file's separators survive as ordinary characters.
    EXPECT_TRUE(
        splitStringAtSymbol(L"A\u0192x\u2022Distance d\u00BFB\u0192y", L'\u00BF', parts, true));
    EXPECT_EQ(parts, (Vdn_StringArray{L"A\u0192x\u2022Distance d", L"B\u0192y"}));
}

TEST(IsNumber, AcceptsDecimalNumbersOnly) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"12", true},   {L"-12.5", true},   {L"+.5", true},    {L"5.", true},     {L" 1E3 ", true},
        {L"1e-3", true}, {L"2.5E+10", true}, {L"", false},      {L".", false},     {L"-", false},
        {L"1e", false},  {L"1e+", false},    {L"1,5", false},   {L"1 000", false}, {L"0x10", false},
        {L"inf", false}, {L"nan", false},    {L"1.2.3", false}, {L"12a", false},   {L"--1", false},
        {L"e5", false},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(isNumber(text), expected) << Vdn_String(text).toUtf8();
}

TEST(Duplicates, HasDuplicatesNamesEachRepeatedNameOnce) {
    const Vdn_StringArray names{L"b", L"A", L"x", L"a", L"B", L"a", L"c"};
    Vdn_StringArray duplicates{L"stale"};
    EXPECT_TRUE(hasDuplicates(names, false, duplicates));
    EXPECT_EQ(duplicates, (Vdn_StringArray{L"b", L"A"}));
    EXPECT_FALSE(hasDuplicates({L"a", L"A", L"b"}, true, duplicates));
    EXPECT_TRUE(duplicates.isEmpty());
    EXPECT_TRUE(hasDuplicates(names, true));
    EXPECT_FALSE(hasDuplicates({}, false));
}

TEST(Duplicates, GetDuplicatesReportsLaterOccurrencesHighestFirst) {
    const Vdn_StringArray names{L"b", L"A", L"x", L"a", L"B", L"a", L"c"};
    EXPECT_EQ(getDuplicates(names, false), (Vdn_Array<int>{5, 4, 3}));
    EXPECT_EQ(getDuplicates(names, true), (Vdn_Array<int>{5}));
    // Removing in the order reported keeps the first occurrence of every name.
    Vdn_StringArray kept = names;
    for (const int index : getDuplicates(names, false))
        kept.removeAt(index);
    EXPECT_EQ(kept, (Vdn_StringArray{L"b", L"A", L"x", L"c"}));
}

TEST(SortArray, NaturalOrderIndependentOfInputOrder) {
    Vdn_StringArray items{L"b10", L"B2", L"a", L"b2", L"b02", L"", L"A", L"b1x"};
    sortArray(items, false);
    EXPECT_EQ(items, (Vdn_StringArray{L"", L"A", L"a", L"b1x", L"B2", L"b2", L"b02", L"b10"}));
    Vdn_StringArray reversed(std::vector<Vdn_String>(items.items().rbegin(), items.items().rend()));
    sortArray(reversed, false);
    EXPECT_EQ(reversed, items);
    Vdn_StringArray caseSensitive{L"b", L"B", L"a"};
    sortArray(caseSensitive, true);
    EXPECT_EQ(caseSensitive, (Vdn_StringArray{L"B", L"a", L"b"}));
}

TEST(StripAndSubstrAfter, FindTheDeclarationParts) {
    EXPECT_EQ(stripSymbols(L"   Int width ", L' ', true, false).str(), L"Int width ");
    EXPECT_EQ(stripSymbols(L"   Int width ", L' ', false, true).str(), L"   Int width");
    EXPECT_EQ(stripSymbols(L"xxaxx", L'x', true, true).str(), L"a");
    EXPECT_EQ(stripSymbols(L"xxxx", L'x', true, true).str(), L"");
    EXPECT_EQ(getSubstrAfter(L"Int width", L" ", false).str(), L"width");
    EXPECT_EQ(getSubstrAfter(L"Double  two words", L" ", false).str(), L" two words");
    EXPECT_EQ(getSubstrAfter(L"Int", L" ", false).str(), L"");
    EXPECT_EQ(getSubstrAfter(L"aXb", L"x", false).str(), L"b");
    EXPECT_EQ(getSubstrAfter(L"aXb", L"x", true).str(), L"");
    EXPECT_EQ(getSubstrAfter(L"ab", L"", false).str(), L"");
}

TEST(SubstringSearch, FindFirstFromHasSubStringAndHasASubstr) {
    EXPECT_EQ(findFirstFrom(L"w + W + w", L"W", 0, false), 0);
    EXPECT_EQ(findFirstFrom(L"w + W + w", L"W", 1, false), 4);
    EXPECT_EQ(findFirstFrom(L"w + W + w", L"W", 5, true), -1);
    EXPECT_TRUE(hasSubString(L"Mapping Version 1.0", L"version", false));
    EXPECT_FALSE(hasSubString(L"Mapping Version 1.0", L"version", true));
    Vdn_String found = L"none";
    EXPECT_TRUE(
        hasASubstr(L"x = callchild(\"c.tfs\", a)", {L"", L"Other", L"CallChild"}, found, false));
    EXPECT_EQ(found.str(), L"CallChild");
    found = L"none";
    EXPECT_FALSE(hasASubstr(L"x = callchild(a)", {L"CallChild"}, found, true));
    EXPECT_EQ(found.str(), L"none");
}

TEST(FindNonExistingString, CountsUpTheTrailingNumberUntilTheNameIsFree) {
    struct Case {
        Vdn_StringArray names;
        const wchar_t* base;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {{L"100", L"120"}, L"200", L"200"},
        {{L"100", L"200"}, L"200", L"201"},
        {{L"200", L"201", L"203"}, L"200", L"202"},
        {{L"Groep", L"groep1"}, L"Groep", L"Groep2"},
        {{L"groep2"}, L"Groep2", L"Groep3"},
        {{L"07"}, L"07", L"08"},
        {{L"99"}, L"99", L"100"},
        {{L""}, L"", L"1"},
        {{L"x1234567890123456789"}, L"x1234567890123456789", L"x12345678901234567891"},
        {{}, L"1", L"1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findNonExistingString(c.names, c.base).str(), c.expected)
            << Vdn_String(c.base).toUtf8();
}

TEST(FindFirstNumbers, SplitsAtTheFirstRunOfDigits) {
    struct Case {
        const wchar_t* text;
        bool found;
        const wchar_t* before;
        const wchar_t* numbers;
    };
    const Case cases[] = {
        {L"HEA200", true, L"HEA", L"200"}, {L"HE200A", true, L"HE", L"200"},
        {L"200x10", true, L"", L"200"},    {L"IPE 80 b2", true, L"IPE ", L"80"},
        {L"UPN", false, L"", L""},         {L"", false, L"", L""},
    };
    for (const Case& c : cases) {
        Vdn_String before = L"old";
        Vdn_String numbers = L"old";
        EXPECT_EQ(findFirstNumbers(c.text, before, numbers), c.found)
            << Vdn_String(c.text).toUtf8();
        EXPECT_EQ(before.str(), c.before) << Vdn_String(c.text).toUtf8();
        EXPECT_EQ(numbers.str(), c.numbers) << Vdn_String(c.text).toUtf8();
    }
}

TEST(GetAlfabet, GivesSpreadsheetColumnLetters) {
    const std::pair<int, const wchar_t*> cases[] = {
        {1, L"A"},    {2, L"B"},     {26, L"Z"},      {27, L"AA"}, {52, L"AZ"}, {53, L"BA"},
        {702, L"ZZ"}, {703, L"AAA"}, {16384, L"XFD"}, {0, L""},    {-3, L""},
    };
    for (const auto& [column, letters] : cases)
        EXPECT_EQ(getAlfabet(column).str(), letters) << column;
}

TEST(Comments, RemoveBlockAndLineComments) {
    const std::pair<const wchar_t*, const wchar_t*> block[] = {
        {L"200 /* wide */ x 10", L"200  x 10"},
        {L"/* all */", L""},
        {L"a /* open", L"a"},
        {L"a/**/b/*c*/d", L"abd"},
        {L"plain", L"plain"},
    };
    for (const auto& [line, expected] : block)
        EXPECT_EQ(removeComments(line).str(), expected) << Vdn_String(line).toUtf8();
    const std::pair<const wchar_t*, const wchar_t*> lineComments[] = {
        {L"HEA100\t96 // note", L"HEA100\t96"},
        {L"   // only a comment", L""},
        {L"no comment", L"no comment"},
        {L"a/b", L"a/b"},
    };
    for (const auto& [line, expected] : lineComments)
        EXPECT_EQ(removeLineComment(line).str(), expected) << Vdn_String(line).toUtf8();
}

} // namespace
