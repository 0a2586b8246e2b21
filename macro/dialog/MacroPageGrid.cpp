#include "macro/dialog/MacroPageGrid.h"

#include "macro/dialog/MacroPageTexts.h"
#include "platform/core/model/MacroCellValue.h"
#include "platform/core/text/NumberedTexts.h"

namespace {

constexpr int kNameColumn = 1;
constexpr int kButtonColumn = 2;
constexpr int kValueColumn = 3;
constexpr int kCountColumn = 4;
constexpr int kNameWidth = 150;
constexpr int kButtonWidth = 60;

bool patternNeedsRow(const MacroPatternProps& pattern) {
    const bool valuesShown = pattern.valuesId > 0;
    const bool buttonShown = pattern.buttonId > 0;
    if (!valuesShown || !buttonShown)
        return true;
    return pattern.getCount() != -1 && pattern.countId <= 0;
}

} // namespace

bool MacroPageGrid::attach(CWnd* page, int placeholderId) {
    attached_ = spread_.attachToDlgItem(page, placeholderId, true) && spread_.setStandardLook(0);
    if (!attached_)
        return false;
    spread_.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
    spread_.setMaxCols(kColumns);
    spread_.setColumnNames({dialString(macropage::kNameHeader), Vdn_String(),
                            dialString(macropage::kValueHeader), Vdn_String()});
    spread_.SSAddCellSpan(kNameColumn, Vdn_Spread::kHeader, 2, 1);
    spread_.SSAddCellSpan(kValueColumn, Vdn_Spread::kHeader, 2, 1);
    spread_.setHeaderFonts();
    // The header column's share keeps room for the vertical scroll bar, so that no horizontal
    // one is needed.
    spread_.setSizeColumns({kNameColumn, kButtonColumn, Vdn_Spread::kHeader},
                           {kNameWidth, kButtonWidth, TSpread::kScrollBarSize + 2});
    spread_.setSizeMode(5);
    return true;
}

std::vector<MacroPageGrid::Row> MacroPageGrid::rowsOf(const MacroTabData& tab) {
    std::vector<Row> rows;
    for (int i = 0; i < tab.cells.length(); ++i) {
        if (tab.cells[i].controlId < 1)
            rows.push_back({RowKind::Cell, i});
    }
    if (tab.kind == MacroTabData::kBoltTab) {
        for (int i = 0; i < tab.patterns.length(); ++i) {
            if (patternNeedsRow(tab.patterns[i]))
                rows.push_back({RowKind::Pattern, i});
        }
    }
    for (int i = 0; i < tab.arrays.length(); ++i) {
        if (tab.arrays[i].buttonId < 1)
            rows.push_back({RowKind::Array, i});
    }
    return rows;
}

void MacroPageGrid::build(MacroTabData& tab) {
    rows_ = rowsOf(tab);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const int id = -static_cast<int>(i + 1);
        const Row& row = rows_[i];
        if (row.kind == RowKind::Cell) {
            tab.cells[row.element].controlId = id;
        } else if (row.kind == RowKind::Pattern) {
            MacroPatternProps& pattern = tab.patterns[row.element];
            for (int* unset : {&pattern.valuesId, &pattern.countId, &pattern.buttonId}) {
                if (*unset < 1)
                    *unset = id;
            }
        } else {
            DynArrayData& array = tab.arrays[row.element];
            array.buttonId = id;
            if (array.textIds[0] < 1)
                array.textIds[0] = id;
        }
    }
    if (!attached_)
        return;
    spread_.removeAllSpans();
    spread_.SSAddCellSpan(kNameColumn, Vdn_Spread::kHeader, 2, 1);
    spread_.SSAddCellSpan(kValueColumn, Vdn_Spread::kHeader, 2, 1);
    spread_.setMaxRows(static_cast<int>(rows_.size()));
    if (!rows_.empty())
        spread_.clearRows(1, static_cast<int>(rows_.size()));
    for (std::size_t i = 0; i < rows_.size(); ++i)
        fillRow(static_cast<int>(i + 1), rows_[i], tab);
    spread_.setAllFonts();
}

