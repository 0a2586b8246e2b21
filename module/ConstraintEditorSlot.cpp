#include "module/ConstraintEditorSlot.h"

#include "platform/host/CommandLineApi.h"
#include "platform/ui/windows/WindowRegistry.h"

namespace frame {

ConstraintEditorSlot& ConstraintEditorSlot::instance() {
    static ConstraintEditorSlot slot;
    return slot;
}

bool ConstraintEditorSlot::place(std::unique_ptr<CDialog> editor) {
    if (mEditor || !editor) {
        if (editor) {
            editor->DestroyWindow();
            ui::WindowRegistry::instance().deleteLater(std::move(editor));
        }
        return false;
    }
    mEditor = std::move(editor);
    return true;
}

void ConstraintEditorSlot::end() {
    if (mEditor) {
        if (!mEditor->DestroyWindow())
            acutPrintf(L"Erase window failed\n");
        // Deleted once no message dispatch runs: the close may come from the editor itself.
        ui::WindowRegistry::instance().deleteLater(std::move(mEditor));
    }
    acedPostCommandPrompt();
}

void ConstraintEditorSlot::discard() {
    if (!mEditor)
        return;
    if (mEditor->GetSafeHwnd() != nullptr)
        mEditor->DestroyWindow();
    ui::WindowRegistry::instance().deleteLater(std::move(mEditor));
}

} // namespace frame

void EndDlgEditConstraints() {
    frame::ConstraintEditorSlot::instance().end();
}
