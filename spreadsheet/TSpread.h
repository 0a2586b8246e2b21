#pragma once
// TSpread: the spreadsheet control, a window of class "fpUSpread70" that owns one grid::Sheet.
//
// Its members are the control functions the wrapper (Vdn_Spread) calls, under the control's own
// function names. Cells are addressed as the wrapper addresses them: column and row from 1, and
// kHeader (-32767) for the column-header row (as a row) or the row-header column (as a column).
// A block is given by two corners (col, row) and (col2, row2), both included.
//
// Input: a user acts on the cells through the ui::CellInput members (the scripted user's cell
// actions, and a renderer's) or with the mouse at a position. Each action by a user notifies:
// the control first sends the message to itself, as MFC reflects a control's notification to
// the control object, and then to its parent. Code never notifies. In order:
//   SSM_LEAVECELL  before the active cell changes (a parent that sets fCancel keeps it);
//   WM_COMMAND 59  (kNotifyDataChange) when typing or a combo choice changed the cell;
//   WM_COMMAND 60  (kNotifyButtonClicked) for a button cell, or a check-box cell that toggled;
//   SSM_COMBOSELCHANGE after a combo choice;
//   SSM_CLICK / SSM_DBLCLK for a click / double-click on a cell or a column header (row 0);
//   SSM_RBUTTON    for the right button going down and up (RButtonType 1 and 2).
// A right-button press goes through PreTranslateMessage before OnRButtonDown, as the message
// pump hands queued mouse input to PreTranslateMessage; keys are routed there by ui::Keyboard.

#include "platform/grid/functions/CustomFunction.h"
#include "platform/grid/sheet/CellType.h"
#include "platform/ui/controls/SpreadsheetControl.h"
#include "platform/ui/windows/CFont.h"
#include "platform/ui/windows/CWnd.h"

#include <map>
#include <memory>
#include <string>

namespace grid {
class Sheet;
struct CellRef;
struct CellRange;
} // namespace grid

class TSpread : public CWnd, public ui::SpreadsheetControl {
public:
    static constexpr const wchar_t* kClassName = L"fpUSpread70";
    // The header row or header column.
    static constexpr int kHeader = -32767;
    // Notifications (high word of WM_COMMAND): a user changed a cell's data by typing, or
    // clicked a button or check-box cell (which changes a check box's value).
    static constexpr UINT kNotifyDataChange = 59;
    static constexpr UINT kNotifyButtonClicked = 60;
    // Messages with a cell (wParam: the control id; lParam: SS_CELLCOORD*, SS_LEAVECELL* or
    // SS_RBUTTON*; the header row and column are 0 there). SSM_COMBOSELCHANGE's value is this
    // stand-in's own, in the control's message range.
    static constexpr UINT SSM_DBLCLK = 0x0501;
    static constexpr UINT SSM_LEAVECELL = 0x0509;
    static constexpr UINT SSM_CLICK = 0x050A;
    static constexpr UINT SSM_RBUTTON = 0x050D;
    static constexpr UINT SSM_COMBOSELCHANGE = 0x0517;
    static constexpr int kRButtonDown = 1;
    static constexpr int kRButtonUp = 2;
    struct SS_CELLCOORD {
        long Col = 0;
        long Row = 0;
    };
    struct SS_LEAVECELL {
        long ColCurrent = 0; // 0 when no cell was active
        long RowCurrent = 0;
        long ColNew = 0;
        long RowNew = 0;
        BOOL fCancel = FALSE;
    };
    struct SS_RBUTTON {
        int RButtonType = kRButtonDown;
        long Col = 0;
        long Row = 0;
        long xPos = 0; // client coordinates
        long yPos = 0;
    };
    // SSSetTypeButton button types; a two-state button keeps the value "0" (up) or "1" (down)
    // and toggles it when clicked, showing the picture of its state.
    static constexpr int kButtonTypeNormal = 0;
    static constexpr int kButtonTypeTwoState = 1;
    // The style bit that marks a check-box cell type as a two-state picture button (a renderer
    // draws only the picture of the state).
    static constexpr DWORD kTwoStateButtonStyle = 0x80000000;
    // SSAddCustomFunctionExt flag: single-cell arguments arrive as references.
    static constexpr long kCustomFunctionWantsCellRefs = 1;
    // SSGetCellSpan results.
    static constexpr int kSpanNo = 0;
    static constexpr int kSpanYes = 1;    // inside a span, not its anchor
    static constexpr int kSpanAnchor = 2; // the top-left cell of a span
    // Width of a vertical (and height of a horizontal) scroll bar, as Windows draws them.
    static constexpr int kScrollBarSize = 17;
    // The button-face colour of the standard Windows scheme.
    static constexpr COLORREF kButtonFaceColour = 0xF0F0F0;
    // Font height of cells whose font was never set.
    static constexpr int kDefaultFontHeight = 13;

