#include "GridTestSupport.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace grid::test {
namespace {

// A sheet with contents, a formula and its dependant, formats, layout and an option.
void fill(Sheet& sheet) {
    sheet.setMaxCols(4);
    sheet.setMaxRows(5);
    sheet.setCellText({1, 1}, L"Input");
    sheet.setCellType(CellRange::single({2, 2}),
                      CellType::number(0x10400000, 2, -99999999999999.0, 99999999999999.0));
    sheet.setCellText({2, 2}, L"12.5");
    sheet.setFormula({3, 2}, L"=B2*2");
    sheet.setTag({0, 0}, L"[print]");
    sheet.setColumnWidth(1, 120);
    sheet.setOption(12, true);
}

TEST(Snapshots, RestoringGivesBackExactlyWhatWasTaken) {
    Sheet sheet;
    fill(sheet);
    const SheetModel taken = sheet.snapshot();
    const std::string before = sheet.writeTfs();

    sheet.setCellText({1, 1}, L"changed");
    sheet.setFormula({3, 2}, L"=1/0");
    sheet.setMaxRows(2);
    sheet.setOption(12, false);
    ASSERT_TRUE(sheet.restore(taken).ok());

    EXPECT_EQ(sheet.writeTfs(), before);
    EXPECT_EQ(sheet.maxRows(), 5);
    EXPECT_TRUE(sheet.option(12));
    EXPECT_EQ(sheet.cellValue({3, 2}), num(25));
}

TEST(Snapshots, ARestoredSheetKeepsItsDependenciesAndItsOwnFunctions) {
    Sheet source;
    fill(source);
    Sheet target;
    target.addCustomFunction(
        {L"TWICE", 1, 1, false, [](FunctionValue& result, std::span<const FunctionValue> args) {
             result = FunctionValue::ofReal(2 * args[0].number());
             return true;
         }});
    ASSERT_TRUE(target.restore(source.snapshot()).ok());

    // The dependency graph follows the restored formulas.
    target.setCellText({2, 2}, L"4");
    EXPECT_EQ(target.cellValue({3, 2}), num(8));
    ASSERT_TRUE(target.setFormula({4, 4}, L"=TWICE(B2)").ok());
    EXPECT_EQ(target.cellValue({4, 4}), num(8));
    // The snapshot is a copy: the source is untouched by the target's changes.
    EXPECT_EQ(source.cellValue({3, 2}), num(25));
}

TEST(Snapshots, RestoringWhileCalculatingIsRefused) {
    Sheet sheet;
    fill(sheet);
    const SheetModel empty = Sheet().snapshot();
    bool refused = false;
    sheet.addCustomFunction(
        {L"RESTORE", 0, 0, false, [&](FunctionValue& result, std::span<const FunctionValue>) {
             refused = !sheet.restore(empty).ok();
             result = FunctionValue::ofInteger(1);
             return true;
         }});
    ASSERT_TRUE(sheet.setFormula({4, 5}, L"=RESTORE()").ok());
    EXPECT_TRUE(refused);
    EXPECT_EQ(sheet.maxRows(), 5);
    EXPECT_EQ(sheet.cellValue({4, 5}), num(1));
}

TEST(ParsedFormulas, AFormulaParsedOnceIsSetLikeItsText) {
    Sheet sheet;
    fill(sheet);
    FormulaPtr formula;
    ASSERT_TRUE(Formula::parse(L"=B2+1", {4, 3}, sheet.referenceStyle(), formula));
    ASSERT_TRUE(sheet.setFormula({4, 3}, formula).ok());
    ASSERT_TRUE(sheet.setFormula({4, 4}, L"=B2+1").ok());
    EXPECT_EQ(sheet.cellValue({4, 3}), num(13.5));
    EXPECT_EQ(sheet.cellText({4, 3}, TextKind::Formula), sheet.cellText({4, 4}, TextKind::Formula));
    // Its cell depends on what it reads, as with a formula set as text.
    sheet.setCellText({2, 2}, L"1");
    EXPECT_EQ(sheet.cellValue({4, 3}), num(2));
    EXPECT_FALSE(sheet.setFormula({9, 9}, formula).ok()) << "outside the sheet";
    ASSERT_TRUE(sheet.setFormula({4, 3}, FormulaPtr()).ok());
    EXPECT_EQ(sheet.cellValue({4, 3}), Value()) << "no formula empties the cell";
}

TEST(ParsedFormulas, AFormulaReadingItsOwnCellIsStillCircular) {
    Sheet sheet;
    fill(sheet);
    FormulaPtr formula;
    ASSERT_TRUE(Formula::parse(L"=D5+1", {4, 5}, sheet.referenceStyle(), formula));
    ASSERT_TRUE(sheet.setFormula({4, 5}, formula).ok());
    EXPECT_EQ(sheet.cellValue({4, 5}), Value::error(ErrorCode::Value));
}

TEST(FilledCells, EveryFilledBodyCellIsVisitedOnceWithItsValue) {
    Sheet sheet;
    fill(sheet);
    sheet.setCellText({0, 3}, L"row name");
    sheet.setFont(CellRange::single({4, 4}), CellFont{L"Tahoma", 15, 700});
    std::vector<std::pair<CellRef, Value>> seen;
    int formulas = 0;
    sheet.forEachFilledCell([&](CellRef ref, const Value& value, bool formula) {
        seen.emplace_back(ref, value);
        formulas += formula ? 1 : 0;
        return true;
    });
    std::sort(seen.begin(), seen.end(),
              [](const auto& a, const auto& b) { return readingOrderLess(a.first, b.first); });
    ASSERT_EQ(seen.size(), 3u) << "headers and cells with only a format are not filled";
    EXPECT_EQ(seen[0].first, (CellRef{1, 1}));
    EXPECT_EQ(seen[0].second, text(L"Input"));
    EXPECT_EQ(seen[2].first, (CellRef{3, 2}));
    EXPECT_EQ(seen[2].second, num(25));
    EXPECT_EQ(formulas, 1);
    int visits = 0;
    sheet.forEachFilledCell([&](CellRef, const Value&, bool) { return ++visits < 2; });
    EXPECT_EQ(visits, 2) << "the visit stops when asked";
}

TEST(CellFormats, CellsFormattedOneByOneAlikeShareTheirFormat) {
    Sheet sheet;
    sheet.setMaxCols(3);
    sheet.setMaxRows(3);
    const CellType number = CellType::number(0x10400000, 7, -1e14, 1e14);
    const CellType plain = CellType::number(0x10100000, 7, -1e14, 1e14);
    for (int row = 1; row <= 3; ++row) {
        ASSERT_TRUE(sheet.setCellType(CellRange::single({1, row}), number));
        ASSERT_TRUE(sheet.setCellType(CellRange::single({2, row}), plain));
    }
    EXPECT_EQ(sheet.cellType({1, 3}), number);
    EXPECT_EQ(sheet.cellType({2, 3}), plain);
    // A shared format is never changed in place: changing one cell leaves the others.
    ASSERT_TRUE(sheet.setLocked(CellRange::single({1, 2}), true));
    EXPECT_TRUE(sheet.isLocked({1, 2}));
    EXPECT_FALSE(sheet.isLocked({1, 1}));
    EXPECT_FALSE(sheet.isLocked({1, 3}));
    // Giving a cell the type it has changes nothing else about it.
    ASSERT_TRUE(sheet.setCellType(CellRange::single({1, 2}), number));
    EXPECT_TRUE(sheet.isLocked({1, 2}));
    ASSERT_TRUE(sheet.setCellType(CellRange::single({3, 3}), CellType()));
    EXPECT_TRUE(sheet.filledCells().empty());
}

} // namespace
} // namespace grid::test
