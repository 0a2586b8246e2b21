#include "spreadsheet/editor/CDlgSSOptions.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/grid/sheet/Limits.h"
#include "platform/grid/sheet/Sheet.h"

#include <algorithm>
#include <string>
#include <utility>

namespace {

constexpr int kCaption = 1369;
// Labels and their texts.
constexpr std::pair<int, int> kLabels[] = {
    {1016, 1370}, {1018, 1371}, {1020, 1372}, {1022, 1373},
    {1024, 1374}, {1003, 1375}, {1026, 1376},
};

// The number in the field when it is a whole number from minimum to maximum, else current.
int fieldNumber(const CWnd& dialog, int id, int minimum, int maximum, int current) {
    std::wstring text;
    dialog.GetDlgItemText(id, text);
    bool ok = false;
    const int value = Vdn_String(text).toInt(&ok);
    return ok && value >= minimum && value <= maximum ? value : current;
}

// The names in the preview: the cells of its first row (columns) or first column (rows), up to
// the last one that holds a name, but at least `always` of them (the positions that have a name
// handed in, so that a name the user cleared stays cleared).
Vdn_StringArray previewNames(const TSpread& preview, bool alongRow, int always) {
    const int count = alongRow ? preview.SSGetMaxCols() : preview.SSGetMaxRows();
    int last = std::min(count, always);
    for (const grid::CellRef cell : preview.sheet().filledCells())
        last = std::max(last, std::min(count, alongRow ? cell.col : cell.row));
    Vdn_StringArray names;
    for (int i = 1; i <= last; ++i) {
        std::wstring name;
        if (alongRow)
            preview.SSGetData(i, 1, name);
        else
            preview.SSGetData(1, i, name);
        names.append(Vdn_String(std::move(name)));
    }
    return names;
}

// The names of count positions: the kept ones, then the given ones at the following
// positions. Positions beyond both lists have no name, and the list stops before them.
Vdn_StringArray namesFor(int count, const Vdn_StringArray& kept, const Vdn_StringArray& given) {
    Vdn_StringArray names;
    const int named = std::min(count, std::max(kept.length(), given.length()));
    for (int i = 0; i < named; ++i)
        names.append(i < kept.length() ? kept[i] : given[i]);
    return names;
}

void fillPreview(TSpread& preview, bool alongRow, const Vdn_StringArray& names) {
    for (int i = 0; i < names.length(); ++i) {
        if (alongRow)
            preview.SSSetData(i + 1, 1, names[i].str());
        else
            preview.SSSetData(1, i + 1, names[i].str());
    }
}

} // namespace

CDlgSSOptions::CDlgSSOptions(CWnd* parent) : CDialog(IDD, parent) {
    for (const int id : {kColumnsEdit, kRowsEdit, kHeaderHeightEdit, kHeaderWidthEdit})
        onCommand(id, EN_CHANGE, [this] { numberChanged(); });
}

BOOL CDlgSSOptions::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    for (const auto& [id, text] : kLabels)
        SetDlgItemText(id, dialString(text).str());
    columnPreview_.SubclassDlgItem(kColumnPreview, this);
    rowPreview_.SubclassDlgItem(kRowPreview, this);
    givenColNames_ = colNames;
    givenRowNames_ = rowNames;
    SetDlgItemText(kColumnsEdit, std::to_wstring(cols));
    SetDlgItemText(kRowsEdit, std::to_wstring(rows));
    SetDlgItemText(kHeaderHeightEdit, std::to_wstring(colHeaderHeight));
    SetDlgItemText(kHeaderWidthEdit, std::to_wstring(rowHeaderWidth));
    colNames = namesFor(cols, {}, givenColNames_);
    rowNames = namesFor(rows, {}, givenRowNames_);
    showPreviews();
    return TRUE;
}

void CDlgSSOptions::readNumbers() {
    cols = fieldNumber(*this, kColumnsEdit, 0, grid::kMaxColumns, cols);
    rows = fieldNumber(*this, kRowsEdit, 0, grid::kMaxRows, rows);
    colHeaderHeight = fieldNumber(*this, kHeaderHeightEdit, 0, kMaxHeaderSize, colHeaderHeight);
    rowHeaderWidth = fieldNumber(*this, kHeaderWidthEdit, 0, kMaxHeaderSize, rowHeaderWidth);
}

void CDlgSSOptions::keepNames() {
    colNames = previewNames(columnPreview_, true, givenColNames_.length());
    rowNames = previewNames(rowPreview_, false, givenRowNames_.length());
}

void CDlgSSOptions::showPreviews() {
    colNames = namesFor(cols, colNames, givenColNames_);
    rowNames = namesFor(rows, rowNames, givenRowNames_);

    columnPreview_.SSSetMaxRows(1);
    columnPreview_.SSSetMaxCols(cols);
    columnPreview_.SSSetRowHeightInPixels(TSpread::kHeader, colHeaderHeight);
    fillPreview(columnPreview_, true, colNames);

    rowPreview_.SSSetMaxCols(1);
    rowPreview_.SSSetMaxRows(rows);
    rowPreview_.SSSetColWidthInPixels(TSpread::kHeader, rowHeaderWidth);
    fillPreview(rowPreview_, false, rowNames);
}

void CDlgSSOptions::numberChanged() {
    keepNames();
    readNumbers();
    showPreviews();
}

void CDlgSSOptions::OnOK() {
    keepNames();
    readNumbers();
    colNames = namesFor(cols, colNames, givenColNames_);
    rowNames = namesFor(rows, rowNames, givenRowNames_);
    CDialog::OnOK();
}
