#include "spreadsheet/tree/TfTreeSpread.h"

#include "module/dynMenu.h"
#include "spreadsheet/tree/CTreeDropTarget.h"

#include <algorithm>
#include <string>

// The outline kept in the cells: set-up, rows, layout, queries and expanding. The menu, the
// mouse and drag and drop are in TfTreeSpreadInput.cpp.

namespace {

// The formula that marks a level column of a row; its value is the glyph's state.
constexpr const wchar_t* kExpanded = L"1";
constexpr const wchar_t* kCollapsed = L"0";

// Options of the control a tree switches off and on, and its look.
constexpr int kOptionsOff[] = {8, 7, 4, 3, 10};
constexpr int kOptionsOn[] = {32, 33, 23};
constexpr int kTreeGridType = 7;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kSelectionBlue = 0xAA0000;
constexpr int kOperationModeSetting = 2;
constexpr int kOperationModeRow = 3;
constexpr DWORD kGlyphStyle = 0x210024; // a bitmap picture button

} // namespace

TfTreeSpread::TfTreeSpread() = default;

TfTreeSpread::~TfTreeSpread() {
    if (dropTarget_)
        dropTarget_->Revoke();
}

bool TfTreeSpread::setUp(int firstTreeColumn, int keyColumn, DropCallback callback, bool,
                         bool rootColumn) {
    if (!isAttached() || firstTreeColumn < 1 || keyColumn < 1)
        return false;
    treeMode_ = true;
    for (const int option : kOptionsOff)
        SSSetBool(option, false);
    for (const int option : kOptionsOn)
        SSSetBool(option, true);
    SSSetGridType(kTreeGridType);
    SSSetGridColor(kWhite);
    SSSetSelColor(kSelectionBlue, kWhite);
    SSSetGrayAreaColor(kWhite, kWhite);
    SSSetIntSetting(kOperationModeSetting, kOperationModeRow);

    firstTreeColumn_ = firstTreeColumn;
    keyColumn_ = keyColumn;
    SSSetMaxRows(0);
    SSSetMaxCols(0);
    rootColumn_ = rootColumn;
    levelCount_ = 0;

    if (dropTarget_) {
        dropTarget_->Revoke();
        dropTarget_.reset();
    }
    dropEnabled_ = static_cast<bool>(callback);
    dropCallback_ = std::move(callback);
    if (dropEnabled_) {
        dropTarget_ = std::make_unique<CTreeDropTarget>(*this);
        dropTarget_->Register(this);
    }
    return true;
}

// --- rows ----------------------------------------------------------------------------------------

int TfTreeSpread::levelColumnOf(int level) const {
    const int col = firstTreeColumn_ + level - (rootColumn_ ? 1 : 2);
    return col >= firstTreeColumn_ ? col : -1;
}

bool TfTreeSpread::validRow(int row) const {
    return treeMode_ && row >= 1 && row <= SSGetMaxRows();
}

int TfTreeSpread::writeRow(int row, int level, const Vdn_StringArray& texts) {
    // The caller's texts with the level columns between its first firstTreeColumn - 1 texts
    // and the rest.
    Vdn_StringArray cells;
    for (int i = 0; i < std::max(texts.length(), firstTreeColumn_ - 1) + 1; ++i) {
        if (i == firstTreeColumn_ - 1) {
            for (int k = 0; k < levelCount_; ++k)
                cells.append(Vdn_String());
        }
        if (i < texts.length())
            cells.append(texts[i]);
        else if (i < firstTreeColumn_ - 1)
            cells.append(Vdn_String());
    }
    if (SSGetMaxCols() < cells.length())
        SSSetMaxCols(cells.length());
    for (int i = 0; i < cells.length(); ++i)
        SSSetData(i + 1, row, cells[i].str());
    const int lastMark = levelColumnOf(level);
    for (int col = firstTreeColumn_; col <= lastMark; ++col)
        SSSetFormula(col, row, kExpanded);
    return row;
}

int TfTreeSpread::addRootRow(const Vdn_StringArray& texts) {
    if (!treeMode_ || !isAttached())
        return -1;
    if (rootColumn_ && levelCount_ < 1)
        levelCount_ = 1;
    const int row = SSGetMaxRows() + 1;
    if (!SSSetMaxRows(row))
        return -1;
    return writeRow(row, 1, texts);
}

