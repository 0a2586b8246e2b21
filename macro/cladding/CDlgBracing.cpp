#include "macro/cladding/CDlgBracing.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"

#include <array>
#include <utility>

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kSectionText = 20666;
constexpr int kCaption = 20689;
constexpr int kWallFrameText = 20690;
constexpr int kRoofFrameText = 20691;
constexpr int kKindText = 20692;
constexpr int kEndBaysText = 20693;
constexpr int kFirstKindText = 20694; // six, in kind order

} // namespace

CDlgBracing::CDlgBracing(CWnd* parent) : CDialog(IDD, parent) {
    for (const int id : {kWallKindCombo, kRoofKindCombo}) {
        onCommand(id, CBN_SELCHANGE, [this] {
            storeControls();
            updateEnabled();
        });
    }
}

CComboBox* CDlgBracing::combo(int id) {
    return dynamic_cast<CComboBox*>(GetDlgItem(id));
}

BOOL CDlgBracing::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    const std::array<std::pair<int, int>, 9> texts = {{{kWallFrame, kWallFrameText},
                                                       {kRoofFrame, kRoofFrameText},
                                                       {kWallKindLabel, kKindText},
                                                       {kRoofKindLabel, kKindText},
                                                       {kWallSectionLabel, kSectionText},
                                                       {kRoofSectionLabel, kSectionText},
                                                       {kEndBaysCheck, kEndBaysText},
                                                       {IDOK, kOkText},
                                                       {IDCANCEL, kCancelText}}};
    for (const auto& [id, text] : texts)
        SetDlgItemText(id, dialString(text).str());
    fillKinds(kWallKindCombo, data_.wallKind);
    fillKinds(kRoofKindCombo, data_.roofKind);
    fillSections(kWallSectionCombo, data_.wallSection);
    fillSections(kRoofSectionCombo, data_.roofSection);
    CheckDlgButton(kEndBaysCheck, data_.bothEndBays ? BST_CHECKED : BST_UNCHECKED);
    updateEnabled();
    return TRUE;
}

void CDlgBracing::fillKinds(int comboId, int kind) {
    CComboBox* kinds = combo(comboId);
    if (kinds == nullptr)
        return;
    for (int i = 0; i < TfBracingDlgData::kKindCount; ++i)
        kinds->AddString(dialString(kFirstKindText + i).str());
    // A kind outside the list shows as none, so OK never stores an unknown kind.
    kinds->SetCurSel(kind >= 0 && kind < TfBracingDlgData::kKindCount ? kind : 0);
}

void CDlgBracing::fillSections(int comboId, const Vdn_String& section) {
    CComboBox* sections = combo(comboId);
    if (sections == nullptr)
        return;
    for (const Vdn_String& name : data_.sections)
        sections->AddString(name.str());
    const int index = data_.sections.find(section, false);
    if (index >= 0)
        sections->SetCurSel(index);
    else
        sections->SetWindowText(section.str());
}

void CDlgBracing::storeControls() {
    if (const CComboBox* wall = combo(kWallKindCombo); wall && wall->GetCurSel() >= 0)
        data_.wallKind = wall->GetCurSel();
    if (const CComboBox* roof = combo(kRoofKindCombo); roof && roof->GetCurSel() >= 0)
        data_.roofKind = roof->GetCurSel();
    if (const CComboBox* wall = combo(kWallSectionCombo))
        data_.wallSection = Vdn_String(wall->GetWindowText()).trim();
    if (const CComboBox* roof = combo(kRoofSectionCombo))
        data_.roofSection = Vdn_String(roof->GetWindowText()).trim();
    data_.bothEndBays = IsDlgButtonChecked(kEndBaysCheck) == BST_CHECKED;
}

void CDlgBracing::updateEnabled() {
    const std::array<std::pair<int, std::array<int, 2>>, 2> tied = {
        {{data_.wallKind, {kWallSectionCombo, kWallSectionLabel}},
         {data_.roofKind, {kRoofSectionCombo, kRoofSectionLabel}}}};
    for (const auto& [kind, ids] : tied) {
        for (const int id : ids) {
            if (CWnd* control = GetDlgItem(id))
                control->EnableWindow(kind == TfBracingDlgData::kSectionKind);
        }
    }
}

void CDlgBracing::OnOK() {
    storeControls();
    CDialog::OnOK();
}
