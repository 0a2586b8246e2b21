#pragma once

#include "platform/ui/dialogs/CDialog.h"

// The language choice of the spreadsheet editor (template 247): a drop-down list of
// "Nederlands", "English" and "Français".
class CDlgSSSettings : public CDialog {
public:
    static constexpr UINT IDD = 247;
    static constexpr int kLanguageCombo = 1398;
    static constexpr int kLanguageLabel = 1399;

    explicit CDlgSSSettings(CWnd* parent = nullptr);

    // The language's position in the list: selected when the dialog opens (-1: none), the
    // user's choice after OK.
    int language = -1;

    BOOL OnInitDialog() override;
    void OnOK() override;
};
