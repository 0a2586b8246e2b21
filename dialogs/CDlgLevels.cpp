#include "dialogs/CDlgLevels.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/controls/IconButton.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"

#include <cmath>

namespace {

constexpr int kCaption = 1478;
constexpr int kFrameText = 760;
constexpr int kNameText = 87;
constexpr int kBaseText = 1473;
constexpr int kValueText = 593;
constexpr int kAbsoluteText = 1474;
constexpr int kCancelText = 2;
constexpr UINT kAddIcon = 212;
constexpr UINT kDeleteIcon = 206;
constexpr int kAddTip = 131;
constexpr int kDeleteTip = 134;
constexpr int kPromptCaption = 1475;
constexpr int kProposedName = 171;
constexpr int kNameTakenCaption = 856;
constexpr int kNameTakenFirst = 857;
constexpr int kNameTakenSecond = 858;
constexpr int kValueRefused = 20102;
constexpr int kBaseRefused = 20103;
constexpr int kStillABase = 20104;
constexpr int kNameEmpty = 20105;
constexpr int kDecimals = 3;

// The labels stand just before their controls.
constexpr int kNameLabel = CDlgLevels::kNameEdit - 1;
constexpr int kBaseLabel = CDlgLevels::kBaseCombo - 1;
constexpr int kValueLabel = CDlgLevels::kValueEdit - 1;
constexpr int kAbsoluteLabel = CDlgLevels::kAbsoluteEdit - 1;

bool readNumber(const std::wstring& text, double& value) {
    bool whole = false;
    value = Vdn_String(text).toDouble(&whole);
    return whole && std::isfinite(value);
}

} // namespace

CDlgLevels::CDlgLevels(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kLevelCombo, CBN_SELCHANGE, [this] { chooseLevel(); });
    onCommand(kAddButton, BN_CLICKED, [this] { addLevel(); });
    onCommand(kDeleteButton, BN_CLICKED, [this] { deleteLevel(); });
    onCommand(kValueEdit, EN_CHANGE, [this] { showAbsolute(); });
    onCommand(kBaseCombo, CBN_SELCHANGE, [this] { showAbsolute(); });
}

BOOL CDlgLevels::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    setNumberedItemTexts(*this, {{kFrame, kFrameText},
                                 {kNameLabel, kNameText},
                                 {kBaseLabel, kBaseText},
                                 {kValueLabel, kValueText},
                                 {kAbsoluteLabel, kAbsoluteText},
                                 {IDCANCEL, kCancelText}});
    attachIconButton(addButton_, this, kAddButton, kAddIcon, dialString(kAddTip).str());
    attachIconButton(deleteButton_, this, kDeleteButton, kDeleteIcon, dialString(kDeleteTip).str());
    // Names are never edited here; the absolute height follows from the others.
    for (const int id : {kNameEdit, kAbsoluteEdit}) {
        if (CWnd* edit = GetDlgItem(id))
            edit->EnableWindow(FALSE);
    }
    Vdn_StringArray names;
    data_.getNames(names);
    fillLevels(names.isEmpty() ? -1 : 0);
    return TRUE;
}

void CDlgLevels::OnOK() {
    if (!storeShown())
        return;
    CDialog::OnOK();
}

void CDlgLevels::fillLevels(int index) {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo));
    if (combo == nullptr)
        return;
    combo->ResetContent();
    Vdn_StringArray names;
    data_.getNames(names);
    for (const Vdn_String& name : names)
        combo->AddString(name.str());
    showLevel(index);
}

void CDlgLevels::showLevel(int index) {
    auto* levels = dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo));
    auto* bases = dynamic_cast<CComboBox*>(GetDlgItem(kBaseCombo));
    if (levels == nullptr || bases == nullptr)
        return;
    Vdn_String name;
    Vdn_String baseName;
    double value = 0.0;
    double absolute = 0.0;
    const bool shown = data_.getLevelData(index, name, baseName, value, absolute);
    shown_ = shown ? index : -1;
    levels->SetCurSel(shown_);
    bases->ResetContent();
    if (shown) {
        // Only bases that keep the chains from looping are offered.
        bases->AddString(TfLevelsDlgData::kWorldBase);
        Vdn_StringArray names;
        data_.getNames(names);
        for (const Vdn_String& other : names) {
            if (data_.canRestOn(index, other))
                bases->AddString(other.str());
        }
        bases->SetCurSel(bases->FindStringExact(-1, baseName.str()));
    }
    SetDlgItemText(kNameEdit, shown ? name.str() : L"");
    shownValue_ = shown ? Vdn_String(value, kDecimals) : Vdn_String();
    SetDlgItemText(kValueEdit, shownValue_.str());
    SetDlgItemText(kAbsoluteEdit, shown ? Vdn_String(absolute, kDecimals).str() : L"");
    bases->EnableWindow(shown && isAdded(name) ? TRUE : FALSE);
    for (const int id : {kValueEdit, kDeleteButton}) {
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(shown ? TRUE : FALSE);
    }
}

