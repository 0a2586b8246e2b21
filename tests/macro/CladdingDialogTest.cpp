// The cladding dialog: connection types by section, the spacing tied to its mode, choosing a
// section in the profile chooser, and what OK and Cancel give back.
#include "dialogs/CDlgSelectProf.h"
#include "macro/cladding/CDlgCladdingSettings.h"
#include "macro/cladding/CladdingLaunchers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/core/TempFolder.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

class CladdingDialogTest : public uitest::ScriptedUserTest {
protected:
    CladdingDialogTest() {
        data.sections = {L"Z-200", L"C-150", L"IPE-120"};
        data.section = L"Z-200";
        data.startConnection = 3;
        data.endConnection = 4;
        data.spacingMode = 3;
        data.spacing = 1800;
    }

    static const CComboBox& combo(const CDialog& dialog, int id) {
        return dynamic_cast<const CComboBox&>(*dialog.GetDlgItem(id));
    }
    static std::vector<std::wstring> items(const CDialog& dialog, int id) {
        std::vector<std::wstring> texts;
        for (int i = 0; i < combo(dialog, id).GetCount(); ++i)
            texts.push_back(combo(dialog, id).GetLBText(i));
        return texts;
    }

    TfCladdingDlgData data;
};

TEST(CladdingSectionTest, LapsAndSleevesNeedColdFormedRails) {
    const struct {
        const wchar_t* section;
        bool lapped;
    } cases[] = {{L"Z-200", true},     {L"z200", true},   {L"C-150", true},
                 {L"Sigma 200", true}, {L"ZS-250", true}, {L"IPE-120", false},
                 {L"CHS-60", false},   {L"", false},      {L"HEA-200", false}};
    for (const auto& c : cases) {
        TfCladdingDlgData record;
        record.section = c.section;
        EXPECT_TRUE(record.isValidConstrainType(0));
        EXPECT_TRUE(record.isValidConstrainType(2));
        EXPECT_EQ(record.isValidConstrainType(3), c.lapped) << Vdn_String(c.section).toUtf8();
        EXPECT_EQ(record.isValidConstrainType(4), c.lapped) << Vdn_String(c.section).toUtf8();
        EXPECT_FALSE(record.isValidConstrainType(5));
        EXPECT_FALSE(record.isValidConstrainType(-1));
    }
}

TEST_F(CladdingDialogTest, ConnectionListsFollowTheSection) {
    user.expectModal<CDlgCladdingSettings>([](CDlgCladdingSettings& shown, ui::UserActions& act) {
        EXPECT_EQ(items(shown, CDlgCladdingSettings::kStartCombo).size(), 5u);
        EXPECT_EQ(combo(shown, CDlgCladdingSettings::kStartCombo).GetWindowText(),
                  CDlgCladdingSettings::connectionCaption(3).str());
        EXPECT_TRUE(shown.GetDlgItem(CDlgCladdingSettings::kSpacingEdit)->IsWindowEnabled());
        // A hot-rolled rail cannot be lapped or sleeved: both ends fall back to none.
        act.selectComboText(CDlgCladdingSettings::kSectionCombo, L"IPE-120");
        EXPECT_EQ(items(shown, CDlgCladdingSettings::kEndCombo).size(), 3u);
        EXPECT_EQ(combo(shown, CDlgCladdingSettings::kEndCombo).GetWindowText(),
                  CDlgCladdingSettings::connectionCaption(0).str());
        act.selectComboItem(CDlgCladdingSettings::kStartCombo, 2);
        act.selectComboItem(CDlgCladdingSettings::kSpacingCombo, 1);
        EXPECT_FALSE(shown.GetDlgItem(CDlgCladdingSettings::kSpacingEdit)->IsWindowEnabled());
        EXPECT_FALSE(shown.GetDlgItem(CDlgCladdingSettings::kSpacingLabel)->IsWindowEnabled());
        act.selectComboItem(CDlgCladdingSettings::kSideCombo, 2);
        act.click(CDlgCladdingSettings::kSagRodsCheck);
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgCladdingSettings(data));
    EXPECT_EQ(data.section, L"IPE-120");
    EXPECT_EQ(data.startConnection, 2);
    EXPECT_EQ(data.endConnection, 0);
    EXPECT_EQ(data.spacingMode, 1);
    EXPECT_EQ(data.side, 2);
    EXPECT_TRUE(data.sagRods);
}

// A spacing that is no number above 0 keeps the record's value; a number replaces it.
TEST_F(CladdingDialogTest, SpacingThatIsNoNumberKeepsTheRecordsValue) {
    const struct {
        const wchar_t* typed;
        double kept;
    } cases[] = {{L"abc", 1800}, {L"", 1800},       {L"-5", 1800},      {L"0", 1800},
                 {L"12x", 1800}, {L" 2400 ", 2400}, {L"1250.5", 1250.5}};
    for (const auto& c : cases) {
        TfCladdingDlgData record = data;
        user.expectModal<CDlgCladdingSettings>([&c](CDlgCladdingSettings&, ui::UserActions& act) {
            act.enterText(CDlgCladdingSettings::kSpacingEdit, c.typed);
            act.click(IDOK);
        });
        ASSERT_TRUE(StartDlgCladdingSettings(record));
        EXPECT_EQ(record.spacing, c.kept) << Vdn_String(c.typed).toUtf8();
    }
}

// The chooser starts from the record's section; its choice joins the list and is selected.
TEST_F(CladdingDialogTest, ChoosingASectionAddsItToTheList) {
    const SettingsRestorer restore;
    gSettings.setLibDir(Vdn_String::fromUtf8(TESSA_SOURCE_ROOT "/examples/library/"));
    std::wstring chosen;
    user.expectModal<CDlgCladdingSettings>([&](CDlgCladdingSettings& shown, ui::UserActions& act) {
        user.expectModal<CDlgSelectProf>([&](CDlgSelectProf& chooser, ui::UserActions& pick) {
            EXPECT_EQ(chooser.name_, L"Z-200");
            pick.selectComboText(CDlgSelectProf::kTableCombo, L"IPE");
            pick.selectListItem(CDlgSelectProf::kSizeList, 0);
            pick.click(IDOK);
            chosen = chooser.name_.str();
        });
        act.click(CDlgCladdingSettings::kChooseSection);
        EXPECT_EQ(combo(shown, CDlgCladdingSettings::kSectionCombo).GetWindowText(), chosen);
        EXPECT_EQ(items(shown, CDlgCladdingSettings::kStartCombo).size(), 3u);
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgCladdingSettings(data));
    ASSERT_FALSE(chosen.empty());
    EXPECT_EQ(data.section, chosen);
    EXPECT_EQ(data.sections.length(), 4);
    EXPECT_EQ(data.startConnection, 0);
}

TEST_F(CladdingDialogTest, CancelKeepsTheRecord) {
    const TfCladdingDlgData before = data;
    user.expectModal<CDlgCladdingSettings>([](CDlgCladdingSettings&, ui::UserActions& act) {
        act.selectComboText(CDlgCladdingSettings::kSectionCombo, L"C-150");
        act.enterText(CDlgCladdingSettings::kSpacingEdit, L"900");
        act.click(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgCladdingSettings(data));
    EXPECT_EQ(data, before);
}

} // namespace
