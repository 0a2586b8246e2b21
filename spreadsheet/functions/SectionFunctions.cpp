// SECTIONSIZE and GETSYSNAME: values and names from the core module's section tables.

#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "spreadsheet/functions/FunctionArguments.h"
#include "spreadsheet/functions/StandardsCallbacks.h"

namespace ss {

bool callSectionSize(grid::FunctionValue& result, Args args) {
    if (args.size() != 2)
        return false;
    const std::optional<Vdn_String> profile = textArgument(args[0]);
    const std::optional<double> position = numberArgument(args[1]);
    if (!profile || !position)
        return false;
    const std::optional<int> index = positionIndex(*position);
    Vdn_String value;
    if (!index || !gSectionTables.getSectionValue(*profile, *index, value))
        return false;
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
