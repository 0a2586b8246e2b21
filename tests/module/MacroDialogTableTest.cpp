#include "module/MacroDialogTable.h"

#include "module/ModelessMacroDialogs.h"
#include "platform/ui/time/Clock.h"
#include "tests/module/FrameTestDialogs.h"
#include "tests/module/ModuleFixture.h"

#include <vector>

namespace {

using frame::MacroDialogTable;
using frametest::MacroDialog;

class MacroDialogTableTest : public ModuleFixture {
protected:
    // Opens a macro dialog for a macro of that name; returns its slot.
    int open(const wchar_t* name, bool keepFocus = false) {
        MacroData data;
        data.name = name;
        int slot = -2;
        EXPECT_TRUE(frame::startMacroModeless<MacroDialog>(keepFocus, data, slot,
                                                           frametest::kMacroTemplate));
        return slot;
    }
    static MacroDialogTable& table() { return MacroDialogTable::instance(); }
    static MacroDialog* dialog(int slot) {
        return dynamic_cast<MacroDialog*>(table().dialogAt(slot));
    }
    // Which slots hold a dialog, as "x" and "-".
    static std::string layout() {
        std::string text;
        for (int slot = 0; slot < table().length(); ++slot)
            text += table().dialogAt(slot) ? 'x' : '-';
        return text;
    }
    static void advance(int ms) { ui::Clock::instance().advance(ms); }
};

TEST_F(MacroDialogTableTest, ADialogOpensInItsSlotWithTheRecord) {
    const int slot = open(L"Kopplaat");
    ASSERT_EQ(slot, 0);
    MacroDialog* opened = dialog(0);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->slot(), 0);
    EXPECT_EQ(opened->macroData().name, L"Kopplaat");
    EXPECT_TRUE(opened->IsWindowVisible());
    EXPECT_EQ(opened->GetParent(), adsw_acadMainWnd());
    EXPECT_EQ(CWnd::GetFocus(), adsw_acadMainWnd()) << "the focus goes back to the drawing";
    EXPECT_EQ(opened->resourcesWhileOpen, frame::moduleInstanceHandle());

    MacroData live;
    opened->macroData().name = L"changed in the dialog";
    EXPECT_TRUE(GetDlgMacroData(0, live));
    EXPECT_EQ(live.name, L"changed in the dialog");
}

TEST_F(MacroDialogTableTest, TheHighestEmptySlotIsReused) {
    for (const wchar_t* name : {L"a", L"b", L"c", L"d"})
        open(name);
    EXPECT_TRUE(EndDlgMacroModeless(0));
    EXPECT_TRUE(EndDlgMacroModeless(2));
    EXPECT_EQ(layout(), "-x-x");
    EXPECT_EQ(open(L"e"), 2);
    EXPECT_EQ(dialog(2)->slot(), 2);
    EXPECT_EQ(layout(), "-xxx");
    EXPECT_EQ(open(L"f"), 0);
    EXPECT_EQ(open(L"g"), 4) << "a full table grows";
}

TEST_F(MacroDialogTableTest, ClosingTheLastSlotShrinksPastEmptySlotsAMiddleSlotOnlyEmpties) {
    for (const wchar_t* name : {L"a", L"b", L"c", L"d"})
        open(name);
    const int promptsBefore = promptCount();
    EXPECT_TRUE(EndDlgMacroModeless(1));
    EXPECT_EQ(layout(), "x-xx");
    EXPECT_TRUE(EndDlgMacroModeless(2));
    EXPECT_EQ(layout(), "x--x");
    EXPECT_TRUE(EndDlgMacroModeless(3));
    EXPECT_EQ(layout(), "x");
    EXPECT_EQ(promptCount(), promptsBefore + 3) << "every close re-posts the prompt";
    EXPECT_TRUE(EndDlgMacroModeless(0));
    EXPECT_EQ(table().length(), 0);
}

