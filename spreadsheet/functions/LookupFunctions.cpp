// GETCELL and GETPROFCELL: answers from look-up table files.

#include "platform/core/text/StringHelpers.h"
#include "spreadsheet/functions/FunctionArguments.h"
#include "spreadsheet/functions/LookupTable.h"
#include "spreadsheet/functions/StandardsCallbacks.h"

namespace ss {

namespace {

// The key of arguments 2 to n: numbers written with 6 decimals, texts as read, joined with
// ';'. The first argument that is neither ends the key.
Vdn_String keyOf(Args parts) {
    Vdn_StringArray texts;
    for (const grid::FunctionValue& part : parts) {
        if (const std::optional<double> number = numberArgument(part))
            texts.append(Vdn_String(*number, 6, false));
        else if (std::optional<Vdn_String> text = textArgument(part))
            texts.append(std::move(*text));
        else
            break;
    }
    return arrToStr(texts, L';');
}

bool lookUp(grid::FunctionValue& result, Args args, bool profileKeys) {
    if (args.size() < 2 || args.size() > 7)
        return false;
    const std::optional<Vdn_String> file = textArgument(args[0]);
    if (!file)
        return false;
    const std::optional<LookupTable> table = LookupTable::read(*file);
    if (!table)
        return false;
    const std::optional<Vdn_String> answer = table->answer(keyOf(args.subspan(1)), profileKeys);
    if (!answer)
        return false;
    setTextResult(result, *answer);
    return true;
}

} // namespace

bool callGetCell(grid::FunctionValue& result, Args args) {
    return lookUp(result, args, false);
}

bool callGetProfCell(grid::FunctionValue& result, Args args) {
    return lookUp(result, args, true);
}

} // namespace ss
