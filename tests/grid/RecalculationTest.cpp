#include "GridTestSupport.h"
#include "platform/grid/sheet/SheetOption.h"

#include <memory>

namespace grid::test {
namespace {

// Adds TICK(), which counts its calls and gives 0, so that tests can see which formulas were
// computed.
std::shared_ptr<int> addTick(Sheet& sheet) {
    auto calls = std::make_shared<int>(0);
    CustomFunction tick{L"TICK", 0, 0, false,
                        [calls](FunctionValue& result, std::span<const FunctionValue>) {
                            ++*calls;
                            result = FunctionValue::ofInteger(0);
                            return true;
                        }};
    sheet.addCustomFunction(tick);
    return calls;
}

class Recalculation : public ::testing::Test {
protected:
    Recalculation() {
        sheet.setMaxCols(30);
        sheet.setMaxRows(30);
    }
    Value at(CellRef ref) { return sheet.cellValue(ref).value(); }

    Sheet sheet;
};

TEST_F(Recalculation, ChangingACellRecomputesItsDependents) {
    sheet.setCellText({1, 1}, L"1");
    sheet.setFormula({2, 1}, L"=A1*2");
    sheet.setFormula({3, 1}, L"=B1+1");
    sheet.setFormula({4, 1}, L"=SUM(A1:A10)");
    sheet.setFormula({5, 2}, L"=SUM(A1:Z1)");
    EXPECT_EQ(at({3, 1}), Value::number(3));
    sheet.setCellText({1, 1}, L"10");
    EXPECT_EQ(at({2, 1}), Value::number(20));
    EXPECT_EQ(at({3, 1}), Value::number(21));
    EXPECT_EQ(at({4, 1}), Value::number(10));
    sheet.setCellText({1, 5}, L"5");
    EXPECT_EQ(at({4, 1}), Value::number(15));
    sheet.setCellText({20, 1}, L"100"); // inside the wide block A1:Z1
    EXPECT_EQ(at({5, 2}), Value::number(10 + 20 + 21 + 15 + 100));
    sheet.clearCell({1, 1});
    EXPECT_EQ(at({3, 1}), Value::number(1));
}

TEST_F(Recalculation, EachFormulaIsComputedOnceAfterWhatItReads) {
    const auto calls = addTick(sheet);
    sheet.setCellText({1, 1}, L"1");
    sheet.setFormula({2, 1}, L"=A1+1+TICK()");
    sheet.setFormula({3, 1}, L"=A1+2+TICK()");
    sheet.setFormula({4, 1}, L"=B1*C1+TICK()"); // a diamond
    sheet.setFormula({1, 10}, L"=A9+TICK()");   // unrelated
    *calls = 0;
    sheet.setCellText({1, 1}, L"2");
    EXPECT_EQ(*calls, 3);
    EXPECT_EQ(at({4, 1}), Value::number(12));
}

// Texts stored by one calculation are bounded as a whole, not only per cell: past the limit a
// text result is #VALUE! and the sheet says so; numbers are unaffected.
TEST_F(Recalculation, TextStoredByOneCalculationIsBounded) {
    sheet.setCalculatedTextLimit(25);
    sheet.setCellText({1, 1}, L"10");
    for (int row = 1; row <= 3; ++row)
        sheet.setFormula({2, row}, L"=REPT(\"x\",A1)");
    sheet.setFormula({3, 1}, L"=A1*2");
    const auto refused = [&] {
        int count = 0;
        for (int row = 1; row <= 3; ++row)
            count += at({2, row}) == Value::error(ErrorCode::Value) ? 1 : 0;
        return count;
    };
    sheet.recalculate();
    EXPECT_EQ(refused(), 1);
    EXPECT_EQ(at({3, 1}), Value::number(20));
    EXPECT_TRUE(sheet.textLimitReached());
    sheet.setCellText({1, 1}, L"5");
    EXPECT_EQ(refused(), 0);
    EXPECT_EQ(at({2, 3}), Value::text(std::wstring(5, L'x')));
    EXPECT_FALSE(sheet.textLimitReached());
}

TEST_F(Recalculation, ManualCalculationWaitsForRecalculate) {
    sheet.setOption(SheetOption::kAutoCalculate, false);
    sheet.setCellText({1, 1}, L"1");
    sheet.setFormula({2, 1}, L"=A1*2");
    EXPECT_EQ(at({2, 1}), Value::number(2)); // setting a formula computes it at once
    sheet.setCellText({1, 1}, L"5");
    EXPECT_EQ(at({2, 1}), Value::number(2));
    sheet.recalculate();
    EXPECT_EQ(at({2, 1}), Value::number(10));
    sheet.setCellText({1, 1}, L"6");
    sheet.setOption(SheetOption::kAutoCalculate, true); // catching up
    EXPECT_EQ(at({2, 1}), Value::number(12));
}

TEST_F(Recalculation, CyclesGiveAnErrorInsteadOfHanging) {
    sheet.setFormula({1, 1}, L"=B1+1");
    sheet.setFormula({2, 1}, L"=A1+1");
    sheet.setFormula({3, 1}, L"=A1*2");
    sheet.setFormula({4, 1}, L"=IFERROR(A1,5)");
    sheet.setFormula({5, 1}, L"=E1");
    EXPECT_EQ(at({1, 1}), Value::error(ErrorCode::Value));
    EXPECT_EQ(at({2, 1}), Value::error(ErrorCode::Value));
    EXPECT_EQ(at({3, 1}), Value::error(ErrorCode::Value)); // reads the cycle
    EXPECT_EQ(at({4, 1}), Value::number(5));
    EXPECT_EQ(at({5, 1}), Value::error(ErrorCode::Value)); // refers to itself
    sheet.setCellText({2, 1}, L"3");                       // breaks the cycle
    EXPECT_EQ(at({1, 1}), Value::number(4));
    EXPECT_EQ(at({3, 1}), Value::number(8));
    sheet.recalculate();
    EXPECT_EQ(at({5, 1}), Value::error(ErrorCode::Value));
}

TEST_F(Recalculation, CycleFoundInManualModeToo) {
    sheet.setOption(SheetOption::kAutoCalculate, false);
    sheet.setFormula({1, 1}, L"=B1");
    sheet.setFormula({2, 1}, L"=A1");
    EXPECT_EQ(at({2, 1}), Value::error(ErrorCode::Value));
}

// 100,000 formulas, each reading the one before: one change recalculates all of them without
// deep recursion (this test also runs in the sanitizer build).
TEST(RecalculationChain, HundredThousandChainedFormulas) {
    constexpr int kLength = 100000;
    Sheet sheet;
    sheet.setMaxCols(1);
    sheet.setMaxRows(kLength);
    sheet.setCellText({1, 1}, L"1");
    for (int row = 2; row <= kLength; ++row)
        ASSERT_TRUE(sheet.setFormula({1, row}, L"=A" + std::to_wstring(row - 1) + L"+1"));
    EXPECT_EQ(sheet.cellValue({1, kLength}), Value::number(kLength));
    sheet.setCellText({1, 1}, L"-5");
    EXPECT_EQ(sheet.cellValue({1, kLength}), Value::number(kLength - 6));
    // Closing the chain into a circle marks all of it.
    ASSERT_TRUE(sheet.setFormula({1, 1}, L"=A" + std::to_wstring(kLength)));
    EXPECT_EQ(sheet.cellValue({1, kLength / 2}), Value::error(ErrorCode::Value));
    sheet.recalculate();
    EXPECT_EQ(sheet.cellValue({1, 7}), Value::error(ErrorCode::Value));
}

TEST_F(Recalculation, FormulaCallingAFunctionRegisteredLaterIsComputedThen) {
    sheet.setFormula({1, 1}, L"=TWICE(4)");
    EXPECT_EQ(at({1, 1}), Value::error(ErrorCode::Name));
    sheet.addCustomFunction(
        {L"Twice", 1, 1, false, [](FunctionValue& result, std::span<const FunctionValue> args) {
             result = FunctionValue::ofReal(args[0].number() * 2);
             return args[0].isNumber();
         }});
    EXPECT_EQ(at({1, 1}), Value::number(8));
}

TEST_F(Recalculation, ChangesMadeByACallbackAreStoredAndPropagated) {
    // WRITE(x) stores x in C1 of the sheet it belongs to while being computed.
    sheet.addCustomFunction(
        {L"WRITE", 1, 1, false, [this](FunctionValue& result, std::span<const FunctionValue> args) {
             sheet.setCellText({3, 1}, std::to_wstring(args[0].integer));
             result = FunctionValue::ofInteger(1);
             return true;
         }});
    sheet.setFormula({4, 1}, L"=C1*10");
    sheet.setCellText({1, 1}, L"7");
    sheet.setFormula({2, 1}, L"=WRITE(A1)");
    EXPECT_EQ(at({3, 1}), Value::number(7));
    EXPECT_EQ(at({4, 1}), Value::number(70));
    sheet.setCellText({1, 1}, L"8");
    EXPECT_EQ(at({4, 1}), Value::number(80));
}

TEST_F(Recalculation, CallbackThatKeepsChangingItsInputStops) {
    // BUMP() increments A1 each time, and reads A1: without a bound it would never settle.
    sheet.addCustomFunction(
        {L"BUMP", 1, 1, false, [this](FunctionValue& result, std::span<const FunctionValue> args) {
             sheet.setCellText({1, 1}, std::to_wstring(args[0].integer + 1));
             result = FunctionValue::ofInteger(args[0].integer);
             return true;
         }});
    sheet.setCellText({1, 1}, L"0");
    sheet.setFormula({2, 1}, L"=BUMP(A1)");
    EXPECT_TRUE(at({2, 1}).isNumber());
    EXPECT_TRUE(sheet.setCellText({1, 2}, L"still usable"));
}

TEST_F(Recalculation, StructuralChangesAreRefusedWhileCalculating) {
    bool refused = false;
    sheet.addCustomFunction(
        {L"INSERT", 0, 0, false, [&](FunctionValue& result, std::span<const FunctionValue>) {
             refused = !sheet.insertRows(1, 1) && !sheet.readTfs("").ok();
             result = FunctionValue::ofInteger(1);
             return true;
         }});
    sheet.setFormula({2, 2}, L"=INSERT()");
    EXPECT_TRUE(refused);
    EXPECT_TRUE(sheet.insertRows(1, 1)); // and allowed afterwards
}

} // namespace
} // namespace grid::test
