// The design model: its file, coordinates, drawn windows, values, tab order and flex buttons.
#include "designer/DesignerLaunchers.h"
#include "designer/Vdn_DlgDesignerData.h"
#include "platform/core/files/Vdn_PropertiesList.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/users/UserActions.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/core/TempFolder.h"

#include <gtest/gtest.h>

namespace {

constexpr int kFirstId = 33000;
constexpr int kLastId = 33099;

Vdn_DesignerControl control(Vdn_ControlType type, double left, double top, double right,
                            double bottom, const wchar_t* contents = L"") {
    Vdn_DesignerControl made;
    made.type = type;
    made.topLeftX = left;
    made.topLeftY = top;
    made.bottomRightX = right;
    made.bottomRightY = bottom;
    made.contents = contents;
    return made;
}

class DesignerTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedLibrary = gSettings.libDir();
        gSettings.setLibDir(folder.name(""));
        std::filesystem::create_directories(folder.path() / "Dialog Templates/Dialog Design/sub");
        ASSERT_TRUE(ui::Bitmap(200, 100, 0xFFFFFFFF).save(root() + L"Plate.bmp"));
        ASSERT_TRUE(host.Create(60004));
        host.ShowWindow(SW_SHOW);
    }
    void TearDown() override { gSettings.setLibDir(savedLibrary); }

    Vdn_String root() const { return Vdn_DlgDesignerData::getDesignerRootFolder(); }

    // A runtime design on the host with a 200 x 100 picture.
    void startRuntime(Vdn_DlgDesignerData& design) {
        ASSERT_TRUE(design.initialize(&host, kFirstId, kLastId, 0, 0, 0, 0, 0, false));
        design.attachBitmap(root() + L"Plate.bmp");
    }

    TempFolder folder;
    Vdn_String savedLibrary;
    CDialog host{60004u};
};

TEST_F(DesignerTest, AFileRoundTripsEveryStoredFieldAndCarriesItsPictureToANewName) {
    Vdn_DlgDesignerData design;
    startRuntime(design);
    Vdn_DesignerControl flex = control(ctFlexFixButton, 0.1, 0.2, 0.3, 0.4, L"Fixed");
    flex.setSplitExtComboList(L"Ends;x;;y");
    Vdn_DesignerControl calc = control(ctCalcButton, 0.5, 0.5, 0.6, 0.6, L"=");
    calc.setSplitExtComboList(L"a;b;c;d;items.txt");
    design.append(control(ctVarEdit, 0.25, 0.125, 0.5, 0.375, L"H"));
    design.append(flex);
    design.append(calc);
    ASSERT_TRUE(design.writeToFile(root() + L"Plate.txt"));
    ASSERT_TRUE(design.writeToFile(root() + L"sub\\Copy.txt"));
    EXPECT_TRUE(
        std::filesystem::exists(folder.path() / "Dialog Templates/Dialog Design/sub/Copy.bmp"));
    EXPECT_EQ(design.name(), Vdn_String(L"sub\\Copy"));

    Vdn_DlgDesignerData read;
    startRuntime(read);
    ASSERT_TRUE(read.readFromFile(root() + L"sub\\Copy.txt", true));
    ASSERT_EQ(read.getNrControls(), 3);
    EXPECT_EQ(read.getControl(0)->contents, Vdn_String(L"H"));
    EXPECT_DOUBLE_EQ(read.getControl(0)->bottomRightY, 0.375);
    EXPECT_EQ(read.getControl(1)->flexGroup, Vdn_String(L"Ends"));
    EXPECT_EQ(read.getControl(1)->flexField4, Vdn_String(L"y"));
    EXPECT_EQ(read.getControl(2)->calcField3, Vdn_String(L"c"));
    EXPECT_EQ(read.getControl(2)->comboList, Vdn_String(L"items.txt"));
    EXPECT_EQ(read.getControl(2)->resourceId, kFirstId + 2);
    int width = 0;
    int height = 0;
    read.getImageSize(width, height);
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 100);
    Vdn_StringArray names;
    GetImageDlgCtrlNames(root() + L"Plate.txt", names);
    EXPECT_EQ(names, (Vdn_StringArray{L"H"}));
    // Outside the root folder nothing is read or written.
    EXPECT_FALSE(read.readFromFile(folder.name("Plate.txt"), false));
    EXPECT_FALSE(read.writeToFile(folder.name("Elsewhere.txt")));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Elsewhere.txt"));
}

