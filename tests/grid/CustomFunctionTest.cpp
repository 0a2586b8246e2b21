#include "GridTestSupport.h"

#include <stdexcept>
#include <vector>

namespace grid::test {
namespace {

class CustomFunctions : public ::testing::Test {
protected:
    CustomFunctions() {
        sheet.setMaxCols(8);
        sheet.setMaxRows(8);
        sheet.setCellText({1, 1}, L"2.5");
        sheet.setCellText({1, 2}, L"label");
    }

    // Registers NAME, which records its arguments and answers with `answer`.
    void addRecorder(const wchar_t* name, bool references, FunctionValue answer, bool ok = true) {
        sheet.addCustomFunction(
            {name, 0, 9, references,
             [this, answer, ok](FunctionValue& result, std::span<const FunctionValue> args) {
                 seen.assign(args.begin(), args.end());
                 result = answer;
                 return ok;
             }});
    }
    Value evaluate(const wchar_t* formula) {
        EXPECT_TRUE(sheet.setFormula({8, 8}, formula).ok());
        return sheet.cellValue({8, 8}).value();
    }

    Sheet sheet;
    std::vector<FunctionValue> seen;
};

TEST_F(CustomFunctions, ArgumentsArriveAsTypedRecords) {
    addRecorder(L"REC", false, FunctionValue::ofInteger(1));
    evaluate(L"=REC(3, 2.5, \"t\", TRUE, , 1/0, A1, A2, A1:B2)");
    ASSERT_EQ(seen.size(), 9u);
    using K = FunctionValue::Kind;
    using S = FunctionValue::Status;
    EXPECT_EQ(seen[0].kind, K::Integer);
    EXPECT_EQ(seen[0].integer, 3);
    EXPECT_EQ(seen[1].kind, K::Real);
    EXPECT_EQ(seen[1].real, 2.5);
    EXPECT_EQ(seen[2].kind, K::Text);
    EXPECT_EQ(seen[2].text, L"t");
    EXPECT_EQ(seen[3].integer, 1);
    EXPECT_EQ(seen[4].status, S::Empty);
    EXPECT_EQ(seen[5].status, S::Error);
    EXPECT_EQ(seen[6].kind, K::Real); // a cell's value
    EXPECT_EQ(seen[7].text, L"label");
    EXPECT_EQ(seen[8].kind, K::Range);
    EXPECT_EQ(seen[8].range, (CellRange{{1, 1}, {2, 2}}));
}

TEST_F(CustomFunctions, CellArgumentsAsReferencesWhenAsked) {
    addRecorder(L"REFS", true, FunctionValue::ofInteger(1));
    evaluate(L"=REFS(A2, 5)");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].kind, FunctionValue::Kind::Cell);
    EXPECT_EQ(seen[0].cell, (CellRef{1, 2}));
    EXPECT_EQ(seen[1].integer, 5);
}

TEST_F(CustomFunctions, ResultRecordsBecomeValues) {
    addRecorder(L"INT7", false, FunctionValue::ofInteger(7));
    addRecorder(L"REAL", false, FunctionValue::ofReal(0.25));
    addRecorder(L"WORD", false, FunctionValue::ofText(L"w"));
    addRecorder(L"NOTHING", false, FunctionValue::empty());
    addRecorder(L"CELL", false, FunctionValue::ofCell({1, 2}));
    addRecorder(L"BAD", false, FunctionValue::ofError());
    addRecorder(L"FAILS", false, FunctionValue::ofInteger(1), false);
    EXPECT_EQ(evaluate(L"=INT7()+1"), Value::number(8));
    EXPECT_EQ(evaluate(L"=real()"), Value::number(0.25)); // names ignore case
    EXPECT_EQ(evaluate(L"=WORD()&\"!\""), Value::text(L"w!"));
    EXPECT_EQ(evaluate(L"=NOTHING()"), Value::text(L""));
    EXPECT_EQ(sheet.cellText({8, 8}, TextKind::Value), L"");
    EXPECT_EQ(evaluate(L"=CELL()"), Value::text(L"label"));
    EXPECT_EQ(evaluate(L"=BAD()"), Value::error(ErrorCode::Value));
    EXPECT_EQ(evaluate(L"=FAILS()"), Value::error(ErrorCode::Value));
    EXPECT_EQ(evaluate(L"=IFERROR(FAILS(),\"caught\")"), Value::text(L"caught"));
}

