#pragma once

#include "module/CTfDockControlBar.h"
#include "module/ResourceSwitch.h"
#include "module/TfSheetsMgrDlgData.h"
#include "platform/host/Guid.h"
#include "platform/host/HostWindows.h"

#include <concepts>
#include <memory>
#include <new>

// Closes the docked sheets manager: false when there is none or its window cannot be
// destroyed.
bool EndModelessDlgSheetsMgr();

namespace frame {

inline constexpr UINT kSheetsManagerTemplate = 267;
inline constexpr const wchar_t* kSheetsManagerTitle = L"Sheets manager";
inline constexpr const wchar_t* kSheetsManagerToolId = L"{BFF7CDE1-365F-4164-BF0A-A906FFA2920F}";

// Hands a dialog to a bar and docks the bar in the host frame: the bar is created as the
// frame's child with the title, keeps its placement under toolId, docks on the left or right
// edge only (by default on the left), and floats at the hosted dialog's own size. False when
// bar or dialog is null, or when the bar's window (with the hosted dialog) cannot be created.
bool setUpDockControlBar(CTfDockControlBar* bar, std::unique_ptr<CDialog> dialog, UINT templateId,
                         const host::Guid& toolId, const wchar_t* title);

// The module's single sheets-manager bar.
class SheetsManagerSlot {
public:
    static SheetsManagerSlot& instance();

    CTfDockControlBar* bar() const { return bar_.get(); }
    // Makes a new bar the module's bar (replacing none); returns it.
    CTfDockControlBar* createBar();
    // Destroys the bar's window and forgets the bar; false when there is no bar or its window
    // cannot be destroyed.
    bool end();
    // Forgets the bar whatever state its window is in (a failed set-up, module detach).
    void discard();

private:
    SheetsManagerSlot() = default;

    std::unique_ptr<CTfDockControlBar> bar_;
};

// What the bar needs of the sheets manager's dialog class: it is made with its parent window
// and holds the record it shows.
template <class Dialog>
concept SheetsManagerDialog = std::derived_from<Dialog, CDialog> &&
    std::constructible_from<Dialog, CWnd*> && requires(Dialog& dialog) {
    { dialog.sheetsData() } -> std::same_as<TfSheetsMgrDlgData&>;
};

// Opens the docked sheets manager with a dialog of class Dialog holding a copy of data. When
// the bar exists already it is only shown again (data is ignored) and the result is true.
template <SheetsManagerDialog Dialog>
bool startDockedSheetsManager(const TfSheetsMgrDlgData& data,
                              UINT templateId = kSheetsManagerTemplate) {
    CFrameWnd* frameWindow = acedGetAcadFrame();
    ResourceSwitch resources;
    SheetsManagerSlot& slot = SheetsManagerSlot::instance();
    if (CTfDockControlBar* bar = slot.bar()) {
        frameWindow->ShowControlBar(bar, TRUE, FALSE);
        return true;
    }

    CTfDockControlBar* bar = slot.createBar();
    std::unique_ptr<Dialog> dialog(new (std::nothrow) Dialog(nullptr));
    if (dialog)
        dialog->sheetsData() = data;
    const bool ok =
        setUpDockControlBar(bar, std::move(dialog), templateId,
                            *host::Guid::parse(kSheetsManagerToolId), kSheetsManagerTitle);
    if (!ok)
        slot.discard();
    return ok;
}

} // namespace frame
