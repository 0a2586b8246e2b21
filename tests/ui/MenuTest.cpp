// Menus: building and querying, the menu resources, and pop-up menus picked by the script.

#include "platform/ui/menus/CMenu.h"
#include "platform/ui/menus/MenuLibrary.h"
#include "platform/ui/menus/MenuTemplateParser.h"
#include "platform/ui/windows/Diagnostics.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using uitest::ScriptedUserTest;

// A popup with a submenu: 0 "Copy" 100, 1 separator, 2 "&Options" > {"Grid" 200, "Snap" 201},
// 3 "Delete" 101 (grayed).
void build(CMenu& menu, CMenu& sub) {
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(sub.CreatePopupMenu());
    sub.AppendMenu(MF_STRING, 200, L"Grid");
    sub.AppendMenu(MF_STRING | MF_CHECKED, 201, L"Snap");
    menu.AppendMenu(MF_STRING, 100, L"Copy\tCtrl+C");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.m_hMenu), L"&Options");
    menu.AppendMenu(MF_STRING | MF_GRAYED, 101, L"Delete");
}

TEST(Menu, QueriesByPositionAndByCommand) {
    CMenu menu;
    CMenu sub;
    build(menu, sub);
    EXPECT_EQ(menu.GetMenuItemCount(), 4);
    EXPECT_EQ(menu.GetMenuItemID(0), 100U);
    EXPECT_EQ(menu.GetMenuItemID(1), 0U) << "separator";
    EXPECT_EQ(menu.GetMenuItemID(2), static_cast<UINT>(-1)) << "pop-up";
    EXPECT_EQ(menu.GetMenuState(1, MF_BYPOSITION), MF_SEPARATOR);
    EXPECT_EQ(menu.GetMenuState(2, MF_BYPOSITION), MF_POPUP | (2U << 8));
    EXPECT_EQ(menu.GetMenuState(201, MF_BYCOMMAND), MF_CHECKED) << "found in the submenu";
    EXPECT_EQ(menu.GetMenuState(999, MF_BYCOMMAND), static_cast<UINT>(-1));
    std::wstring text;
    EXPECT_EQ(menu.GetMenuString(200, text, MF_BYCOMMAND), 4);
    EXPECT_EQ(text, L"Grid");
    menu.GetMenuString(2, text, MF_BYPOSITION);
    EXPECT_EQ(text, L"&Options");
    EXPECT_EQ(menu.GetSubMenu(2)->GetMenuItemID(1), 201U);
    EXPECT_EQ(menu.GetSubMenu(0), nullptr);

    EXPECT_EQ(menu.CheckMenuItem(100, MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(menu.CheckMenuItem(100, MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(menu.EnableMenuItem(101, MF_ENABLED), MF_GRAYED);
    EXPECT_TRUE(menu.CheckMenuRadioItem(200, 201, 200, MF_BYCOMMAND));
    EXPECT_EQ(menu.GetMenuState(200, MF_BYCOMMAND), MF_CHECKED | MFT_RADIOCHECK);
    EXPECT_EQ(menu.GetMenuState(201, MF_BYCOMMAND), 0U);
    EXPECT_FALSE(menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(menu.m_hMenu), L"self"));
}

TEST(Menu, DestroyingTheParentDestroysItsPopupsOnce) {
    CMenu menu;
    CMenu sub;
    build(menu, sub);
    const HMENU subHandle = sub.m_hMenu;
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_FALSE(CMenu::isMenu(subHandle));
    EXPECT_FALSE(sub.DestroyMenu()) << "already destroyed with its parent: harmless";
    EXPECT_EQ(menu.GetMenuItemCount(), -1);
}

class MenuOwner : public CWnd {
public:
    std::vector<UINT> commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
};

class PopupMenuTest : public ScriptedUserTest {
protected:
    void SetUp() override {
        build(menu, sub);
        ASSERT_TRUE(owner.CreateEx(0, L"Owner", L"", WS_POPUP, CRect(0, 0, 9, 9), nullptr, 0));
    }
    CMenu menu;
    CMenu sub;
    MenuOwner owner;
};

TEST_F(PopupMenuTest, TheScriptPicksByIdTextOrPathOrDismisses) {
    user.expectMenuCommand(201)
        .expectMenuEntry(L"Copy")
        .expectMenuEntry(L"Options/Grid")
        .expectMenuDismiss();
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 10, 20, &owner), 201);
    EXPECT_TRUE(owner.commands.empty()) << "TPM_RETURNCMD sends nothing";
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 10, 20, &owner));
    EXPECT_TRUE(menu.TrackPopupMenu(0, 10, 20, &owner));
    EXPECT_FALSE(menu.TrackPopupMenu(0, 10, 20, &owner));
    EXPECT_EQ(owner.commands, (std::vector<UINT>{100, 200}));
    ASSERT_EQ(user.menus().size(), 4U);
    EXPECT_EQ(user.menus()[0].x, 10);
    EXPECT_EQ(user.menus()[0].entries[2].submenu[1].text, L"Snap");
    EXPECT_EQ(user.menus()[1].chosen, 100U);
    EXPECT_EQ(user.menus()[3].chosen, 0U);
}

