// The workshop settings browser on the test settings: the items and their paths, pages that
// load and save their item, renames and base-group refusals with their exact texts, views
// added and erased, mask bits, and Cancel discarding everything.
#include "platform/core/workshop/WsUiMessages.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"
#include "tests/ui/ui_test_support.h"
#include "tests/workshop/WsTestSettings.h"
#include "workshop/CDlgWsSettings.h"
#include "workshop/CSubDlgWsSetAssembly.h"
#include "workshop/CSubDlgWsSetAssemblyView.h"
#include "workshop/CSubDlgWsSetGlobal.h"
#include "workshop/CSubDlgWsSetGroup.h"
#include "workshop/CSubDlgWsSetViews.h"
#include "workshop/Vdn_DlgWsFormats.h"

#include <gtest/gtest.h>

namespace {

CDlgWsSettings& browser(CDialog& shown) {
    return dynamic_cast<CDlgWsSettings&>(shown);
}

// Selects item as a click on its tree row does and returns the page showing it.
CDlgGeneralSettingsChild& show(CDialog& shown, int item) {
    CDlgWsSettings& dialog = browser(shown);
    const int row = dialog.rowOfItem(item);
    EXPECT_GT(row, 0) << item;
    EXPECT_TRUE(dialog.tree().userClick(dialog.tree().textColumn(), row)) << item;
    EXPECT_EQ(dialog.currentItem(), item);
    return *dialog.currentPage();
}

int itemOf(CDialog& shown, const wchar_t* label, const wchar_t* type, int from = 0) {
    const std::vector<TfTreeItem>& items = browser(shown).items();
    for (std::size_t i = static_cast<std::size_t>(from); i < items.size(); ++i) {
        if (items[i].label == label && items[i].typeName == type)
            return static_cast<int>(i);
    }
    ADD_FAILURE() << "no item " << Vdn_String(label).toUtf8();
    return -1;
}

class WsSettingsDialogTest : public uitest::ScriptedUserTest {
protected:
    void answerPrompt(const wchar_t* name, const wchar_t* question = nullptr,
                      const wchar_t* proposal = nullptr) {
        user.expectModal<Vdn_DlgPromptString>(
            [name, question, proposal](Vdn_DlgPromptString& prompt, ui::UserActions& act) {
                EXPECT_EQ(prompt.GetWindowText(), L"Naam ingeven");
                if (question != nullptr) {
                    EXPECT_EQ(prompt.label.str(), question);
                }
                if (proposal != nullptr) {
                    EXPECT_EQ(prompt.GetDlgItem(Vdn_DlgPromptString::kValueEdit)->GetWindowText(),
                              proposal);
                }
                act.enterText(Vdn_DlgPromptString::kValueEdit, name);
                act.click(IDOK);
            });
    }

