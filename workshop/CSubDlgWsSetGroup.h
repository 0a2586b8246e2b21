#pragma once
// CSubDlgWsSetGroup: the page of one group (template 350): its name (renamed through the
// rename button), its type and a summary of its filters. A base group's type and filters
// cannot be edited.

#include "workshop/CDlgGeneralSettingsChild.h"

class CSubDlgWsSetGroup : public CDlgGeneralSettingsChild {
public:
    static constexpr UINT IDD = 350;
    static constexpr int kNameEdit = 2261;
    static constexpr int kRenameButton = 2262;
    static constexpr int kTypeCombo = 2264;
    static constexpr int kFilterEdit = 2266;
    static constexpr int kFilterButton = 2267;
    static constexpr int kPageButton = 2269;
    static constexpr int kGenerateButton = 2271;

    explicit CSubDlgWsSetGroup(CWnd* parent = nullptr);

    Acad::ErrorStatus LoadFromSettings(int item) override;
    Acad::ErrorStatus SaveToSettings(int item) override;
};
