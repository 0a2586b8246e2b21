#pragma once

#include "platform/grid/calc/DependencyGraph.h"
#include "platform/grid/formula/ReferenceStyle.h"
#include "platform/grid/functions/CustomFunction.h"
#include "platform/grid/sheet/CellBorder.h"
#include "platform/grid/sheet/CellFont.h"
#include "platform/grid/sheet/CellFormat.h"
#include "platform/grid/sheet/CellRange.h"
#include "platform/grid/sheet/CellRef.h"
#include "platform/grid/sheet/CellType.h"
#include "platform/grid/sheet/Limits.h"
#include "platform/grid/sheet/Result.h"
#include "platform/grid/sheet/SheetEvalContext.h"
#include "platform/grid/sheet/SheetModel.h"
#include "platform/grid/sheet/TextKind.h"
#include "platform/grid/values/Value.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grid {

// The spreadsheet control's engine: one sheet of cells with their types and formats, formulas
// kept up to date through a dependency graph, custom functions, and its files (.tfs, CSV).
//
// Cells count from 1; column 0 is the row-header column and row 0 the column-header row, whose
// texts are the row and column names. An index outside the sheet makes an operation return
// false (-1, nullopt) and change nothing. Formulas live only in body cells.
class Sheet {
public:
    Sheet();
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    int maxCols() const { return model_.maxCols; }
    int maxRows() const { return model_.maxRows; }
    // Growing adds empty rows (columns); shrinking drops everything beyond the new size.
    bool setMaxCols(int cols);
    bool setMaxRows(int rows);

    // --- Contents ---
    // Stores text as the cell's type takes it (a number cell refuses text that is no number
    // within its range); any formula of the cell goes. Empty text empties the cell.
    bool setCellText(CellRef cell, std::wstring_view text);
    // Sets and computes a formula (leading '=' optional; empty text removes the formula and
    // empties the cell). A formula that does not parse is rejected with the character offset
    // and reason, and the cell keeps what it held.
    Result setFormula(CellRef cell, std::wstring_view text);
    // Sets and computes a formula parsed before (Formula::parse for this cell and the sheet's
    // reference style), so that a formula set again and again is parsed once. Null empties
    // the cell.
    Result setFormula(CellRef cell, FormulaPtr formula);
    // Empties the value and formula; the format, tag and note stay.
    bool clearCell(CellRef cell);
    // nullopt outside the sheet, and for TextKind::Value when the cell holds an error.
    std::optional<std::wstring> cellText(CellRef cell, TextKind kind) const;
    // The typed value (Empty for an empty cell).
    std::optional<Value> cellValue(CellRef cell) const;
    // The body cells that hold a value or a formula, in reading order.
    std::vector<CellRef> filledCells() const;
    // Visits the body cells that hold a value or a formula, in no particular order (the order
    // they are stored in, which is the cheapest to walk), with their values and whether they
    // hold a formula, until visit returns false; nothing is copied.
    void
    forEachFilledCell(const std::function<bool(CellRef, const Value&, bool formula)>& visit) const;
    bool setTag(CellRef cell, std::wstring_view tag);
    bool setNote(CellRef cell, std::wstring_view note);
    std::optional<std::wstring> note(CellRef cell) const;

    // --- Formats, on blocks that may include the header row and column ---
    bool setCellType(const CellRange& block, const CellType& type);
    std::optional<CellType> cellType(CellRef cell) const;
    // The control's type code (CellType::k...Code); -1 outside the sheet.
    int cellTypeCode(CellRef cell) const;
    bool setLocked(const CellRange& block, bool locked);
    // False outside the sheet.
    bool isLocked(CellRef cell) const;
    bool setFont(const CellRange& block, const CellFont& font);
    bool setColours(const CellRange& block, std::uint32_t background, std::uint32_t foreground);
    bool setBorder(const CellRange& block, const CellBorder& border);
    std::optional<CellFormat> format(CellRef cell) const;

    // --- Joined cells ---
    // False when the block is one cell, lies outside the sheet or overlaps another span.
    bool addSpan(const CellRange& block);
    bool removeSpan(CellRef anchor);
    std::optional<CellRange> spanAt(CellRef cell) const;
    const std::vector<CellRange>& spans() const { return model_.spans.all(); }

    // --- Layout in pixels; -1 outside the sheet ---
    bool setColumnWidth(int col, int pixels);
    int columnWidth(int col) const;
    bool setRowHeight(int row, int pixels);
    int rowHeight(int row) const;
    bool setRowHidden(int row, bool hidden);
    bool isRowHidden(int row) const;

    // --- Options (SheetOption) and reference style ---
    bool setOption(int index, bool on);
    bool option(int index) const;
    // Changes how formulas read back; the formulas themselves stay.
    void setReferenceStyle(ReferenceStyle style) { model_.referenceStyle = style; }
    ReferenceStyle referenceStyle() const { return model_.referenceStyle; }
    void setGridLines(int type, std::uint32_t colour) {
        model_.gridType = type;
        model_.gridColour = colour;
    }
    int gridType() const { return model_.gridType; }
    std::uint32_t gridColour() const { return model_.gridColour; }

