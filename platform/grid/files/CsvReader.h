#pragma once

#include "platform/grid/sheet/Result.h"
#include "platform/grid/sheet/SheetModel.h"

#include <string>
#include <string_view>
#include <vector>

namespace grid {

// Reads CSV into a fresh sheet: one field a cell, the first line is row 1. A field starting
// with '=' is a formula, a field that reads as a number is a number, any other field is text.
// Fields follow RFC 4180 quoting (doubled quotes inside quoted fields, line breaks allowed
// there). The separator is detected: tab, ';' or ',', whichever splits the first lines into
// the same number of fields (more than one) in that order of preference, else the one most
// frequent in the first line, else ','. The bytes may be UTF-8 (with or without BOM), UTF-16
// with BOM, or Windows-1252.
class CsvReader {
public:
    // Damage (an unclosed quote, text after a closing quote, a formula that does not parse,
    // too many rows or columns) fails with the reason and its line; model is only written
    // on success. Formulas are left uncomputed (empty values).
    static Result read(std::string_view bytes, SheetModel& model);
    // The fields of every line as written (quotes removed, nothing interpreted), for callers
    // that take CSV as rows of texts. Fails on the same damage as read; rows is only written
    // on success.
    static Result readRows(std::string_view bytes, std::vector<std::vector<std::wstring>>& rows);
    static wchar_t detectSeparator(std::wstring_view text);
};

} // namespace grid
