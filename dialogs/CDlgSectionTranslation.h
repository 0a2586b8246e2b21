#pragma once
// CDlgSectionTranslation: edits the translations of profile names kept in one file (template
// 360, "DLG_SECTION_TRANSLATION"). The pairs are listed; the chosen pair stands in two edits
// where it is changed ("Apply" adds a new name or changes the translation of a name listed,
// without regard to case) or removed. OK writes the file; a write that fails says why and
// keeps the dialog open, so nothing typed is lost.

#include "platform/core/text/Vdn_StringArray.h"
#include "platform/ui/dialogs/CDialog.h"

class CDlgSectionTranslation : public CDialog {
public:
    static constexpr UINT IDD = 360;
    static constexpr int kList = 2530;
    static constexpr int kNameEdit = 2532;
    static constexpr int kTranslationEdit = 2534;
    static constexpr int kApplyButton = 2535;
    static constexpr int kDeleteButton = 2536;

    explicit CDlgSectionTranslation(CWnd* parent = nullptr);

    Vdn_String file_;
    Vdn_String title_;
    Vdn_String prompt_;
    Vdn_StringArray names_;
    Vdn_StringArray translations_;

    BOOL OnInitDialog() override;
    // A pair typed but not applied is applied first.
    void OnOK() override;

private:
    void fillList(int select);
    void showChosen();
    // False, with a message, for an empty name.
    bool apply();
    void removeChosen();
    void warn(const Vdn_String& text);
};

// The core module's translation editor: shows the pairs under title, the translation's label
// being prompt, and writes them to file on OK. True when the file was written.
bool writeSectionTranslation(const Vdn_String& file, const Vdn_StringArray& names,
                             const Vdn_StringArray& translations, const Vdn_String& title,
                             const Vdn_String& prompt, CWnd* parent);
