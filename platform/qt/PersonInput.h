#pragma once
// qtview::PersonInput: what a person does in a widget, handed to the window tree through the
// same user actions the scripted user takes, so dialog code sees the same notifications in the
// same order whichever user it has. Every call first checks that the window still exists (a
// click may have closed the dialog that owned it).

#include "platform/ui/windows/CPoint.h"

#include <string>

class CWnd;

namespace qtview {

class PersonInput {
public:
    static bool click(CWnd& control);
    static bool doubleClick(CWnd& control);
    static bool rightClick(CWnd& control);
    static bool focus(CWnd& control);
    // The whole new text of an edit, as a person left it after a keystroke.
    static bool editText(CWnd& edit, const std::wstring& text);
    static bool selectComboItem(CWnd& combo, int index);
    static bool typeInCombo(CWnd& combo, const std::wstring& text);
    static bool selectListItem(CWnd& list, int index, unsigned modifiers);
    static bool doubleClickListItem(CWnd& list, int index);
    static bool selectTab(CWnd& tabs, int index);
    // A tick of an item of a check-box combo; a thumbnail picked (or double-clicked).
    static bool toggleComboCheck(CWnd& combo, int index);
    static bool selectImage(CWnd& list, int index, bool doubleClick);
    // The mouse on a window's client area at a point of its client (tree pixels): a click, a
    // double click, the right button, or a drag from one point to another.
    static bool clickAt(CWnd& window, CPoint point, unsigned modifiers);
    static bool doubleClickAt(CWnd& window, CPoint point, unsigned modifiers);
    static bool rightClickAt(CWnd& window, CPoint point, unsigned modifiers);
    static bool drag(CWnd& window, CPoint from, CPoint to, unsigned modifiers);
    // A key on the tree's focus window (dialog keys included), inside the top-level window.
    static bool pressKey(CWnd& topLevel, int virtualKey, unsigned modifiers);
    // The close box of a top-level window.
    static bool close(CWnd& topLevel);

    static bool isAlive(const CWnd* window);
};

} // namespace qtview