TEST(PopupMenuFailures, AGrayedEntryCannotBePicked) {
    ui::ScriptedUser user;
    ui::UserScope scope(user);
    CMenu menu;
    CMenu sub;
    build(menu, sub);
    user.expectMenuEntry(L"Delete");
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 0);
    ASSERT_EQ(user.failures().size(), 1U);
    EXPECT_EQ(user.failures()[0], L"pop-up menu of 4 entries has no enabled entry \"Delete\"");
}

TEST(MenuResources, EditorMenusLoadFromTheResourceFolder) {
    CMenu bar;
    ASSERT_TRUE(bar.LoadMenu(139));
    EXPECT_EQ(bar.GetMenuItemCount(), 4);
    CMenu* file = bar.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetMenuItemCount(), 10);
    std::wstring text;
    bar.GetMenuString(32846, text, MF_BYCOMMAND);
    EXPECT_EQ(text, L"Change Language");
    CMenu context;
    ASSERT_TRUE(context.LoadMenu(179));
    context.GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_EQ(text, L"Context menu");
    EXPECT_EQ(context.GetSubMenu(0)->GetMenuItemID(1), 32823U);

    ui::Diagnostics::clear();
    CMenu missing;
    EXPECT_FALSE(missing.LoadMenu(59999));
    EXPECT_EQ(ui::Diagnostics::messages(), (std::vector<std::wstring>{L"menu 59999 not found"}));
    EXPECT_TRUE(ui::MenuLibrary::instance().diagnostics().empty());
}

TEST(MenuTemplateParser, ReportsErrorsWithLinesAndKeepsTheGoodMenus) {
    const auto result = ui::MenuTemplateParser::parse(
        {L"menu 1", L"popup \"A\"", L"item 10 \"x\" CHECKED", L"end", L"end", L"menu 2", L"popup B",
         L"item 11 \"y\"", L"end", L"item x \"z\"", L"end", L"menu 3", L"separator", L"end"},
        L"m.menu");
    ASSERT_EQ(result.diagnostics.size(), 2U);
    EXPECT_EQ(result.diagnostics[0].text(),
              L"m.menu:7: \"popup\" needs its text as a \"quoted string\"");
    EXPECT_EQ(result.diagnostics[1].text(),
              L"m.menu:10: bad command id \"x\" (expected 1 to 65535)");
    ASSERT_EQ(result.menus.size(), 2U);
    EXPECT_EQ(result.menus[0].entries[0].entries[0].state, MF_CHECKED);
    EXPECT_EQ(result.menus[1].id, 3U);
}

TEST(MenuTemplateParser, NestingIsBounded) {
    std::vector<std::wstring> text = {L"menu 1"};
    for (int i = 0; i < 40; ++i) {
        text.push_back(L"popup \"deeper\"");
    }
    for (int i = 0; i < 41; ++i) {
        text.push_back(L"end");
    }
    const auto result = ui::MenuTemplateParser::parse(text, L"deep.menu");
    EXPECT_TRUE(result.menus.empty());
    ASSERT_FALSE(result.diagnostics.empty());
    EXPECT_EQ(result.diagnostics[0].line, 18);
}

} // namespace
