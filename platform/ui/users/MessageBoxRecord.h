#pragma once
// ui::MessageBoxRecord: one message box as the user sees it. The MB_ type bits are split into
// buttons, icon and default button; `answer` is filled in once the user has answered.

#include "platform/ui/windows/WinTypes.h"

#include <string>
#include <vector>

namespace ui {

struct MessageBoxRecord {
    std::wstring caption;
    std::wstring text;
    UINT icon = 0;         // MB_ICONHAND / MB_ICONQUESTION / MB_ICONEXCLAMATION / MB_ICONASTERISK
    UINT buttons = MB_OK;  // MB_OK, MB_OKCANCEL, MB_YESNO, ...
    int defaultButton = 0; // 0 for MB_DEFBUTTON1, 1 for MB_DEFBUTTON2, ...
    UINT type = 0;         // the full type as given
    int answer = 0;        // the id the user answered with

    static MessageBoxRecord fromType(const std::wstring& text, const std::wstring& caption,
                                     UINT type);
    // The answer ids of the buttons, left to right (MB_YESNO: IDYES, IDNO).
    std::vector<int> buttonIds() const;
    // The id of the default button (the first one when defaultButton is out of range).
    int defaultAnswer() const;
    // IDCANCEL when there is a Cancel button, else the default answer (what Escape gives).
    int cancelAnswer() const;
};

} // namespace ui
