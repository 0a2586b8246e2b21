#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/ui/dialogs/CDialog.h"
#include "spreadsheet/standards/TfCalcSS.h"
#include "spreadsheet/standards/TfDlgStandardsData.h"

// The hidden dialog in which one standards evaluation runs: it only hosts the calculating
// spreadsheet, created in place of its placeholder. The dialogs are pooled (gSSDlgsMgr) and
// never shown; StartDlgStandardsSS lends one out for each evaluation.
class CDlgSSStandards : public CDialog {
public:
    static constexpr UINT kTemplateId = 253;
    static constexpr int kSheetPlaceholder = 1196;

    explicit CDlgSSStandards(CWnd* parent = nullptr);

    TfDlgStandardsData& standardsData() { return data_; }
    TfCalcSS& calcSS() { return calcSS_; }

    // Runs one evaluation on the dialog's record: loads its sheet, then by mode
    //  0: fills the sheet from the macro, calculates, writes the outputs into the macro and
    //     leaves the sheet's variables in the record;
    //  1: fills the sheet from the record's arguments, calculates, and leaves the outputs'
    //     values in the arguments;
    //  other: nothing more.
    Acad::ErrorStatus evaluate();

    BOOL OnInitDialog() override;

private:
    TfCalcSS calcSS_;
    TfDlgStandardsData data_;
};
