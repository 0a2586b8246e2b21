#include "platform/ui/dialogs/TemplateLibrary.h"

#include "platform/ui/dialogs/DialogTemplateParser.h"
#include "platform/ui/dialogs/ResourceFolder.h"
#include "platform/ui/windows/Diagnostics.h"

namespace ui {

TemplateLibrary& TemplateLibrary::instance() {
    static TemplateLibrary library;
    return library;
}

void TemplateLibrary::ensureLoaded() {
    if (!loaded_) {
        loadFolder(ResourceFolder::locate(L"dialogs"));
    }
}

const DialogTemplate* TemplateLibrary::find(UINT id) {
    ensureLoaded();
    const auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : &it->second;
}

const DialogTemplate* TemplateLibrary::findByName(const std::wstring& name) {
    ensureLoaded();
    const auto it = idByName_.find(name);
    return it == idByName_.end() ? nullptr : find(it->second);
}

const std::vector<ResourceDiagnostic>& TemplateLibrary::diagnostics() {
    ensureLoaded();
    return diagnostics_;
}

void TemplateLibrary::loadFolder(const std::filesystem::path& folder) {
    byId_.clear();
    idByName_.clear();
    diagnostics_.clear();
    loaded_ = true;
    if (folder.empty()) {
        reportDiagnostic({L"dialogs", 0, L"the folder of dialog templates is missing"});
        return;
    }
    for (const ResourceFile& file : ResourceFolder::read(folder, L".dlg")) {
        if (!file.readable) {
            reportDiagnostic({file.name, 0, L"the file cannot be read"});
            continue;
        }
        addFromLines(file.lines, file.name);
    }
}

void TemplateLibrary::addFromLines(const std::vector<std::wstring>& lines,
                                   const std::wstring& fileName) {
    loaded_ = true;
    DialogTemplateParseResult result = DialogTemplateParser::parse(lines, fileName);
    for (const ResourceDiagnostic& diagnostic : result.diagnostics) {
        reportDiagnostic(diagnostic);
    }
    for (DialogTemplate& tmpl : result.templates) {
        add(std::move(tmpl));
    }
}

void TemplateLibrary::add(DialogTemplate&& tmpl) {
    if (const auto it = byId_.find(tmpl.id); it != byId_.end()) {
        reportDiagnostic({tmpl.file, tmpl.line,
                          L"dialog id " + std::to_wstring(tmpl.id) + L" is already used by " +
                              it->second.name + L" (" + it->second.file + L":" +
                              std::to_wstring(it->second.line) + L")"});
        return;
    }
    if (const auto it = idByName_.find(tmpl.name); it != idByName_.end()) {
        const DialogTemplate& other = byId_.at(it->second);
        reportDiagnostic({tmpl.file, tmpl.line,
                          L"dialog name " + tmpl.name + L" is already used (" + other.file + L":" +
                              std::to_wstring(other.line) + L")"});
        return;
    }
    idByName_[tmpl.name] = tmpl.id;
    const UINT id = tmpl.id;
    byId_.emplace(id, std::move(tmpl));
}

void TemplateLibrary::reset() {
    byId_.clear();
    idByName_.clear();
    diagnostics_.clear();
    loaded_ = false;
}

void TemplateLibrary::reportDiagnostic(const ResourceDiagnostic& diagnostic) {
    diagnostics_.push_back(diagnostic);
    Diagnostics::report(diagnostic.text());
}

} // namespace ui
