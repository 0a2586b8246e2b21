#pragma once
// ui::MenuTemplateParser: reads the lines of one .menu file. As with dialog templates, every
// problem is reported with its line and a menu with a problem is left out.

#include "platform/ui/menus/MenuTemplate.h"

#include <string>
#include <vector>

namespace ui {

struct MenuTemplateParseResult {
    std::vector<MenuTemplate> menus;
    std::vector<ResourceDiagnostic> diagnostics;
};

class MenuTemplateParser {
public:
    // Pop-ups nest at most kMaxDepth deep.
    static constexpr int kMaxDepth = 16;
    static MenuTemplateParseResult parse(const std::vector<std::wstring>& lines,
                                         const std::wstring& fileName);
};

} // namespace ui
