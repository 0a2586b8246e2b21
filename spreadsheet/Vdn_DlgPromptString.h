#pragma once
// Vdn_DlgPromptString: the modal prompt for one value (dialog template 8069). The caller sets
// the caption, label, value and button captions before DoModal; afterwards accepted and value
// tell the result. Empty button captions keep the template's.

#include "platform/core/text/Vdn_String.h"
#include "platform/ui/dialogs/CDialog.h"

class Vdn_DlgPromptString : public CDialog {
public:
    static constexpr UINT IDD = 8069;
    static constexpr int kLabel = 1001;
    static constexpr int kValueEdit = 1002;

    explicit Vdn_DlgPromptString(CWnd* parent = nullptr);

    Vdn_String caption;
    Vdn_String label;
    Vdn_String value;
    Vdn_String okCaption;
    Vdn_String cancelCaption;
    // Without the value edit the prompt only asks for OK or Cancel.
    bool valueShown = true;
    bool accepted = false;

    // Fills the controls and gives the edit the focus with its text selected.
    BOOL OnInitDialog() override;
    // An empty value (while the edit is shown) cannot be confirmed: the prompt stays open.
    void OnOK() override;
};