// Every type keeps its stored fields; only calculating and flex buttons split their combo list.
TEST_F(DesignerTest, EveryTypeRoundTripsAndOnlyTypes25_26And30SplitTheirComboList) {
    Vdn_DlgDesignerData design;
    startRuntime(design);
    for (int type = 0; type < designer::kControlTypeCount; ++type) {
        Vdn_DesignerControl made = control(static_cast<Vdn_ControlType>(type), 0.01 * type, 0.02,
                                           0.01 * type + 0.05, 0.07, L"c");
        made.setSplitExtComboList(L"a;b;c;d;e");
        design.append(made);
    }
    ASSERT_TRUE(design.writeToFile(root() + L"All.txt"));
    Vdn_DlgDesignerData read;
    startRuntime(read);
    ASSERT_TRUE(read.readFromFile(root() + L"All.txt", false));
    ASSERT_EQ(read.getNrControls(), designer::kControlTypeCount);
    for (int type = 0; type < designer::kControlTypeCount; ++type) {
        SCOPED_TRACE(type);
        const Vdn_DesignerControl& got = *read.getControl(type);
        EXPECT_EQ(got.type, type);
        EXPECT_DOUBLE_EQ(got.topLeftX, 0.01 * type);
        EXPECT_EQ(got.contents, Vdn_String(L"c"));
        if (type == ctFlexFixButton) {
            EXPECT_EQ(got.flexGroup, Vdn_String(L"a"));
            EXPECT_EQ(got.flexField4, Vdn_String(L"d"));
            EXPECT_EQ(got.getMergedExtComboList(), Vdn_String(L"a;b;c;d"));
        } else if (type == ctCalcButton || type == ctCalcButtonNoDivisor) {
            EXPECT_EQ(got.calcField1, Vdn_String(L"a"));
            EXPECT_EQ(got.comboList, Vdn_String(L"e"));
        } else {
            EXPECT_EQ(got.comboList, Vdn_String(L"a;b;c;d;e"));
            EXPECT_TRUE(got.flexGroup.isEmpty());
            EXPECT_TRUE(got.calcField1.isEmpty());
        }
    }
    // Drawn, each type makes the window class of its kind.
    read.redrawAllControls();
    EXPECT_EQ(read.drawnControls().size(), static_cast<std::size_t>(designer::kControlTypeCount));
}

TEST_F(DesignerTest, MissingKeysGiveDefaultsAndSplitsKeepWhatTheTypeDoesNotSplit) {
    Vdn_PropertiesList list;
    list.setDouble(L"topLeftX0", 0.5);
    ASSERT_TRUE(list.writeToFile(root() + L"Empty.txt"));
    Vdn_DlgDesignerData design;
    startRuntime(design);
    ASSERT_TRUE(design.readFromFile(root() + L"Empty.txt", false));
    EXPECT_EQ(design.getNrControls(), 0); // no "nrOfControls": an empty design
    list.setInt(L"nrOfControls", 1);
    ASSERT_TRUE(list.writeToFile(root() + L"One.txt"));
    ASSERT_TRUE(design.readFromFile(root() + L"One.txt", false));
    ASSERT_EQ(design.getNrControls(), 1);
    EXPECT_EQ(design.getControl(0)->type, ctLabel);
    EXPECT_DOUBLE_EQ(design.getControl(0)->topLeftX, 0.5);

    Vdn_DesignerControl flex = control(ctFlexFixButton, 0, 0, 0, 0);
    flex.flexField4 = L"old";
    flex.setSplitExtComboList(L"g;two");
    EXPECT_EQ(flex.flexGroup, Vdn_String(L"g"));
    EXPECT_EQ(flex.flexField2, Vdn_String(L"two"));
    EXPECT_TRUE(flex.flexField3.isEmpty());
    EXPECT_TRUE(flex.flexField4.isEmpty());
    Vdn_DesignerControl edit = control(ctVarEdit, 0, 0, 0, 0);
    edit.setSplitExtComboList(L"g;two");
    EXPECT_EQ(edit.comboList, Vdn_String(L"g;two"));
    EXPECT_EQ(edit.getMergedExtComboList(), Vdn_String(L"g;two"));
}

