#pragma once

#include "library/Vdn_ProfValuesTable.h"

namespace libtest {

// A small HEA table: three sizes, the middle one inactive, two values each.
inline Vdn_ProfValuesTable heaTable() {
    Vdn_ProfValuesTable table;
    table.tableName = L"HEA";
    table.templateName = L"1";
    table.columnNames = {L"SysName", L"I/O",    L"Dutch", L"English",
                         L"French",  L"German", L"h",     L"b"};
    table.rows = {
        {L"100", L"1", L"HEA100", L"HE100A", L"HEA100", L"HEA100", L"96", L"100"},
        {L"120", L"0", L"HEA120", L"HE120A", L"HEA120", L"HEA120", L"114", L"120"},
        {L"140", L"1", L"HEA140", L"HE140A", L"HEA140", L"HEA140", L"133", L"140"},
    };
    return table;
}

} // namespace libtest
