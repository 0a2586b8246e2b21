#include "platform/grid/sheet/Sheet.h"
#include "spreadsheet/TSpread.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

// Cells: types, contents, spans, layout, structure, locks, the active cell and formats.

namespace {

// The sheet's index of a wrapper index: kHeader is 0, 1 and up stay; anything else is -1.
int gridIndex(int index) {
    if (index == TSpread::kHeader)
        return 0;
    return index >= 1 ? index : -1;
}

} // namespace

bool TSpread::toRef(int col, int row, grid::CellRef& ref) const {
    const int c = gridIndex(col);
    const int r = gridIndex(row);
    if (c < 0 || r < 0 || c > SSGetMaxCols() || r > SSGetMaxRows())
        return false;
    ref = {c, r};
    return true;
}

bool TSpread::toBlock(int col, int row, int col2, int row2, grid::CellRange& block) const {
    grid::CellRef first;
    grid::CellRef last;
    if (!toRef(col, row, first) || !toRef(col2, row2, last))
        return false;
    block = grid::CellRange::spanning(first, last);
    return true;
}

// --- cell types ----------------------------------------------------------------------------------

grid::CellType TSpread::SSSetTypeEdit(DWORD style, int maxLength) {
    return grid::CellType::edit(style, maxLength);
}

grid::CellType TSpread::SSSetTypeNumber(DWORD style, int decimals, double minimum, double maximum) {
    return grid::CellType::number(style, decimals, minimum, maximum);
}

grid::CellType TSpread::SSSetTypeComboBox(DWORD style, const std::wstring& items) {
    std::vector<std::wstring> list;
    if (!items.empty()) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = items.find(L'\t', start);
            list.push_back(items.substr(start, tab - start));
            if (tab == std::wstring::npos)
                break;
            start = tab + 1;
        }
    }
    // Bit 1 of the style makes the combo's text editable.
    return grid::CellType::combo(style, std::move(list), (style & 0x2) != 0);
}

grid::CellType TSpread::SSSetTypeCheckBox(DWORD style, const std::wstring& text,
                                          const std::wstring& pictureUp,
                                          const std::wstring& pictureDown) {
    return grid::CellType::checkBox(style, text, pictureUp, pictureDown);
}

grid::CellType TSpread::SSSetTypeButton(DWORD style, const std::wstring& text,
                                        const std::wstring& picture) {
    return picture.empty() ? grid::CellType::textButton(style, text)
                           : grid::CellType::pictureButton(style, picture);
}

grid::CellType TSpread::SSSetTypeStaticText(DWORD style) {
    return grid::CellType::staticText(style);
}

grid::CellType TSpread::SSSetTypePicture(DWORD style, const std::wstring& picture) {
    return grid::CellType::picture(style, picture);
}

bool TSpread::SSSetCellType(int col, int row, const grid::CellType& type) {
    return SSSetCellTypeRange(col, row, col, row, type);
}

bool TSpread::SSSetCellTypeRange(int col, int row, int col2, int row2, const grid::CellType& type) {
    grid::CellRange block;
    return toBlock(col, row, col2, row2, block) && sheet_->setCellType(block, type);
}

int TSpread::SSGetCellType(int col, int row) const {
    grid::CellRef ref;
    return toRef(col, row, ref) ? sheet_->cellTypeCode(ref) : -1;
}

// --- contents ------------------------------------------------------------------------------------

bool TSpread::SSSetData(int col, int row, const std::wstring& text) {
    grid::CellRef ref;
    return toRef(col, row, ref) && sheet_->setCellText(ref, text);
}

bool TSpread::SSSetValue(int col, int row, const std::wstring& text) {
    return SSSetData(col, row, text);
}

bool TSpread::SSSetFormula(int col, int row, const std::wstring& text) {
    grid::CellRef ref;
    return toRef(col, row, ref) && sheet_->setFormula(ref, text).ok();
}

bool TSpread::SSGetData(int col, int row, std::wstring& text) const {
    text.clear();
    grid::CellRef ref;
    if (!toRef(col, row, ref))
        return false;
    const auto found = sheet_->cellText(ref, grid::TextKind::Formatted);
    if (!found)
        return false;
    text = *found;
    return true;
}

