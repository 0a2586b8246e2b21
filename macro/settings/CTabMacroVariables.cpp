#include "macro/settings/CTabMacroVariables.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kExplanationFirst = 942;
constexpr int kExplanationSecond = 943;
constexpr int kFirstText = 1388;
constexpr std::array<int, 3> kFirstItems = {1385, 1386, 1387};
constexpr int kSecondText = 1392;
constexpr std::array<int, 3> kSecondItems = {1389, 1390, 1391};
constexpr int kNumberText = 1407;
constexpr int kNameHeader = 87;
constexpr int kValueHeader = 86;
constexpr int kAddTip = 896;
constexpr int kRemoveTip = 897;
constexpr UINT kAddIcon = 212;
constexpr UINT kRemoveIcon = 206;
constexpr int kDuplicatesCaption = 20700;
constexpr int kDuplicatesText = 20701;

CComboBox* combo(const CWnd& page, int id) {
    return dynamic_cast<CComboBox*>(page.GetDlgItem(id));
}

} // namespace

CTabMacroVariables::CTabMacroVariables(CWnd* parent) : MacroSettingsPage(IDD, parent) {
    onCommand(kAddRow, BN_CLICKED, [this] { addRow(); });
    onCommand(kRemoveRow, BN_CLICKED, [this] {
        // The table keeps one row: the last one is emptied instead.
        if (table_.maxRows() > 1)
            table_.deleteActiveRow();
        else
            table_.clearRow(1);
    });
}

BOOL CTabMacroVariables::OnInitDialog() {
    MacroSettingsPage::OnInitDialog();
    SetDlgItemText(
        kExplanation,
        (dialString(kExplanationFirst) + L".\n" + dialString(kExplanationSecond) + L".").str());
    setTexts({{kFirstLabel, kFirstText}, {kSecondLabel, kSecondText}, {kNumberLabel, kNumberText}});
    iconButton(kAddRow, kAddIcon, kAddTip);
    iconButton(kRemoveRow, kRemoveIcon, kRemoveTip);
    for (const int text : kFirstItems)
        combo(*this, kFirst)->AddString(dialString(text).str());
    for (const int text : kSecondItems)
        combo(*this, kSecond)->AddString(dialString(text).str());
    for (const wchar_t* number : {L"0", L"1", L"2", L"3"})
        combo(*this, kNumber)->AddString(number);

    Vdn_StringArray names;
    Vdn_Array<double> values;
    if (data_ != nullptr) {
        combo(*this, kFirst)->SetCurSel(data_->variableChoice1);
        combo(*this, kSecond)->SetCurSel(data_->variableChoice2);
        SetDlgItemText(kNumber, std::to_wstring(data_->variableNumber));
        names = data_->variableNames;
        values = data_->variableValues;
    }
    if (table_.attachToDlgItem(this, kTable, true) && table_.setStandardLook(1)) {
        const int rows = std::max(1, names.length());
        table_.setMaxCols(2);
        table_.setMaxRows(rows);
        table_.setColumnNames({dialString(kNameHeader), dialString(kValueHeader)});
        table_.setHeaderFonts();
        table_.setEditCells(1, 1, 1, rows);
        table_.setEditCells(2, 1, 2, rows, kValueStyle, kValueLength);
        table_.setSizeMode(1);
        for (int i = 0; i < names.length(); ++i) {
            table_.setCellText(1, i + 1, names[i]);
            if (values.isValidIndex(i))
                table_.setCellText(2, i + 1, Vdn_String(values[i], 8, true));
        }
    }
    return TRUE;
}

void CTabMacroVariables::addRow() {
    if (!table_.insertRowAfterActive())
        return;
    const int row = table_.activeRow() + 1;
    table_.setEditCells(1, row, 1, row);
    table_.setEditCells(2, row, 2, row, kValueStyle, kValueLength);
    table_.SSSetActiveCell(1, row);
}

bool CTabMacroVariables::commit() {
    if (data_ == nullptr)
        return true;
    Vdn_StringArray names;
    Vdn_Array<double> values;
    if (table_.isAttached()) {
        for (int row = 1; row <= table_.maxRows(); ++row) {
            Vdn_String name;
            Vdn_String value;
            table_.getCellText(1, row, name, Vdn_Spread::kCellValue);
            table_.getCellText(2, row, value, Vdn_Spread::kCellValue);
            name = name.trim();
            if (name.isEmpty())
                continue;
            // A value that is not a number keeps the one the variable had.
            const int old = data_->variableNames.find(name, false);
            names.append(name);
            values.append(numberOr(
                value, data_->variableValues.isValidIndex(old) ? data_->variableValues[old] : 0.0));
        }
        Vdn_StringArray duplicates;
        if (hasDuplicates(names, false, duplicates)) {
            if (!closing())
                MessageBox(
                    (dialString(kDuplicatesText) + L"\n\n" + arrToStr(duplicates, L'\n')).str(),
                    dialString(kDuplicatesCaption).str(), MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
    }
    if (auto* first = combo(*this, kFirst); first != nullptr && first->GetCurSel() >= 0)
        data_->variableChoice1 = first->GetCurSel();
    if (auto* second = combo(*this, kSecond); second != nullptr && second->GetCurSel() >= 0)
        data_->variableChoice2 = second->GetCurSel();
    bool ok = false;
    const int number = itemText(kNumber).trim().toInt(&ok);
    if (ok)
        data_->variableNumber = number;
    if (table_.isAttached()) {
        data_->variableNames = names;
        data_->variableValues = values;
    }
    return true;
}