    // --- Active cell, selection, editing ---
    bool setActiveCell(CellRef cell);
    std::optional<CellRef> activeCell() const { return model_.activeCell; }
    // Each bound is a cell of the sheet or -1, meaning up to the last row or column.
    bool setSelection(const CellRange& block);
    void clearSelection() { model_.selection.reset(); }
    std::optional<CellRange> selection() const { return model_.selection; }
    // Edit mode needs an active cell.
    bool setEditMode(bool on);
    bool editMode() const { return model_.editMode; }
    // Characters of the active cell's text selected while editing.
    bool setEditSelection(int start, int length);
    int editSelectionStart() const { return model_.editSelectionStart; }
    int editSelectionLength() const { return model_.editSelectionLength; }

    // --- Structure ---
    // References in every formula follow the cells; references to deleted cells become #REF!.
    // The size stays: inserted rows push the last ones off, deleted rows leave empty ones at
    // the end. Refused while a calculation runs.
    bool insertRows(int row, int count);
    bool deleteRows(int row, int count);
    bool insertColumns(int col, int count);
    bool deleteColumns(int col, int count);
    // Copies the block's cells to the block whose top left is target (relative references
    // move, absolute ones stay).
    bool copyRange(const CellRange& source, CellRef target);
    // Moves the block; references to its cells follow them.
    bool moveRange(const CellRange& source, CellRef target);

    // --- Calculation ---
    // Recomputes every formula.
    void recalculate();
    // Recomputes one formula (and, with automatic calculation, what depends on it).
    bool recalculateCell(CellRef cell);
    // Whether the last calculation stored so much text that later text results were refused
    // (#VALUE!) to bound memory.
    bool textLimitReached() const { return textLimitReached_; }
    // The most text characters one calculation may store (kMaxCalculatedText unless set).
    void setCalculatedTextLimit(std::size_t characters) { textLimit_ = characters; }
    // Adds (or replaces) a custom function. False for a name that is not a word, that of a
    // built-in function, a missing callback or bad argument counts. With automatic
    // calculation, formulas that call the name are recomputed.
    bool addCustomFunction(CustomFunction function);

    // --- Files ---
    // A load replaces the whole sheet (custom functions stay); when the input is damaged it
    // fails with the line and reason and the sheet stays as it was. Only regular files of at
    // most kMaxFileBytes are read: a sheet's cells take many times the bytes of their file, so
    // larger input is refused before it is read.
    static constexpr std::uintmax_t kMaxFileBytes = 16u * 1024u * 1024u;
    Result loadTfs(const std::filesystem::path& path);
    Result readTfs(std::string_view bytes);
    // dataOnly keeps the size, contents, tags and notes without formats, layout or options.
    Result saveTfs(const std::filesystem::path& path, bool dataOnly = false) const;
    std::string writeTfs(bool dataOnly = false) const;
    Result importCsv(const std::filesystem::path& path);
    Result readCsv(std::string_view bytes);
    Result exportCsv(const std::filesystem::path& path, wchar_t separator = L',') const;
    std::string writeCsv(wchar_t separator = L',') const;

    // --- Snapshots ---
    // Everything a file keeps plus the editing state (the custom functions are the sheet's own
    // and not part of it). Restoring a snapshot costs a copy, so a file read once can be loaded
    // again and again without parsing it.
    SheetModel snapshot() const { return model_; }
    // Replaces the whole sheet with the snapshot as a load does (custom functions stay;
    // formulas without a result are computed). Refused while a calculation runs.
    Result restore(const SheetModel& snapshot);

private:
    class Target;

    // Sets both sizes; false (nothing changed) for a size out of range, or for shrinking while
    // a calculation runs.
    bool resize(int cols, int rows);
    bool inBody(CellRef cell) const;
    bool inSheet(CellRef cell) const;
    bool blockInSheet(const CellRange& block) const;
    bool autoCalculate() const;
    // Applies change to a copy of each cell's format in the block, sharing the results.
    bool changeFormat(const CellRange& block, const std::function<void(CellFormat&)>& change);
    void storeValue(CellRef cell, Value value);
    void recalc(std::vector<CellRef> seeds, bool propagate);
    void recalcAll();
    void rebuildGraph();
    void adopt(SheetModel model);
    bool structureLocked() const { return calculating_; }

    SheetModel model_;
    // The formats single cells were given last, to share with the next cells formatted alike.
    std::array<std::shared_ptr<const CellFormat>, 4> recentFormats_;
    std::size_t nextRecentFormat_ = 0;
    DependencyGraph graph_;
    CustomFunctionTable functions_;
    bool calculating_ = false;
    std::vector<CellRef> pending_;
    bool pendingPropagate_ = false;
    bool textLimitReached_ = false;
    std::size_t textLimit_ = kMaxCalculatedText;
};

} // namespace grid
