#pragma once
// ui::DialogNavigation: the dialog manager's view of a dialog's controls. Controls are taken in
// tree order (sibling order is tab order), descending into child dialogs and WS_EX_CONTROLPARENT
// windows; hidden or disabled containers are skipped with their controls. A tab stop is a
// visible, enabled control with WS_TABSTOP; the radio buttons of one group (a run of siblings
// starting at a WS_GROUP control) form one stop, entered at the checked button.

#include "platform/ui/windows/WinTypes.h"

#include <vector>

namespace ui {

class DialogNavigation {
public:
    // The stop after (or before) `from`, wrapping; null when the dialog has no stop. With
    // `from` null or outside the dialog: the first (or last) stop.
    static CWnd* nextTabStop(const CWnd& dialog, const CWnd* from, bool previous);
    // The control with that id in the dialog's controls (tree order), or null.
    static CWnd* findControl(const CWnd& dialog, int id);
    // Moves the focus to a control as the dialog manager does: an edit (or a combo box's edit)
    // reached this way gets its whole text selected.
    static void focusControl(CWnd& control);
    // The outermost dialog around a window (the window itself included), or null.
    static CWnd* outermostDialog(CWnd* window);
    // True for windows whose controls belong to the enclosing dialog's navigation.
    static bool isContainer(const CWnd& window);
    // The radio buttons of the same group as `button`, in sibling order.
    static std::vector<CWnd*> radioGroup(const CWnd& button);
};

} // namespace ui
