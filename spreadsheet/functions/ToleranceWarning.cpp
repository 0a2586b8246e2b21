#include "spreadsheet/functions/ToleranceWarning.h"

#include "platform/core/settings/DocumentData.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/ui/windows/WinApi.h"

namespace ss {

void showToleranceWarning(double down, double up) {
    if (!core::currentDocumentData().spreadsheetMessages)
        return;
    const Vdn_String text = Vdn_String(L"Invalid tolerances provided.\n DownTolerance is :") +
                            Vdn_String(down, 2, false) + L"UpTolerance is :" +
                            Vdn_String(up, 2, false) +
                            L"\nAdding both tolerances should result in a positive value.";
    AfxMessageBox(text.str(), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace ss
