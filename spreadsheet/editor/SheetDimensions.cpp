#include "spreadsheet/editor/SheetDimensions.h"

#include "module/ResourceSwitch.h"
#include "spreadsheet/Vdn_Spread.h"
#include "spreadsheet/editor/CDlgSSOptions.h"

bool editSheetDimensions(Vdn_Spread& sheet) {
    if (!sheet.isAttached())
        return false;
    frame::ResourceSwitch resources;
    CDlgSSOptions dialog(sheet.GetParent());
    dialog.cols = sheet.maxCols();
    dialog.rows = sheet.maxRows();
    sheet.SSGetRowHeightInPixels(Vdn_Spread::kHeader, dialog.colHeaderHeight);
    sheet.SSGetColWidthInPixels(Vdn_Spread::kHeader, dialog.rowHeaderWidth);
    sheet.getColumnNames(dialog.colNames);
    sheet.getRowNames(dialog.rowNames);
    if (dialog.DoModal() != IDOK)
        return false;

    sheet.setMaxCols(dialog.cols);
    sheet.setMaxRows(dialog.rows);
    sheet.SSSetColWidthInPixels(Vdn_Spread::kHeader, dialog.rowHeaderWidth);
    sheet.SSSetRowHeightInPixels(Vdn_Spread::kHeader, dialog.colHeaderHeight);
    sheet.setRowNames(dialog.rowNames);
    sheet.setColumnNames(dialog.colNames);
    sheet.SSSetBool(Vdn_Spread::kOptionChanged, true);
    return true;
}
