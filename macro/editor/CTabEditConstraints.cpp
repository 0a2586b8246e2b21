#include "macro/editor/CTabEditConstraints.h"

#include "macro/editor/CDlgEditMacro.h"
#include "macro/editor/MacroCutHook.h"
#include "platform/core/files/ProductFiles.h"
#include "platform/core/model/EditConstrCallbacks.h"
#include "platform/core/model/MacroEditing.h"
#include "platform/core/model/VariableNames.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/CommandLineApi.h"
#include "platform/host/HostWindows.h"
#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/IconButton.h"
#include "platform/ui/windows/WinConstants.h"

#include <optional>
#include <vector>

namespace {

constexpr int kNameHeader = 87;
constexpr int kKindHeader = 883;
constexpr int kGeometryString = 2333;
constexpr int kFrameText = 879;
constexpr int kValueText = 880;
constexpr int kNameText = 221;
constexpr int kChoiceText = 228;
constexpr int kFirstFlagText = 881;
constexpr int kSecondFlagText = 1328;
constexpr int kCutText = 862;
constexpr int kDeleteTip = 882;
constexpr UINT kDeleteIcon = 206;
constexpr int kInUseCaption = 856;
constexpr int kBadNameCaption = 884;
constexpr const wchar_t* kMenuBreak = L"%BREAK%";
// Pictures of the image buttons are drawn on magenta, which shows through.
constexpr COLORREF kImageTransparent = RGB(255, 0, 255);

bool isNumber(const Vdn_String& text) {
    bool ok = false;
    text.trim().toDouble(&ok);
    return ok && !text.trim().isEmpty();
}

// A picture named relative to the product folder ("icons\Enum1.bmp") is found there; a full
// path stays as it is.
Vdn_String picturePath(const Vdn_String& name) {
    const bool full =
        name.find(L":") >= 0 || name.startsWith(L"\\", true) || name.startsWith(L"/", true);
    return full ? name : core::productFile(name);
}

Vdn_String joined(const Vdn_StringArray& texts) {
    Vdn_String text;
    for (const Vdn_String& line : texts)
        text += (text.isEmpty() ? Vdn_String() : Vdn_String(L"\n")) + line;
    return text;
}

} // namespace

CTabEditConstraints::CTabEditConstraints(CWnd* parent) : CDialog(IDD, parent) {
    onMessage(TSpread::SSM_CLICK, [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto* cell = reinterpret_cast<const TSpread::SS_CELLCOORD*>(lParam);
        if (static_cast<int>(wParam) == kSheet && cell != nullptr)
            clickCell(static_cast<int>(cell->Col), static_cast<int>(cell->Row));
        return 0;
    });
    onMessage(TSpread::SSM_RBUTTON, [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto* button = reinterpret_cast<const TSpread::SS_RBUTTON*>(lParam);
        if (static_cast<int>(wParam) == kSheet && button != nullptr &&
            button->RButtonType == TSpread::kRButtonUp)
            rightClickRow(static_cast<int>(button->Row) - 1);
        return 0;
    });
    onCommand(kNameEdit, EN_KILLFOCUS, [this] { checkName(); });
    onCommand(kFirstFlag, BN_CLICKED, [this] { enableSecondFlag(); });
    onCommand(kDeleteButton, BN_CLICKED, [this] { deleteRow(); });
    onCommand(kCutButton, BN_CLICKED, [this] { editCut(); });
    onCommandRange(kFirstImage, kFirstImage + ImageButtonGroups::kButtons - 1, BN_CLICKED,
                   [this](UINT id) { clickImage(static_cast<int>(id) - kFirstImage); });
}

void CTabEditConstraints::attach(CDlgEditMacro* editor, EditConstrData* data) {
    editor_ = editor;
    data_ = data;
}

