// The designer window and its editing operations, driven as a user drives them: clicks and
// drags at positions on the design, the panel's edits, the prompts and file dialogs.
#include "designer/CDlgDesigner.h"
#include "designer/DesignerTexts.h"
#include "platform/core/files/Vdn_PropertiesList.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/users/UserActions.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"
#include "tests/core/TempFolder.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

// Four edits on a 400 x 200 picture, in pixels: A at 10,10 (left-most), B at 100,40,
// C at 200,60, D at 300,100; each 40 x 20.
class DesignerWindowTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        savedLibrary = gSettings.libDir();
        gSettings.setLibDir(folder.name(""));
        std::filesystem::create_directories(folder.path() / "Dialog Templates/Dialog Design");
        ASSERT_TRUE(ui::Bitmap(400, 200, 0xFFFFFFFF).save(root() + L"Test.bmp"));
        Vdn_PropertiesList list;
        const double spots[4][2] = {{10, 10}, {100, 40}, {200, 60}, {300, 100}};
        list.setInt(L"nrOfControls", 4);
        for (int i = 0; i < 4; ++i) {
            const std::wstring n = std::to_wstring(i);
            list.setInt(L"type" + n, ctVarEdit);
            list.setDouble(L"topLeftX" + n, spots[i][0] / 400);
            list.setDouble(L"topLeftY" + n, spots[i][1] / 200);
            list.setDouble(L"bottomRightX" + n, (spots[i][0] + 40) / 400);
            list.setDouble(L"bottomRightY" + n, (spots[i][1] + 20) / 200);
            list.setString(L"contents" + n, std::wstring(1, static_cast<wchar_t>(L'A' + i)));
        }
        ASSERT_TRUE(list.writeToFile(root() + L"Test.txt"));
    }
    void TearDown() override {
        gSettings.setLibDir(savedLibrary);
        uitest::ScriptedUserTest::TearDown();
    }

    Vdn_String root() const { return Vdn_DlgDesignerData::getDesignerRootFolder(); }

    // Runs the designer on the test design with the script; the test design is not saved.
    void run(std::function<void(CDlgDesigner&, ui::UserActions&)> script) {
        user.expectModal<CDlgDesigner>([&](CDlgDesigner& designer, ui::UserActions& act) {
            script(designer, act);
            if (designer.isModified()) {
                user.expectMessageBox(IDNO);
            }
            act.click(IDOK);
        });
        StartDlgDesigner(L"Test");
    }

    static CRect rectOf(CDlgDesigner& designer, int index) {
        Vdn_DlgDesignerData& design = designer.design();
        design.getSizeFromAllControls();
        return CRect(static_cast<int>(design.getTopLeftX(index) + 0.5),
                     static_cast<int>(design.getTopLeftY(index) + 0.5),
                     static_cast<int>(design.getBottomRightX(index) + 0.5),
                     static_cast<int>(design.getBottomRightY(index) + 0.5));
    }
    static int idOf(CDlgDesigner& designer, int index) {
        return designer.design().getControl(index)->resourceId;
    }

    TempFolder folder;
    Vdn_String savedLibrary;
};

