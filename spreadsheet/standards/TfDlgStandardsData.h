#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "spreadsheet/standards/TfVarCells.h"

#include <cstdint>

namespace ss {
struct EvaluationReport;
}

class AcTransaction;
class MacroData;
class Vdn_DbMacro;

// The record of one standards evaluation, handed between the core module, the evaluation and
// a calling sheet. The pointers are borrowed: copies copy the pointers, not their targets.
class TfDlgStandardsData {
public:
    // 0 evaluate the sheet for a macro; 1 child call from another sheet; others load only.
    enum Mode : std::int32_t { kEvaluate = 0, kChildCall = 1 };

    TfDlgStandardsData() = default;
    TfDlgStandardsData(const TfDlgStandardsData&) = default;
    TfDlgStandardsData& operator=(const TfDlgStandardsData&) = default;
    virtual ~TfDlgStandardsData() = default;

    // Prepares an evaluation of fileName for a macro (mode 0). macroName is the mapping target:
    // "Module." + a module group (which becomes moduleGroup), or the name of a mapping for the
    // entire macro (moduleGroup empty). Fails, changing nothing, without dbMacro or macroData.
    // The transaction and the general variables are the caller's to set.
    Acad::ErrorStatus initialize(Vdn_DbMacro* macro, Vdn_String sheetFile, Vdn_String mappingTarget,
                                 MacroData* record);

    std::int32_t mode = kEvaluate;
    Vdn_String fileName;
    Vdn_DbMacro* dbMacro = nullptr;
    Vdn_String macroName;
    Vdn_String moduleGroup;
    AcTransaction* transaction = nullptr;
    MacroData* macroData = nullptr;
    Vdn_StringArray genVarNames;
    Vdn_StringArray genVarValues;
    TfVarCells varCells;
    // Where the evaluation says why it failed and what the mapping filled; may be null.
    ss::EvaluationReport* report = nullptr;
};
