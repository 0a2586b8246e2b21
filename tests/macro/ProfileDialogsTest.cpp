// The advanced and segmented profile dialogs: the callback protocol, the reference-point
// buttons, the base plane, the morphed group, the launchers and the segments.
#include "macro/profiles/CDlgMacroProfAdv.h"
#include "macro/profiles/CDlgMacroProfSegm.h"
#include "macro/profiles/ProfAdvLaunchers.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/ui/ui_test_support.h"

#include <functional>
#include <vector>

namespace {

using Adv = CDlgMacroProfAdv;
using Segm = CDlgMacroProfSegm;

std::wstring textOf(const CDialog& shown, int id) {
    return shown.GetDlgItem(id)->GetWindowText();
}

bool checked(const CDialog& shown, int id) {
    return shown.IsDlgButtonChecked(id) == BST_CHECKED;
}

// Every call of the dialog's callback, forwarded to the behaviour a test sets.
struct CallLog {
    std::vector<int> types;
    std::vector<MacroProfData> profiles; // as the dialog handed them over
    std::function<bool(TfMACallBackType, TfMACallBackData&, MacroProfData&)> behaviour;
};
CallLog* gLog = nullptr;

bool logged(TfMACallBackType type, TfMACallBackData& data, MacroProfData& profile) {
    gLog->types.push_back(type);
    gLog->profiles.push_back(profile);
    return gLog->behaviour ? gLog->behaviour(type, data, profile) : true;
}

class ProfileDialogsTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        Vdn_Drawing::current().clear();
        Vdn_String message;
        ASSERT_TRUE(Vdn_Drawing::current().openMacro(
            Vdn_String::fromUtf8(TESSA_SOURCE_ROOT "/examples/library/macros/BeamSplice.json"), id,
            message))
            << message;
        AcArray<AcDbObjectId> ids;
        ids.append(id);
        ASSERT_TRUE(getMacroDataOf(ids, data));
        gLog = &log;
    }
    void TearDown() override {
        uitest::ScriptedUserTest::TearDown();
        gLog = nullptr;
        Vdn_Drawing::current().clear();
    }

    // The dialog on the example's stiffeners, applied to the model by the module's callback.
    void runOnModel(bool option = false) {
        log.behaviour = macroProfAdvCallBack;
        TfMACallBackData callBackData;
        callBackData.initDataClass(data);
        callBackData.moduleName = L"Profiles";
        callBackData.groupName = L"Stiffener";
        Adv dialog(&logged, callBackData);
        dialog.setOption(option, false);
        dialog.DoModal();
    }
    // The dialog on a profile the test gives, with a callback that takes everything.
    void runOn(const MacroProfData& start) {
        if (!log.behaviour) {
            log.behaviour = [start](TfMACallBackType type, TfMACallBackData&,
                                    MacroProfData& profile) {
                if (type == kMACallBackInit)
                    profile = start;
                return true;
            };
        }
        TfMACallBackData callBackData;
        callBackData.startSections = {L"FL-10", L"FL-12"};
        callBackData.endSections = {L"FL-8", L"FL-10"};
        Adv dialog(&logged, callBackData);
        dialog.DoModal();
    }
    const Vdn_ProfilePlacement& stiffener() const {
        return Vdn_Drawing::current().macro(id)->modules[2].profiles[0];
    }

    AcDbObjectId id;
    MacroData data;
    CallLog log;
};

MacroProfData plainProfile() {
    MacroProfData profile;
    profile.section = L"FL-10";
    profile.offsetType = 3;
    profile.rotation = 90;
    profile.secondValue = 12.5;
    profile.coordinateSystem = L"Local";
    return profile;
}

