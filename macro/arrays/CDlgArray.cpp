#include "macro/arrays/CDlgArray.h"

#include "platform/core/files/DesignFiles.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/FillCombo.h"
#include "platform/ui/dialogs/DialogValues.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kCaptionText = 20891;
constexpr std::array kTypeTexts = {20886, 20887, 20888, 20889};
constexpr int kUndeterminedText = 20040;
constexpr int kSpacingText = 1467;
constexpr int kAngleText = 20890;
constexpr int kTypeLabelText = 20892;
constexpr int kDesignText = 20893;
constexpr int kDimensionsText = 1369;
constexpr std::array kTextLabelTexts = {20894, 20895, 20896, 1371};
constexpr int kTypeTextText = 20897;
constexpr int kMirroredText = 20883;
constexpr int kRemoveText = 134;
constexpr int kUpText = 173;
constexpr int kDownText = 174;
constexpr int kNumberText = 20898;
constexpr int kActiveText = 20867;
constexpr int kNameText = 1543;
constexpr int kRadialType = 3;
constexpr int kSingleDimensionType = 1;

Vdn_String comboText(const CWnd& dialog, int id) {
    const auto* combo = dynamic_cast<const CComboBox*>(dialog.GetDlgItem(id));
    if (combo == nullptr || combo->GetCurSel() < 0)
        return Vdn_String();
    return Vdn_String(combo->GetLBText(combo->GetCurSel()));
}

void show(CWnd& dialog, int id, bool visible) {
    if (CWnd* control = dialog.GetDlgItem(id))
        control->ShowWindow(visible ? SW_SHOW : SW_HIDE);
}

// The text of control kTexts[i] in the record.
Vdn_String& textOf(DynArrayData& data, std::size_t i) {
    return i == 0 ? data.texts[DynArrayData::kTextCount - 1] : data.furtherTexts[i - 1];
}

} // namespace

CDlgArray::CDlgArray(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kTypeCombo, CBN_SELCHANGE, [this] { chooseType(); });
    onCommand(kRemoveButton, BN_CLICKED, [this] { removeEntry(); });
    onCommand(kUpButton, BN_CLICKED, [this] { moveEntry(-1); });
    onCommand(kDownButton, BN_CLICKED, [this] { moveEntry(1); });
}

BOOL CDlgArray::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText((dialString(kCaptionText) + L" (" + name_ + L")").str());
    SetDlgItemText(IDOK, dialString(kOkText).str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());
    SetDlgItemText(kAlternating, L"Add entries alternating");
    SetDlgItemText(kSkipLabel, L"Nr of entries to skip");
    SetDlgItemText(kTypeLabel, dialString(kTypeLabelText).str());
    SetDlgItemText(kDesignLabel, dialString(kDesignText).str());
    SetDlgItemText(kDimGroup, dialString(kDimensionsText).str());
    for (std::size_t i = 0; i < kTextLabels.size(); ++i)
        SetDlgItemText(kTextLabels[i], dialString(kTextLabelTexts[i]).str());
    SetDlgItemText(kTypeTextLabel, dialString(kTypeTextText).str());
    SetDlgItemText(kOption, dialString(kMirroredText).str());
    SetDlgItemText(kRemoveButton, dialString(kRemoveText).str());
    SetDlgItemText(kUpButton, dialString(kUpText).str());
    SetDlgItemText(kDownButton, dialString(kDownText).str());
    if (grid_.attachToDlgItem(this, kEntryGrid, true) && grid_.setStandardLook(0)) {
        grid_.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
        grid_.setMaxCols(kNameColumn);
        grid_.setCellText(kNumberColumn, Vdn_Spread::kHeader, dialString(kNumberText));
        grid_.setCellText(kFlagColumn, Vdn_Spread::kHeader, dialString(kActiveText));
        grid_.setCellText(kNameColumn, Vdn_Spread::kHeader, dialString(kNameText));
        grid_.setSizeMode(1);
    }
    if (auto* types = dynamic_cast<CComboBox*>(GetDlgItem(kTypeCombo))) {
        for (const int text : kTypeTexts)
            types->AddString(dialString(text).str());
        types->AddString(dialString(kUndeterminedText).str());
    }
    if (auto* designs = dynamic_cast<CComboBox*>(GetDlgItem(kDesignCombo))) {
        Vdn_StringArray names;
        getModuleImages(names);
        for (const Vdn_String& design : names)
            designs->AddString(design.str());
    }
    fill();
    return TRUE;
}

void CDlgArray::fill() {
    selectAddingItem(dynamic_cast<CComboBox*>(GetDlgItem(kDesignCombo)), data_.design);
    if (auto* types = dynamic_cast<CComboBox*>(GetDlgItem(kTypeCombo)))
        types->SetCurSel(data_.kind < 0 || data_.kind >= DynArrayData::kTypeCount
                             ? DynArrayData::kTypeCount
                             : data_.kind);
    SetDlgItemText(kTypeText, data_.kind == kSingleDimensionType ? data_.texts[0].str() : L"");
    for (std::size_t i = 0; i < kTexts.size(); ++i)
        SetDlgItemText(kTexts[i], textOf(data_, i).str());
    CheckDlgButton(kOption, checkOfTriState(data_.option));
    CheckDlgButton(kAlternating, checkOfTriState(data_.alternating));
    showForType(data_.kind);
    fillEntries();
}