bool TSpread::SSGetValue(int col, int row, std::wstring& text) const {
    text.clear();
    grid::CellRef ref;
    if (!toRef(col, row, ref))
        return false;
    const auto found = sheet_->cellText(ref, grid::TextKind::Value);
    if (!found)
        return false;
    text = *found;
    return true;
}

bool TSpread::SSGetFormula(int col, int row, std::wstring& text) const {
    text.clear();
    grid::CellRef ref;
    if (!toRef(col, row, ref))
        return false;
    const auto found = sheet_->cellText(ref, grid::TextKind::Formula);
    if (!found)
        return false;
    text = *found;
    return true;
}

bool TSpread::SSSetCellTag(int col, int row, const std::wstring& tag) {
    grid::CellRef ref;
    return toRef(col, row, ref) && sheet_->setTag(ref, tag);
}

bool TSpread::SSGetCellTag(int col, int row, std::wstring& tag) const {
    tag.clear();
    grid::CellRef ref;
    if (!toRef(col, row, ref))
        return false;
    const auto found = sheet_->cellText(ref, grid::TextKind::Tag);
    if (!found)
        return false;
    tag = *found;
    return true;
}

// --- spans ---------------------------------------------------------------------------------------

bool TSpread::SSAddCellSpan(int col, int row, int numCols, int numRows) {
    grid::CellRef first;
    if (numCols < 1 || numRows < 1 || !toRef(col, row, first))
        return false;
    const grid::CellRange block{first, {first.col + numCols - 1, first.row + numRows - 1}};
    return sheet_->addSpan(block);
}

bool TSpread::SSRemoveCellSpan(int col, int row) {
    grid::CellRef ref;
    return toRef(col, row, ref) && sheet_->removeSpan(ref);
}

int TSpread::SSGetCellSpan(int col, int row, int& anchorCol, int& anchorRow, int& numCols,
                           int& numRows) const {
    grid::CellRef ref;
    if (!toRef(col, row, ref))
        return kSpanNo;
    const auto span = sheet_->spanAt(ref);
    if (!span)
        return kSpanNo;
    anchorCol = span->first.col == 0 ? kHeader : span->first.col;
    anchorRow = span->first.row == 0 ? kHeader : span->first.row;
    numCols = span->columns();
    numRows = span->rows();
    return span->first == ref ? kSpanAnchor : kSpanYes;
}

// --- layout --------------------------------------------------------------------------------------

bool TSpread::SSSetColWidthInPixels(int col, int pixels) {
    const int c = gridIndex(col);
    return c >= 0 && sheet_->setColumnWidth(c, pixels);
}

bool TSpread::SSGetColWidthInPixels(int col, int& pixels) const {
    const int c = gridIndex(col);
    const int width = c >= 0 ? sheet_->columnWidth(c) : -1;
    if (width < 0)
        return false;
    pixels = width;
    return true;
}

bool TSpread::SSSetColWidth(int col, double characters) {
    if (!(characters >= 0))
        return false;
    return SSSetColWidthInPixels(col, static_cast<int>(std::lround(characters * 7 + 5)));
}

bool TSpread::SSSetRowHeightInPixels(int row, int pixels) {
    const int r = gridIndex(row);
    return r >= 0 && sheet_->setRowHeight(r, pixels);
}

bool TSpread::SSGetRowHeightInPixels(int row, int& pixels) const {
    const int r = gridIndex(row);
    const int height = r >= 0 ? sheet_->rowHeight(r) : -1;
    if (height < 0)
        return false;
    pixels = height;
    return true;
}

bool TSpread::SSIsRowHidden(int row) const {
    return sheet_->isRowHidden(row);
}

bool TSpread::SSGetMaxTextCellSize(int col, int row, int& width, int& height) const {
    grid::CellRef ref;
    if (!toRef(col, row, ref))
        return false;
    const grid::CellFormat format = sheet_->format(ref).value_or(grid::CellFormat());
    const std::wstring text = sheet_->cellText(ref, grid::TextKind::Formatted).value_or(L"");
    const int fontHeight =
        format.font.height != 0 ? std::abs(format.font.height) : kDefaultFontHeight;
    const int charWidth = std::max(1, (fontHeight + 1) / 2) + (format.font.weight >= 700 ? 1 : 0);
    int lines = 1;
    int longest = 0;
    int current = 0;
    for (const wchar_t c : text) {
        if (c == L'\n') {
            ++lines;
            current = 0;
        } else if (c != L'\r') {
            longest = std::max(longest, ++current);
        }
    }
    width = longest * charWidth + 8;
    if (format.type.kind() == grid::CellType::Kind::CheckBox)
        width += 13 + (longest > 0 ? 4 : 0);
    height = lines * (fontHeight + 3) + 2;
    return true;
}

