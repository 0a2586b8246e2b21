#include "macro/bolts/CDlgMacroPattern.h"

#include "macro/bolts/PatternAlternation.h"
#include "module/ResourceSwitch.h"
#include "platform/core/files/ProductFiles.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/CommandLineApi.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/dialogs/DialogValues.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kCaptionText = 20876;
constexpr std::array kHalfTexts = {1464, 1465};
constexpr std::array kKindTexts = {20877, 20878, 20879};
constexpr int kUndeterminedText = 20040;
constexpr int kStateText = 20880;
constexpr int kCountText = 20881;
constexpr int kFlagText = 20882;
constexpr int kOptionText = 20883;
constexpr int kAlternationText = 20884;
constexpr int kDistanceText = 1467;
constexpr COLORREF kTransparent = RGB(255, 255, 255);
constexpr int kSpareRows = 1; // an empty row below the distances takes a new one

} // namespace

CDlgMacroPattern::CDlgMacroPattern(MacroSubDialogOwner* owner, int patternIndex, CWnd* parent)
    : CDialog(IDD, parent), owner_(owner), index_(patternIndex) {
    if (owner_ != nullptr && owner_->tabData() != nullptr &&
        owner_->tabData()->patterns.isValidIndex(index_))
        pattern_ = owner_->tabData()->patterns[index_];
    const auto applyChange = [this] {
        if (!filling_)
            apply();
    };
    for (const int direction : {0, 1}) {
        onCommand(halfControl(direction, kKindCombo), CBN_SELCHANGE, applyChange);
        onCommand(halfControl(direction, kStateCheck), BN_CLICKED, [this, direction] {
            enableFirstText(direction);
            if (!filling_)
                apply();
        });
        onCommand(halfControl(direction, kFlagCheck), BN_CLICKED, applyChange);
        onCommand(halfControl(direction, kFirstEdit), EN_KILLFOCUS, applyChange);
        onCommand(halfControl(direction, kSecondEdit), EN_KILLFOCUS, applyChange);
        onCommand(halfControl(direction, kValuesGrid), TSpread::kNotifyDataChange, applyChange);
    }
    onCommand(kOption, BN_CLICKED, applyChange);
    for (int button = 1; button <= PatternAlternation::kButtons; ++button)
        onCommand(kFirstAlternation + button - 1, BN_CLICKED,
                  [this, button] { pressAlternation(button); });
}

BOOL CDlgMacroPattern::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText((dialString(kCaptionText) + L" " + pattern_.name).str());
    SetDlgItemText(IDOK, dialString(kOkText).str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());
    SetDlgItemText(kOption, dialString(kOptionText).str());
    SetDlgItemText(kAlternationGroup, dialString(kAlternationText).str());
    for (const int direction : {0, 1}) {
        SetDlgItemText(halfControl(direction, kGroup),
                       dialString(kHalfTexts[static_cast<std::size_t>(direction)]).str());
        SetDlgItemText(halfControl(direction, kStateCheck), dialString(kStateText).str());
        SetDlgItemText(halfControl(direction, kSecondLabel), dialString(kCountText).str());
        SetDlgItemText(halfControl(direction, kFlagCheck), dialString(kFlagText).str());
        if (auto* kinds =
                dynamic_cast<CComboBox*>(GetDlgItem(halfControl(direction, kKindCombo)))) {
            for (const int text : kKindTexts)
                kinds->AddString(dialString(text).str());
            kinds->AddString(dialString(kUndeterminedText).str());
        }
        Vdn_Spread& grid = grids_[static_cast<std::size_t>(direction)];
        if (grid.attachToDlgItem(this, halfControl(direction, kValuesGrid), true) &&
            grid.setStandardLook(0)) {
            grid.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
            grid.setMaxCols(1);
            grid.setCellText(1, Vdn_Spread::kHeader, dialString(kDistanceText));
            grid.setSizeMode(1);
        }
    }
    for (int button = 0; button < PatternAlternation::kButtons; ++button) {
        CButtonST& alternation = alternationButtons_[static_cast<std::size_t>(button)];
        if (!alternation.SubclassDlgItem(kFirstAlternation + button, this))
            continue;
        CBitmap& picture = alternationPictures_[static_cast<std::size_t>(button)];
        const Vdn_String file =
            L"icons\\BoltAlternation" + Vdn_String(std::to_wstring(button + 1)) + L".bmp";
        if (picture.loadFromFile(core::productFile(file)))
            alternation.SetBitmaps(picture.GetSafeHandle(), kTransparent);
        alternation.SetFlat(TRUE);
        alternation.SetTooltipText(
            (dialString(kAlternationText) + L" " + Vdn_String(std::to_wstring(button + 1))).str());
    }
    if (pattern_.isOneDirection()) {
        enableHalf(1, false);
        for (int id = kFirstAlternation; id < kFirstAlternation + PatternAlternation::kButtons;
             ++id)
            if (CWnd* control = GetDlgItem(id))
                control->EnableWindow(FALSE);
        for (const int id : {kOption, kAlternationGroup})
            if (CWnd* control = GetDlgItem(id))
                control->EnableWindow(FALSE);
    }
    fill();
    return TRUE;
}

void CDlgMacroPattern::fill() {
    filling_ = true;
    fillHalf(0);
    if (!pattern_.isOneDirection()) {
        fillHalf(1);
        CheckDlgButton(kOption, checkOfTriState(pattern_.option));
        fillAlternation();
    }
    filling_ = false;
}

