#pragma once
// ui::MenuLibrary: every menu resource of resources/menus, read once on first use from
// gSettings.resourceDir(). As with dialog templates, a damaged file is reported and its good
// menus stay available.

#include "platform/ui/menus/MenuTemplateParser.h"

#include <filesystem>
#include <map>
#include <vector>

namespace ui {

class MenuLibrary {
public:
    static MenuLibrary& instance();

    const MenuTemplate* find(UINT id);
    const std::vector<ResourceDiagnostic>& diagnostics();

    void loadFolder(const std::filesystem::path& folder);
    void addFromLines(const std::vector<std::wstring>& lines, const std::wstring& fileName);
    void reset();

private:
    MenuLibrary() = default;
    void ensureLoaded();

    bool loaded_ = false;
    std::map<UINT, MenuTemplate> byId_;
    std::vector<ResourceDiagnostic> diagnostics_;
};

} // namespace ui
