// Edge cases of the custom functions: look-up tables and size lists in unusual shapes and
// encodings, the thickness filter of the width function, arguments that fail before the
// tolerance warning, and the rounding fallback with a negative step.

#include "FunctionsTestSupport.h"
#include "spreadsheet/functions/SizeList.h"
#include "spreadsheet/functions/StandardValue.h"
#include "tests/core/TempFolder.h"

#include <string>
#include <vector>

namespace ssfunctions_test {
namespace {

// A function test whose data files are written by the test itself, named by full path.
class DataFileEdges : public FunctionsTest {
protected:
    std::wstring file(const std::string& name, const std::string& bytes) const {
        folder.write(name, bytes);
        return folder.name(name).str();
    }
    // A formula calling function on the quoted file name and then args (each with its comma).
    static std::wstring call(const wchar_t* function, const std::wstring& name,
                             const wchar_t* args) {
        return L"=" + std::wstring(function) + L"(\"" + name + L"\"" + args + L")";
    }
    struct Case {
        const wchar_t* function;
        const wchar_t* args;
        grid::Value expected;
    };
    void expectCalls(const std::wstring& name, const std::vector<Case>& cases) {
        for (const Case& c : cases) {
            const std::wstring formula = call(c.function, name, c.args);
            const grid::Value actual = evaluate(formula.c_str());
            if (actual.isNumber() && c.expected.isNumber())
                EXPECT_NEAR(actual.asNumber(), c.expected.asNumber(), 1e-9) << Vdn_String(formula);
            else
                EXPECT_EQ(actual, c.expected) << Vdn_String(formula);
        }
    }

