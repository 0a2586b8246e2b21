#pragma once
// Vdn_Spread: the wrapper of one spreadsheet control. It places the control into a dialog in
// place of a placeholder control, gives it the house look and offers the row-, column- and
// cell-level operations the rest of the system uses.
//
// Cells are addressed by column and row from 1; kHeader (-32767) is the header row (as a row)
// or the header column (as a column), whose texts are the column and row names. Every operation
// that needs the control window returns false (or -1 for counts and positions) and changes
// nothing while the wrapper is not attached, or when an index lies outside the sheet.
//
// The implementation is split by concern: VdnSpread.cpp (placing, look, messages),
// VdnSpreadLayout.cpp (size, fonts, column widths), VdnSpreadCells.cpp (cells and cell kinds),
// VdnSpreadLists.cpp (rows and columns as lists), VdnSpreadStructure.cpp (insert, delete, move,
// locks, spans, selection), VdnSpreadSearch.cpp (find and replace), VdnSpreadKeys.cpp (Tab,
// function keys, the right-button menu).

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "platform/grid/sheet/CellType.h"
#include "platform/grid/sheet/SheetOption.h"
#include "platform/grid/sheet/TextKind.h"
#include "spreadsheet/TSpread.h"
#include "spreadsheet/Vdn_TabMsgHandle.h"

#include <memory>

class CBitmap;
class CDlgFindReplace;
class dynMenu;

class Vdn_Spread : public TSpread {
public:
    // Codes of the right-button menu's entries (setContextMenu).
    enum MenuCode {
        kMenuSeparator = 1,
        kMenuCopy = 2,
        kMenuPaste = 3,
        kMenuInsertRow = 4,
        kMenuDeleteRow = 5,
        kMenuInsertColumn = 6,
        kMenuDeleteColumn = 7,
        kMenuCheckAll = 8,
        kMenuUncheckAll = 9,
    };
    // Control options the wrapper uses by number; the grid's own numbers where it has them.
    static constexpr int kOptionColumnHeaders = grid::SheetOption::kColumnHeaders;
    static constexpr int kOptionRowHeaders = grid::SheetOption::kRowHeaders; // row-header column
    static constexpr int kOptionRedraw = grid::SheetOption::kRedraw;
    static constexpr int kOptionEditModePermanent = 13;                // toggled by F8
    static constexpr int kOptionChanged = grid::SheetOption::kChanged; // the sheet was changed
    // Bitmap resources of the check-box pictures.
    static constexpr UINT kCheckedBitmap = 8134;
    static constexpr UINT kUncheckedBitmap = 8136;
    // Cell-type code of check boxes (cellType).
    static constexpr int kCheckBoxType = grid::CellType::kCheckBoxCode;

    Vdn_Spread();
    ~Vdn_Spread() override;

    // Face name and height of every font the wrapper creates.
    Vdn_String fontName = L"Tahoma";
    int fontSize = 15;
    // Enables F8 (switching the permanent edit mode).
    bool functionKeysEnabled = true;

    // --- placing and look ---------------------------------------------------------------------
    // Creates the control in place of the dialog's control controlId (see VdnSpread.cpp).
    bool attachToDlgItem(CWnd* dialog, const int& controlId, bool exactRect = false);
    bool isAttached() const { return attached; }
    // editMode 1: cells are edited at once (Enter stays); 0: Enter moves on.
    bool setStandardLook(const int& editMode);
    int maxRows() const;
    int maxCols() const;
    // Growing with copyLast makes every new row (column) a copy of the old last one's cell
    // types and formats, header included. New headers get the bold font, new cells the
    // normal one.
    bool setMaxRows(const int& rows, bool copyLast = false);
    bool setMaxCols(const int& cols, bool copyLast = false);
    // A font from fontName and fontSize, bold (700) or normal (400), for the block; withTips
    // switches the control's text tips on with the same font.
    bool setFontRange(const int& col, const int& row, const int& col2, const int& row2, bool bold,
                      bool withTips = false);
    // The bold font on the column headers and the row headers, with tips.
    bool setHeaderFonts();
    // The header fonts, then the normal font on every cell.
    bool setAllFonts(bool withTips = false);

