#pragma once
// TfTreeSpread: a tree (an outline of rows with levels, expand and collapse boxes and tree
// lines) shown in a spreadsheet, so that every tree row can carry further columns of data.
//
// The tree lives in the cells. The level columns run from firstTreeColumn for levelCount
// columns; the row's texts continue after them. A row at level L holds the formula "1" in the
// level columns of levels 1 (2 without a root column) to L; its level is the number of those
// consecutive marked columns (plus one without a root column, and 1 when none is marked).
// Rows are in depth-first order: a row's children follow it directly one level deeper.
//
// A row's own level column shows its glyph, a two-state picture button whose formula value is
// "1" while the branch is expanded and "0" while collapsed; level columns left of it show the
// tree lines of the levels that continue below. Usage:
//
//   TfTreeSpread tree;
//   tree.attachToDlgItem(&dialog, kTreeId);
//   tree.setUp(2, 2, nullptr, false, true);       // column 1 stays a data column
//   const int sheet = tree.addRootRow({L"0", L"Sheet 1"});
//   tree.addChildRow(sheet, {L"0", L"Plate P12"});
//   tree.layOut();
//   tree.setMenuItems({L"Edit", L"-", L"Delete"}); // "-" is a separator
//
// The owner receives a chosen menu entry as WM_COMMAND with the tree's control id as wParam
// and the action (0 to 9, the entry's position among the entries that are not separators) as
// lParam. Rows are dragged out as text (the key column's text of the pressed row) together
// with the private format "Tessaform dragging format"; with a drop callback, texts of that
// format (split at ';') and drawing objects in the host's own format (through the host's
// previous selection) can be dropped in.

#include "platform/core/model/AcArray.h"
#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "spreadsheet/Vdn_Spread.h"

#include <array>
#include <functional>
#include <memory>

class COleDataObject;
class CTreeDropTarget;
class dynMenu;

class TfTreeSpread : public Vdn_Spread {
public:
    using DropCallback = std::function<void(TfTreeSpread&)>;

    // Glyph kinds: 1 and 2 the first root (with and without later roots), 3 and 4 a row with
    // children (with and without a later sibling), 5 and 6 a row without children (likewise),
    // 7 the line of a level that continues below; kNoGlyph a level column showing nothing.
    static constexpr int kNoGlyph = 0;
    // Bitmap resources of the glyphs (20 by 20 pixels), in the order of kGlyphPictures' use:
    // for kind k the up (collapsed) picture is kGlyphPictures[k - 1].first and the down
    // (expanded) picture .second.
    static constexpr std::array<std::pair<UINT, UINT>, 7> kGlyphPictures = {
        {{274, 272}, {8137, 8138}, {280, 281}, {277, 278}, {275, 275}, {276, 276}, {279, 279}}};
    static constexpr int kGlyphSize = 20;
    // The private drag format and the host's object format ("%s.r%d": product and release).
    static constexpr const wchar_t* kDragFormatName = L"Tessaform dragging format";
    static UINT privateFormat();
    static UINT hostObjectFormat();
    // A menu text that stands for a separator.
    static constexpr const wchar_t* kMenuSeparatorText = L"-";

    TfTreeSpread();
    ~TfTreeSpread() override;

    // Makes the attached control a tree: firstTreeColumn is the first level column, keyColumn
    // the position in the row texts (as passed to addRootRow) of the text that identifies a row.
    // A non-null callback enables dropping and is called after every drop. The fourth
    // parameter has no effect. rootColumn false: roots need no level column (and have no box).
    // Empties the sheet. False when the control is not attached or a column is below 1.
    bool setUp(int firstTreeColumn, int keyColumn, DropCallback callback, bool unused = false,
               bool rootColumn = true);

    // A root after the last row; returns the row, or -1.
    int addRootRow(const Vdn_StringArray& texts);
    // A child after parent's last descendant (one level column more when it is the deepest
    // row so far); returns the row, or -1 for a parent outside the sheet. A child of a
    // collapsed or hidden parent is hidden.
    int addChildRow(int parent, const Vdn_StringArray& texts);
    // Spans, column widths and glyphs of every row; call after adding rows.
    bool layOut();

    // --- the outline (rows from 1; results for rows outside the sheet are -1 or false) ------
    int getLevel(int row) const;
    // The row itself when it has no descendants.
    int lastDescendant(int row) const;
    bool hasChildren(int row) const;
    // The nearest row above with a lower level; -1 for a root.
    int parentRow(int row) const;
    bool isLastSibling(int row) const;
    // The level column holding the row's glyph; -1 for a root without a root column.
    int glyphColumn(int row) const;
    // The glyph kind layOut gave the cell of a level column; kNoGlyph elsewhere.
    int glyphKind(int col, int row) const;
    // Whether the row's branch is expanded (its glyph shows the expanded look).
    bool isExpanded(int row) const;
    // The row's text in the tree column (after layOut) and the text a drag of it carries.
    Vdn_String rowText(int row) const;
    Vdn_String keyText(int row) const;

    // Collapses an expanded branch or expands a collapsed one; false (nothing changes) for a
    // row without children. Expanding shows every descendant expanded.
    bool toggleRow(int row);
    // Shows every row with every branch expanded.
    void expandAll();

    // --- context menu ---------------------------------------------------------------------
    // The entries shown on a right-button press; only the first ten that are not separators
    // can be chosen.
    bool setMenuItems(const Vdn_StringArray& items);
    const Vdn_StringArray& menuItems() const { return menuItems_; }
    // The text of the entry that gives the action; empty when there is none.
    Vdn_String menuItemText(int action) const;

    // --- drop ------------------------------------------------------------------------------
    bool dropEnabled() const { return dropEnabled_; }
    const Vdn_StringArray& droppedTexts() const { return droppedTexts_; }
    const AcArray<AcDbObjectId>& droppedObjects() const { return droppedObjects_; }
    // Whether data offers a format the tree takes.
    bool acceptsDrop(const COleDataObject& data) const;
    // Takes the dropped data; false (nothing changes) when it gave nothing.
    bool drop(const COleDataObject& data);

    int firstTreeColumn() const { return firstTreeColumn_; }
    int keyColumn() const { return keyColumn_; }
    int levelCount() const { return levelCount_; }
    bool rootColumn() const { return rootColumn_; }
    bool treeMode() const { return treeMode_; }
    // The column of the row texts after the level columns.
    int textColumn() const { return firstTreeColumn_ + levelCount_; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown(UINT flags, CPoint point) override;

private:
    // The level column of a level; -1 for level 1 without a root column.
    int levelColumnOf(int level) const;
    bool validRow(int row) const;
    // Whether a later row continues level `level` below row: the first later row at that
    // level or above is at that level.
    bool continuesBelow(int row, int level) const;
    int writeRow(int row, int level, const Vdn_StringArray& texts);
    void removeTreeSpans();
    void setGlyph(int col, int row, int kind);
    void setExpandedLook(int row, bool expanded);
    void showMenu(LPARAM point);

    int levelCount_ = 0;
    int firstTreeColumn_ = 0;
    int keyColumn_ = 1;
    bool treeMode_ = false;
    bool dropEnabled_ = false;
    bool rootColumn_ = true;
    DropCallback dropCallback_;
    Vdn_StringArray droppedTexts_;
    AcArray<AcDbObjectId> droppedObjects_{0, 8};
    std::unique_ptr<CTreeDropTarget> dropTarget_;
    std::unique_ptr<dynMenu> menu_;
    Vdn_StringArray menuItems_;
};
