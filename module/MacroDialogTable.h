#pragma once

#include "platform/core/model/MacroData.h"
#include "platform/ui/dialogs/CDialog.h"

#include <memory>
#include <vector>

namespace frame {

// The table of modeless macro dialogs. A slot index is the handle by which the core module
// names a dialog; an empty slot holds no dialog. The table never ends with an empty slot after
// a close, so its length is one past the highest open slot.
//
// Closing a dialog whose macro is busy is deferred: a 50 ms thread timer retries the close
// (printing "Delayed timer called." on every tick) until the macro is no longer busy. A slot
// has at most one pending close, and a slot that is closed drops its pending close, so a
// deferred close never reaches a dialog opened later in the same slot.
class MacroDialogTable {
public:
    // How the table reaches the macro record of a dialog it holds.
    using RecordAccess = MacroData& (*)(CDialog&);

    struct PendingClose {
        UINT_PTR timerId = 0;
        int slot = -1;
    };

    static constexpr UINT kDelayedCloseMs = 50;

    static MacroDialogTable& instance();

    int length() const { return static_cast<int>(slots_.size()); }
    // The dialog in slot; null for an empty slot or one outside the table.
    CDialog* dialogAt(int slot) const;

    // The slot for a new dialog: the highest empty slot, else a new empty slot appended.
    int chooseSlot();
    // Puts a created dialog into an empty slot of the table; false (and the dialog is
    // destroyed) when slot is not such a slot.
    bool place(int slot, std::unique_ptr<CDialog> dialog, RecordAccess record);

    // Copies the record of the dialog in slot; false for an empty slot or one outside.
    bool copyRecord(int slot, MacroData& data) const;
    // Closes the dialog in slot, or defers the close while its macro is busy (true). False for
    // an empty slot or one outside, when the window cannot be destroyed, or when the deferring
    // timer cannot be started.
    bool end(int slot);
    // end() for every slot from the last down to 0.
    void endAll();
    // Closes every dialog at once, busy or not, and drops the pending closes (module detach).
    void destroyAll();

    const std::vector<PendingClose>& pendingCloses() const { return pending_; }

    // The deferred-close timer's callback (TIMERPROC).
    static void delayedCloseTimer(HWND window, UINT message, UINT_PTR timerId, DWORD time);

private:
    struct Slot {
        std::unique_ptr<CDialog> dialog;
        RecordAccess record = nullptr;
    };

    MacroDialogTable() = default;
    bool isOpen(int slot) const;
    bool hasPendingClose(int slot) const;
    void dropPendingCloses(int slot);
    void onTimer(UINT_PTR timerId);

    std::vector<Slot> slots_;
    std::vector<PendingClose> pending_;
};

} // namespace frame
