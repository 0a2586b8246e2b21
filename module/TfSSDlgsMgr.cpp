#include "module/TfSSDlgsMgr.h"

#include "platform/host/HostWindows.h"
#include "platform/ui/windows/WindowRegistry.h"

TfSSDlgsMgr gSSDlgsMgr;

TfSSDlgsMgr::~TfSSDlgsMgr() {
    destroyAll();
}

void TfSSDlgsMgr::setDialogFactory(DialogFactory factory, UINT templateId) {
    mFactory = factory;
    mTemplateId = templateId;
}

void* TfSSDlgsMgr::getDlg() {
    for (std::size_t i = 0; i < mInUse.size() && i < mDialogs.size(); ++i) {
        if (!mInUse[i]) {
            mInUse[i] = true;
            return mDialogs[i].get();
        }
    }
    if (mFactory == nullptr)
        return nullptr;
    CWnd* mainWindow = adsw_acadMainWnd();
    std::unique_ptr<CDialog> dialog = mFactory(mainWindow);
    if (!dialog || !dialog->Create(mTemplateId, mainWindow))
        return nullptr;
    mDialogs.push_back(std::move(dialog));
    mInUse.push_back(true);
    return mDialogs.back().get();
}

Acad::ErrorStatus TfSSDlgsMgr::releaseDlg(void* dialog) {
    for (std::size_t i = 0; i < mDialogs.size(); ++i) {
        if (dialog != nullptr && mDialogs[i].get() == dialog) {
            mInUse[i] = false;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus TfSSDlgsMgr::destroyDlg(const int& index) {
    if (index < 0 || index >= length() || !mDialogs[static_cast<std::size_t>(index)])
        return Acad::eInvalidInput;
    const auto position = static_cast<std::ptrdiff_t>(index);
    std::unique_ptr<CDialog> dialog = std::move(mDialogs[static_cast<std::size_t>(index)]);
    mDialogs.erase(mDialogs.begin() + position);
    // The lent-out marks stay parallel to the dialogs.
    mInUse.erase(mInUse.begin() + position);
    if (dialog->GetSafeHwnd() != nullptr)
        dialog->DestroyWindow();
    ui::WindowRegistry::instance().deleteLater(std::move(dialog));
    return Acad::eOk;
}

void TfSSDlgsMgr::destroyAll() {
    for (int index = length() - 1; index >= 0; --index)
        destroyDlg(index);
    mInUse.clear();
}

CDialog* TfSSDlgsMgr::dialogAt(int index) const {
    return index >= 0 && index < length() ? mDialogs[static_cast<std::size_t>(index)].get()
                                          : nullptr;
}

bool TfSSDlgsMgr::isInUse(int index) const {
    return index >= 0 && index < static_cast<int>(mInUse.size()) &&
           mInUse[static_cast<std::size_t>(index)];
}
