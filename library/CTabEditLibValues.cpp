#include "library/CTabEditLibValues.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/IconButton.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kTableText = 20454;
constexpr int kTemplateText = 20455;
constexpr int kNewText = 20458;
constexpr int kDeleteText = 20457;
constexpr int kRenameText = 20459;
constexpr int kInsertRowText = 20460;
constexpr int kDeleteRowText = 20461;
constexpr int kFindText = 20462;
constexpr int kSaveCaption = 784;
constexpr int kSaveFirst = 785;
constexpr int kSaveSecond = 786;
constexpr int kDeleteCaption = 787;
constexpr int kDeleteFirst = 788;
constexpr int kDeleteSecond = 789;
constexpr int kRenameCaption = 790;
constexpr int kRenameLabel = 791;
constexpr int kTemplateCaption = 792;
constexpr int kTemplateFirst = 793;
constexpr int kTemplateSecond = 794;
constexpr int kTemplateThird = 795;
constexpr int kNewTableBase = 779;
constexpr int kValueName = 86;
constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kNotSaved = 20465;
constexpr int kNameInUse = 20466;
constexpr int kBadName = 20467;
constexpr int kUnreadable = 20468;
constexpr int kNotRenamed = 20472;
constexpr UINT kUpIcon = 261;
constexpr UINT kDownIcon = 262;
constexpr int kUpTip = 173;
constexpr int kDownTip = 174;
// The sheet's right-button menu.
const Vdn_Array<int> kMenuCodes{2, 3, 1, 4, 5, 1, 6, 7, 1, 8, 9};
constexpr int kOptionMenuKeys = 25;
constexpr int kSheetMargin = 10;
constexpr int kColumnPadding = 4;

bool sameName(const Vdn_String& a, const Vdn_String& b) {
    return a.toUpper() == b.toUpper();
}

// "<name>" as the questions quote a table.
Vdn_String quoted(const Vdn_String& name) {
    return L" <" + name + L"> ";
}

} // namespace

CTabEditLibValues::CTabEditLibValues(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kTableCombo, CBN_SELCHANGE, [this] { chooseTable(); });
    onCommand(kTemplateCombo, CBN_SELCHANGE, [this] { chooseTemplate(); });
    onCommand(kNewButton, BN_CLICKED, [this] { newTable(); });
    onCommand(kDeleteButton, BN_CLICKED, [this] { deleteTable(); });
    onCommand(kRenameButton, BN_CLICKED, [this] { renameTable(); });
    onCommand(kInsertRow, BN_CLICKED, [this] { sheet_.insertRowAfterActive(true); });
    onCommand(kDeleteRow, BN_CLICKED, [this] { sheet_.deleteActiveRow(); });
    onCommand(kRowUp, BN_CLICKED, [this] { sheet_.moveActiveRowUp(); });
    onCommand(kRowDown, BN_CLICKED, [this] { sheet_.moveActiveRowDown(); });
    onCommand(kFind, BN_CLICKED, [this] { sheet_.openFindDialog(false); });
    // What the user types or ticks in the sheet changes the table.
    for (const UINT code : {TSpread::kNotifyDataChange, TSpread::kNotifyButtonClicked})
        onCommand(kSheet, code, [this] { sheet_.SSSetBool(Vdn_Spread::kOptionChanged, true); });
}

BOOL CTabEditLibValues::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const auto& [id, text] :
         {std::pair{kTableLabel, kTableText}, std::pair{kTemplateLabel, kTemplateText},
          std::pair{kNewButton, kNewText}, std::pair{kDeleteButton, kDeleteText},
          std::pair{kRenameButton, kRenameText}, std::pair{kInsertRow, kInsertRowText},
          std::pair{kDeleteRow, kDeleteRowText}, std::pair{kFind, kFindText}})
        SetDlgItemText(id, dialString(text).str());
    const std::pair<int, UINT> moves[] = {{kRowUp, kUpIcon}, {kRowDown, kDownIcon}};
    for (std::size_t i = 0; i < moveButtons_.size(); ++i) {
        attachIconButton(moveButtons_[i], this, moves[i].first, moves[i].second,
                         dialString(i == 0 ? kUpTip : kDownTip).str());
    }
    templates_ = StandardTemplates::ofLibrary();
    if (sheet_.attachToDlgItem(this, kSheet, true) && sheet_.setStandardLook(0)) {
        sheet_.setContextMenu(kMenuCodes);
        sheet_.SSSetBool(kOptionMenuKeys, true);
    }
    auto* tables = dynamic_cast<CComboBox*>(GetDlgItem(kTableCombo));
    auto* templates = dynamic_cast<CComboBox*>(GetDlgItem(kTemplateCombo));
    if (tables == nullptr || templates == nullptr || data_ == nullptr)
        return TRUE;
    for (const Vdn_String& table : data_->tableNames)
        tables->AddString(table.str());
    for (int number = 1; number <= StandardTemplates::kCount; ++number)
        templates->AddString(StandardTemplates::displayName(number).str());
    for (const Vdn_String& file : data_->templateNames)
        templates->AddString(file.str());

    // Opened with a system name: its table (the first one otherwise) and its size.
    const int dash = startName_.str().find(L'-');
    const Vdn_String wantedTable = dash == static_cast<int>(std::wstring::npos)
                                       ? startName_
                                       : Vdn_String(startName_.str().substr(0, dash));
    int index = data_->tableNames.isEmpty() ? -1 : 0;
    for (int i = 0; i < data_->tableNames.length(); ++i) {
        if (sameName(data_->tableNames[i], wantedTable))
            index = i;
    }
    openTable(index);
    const Vdn_ProfValuesTable& table = openTable_.table();
    for (int row = 0; row < table.rows.length(); ++row) {
        const Vdn_String& sysName = table.rows[row][Vdn_ProfValuesTable::kSysNameColumn];
        if (sameName(table.tableName + L"-" + sysName, startName_)) {
            sheet_.selectRow(row + 1);
            break;
        }
    }
    return TRUE;
}

