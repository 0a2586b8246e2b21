// The formats and file-naming dialogs on a working copy of the settings, with the list and
// scales dialogs they open: what they load, what OK, the list and the scales write, refused
// names, and the formats list at its ends.
#include "platform/core/text/NumberedTexts.h"
#include "platform/core/workshop/WsUiMessages.h"
#include "platform/core/workshop/WsUiNamingItems.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CListBox.h"
#include "platform/ui/dialogs/CDlgListSort.h"
#include "platform/ui/dialogs/CDlgScales.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"
#include "tests/ui/ui_test_support.h"
#include "tests/workshop/WsTestSettings.h"
#include "workshop/Vdn_DlgWsFileNaming.h"
#include "workshop/Vdn_DlgWsFormats.h"

#include <gtest/gtest.h>

namespace {

std::wstring textOf(CWnd& shown, int id) {
    return shown.GetDlgItem(id)->GetWindowText();
}

bool enabled(CWnd& shown, int id) {
    return shown.GetDlgItem(id)->IsWindowEnabled() != FALSE;
}

std::vector<std::wstring> listItems(CWnd& shown, int id) {
    auto* list = dynamic_cast<CListBox*>(shown.GetDlgItem(id));
    std::vector<std::wstring> items;
    for (int i = 0; list != nullptr && i < list->GetCount(); ++i) {
        std::wstring item;
        list->GetText(i, item);
        items.push_back(item);
    }
    return items;
}

std::vector<std::wstring> comboItems(CWnd& shown, int id) {
    auto* combo = dynamic_cast<CComboBox*>(shown.GetDlgItem(id));
    std::vector<std::wstring> items;
    for (int i = 0; combo != nullptr && i < combo->GetCount(); ++i)
        items.push_back(combo->GetLBText(i));
    return items;
}

WsUiSettingPath pathOf(std::initializer_list<const wchar_t*> components) {
    WsUiSettingPath path;
    for (const wchar_t* component : components)
        path.appendPath(component);
    return path;
}

class WorkshopDialogTest : public uitest::ScriptedUserTest {
protected:
    void runNaming(const wchar_t* member) {
        Vdn_DlgWsFileNaming dialog;
        dialog.settings_ = &settings;
        dialog.path_ = pathOf({member});
        dialog.DoModal();
    }

    void runFormats() {
        Vdn_DlgWsFormats dialog;
        dialog.settings_ = &settings;
        dialog.path_ = pathOf({L"mFormats"});
        dialog.DoModal();
    }

    void answerPrompt(const wchar_t* name) {
        user.expectModal<Vdn_DlgPromptString>([name](Vdn_DlgPromptString&, ui::UserActions& act) {
            act.enterText(Vdn_DlgPromptString::kValueEdit, name);
            act.click(IDOK);
        });
    }

    Vdn_String text(std::initializer_list<const wchar_t*> path) const {
        Vdn_String value;
        EXPECT_EQ(settings.getSetting(pathOf(path), value), Acad::eOk);
        return value;
    }
    int number(std::initializer_list<const wchar_t*> path) const {
        int value = -1;
        EXPECT_EQ(settings.getSetting(pathOf(path), value), Acad::eOk);
        return value;
    }
    Vdn_Array<int> codes(const wchar_t* member) const {
        Vdn_Array<int> value;
        EXPECT_EQ(settings.getSetting(pathOf({member, L"mFileNaming"}), value), Acad::eOk);
        return value;
    }