TEST_F(ProfileDialogsTest, CallsBackOnOpenAfterEachChangeAroundAPickAndOnOk) {
    user.expectModal(Adv::IDD, [&](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(log.types, std::vector<int>({0}));
        EXPECT_EQ(textOf(shown, Adv::kStartSection), L"FL-10");
        EXPECT_EQ(textOf(shown, Adv::kRotation), L"90.000");
        act.selectComboItem(Adv::kOffsetCombo, 0);
        EXPECT_EQ(stiffener().offsetType, 0);
        // The pick hides the dialog between callbacks 2 and 3; a point up and left of the
        // centre is the top-left reference point (index 9, button 1).
        user.expectPickPoint({-40, 30, 0});
        act.click(Adv::kSectionPoint);
        EXPECT_EQ(log.types, std::vector<int>({0, 1, 2, 3, 1}));
        EXPECT_TRUE(shown.IsWindowVisible());
        EXPECT_EQ(stiffener().offsetType, 9);
        EXPECT_TRUE(checked(shown, Adv::kOffsetButtons[0]));
        // Enter applies without closing.
        act.enterText(Adv::kRotation, L"180");
        act.pressKey(VK_RETURN);
        EXPECT_FALSE(shown.hasEnded());
        EXPECT_EQ(stiffener().rotation, 180);
        act.click(IDOK);
    });
    runOnModel();
    EXPECT_EQ(log.types, std::vector<int>({0, 1, 2, 3, 1, 1, 1}));
}

TEST_F(ProfileDialogsTest, CancelCallsNothingBack) {
    user.expectModal(Adv::IDD, [&](CDialog&, ui::UserActions& act) { act.click(IDCANCEL); });
    runOnModel();
    EXPECT_EQ(log.types, std::vector<int>({0}));
}

TEST_F(ProfileDialogsTest, OffsetIndexesAndButtonsMapBothWays) {
    // index: button (0 for none), for every index of the list and one beyond it.
    const int table[][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 5},  {4, 0},  {5, 2},  {6, 8},
                            {7, 4}, {8, 6}, {9, 1}, {10, 3}, {11, 7}, {12, 9}, {13, 0}};
    for (const auto& [index, button] : table) {
        EXPECT_EQ(Adv::buttonOfIndex(index), button) << "index " << index;
        if (button > 0) {
            EXPECT_EQ(Adv::indexOfButton(button), index) << "button " << button;
        }
    }
    user.expectModal(Adv::IDD, [&](CDialog& shown, ui::UserActions& act) {
        EXPECT_TRUE(checked(shown, Adv::kOffsetButtons[4])); // type 3: the centre
        act.click(Adv::kOffsetButtons[1]);
        EXPECT_EQ(dynamic_cast<CComboBox*>(shown.GetDlgItem(Adv::kOffsetCombo))->GetCurSel(), 5);
        EXPECT_EQ(log.profiles.back().offsetType, 5);
        for (std::size_t i = 0; i < Adv::kOffsetButtons.size(); ++i)
            EXPECT_EQ(checked(shown, Adv::kOffsetButtons[i]), i == 1) << i;
        // An index without a button releases them all; the undetermined item leaves the
        // offset undetermined.
        act.selectComboItem(Adv::kOffsetCombo, 4);
        for (const int button : Adv::kOffsetButtons)
            EXPECT_FALSE(checked(shown, button));
        act.selectComboItem(Adv::kOffsetCombo, 13);
        EXPECT_EQ(log.profiles.back().offsetType, -1);
        act.click(IDCANCEL);
    });
    runOn(plainProfile());
}

TEST_F(ProfileDialogsTest, EachBasePlaneChoiceIsReadIntoTheData) {
    Vdn_Drawing::current().addCoordSys({L"UCS9", {}, {0, 0, 1}});
    struct Case {
        int radio;
        int axis;
        const wchar_t* plane;
        const wchar_t* coordSys;
    };
    const Case cases[] = {
        {Adv::kWorld, 2, L"", L"Local"},
        {Adv::kUndetermined, 2, MacroProfData::kUndeterminedPlane, L"Local"},
        {Adv::kOwnCoordSys, 0, L"xp", L"Local"},
        {Adv::kChosenCoordSys, 1, L"yp", L"UCS9"},
    };
    for (const Case& c : cases) {
        log = {};
        user.expectModal(Adv::IDD, [&](CDialog&, ui::UserActions& act) {
            act.selectComboItem(Adv::kAxisCombo, c.axis);
            // Choosing a coordinate system in the list chooses 1351 too.
            if (c.radio == Adv::kChosenCoordSys)
                act.selectComboText(Adv::kCoordSysCombo, L"UCS9");
            else
                act.click(c.radio);
            act.click(IDCANCEL);
        });
        runOn(plainProfile());
        ASSERT_FALSE(log.profiles.empty());
        EXPECT_EQ(log.profiles.back().basePlane, c.plane) << c.radio;
        EXPECT_EQ(log.profiles.back().coordinateSystem, c.coordSys) << c.radio;
    }
    // A picked plane comes from the drawing, between callbacks 2 and 3.
    log = {};
    user.expectModal(Adv::IDD, [&](CDialog& shown, ui::UserActions& act) {
        act.click(Adv::kPickedPlane);
        user.expectPickPoint({1, 2, 3}, {0, 1, 0});
        act.click(Adv::kPick);
        EXPECT_TRUE(checked(shown, Adv::kPickedPlane));
        act.click(IDCANCEL);
    });
    runOn(plainProfile());
    // Choosing the picked plane without a plane changes nothing until the pick.
    EXPECT_EQ(log.types, std::vector<int>({0, 2, 3, 1}));
    EXPECT_EQ(log.profiles.back().basePlane, L"1,2,3;0,1,0");
}