    // The control's text tips: shown while status is not 0.
    struct TextTip {
        int status = 0;
        int delay = 500;
        CFont font;
        COLORREF background = 0xE1FFFF;
        COLORREF foreground = 0x000000;
    };

    TSpread();
    ~TSpread() override;

    // Creates the control window (class "fpUSpread70").
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // The engine, for formula evaluation and file handling that go beyond the functions below.
    grid::Sheet& sheet() { return *sheet_; }
    const grid::Sheet& sheet() const override { return *sheet_; }

    // --- the whole control ---
    // Back to a fresh control: an empty sheet of 0 x 0 and every setting at its default.
    void SSReset();
    int SSGetMaxCols() const;
    int SSGetMaxRows() const;
    bool SSSetMaxCols(int cols);
    bool SSSetMaxRows(int rows);
    bool SSSetBool(int index, bool on);
    bool SSGetBool(int index) const;
    void SSSetEditEnterAction(int action) { enterAction_ = action; }
    int SSGetEditEnterAction() const { return enterAction_; }
    void SSSetAppearance(int appearance) { appearance_ = appearance; }
    int SSGetAppearance() const { return appearance_; }
    void SSSetBackColorStyle(int style) { backColorStyle_ = style; }
    int SSGetBackColorStyle() const { return backColorStyle_; }
    void SSSetSelColor(COLORREF background, COLORREF foreground);
    void SSGetSelColor(COLORREF& background, COLORREF& foreground) const;
    // The colours of the area beyond the last cells.
    void SSSetGrayAreaColor(COLORREF background, COLORREF foreground);
    void SSGetGrayAreaColor(COLORREF& background, COLORREF& foreground) const;
    // The colours of locked cells.
    void SSSetLockColor(COLORREF background, COLORREF foreground);
    void SSGetLockColor(COLORREF& background, COLORREF& foreground) const;
    // The control's numbered integer settings (unset ones read 0).
    void SSSetIntSetting(int index, int value) { intSettings_[index] = value; }
    int SSGetIntSetting(int index) const;
    // Assigns a key (0: none) with its modifiers to one of the control's keyboard actions.
    void SSSetActionKey(int action, bool shift, bool control, UINT key);
    // False when the action never got a key.
    bool SSGetActionKey(int action, bool& shift, bool& control, UINT& key) const;
    void SSSetActiveCellHighlightStyle(int style) { highlightStyle_ = style; }
    int SSGetActiveCellHighlightStyle() const { return highlightStyle_; }
    void SSSetCellNoteIndicator(int indicator) { noteIndicator_ = indicator; }
    int SSGetCellNoteIndicator() const { return noteIndicator_; }
    void SSSetTextTip(int status, int delay, const CFont* font, COLORREF background,
                      COLORREF foreground);
    TextTip SSGetTextTip() const { return textTip_; }
    void SSGetScrollBarSize(int& verticalWidth, int& horizontalHeight) const;
    void SSGetClientRect(RECT* rect) const { GetClientRect(rect); }
    // 0 default (A1), 1 A1, 2 R1C1.
    bool SSSetRefStyle(int style);
    // How the lines between cells are drawn (the control's code, 0 to 65535) and their colour;
    // both travel with the sheet's file.
    bool SSSetGridType(int type);
    int SSGetGridType() const;
    void SSSetGridColor(COLORREF colour);
    COLORREF SSGetGridColor() const;

