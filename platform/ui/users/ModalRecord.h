#pragma once
// ui::ModalRecord: one modal dialog as a scripted user met it, in the order shown.

#include "platform/ui/windows/WinTypes.h"

#include <string>

namespace ui {

struct ModalRecord {
    UINT templateId = 0;
    std::wstring templateName;
    std::wstring caption;
    int result = 0;        // what the dialog ended with
    bool expected = false; // whether the script expected it (else it was cancelled)
};

} // namespace ui