int TfTreeSpread::addChildRow(int parent, const Vdn_StringArray& texts) {
    if (!validRow(parent))
        return -1;
    const int level = getLevel(parent) + 1;
    const int needed = level - (rootColumn_ ? 0 : 1);
    if (levelCount_ < needed) {
        // The deepest row so far: a level column before the texts. Spans would be cut by it,
        // so they go and layOut builds them again.
        removeTreeSpans();
        // Inserting keeps the sheet's size, so the sheet grows first.
        if (!SSSetMaxCols(SSGetMaxCols() + 1) || !SSInsCol(textColumn()))
            return -1;
        ++levelCount_;
    }
    const bool hidden = SSIsRowHidden(parent) || (hasChildren(parent) && !isExpanded(parent));
    const int row = lastDescendant(parent) + 1;
    if (!SSSetMaxRows(SSGetMaxRows() + 1) || !SSInsRow(row))
        return -1;
    writeRow(row, level, texts);
    if (hidden)
        SSShowRow(row, false);
    return row;
}

// --- layout --------------------------------------------------------------------------------------

void TfTreeSpread::removeTreeSpans() {
    const int rows = SSGetMaxRows();
    for (int row = 1; row <= rows; ++row) {
        for (int col = firstTreeColumn_; col <= textColumn() && col <= SSGetMaxCols(); ++col) {
            int anchorCol = 0, anchorRow = 0, cols = 0, spanRows = 0;
            if (SSGetCellSpan(col, row, anchorCol, anchorRow, cols, spanRows) == kSpanAnchor)
                SSRemoveCellSpan(col, row);
        }
    }
}

void TfTreeSpread::setGlyph(int col, int row, int kind) {
    std::wstring up;
    std::wstring down;
    if (kind != kNoGlyph) {
        up = std::to_wstring(kGlyphPictures[static_cast<std::size_t>(kind - 1)].first);
        down = std::to_wstring(kGlyphPictures[static_cast<std::size_t>(kind - 1)].second);
    }
    SSSetCellType(col, row, SSSetTypeButton(kGlyphStyle, L"", up, down, kButtonTypeTwoState));
    SSSetCellTag(col, row, std::to_wstring(kind));
    // The tree sets the state itself; a click must not flip the picture of a row that does
    // not toggle.
    SSSetLockRange(col, row, col, row, true);
}

bool TfTreeSpread::layOut() {
    if (!treeMode_ || !isAttached())
        return false;
    const int rows = SSGetMaxRows();
    const int text = textColumn();
    if (SSGetMaxCols() < text)
        SSSetMaxCols(text);
    removeTreeSpans();

    // Each row's text moves to the first column after its glyph, spanning up to the text
    // column.
    for (int row = 1; row <= rows; ++row) {
        const int start = std::max(levelColumnOf(getLevel(row)) + 1, firstTreeColumn_);
        if (start >= text)
            continue;
        std::wstring found;
        for (int col = start; col <= text && found.empty(); ++col)
            SSGetValue(col, row, found);
        for (int col = start; col <= text; ++col)
            SSSetData(col, row, L"");
        SSSetData(start, row, found);
        SSAddCellSpan(start, row, text - start + 1, 1);
    }

    for (int col = firstTreeColumn_; col < text; ++col)
        SSSetColWidthInPixels(col, kGlyphSize);

    for (int level = rootColumn_ ? 1 : 2; levelColumnOf(level) >= 1 && levelColumnOf(level) < text;
         ++level) {
        const int col = levelColumnOf(level);
        for (int row = 1; row <= rows; ++row) {
            const int rowLevel = getLevel(row);
            if (rowLevel < level)
                continue;
            int kind = kNoGlyph;
            if (rowLevel > level) {
                kind = continuesBelow(row, level) ? 7 : kNoGlyph;
            } else if (row == 1 && level == 1) {
                kind = continuesBelow(row, 1) ? 1 : 2;
            } else {
                const bool later = continuesBelow(row, level);
                kind = hasChildren(row) ? (later ? 3 : 4) : (later ? 5 : 6);
            }
            setGlyph(col, row, kind);
        }
    }
    SSSetBool(kOptionRedraw, true);
    return true;
}

