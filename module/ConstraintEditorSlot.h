#pragma once

#include "module/ResourceSwitch.h"
#include "platform/core/model/EditConstrData.h"
#include "platform/host/HostWindows.h"
#include "platform/ui/dialogs/CDialog.h"

#include <concepts>
#include <memory>
#include <new>

// Closes the modeless constraint editor, when one is open, and re-posts the command prompt.
// When its window cannot be destroyed it prints "Erase window failed\n" and still forgets it.
void EndDlgEditConstraints();

namespace frame {

inline constexpr UINT kConstraintEditorTemplate = 8715;

// The single modeless constraint editor of the module.
class ConstraintEditorSlot {
public:
    static ConstraintEditorSlot& instance();

    CDialog* editor() const { return editor_.get(); }
    // Takes a created editor; false (and the editor is destroyed) when one is open already.
    bool place(std::unique_ptr<CDialog> editor);
    // EndDlgEditConstraints.
    void end();
    // Forgets the editor without a word (module detach).
    void discard();

private:
    ConstraintEditorSlot() = default;

    std::unique_ptr<CDialog> editor_;
};

// What the slot needs of a constraint editor class: it is made with its parent window, holds
// the record it edits and can be told that it runs modeless.
template <class Dialog>
concept ModelessConstraintEditor = std::derived_from<Dialog, CDialog> &&
    std::constructible_from<Dialog, CWnd*> && requires(Dialog& dialog) {
    { dialog.constrData() } -> std::same_as<EditConstrData&>;
    dialog.setModeless(true);
};

// Opens the modeless constraint editor of class Dialog, a child of the host's main window,
// with a copy of data, created from templateId and shown; the focus goes back to the main
// window. When an editor is open already nothing happens. True when an editor is open
// afterwards; false when a new one cannot be made or its window cannot be created.
template <ModelessConstraintEditor Dialog>
bool startConstraintEditor(const EditConstrData& data,
                           UINT templateId = kConstraintEditorTemplate) {
    ResourceSwitch resources;
    ConstraintEditorSlot& slot = ConstraintEditorSlot::instance();
    if (slot.editor() != nullptr)
        return true;

    CWnd* mainWindow = adsw_acadMainWnd();
    std::unique_ptr<Dialog> editor(new (std::nothrow) Dialog(mainWindow));
    if (!editor)
        return false;
    editor->constrData() = data;
    editor->setModeless(true);
    if (!editor->Create(templateId, mainWindow))
        return false;
    editor->ShowWindow(SW_SHOW);
    slot.place(std::move(editor));
    mainWindow->SetFocus();
    return true;
}

} // namespace frame
