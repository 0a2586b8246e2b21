#pragma once

#include "platform/grid/sheet/SheetModel.h"

#include <string>

namespace grid {

// Writes the sheet's body as CSV (UTF-8, CRLF line ends, every row as wide as the sheet): a
// formula as '=' and its A1 text, any other cell as its value text. Fields that hold a
// separator (any of ',', ';' and tab, so that detection on reading cannot go wrong), a quote,
// a line break or spaces at either end are quoted (RFC 4180).
class CsvWriter {
public:
    static std::string write(const SheetModel& model, wchar_t separator);
};

} // namespace grid