// --- queries -------------------------------------------------------------------------------------

int TfTreeSpread::getLevel(int row) const {
    if (!validRow(row))
        return -1;
    int marks = 0;
    for (int col = firstTreeColumn_; col < textColumn(); ++col) {
        std::wstring formula;
        if (!SSGetFormula(col, row, formula) || formula.empty())
            break;
        ++marks;
    }
    if (marks == 0)
        return 1;
    return marks + (rootColumn_ ? 0 : 1);
}

int TfTreeSpread::lastDescendant(int row) const {
    if (!validRow(row))
        return -1;
    const int level = getLevel(row);
    int last = row;
    while (last + 1 <= SSGetMaxRows() && getLevel(last + 1) > level)
        ++last;
    return last;
}

bool TfTreeSpread::hasChildren(int row) const {
    return validRow(row) && row < SSGetMaxRows() && getLevel(row + 1) > getLevel(row);
}

int TfTreeSpread::parentRow(int row) const {
    if (!validRow(row))
        return -1;
    const int level = getLevel(row);
    for (int above = row - 1; above >= 1; --above) {
        if (getLevel(above) < level)
            return above;
    }
    return -1;
}

bool TfTreeSpread::continuesBelow(int row, int level) const {
    for (int below = row + 1; below <= SSGetMaxRows(); ++below) {
        const int belowLevel = getLevel(below);
        if (belowLevel <= level)
            return belowLevel == level;
    }
    return false;
}

bool TfTreeSpread::isLastSibling(int row) const {
    return validRow(row) && !continuesBelow(row, getLevel(row));
}

int TfTreeSpread::glyphColumn(int row) const {
    return validRow(row) ? levelColumnOf(getLevel(row)) : -1;
}

int TfTreeSpread::glyphKind(int col, int row) const {
    std::wstring tag;
    if (!validRow(row) || col < firstTreeColumn_ || col >= textColumn() ||
        !SSGetCellTag(col, row, tag) || tag.empty())
        return kNoGlyph;
    return std::stoi(tag);
}

bool TfTreeSpread::isExpanded(int row) const {
    const int col = glyphColumn(row);
    if (col < 1) // a root without a box: expanded while its first child shows
        return hasChildren(row) && !SSIsRowHidden(row + 1);
    std::wstring value;
    return SSGetValue(col, row, value) && value == kExpanded;
}

Vdn_String TfTreeSpread::rowText(int row) const {
    if (!validRow(row))
        return {};
    std::wstring text;
    for (int col = std::max(glyphColumn(row) + 1, firstTreeColumn_);
         col <= textColumn() && text.empty(); ++col)
        SSGetValue(col, row, text);
    return Vdn_String(std::move(text));
}

Vdn_String TfTreeSpread::keyText(int row) const {
    if (!validRow(row))
        return {};
    if (keyColumn_ < firstTreeColumn_) {
        std::wstring text;
        SSGetValue(keyColumn_, row, text);
        return Vdn_String(std::move(text));
    }
    if (keyColumn_ == firstTreeColumn_)
        return rowText(row);
    std::wstring text;
    SSGetValue(keyColumn_ + levelCount_, row, text);
    return Vdn_String(std::move(text));
}

// --- expanding and collapsing --------------------------------------------------------------------

void TfTreeSpread::setExpandedLook(int row, bool expanded) {
    const int col = glyphColumn(row);
    if (col >= 1)
        SSSetFormula(col, row, expanded ? kExpanded : kCollapsed);
}

bool TfTreeSpread::toggleRow(int row) {
    if (!hasChildren(row))
        return false;
    const int last = lastDescendant(row);
    const bool expand = SSIsRowHidden(row + 1);
    setExpandedLook(row, expand);
    for (int below = row + 1; below <= last; ++below) {
        SSShowRow(below, expand);
        // A nested branch shown again is shown whole, so its box must say so.
        if (expand && hasChildren(below))
            setExpandedLook(below, true);
    }
    return true;
}

void TfTreeSpread::expandAll() {
    for (int row = 1; row <= SSGetMaxRows(); ++row) {
        SSShowRow(row, true);
        if (hasChildren(row))
            setExpandedLook(row, true);
    }
}