void CDlgArray::fillEntries() {
    if (!grid_.isAttached())
        return;
    rowEntries_.clear();
    for (int i = 0; i < data_.entries.length(); ++i) {
        if (data_.entries[i].action != kEntryRemove)
            rowEntries_.push_back(i);
    }
    const int rows = static_cast<int>(rowEntries_.size());
    grid_.setMaxRows(rows);
    grid_.setEditCells(kNumberColumn, 1, kNumberColumn, rows);
    grid_.setEditCells(kNameColumn, 1, kNameColumn, rows);
    grid_.setCheckBoxColumn(kFlagColumn);
    for (int row = 1; row <= rows; ++row) {
        const DynArrayData::EntryProps& entry =
            data_.entries[rowEntries_[static_cast<std::size_t>(row - 1)]];
        grid_.setCellText(kNumberColumn, row, Vdn_String(std::to_wstring(entry.number)));
        grid_.setCheck(kFlagColumn, row, entry.flag);
        grid_.setCellText(kNameColumn, row, entry.text);
    }
}

int CDlgArray::shownType() const {
    const auto* types = dynamic_cast<const CComboBox*>(GetDlgItem(kTypeCombo));
    const int chosen = types != nullptr ? types->GetCurSel() : -1;
    return chosen < 0 || chosen >= DynArrayData::kTypeCount ? -1 : chosen;
}

void CDlgArray::chooseType() {
    store();
    showForType(data_.kind);
}

void CDlgArray::showForType(int type) {
    SetDlgItemText(kSpacingLabel,
                   dialString(type == kRadialType ? kAngleText : kSpacingText).str());
    const bool single = type == kSingleDimensionType;
    show(*this, kTypeText, single);
    show(*this, kTypeTextLabel, single);
    // One dimension for the single-dimension type; three for the others.
    for (std::size_t i = 1; i < kDimCombos.size(); ++i)
        show(*this, kDimCombos[i], !single);
    fillDimensions(type);
}

void CDlgArray::fillDimensions(int type) {
    Vdn_StringArray names;
    DynArrayData::getValidDimNames(objectIds_, data_.name, type, names);
    const std::size_t refilled = type == kSingleDimensionType ? 1 : kDimCombos.size();
    for (std::size_t i = 0; i < refilled; ++i) {
        auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kDimCombos[i]));
        if (combo == nullptr)
            continue;
        combo->ResetContent();
        for (const Vdn_String& name : names)
            combo->AddString(name.str());
        selectAddingItem(combo, data_.texts[i + 1]);
    }
}

void CDlgArray::store() {
    data_.kind = shownType();
    if (data_.kind == kSingleDimensionType)
        data_.texts[0] = dlgItemString(*this, kTypeText);
    // The dimension combos that are shown carry the names; a hidden one keeps its name.
    for (std::size_t i = 0; i < kDimCombos.size(); ++i) {
        const CWnd* combo = GetDlgItem(kDimCombos[i]);
        if (combo != nullptr && combo->IsWindowVisible())
            data_.texts[i + 1] = comboText(*this, kDimCombos[i]);
    }
    data_.design = comboText(*this, kDesignCombo);
    for (std::size_t i = 0; i < kTexts.size(); ++i)
        textOf(data_, i) = dlgItemString(*this, kTexts[i]);
    data_.option = triStateOfCheck(IsDlgButtonChecked(kOption));
    data_.alternating = triStateOfCheck(IsDlgButtonChecked(kAlternating));
    storeEntries();
}

void CDlgArray::storeEntries() {
    if (!grid_.isAttached())
        return;
    // The entries in grid order, each with what its row shows; entries taken out follow.
    Vdn_Array<DynArrayData::EntryProps> ordered;
    std::vector<bool> shown(static_cast<std::size_t>(data_.entries.length()), false);
    for (const int index : rowEntries_) {
        ordered.append(data_.entries[index]);
        shown[static_cast<std::size_t>(index)] = true;
    }
    for (int i = 0; i < data_.entries.length(); ++i) {
        if (!shown[static_cast<std::size_t>(i)])
            ordered.append(data_.entries[i]);
    }
    DynArrayData reordered = data_;
    reordered.entries = ordered;
    Vdn_Array<int> numbers;
    Vdn_Array<bool> flags;
    Vdn_StringArray texts;
    reordered.getEntryColumns(numbers, flags, texts);
    for (int row = 1; row <= static_cast<int>(rowEntries_.size()); ++row) {
        Vdn_String number;
        grid_.getCellText(kNumberColumn, row, number);
        bool whole = false;
        const int value = number.trim().toInt(&whole);
        if (whole)
            numbers[row - 1] = value;
        bool checked = false;
        if (grid_.getCheck(kFlagColumn, row, checked))
            flags[row - 1] = checked;
        grid_.getCellText(kNameColumn, row, texts[row - 1]);
    }
    reordered.setEntryColumns(numbers, flags, texts);
    data_.entries = reordered.entries;
    rowEntries_.clear();
    for (int i = 0; i < data_.entries.length(); ++i) {
        if (i < static_cast<int>(shown.size()) && data_.entries[i].action != kEntryRemove)
            rowEntries_.push_back(i);
    }
}

void CDlgArray::removeEntry() {
    const int row = grid_.activeRow();
    if (row < 1 || row > static_cast<int>(rowEntries_.size()))
        return;
    storeEntries();
    data_.setEntryAction(rowEntries_[static_cast<std::size_t>(row - 1)], kEntryRemove);
    fillEntries();
}

void CDlgArray::moveEntry(int by) {
    const int row = grid_.activeRow();
    const int target = row + by;
    const int rows = static_cast<int>(rowEntries_.size());
    if (row < 1 || row > rows || target < 1 || target > rows)
        return;
    storeEntries();
    std::swap(data_.entries[rowEntries_[static_cast<std::size_t>(row - 1)]],
              data_.entries[rowEntries_[static_cast<std::size_t>(target - 1)]]);
    fillEntries();
    grid_.SSSetActiveCell(kNameColumn, target);
}

void CDlgArray::OnOK() {
    store();
    CDialog::OnOK();
}
