#include "dialogs/FormulaEntries.h"

#include "dialogs/CFormula.h"
#include "module/ResourceSwitch.h"

bool ReadSSFile(const Vdn_String& fileName, Vdn_String& firstCell, Vdn_StringArray& columnHeaders,
                Vdn_Array<Vdn_StringArray>& rows) {
    // Emptied here too, so that a dialog that cannot even be built leaves no old texts behind.
    columnHeaders.clear();
    rows.clear();
    frame::ResourceSwitch resources;
    CFormula dialog;
    dialog.mode = CFormula::kModeReadFile;
    dialog.filePath = fileName;
    dialog.headers = &columnHeaders;
    dialog.rows = &rows;
    const bool ended = dialog.DoModal() == IDOK;
    firstCell = dialog.firstCell;
    return ended && dialog.fileLoaded;
}

void EvaluateSS() {
    frame::ResourceSwitch resources;
    CFormula dialog;
    dialog.mode = CFormula::kModeShowCell;
    dialog.filePath = kEvaluateSSFile;
    dialog.cellColumn = 1;
    dialog.cellRow = 1;
    dialog.DoModal();
}
