#include "spreadsheet/standards/TfCalcSS.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/settings/Vdn_FunctionTimer.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/CharCase.h"
#include "platform/grid/sheet/Sheet.h"
#include "spreadsheet/standards/CalcSSTimers.h"
#include "spreadsheet/standards/SheetFileCache.h"
#include "spreadsheet/standards/TfDlgStandardsData.h"

#include <algorithm>
#include <cwchar>
#include <optional>
#include <vector>

// Loading a sheet, collecting its variables, and the two ways of filling them: from a macro
// (initSSForInput, calcMain) and from a calling sheet (getFromVars, setToVars). The
// calculation itself is in TfCalcSSCalculate.cpp, native functions in TfCalcSSNative.cpp.

namespace {

// The control's options that loadFile sets: on, off, on, off.
constexpr int kOptionsOn[] = {13, 12};
constexpr int kOptionsOff[] = {8, 7};

} // namespace

TfCalcSS::TfCalcSS() = default;

TfCalcSS::TfCalcSS(const TfCalcSS& other)
    : Vdn_Spread(), fileName_(other.fileName_), varCells_(other.varCells_),
      genVarNames_(other.genVarNames_), genVarValues_(other.genVarValues_),
      canonicalPath_(other.canonicalPath_), memo_(other.memo_) {}

TfCalcSS::~TfCalcSS() = default;

TfVarCells& TfCalcSS::varCells() {
    // The caller may change the variables: the reference table is built again when needed.
    table_.reset();
    return varCells_;
}

Acad::ErrorStatus TfCalcSS::loadFile(const Vdn_String& name) {
    // A file (not a folder) that the name, wildcards included, matches: core::fileExists, with
    // the path it resolves to kept for loading.
    Vdn_String path = name;
    std::optional<std::filesystem::path> resolved = core::resolveExistingFile(path);
    if (!resolved) {
        path = gSettings.libDir() + L"Connection Standards\\" + name + L".tfs";
        resolved = core::resolveExistingFile(path);
    }
    SSSetBool(kOptionsOn[0], true);
    SSSetBool(kOptionsOff[0], false);
    SSSetBool(kOptionsOn[1], true);
    SSSetBool(kOptionsOff[1], false);
    if (!resolved)
        return failWith(L"the sheet " + name + L" was not found (looked for " + shownPath(name) +
                        L" and " + shownPath(path) + L")");
    const auto loaded = ss::SheetFileCache::instance().load(*this, *resolved);
    if (!loaded)
        return failWith(L"the sheet file " + shownPath(path) + L" could not be read");
    fileName_ = path;
    canonicalPath_ = loaded->canonicalPath;
    memo_ = loaded->memo;
    table_.reset();
    return Acad::eOk;
}

namespace {

const wchar_t* typeKeyword(TfValueType type) {
    return type == tfInteger ? L"Int" : type == tfDouble ? L"Double" : L"String";
}

// Why a variable did not take a value, in the words of its declaration.
Vdn_String refusal(const TfVarCell& cell, const Vdn_String& value) {
    return Vdn_String(L"the variable ") + typeKeyword(cell.valueType) + L" " + cell.name +
           L" refused the value \"" + value + L"\"";
}

// Keeps the first cell in reading order.
void keepFirst(std::optional<grid::CellRef>& first, grid::CellRef cell) {
    if (!first || grid::readingOrderLess(cell, *first))
        first = cell;
}

// Whether a text can declare a variable: it starts, after spaces, with the first letter of a
// value-type keyword (TfVarCell::initialize decides).
bool mayDeclare(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(L' ');
    return first != std::wstring::npos && std::wcschr(L"iIdDsS", text[first]) != nullptr;
}

int rowAfter(const std::optional<grid::CellRef>& label) {
    return label ? label->row + 1 : -1;
}

} // namespace

