// The reading rules shared by all functions, and the table that registers them.

#include "spreadsheet/functions/FunctionArguments.h"

#include "FunctionsTestSupport.h"
#include "spreadsheet/functions/StandardsFunctions.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace ssfunctions_test {
namespace {

using grid::FunctionValue;

TEST(FunctionArguments, TextsLoseOneQuoteAtEachEnd) {
    struct Case {
        const wchar_t* given;
        const wchar_t* read;
    };
    const Case cases[] = {
        {L"abc", L"abc"},         {L"\"abc\"", L"abc"}, {L"\"abc", L"abc"},
        {L"abc\"", L"abc"},       {L"\"\"", L""},       {L"\"", L""},
        {L"\"\"x\"\"", L"\"x\""}, {L"", L""},           {L"a\"b", L"a\"b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ss::textArgument(FunctionValue::ofText(c.given)), c.read) << Vdn_String(c.given);
}

TEST(FunctionArguments, OnlyRecordsOfTheRightKindAndStatusAreRead) {
    const FunctionValue records[] = {FunctionValue::ofInteger(3),
                                     FunctionValue::ofReal(2.5),
                                     FunctionValue::ofText(L"t"),
                                     FunctionValue::empty(),
                                     FunctionValue::ofError(),
                                     FunctionValue::ofCell({1, 1}),
                                     FunctionValue::ofRange({{1, 1}, {2, 2}})};
    const std::optional<double> numbers[] = {3.0, 2.5, {}, {}, {}, {}, {}};
    const bool texts[] = {false, false, true, false, false, false, false};
    const bool empties[] = {false, false, false, true, false, false, false};
    for (std::size_t i = 0; i < std::size(records); ++i) {
        EXPECT_EQ(ss::numberArgument(records[i]), numbers[i]) << i;
        EXPECT_EQ(ss::textArgument(records[i]).has_value(), texts[i]) << i;
        EXPECT_EQ(ss::isEmptyArgument(records[i]), empties[i]) << i;
    }
    FunctionValue text = FunctionValue::ofText(L"x");
    text.status = FunctionValue::Status::Error;
    EXPECT_FALSE(ss::textArgument(text)) << "an error record is no text, whatever its kind";
}

TEST(FunctionArguments, ResultsAreRealsOrTextsAndAnEmptyTextIsEmpty) {
    FunctionValue result;
    ss::setNumberResult(result, 4);
    EXPECT_EQ(result.status, FunctionValue::Status::Ok);
    EXPECT_EQ(result.kind, FunctionValue::Kind::Real);
    EXPECT_EQ(result.real, 4.0);
    ss::setTextResult(result, L"b");
    EXPECT_EQ(result.kind, FunctionValue::Kind::Text);
    EXPECT_EQ(result.text, L"b");
    ss::setTextResult(result, L"");
    EXPECT_EQ(result.status, FunctionValue::Status::Empty);
}

TEST(FunctionArguments, PositionsTruncateTowardZeroAndCountFromOne) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double position;
        std::optional<int> index;
    };
    const Case cases[] = {{1, 0},
                          {2.99, 1},
                          {0.99, -1},
                          {0, -1},
                          {-0.5, -1},
                          {-1.5, -2},
                          {2147483647.0, 2147483646},
                          {1e20, {}},
                          {-1e20, {}},
                          {nan, {}},
                          {inf, {}}};
    for (const Case& c : cases)
        EXPECT_EQ(ss::positionIndex(c.position), c.index) << c.position;
}

TEST(StandardsFunctionTable, HoldsTheTwelveFunctionsWithTheirArgumentCounts) {
    struct Row {
        std::wstring name;
        int minArgs;
        int maxArgs;
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> rows;
    for (const ss::StandardsFunction& f : ss::standardsFunctions()) {
        rows.push_back({f.name, f.minArgs, f.maxArgs});
        EXPECT_NE(f.callback, nullptr) << Vdn_String(f.name);
    }
    const std::vector<Row> expected = {
        {L"ROUNDTO", 2, 2},
        {L"GETCELL", 2, 7},
        {L"GETPROFCELL", 2, 7},
        {L"SECTIONSIZE", 2, 2},
        {L"GETSYSNAME", 1, 1},
        {L"STDWIDTHWITHTOLERANCE", 6, 6},
        {L"STDTHICKNESSWITHTOLERANCE", 5, 5},
        {L"STDSIZEWITHTOLERANCE", 5, 5},
        {L"GETARRAYITEM", 2, 2},
        {L"TONUMBER", 1, 1},
        {L"ISNULL", 1, 1},
        {L"ISPOSITIVE", 1, 1},
    };
    EXPECT_TRUE(rows == expected);
}

class Registration : public FunctionsTest {};

TEST_F(Registration, EveryFunctionIsCallableFromAFormulaInAnyCase) {
    expectAll({
        {L"=roundto(7.4,1)", num(7)},
        {L"=IsNull(0)+IsPositive(2)", num(2)},
        {L"=GETARRAYITEM(\"x;y\",2)&GETSYSNAME(\"HE200A\")", text(L"yHEA-200")},
        {L"=TONUMBER(GETCELL(\"bolts.txt\",\"M16\"))+SECTIONSIZE(\"HEA200\",1)", num(207)},
        {L"=ROUNDTO(1)", failed()},
        {L"=ISNULL(1,2)", failed()},
    });
}

} // namespace
} // namespace ssfunctions_test
