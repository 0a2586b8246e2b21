#include "spreadsheet/functions/StandardsFunctions.h"

#include "platform/grid/sheet/Sheet.h"
#include "spreadsheet/functions/StandardsCallbacks.h"

namespace ss {

namespace {

constexpr StandardsFunction kFunctions[] = {
    {L"ROUNDTO", 2, 2, callRoundTo},
    {L"GETCELL", 2, 7, callGetCell},
    {L"GETPROFCELL", 2, 7, callGetProfCell},
    {L"SECTIONSIZE", 2, 2, callSectionSize},
    {L"GETSYSNAME", 1, 1, callGetSysName},
    {L"STDWIDTHWITHTOLERANCE", 6, 6, callStdWidthWithTolerance},
    {L"STDTHICKNESSWITHTOLERANCE", 5, 5, callStdThicknessWithTolerance},
    {L"STDSIZEWITHTOLERANCE", 5, 5, callStdSizeWithTolerance},
    {L"GETARRAYITEM", 2, 2, callGetArrayItem},
    {L"TONUMBER", 1, 1, callToNumber},
    {L"ISNULL", 1, 1, callIsNull},
    {L"ISPOSITIVE", 1, 1, callIsPositive},
};

} // namespace

std::span<const StandardsFunction> standardsFunctions() {
    return kFunctions;
}

bool addStandardsFunctions(grid::Sheet& sheet) {
    bool all = true;
    for (const StandardsFunction& function : kFunctions) {
        all = sheet.addCustomFunction(
                  {function.name, function.minArgs, function.maxArgs, false, function.callback}) &&
              all;
    }
    return all;
}

} // namespace ss
