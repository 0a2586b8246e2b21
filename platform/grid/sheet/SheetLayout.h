#pragma once

#include <map>
#include <set>

namespace grid {

// Column widths and row heights in pixels, and hidden rows. Column 0 is the row-header column,
// row 0 the column-header row. Only sizes that differ from the default are stored.
class SheetLayout {
public:
    static constexpr int kDefaultColumnWidth = 64;
    static constexpr int kDefaultRowHeight = 20;

    int columnWidth(int col) const;
    void setColumnWidth(int col, int pixels);
    int rowHeight(int row) const;
    void setRowHeight(int row, int pixels);
    bool isRowHidden(int row) const { return hiddenRows_.count(row) != 0; }
    void setRowHidden(int row, bool hidden);

    const std::map<int, int>& columnWidths() const { return columnWidths_; }
    const std::map<int, int>& rowHeights() const { return rowHeights_; }
    const std::set<int>& hiddenRows() const { return hiddenRows_; }

    // Inserting (count > 0) or deleting (count < 0) rows or columns at `at` (never 0).
    void shiftRows(int at, int count);
    void shiftColumns(int at, int count);
    // Forgets what lies beyond the sheet's new size.
    void truncate(int maxCols, int maxRows);

private:
    std::map<int, int> columnWidths_;
    std::map<int, int> rowHeights_;
    std::set<int> hiddenRows_;
};

} // namespace grid