// The first cell (in reading order) whose value equals a label, without regard to case, gives
// that section's start: the next row. Labels (and declarations) are texts: a number's or a
// truth value's text is neither, so only text values need looking at.
TfCalcSS::SectionRows TfCalcSS::findSections(std::vector<Declaration>* declarations) const {
    std::optional<grid::CellRef> labels[4];
    static constexpr const wchar_t* kLabels[] = {L"Input", L"Output", L"Local", L"Calc"};
    sheet().forEachFilledCell([&](grid::CellRef ref, const grid::Value& value, bool) {
        if (!value.isText())
            return true;
        const std::wstring& text = value.asText();
        for (int i = 0; i < 4; ++i) {
            if (core::equalNoCase(text, kLabels[i]))
                keepFirst(labels[i], ref);
        }
        if (declarations != nullptr && mayDeclare(text))
            declarations->push_back({ref, text});
        return true;
    });
    if (declarations != nullptr) {
        std::sort(declarations->begin(), declarations->end(),
                  [](const Declaration& a, const Declaration& b) {
                      return grid::readingOrderLess(a.cell, b.cell);
                  });
    }
    return {rowAfter(labels[0]), rowAfter(labels[1]), rowAfter(labels[2]), rowAfter(labels[3])};
}

int TfCalcSS::calcStart() const {
    if (!isAttached())
        return -1;
    std::optional<grid::CellRef> label;
    sheet().forEachFilledCell([&](grid::CellRef ref, const grid::Value& value, bool) {
        if (value.isText() && core::equalNoCase(value.asText(), L"Calc"))
            keepFirst(label, ref);
        return true;
    });
    return rowAfter(label);
}

Acad::ErrorStatus TfCalcSS::initVarCells() {
    varCells_.resetVarCells();
    table_.reset();
    if (!isAttached())
        return Acad::eInvalidInput;
    // The texts stay where they are while nothing is written into the sheet.
    std::vector<Declaration> declarations;
    const SectionRows rows = findSections(&declarations);
    const int last = maxRows();
    // A section ends on the row before the next section that starts below it.
    const auto endOf = [&rows, last](int start) {
        int end = last;
        for (const int other : {rows.input, rows.output, rows.local, rows.calc}) {
            if (other > start && other - 1 < end)
                end = other - 1;
        }
        return end;
    };
    if (rows.input < 0)
        return failWith(shownPath(fileName_) + L" has no \"Input\" label");
    collectSection(declarations, rows.input, endOf(rows.input), tfInput);
    if (rows.output < 0)
        return failWith(shownPath(fileName_) + L" has no \"Output\" label");
    collectSection(declarations, rows.output, endOf(rows.output), tfOutput);
    if (rows.local >= 0)
        collectSection(declarations, rows.local, endOf(rows.local), tfLocal);
    return Acad::eOk;
}

// Offers the cells of rows start to end that may declare a variable (in reading order) to
// TfVarCell::initialize.
void TfCalcSS::collectSection(const std::vector<Declaration>& declarations, int start, int end,
                              TfCellType type) {
    if (start < 1 || start > end)
        return;
    const auto first = std::lower_bound(
        declarations.begin(), declarations.end(), start,
        [](const Declaration& declaration, int row) { return declaration.cell.row < row; });
    for (auto it = first; it != declarations.end() && it->cell.row <= end; ++it) {
        TfVarCell cell;
        if (cell.initialize(it->text, it->cell.col, it->cell.row, type) == Acad::eOk)
            varCells_.append(std::move(cell));
    }
}

Vdn_String TfCalcSS::shownPath(const Vdn_String& name) {
    return core::shownPath(name);
}

Acad::ErrorStatus TfCalcSS::failWith(const Vdn_String& reason) const {
    if (report_ != nullptr)
        report_->fail(reason);
    return Acad::eInvalidInput;
}

void TfCalcSS::takeGenVars(const TfDlgStandardsData& data) {
    genVarNames_ = data.genVarNames;
    genVarValues_ = data.genVarValues;
}

