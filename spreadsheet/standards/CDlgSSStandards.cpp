#include "spreadsheet/standards/CDlgSSStandards.h"

#include "platform/core/settings/Vdn_FunctionTimer.h"
#include "spreadsheet/standards/CalcSSTimers.h"

CDlgSSStandards::CDlgSSStandards(CWnd* parent) : CDialog(kTemplateId, parent) {}

BOOL CDlgSSStandards::OnInitDialog() {
    CDialog::OnInitDialog();
    calcSS_.attachToDlgItem(this, kSheetPlaceholder);
    return TRUE;
}

Acad::ErrorStatus CDlgSSStandards::evaluate() {
    calcSS_.setReport(data_.report);
    {
        Vdn_FunctionTimer timer(gLoadFile);
        if (calcSS_.loadFile(data_.fileName) != Acad::eOk)
            return Acad::eInvalidInput;
    }
    switch (data_.mode) {
    case TfDlgStandardsData::kEvaluate:
        if (calcSS_.initSSForInput(data_) != Acad::eOk || calcSS_.calcMain(data_) != Acad::eOk)
            return Acad::eInvalidInput;
        data_.varCells = std::as_const(calcSS_).varCells();
        return Acad::eOk;
    case TfDlgStandardsData::kChildCall:
        if (calcSS_.getFromVars(data_) != Acad::eOk ||
            calcSS_.setToVars(data_.varCells) != Acad::eOk)
            return Acad::eInvalidInput;
        return Acad::eOk;
    default:
        return Acad::eOk;
    }
}
