// Results of the engine's later functions, inline arrays, typed numbers and cancelling sums,
// as LibreOffice Calc gives them for the same formulas (Excel's error names where Calc shows
// Err:5xx). The cells the formulas read are FormulaSheet's.
#include "GridTestSupport.h"
#include "platform/grid/functions/CustomFunction.h"
#include "platform/grid/values/Rounding.h"

#include <cmath>
#include <vector>

namespace grid::test {
namespace {

using E = ErrorCode;

// A difference of decimal inputs carries the binary noise of its operands; a user sees (and
// every consumer must get) the decimal result. Exact comparisons: a tolerance would hide the
// fault.
TEST(Cancellation, SnapsNoiseAndKeepsExactResults) {
    struct Case {
        double result;
        double expected;
    };
    const Case cases[] = {
        {Rounding::approxSub(5.07, 5), 0.07},
        {Rounding::approxSub(7.03, 7), 0.03},
        {Rounding::approxAdd(-5, 5.07), 0.07},
        {Rounding::approxSub(0.3, 0.1), 0.2},
        {Rounding::approxSub(100.1, 100), 0.1},
        {Rounding::approxSub(1e6 + 0.3, 1e6), 0.3},
        {Rounding::approxSub(-2.2, -2), -0.2},
        {Rounding::approxSub(0.1 + 0.2, 0.3), 0},
        // Exact in binary, with more digits than noise: kept.
        {Rounding::approxSub(1, std::ldexp(1.0, -30)), 1 - std::ldexp(1.0, -30)},
        {Rounding::approxSub(1.5, 1.25), 0.25},
        // Whole numbers add exactly, even beyond 15 digits.
        {Rounding::approxSub(9007199254740992.0, 1), 9007199254740991.0},
        {Rounding::approxSub(3e15 + 3, 2), 3e15 + 1},
        {Rounding::approxSub(123456789012345.0, 2), 123456789012343.0},
        // A sum that does not cancel is left to the tolerant comparison.
        {Rounding::approxAdd(0.1, 0.2), 0.1 + 0.2},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(cases[i].result, cases[i].expected);
    }
}

TEST(Cancellation, ReachesEveryConsumer) {
    checkCases({
        {L"=5.07-5-0.07", num(0)},
        {L"=ROUNDUP(5.07-5,2)", num(0.07)},
        {L"=ROUNDUP((5.07-5)*1000,0)", num(70)},
        {L"=CEILING(7.03-7,0.01)", num(0.03)},
        {L"=CEILING(5.07-5,0.01)", num(0.07)},
        {L"=FLOOR(7.03-7,0.01)", num(0.03)},
        {L"=INT((5.07-5)*100)", num(7)},
        {L"=MROUND(10.35-10,0.05)", num(0.35)},
        {L"=ROUNDUP(100.1-100,1)", num(0.1)},
        {L"=(5.07-5)=0.07", boolean(true)},
        {L"=5.07-5>0.07", boolean(false)},
        {L"=5.07-5<0.07", boolean(false)},
        {L"=(0.3-0.1)=0.2", boolean(true)},
        {L"=SUM(5.07,-5)-0.07", num(0)},
        {L"=MOD(SUM(3E+15+3,-2),10)", num(1)},
        {L"=SUM(123456789012345,-2)-123456789012343", num(0)},
        {L"=ROUNDUP(SUM(5.07,-5),2)", num(0.07)},
        {L"=ROUNDUP(SUMPRODUCT({5.07,-5},{1,1}),2)", num(0.07)},
        {L"=MATCH(0.07,{0.05,0.07,0.09},0)&\"\"", text(L"2")},
        {L"=MATCH(5.07-5,{0.05,0.07,0.09},0)", num(2)},
        {L"=COUNTIF({0.07,0.08},5.07-5)", num(1)},
    });
}

// Custom functions (the engineering functions of the standards) get the snapped value, read
// from a cell or computed in the argument.
TEST(Cancellation, CustomFunctionsReceiveSnappedValues) {
    FormulaSheet fixture;
    std::vector<double> received;
    ASSERT_TRUE(fixture.sheet.addCustomFunction(
        {L"GRAB", 1, 1, false, [&](FunctionValue& result, std::span<const FunctionValue> args) {
             received.push_back(args[0].number());
             result = FunctionValue::ofReal(args[0].number());
             return true;
         }}));
    ASSERT_TRUE(fixture.sheet.setFormula({14, 1}, L"=5.07-5"));
    fixture.evaluate(L"=GRAB(N1)");
    fixture.evaluate(L"=GRAB(5.07-5)");
    fixture.evaluate(L"=GRAB(SUM(7.03,-7))");
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0], 0.07);
    EXPECT_EQ(received[1], 0.07);
    EXPECT_EQ(received[2], 0.03);
}