// --- structure -----------------------------------------------------------------------------------

bool TSpread::SSInsRow(int row) {
    return sheet_->insertRows(row, 1);
}

bool TSpread::SSDelRow(int row) {
    return sheet_->deleteRows(row, 1);
}

bool TSpread::SSInsCol(int col) {
    return sheet_->insertColumns(col, 1);
}

bool TSpread::SSDelCol(int col) {
    return sheet_->deleteColumns(col, 1);
}

bool TSpread::SSCopyRange(int col, int row, int col2, int row2, int destCol, int destRow) {
    grid::CellRange block;
    grid::CellRef target;
    return toBlock(col, row, col2, row2, block) && toRef(destCol, destRow, target) &&
           sheet_->copyRange(block, target);
}

bool TSpread::SSMoveRange(int col, int row, int col2, int row2, int destCol, int destRow) {
    grid::CellRange block;
    grid::CellRef target;
    return toBlock(col, row, col2, row2, block) && toRef(destCol, destRow, target) &&
           sheet_->moveRange(block, target);
}

// --- locks, active cell, selection, editing ------------------------------------------------------

bool TSpread::SSSetLockRange(int col, int row, int col2, int row2, bool lock) {
    grid::CellRange block;
    return toBlock(col, row, col2, row2, block) && sheet_->setLocked(block, lock);
}

bool TSpread::SSGetLock(int col, int row) const {
    grid::CellRef ref;
    return toRef(col, row, ref) && sheet_->isLocked(ref);
}

bool TSpread::SSSetActiveCell(int col, int row) {
    return sheet_->setActiveCell({col, row});
}

bool TSpread::SSGetActiveCell(int& col, int& row) const {
    const auto active = sheet_->activeCell();
    if (!active)
        return false;
    col = active->col;
    row = active->row;
    return true;
}

bool TSpread::SSSetSelection(int col, int row, int col2, int row2) {
    return sheet_->setSelection({{col, row}, {col2, row2}});
}

bool TSpread::SSGetSelectBlock(int& col, int& row, int& col2, int& row2) const {
    const auto block = sheet_->selection();
    if (!block)
        return false;
    col = block->first.col;
    row = block->first.row;
    col2 = block->last.col;
    row2 = block->last.row;
    return true;
}

bool TSpread::SSSetEditMode(bool on) {
    return sheet_->setEditMode(on);
}

bool TSpread::SSGetEditMode() const {
    return sheet_->editMode();
}

bool TSpread::SSSetEditSel(int start, int length) {
    return sheet_->setEditSelection(start, length);
}

void TSpread::SSGetEditSel(int& start, int& length) const {
    start = sheet_->editSelectionStart();
    length = sheet_->editSelectionLength();
}

// --- formats -------------------------------------------------------------------------------------

bool TSpread::SSSetFontRange(int col, int row, int col2, int row2, const CFont& font) {
    grid::CellRange block;
    if (!toBlock(col, row, col2, row2, block))
        return false;
    grid::CellFont cellFont;
    cellFont.face = font.faceName();
    cellFont.height = font.height();
    cellFont.weight = font.weight();
    return sheet_->setFont(block, cellFont);
}

bool TSpread::SSSetBorderRange(int col, int row, int col2, int row2, int type, int style,
                               COLORREF colour) {
    grid::CellRange block;
    return toBlock(col, row, col2, row2, block) &&
           sheet_->setBorder(block, grid::CellBorder{type, style, colour});
}

bool TSpread::SSSetColorRange(int col, int row, int col2, int row2, COLORREF background,
                              COLORREF foreground) {
    grid::CellRange block;
    return toBlock(col, row, col2, row2, block) &&
           sheet_->setColours(block, background, foreground);
}