    WsUiGlobalSettings settings = wstest::testSettings();
    const WsUiGlobalSettings original = settings;
};

// Every item addresses its own part of the settings, the second and later views included, and
// rows follow the items one to one.
TEST_F(WsSettingsDialogTest, ItemsCarryTheirPaths) {
    user.expectModal<CDlgWsSettings>([](CDlgWsSettings& dialog, ui::UserActions& act) {
        std::vector<std::wstring> rows;
        for (std::size_t i = 0; i < dialog.items().size(); ++i) {
            EXPECT_EQ(dialog.rowOfItem(static_cast<int>(i)), static_cast<int>(i) + 1);
            rows.push_back(dialog.items()[i].label.str() + L" " + dialog.paths()[i].toText().str());
        }
        EXPECT_EQ(rows.size(), 1u + 5u * 3u + 3u);
        EXPECT_EQ(rows[0], L"Algemeen ");
        EXPECT_EQ(rows[14], L"Trappen mGroupedSettings/Trappen");
        EXPECT_EQ(rows[15], L"Werkstuk mGroupedSettings/Trappen/mAssemblySettings");
        EXPECT_EQ(rows[16], L"Zichten mGroupedSettings/Trappen");
        EXPECT_EQ(rows[18], L"Onder mGroupedSettings/Trappen/mAssemblySettings/mViews/Onder");
        EXPECT_EQ(dialog.currentItem(), 0);
        act.click(IDOK);
    });
    EXPECT_TRUE(StartDlgWsSettings(settings));
    EXPECT_EQ(settings, original);
}

// A base group's type and filters cannot be edited and renaming it is refused with the
// base-group message; an own group shows its filters (pairs up to the shorter list) and
// renaming it to any group's name, its own included, gives the in-use message.
TEST_F(WsSettingsDialogTest, GroupRenameAndBaseGroupRefusals) {
    const std::wstring baseGroups = core::wsUiBaseGroupsText().str();
    ASSERT_EQ(baseGroups, L"De 4 basisgroepen zijn beveiligd.\nU mag deze niet verwijderen omdat "
                          L"ze nodig zijn om het genereren van de werktekeningen goed te laten "
                          L"verlopen.\n");
    const std::wstring inUse = core::wsUiNameInUseText().str();
    user.expectModal<CDlgWsSettings>([&](CDlgWsSettings& dialog, ui::UserActions&) {
        CDlgGeneralSettingsChild& page = show(dialog, itemOf(dialog, L"Members", L"GroupDlg"));
        ui::UserActions onPage(page);
        EXPECT_FALSE(page.GetDlgItem(CSubDlgWsSetGroup::kTypeCombo)->IsWindowEnabled());
        EXPECT_FALSE(page.GetDlgItem(CSubDlgWsSetGroup::kFilterButton)->IsWindowEnabled());
        user.expectMessageBox(IDOK, baseGroups);
        onPage.click(CSubDlgWsSetGroup::kRenameButton); // no prompt follows

        show(dialog, itemOf(dialog, L"Trappen", L"GroupDlg"));
        EXPECT_TRUE(page.GetDlgItem(CSubDlgWsSetGroup::kTypeCombo)->IsWindowEnabled());
        EXPECT_EQ(page.GetDlgItem(CSubDlgWsSetGroup::kFilterEdit)->GetWindowText(),
                  L"Materiaal=S355 ; Fase=2");
        for (const wchar_t* taken : {L"trappen", L"PLATES"}) {
            answerPrompt(taken, L"Geef een unieke naam voor de groep:", L"Trappen");
            user.expectMessageBox(IDOK, inUse);
            onPage.click(CSubDlgWsSetGroup::kRenameButton);
        }
        // The type chosen before the rename survives it.
        onPage.selectComboItem(CSubDlgWsSetGroup::kTypeCombo, 3);
        answerPrompt(L"Bordessen");
        onPage.click(CSubDlgWsSetGroup::kRenameButton);
        EXPECT_EQ(dialog.currentItem(), 0);
        EXPECT_EQ(dialog.items()[14].label, L"Bordessen");
        dialog.OnOK();
    });
    EXPECT_TRUE(StartDlgWsSettings(settings));
    EXPECT_EQ(settings.allGroupNames(),
              (Vdn_StringArray{L"Plates", L"Members", L"Marks", L"UOGs", L"Bordessen"}));
    EXPECT_EQ(settings.getGroup(4)->type(), 4);
}

// Removing a base group is refused with its message; another group goes after Yes only, from
// any item inside it.
TEST_F(WsSettingsDialogTest, GroupRemoval) {
    user.expectModal<CDlgWsSettings>([&](CDlgWsSettings& dialog, ui::UserActions& act) {
        EXPECT_TRUE(dialog.GetDlgItem(CDlgSettingsTemplate::kRemoveButton)->IsWindowVisible());
        show(dialog, itemOf(dialog, L"Werkstuk", L"AssemblyDlg", 4)); // Members' assembly
        user.expectMessageBox(IDOK, core::wsUiBaseGroupsText().str());
        act.click(CDlgSettingsTemplate::kRemoveButton);
        show(dialog, itemOf(dialog, L"Onder", L"AssemblyViewDlg"));
        const std::wstring question = L"Bent u zeker dat u de groep \"Trappen\" met al zijn "
                                      L"instellingen wenst te verwijderen?";
        user.expectMessageBox(IDNO, question);
        act.click(CDlgSettingsTemplate::kRemoveButton);
        EXPECT_EQ(dialog.settings_.nrGroups(), 5);
        user.expectMessageBox(IDYES, question);
        act.click(CDlgSettingsTemplate::kRemoveButton);
        EXPECT_EQ(dialog.settings_.nrGroups(), 4);
        EXPECT_EQ(dialog.items().size(), 1u + 4u * 3u + 1u);
        act.click(IDOK);
    });
    EXPECT_TRUE(StartDlgWsSettings(settings));
    EXPECT_EQ(settings.nrGroups(), 4);
}

// Cancel discards everything: a new group, renamed and erased views, page edits and what the
// formats dialog changed in the working copy.
TEST_F(WsSettingsDialogTest, CancelDiscardsEverything) {
    user.expectModal<CDlgWsSettings>([&](CDlgWsSettings& dialog, ui::UserActions& act) {
        answerPrompt(L"Groep2", L"Geef een unieke naam voor de nieuwe groep:", L"Groep");
        act.click(CDlgSettingsTemplate::kAddButton);
        EXPECT_EQ(dialog.settings_.nrGroups(), 6);
        CDlgGeneralSettingsChild& views = show(dialog, itemOf(dialog, L"Zichten", L"ViewsDlg", 14));
        ui::UserActions onViews(views);
        answerPrompt(L"Links", L"Geef een unieke naam voor het nieuwe zicht:", L"Nieuw zicht");
        onViews.click(CSubDlgWsSetViews::kNewButton);
        show(dialog, itemOf(dialog, L"Zichten", L"ViewsDlg", 14));
        user.expectMessageBox(
            IDYES, L"Bent u zeker dat u het zicht \"Boven\" met al zijn instellingen wenst te "
                   L"verwijderen?");
        onViews.click(CSubDlgWsSetViews::kEraseButton);
        CDlgGeneralSettingsChild& formatsPage = show(dialog, 0);
        user.expectModal(Vdn_DlgWsFormats::IDD, [](CDialog&, ui::UserActions& act) {
            act.click(Vdn_DlgWsFormats::kDeleteButton);
            act.click(IDOK);
        });
        ui::UserActions(formatsPage).click(CSubDlgWsSetGlobal::kFormatsButton);
        EXPECT_EQ(dialog.settings_.nrFormats(), 1);
        EXPECT_EQ(dialog.settings_.getGroup(4)->assemblySettings().viewNames(),
                  (Vdn_StringArray{L"Onder", L"Links"}));
        act.click(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgWsSettings(settings));
    EXPECT_EQ(settings, original);
}

// The feature boxes change only their own bits: 5 shows "Altijd tekenen" and "Teken bij
// snedes" and is stored unchanged; bits above 8 survive a change of the boxes.
TEST_F(WsSettingsDialogTest, MaskBoxesChangeOnlyTheirBits) {
    WsUiSettingPath voorzicht;
    ASSERT_TRUE(WsUiSettingPath::fromText(
        L"mGroupedSettings/Members/mAssemblySettings/mViews/Voorzicht/mDrawnForFeatures",
        voorzicht));
    WsUiSettingPath onder;
    ASSERT_TRUE(WsUiSettingPath::fromText(
        L"mGroupedSettings/Trappen/mAssemblySettings/mViews/Onder/mDrawnForFeatures", onder));
    ASSERT_EQ(settings.setSetting(onder, 0x30), Acad::eOk);
    user.expectModal<CDlgWsSettings>([&](CDlgWsSettings& dialog, ui::UserActions& act) {
        CDlgGeneralSettingsChild& page =
            show(dialog, itemOf(dialog, L"Voorzicht", L"AssemblyViewDlg"));
        std::vector<UINT> checks;
        for (int i = 0; i < 4; ++i)
            checks.push_back(page.IsDlgButtonChecked(CSubDlgWsSetAssemblyView::kFeatureChecks + i));
        EXPECT_EQ(checks,
                  (std::vector<UINT>{BST_CHECKED, BST_UNCHECKED, BST_CHECKED, BST_UNCHECKED}));
        EXPECT_FALSE(page.GetDlgItem(CSubDlgWsSetAssemblyView::k3DButton)->IsWindowEnabled());
        show(dialog, itemOf(dialog, L"Onder", L"AssemblyViewDlg"));
        ui::UserActions onPage(page);
        onPage.click(CSubDlgWsSetAssemblyView::kFeatureChecks + 1);
        onPage.click(CSubDlgWsSetAssemblyView::kFeatureChecks + 3);
        act.click(IDOK);
    });
    const WsUiGlobalSettings before = settings;
    EXPECT_TRUE(StartDlgWsSettings(settings));
    long mask = 0;
    ASSERT_EQ(settings.getSetting(voorzicht, mask), Acad::eOk);
    EXPECT_EQ(mask, 5);
    ASSERT_EQ(settings.getSetting(onder, mask), Acad::eOk);
    EXPECT_EQ(mask, 0x30 | 2 | 8);
}

// The shortening controls follow "Inkorten"; the marks button only for a group of marks.
TEST_F(WsSettingsDialogTest, AssemblyPageEnablesByItsSettings) {
    user.expectModal<CDlgWsSettings>([&](CDlgWsSettings& dialog, ui::UserActions& act) {
        CDlgGeneralSettingsChild& page =
            show(dialog, itemOf(dialog, L"Werkstuk", L"AssemblyDlg", 13));
        const auto on = [&page](int id) { return page.GetDlgItem(id)->IsWindowEnabled() != FALSE; };
        EXPECT_TRUE(on(CSubDlgWsSetAssembly::kStyleCombo));
        EXPECT_EQ(page.GetDlgItem(CSubDlgWsSetAssembly::kStyleCombo)->GetWindowText(),
                  L"zonder lijnen");
        EXPECT_FALSE(on(CSubDlgWsSetAssembly::kMarksButton));
        ui::UserActions(page).click(CSubDlgWsSetAssembly::kShorteningCheck);
        EXPECT_FALSE(on(CSubDlgWsSetAssembly::kOpeningEdit));
        show(dialog, itemOf(dialog, L"Werkstuk", L"AssemblyDlg", 8)); // Marks
        EXPECT_TRUE(on(CSubDlgWsSetAssembly::kMarksButton));
        act.click(IDOK);
    });
    EXPECT_TRUE(StartDlgWsSettings(settings));
    int shortening = -1;
    WsUiSettingPath path;
    ASSERT_TRUE(
        WsUiSettingPath::fromText(L"mGroupedSettings/Trappen/mAssemblySettings/mShortening", path));
    ASSERT_EQ(settings.getSetting(path, shortening), Acad::eOk);
    EXPECT_EQ(shortening, 0);
}

} // namespace