TEST(FunctionArguments, EmptyPlacesAreValues) {
    checkCases({
        {L"=RIGHT(\"Tessa\",)", text(L"")},
        {L"=LEFT(\"Tessa\",)", text(L"")},
        {L"=MID(\"Tessa\",2,)", text(L"")},
        {L"=ROUND(2.5,)", num(3)},
        {L"=IF(TRUE,)", num(0)},
        {L"=VLOOKUP(35,E1:F4,2,)", error(E::NA)}, // an empty "sorted" is FALSE
        {L"=MATCH(25,E1:E4,)", error(E::NA)},     // and an empty type 0, exact
        {L"=SUBSTITUTE(\"aaa\",\"a\",\"b\",)", error(E::Value)},
        {L"=SUM(1,,2)", num(3)},
    });
}

TEST(InlineArrays, WorkWhereBlocksDo) {
    checkCases({
        {L"={10,12,16}", num(10)}, // one value wanted: the first
        {L"=SUM({10,12,16})", num(38)},
        {L"=SUM({1,\"a\",TRUE})", num(1)}, // as in a block, only numbers count
        {L"=COUNT({1,\"a\",TRUE})", num(1)},
        {L"=AVERAGE({1,2;3,4})", num(2.5)},
        {L"=MAX({1,-5,3})", num(3)},
        {L"=MIN({-1,-5,3})", num(-5)},
        {L"=INDEX({10,12,16},2)", num(12)},
        {L"=INDEX({1,2;3,4},2,1)", num(3)},
        {L"=INDEX({1,2;3,4},3,1)", error(E::Ref)},
        {L"=MATCH(12,{10,12,16},0)", num(2)},
        {L"=MATCH(13,{10,12,16})", num(2)},
        {L"=VLOOKUP(3,{1,\"a\";3,\"c\"},2,FALSE)", text(L"c")},
        {L"=HLOOKUP(2,{1,2;\"x\",\"y\"},2,FALSE)", text(L"y")},
        {L"=SUM(CHOOSE(2,{1,2},{3,4}))", num(7)},
        {L"=SUM(CHOOSE(2,A1:A3,E1:E4))", num(100)},
        {L"=ROWS({1,2;3,4;5,6})", num(3)},
        {L"=COLUMNS({10,12,16})", num(3)},
        {L"=SUMPRODUCT({1,2,3},{4,5,6})", num(32)},
        {L"=SUMPRODUCT({1,2,3},{4,5})", error(E::Value)},
        {L"=LARGE({3,9,4},2)", num(4)},
        {L"=SUM({-1,#N/A})", error(E::NA)},
    });
}

