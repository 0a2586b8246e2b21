#pragma once

#include "platform/ui/registry/RegistryKey.h"

#include <optional>
#include <string>
#include <string_view>

namespace ui {

// The text form of one registry root: the syntax of a Windows ".reg" export.
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Tessaform]
//   @="default value"
//   "Name"="text with \\ and \" escaped"
//   "Width"=dword:000001f4
//   "Data"=hex:01,02,ff
//   "Path"=hex(2):25,00,41,00,00,00
//
// Every key is written, also one without values, so empty keys survive; the root's own
// section only when the root holds values. Sub-keys follow their parent, sorted by name.
// A REG_SZ value is written as quoted text when it is one line of text with a single
// terminating null; any other value as hex bytes: hex: for REG_BINARY, dword: for a four-byte
// REG_DWORD, otherwise hex(type): where text types are stored as UTF-16 LE, as regedit does.
//
// Reading accepts what the writer produces plus what regedit writes: CRLF line ends, blank
// lines, ';' comment lines, hex lists continued over lines with a trailing '\', and sections
// that repeat a key (merged; a repeated value name keeps the last value). It refuses deletion
// entries ("[-key]", "name"=-), sections of another root, unknown escapes, and paths deeper
// or names longer than the registry allows.
class RegistryText {
public:
    static constexpr std::wstring_view header = L"Windows Registry Editor Version 5.00";

    struct Error {
        int line = 0; // counted from 1
        std::wstring reason;
    };
    struct Parsed {
        RegistryKey::Ptr root; // null when error is set
        std::optional<Error> error;
    };

    static Parsed parse(std::wstring_view text, std::wstring_view rootName);
    static std::wstring format(const RegistryKey& root, std::wstring_view rootName);
};

} // namespace ui