void CTabEditLibValues::chooseTable() {
    auto* tables = dynamic_cast<CComboBox*>(GetDlgItem(kTableCombo));
    if (tables == nullptr)
        return;
    const int chosen = tables->GetCurSel();
    const Vdn_String name = chosen >= 0 ? Vdn_String(tables->GetLBText(chosen)) : Vdn_String();
    if (chosen >= 0 && name == openTable_.name())
        return;
    const Vdn_String shown = openTable_.name();
    if (!leaveTable()) {
        tables->SelectString(-1, shown.str()); // the table stays
        return;
    }
    openTable(data_->tableNames.find(name, false));
}

void CTabEditLibValues::openTable(int index) {
    auto* tables = dynamic_cast<CComboBox*>(GetDlgItem(kTableCombo));
    if (index < 0 || index >= data_->tableNames.length()) {
        openTable_.close();
    } else {
        Vdn_String problem;
        openTable_.open(data_->tableNames[index], &problem);
        if (openTable_.source() == OpenLibTable::Source::Unreadable)
            warn(dialString(kUnreadable) + L"\n" + problem, kSaveCaption);
    }
    if (tables != nullptr)
        tables->SetCurSel(tables->FindStringExact(-1, openTable_.name().str()));
    showTable();
}

void CTabEditLibValues::showTable() {
    if (sheet_.isAttached()) {
        if (openTable_.table().setToSS(sheet_))
            widenColumns();
        else
            sheet_.SSSetBool(Vdn_Spread::kOptionChanged, false);
    }
    selectTemplate(openTable_.table().templateName);
    enableControls();
}

bool CTabEditLibValues::readShown() {
    Vdn_ProfValuesTable shown = openTable_.table();
    if (sheet_.isAttached() && sheet_.maxRows() > 0 && !shown.getFromSS(sheet_))
        return false;
    if (sheet_.isAttached() && sheet_.maxRows() == 0)
        shown.rows.clear(); // every size was deleted
    shown.tableName = openTable_.name();
    shown.templateName = chosenTemplate();
    openTable_.table() = std::move(shown);
    return true;
}

bool CTabEditLibValues::leaveTable() {
    const bool changed = sheet_.isAttached() && sheet_.SSGetBool(Vdn_Spread::kOptionChanged);
    if (!openTable_.needsSaving(changed))
        return true;
    const int answer = MessageBox(
        (dialString(kSaveFirst) + quoted(openTable_.name()) + dialString(kSaveSecond)).str(),
        dialString(kSaveCaption).str(), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL)
        return false;
    if (answer == IDNO) {
        if (openTable_.source() == OpenLibTable::Source::New) {
            // A new table that is not kept leaves the list again.
            const int listed = data_->tableNames.find(openTable_.name(), false);
            if (listed >= 0)
                data_->tableNames.removeAt(listed);
            if (auto* tables = dynamic_cast<CComboBox*>(GetDlgItem(kTableCombo))) {
                const int item = tables->FindStringExact(-1, openTable_.name().str());
                if (item >= 0)
                    tables->DeleteString(static_cast<UINT>(item));
            }
        }
        return true;
    }
    Vdn_String problem;
    if (!readShown() || !openTable_.save(problem)) {
        warn(dialString(kNotSaved) + L"\n" + problem, kSaveCaption);
        return false;
    }
    sheet_.SSSetBool(Vdn_Spread::kOptionChanged, false);
    return true;
}

