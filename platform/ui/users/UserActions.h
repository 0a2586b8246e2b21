#pragma once
// ui::UserActions: what a user does to the controls of a window, by control id. Every action
// goes through the controls' own input handling, so the notifications are those of a real
// user: exactly once, in the Win32 order. An action fails (false, and a failure reported to
// the sink, for example the scripted user's failure list) when the control does not exist, is
// hidden or disabled (itself or an ancestor), or cannot take the action.
//
// Controls are found by id among the window's descendants (child dialogs such as tab pages
// included), in tree order.

#include "platform/ui/windows/CPoint.h"
#include "platform/ui/windows/WinTypes.h"

#include <functional>
#include <string>

namespace ui {

class CellInput;

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

    // --- the mouse at a position: points are client coordinates of window() ----------------
    // A point of the control with that id (its client coordinates) in window()'s client
    // coordinates; the point unchanged when there is no such control.
    CPoint pointIn(int id, CPoint point) const;
    // The pointer moves there (WM_SETCURSOR, WM_MOUSEMOVE), the button goes down and up.
    // Input reaches the window under the point (ui::Mouse) with MK_ flags for the modifiers,
    // which GetKeyState reports meanwhile. Fails outside the client area and over a disabled
    // window.
    bool clickAt(CPoint point, unsigned modifiers = NoModifier);
    bool doubleClickAt(CPoint point, unsigned modifiers = NoModifier);
    bool rightClickAt(CPoint point, unsigned modifiers = NoModifier);
    bool moveMouseTo(CPoint point, unsigned modifiers = NoModifier);
    // Press at `from`, move in four steps to `to`, release there. A tracking loop that the
    // press starts (CRectTracker::Track, DoDragDrop) follows the drag itself; otherwise the
    // moves and the release go to the capture or the window under the pointer.
    bool drag(CPoint from, CPoint to, unsigned modifiers = NoModifier);
    // The same, released over another top-level window (`to` in its client coordinates).
    bool dragTo(CPoint from, CWnd& destination, CPoint to, unsigned modifiers = NoModifier);
    // The user drags the window's frame to a new size (pixels): WM_GETMINMAXINFO first, the
    // size kept within its minimum and maximum track size.
    bool resize(int width, int height);

    // --- special controls -------------------------------------------------------------------
    // Ticks or clears item `index` of a check-box combo (CCheckComboBox).
    bool toggleComboCheck(int id, int index);
    // Clicks / double-clicks thumbnail `index` of a thumbnail list (CImageListCtrl).
    bool selectImage(int id, int index);
    bool doubleClickImage(int id, int index);

    // --- cells of a spreadsheet control (ui::CellInput) -------------------------------------
    bool clickCell(int id, int col, int row, unsigned modifiers = NoModifier);
    bool doubleClickCell(int id, int col, int row);
    bool rightClickCell(int id, int col, int row);
    bool clickColumnHeader(int id, int col);
    bool typeInCell(int id, int col, int row, const std::wstring& text);
    bool chooseInCell(int id, int col, int row, int index);

private:
    bool mouseAt(CPoint point, unsigned modifiers, const wchar_t* action, UINT kind);
    bool gesture(CPoint from, CWnd& destination, CPoint to, unsigned modifiers);
    CWnd* usableWindowAt(CPoint client, const wchar_t* action);
    template <typename Control>
    Control* controlOfKind(int id, const wchar_t* action, const wchar_t* kind);
    bool cellAction(int id, const wchar_t* action, int col, int row,
                    const std::function<bool(CellInput&)>& act);

    CWnd* usableControl(int id, const wchar_t* action) const;
    bool typeText(int id, const std::wstring& text, bool replaceAll);
    bool fail(const std::wstring& message) const;

    CWnd* window_;
    FailureSink sink_;
};

// The control of the id when a user could act on it and it is of the kind; otherwise the
// failure is reported (hidden, disabled, missing, or "it is not <kind>") and null given.
template <typename Control>
Control* UserActions::controlOfKind(int id, const wchar_t* action, const wchar_t* kind) {
    CWnd* target = usableControl(id, action);
    if (target == nullptr) {
        return nullptr;
    }
    auto* found = dynamic_cast<Control*>(target);
    if (found == nullptr) {
        fail(L"cannot " + std::wstring(action) + L" control " + std::to_wstring(id) +
             L": it is not " + kind);
    }
    return found;
}

} // namespace ui
