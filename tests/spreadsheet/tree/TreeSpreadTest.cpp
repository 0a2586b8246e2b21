#include "platform/host/SelectionSet.h"
#include "platform/ui/users/COleDataSource.h"
#include "spreadsheet/tree/TfTreeSpread.h"
#include "tests/spreadsheet/SpreadFixture.h"

#include <gtest/gtest.h>
#include <vector>

using namespace spreadtest;

namespace {

// The dialog keeps the actions the tree passes on (WM_COMMAND from the tree's id).
class TreeHostDialog : public HostDialog {
public:
    std::vector<LPARAM> actions;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == kSheetId && HIWORD(wParam) == 0)
            actions.push_back(lParam);
        return HostDialog::OnCommand(wParam, lParam);
    }
};

class TreeTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create(kTestDialog));
        dialog.ShowWindow(SW_SHOW);
        ASSERT_TRUE(tree.attachToDlgItem(&dialog, kSheetId));
    }
    void TearDown() override {
        host::setPreviousSelection({});
        uitest::ScriptedUserTest::TearDown();
    }

    // Rows: 1 A, 2 A1, 3 A1a, 4 A1b, 5 A2, 6 B (texts after a data column "d").
    void buildThreeLevels(bool rootColumn, TfTreeSpread::DropCallback callback = nullptr) {
        ASSERT_TRUE(tree.setUp(2, 2, std::move(callback), false, rootColumn));
        const int a = tree.addRootRow({L"d", L"A", L"x"});
        const int b = tree.addRootRow({L"d", L"B", L"x"});
        const int a1 = tree.addChildRow(a, {L"d", L"A1", L"x"});
        tree.addChildRow(a, {L"d", L"A2", L"x"});
        tree.addChildRow(a1, {L"d", L"A1a", L"x"});
        tree.addChildRow(a1, {L"d", L"A1b", L"x"});
        ASSERT_EQ(b, 2);
        ASSERT_TRUE(tree.layOut());
    }
    Vdn_StringArray rowTexts() const {
        Vdn_StringArray texts;
        for (int row = 1; row <= tree.maxRows(); ++row)
            texts.append(tree.rowText(row));
        return texts;
    }
    std::vector<bool> shown() const {
        std::vector<bool> rows;
        for (int row = 1; row <= tree.maxRows(); ++row)
            rows.push_back(!tree.SSIsRowHidden(row));
        return rows;
    }
    // The centre of a cell in the dialog's client coordinates.
    CPoint cellPoint(int col, int row) {
        CRect rect;
        EXPECT_TRUE(tree.SSGetCellRect(col, row, &rect));
        return actionsOn(dialog).pointIn(kSheetId, rect.CenterPoint());
    }

    static ui::UserActions actionsOn(CWnd& window) {
        return ui::UserActions(
            window, [](const std::wstring& message) { ADD_FAILURE() << uitest::utf8(message); });
    }

    TempRegistry registry;
    TreeHostDialog dialog;
    TfTreeSpread tree;
};

TEST_F(TreeTest, LevelsInBothRootColumnModes) {
    const Vdn_StringArray order{L"A", L"A1", L"A1a", L"A1b", L"A2", L"B"};
    for (const bool rootColumn : {true, false}) {
        SCOPED_TRACE(rootColumn ? "root column" : "no root column");
        buildThreeLevels(rootColumn);
        EXPECT_EQ(tree.levelCount(), rootColumn ? 3 : 2);
        EXPECT_EQ(tree.textColumn(), 2 + tree.levelCount());
        EXPECT_EQ(rowTexts(), order);
        struct Row {
            int level, parent, lastDescendant;
            bool children, lastSibling;
        };
        const Row rows[] = {{1, -1, 5, true, false}, {2, 1, 4, true, false},
                            {3, 2, 3, false, false}, {3, 2, 4, false, true},
                            {2, 1, 5, false, true},  {1, -1, 6, false, true}};
        for (int row = 1; row <= 6; ++row) {
            const Row& want = rows[row - 1];
            EXPECT_EQ(tree.getLevel(row), want.level) << row;
            EXPECT_EQ(tree.parentRow(row), want.parent) << row;
            EXPECT_EQ(tree.lastDescendant(row), want.lastDescendant) << row;
            EXPECT_EQ(tree.hasChildren(row), want.children) << row;
            EXPECT_EQ(tree.isLastSibling(row), want.lastSibling) << row;
            // The data columns before and after the tree keep their texts.
            EXPECT_EQ(tree.keyText(row), order[row - 1]) << row;
            Vdn_String text;
            tree.getCellText(1, row, text, Vdn_Spread::kCellValue);
            EXPECT_EQ(text, L"d") << row;
            tree.getCellText(tree.textColumn() + 1, row, text, Vdn_Spread::kCellValue);
            EXPECT_EQ(text, L"x") << row;
        }
        EXPECT_EQ(tree.getLevel(7), -1);
        EXPECT_EQ(tree.glyphColumn(6), rootColumn ? 2 : -1);
    }
}

