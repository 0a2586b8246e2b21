#include "platform/ui/users/ScriptedUser.h"

#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/dialogs/CFileDialog.h"
#include "platform/ui/windows/MessageQueue.h"
#include "platform/ui/windows/WindowRegistry.h"

#include <algorithm>
#include <string_view>

namespace ui {

namespace {

std::wstring quoted(const std::wstring& text) {
    return L"\"" + text + L"\"";
}

std::wstring answerName(int answer) {
    switch (answer) {
    case IDOK:
        return L"IDOK";
    case IDCANCEL:
        return L"IDCANCEL";
    case IDABORT:
        return L"IDABORT";
    case IDRETRY:
        return L"IDRETRY";
    case IDIGNORE:
        return L"IDIGNORE";
    case IDYES:
        return L"IDYES";
    case IDNO:
        return L"IDNO";
    case IDTRYAGAIN:
        return L"IDTRYAGAIN";
    case IDCONTINUE:
        return L"IDCONTINUE";
    default:
        return std::to_wstring(answer);
    }
}

void cancel(CDialog& dialog) {
    if (dialog.GetSafeHwnd() != nullptr && !dialog.hasEnded()) {
        dialog.OnCancel();
    }
}

} // namespace

ScriptedUser::ScriptedUser() = default;

ScriptedUser& ScriptedUser::add(Expectation e, const ScriptLine& where) {
    const std::string_view file = where.file;
    const std::size_t slash = file.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? file : file.substr(slash + 1);
    e.description +=
        L" [" + std::wstring(name.begin(), name.end()) + L":" + std::to_wstring(where.line) + L"]";
    script_.push_back(std::move(e));
    return *this;
}
ScriptedUser::~ScriptedUser() = default;

ScriptedUser& ScriptedUser::expectModal(UINT templateId, ModalAction action, ScriptLine where) {
    return expectModalIf(
        L"modal dialog " + std::to_wstring(templateId),
        [templateId](const CDialog& dialog) { return dialog.templateId() == templateId; },
        std::move(action), where);
}

ScriptedUser& ScriptedUser::expectModalIf(std::wstring description,
                                          std::function<bool(const CDialog&)> match,
                                          ModalAction action, ScriptLine where) {
    Expectation e;
    e.kind = Kind::Modal;
    e.description = std::move(description);
    e.matchDialog = std::move(match);
    e.action = std::move(action);
    return add(std::move(e), where);
}

ScriptedUser& ScriptedUser::expectMessageBox(int answer, ScriptLine where) {
    Expectation e;
    e.kind = Kind::MessageBox;
    e.description = L"a message box answered with " + answerName(answer);
    e.answer = answer;
    return add(std::move(e), where);
}

ScriptedUser& ScriptedUser::expectMessageBox(int answer, std::wstring text,
                                             std::optional<std::wstring> caption,
                                             ScriptLine where) {
    Expectation e;
    e.kind = Kind::MessageBox;
    e.description = L"message box " + quoted(text) + L" answered with " + answerName(answer);
    e.answer = answer;
    e.text = std::move(text);
    e.caption = std::move(caption);
    return add(std::move(e), where);
}

ScriptedUser& ScriptedUser::expectFileDialog(std::wstring path, ScriptLine where) {
    return expectFileDialog(std::vector<std::wstring>{std::move(path)}, where);
}

ScriptedUser& ScriptedUser::expectFileDialog(std::vector<std::wstring> paths, ScriptLine where) {
    Expectation e;
    e.kind = Kind::FileDialog;
    e.description = L"a file dialog choosing " + (paths.empty() ? L"nothing" : quoted(paths[0]));
    e.paths = std::move(paths);
    return add(std::move(e), where);
}

ScriptedUser& ScriptedUser::expectPickPoint(std::array<double, 3> point,
                                            std::array<double, 3> normal, ScriptLine where) {
    Expectation e;
    e.kind = Kind::Pick;
    e.description = L"a pick of a point";
    e.point = point;
    e.normal = normal;
    return add(std::move(e), where);
}

ScriptedUser& ScriptedUser::expectPickObjects(std::vector<std::uint64_t> ids, ScriptLine where) {
    Expectation e;
    e.kind = Kind::Pick;
    e.description = L"a pick of " + std::to_wstring(ids.size()) + L" object(s)";
    e.ids = std::move(ids);
    return add(std::move(e), where);
}

ScriptedUser& ScriptedUser::expectPickCancel(ScriptLine where) {
    Expectation e;
    e.kind = Kind::Pick;
    e.description = L"a pick to cancel";
    e.cancel = true;
    return add(std::move(e), where);
}

ScriptedUser& ScriptedUser::expectFileDialogCancel(ScriptLine where) {
    Expectation e;
    e.kind = Kind::FileDialog;
    e.description = L"a file dialog to cancel";
    e.cancel = true;
    return add(std::move(e), where);
}

ScriptedUser& ScriptedUser::expectMenuCommand(UINT id, ScriptLine where) {
    Expectation e;
    e.kind = Kind::Menu;
    e.description = L"a pop-up menu picking command " + std::to_wstring(id);
    e.menuId = id;
    return add(std::move(e), where);
}

ScriptedUser& ScriptedUser::expectMenuEntry(std::wstring textOrPath, ScriptLine where) {
    Expectation e;
    e.kind = Kind::Menu;
    e.description = L"a pop-up menu picking " + quoted(textOrPath);
    e.menuText = std::move(textOrPath);
    return add(std::move(e), where);
}

ScriptedUser& ScriptedUser::expectMenuDismiss(ScriptLine where) {
    Expectation e;
    e.kind = Kind::Menu;
    e.description = L"a pop-up menu to dismiss";
    e.cancel = true;
    return add(std::move(e), where);
}

std::wstring ScriptedUser::failureText() const {
    std::wstring text;
    for (const std::wstring& failure : failures_) {
        text += failure + L"\n";
    }
    return text;
}

bool ScriptedUser::verify() {
    while (!script_.empty()) {
        fail(L"expected " + script_.front().description + L", which never came");
        script_.pop_front();
    }
    return failures_.empty();
}

void ScriptedUser::fail(const std::wstring& message) {
    failures_.push_back(message);
}

std::optional<ScriptedUser::Expectation>
ScriptedUser::take(Kind kind, const std::wstring& what,
                   const std::function<bool(const Expectation&)>& matches) {
    if (script_.empty()) {
        fail(L"unexpected " + what + L" (nothing more was expected)");
        return std::nullopt;
    }
    const Expectation& front = script_.front();
    if (front.kind != kind || !matches(front)) {
        fail(L"unexpected " + what + L" while expecting " + front.description);
        return std::nullopt;
    }
    Expectation taken = std::move(script_.front());
    script_.pop_front();
    return taken;
}

std::wstring ScriptedUser::describe(const CDialog& dialog) {
    return L"dialog " + dialog.templateName() + L" (" + std::to_wstring(dialog.templateId()) +
           L") " + quoted(dialog.GetWindowText());
}

void ScriptedUser::runModal(CDialog& dialog) {
    DispatchGuard guard;
    MessageQueue::instance().pump();
    const std::wstring what = describe(dialog);
    ModalRecord record;
    record.templateId = dialog.templateId();
    record.templateName = dialog.templateName();
    record.caption = dialog.GetWindowText();
    const std::size_t index = modals_.size();
    modals_.push_back(record);

    auto expectation = take(Kind::Modal, what, [&dialog](const Expectation& e) {
        return !e.matchDialog || e.matchDialog(dialog);
    });
    if (expectation) {
        modals_[index].expected = true;
        if (expectation->action && dialog.GetSafeHwnd() != nullptr && !dialog.hasEnded()) {
            UserActions actions(dialog, [this, what](const std::wstring& message) {
                fail(what + L": " + message);
            });
            expectation->action(dialog, actions);
        }
        MessageQueue::instance().pump();
    }
    cancel(dialog);
    if (dialog.GetSafeHwnd() != nullptr && !dialog.hasEnded()) {
        fail(what + L" did not close when cancelled");
        dialog.EndDialog(IDCANCEL);
    }
    modals_[index].result = dialog.endResult();
}

int ScriptedUser::messageBox(const MessageBoxRecord& shown) {
    MessageBoxRecord record = shown;
    const std::wstring what = L"message box " + quoted(record.text);
    auto expectation = take(Kind::MessageBox, what, [](const Expectation&) { return true; });
    int answer = record.cancelAnswer();
    if (expectation) {
        if (expectation->text && *expectation->text != record.text) {
            fail(L"message box text differs:\n  expected " + quoted(*expectation->text) +
                 L"\n  shown    " + quoted(record.text));
        }
        if (expectation->caption && *expectation->caption != record.caption) {
            fail(L"message box caption differs: expected " + quoted(*expectation->caption) +
                 L", shown " + quoted(record.caption));
        }
        const std::vector<int> ids = record.buttonIds();
        if (std::find(ids.begin(), ids.end(), expectation->answer) == ids.end()) {
            fail(what + L" has no button " + answerName(expectation->answer));
        } else {
            answer = expectation->answer;
        }
    }
    record.answer = answer;
    messageBoxes_.push_back(record);
    return answer;
}

bool ScriptedUser::fileDialog(FileDialogRecord& record) {
    const std::wstring what = std::wstring(record.openDialog ? L"open" : L"save") +
                              L" file dialog " + quoted(record.title);
    auto expectation = take(Kind::FileDialog, what, [](const Expectation&) { return true; });
    record.chosenPaths.clear();
    record.accepted = false;
    if (expectation && !expectation->cancel) {
        if (expectation->paths.size() > 1 && (record.flags & OFN_ALLOWMULTISELECT) == 0) {
            fail(what + L" takes one file, the script chooses " +
                 std::to_wstring(expectation->paths.size()));
        } else if (expectation->paths.empty()) {
            fail(what + L": the script chooses no file");
        } else {
            record.chosenPaths = expectation->paths;
            record.accepted = true;
        }
    }
    fileDialogs_.push_back(record);
    return record.accepted;
}

UINT ScriptedUser::trackPopupMenu(const PopupMenuRecord& shown) {
    PopupMenuRecord record = shown;
    const std::wstring what =
        L"pop-up menu of " + std::to_wstring(record.entries.size()) + L" entries";
    auto expectation = take(Kind::Menu, what, [](const Expectation&) { return true; });
    UINT chosen = 0;
    if (expectation && !expectation->cancel) {
        const MenuEntryRecord* entry = expectation->menuText.empty()
                                           ? record.findById(expectation->menuId)
                                           : record.findByText(expectation->menuText);
        if (entry == nullptr) {
            fail(what + L" has no enabled entry " +
                 (expectation->menuText.empty() ? std::to_wstring(expectation->menuId)
                                                : quoted(expectation->menuText)));
        } else {
            chosen = entry->id;
        }
    }
    record.chosen = chosen;
    menus_.push_back(record);
    return chosen;
}

bool ScriptedUser::pick(PickRecord& record) {
    static constexpr const wchar_t* kKinds[] = {L"point", L"plane", L"object", L"section point",
                                                L"macros"};
    const std::wstring what = std::wstring(L"pick of a ") + kKinds[static_cast<int>(record.kind)] +
                              L" " + quoted(record.prompt);
    auto expectation = take(Kind::Pick, what, [](const Expectation&) { return true; });
    record.chosenIds.clear();
    record.accepted = false;
    const bool picksObjects =
        record.kind == PickRecord::Kind::Object || record.kind == PickRecord::Kind::Macros;
    if (expectation && !expectation->cancel) {
        if (picksObjects != !expectation->ids.empty()) {
            fail(what + (picksObjects ? L": the script picks a point, not objects"
                                      : L": the script picks objects, not a point"));
        } else if (expectation->ids.size() > 1 && !record.multiple) {
            fail(what + L" takes one object, the script picks " +
                 std::to_wstring(expectation->ids.size()));
        } else {
            bool offered = true;
            for (const std::uint64_t id : expectation->ids) {
                if (std::find(record.candidateIds.begin(), record.candidateIds.end(), id) ==
                    record.candidateIds.end()) {
                    fail(what + L" does not offer object " + std::to_wstring(id));
                    offered = false;
                }
            }
            if (offered) {
                record.point = expectation->point;
                record.normal = expectation->normal;
                record.chosenIds = expectation->ids;
                record.accepted = true;
            }
        }
    }
    picks_.push_back(record);
    return record.accepted;
}

} // namespace ui
