#include "macro/profiles/CDlgMacroProfSegm.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kCaptionText = 20936;
constexpr int kSegmentText = 20937;
constexpr int kNameText = 20938;
constexpr int kLengthText = 20939;
constexpr int kFlagText = 20940;
constexpr int kNumberText = 20941;
constexpr int kValueText = 20942;
constexpr int kInsertTip = 20943;
constexpr int kDeleteTip = 20944;
constexpr UINT kInsertIcon = 212;
constexpr UINT kDeleteIcon = 206;
constexpr std::array kLabels = {std::pair{2970, kSegmentText}, std::pair{2971, kNameText},
                                std::pair{2972, kLengthText}};
constexpr int kColumns = 2;
// Texts may be of any length: the grid keeps them whole.
constexpr int kUnbounded = 0;

Vdn_String typed(const CWnd& dialog, int id) {
    std::wstring text;
    dialog.GetDlgItemText(id, text);
    return Vdn_String(text);
}

} // namespace

CDlgMacroProfSegm::CDlgMacroProfSegm(Vdn_Array<MacroProfSegment> segments, CWnd* parent)
    : ResizableDialog(IDD, parent, kSizeKey), segments_(std::move(segments)) {
    onCommand(kSegmentCombo, CBN_SELCHANGE, [this] { choose(); });
    onCommand(kInsertRow, BN_CLICKED, [this] { insertRow(); });
    onCommand(kDeleteRow, BN_CLICKED, [this] { deleteRow(); });
}

Vdn_String CDlgMacroProfSegm::itemText(const MacroProfSegment& segment) {
    return segment.name + L" - " + segment.secondText;
}

BOOL CDlgMacroProfSegm::OnInitDialog() {
    CDialog::OnInitDialog();
    captions();
    if (values_.attachToDlgItem(this, kValues, true) && values_.setStandardLook(0)) {
        values_.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
        values_.setMaxCols(kColumns);
        values_.setColumnNames({dialString(kNumberText) + L" nr.", dialString(kValueText)});
        values_.fillWidthWithColumn(kColumns);
    }
    fillCombo();
    show(segments_.isEmpty() ? -1 : 0);

    using R = CResizer;
    const std::array<R::CBorderInfo, 7> layout = {{
        {kSegmentCombo,
         {R::eFixed},
         {R::eFixed},
         {R::eFixed, R::IDC_MAIN, R::eRight},
         {R::eHeight}},
        {kName, {R::eFixed}, {R::eFixed}, {R::eFixed, R::IDC_MAIN, R::eRight}, {R::eHeight}},
        R::grown(kValues),
        {kInsertRow, {R::eWidth}, {R::eFixed}, {R::eFixed, R::IDC_MAIN, R::eRight}, {R::eHeight}},
        {kDeleteRow, {R::eWidth}, {R::eFixed}, {R::eFixed, R::IDC_MAIN, R::eRight}, {R::eHeight}},
        R::keptBottomRight(IDOK),
        R::keptBottomRight(IDCANCEL),
    }};
    followLayout(layout);
    keepPresentSizeAsMinimum();
    restoreSize();
    return TRUE;
}

void CDlgMacroProfSegm::captions() {
    SetWindowText(dialString(kCaptionText).str());
    SetDlgItemText(IDOK, dialString(kOkText).str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());
    for (const auto& [id, number] : kLabels)
        SetDlgItemText(id, dialString(number).str());
    SetDlgItemText(kFlag, dialString(kFlagText).str());
    if (insertButton_.SubclassDlgItem(kInsertRow, this)) {
        insertButton_.SetIcon(kInsertIcon);
        insertButton_.SetTooltipText(dialString(kInsertTip).str());
    }
    if (deleteButton_.SubclassDlgItem(kDeleteRow, this)) {
        deleteButton_.SetIcon(kDeleteIcon);
        deleteButton_.SetTooltipText(dialString(kDeleteTip).str());
    }
}

