#include "spreadsheet/standards/CDlgSSStandards.h"

#include "platform/core/settings/Vdn_FunctionTimer.h"
#include "spreadsheet/standards/CalcSSTimers.h"

CDlgSSStandards::CDlgSSStandards(CWnd* parent) : CDialog(kTemplateId, parent) {}

BOOL CDlgSSStandards::OnInitDialog() {
    CDialog::OnInitDialog();
    mCalcSS.attachToDlgItem(this, kSheetPlaceholder);
    return TRUE;
}

Acad::ErrorStatus CDlgSSStandards::evaluate() {
    mCalcSS.setReport(mData.report);
    {
        Vdn_FunctionTimer timer(gLoadFile);
        if (mCalcSS.loadFile(mData.fileName) != Acad::eOk)
            return Acad::eInvalidInput;
    }
    switch (mData.mode) {
    case TfDlgStandardsData::kEvaluate:
        if (mCalcSS.initSSForInput(mData) != Acad::eOk || mCalcSS.calcMain(mData) != Acad::eOk)
            return Acad::eInvalidInput;
        mData.varCells = std::as_const(mCalcSS).varCells();
        return Acad::eOk;
    case TfDlgStandardsData::kChildCall:
        if (mCalcSS.getFromVars(mData) != Acad::eOk ||
            mCalcSS.setToVars(mData.varCells) != Acad::eOk)
            return Acad::eInvalidInput;
        return Acad::eOk;
    default:
        return Acad::eOk;
    }
}
