#pragma once
// ui::DialogTemplate: one dialog template as read from resources/dialogs/*.dlg (the format is
// described in docs/window-system.md). Sizes and positions are in dialog units.

#include "platform/ui/windows/WinTypes.h"

#include <string>
#include <vector>

namespace ui {

enum class ControlKind { Static, Button, Edit, ComboBox, ListBox, Tab, Custom };

struct TemplateItem {
    std::wstring text;
    DWORD_PTR data = 0;

    friend bool operator==(const TemplateItem&, const TemplateItem&) = default;
};

struct ControlTemplate {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    std::wstring className; // Win32 window class: "Button", "Edit", ... or a custom class
    DWORD style = 0;        // WS_CHILD and WS_VISIBLE included unless removed
    DWORD exStyle = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    std::wstring text;
    std::vector<TemplateItem> items; // combo-box, list-box and tab items
    int line = 0;                    // where it was defined
};

struct DialogTemplate {
    UINT id = 0;
    std::wstring name; // "DLG_MACRO"
    std::wstring caption;
    int cx = 0;
    int cy = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::wstring fontFace = L"MS Shell Dlg";
    int fontPoints = 8;
    int fontWeight = FW_NORMAL;
    std::vector<ControlTemplate> controls;
    std::wstring file;
    int line = 0;

    const ControlTemplate* control(int controlId) const;
};

// A problem found while reading a resource file.
struct ResourceDiagnostic {
    std::wstring file;
    int line = 0;
    std::wstring reason;

    // "file:line: reason"
    std::wstring text() const;
};

} // namespace ui
