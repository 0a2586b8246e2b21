#include "module/dynMenu.h"

#include "platform/ui/users/ScriptedUser.h"
#include "platform/ui/users/UserScope.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Row {
    int level;
    int kind;
    const wchar_t* text;
};

// One menu line as the tests compare it: "<text>:<id>", "-" for a separator,
// "<text>>" for a submenu; with " checked", " grey", " radio" flags.
std::vector<std::wstring> describe(const CMenu& menu) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const UINT state = menu.GetMenuState(static_cast<UINT>(i), MF_BYPOSITION);
        std::wstring text;
        menu.GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
        std::wstring line;
        if (state & MF_SEPARATOR) {
            line = L"-";
        } else if (state & MF_POPUP) {
            line = text + L">";
        } else {
            line = text + L":" + std::to_wstring(menu.GetMenuItemID(i));
            if (state & MFT_RADIOCHECK)
                line += L" radio";
            else if (state & MF_CHECKED)
                line += L" checked";
            if (state & MF_GRAYED)
                line += L" grey";
        }
        lines.push_back(line);
    }
    return lines;
}

class dynMenuTest : public ::testing::Test {
protected:
    CMenu* build(const std::vector<Row>& rows) {
        Vdn_Array<int> levels;
        Vdn_Array<dynMenuEntry> entries;
        for (const Row& row : rows) {
            levels.append(row.level);
            entries.append(dynMenuEntry{row.text, row.kind});
        }
        return menu_.build(levels, entries);
    }

    dynMenu menu_;
};

std::vector<Row> plainItems(int count) {
    static const wchar_t* const texts[] = {L"a", L"b", L"c", L"d", L"e", L"f",
                                           L"g", L"h", L"i", L"j", L"k", L"l"};
    std::vector<Row> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({1, dynMenuEntry::kPlain, texts[i]});
    return rows;
}

TEST_F(dynMenuTest, ElevenPlainEntriesGiveTheFirstTen) {
    const CMenu* root = build(plainItems(11));
    EXPECT_EQ(describe(*root), (std::vector<std::wstring>{
                                   L"a:32811", L"b:32812", L"c:32816", L"d:32817", L"e:32818",
                                   L"f:32800", L"g:32801", L"h:32802", L"i:32803", L"j:32804"}));
}

TEST_F(dynMenuTest, EntryKindsAndIds) {
    struct Case {
        const char* name;
        std::vector<Row> rows;
        std::vector<std::wstring> expected;
    };
    const Case cases[] = {
        {"a separator uses no id",
         {{1, 1, L"a"}, {1, 5, L""}, {1, 1, L"b"}},
         {L"a:32811", L"-", L"b:32812"}},
        {"a skipped entry consumes an id",
         {{1, 1, L"a"}, {1, 7, L"gone"}, {1, 1, L"b"}},
         {L"a:32811", L"b:32816"}},
        {"checked, radio and greyed items",
         {{1, 2, L"on"}, {1, 3, L"choice"}, {1, 4, L"off"}, {1, 9, L"odd kind"}},
         {L"on:32811 checked", L"choice:32812 radio", L"off:32816 grey", L"odd kind:32817"}},
        {"levels of 0 or below and levels without an open submenu are left out",
         {{1, 1, L"a"},
          {0, 1, L"zero"},
          {-1, 1, L"negative"},
          {3, 1, L"deep"},
          {2, 1, L"two"},
          {1, 1, L"b"}},
         {L"a:32811", L"b:32812"}},
        {"once ten ids are used separators and submenus are left out too",
         [] {
             auto rows = plainItems(10);
             rows.push_back({1, 5, L""});
             rows.push_back({1, 6, L"More"});
             rows.push_back({1, 7, L"x"});
             return rows;
         }(),
         {L"a:32811", L"b:32812", L"c:32816", L"d:32817", L"e:32818", L"f:32800", L"g:32801",
          L"h:32802", L"i:32803", L"j:32804"}},
    };
    for (const Case& c : cases) {
        const CMenu* root = build(c.rows);
        EXPECT_EQ(describe(*root), c.expected) << c.name;
        EXPECT_EQ(menu_.submenuCount(), 0) << c.name;
    }
}