TEST_F(DesignerTest, ADamagedFileOrAPathOutOfTheRootLeavesTheDesignAsItWas) {
    Vdn_DlgDesignerData design;
    startRuntime(design);
    design.append(control(ctVarEdit, 0.1, 0.1, 0.2, 0.2, L"kept"));
    ASSERT_TRUE(design.writeToFile(root() + L"Good.txt"));
    for (const auto& [name, content] :
         {std::pair{"Repeat.txt", "Vdn_PropertiesList 1\n2\tnrOfControls\t1\n2\tnrOfControls\t1\n"},
          std::pair{"Blank.txt", "Vdn_PropertiesList 1\n\n2\tnrOfControls\t0\n"},
          std::pair{"Many.txt", "Vdn_PropertiesList 1\n2\tnrOfControls\t10001\n"},
          std::pair{"Nan.txt", "Vdn_PropertiesList 1\n2\tnrOfControls\t1\n1\ttopLeftX0\tnan\n"}}) {
        folder.write(std::string("Dialog Templates/Dialog Design/") + name, content);
        EXPECT_FALSE(design.readFromFile(root() + Vdn_String::fromUtf8(name), false)) << name;
        ASSERT_EQ(design.getNrControls(), 1) << name;
        EXPECT_EQ(design.getControl(0)->contents, Vdn_String(L"kept")) << name;
        EXPECT_EQ(design.name(), Vdn_String(L"Good")) << name;
    }
    // ".." cannot lead out of the root, nor does a folder that only starts like it.
    folder.write("Dialog Templates/Escaped.txt", "Vdn_PropertiesList 1\n2\tnrOfControls\t0\n");
    EXPECT_FALSE(design.readFromFile(root() + L"..\\Escaped.txt", false));
    std::filesystem::create_directories(folder.path() / "Dialog Templates/Dialog Design2");
    EXPECT_FALSE(design.writeToFile(folder.name("Dialog Templates/Dialog Design2/X.txt")));
    EXPECT_EQ(design.getNrControls(), 1);
    // A picture that does not decode keeps the one there is.
    folder.write("Dialog Templates/Dialog Design/Broken.bmp", "BM not a picture");
    EXPECT_FALSE(design.attachBitmap(root() + L"Broken.bmp"));
    int width = 0;
    int height = 0;
    design.getImageSize(width, height);
    EXPECT_EQ(width, 200);
}

TEST_F(DesignerTest, CoordinatesAreFractionsOfThePictureAndSetHeightMovesTheTop) {
    Vdn_DlgDesignerData design;
    startRuntime(design);
    design.append(control(ctVarEdit, 0.1, 0.2, 0.3, 0.6));
    EXPECT_DOUBLE_EQ(design.getTopLeftX(0), 20);
    EXPECT_DOUBLE_EQ(design.getHeight(0), 40);
    design.setHeight(0, 10);
    EXPECT_DOUBLE_EQ(design.getBottomRightY(0), 60);
    EXPECT_DOUBLE_EQ(design.getTopLeftY(0), 50);
    design.setWidth(0, 50);
    EXPECT_DOUBLE_EQ(design.getBottomRightX(0), 70);
}

