#include "platform/grid/files/BackslashEscapes.h"

namespace grid {

bool appendBackslashEscape(std::wstring& out, wchar_t ch) {
    switch (ch) {
    case L'\\':
        out += L"\\\\";
        return true;
    case L'\t':
        out += L"\\t";
        return true;
    case L'\n':
        out += L"\\n";
        return true;
    case L'\r':
        out += L"\\r";
        return true;
    default:
        return false;
    }
}

std::optional<wchar_t> backslashEscaped(wchar_t letter) {
    switch (letter) {
    case L'\\':
        return L'\\';
    case L't':
        return L'\t';
    case L'n':
        return L'\n';
    case L'r':
        return L'\r';
    default:
        return std::nullopt;
    }
}

} // namespace grid