    // --- cell types: SSSetType* make a type, SSSetCellType(Range) give it to cells ---
    static grid::CellType SSSetTypeEdit(DWORD style, int maxLength);
    static grid::CellType SSSetTypeNumber(DWORD style, int decimals, double minimum,
                                          double maximum);
    // The items are one text, separated by tab characters.
    static grid::CellType SSSetTypeComboBox(DWORD style, const std::wstring& items);
    // Pictures are named by their bitmap resource id ("8134").
    static grid::CellType SSSetTypeCheckBox(DWORD style, const std::wstring& text,
                                            const std::wstring& pictureUp,
                                            const std::wstring& pictureDown);
    // A picture button when picture is not empty, else a text button.
    static grid::CellType SSSetTypeButton(DWORD style, const std::wstring& text,
                                          const std::wstring& picture);
    // A picture button of the given type; a two-state one is a check-box cell (value "0" or
    // "1", toggled by a click) with the two pictures and kTwoStateButtonStyle.
    static grid::CellType SSSetTypeButton(DWORD style, const std::wstring& text,
                                          const std::wstring& pictureUp,
                                          const std::wstring& pictureDown, int buttonType);
    static bool isTwoStateButton(const grid::CellType& type);
    static grid::CellType SSSetTypeStaticText(DWORD style);
    // Shows a picture: a bitmap resource number, a file name, or the picture itself as
    // "data:image/bmp;base64,..." (spreadsheet/bill/EmbeddedPicture.h).
    static grid::CellType SSSetTypePicture(DWORD style, const std::wstring& picture);
    bool SSSetCellType(int col, int row, const grid::CellType& type);
    bool SSSetCellTypeRange(int col, int row, int col2, int row2, const grid::CellType& type);
    // The cell-type code (grid::CellType::k...Code), -1 outside the sheet.
    int SSGetCellType(int col, int row) const;

    // --- contents ---
    // Data is the text as shown, value the plain value; both are stored as the cell's type
    // takes them (a number cell refuses what is no number in its range).
    bool SSSetData(int col, int row, const std::wstring& text);
    bool SSSetValue(int col, int row, const std::wstring& text);
    // Sets and computes a formula; false when it does not parse.
    bool SSSetFormula(int col, int row, const std::wstring& text);
    bool SSGetData(int col, int row, std::wstring& text) const;
    // False outside the sheet and for a formula whose result is an error.
    bool SSGetValue(int col, int row, std::wstring& text) const;
    bool SSGetFormula(int col, int row, std::wstring& text) const;
    bool SSSetCellTag(int col, int row, const std::wstring& tag);
    bool SSGetCellTag(int col, int row, std::wstring& tag) const;
    bool SSReCalcCell(int col, int row);
    bool SSAddCustomFunctionExt(const std::wstring& name, int minArgs, int maxArgs,
                                grid::CustomFunction::Callback callback, long flags);

    // --- spans ---
    bool SSAddCellSpan(int col, int row, int numCols, int numRows);
    bool SSRemoveCellSpan(int col, int row);
    // kSpanNo, kSpanYes or kSpanAnchor; the span's anchor and size when in one.
    int SSGetCellSpan(int col, int row, int& anchorCol, int& anchorRow, int& numCols,
                      int& numRows) const;

    // --- layout (pixels) ---
    bool SSSetColWidthInPixels(int col, int pixels);
    bool SSGetColWidthInPixels(int col, int& pixels) const;
    // Width in characters of the default font: 7 pixels a character plus 5 of margin, so the
    // standard 8.43 characters make 64 pixels.
    bool SSSetColWidth(int col, double characters);
    bool SSSetRowHeightInPixels(int row, int pixels);
    bool SSGetRowHeightInPixels(int row, int& pixels) const;
    bool SSIsRowHidden(int row) const;
    // Shows or hides a row (hidden rows take no height and no user input).
    bool SSShowRow(int row, bool show);
    // The cell's rectangle in client pixels (its span's for a span; header row and column by
    // kHeader), after the header column and row; empty for a hidden row. False outside.
    bool SSGetCellRect(int col, int row, RECT* rect) const;
    // The cell at a client point: kHeader for the header row or column; false beyond the cells.
    bool SSGetCellFromPixel(int& col, int& row, int x, int y) const;
    // The size the cell's shown text needs with the cell's font: lines of (font height + 3)
    // pixels plus 2, and per character half the font height (+1 when bold), plus 8 pixels of
    // margin; a check box adds its 13-pixel box. False outside the sheet.
    bool SSGetMaxTextCellSize(int col, int row, int& width, int& height) const;

    // --- structure ---
    bool SSInsRow(int row);
    bool SSDelRow(int row);
    bool SSInsCol(int col);
    bool SSDelCol(int col);
    bool SSCopyRange(int col, int row, int col2, int row2, int destCol, int destRow);
    bool SSMoveRange(int col, int row, int col2, int row2, int destCol, int destRow);

