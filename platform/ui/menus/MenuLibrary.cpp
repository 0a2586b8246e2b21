#include "platform/ui/menus/MenuLibrary.h"

#include "platform/ui/dialogs/ResourceFolder.h"
#include "platform/ui/windows/Diagnostics.h"

namespace ui {

MenuLibrary& MenuLibrary::instance() {
    static MenuLibrary library;
    return library;
}

void MenuLibrary::ensureLoaded() {
    if (!loaded_) {
        loadFolder(ResourceFolder::locate(L"menus"));
    }
}

const MenuTemplate* MenuLibrary::find(UINT id) {
    ensureLoaded();
    const auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : &it->second;
}

const std::vector<ResourceDiagnostic>& MenuLibrary::diagnostics() {
    ensureLoaded();
    return diagnostics_;
}

void MenuLibrary::loadFolder(const std::filesystem::path& folder) {
    byId_.clear();
    diagnostics_.clear();
    loaded_ = true;
    for (const ResourceFile& file : ResourceFolder::read(folder, L".menu")) {
        if (!file.readable) {
            diagnostics_.push_back({file.name, 0, L"the file cannot be read"});
            Diagnostics::report(diagnostics_.back().text());
            continue;
        }
        addFromLines(file.lines, file.name);
    }
}

void MenuLibrary::addFromLines(const std::vector<std::wstring>& lines,
                               const std::wstring& fileName) {
    loaded_ = true;
    MenuTemplateParseResult result = MenuTemplateParser::parse(lines, fileName);
    for (const ResourceDiagnostic& diagnostic : result.diagnostics) {
        diagnostics_.push_back(diagnostic);
        Diagnostics::report(diagnostic.text());
    }
    for (MenuTemplate& menu : result.menus) {
        if (const auto it = byId_.find(menu.id); it != byId_.end()) {
            diagnostics_.push_back({menu.file, menu.line,
                                    L"menu id " + std::to_wstring(menu.id) + L" is already used (" +
                                        it->second.file + L":" + std::to_wstring(it->second.line) +
                                        L")"});
            Diagnostics::report(diagnostics_.back().text());
            continue;
        }
        const UINT id = menu.id;
        byId_.emplace(id, std::move(menu));
    }
}

void MenuLibrary::reset() {
    byId_.clear();
    diagnostics_.clear();
    loaded_ = false;
}

} // namespace ui
