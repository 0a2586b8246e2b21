#pragma once
// Helpers for tests that drive windows: a fixture with a scripted user that fails the test
// when the script is not followed, and a dialog that logs every notification it receives.

#include "platform/core/text/TextCodec.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/users/ScriptedUser.h"
#include "platform/ui/users/UserScope.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

// gtest would print a CRect as the RECT pointer it converts to.
inline void PrintTo(const CRect& rect, std::ostream* out) {
    *out << "CRect(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
         << ")";
}
inline void PrintTo(const CPoint& point, std::ostream* out) {
    *out << "CPoint(" << point.x << ", " << point.y << ")";
}

namespace uitest {

// A test whose modal windows go to `user`; TearDown fails the test on any script failure.
class ScriptedUserTest : public ::testing::Test {
protected:
    void TearDown() override {
        const bool ok = user.verify();
        EXPECT_TRUE(ok) << core::TextCodec::encodeUtf8(user.failureText());
    }

    ui::ScriptedUser user;
    ui::UserScope scope{user};
};

// One notification: WM_COMMAND (id, code) or WM_NOTIFY (id, code).
struct Note {
    int id = 0;
    UINT code = 0;
    bool notify = false;

    friend bool operator==(const Note&, const Note&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Note& note) {
        return out << (note.notify ? "WM_NOTIFY(" : "WM_COMMAND(") << note.id << ", "
                   << static_cast<int>(note.code) << ")";
    }
};

inline Note command(int id, UINT code) {
    return {id, code, false};
}
inline Note notify(int id, UINT code) {
    return {id, code, true};
}

// A dialog from a template that records the notifications of its controls in order.
class LoggingDialog : public CDialog {
public:
    explicit LoggingDialog(UINT templateId = 60000, CWnd* parent = nullptr)
        : CDialog(templateId, parent) {}

    std::vector<Note> notes;
    // Returned from TCN_SELCHANGING (nonzero keeps the current tab).
    LRESULT refuseTabChange = 0;

    void clearNotes() { notes.clear(); }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        notes.push_back(command(static_cast<SHORT>(LOWORD(wParam)), HIWORD(wParam)));
        return CDialog::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        notes.push_back(notify(static_cast<int>(header->idFrom), header->code));
        if (header->code == TCN_SELCHANGING) {
            *result = refuseTabChange;
            return TRUE;
        }
        return CDialog::OnNotify(wParam, lParam, result);
    }
};

inline std::string utf8(const std::wstring& text) {
    return core::TextCodec::encodeUtf8(text);
}

} // namespace uitest
