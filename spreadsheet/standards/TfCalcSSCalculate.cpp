#include "platform/core/settings/DocumentData.h"
#include "platform/core/settings/Vdn_FunctionTimer.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/grid/sheet/Sheet.h"
#include "platform/ui/windows/WinApi.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/functions/FunctionProblem.h"
#include "spreadsheet/functions/StandardsFunctions.h"
#include "spreadsheet/standards/CalcSSTimers.h"
#include "spreadsheet/standards/EquationFailure.h"
#include "spreadsheet/standards/EvaluationChain.h"
#include "spreadsheet/standards/TfCalcSS.h"

#include <algorithm>
#include <optional>
#include <vector>

// The calculation: custom functions, duplicate variables, the equations of the Calc section
// one by one, variable names becoming cell references, and general variables.

namespace {

constexpr int kEquationDecimals = 7;
constexpr int kEquationTextLength = 200;

const Vdn_StringArray& nativeFunctionNames() {
    static const Vdn_StringArray kNames{L"CallChild"};
    return kNames;
}

// Whether the control takes text as no formula at all (blanks, or '=' and blanks): setting it
// empties the cell.
bool emptiesCell(std::wstring_view text) {
    const std::size_t first = text.find_first_not_of(L" \t");
    return first == std::wstring_view::npos ||
           (text[first] == L'=' &&
            text.find_first_not_of(L" \t", first + 1) == std::wstring_view::npos);
}

} // namespace

bool TfCalcSS::replaceWords(Vdn_String& text, const Vdn_StringArray& names,
                            const Vdn_StringArray& values, bool quote) {
    std::wstring replaced = text.str();
    if (!ss::WordReplacer(names, values, quote).replace(replaced))
        return false;
    text = Vdn_String(std::move(replaced));
    return true;
}

Acad::ErrorStatus TfCalcSS::replaceGenVars() {
    if (!isAttached())
        return Acad::eInvalidInput;
    const ss::WordReplacer replacer(genVarNames_, genVarValues_, true);
    if (replacer.isEmpty())
        return Acad::eOk;
    // Empty cells have nothing to replace, nor has a text in which no name can occur; but a
    // change may recompute a formula that is visited later, so with formulas in the sheet
    // every filled cell is looked at, in the order of the columns.
    std::vector<grid::CellRef> cells;
    bool formulas = false;
    sheet().forEachFilledCell([&](grid::CellRef ref, const grid::Value& value, bool formula) {
        formulas = formulas || formula;
        if (formula || !value.isText() || replacer.mayOccurIn(value.asText()))
            cells.push_back(ref);
        return true;
    });
    if (formulas)
        cells = sheet().filledCells();
    std::stable_sort(cells.begin(), cells.end(),
                     [](const grid::CellRef& a, const grid::CellRef& b) { return a.col < b.col; });
    for (const grid::CellRef& ref : cells) {
        Vdn_String text;
        if (!getCellText(ref.col, ref.row, text, Vdn_Spread::kCellValue))
            continue;
        std::wstring replaced = text.str();
        if (replacer.replace(replaced))
            setCellValue(ref.col, ref.row, Vdn_String(std::move(replaced)));
    }
    return Acad::eOk;
}

void TfCalcSS::removeDuplicates() {
    // The table of the names tells at once when every name is unique (the usual case).
    int nameless = 0;
    for (int i = 0; i < varCells_.length(); ++i)
        nameless += varCells_[i].name.isEmpty() ? 1 : 0;
    if (nameless <= 1 &&
        variableTable().distinctNames() == static_cast<std::size_t>(varCells_.length() - nameless))
        return;
    Vdn_StringArray names;
    for (int i = 0; i < varCells_.length(); ++i)
        names.append(varCells_[i].name);
    Vdn_StringArray duplicates;
    if (!hasDuplicates(names, false, duplicates))
        return;
    Vdn_String text = L"There were duplicate variable names found in the standards file " +
                      shownPath(fileName_) +
                      L".\nThe duplicates will be ignored. Please correct this file.\n"
                      L"Duplicate variable names:\n\n";
    for (const Vdn_String& name : duplicates)
        text += name + L"\n";
    MessageBox(text.str(), L"Variable names must be unique", MB_ICONEXCLAMATION | MB_OK);
    // Highest index first, so the remaining indexes stay valid; the first of each name stays.
    for (const int index : getDuplicates(names, false))
        varCells_.removeAt(index);
    table_.reset();
}