BOOL CTabEditConstraints::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const auto& [id, text] :
         {std::pair{kFrame, kFrameText}, std::pair{kValueLabel, kValueText},
          std::pair{kNameLabel, kNameText}, std::pair{kChoiceLabel, kChoiceText},
          std::pair{kFirstFlag, kFirstFlagText}, std::pair{kSecondFlag, kSecondFlagText},
          std::pair{kCutButton, kCutText}})
        SetDlgItemText(id, dialString(text).str());
    attachIconButton(deleteButton_, this, kDeleteButton, kDeleteIcon, dialString(kDeleteTip).str());
    for (int i = 0; i < ImageButtonGroups::kButtons; ++i) {
        if (imageButtons_[i].SubclassDlgItem(kFirstImage + i, this))
            imageButtons_[i].SetTooltipText(L"Enum " + std::to_wstring(i + 1));
    }
    if (sheet_.attachToDlgItem(this, kSheet, true) && sheet_.setStandardLook(0)) {
        sheet_.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
        sheet_.setMaxCols(kColumns);
        const Vdn_String geometry = string(kGeometryString);
        sheet_.setColumnNames({dialString(kNameHeader), dialString(kKindHeader),
                               geometry + L" " + Vdn_String(1), geometry + L" " + Vdn_String(2)});
        sheet_.setHeaderFonts();
        sheet_.setSizeMode(1);
    }
    fill();
    return TRUE;
}

void CTabEditConstraints::fill() {
    if (data_ == nullptr || !sheet_.isAttached())
        return;
    const int rows = data_->constraintRows.length();
    sheet_.setMaxRows(rows);
    if (rows > 0) {
        sheet_.clearRows(1, rows);
        for (int row = 0; row < rows; ++row)
            sheet_.setRowTexts(row + 1, data_->constraintRows[row]);
        sheet_.setAllFonts();
        for (int col = 1; col <= kColumns; ++col)
            sheet_.lockColumn(col, true);
    }
    const int current = data_->rowOf(data_->currentConstraint);
    selectRow(current >= 0 ? current : (rows > 0 ? 0 : -1), false);
}

void CTabEditConstraints::clickCell(int col, int row) {
    if (row == 0) {
        sortBy(col);
        return;
    }
    const int clicked = row - 1;
    if (data_ == nullptr || clicked < 0 || clicked >= data_->rowCount())
        return;
    if (clicked != row_ && commitRow())
        fill();
    selectRow(clicked, true);
}

void CTabEditConstraints::selectRow(int row, bool byUser) {
    row_ = data_ != nullptr && row >= 0 && row < data_->rowCount() ? row : -1;
    if (row_ >= 0) {
        data_->currentConstraint = data_->constraintIds[row_];
        if (sheet_.isAttached())
            sheet_.selectRow(row_ + 1);
        HighlightConstraint(data_, row_);
        acedUpdateDisplay();
        if (byUser && editor_ != nullptr)
            editor_->escapeGate().rowSelected();
    }
    showEditors();
}

void CTabEditConstraints::showEditors() {
    const bool valid = row_ >= 0;
    const auto show = [this](int id, bool shown) {
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    };
    const auto has = [this, valid](int kind) { return valid && data_->rowHasEditor(row_, kind); };
    show(kValueLabel, has(EditConstrData::kValueEditor));
    show(kValueEdit, has(EditConstrData::kValueEditor));
    show(kNameLabel, has(EditConstrData::kVariableEditor));
    show(kNameEdit, has(EditConstrData::kVariableEditor));
    show(kChoiceLabel, has(EditConstrData::kChoiceEditor));
    show(kChoiceCombo, has(EditConstrData::kChoiceEditor));
    show(kFirstFlag, has(EditConstrData::kFlagsEditor));
    show(kSecondFlag, has(EditConstrData::kFlagsEditor));
    show(kCutButton, valid && row_ < data_->cutFlags.length() && data_->cutFlags[row_] == 1);
    show(kDeleteButton, data_ != nullptr && data_->rowCount() > 0);
    if (CWnd* cut = GetDlgItem(kCutButton))
        cut->EnableWindow(macroCutOpener() ? TRUE : FALSE);

    SetDlgItemText(kValueEdit, valid ? data_->rowValues[row_].str() : L"");
    SetDlgItemText(kNameEdit, valid ? data_->rowVariableNames[row_].str() : L"");
    if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kChoiceCombo))) {
        combo->ResetContent();
        if (valid && row_ < data_->rowChoiceLists.length()) {
            for (const Vdn_String& choice : data_->rowChoiceLists[row_])
                combo->AddString(choice.str());
            combo->SetCurSel(data_->rowChoices[row_]);
        }
    }
    CheckDlgButton(kFirstFlag, valid && data_->rowFirstFlags[row_] ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kSecondFlag, valid && data_->rowSecondFlags[row_] ? BST_CHECKED : BST_UNCHECKED);
    enableSecondFlag();

    groups_ = std::make_unique<ImageButtonGroups>(
        valid && row_ < data_->rowImages.length() ? data_->rowImages[row_] : Vdn_StringArray());
    for (int i = 0; i < ImageButtonGroups::kButtons; ++i) {
        CButtonST& button = imageButtons_[i];
        if (button.GetSafeHwnd() == nullptr)
            continue;
        pictures_[i] = std::make_unique<CBitmap>();
        const Vdn_String& picture = groups_->picture(i);
        if (!picture.isEmpty() && pictures_[i]->loadFromFile(picturePath(picture)))
            button.SetBitmaps(pictures_[i]->GetSafeHandle(), kImageTransparent);
        else
            button.SetBitmaps(static_cast<HBITMAP>(nullptr), kImageTransparent);
        button.EnableWindow(picture.isEmpty() ? FALSE : TRUE);
    }
    showChecks(groups_->checksFrom(valid && row_ < data_->rowImageSelections.length()
                                       ? data_->rowImageSelections[row_]
                                       : Vdn_Array<int>()));
}

