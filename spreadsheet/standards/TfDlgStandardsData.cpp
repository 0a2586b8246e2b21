#include "spreadsheet/standards/TfDlgStandardsData.h"

#include "platform/core/text/StringHelpers.h"

Acad::ErrorStatus TfDlgStandardsData::initialize(Vdn_DbMacro* macro, Vdn_String sheetFile,
                                                 Vdn_String mappingTarget, MacroData* record) {
    if (macro == nullptr || record == nullptr)
        return Acad::eInvalidInput;
    moduleGroup = mappingTarget.startsWith(L"Module.", true)
                      ? getSubstrAfter(mappingTarget, L".", true)
                      : Vdn_String();
    mode = kEvaluate;
    fileName = sheetFile;
    macroName = mappingTarget;
    dbMacro = macro;
    macroData = record;
    return Acad::eOk;
}
