#include "dialogs/CDlgCis2.h"

#include "dialogs/CDlgSectionTranslation.h"
#include "platform/core/sections/SectionTranslations.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kCaption = 1731;
constexpr int kHeadingFirst = 1732;
constexpr int kHeadingSecond = 1733;
constexpr int kStandardText = 1734;
constexpr int kCustomText = 1735;
constexpr int kFirstOptionText = 665;
constexpr int kHiddenOptionText = 1736;
constexpr int kThirdOptionText = 1741;
constexpr int kModelNamesText = 1737;
constexpr int kTranslatedNamesText = 1738;
constexpr int kNamesButtonText = 1739;
constexpr int kNamesTitle = 670;
constexpr int kNamesPrompt = 1740;
constexpr int kCancelText = 2;
constexpr int kNamesUnusable = 20553;

} // namespace

CDlgCis2::CDlgCis2(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kStandardRadio, BN_CLICKED, [this] { enableOptions(); });
    onCommand(kCustomRadio, BN_CLICKED, [this] { enableOptions(); });
    onCommand(kNamesButton, BN_CLICKED, [this] { editNames(); });
}

BOOL CDlgCis2::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    SetDlgItemText(kHeading,
                   (dialString(kHeadingFirst) + L"\n" + dialString(kHeadingSecond)).str());
    setNumberedItemTexts(*this, {{kStandardRadio, kStandardText},
                                 {kCustomRadio, kCustomText},
                                 {kFirstOptionCheck, kFirstOptionText},
                                 {kHiddenOptionCheck, kHiddenOptionText},
                                 {kThirdOptionCheck, kThirdOptionText},
                                 {kModelNamesRadio, kModelNamesText},
                                 {kTranslatedNamesRadio, kTranslatedNamesText},
                                 {kNamesButton, kNamesButtonText},
                                 {IDCANCEL, kCancelText}});

    CheckRadioButton(kStandardRadio, kCustomRadio,
                     data_.firstScope ? kStandardRadio : kCustomRadio);
    CheckDlgButton(kFirstOptionCheck, data_.firstOption ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kHiddenOptionCheck, data_.hiddenOption ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kThirdOptionCheck, data_.thirdOption ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(kModelNamesRadio, kTranslatedNamesRadio,
                     data_.secondChoice ? kTranslatedNamesRadio : kModelNamesRadio);
    if (CWnd* hidden = GetDlgItem(kHiddenOptionCheck))
        hidden->ShowWindow(SW_HIDE);
    enableOptions();
    return TRUE;
}

void CDlgCis2::OnOK() {
    data_.firstScope = IsDlgButtonChecked(kStandardRadio) == BST_CHECKED;
    data_.firstOption = IsDlgButtonChecked(kFirstOptionCheck) == BST_CHECKED;
    data_.hiddenOption = IsDlgButtonChecked(kHiddenOptionCheck) == BST_CHECKED;
    data_.thirdOption = IsDlgButtonChecked(kThirdOptionCheck) == BST_CHECKED;
    data_.secondChoice = IsDlgButtonChecked(kTranslatedNamesRadio) == BST_CHECKED;
    CDialog::OnOK();
}

void CDlgCis2::enableOptions() {
    const BOOL custom = IsDlgButtonChecked(kCustomRadio) == BST_CHECKED ? TRUE : FALSE;
    for (const int id : {kFirstOptionCheck, kHiddenOptionCheck, kThirdOptionCheck, kModelNamesRadio,
                         kTranslatedNamesRadio}) {
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(custom);
    }
}

void CDlgCis2::editNames() {
    const Vdn_String file = gSettings.libDir() + kCis2ProfNamesFile;
    Vdn_StringArray names;
    Vdn_StringArray translations;
    Vdn_String problem;
    if (!readSectionTranslation(file, names, translations, &problem)) {
        MessageBox((dialString(kNamesUnusable) + L":\n" + file + L"\n" + problem).str(),
                   dialString(kCaption).str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    writeSectionTranslation(file, names, translations, dialString(kNamesTitle),
                            dialString(kNamesPrompt), this);
}
