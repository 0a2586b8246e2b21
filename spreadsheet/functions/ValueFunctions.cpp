// ROUNDTO, GETARRAYITEM, TONUMBER, ISNULL and ISPOSITIVE.

#include "platform/core/text/NumberHelpers.h"
#include "platform/core/text/StringHelpers.h"
#include "spreadsheet/functions/FunctionArguments.h"
#include "spreadsheet/functions/StandardsCallbacks.h"

namespace ss {

bool callRoundTo(grid::FunctionValue& result, Args args) {
    if (args.size() != 2)
        return false;
    const std::optional<double> value = numberArgument(args[0]);
    const std::optional<double> step = numberArgument(args[1]);
    if (!value || !step)
        return false;
    setNumberResult(result, ObjectExportRoundTo(*value, *step));
    return true;
}

bool callGetArrayItem(grid::FunctionValue& result, Args args) {
    if (args.size() != 2)
        return false;
    const std::optional<Vdn_String> list = textArgument(args[0]);
    const std::optional<double> position = numberArgument(args[1]);
    if (!list || !position)
        return false;
    const Vdn_StringArray items = strToArr(*list, L';');
    const std::optional<int> index = positionIndex(*position);
    setTextResult(result, index && items.isValidIndex(*index) ? items[*index] : Vdn_String());
    return true;
}

bool callToNumber(grid::FunctionValue& result, Args args) {
    if (args.size() != 1)
        return false;
    const std::optional<Vdn_String> text = textArgument(args[0]);
    if (!text)
        return false;
    setNumberResult(result, text->toDouble());
    return true;
}

bool callIsNull(grid::FunctionValue& result, Args args) {
    if (args.size() != 1)
        return false;
    const grid::FunctionValue& arg = args[0];
    bool isNull = false;
    if (isEmptyArgument(arg))
        isNull = true;
    else if (const std::optional<Vdn_String> text = textArgument(arg))
        isNull = text->isEmpty();
    else if (const std::optional<double> number = numberArgument(arg))
        isNull = *number == 0.0;
    else
        return false;
    setNumberResult(result, isNull ? 1.0 : 0.0);
    return true;
}

bool callIsPositive(grid::FunctionValue& result, Args args) {
    if (args.size() != 1)
        return false;
    const grid::FunctionValue& arg = args[0];
    bool positive = false;
    if (isEmptyArgument(arg))
        positive = false;
    else if (const std::optional<double> number = numberArgument(arg))
        positive = *number > 0.0;
    else if (const std::optional<Vdn_String> text = textArgument(arg))
        positive = !text->isEmpty() && text->toDouble() > 0.0;
    else
        return false;
    setNumberResult(result, positive ? 1.0 : 0.0);
    return true;
}

} // namespace ss
