// SECTIONSIZE and GETSYSNAME: values and names from the core module's section tables.

#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "spreadsheet/functions/FunctionArguments.h"
#include "spreadsheet/functions/FunctionProblem.h"
#include "spreadsheet/functions/StandardsCallbacks.h"

namespace ss {

namespace {

Vdn_String quoted(const Vdn_String& text) {
    return L"\"" + text + L"\"";
}

// A section that no table holds may belong to a table that could not be read: the tables
// left out at loading ("<file>: <what is wrong>") are named with it.
Vdn_String missingSection(const Vdn_String& profile) {
    Vdn_String text = L"the section " + quoted(profile) + L" is in no section table";
    for (const Vdn_String& diagnostic : gSectionTables.diagnostics()) {
        // A Windows path holds ':' only before its first separator, never ": ".
        const int split = diagnostic.find(L": ");
        if (split < 0)
            continue;
        const Vdn_String file = diagnostic.substr(0, split);
        const Vdn_String what = diagnostic.substr(split + 2);
        text += L"; the section table " + quoted(file) +
                (what == L"cannot be read" ? L" " + what : L" is damaged: " + what);
    }
    return text;
}

Vdn_String missingValue(const Vdn_String& profile, double position) {
    Vdn_StringArray columns;
    gSectionTables.getSectionColumnNames(profile, columns);
    return L"the section " + quoted(profile) + L" has no value at position " +
           Vdn_String(position, 6, true) + L" (its section table has " +
           Vdn_String(columns.length()) + L" value columns)";
}

} // namespace

bool callSectionSize(grid::FunctionValue& result, Args args) {
    if (args.size() != 2)
        return false;
    const std::optional<Vdn_String> profile = textArgument(args[0]);
    const std::optional<double> position = numberArgument(args[1]);
    if (!profile || !position)
        return false;
    const std::optional<int> index = positionIndex(*position);
    Vdn_String value;
    if (!index || !gSectionTables.getSectionValue(*profile, *index, value)) {
        Vdn_String systemName;
        noteFunctionProblem(gSectionTables.getSystemName(*profile, systemName)
                                ? missingValue(*profile, *position)
                                : missingSection(*profile));
        return false;
    }
    setNumberResult(result, value.toDouble());
    return true;
}

bool callGetSysName(grid::FunctionValue& result, Args args) {
    if (args.size() != 1)
        return false;
    const std::optional<Vdn_String> name = textArgument(args[0]);
    if (!name)
        return false;
    Vdn_String systemName;
    setTextResult(result, gSectionTables.getSystemName(*name, systemName) ? systemName : *name);
    return true;
}

} // namespace ss