TEST(FunctionValues, ConditionsAndWildcards) {
    checkCases({
        {L"=COUNTIF(E1:E4,\">=20\")", num(3)},
        {L"=COUNTIF(A1:A3,2)", num(1)},
        {L"=COUNTIF(A1:A3,\"2\")", num(1)},
        {L"=COUNTIF(C1:C5,\"<>\")", num(4)},
        {L"=COUNTIF(C1:C5,\"\")", num(1)},
        {L"=COUNTIF(C1:C5,TRUE)", num(1)},
        {L"=COUNTIF(G1:G3,\"*an*\")", num(1)},
        {L"=COUNTIF(G1:G3,\"?PPLE\")", num(1)},
        {L"=COUNTIF(G1:G3,\"<>apple\")", num(2)},
        {L"=COUNTIF(E1:E1048576,\"\")", num(1048572)}, // the unused part counts, unvisited
        {L"=SUMIF(E1:E4,\">15\")", num(90)},
        {L"=SUMIF(F1:F4,\"b\",E1:E4)", num(20)},
        {L"=SUMIF(G1:G3,\"b*\",E1)", num(20)}, // the added block takes the condition's shape
        {L"=SUMIFS(E1:E4,E1:E4,\">10\",F1:F4,\"<>d\")", num(50)},
        {L"=SUMIFS(E1:E4,E1:E3,\">10\")", error(E::Value)},
        {L"=COUNTIFS(E1:E4,\">10\",F1:F4,\"<>d\")", num(2)},
        {L"=AVERAGEIF(E1:E4,\">15\")", num(30)},
        {L"=AVERAGEIF(E1:E4,\">50\")", error(E::Div0)},
        {L"=SUMPRODUCT(E1:E4,E1:E4)", num(3000)},
        {L"=SUMPRODUCT(C1:C5,C1:C5)", num(17)}, // what is no number counts as 0
        // Operators inside SUMPRODUCT work element by element.
        {L"=SUMPRODUCT((E1:E4>15)*E1:E4)", num(90)},
        {L"=SUMPRODUCT(--(F1:F4<>\"b\"),E1:E4)", num(80)},
        {L"=SUMPRODUCT((E1:E4>15)*(F1:F4<>\"d\"))", num(2)},
        {L"=SUMPRODUCT(-(E1:E4>25))", num(-2)},
        {L"=SUMPRODUCT((E1:E4>15))", num(0)}, // booleans are no numbers
        {L"=SUMPRODUCT({1,2}*{3,4})", num(11)},
        {L"=SUMPRODUCT(E1:E4*{1;0;0;1})", num(50)},
        {L"=SUMPRODUCT(H1:J1*A1:A3)", num(36)}, // a row times a column: every pair
        {L"=SUMPRODUCT(E1:E4/0)", error(E::Div0)},
        {L"=SUMPRODUCT(SUM(E1:E4)*2)", num(200)},
        {L"=SUMPRODUCT(A1:A1048576*1)", error(E::Value)}, // too many elements to build
        {L"=MATCH(\"b*\",G1:G3,0)", num(2)},
        {L"=MATCH(\"~*\",{\"a\",\"*\"},0)", num(2)},
        {L"=VLOOKUP(\"c*\",{\"apple\",1;\"cherry\",3},2,FALSE)", num(3)},
        {L"=HLOOKUP(\"?\",H2:J2,1,FALSE)", text(L"x")},
        {L"=LOOKUP(25,E1:E4,F1:F4)", text(L"b")},
        {L"=LOOKUP(2,H1:J2)", text(L"y")}, // wider than tall: answers from the last row
        {L"=LOOKUP(5,E1:E4,F1:F4)", error(E::NA)},
    });
}

TEST(FunctionValues, MathAndStatistics) {
    checkCases({
        {L"=MROUND(10,3)", num(9)},
        {L"=MROUND(-10,-3)", num(-9)},
        {L"=MROUND(1.3,0.2)", num(1.4)},
        {L"=MROUND(5,-2)", error(E::Num)},
        {L"=QUOTIENT(7,2)", num(3)},
        {L"=QUOTIENT(-7,2)", num(-3)},
        {L"=QUOTIENT(1,0)", error(E::Div0)},
        {L"=EVEN(1.5)", num(2)},
        {L"=EVEN(-1)", num(-2)},
        {L"=EVEN(0)", num(0)},
        {L"=ODD(1.5)", num(3)},
        {L"=ODD(-2)", num(-3)},
        {L"=ODD(0)", num(1)},
        {L"=FACT(5)", num(120)},
        {L"=FACT(5.9)", num(120)},
        {L"=FACT(0)", num(1)},
        {L"=FACT(-1)", error(E::Num)},
        {L"=FACT(171)", error(E::Num)},
        {L"=COMBIN(8,2)", num(28)},
        {L"=COMBIN(2,3)", error(E::Num)},
        {L"=GCD(12,18,8)", num(2)},
        {L"=GCD(0,0)", num(0)},
        {L"=GCD(-2,4)", error(E::Num)},
        {L"=LCM(4,6)", num(12)},
        {L"=LCM(0,5)", num(0)},
        {L"=PRODUCT(2,3,4)", num(24)},
        {L"=PRODUCT(A1:A3)", num(6)},
        {L"=SUMSQ(3,4)", num(25)},
        {L"=LARGE(E1:E4,1)", num(40)},
        {L"=SMALL(E1:E4,2)", num(20)},
        {L"=LARGE(E1:E4,5)", error(E::Num)},
        {L"=MEDIAN(1,2,3,4)", num(2.5)},
        {L"=MEDIAN(E1:E4,100)", num(30)},
        {L"=STDEV(2,4,4,4,5,5,7,9)", num(2.1380899352993950)},
        {L"=STDEVP(2,4,4,4,5,5,7,9)", num(2)},
        {L"=VAR(2,4,4,4,5,5,7,9)", num(32.0 / 7)},
        {L"=STDEV(1)", error(E::Div0)},
        {L"=SINH(0)+COSH(0)+TANH(0)", num(1)},
        {L"=ASINH(1)", num(0.88137358701954305)},
        {L"=ACOSH(1)", num(0)},
        {L"=ACOSH(0.5)", error(E::Num)},
        {L"=ATANH(0.5)", num(0.54930614433405489)},
        {L"=ATANH(1)", error(E::Num)},
        {L"=COT(PI()/4)", num(1)},
        {L"=SEC(0)", num(1)},
        {L"=CSC(PI()/2)", num(1)},
        {L"=COT(0)", error(E::Div0)},
    });
}