    // --- locks, active cell, selection, editing ---
    bool SSSetLockRange(int col, int row, int col2, int row2, bool lock);
    bool SSGetLock(int col, int row) const;
    bool SSSetActiveCell(int col, int row);
    // False when no cell is active.
    bool SSGetActiveCell(int& col, int& row) const;
    // A bound of -1 means up to the last row or column.
    bool SSSetSelection(int col, int row, int col2, int row2);
    // False when nothing is selected.
    bool SSGetSelectBlock(int& col, int& row, int& col2, int& row2) const;
    bool SSSetEditMode(bool on);
    bool SSGetEditMode() const;
    // Characters of the active cell selected while editing.
    bool SSSetEditSel(int start, int length);
    void SSGetEditSel(int& start, int& length) const;

    // --- formats ---
    bool SSSetFontRange(int col, int row, int col2, int row2, const CFont& font);
    bool SSSetBorderRange(int col, int row, int col2, int row2, int type, int style,
                          COLORREF colour);
    bool SSSetColorRange(int col, int row, int col2, int row2, COLORREF background,
                         COLORREF foreground);

    // --- files: ".csv" by extension (CSV), anything else the sheet format (.tfs) ---
    bool SSLoadFromFile(const std::wstring& name);
    // dataOnly keeps the contents without formats, layout and options (.tfs only).
    bool SSSaveToFile(const std::wstring& name, bool dataOnly) const;

    // --- clipboard: the selected block (or the active cell) as texts, formulas with '=' ---
    bool SSClipboardCopy() const;
    // Pastes at the selection's top-left cell (or the active cell); locked cells and cells
    // beyond the sheet are left alone.
    bool SSClipboardPaste();

    // --- user input (what a user does with mouse and keyboard) ---
    // The user makes the cell active and types text over its content. Refused for locked cells,
    // hidden rows and cells that take no typing (check boxes, buttons, static texts, pictures).
    bool userType(int col, int row, const std::wstring& text) {
        return userTypeInCell(col, row, text);
    }
    // The user clicks the cell: the control takes the focus, the cell (the anchor of its span)
    // becomes active; an unlocked check box toggles, a button or check box notifies.
    bool userClick(int col, int row) { return userClickCell(col, row, 0); }

    // ui::CellInput
    bool userClickCell(int col, int row, unsigned modifiers) override;
    bool userDoubleClickCell(int col, int row) override;
    bool userRightClickCell(int col, int row) override;
    bool userClickHeader(int col) override;
    bool userTypeInCell(int col, int row, const std::wstring& text) override;
    bool userChooseInCell(int col, int row, int index) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The mouse on the sheet: a press on a cell clicks it, on a column header clicks the
    // header; a double-click adds SSM_DBLCLK; the right button sends SSM_RBUTTON.
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;

private:
    bool toRef(int col, int row, grid::CellRef& ref) const;
    bool toBlock(int col, int row, int col2, int row2, grid::CellRange& block) const;
    void notifyUserChange(UINT code);
    // A cell a user may act on: inside the sheet, not in a hidden row; the span's anchor.
    bool userCell(int col, int row, grid::CellRef& ref) const;
    // SSM_LEAVECELL when the active cell changes; false when the parent cancelled.
    bool moveActiveCell(const grid::CellRef& ref);
    void sendCellMessage(UINT message, void* record);
    void sendCellCoord(UINT message, long col, long row);
    void clickCell(const grid::CellRef& ref);
    void rightButton(int type, CPoint point);
    void resetSettings();

    std::unique_ptr<grid::Sheet> sheet_;
    int enterAction_ = 0;
    int appearance_ = 0;
    int backColorStyle_ = 0;
    COLORREF selBackground_ = 0x6A240A;
    COLORREF selForeground_ = 0xFFFFFF;
    COLORREF grayBackground_ = kButtonFaceColour;
    COLORREF grayForeground_ = 0;
    COLORREF lockBackground_ = 0xFFFFFF;
    COLORREF lockForeground_ = 0;
    std::map<int, int> intSettings_;
    struct ActionKey {
        bool shift = false;
        bool control = false;
        UINT key = 0;
    };
    std::map<int, ActionKey> actionKeys_;
    int highlightStyle_ = 0;
    int noteIndicator_ = 0;
    TextTip textTip_;
};