TEST_F(DesignerTest, IdsAreTheLowestFreeOnesAndRunOutAsZero) {
    Vdn_DlgDesignerData design;
    ASSERT_TRUE(design.initialize(&host, 100, 102, 0, 0, 0, 0, 0, false));
    EXPECT_EQ(design.append(control(ctLabel, 0, 0, 0, 0)), 100);
    EXPECT_EQ(design.append(control(ctLabel, 0, 0, 0, 0)), 101);
    EXPECT_EQ(design.append(control(ctLabel, 0, 0, 0, 0)), 102);
    design.removeControl(1);
    EXPECT_EQ(design.append(control(ctLabel, 0, 0, 0, 0)), 101);
    EXPECT_EQ(design.append(control(ctLabel, 0, 0, 0, 0)), 0);
    int index = -1;
    EXPECT_FALSE(design.findCtrlFromResource(0, index));
}

TEST_F(DesignerTest, TheTabOrderRunsRowByRowLeftToRight) {
    Vdn_DlgDesignerData design;
    startRuntime(design);
    design.append(control(ctVarEdit, 0.5, 0.10, 0.6, 0.15)); // row 1, right
    design.append(control(ctVarEdit, 0.1, 0.12, 0.2, 0.17)); // row 1, left
    design.append(control(ctVarEdit, 0.1, 0.16, 0.2, 0.20)); // row 2
    design.append(control(ctLabel, 0.0, 0.00, 0.1, 0.05));   // never
    Vdn_DesignerControl locked = control(ctVarEdit, 0.0, 0.0, 0.1, 0.05);
    locked.readOnly = true;
    design.append(locked);
    design.sortAllControls();
    EXPECT_EQ(design.getControl(1)->tabOrder, 1);
    EXPECT_EQ(design.getControl(0)->tabOrder, 2);
    EXPECT_EQ(design.getControl(2)->tabOrder, 3);
    EXPECT_EQ(design.getControl(3)->tabOrder, 0);
    EXPECT_EQ(design.getControl(4)->tabOrder, 0);

    design.redrawAllControls();
    ASSERT_TRUE(design.setFocusToCtrl(true));
    int focused = 0;
    ASSERT_TRUE(design.getFocusedDynControl(focused));
    EXPECT_EQ(focused, design.getControl(1)->resourceId);
    Vdn_TabMsgHandle result = tmhNotHandled;
    EXPECT_TRUE(design.handleTabKey(VK_TAB, result));
    EXPECT_EQ(result, tmhHandled);
    ASSERT_TRUE(design.getFocusedDynControl(focused));
    EXPECT_EQ(focused, design.getControl(0)->resourceId);
    ASSERT_TRUE(design.setFocusToCtrl(false));
    EXPECT_TRUE(design.handleTabKey(VK_TAB, result));
    EXPECT_EQ(result, tmhPastLast);
    EXPECT_FALSE(design.handleTabKey(VK_RETURN, result));
    EXPECT_EQ(result, tmhNotHandled);
}