    // --- column widths -------------------------------------------------------------------------
    // The automatic width mode, applied now and on every resize:
    //  0 nothing; 1 all columns equally wide; 2 columns and rows fitted to their contents;
    //  3 param1 = n, param2 = p: the first n (n > 0) or last -n (n < 0) columns share p percent
    //    of the width, the others the rest; 4 column param1 (0 or kHeader: the header column)
    //    is param2 pixels wide, the others share the rest; 5 the columns of setSizeColumns get
    //    their widths, the others share the rest.
    // The header column counts as a column while option 4 is on.
    bool setSizeMode(const int& mode, const int& param1 = 0, const int& param2 = 0);
    // Mode 5 with these columns (0 or kHeader: the header column) and widths, paired up to the
    // shorter list.
    bool setSizeColumns(const Vdn_Array<int>& columns, const Vdn_Array<int>& widths);
    int getSizeMode() const { return sizeMode; }
    // Each column (and the header column) as wide as its widest text needs; columns without
    // any text keep their width. skipType8 leaves picture cells (type 8) out.
    bool fitColumnWidths(bool skipType8 = false);
    // Each row (and the header row) as tall as its tallest text needs.
    bool fitRowHeights();
    bool fitAll();
    // Widens col by whatever the client width leaves after the header column, every column and
    // the vertical scroll bar.
    bool fillWidthWithColumn(const int& col);

    // --- cells ---------------------------------------------------------------------------------
    // The kinds of text getCellText reads, as the grid numbers them.
    static constexpr int kCellFormatted = static_cast<int>(grid::TextKind::Formatted);
    static constexpr int kCellFormula = static_cast<int>(grid::TextKind::Formula);
    static constexpr int kCellTag = static_cast<int>(grid::TextKind::Tag);
    static constexpr int kCellValue = static_cast<int>(grid::TextKind::Value);
    // kind 0 the formatted text, 1 the formula, 2 the tag, 3 the value. text is emptied first.
    // False outside the sheet, and for the value of a formula whose result is an error.
    bool getCellText(const int& col, const int& row, Vdn_String& text, const int& kind = 0) const;
    bool setCellText(const int& col, const int& row, const Vdn_String& text);
    bool setCellValue(const int& col, const int& row, const Vdn_String& text);
    // The value read as the C library's wcstol / wcstod read it: the leading number, 0 when
    // there is none or the cell cannot be read.
    int getCellInt(const int& col, const int& row) const;
    double getCellDouble(const int& col, const int& row) const;
    // Writes the number with 2 decimals.
    bool setCellDouble(const int& col, const int& row, const double& value);
    bool setCellInt(const int& col, const int& row, const int& value);
    // The control's cell-type code (12 check box); -1 outside the sheet.
    int cellType(const int& col, const int& row) const;
    // "1" is checked, "0" unchecked; any other value fails.
    bool getCheck(const int& col, const int& row, bool& checked) const;
    bool setCheck(const int& col, const int& row, bool checked);

    // --- cell kinds ----------------------------------------------------------------------------
    // The edit cell's usual style and longest text; a length of 0 leaves texts unbounded.
    static constexpr DWORD kEditStyle = 0x110000;
    static constexpr int kEditMaxLength = 200;
    bool setEditCells(const int& col, const int& row, const int& col2, const int& row2,
                      DWORD style = kEditStyle, int maxLength = kEditMaxLength);
    // Numbers from -99999999999999 to 99999999999999 without thousands separator; plain gives
    // style 0x10100000 instead of 0x10400000.
    bool setNumberCells(const int& col, const int& row, const int& col2, const int& row2,
                        const int& decimals, bool plain = false);
    bool setNumberColumn(const int& col, const int& decimals, bool plain = false);
    bool setComboCells(const int& col, const int& row, const int& col2, const int& row2,
                       const Vdn_StringArray& items, bool editable = false);
    bool setComboColumn(const int& col, const Vdn_StringArray& items, bool editable = false);
    // Picture check boxes (bitmaps 8136 unchecked, 8134 checked); centred or left-aligned.
    // spanHeader joins the column's header cell with the next column's.
    bool setCheckBoxColumn(const int& col, bool centred = true, bool spanHeader = false);
    bool setCheckBoxCell(const int& col, const int& row, bool centred = true);
    // A button showing the bitmap (or icon) resource resourceId.
    bool setPictureButtonCell(const int& col, const int& row, const int& resourceId,
                              bool isIcon = false);
    bool setTextButtonColumn(const int& col, const Vdn_String& text);
    bool setTextButtonCell(const int& col, const int& row, const Vdn_String& text);
    // The row's cells become one static title cell (style 36) spanning every column.
    bool addTitleRow(const Vdn_String& text, const int& row);