Acad::ErrorStatus TfCalcSS::calculate() {
    {
        Vdn_FunctionTimer timer(gRegisterFuntions);
        for (const ss::StandardsFunction& function : ss::standardsFunctions())
            SSAddCustomFunctionExt(function.name, function.minArgs, function.maxArgs,
                                   function.callback, 0);
    }
    {
        Vdn_FunctionTimer timer(gFindDuplicates);
        removeDuplicates();
    }
    const int first = calcStart();
    if (first < 0)
        return failWith(shownPath(fileName_) + L" has no \"Calc\" label");
    // While this sheet calculates, a child call that comes back to it is refused.
    const ss::EvaluationChain::Link link(canonicalPath_);
    variableTable();
    equationCursor_ = 0;
    Vdn_FunctionTimer timer(gCalcCells);
    for (int row = first; row <= maxRows(); ++row) {
        for (int col = 1; col <= maxCols(); ++col)
            calcCell(col, row);
    }
    return Acad::eOk;
}

const ss::VariableTable& TfCalcSS::variableTable() {
    if (table_)
        return *table_;
    // The same variables in the same cells as when the file was evaluated before.
    if (memo_->table && memo_->table->matches(varCells_)) {
        table_ = memo_->table;
        return *table_;
    }
    std::vector<ss::VariableTable::Variable> variables;
    std::vector<std::wstring_view> names;
    {
        Vdn_FunctionTimer timer(gCalcCellGetVarNames);
        variables.reserve(static_cast<std::size_t>(varCells_.length()));
        for (int i = 0; i < varCells_.length(); ++i)
            variables.push_back({varCells_[i].name.str(), varCells_[i].col, varCells_[i].row});
        names.reserve(variables.size());
        for (const ss::VariableTable::Variable& variable : variables)
            names.push_back(variable.name);
    }
    ss::NameIndex index;
    Vdn_StringArray found;
    Vdn_StringArray references;
    {
        Vdn_FunctionTimer timer(gCalcCellGetVarCoords);
        index = ss::NameIndex(names);
        for (int i = 0; i < varCells_.length(); ++i) {
            Vdn_FunctionTimer one(gCalcCellGetVarCoordName);
            // The first variable of the name gives the reference; a nameless one is dropped.
            const int first = index.firstOf(i);
            if (first < 0)
                continue;
            const TfVarCell& cell = varCells_[first];
            found.append(varCells_[i].name);
            references.append(getAlfabet(cell.col) + Vdn_String(cell.row));
        }
    }
    table_ = std::make_shared<const ss::VariableTable>(std::move(variables), std::move(index),
                                                       ss::WordReplacer(found, references, false));
    memo_->table = table_;
    return *table_;
}

int TfCalcSS::variableIndex(const Vdn_String& name) {
    return variableTable().find(name.str());
}

void TfCalcSS::showEquationFailure(const Vdn_String& name, const Vdn_String& expression, int row,
                                   const Vdn_String& reason, const Vdn_String& detail) const {
    if (report_ != nullptr) {
        const Vdn_String& why = !detail.isEmpty() ? detail : reason;
        report_->note(shownPath(fileName_) + L" row " + Vdn_String(row) + L": " +
                      (name.isEmpty() ? Vdn_String() : name + L" = ") + expression + L": " +
                      (why.isEmpty() ? Vdn_String(L"it assigns no variable of the sheet, or "
                                                  L"names one that is not declared")
                                     : why));
    }
    if (!core::currentDocumentData().spreadsheetMessages)
        return;
    Vdn_String text = L"The following equation failed:\n";
    if (!name.isEmpty())
        text += name + L" = ";
    text += expression + L"\n" + L"Spreadsheet : " + shownPath(fileName_) + L" (line: " +
            Vdn_String(row) + L")\n";
    if (!reason.isEmpty())
        text += L"Reason : " + reason;
    else
        text += L"Here's a tip for finding the cause :\n"
                L"If this equation contains variable names, then the translator does not know "
                L"the value of the variable. Make sure the variable exists either in input, "
                L"output, local declarations or among the gen_ variables.";
    AfxMessageBox(text.str(), MB_ICONEXCLAMATION);
}

ss::EquationMemo::Equation TfCalcSS::analyse(grid::CellRef cell, const Vdn_String& text) {
    ss::EquationMemo::Equation equation;
    equation.cell = cell;
    equation.text = text.str();
    equation.style = sheet().referenceStyle();
    {
        Vdn_FunctionTimer timer(gCalcCellSplitSymbol);
        if (!splitStringAtSymbol(text, L'=', equation.name, equation.expression, true))
            equation.expression = text;
    }
    {
        Vdn_FunctionTimer timer(gCalcCellFindVarCell);
        // A nameless declaration is never the target of an equation.
        if (!equation.name.isEmpty())
            equation.variable = variableIndex(equation.name);
    }
    {
        Vdn_FunctionTimer timer(gCalcCellFindFunctions);
        hasASubstr(equation.expression, nativeFunctionNames(), equation.native, false);
    }
    if (!equation.native.isEmpty() || equation.variable < 0)
        return equation;
    {
        Vdn_FunctionTimer timer(gCalcCellReplaceVariables);
        equation.formula = equation.expression.str();
        variableTable().rewrite(equation.formula);
    }
    if (!emptiesCell(equation.formula)) {
        grid::FormulaPtr parsed;
        const grid::Result result =
            grid::Formula::parse(equation.formula, cell, equation.style, parsed);
        if (result)
            equation.parsed = std::move(parsed);
        else
            equation.parseProblem = ss::parseFailure(equation.expression, equation.formula, cell,
                                                     equation.style, result);
    }
    return equation;
}

