#include "platform/core/text/Vdn_String.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <unordered_set>

namespace {

struct NumberTextCase {
    double value;
    int decimals;
    bool trimZeros;
    const wchar_t* expected;
};

TEST(Vdn_StringNumberText, FixedDecimalsRoundHalfAwayFromZero) {
    const NumberTextCase cases[] = {
        {0.0, 2, false, L"0.00"},
        {-0.0, 2, false, L"0.00"},
        {-0.001, 2, false, L"0.00"},
        {-0.004999, 2, false, L"0.00"},
        {-0.005, 2, false, L"-0.01"},
        {2.675, 2, false, L"2.68"}, // binary value lies below .675
        {0.125, 2, false, L"0.13"}, // exact binary tie
        {1.005, 2, false, L"1.01"},
        {12.5, 0, false, L"13"},
        {-12.5, 0, false, L"-13"},
        {0.5, 0, false, L"1"},
        {0.4, 0, false, L"0"},
        {9.995, 2, false, L"10.00"},
        {999.9996, 3, false, L"1000.000"},
        {123456789.0, 2, false, L"123456789.00"},
        {1e-7, 6, false, L"0.000000"},
        {5e-7, 6, false, L"0.000001"},
        {1e21, 0, false, L"1000000000000000000000"},
        {0.1, 20, false, L"0.10000000000000000000"},
        {3.0, -1, false, L"3"},
        {12.0, 6, false, L"12.000000"},
        {-3.14159, 4, false, L"-3.1416"},
        {12.5, 2, true, L"12.5"},
        {400.0, 2, true, L"400"},
        {-0.33333333, 7, true, L"-0.3333333"},
        {0.0, 3, true, L"0"},
        {-0.0001, 3, true, L"0"},
        {10.0, 0, true, L"10"},
    };
    for (const NumberTextCase& c : cases) {
        EXPECT_EQ(Vdn_String(c.value, c.decimals, c.trimZeros).str(), c.expected)
            << c.value << " with " << c.decimals << " decimals";
    }
}

TEST(Vdn_StringNumberText, NonFiniteValuesAndIntegers) {
    EXPECT_EQ(Vdn_String(std::numeric_limits<double>::quiet_NaN(), 2).str(), L"nan");
    EXPECT_EQ(Vdn_String(std::numeric_limits<double>::infinity(), 2).str(), L"inf");
    EXPECT_EQ(Vdn_String(-std::numeric_limits<double>::infinity(), 2).str(), L"-inf");
    EXPECT_EQ(Vdn_String(0).str(), L"0");
    EXPECT_EQ(Vdn_String(-12).str(), L"-12");
    EXPECT_EQ(Vdn_String(INT_MIN).str(), L"-2147483648");
}

struct DoubleCase {
    const wchar_t* text;
    double value;
    bool ok;
};

TEST(Vdn_StringNumbers, ToDoubleReadsLeadingNumber) {
    const DoubleCase cases[] = {
        {L"12.5", 12.5, true},    {L" -3.25 ", -3.25, true}, {L"1E3", 1000.0, true},
        {L"2.5e-2", 0.025, true}, {L"1e", 1.0, false},       {L"abc", 0.0, false},
        {L"12abc", 12.0, false},  {L".5", 0.5, true},        {L"5.", 5.0, true},
        {L"", 0.0, false},        {L"+7", 7.0, true},        {L"1,5", 1.0, false},
        {L"-", 0.0, false},       {L".", 0.0, false},        {L"\t42\n", 42.0, true},
    };
    for (const DoubleCase& c : cases) {
        bool ok = !c.ok;
        EXPECT_DOUBLE_EQ(Vdn_String(c.text).toDouble(&ok), c.value) << Vdn_String(c.text).toUtf8();
        EXPECT_EQ(ok, c.ok) << Vdn_String(c.text).toUtf8();
    }
    bool ok = true;
    EXPECT_TRUE(std::isinf(Vdn_String(L"1e400").toDouble(&ok)));
    EXPECT_FALSE(ok);
    EXPECT_EQ(Vdn_String(L"1e-400").toDouble(&ok), 0.0);
    EXPECT_FALSE(ok);
}

struct IntCase {
    const wchar_t* text;
    int value;
    bool ok;
};

TEST(Vdn_StringNumbers, ToIntReadsLeadingIntegerAndClamps) {
    const IntCase cases[] = {
        {L"42", 42, true},
        {L" -7 ", -7, true},
        {L"3.5", 3, false},
        {L"2147483647", INT_MAX, true},
        {L"2147483648", INT_MAX, false},
        {L"-2147483648", INT_MIN, true},
        {L"-99999999999999999999", INT_MIN, false},
        {L"x", 0, false},
        {L"", 0, false},
        {L"+", 0, false},
    };
    for (const IntCase& c : cases) {
        bool ok = !c.ok;
        EXPECT_EQ(Vdn_String(c.text).toInt(&ok), c.value) << Vdn_String(c.text).toUtf8();
        EXPECT_EQ(ok, c.ok) << Vdn_String(c.text).toUtf8();
    }
}

TEST(Vdn_StringSearch, FindAndEqualHonourTheCaseFlag) {
    const Vdn_String text(L"Connection STANDARDS \u00C9cole");
    EXPECT_EQ(text.find(L"standards"), -1);
    EXPECT_EQ(text.find(L"standards", false), 11);
    EXPECT_EQ(text.find(L"\u00E9COLE", false), 21);
    EXPECT_EQ(text.find(L"n", true, 4), 9);
    EXPECT_EQ(text.find(L"n", true, 100), -1);
    EXPECT_EQ(text.find(L"n", true, -1), -1);
    EXPECT_EQ(text.find(L"", true, text.length()), text.length());
    EXPECT_TRUE(Vdn_String(L"Abc\u0160").equal(L"aBC\u0161", false));
    EXPECT_FALSE(Vdn_String(L"Abc").equal(L"aBC", true));
    EXPECT_FALSE(Vdn_String(L"Abc").equal(L"Abcd", false));
    EXPECT_TRUE(Vdn_String(L"Integer x").startsWith(L"INT", false));
    EXPECT_FALSE(Vdn_String(L"Integer x").startsWith(L"INT", true));
    EXPECT_FALSE(Vdn_String(L"In").startsWith(L"Int", false));
}

TEST(Vdn_StringEdit, ProducesNewTextAndKeepsTheOriginal) {
    const Vdn_String text(L"  a\u00E9b\u0153 \t");
    EXPECT_EQ(text.trim().str(), L"a\u00E9b\u0153");
    EXPECT_EQ(text.toUpper().str(), L"  A\u00C9B\u0152 \t");
    EXPECT_EQ(Vdn_String(L"\u0178\u00DF").toLower().str(), L"\u00FF\u00DF");
    EXPECT_EQ(text.str(), L"  a\u00E9b\u0153 \t");
    EXPECT_EQ(Vdn_String(L"abcdef").substr(2, 3).str(), L"cde");
    EXPECT_EQ(Vdn_String(L"abcdef").substr(4).str(), L"ef");
    EXPECT_EQ(Vdn_String(L"abcdef").substr(-3, 2).str(), L"ab");
    EXPECT_EQ(Vdn_String(L"abcdef").substr(10, 2).str(), L"");
    EXPECT_EQ(Vdn_String(L"aXbxc").replace(L"x", L"--", false).str(), L"a--b--c");
    EXPECT_EQ(Vdn_String(L"aXbxc").replace(L"x", L"--").str(), L"aXb--c");
    EXPECT_EQ(Vdn_String(L"aaa").replace(L"aa", L"b").str(), L"ba");
    EXPECT_EQ(Vdn_String(L"abc").replace(L"", L"x").str(), L"abc");
    EXPECT_EQ(Vdn_String(L"abc").at(1), L'b');
    EXPECT_EQ(Vdn_String(L"abc")[3], L'\0');
    EXPECT_EQ(Vdn_String(L"abc").at(-1), L'\0');
}

TEST(Vdn_StringOperators, ConcatenateCompareAndHash) {
    Vdn_String text = L"a";
    text += L"b";
    text += L'c';
    EXPECT_EQ(text, Vdn_String(L"abc"));
    EXPECT_EQ((L"x" + text + L'y').str(), L"xabcy");
    EXPECT_TRUE(Vdn_String(L"B") < Vdn_String(L"a"));
    EXPECT_TRUE(Vdn_String(static_cast<const wchar_t*>(nullptr)).isEmpty());
    std::unordered_set<Vdn_String> set{L"a", L"b", L"a"};
    EXPECT_EQ(set.size(), 2u);
}

TEST(Vdn_StringUtf8, RoundTripsEveryPlaneAndKeepsBytesThatAreNoUtf8) {
    const Vdn_String text(L"\u00BF\u0192\u2022\u00A4 \u00E9 \U0001F600");
    EXPECT_EQ(text.toUtf8(), "\xC2\xBF\xC6\x92\xE2\x80\xA2\xC2\xA4 \xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(Vdn_String::fromUtf8(text.toUtf8()), text);
    // A file name of Latin-1 bytes, a cut sequence, an overlong form: each byte comes back as
    // it was given, and none reads as a character it is not.
    for (const std::string bytes : {"caf\xE9.tfs",
                                    "a\xFF"
                                    "b",
                                    "x\xE2\x82", "\xC0\xAF"}) {
        const Vdn_String name = Vdn_String::fromUtf8(bytes);
        EXPECT_EQ(name.toUtf8(), bytes);
        EXPECT_EQ(name.str().find(L'\u00E9'), std::wstring::npos);
    }
}

TEST(Vdn_StringFormat, UsesWindowsWideConventions) {
    EXPECT_EQ(Vdn_String::format(L"Loading spreadsheet:%s\n", L"a.tfs").str(),
              L"Loading spreadsheet:a.tfs\n");
    EXPECT_EQ(Vdn_String::format(L"%d|%5.2f|%S|%c|%ls|%%|%-3s|", 7, 2.5, "narrow", L'\u00E9',
                                 L"wide", L"x")
                  .str(),
              L"7| 2.50|narrow|\u00E9|wide|%|x  |");
    const std::wstring longText(1000, L'z');
    EXPECT_EQ(Vdn_String::format(L"<%s>", longText.c_str()).str(), L"<" + longText + L">");
    EXPECT_TRUE(Vdn_String::format(nullptr).isEmpty());
}

} // namespace