    // --- rows and columns as lists (each stops at the shorter of the list and the sheet) -------
    bool setColumnTexts(const int& col, const Vdn_StringArray& texts, bool asValue = false);
    bool setRowTexts(const int& row, const Vdn_StringArray& texts, bool asValue = false);
    bool getColumnTexts(const int& col, Vdn_StringArray& texts, const int& kind = 3) const;
    bool getRowTexts(const int& row, Vdn_StringArray& texts) const;
    bool getColumnInts(const int& col, Vdn_Array<int>& values) const;
    bool getColumnDoubles(const int& col, Vdn_Array<double>& values) const;
    // "1" is true.
    bool getColumnBools(const int& col, Vdn_Array<bool>& values) const;
    bool setColumnInts(const int& col, const Vdn_Array<int>& values);
    // 2 decimals.
    bool setColumnDoubles(const int& col, const Vdn_Array<double>& values);
    bool setColumnBools(const int& col, const Vdn_Array<bool>& values);
    // One list of values per row, rows 1 to maxRows.
    bool getAllRows(Vdn_Array<Vdn_StringArray>& rows) const;
    bool setRowNames(const Vdn_StringArray& names);
    bool getRowNames(Vdn_StringArray& names) const;
    bool setColumnNames(const Vdn_StringArray& names);
    bool getColumnNames(Vdn_StringArray& names) const;
    bool clearRow(const int& row);
    bool clearRows(const int& from, const int& to);

    // --- structure; every change sets the changed flag (option 30) ---------------------------
    // Nothing happens beyond maxRows + 1. askForName asks the user for the new row's name;
    // copyNext copies the row below into the new one.
    bool insertRow(const int& row, bool askForName = false, bool copyNext = false);
    bool insertCol(const int& col, bool askForName = false, bool copyNext = false);
    // The new last row, or -1.
    int appendRow(bool copyPrevious = false);
    bool insertRowAfterActive(bool copyNext = false);
    bool deleteRow(const int& row);
    bool deleteCol(const int& col);
    bool deleteActiveRow();
    // Rows first..last move so that the first of them becomes row `to`; names go with them.
    bool moveRows(const int& first, const int& last, const int& to);
    bool moveActiveRowUp();
    bool moveActiveRowDown();
    bool lockCell(const int& col, const int& row, bool lock);
    bool lockRow(const int& row, bool lock);
    bool lockColumn(const int& col, bool lock = true);
    // The target cell of each row is locked while the row's check box is unchecked; a user
    // clicking a check box of checkCol relocks (or unlocks) that row's target cell and moves
    // the active cell there.
    bool linkCheckColumn(const int& checkCol, const int& targetCol);
    // Joins runs of equal non-empty values in the column into spans.
    bool mergeEqualCells(const int& col);
    // Removes the spans anchored in the column.
    bool removeSpans(const int& col);
    bool removeAllSpans();

    // --- active cell and selection -------------------------------------------------------------
    // The active cell; when there is none, cell 1,1 becomes active.
    bool getActiveCell(int& col, int& row);
    // From the selected block, else the active cell; -1 when not attached or the sheet is empty.
    int activeRow();
    int activeCol();
    bool selectRow(const int& row);
    // A bound of -1 means up to the last row or column.
    bool setSelection(const int& col, const int& row, const int& col2, const int& row2);
    // Every check box inside the selected block (else the active cell) gets checked.
    bool setAllChecks(bool checked);
    // Label i goes to column 2i+2, check i to column 2i+1 of the row.
    bool setCheckRow(const Vdn_StringArray& labels, const Vdn_Array<bool>& checks, const int& row);

