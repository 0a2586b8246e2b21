// printf-style formatting of Vdn_String with the Windows wide conventions.
#include "platform/core/text/Vdn_String.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// Rewrites a Windows wide format for the C library: in Windows wide functions %s and %c take
// wide arguments and %S and %C narrow ones, where C wants %ls/%lc and %s/%c.
std::wstring toCFormat(const wchar_t* fmt) {
    std::wstring out;
    for (const wchar_t* p = fmt; *p; ++p) {
        out += *p;
        if (*p != L'%')
            continue;
        if (p[1] == L'%') {
            out += *++p;
            continue;
        }
        // Flags, width, precision and length modifiers run up to the conversion letter.
        bool sized = false;
        ++p;
        while (*p && std::wcschr(L"-+ #0123456789.*'$hlLqjzt", *p)) {
            if (std::wcschr(L"hlLqjzt", *p))
                sized = true;
            out += *p++;
        }
        if (!*p)
            break;
        if (!sized && (*p == L's' || *p == L'c'))
            out += L'l';
        out += (*p == L'S') ? L's' : (*p == L'C') ? L'c' : *p;
    }
    return out;
}

} // namespace

Vdn_String Vdn_String::format(const wchar_t* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    Vdn_String text = formatV(fmt, args);
    va_end(args);
    return text;
}

Vdn_String Vdn_String::formatV(const wchar_t* fmt, va_list args) {
    if (!fmt)
        return {};
    const std::wstring cFormat = toCFormat(fmt);
    // vswprintf reports a too small buffer only as a failure, so the buffer grows until the
    // text fits; a format that fails for another reason (an unencodable argument) gives up.
    constexpr std::size_t kLimit = std::size_t{1} << 24;
    for (std::size_t size = 256; size <= kLimit; size *= 4) {
        std::vector<wchar_t> buffer(size);
        va_list copy;
        va_copy(copy, args);
        const int written = std::vswprintf(buffer.data(), size, cFormat.c_str(), copy);
        va_end(copy);
        if (written >= 0)
            return Vdn_String(std::wstring(buffer.data(), static_cast<std::size_t>(written)));
    }
    return {};
}
