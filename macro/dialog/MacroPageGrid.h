#pragma once

#include "platform/core/model/MacroTabData.h"
#include "spreadsheet/Vdn_Spread.h"

#include <vector>

class CWnd;

// The grid below a macro page's design: one row for every element of the tab that the design
// does not place (cells, and on a bolt tab patterns; arrays), four columns: the name over
// columns 1 and 2 (or the name and a button), the value over 3 and 4 (or values and count).
// The element's control id becomes -row, so the value cycle finds its row.
class MacroPageGrid {
public:
    static constexpr int kColumns = 4;
    static constexpr int kTextLimit = 1000;

    enum class RowKind { Cell, Pattern, Array };
    struct Row {
        RowKind kind = RowKind::Cell;
        int element = 0;
        friend bool operator==(const Row&, const Row&) = default;
    };

    bool attach(CWnd* page, int placeholderId);
    bool isAttached() const { return attached_; }
    Vdn_Spread& spread() { return spread_; }

    // Decides the rows from the tab (setting the elements' ids to -row) and fills them.
    void build(MacroTabData& tab);
    // The rows in order; empty when the grid is hidden.
    const std::vector<Row>& rows() const { return rows_; }
    // Shows the tab's values in the rows again.
    void refresh(const MacroTabData& tab);
    // Reads the rows into the tab. A number cell keeps its value when its text is not a number.
    void read(MacroTabData& tab) const;
    // The row a grid row number stands for, or null.
    const Row* rowAt(int row) const;

    // The decision without a window: which elements get rows, in order.
    static std::vector<Row> rowsOf(const MacroTabData& tab);

private:
    void fillRow(int row, const Row& what, const MacroTabData& tab);
    void showRow(int row, const Row& what, const MacroTabData& tab);

    Vdn_Spread spread_;
    bool attached_ = false;
    std::vector<Row> rows_;
};
