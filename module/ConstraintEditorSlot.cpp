#include "module/ConstraintEditorSlot.h"

#include "platform/host/CommandLineApi.h"
#include "platform/ui/windows/WindowRegistry.h"

namespace frame {

ConstraintEditorSlot& ConstraintEditorSlot::instance() {
    static ConstraintEditorSlot slot;
    return slot;
}

bool ConstraintEditorSlot::place(std::unique_ptr<CDialog> editor) {
    if (editor_ || !editor) {
        if (editor) {
            editor->DestroyWindow();
            ui::WindowRegistry::instance().deleteLater(std::move(editor));
        }
        return false;
    }
    editor_ = std::move(editor);
    return true;
}

void ConstraintEditorSlot::end() {
    if (editor_) {
        if (!editor_->DestroyWindow())
            acutPrintf(L"Erase window failed\n");
        // Deleted once no message dispatch runs: the close may come from the editor itself.
        ui::WindowRegistry::instance().deleteLater(std::move(editor_));
    }
    acedPostCommandPrompt();
}

void ConstraintEditorSlot::discard() {
    if (!editor_)
        return;
    if (editor_->GetSafeHwnd() != nullptr)
        editor_->DestroyWindow();
    ui::WindowRegistry::instance().deleteLater(std::move(editor_));
}

} // namespace frame

void EndDlgEditConstraints() {
    frame::ConstraintEditorSlot::instance().end();
}