TEST_F(MacroDialogTableTest, IndexErrorsChangeNothing) {
    open(L"a");
    open(L"b");
    EndDlgMacroModeless(0);
    const int promptsBefore = promptCount();
    MacroData data;
    data.name = L"untouched";
    for (int slot : {-1, 0, 2, 100}) {
        EXPECT_FALSE(EndDlgMacroModeless(slot)) << slot;
        EXPECT_FALSE(GetDlgMacroData(slot, data)) << slot;
    }
    EXPECT_EQ(data.name, L"untouched");
    EXPECT_EQ(layout(), "-x");
    EXPECT_EQ(promptCount(), promptsBefore);
}

TEST_F(MacroDialogTableTest, ABusyDialogClosesOnceItIsNoLongerBusy) {
    open(L"a");
    dialog(0)->macroData().busy = true;
    host::CommandLine::instance().clear();

    EXPECT_TRUE(EndDlgMacroModeless(0));
    EXPECT_TRUE(EndDlgMacroModeless(0)) << "a second request while one is pending";
    EXPECT_EQ(table().pendingCloses().size(), 1u);
    EXPECT_NE(dialog(0), nullptr);

    advance(49);
    EXPECT_EQ(commandLineText(), L"");
    advance(1);
    EXPECT_EQ(commandLineText(), L"Delayed timer called.\n");
    EXPECT_NE(dialog(0), nullptr) << "still busy";
    advance(100);
    EXPECT_EQ(commandLineText(),
              L"Delayed timer called.\nDelayed timer called.\nDelayed timer called.\n");

    dialog(0)->macroData().busy = false;
    EXPECT_EQ(promptCount(), 0);
    advance(50);
    EXPECT_EQ(table().length(), 0);
    EXPECT_TRUE(table().pendingCloses().empty());
    EXPECT_EQ(promptCount(), 1);
    EXPECT_EQ(ui::Clock::instance().timerCount(), 0u);
    advance(200);
    EXPECT_EQ(commandLineText(), L"Delayed timer called.\nDelayed timer called.\n"
                                 L"Delayed timer called.\nDelayed timer called.\n");
}

TEST_F(MacroDialogTableTest, AClosedSlotDropsItsPendingClose) {
    open(L"a");
    open(L"b");
    dialog(0)->macroData().busy = true;
    EXPECT_TRUE(EndDlgMacroModeless(0));
    dialog(0)->macroData().busy = false;
    EXPECT_TRUE(EndDlgMacroModeless(0)) << "closes at once now";
    EXPECT_TRUE(table().pendingCloses().empty());
    EXPECT_EQ(open(L"c"), 0);
    host::CommandLine::instance().clear();
    advance(500);
    EXPECT_EQ(commandLineText(), L"");
    ASSERT_NE(dialog(0), nullptr) << "the new dialog in the slot stays open";
    EXPECT_EQ(dialog(0)->macroData().name, L"c");
}

TEST_F(MacroDialogTableTest, DestroyAllClosesEverySlotAndDefersTheBusyOnes) {
    for (const wchar_t* name : {L"a", L"b", L"c"})
        open(name);
    dialog(1)->macroData().busy = true;
    DestroyAllMacroDlgs();
    EXPECT_EQ(layout(), "-x");
    dialog(1)->macroData().busy = false;
    advance(50);
    EXPECT_EQ(table().length(), 0);
}

TEST_F(MacroDialogTableTest, ADialogThatCannotBeCreatedLeavesOnlyAnEmptySlot) {
    open(L"a");
    MacroData data;
    int slot = -2;
    EXPECT_FALSE(
        frame::startMacroModeless<MacroDialog>(false, data, slot, frametest::kMissingTemplate));
    EXPECT_EQ(slot, 1);
    EXPECT_EQ(layout(), "x-");
    EXPECT_EQ(open(L"b"), 1);
}

TEST_F(MacroDialogTableTest, AWindowThatCannotBeDestroyedKeepsItsSlot) {
    open(L"a");
    open(L"b", true);
    dialog(1)->DestroyWindow();
    EXPECT_FALSE(EndDlgMacroModeless(1));
    EXPECT_EQ(layout(), "xx");
}

} // namespace
