#include "platform/core/files/PathHelpers.h"

namespace {

bool isSeparator(wchar_t ch) {
    return ch == L'\\' || ch == L'/';
}

std::size_t lastSeparator(const std::wstring& path) {
    return path.find_last_of(L"\\/");
}

} // namespace

Vdn_String removeExtension(const Vdn_String& path) {
    const std::wstring& s = path.str();
    const std::size_t sep = lastSeparator(s);
    const std::size_t nameStart = sep == std::wstring::npos ? 0 : sep + 1;
    const std::size_t dot = s.find_last_of(L'.');
    if (dot == std::wstring::npos || dot <= nameStart)
        return path;
    return Vdn_String(s.substr(0, dot));
}

Vdn_String ensureEndBSlash(const Vdn_String& path) {
    if (path.isEmpty() || isSeparator(path.str().back()))
        return path;
    return path + L'\\';
}

Vdn_String ensureNoStartBSlash(const Vdn_String& path) {
    const std::wstring& s = path.str();
    std::size_t first = 0;
    while (first < s.size() && isSeparator(s[first]))
        ++first;
    return Vdn_String(s.substr(first));
}

Vdn_String getPath(const Vdn_String& path) {
    const std::size_t sep = lastSeparator(path.str());
    return sep == std::wstring::npos ? Vdn_String() : Vdn_String(path.str().substr(0, sep + 1));
}

bool hasInvalidFileNameChars(const Vdn_String& name) {
    for (const wchar_t ch : name.str()) {
        if ((ch >= 0 && ch < 0x20) ||
            std::wstring_view(L"<>:\"/\\|?*").find(ch) != std::wstring_view::npos)
            return true;
    }
    return false;
}