void CDlgMacroPattern::fillHalf(int direction) {
    const MacroPatternProps::Direction& half =
        pattern_.directions[static_cast<std::size_t>(direction)];
    if (auto* kinds = dynamic_cast<CComboBox*>(GetDlgItem(halfControl(direction, kKindCombo))))
        kinds->SetCurSel(half.kind < 0 || half.kind >= static_cast<int>(kKindTexts.size())
                             ? static_cast<int>(kKindTexts.size())
                             : half.kind);
    CheckDlgButton(halfControl(direction, kStateCheck), checkOfTriState(half.state));
    SetDlgItemText(halfControl(direction, kFirstEdit), half.firstText.str());
    SetDlgItemText(halfControl(direction, kSecondEdit), half.secondText.str());
    CheckDlgButton(halfControl(direction, kFlagCheck), half.flag ? BST_CHECKED : BST_UNCHECKED);
    Vdn_Spread& grid = grids_[static_cast<std::size_t>(direction)];
    if (grid.isAttached()) {
        grid.setMaxRows(half.values.length() + kSpareRows);
        grid.clearRows(1, grid.maxRows());
        grid.setEditCells(1, 1, 1, grid.maxRows());
        grid.setColumnTexts(1, half.values);
    }
    enableFirstText(direction);
}

void CDlgMacroPattern::fillAlternation() {
    const int pressed = PatternAlternation::buttonOf(pattern_.alternation);
    for (int button = 1; button <= PatternAlternation::kButtons; ++button)
        CheckDlgButton(kFirstAlternation + button - 1,
                       button == pressed ? BST_CHECKED : BST_UNCHECKED);
}

void CDlgMacroPattern::enableHalf(int direction, bool enabled) {
    for (int offset = kGroup; offset <= kValuesGrid; ++offset) {
        if (CWnd* control = GetDlgItem(halfControl(direction, offset)))
            control->EnableWindow(enabled ? TRUE : FALSE);
    }
}

void CDlgMacroPattern::enableFirstText(int direction) {
    if (direction == 1 && pattern_.isOneDirection())
        return;
    if (CWnd* edit = GetDlgItem(halfControl(direction, kFirstEdit)))
        edit->EnableWindow(
            IsDlgButtonChecked(halfControl(direction, kStateCheck)) == BST_CHECKED ? TRUE : FALSE);
}

void CDlgMacroPattern::store() {
    storeHalf(0);
    if (pattern_.isOneDirection())
        return;
    storeHalf(1);
    pattern_.option = triStateOfCheck(IsDlgButtonChecked(kOption));
    PatternAlternation::ButtonStates states{};
    for (int button = 0; button < PatternAlternation::kButtons; ++button)
        states[static_cast<std::size_t>(button)] =
            static_cast<int>(IsDlgButtonChecked(kFirstAlternation + button));
    pattern_.alternation = PatternAlternation::flagsOf(states);
}

void CDlgMacroPattern::storeHalf(int direction) {
    MacroPatternProps::Direction& half = pattern_.directions[static_cast<std::size_t>(direction)];
    if (auto* kinds = dynamic_cast<CComboBox*>(GetDlgItem(halfControl(direction, kKindCombo)))) {
        const int chosen = kinds->GetCurSel();
        // The undetermined item (and no choice) keeps the model's kind.
        half.kind = chosen < 0 || chosen >= static_cast<int>(kKindTexts.size()) ? -1 : chosen;
    }
    half.state = triStateOfCheck(IsDlgButtonChecked(halfControl(direction, kStateCheck)));
    // The edge distance is read only while it is in use: a disabled edit keeps the record's.
    if (half.state == 1)
        half.firstText = dlgItemString(*this, halfControl(direction, kFirstEdit));
    half.secondText = dlgItemString(*this, halfControl(direction, kSecondEdit));
    half.flag = IsDlgButtonChecked(halfControl(direction, kFlagCheck)) == BST_CHECKED;
    Vdn_Spread& grid = grids_[static_cast<std::size_t>(direction)];
    if (grid.isAttached()) {
        Vdn_StringArray texts;
        grid.getColumnTexts(1, texts);
        half.values.clear();
        for (const Vdn_String& text : texts) {
            if (!text.trim().isEmpty())
                half.values.append(text.trim());
        }
    }
}

void CDlgMacroPattern::apply() {
    store();
    if (owner_ == nullptr)
        return;
    owner_->applyPattern(index_, pattern_);
    // Shown as the model holds it now, also after a refusal (the pattern as it was).
    if (const MacroTabData* tab = owner_->tabData(); tab && tab->patterns.isValidIndex(index_))
        pattern_ = tab->patterns[index_];
    fill();
}

void CDlgMacroPattern::pressAlternation(int button) {
    if (filling_)
        return;
    // The buttons act as one choice: the one pressed stays pressed, the others are released.
    for (int other = 1; other <= PatternAlternation::kButtons; ++other)
        CheckDlgButton(kFirstAlternation + other - 1,
                       other == button ? BST_CHECKED : BST_UNCHECKED);
    apply();
}

void CDlgMacroPattern::OnOK() {
    apply();
    CDialog::OnOK();
}

bool DlgMacroPattern(MacroSubDialogOwner& owner, int patternIndex, CWnd* parent) {
    const MacroTabData* tab = owner.tabData();
    if (tab == nullptr || !tab->patterns.isValidIndex(patternIndex))
        return false;
    acedPostCommand(L"CANCELCMD");
    frame::ResourceSwitch resources;
    CDlgMacroPattern dialog(&owner, patternIndex, parent);
    return dialog.DoModal() == IDOK;
}
