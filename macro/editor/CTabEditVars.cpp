#include "macro/editor/CTabEditVars.h"

#include "macro/editor/CDlgEditMacro.h"
#include "platform/core/model/EditConstrCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/IconButton.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kVariablesText = 875;
constexpr int kDimensionsText = 898;
constexpr int kEquationsText = 899;
constexpr int kNameHeader = 87;
constexpr int kValueHeader = 86;
constexpr int kKindHeader = 101;
constexpr int kKindTexts[CTabEditVars::kKindCount] = {900, 895, 893, 901, 902, 1325, 1326, 1327};
constexpr UINT kAddIcon = 212;
constexpr UINT kDeleteIcon = 206;
constexpr int kAddTip = 896;
constexpr int kDeleteTip = 897;
constexpr int kNamesRepeat = 20756;
constexpr int kRefused = 20757;
constexpr int kNameColumn = 1;
constexpr int kValueColumn = 2;
constexpr int kKindColumn = 3;

Vdn_StringArray kindTexts() {
    Vdn_StringArray texts;
    for (const int text : kKindTexts)
        texts.append(dialString(text));
    return texts;
}

Vdn_String valueText(double value) {
    return Vdn_String(value, 10, true);
}

} // namespace

CTabEditVars::CTabEditVars(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kAddButton, BN_CLICKED, [this] { addRow(); });
    onCommand(kDeleteButton, BN_CLICKED, [this] { deleteRow(); });
}

void CTabEditVars::attach(CDlgEditMacro* editor, EditConstrData* data) {
    editor_ = editor;
    data_ = data;
}

BOOL CTabEditVars::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(kVariablesFrame, dialString(kVariablesText).str());
    SetDlgItemText(kDimensionsFrame, dialString(kDimensionsText).str());
    SetDlgItemText(kEquationsFrame, dialString(kEquationsText).str());
    attachIconButton(addButton_, this, kAddButton, kAddIcon, dialString(kAddTip).str());
    attachIconButton(deleteButton_, this, kDeleteButton, kDeleteIcon, dialString(kDeleteTip).str());
    if (variables_.attachToDlgItem(this, kVariablesSheet, true) && variables_.setStandardLook(0)) {
        variables_.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
        variables_.setMaxCols(3);
        variables_.setColumnNames(
            {dialString(kNameHeader), dialString(kValueHeader), dialString(kKindHeader)});
        variables_.setHeaderFonts();
        variables_.setSizeMode(1);
    }
    if (dimensions_.attachToDlgItem(this, kDimensionsSheet, true) &&
        dimensions_.setStandardLook(0)) {
        dimensions_.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
        dimensions_.setMaxCols(2);
        dimensions_.setColumnNames({dialString(kNameHeader), dialString(kValueHeader)});
        dimensions_.setHeaderFonts();
        dimensions_.setSizeMode(1);
    }
    fill();
    return TRUE;
}

Vdn_String CTabEditVars::equationsText(const Vdn_StringArray& equations) {
    Vdn_String text;
    for (const Vdn_String& equation : equations)
        text += equation + L"\r\n";
    return text;
}

Vdn_StringArray CTabEditVars::equationLines(const Vdn_String& text) {
    Vdn_StringArray lines;
    std::wstring line;
    const auto take = [&] {
        const Vdn_String trimmed = Vdn_String(line).trim();
        if (!trimmed.isEmpty())
            lines.append(trimmed);
        line.clear();
    };
    for (const wchar_t ch : text.str()) {
        if (ch == L'\r' || ch == L'\n')
            take();
        else
            line += ch;
    }
    take();
    return lines;
}

void CTabEditVars::setKindCell(int row) {
    variables_.setEditCells(kNameColumn, row, kValueColumn, row);
    variables_.setComboCells(kKindColumn, row, kKindColumn, row, kindTexts());
}

void CTabEditVars::fill() {
    if (data_ == nullptr || GetSafeHwnd() == nullptr)
        return;
    if (variables_.isAttached()) {
        const int rows = data_->variableNames.length();
        variables_.setMaxRows(rows);
        const Vdn_StringArray kinds = kindTexts();
        for (int row = 0; row < rows; ++row) {
            setKindCell(row + 1);
            variables_.setCellText(kNameColumn, row + 1, data_->variableNames[row]);
            if (row < data_->variableValues.length())
                variables_.setCellText(kValueColumn, row + 1,
                                       valueText(data_->variableValues[row]));
            const int kind = row < data_->variableKinds.length() ? data_->variableKinds[row] : 0;
            variables_.setCellText(kKindColumn, row + 1,
                                   kind >= 0 && kind < kinds.length() ? kinds[kind] : kinds[0]);
        }
        variables_.setAllFonts();
    }
    if (dimensions_.isAttached()) {
        const int rows = data_->dimensionValueNames.length();
        dimensions_.setMaxRows(rows);
        if (rows > 0) {
            dimensions_.setColumnTexts(1, data_->dimensionValueNames);
            dimensions_.setColumnTexts(2, data_->dimensionValues);
            dimensions_.setAllFonts();
            dimensions_.lockColumn(1, true);
            dimensions_.lockColumn(2, true);
        }
    }
    SetDlgItemText(kEquationsEdit, equationsText(data_->equations).str());
    shown_ = *data_;
    shownLists(shown_); // as the page reads back what it shows
}

