#include "spreadsheet/standards/TfVarCells.h"

#include "platform/core/settings/DocumentData.h"
#include "platform/core/settings/Vdn_FunctionTimer.h"
#include "platform/ui/windows/WinApi.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/standards/EvaluationReport.h"
#include "spreadsheet/standards/MappingFile.h"
#include "spreadsheet/standards/TfCalcSS.h"
#include "spreadsheet/standards/TfDlgStandardsData.h"
#include "spreadsheet/standards/VarCellTimers.h"

namespace {

void warnUnreadable(const TfVarCell& cell, const TfDlgStandardsData& data) {
    if (!core::currentDocumentData().spreadsheetMessages)
        return;
    const bool input = cell.isInput();
    const Vdn_String text = Vdn_String(L"The following ") + (input ? L"Input" : L"Output") +
                            L" variable couldn't be " + (input ? L"retrieved" : L"set") + L" : \n" +
                            cell.name +
                            L"\nMake sure the variable exists in the macro or module.\n" +
                            L"Spreadsheet : " + data.fileName;
    AfxMessageBox(text.str(), MB_ICONEXCLAMATION);
}

// Why the mapping of the record could not be set up.
Vdn_String mappingProblem(const TfDlgStandardsData& data) {
    if (!data.moduleGroup.isEmpty())
        return L"the module group " + data.moduleGroup + L" cannot be mapped";
    const Vdn_String path = TfCalcSS::shownPath(ss::MappingFile::pathFor(data.fileName));
    ss::MappingFile file;
    if (!file.read(data.fileName))
        return L"the mapping file " + path + L" is missing or cannot be read";
    if (file.findLine(data.macroName) < 0)
        return path + L" has no mapping named " + data.macroName;
    return path + L": the mapping " + data.macroName + L" is damaged";
}

} // namespace

Acad::ErrorStatus TfVarCells::getFromMacro(TfDlgStandardsData& data) {
    Acad::ErrorStatus mappingStatus = Acad::eOk;
    {
        Vdn_FunctionTimer timer(gInitMapping);
        if (!data.moduleGroup.isEmpty())
            mappingStatus = mapping_.initFromModuleGroup(data.moduleGroup);
        else if (data.dbMacro == nullptr)
            return Acad::eInvalidInput;
        else
            mappingStatus = mapping_.initFromMacro(data);
    }
    ss::EvaluationReport* report = data.report;
    if (report != nullptr) {
        for (const TfVarCell& cell : cells_)
            report->inputs += cell.isInput() ? 1 : 0;
    }
    if (mappingStatus != Acad::eOk) {
        if (report != nullptr)
            report->mappingProblem = mappingProblem(data);
        return Acad::eOk;
    }

    Vdn_FunctionTimer timer(gInitFromMacro);
    for (TfVarCell& cell : cells_) {
        if (cell.isLocal()) {
            if (cell.setNewValue(Vdn_String()) != Acad::eOk)
                return Acad::eInvalidInput;
            continue;
        }
        const bool read = cell.setValueFromMacro(mapping_, data) == Acad::eOk;
        if (!read)
            warnUnreadable(cell, data);
        else if (report != nullptr && cell.isInput())
            ++report->filledInputs;
    }
    if (report != nullptr && report->inputs > 0 && report->filledInputs == 0 &&
        report->mappingProblem.isEmpty())
        report->mappingProblem =
            data.moduleGroup.isEmpty()
                ? L"the mapping " + data.macroName + L" in " +
                      TfCalcSS::shownPath(ss::MappingFile::pathFor(data.fileName)) +
                      L" gives none of the inputs"
                : L"the modules of the group " + data.moduleGroup + L" give none of the inputs";
    return Acad::eOk;
}

Acad::ErrorStatus TfVarCells::setToMacro(TfDlgStandardsData& data) {
    for (const TfVarCell& cell : cells_) {
        if (cell.isOutput())
            cell.setValueToMacro(mapping_, data);
    }
    return Acad::eOk;
}

Acad::ErrorStatus TfVarCells::getValuesFromSS(Vdn_Spread& sheet, int* failed) {
    for (int i = 0; i < cells_.length(); ++i) {
        TfVarCell& cell = cells_[i];
        if (!cell.isOutput())
            continue;
        Vdn_String text;
        if (cell.getCurrentValue(sheet, text) != Acad::eOk) {
            if (failed != nullptr)
                *failed = i;
            return Acad::eInvalidInput;
        }
        cell.value = text;
    }
    return Acad::eOk;
}

Acad::ErrorStatus TfVarCells::setValuesToSS(Vdn_Spread& sheet, int* failed) {
    for (int i = 0; i < cells_.length(); ++i) {
        if (cells_[i].setValueToSS(sheet) != Acad::eOk) {
            if (failed != nullptr)
                *failed = i;
            return Acad::eInvalidInput;
        }
    }
    return Acad::eOk;
}

bool TfVarCells::hasSameInput(const TfVarCells& other) const {
    for (const TfVarCell& cell : cells_) {
        if (!cell.isInput())
            continue;
        int index = -1;
        if (other.findVarCell(cell.name, index) != Acad::eOk)
            return false;
        const TfVarCell& match = other[index];
        if (match.valueType != cell.valueType || !match.value.equal(cell.value, false))
            return false;
    }
    return true;
}

Acad::ErrorStatus TfVarCells::findVarCell(const Vdn_String& name, int& index) const {
    for (int i = 0; i < cells_.length(); ++i) {
        if (cells_[i].name.equal(name, false)) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}
