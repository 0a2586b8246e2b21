// STDWIDTHWITHTOLERANCE, STDTHICKNESSWITHTOLERANCE and STDSIZEWITHTOLERANCE: a standard size
// from a size list within the tolerances, else the value rounded within them.

#include "platform/core/text/NumberHelpers.h"
#include "spreadsheet/functions/FunctionArguments.h"
#include "spreadsheet/functions/SizeList.h"
#include "spreadsheet/functions/StandardValue.h"
#include "spreadsheet/functions/StandardsCallbacks.h"
#include "spreadsheet/functions/ToleranceWarning.h"

namespace ss {

namespace {

// The arguments after the size list and step that every tolerance function ends with.
struct ToleranceRequest {
    Vdn_String sizeList;
    double step = 0;
    double value = 0;
    double down = 0;
    double up = 0;
};

enum class Pick { Width, Thickness, Size };

// Reads list, step, [thickness,] value, down, up; nullopt when one does not fit.
std::optional<ToleranceRequest> readRequest(Args args, std::size_t valueAt) {
    if (args.size() != valueAt + 3)
        return std::nullopt;
    const std::optional<Vdn_String> list = textArgument(args[0]);
    const std::optional<double> step = numberArgument(args[1]);
    const std::optional<double> value = numberArgument(args[valueAt]);
    const std::optional<double> down = numberArgument(args[valueAt + 1]);
    const std::optional<double> up = numberArgument(args[valueAt + 2]);
    if (!list || !step || !value || !down || !up)
        return std::nullopt;
    return ToleranceRequest{*list, *step, *value, *down, *up};
}

double standardValue(const ToleranceRequest& request, const Vdn_Array<double>& candidates) {
    if (const std::optional<double> picked =
            pickStandardValue(candidates, request.value, request.down, request.up))
        return *picked;
    return roundWithinTolerance(request.value, request.step, request.up, request.down);
}

bool pick(grid::FunctionValue& result, Args args, Pick what) {
    const std::size_t valueAt = what == Pick::Width ? 3 : 2;
    const std::optional<ToleranceRequest> request = readRequest(args, valueAt);
    if (!request)
        return false;
    // Only the width function has a thickness, between the step and the value.
    const std::optional<double> thickness =
        what == Pick::Width ? numberArgument(args[2]) : std::optional<double>(0.0);
    if (!thickness)
        return false;
    if (request->down + request->up <= 0)
        showToleranceWarning(request->down, request->up);

    const SizeList sizes = readSizeList(request->sizeList);
    Vdn_Array<double> candidates;
    switch (what) {
    case Pick::Size:
        candidates = sizes.firstValues;
        break;
    case Pick::Thickness:
        candidates = sizes.secondValues;
        break;
    case Pick::Width:
        for (int i = 0; i < sizes.firstValues.length(); ++i) {
            const double lineThickness = sizes.secondValues[i];
            if (lineThickness == 0.0 || lineThickness == *thickness)
                candidates.append(sizes.firstValues[i]);
        }
        ObjectExportSort(candidates);
        break;
    }
    setNumberResult(result, standardValue(*request, candidates));
    return true;
}

} // namespace

bool callStdWidthWithTolerance(grid::FunctionValue& result, Args args) {
    return pick(result, args, Pick::Width);
}

bool callStdThicknessWithTolerance(grid::FunctionValue& result, Args args) {
    return pick(result, args, Pick::Thickness);
}

bool callStdSizeWithTolerance(grid::FunctionValue& result, Args args) {
    return pick(result, args, Pick::Size);
}

} // namespace ss
