#include "platform/grid/sheet/SheetLayout.h"

namespace grid {

namespace {

// The key after inserting or deleting `count` at `at`; -1 when it was deleted.
int shifted(int key, int at, int count) {
    if (key < at)
        return key;
    if (count > 0)
        return key + count;
    if (key < at - count)
        return -1;
    return key + count;
}

template <typename Map> Map shiftMap(const Map& in, int at, int count) {
    Map out;
    for (const auto& [key, value] : in) {
        const int moved = shifted(key, at, count);
        if (moved >= 0)
            out.emplace(moved, value);
    }
    return out;
}

} // namespace

int SheetLayout::columnWidth(int col) const {
    const auto it = columnWidths_.find(col);
    return it == columnWidths_.end() ? kDefaultColumnWidth : it->second;
}

void SheetLayout::setColumnWidth(int col, int pixels) {
    if (pixels == kDefaultColumnWidth)
        columnWidths_.erase(col);
    else
        columnWidths_[col] = pixels;
}

int SheetLayout::rowHeight(int row) const {
    const auto it = rowHeights_.find(row);
    return it == rowHeights_.end() ? kDefaultRowHeight : it->second;
}

void SheetLayout::setRowHeight(int row, int pixels) {
    if (pixels == kDefaultRowHeight)
        rowHeights_.erase(row);
    else
        rowHeights_[row] = pixels;
}

void SheetLayout::setRowHidden(int row, bool hidden) {
    if (hidden)
        hiddenRows_.insert(row);
    else
        hiddenRows_.erase(row);
}

void SheetLayout::shiftRows(int at, int count) {
    rowHeights_ = shiftMap(rowHeights_, at, count);
    std::set<int> hidden;
    for (const int row : hiddenRows_) {
        const int moved = shifted(row, at, count);
        if (moved >= 0)
            hidden.insert(moved);
    }
    hiddenRows_ = std::move(hidden);
}

void SheetLayout::shiftColumns(int at, int count) {
    columnWidths_ = shiftMap(columnWidths_, at, count);
}

void SheetLayout::truncate(int maxCols, int maxRows) {
    columnWidths_.erase(columnWidths_.upper_bound(maxCols), columnWidths_.end());
    rowHeights_.erase(rowHeights_.upper_bound(maxRows), rowHeights_.end());
    hiddenRows_.erase(hiddenRows_.upper_bound(maxRows), hiddenRows_.end());
}

} // namespace grid
