#include "platform/grid/sheet/TextLocation.h"

namespace grid {

std::wstring formatDiagnostic(std::wstring_view file, const TextLocation& where,
                              std::wstring_view message) {
    std::wstring text;
    if (!file.empty()) {
        text = file;
        if (where.known()) {
            text += L':' + std::to_wstring(where.line);
            if (where.column != 0)
                text += L':' + std::to_wstring(where.column);
        }
    } else if (where.known()) {
        text = L"line " + std::to_wstring(where.line);
        if (where.column != 0)
            text += L", column " + std::to_wstring(where.column);
    }
    if (!text.empty())
        text += L": ";
    return text += message;
}

} // namespace grid
