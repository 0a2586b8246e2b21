#include "dialogs/CFormula.h"
#include "dialogs/FormulaSheetScope.h"
#include "module/ResourceSwitch.h"
#include "platform/grid/sheet/CellType.h"
#include "platform/grid/sheet/Sheet.h"
#include "platform/grid/values/NumberText.h"
#include "platform/host/CommandLineApi.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <string>
#include <utility>

// FROMTABLE(file, cell [, target cell]) and FROMTABLE(file, key header, result header, key):
// a value of another spreadsheet file, looked up in a further Formulas dialog that stays open
// on that file until the user closes it.
//
// Text results are plain wide strings in the control's value records, not memory blocks the
// callback allocates, so the allocation failure the Windows control could report
// ("Reallocate failed") cannot happen here.

namespace {

using grid::FunctionValue;
using Kind = grid::FunctionValue::Kind;

// Cell-type codes whose value is read as an integer (10 and the check box) or as a real.
constexpr int kIntegerCode = 10;
constexpr int kRealCodes[] = {grid::CellType::kNumberCode, 15, 16};

// The control's integers are 32 bits: wcstol with a 32-bit long clamps to that range.
long toInteger(const Vdn_String& text) {
    const long value = std::wcstol(text.c_str(), nullptr, 10);
    return std::clamp<long>(value, INT_MIN, INT_MAX);
}

void printResult(const FunctionValue& result) {
    if (!result.isOk())
        return;
    switch (result.kind) {
    case Kind::Integer:
        acutPrintf(L"Result is long: %i\n", static_cast<int>(result.integer));
        break;
    case Kind::Real:
        acutPrintf(L"Result is double: %f\n", result.real);
        break;
    case Kind::Text:
        acutPrintf(L"Result is string: %s\n", result.text.c_str());
        break;
    case Kind::Cell:
        acutPrintf(L"Result is cell\n");
        break;
    case Kind::Range:
        acutPrintf(L"Result is range\n");
        break;
    }
}

} // namespace

bool CFormula::evaluateFromTable(FunctionValue& result, std::span<const FunctionValue> args) {
    // The sheet evaluating this call is this dialog's, also while the dialog is still loading
    // its file or is in the user's hands.
    FormulaSheetScope evaluating(&sheet);
    if (!args.empty() && args[0].isOk() && args[0].kind == Kind::Text &&
        LookupChain::holds(Vdn_String(args[0].text))) {
        result = FunctionValue::empty();
        acutPrintf(L"FROMTABLE refused, already being looked up:%s\n", args[0].text.c_str());
        return true;
    }
    if (repeatsWriteBack(args)) {
        result = FunctionValue::empty();
        return true;
    }
    frame::ResourceSwitch resources;
    CFormula lookup;
    lookup.mode = kModeLookup;
    lookup.resultValue = &result;
    lookup.arguments = args.data();
    lookup.argumentCount = static_cast<std::int16_t>(args.size());
    lookup.callingSheet = gCurrentFormulaSheet;
    lookup.DoModal();
    noteWriteBack(args, lookup);
    return true;
}

bool CFormula::repeatsWriteBack(std::span<const FunctionValue> args) {
    // Only the evaluation right after the write can be its echo.
    const std::optional<WriteBack> last = std::exchange(lastWriteBack, std::nullopt);
    if (!last || args.size() != 3 || args[0].kind != Kind::Text || args[1].kind != Kind::Cell ||
        args[2].kind != Kind::Cell)
        return false;
    Vdn_String shown;
    return args[0].text == last->file && args[1].cell == last->source &&
           args[2].cell == last->cell && sheet.getCellText(last->cell.col, last->cell.row, shown) &&
           shown == last->shown;
}

void CFormula::noteWriteBack(std::span<const FunctionValue> args, const CFormula& lookup) {
    // Without automatic calculation the write computes nothing again.
    if (!lookup.writtenCell || lookup.callingSheet != &sheet ||
        !sheet.SSGetBool(kOptionAutoCalculate))
        return;
    WriteBack written{args[0].text, args[1].cell, *lookup.writtenCell, Vdn_String()};
    if (sheet.getCellText(written.cell.col, written.cell.row, written.shown))
        lastWriteBack = std::move(written);
}

