#pragma once

#include "library/csp/CuttingProblem.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <optional>
#include <string>
#include <vector>

namespace csp {

// A set of the cutting-stock dialog as an optimisation problem. Its tables' cells are texts:
// parts rows are mark, length, quantity; stock rows are length, quantity (an empty quantity:
// as many as needed); rows of the lengths to buy are length (further cells are notes) and
// may be bought as many times as needed. Lengths in mm. Rows whose cells are all blank are
// passed over.
struct CspSetTables {
    Vdn_Array<Vdn_StringArray> parts;
    Vdn_Array<Vdn_StringArray> stock;
    Vdn_Array<Vdn_StringArray> buy;
};

// False, with one problem a bad row ("stock row 2: the quantity "-3" is not a whole number
// of 0 or more"), when a length or quantity does not read; the problem is filled otherwise.
bool problemFromTables(const CspSetTables& tables, CuttingProblem& problem,
                       std::vector<std::string>& problems);

// Why rows read from a .shp (stock: length, quantity or empty) or .buy (buy: length, notes)
// file are not such a table, naming the first row that is not ("row 3: "{" is not a length in
// mm"); nullopt when they are. Rows of blank cells, and rows begun without a length, are passed
// over (the dialog keeps them), but a file must hold at least one row: what has none is no
// table (and would empty the set's table).
std::optional<std::string> tableRowsProblem(const Vdn_Array<Vdn_StringArray>& rows, bool stock);

// A count: digits only (blanks around allowed), at most kMaxCount; false for anything else,
// negatives among them.
bool readCount(const Vdn_String& text, std::int64_t& count);
// A length in mm: a finite number above 0 ("2500", "2500.5", "2500,5").
bool readLength(const Vdn_String& text, double& length);

} // namespace csp
