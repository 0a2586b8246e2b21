#pragma once
// ui::ScriptedUser: a user for tests that follows a script, in the manner of wxWidgets'
// wxTEST_DIALOG / wxExpectModal.
//
// The script is one queue of expectations, consumed in order by whatever the code under test
// shows: a modal dialog (matched by template id, by C++ type or by a predicate; its action acts
// on it through ui::UserActions), a message box (with the answer to give and optionally the
// exact text and caption), a file dialog (the path(s) to choose, or cancel) or a pop-up menu
// (the command id or entry text to pick, or dismiss).
//
//     ui::ScriptedUser user;
//     ui::UserScope scope(user);
//     user.expectModal(IDD_GRID, [](CDialog&, ui::UserActions& act) {
//             act.enterText(IDC_COUNT, L"4");
//             act.click(IDOK);
//         })
//         .expectMessageBox(IDYES, L"Overwrite the file?");
//     runCodeUnderTest();
//     EXPECT_TRUE(user.verify()) << user.failureText();
//
// Each expectation remembers the script line that made it ("[DialogTest.cpp:160]"), and the
// failures about it name that line.
// A window that arrives when the next expectation does not match it is a failure; it is
// cancelled so that the code under test still finishes, and the expectation stays in the queue.
// A modal action that returns without closing its dialog has it cancelled (OnCancel). Every
// modal dialog, message box, file dialog and menu is recorded in order.

#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/users/ModalRecord.h"
#include "platform/ui/users/ScriptLine.h"
#include "platform/ui/users/User.h"
#include "platform/ui/users/UserActions.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class ScriptedUser : public User {
public:
    using ModalAction = std::function<void(CDialog&, UserActions&)>;

    ScriptedUser();
    ~ScriptedUser() override;

    // --- the script -----------------------------------------------------------------------------
    ScriptedUser& expectModal(UINT templateId, ModalAction action = {},
                              ScriptLine where = ScriptLine::here());
    template <class Dialog>
    ScriptedUser& expectModal(std::function<void(Dialog&, UserActions&)> action = {},
                              ScriptLine where = ScriptLine::here());
    ScriptedUser& expectModalIf(std::wstring description, std::function<bool(const CDialog&)> match,
                                ModalAction action, ScriptLine where = ScriptLine::here());
    // Answer with `answer` (IDOK, IDYES, ...), which must be one of the box's buttons.
    ScriptedUser& expectMessageBox(int answer, ScriptLine where = ScriptLine::here());
    ScriptedUser& expectMessageBox(int answer, std::wstring text,
                                   std::optional<std::wstring> caption = std::nullopt,
                                   ScriptLine where = ScriptLine::here());
    ScriptedUser& expectFileDialog(std::wstring path, ScriptLine where = ScriptLine::here());
    ScriptedUser& expectFileDialog(std::vector<std::wstring> paths,
                                   ScriptLine where = ScriptLine::here());
    ScriptedUser& expectFileDialogCancel(ScriptLine where = ScriptLine::here());
    ScriptedUser& expectMenuCommand(UINT id, ScriptLine where = ScriptLine::here());
    // Entry text without '&'; "Cell/Font..." follows submenus.
    ScriptedUser& expectMenuEntry(std::wstring textOrPath, ScriptLine where = ScriptLine::here());
    ScriptedUser& expectMenuDismiss(ScriptLine where = ScriptLine::here());
    // A pick in the drawing: a point (also a plane's origin, with its normal), objects by id
    // (each must be among the record's candidates), or a cancelled pick.
    ScriptedUser& expectPickPoint(std::array<double, 3> point,
                                  std::array<double, 3> normal = {0, 0, 1},
                                  ScriptLine where = ScriptLine::here());
    ScriptedUser& expectPickObjects(std::vector<std::uint64_t> ids,
                                    ScriptLine where = ScriptLine::here());
    ScriptedUser& expectPickCancel(ScriptLine where = ScriptLine::here());

    // --- results --------------------------------------------------------------------------------
    const std::vector<std::wstring>& failures() const { return failures_; }
    // All failures, one a line.
    std::wstring failureText() const;
    // Expectations still in the queue become failures (and are dropped); true when there are
    // no failures at all.
    bool verify();
    std::size_t pending() const { return script_.size(); }
    const std::vector<ModalRecord>& modals() const { return modals_; }
    const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }
    const std::vector<FileDialogRecord>& fileDialogs() const { return fileDialogs_; }
    const std::vector<PopupMenuRecord>& menus() const { return menus_; }
    const std::vector<PickRecord>& picks() const { return picks_; }

    // --- ui::User -------------------------------------------------------------------------------
    void runModal(CDialog& dialog) override;
    int messageBox(const MessageBoxRecord& record) override;
    bool fileDialog(FileDialogRecord& record) override;
    UINT trackPopupMenu(const PopupMenuRecord& record) override;
    bool pick(PickRecord& record) override;

private:
    enum class Kind { Modal, MessageBox, FileDialog, Menu, Pick };
    struct Expectation {
        Kind kind;
        std::wstring description;
        std::function<bool(const CDialog&)> matchDialog;
        ModalAction action;
        int answer = 0;
        std::optional<std::wstring> text;
        std::optional<std::wstring> caption;
        std::vector<std::wstring> paths;
        bool cancel = false;
        UINT menuId = 0;
        std::wstring menuText;
        std::array<double, 3> point{};
        std::array<double, 3> normal{};
        std::vector<std::uint64_t> ids;
    };

    void fail(const std::wstring& message);
    // Queues the expectation; its description ends with the script line that made it, so a
    // failure names the test line to look at.
    ScriptedUser& add(Expectation e, const ScriptLine& where);
    // The front expectation when it is of that kind; otherwise a failure naming `what`.
    std::optional<Expectation> take(Kind kind, const std::wstring& what,
                                    const std::function<bool(const Expectation&)>& matches);
    static std::wstring describe(const CDialog& dialog);

    std::deque<Expectation> script_;
    std::vector<std::wstring> failures_;
    std::vector<ModalRecord> modals_;
    std::vector<MessageBoxRecord> messageBoxes_;
    std::vector<FileDialogRecord> fileDialogs_;
    std::vector<PopupMenuRecord> menus_;
    std::vector<PickRecord> picks_;
};

template <class Dialog>
ScriptedUser& ScriptedUser::expectModal(std::function<void(Dialog&, UserActions&)> action,
                                        ScriptLine where) {
    return expectModalIf(
        L"a dialog of the expected class",
        [](const CDialog& dialog) { return dynamic_cast<const Dialog*>(&dialog) != nullptr; },
        [action](CDialog& dialog, UserActions& actions) {
            if (action) {
                action(dynamic_cast<Dialog&>(dialog), actions);
            }
        },
        where);
}

} // namespace ui
