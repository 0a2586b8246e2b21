// Whole-word replacement: the one-scan replacer against the rules, case by case, and against a
// plain implementation of the rules (name after name, search after search) on random texts.

#include "spreadsheet/standards/WordReplacer.h"

#include "platform/core/text/StringHelpers.h"
#include "spreadsheet/standards/TfCalcSS.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

bool isWordChar(wchar_t ch) {
    return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z') || (ch >= L'0' && ch <= L'9') ||
           ch == L'_';
}

// The rules as written: each name in turn, found from a position on without regard to case,
// replaced where it is a whole word, the search going on after what was inserted.
bool replaceOneNameAtATime(Vdn_String& text, const Vdn_StringArray& names,
                           const Vdn_StringArray& values, bool quote) {
    bool changed = false;
    const int n = std::min(names.length(), values.length());
    for (int i = 0; i < n; ++i) {
        if (names[i].isEmpty())
            continue;
        const Vdn_String insert =
            quote && !isNumber(values[i]) ? L"\"" + values[i] + L"\"" : values[i];
        int pos = 0;
        for (long round = 0; round < 99999999; ++round) {
            const int found = findFirstFrom(text, names[i], pos, false);
            if (found < 0)
                break;
            const int end = found + names[i].length();
            pos = end;
            // A '.' between word characters belongs to the word.
            const auto continues = [&text](int at) {
                return isWordChar(text[at]) ||
                       (text[at] == L'.' && at > 0 && at + 1 < text.length() &&
                        isWordChar(text[at - 1]) && isWordChar(text[at + 1]));
            };
            const bool starts = found == 0 || !continues(found - 1);
            const bool ends = end == text.length() || !continues(end);
            if (!starts || !ends)
                continue;
            text = text.substr(0, found) + insert + text.substr(end);
            pos = found + insert.length();
            changed = true;
        }
    }
    return changed;
}

struct Case {
    const char* what;
    const wchar_t* text;
    Vdn_StringArray names;
    Vdn_StringArray values;
    bool quote;
    const wchar_t* expected;
};

class WordReplacerCases : public ::testing::TestWithParam<Case> {};

TEST_P(WordReplacerCases, FollowTheRules) {
    const Case& c = GetParam();
    Vdn_String text = c.text;
    const bool changed = TfCalcSS::replaceWords(text, c.names, c.values, c.quote);
    EXPECT_EQ(text, Vdn_String(c.expected));
    EXPECT_EQ(changed, Vdn_String(c.text) != Vdn_String(c.expected));
    Vdn_String reference = c.text;
    replaceOneNameAtATime(reference, c.names, c.values, c.quote);
    EXPECT_EQ(text, reference) << "the plain rules give the same";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, WordReplacerCases,
    ::testing::Values(
        Case{"both references", L"L2*L", {L"L", L"L2"}, {L"B5", L"B6"}, false, L"B6*B5"},
        Case{"inside a longer word", L"Length + L", {L"L"}, {L"B5"}, false, L"Length + B5"},
        Case{"case does not matter", L"width*WIDTH", {L"Width"}, {L"B5"}, false, L"B5*B5"},
        Case{"digits and _ are word characters",
             L"x_1 + 1x + x",
             {L"x"},
             {L"C1"},
             false,
             L"x_1 + 1x + C1"},
        Case{"non-ASCII letters are not",
             L"\u00E9x\u00E9",
             {L"x"},
             {L"C1"},
             false,
             L"\u00E9C1\u00E9"},
        Case{"text before and after", L"a", {L"a"}, {L"b"}, false, L"b"},
        Case{"a text is quoted", L"gen_Grade", {L"gen_Grade"}, {L"S235"}, true, L"\"S235\""},
        Case{"a number is not", L"2 * gen_Gap", {L"gen_Gap"}, {L"12.5"}, true, L"2 * 12.5"},
        Case{"an inserted value meets later names", L"A", {L"A", L"B"}, {L"B", L"C"}, false, L"C"},
        Case{"but never the name that inserted it", L"A", {L"A"}, {L"A A"}, false, L"A A"},
        Case{"nor names before it", L"B", {L"A", L"B"}, {L"X", L"A"}, false, L"A"},
        Case{"the first of two equal names wins", L"w", {L"W", L"w"}, {L"B1", L"B2"}, false, L"B1"},
        Case{"dotted names",
             L"\"M\" & Bolts.Diameter",
             {L"Bolts.Diameter"},
             {L"B3"},
             false,
             L"\"M\" & B3"},
        Case{"a dotted name after its own first word",
             L"Bolts.Diameter + Bolts",
             {L"Bolts", L"Bolts.Diameter"},
             {L"B2", L"B3"},
             false,
             L"B3 + B2"},
        Case{"a dotted word is no name's suffix either",
             L"Plate.Cut * Cut.Plate",
             {L"Cut", L"Plate"},
             {L"B2", L"B3"},
             false,
             L"Plate.Cut * Cut.Plate"},
        Case{"a dot that joins no words separates",
             L"a. + .a + a..b",
             {L"a"},
             {L"B2"},
             false,
             L"B2. + .B2 + B2..b"},
        Case{
            "a name that starts without a word character", L"a+-b", {L"-b"}, {L"X"}, false, L"a+X"},
        Case{"is a whole word only after a non-word", L"a-b", {L"-b"}, {L"X"}, false, L"a-b"},
        Case{"a name of no word character at all", L"a + b", {L"+"}, {L"-"}, false, L"a - b"},
        Case{"an empty name is no word", L"a + b", {L""}, {L"X"}, false, L"a + b"},
        Case{"the shorter list counts", L"a b", {L"a", L"b"}, {L"1"}, false, L"1 b"},
        Case{"spaces inside a name", L"(Plate width)", {L"Plate width"}, {L"B4"}, false, L"(B4)"}),
    [](const ::testing::TestParamInfo<Case>& info) {
        std::string name = info.param.what;
        for (char& ch : name)
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return name;
    });