void CTabEditConstraints::enableSecondFlag() {
    if (CWnd* second = GetDlgItem(kSecondFlag))
        second->EnableWindow(IsDlgButtonChecked(kFirstFlag) == BST_CHECKED ? TRUE : FALSE);
}

ImageButtonGroups::Checks CTabEditConstraints::shownChecks() const {
    ImageButtonGroups::Checks checks{};
    for (int i = 0; i < ImageButtonGroups::kButtons; ++i)
        checks[i] = IsDlgButtonChecked(kFirstImage + i) == BST_CHECKED;
    return checks;
}

void CTabEditConstraints::showChecks(const ImageButtonGroups::Checks& checks) {
    for (int i = 0; i < ImageButtonGroups::kButtons; ++i)
        CheckDlgButton(kFirstImage + i, checks[i] ? BST_CHECKED : BST_UNCHECKED);
}

void CTabEditConstraints::clickImage(int button) {
    if (groups_)
        showChecks(groups_->afterClick(shownChecks(), button));
}

bool CTabEditConstraints::commitRow() {
    if (data_ == nullptr || row_ < 0 || row_ >= data_->rowCount() || !groups_ ||
        GetSafeHwnd() == nullptr)
        return false;
    EditConstrData& data = *data_;
    const int row = row_;
    std::wstring text;
    GetDlgItemText(kValueEdit, text);
    Vdn_String value(text);
    if (data.rowHasEditor(row, EditConstrData::kValueEditor) && !isNumber(value)) {
        // Text that is not a number keeps the value the constraint has.
        value = data.rowValues[row];
        SetDlgItemText(kValueEdit, value.str());
    }
    GetDlgItemText(kNameEdit, text);
    Vdn_String name = Vdn_String(text).trim();
    if (name != data.rowVariableNames[row] && !nameAcceptable(name, false)) {
        name = data.rowVariableNames[row];
        SetDlgItemText(kNameEdit, name.str());
    }
    const bool first = IsDlgButtonChecked(kFirstFlag) == BST_CHECKED;
    const bool second = first && IsDlgButtonChecked(kSecondFlag) == BST_CHECKED;
    const auto* combo = dynamic_cast<const CComboBox*>(GetDlgItem(kChoiceCombo));
    const int choice = combo != nullptr ? combo->GetCurSel() : data.rowChoices[row];
    const Vdn_Array<int> selections = groups_->selectionsFrom(shownChecks());

    Vdn_Array<int> stored = data.rowImageSelections[row];
    if (stored.length() > selections.length()) {
        acutPrintf(L"*Error* Array size mismatch.\n");
        return false;
    }
    while (stored.length() < selections.length())
        stored.append(0); // a group without an entry has nothing checked

    const bool differs =
        (data.rowHasEditor(row, EditConstrData::kValueEditor) && value != data.rowValues[row]) ||
        (data.rowHasEditor(row, EditConstrData::kVariableEditor) &&
         name != data.rowVariableNames[row]) ||
        (data.rowHasEditor(row, EditConstrData::kChoiceEditor) && choice != data.rowChoices[row]) ||
        (data.rowHasEditor(row, EditConstrData::kFlagsEditor) &&
         (first != data.rowFirstFlags[row] || second != data.rowSecondFlags[row])) ||
        selections != stored;
    if (!differs)
        return false;
    const EditConstrData before = data;
    data.rowValues[row] = value;
    data.rowVariableNames[row] = name;
    data.rowChoices[row] = choice;
    data.rowFirstFlags[row] = first;
    data.rowSecondFlags[row] = second;
    data.rowImageSelections[row] = selections;
    if (!UpdateConstraint(&data, row)) {
        const Vdn_String reason = Vdn_Drawing::current().lastMessage();
        data = before;
        if (!reason.isEmpty())
            acutPrintf(L"%s\n", reason.c_str());
        showEditors();
        return false;
    }
    return true;
}

