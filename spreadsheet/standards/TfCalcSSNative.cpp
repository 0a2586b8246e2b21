#include "platform/core/PathBoundary.h"
#include "platform/core/PathHelpers.h"
#include "platform/core/StringHelpers.h"
#include "platform/core/Vdn_Settings.h"
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
        getPath(mFileName) + ensureNoStartBSlash(name),
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
    const int at = findFirstFrom(expression, functionName, 0, false);
    if (at < 0)
        return Acad::eInvalidInput;
    const int open = findFirstFrom(expression, L"(", at + functionName.length(), true);
    if (open < 0)
        return Acad::eInvalidInput;
    const int close = findFirstFrom(expression, L")", open + 1, true);
    if (close < 0)
        return Acad::eInvalidInput;
    Vdn_StringArray items;
    splitStringAtSymbol(expression.substr(open + 1, close - open - 1), L',', items, true);
    if (items.length() < 2)
        return Acad::eInvalidInput;

    // The name findChildFile gives, which must be an existing file.
    const std::optional<ChildFile> child = locateChildFile(unquoted(items[0]));
    if (!child)
        return Acad::eInvalidInput;
    TfVarCells args;
    for (int i = 1; i < items.length(); ++i) {
        const int index = variableIndex(items[i]);
        if (index < 0)
            return Acad::eInvalidInput;
        TfVarCell arg = mVarCells[index];
        arg.col = 0;
        arg.row = 0;
        args.append(arg);
    }
    if (functionName.equal(L"CallChild", false))
        return callChild(*child, args);
    return Acad::eInvalidInput;
}

Acad::ErrorStatus TfCalcSS::callChild(const ChildFile& file, const TfVarCells& args) {
    // A sheet cannot call itself, nor a sheet that is still calculating further up the chain
    // of calls (the chain would come back here without end).
    const Vdn_String& path = file.name;
    if (path.equal(mFileName, false) ||
        !ss::EvaluationChain::instance().admits(
            ss::SheetFileCache::instance().canonicalPath(file.path)))
        return Acad::eInvalidInput;
    TfDlgStandardsData child;
    child.mode = TfDlgStandardsData::kChildCall;
    child.fileName = path;
    child.varCells = args;
    child.genVarNames = mGenVarNames;
    child.genVarValues = mGenVarValues;
    if (!StartDlgStandardsSS(child))
        return Acad::eInvalidInput;
    // The outputs among the arguments come back into this sheet's variables of their names.
    for (int i = 0; i < child.varCells.length(); ++i) {
        const TfVarCell& result = child.varCells[i];
        if (!result.isOutput())
            continue;
        const int index = variableIndex(result.name);
        if (index < 0)
            continue;
        TfVarCell& cell = mVarCells[index];
        if (cell.isInput() || cell.setValueFromOther(*this, result) != Acad::eOk)
            return Acad::eInvalidInput;
    }
    return Acad::eOk;
}