TEST_F(DesignerWindowTest, ClicksSelectAndDragsMoveTheWholeSelection) {
    run([&](CDlgDesigner& designer, ui::UserActions& act) {
        ASSERT_EQ(designer.design().getNrControls(), 4);
        EXPECT_FALSE(designer.isModified());
        // A click on the empty picture clears the selection and still counts as a change.
        act.clickAt(CPoint(150, 150));
        EXPECT_TRUE(designer.isModified());
        act.clickAt(CPoint(20, 20));
        act.clickAt(CPoint(110, 50), ui::Shift);
        EXPECT_EQ(designer.design().tracker()->selectedIds(),
                  (std::vector<int>{idOf(designer, 0), idOf(designer, 1)}));
        // Ctrl on a selected control takes it out of the selection.
        act.clickAt(CPoint(110, 50), ui::Control);
        EXPECT_EQ(designer.design().getCurSel(), 0);
        act.clickAt(CPoint(110, 50), ui::Shift);
        // Dragging the middle of one of the selected controls moves both.
        act.drag(CPoint(20, 20), CPoint(45, 35));
        EXPECT_EQ(rectOf(designer, 0), CRect(35, 25, 75, 45));
        EXPECT_EQ(rectOf(designer, 1), CRect(125, 55, 165, 75));
        EXPECT_EQ(rectOf(designer, 2), CRect(200, 60, 240, 80));
        // A rubber band selects what lies wholly inside it.
        act.drag(CPoint(190, 55), CPoint(395, 195));
        EXPECT_EQ(designer.design().tracker()->selectedIds(),
                  (std::vector<int>{idOf(designer, 2), idOf(designer, 3)}));
    });
}

TEST_F(DesignerWindowTest, AlignCopySideBySideAndSizeWorkOnTheSelection) {
    run([&](CDlgDesigner& designer, ui::UserActions& act) {
        Vdn_DlgDesignerData& design = designer.design();
        design.selectCtrls({idOf(designer, 0), idOf(designer, 1), idOf(designer, 2)});
        act.click(CDlgDesigner::kAlignButton);
        // The left-most one (A, bottom at 30) gives its bottom; heights stay.
        EXPECT_EQ(rectOf(designer, 1), CRect(100, 10, 140, 30));
        EXPECT_EQ(rectOf(designer, 2), CRect(200, 10, 240, 30));
        // Side by side needs exactly two.
        act.click(CDlgDesigner::kSideBySideButton);
        EXPECT_EQ(rectOf(designer, 2), CRect(200, 10, 240, 30));
        design.selectCtrls({idOf(designer, 3), idOf(designer, 0)});
        act.click(CDlgDesigner::kSideBySideButton);
        EXPECT_EQ(rectOf(designer, 3), CRect(50, 10, 90, 30));

        design.selectCtrls({idOf(designer, 0)});
        act.click(CDlgDesigner::kCopyButton);
        ASSERT_EQ(design.getNrControls(), 5);
        EXPECT_EQ(rectOf(designer, 4), CRect(30, 30, 70, 50));
        EXPECT_EQ(design.tracker()->selectedIds(), (std::vector<int>{idOf(designer, 4)}));

        design.selectCtrls({idOf(designer, 1), idOf(designer, 2)});
        user.expectModal(Vdn_DlgPromptString::IDD, [](CDialog& prompt, ui::UserActions& inner) {
            EXPECT_EQ(prompt.GetDlgItem(Vdn_DlgPromptString::kValueEdit)->GetWindowText(), L"30");
            inner.enterText(Vdn_DlgPromptString::kValueEdit, L"45");
            inner.click(IDOK);
        });
        act.click(CDlgDesigner::kWidthButton);
        EXPECT_EQ(rectOf(designer, 1), CRect(100, 10, 145, 30));
        EXPECT_EQ(rectOf(designer, 2), CRect(200, 10, 245, 30));
    });
}

TEST_F(DesignerWindowTest, ThePanelRelabelsAndRetypesTheSelectedControl) {
    run([&](CDlgDesigner& designer, ui::UserActions& act) {
        act.clickAt(CPoint(20, 20));
        EXPECT_EQ(designer.GetDlgItem(CDlgDesigner::kContentsEdit)->GetWindowText(), L"A");
        act.enterText(CDlgDesigner::kContentsEdit, L"PlateWidth");
        EXPECT_EQ(designer.GetDlgItem(idOf(designer, 0))->GetWindowText(), L"PlateWidth");
        // A combo needs another window class: the control is made again, still selected.
        act.selectComboItem(CDlgDesigner::kTypeCombo, ctVarCombo);
        EXPECT_NE(dynamic_cast<CComboBox*>(designer.GetDlgItem(idOf(designer, 0))), nullptr);
        EXPECT_EQ(designer.design().getCurSel(), 0);
        EXPECT_TRUE(designer.GetDlgItem(CDlgDesigner::kComboListEdit)->IsWindowEnabled());
    });
}