bool TfCalcSS::setEquationFormula(const ss::EquationMemo::Equation& equation) {
    if (equation.parsed)
        return sheet().setFormula(equation.cell, equation.parsed).ok();
    // A formula that empties the cell or does not parse: as the control takes it.
    return SSSetFormula(equation.cell.col, equation.cell.row, equation.formula);
}

// An equation is taken apart once (split at '=', the assigned variable looked up, native
// functions searched, names rewritten into cell references, parsed); every later evaluation
// of the sheet that meets the same text in the same cell under the same variables takes it
// from the memo and skips those phases.
Acad::ErrorStatus TfCalcSS::calcCell(const int& col, const int& row) {
    Vdn_String text;
    if (!getCellText(col, row, text, Vdn_Spread::kCellValue) || text.isEmpty())
        return Acad::eInvalidInput;
    const grid::CellRef cell{col, row};
    const std::uint64_t table = variableTable().id();
    const ss::EquationMemo::Equation* equation =
        memo_->equations.find(cell, text.str(), table, sheet().referenceStyle(), equationCursor_);
    if (equation == nullptr) {
        memo_->equations.remember(analyse(cell, text), table);
        equation = memo_->equations.find(cell, text.str(), table, sheet().referenceStyle(),
                                         equationCursor_);
    }
    if (!equation->native.isEmpty()) {
        // The call runs child evaluations; what it needs of the equation is kept aside.
        const Vdn_String name = equation->name;
        const Vdn_String expression = equation->expression;
        const Vdn_String native = equation->native;
        Acad::ErrorStatus status = Acad::eOk;
        {
            Vdn_FunctionTimer timer(gCalcCellCalcNativeFunctions);
            status = callNative(expression, native);
        }
        if (status != Acad::eOk)
            showEquationFailure(name, expression, row, nativeFailure_);
        return status;
    }
    if (equation->variable < 0) {
        showEquationFailure(equation->name, equation->expression, row);
        return Acad::eInvalidInput;
    }
    if (!equation->parseProblem.isEmpty()) {
        // The log says why in the parser's words; the message keeps its tip.
        showEquationFailure(equation->name, equation->expression, row, Vdn_String(),
                            equation->parseProblem);
        return Acad::eInvalidInput;
    }
    TfVarCell& variable = varCells_[equation->variable];
    {
        Vdn_FunctionTimer timer(gCalcCellCalcFunctionsPrepare);
        if (variable.valueType == tfString)
            setEditCells(col, row, col, row, Vdn_Spread::kEditStyle, kEquationTextLength);
        else
            setNumberCells(col, row, col, row, kEquationDecimals);
    }
    // What a standards function notes while the formula is computed is this equation's.
    ss::clearFunctionProblem();
    if (!setEquationFormula(*equation)) {
        showEquationFailure(equation->name, equation->expression, row,
                            L"the sheet did not take the formula");
        return Acad::eInvalidInput;
    }
    Vdn_FunctionTimer timer(gCalcCellCalcFunctions);
    Vdn_String value;
    if (!getCellText(col, row, value, Vdn_Spread::kCellValue)) {
        // A formula whose result is an error has no value: the error tells why.
        const std::optional<grid::Value> result = sheet().cellValue(cell);
        showEquationFailure(equation->name, equation->expression, row,
                            result && result->isError()
                                ? ss::errorReason(sheet(), cell, equation->parsed.get(),
                                                  result->asError(), ss::functionProblem())
                                : Vdn_String());
        return Acad::eInvalidInput;
    }
    if (variable.valueType == tfString && value.length() > TfVarCell::kTextMaxLength) {
        // The variable's cell would cut the text, and the variable and its cell would differ.
        showEquationFailure(equation->name, equation->expression, row,
                            ss::textTooLong(TfVarCell::kTextMaxLength));
        return Acad::eInvalidInput;
    }
    if (variable.setNewValue(*this, value) != Acad::eOk) {
        // The equation gave a value its variable cannot hold (a text for a number).
        showEquationFailure(equation->name, equation->expression, row,
                            L"the variable " + variable.name + L" refused the value " +
                                ss::quotedValue(value));
        return Acad::eInvalidInput;
    }
    return Acad::eOk;
}