TEST_F(DesignerTest, DrawnControlsAreLiveWindowsWithTheirValues) {
    Vdn_DlgDesignerData design;
    startRuntime(design);
    Vdn_DesignerControl combo = control(ctVarCombo, 0.1, 0.1, 0.5, 0.2, L"HEA-200");
    combo.items.append(L"HEA-100");
    combo.items.append(L"HEA-200");
    const int comboId = design.append(combo);
    const int cutId = design.append(control(ctCutCombo, 0.1, 0.3, 0.5, 0.4, L"2"));
    Vdn_DesignerControl check = control(ctCheckBox, 0.1, 0.5, 0.5, 0.6, L"Stiffened");
    check.comboList = L"1";
    const int checkId = design.append(check);
    const int editId = design.append(control(ctVarEdit, 0.6, 0.1, 0.9, 0.2, L"H"));
    design.redrawAllControls();
    ASSERT_EQ(design.drawnControls().size(), 4u);

    auto* comboWindow = dynamic_cast<CComboBox*>(host.GetDlgItem(comboId));
    ASSERT_NE(comboWindow, nullptr);
    EXPECT_EQ(comboWindow->GetCurSel(), 1);
    CRect rect;
    comboWindow->GetWindowRect(&rect);
    EXPECT_EQ(rect.Height(), 200); // room for the dropped-down list at run time
    Vdn_String value;
    ASSERT_TRUE(design.getCtrlValue(cutId, value));
    EXPECT_EQ(value, Vdn_String(L"2"));
    ASSERT_TRUE(design.getCtrlValue(checkId, value));
    EXPECT_EQ(value, Vdn_String(L"1"));
    ASSERT_TRUE(design.setCtrlValue(checkId, Vdn_DlgDesignerData::undeterminedText()));
    ASSERT_TRUE(design.getCtrlValue(checkId, value));
    EXPECT_EQ(value, Vdn_DlgDesignerData::undeterminedText());
    ASSERT_TRUE(design.setCtrlValue(editId, L"290"));
    EXPECT_EQ(host.GetDlgItem(editId)->GetWindowText(), L"290");
    // A user's click on the check box shows in its value.
    ASSERT_TRUE(design.setCtrlValue(checkId, L"0"));
    ASSERT_TRUE(ui::UserActions(host).click(checkId));
    ASSERT_TRUE(design.getCtrlValue(checkId, value));
    EXPECT_EQ(value, Vdn_String(L"1"));

    EXPECT_TRUE(design.setCtrlReadOnly(editId, true));
    EXPECT_FALSE(host.GetDlgItem(editId)->IsWindowEnabled());
    EXPECT_FALSE(design.setCtrlReadOnly(checkId, true)); // only variables can be read-only
    design.removeAllDrawnCtrls();
    EXPECT_EQ(host.GetDlgItem(comboId), nullptr);
    EXPECT_FALSE(design.getCtrlValue(comboId, value));
}

TEST_F(DesignerTest, FlexButtonsFormGroupsByName) {
    Vdn_DlgDesignerData design;
    startRuntime(design);
    for (const auto& [group, name, field3] :
         {std::tuple{L"Ends", L"Fixed", L"x"}, std::tuple{L"Ends", L"Free", L""},
          std::tuple{L"Web", L"Stiff", L""}}) {
        Vdn_DesignerControl flex = control(ctFlexFixButton, 0.1, 0.1, 0.2, 0.2, name);
        flex.flexGroup = group;
        flex.flexField3 = field3;
        design.append(flex);
    }
    design.redrawAllControls();
    Vdn_StringArray groups;
    design.getFlexBtnsGroups(groups);
    EXPECT_EQ(groups, (Vdn_StringArray{L"Ends", L"Web"}));
    Vdn_Array<int> all;
    Vdn_Array<int> withField3;
    ASSERT_TRUE(design.getFlexBtnsInGroup(L"Ends", all, withField3));
    EXPECT_EQ(all, (Vdn_Array<int>{0, 1}));
    EXPECT_EQ(withField3, (Vdn_Array<int>{0}));
    ASSERT_TRUE(design.setFlexBtnStatus(L"Ends", L"Free", 2)); // 2 counts as 0
    int status = -1;
    ASSERT_TRUE(design.getFlexBtnStatus(1, status));
    EXPECT_EQ(status, 0);
    ASSERT_TRUE(design.setFlexBtnStatus(L"Ends", L"Free", 1));
    ASSERT_TRUE(design.getFlexBtnStatus(1, status));
    EXPECT_EQ(status, 1);
    design.hideAllFlexBtns(L"Ends");
    EXPECT_FALSE(host.GetDlgItem(design.getControl(0)->resourceId)->IsWindowVisible());
    EXPECT_TRUE(host.GetDlgItem(design.getControl(2)->resourceId)->IsWindowVisible());
}

} // namespace
