#pragma once
// ui::TemplateLibrary: every dialog template of resources/dialogs, read once on first use from
// gSettings.resourceDir(). A damaged file is reported (file, line, reason; also through
// ui::Diagnostics) and its good templates stay available.

#include "platform/ui/dialogs/DialogTemplate.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace ui {

class TemplateLibrary {
public:
    static TemplateLibrary& instance();

    // Null when there is no such template.
    const DialogTemplate* find(UINT id);
    const DialogTemplate* findByName(const std::wstring& name);
    const std::vector<ResourceDiagnostic>& diagnostics();

    // Replaces the content with the *.dlg files of a folder (in name order).
    void loadFolder(const std::filesystem::path& folder);
    // Adds the templates of one file's lines; the diagnostics are added to the list.
    void addFromLines(const std::vector<std::wstring>& lines, const std::wstring& fileName);
    // Forgets everything; the next lookup reads the resource folder again.
    void reset();

private:
    TemplateLibrary() = default;
    void ensureLoaded();
    void add(DialogTemplate&& dialogTemplate);
    void reportDiagnostic(const ResourceDiagnostic& diagnostic);

    bool loaded_ = false;
    std::map<UINT, DialogTemplate> byId_;
    std::map<std::wstring, UINT> idByName_;
    std::vector<ResourceDiagnostic> diagnostics_;
};

} // namespace ui
