#pragma once
// ui::Keyboard: key presses and the key state that GetKeyState reports.
//
// press(): the modifiers are held down, then WM_KEYDOWN and WM_KEYUP each go first through
// PreTranslateMessage of the focus window and then of its parents (any TRUE swallows the
// message), then, for a key down, through the dialog keys of the outermost dialog around the
// focus (IsDialogMessage), and otherwise to the focus window itself (OnKeyDown / OnKeyUp).

#include "platform/ui/windows/WinTypes.h"

#include <set>
#include <vector>

namespace ui {

class Keyboard {
public:
    static Keyboard& instance();

    // Presses and releases virtualKey on `target` (the focus window when null; nothing
    // happens without focus and target). modifiers: ui::Modifier bits.
    void press(int virtualKey, unsigned modifiers, CWnd* target = nullptr);
    // Holds the modifier keys (ui::Modifier bits) down, for mouse input with modifiers; returns
    // the keys that were not down yet, for release().
    std::vector<int> hold(unsigned modifiers);
    void release(const std::vector<int>& keys);
    // GetKeyState: high bit set while the key is down.
    SHORT keyState(int virtualKey) const;
    bool isDown(int virtualKey) const { return down_.count(virtualKey) != 0; }

    // Routes one key message as described above; true when something handled it.
    static bool route(MSG& msg);

private:
    Keyboard() = default;

    std::set<int> down_;
};

} // namespace ui
