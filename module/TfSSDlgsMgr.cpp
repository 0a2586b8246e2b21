#include "module/TfSSDlgsMgr.h"

#include "platform/host/HostWindows.h"
#include "platform/ui/windows/WindowRegistry.h"

TfSSDlgsMgr gSSDlgsMgr;

TfSSDlgsMgr::~TfSSDlgsMgr() {
    destroyAll();
}

void TfSSDlgsMgr::setDialogFactory(DialogFactory factory, UINT templateId) {
    factory_ = factory;
    templateId_ = templateId;
}

void* TfSSDlgsMgr::getDlg() {
    for (std::size_t i = 0; i < inUse_.size() && i < dialogs_.size(); ++i) {
        if (!inUse_[i]) {
            inUse_[i] = true;
            return dialogs_[i].get();
        }
    }
    if (factory_ == nullptr)
        return nullptr;
    CWnd* mainWindow = adsw_acadMainWnd();
    std::unique_ptr<CDialog> dialog = factory_(mainWindow);
    if (!dialog || !dialog->Create(templateId_, mainWindow))
        return nullptr;
    dialogs_.push_back(std::move(dialog));
    inUse_.push_back(true);
    return dialogs_.back().get();
}

Acad::ErrorStatus TfSSDlgsMgr::releaseDlg(void* dialog) {
    for (std::size_t i = 0; i < dialogs_.size(); ++i) {
        if (dialog != nullptr && dialogs_[i].get() == dialog) {
            inUse_[i] = false;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus TfSSDlgsMgr::destroyDlg(const int& index) {
    if (index < 0 || index >= length() || !dialogs_[static_cast<std::size_t>(index)])
        return Acad::eInvalidInput;
    const auto position = static_cast<std::ptrdiff_t>(index);
    std::unique_ptr<CDialog> dialog = std::move(dialogs_[static_cast<std::size_t>(index)]);
    dialogs_.erase(dialogs_.begin() + position);
    // The lent-out marks stay parallel to the dialogs.
    inUse_.erase(inUse_.begin() + position);
    if (dialog->GetSafeHwnd() != nullptr)
        dialog->DestroyWindow();
    ui::WindowRegistry::instance().deleteLater(std::move(dialog));
    return Acad::eOk;
}

void TfSSDlgsMgr::destroyAll() {
    for (int index = length() - 1; index >= 0; --index)
        destroyDlg(index);
    inUse_.clear();
}

CDialog* TfSSDlgsMgr::dialogAt(int index) const {
    return index >= 0 && index < length() ? dialogs_[static_cast<std::size_t>(index)].get()
                                          : nullptr;
}

bool TfSSDlgsMgr::isInUse(int index) const {
    return index >= 0 && index < static_cast<int>(inUse_.size()) &&
           inUse_[static_cast<std::size_t>(index)];
}
