#include "module/MacroDialogTable.h"

#include "platform/host/CommandLineApi.h"
#include "platform/ui/windows/WinApi.h"
#include "platform/ui/windows/WindowRegistry.h"

#include <algorithm>

namespace frame {

namespace {

// Deletes a dialog once no message dispatch is running any more: a close may be asked for
// from within one of the dialog's own handlers.
void deleteDialog(std::unique_ptr<CDialog> dialog) {
    ui::WindowRegistry::instance().deleteLater(std::move(dialog));
}

} // namespace

MacroDialogTable& MacroDialogTable::instance() {
    static MacroDialogTable table;
    return table;
}

bool MacroDialogTable::isOpen(int slot) const {
    return slot >= 0 && slot < length() && slots_[static_cast<std::size_t>(slot)].dialog;
}

CDialog* MacroDialogTable::dialogAt(int slot) const {
    return isOpen(slot) ? slots_[static_cast<std::size_t>(slot)].dialog.get() : nullptr;
}

int MacroDialogTable::chooseSlot() {
    int chosen = -1;
    for (int slot = 0; slot < length(); ++slot) {
        if (!isOpen(slot))
            chosen = slot;
    }
    if (chosen < 0) {
        chosen = length();
        slots_.emplace_back();
    }
    return chosen;
}

bool MacroDialogTable::place(int slot, std::unique_ptr<CDialog> dialog, RecordAccess record) {
    if (slot < 0 || slot >= length() || isOpen(slot) || !dialog || record == nullptr) {
        if (dialog) {
            dialog->DestroyWindow();
            deleteDialog(std::move(dialog));
        }
        return false;
    }
    slots_[static_cast<std::size_t>(slot)] = Slot{std::move(dialog), record};
    return true;
}

bool MacroDialogTable::copyRecord(int slot, MacroData& data) const {
    if (!isOpen(slot))
        return false;
    const Slot& entry = slots_[static_cast<std::size_t>(slot)];
    data = entry.record(*entry.dialog);
    return true;
}

bool MacroDialogTable::end(int slot) {
    if (!isOpen(slot))
        return false;
    Slot& entry = slots_[static_cast<std::size_t>(slot)];
    if (entry.record(*entry.dialog).busy) {
        if (hasPendingClose(slot))
            return true;
        const UINT_PTR timerId = ::SetTimer(nullptr, 0, kDelayedCloseMs, &delayedCloseTimer);
        if (timerId == 0)
            return false;
        pending_.push_back({timerId, slot});
        return true;
    }

    if (!entry.dialog->DestroyWindow())
        return false;
    deleteDialog(std::move(entry.dialog));
    entry.record = nullptr;
    dropPendingCloses(slot);
    if (slot == length() - 1) {
        while (!slots_.empty() && !slots_.back().dialog)
            slots_.pop_back();
    }
    acedPostCommandPrompt();
    return true;
}

void MacroDialogTable::endAll() {
    for (int slot = length() - 1; slot >= 0; --slot) {
        if (slot < length())
            end(slot);
    }
}

void MacroDialogTable::destroyAll() {
    for (const PendingClose& pending : pending_)
        ::KillTimer(nullptr, pending.timerId);
    pending_.clear();
    for (Slot& entry : slots_) {
        if (entry.dialog) {
            entry.dialog->DestroyWindow();
            deleteDialog(std::move(entry.dialog));
        }
    }
    slots_.clear();
}

bool MacroDialogTable::hasPendingClose(int slot) const {
    return std::any_of(pending_.begin(), pending_.end(),
                       [slot](const PendingClose& pending) { return pending.slot == slot; });
}

void MacroDialogTable::dropPendingCloses(int slot) {
    std::erase_if(pending_, [slot](const PendingClose& pending) {
        if (pending.slot != slot)
            return false;
        ::KillTimer(nullptr, pending.timerId);
        return true;
    });
}

void MacroDialogTable::delayedCloseTimer(HWND, UINT, UINT_PTR timerId, DWORD) {
    acutPrintf(L"Delayed timer called.\n");
    instance().onTimer(timerId);
}

void MacroDialogTable::onTimer(UINT_PTR timerId) {
    const auto found =
        std::find_if(pending_.begin(), pending_.end(),
                     [timerId](const PendingClose& p) { return p.timerId == timerId; });
    if (found == pending_.end())
        return;
    const int slot = found->slot;
    // The pair goes before the retry, which may defer again with a fresh pair.
    pending_.erase(found);
    ::KillTimer(nullptr, timerId);
    end(slot);
}

} // namespace frame
