#include "tests/dialogs/FormulaFixture.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace formulatest;
using grid::FunctionValue;
using Kind = grid::FunctionValue::Kind;
using Status = grid::FunctionValue::Status;

namespace {

FunctionValue profiles() {
    return text(L"c:\\tables\\profiles.tfs");
}

// What one look-up gives: the result record, whether the file was loaded into the look-up
// dialog's sheet, and the cell it made active there.
struct Outcome {
    FunctionValue result;
    bool loaded = false;
    std::optional<std::pair<int, int>> active;
};

// The calling sheet is a spreadsheet control on a test dialog; its cells A1..D1 hold
// "profile", "hea 100", 200 (a number cell of 2 decimals) and "MASS"; B3 is a text cell.
class LookupTest : public FormulaTest {
protected:
    void SetUp() override {
        FormulaTest::SetUp();
        ASSERT_TRUE(host.Create(62000));
        host.ShowWindow(SW_SHOW);
        ASSERT_TRUE(calling.attachToDlgItem(&host, 1196));
        calling.setMaxCols(4);
        calling.setMaxRows(4);
        calling.setNumberCells(3, 1, 3, 1, 2);
        calling.setCellText(1, 1, L"profile");
        calling.setCellText(2, 1, L"hea 100");
        calling.setCellText(3, 1, L"200");
        calling.setCellText(4, 1, L"MASS");
        calling.setEditCells(2, 3, 2, 3);
    }

    // Runs the look-up dialog of one FROMTABLE call; the user closes it.
    Outcome lookUp(std::vector<FunctionValue> args) {
        Outcome outcome;
        outcome.result = FunctionValue::ofInteger(-1);
        CFormula lookup;
        lookup.mode = CFormula::kModeLookup;
        lookup.resultValue = &outcome.result;
        lookup.arguments = args.data();
        lookup.argumentCount = static_cast<std::int16_t>(args.size());
        lookup.callingSheet = &calling;
        user.expectModal(CFormula::IDD, [&outcome](CDialog& shown, ui::UserActions& act) {
            auto& dialog = dynamic_cast<CFormula&>(shown);
            // The blank sheet has 10 rows; the profiles have 3.
            outcome.loaded = dialog.sheet.maxRows() == 3;
            int col = 0;
            int row = 0;
            if (dialog.sheet.SSGetActiveCell(col, row))
                outcome.active = std::pair(col, row);
            EXPECT_EQ(gCurrentFormulaSheet, dialog.callingSheet);
            act.click(IDOK);
        });
        // As FROMTABLE runs it: with the calling sheet as the current formula sheet.
        const FormulaSheetScope evaluating(&calling);
        EXPECT_EQ(lookup.DoModal(), IDOK);
        return outcome;
    }

