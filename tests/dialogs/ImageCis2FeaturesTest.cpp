// The image picker, the CIS/2 options with the profile-name translations, and the profile
// features dialog: what they give back, what they refuse and what they keep.
#include "dialogs/CDlgCis2.h"
#include "dialogs/CDlgLevels.h"
#include "dialogs/CDlgProfFeatures.h"
#include "dialogs/CDlgSectionTranslation.h"
#include "dialogs/CDlgSelectImage.h"
#include "dialogs/ImageCis2FeaturesEntries.h"
#include "platform/core/model/MacroLangs.h"
#include "platform/core/sections/SectionTranslations.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CImageListCtrl.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"
#include "tests/core/TempFolder.h"
#include "tests/host/TempRegistry.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

std::wstring textOf(CDialog& shown, int id) {
    return shown.GetDlgItem(id)->GetWindowText();
}

bool visible(CDialog& shown, int id) {
    return shown.GetDlgItem(id)->IsWindowVisible() != FALSE;
}

// A library folder of its own (translations, CIS/2 names) in the work language Dutch.
class LibraryTest : public uitest::ScriptedUserTest {
protected:
    LibraryTest() {
        gSettings.setLibDir(temp.name("lib"));
        gSettings.setWorkLanguage(Vdn_Settings::Dutch);
        temp.write("lib/translations.txt", "Module\tStiffener\tSchot\tStiffener\tRaidisseur\n");
        gMacroLangs.reload();
    }
    ~LibraryTest() override { gMacroLangs.reload(); }

    SettingsRestorer restorer;
    TempFolder temp;
    TempRegistry registry;
};

using ImagePickerTest = LibraryTest;

// Labels are translated, but the caller looks the file up by its own title.
TEST_F(ImagePickerTest, GivesTheUntranslatedTitleAndNeedsAChoice) {
    TfSelectImageDlgData data;
    data.title = L"Module";
    data.imageFiles = Vdn_StringArray{temp.name("lib/pictures/Plate.bmp"),
                                      temp.name("lib/pictures/Stiffener.bmp")};
    user.expectModal(CDlgSelectImage::IDD, [](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(shown.GetWindowText(), L"Module");
        auto* list = dynamic_cast<CImageListCtrl*>(shown.GetDlgItem(CDlgSelectImage::kImageList));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->GetItemCount(), 2) << "missing pictures keep their places";
        EXPECT_EQ(list->images()[1].name, L"Schot");
        act.click(IDOK);
        EXPECT_FALSE(shown.hasEnded()) << "OK without a choice";
        act.doubleClickImage(CDlgSelectImage::kImageList, 1);
    });
    ASSERT_TRUE(StartDlgSelectImage(data));
    EXPECT_EQ(data.chosenName, L"Stiffener");
}

using Cis2Test = LibraryTest;