TEST_F(ProfileDialogsTest, StoredPlaneChoosesTheRadio) {
    for (const auto& [plane, radio] :
         {std::pair{Vdn_String(), Adv::kWorld},
          std::pair{Vdn_String(MacroProfData::kUndeterminedPlane), Adv::kUndetermined},
          std::pair{Vdn_String(L"Web"), Adv::kPickedPlane}}) {
        MacroProfData profile = plainProfile();
        profile.basePlane = plane;
        log = {};
        user.expectModal(Adv::IDD, [&, radio = radio](CDialog& shown, ui::UserActions&) {
            for (const int id : {Adv::kWorld, Adv::kUndetermined, Adv::kPickedPlane,
                                 Adv::kChosenCoordSys, Adv::kOwnCoordSys})
                EXPECT_EQ(checked(shown, id), id == radio) << id;
        });
        runOn(profile);
    }
}

TEST_F(ProfileDialogsTest, MorphedGroupShowsOnlyForAMorphedProfile) {
    for (const bool morphed : {false, true}) {
        MacroProfData profile = plainProfile();
        profile.morphed = morphed;
        profile.endSection = L"FL-8";
        profile.morphStartText = L"a";
        log = {};
        user.expectModal(Adv::IDD, [&](CDialog& shown, ui::UserActions& act) {
            for (const int id : Adv::kMorphedGroup)
                EXPECT_EQ(shown.GetDlgItem(id)->IsWindowVisible() != FALSE, morphed) << id;
            if (!morphed)
                return;
            EXPECT_EQ(textOf(shown, Adv::kEndSection), L"FL-8");
            EXPECT_EQ(textOf(shown, Adv::kMorphStartText), L"a");
            act.selectComboText(Adv::kEndSection, L"FL-10");
            EXPECT_EQ(log.profiles.back().endSection, L"FL-10");
        });
        runOn(profile);
    }
}

// Text that is not a number keeps the value; a callback that refuses leaves the record as
// the model had it and the controls as the user left them.
TEST_F(ProfileDialogsTest, BadNumbersAndRefusedCallbacksChangeNothing) {
    user.expectModal(Adv::IDD, [&](CDialog& shown, ui::UserActions& act) {
        act.enterText(Adv::kRotation, L"abc");
        act.pressKey(VK_RETURN);
        EXPECT_EQ(log.profiles.back().rotation, 90);
        log.behaviour = [](TfMACallBackType, TfMACallBackData&, MacroProfData& profile) {
            profile.section = L"damaged";
            return false;
        };
        act.enterText(Adv::kRotation, L"270");
        act.pressKey(VK_RETURN);
        EXPECT_EQ(textOf(shown, Adv::kRotation), L"270");
        EXPECT_EQ(static_cast<Adv&>(shown).profile().section, L"FL-10");
        EXPECT_EQ(static_cast<Adv&>(shown).profile().rotation, 90);
        act.click(IDCANCEL);
    });
    runOn(plainProfile());
}

