#include "module/SheetsManagerSlot.h"

#include "platform/ui/dialogs/DialogTemplate.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/windows/WindowRegistry.h"

namespace frame {

namespace {

// The hosted dialog's size in pixels: the size stored for it under its template's name, else
// the size its window has.
CSize hostedDialogSize(const CDialog& dialog) {
    CRect rect;
    dialog.GetWindowRect(&rect);
    int width = rect.Width();
    int height = rect.Height();
    const ui::DialogTemplate* dialogTemplate = dialog.dialogTemplate();
    const std::wstring& key =
        dialogTemplate != nullptr ? dialogTemplate->name : dialog.templateName();
    if (!key.empty())
        getSafeDlgSize(Vdn_String(key), width, height, width, height);
    return {width, height};
}

} // namespace

bool setUpDockControlBar(CTfDockControlBar* bar, std::unique_ptr<CDialog> dialog, UINT templateId,
                         const host::Guid& toolId, const wchar_t* title) {
    if (bar == nullptr || !dialog)
        return false;
    CDialog* hosted = dialog.get();
    bar->setHostedDialog(std::move(dialog), templateId);
    if (!bar->Create(acedGetAcadFrame(), title))
        return false;
    bar->SetToolID(toolId);
    bar->EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    bar->RestoreControlBar(AFX_IDW_DOCKBAR_LEFT);
    const CSize size = hostedDialogSize(*hosted);
    bar->setFloatingSize(size.cx, size.cy);
    CRect floating(0, 0, size.cx, size.cy);
    bar->InitFloatingPosition(&floating);
    return true;
}

SheetsManagerSlot& SheetsManagerSlot::instance() {
    static SheetsManagerSlot slot;
    return slot;
}

CTfDockControlBar* SheetsManagerSlot::createBar() {
    if (!bar_)
        bar_ = std::make_unique<CTfDockControlBar>();
    return bar_.get();
}

bool SheetsManagerSlot::end() {
    if (!bar_ || !bar_->DestroyWindow())
        return false;
    ui::WindowRegistry::instance().deleteLater(std::move(bar_));
    return true;
}

void SheetsManagerSlot::discard() {
    if (!bar_)
        return;
    if (bar_->GetSafeHwnd() != nullptr)
        bar_->DestroyWindow();
    ui::WindowRegistry::instance().deleteLater(std::move(bar_));
}

} // namespace frame

bool EndModelessDlgSheetsMgr() {
    return frame::SheetsManagerSlot::instance().end();
}
