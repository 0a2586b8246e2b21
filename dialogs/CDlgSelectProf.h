#pragma once
// CDlgSelectProf: the profile chooser (template 363, "DLG_SELECT_PROF"). The combo lists the
// library's section tables (prof\*.pr) and, when there are any, the user sections (files of
// "User Sections\"); the list shows the active sizes of the chosen table, or the user section
// files. On OK name_ is the chosen size's system name ("HEA-200"), or the user section's path
// (gSettings.libDir() + "User Sections\" + file). OK with nothing chosen keeps it open.

#include "platform/core/text/Vdn_StringArray.h"
#include "platform/ui/dialogs/CDialog.h"

class CDlgSelectProf : public CDialog {
public:
    static constexpr UINT IDD = 363;
    static constexpr int kTableCombo = 2540;
    static constexpr int kSizeList = 2542;
    static constexpr const wchar_t* kUserSectionsFolder = L"User Sections\\";

    explicit CDlgSelectProf(CWnd* parent = nullptr);

    // In: a profile to show first (may be empty); out on OK: the chosen profile.
    Vdn_String name_;

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void fillSizes();
    bool userSectionsChosen() const;

    Vdn_StringArray tables_; // table names, in combo order
    Vdn_StringArray sizes_;  // what the list's entries stand for, in list order
    Vdn_StringArray userFiles_;
};

// The core module's profile chooser: true, with name set, when a profile was chosen.
bool DlgSelectProf(Vdn_String& name, CWnd* parent = nullptr);