TEST_F(ProfileDialogsTest, MacroLauncherAppliesEveryChangeAndErasesOnClose) {
    user.expectModal(Adv::IDD, [&](CDialog& shown, ui::UserActions& act) {
        EXPECT_FALSE(shown.GetDlgItem(Adv::kOption)->IsWindowEnabled());
        act.click(Adv::kRotationPresets[2]);
        EXPECT_EQ(stiffener().rotation, 180);
        // The model refuses 45 degrees: the dialog shows the model's rotation again.
        act.enterText(Adv::kRotation, L"45");
        act.pressKey(VK_RETURN);
        EXPECT_EQ(stiffener().rotation, 180);
        EXPECT_EQ(textOf(shown, Adv::kRotation), L"180.000");
        act.click(IDCANCEL);
    });
    StartDlgMacroProfAdv(data, L"Profiles", L"Stiffener", false);
    ASSERT_NE(Vdn_Drawing::current().macro(id), nullptr);

    data.eraseOnClose = true;
    user.expectModal(Adv::IDD, [](CDialog&, ui::UserActions& act) { act.click(IDCANCEL); });
    StartDlgMacroProfAdv(data, L"Profiles", L"Stiffener", false);
    EXPECT_EQ(Vdn_Drawing::current().macro(id), nullptr);
}

TEST_F(ProfileDialogsTest, ObjectLauncherReturnsTheOptionWhateverTheResult) {
    bool option = false;
    StartDlgMacroProfAdv(nullptr, option, &logged);
    AcArray<AcDbObjectId> none;
    StartDlgMacroProfAdv(&none, option, &logged);
    EXPECT_TRUE(log.types.empty());

    AcArray<AcDbObjectId> ids;
    ids.append(id);
    log.behaviour = [this](TfMACallBackType, TfMACallBackData& callBackData, MacroProfData&) {
        EXPECT_EQ(callBackData.objectIds.length(), 1);
        EXPECT_EQ(callBackData.objectIds[0], id);
        return true;
    };
    user.expectModal(Adv::IDD, [](CDialog&, ui::UserActions& act) {
        act.click(Adv::kOption);
        act.click(IDOK);
    });
    StartDlgMacroProfAdv(&ids, option, &logged);
    EXPECT_TRUE(option);
    user.expectModal(Adv::IDD, [](CDialog&, ui::UserActions& act) {
        act.click(Adv::kOption);
        act.click(IDCANCEL);
    });
    StartDlgMacroProfAdv(&ids, option, &logged);
    EXPECT_TRUE(option);
}

Vdn_Array<MacroProfSegment> twoSegments() {
    MacroProfSegment first{L"Haunch", L"taper", 1200.0, true, {}, {}};
    first.values.append({L"1", L"300", {}});
    first.values.append({L"2", L"220", {}});
    MacroProfSegment second{L"Field", L"straight", 4800.0, false, {}, {}};
    return {first, second};
}

TEST_F(ProfileDialogsTest, SegmentsAreStoredOnChangeAndRowsInsertedAndDeleted) {
    Vdn_Array<MacroProfSegment> segments = twoSegments();
    user.expectModal(Segm::IDD, [](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(textOf(shown, Segm::kSegmentCombo), L"Haunch - taper");
        EXPECT_EQ(textOf(shown, Segm::kLength), L"1200.00");
        act.enterText(Segm::kName, L"Knee");
        act.enterText(Segm::kLength, L"long");
        act.clickCell(Segm::kValues, 1, 2);
        act.click(Segm::kInsertRow);
        act.typeInCell(Segm::kValues, 2, 2, L"260");
        act.selectComboItem(Segm::kSegmentCombo, 1);
        const auto& stored = static_cast<Segm&>(shown).segments()[0];
        EXPECT_EQ(stored.name, L"Knee");
        EXPECT_EQ(stored.length, 1200.0); // "long" is no length
        ASSERT_EQ(stored.values.length(), 3);
        EXPECT_EQ(stored.values[1].value, L"260");
        EXPECT_EQ(stored.values[2].number, L"2");
        EXPECT_EQ(textOf(shown, Segm::kName), L"Field");
        act.selectComboItem(Segm::kSegmentCombo, 0);
        EXPECT_EQ(textOf(shown, Segm::kSegmentCombo), L"Knee - taper");
        act.clickCell(Segm::kValues, 1, 1);
        act.click(Segm::kDeleteRow);
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgMacroProfSegm(segments));
    ASSERT_EQ(segments[0].values.length(), 2);
    EXPECT_EQ(segments[0].values[0].value, L"260");

    Vdn_Array<MacroProfSegment> none;
    user.expectModal(Segm::IDD, [](CDialog& shown, ui::UserActions& act) {
        for (const int control : {Segm::kName, Segm::kLength, Segm::kFlag, Segm::kInsertRow})
            EXPECT_FALSE(shown.GetDlgItem(control)->IsWindowEnabled()) << control;
        act.click(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgMacroProfSegm(none));
}

} // namespace