    WsUiGlobalSettings settings = wstest::testSettings();
};

// The list dialog's title follows the page-numbering box; the items come as descriptions, an
// unknown code as "#77", and go back as codes in the order the user left them.
TEST_F(WorkshopDialogTest, FileNamingCodesRoundTripThroughTheListDialog) {
    user.expectModal(Vdn_DlgWsFileNaming::IDD, [&](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFileNaming::kNamingLabel),
                  L"Creatie van de bestandsnamen");
        act.click(Vdn_DlgWsFileNaming::kPageNumberingCheck);
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFileNaming::kNamingLabel), L"Sortering van pagina's");
        act.click(Vdn_DlgWsFileNaming::kPageNumberingCheck);
        user.expectModal(CDlgListSort::IDD, [](CDialog& list, ui::UserActions& act) {
            EXPECT_EQ(list.GetWindowText(), L"Creatie van de bestandsnamen");
            EXPECT_EQ(textOf(list, CDlgListSort::kPrompt),
                      L"Voeg toe, verwijder en sorteer de items");
            EXPECT_EQ(listItems(list, CDlgListSort::kChosenList),
                      (std::vector<std::wstring>{L"Merk", L"#77", L"Positienummer"}));
            const std::vector<std::wstring> available =
                listItems(list, CDlgListSort::kAvailableList);
            EXPECT_EQ(available.size(), static_cast<std::size_t>(getAllNamingDescs().length() - 2));
            EXPECT_EQ(available.front(), L"Naam");
            act.selectListItem(CDlgListSort::kChosenList, 2); // Positienummer to the top
            act.click(CDlgListSort::kUpButton);
            act.click(CDlgListSort::kUpButton);
            EXPECT_FALSE(enabled(list, CDlgListSort::kUpButton));
            act.selectListItem(CDlgListSort::kChosenList, 1); // Merk out
            act.click(CDlgListSort::kRemoveButton);
            const int last =
                static_cast<int>(listItems(list, CDlgListSort::kAvailableList).size()) - 1;
            act.selectListItem(CDlgListSort::kAvailableList, last); // Datum in
            act.click(CDlgListSort::kAddButton);
            EXPECT_EQ(listItems(list, CDlgListSort::kChosenList),
                      (std::vector<std::wstring>{L"Positienummer", L"#77", L"Datum"}));
            act.click(IDOK);
        });
        act.click(Vdn_DlgWsFileNaming::kNamingButton);
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFileNaming::kNamingSummary),
                  L"Positienummer + #77 + Datum");
        // The list is written at once; the dialog's Cancel keeps it.
        act.click(IDCANCEL);
    });
    runNaming(L"mDSTVFileNaming");
    EXPECT_EQ(codes(L"mDSTVFileNaming"), (Vdn_Array<int>{kPrPlPosition, 77, kSheetDate}));
    EXPECT_EQ(number({L"mDSTVFileNaming", L"mTruncateValues"}), 1);
}

// Cancel in the list dialog changes nothing; with pages numbered its title says so.
TEST_F(WorkshopDialogTest, FileNamingListCancelKeepsTheCodes) {
    user.expectModal(Vdn_DlgWsFileNaming::IDD, [&](CDialog&, ui::UserActions& act) {
        user.expectModal(CDlgListSort::IDD, [](CDialog& list, ui::UserActions& act) {
            EXPECT_EQ(list.GetWindowText(), L"Sortering van pagina's");
            act.selectListItem(CDlgListSort::kChosenList, 0);
            act.click(CDlgListSort::kRemoveButton);
            act.click(IDCANCEL);
        });
        act.click(Vdn_DlgWsFileNaming::kNamingButton);
        act.click(IDOK);
    });
    runNaming(L"mDXFFileNaming");
    EXPECT_EQ(codes(L"mDXFFileNaming"), (Vdn_Array<int>{kSheetPageNumber}));
}

// OK writes the boxes, the separator and the folder; a stored folder the catalogue does not
// offer shows no selection and stays as it was unless the user picks one.
TEST_F(WorkshopDialogTest, FileNamingOkWritesItsFieldsAndKeepsAnUnofferedFolder) {
    user.expectModal(Vdn_DlgWsFileNaming::IDD, [](CDialog& shown, ui::UserActions& act) {
        auto* folders =
            dynamic_cast<CComboBox*>(shown.GetDlgItem(Vdn_DlgWsFileNaming::kFolderCombo));
        ASSERT_NE(folders, nullptr);
        EXPECT_EQ(folders->GetCurSel(), -1);
        EXPECT_EQ(comboItems(shown, Vdn_DlgWsFileNaming::kFolderCombo).size(),
                  static_cast<std::size_t>(getAllNamingDescs().length()));
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFileNaming::kSeparatorEdit), L"_");
        act.enterText(Vdn_DlgWsFileNaming::kSeparatorEdit, L".");
        act.click(Vdn_DlgWsFileNaming::kTruncateCheck);
        act.click(Vdn_DlgWsFileNaming::kPageNumberingCheck);
        act.click(IDOK);
    });
    runNaming(L"mDSTVFileNaming");
    EXPECT_EQ(text({L"mDSTVFileNaming", L"mSeperator"}), L".");
    EXPECT_EQ(number({L"mDSTVFileNaming", L"mTruncateValues"}), 0);
    EXPECT_EQ(number({L"mDSTVFileNaming", L"mPageNumbering"}), 1);
    EXPECT_EQ(text({L"mDSTVFileNaming", L"mFolderNaming"}), L"Niet in de catalogus");

    user.expectModal(Vdn_DlgWsFileNaming::IDD, [](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFileNaming::kFolderCombo), L"Fase");
        act.selectComboText(Vdn_DlgWsFileNaming::kFolderCombo, L"Project");
        act.click(IDOK);
    });
    runNaming(L"mDXFFileNaming");
    EXPECT_EQ(text({L"mDXFFileNaming", L"mFolderNaming"}), L"Project");
}

