#include "platform/grid/formula/FormulaParser.h"

#include "GridTestSupport.h"
#include "platform/grid/sheet/Limits.h"

#include <string>

namespace grid::test {
namespace {

struct Rejection {
    const wchar_t* formula;
    std::size_t position; // character offset in the text given
    const wchar_t* reason;
};

TEST(FormulaParser, RejectsWithPositionAndReason) {
    const Rejection cases[] = {
        {L"=1+", 3, L"formula ends where a value is expected"},
        {L"=(1+2", 5, L"expected ')' to close the '(' at character 2"},
        {L"=\"abc", 1, L"text without closing quote"},
        {L"=1 2", 3, L"unexpected '2'"},
        {L"=SUM(1;2", 8, L"expected ',' or ')' in the arguments of SUM"},
        {L"=A1:", 4, L"a range needs a cell reference after ':'"},
        {L"=A1:5", 4, L"a range needs a cell reference after ':'"},
        {L"=1e+", 1, L"malformed number"},
        {L"=2x", 2, L"unexpected character 'x' after a number"},
        {L"=1@2", 2, L"unexpected character '@'"},
        {L"=#FOO!", 1, L"unknown error value"},
        {L"=SIN()", 1, L"SIN needs at least 1 argument"},
        {L"=PI(1)", 1, L"PI takes at most 0 arguments"},
        {L"=IF(1,2,3,4)", 1, L"IF takes at most 3 arguments"},
        {L"=$", 1, L"malformed reference"},
        {L"=R0C1", 1, L"reference outside the sheet"},
        {L"=)", 1, L"unexpected ')'"},
        {L"=", 1, L"empty formula"},
        {L"=1+*2", 3, L"unexpected '*'"},
        {L"={1,2;3}", 7, L"row 2 of the array has 1 values where the first has 2"},
        {L"={1,2;3,4,5}", 11, L"row 2 of the array has 3 values where the first has 2"},
        {L"={1,A1}", 4, L"an array holds only numbers, texts, TRUE, FALSE and error values"},
        {L"={1,2", 5, L"expected ',', ';' or '}' in the array opened at character 2"},
        {L"={-\"a\"}", 3, L"a sign in an array must precede a number"},
        {L"={}", 2, L"an array holds only numbers, texts, TRUE, FALSE and error values"},
    };
    for (const Rejection& c : cases) {
        SCOPED_TRACE(narrow(c.formula));
        ExprPtr root;
        const Result result = FormulaParser::parse(c.formula, {5, 5}, ReferenceStyle::A1, root);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(narrow(result.message()), narrow(c.reason));
        EXPECT_EQ(result.where(), TextLocation::inFormula(c.position));
        EXPECT_EQ(root, nullptr);
    }
}

TEST(FormulaParser, RejectedFormulaLeavesTheCellAsItWas) {
    Sheet sheet;
    sheet.setMaxCols(3);
    sheet.setMaxRows(3);
    ASSERT_TRUE(sheet.setFormula({1, 1}, L"=2*3"));
    const Result result = sheet.setFormula({1, 1}, L"=2*(3");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(sheet.cellText({1, 1}, TextKind::Formula), L"2*3");
    EXPECT_EQ(sheet.cellText({1, 1}, TextKind::Value), L"6");
}

struct Printed {
    const wchar_t* input;
    const wchar_t* text; // as read back, without '='
};

TEST(FormulaParser, PrintsFormulasBackInCanonicalForm) {
    const Printed cases[] = {
        {L"=sum(a1:b2; 1)", L"SUM(A1:B2,1)"},
        {L"=-2^2", L"-2^2"},
        {L"= (1 + 2) * 3", L"(1+2)*3"},
        {L"=\"a\"\"b\"", L"\"a\"\"b\""},
        {L"=IF(A1,,2)", L"IF(A1,,2)"},
        {L"=$A$1+B$2+$C3", L"$A$1+B$2+$C3"},
        {L"=B3:A1", L"A1:B3"},
        {L"=$B3:A$1", L"A$1:$B3"},
        {L"=1E+300*0.1", L"1E+300*0.1"},
        {L"=50%%", L"50%%"},
        {L"=--A1", L"--A1"},
        {L"=LOG10(100)", L"LOG10(100)"},
        {L"=#ref!+1", L"#REF!+1"},
        {L"=x_Name1", L"x_Name1"},
        {L"=true<>False", L"TRUE<>FALSE"},
        {L"=SUM({1, -2.5 ;\"a\",true})", L"SUM({1,-2.5;\"a\",TRUE})"},
        {L"={#N/A}", L"{#N/A}"},
        {L"=RIGHT(\"Tessa\",)", L"RIGHT(\"Tessa\",)"},
    };
    Sheet sheet;
    sheet.setMaxCols(10);
    sheet.setMaxRows(10);
    for (const Printed& c : cases) {
        SCOPED_TRACE(narrow(c.input));
        ASSERT_TRUE(sheet.setFormula({5, 5}, c.input));
        const std::wstring text = sheet.cellText({5, 5}, TextKind::Formula).value();
        EXPECT_EQ(narrow(text), narrow(c.text));
        // What is printed parses back to the same formula.
        ASSERT_TRUE(sheet.setFormula({5, 6}, text));
        EXPECT_EQ(sheet.cellText({5, 6}, TextKind::Formula), c.text);
    }
}

TEST(FormulaParser, ReadsAndWritesR1C1References) {
    Sheet sheet;
    sheet.setMaxCols(10);
    sheet.setMaxRows(10);
    ASSERT_TRUE(sheet.setFormula({3, 5}, L"=R1C1+R[-1]C[2]+RC"));
    EXPECT_EQ(sheet.cellText({3, 5}, TextKind::Formula), L"$A$1+E4+C5");
    sheet.setReferenceStyle(ReferenceStyle::R1C1);
    EXPECT_EQ(sheet.cellText({3, 5}, TextKind::Formula), L"R1C1+R[-1]C[2]+RC");
    // A word that reads both ways follows the sheet's style.
    ASSERT_TRUE(sheet.setFormula({2, 2}, L"=RC1"));
    EXPECT_EQ(sheet.cellText({2, 2}, TextKind::Formula), L"RC1");
    sheet.setReferenceStyle(ReferenceStyle::A1);
    EXPECT_EQ(sheet.cellText({2, 2}, TextKind::Formula), L"$A2");
    ASSERT_TRUE(sheet.setFormula({2, 3}, L"=RC1"));
    EXPECT_EQ(sheet.cellText({2, 3}, TextKind::Formula), L"RC1"); // column RC, row 1
}

TEST(FormulaParser, ReferencesBeyondTheSheetLimitsAreNames) {
    checkCases({
        {L"=XFD1", num(0)},
        {L"=XFE1", error(ErrorCode::Name)},
        {L"=A1048577", error(ErrorCode::Name)},
    });
}

// Nesting beyond the limit fails cleanly; no input reaches the stack's end (this test also
// runs in the sanitizer build).
TEST(FormulaParser, DeepNestingFailsCleanly) {
    for (const std::wstring& open :
         {std::wstring(L"("), std::wstring(L"SIN("), std::wstring(L"-(")}) {
        std::wstring formula = L"=";
        for (int i = 0; i < 10000; ++i)
            formula += open;
        formula += L"1";
        formula += std::wstring(10000, L')');
        ExprPtr root;
        const Result result = FormulaParser::parse(formula, {1, 1}, ReferenceStyle::A1, root);
        EXPECT_FALSE(result.ok());
        EXPECT_NE(result.message().find(L"nested"), std::wstring::npos);
    }
    // The deepest tree the limit allows, every precedence level used at every nesting level,
    // still evaluates, prints and adjusts.
    std::wstring deepest = L"=";
    for (int i = 0; i < kMaxNesting; ++i)
        deepest += L"1=1&1+1*1^-(";
    deepest += L"7";
    for (int i = 0; i < kMaxNesting; ++i)
        deepest += L")%";
    FormulaSheet fixture;
    EXPECT_TRUE(fixture.evaluate(deepest).isBoolean());
    EXPECT_EQ(fixture.sheet.cellText(FormulaSheet::kHost, TextKind::Formula).value(),
              deepest.substr(1));
    EXPECT_TRUE(fixture.sheet.insertRows(1, 1));
    checkCases({
        {(L"=" + std::wstring(kMaxNesting, L'(') + L"7" + std::wstring(kMaxNesting, L')')).c_str(),
         num(7)},
    });
}

TEST(FormulaParser, MegabyteFormulasWork) {
    FormulaSheet fixture;
    std::wstring sum = L"=1";
    while (sum.size() < 1000000)
        sum += L"+1";
    EXPECT_TRUE(sameValue(fixture.evaluate(sum), num(static_cast<double>(sum.size() / 2))));

    std::wstring signs = L"=" + std::wstring(1000000, L'-') + L"1"; // an even count
    EXPECT_TRUE(sameValue(fixture.evaluate(signs), num(1)));

    std::wstring args = L"=SUM(1";
    double count = 1;
    for (; args.size() < 1000000; ++count)
        args += L",1";
    args += L")";
    EXPECT_TRUE(sameValue(fixture.evaluate(args), num(count)));

    // The printed text of such a formula reads back too.
    const std::wstring printed =
        fixture.sheet.cellText(FormulaSheet::kHost, TextKind::Formula).value();
    EXPECT_EQ(printed.size(), args.size() - 1);
}

} // namespace
} // namespace grid::test
