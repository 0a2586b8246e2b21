#pragma once

#include "platform/core/text/Vdn_StringArray.h"
#include "spreadsheet/Vdn_Spread.h"

#include <vector>

// One sheet of the general-variables dialog: a data column per list of its group (names
// first, the filter last) and a last column of "..." buttons that choose filter paths.
//
// Rows named alike in a run show their name once, in one tall cell; the join is laid out
// again after every change of the rows (refresh). Typing into such a cell renames every row
// it joins, so that the rows stay one variable.
class GenVarGrid {
public:
    // A data column: the numbered text of its header, and its width in pixels (0: the
    // columns without a width share what the others leave).
    struct Column {
        int headerText = 0;
        int width = 0;
    };
    // The width of the "..." buttons' column.
    static constexpr int kButtonWidth = 28;

    explicit GenVarGrid(std::vector<Column> columns);

    // Creates the sheet in place of the dialog's placeholder; false when it cannot.
    bool attach(CWnd* dialog, int placeholderId);
    Vdn_Spread& spread() { return spread_; }
    const Vdn_Spread& spread() const { return spread_; }

    int dataColumns() const { return static_cast<int>(columns_.size()); }
    int filterColumn() const { return dataColumns(); }
    int buttonColumn() const { return dataColumns() + 1; }

    // One row per name, the lists in column order (a shorter list leaves its cells empty);
    // an empty group gets one empty row.
    void fill(const std::vector<const Vdn_StringArray*>& lists);
    // The lists in column order, one entry per row that holds any text; rows left entirely
    // empty are not taken.
    void read(const std::vector<Vdn_StringArray*>& lists) const;

    // The grid's buttons; each acts on the active row.
    void addRow();
    void removeRow();
    void moveUp();
    void moveDown();
    // The paths appended to the active row's filter (see appendFilterPaths).
    void appendToFilter(const Vdn_StringArray& paths);
    // A user typed into a cell: a name typed into a joined cell goes to every row it joins.
    void cellTyped();

    // Joins the names, makes the button column and joins the filter header with it.
    void refresh();

private:
    Vdn_String cellText(int col, int row) const;
    // The active row, if there is one within the sheet.
    int currentRow();

    // The active cell at column 1 of row, nothing selected.
    void activate(int row);

    std::vector<Column> columns_;
    Vdn_Spread spread_;
};