void CDlgMacroProfSegm::fillCombo() {
    auto* list = dynamic_cast<CComboBox*>(GetDlgItem(kSegmentCombo));
    if (list == nullptr)
        return;
    list->ResetContent();
    for (const MacroProfSegment& segment : segments_)
        list->AddString(itemText(segment).str());
    list->SetCurSel(shown_);
}

void CDlgMacroProfSegm::show(int index) {
    shown_ = segments_.isValidIndex(index) ? index : -1;
    if (auto* list = dynamic_cast<CComboBox*>(GetDlgItem(kSegmentCombo)))
        list->SetCurSel(shown_);
    const bool any = shown_ >= 0;
    const MacroProfSegment segment = any ? segments_[shown_] : MacroProfSegment{};
    SetDlgItemText(kName, segment.name.str());
    SetDlgItemText(kLength, any ? Vdn_String(segment.length, 2).str() : std::wstring());
    CheckDlgButton(kFlag, segment.flag ? BST_CHECKED : BST_UNCHECKED);
    for (const int id : {kName, kLength, kFlag, kValues, kInsertRow, kDeleteRow})
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(any ? TRUE : FALSE);
    if (!values_.isAttached())
        return;
    values_.setMaxRows(segment.values.length());
    values_.clearRows(1, std::max(values_.maxRows(), 1));
    if (!segment.values.isEmpty())
        values_.setEditCells(1, 1, kColumns, segment.values.length(), Vdn_Spread::kEditStyle,
                             kUnbounded);
    for (int row = 1; row <= segment.values.length(); ++row)
        values_.setRowTexts(row, {segment.values[row - 1].number, segment.values[row - 1].value});
    values_.fillWidthWithColumn(kColumns);
}

void CDlgMacroProfSegm::store() {
    if (!segments_.isValidIndex(shown_))
        return;
    MacroProfSegment& segment = segments_[shown_];
    segment.name = typed(*this, kName);
    // A length that is not a number keeps the one it replaced.
    bool ok = false;
    const double length = typed(*this, kLength).toDouble(&ok);
    if (ok && std::isfinite(length))
        segment.length = length;
    segment.flag = IsDlgButtonChecked(kFlag) == BST_CHECKED;
    if (values_.isAttached()) {
        const Vdn_Array<MacroProfSegment::ValuePair> before = segment.values;
        segment.values = {};
        for (int row = 1; row <= values_.maxRows(); ++row) {
            MacroProfSegment::ValuePair pair;
            values_.getCellText(1, row, pair.number);
            values_.getCellText(2, row, pair.value);
            // A row left empty holds no pair.
            if (pair.number.trim().isEmpty() && pair.value.trim().isEmpty())
                continue;
            // What the file kept beside a pair stays with the row in its place.
            if (before.isValidIndex(row - 1))
                pair.extras = before[row - 1].extras;
            segment.values.append(pair);
        }
    }
    // The list shows the new name at once.
    if (auto* list = dynamic_cast<CComboBox*>(GetDlgItem(kSegmentCombo))) {
        list->DeleteString(static_cast<UINT>(shown_));
        list->InsertString(shown_, itemText(segment).str());
    }
}

void CDlgMacroProfSegm::choose() {
    const auto* list = dynamic_cast<const CComboBox*>(GetDlgItem(kSegmentCombo));
    const int chosen = list != nullptr ? list->GetCurSel() : -1;
    store();
    show(chosen);
}

void CDlgMacroProfSegm::insertRow() {
    if (!values_.isAttached() || shown_ < 0)
        return;
    const int row = values_.maxRows() > 0 ? std::max(values_.activeRow(), 1) : 1;
    if (!values_.insertRow(row))
        return;
    values_.setEditCells(1, row, kColumns, row, Vdn_Spread::kEditStyle, kUnbounded);
    values_.SSSetActiveCell(1, row);
}

void CDlgMacroProfSegm::deleteRow() {
    if (values_.isAttached() && shown_ >= 0 && values_.maxRows() > 0)
        values_.deleteActiveRow();
}

void CDlgMacroProfSegm::OnOK() {
    store();
    CDialog::OnOK();
}