TEST_F(CustomFunctions, ArgumentCountsAreChecked) {
    sheet.addCustomFunction(
        {L"TWO", 2, 2, false, [](FunctionValue& result, std::span<const FunctionValue>) {
             result = FunctionValue::ofInteger(2);
             return true;
         }});
    EXPECT_EQ(evaluate(L"=TWO(1,2)"), Value::number(2));
    EXPECT_EQ(evaluate(L"=TWO(1)"), Value::error(ErrorCode::Value));
    EXPECT_EQ(evaluate(L"=TWO(1,2,3)"), Value::error(ErrorCode::Value));
}

TEST_F(CustomFunctions, ThrowingCallbackIsAFailure) {
    sheet.addCustomFunction(
        {L"THROWS", 0, 0, false, [](FunctionValue&, std::span<const FunctionValue>) -> bool {
             throw std::runtime_error("callback failed");
         }});
    EXPECT_EQ(evaluate(L"=THROWS()"), Value::error(ErrorCode::Value));
}

TEST_F(CustomFunctions, RegistrationRefusesWhatCannotBeCalled) {
    const CustomFunction::Callback ok = [](FunctionValue&, std::span<const FunctionValue>) {
        return true;
    };
    EXPECT_FALSE(sheet.addCustomFunction({L"", 0, 0, false, ok}));
    EXPECT_FALSE(sheet.addCustomFunction({L"1ABC", 0, 0, false, ok}));
    EXPECT_FALSE(sheet.addCustomFunction({L"A B", 0, 0, false, ok}));
    EXPECT_FALSE(sheet.addCustomFunction({L"sum", 0, 0, false, ok}));
    EXPECT_FALSE(sheet.addCustomFunction({L"FINE", 2, 1, false, ok}));
    EXPECT_FALSE(sheet.addCustomFunction({L"FINE", 0, 1, false, nullptr}));
    EXPECT_TRUE(sheet.addCustomFunction({L"FINE", 0, -1, false, ok}));
}

// The way the standards sheets use them: list access that gives an empty text out of range,
// read back through a number cell as the calculating spreadsheet does.
TEST_F(CustomFunctions, EmptyResultReadsAsEmptyValueText) {
    sheet.addCustomFunction({L"GETARRAYITEM", 2, 2, false,
                             [](FunctionValue& result, std::span<const FunctionValue> args) {
                                 if (!args[0].isOk() || args[0].kind != FunctionValue::Kind::Text ||
                                     !args[1].isNumber())
                                     return false;
                                 std::vector<std::wstring> items(1);
                                 for (const wchar_t ch : args[0].text) {
                                     if (ch == L';')
                                         items.emplace_back();
                                     else
                                         items.back() += ch;
                                 }
                                 const auto index = static_cast<long>(args[1].number()) - 1;
                                 if (index >= 0 && index < static_cast<long>(items.size()) &&
                                     !items[static_cast<std::size_t>(index)].empty())
                                     result = FunctionValue::ofText(
                                         items[static_cast<std::size_t>(index)]);
                                 return true;
                             }});
    sheet.setCellType(CellRange::single({2, 5}),
                      CellType::number(0, 7, -99999999999999.0, 99999999999999.0));
    ASSERT_TRUE(sheet.setFormula({2, 5}, L"GETARRAYITEM(\"a;b;c\",2)"));
    EXPECT_EQ(sheet.cellText({2, 5}, TextKind::Value), L"b");
    ASSERT_TRUE(sheet.setFormula({2, 5}, L"GETARRAYITEM(\"a;b;c\",4)"));
    EXPECT_EQ(sheet.cellText({2, 5}, TextKind::Value), L"");
    ASSERT_TRUE(sheet.setFormula({2, 5}, L"GETARRAYITEM(1,4)"));
    EXPECT_EQ(sheet.cellText({2, 5}, TextKind::Value), std::nullopt);
}

} // namespace
} // namespace grid::test
