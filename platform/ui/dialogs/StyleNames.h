#pragma once
// ui::StyleNames: the style names a template may use (WS_, WS_EX_, DS_, BS_, ES_, SS_, CBS_,
// LBS_, TCS_) with their Win32 values, and the symbolic control ids (IDOK, IDC_STATIC, ...).

#include "platform/ui/windows/WinTypes.h"

#include <optional>
#include <string>

namespace ui {

struct StyleBits {
    DWORD value = 0;
    bool extended = false; // a WS_EX_ style
};

class StyleNames {
public:
    static std::optional<StyleBits> find(const std::wstring& name);
    static std::optional<int> controlId(const std::wstring& name);
};

} // namespace ui