TEST_F(dynMenuTest, SubmenusNestByLevel) {
    const CMenu* root = build({{1, 1, L"Top"},
                               {1, 6, L"More"},
                               {2, 1, L"Inner"},
                               {2, 6, L"Deeper"},
                               {3, 2, L"Deepest"},
                               {2, 1, L"Back in More"},
                               {2, 1, L"Still in More"},
                               {1, 1, L"Last"}});
    EXPECT_EQ(describe(*root), (std::vector<std::wstring>{L"Top:32811", L"More>", L"Last:32800"}));
    ASSERT_EQ(menu_.submenuCount(), 2);
    const CMenu* more = root->GetSubMenu(1);
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(describe(*more),
              (std::vector<std::wstring>{L"Inner:32812", L"Deeper>", L"Back in More:32817",
                                         L"Still in More:32818"}));
    const CMenu* deeper = more->GetSubMenu(1);
    ASSERT_NE(deeper, nullptr);
    EXPECT_EQ(describe(*deeper), std::vector<std::wstring>{L"Deepest:32816 checked"});
}

TEST_F(dynMenuTest, ParallelListsOfDifferentLengthsUseTheShorter) {
    Vdn_Array<int> levels{1, 1, 1};
    Vdn_Array<dynMenuEntry> entries{{L"a", 1}, {L"b", 1}};
    EXPECT_EQ(describe(*menu_.build(levels, entries)),
              (std::vector<std::wstring>{L"a:32811", L"b:32812"}));
}

TEST_F(dynMenuTest, TextByCommandIdSearchesSubmenus) {
    build({{1, 1, L"Copy"}, {1, 6, L"Sheet"}, {2, 1, L"Delete sheet"}});
    EXPECT_EQ(menu_.getItemText(32811), L"Copy");
    EXPECT_EQ(menu_.getItemText(32812), L"Delete sheet");
    EXPECT_EQ(menu_.getItemText(32816), L"");
    dynMenu empty;
    EXPECT_EQ(empty.getItemText(32811), L"");
    EXPECT_EQ(empty.root(), nullptr);
}

TEST_F(dynMenuTest, BuildingAgainReplacesTheMenu) {
    build({{1, 6, L"Sub"}, {2, 1, L"x"}});
    EXPECT_EQ(menu_.submenuCount(), 1);
    const CMenu* root = build(plainItems(2));
    EXPECT_EQ(menu_.submenuCount(), 0);
    EXPECT_EQ(describe(*root), (std::vector<std::wstring>{L"a:32811", L"b:32812"}));
}

TEST_F(dynMenuTest, ShowLetsTheUserPick) {
    ui::ScriptedUser user;
    ui::UserScope scope(user);
    user.expectMenuEntry(L"More/Inner").expectMenuDismiss();
    Vdn_Array<int> levels{1, 1, 2};
    Vdn_Array<dynMenuEntry> entries{{L"Top", 1}, {L"More", 6}, {L"Inner", 1}};

    EXPECT_EQ(menu_.show(TPM_RETURNCMD, 40, 50, nullptr, levels, entries), 32812);
    EXPECT_EQ(menu_.show(TPM_RETURNCMD, 40, 50, nullptr, levels, entries), 0);
    EXPECT_TRUE(user.verify()) << Vdn_String(user.failureText()).toUtf8();
    ASSERT_EQ(user.menus().size(), 2u);
    EXPECT_EQ(user.menus()[0].x, 40);
    EXPECT_EQ(user.menus()[0].y, 50);
    ASSERT_EQ(user.menus()[0].entries.size(), 2u);
    EXPECT_EQ(user.menus()[0].entries[1].submenu.at(0).text, L"Inner");
}

TEST(dynMenu, CommandIndexMapsIdsToPositions) {
    EXPECT_EQ(dynMenu::commandIndex(32811), 0);
    EXPECT_EQ(dynMenu::commandIndex(32818), 4);
    EXPECT_EQ(dynMenu::commandIndex(32800), 5);
    EXPECT_EQ(dynMenu::commandIndex(32804), 9);
    EXPECT_EQ(dynMenu::commandIndex(32813), -1);
}

} // namespace
