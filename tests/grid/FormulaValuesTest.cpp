// Formula results as LibreOffice Calc gives them for the same formulas (Excel's error names
// where Calc shows Err:5xx).
#include "GridTestSupport.h"

#include <numbers>

namespace grid::test {
namespace {

using E = ErrorCode;

TEST(FormulaValues, OperatorPrecedence) {
    checkCases({
        {L"=-2^2", num(4)},   // the sign binds tighter than ^
        {L"=2^3^2", num(64)}, // ^ associates to the left
        {L"=2*3^2", num(18)},
        {L"=-2*-2", num(4)},
        {L"=1&2+3", text(L"15")}, // & binds looser than +
        {L"=1=1", boolean(true)},
        {L"1+1", num(2)}, // the '=' is optional
        {L"=2+3*4", num(14)},
        {L"=(2+3)*4", num(20)},
        {L"=10-2-3", num(5)},
        {L"=100/10/2", num(5)},
        {L"=2^-1", num(0.5)},
        {L"=-(2^2)", num(-4)},
        {L"=--1", num(1)},
        {L"=50%", num(0.5)},
        {L"=2*50%%", num(0.01)},
        {L"=1+2=3", boolean(true)},
        {L"=3>2=TRUE", boolean(true)},
        {L"=\"a\"&1+1", text(L"a2")},
        {L"=+\"abc\"", text(L"abc")}, // a lone '+' leaves text alone
        {L"= 1 +\t2 ", num(3)},
    });
}

TEST(FormulaValues, NumbersAndTexts) {
    checkCases({
        {L"=1e3", num(1000)},
        {L"=.5+.5", num(1)},
        {L"=1.5E-1", num(0.15)},
        {L"=0.1+0.2-0.3", num(0)}, // cancellation within the last bits is exactly 0
        {L"=0.1+0.2=0.3", boolean(true)},
        {L"=\"a\"\"b\"", text(L"a\"b")},
        {L"=\"\"", text(L"")},
        {L"=1/3&\"\"", text(L"0.333333333333333")},
        {L"=1E+20&\"\"", text(L"1E+20")},
        {L"=TRUE", boolean(true)},
        {L"=false", boolean(false)},
        {L"=#N/A", error(E::NA)},
    });
}

TEST(FormulaValues, CoercionAndEmptyCells) {
    checkCases({
        {L"=\"3\"+1", num(4)},
        {L"=\"abc\"+1", error(E::Value)},
        {L"=TRUE+1", num(2)},
        {L"=A5+1", num(1)},         // empty reads as 0
        {L"=A5&\"x\"", text(L"x")}, // and as "" in text
        {L"=A5", num(0)},           // a formula showing an empty cell shows 0
        {L"=A7*2", num(6)},         // text "3" in an edit cell
        {L"=A4*2", error(E::Value)},
        {L"=1&TRUE", text(L"1TRUE")},
        {L"=-\"2\"", num(-2)},
        {L"=A1:A3", error(E::Value)}, // no row of the block meets the formula's row
    });
}

TEST(FormulaValues, Comparisons) {
    checkCases({
        {L"=\"abc\"=\"ABC\"", boolean(true)}, // texts ignore case
        {L"=\"a\"<\"B\"", boolean(true)},
        {L"=\"b\"<>\"B\"", boolean(false)},
        {L"=1<\"a\"", boolean(true)}, // numbers < texts < booleans
        {L"=\"z\"<TRUE", boolean(true)},
        {L"=TRUE>1000", boolean(true)},
        {L"=FALSE<TRUE", boolean(true)},
        {L"=A5=0", boolean(true)},
        {L"=A5=\"\"", boolean(true)},
        {L"=A5=FALSE", boolean(true)},
        {L"=2>=2", boolean(true)},
        {L"=2<=1", boolean(false)},
        {L"=\"10\">9", boolean(true)}, // text, so after every number
    });
}

TEST(FormulaValues, ErrorsPropagateLeftFirst) {
    checkCases({
        {L"=1/0", error(E::Div0)},
        {L"=1/0+#N/A", error(E::Div0)},
        {L"=#N/A+1/0", error(E::NA)},
        {L"=(1/0)&\"x\"", error(E::Div0)},
        {L"=1/0=1", error(E::Div0)},
        {L"=-#REF!", error(E::Ref)},
        {L"=foo", error(E::Name)},
        {L"=NOSUCHFUNCTION(1)", error(E::Name)},
        {L"=SQRT(-1)", error(E::Num)},
        {L"=(-8)^(1/3)", num(-2)},
        {L"=(-8)^0.5", error(E::Num)},
        {L"=0^-1", error(E::Div0)},
        {L"=10^400", error(E::Num)},
        {L"=SUM(A1:A3,1/0)", error(E::Div0)},
        {L"=IFERROR(1/0,5)", num(5)},
        {L"=IFERROR(2,5)", num(2)},
        {L"=ISERROR(1/0)", boolean(true)},
    });
}

TEST(FormulaValues, Aggregates) {
    checkCases({
        {L"=SUM(A1:A3)", num(6)},
        {L"=SUM(C1:C5)", num(5)},        // text and booleans in references do not count
        {L"=SUM(\"3\",TRUE,1)", num(5)}, // given directly they convert
        {L"=SUM(\"x\")", error(E::Value)},
        {L"=COUNT(C1:C5)", num(2)},  // COUNT ignores text
        {L"=COUNTA(C1:C5)", num(4)}, // COUNTA counts it
        {L"=COUNT(1,\"2\",\"x\",TRUE)", num(3)},
        {L"=COUNT(1/0,1)", num(1)},
        {L"=AVERAGE(C1:C5)", num(2.5)},
        {L"=AVERAGE(C4)", error(E::Div0)},
        {L"=MIN(C1:C5)", num(1)},
        {L"=MAX(C1:C5)", num(4)},
        {L"=MAX(C2)", num(0)},
        {L"=MIN(A1:A3,-5)", num(-5)},
        {L"=SUM(A1:A1048576)", num(6)}, // a whole column costs what is filled
    });
}

TEST(FormulaValues, Logic) {
    checkCases({
        {L"=IF(1>2,\"y\",\"n\")", text(L"n")},
        {L"=IF(FALSE,1)", boolean(false)},
        {L"=IF(TRUE,1)", num(1)},
        {L"=IF(TRUE,1,1/0)", num(1)}, // only the chosen branch is computed
        {L"=IF(\"x\",1,2)", error(E::Value)},
        {L"=IF(A5,1,2)", num(2)},
        {L"=IF(TRUE,,2)", num(0)},
        {L"=AND(TRUE,1)", boolean(true)},
        {L"=AND(TRUE,0)", boolean(false)},
        {L"=OR(FALSE,0)", boolean(false)},
        {L"=OR(C1:C5)", boolean(true)},
        {L"=AND(C2)", error(E::Value)}, // no logical value at all
        {L"=AND(\"x\")", error(E::Value)},
        {L"=NOT(0)", boolean(true)},
        {L"=NOT(A5)", boolean(true)},
        {L"=CHOOSE(2,\"a\",\"b\",\"c\")", text(L"b")},
        {L"=CHOOSE(4,1,2)", error(E::Value)},
        {L"=TRUE()", boolean(true)},
        {L"=FALSE()", boolean(false)},
        {L"=ISNUMBER(1)", boolean(true)},
        {L"=ISNUMBER(\"1\")", boolean(false)},
        {L"=ISTEXT(C2)", boolean(true)},
        {L"=ISBLANK(C4)", boolean(true)},
        {L"=ISBLANK(\"\")", boolean(false)},
    });
}

TEST(FormulaValues, MathAndTrigonometry) {
    const double pi = std::numbers::pi;
    checkCases({
        {L"=ABS(-3)", num(3)},
        {L"=ACOS(2)", error(E::Num)},
        {L"=ASIN(1)", num(pi / 2)},
        {L"=ATAN(1)", num(pi / 4)},
        {L"=ATAN2(1,1)", num(pi / 4)},
        {L"=ATAN2(-1,0)", num(pi)},
        {L"=ATAN2(0,0)", error(E::Div0)},
        {L"=COS(0)+SIN(0)+TAN(0)", num(1)},
        {L"=DEGREES(PI())", num(180)},
        {L"=RADIANS(180)", num(pi)},
        {L"=POWER(2,10)", num(1024)},
        {L"=SQRT(16)", num(4)},
        {L"=EXP(1)", num(std::numbers::e)},
        {L"=LN(0)", error(E::Num)},
        {L"=LOG(100)", num(2)},
        {L"=LOG(8,2)", num(3)},
        {L"=LOG(8,1)", error(E::Div0)},
        {L"=LOG10(1000)", num(3)},
        {L"=MOD(-1,3)", num(2)},
        {L"=MOD(1,-3)", num(-2)},
        {L"=MOD(5,0)", error(E::Div0)},
        {L"=SIGN(-5)", num(-1)},
        {L"=abs(-2)", num(2)}, // names ignore case
    });
}

TEST(FormulaValues, Rounding) {
    checkCases({
        {L"=INT(-2.5)", num(-3)},
        {L"=TRUNC(-2.5)", num(-2)},
        {L"=TRUNC(2.789,2)", num(2.78)},
        {L"=ROUND(2.675,2)", num(2.68)},
        {L"=ROUND(-2.5,0)", num(-3)},
        {L"=ROUND(1234.5,-2)", num(1200)},
        {L"=ROUND(0.5)", num(1)},
        {L"=ROUNDUP(2.21,1)", num(2.3)},
        {L"=ROUNDUP(2.2,1)", num(2.2)},
        {L"=ROUNDUP(-2.21,1)", num(-2.3)},
        {L"=ROUNDDOWN(2.29,1)", num(2.2)},
        {L"=CEILING(2.1)", num(3)},
        {L"=CEILING(7,2)", num(8)},
        {L"=CEILING(-2.5)", num(-2)},
        {L"=CEILING(-11,-2)", num(-10)},
        {L"=CEILING(-11,-2,1)", num(-12)},
        {L"=CEILING(2.5,-1)", error(E::Num)},
        {L"=FLOOR(7,2)", num(6)},
        {L"=FLOOR(-11,-2)", num(-12)},
        {L"=FLOOR(2.5,0)", num(0)},
    });
}

TEST(FormulaValues, Lookups) {
    checkCases({
        {L"=MATCH(20,E1:E4,0)", num(2)},
        {L"=MATCH(25,E1:E4)", num(2)}, // approximate: last entry not above
        {L"=MATCH(50,E1:E4,1)", num(4)},
        {L"=MATCH(5,E1:E4)", error(E::NA)},
        {L"=MATCH(\"banana\",G1:G3,0)", num(2)},
        {L"=MATCH(\"x\",G1:G3,0)", error(E::NA)},
        {L"=MATCH(\"20\",E1:E4,0)", error(E::NA)}, // text does not match a number
        {L"=MATCH(25,K1:K3,-1)", num(1)},          // descending: smallest not below
        {L"=MATCH(15,K1:K3,-1)", num(2)},
        {L"=MATCH(2,H1:J1,0)", num(2)},
        {L"=VLOOKUP(30,E1:F4,2,FALSE)", text(L"c")},
        {L"=VLOOKUP(35,E1:F4,2)", text(L"c")},
        {L"=VLOOKUP(35,E1:F4,2,FALSE)", error(E::NA)},
        {L"=VLOOKUP(30,E1:F4,3,FALSE)", error(E::Ref)},
        {L"=VLOOKUP(30,E1:F4,0,FALSE)", error(E::Value)},
        {L"=HLOOKUP(2,H1:J2,2,FALSE)", text(L"y")},
        {L"=HLOOKUP(2.5,H1:J2,2)", text(L"y")},
        {L"=INDEX(E1:F4,3,2)", text(L"c")},
        {L"=INDEX(E1:E4,2)", num(20)},
        {L"=INDEX(H1:J1,3)", num(3)},
        {L"=INDEX(E1:F4,5,1)", error(E::Ref)},
        {L"=INDEX(E1:F4,0,1)", error(E::Value)},
        {L"=INDEX(C4:C4,1)", num(0)},
    });
}

TEST(FormulaValues, TextFunctions) {
    checkCases({
        {L"=LEN(\"abc\")", num(3)},
        {L"=LEN(12.5)", num(4)},
        {L"=LEFT(\"abc\",2)", text(L"ab")},
        {L"=LEFT(\"abc\")", text(L"a")},
        {L"=LEFT(\"abc\",-1)", error(E::Value)},
        {L"=RIGHT(\"abc\",5)", text(L"abc")},
        {L"=MID(\"abcdef\",2,3)", text(L"bcd")},
        {L"=MID(\"abc\",5,1)", text(L"")},
        {L"=MID(\"abc\",0,1)", error(E::Value)},
        {L"=UPPER(\"a\u00E4\u0161\")", text(L"A\u00C4\u0160")},
        {L"=LOWER(\"ABC\")", text(L"abc")},
        {L"=TRIM(\"  a   b  \")", text(L"a b")},
        {L"=CONCATENATE(\"a\",1,TRUE)", text(L"a1TRUE")},
        {L"=EXACT(\"a\",\"A\")", boolean(false)},
        {L"=FIND(\"b\",\"abcb\")", num(2)},
        {L"=FIND(\"b\",\"abcb\",3)", num(4)},
        {L"=FIND(\"B\",\"abc\")", error(E::Value)}, // FIND minds case
        {L"=FIND(\"\",\"abc\")", num(1)},
        {L"=SEARCH(\"B\",\"abc\")", num(2)},
        {L"=SEARCH(\"b?d\",\"abcd\")", num(2)},
        {L"=SEARCH(\"*c\",\"abc\")", num(1)},
        {L"=SEARCH(\"c*a\",\"cbacxa\")", num(1)},
        {L"=SEARCH(\"~?\",\"a?b\")", num(2)},
        {L"=SEARCH(\"x\",\"abc\")", error(E::Value)},
        {L"=SUBSTITUTE(\"aaa\",\"a\",\"b\")", text(L"bbb")},
        {L"=SUBSTITUTE(\"aaa\",\"a\",\"b\",2)", text(L"aba")},
        {L"=SUBSTITUTE(\"abc\",\"\",\"x\")", text(L"abc")},
        {L"=REPT(\"ab\",3)", text(L"ababab")},
        {L"=REPT(\"x\",-1)", error(E::Value)},
        {L"=REPT(\"x\",40000)", error(E::Value)}, // longer than a text may be
        {L"=VALUE(\"12.5\")", num(12.5)},
        {L"=VALUE(\"1E3\")", num(1000)},
        {L"=VALUE(\"abc\")", error(E::Value)},
    });
}

TEST(FormulaValues, TextNumberFormats) {
    checkCases({
        {L"=TEXT(1234.567,\"0.00\")", text(L"1234.57")},
        {L"=TEXT(1234.567,\"#,##0.00\")", text(L"1,234.57")},
        {L"=TEXT(1234567,\"#,##0\")", text(L"1,234,567")},
        {L"=TEXT(1234.5,\"0\")", text(L"1235")},
        {L"=TEXT(0.256,\"0%\")", text(L"26%")},
        {L"=TEXT(0.256,\"0.0%\")", text(L"25.6%")},
        {L"=TEXT(12345,\"0.00E+00\")", text(L"1.23E+04")},
        {L"=TEXT(0.00012,\"0.0E+00\")", text(L"1.2E-04")},
        {L"=TEXT(-5,\"0.0\")", text(L"-5.0")},
        {L"=TEXT(-5,\"0;(0)\")", text(L"(5)")},
        {L"=TEXT(0,\"0;(0);\"\"zero\"\"\")", text(L"zero")},
        {L"=TEXT(3.5,\"#.##\")", text(L"3.5")},
        {L"=TEXT(0.5,\"#.00\")", text(L".50")},
        {L"=TEXT(7,\"000\")", text(L"007")},
        {L"=TEXT(1500000,\"0.0,,\")", text(L"1.5")},
        {L"=TEXT(1234.5678,\"$#,##0.00\")", text(L"$1,234.57")},
        {L"=TEXT(1.5,\"General\")", text(L"1.5")},
        {L"=TEXT(\"abc\",\"0\")", text(L"abc")},
        {L"=TEXT(\"12\",\"0.0\")", text(L"12.0")},
        {L"=TEXT(2,\"yyyy\")", error(E::Value)}, // dates are not number formats
    });
}

} // namespace
} // namespace grid::test
