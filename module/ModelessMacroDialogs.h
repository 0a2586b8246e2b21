#pragma once

#include "module/MacroDialogTable.h"
#include "module/ResourceSwitch.h"
#include "platform/core/model/MacroData.h"
#include "platform/host/HostWindows.h"
#include "platform/ui/dialogs/CDialog.h"

#include <concepts>
#include <memory>
#include <new>

// Modeless macro dialogs, named by their slot in frame::MacroDialogTable.

// Copies the current record of the dialog in slot into data; false when slot holds none.
bool GetDlgMacroData(int slot, MacroData& data);
// Closes the dialog in slot and re-posts the command prompt, or defers the close while its
// macro is busy. False when slot holds no dialog or its window cannot be destroyed.
bool EndDlgMacroModeless(int slot);
// Closes (or defers the close of) every modeless macro dialog.
void DestroyAllMacroDlgs();

namespace frame {

inline constexpr UINT kMacroDialogTemplate = 8131;

// What the table needs of a modeless macro dialog class: it is made with its parent window,
// learns its slot, and holds the macro record it edits.
template <class Dialog>
concept ModelessMacroDialog = std::derived_from<Dialog, CDialog> &&
    std::constructible_from<Dialog, CWnd*> && requires(Dialog& dialog, int slot) {
    dialog.setSlot(slot);
    { dialog.macroData() } -> std::same_as<MacroData&>;
};

template <ModelessMacroDialog Dialog> MacroData& macroRecordOf(CDialog& dialog) {
    return static_cast<Dialog&>(dialog).macroData();
}

// Opens a modeless macro dialog of class Dialog, a child of the host's main window, in the
// highest empty slot (or a new one) and reports the slot. The dialog gets a copy of data, is
// created from templateId and shown; unless keepFocus, the focus goes back to the main
// window. False (slot chosen, the table unchanged beyond a possibly appended empty slot) when
// the dialog cannot be made or its window cannot be created.
template <ModelessMacroDialog Dialog>
bool startMacroModeless(bool keepFocus, const MacroData& data, int& slot,
                        UINT templateId = kMacroDialogTemplate) {
    ResourceSwitch resources;
    MacroDialogTable& table = MacroDialogTable::instance();
    slot = -1;
    slot = table.chooseSlot();

    CWnd* mainWindow = adsw_acadMainWnd();
    std::unique_ptr<Dialog> dialog(new (std::nothrow) Dialog(mainWindow));
    if (!dialog)
        return false;
    dialog->setSlot(slot);
    dialog->macroData() = data;
    if (!dialog->Create(templateId, mainWindow))
        return false;
    dialog->ShowWindow(SW_SHOW);
    if (!table.place(slot, std::move(dialog), &macroRecordOf<Dialog>))
        return false;
    if (!keepFocus)
        mainWindow->SetFocus();
    return true;
}

} // namespace frame
