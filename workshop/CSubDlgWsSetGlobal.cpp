#include "workshop/CSubDlgWsSetGlobal.h"

#include "platform/ui/windows/WinConstants.h"
#include "workshop/CDlgWsSettings.h"
#include "workshop/Vdn_DlgWsFileNaming.h"
#include "workshop/Vdn_DlgWsFormats.h"
#include "workshop/WsPageFields.h"

using namespace wspage;

CSubDlgWsSetGlobal::CSubDlgWsSetGlobal(CWnd* parent) : CDlgGeneralSettingsChild(IDD, parent) {
    onCommand(kDstvButton, BN_CLICKED, [this] { openNaming(L"mDSTVFileNaming"); });
    onCommand(kDxfButton, BN_CLICKED, [this] { openNaming(L"mDXFFileNaming"); });
    onCommand(kFormatsButton, BN_CLICKED, [this] { openFormats(); });
}

Acad::ErrorStatus CSubDlgWsSetGlobal::LoadFromSettings(int item) {
    WsUiGlobalSettings* settings = nullptr;
    WsUiSettingPath path;
    if (CDlgWsSettings::GetSettingsAndPath(this, item, settings, path) != Acad::eOk)
        return Acad::eInvalidInput;
    loadText(*this, kTemplateEdit, *settings, path, L"mDimStyleTemplate");
    loadText(*this, kAcadStyleEdit, *settings, path, L"mAcadDimStyle");
    loadText(*this, kTfStyleEdit, *settings, path, L"mTfDimStyle");
    loadFlag(*this, kWeldpointsCheck, *settings, path, L"mDSTVWeldpointsOnMarks");
    loadFlag(*this, kStripsCheck, *settings, path, L"mAddStripsToPlates");
    item_ = item;
    return Acad::eOk;
}

Acad::ErrorStatus CSubDlgWsSetGlobal::SaveToSettings(int item) {
    WsUiGlobalSettings* settings = nullptr;
    WsUiSettingPath path;
    if (CDlgWsSettings::GetSettingsAndPath(this, item, settings, path) != Acad::eOk)
        return Acad::eInvalidInput;
    saveText(*this, kTemplateEdit, *settings, path, L"mDimStyleTemplate");
    saveText(*this, kAcadStyleEdit, *settings, path, L"mAcadDimStyle");
    saveText(*this, kTfStyleEdit, *settings, path, L"mTfDimStyle");
    saveFlag(*this, kWeldpointsCheck, *settings, path, L"mDSTVWeldpointsOnMarks");
    saveFlag(*this, kStripsCheck, *settings, path, L"mAddStripsToPlates");
    return Acad::eOk;
}

void CSubDlgWsSetGlobal::openNaming(const wchar_t* member) {
    WsUiGlobalSettings* settings = nullptr;
    WsUiSettingPath path;
    if (CDlgWsSettings::GetSettingsAndPath(this, item_, settings, path) != Acad::eOk)
        return;
    Vdn_DlgWsFileNaming dialog(this);
    dialog.settings_ = settings;
    dialog.path_ = createPath(path, member);
    dialog.DoModal();
}

void CSubDlgWsSetGlobal::openFormats() {
    WsUiGlobalSettings* settings = nullptr;
    WsUiSettingPath path;
    if (CDlgWsSettings::GetSettingsAndPath(this, item_, settings, path) != Acad::eOk)
        return;
    Vdn_DlgWsFormats dialog(this);
    dialog.settings_ = settings;
    dialog.path_ = createPath(path, L"mFormats");
    dialog.DoModal();
}