TEST(FunctionValues, LogicAndInformation) {
    checkCases({
        {L"=ISEVEN(2.5)", boolean(true)},
        {L"=ISODD(-3)", boolean(true)},
        {L"=ISEVEN(\"x\")", error(E::Value)},
        {L"=ISLOGICAL(TRUE)", boolean(true)},
        {L"=ISLOGICAL(1)", boolean(false)},
        {L"=ISNA(NA())", boolean(true)},
        {L"=ISNA(1/0)", boolean(false)},
        {L"=NA()", error(E::NA)},
        {L"=IFNA(NA(),1)", num(1)},
        {L"=IFNA(1/0,1)", error(E::Div0)},
        {L"=IFS(1>2,\"a\",2>1,\"b\")", text(L"b")},
        {L"=IFS(FALSE,1)", error(E::NA)},
        {L"=SWITCH(2,1,\"a\",2,\"b\")", text(L"b")},
        {L"=SWITCH(3,1,\"a\",\"z\")", text(L"z")},
        {L"=SWITCH(3,1,\"a\")", error(E::NA)},
        {L"=SWITCH(\"B\",\"a\",1,\"b\",2)", num(2)},
        {L"=XOR(TRUE,TRUE)", boolean(false)},
        {L"=XOR(TRUE,FALSE,TRUE,TRUE)", boolean(true)},
        {L"=N(TRUE)", num(1)},
        {L"=N(\"7\")", num(0)},
        {L"=N(A2)", num(2)},
        {L"=T(\"a\")", text(L"a")},
        {L"=T(1)", text(L"")},
    });
}

TEST(FunctionValues, TextFunctions) {
    checkCases({
        {L"=CHAR(65)", text(L"A")},
        {L"=CHAR(128)", text(L"\u20AC")},
        {L"=CHAR(0)", error(E::Value)},
        {L"=CODE(\"Abc\")", num(65)},
        {L"=CODE(\"\u20AC\")", num(128)},
        {L"=CODE(\"\")", error(E::Value)},
        {L"=PROPER(\"this is a TITLE\")", text(L"This Is A Title")},
        {L"=PROPER(\"2-way street\")", text(L"2-Way Street")},
        {L"=TEXTJOIN(\"-\",TRUE,\"a\",\"\",\"b\")", text(L"a-b")},
        {L"=TEXTJOIN(\",\",FALSE,C1:C5)", text(L"1,x,TRUE,,4")},
        {L"=TEXTJOIN(\", \",TRUE,{1,2,3})", text(L"1, 2, 3")},
        {L"=CONCAT(\"a\",H1:J1)", text(L"a123")},
        {L"=FIXED(1234.567,1)", text(L"1,234.6")},
        {L"=FIXED(1234.567,-1)", text(L"1,230")},
        {L"=FIXED(-1234.567,2,TRUE)", text(L"-1234.57")},
        {L"=FIXED(0.5)", text(L"0.50")},
        {L"=NUMBERVALUE(\"1.234,5\",\",\",\".\")", num(1234.5)},
        {L"=NUMBERVALUE(\"3.5%\")", num(0.035)},
        {L"=NUMBERVALUE(\"\")", num(0)},
        {L"=NUMBERVALUE(\"1.2.3\")", error(E::Value)},
    });
}

