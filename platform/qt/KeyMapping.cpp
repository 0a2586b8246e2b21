#include "platform/qt/KeyMapping.h"

#include "platform/ui/users/UserActions.h"
#include "platform/ui/windows/WinConstants.h"

namespace qtview {

int virtualKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    default:
        break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return VK_F1 + (qtKey - Qt::Key_F1);
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return qtKey; // the same codes as the virtual keys
    }
    return 0;
}

unsigned treeModifiers(Qt::KeyboardModifiers modifiers) {
    unsigned bits = ui::NoModifier;
    if (modifiers & Qt::ShiftModifier) {
        bits |= ui::Shift;
    }
    if (modifiers & Qt::ControlModifier) {
        bits |= ui::Control;
    }
    if (modifiers & Qt::AltModifier) {
        bits |= ui::Alt;
    }
    return bits;
}

} // namespace qtview
