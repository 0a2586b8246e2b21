#include "spreadsheet/functions/FunctionArguments.h"

#include <climits>
#include <cmath>

namespace ss {

std::optional<double> numberArgument(const grid::FunctionValue& arg) {
    if (!arg.isNumber())
        return std::nullopt;
    return arg.number();
}

std::optional<Vdn_String> textArgument(const grid::FunctionValue& arg) {
    if (!arg.isOk() || arg.kind != grid::FunctionValue::Kind::Text)
        return std::nullopt;
    std::wstring_view text(arg.text);
    if (text.starts_with(L'"'))
        text.remove_prefix(1);
    if (text.ends_with(L'"'))
        text.remove_suffix(1);
    return Vdn_String(text);
}

bool isEmptyArgument(const grid::FunctionValue& arg) {
    return arg.status == grid::FunctionValue::Status::Empty;
}

void setNumberResult(grid::FunctionValue& result, double value) {
    result = grid::FunctionValue::ofReal(value);
}

void setTextResult(grid::FunctionValue& result, const Vdn_String& text) {
    result =
        text.isEmpty() ? grid::FunctionValue::empty() : grid::FunctionValue::ofText(text.str());
}

std::optional<int> positionIndex(double position) {
    const double whole = std::trunc(position);
    // The range check also refuses NaN.
    if (!(whole >= INT_MIN + 1.0 && whole <= INT_MAX))
        return std::nullopt;
    return static_cast<int>(whole) - 1;
}

} // namespace ss
