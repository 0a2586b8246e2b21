#include "platform/grid/sheet/Sheet.h"
#include "spreadsheet/RedrawPause.h"
#include "spreadsheet/Vdn_Spread.h"

#include <algorithm>

// The sheet's size, fonts and column widths.

namespace {

// Status of the control's text tips when they are shown.
constexpr int kTextTipsOn = 1;
// Cell type that size mode 2 gives the header cells.
constexpr DWORD kHeaderStaticStyle = 140;

} // namespace

void Vdn_Spread::copyFormat(int fromCol, int fromRow, int col, int row, int col2, int row2) {
    grid::Sheet& cells = sheet();
    const auto format = cells.format({fromCol, fromRow});
    if (!format)
        return;
    const grid::CellRange block{{col, row}, {col2, row2}};
    cells.setCellType(block, format->type);
    cells.setLocked(block, format->locked);
    cells.setFont(block, format->font);
    cells.setColours(block, format->background, format->foreground);
    cells.setBorder(block, format->border);
}

void Vdn_Spread::setRowFonts(int from, int to) {
    if (from > to)
        return;
    setFontRange(kHeader, from, kHeader, to, true);
    if (SSGetMaxCols() >= 1)
        setFontRange(1, from, SSGetMaxCols(), to, false);
}

void Vdn_Spread::setColumnFonts(int from, int to) {
    if (from > to)
        return;
    setFontRange(from, kHeader, to, kHeader, true);
    if (SSGetMaxRows() >= 1)
        setFontRange(from, 1, to, SSGetMaxRows(), false);
}

bool Vdn_Spread::setMaxRows(const int& rows, bool copyLast) {
    if (!attached || rows < 0)
        return false;
    RedrawPause pause(*this);
    const int old = SSGetMaxRows();
    if (!SSSetMaxRows(rows))
        return false;
    if (rows <= old)
        return true;
    if (copyLast && old >= 1) {
        for (int col = 0; col <= SSGetMaxCols(); ++col)
            copyFormat(col, old, col, old + 1, col, rows);
    }
    // Only the new rows get fonts: the old last row keeps its own (a bold total row stays bold).
    if (old == 0)
        setHeaderFonts();
    else
        setFontRange(kHeader, old + 1, kHeader, rows, true);
    if (SSGetMaxCols() >= 1)
        setFontRange(1, old + 1, SSGetMaxCols(), rows, false);
    return true;
}

bool Vdn_Spread::setMaxCols(const int& cols, bool copyLast) {
    if (!attached || cols < 0)
        return false;
    RedrawPause pause(*this);
    const int old = SSGetMaxCols();
    if (!SSSetMaxCols(cols))
        return false;
    if (cols <= old)
        return true;
    if (copyLast && old >= 1) {
        for (int row = 0; row <= SSGetMaxRows(); ++row)
            copyFormat(old, row, old + 1, row, cols, row);
    }
    if (old == 0)
        setHeaderFonts();
    else
        setFontRange(old + 1, kHeader, cols, kHeader, true);
    if (SSGetMaxRows() >= 1)
        setFontRange(old + 1, 1, cols, SSGetMaxRows(), false);
    return true;
}

bool Vdn_Spread::setFontRange(const int& col, const int& row, const int& col2, const int& row2,
                              bool bold, bool withTips) {
    if (!attached)
        return false;
    CFont font;
    font.CreateFont(fontSize, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                    0, 0, fontName.str());
    if (!SSSetFontRange(col, row, col2, row2, font))
        return false;
    if (withTips) {
        const TextTip tip = SSGetTextTip();
        SSSetTextTip(kTextTipsOn, tip.delay, &font, tip.background, tip.foreground);
    }
    return true;
}

bool Vdn_Spread::setHeaderFonts() {
    if (!attached)
        return false;
    if (SSGetMaxCols() >= 1)
        setFontRange(1, kHeader, SSGetMaxCols(), kHeader, true, true);
    if (SSGetMaxRows() >= 1)
        setFontRange(kHeader, 1, kHeader, SSGetMaxRows(), true, true);
    return true;
}

bool Vdn_Spread::setAllFonts(bool withTips) {
    if (!setHeaderFonts())
        return false;
    if (SSGetMaxCols() >= 1 && SSGetMaxRows() >= 1)
        setFontRange(1, 1, SSGetMaxCols(), SSGetMaxRows(), false, withTips);
    return true;
}

// --- column widths -------------------------------------------------------------------------------

int Vdn_Spread::clientWidth() const {
    CRect client;
    SSGetClientRect(&client);
    return client.Width();
}

bool Vdn_Spread::rowHeadersShown() const {
    return SSGetBool(kOptionRowHeaders);
}

Vdn_Array<int> Vdn_Spread::shownColumns() const {
    Vdn_Array<int> columns;
    if (rowHeadersShown())
        columns.append(kHeader);
    for (int col = 1; col <= SSGetMaxCols(); ++col)
        columns.append(col);
    return columns;
}

void Vdn_Spread::shareWidth(const Vdn_Array<int>& columns, int width) {
    if (columns.isEmpty())
        return;
    const int each = std::max(width, 0) / columns.length();
    for (const int col : columns)
        SSSetColWidthInPixels(col, each);
}

bool Vdn_Spread::setSizeMode(const int& mode, const int& param1, const int& param2) {
    if (!attached || mode < 0 || mode > 5)
        return false;
    sizeMode = mode;
    sizeParam1 = param1;
    sizeParam2 = param2;
    applySizeMode();
    return true;
}

