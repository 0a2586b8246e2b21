#include "platform/core/text/Vdn_String.h"
#include "platform/host/CAcUiDialog.h"
#include "platform/host/Editor.h"
#include "platform/host/HostWindows.h"
#include "platform/ui/users/ScriptedUser.h"
#include "platform/ui/users/UserScope.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kHostDialogTemplate = 61001;
constexpr int kPickButton = 1002;

int resourcesTag = 0;

// A host dialog whose pick button hands control to the editor for a pick and takes it back.
class PickDialog : public CAcUiDialog {
public:
    PickDialog() : CAcUiDialog(kHostDialogTemplate, nullptr, &resourcesTag) {
        onCommand(kPickButton, BN_CLICKED, [this] {
            BeginEditorCommand();
            hiddenDuringPick = !IsWindowVisible();
            editorActiveDuringPick = host::Editor::instance().isCommandActive();
            CompleteEditorCommand();
        });
    }

    bool hiddenDuringPick = false;
    bool editorActiveDuringPick = false;
};

class HostDialogTest : public ::testing::Test {
protected:
    void TearDown() override {
        host::Editor::instance().setCommandActive(false);
        host::destroyMainWindow();
    }

    ui::ScriptedUser user_;
};

TEST_F(HostDialogTest, EditorHandOverHidesAndRestoresTheDialog) {
    ui::UserScope scope(user_);
    bool visibleAfterPick = false;
    user_.expectModal(kHostDialogTemplate, [&](CDialog& dialog, ui::UserActions& act) {
        act.click(kPickButton);
        visibleAfterPick = dialog.IsWindowVisible() != FALSE;
        act.click(IDOK);
    });
    PickDialog dialog;
    EXPECT_EQ(dialog.resourceInstance(), &resourcesTag);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(user_.verify()) << Vdn_String(user_.failureText()).toUtf8();
    EXPECT_TRUE(dialog.hiddenDuringPick);
    EXPECT_TRUE(dialog.editorActiveDuringPick);
    EXPECT_TRUE(visibleAfterPick);
    EXPECT_FALSE(host::Editor::instance().isCommandActive());
}

TEST_F(HostDialogTest, HostModalLoopEndsAHandOverStillRunning) {
    ui::UserScope scope(user_);
    bool hidden = false;
    user_.expectModal(kHostDialogTemplate, [&](CDialog& dialog, ui::UserActions&) {
        auto& host = dynamic_cast<PickDialog&>(dialog);
        host.BeginEditorCommand();
        host.BeginEditorCommand(); // a second call changes nothing
        hidden = !dialog.IsWindowVisible();
        dialog.EndDialog(IDCANCEL);
    });
    PickDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(user_.verify()) << Vdn_String(user_.failureText()).toUtf8();
    EXPECT_TRUE(hidden);
    EXPECT_FALSE(dialog.isInEditorCommand());
    EXPECT_FALSE(host::Editor::instance().isCommandActive());
}

TEST_F(HostDialogTest, CompletingWithoutRestoreKeepsTheDialogHidden) {
    ui::UserScope scope(user_);
    bool hiddenAfterComplete = false;
    user_.expectModal(kHostDialogTemplate, [&](CDialog& dialog, ui::UserActions&) {
        auto& host = dynamic_cast<PickDialog&>(dialog);
        host.BeginEditorCommand();
        host.CompleteEditorCommand(FALSE);
        hiddenAfterComplete = !dialog.IsWindowVisible();
        EXPECT_FALSE(host::Editor::instance().isCommandActive());
        dialog.EndDialog(IDOK);
    });
    PickDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(hiddenAfterComplete);
}

} // namespace
