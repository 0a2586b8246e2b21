#include "macro/settings/CTabMacroGroups.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/windows/WinConstants.h"

#include <algorithm>

namespace {

constexpr int kNameHeader = 944;
constexpr int kTextHeader = 945;
constexpr int kGroupHeader = 946;
constexpr int kNoGroup = 956;
constexpr int kFieldPrefix = 10320; // string table
constexpr int kField1 = 950;
constexpr int kField2 = 952;

// "<prefix>: <field>", the way the explanation quotes a field.
Vdn_String fieldName(int text) {
    return string(kFieldPrefix) + L": " + dialString(text);
}

Vdn_String explanation() {
    auto quoted = [](int text) { return L"\"" + fieldName(text) + L"\""; };
    return dialString(947) + L".\n" + dialString(948) + L".\n" + dialString(949) + L" " +
           quoted(kField1) + L" " + dialString(951) + L" " + quoted(kField2) + L" " +
           dialString(953) + L".\n" + dialString(954) + L" " + dialString(955) + L".";
}

} // namespace

CTabMacroGroups::CTabMacroGroups(CWnd* parent) : MacroSettingsPage(IDD, parent) {}

BOOL CTabMacroGroups::OnInitDialog() {
    MacroSettingsPage::OnInitDialog();
    SetDlgItemText(kExplanation, explanation().str());
    SetDlgItemText(kText1Label, fieldName(kField1).str());
    SetDlgItemText(kText2Label, fieldName(kField2).str());
    if (data_ == nullptr) {
        table_.attachToDlgItem(this, kTable, true);
        return TRUE;
    }
    SetDlgItemText(kText1, data_->groupText1.str());
    SetDlgItemText(kText2, data_->groupText2.str());
    if (table_.attachToDlgItem(this, kTable, true) && table_.setStandardLook(1)) {
        const int rows = std::max(1, data_->groups.length());
        table_.setMaxCols(3);
        table_.setMaxRows(rows);
        table_.setColumnNames(
            {dialString(kNameHeader), dialString(kTextHeader), dialString(kGroupHeader)});
        table_.setHeaderFonts();
        table_.setEditCells(2, 1, 2, rows);
        Vdn_StringArray numbers{dialString(kNoGroup)};
        for (int row = 1; row <= rows; ++row)
            numbers.append(Vdn_String(row));
        table_.setComboColumn(3, numbers);
        for (int i = 0; i < data_->groups.length(); ++i) {
            const MacroSettingsData::GroupEntry& group = data_->groups[i];
            table_.setCellText(1, i + 1, group.name);
            table_.setCellText(2, i + 1, group.text);
            // A number beyond the rows shows no group rather than a number the list lacks.
            const int number = group.number >= 1 && group.number <= rows ? group.number : 0;
            table_.setCellText(3, i + 1, numbers[number]);
        }
        table_.lockColumn(1);
        table_.setSizeMode(1);
    }
    return TRUE;
}

bool CTabMacroGroups::commit() {
    if (data_ == nullptr)
        return true;
    data_->groupText1 = itemText(kText1);
    data_->groupText2 = itemText(kText2);
    if (!table_.isAttached())
        return true;
    Vdn_Array<MacroSettingsData::GroupEntry> groups;
    for (int row = 1; row <= table_.maxRows(); ++row) {
        MacroSettingsData::GroupEntry group;
        table_.getCellText(1, row, group.name, Vdn_Spread::kCellValue);
        if (group.name.trim().isEmpty())
            continue;
        table_.getCellText(2, row, group.text, Vdn_Spread::kCellValue);
        Vdn_String number;
        table_.getCellText(3, row, number, Vdn_Spread::kCellValue);
        bool ok = false;
        const int value = number.toInt(&ok);
        group.number = ok ? value : 0;
        // What the record kept beside the entry stays with it.
        for (const MacroSettingsData::GroupEntry& old : data_->groups) {
            if (old.name == group.name) {
                group.extras = old.extras;
                break;
            }
        }
        groups.append(group);
    }
    data_->groups = groups;
    return true;
}
