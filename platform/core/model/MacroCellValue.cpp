#include "platform/core/model/MacroCellValue.h"

#include "platform/core/text/StringHelpers.h"

#include <cmath>

namespace {

Vdn_String quoted(const Vdn_String& text) {
    return L"\"" + text + L"\"";
}

Vdn_String listed(const Vdn_StringArray& items) {
    Vdn_String text;
    for (int i = 0; i < items.length(); ++i)
        text += (i == 0 ? Vdn_String() : Vdn_String(L", ")) + items[i];
    return text;
}

} // namespace

std::optional<Vdn_String> cellTextProblem(const MacroCell& cell, const Vdn_String& text) {
    const Vdn_String trimmed = text.trim();
    switch (cell.kind) {
    case MacroCell::kNumber:
        if (!isNumber(trimmed))
            return quoted(trimmed) + L" is not a number";
        if (!std::isfinite(trimmed.toDouble()))
            return trimmed + L" is not a finite number";
        return std::nullopt;
    case MacroCell::kPickList:
        if (cell.items.isEmpty() || cell.items.contains(text))
            return std::nullopt;
        return quoted(text) + L" is not one of: " + listed(cell.items);
    case MacroCell::kCheckBox:
        if (trimmed == Vdn_String(L"0") || trimmed == Vdn_String(L"1"))
            return std::nullopt;
        return L"a check box is 0 or 1, not " + quoted(text);
    default:
        return std::nullopt;
    }
}

std::optional<Vdn_String> cellValueProblem(const MacroCell& cell, const Vdn_String& text) {
    if (std::optional<Vdn_String> problem = cellTextProblem(cell, text))
        return problem;
    if (cell.kind != MacroCell::kNumber)
        return std::nullopt;
    // The bounds are checked numbers when the macro is read; an empty one is no bound.
    const Vdn_String trimmed = text.trim();
    const double value = trimmed.toDouble();
    if (isNumber(cell.minimum) && value < cell.minimum.trim().toDouble())
        return trimmed + L" is below the minimum " + cell.minimum.trim();
    if (isNumber(cell.maximum) && value > cell.maximum.trim().toDouble())
        return trimmed + L" is above the maximum " + cell.maximum.trim();
    return std::nullopt;
}
