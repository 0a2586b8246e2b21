#pragma once

#include "platform/ui/dialogs/CDialog.h"
#include "spreadsheet/Vdn_Spread.h"

// The spreadsheet tool window: a hidden dialog (template 248) whose only purpose is to host one
// spreadsheet control, so that code can build a sheet (a bill, a table) without showing it.
// The control is created in place of the placeholder when the window is created.
class CDlgSSAsTool : public CDialog {
public:
    static constexpr UINT IDD = 248;
    static constexpr int kSheetPlaceholder = 1196;

    explicit CDlgSSAsTool(CWnd* parent = nullptr);

    Vdn_Spread& spread() { return spread_; }
    const Vdn_Spread& spread() const { return spread_; }

    BOOL OnInitDialog() override;

private:
    Vdn_Spread spread_;
};
