#include "macro/cuts/CDlgEditProfCuts.h"

#include "macro/cuts/CutTexts.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/DrawingPicks.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"

#include <algorithm>
#include <utility>

namespace {

CComboBox* cutsOf(CWnd& dialog) {
    return dynamic_cast<CComboBox*>(dialog.GetDlgItem(CDlgEditProfCuts::kCutCombo));
}

} // namespace

CDlgEditProfCuts::CDlgEditProfCuts(CWnd* parent) : CAdUiBaseDialog(IDD, parent) {
    onCommand(kCutCombo, CBN_SELCHANGE, [this] { cutChosen(); });
    onCommand(kRemoveButton, BN_CLICKED, [this] { removeCut(); });
    onCommand(kOtherProfileButton, BN_CLICKED, [this] { selectOtherProfile(); });
    onCommand(kPreviewCheck, BN_CLICKED, [this] { previewClicked(); });
}

BOOL CDlgEditProfCuts::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    SetWindowText(dialString(cuts::kProfCutsCaption).str());
    for (const auto& [id, text] :
         {std::pair{kCutLabel, cuts::kCutCaption}, std::pair{kRemoveButton, cuts::kRemoveCut},
          std::pair{kOtherProfileButton, cuts::kOtherProfile},
          std::pair{kPreviewCheck, cuts::kShowPreview},
          std::pair{static_cast<int>(IDOK), cuts::kOkText}})
        SetDlgItemText(id, dialString(text).str());
    CheckDlgButton(kPreviewCheck, data_.previews && previewOption_ ? BST_CHECKED : BST_UNCHECKED);
    fillCuts(0);
    return TRUE;
}

bool CDlgEditProfCuts::previewsOn() const {
    return IsDlgButtonChecked(kPreviewCheck) == BST_CHECKED;
}

void CDlgEditProfCuts::preview(int index) {
    if (previewed_ >= 0)
        data_.drawCutPreview(previewed_, false);
    previewed_ = -1;
    if (previewsOn() && data_.drawCutPreview(index, true))
        previewed_ = index;
}

void CDlgEditProfCuts::fillCuts(int select) {
    CComboBox* combo = cutsOf(*this);
    if (combo == nullptr)
        return;
    Vdn_StringArray descs;
    data_.getCutDescs(descs);
    combo->ResetContent();
    for (const Vdn_String& desc : descs)
        combo->AddString(desc.str());
    const int chosen = descs.isEmpty() ? -1 : std::clamp(select, 0, descs.length() - 1);
    combo->SetCurSel(chosen);
    preview(chosen);
}

void CDlgEditProfCuts::cutChosen() {
    if (const CComboBox* combo = cutsOf(*this))
        preview(combo->GetCurSel());
}

void CDlgEditProfCuts::removeCut() {
    const CComboBox* combo = cutsOf(*this);
    const int chosen = combo ? combo->GetCurSel() : -1;
    if (chosen < 0)
        return; // nothing to remove
    preview(-1);
    data_.removeCut(chosen);
    fillCuts(chosen);
}

void CDlgEditProfCuts::selectOtherProfile() {
    preview(-1);
    data_.removeAllPreviews();
    BeginEditorCommand();
    const bool picked = data_.selectOtherProf(
        [](AcDbObjectId& id) { return host::pickObject(dialString(cuts::kPickPrompt), id); });
    CompleteEditorCommand();
    const CComboBox* combo = cutsOf(*this);
    fillCuts(picked ? 0 : (combo ? combo->GetCurSel() : 0));
}

void CDlgEditProfCuts::previewClicked() {
    // Turning previews off also takes away the one shown, so none is left in the drawing.
    const CComboBox* combo = cutsOf(*this);
    preview(previewsOn() && combo ? combo->GetCurSel() : -1);
}

void CDlgEditProfCuts::OnOK() {
    previewOption_ = previewsOn();
    CAdUiBaseDialog::OnOK();
}

void CDlgEditProfCuts::OnDestroy() {
    preview(-1);
    data_.removeAllPreviews();
    CAdUiBaseDialog::OnDestroy();
}
