#pragma once
// CSubDlgWsSetViews: the list of a group's views (template 352) with new, rename and
// erase; every change goes through the workshop dialog, which refreshes its tree.

#include "workshop/CDlgGeneralSettingsChild.h"

class CSubDlgWsSetViews : public CDlgGeneralSettingsChild {
public:
    static constexpr UINT IDD = 352;
    static constexpr int kViewCombo = 2261;
    static constexpr int kNewButton = 2262;
    static constexpr int kRenameButton = 2263;
    static constexpr int kEraseButton = 2264;

    explicit CSubDlgWsSetViews(CWnd* parent = nullptr);

    Acad::ErrorStatus LoadFromSettings(int item) override;
    Acad::ErrorStatus SaveToSettings(int item) override;
};
