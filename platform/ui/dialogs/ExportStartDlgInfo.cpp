#include "platform/ui/dialogs/ExportStartDlgInfo.h"

#include "platform/ui/windows/WinApi.h"
#include "platform/ui/windows/WinConstants.h"

void ExportStartDlgInfo(DlgInfoData& data) {
    std::wstring text;
    for (const Vdn_String& line : data.lines) {
        if (!text.empty())
            text += L'\n';
        text += line.str();
    }
    MessageBox(nullptr, text, data.caption.str(), MB_OK | MB_ICONINFORMATION);
}
