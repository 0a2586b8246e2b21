#pragma once

#include <optional>
#include <string_view>

namespace grid {

// The spreadsheet error values a formula can produce.
enum class ErrorCode { Null, Div0, Value, Ref, Name, Num, NA };

// "#NULL!", "#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#NUM!", "#N/A".
std::wstring_view errorText(ErrorCode code);
// The error whose text this is (letters in either case).
std::optional<ErrorCode> errorFromText(std::wstring_view text);

} // namespace grid