TEST_F(DesignerWindowTest, EveryEditCanBeUndoneAndRedone) {
    run([&](CDlgDesigner& designer, ui::UserActions& act) {
        act.clickAt(CPoint(20, 20));
        act.drag(CPoint(20, 20), CPoint(60, 60));
        EXPECT_EQ(rectOf(designer, 0), CRect(50, 50, 90, 70));
        act.click(CDlgDesigner::kAddButton);
        ASSERT_EQ(designer.design().getNrControls(), 5);
        act.pressKey('Z', ui::Control);
        EXPECT_EQ(designer.design().getNrControls(), 4);
        act.pressKey('Z', ui::Control);
        EXPECT_EQ(rectOf(designer, 0), CRect(10, 10, 50, 30));
        act.pressKey('Y', ui::Control);
        EXPECT_EQ(rectOf(designer, 0), CRect(50, 50, 90, 70));
        act.pressKey('Y', ui::Control);
        EXPECT_EQ(designer.design().getNrControls(), 5);
        // A click that only selects leaves nothing to undo.
        act.clickAt(CPoint(150, 150));
        act.pressKey('Z', ui::Control);
        EXPECT_EQ(designer.design().getNrControls(), 4);
        // Removing takes the selected controls out of the design and their windows away.
        const int removedId = idOf(designer, 1);
        act.clickAt(CPoint(110, 50));
        act.click(CDlgDesigner::kRemoveButton);
        EXPECT_EQ(designer.design().getNrControls(), 3);
        EXPECT_EQ(designer.GetDlgItem(removedId), nullptr);
        act.pressKey('Z', ui::Control);
        EXPECT_EQ(designer.design().getNrControls(), 4);
        EXPECT_NE(designer.GetDlgItem(removedId), nullptr);
    });
}

TEST_F(DesignerWindowTest, APictureForAnUnnamedDesignAsksForANameFirst) {
    user.expectModal<CDlgDesigner>([&](CDlgDesigner& designer, ui::UserActions& act) {
        EXPECT_TRUE(designer.design().name().isEmpty());
        user.expectFileDialog(L""); // the save-as dialog, cancelled
        act.click(CDlgDesigner::kPictureButton);
        int width = -1;
        int height = -1;
        designer.design().getImageSize(width, height);
        EXPECT_EQ(width, 0);
        EXPECT_EQ(height, 0);
        act.click(IDOK);
    });
    EXPECT_TRUE(StartDlgDesigner(L""));
}

TEST_F(DesignerWindowTest, AnUnnamedDesignClosedWithYesIsSavedUnderTheChosenName) {
    const Vdn_String chosen = root() + L"Fresh.txt";
    user.expectModal<CDlgDesigner>([&](CDlgDesigner&, ui::UserActions& act) {
        act.click(CDlgDesigner::kAddButton);
        user.expectMessageBox(IDYES).expectFileDialog(chosen.str());
        act.click(IDOK);
    });
    EXPECT_TRUE(StartDlgDesigner(L""));
    Vdn_DlgDesignerData read;
    ASSERT_TRUE(read.readFromFile(chosen, false));
    EXPECT_EQ(read.getNrControls(), 1);
}

TEST_F(DesignerWindowTest, AddingIsRefusedWithAMessageWhenEveryIdIsTaken) {
    Vdn_PropertiesList list;
    list.setInt(L"nrOfControls", 100);
    ASSERT_TRUE(list.writeToFile(root() + L"Full.txt"));
    user.expectModal<CDlgDesigner>([&](CDlgDesigner& designer, ui::UserActions& act) {
        ASSERT_EQ(designer.design().getNrControls(), 100);
        user.expectMessageBox(IDOK);
        act.click(CDlgDesigner::kAddButton);
        EXPECT_EQ(designer.design().getNrControls(), 100);
        EXPECT_FALSE(designer.isModified());
        act.click(IDOK);
    });
    EXPECT_TRUE(StartDlgDesigner(L"Full"));
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].icon, MB_ICONEXCLAMATION);
}