TEST_F(Cis2Test, OptionsFollowTheScopeAndComeBack) {
    TfDlgCis2Data data;
    data.hiddenOption = true;
    user.expectModal(CDlgCis2::IDD, [](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(shown.IsDlgButtonChecked(CDlgCis2::kStandardRadio), BST_CHECKED);
        EXPECT_FALSE(visible(shown, CDlgCis2::kHiddenOptionCheck));
        for (const int id : {CDlgCis2::kFirstOptionCheck, CDlgCis2::kThirdOptionCheck,
                             CDlgCis2::kModelNamesRadio, CDlgCis2::kTranslatedNamesRadio}) {
            EXPECT_FALSE(shown.GetDlgItem(id)->IsWindowEnabled()) << id;
        }
        act.click(CDlgCis2::kCustomRadio);
        EXPECT_TRUE(shown.GetDlgItem(CDlgCis2::kThirdOptionCheck)->IsWindowEnabled());
        act.click(CDlgCis2::kFirstOptionCheck);
        act.click(CDlgCis2::kThirdOptionCheck);
        act.click(CDlgCis2::kTranslatedNamesRadio);
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgCis2Info(data));
    TfDlgCis2Data expected;
    expected.firstScope = false;
    expected.firstOption = false;
    expected.hiddenOption = true;
    expected.thirdOption = true;
    expected.secondChoice = true;
    EXPECT_EQ(data, expected);
}

// The translations editor changes a name without regard to case, adds a new one typed
// without "Apply", and writes the file; a damaged file is never opened for editing.
TEST_F(Cis2Test, TranslationsAreEditedAndADamagedFileIsLeftAlone) {
    temp.write("lib/CIS2ProfNames.dat", "# names\nHEA-200\tHE200A\nIPE-300\tIPE300\n");
    user.expectModal(CDlgCis2::IDD, [&](CDialog&, ui::UserActions& act) {
        user.expectModal(CDlgSectionTranslation::IDD, [](CDialog& editor, ui::UserActions& in) {
            EXPECT_EQ(editor.GetWindowText(), dialString(670).str());
            in.enterText(CDlgSectionTranslation::kNameEdit, L"hea-200");
            in.enterText(CDlgSectionTranslation::kTranslationEdit, L"HE 200 A");
            in.click(CDlgSectionTranslation::kApplyButton);
            in.enterText(CDlgSectionTranslation::kNameEdit, L"IPE-400");
            in.enterText(CDlgSectionTranslation::kTranslationEdit, L"IPE400");
            in.click(IDOK);
        });
        act.click(CDlgCis2::kNamesButton);
        act.click(IDCANCEL);
    });
    TfDlgCis2Data options;
    EXPECT_FALSE(StartDlgCis2Info(options));
    Vdn_StringArray names;
    Vdn_StringArray translations;
    ASSERT_TRUE(readSectionTranslation(temp.name("lib/CIS2ProfNames.dat"), names, translations));
    EXPECT_EQ(names, (Vdn_StringArray{L"hea-200", L"IPE-300", L"IPE-400"}));
    EXPECT_EQ(translations, (Vdn_StringArray{L"HE 200 A", L"IPE300", L"IPE400"}));

    const std::string damaged = "HEA-200\tHE200A\nhea-200\tother\n";
    temp.write("lib/CIS2ProfNames.dat", damaged);
    user.expectModal(CDlgCis2::IDD, [&](CDialog&, ui::UserActions& act) {
        user.expectMessageBox(IDOK);
        act.click(CDlgCis2::kNamesButton);
        act.click(IDCANCEL);
    });
    StartDlgCis2Info(options);
    ASSERT_FALSE(user.messageBoxes().empty());
    EXPECT_NE(user.messageBoxes().back().text.find(L"line 2"), std::wstring::npos);
    EXPECT_EQ(temp.read("lib/CIS2ProfNames.dat"), damaged);
}

// A write that fails says so and keeps the editor open with what was typed.
TEST_F(Cis2Test, AFailedWriteKeepsTheEditorOpen) {
    user.expectModal(CDlgSectionTranslation::IDD, [&](CDialog& editor, ui::UserActions& act) {
        act.enterText(CDlgSectionTranslation::kNameEdit, L"HEA-100");
        user.expectMessageBox(IDOK);
        act.click(IDOK);
        EXPECT_FALSE(editor.hasEnded());
        EXPECT_EQ(textOf(editor, CDlgSectionTranslation::kNameEdit), L"HEA-100");
        act.click(IDCANCEL);
    });
    EXPECT_FALSE(writeSectionTranslation(temp.name("no such folder/names.dat"), {}, {}, L"T", L"P",
                                         nullptr));
}

// Reading refuses what writing would refuse, with the line.
TEST(SectionTranslationFileTest, RefusesDamagedFilesWithTheirLine) {
    TempFolder temp;
    const struct {
        std::string text;
        std::wstring problem;
    } damaged[] = {
        {"\tHE200A\n", L"line 1: a translation without a name"},
        {"# c\nHEA-200\ta\tb\n", L"line 2: more than one tab"},
        {"HEA-200\n\nhea-200\tx\n", L"line 3: \"hea-200\" is named before, on line 1"},
    };
    for (const auto& file : damaged) {
        temp.write("names.dat", file.text);
        Vdn_StringArray names{L"kept"};
        Vdn_StringArray translations{L"kept"};
        Vdn_String problem;
        EXPECT_FALSE(readSectionTranslation(temp.name("names.dat"), names, translations, &problem));
        EXPECT_EQ(problem.str(), file.problem);
        EXPECT_EQ(names, Vdn_StringArray{L"kept"});
    }
    Vdn_String problem;
    EXPECT_FALSE(
        saveSectionTranslation(temp.name("out.dat"), {L"A", L"a"}, {L"1", L"2"}, &problem));
    EXPECT_FALSE(saveSectionTranslation(temp.name("out.dat"), {L"A\tB"}, {L"1"}, &problem));
    // It would read back as a comment, and the pair would be lost.
    EXPECT_FALSE(saveSectionTranslation(temp.name("out.dat"), {L" #HEA"}, {L"1"}, &problem));
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "out.dat"));
}

class ProfFeaturesTest : public uitest::ScriptedUserTest {
protected:
    ProfFeaturesTest() {
        for (const wchar_t* name : {L"Floor", L"First"}) {
            int index = -1;
            data.levels.addLevel(name, index);
        }
        data.getAllLevels();
        data.title = L"Column";
        data.profile = L"HEA-200";
    }

    DlgProfFeaturesData data;
};

