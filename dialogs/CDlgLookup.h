#pragma once
// CDlgLookup: edits a look-up query (template 343, "DLG_LOOKUP"): five texts, each typed or
// chosen from its proposals, how the first four match, where to look, what to do with what is
// found. OK stores the controls with result code 0, "Show All" with result code 2; both close
// the dialog with IDOK. The caller sets data_, runs DoModal and reads data_ back.

#include "module/TfLookUpDlgData.h"
#include "platform/ui/dialogs/CDialog.h"

#include <array>

class CDlgLookup : public CDialog {
public:
    static constexpr UINT IDD = 343;
    static constexpr int kFrame = 2050;
    // The combos of the five texts, in record order; each label is the id before it.
    static constexpr std::array<int, 5> kTextCombos = {2052, 2054, 2056, 2058, 2062};
    static constexpr int kMatchCombo = 2060;
    static constexpr int kScopeCombo = 2064;
    static constexpr int kSelectRadio = 2065;
    static constexpr int kShowRadio = 2066;
    static constexpr int kAddToSelectionCheck = 2067;
    static constexpr int kShowAllButton = 2068;
    static constexpr int kResultOk = 0;
    static constexpr int kResultShowAll = 2;

    explicit CDlgLookup(CWnd* parent = nullptr);

    TfLookUpDlgData data_;

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void store(int resultCode);
    void updateCheck();
};