// Showing another format stores the shown one; OK stores the one shown last.
TEST_F(WorkshopDialogTest, FormatsStoreTheShownFormatWhenLeavingIt) {
    user.expectModal(Vdn_DlgWsFormats::IDD, [](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(comboItems(shown, Vdn_DlgWsFormats::kFormatCombo),
                  (std::vector<std::wstring>{L"A4", L"A3"}));
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFormats::kNameLabel), L"Naam : A4");
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFormats::kScalesSummary), L"1:1, 1:5, 1:10");
        act.enterText(Vdn_DlgWsFormats::kWidthEdit, L"300");
        act.selectComboItem(Vdn_DlgWsFormats::kFormatCombo, 1);
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFormats::kNameLabel), L"Naam : A3");
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFormats::kWidthEdit), L"420");
        EXPECT_EQ(shown.IsDlgButtonChecked(Vdn_DlgWsFormats::kEnabledCheck),
                  static_cast<UINT>(BST_UNCHECKED));
        act.click(Vdn_DlgWsFormats::kEnabledCheck);
        act.enterText(Vdn_DlgWsFormats::kHeightEdit, L"290");
        act.click(IDOK);
    });
    runFormats();
    EXPECT_EQ(text({L"mFormats", L"A4", L"mFormatWidth"}), L"300");
    EXPECT_EQ(number({L"mFormats", L"A3", L"mEnabled"}), 1);
    EXPECT_EQ(text({L"mFormats", L"A3", L"mFormatHeight"}), L"290");
}

// New and rename refuse a name in use in any case with the exact message and change nothing;
// a new format goes in at the shown place, a renamed one keeps its place and settings.
TEST_F(WorkshopDialogTest, FormatNamesAreUniqueWithoutRegardToCase) {
    const std::wstring inUse = core::wsUiNameInUseText().str();
    ASSERT_EQ(inUse, L"Deze naam is reeds in gebruik.\nU dient een naam in te geven die nog niet "
                     L"gebruikt wordt.\n");
    user.expectModal(Vdn_DlgWsFormats::IDD, [&](CDialog& shown, ui::UserActions& act) {
        act.selectComboItem(Vdn_DlgWsFormats::kFormatCombo, 1);
        answerPrompt(L"a4");
        user.expectMessageBox(IDOK, inUse);
        act.click(Vdn_DlgWsFormats::kNewButton);
        answerPrompt(L" a3 ");
        user.expectMessageBox(IDOK, inUse);
        act.click(Vdn_DlgWsFormats::kRenameButton);
        EXPECT_EQ(comboItems(shown, Vdn_DlgWsFormats::kFormatCombo),
                  (std::vector<std::wstring>{L"A4", L"A3"}));
        answerPrompt(L"A0");
        act.click(Vdn_DlgWsFormats::kNewButton);
        EXPECT_EQ(comboItems(shown, Vdn_DlgWsFormats::kFormatCombo),
                  (std::vector<std::wstring>{L"A4", L"A0", L"A3"}));
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFormats::kNameLabel), L"Naam : A0");
        act.selectComboItem(Vdn_DlgWsFormats::kFormatCombo, 2);
        answerPrompt(L"A3 liggend");
        act.click(Vdn_DlgWsFormats::kRenameButton);
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFormats::kNameLabel), L"Naam : A3 liggend");
        act.click(IDOK);
    });
    runFormats();
    EXPECT_EQ(settings.formatNames(), (Vdn_StringArray{L"A4", L"A0", L"A3 liggend"}));
    EXPECT_EQ(text({L"mFormats", L"A3 liggend", L"mFormatWidth"}), L"420");
}