TEST_F(TreeTest, GlyphKindsOnAThreeLevelTree) {
    buildThreeLevels(true);
    // Per row, the kinds in the level columns 2, 3 and 4 (0: nothing; the text spans the rest).
    const std::vector<std::vector<int>> kinds = {{1, 0, 0}, {7, 3, 0}, {7, 7, 5},
                                                 {7, 7, 6}, {7, 6, 0}, {6, 0, 0}};
    for (int row = 1; row <= 6; ++row) {
        const int own = tree.glyphColumn(row);
        for (int col = 2; col <= own; ++col)
            EXPECT_EQ(tree.glyphKind(col, row), kinds[row - 1][col - 2]) << col << "," << row;
    }
    // Row 3 (A1a) continues level 1 (B follows) and level 2 (A2 follows); row 5 (A2) only
    // level 1.
    EXPECT_EQ(tree.glyphKind(3, 5), 6);

    // Without a root column the first level column belongs to level 2.
    buildThreeLevels(false);
    EXPECT_EQ(tree.glyphKind(2, 2), 3);
    EXPECT_EQ(tree.glyphKind(2, 3), 7);
    EXPECT_EQ(tree.glyphKind(3, 3), 5);
    EXPECT_EQ(tree.glyphKind(3, 4), 6);
    EXPECT_EQ(tree.glyphKind(2, 5), 6);
}

TEST_F(TreeTest, ALonelyRootShowsKindTwoAndDoesNotToggle) {
    ASSERT_TRUE(tree.setUp(1, 1, nullptr, false, true));
    ASSERT_EQ(tree.addRootRow({L"only"}), 1);
    ASSERT_TRUE(tree.layOut());
    EXPECT_EQ(tree.glyphKind(1, 1), 2);
    EXPECT_TRUE(tree.isExpanded(1));
    EXPECT_FALSE(tree.toggleRow(1));
    ASSERT_TRUE(actionsOn(dialog).clickCell(kSheetId, 1, 1));
    EXPECT_TRUE(tree.isExpanded(1)) << "the box of a row without children keeps its look";
    EXPECT_EQ(tree.getLevel(1), 1);
}

TEST_F(TreeTest, CollapseAndExpandStayConsistent) {
    buildThreeLevels(true);
    auto act = actionsOn(dialog);
    // Collapsing A1 by its box, then A by a double click.
    ASSERT_TRUE(act.clickCell(kSheetId, tree.glyphColumn(2), 2));
    EXPECT_EQ(shown(), (std::vector<bool>{true, true, false, false, true, true}));
    EXPECT_FALSE(tree.isExpanded(2));
    ASSERT_TRUE(act.doubleClickCell(kSheetId, tree.textColumn(), 1));
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false, false, false, true}));
    EXPECT_FALSE(tree.isExpanded(1));
    // Clicking a box of a row without children, or a tree line, changes nothing.
    ASSERT_TRUE(act.clickCell(kSheetId, 2, 6));
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false, false, false, true}));
    // Expanding A shows the whole branch, and A1's box says so.
    ASSERT_TRUE(act.clickCell(kSheetId, tree.glyphColumn(1), 1));
    EXPECT_EQ(shown(), std::vector<bool>(6, true));
    EXPECT_TRUE(tree.isExpanded(1));
    EXPECT_TRUE(tree.isExpanded(2));
    // The marks survive every toggle.
    for (int row = 1; row <= 6; ++row)
        EXPECT_EQ(tree.getLevel(row), std::vector<int>({1, 2, 3, 3, 2, 1})[row - 1]) << row;
    // A child added under a collapsed branch stays hidden with it.
    ASSERT_TRUE(tree.toggleRow(2));
    const int added = tree.addChildRow(2, {L"d", L"A1c", L"x"});
    EXPECT_EQ(added, 5);
    EXPECT_TRUE(tree.SSIsRowHidden(added));
    tree.expandAll();
    EXPECT_EQ(shown(), std::vector<bool>(7, true));
}