// Random texts over a small alphabet that makes words, near-words, case variants and names
// with separators collide often.
TEST(WordReplacerRandom, AgreesWithThePlainRules) {
    std::mt19937 random(20240611);
    const std::wstring alphabet = L"aAbB1_ .+\"x";
    const auto word = [&](int maxLength) {
        std::wstring out;
        const int length = 1 + static_cast<int>(random() % static_cast<unsigned>(maxLength));
        for (int i = 0; i < length; ++i)
            out += alphabet[random() % alphabet.size()];
        return out;
    };
    for (int round = 0; round < 20000; ++round) {
        Vdn_StringArray names;
        Vdn_StringArray values;
        const int count = 1 + static_cast<int>(random() % 5);
        for (int i = 0; i < count; ++i) {
            names.append(word(3));
            values.append(random() % 4 == 0 ? Vdn_String(L"12.5") : Vdn_String(word(4)));
        }
        const bool quote = random() % 2 == 0;
        const Vdn_String text = word(14);
        Vdn_String fast = text;
        Vdn_String plain = text;
        const bool fastChanged = TfCalcSS::replaceWords(fast, names, values, quote);
        const bool plainChanged = replaceOneNameAtATime(plain, names, values, quote);
        ASSERT_EQ(fast, plain) << "text " << text << " names " << names << " values " << values;
        ASSERT_EQ(fastChanged, plainChanged) << text;
    }
}

TEST(WordReplacerLimits, ATextThatWouldGrowWithoutBoundStaysAsItWas) {
    // Each name doubles the text: 2^24 copies of "a" are far beyond any cell.
    Vdn_StringArray names;
    Vdn_StringArray values;
    for (int i = 0; i < 24; ++i) {
        names.append(L"n" + Vdn_String(i));
        values.append(L"n" + Vdn_String(i + 1) + L" n" + Vdn_String(i + 1));
    }
    names.append(L"n24");
    values.append(L"a");
    Vdn_String text = L"n0";
    EXPECT_FALSE(TfCalcSS::replaceWords(text, names, values, false));
    EXPECT_EQ(text, L"n0");
}

TEST(WordReplacerLimits, ManyNamesCostOneLookUpPerWord) {
    // 20,000 names and a text that names the last of them: found, and no other changes.
    Vdn_StringArray names;
    Vdn_StringArray values;
    for (int i = 0; i < 20000; ++i) {
        names.append(L"v" + Vdn_String(i));
        values.append(L"B" + Vdn_String(i + 1));
    }
    const ss::WordReplacer replacer(names, values, false);
    std::wstring text = L"v19999 * 2 + V0 - v20000";
    EXPECT_TRUE(replacer.mayOccurIn(text));
    EXPECT_TRUE(replacer.replace(text));
    EXPECT_EQ(text, L"B20000 * 2 + B1 - v20000");
    EXPECT_FALSE(replacer.mayOccurIn(L"w1 + 3"));
}

} // namespace
