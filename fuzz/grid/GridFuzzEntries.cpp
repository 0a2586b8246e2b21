// Fuzz entries for the grid engine's readers of outside input: formulas, number formats, .tfs
// files and CSV.
#include "fuzz/FuzzEntry.h"
#include "platform/grid/files/TextCodec.h"
#include "platform/grid/sheet/Sheet.h"
#include "platform/grid/values/NumberFormat.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using fuzz::bytesOf;
using fuzz::require;

using namespace grid;

} // namespace

// A formula that parses prints (A1 and R1C1) to text that reads back the same, and computing
// it in a small sheet, before and after structure changes, does not fail.
TESSA_FUZZ_ENTRY(grid_formula_parser) {
    const std::wstring text = TextCodec::decodeAny(bytesOf(data, size));
    Sheet sheet;
    sheet.setMaxCols(8);
    sheet.setMaxRows(8);
    sheet.setCellText({1, 1}, L"2");
    sheet.setCellText({2, 1}, L"text");
    const CellRef host{3, 3};
    if (!sheet.setFormula(host, text))
        return;
    for (const ReferenceStyle style : {ReferenceStyle::A1, ReferenceStyle::R1C1}) {
        sheet.setReferenceStyle(style);
        const std::wstring printed = sheet.cellText(host, TextKind::Formula).value_or(L"");
        require(sheet.setFormula(host, printed).ok());
        require(sheet.cellText(host, TextKind::Formula).value_or(L"") == printed);
    }
    sheet.setReferenceStyle(ReferenceStyle::A1);
    sheet.cellText(host, TextKind::Value);
    sheet.cellText(host, TextKind::Formatted);
    sheet.insertRows(2, 1);
    sheet.deleteColumns(1, 1);
    sheet.recalculate();
}

// A number format applies to every number or to none (whether it parses does not depend on
// the value), and never crashes or hangs, whatever the value.
TESSA_FUZZ_ENTRY(grid_number_format) {
    const std::wstring format = TextCodec::decodeAny(bytesOf(data, size));
    const bool applies = NumberFormat::format(1, format).has_value();
    for (const double value : {0.0, -1.5, 0.333333333333, 1234.5678, 2125551234.0, -1e300, 1e-300,
                               9.99999999999999e15}) {
        const auto text = NumberFormat::format(value, format);
        require(text.has_value() == applies);
    }
    require(NumberFormat::formatText(L"text", format).has_value() == applies || format.empty());
}

// A .tfs file that loads writes to text that loads and writes back unchanged.
TESSA_FUZZ_ENTRY(grid_tfs_reader) {
    Sheet sheet;
    if (!sheet.readTfs(bytesOf(data, size)))
        return;
    const std::string first = sheet.writeTfs();
    Sheet again;
    require(again.readTfs(first).ok());
    require(again.writeTfs() == first);
    sheet.writeCsv();
}

// CSV that loads is written back out as CSV that loads again.
TESSA_FUZZ_ENTRY(grid_csv_reader) {
    Sheet sheet;
    if (!sheet.readCsv(bytesOf(data, size)))
        return;
    Sheet again;
    require(again.readCsv(sheet.writeCsv(L'\t')).ok());
    sheet.writeTfs();
}
