#pragma once
// ui::ResourceLexer: splits one line of a resource file (.dlg, .menu) into tokens. Words run up
// to white space; "quoted strings" take \" \\ \n \t escapes; '#' outside a string starts a
// comment that runs to the end of the line.

#include <optional>
#include <string>
#include <vector>

namespace ui {

struct ResourceToken {
    std::wstring text;
    bool quoted = false;
};

class ResourceLexer {
public:
    // The tokens of the line, or nullopt with `error` set (unterminated string, bad escape).
    static std::optional<std::vector<ResourceToken>> split(const std::wstring& line,
                                                           std::wstring& error);
    // A decimal integer (optionally negative) or 0x hexadecimal number filling the whole word.
    static std::optional<long long> number(const std::wstring& word);
};

} // namespace ui