    CDialog host{62000};
    Vdn_Spread calling;
};

struct LookupCase {
    const char* name;
    std::vector<FunctionValue> args;
    FunctionValue expected;
    const wchar_t* printed;
};

void PrintTo(const LookupCase& c, std::ostream* out) {
    *out << c.name;
}

class LookupCases : public LookupTest, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(LookupCases, GivesTheValueOfTheCellByItsType) {
    const LookupCase& c = GetParam();
    const Outcome outcome = lookUp(c.args);
    EXPECT_TRUE(outcome.loaded);
    EXPECT_EQ(outcome.result.status, c.expected.status);
    if (c.expected.isOk()) {
        EXPECT_EQ(outcome.result.kind, c.expected.kind);
        EXPECT_EQ(outcome.result.integer, c.expected.integer);
        EXPECT_DOUBLE_EQ(outcome.result.real, c.expected.real);
        EXPECT_EQ(outcome.result.text, c.expected.text);
    }
    EXPECT_EQ(printed(), std::wstring(L"Loading spreadsheet:\n") + c.printed);
}

INSTANTIATE_TEST_SUITE_P(
    FromTable, LookupCases,
    ::testing::Values(
        LookupCase{"NumberCellGivesReal",
                   {profiles(), ref(3, 2)},
                   FunctionValue::ofReal(16.7),
                   L"Result is double: 16.700000\n"},
        LookupCase{"CheckBoxGivesInteger",
                   {profiles(), ref(4, 1)},
                   FunctionValue::ofInteger(1),
                   L"Result is long: 1\n"},
        LookupCase{"TextCellGivesText",
                   {profiles(), ref(1, 2)},
                   FunctionValue::ofText(L"HEA 100"),
                   L"Result is string: HEA 100\n"},
        LookupCase{"GeneralCellGivesItsValueAsText",
                   {profiles(), ref(5, 1)},
                   FunctionValue::ofText(L"0.112"),
                   L"Result is string: 0.112\n"},
        LookupCase{"ErrorCellGivesError", {profiles(), ref(5, 2)}, FunctionValue::ofError(), L""},
        LookupCase{
            "CellBeyondTheSheetGivesError", {profiles(), ref(9, 9)}, FunctionValue::ofError(), L""},
        LookupCase{"HeadersAndKeyIgnoreCase",
                   {profiles(), text(L"PROFILE"), text(L"mass"), text(L"hea 100")},
                   FunctionValue::ofReal(16.7),
                   L"Result is double: 16.700000\n"},
        LookupCase{"IntegerKeyAsDigits",
                   {profiles(), text(L"Height"), text(L"Profile"), FunctionValue::ofInteger(80)},
                   FunctionValue::ofText(L"UNP 80"),
                   L"Result is string: UNP 80\n"},
        LookupCase{"RealKeyAsShortestDecimal",
                   {profiles(), text(L"Mass"), text(L"Profile"), FunctionValue::ofReal(8.64)},
                   FunctionValue::ofText(L"UNP 80"),
                   L"Result is string: UNP 80\n"},
        LookupCase{"WholeRealKeyWithoutDecimals",
                   {profiles(), text(L"Height"), text(L"Stock"), FunctionValue::ofReal(200)},
                   FunctionValue::ofInteger(1),
                   L"Result is long: 1\n"},
        LookupCase{"KeyTextsFromTheCallingSheet",
                   {profiles(), ref(1, 1), ref(4, 1), ref(2, 1)},
                   FunctionValue::ofReal(16.7),
                   L"Result is double: 16.700000\n"},
        LookupCase{"NumberCellOfTheCallingSheetAsKey",
                   {profiles(), text(L"height"), text(L"profile"), ref(3, 1)},
                   FunctionValue::ofText(L"IPE 200"),
                   L"Result is string: IPE 200\n"},
        LookupCase{"KeyInNoRow",
                   {profiles(), text(L"Profile"), text(L"Mass"), text(L"HEB 300")},
                   FunctionValue::empty(),
                   L""},
        LookupCase{"HeaderInNoColumn",
                   {profiles(), text(L"Profile"), text(L"Width"), text(L"IPE 200")},
                   FunctionValue::empty(),
                   L""},
        LookupCase{"RangeKeyHasNoText",
                   {profiles(), text(L"Profile"), text(L"Mass"),
                    FunctionValue::ofRange(grid::CellRange::spanning({1, 1}, {2, 2}))},
                   FunctionValue::empty(),
                   L""},
        LookupCase{
            "SecondArgumentNotACell", {profiles(), text(L"C2")}, FunctionValue::empty(), L""}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return info.param.name; });

TEST_F(LookupTest, TheTargetBecomesTheActiveCellOfTheLookedUpSheet) {
    const Outcome outcome =
        lookUp({profiles(), text(L"profile"), text(L"Height"), text(L"UNP 80")});
    EXPECT_EQ(outcome.result.kind, Kind::Real);
    EXPECT_DOUBLE_EQ(outcome.result.real, 80);
    EXPECT_EQ(outcome.active, std::pair(2, 3));
}

TEST_F(LookupTest, AThirdCellArgumentReceivesTheFormattedTextInTheCallingSheet) {
    const Outcome outcome = lookUp({profiles(), ref(3, 2), ref(2, 3)});
    EXPECT_EQ(outcome.result.status, Status::Empty);
    EXPECT_EQ(cell(calling, 2, 3), L"16.70");
    EXPECT_EQ(outcome.active, std::pair(3, 2));
    // Only the value goes to the command line, and here there is none.
    EXPECT_EQ(printed(), L"Loading spreadsheet:\n");
}

TEST_F(LookupTest, ArgumentsOfTheWrongKindGiveEmptyWithoutLoading) {
    const std::vector<std::vector<FunctionValue>> cases = {
        {FunctionValue::ofInteger(12), ref(3, 2)},
        {FunctionValue::ofReal(1.5), ref(3, 2)},
        {ref(1, 1), ref(3, 2)},
        {profiles(), FunctionValue::ofError()},
        {profiles(), ref(3, 2), FunctionValue::ofError()},
        {profiles(), text(L"Profile"), FunctionValue::empty(), text(L"IPE 200")},
        {FunctionValue::ofError(), ref(3, 2)},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        const Outcome outcome = lookUp(cases[i]);
        EXPECT_EQ(outcome.result.status, Status::Empty);
        EXPECT_FALSE(outcome.loaded);
    }
    EXPECT_EQ(printed().find(L"Result"), std::wstring::npos);
}

TEST_F(LookupTest, AMissingFileGivesEmpty) {
    const Outcome outcome = lookUp({text(L"c:\\tables\\nothere.tfs"), ref(1, 1)});
    EXPECT_EQ(outcome.result.status, Status::Empty);
    EXPECT_FALSE(outcome.loaded);
}

} // namespace
