#include "platform/ui/dialogs/DialogTemplate.h"

namespace ui {

const ControlTemplate* DialogTemplate::control(int controlId) const {
    for (const ControlTemplate& tmpl : controls) {
        if (tmpl.id == controlId) {
            return &tmpl;
        }
    }
    return nullptr;
}

std::wstring ResourceDiagnostic::text() const {
    return file + L":" + std::to_wstring(line) + L": " + reason;
}

} // namespace ui