TEST_F(TreeTest, ADeeperChildAddsALevelColumnAndKeepsTexts) {
    buildThreeLevels(true);
    const int deep = tree.addChildRow(4, {L"d", L"A1b-i", L"x"});
    ASSERT_EQ(deep, 5);
    ASSERT_TRUE(tree.layOut());
    EXPECT_EQ(tree.levelCount(), 4);
    EXPECT_EQ(tree.getLevel(deep), 4);
    EXPECT_EQ(rowTexts(), (Vdn_StringArray{L"A", L"A1", L"A1a", L"A1b", L"A1b-i", L"A2", L"B"}));
    EXPECT_EQ(tree.glyphKind(4, 4), 4) << "A1b now has a child and is the last sibling";
    EXPECT_EQ(tree.glyphKind(5, 5), 6);
}

TEST_F(TreeTest, DraggingCarriesThePressedRow) {
    Vdn_StringArray received;
    buildThreeLevels(true, [&](TfTreeSpread& target) { received = target.droppedTexts(); });
    ASSERT_TRUE(tree.SSSetActiveCell(tree.textColumn(), 1));
    auto act = actionsOn(dialog);
    ASSERT_TRUE(act.drag(cellPoint(tree.textColumn(), 5), cellPoint(tree.textColumn(), 6)));
    EXPECT_EQ(received, (Vdn_StringArray{L"A2"}));
    EXPECT_TRUE(tree.droppedObjects().isEmpty());
}

TEST_F(TreeTest, DropsOfTextsAndOfDrawingObjects) {
    int calls = 0;
    buildThreeLevels(true, [&](TfTreeSpread&) { ++calls; });

    COleDataSource texts;
    texts.cacheText(L"a;b;c");
    texts.CacheData(TfTreeSpread::privateFormat(), {1});
    ASSERT_TRUE(tree.acceptsDrop(texts.dataObject()));
    ASSERT_TRUE(tree.drop(texts.dataObject()));
    EXPECT_EQ(tree.droppedTexts(), (Vdn_StringArray{L"a", L"b", L"c"}));
    EXPECT_TRUE(tree.droppedObjects().isEmpty());

    // Plain text without the private format is not the tree's business.
    COleDataSource plain;
    plain.cacheText(L"x");
    EXPECT_FALSE(tree.acceptsDrop(plain.dataObject()));
    EXPECT_FALSE(tree.drop(plain.dataObject()));

    COleDataSource objects;
    objects.CacheData(TfTreeSpread::hostObjectFormat(), {0});
    EXPECT_EQ(TfTreeSpread::hostObjectFormat(), RegisterClipboardFormat(L"AutoCAD.r18"));
    ASSERT_TRUE(tree.acceptsDrop(objects.dataObject()));
    // Without a previous selection the drop has no effect.
    EXPECT_FALSE(tree.drop(objects.dataObject()));
    EXPECT_EQ(tree.droppedTexts(), (Vdn_StringArray{L"a", L"b", L"c"}));
    EXPECT_EQ(calls, 1);
    host::setPreviousSelection({AcDbObjectId(7), AcDbObjectId(9)});
    ASSERT_TRUE(tree.drop(objects.dataObject()));
    ASSERT_EQ(tree.droppedObjects().length(), 2);
    EXPECT_EQ(tree.droppedObjects()[0], AcDbObjectId(7));
    EXPECT_EQ(tree.droppedObjects()[1], AcDbObjectId(9));
    EXPECT_TRUE(tree.droppedTexts().isEmpty());
    EXPECT_EQ(host::openSelectionSets(), 0);
    EXPECT_EQ(calls, 2);
}

TEST_F(TreeTest, TheMenuPassesActionsToTheOwner) {
    buildThreeLevels(true);
    Vdn_StringArray items;
    for (int i = 0; i < 11; ++i) {
        if (i == 2 || i == 5)
            items.append(L"-");
        items.append(Vdn_String(L"item ") + Vdn_String(i));
    }
    ASSERT_TRUE(tree.setMenuItems(items));
    user.expectMenuEntry(L"item 9");
    ASSERT_TRUE(actionsOn(dialog).rightClickCell(kSheetId, tree.textColumn(), 3));
    ASSERT_EQ(user.menus().size(), 1u);
    const auto& entries = user.menus()[0].entries;
    ASSERT_EQ(entries.size(), 12u) << "ten items and two separators; the eleventh is left out";
    EXPECT_TRUE(entries[2].separator);
    EXPECT_TRUE(entries[6].separator);
    EXPECT_EQ(entries[11].text, L"item 9");
    EXPECT_EQ(dialog.actions, std::vector<LPARAM>{9});
    EXPECT_EQ(tree.menuItemText(9), L"item 9");
    EXPECT_EQ(tree.menuItemText(10), L"");
}

} // namespace
