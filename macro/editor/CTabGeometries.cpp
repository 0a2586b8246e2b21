#include "macro/editor/CTabGeometries.h"

#include "macro/editor/CDlgEditMacro.h"
#include "platform/core/model/EditConstrCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/CommandLineApi.h"
#include "platform/host/HostWindows.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kHeaders[] = {889, 890, 87, 891, 892};
constexpr int kFlexibilityTexts[] = {893, 894, 895};
constexpr int kColumns = 5;

void reportRefusal() {
    const Vdn_String& reason = Vdn_Drawing::current().lastMessage();
    if (!reason.isEmpty())
        acutPrintf(L"%s\n", reason.c_str());
}

} // namespace

CTabGeometries::CTabGeometries(CWnd* parent) : CDialog(IDD, parent) {
    onMessage(TSpread::SSM_CLICK, [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto* cell = reinterpret_cast<const TSpread::SS_CELLCOORD*>(lParam);
        if (static_cast<int>(wParam) == kSheet && cell != nullptr && cell->Row >= 1)
            clickRow(static_cast<int>(cell->Row) - 1);
        return 0;
    });
    onMessage(TSpread::SSM_COMBOSELCHANGE, [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto* cell = reinterpret_cast<const TSpread::SS_CELLCOORD*>(lParam);
        if (static_cast<int>(wParam) == kSheet && cell != nullptr &&
            cell->Col == kFlexibilityColumn && cell->Row >= 1)
            chooseFlexibility(static_cast<int>(cell->Row) - 1);
        return 0;
    });
    onCommand(kSheet, TSpread::kNotifyButtonClicked, [this] { toggleFlag(); });
}

void CTabGeometries::attach(CDlgEditMacro* editor, EditConstrData* data) {
    editor_ = editor;
    data_ = data;
}

BOOL CTabGeometries::OnInitDialog() {
    CDialog::OnInitDialog();
    if (sheet_.attachToDlgItem(this, kSheet, true) && sheet_.setStandardLook(0)) {
        sheet_.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
        sheet_.setMaxCols(kColumns);
        Vdn_StringArray headers;
        for (const int text : kHeaders)
            headers.append(dialString(text));
        sheet_.setColumnNames(headers);
        sheet_.setHeaderFonts();
        sheet_.setSizeColumns({kFlexibilityColumn, kFlagColumn}, {90, 70});
        sheet_.setSizeMode(5);
    }
    fill();
    return TRUE;
}

void CTabGeometries::fill() {
    if (data_ == nullptr || !sheet_.isAttached())
        return;
    const int rows = data_->geometryObjects.length();
    sheet_.setMaxRows(rows);
    if (rows == 0)
        return;
    sheet_.clearRows(1, rows);
    Vdn_StringArray choices;
    for (const int text : kFlexibilityTexts)
        choices.append(dialString(text));
    sheet_.setEditCells(kTagColumn, 1, kTagColumn, rows);
    sheet_.setComboColumn(kFlexibilityColumn, choices);
    sheet_.setCheckBoxColumn(kFlagColumn);
    for (int row = 0; row < rows; ++row) {
        const Vdn_StringArray& cells =
            row < data_->geometryRows.length() ? data_->geometryRows[row] : Vdn_StringArray();
        for (int col = 1; col <= 2; ++col)
            sheet_.setCellText(col, row + 1, col <= cells.length() ? cells[col - 1] : Vdn_String());
        if (row < data_->geometryNameTags.length())
            sheet_.setCellText(kTagColumn, row + 1, data_->geometryNameTags[row]);
        if (row < data_->geometryFlexibility.length() && data_->geometryFlexibility[row] >= 0 &&
            data_->geometryFlexibility[row] < choices.length())
            sheet_.setCellText(kFlexibilityColumn, row + 1,
                               choices[data_->geometryFlexibility[row]]);
        sheet_.setCheck(kFlagColumn, row + 1,
                        row < data_->geometryFlags.length() && data_->geometryFlags[row] == 1);
    }
    sheet_.setAllFonts();
    sheet_.lockColumn(1, true);
    sheet_.lockColumn(2, true);
}

void CTabGeometries::clickRow(int row) {
    if (data_ == nullptr || row < 0 || row >= data_->geometryObjects.length())
        return;
    const AcDbObjectId object = data_->geometryObjects[row];
    if (!highlighted_.isNull() && highlighted_ != object)
        UnHighlightObject(highlighted_);
    HighlightObject(object);
    highlighted_ = object;
    acedUpdateDisplay();
}

void CTabGeometries::chooseFlexibility(int row) {
    if (data_ == nullptr || row < 0 || row >= data_->geometryObjects.length() ||
        row >= data_->geometryFlexibilityValues.length())
        return;
    Vdn_String text;
    sheet_.getCellText(kFlexibilityColumn, row + 1, text, Vdn_Spread::kCellValue);
    int choice = -1;
    for (int i = 0; i < 3; ++i) {
        if (text == dialString(kFlexibilityTexts[i]))
            choice = i;
    }
    if (choice < 0)
        return;
    if (!UpdateGeomFlexibility(data_, data_->geometryObjects[row],
                               data_->geometryFlexibilityValues[row], choice + 1))
        reportRefusal();
    fill();
}

void CTabGeometries::toggleFlag() {
    const int row = sheet_.activeRow() - 1;
    if (data_ == nullptr || row < 0 || row >= data_->geometryObjects.length() ||
        sheet_.activeCol() != kFlagColumn)
        return;
    bool checked = false;
    sheet_.getCheck(kFlagColumn, row + 1, checked);
    if (!UpdateConstrGeom(data_, data_->geometryObjects[row], checked))
        reportRefusal();
    fill();
}

void CTabGeometries::commit() {
    if (data_ == nullptr || !sheet_.isAttached() || data_->geometryObjects.isEmpty())
        return;
    Vdn_StringArray tags;
    for (int row = 1; row <= data_->geometryObjects.length(); ++row) {
        Vdn_String tag;
        sheet_.getCellText(kTagColumn, row, tag, Vdn_Spread::kCellValue);
        tags.append(tag.trim());
    }
    if (tags == data_->geometryNameTags)
        return;
    if (!SetNameTags(data_, data_->geometryObjects, tags)) {
        reportRefusal();
        fill();
    }
}

void CTabGeometries::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (sheet_.isAttached())
        sheet_.MoveWindow(4, 4, cx - 8, cy - 8);
}

void CTabGeometries::OnDestroy() {
    if (!highlighted_.isNull())
        UnHighlightObject(highlighted_);
    highlighted_ = AcDbObjectId();
    CDialog::OnDestroy();
}