    TempFolder folder;
};

TEST_F(DataFileEdges, TheFirstRowWithTheKeyDecidesEvenWithoutAnAnswer) {
    const std::wstring table = file("edges.txt", "dup\n"
                                                 "dup\tsecond\n"
                                                 "twice\tfirst\n"
                                                 "TWICE\tsecond\n"
                                                 "a;b;c;d;e;f\tsix parts\n"
                                                 "-1.500000;0.333333;20.000000\tnumbers\n"
                                                 "block/*c*/\tkept\n"
                                                 "answer\t  spaced  \textra\tfields\n");
    expectCalls(table,
                {
                    // The first "dup" row has no answer; the second is never looked at.
                    {L"GETCELL", L",\"dup\"", failed()},
                    {L"GETCELL", L",\"twice\"", text(L"first")},
                    {L"GETCELL", L",\"Twice\"", text(L"first")},
                    {L"GETPROFCELL", L",\"TWICE\"", text(L"first")},
                    // Six key parts is the most, joined with ';' as they stand.
                    {L"GETCELL", L",\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"", text(L"six parts")},
                    {L"GETCELL", L",\"a;b\",\"c;d\",\"e;f\"", text(L"six parts")},
                    {L"GETCELL", L",\"a\",\"b\"", failed()},
                    // Numbers with 6 decimals, negative and repeating ones too.
                    {L"GETCELL", L",-1.5,1/3,20", text(L"numbers")},
                    {L"GETCELL", L",-1.5,1/3,\"20\"", failed()},
                    // Only "//" starts a comment in a table.
                    {L"GETCELL", L",\"block/*c*/\"", text(L"kept")},
                    {L"GETCELL", L",\"block\"", failed()},
                    // The answer field as it stands; further fields are ignored.
                    {L"GETCELL", L",\"answer\"", text(L"  spaced  ")},
                    // A key part that is an error ends the key before it starts.
                    {L"GETCELL", L",1/0", failed()},
                });
}

TEST_F(DataFileEdges, TablesInOtherEncodingsAndLineEndsGiveCleanFields) {
    struct Encoded {
        const char* name;
        std::string bytes;
    };
    const Encoded files[] = {
        {"crlf-bom.txt", "\xEF\xBB\xBFkey\tvalue\r\nMa\xC3\x9F"
                         "e\t\xC2\xBF\r\nlast\t\xC6\x92\r\n"},
        {"cp1252.txt", "key\tvalue\r\nMa\xDF"
                       "e\t\xBF\rlast\t\x83"},
        {"utf16.txt", std::string("\xFF\xFEk\0e\0y\0\t\0v\0a\0l\0u\0e\0\r\0\n\0"
                                  "M\0a\0\xDF\0e\0\t\0\xBF\0\n\0l\0a\0s\0t\0\t\0\x92\x01",
                                  50)},
    };
    for (const Encoded& f : files) {
        SCOPED_TRACE(f.name);
        const std::wstring table = file(f.name, f.bytes);
        expectCalls(table, {
                               {L"GETCELL", L",\"key\"", text(L"value")},
                               {L"GETCELL", L",\"ma\u00DFe\"", text(L"\u00BF")},
                               {L"GETCELL", L",\"last\"", text(L"\u0192")},
                           });
    }
}

TEST_F(DataFileEdges, SizeListLinesInEveryShape) {
    const std::wstring list = file("sizes.txt", "/* see // below */ 320\n"
                                                "150X8\n"
                                                "180x6\n"
                                                "  210 x 9  // note\n"
                                                "/* only a comment */\n"
                                                "   \n"
                                                "\t\n"
                                                "400 x 20 x 3\n"
                                                "/* unterminated 500\n"
                                                "1e2 x 2.5\r\n");
    const ss::SizeList sizes = ss::readSizeList(Vdn_String(list));
    // Block comments go before the line comment; only the lower-case x splits; blank lines
    // give nothing; the first x splits and the rest is read as far as it is a number.
    EXPECT_EQ(sizes.firstValues, (Vdn_Array<double>{320, 150, 180, 210, 400, 100}));
    EXPECT_EQ(sizes.secondValues, (Vdn_Array<double>{0, 0, 6, 9, 20, 2.5}));
}

TEST_F(DataFileEdges, ASizeListWithoutSizesFallsBackToRounding) {
    const std::wstring list = file("empty.txt", "// nothing but comments\n/* here */\n\n");
    expectCalls(list, {
                          {L"STDSIZEWITHTOLERANCE", L",5,222,2,2", num(220)},
                          {L"STDTHICKNESSWITHTOLERANCE", L",5,223,2,2", num(225)},
                          {L"STDWIDTHWITHTOLERANCE", L",5,10,222,2,2", num(220)},
                      });
}

class ToleranceEdges : public FunctionsTest {};

// flats.txt holds 200 x 10, 250 x 12 and 300. 251 lies 1 above 250 and is rounded to itself
// (step 100, tolerances 2) when 250 is no candidate.
TEST_F(ToleranceEdges, WidthCandidatesNeedExactlyTheThicknessOrNone) {
    expectAll({
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",100,12,251,2,2)", num(250)},
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",100,11.9,251,2,2)", num(251)},
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",100,12.0000001,251,2,2)", num(251)},
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",100,10,251,2,2)", num(251)},
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",100,0,251,2,2)", num(251)},
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",100,10,201,2,2)", num(200)},
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",100,0,299,2,2)", num(300)},
        // Size and thickness take every line, whatever its thickness.
        {L"=STDSIZEWITHTOLERANCE(\"flats.txt\",100,251,2,2)", num(250)},
        {L"=STDTHICKNESSWITHTOLERANCE(\"flats.txt\",100,1,2,2)", num(0)},
    });
}

TEST_F(ToleranceEdges, ArgumentsThatDoNotFitFailBeforeAnyWarning) {
    // Every call has tolerances that add up to less than nothing, and one argument that does
    // not fit: the function fails and the user sees no message.
    expectAll({
        {L"=STDSIZEWITHTOLERANCE(\"flats.txt\",5,\"222\",-1,0.5)", failed()},
        {L"=STDSIZEWITHTOLERANCE(\"flats.txt\",,222,-1,0.5)", failed()},
        {L"=STDSIZEWITHTOLERANCE(12,5,222,-1,0.5)", failed()},
        {L"=STDSIZEWITHTOLERANCE(\"flats.txt\",5,222,-1,1/0)", failed()},
        {L"=STDTHICKNESSWITHTOLERANCE(\"flats.txt\",5,A1,-1,0.5)", failed()},
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",5,\"12\",222,-1,0.5)", failed()},
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",5,,222,-1,0.5)", failed()},
    });
    EXPECT_TRUE(user.messageBoxes().empty());
}