bool CTabEditConstraints::nameAcceptable(const Vdn_String& name, bool tell) {
    if (name.isEmpty())
        return true; // no variable drives the constraint
    int caption = kBadNameCaption;
    Vdn_StringArray texts;
    bool inUse = false;
    const std::optional<VariableNameFault> fault = variableNameFault(name);
    if (VarNameInUse(data_, name, inUse) && inUse) {
        caption = kInUseCaption;
        texts = {dialString(857), dialString(858)};
    } else if (fault == VariableNameFault::LeadingDigit) {
        texts = {dialString(885), dialString(886), dialString(887), dialString(888)};
    } else if (fault == VariableNameFault::NotLetterOrDigit) {
        texts = {dialString(1455), dialString(1456), dialString(888)};
    }
    if (texts.isEmpty())
        return true;
    if (tell)
        MessageBox((L"\"" + name + L"\"\n" + joined(texts)).str(), dialString(caption).str(),
                   MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void CTabEditConstraints::checkName() {
    if (data_ == nullptr || row_ < 0 || !data_->rowHasEditor(row_, EditConstrData::kVariableEditor))
        return;
    std::wstring text;
    GetDlgItemText(kNameEdit, text);
    const Vdn_String name = Vdn_String(text).trim();
    if (name == data_->rowVariableNames[row_] || nameAcceptable(name, true))
        return;
    // A refused name goes; the constraint keeps its variable.
    SetDlgItemText(kNameEdit, data_->rowVariableNames[row_].str());
}

void CTabEditConstraints::sortBy(int column) {
    if (data_ == nullptr || column < 1 || column > kColumns || column == sortColumn_)
        return;
    commitRow();
    // Before any sort the column after the clicked one orders equal rows (the first for the
    // last column).
    const int previous = sortColumn_ > 0 ? sortColumn_ : (column == kColumns ? 1 : column + 1);
    if (!SortConstraints(data_, column, previous)) {
        const Vdn_String& reason = Vdn_Drawing::current().lastMessage();
        if (!reason.isEmpty())
            acutPrintf(L"%s\n", reason.c_str());
        return;
    }
    sortColumn_ = column;
    fill();
}

void CTabEditConstraints::rightClickRow(int row) {
    if (data_ == nullptr || row < 0 || row >= data_->rowCount())
        return;
    if (row != row_) {
        if (commitRow())
            fill();
        selectRow(row, true);
    }
    Vdn_StringArray texts;
    Vdn_Array<int> codes;
    Vdn_Array<int> checked;
    if (!ConstrContextMenu(data_, row, texts, codes, checked))
        return;
    Vdn_Array<int> levels;
    Vdn_Array<dynMenuEntry> entries;
    std::vector<int> itemPositions; // the list position of each menu item, in id order
    for (int i = 0; i < texts.length() && i < codes.length(); ++i) {
        dynMenuEntry entry;
        if (texts[i] == kMenuBreak) {
            entry.kind = dynMenuEntry::kSeparator;
        } else {
            if (static_cast<int>(itemPositions.size()) == kMaxMenuItems)
                break;
            entry.text = texts[i];
            entry.kind = checked.contains(i) ? dynMenuEntry::kChecked : dynMenuEntry::kPlain;
            itemPositions.push_back(i);
        }
        levels.append(1);
        entries.append(entry);
    }
    CRect cell;
    sheet_.SSGetCellRect(1, row + 1, &cell);
    CPoint at = cell.CenterPoint();
    sheet_.ClientToScreen(&at);
    const UINT chosen =
        static_cast<UINT>(menu_.show(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                     at.x, at.y, this, levels, entries));
    const int index = dynMenu::commandIndex(chosen);
    if (index < 0 || index >= static_cast<int>(itemPositions.size()))
        return;
    const int code = codes[itemPositions[static_cast<std::size_t>(index)]];
    const bool done = editor_ != nullptr
                          ? editor_->inDrawing([&] { return ContextMenuAction(data_, row, code); })
                          : ContextMenuAction(data_, row, code);
    if (!done) {
        const Vdn_String& reason = Vdn_Drawing::current().lastMessage();
        if (!reason.isEmpty())
            acutPrintf(L"%s\n", reason.c_str());
        return;
    }
    fill();
}

void CTabEditConstraints::deleteRow() {
    if (data_ == nullptr || row_ < 0)
        return;
    const int position = row_;
    if (!DeleteConstraint(data_, position)) {
        const Vdn_String& reason = Vdn_Drawing::current().lastMessage();
        if (!reason.isEmpty())
            acutPrintf(L"%s\n", reason.c_str());
        return;
    }
    // The same position again, or the first row.
    const int rows = data_->rowCount();
    data_->currentConstraint =
        rows == 0 ? -1 : data_->constraintIds[position < rows ? position : 0];
    fill();
}

void CTabEditConstraints::editCut() {
    MacroCutOpener& opener = macroCutOpener();
    if (!opener || data_ == nullptr || row_ < 0)
        return;
    commitRow();
    bool passEscape = false;
    if (opener(data_->macroObject, data_->currentModule, data_->currentConstraint, passEscape) &&
        fillEditConstrData(*data_))
        fill();
    if (passEscape && editor_ != nullptr)
        editor_->escapeGate().passNextEscape();
}

void CTabEditConstraints::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    // The table takes what the editors below leave.
    CWnd* frame = GetDlgItem(kFrame);
    if (frame == nullptr || !sheet_.isAttached())
        return;
    CRect frameRect;
    frame->GetWindowRect(&frameRect);
    ScreenToClient(&frameRect);
    CRect sheetRect;
    sheet_.GetWindowRect(&sheetRect);
    ScreenToClient(&sheetRect);
    const int frameTop = cy - 4 - frameRect.Height();
    const int shift = frameTop - frameRect.top;
    for (int id = kFrame; id < kFirstImage + ImageButtonGroups::kButtons; ++id) {
        if (CWnd* control = GetDlgItem(id)) {
            CRect rect;
            control->GetWindowRect(&rect);
            ScreenToClient(&rect);
            control->MoveWindow(rect.left, rect.top + shift, rect.Width(), rect.Height());
        }
    }
    if (CWnd* control = GetDlgItem(kFrame)) {
        CRect rect;
        control->GetWindowRect(&rect);
        ScreenToClient(&rect);
        control->MoveWindow(rect.left, rect.top, cx - 2 * rect.left, rect.Height());
        if (CWnd* remove = GetDlgItem(kDeleteButton)) {
            CRect button;
            remove->GetWindowRect(&button);
            ScreenToClient(&button);
            remove->MoveWindow(cx - rect.left - 8 - button.Width(), button.top, button.Width(),
                               button.Height());
        }
    }
    sheet_.MoveWindow(sheetRect.left, sheetRect.top, cx - 2 * sheetRect.left,
                      frameTop - 4 - sheetRect.top);
}

void CTabEditConstraints::OnDestroy() {
    UnHighlightConstraints();
    CDialog::OnDestroy();
}
