#include "library/Vdn_ProfValuesTable.h"
#include "platform/core/sections/SectionTable.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "spreadsheet/Vdn_Spread.h"

// The table in a spreadsheet, and handed over to the core module's section tables.

namespace {

// The list without the active flag (position 1), as the core module holds its tables.
Vdn_StringArray withoutFlag(const Vdn_StringArray& list) {
    Vdn_StringArray out = list;
    out.removeAt(Vdn_ProfValuesTable::kFlagColumn);
    return out;
}

} // namespace

bool Vdn_ProfValuesTable::setToSS(Vdn_Spread& sheet) const {
    if (!sheet.isAttached())
        return false;
    sheet.SSSetBool(Vdn_Spread::kOptionRedraw, false);
    sheet.setMaxRows(0);
    sheet.setMaxCols(0);
    if (rows.isEmpty()) {
        sheet.SSSetBool(Vdn_Spread::kOptionRedraw, true);
        return false;
    }
    sheet.setMaxRows(rows.length());
    sheet.setMaxCols(columnNames.length());
    // Sheet column 2 is the active flag (table column 1).
    sheet.setCheckBoxColumn(kFlagColumn + 1);
    sheet.setColumnNames(columnNames);
    Vdn_StringArray rowNames;
    for (int i = 0; i < rows.length(); ++i)
        rowNames.append(tableName);
    sheet.setRowNames(rowNames);
    for (int i = 0; i < rows.length(); ++i)
        sheet.setRowTexts(i + 1, rows[i]);
    sheet.fitAll();
    sheet.SSSetBool(Vdn_Spread::kOptionChanged, false);
    sheet.SSSetBool(Vdn_Spread::kOptionRedraw, true);
    return true;
}

bool Vdn_ProfValuesTable::getFromSS(Vdn_Spread& sheet) {
    if (sheet.maxRows() < 1 || sheet.maxCols() < 1)
        return false;
    Vdn_StringArray names;
    Vdn_String name;
    Vdn_Array<Vdn_StringArray> values;
    if (!sheet.getColumnNames(names) || !sheet.getCellText(Vdn_Spread::kHeader, 1, name) ||
        !sheet.getAllRows(values))
        return false;
    columnNames = std::move(names);
    tableName = std::move(name);
    rows = std::move(values);
    return true;
}

Acad::ErrorStatus Vdn_ProfValuesTable::setToGlobals(Vdn_SectionTableManager* manager) const {
    if (manager == nullptr)
        return Acad::eInvalidInput;
    core::SectionTable held;
    held.name = tableName + L".pr";
    held.templateName = templateName.find(L".") >= 0 ? L"Prof\\" + templateName : templateName;
    held.columnNames = withoutFlag(columnNames);
    for (const Vdn_StringArray& row : rows)
        held.rows.append(withoutFlag(row));
    // What the manager would refuse must not cost the table it holds now.
    if (tableName.isEmpty() || !held.hasLanguageColumns())
        return Acad::eInvalidInput;
    if (manager->hasTable(held.name))
        manager->removeTable(held.name);
    return manager->addSectionTable(held.name, held.templateName, held.columnNames, held.rows);
}