void CFormula::lookUp() {
    if (resultValue == nullptr)
        return;
    *resultValue = FunctionValue::empty();
    if (argumentCount < 1 || arguments == nullptr)
        return;
    const std::span<const FunctionValue> args(arguments, static_cast<std::size_t>(argumentCount));
    if (!std::all_of(args.begin(), args.end(), [](const FunctionValue& a) { return a.isOk(); }) ||
        args[0].kind != Kind::Text)
        return;
    // FROMTABLE stays registered on the loaded sheet (see registerFromTable).
    if (!loadSheet(Vdn_String(args[0].text)))
        return;
    int col = 0;
    int row = 0;
    if (!findTarget(args, col, row))
        return;
    sheet.SSSetActiveCell(col, row);
    fetchTarget(col, row, args);
}

bool CFormula::findTarget(std::span<const FunctionValue> args, int& col, int& row) const {
    if (args.size() == 2 || args.size() == 3) {
        if (args[1].kind != Kind::Cell)
            return false;
        col = args[1].cell.col;
        row = args[1].cell.row;
        return true;
    }
    return args.size() == 4 && findByHeaders(args, col, row);
}

bool CFormula::findByHeaders(std::span<const FunctionValue> args, int& col, int& row) const {
    Vdn_String keyHeader;
    Vdn_String resultHeader;
    Vdn_String key;
    if (!argumentText(args[1], keyHeader) || !argumentText(args[2], resultHeader) ||
        !argumentText(args[3], key))
        return false;
    // Cells compare by their value text: numbers without trailing zeros, as the key texts of
    // integers and reals are written.
    const auto textAt = [this](int c, int r) {
        Vdn_String text;
        sheet.getCellText(c, r, text, Vdn_Spread::kCellValue);
        return text;
    };
    const int lastCol = sheet.maxCols();
    const int lastRow = sheet.maxRows();
    const auto columnOf = [&](const Vdn_String& header) {
        for (int c = 1; c <= lastCol; ++c) {
            if (textAt(c, Vdn_Spread::kHeader).equal(header, false))
                return c;
        }
        return 0;
    };
    const int keyCol = columnOf(keyHeader);
    const int resultCol = columnOf(resultHeader);
    if (keyCol == 0 || resultCol == 0)
        return false;
    for (int r = 1; r <= lastRow; ++r) {
        if (textAt(keyCol, r).equal(key, false)) {
            col = resultCol;
            row = r;
            return true;
        }
    }
    return false;
}

bool CFormula::argumentText(const FunctionValue& argument, Vdn_String& text) const {
    switch (argument.kind) {
    case Kind::Integer:
        text = Vdn_String(std::to_wstring(argument.integer));
        return true;
    case Kind::Real:
        // The shortest decimal text that reads back as the same number ("12.5", "200").
        text = Vdn_String(grid::NumberText::shortest(argument.real));
        return true;
    case Kind::Text:
        text = Vdn_String(argument.text);
        return true;
    case Kind::Cell:
        return callingSheet != nullptr &&
               callingSheet->getCellText(argument.cell.col, argument.cell.row, text,
                                         Vdn_Spread::kCellValue);
    case Kind::Range:
        break;
    }
    return false;
}

void CFormula::fetchTarget(int col, int row, std::span<const FunctionValue> args) {
    if (args.size() == 3 && args[2].kind == Kind::Cell) {
        // The looked-up text goes into the calling sheet; the formula itself gives empty.
        Vdn_String text;
        if (callingSheet != nullptr && sheet.getCellText(col, row, text) &&
            callingSheet->setCellText(args[2].cell.col, args[2].cell.row, text))
            writtenCell = args[2].cell;
        return;
    }
    *resultValue = targetValue(col, row);
    printResult(*resultValue);
}

FunctionValue CFormula::targetValue(int col, int row) const {
    const int code = sheet.cellType(col, row);
    Vdn_String text;
    if (code == kIntegerCode || code == grid::CellType::kCheckBoxCode) {
        if (!sheet.getCellText(col, row, text, Vdn_Spread::kCellValue))
            return FunctionValue::ofError();
        return FunctionValue::ofInteger(toInteger(text));
    }
    if (std::find(std::begin(kRealCodes), std::end(kRealCodes), code) != std::end(kRealCodes)) {
        // The number itself, not the text rounded to the cell's decimals.
        const auto value = sheet.sheet().cellValue(grid::CellRef{col, row});
        if (!value || (!value->isNumber() && !value->isEmpty()))
            return FunctionValue::ofError();
        return FunctionValue::ofReal(value->isNumber() ? value->asNumber() : 0.0);
    }
    if (!sheet.getCellText(col, row, text, Vdn_Spread::kCellValue))
        return FunctionValue::ofError();
    return FunctionValue::ofText(text.str());
}