void MacroPageGrid::fillRow(int row, const Row& what, const MacroTabData& tab) {
    spread_.lockCell(kNameColumn, row, true);
    switch (what.kind) {
    case RowKind::Cell: {
        const MacroCell& cell = tab.cells[what.element];
        spread_.SSAddCellSpan(kNameColumn, row, 2, 1);
        spread_.SSAddCellSpan(kValueColumn, row, 2, 1);
        switch (cell.kind) {
        case MacroCell::kPickList:
            spread_.setComboCells(kValueColumn, row, kValueColumn, row, cell.items, false);
            break;
        case MacroCell::kEditableList:
            spread_.setComboCells(kValueColumn, row, kValueColumn, row, cell.items, true);
            break;
        case MacroCell::kCheckBox:
            spread_.setCheckBoxCell(kValueColumn, row, false);
            break;
        default:
            spread_.setEditCells(kValueColumn, row, kValueColumn, row, Vdn_Spread::kEditStyle,
                                 kTextLimit);
            break;
        }
        spread_.lockCell(kValueColumn, row, cell.readOnly);
        break;
    }
    case RowKind::Pattern: {
        const MacroPatternProps& pattern = tab.patterns[what.element];
        spread_.setTextButtonCell(kButtonColumn, row, dialString(macropage::kPatternButtonText));
        spread_.setEditCells(kValueColumn, row, kCountColumn, row, Vdn_Spread::kEditStyle,
                             kTextLimit);
        if (pattern.getCount() == -1)
            spread_.SSAddCellSpan(kValueColumn, row, 2, 1);
        break;
    }
    case RowKind::Array:
        spread_.setTextButtonCell(kButtonColumn, row, dialString(macropage::kArrayButtonText));
        spread_.setEditCells(kValueColumn, row, kValueColumn, row, Vdn_Spread::kEditStyle,
                             kTextLimit);
        spread_.SSAddCellSpan(kValueColumn, row, 2, 1);
        break;
    }
    showRow(row, what, tab);
}

void MacroPageGrid::showRow(int row, const Row& what, const MacroTabData& tab) {
    switch (what.kind) {
    case RowKind::Cell: {
        const MacroCell& cell = tab.cells[what.element];
        spread_.setCellText(kNameColumn, row,
                            cell.displayName.isEmpty() ? cell.name : cell.displayName);
        if (cell.kind == MacroCell::kCheckBox)
            spread_.setCheck(kValueColumn, row, cell.value.toDouble() > 0);
        else
            spread_.setCellText(kValueColumn, row, cell.value);
        break;
    }
    case RowKind::Pattern: {
        const MacroPatternProps& pattern = tab.patterns[what.element];
        spread_.setCellText(kNameColumn, row, pattern.name);
        spread_.setCellText(kValueColumn, row, pattern.valuesText);
        if (pattern.getCount() != -1)
            spread_.setCellText(kCountColumn, row, pattern.countText);
        break;
    }
    case RowKind::Array: {
        const DynArrayData& array = tab.arrays[what.element];
        spread_.setCellText(kNameColumn, row, array.name);
        spread_.setCellText(kValueColumn, row, array.texts[0]);
        break;
    }
    }
}

void MacroPageGrid::refresh(const MacroTabData& tab) {
    if (!attached_)
        return;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row& what = rows_[i];
        const bool valid =
            (what.kind == RowKind::Cell && tab.cells.isValidIndex(what.element)) ||
            (what.kind == RowKind::Pattern && tab.patterns.isValidIndex(what.element)) ||
            (what.kind == RowKind::Array && tab.arrays.isValidIndex(what.element));
        if (!valid)
            continue;
        const int row = static_cast<int>(i + 1);
        showRow(row, what, tab);
        if (what.kind == RowKind::Cell)
            spread_.lockCell(kValueColumn, row, tab.cells[what.element].readOnly);
    }
}

void MacroPageGrid::read(MacroTabData& tab) const {
    if (!attached_)
        return;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row& what = rows_[i];
        const int row = static_cast<int>(i + 1);
        Vdn_String text;
        switch (what.kind) {
        case RowKind::Cell: {
            if (!tab.cells.isValidIndex(what.element))
                break;
            MacroCell& cell = tab.cells[what.element];
            if (cell.readOnly)
                break;
            if (cell.kind == MacroCell::kCheckBox) {
                bool checked = false;
                if (spread_.getCheck(kValueColumn, row, checked))
                    cell.value = checked ? L"1" : L"0";
                break;
            }
            spread_.getCellText(kValueColumn, row, text, Vdn_Spread::kCellValue);
            // The exact number typed; a text the cell cannot take keeps the value there was.
            if (cell.kind == MacroCell::kNumber)
                text = text.trim();
            if (!cellTextProblem(cell, text))
                cell.value = text;
            break;
        }
        case RowKind::Pattern:
            if (!tab.patterns.isValidIndex(what.element))
                break;
            spread_.getCellText(kValueColumn, row, text, Vdn_Spread::kCellValue);
            tab.patterns[what.element].valuesText = text;
            if (tab.patterns[what.element].getCount() != -1 &&
                spread_.getCellText(kCountColumn, row, text, Vdn_Spread::kCellValue))
                tab.patterns[what.element].countText = text;
            break;
        case RowKind::Array:
            // The first text belongs to the row only when no design control shows it.
            if (!tab.arrays.isValidIndex(what.element) ||
                tab.arrays[what.element].textIds[0] != -row)
                break;
            spread_.getCellText(kValueColumn, row, text, Vdn_Spread::kCellValue);
            tab.arrays[what.element].texts[0] = text;
            break;
        }
    }
}

const MacroPageGrid::Row* MacroPageGrid::rowAt(int row) const {
    return row >= 1 && row <= static_cast<int>(rows_.size())
               ? &rows_[static_cast<std::size_t>(row - 1)]
               : nullptr;
}