TEST(FunctionValues, TypedNumbers) {
    checkCases({
        {L"=VALUE(\"1,234.5\")", num(1234.5)},
        {L"=VALUE(\"$1,234\")", num(1234)},
        {L"=VALUE(\"-\u20AC3.5\")", num(-3.5)},
        {L"=VALUE(\"45%\")", num(0.45)},
        {L"=VALUE(\"06:30\")", num(0.27083333333333333)},
        {L"=VALUE(\"16:48:00\")", num(0.7)},
        {L"=VALUE(\"6:30 PM\")", num(0.77083333333333333)},
        {L"=VALUE(\"12:00 AM\")", num(0)},
        {L"=VALUE(\"1,23\")", error(E::Value)},
        {L"=VALUE(\"12:75\")", error(E::Value)},
        {L"=VALUE(\"1.2.2024\")", error(E::Value)}, // dates are not read
        {L"=\"1,000\"+1", num(1001)},
        {L"=\"50%\"*2", num(1)},
    });
}

TEST(FunctionValues, References) {
    checkCases({
        {L"=ROWS(A1:C5)", num(5)},
        {L"=COLUMNS(A1:C5)", num(3)},
        {L"=ROW(B7)", num(7)},
        {L"=COLUMN(C1)", num(3)},
        {L"=ROW()", num(40)},
        {L"=COLUMN()", num(12)},
        {L"=ADDRESS(2,3)", text(L"$C$2")},
        {L"=ADDRESS(2,3,2)", text(L"C$2")},
        {L"=ADDRESS(2,3,4)", text(L"C2")},
        {L"=ADDRESS(2,3,1,FALSE)", text(L"R2C3")},
        {L"=ADDRESS(2,3,4,FALSE)", text(L"R[2]C[3]")},
        {L"=ADDRESS(0,3)", error(E::Value)},
        {L"=OFFSET(A1,1,0)", num(2)},
        {L"=SUM(OFFSET(A1,0,0,3,1))", num(6)},
        {L"=SUM(OFFSET(E1,1,0,2))", num(50)},
        {L"=OFFSET(A1,-1,0)", error(E::Ref)},
        {L"=OFFSET(A1,0,0,0)", error(E::Ref)},
        {L"=OFFSET(5,0,0)", error(E::Value)},
        {L"=INDIRECT(\"A2\")", num(2)},
        {L"=SUM(INDIRECT(\"e1:E4\"))", num(100)},
        {L"=INDIRECT(\"R2C1\",FALSE)", num(2)},
        {L"=INDIRECT(\"R[-39]C[-11]\",FALSE)", num(1)},
        {L"=INDIRECT(\"nonsense\")", error(E::Ref)},
        {L"=INDIRECT(\"A1+1\")", error(E::Ref)},
        {L"=INDIRECT(\"L40\")", error(E::Value)}, // its own cell: circular
        {L"=SUM(INDEX(E1:F4,0,1))", num(100)},
    });
}

