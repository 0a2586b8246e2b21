#include "module/ModalLauncher.h"

#include "platform/host/Editor.h"
#include "tests/module/FrameTestDialogs.h"
#include "tests/module/ModuleFixture.h"

namespace {

using frame::CopyBack;
using frame::ModalLoop;
using frametest::HostRecordDialog;
using frametest::RecordDialog;

class ModalLauncherTest : public ModuleFixture {
protected:
    // The user types text into the record dialog and leaves it with button.
    void expectRecordDialog(const std::wstring& text, int button) {
        user_.expectModal(frametest::kRecordTemplate, [=](CDialog&, ui::UserActions& act) {
            act.enterText(frametest::kTextEdit, text);
            act.click(button);
        });
    }

    core::InstanceHandle resourcesInside_ = nullptr;
    const core::InstanceHandle resourcesBefore_ = core::currentResourceInstance();
};

TEST_F(ModalLauncherTest, CopyBackRules) {
    struct Case {
        const char* name;
        CopyBack copyBack;
        int button;
        bool result;
        const wchar_t* label; // the caller's first label afterwards
        int secondCount;      // and its second count (the dialog counts it up)
    };
    const Case cases[] = {
        {"on OK, OK", CopyBack::OnOk, IDOK, true, L"B", 4},
        {"on OK, Cancel", CopyBack::OnOk, IDCANCEL, false, L"A", 3},
        {"always, Cancel", CopyBack::Always, IDCANCEL, false, L"A", 4},
        {"always, OK", CopyBack::Always, IDOK, true, L"B", 4},
        {"never, OK", CopyBack::Never, IDOK, true, L"A", 3},
    };
    for (const Case& c : cases) {
        TfGridDlgData record;
        expectRecordDialog(L"B", c.button);
        const bool result =
            frame::runModalLauncher<RecordDialog>(&RecordDialog::data, record, c.copyBack);
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(record.firstLabel, c.label) << c.name;
        EXPECT_EQ(record.secondCount, c.secondCount) << c.name;
        EXPECT_EQ(record.firstSpacing, L"5000") << c.name;
    }
}

TEST_F(ModalLauncherTest, ResourcesAreSwitchedForTheWholeRun) {
    TfGridDlgData record;
    expectRecordDialog(L"x", IDOK);
    core::InstanceHandle insideDialog = nullptr;
    frame::runModalLauncher<RecordDialog>(
        &RecordDialog::data, record, CopyBack::OnOk, frame::NoExtra{},
        [&](RecordDialog& dialog, INT_PTR) { insideDialog = dialog.resourcesWhileOpen; });
    EXPECT_EQ(insideDialog, frame::moduleInstanceHandle());
    EXPECT_EQ(core::currentResourceInstance(), resourcesBefore_);
}

TEST_F(ModalLauncherTest, ExtraArgumentsGoInAndComeBack) {
    TfGridDlgData record;
    expectRecordDialog(L"C", IDOK);
    int out = 0;
    INT_PTR seenResult = 0;
    const bool ok = frame::runModalLauncher<RecordDialog>(
        [](RecordDialog& dialog) -> TfGridDlgData& { return dialog.data; }, record, CopyBack::OnOk,
        [](RecordDialog& dialog) { dialog.extraIn = 21; },
        [&](RecordDialog& dialog, INT_PTR result) {
            out = dialog.extraOut;
            seenResult = result;
        });
    EXPECT_TRUE(ok);
    EXPECT_EQ(out, 42);
    EXPECT_EQ(seenResult, IDOK);
    EXPECT_EQ(record.firstLabel, L"C");
}

TEST_F(ModalLauncherTest, TheHostLoopEndsAnEditorHandOverThePlainLoopDoesNot) {
    const auto handOverAndEnd = [](CDialog& dialog, ui::UserActions&) {
        dynamic_cast<HostRecordDialog&>(dialog).BeginEditorCommand();
        dialog.EndDialog(IDOK);
    };
    TfGridDlgData record;
    user_.expectModal(frametest::kHostTemplate, handOverAndEnd);
    EXPECT_TRUE((frame::runModalLauncher<HostRecordDialog, ModalLoop::HostDialog>(
        &HostRecordDialog::data, record, CopyBack::OnOk)));
    EXPECT_FALSE(host::Editor::instance().isCommandActive());

    user_.expectModal(frametest::kHostTemplate, handOverAndEnd);
    EXPECT_TRUE(
        frame::runModalLauncher<HostRecordDialog>(&HostRecordDialog::data, record, CopyBack::OnOk));
    EXPECT_TRUE(host::Editor::instance().isCommandActive())
        << "CDialog::DoModal knows nothing of the host's editor";
    host::Editor::instance().setCommandActive(false);
}

TEST_F(ModalLauncherTest, AMissingTemplateIsACancel) {
    TfGridDlgData record;
    record.firstLabel = L"kept";
    // The dialog cannot be built, so no user ever sees it.
    class Missing : public CDialog {
    public:
        explicit Missing(CWnd* parent) : CDialog(frametest::kMissingTemplate, parent) {}
        TfGridDlgData data;
    };
    EXPECT_FALSE(frame::runModalLauncher<Missing>(&Missing::data, record, CopyBack::OnOk));
    EXPECT_EQ(record.firstLabel, L"kept");
}

} // namespace
