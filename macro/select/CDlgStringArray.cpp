#include "macro/select/CDlgStringArray.h"

#include "module/ModalLauncher.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/windows/WinConstants.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kCaption = 20660;
constexpr int kAddRowText = 20661;
constexpr int kRemoveRowText = 20662;

// Texts may be of any length: the grid keeps them whole.
constexpr int kUnbounded = 0;

} // namespace

CDlgStringArray::CDlgStringArray(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kAddRow, BN_CLICKED, [this] { addRow(); });
    onCommand(kRemoveRow, BN_CLICKED, [this] { removeRow(); });
}

int CDlgStringArray::columnCount(const Vdn_StringArray& headers,
                                 const Vdn_Array<Vdn_StringArray>& rows) {
    int count = headers.length();
    for (const Vdn_StringArray& row : rows)
        count = std::max(count, row.length());
    return count;
}

BOOL CDlgStringArray::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText((caption_.isEmpty() ? dialString(kCaption) : caption_).str());
    SetDlgItemText(kAddRow, dialString(kAddRowText).str());
    SetDlgItemText(kRemoveRow, dialString(kRemoveRowText).str());
    SetDlgItemText(IDOK, dialString(kOkText).str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());

    if (grid_.attachToDlgItem(this, kGrid, true) && grid_.setStandardLook(0)) {
        const int columns = columnCount(columnHeaders_, rows_);
        grid_.setMaxCols(columns);
        grid_.setMaxRows(rows_.length());
        grid_.setColumnNames(columnHeaders_);
        grid_.setRowNames(rowHeaders_);
        if (columns > 0 && rows_.length() > 0)
            grid_.setEditCells(1, 1, columns, rows_.length(), Vdn_Spread::kEditStyle, kUnbounded);
        for (int row = 0; row < rows_.length(); ++row)
            grid_.setRowTexts(row + 1, rows_[row]);
        grid_.setAllFonts(true);
        fitColumns();
    }
    if (!rowsEditable_) {
        for (const int id : {kAddRow, kRemoveRow}) {
            if (CWnd* button = GetDlgItem(id))
                button->ShowWindow(SW_HIDE);
        }
    }

    const std::array<CResizer::CBorderInfo, 5> layout = {{
        {kGrid,
         {CResizer::eFixed},
         {CResizer::eFixed},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eRight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eBottom}},
        {kAddRow,
         {CResizer::eFixed},
         {CResizer::eHeight},
         {CResizer::eWidth},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eBottom}},
        {kRemoveRow,
         {CResizer::eFixed},
         {CResizer::eHeight},
         {CResizer::eWidth},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eBottom}},
        {IDOK,
         {CResizer::eWidth},
         {CResizer::eHeight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eRight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eBottom}},
        {IDCANCEL,
         {CResizer::eWidth},
         {CResizer::eHeight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eRight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eBottom}},
    }};
    resizer_.Init(this, nullptr, layout);
    ChangeDlgSize(this, sizeKey_.isEmpty() ? Vdn_String(kDefaultSizeKey) : sizeKey_);
    return TRUE;
}

void CDlgStringArray::fitColumns() {
    grid_.fitColumnWidths();
    if (grid_.maxCols() > 0)
        grid_.fillWidthWithColumn(grid_.maxCols());
}

void CDlgStringArray::addRow() {
    if (!grid_.isAttached())
        return;
    const int current = grid_.maxRows() > 0 ? std::max(grid_.activeRow(), 0) : 0;
    const int row = current + 1;
    if (!grid_.insertRow(row))
        return;
    if (grid_.maxCols() > 0)
        grid_.setEditCells(1, row, grid_.maxCols(), row, Vdn_Spread::kEditStyle, kUnbounded);
    grid_.SSSetActiveCell(1, row);
    grid_.SetFocus();
}

void CDlgStringArray::removeRow() {
    if (grid_.isAttached() && grid_.maxRows() > 0)
        grid_.deleteActiveRow();
}

void CDlgStringArray::OnOK() {
    if (grid_.isAttached()) {
        Vdn_Array<Vdn_StringArray> rows;
        grid_.getAllRows(rows);
        for (Vdn_StringArray& row : rows) {
            while (row.length() > columnHeaders_.length() && row.last().isEmpty())
                row.removeAt(row.length() - 1);
        }
        rows_ = rows;
    }
    CDialog::OnOK();
}

void CDlgStringArray::OnDestroy() {
    WriteDlgSize(this, sizeKey_.isEmpty() ? Vdn_String(kDefaultSizeKey) : sizeKey_);
    CDialog::OnDestroy();
}

void CDlgStringArray::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    resizer_.Move();
}

bool startGridDialog(const Vdn_StringArray& columnHeaders, const Vdn_StringArray& rowHeaders,
                     Vdn_Array<Vdn_StringArray>& rows, bool rowsEditable, const Vdn_String& sizeKey,
                     const Vdn_String& caption) {
    if (columnHeaders.isEmpty())
        return false;
    return frame::runModalLauncher<CDlgStringArray>(
        &CDlgStringArray::rows_, rows, frame::CopyBack::OnOk, [&](CDlgStringArray& dialog) {
            dialog.columnHeaders_ = columnHeaders;
            dialog.rowHeaders_ = rowHeaders;
            dialog.rowsEditable_ = rowsEditable;
            dialog.sizeKey_ =
                sizeKey.isEmpty() ? Vdn_String(CDlgStringArray::kDefaultSizeKey) : sizeKey;
            dialog.caption_ = caption;
        });
}