TEST_F(DesignerWindowTest, ClosingAModifiedDesignAsksAndYesSavesIt) {
    user.expectModal<CDlgDesigner>([&](CDlgDesigner& designer, ui::UserActions& act) {
        act.click(CDlgDesigner::kAddButton);
        ASSERT_EQ(designer.design().getNrControls(), 5);
        user.expectMessageBox(IDCANCEL);
        act.click(IDOK);
        EXPECT_FALSE(designer.hasEnded());
        user.expectMessageBox(IDYES);
        act.pressKey(VK_ESCAPE); // swallowed: the layout is not thrown away
        EXPECT_FALSE(designer.hasEnded());
        act.close();
    });
    EXPECT_TRUE(StartDlgDesigner(L"Test.txt"));
    Vdn_DlgDesignerData read;
    ASSERT_TRUE(read.readFromFile(root() + L"Test.txt", false));
    EXPECT_EQ(read.getNrControls(), 5);
}

// A design file that cannot be read is not opened as an empty design under its name: the user
// is told why, the designer starts on a new design, and saving that over the file asks first,
// No being the default.
TEST_F(DesignerWindowTest, ADamagedDesignIsToldAndSavedOverOnlyOnYes) {
    const std::string damaged = "Vdn_PropertiesList 1\n2\tnrOfControls\t-1\n";
    folder.write("Dialog Templates/Dialog Design/Damaged.txt", damaged);
    const Vdn_String path = root() + L"Damaged.txt";
    const auto openAndSave = [&](int answer) {
        user.expectMessageBox(IDOK);
        user.expectModal<CDlgDesigner>([&](CDlgDesigner& designer, ui::UserActions& act) {
            EXPECT_TRUE(designer.design().name().isEmpty());
            EXPECT_EQ(designer.design().getNrControls(), 0);
            act.click(CDlgDesigner::kAddButton);
            user.expectMessageBox(IDYES).expectFileDialog(path.str()).expectMessageBox(answer);
            act.click(IDOK);
            if (answer == IDNO) {
                EXPECT_FALSE(designer.hasEnded()); // not saved: the design stays open
                user.expectMessageBox(IDNO);
                act.click(IDOK);
            }
        });
        EXPECT_TRUE(StartDlgDesigner(L"Damaged"));
    };

    openAndSave(IDNO);
    EXPECT_TRUE(user.verify()) << user.failureText();
    EXPECT_EQ(folder.read("Dialog Templates/Dialog Design/Damaged.txt"), damaged);
    ASSERT_EQ(user.messageBoxes().size(), 4u);
    const ui::MessageBoxRecord& told = user.messageBoxes()[0];
    EXPECT_EQ(told.text, (dialString(designer::kUnreadableDesign) + L":\n" +
                          folder.name("Dialog Templates/Dialog Design/Damaged.txt") +
                          L"\ndamaged: nrOfControls is -1, not between 0 and 10000")
                             .str());
    EXPECT_EQ(told.icon, MB_ICONEXCLAMATION);
    const ui::MessageBoxRecord& asked = user.messageBoxes()[2];
    EXPECT_EQ(asked.text.rfind(dialString(designer::kReplaceUnreadable).str(), 0), 0u);
    EXPECT_EQ(asked.buttons, MB_YESNO);
    EXPECT_EQ(asked.defaultAnswer(), IDNO);

    openAndSave(IDYES);
    EXPECT_TRUE(user.verify()) << user.failureText();
    Vdn_DlgDesignerData read;
    ASSERT_TRUE(read.readFromFile(path, false));
    EXPECT_EQ(read.getNrControls(), 1);
}

} // namespace