    // --- search and replace (the values of cells) ---------------------------------------------
    // Columns max(fromCol, 1) to maxCols of the row: a value equal to text (ignoring case) or,
    // with partial, containing it.
    bool findInRow(const Vdn_String& text, bool partial, const int& row, const int& fromCol,
                   int& foundCol) const;
    // The rest of the row from col, then every following row from column 1.
    bool findFrom(const Vdn_String& text, bool partial, const int& col, const int& row,
                  int& foundCol, int& foundRow) const;
    // The first position of text at or after fromPos in the cell's value.
    bool findInCell(const Vdn_String& text, const int& col, const int& row, const int& fromPos,
                    int& foundPos) const;
    // Focuses the control, makes the cell active in edit mode and selects the characters of
    // text at pos.
    bool selectInCell(const Vdn_String& text, const int& col, const int& row, const int& pos);
    // The next occurrence after position pos of the cell col, row (pos -1: the cell's start),
    // then in the following cells in reading order; col, row and pos move to it.
    bool findNext(const Vdn_String& text, int& col, int& row, int& pos) const;
    // In edit mode: the selected characters of the active cell become text, the caret stands
    // after it. Formula cells are left alone.
    bool replaceSelection(const Vdn_String& text);
    // Replaces every occurrence in the cell's value; the number replaced (0 for formula cells
    // and refused values), -1 outside the sheet.
    int replaceInCell(const int& col, const int& row, const Vdn_String& find,
                      const Vdn_String& replace);
    // The modeless find-and-replace dialog (F3, F5), null until first opened.
    CDlgFindReplace* findReplaceDialog() const { return findDialog.get(); }
    // Opens (or shows again) that dialog, as F3 (find) and F5 (replace) do.
    void openFindDialog(bool replace);

    // --- keyboard, focus, right-button menu ---------------------------------------------------
    // Tab while the focus is in a spreadsheet control: result tmhPastLast on the last unlocked
    // cell, tmhBeforeFirst with Shift on the first, tmhHandled elsewhere, tmhNotHandled for
    // other keys or when the control is not concerned. True unless tmhNotHandled.
    bool handleTabKey(UINT key, Vdn_TabMsgHandle& result);
    // Focuses the control on its first (or last) unlocked cell; false when hidden or when every
    // cell is locked.
    bool focusEdge(bool first);
    // The right-button menu, one entry per code (MenuCode).
    bool setContextMenu(const Vdn_Array<int>& codes);

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    bool validRow(int row) const;
    bool validCol(int col) const;
    bool bodyCell(int col, int row) const;
    int clientWidth() const;
    bool rowHeadersShown() const;
    void applySizeMode();
    Vdn_Array<int> shownColumns() const;
    void shareWidth(const Vdn_Array<int>& columns, int width);
    void setRowFonts(int from, int to);
    void setColumnFonts(int from, int to);
    // Gives the cells of a block the format of one cell (sheet indexes: 0 is a header).
    void copyFormat(int fromCol, int fromRow, int col, int row, int col2, int row2);
    bool askName(bool forRow, Vdn_String& name);
    void updateLinkedRow(int row);
    void ensurePictures();
    bool lockedAt(int col, int row) const;
    bool edgeCell(bool first, int& col, int& row) const;
    void anchorOf(int& col, int& row) const;
    bool rowTexts(int row, Vdn_StringArray& texts, int kind) const;
    void showContextMenu(LPARAM point);
    void runMenuCode(int code);

    bool attached = false;
    CWnd* parentWindow = nullptr;
    int controlId = 0;
    int sizeMode = 0;
    std::unique_ptr<CBitmap> checkedPicture;
    std::unique_ptr<CBitmap> uncheckedPicture;
    std::unique_ptr<dynMenu> contextMenu;
    Vdn_Array<int> menuCodes;
    std::unique_ptr<CDlgFindReplace> findDialog;
    int sizeParam1 = 0;
    int sizeParam2 = 0;
    Vdn_Array<int> sizeColumns;
    Vdn_Array<int> sizeWidths;
    int checkColumn = -1;
    int targetColumn = -1;
};
