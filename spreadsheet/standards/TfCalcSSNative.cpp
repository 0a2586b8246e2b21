#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/StringHelpers.h"
#include "spreadsheet/standards/EvaluationChain.h"
#include "spreadsheet/standards/SheetFileCache.h"
#include "spreadsheet/standards/StandardsLaunchers.h"
#include "spreadsheet/standards/TfCalcSS.h"
#include "spreadsheet/standards/TfDlgStandardsData.h"

#include <array>
#include <optional>

// Native functions: CallChild runs a child sheet in a pooled dialog of its own.

namespace {

// One leading and one trailing double quote removed.
Vdn_String unquoted(const Vdn_String& text) {
    std::wstring_view view(text.str());
    if (view.starts_with(L'"'))
        view.remove_prefix(1);
    if (view.ends_with(L'"'))
        view.remove_suffix(1);
    return Vdn_String(view);
}

} // namespace

std::optional<TfCalcSS::ChildFile> TfCalcSS::locateChildFile(const Vdn_String& name) const {
    const Vdn_String library = gSettings.libDir() + L"Connection Standards\\";
    const std::array<Vdn_String, 6> candidates = {
        name,
        getPath(fileName_) + ensureNoStartBSlash(name),
        library + name,
        library + L"Childs\\" + name,
        library + L"Data\\" + name,
        library + L"Parents\\" + name,
    };
    for (const Vdn_String& candidate : candidates) {
        if (std::optional<std::filesystem::path> file = core::resolveExistingFile(candidate))
            return ChildFile{candidate, std::move(*file)};
    }
    return std::nullopt;
}

Vdn_String TfCalcSS::findChildFile(const Vdn_String& name) const {
    std::optional<ChildFile> child = locateChildFile(name);
    return child ? std::move(child->name) : name;
}

Acad::ErrorStatus TfCalcSS::callNative(const Vdn_String& expression,
                                       const Vdn_String& functionName) {
    // The argument list: from the first '(' after the name to the first ')' after that.
    nativeFailure_ = Vdn_String();
    const auto failed = [this](const Vdn_String& reason) {
        nativeFailure_ = reason;
        return Acad::eInvalidInput;
    };
    const int at = findFirstFrom(expression, functionName, 0, false);
    if (at < 0)
        return failed(functionName + L" is not called");
    const int open = findFirstFrom(expression, L"(", at + functionName.length(), true);
    const int close = open < 0 ? -1 : findFirstFrom(expression, L")", open + 1, true);
    if (close < 0)
        return failed(functionName + L" needs its arguments between parentheses");
    Vdn_StringArray items;
    splitStringAtSymbol(expression.substr(open + 1, close - open - 1), L',', items, true);
    if (items.length() < 2)
        return failed(functionName + L" needs a sheet and at least one variable");

    // The name findChildFile gives, which must be an existing file.
    const Vdn_String childName = unquoted(items[0]);
    const std::optional<ChildFile> child = locateChildFile(childName);
    if (!child)
        return failed(L"the child sheet " + childName + L" was not found beside " +
                      shownPath(fileName_) + L" nor in the library's standards folders");
    TfVarCells args;
    for (int i = 1; i < items.length(); ++i) {
        const int index = variableIndex(items[i]);
        if (index < 0)
            return failed(L"the argument " + items[i] + L" is not a variable of the sheet");
        TfVarCell arg = varCells_[index];
        arg.col = 0;
        arg.row = 0;
        args.append(arg);
    }
    if (functionName.equal(L"CallChild", false))
        return callChild(*child, args);
    return failed(functionName + L" is no native function");
}

Acad::ErrorStatus TfCalcSS::callChild(const ChildFile& file, const TfVarCells& args) {
    // A sheet cannot call itself, nor a sheet that is still calculating further up the chain
    // of calls (the chain would come back here without end).
    const Vdn_String& path = file.name;
    if (path.equal(fileName_, false) ||
        !ss::EvaluationChain::instance().admits(
            ss::SheetFileCache::instance().canonicalPath(file.path))) {
        nativeFailure_ =
            ss::EvaluationChain::instance().depth() >= ss::EvaluationChain::kMaxDepth
                ? L"the call of " + shownPath(path) + L" was refused: the chain of child calls " +
                      L"is already " +
                      Vdn_String(static_cast<int>(ss::EvaluationChain::kMaxDepth)) + L" sheets deep"
                : L"the call of " + shownPath(path) +
                      L" was refused: it would come back to a sheet that is still calculating";
        return Acad::eInvalidInput;
    }
    ss::EvaluationReport report;
    TfDlgStandardsData child;
    child.report = &report;
    child.mode = TfDlgStandardsData::kChildCall;
    child.fileName = path;
    child.varCells = args;
    child.genVarNames = genVarNames_;
    child.genVarValues = genVarValues_;
    const bool evaluated = StartDlgStandardsSS(child);
    if (report_ != nullptr) {
        for (const Vdn_String& problem : report.problems)
            report_->note(problem);
    }
    if (!evaluated) {
        nativeFailure_ = L"the child sheet " + shownPath(path) + L" failed" +
                         (report.failure.isEmpty() ? Vdn_String() : L": " + report.failure);
        return Acad::eInvalidInput;
    }
    // The outputs among the arguments come back into this sheet's variables of their names.
    for (int i = 0; i < child.varCells.length(); ++i) {
        const TfVarCell& result = child.varCells[i];
        if (!result.isOutput())
            continue;
        const int index = variableIndex(result.name);
        if (index < 0)
            continue;
        TfVarCell& cell = varCells_[index];
        if (cell.isInput()) {
            nativeFailure_ =
                L"the child's output " + result.name + L" is an input of " + shownPath(fileName_);
            return Acad::eInvalidInput;
        }
        if (cell.setValueFromOther(*this, result) != Acad::eOk) {
            nativeFailure_ = L"the variable " + cell.name + L" refused the child's value \"" +
                             result.value + L"\"";
            return Acad::eInvalidInput;
        }
    }
    return Acad::eOk;
}