void CTabEditVars::addRow() {
    if (!variables_.isAttached())
        return;
    const int row = variables_.appendRow();
    if (row < 1)
        return;
    setKindCell(row);
    variables_.setCellText(kKindColumn, row, kindTexts()[0]);
    variables_.setAllFonts();
    variables_.SSSetActiveCell(kNameColumn, row);
}

void CTabEditVars::deleteRow() {
    if (!variables_.isAttached())
        return;
    const int row = variables_.activeRow();
    if (row >= 1 && row <= variables_.maxRows())
        variables_.deleteRow(row);
}

bool CTabEditVars::shownLists(EditConstrData& lists) {
    const Vdn_StringArray kinds = kindTexts();
    Vdn_StringArray names;
    Vdn_Array<double> values;
    Vdn_Array<std::int16_t> kindIndexes;
    for (int row = 1; variables_.isAttached() && row <= variables_.maxRows(); ++row) {
        Vdn_String name;
        variables_.getCellText(kNameColumn, row, name, Vdn_Spread::kCellValue);
        name = name.trim();
        if (name.isEmpty())
            continue; // a row without a name is no variable
        if (names.contains(name, false)) {
            MessageBox((dialString(kNamesRepeat) + L"\n\"" + name + L"\"").str(),
                       dialString(kVariablesText).str(), MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        Vdn_String text;
        variables_.getCellText(kValueColumn, row, text, Vdn_Spread::kCellValue);
        bool ok = false;
        double value = text.trim().toDouble(&ok);
        const int known = lists.variableNames.find(name, false);
        const bool hasKnown = known >= 0 && known < lists.variableValues.length();
        if (!ok || text.trim().isEmpty()) {
            // Text that is not a number keeps the value the variable has.
            value = hasKnown ? lists.variableValues[known] : 0.0;
        } else if (hasKnown && valueText(lists.variableValues[known]) == text.trim()) {
            value = lists.variableValues[known]; // shown rounded, kept exact
        }
        Vdn_String kindText;
        variables_.getCellText(kKindColumn, row, kindText, Vdn_Spread::kCellValue);
        names.append(name);
        values.append(value);
        kindIndexes.append(static_cast<std::int16_t>(std::max(0, kinds.find(kindText))));
    }
    std::wstring equations;
    GetDlgItemText(kEquationsEdit, equations);
    lists.variableNames = names;
    lists.variableValues = values;
    lists.variableKinds = kindIndexes;
    lists.equations = equationLines(Vdn_String(equations));
    return true;
}

bool CTabEditVars::commit() {
    if (data_ == nullptr || GetSafeHwnd() == nullptr)
        return true;
    EditConstrData changed = *data_;
    if (!shownLists(changed))
        return false;
    // Only what the user changed since the page was filled goes to the model, so that a page
    // left standing never writes back values the model has changed meanwhile.
    if (changed.variableNames == shown_.variableNames &&
        changed.variableValues == shown_.variableValues &&
        changed.variableKinds == shown_.variableKinds && changed.equations == shown_.equations)
        return true;
    if (!UpdateVarsEqs(&changed)) {
        MessageBox((dialString(kRefused) + L"\n" + Vdn_Drawing::current().lastMessage()).str(),
                   dialString(kVariablesText).str(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    *data_ = changed;
    fill();
    return true;
}

void CTabEditVars::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    // The variables and dimension frames share the top, the equations take the rest below.
    CWnd* variablesFrame = GetDlgItem(kVariablesFrame);
    CWnd* dimensionsFrame = GetDlgItem(kDimensionsFrame);
    CWnd* equationsFrame = GetDlgItem(kEquationsFrame);
    CWnd* equations = GetDlgItem(kEquationsEdit);
    if (!variablesFrame || !dimensionsFrame || !equationsFrame || !equations ||
        !variables_.isAttached() || !dimensions_.isAttached())
        return;
    const int margin = 6;
    const int gap = 8;
    const int topHeight = (cy - 2 * margin - gap) * 62 / 100;
    const int left = cx - 2 * margin - gap;
    const int variablesWidth = left * 62 / 100;
    const int dimensionsLeft = margin + variablesWidth + gap;
    CRect button;
    addButton_.GetWindowRect(&button);
    variablesFrame->MoveWindow(margin, 2, variablesWidth, topHeight);
    variables_.MoveWindow(margin + 8, 18, variablesWidth - 16,
                          topHeight - 18 - button.Height() - 10);
    addButton_.MoveWindow(margin + 8, topHeight - button.Height() - 4, button.Width(),
                          button.Height());
    deleteButton_.MoveWindow(margin + 12 + button.Width(), topHeight - button.Height() - 4,
                             button.Width(), button.Height());
    dimensionsFrame->MoveWindow(dimensionsLeft, 2, cx - margin - dimensionsLeft, topHeight);
    dimensions_.MoveWindow(dimensionsLeft + 8, 18, cx - margin - dimensionsLeft - 16,
                           topHeight - 24);
    const int equationsTop = 2 + topHeight + gap;
    equationsFrame->MoveWindow(margin, equationsTop, cx - 2 * margin, cy - margin - equationsTop);
    equations->MoveWindow(margin + 8, equationsTop + 16, cx - 2 * margin - 16,
                          cy - margin - equationsTop - 22);
}