TEST_F(ToleranceEdges, ANegativeStepRoundsLikeItsSize) {
    // ObjectExportRoundTo and ObjectExportRoundUp count a negative step as its size; the
    // multiple below must too, or the fallback picks a value outside both tolerances.
    EXPECT_DOUBLE_EQ(ss::roundDownTo(12.9, -0.5), 12.5);
    EXPECT_DOUBLE_EQ(ss::roundDownTo(-12.1, -0.5), -12.5);
    struct Case {
        double value, step, up, down, expected;
    };
    const Case cases[] = {
        {223, -5, 2, 2, 225},
        {222, -5, 2, 2, 220},
        {222, -5, 3, 1, 225},
        {223, -5, 1, 3, 220},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(ss::roundWithinTolerance(c.value, c.step, c.up, c.down), c.expected)
            << c.value << " step " << c.step;
    }
    expectAll({{L"=STDSIZEWITHTOLERANCE(\"nosuch.txt\",-5,223,2,2)", num(225)}});
}

class ValueEdges : public FunctionsTest {};

TEST_F(ValueEdges, LeadingNumbersOfTexts) {
    expectAll({
        {L"=TONUMBER(\".5\")", num(0.5)},
        {L"=TONUMBER(\"5.\")", num(5)},
        {L"=TONUMBER(\"+3\")", num(3)},
        {L"=TONUMBER(\"1,5\")", num(1)},
        {L"=TONUMBER(\"  -2e-1abc\")", num(-0.2)},
        {L"=TONUMBER(\"1e\")", num(1)},
        {L"=TONUMBER(\"e5\")", num(0)},
        {L"=TONUMBER(\"--1\")", num(0)},
        {L"=TONUMBER(\"- 1\")", num(0)},
        {L"=ISPOSITIVE(\"+3\")", num(1)},
        {L"=ISPOSITIVE(\" 5\")", num(1)},
        {L"=ISPOSITIVE(\"1e-300\")", num(1)},
        {L"=ISPOSITIVE(\"0.0\")", num(0)},
        {L"=ISPOSITIVE(\"-0\")", num(0)},
        {L"=ISPOSITIVE(\"\"\"\"\"\")", num(0)},
    });
}

TEST_F(ValueEdges, ListItemsAsTheyStand) {
    expectAll({
        {L"=GETARRAYITEM(\"a;b;\",3)", text(L"")},
        {L"=GETARRAYITEM(\"a;b;\",4)", text(L"")},
        {L"=GETARRAYITEM(\";\",2)", text(L"")},
        {L"=GETARRAYITEM(\" a ; b \",2)", text(L" b ")},
        {L"=GETARRAYITEM(\"a;b;c\",3.999)", text(L"c")},
        {L"=GETARRAYITEM(\"a;b;c\",-0.5)", text(L"")},
        {L"=GETARRAYITEM(\"a,b\",1)", text(L"a,b")},
        {L"=GETARRAYITEM(\"a;b\",1/0)", failed()},
    });
}

TEST_F(ValueEdges, NamesNeedATextArgument) {
    // A1 is empty.
    expectAll({
        {L"=GETSYSNAME(A1)", failed()},
        {L"=GETSYSNAME(1/0)", failed()},
        {L"=SECTIONSIZE(A1,1)", failed()},
        {L"=SECTIONSIZE(\"HEA-200\",A1)", failed()},
        {L"=ISNULL(A1)+ISPOSITIVE(A1)", num(1)},
    });
}

} // namespace
} // namespace ssfunctions_test
