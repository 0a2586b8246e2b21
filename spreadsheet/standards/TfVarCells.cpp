#include "spreadsheet/standards/TfVarCells.h"

#include "platform/core/DocumentData.h"
#include "platform/core/Vdn_FunctionTimer.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/WinConstants.h"
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

} // namespace

Acad::ErrorStatus TfVarCells::getFromMacro(TfDlgStandardsData& data) {
    Acad::ErrorStatus mappingStatus = Acad::eOk;
    {
        Vdn_FunctionTimer timer(gInitMapping);
        if (!data.moduleGroup.isEmpty())
            mappingStatus = mMapping.initFromModuleGroup(data.moduleGroup);
        else if (data.dbMacro == nullptr)
            return Acad::eInvalidInput;
        else
            mappingStatus = mMapping.initFromMacro(data);
    }
    if (mappingStatus != Acad::eOk)
        return Acad::eOk;

    Vdn_FunctionTimer timer(gInitFromMacro);
    for (TfVarCell& cell : mCells) {
        if (cell.isLocal()) {
            if (cell.setNewValue(Vdn_String()) != Acad::eOk)
                return Acad::eInvalidInput;
            continue;
        }
        if (cell.setValueFromMacro(mMapping, data) != Acad::eOk)
            warnUnreadable(cell, data);
    }
    return Acad::eOk;
}

Acad::ErrorStatus TfVarCells::setToMacro(TfDlgStandardsData& data) {
    for (const TfVarCell& cell : mCells) {
        if (cell.isOutput())
            cell.setValueToMacro(mMapping, data);
    }
    return Acad::eOk;
}

Acad::ErrorStatus TfVarCells::getValuesFromSS(Vdn_Spread& sheet) {
    for (TfVarCell& cell : mCells) {
        if (!cell.isOutput())
            continue;
        Vdn_String text;
        if (cell.getCurrentValue(sheet, text) != Acad::eOk)
            return Acad::eInvalidInput;
        cell.value = text;
    }
    return Acad::eOk;
}

Acad::ErrorStatus TfVarCells::setValuesToSS(Vdn_Spread& sheet) {
    for (const TfVarCell& cell : mCells) {
        if (cell.setValueToSS(sheet) != Acad::eOk)
            return Acad::eInvalidInput;
    }
    return Acad::eOk;
}

bool TfVarCells::hasSameInput(const TfVarCells& other) const {
    for (const TfVarCell& cell : mCells) {
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
    for (int i = 0; i < mCells.length(); ++i) {
        if (mCells[i].name.equal(name, false)) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}
