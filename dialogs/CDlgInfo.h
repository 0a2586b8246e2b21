#pragma once
// CDlgInfo: shows a report to read (template 364, "DLG_INFO"): its title as the caption and
// its lines in a list that the user can scroll but not change; OK closes it.

#include "platform/core/model/DlgInfoData.h"
#include "platform/ui/dialogs/CDialog.h"

class CDlgInfo : public CDialog {
public:
    static constexpr UINT IDD = 364;
    static constexpr int kLines = 2550;

    explicit CDlgInfo(CWnd* parent = nullptr);

    DlgInfoData data_;

    BOOL OnInitDialog() override;
};

// The core module's report window: shows data until the user closes it.
void ExportStartDlgInfo(DlgInfoData& data);