void CTabEditLibValues::newTable() {
    if (!leaveTable())
        return;
    const Vdn_String name = findNonExistingString(data_->tableNames, dialString(kNewTableBase));
    data_->tableNames.append(name);
    if (auto* tables = dynamic_cast<CComboBox*>(GetDlgItem(kTableCombo)))
        tables->AddString(name.str());
    openTable_.openNew(name, dialString(kValueName));
    if (auto* tables = dynamic_cast<CComboBox*>(GetDlgItem(kTableCombo)))
        tables->SetCurSel(tables->FindStringExact(-1, name.str()));
    showTable();
}

void CTabEditLibValues::deleteTable() {
    if (openTable_.source() == OpenLibTable::Source::None)
        return;
    const Vdn_String name = openTable_.name();
    if (MessageBox((dialString(kDeleteFirst) + quoted(name) + dialString(kDeleteSecond)).str(),
                   dialString(kDeleteCaption).str(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    openTable_.remove();
    const int listed = data_->tableNames.find(name, false);
    if (listed >= 0)
        data_->tableNames.removeAt(listed);
    if (auto* tables = dynamic_cast<CComboBox*>(GetDlgItem(kTableCombo))) {
        const int item = tables->FindStringExact(-1, name.str());
        if (item >= 0)
            tables->DeleteString(static_cast<UINT>(item));
    }
    openTable(data_->tableNames.isEmpty() ? -1 : 0);
}

void CTabEditLibValues::renameTable() {
    if (openTable_.source() == OpenLibTable::Source::None)
        return;
    if (openTable_.source() == OpenLibTable::Source::Unreadable) {
        warn(dialString(kUnreadable) + L"\n" + openTable_.name(), kRenameCaption);
        return;
    }
    Vdn_DlgPromptString prompt(this);
    prompt.caption = dialString(kRenameCaption);
    prompt.label = dialString(kRenameLabel);
    prompt.value = openTable_.name();
    prompt.okCaption = dialString(kOkText);
    prompt.cancelCaption = dialString(kCancelText);
    if (prompt.DoModal() != IDOK)
        return;
    const Vdn_String oldName = openTable_.name();
    Vdn_StringArray others = data_->tableNames;
    const int own = others.find(oldName, false);
    if (own >= 0)
        others.removeAt(own);
    Vdn_String problem;
    if (!readShown()) {
        warn(dialString(kNotRenamed), kRenameCaption);
        return;
    }
    switch (openTable_.rename(prompt.value, others, problem)) {
    case OpenLibTable::RenameResult::Unchanged:
        return;
    case OpenLibTable::RenameResult::NameInUse:
        warn(dialString(kNameInUse), kRenameCaption);
        return;
    case OpenLibTable::RenameResult::BadName:
        warn(dialString(kBadName), kRenameCaption);
        return;
    case OpenLibTable::RenameResult::Unreadable:
        warn(dialString(kUnreadable) + L"\n" + oldName, kRenameCaption);
        return;
    case OpenLibTable::RenameResult::WriteFailed:
        warn(dialString(kNotRenamed) + L"\n" + problem, kRenameCaption);
        return;
    case OpenLibTable::RenameResult::Renamed:
        break;
    }
    const Vdn_String newName = openTable_.name();
    if (own >= 0)
        data_->tableNames[own] = newName;
    for (SectionType& type : data_->types) {
        if (sameName(type.table, oldName))
            type.table = newName;
    }
    if (auto* tables = dynamic_cast<CComboBox*>(GetDlgItem(kTableCombo))) {
        const int item = tables->FindStringExact(-1, oldName.str());
        if (item >= 0)
            tables->DeleteString(static_cast<UINT>(item));
        tables->SetCurSel(tables->AddString(newName.str()));
    }
    showTable();
    if (!problem.isEmpty())
        warn(problem, kRenameCaption);
}

Vdn_String CTabEditLibValues::chosenTemplate() const {
    auto* templates = dynamic_cast<CComboBox*>(GetDlgItem(kTemplateCombo));
    const int chosen = templates != nullptr ? templates->GetCurSel() : -1;
    if (chosen < 0)
        return openTable_.table().templateName;
    if (chosen < StandardTemplates::kCount)
        return Vdn_String(chosen + 1);
    return Vdn_String(templates->GetLBText(chosen));
}

void CTabEditLibValues::selectTemplate(const Vdn_String& templateName) {
    auto* templates = dynamic_cast<CComboBox*>(GetDlgItem(kTemplateCombo));
    if (templates == nullptr)
        return;
    const int number = StandardTemplates::numberOf(templateName);
    int item = number > 0 ? number - 1 : -1;
    if (number == 0 && !templateName.isEmpty()) {
        // Template files are named with their folder ("Prof\x.tpl") or without.
        for (int i = StandardTemplates::kCount; i < templates->GetCount(); ++i) {
            const Vdn_String file(templates->GetLBText(i));
            if (sameName(file, templateName) || sameName(L"Prof\\" + file, templateName))
                item = i;
        }
    }
    templates->SetCurSel(item);
    shownTemplate_ = item;
}

void CTabEditLibValues::chooseTemplate() {
    auto* templates = dynamic_cast<CComboBox*>(GetDlgItem(kTemplateCombo));
    if (templates == nullptr || !sheet_.isAttached() || sheet_.maxCols() == 0)
        return;
    const int chosen = templates->GetCurSel();
    if (chosen == shownTemplate_)
        return;
    shownTemplate_ = chosen;
    const SectionTemplate* standard =
        chosen >= 0 && chosen < StandardTemplates::kCount ? templates_.find(chosen + 1) : nullptr;
    Vdn_StringArray headers;
    sheet_.getColumnNames(headers);
    if (standard != nullptr) {
        const bool korean = headers.length() > 6 && headers[6] == L"Korean";
        const int first = Vdn_ProfValuesTable::kFirstLanguageColumn + (korean ? 5 : 4);
        const int wanted = first + standard->valueNames.length();
        int columns = std::max(sheet_.maxCols(), wanted);
        if (sheet_.maxCols() > wanted) {
            const Vdn_String question =
                dialString(kTemplateFirst) + L" " + Vdn_String(templates->GetLBText(chosen)) +
                L" " + dialString(kTemplateSecond) + L"\n" + dialString(kTemplateThird);
            if (MessageBox(question.str(), dialString(kTemplateCaption).str(),
                           MB_YESNO | MB_ICONQUESTION) == IDYES)
                columns = wanted;
        }
        sheet_.setMaxCols(columns, true);
        while (headers.length() < columns)
            headers.append(Vdn_String());
        while (headers.length() > columns)
            headers.removeAt(headers.length() - 1);
        for (int value = 0; value < standard->valueNames.length(); ++value)
            headers[first + value] = standard->valueNames[value];
        sheet_.setColumnNames(headers);
        widenColumns();
    }
    sheet_.SSSetBool(Vdn_Spread::kOptionChanged, true);
}

void CTabEditLibValues::widenColumns() {
    // The fitted widths measure the texts tightly; the sheet's own font needs some room more.
    sheet_.fitColumnWidths();
    for (int col = 1; col <= sheet_.maxCols(); ++col) {
        int width = 0;
        if (sheet_.SSGetColWidthInPixels(col, width))
            sheet_.SSSetColWidthInPixels(col, width + width / 4 + kColumnPadding);
    }
}

void CTabEditLibValues::enableControls() {
    const OpenLibTable::Source source = openTable_.source();
    const bool editable =
        source == OpenLibTable::Source::File || source == OpenLibTable::Source::New;
    for (const int id :
         {kRenameButton, kTemplateCombo, kSheet, kInsertRow, kDeleteRow, kRowUp, kRowDown, kFind}) {
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(editable ? TRUE : FALSE);
    }
    if (CWnd* remove = GetDlgItem(kDeleteButton))
        remove->EnableWindow(source != OpenLibTable::Source::None ? TRUE : FALSE);
}

void CTabEditLibValues::warn(const Vdn_String& text, int captionText) {
    MessageBox(text.str(), dialString(captionText).str(), MB_OK | MB_ICONEXCLAMATION);
}

void CTabEditLibValues::OnCancel() {
    if (auto* owner = dynamic_cast<CDialog*>(GetParent()))
        owner->EndDialog(IDCANCEL);
}

void CTabEditLibValues::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    CWnd* sheet = GetDlgItem(kSheet);
    if (sheet == nullptr)
        return;
    CRect rect;
    sheet->GetWindowRect(&rect);
    ScreenToClient(&rect);
    // The row buttons stay below the sheet, which takes the rest of the page.
    CRect button;
    if (CWnd* insert = GetDlgItem(kInsertRow)) {
        insert->GetWindowRect(&button);
        ScreenToClient(&button);
    }
    const int buttonsHeight = button.Height() + 10;
    const int bottom = std::max(cy - kSheetMargin - buttonsHeight, rect.top + 40);
    const int shift = bottom + 6 - button.top;
    for (const int id : {kInsertRow, kDeleteRow, kRowUp, kRowDown, kFind}) {
        if (CWnd* control = GetDlgItem(id)) {
            CRect place;
            control->GetWindowRect(&place);
            ScreenToClient(&place);
            control->MoveWindow(place.left, place.top + shift, place.Width(), place.Height());
        }
    }
    sheet->MoveWindow(rect.left, rect.top, std::max(cx - kSheetMargin - rect.left, 40),
                      bottom - rect.top);
}