bool CDlgLevels::storeShown() {
    Vdn_String name;
    Vdn_String baseName;
    double value = 0.0;
    double absolute = 0.0;
    if (!data_.getLevelData(shown_, name, baseName, value, absolute))
        return true;
    std::wstring typed;
    GetDlgItemText(kValueEdit, typed);
    // The edit shows 3 decimals; an untouched height keeps the digits beyond them.
    const bool untouched = typed == shownValue_.str();
    if (!untouched && (!readNumber(typed, value) || !data_.updateLevel(shown_, value))) {
        warn(dialString(kValueRefused), kCaption);
        if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(kValueEdit))) {
            GotoDlgCtrl(edit);
            edit->SetSel(0, -1);
        }
        return false;
    }
    if (isAdded(name)) {
        auto* bases = dynamic_cast<CComboBox*>(GetDlgItem(kBaseCombo));
        if (bases != nullptr && bases->GetCurSel() >= 0) {
            const Vdn_String chosen(bases->GetLBText(bases->GetCurSel()));
            if (!data_.updateLevel(shown_, chosen)) {
                warn(dialString(kBaseRefused), kCaption);
                return false;
            }
        }
    }
    return true;
}

void CDlgLevels::chooseLevel() {
    auto* levels = dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo));
    if (levels == nullptr || levels->GetCurSel() == shown_)
        return;
    const int chosen = levels->GetCurSel();
    if (!storeShown()) {
        levels->SetCurSel(shown_); // the refused level stays in view
        return;
    }
    showLevel(chosen);
}

void CDlgLevels::addLevel() {
    if (!storeShown())
        return;
    Vdn_String proposal = dialString(kProposedName);
    for (int refused = 0; refused < kMaxRefusedNames; ++refused) {
        Vdn_DlgPromptString prompt(this);
        prompt.caption = dialString(kPromptCaption);
        prompt.label = dialString(kNameText);
        prompt.value = proposal;
        if (prompt.DoModal() != IDOK)
            return;
        const Vdn_String name = prompt.value.trim();
        int index = -1;
        if (data_.addLevel(name, index)) {
            added_.append(name);
            fillLevels(index);
            return;
        }
        if (name.isEmpty()) {
            warn(dialString(kNameEmpty), kNameTakenCaption);
        } else {
            warn(dialString(kNameTakenFirst) + L".\n" + dialString(kNameTakenSecond) + L".",
                 kNameTakenCaption);
        }
        proposal = prompt.value; // offered again, to be corrected
    }
}

void CDlgLevels::deleteLevel() {
    Vdn_String name;
    Vdn_String baseName;
    double value = 0.0;
    double absolute = 0.0;
    if (!data_.getLevelData(shown_, name, baseName, value, absolute))
        return;
    if (!data_.deleteLevel(shown_)) {
        Vdn_String text = dialString(kStillABase);
        for (const Vdn_String& other : data_.levelsOn(shown_))
            text = text + L"\n" + other;
        warn(text, kCaption);
        return;
    }
    const int added = added_.find(name, false);
    if (added >= 0)
        added_.removeAt(added);
    Vdn_StringArray names;
    data_.getNames(names);
    fillLevels(names.isEmpty() ? -1 : std::max(shown_ - 1, 0));
}

void CDlgLevels::showAbsolute() {
    if (shown_ < 0)
        return;
    std::wstring typed;
    GetDlgItemText(kValueEdit, typed);
    double value = 0.0;
    double baseHeight = 0.0;
    auto* bases = dynamic_cast<CComboBox*>(GetDlgItem(kBaseCombo));
    if (bases != nullptr && bases->GetCurSel() >= 0) {
        Vdn_StringArray names;
        data_.getNames(names);
        const int base = names.find(Vdn_String(bases->GetLBText(bases->GetCurSel())), false);
        Vdn_String name;
        Vdn_String baseOfBase;
        double baseValue = 0.0;
        if (base >= 0)
            data_.getLevelData(base, name, baseOfBase, baseValue, baseHeight);
    }
    SetDlgItemText(kAbsoluteEdit, readNumber(typed, value)
                                      ? Vdn_String(baseHeight + value, kDecimals).str()
                                      : L"");
}

bool CDlgLevels::isAdded(const Vdn_String& name) const {
    return added_.contains(name, false);
}

void CDlgLevels::warn(const Vdn_String& text, int captionText) {
    MessageBox(text.str(), dialString(captionText).str(), MB_OK | MB_ICONEXCLAMATION);
}
