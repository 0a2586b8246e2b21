#pragma once
// ui::DialogTemplateParser: reads the lines of one .dlg file. Every problem is reported with
// its line; a template with a problem is left out, and reading goes on with the next template.

#include "platform/ui/dialogs/DialogTemplate.h"

#include <string>
#include <vector>

namespace ui {

struct DialogTemplateParseResult {
    std::vector<DialogTemplate> templates;
    std::vector<ResourceDiagnostic> diagnostics;
};

class DialogTemplateParser {
public:
    static DialogTemplateParseResult parse(const std::vector<std::wstring>& lines,
                                           const std::wstring& fileName);
};

} // namespace ui
