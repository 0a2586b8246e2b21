#include "macro/cladding/CDlgCladdingSettings.h"

#include "dialogs/CDlgSelectProf.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"

#include <array>
#include <utility>

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kCaption = 20665;
constexpr int kSectionText = 20666;
constexpr int kChooseText = 20667;
constexpr int kStartText = 20668;
constexpr int kEndText = 20669;
constexpr int kFirstConnectionText = 20670; // five, in type order
constexpr int kSideText = 20675;
constexpr int kFirstSideText = 20676; // three
constexpr int kSpacingModeText = 20679;
constexpr int kFirstSpacingModeText = 20680; // five
constexpr int kSpacingText = 20685;
constexpr int kSagRodsText = 20686;
constexpr int kRailFrameText = 20687;
constexpr int kLayoutFrameText = 20688;

constexpr int kSpacingDecimals = 1;

} // namespace

CDlgCladdingSettings::CDlgCladdingSettings(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kChooseSection, BN_CLICKED, [this] { chooseSection(); });
    onCommand(kSectionCombo, CBN_SELCHANGE, [this] { sectionChanged(); });
    onCommand(kSpacingCombo, CBN_SELCHANGE, [this] {
        storeControls();
        updateEnabled();
    });
}

Vdn_String CDlgCladdingSettings::connectionCaption(int type) {
    return dialString(kFirstConnectionText + type);
}

int CDlgCladdingSettings::connectionTypeOf(const Vdn_String& caption) {
    for (int type = 0; type < TfCladdingDlgData::kConnectionTypeCount; ++type) {
        if (connectionCaption(type) == caption)
            return type;
    }
    return 0;
}

CComboBox* CDlgCladdingSettings::combo(int id) {
    return dynamic_cast<CComboBox*>(GetDlgItem(id));
}

BOOL CDlgCladdingSettings::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    const std::array<std::pair<int, int>, 12> texts = {{{kSectionLabel, kSectionText},
                                                        {kChooseSection, kChooseText},
                                                        {kStartLabel, kStartText},
                                                        {kEndLabel, kEndText},
                                                        {kSideLabel, kSideText},
                                                        {kSpacingModeLabel, kSpacingModeText},
                                                        {kSpacingLabel, kSpacingText},
                                                        {kSagRodsCheck, kSagRodsText},
                                                        {kRailFrame, kRailFrameText},
                                                        {kLayoutFrame, kLayoutFrameText},
                                                        {IDOK, kOkText},
                                                        {IDCANCEL, kCancelText}}};
    for (const auto& [id, text] : texts)
        SetDlgItemText(id, dialString(text).str());

    fillSections();
    fillConnections();
    if (CComboBox* sides = combo(kSideCombo)) {
        for (int i = 0; i < TfCladdingDlgData::kSideCount; ++i)
            sides->AddString(dialString(kFirstSideText + i).str());
        sides->SetCurSel(data_.side >= 0 && data_.side < TfCladdingDlgData::kSideCount ? data_.side
                                                                                       : 0);
    }
    if (CComboBox* modes = combo(kSpacingCombo)) {
        for (int i = 0; i < TfCladdingDlgData::kSpacingModeCount; ++i)
            modes->AddString(dialString(kFirstSpacingModeText + i).str());
        modes->SetCurSel(data_.spacingMode >= 0 &&
                                 data_.spacingMode < TfCladdingDlgData::kSpacingModeCount
                             ? data_.spacingMode
                             : 0);
    }
    SetDlgItemText(kSpacingEdit, Vdn_String(data_.spacing, kSpacingDecimals, true).str());
    CheckDlgButton(kSagRodsCheck, data_.sagRods ? BST_CHECKED : BST_UNCHECKED);
    updateEnabled();
    return TRUE;
}

void CDlgCladdingSettings::fillSections() {
    CComboBox* sections = combo(kSectionCombo);
    if (sections == nullptr)
        return;
    sections->ResetContent();
    for (const Vdn_String& section : data_.sections)
        sections->AddString(section.str());
    sections->SetCurSel(data_.sections.find(data_.section, false));
}

void CDlgCladdingSettings::fillConnection(CComboBox& list, int type) {
    list.ResetContent();
    for (int i = 0; i < TfCladdingDlgData::kConnectionTypeCount; ++i) {
        if (data_.isValidConstrainType(i))
            list.AddString(connectionCaption(i).str());
    }
    // A type that does not suit the section shows as none, so OK never stores it.
    const int shown = data_.isValidConstrainType(type) ? type : 0;
    list.SetCurSel(list.FindStringExact(-1, connectionCaption(shown).str()));
}

void CDlgCladdingSettings::fillConnections() {
    if (CComboBox* start = combo(kStartCombo))
        fillConnection(*start, data_.startConnection);
    if (CComboBox* end = combo(kEndCombo))
        fillConnection(*end, data_.endConnection);
}

void CDlgCladdingSettings::updateEnabled() {
    const CComboBox* modes = combo(kSpacingCombo);
    const bool on = modes != nullptr && TfCladdingDlgData::usesSpacing(modes->GetCurSel());
    for (const int id : {kSpacingEdit, kSpacingLabel}) {
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(on);
    }
}

void CDlgCladdingSettings::storeControls() {
    if (const CComboBox* sections = combo(kSectionCombo); sections && sections->GetCurSel() >= 0)
        data_.section = sections->GetLBText(sections->GetCurSel());
    if (const CComboBox* start = combo(kStartCombo))
        data_.startConnection = connectionTypeOf(start->GetWindowText());
    if (const CComboBox* end = combo(kEndCombo))
        data_.endConnection = connectionTypeOf(end->GetWindowText());
    if (const CComboBox* sides = combo(kSideCombo); sides && sides->GetCurSel() >= 0)
        data_.side = sides->GetCurSel();
    if (const CComboBox* modes = combo(kSpacingCombo); modes && modes->GetCurSel() >= 0)
        data_.spacingMode = modes->GetCurSel();
    std::wstring typed;
    GetDlgItemText(kSpacingEdit, typed);
    bool number = false;
    const double spacing = Vdn_String(typed).toDouble(&number);
    if (number && spacing > 0.0)
        data_.spacing = spacing;
    data_.sagRods = IsDlgButtonChecked(kSagRodsCheck) == BST_CHECKED;
}

void CDlgCladdingSettings::sectionChanged() {
    storeControls();
    fillConnections();
}

void CDlgCladdingSettings::chooseSection() {
    storeControls();
    Vdn_String chosen = data_.section;
    if (!DlgSelectProf(chosen, this) || chosen.isEmpty())
        return;
    if (!data_.sections.contains(chosen, false))
        data_.sections.append(chosen);
    data_.section = data_.sections[data_.sections.find(chosen, false)];
    fillSections();
    fillConnections();
}

void CDlgCladdingSettings::OnOK() {
    storeControls();
    CDialog::OnOK();
}