// OFFSET and INDIRECT read cells no parse can see: they follow every change, and a formula
// that reaches its own cell through them stops instead of looping.
TEST(FunctionValues, IndirectReferencesFollowChanges) {
    Sheet sheet;
    sheet.setMaxCols(10);
    sheet.setMaxRows(10);
    sheet.setCellText({1, 1}, L"1");
    ASSERT_TRUE(sheet.setFormula({2, 1}, L"=INDIRECT(\"A1\")*2"));
    ASSERT_TRUE(sheet.setFormula({3, 1}, L"=SUM(OFFSET(A1,0,0,2,1))"));
    ASSERT_TRUE(sheet.setFormula({4, 1}, L"=B1+C1"));
    sheet.setCellText({1, 1}, L"5");
    EXPECT_TRUE(sameValue(sheet.cellValue({2, 1}).value(), num(10)));
    EXPECT_TRUE(sameValue(sheet.cellValue({3, 1}).value(), num(5)));
    EXPECT_TRUE(sameValue(sheet.cellValue({4, 1}).value(), num(15)));
    sheet.setCellText({1, 2}, L"4");
    EXPECT_TRUE(sameValue(sheet.cellValue({3, 1}).value(), num(9)));
    EXPECT_TRUE(sameValue(sheet.cellValue({4, 1}).value(), num(19)));

    // A cycle through INDIRECT: each change computes each formula a bounded number of times.
    ASSERT_TRUE(sheet.setFormula({1, 5}, L"=INDIRECT(\"A6\")+1"));
    ASSERT_TRUE(sheet.setFormula({1, 6}, L"=A5+1"));
    ASSERT_TRUE(sheet.setFormula({1, 7}, L"=INDIRECT(\"A7\")"));
    for (int i = 0; i < 3; ++i)
        sheet.setCellText({1, 1}, std::to_wstring(i));
    sheet.recalculate();
    EXPECT_TRUE(sameValue(sheet.cellValue({1, 7}).value(), error(E::Value)));
    EXPECT_TRUE(sameValue(sheet.cellValue({2, 1}).value(), num(4)));
}

TEST(FunctionValues, TextFormats) {
    checkCases({
        {L"=TEXT(2125551234,\"[<=9999999]###-####;(###) ###-####\")", text(L"(212) 555-1234")},
        {L"=TEXT(5551234,\"[<=9999999]###-####;(###) ###-####\")", text(L"555-1234")},
        {L"=TEXT(1234,\"[>1000]#,##0;0\")", text(L"1,234")},
        {L"=TEXT(12,\"[>1000]#,##0;0\")", text(L"12")},
        {L"=TEXT(-5,\"[<0]\"\"minus \"\"0;0\")", text(L"minus 5")},
        {L"=TEXT(1.25,\"# ?/?\")", text(L"1 1/4")},
        {L"=TEXT(-1.25,\"# ?/?\")", text(L"-1 1/4")},
        {L"=TEXT(0.5,\"# ?/?\")", text(L"1/2")}, // no whole part: no blank before
        {L"=TEXT(3,\"# ?/?\")", text(L"3    ")}, // no fraction: blanks keep the width
        {L"=TEXT(3.14159,\"# ?\?/??\")", text(L"3 14/99")},
        {L"=TEXT(1.25,\"# ?\?/??\")", text(L"1  1/4 ")},
        {L"=TEXT(1.3333333,\"?/?\")", text(L"4/3")},
        {L"=TEXT(2.3,\"# ?/8\")", text(L"2 2/8")},
        {L"=TEXT(0.75,\"0/100\")", text(L"75/100")},
        {L"=TEXT(0.999,\"# ?/?\")", text(L"1    ")},
        {L"=TEXT(1E+20,\"# ?/?\")", text(L"1E+20")}, // no fraction beyond 15 digits
        {L"=TEXT(\"abc\",\"0;-0;0;\"\"<\"\"@\"\">\"\"\")", text(L"<abc>")},
        {L"=TEXT(\"abc\",\"\"\"x\"\"@\")", text(L"xabc")},
        {L"=TEXT(1234.5,\"[$\u20AC-407] #,##0.00\")", text(L"\u20AC 1,234.50")},
        {L"=TEXT(1234.5,\"[Red]0.0\")", text(L"1234.5")},
        {L"=TEXT(12,\"0_)\")", text(L"12 ")},
        {L"=TEXT(12,\"\\#0\")", text(L"#12")},
        {L"=TEXT(1.5,\"??0.0?\")", text(L"  1.5 ")},
        {L"=TEXT(12345678,\"#,##0,,\"\"M\"\"\")", text(L"12M")},
        {L"=TEXT(5,\"0;0;0;0;0\")", error(E::Value)}, // five sections
        {L"=TEXT(5,\"[<5\")", error(E::Value)},
        {L"=TEXT(5,\"[<abc]0\")", error(E::Value)},
        {L"=TEXT(5,\"\"\"abc\")", error(E::Value)},
        {L"=TEXT(5,\"# ?/\")", error(E::Value)},
        {L"=TEXT(5,\"# ?/??????\")", error(E::Value)}, // a search beyond five digits
    });
}

} // namespace
} // namespace grid::test