// Removing the last format shows the first; removing the only one leaves the controls inert
// and OK with nothing shown writes nothing.
TEST_F(WorkshopDialogTest, FormatRemovalAtTheEnds) {
    user.expectModal(Vdn_DlgWsFormats::IDD, [](CDialog& shown, ui::UserActions& act) {
        act.selectComboItem(Vdn_DlgWsFormats::kFormatCombo, 1);
        act.click(Vdn_DlgWsFormats::kDeleteButton);
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFormats::kNameLabel), L"Naam : A4");
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFormats::kWidthEdit), L"297");
        act.click(Vdn_DlgWsFormats::kDeleteButton);
        EXPECT_TRUE(comboItems(shown, Vdn_DlgWsFormats::kFormatCombo).empty());
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFormats::kNameLabel), L"Naam : ");
        for (const int id : {Vdn_DlgWsFormats::kDeleteButton, Vdn_DlgWsFormats::kRenameButton,
                             Vdn_DlgWsFormats::kEnabledCheck, Vdn_DlgWsFormats::kWidthEdit,
                             Vdn_DlgWsFormats::kHeightEdit, Vdn_DlgWsFormats::kScalesButton})
            EXPECT_FALSE(enabled(shown, id)) << id;
        EXPECT_TRUE(enabled(shown, Vdn_DlgWsFormats::kNewButton));
        act.click(IDOK);
    });
    runFormats();
    EXPECT_EQ(settings.nrFormats(), 0);
}

// The scales dialog keeps its list ascending and refuses what is no scale or already listed;
// OK writes the list into the shown format, Cancel leaves it.
TEST_F(WorkshopDialogTest, PermittedScalesThroughTheScalesDialog) {
    user.expectModal(Vdn_DlgWsFormats::IDD, [&](CDialog& shown, ui::UserActions& act) {
        user.expectModal(CDlgScales::IDD, [&](CDialog& scales, ui::UserActions& act) {
            EXPECT_EQ(scales.GetWindowText(), L"Te gebruiken schalen");
            for (const wchar_t* refused : {L"0", L"-5", L"abc", L"1:"}) {
                act.enterText(CDlgScales::kValueEdit, refused);
                user.expectMessageBox(IDOK, string(20311).str());
                act.click(CDlgScales::kAddButton);
            }
            act.enterText(CDlgScales::kValueEdit, L"1:5");
            user.expectMessageBox(IDOK, string(20312).str());
            act.click(CDlgScales::kAddButton);
            act.enterText(CDlgScales::kValueEdit, L"2.5");
            act.click(CDlgScales::kAddButton);
            act.selectListItem(CDlgScales::kScaleList, 0);
            act.click(CDlgScales::kRemoveButton);
            EXPECT_EQ(listItems(scales, CDlgScales::kScaleList),
                      (std::vector<std::wstring>{L"1:2.5", L"1:5", L"1:10"}));
            act.click(IDOK);
        });
        act.click(Vdn_DlgWsFormats::kScalesButton);
        EXPECT_EQ(textOf(shown, Vdn_DlgWsFormats::kScalesSummary), L"1:2.5, 1:5, 1:10");
        act.selectComboItem(Vdn_DlgWsFormats::kFormatCombo, 1);
        user.expectModal(CDlgScales::IDD, [](CDialog&, ui::UserActions& act) {
            act.selectListItem(CDlgScales::kScaleList, 0);
            act.click(CDlgScales::kRemoveButton);
            act.click(IDCANCEL);
        });
        act.click(Vdn_DlgWsFormats::kScalesButton);
        act.click(IDCANCEL);
    });
    runFormats();
    Vdn_Array<double> scales;
    ASSERT_EQ(settings.getSetting(pathOf({L"mFormats", L"A4", L"mPermittedScales"}), scales),
              Acad::eOk);
    EXPECT_EQ(scales, (Vdn_Array<double>{2.5, 5.0, 10.0}));
    ASSERT_EQ(settings.getSetting(pathOf({L"mFormats", L"A3", L"mPermittedScales"}), scales),
              Acad::eOk);
    EXPECT_EQ(scales, (Vdn_Array<double>{10.0, 20.0}));
}

// Without settings both dialogs open inert and close without harm.
TEST_F(WorkshopDialogTest, WithoutSettingsTheDialogsAreInert) {
    user.expectModal(Vdn_DlgWsFormats::IDD, [](CDialog& shown, ui::UserActions& act) {
        EXPECT_FALSE(enabled(shown, Vdn_DlgWsFormats::kNewButton));
        EXPECT_FALSE(enabled(shown, Vdn_DlgWsFormats::kWidthEdit));
        act.click(IDOK);
    });
    user.expectModal(Vdn_DlgWsFileNaming::IDD, [](CDialog& shown, ui::UserActions& act) {
        EXPECT_FALSE(enabled(shown, Vdn_DlgWsFileNaming::kNamingButton));
        act.click(IDOK);
    });
    Vdn_DlgWsFormats formats;
    EXPECT_EQ(formats.DoModal(), IDOK);
    Vdn_DlgWsFileNaming naming;
    EXPECT_EQ(naming.DoModal(), IDOK);
}

} // namespace