bool Vdn_Spread::setSizeColumns(const Vdn_Array<int>& columns, const Vdn_Array<int>& widths) {
    if (!attached)
        return false;
    sizeColumns = columns;
    sizeWidths = widths;
    sizeMode = 5;
    applySizeMode();
    return true;
}

void Vdn_Spread::applySizeMode() {
    if (sizeMode == 0)
        return;
    RedrawPause pause(*this);
    const int cols = SSGetMaxCols();
    const int width = clientWidth();
    const Vdn_Array<int> all = shownColumns();
    const auto others = [&all](const auto& excluded) {
        Vdn_Array<int> rest;
        for (const int col : all) {
            if (!excluded(col))
                rest.append(col);
        }
        return rest;
    };
    switch (sizeMode) {
    case 1: {
        int verticalBar = 0;
        int horizontalBar = 0;
        SSGetScrollBarSize(verticalBar, horizontalBar);
        shareWidth(all, width - verticalBar);
        break;
    }
    case 2: {
        const grid::CellType headerType = SSSetTypeStaticText(kHeaderStaticStyle);
        SSSetCellTypeRange(kHeader, kHeader, cols >= 1 ? cols : kHeader, kHeader, headerType);
        if (SSGetMaxRows() >= 1)
            SSSetCellTypeRange(kHeader, 1, kHeader, SSGetMaxRows(), headerType);
        fitColumnWidths(false);
        fitRowHeights();
        break;
    }
    case 3: {
        const int n = sizeParam1;
        const int first = n > 0 ? 1 : std::max(1, cols + n + 1);
        const int last = n > 0 ? std::min(n, cols) : (n < 0 ? cols : 0);
        const auto inGroup = [first, last](int col) { return col >= first && col <= last; };
        Vdn_Array<int> group;
        for (int col = first; col <= last; ++col)
            group.append(col);
        if (group.isEmpty()) {
            shareWidth(all, width);
            break;
        }
        const int share = width * sizeParam2 / 100;
        shareWidth(group, share);
        shareWidth(others(inGroup), width - share);
        break;
    }
    case 4: {
        const int fixed = (sizeParam1 == 0 || sizeParam1 == kHeader) ? kHeader : sizeParam1;
        if (fixed != kHeader && (fixed < 1 || fixed > cols))
            break;
        SSSetColWidthInPixels(fixed, sizeParam2);
        shareWidth(others([fixed](int col) { return col == fixed; }), width - sizeParam2);
        break;
    }
    case 5: {
        Vdn_Array<int> listed;
        int used = 0;
        const int pairs = std::min(sizeColumns.length(), sizeWidths.length());
        for (int i = 0; i < pairs; ++i) {
            const int col = sizeColumns[i] == 0 ? kHeader : sizeColumns[i];
            if (col != kHeader && (col < 1 || col > cols))
                continue;
            SSSetColWidthInPixels(col, sizeWidths[i]);
            used += sizeWidths[i];
            listed.append(col);
        }
        shareWidth(others([&listed](int col) { return listed.contains(col); }), width - used);
        break;
    }
    default:
        break;
    }
}

bool Vdn_Spread::fitColumnWidths(bool skipType8) {
    if (!attached)
        return false;
    RedrawPause pause(*this);
    const int rows = SSGetMaxRows();
    for (int col = 0; col <= SSGetMaxCols(); ++col) {
        const int column = col == 0 ? kHeader : col;
        int widest = -1;
        for (int row = 0; row <= rows; ++row) {
            const int r = row == 0 ? kHeader : row;
            const int type = SSGetCellType(column, r);
            if (skipType8 && type == grid::CellType::kPictureCode)
                continue;
            std::wstring text;
            SSGetData(column, r, text);
            if (text.empty() && type != kCheckBoxType)
                continue;
            int width = 0;
            int height = 0;
            if (SSGetMaxTextCellSize(column, r, width, height))
                widest = std::max(widest, width);
        }
        if (widest >= 0)
            SSSetColWidthInPixels(column, widest);
    }
    return true;
}

bool Vdn_Spread::fitRowHeights() {
    if (!attached)
        return false;
    RedrawPause pause(*this);
    const int cols = SSGetMaxCols();
    for (int row = 0; row <= SSGetMaxRows(); ++row) {
        const int r = row == 0 ? kHeader : row;
        int tallest = -1;
        for (int col = 0; col <= cols; ++col) {
            const int column = col == 0 ? kHeader : col;
            std::wstring text;
            SSGetData(column, r, text);
            if (text.empty())
                continue;
            int width = 0;
            int height = 0;
            if (SSGetMaxTextCellSize(column, r, width, height))
                tallest = std::max(tallest, height);
        }
        if (tallest >= 0)
            SSSetRowHeightInPixels(r, tallest);
    }
    return true;
}

bool Vdn_Spread::fitAll() {
    return fitColumnWidths(false) && fitRowHeights();
}

bool Vdn_Spread::fillWidthWithColumn(const int& col) {
    if (!validCol(col))
        return false;
    int used = 0;
    int width = 0;
    if (rowHeadersShown() && SSGetColWidthInPixels(kHeader, width))
        used += width;
    for (int c = 1; c <= SSGetMaxCols(); ++c) {
        if (SSGetColWidthInPixels(c, width))
            used += width;
    }
    int verticalBar = 0;
    int horizontalBar = 0;
    SSGetScrollBarSize(verticalBar, horizontalBar);
    const int left = clientWidth() - used - verticalBar;
    if (left > 0 && SSGetColWidthInPixels(col, width))
        SSSetColWidthInPixels(col, width + left);
    return true;
}
