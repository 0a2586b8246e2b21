// ROUNDTO, GETARRAYITEM, TONUMBER, ISNULL and ISPOSITIVE through formulas.

#include "FunctionsTestSupport.h"

namespace ssfunctions_test {
namespace {

class ValueFunctions : public FunctionsTest {};

TEST_F(ValueFunctions, GetArrayItemCountsFromOneAndIsEmptyOutsideTheList) {
    expectAll({
        {L"=GETARRAYITEM(\"a;b;c\",2)", text(L"b")},
        {L"=GETARRAYITEM(\"a;b;c\",1)", text(L"a")},
        {L"=GETARRAYITEM(\"a;b;c\",3)", text(L"c")},
        {L"=GETARRAYITEM(\"a;b;c\",2.9)", text(L"b")}, // truncated
        {L"=GETARRAYITEM(\"a;b;c\",0)", text(L"")},
        {L"=GETARRAYITEM(\"a;b;c\",4)", text(L"")},
        {L"=GETARRAYITEM(\"a;b;c\",0.5)", text(L"")}, // toward zero: index -1
        {L"=GETARRAYITEM(\"a;b;c\",-1)", text(L"")},
        {L"=GETARRAYITEM(\"a;b;c\",1E20)", text(L"")},
        {L"=GETARRAYITEM(\"a;;c\",2)", text(L"")}, // an empty item is no failure
        {L"=GETARRAYITEM(\"\",1)", text(L"")},
        {L"=GETARRAYITEM(\"\"\"x;y\"\"\",2)", text(L"y")}, // the quotes around the text go
        {L"=GETARRAYITEM(\"a;b\"&\";c\",3)", text(L"c")},
        {L"=GETARRAYITEM(12,1)", failed()},
        {L"=GETARRAYITEM(\"a;b\",\"1\")", failed()},
        {L"=GETARRAYITEM(\"a;b\",)", failed()},
        {L"=GETARRAYITEM(\"a;b\")", failed()},
        {L"=GETARRAYITEM(\"a;b\",1,2)", failed()},
    });
    EXPECT_EQ(sheet.cellText({6, 6}, grid::TextKind::Value), std::nullopt)
        << "a failed function leaves an error, which cannot be read as a value";
}

TEST_F(ValueFunctions, IsNullOfEmptyZeroAndEmptyText) {
    // A1 is empty, A2 holds 0, A3 the text 0.
    sheet.setFormula({1, 2}, L"=0");
    sheet.setFormula({1, 3}, L"=\"0\"");
    expectAll({
        {L"=ISNULL(0)", num(1)},
        {L"=ISNULL(\"\")", num(1)},
        {L"=ISNULL(A1)", num(1)},
        {L"=ISNULL(A2)", num(1)},
        {L"=ISNULL(FALSE)", num(1)},
        {L"=ISNULL(\"\"\"\"\"\")", num(1)}, // the text "" without its quotes is empty
        {L"=ISNULL(\"0\")", num(0)},
        {L"=ISNULL(A3)", num(0)},
        {L"=ISNULL(0.001)", num(0)},
        {L"=ISNULL(-3)", num(0)},
        {L"=ISNULL(\" \")", num(0)},
        {L"=ISNULL(1/0)", failed()},
        {L"=ISNULL(A1:B2)", failed()},
    });
}

// A difference of decimals arrives as the user sees it: 5.07-5 is 0.07, not 0.07 and noise
// that a test against 0 would catch.
TEST_F(ValueFunctions, ReceiveCancelledDifferencesWithoutNoise) {
    sheet.setFormula({1, 2}, L"=5.07-5");
    expectAll({
        {L"=ISNULL((5.07-5)*100-7)", num(1)},
        {L"=ISNULL(A2*100-7)", num(1)},
        {L"=ISPOSITIVE(A2*100-7)", num(0)},
        {L"=ROUNDTO(A2,0.07)", num(0.07)},
    });
}

TEST_F(ValueFunctions, IsPositiveOfNumbersAndTexts) {
    sheet.setFormula({1, 2}, L"=4");
    expectAll({
        {L"=ISPOSITIVE(3)", num(1)},
        {L"=ISPOSITIVE(0.001)", num(1)},
        {L"=ISPOSITIVE(A2)", num(1)},
        {L"=ISPOSITIVE(\"12\")", num(1)},
        {L"=ISPOSITIVE(\"12abc\")", num(1)}, // the leading number counts
        {L"=ISPOSITIVE(\"\"\"5\"\"\")", num(1)},
        {L"=ISPOSITIVE(0)", num(0)},
        {L"=ISPOSITIVE(-2)", num(0)},
        {L"=ISPOSITIVE(\"-1\")", num(0)},
        {L"=ISPOSITIVE(\"abc\")", num(0)},
        {L"=ISPOSITIVE(\"\")", num(0)},
        {L"=ISPOSITIVE(A1)", num(0)},
        {L"=ISPOSITIVE(1/0)", failed()},
        {L"=ISPOSITIVE(A1:A2)", failed()},
    });
}

TEST_F(ValueFunctions, ToNumberReadsTheLeadingNumberOfATextOnly) {
    sheet.setFormula({1, 2}, L"=7");
    expectAll({
        {L"=TONUMBER(\"12.5\")", num(12.5)},
        {L"=TONUMBER(\"3e2\")", num(300)},
        {L"=TONUMBER(\" 7x\")", num(7)},
        {L"=TONUMBER(\"-0.25\")", num(-0.25)},
        {L"=TONUMBER(\"abc\")", num(0)},
        {L"=TONUMBER(\"\")", num(0)},
        {L"=TONUMBER(\"\"\"4\"\"\")", num(4)},
        {L"=TONUMBER(12)", failed()},
        {L"=TONUMBER(A2)", failed()},
        {L"=TONUMBER(A1)", failed()},
    });
}

TEST_F(ValueFunctions, RoundToRoundsToAMultipleOfTheStep) {
    expectAll({
        {L"=ROUNDTO(12.3,0.5)", num(12.5)},
        {L"=ROUNDTO(12.2,0.5)", num(12)},
        {L"=ROUNDTO(12.25,0.5)", num(12.5)}, // halves away from zero
        {L"=ROUNDTO(-12.25,0.5)", num(-12.5)},
        {L"=ROUNDTO(1.15,0.1)", num(1.2)},
        {L"=ROUNDTO(1234,100)", num(1200)},
        {L"=ROUNDTO(7.3,0)", num(7.3)},
        {L"=ROUNDTO(7.3,-2)", num(8)},
        {L"=ROUNDTO(\"12\",1)", failed()},
        {L"=ROUNDTO(12,)", failed()},
    });
}

} // namespace
} // namespace ssfunctions_test