TEST_F(ProfFeaturesTest, OnlyLabelledRowsShowAndTheLastProfileEntryKeepsTheProfile) {
    user.expectModal(CDlgProfFeatures::IDD, [](CDialog& shown, ui::UserActions& act) {
        for (const int id :
             {CDlgProfFeatures::kLabel1, CDlgProfFeatures::kLevelCombo1, CDlgProfFeatures::kEdit2,
              CDlgProfFeatures::kEdit3, CDlgProfFeatures::kLevelCombo3, CDlgProfFeatures::kEdit4,
              CDlgProfFeatures::kCheck}) {
            EXPECT_FALSE(visible(shown, id)) << id;
        }
        auto* combo = dynamic_cast<CComboBox*>(shown.GetDlgItem(CDlgProfFeatures::kProfileCombo));
        ASSERT_NE(combo, nullptr);
        ASSERT_GT(combo->GetCount(), 2);
        EXPECT_EQ(combo->GetLBText(combo->GetCurSel()), L"HEA200") << "by its user name";
        act.selectComboItem(CDlgProfFeatures::kProfileCombo, combo->GetCount() - 1);
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_EQ(data.profile, L"HEA-200");
}

TEST_F(ProfFeaturesTest, AUserSectionOffersOnlyItself) {
    data.profile = L"User Sections\\Truss beam.usr";
    user.expectModal(CDlgProfFeatures::IDD, [](CDialog& shown, ui::UserActions& act) {
        auto& dialog = dynamic_cast<CDlgProfFeatures&>(shown);
        EXPECT_EQ(dialog.profiles(), Vdn_StringArray{L"User Sections\\Truss beam.usr"});
        auto* combo = dynamic_cast<CComboBox*>(shown.GetDlgItem(CDlgProfFeatures::kProfileCombo));
        ASSERT_EQ(combo->GetCount(), 2);
        EXPECT_EQ(combo->GetLBText(0), L"Truss beam");
        EXPECT_EQ(combo->GetLBText(1), dialString(695).str());
        act.click(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgProfFeatures(data));
}

// Ticking the box swaps row 3 at once; the text typed for either value is kept and stored.
TEST_F(ProfFeaturesTest, TheSwapKeepsWhatWasTypedForBothValues) {
    data.label3 = L"Length";
    data.value3 = L"3600";
    data.altLabel3 = L"Top level";
    data.altValue3 = L"First";
    data.checkCaption = L"Top at a level";
    user.expectModal(CDlgProfFeatures::IDD, [](CDialog& shown, ui::UserActions& act) {
        act.enterText(CDlgProfFeatures::kEdit3, L"4200");
        act.click(CDlgProfFeatures::kCheck);
        EXPECT_EQ(textOf(shown, CDlgProfFeatures::kLabel3), L"Top level");
        EXPECT_EQ(textOf(shown, CDlgProfFeatures::kEdit3), L"First");
        act.enterText(CDlgProfFeatures::kEdit3, L"Roof");
        act.click(CDlgProfFeatures::kCheck);
        EXPECT_EQ(textOf(shown, CDlgProfFeatures::kEdit3), L"4200");
        act.click(CDlgProfFeatures::kCheck);
        EXPECT_EQ(textOf(shown, CDlgProfFeatures::kEdit3), L"Roof");
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_TRUE(data.checkState);
    EXPECT_EQ(data.value3, L"4200");
    EXPECT_EQ(data.altValue3, L"Roof");
}

// Levels added in the levels dialog are offered at once; a level row left without a choice
// keeps its value.
TEST_F(ProfFeaturesTest, TheLevelsButtonRefillsTheLevelRows) {
    data.label1 = L"Base";
    data.value1 = L"Gone";
    data.label3 = L"Top";
    data.row3IsLevel = true;
    data.value3 = L"First";
    user.expectModal(CDlgProfFeatures::IDD, [&](CDialog& shown, ui::UserActions& act) {
        EXPECT_FALSE(visible(shown, CDlgProfFeatures::kEdit3));
        user.expectModal(CDlgLevels::IDD, [&](CDialog&, ui::UserActions& levels) {
            user.expectModal(Vdn_DlgPromptString::IDD, [](CDialog&, ui::UserActions& prompt) {
                prompt.enterText(Vdn_DlgPromptString::kValueEdit, L"Roof");
                prompt.click(IDOK);
            });
            levels.click(CDlgLevels::kAddButton);
            levels.click(IDOK);
        });
        act.click(CDlgProfFeatures::kLevelsButton3);
        auto* combo = dynamic_cast<CComboBox*>(shown.GetDlgItem(CDlgProfFeatures::kLevelCombo3));
        ASSERT_EQ(combo->GetCount(), 3);
        EXPECT_EQ(combo->GetLBText(combo->GetCurSel()), L"First") << "the choice is kept";
        act.selectComboText(CDlgProfFeatures::kLevelCombo3, L"Roof");
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_EQ(data.levelNames, (Vdn_StringArray{L"Floor", L"First", L"Roof"}));
    EXPECT_EQ(data.value1, L"Gone");
    EXPECT_EQ(data.value3, L"Roof");
}

} // namespace
