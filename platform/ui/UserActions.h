#pragma once
// ui::UserActions: what a user does to the controls of a window, by control id. Every action
// goes through the controls' own input handling, so the notifications are those of a real
// user: exactly once, in the Win32 order. An action fails (false, and a failure reported to
// the sink, for example the scripted user's failure list) when the control does not exist, is
// hidden or disabled (itself or an ancestor), or cannot take the action.
//
// Controls are found by id among the window's descendants (child dialogs such as tab pages
// included), in tree order.

#include "platform/ui/WinTypes.h"

#include <functional>
#include <string>

namespace ui {

// Modifier keys held during a key press or click.
enum Modifier : unsigned { NoModifier = 0, Shift = 1, Control = 2, Alt = 4 };

class UserActions {
public:
    using FailureSink = std::function<void(const std::wstring&)>;

    explicit UserActions(CWnd& window, FailureSink sink = {});

    CWnd& window() const { return *window_; }
    // The control with that id, or null.
    CWnd* control(int id) const;

    // Mouse click (button down and up): buttons click, check boxes and radios change by their
    // auto behaviour; the clicked control takes the focus when it does so in Win32.
    bool click(int id);
    bool doubleClick(int id);
    bool rightClick(int id);
    // Keyboard focus to the control (kill-focus / set-focus notifications).
    bool setFocus(int id);
    // Types into an edit: focus, then the text replaces the selection (EN_UPDATE, EN_CHANGE
    // once). enterText first selects all, so the text replaces the whole content.
    bool type(int id, const std::wstring& text);
    bool enterText(int id, const std::wstring& text);
    // Picks an item of a combo box from its list (CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK,
    // CBN_CLOSEUP for drop-down kinds).
    bool selectComboItem(int id, int index);
    // The same for the first item whose text equals `text` (case-insensitive).
    bool selectComboText(int id, const std::wstring& text);
    // Types into the edit part of a drop-down or simple combo box, replacing its text
    // (CBN_EDITUPDATE, CBN_EDITCHANGE).
    bool typeInCombo(int id, const std::wstring& text);
    // Clicks a list-box item; with Control / Shift in an extended-selection list box.
    bool selectListItem(int id, int index, unsigned modifiers = NoModifier);
    bool doubleClickListItem(int id, int index);
    // Clicks a tab (TCN_SELCHANGING, TCN_SELCHANGE, unless the parent refuses the change).
    bool selectTab(int id, int index);
    // Presses and releases a key on the focus window (or the window when the focus is
    // elsewhere), with modifiers held (GetKeyState reports them meanwhile).
    bool pressKey(int virtualKey, unsigned modifiers = NoModifier);
    // The close box of the window's caption (WM_CLOSE).
    bool close();

private:
    CWnd* usableControl(int id, const wchar_t* action) const;
    bool typeText(int id, const std::wstring& text, bool replaceAll);
    bool fail(const std::wstring& message) const;

    CWnd* window_;
    FailureSink sink_;
};

} // namespace ui
