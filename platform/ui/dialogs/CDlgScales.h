#pragma once
// CDlgScales: the core module's dialog for a list of drawing scales (template 347,
// "DLG_SCALES"), each the n of 1:n. Scales are kept ascending and without duplicates; a typed
// scale that is no number above 0 is refused with a message.

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/ui/dialogs/CDialog.h"

class CDlgScales : public CDialog {
public:
    static constexpr UINT IDD = 347;
    static constexpr int kScaleList = 2210;
    static constexpr int kValueEdit = 2212;
    static constexpr int kAddButton = 2213;
    static constexpr int kRemoveButton = 2214;

    explicit CDlgScales(CWnd* parent = nullptr);

    Vdn_String title_;
    Vdn_Array<double> scales_;

    BOOL OnInitDialog() override;

private:
    void fillList(int selected);
    void addScale();
    void removeScale();
};

// The scale as the list shows it: "1:20", "1:2.5".
Vdn_String scaleText(double scale);

// Runs the scales dialog with title as its caption; true, with scales edited, on OK.
bool StartScalesDlg(const Vdn_String& title, Vdn_Array<double>& scales);