Acad::ErrorStatus TfCalcSS::initSSForInput(TfDlgStandardsData& data) {
    if (data.dbMacro == nullptr || data.transaction == nullptr)
        return Acad::eInvalidInput;
    takeGenVars(data);
    {
        Vdn_FunctionTimer timer(gInitSSForInput);
        if (initVarCells() != Acad::eOk)
            return Acad::eInvalidInput;
    }
    {
        Vdn_FunctionTimer timer(gSSSGetFromMacro);
        if (varCells_.getFromMacro(data) != Acad::eOk)
            return Acad::eInvalidInput;
    }
    {
        Vdn_FunctionTimer timer(gSetMacroValuelsToSS);
        int refused = -1;
        if (varCells_.setValuesToSS(*this, &refused) != Acad::eOk)
            return refused < 0 ? Acad::eInvalidInput
                               : failWith(refusal(varCells_[refused], varCells_[refused].value));
    }
    Vdn_FunctionTimer timer(gSSSreplaceGenVars);
    return replaceGenVars();
}

Acad::ErrorStatus TfCalcSS::calcMain(TfDlgStandardsData& data) {
    {
        Vdn_FunctionTimer timer(gCalcMain);
        if (calculate() != Acad::eOk)
            return Acad::eInvalidInput;
        int failed = -1;
        if (varCells_.getValuesFromSS(*this, &failed) != Acad::eOk)
            return failed < 0 ? Acad::eInvalidInput
                              : failWith(L"the output " + varCells_[failed].name + L" of " +
                                         shownPath(fileName_) +
                                         L" has no value (its formula gives an error)");
    }
    Vdn_FunctionTimer timer(gSetToMacro);
    return varCells_.setToMacro(data);
}

Acad::ErrorStatus TfCalcSS::getFromVars(TfDlgStandardsData& data) {
    Vdn_FunctionTimer timer(gGetFromVars);
    takeGenVars(data);
    initVarCells();
    // The arguments match the variables that the calculation keeps: duplicates go first, or
    // every argument after one would land on the wrong variable.
    removeDuplicates();
    // Inputs, then outputs, take the arguments by position; locals start empty.
    const TfVarCells& args = data.varCells;
    int locals = 0;
    for (int i = 0; i < varCells_.length(); ++i) {
        TfVarCell& cell = varCells_[i];
        if (cell.isLocal()) {
            ++locals;
            if (cell.setNewValue(*this, Vdn_String()) != Acad::eOk)
                return failWith(refusal(cell, Vdn_String()));
            continue;
        }
        const int k = i - locals;
        if (k >= args.length())
            return failWith(shownPath(fileName_) + L" needs more than the " +
                            Vdn_String(args.length()) + L" variables it was given");
        if (cell.isOutput() && args[k].isInput())
            return failWith(L"the output " + cell.name + L" of " + shownPath(fileName_) +
                            L" was given the input " + args[k].name);
        if (cell.setNewValue(*this, args[k].value) != Acad::eOk)
            return failWith(refusal(cell, args[k].value));
    }
    return replaceGenVars();
}

Acad::ErrorStatus TfCalcSS::setToVars(TfVarCells& args) {
    {
        Vdn_FunctionTimer timer(gCalcChild);
        if (calculate() != Acad::eOk)
            return Acad::eInvalidInput;
    }
    Vdn_FunctionTimer timer(gSetToVars);
    int locals = 0;
    for (int i = 0; i < varCells_.length(); ++i) {
        const TfVarCell& cell = varCells_[i];
        if (cell.isLocal()) {
            ++locals;
            continue;
        }
        if (!cell.isOutput())
            continue;
        const int k = i - locals;
        if (k >= args.length())
            return failWith(shownPath(fileName_) + L" needs more than the " +
                            Vdn_String(args.length()) + L" variables it was given");
        args[k].value = cell.value;
    }
    return Acad::eOk;
}
