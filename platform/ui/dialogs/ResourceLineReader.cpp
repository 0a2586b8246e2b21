#include "platform/ui/dialogs/ResourceLineReader.h"

namespace ui {

void ResourceLineReader::read(const std::vector<std::wstring>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        line(lines[i], static_cast<int>(i) + 1);
    }
    finish();
}

void ResourceLineReader::line(const std::wstring& text, int number) {
    lineNumber_ = number;
    std::wstring error;
    const auto tokens = ResourceLexer::split(text, error);
    if (!tokens) {
        report(error);
        return;
    }
    if (tokens->empty()) {
        return;
    }
    tokens_ = &*tokens;
    if ((*tokens)[0].quoted) {
        report(L"a line starts with a keyword, not with a string");
    } else {
        keyword((*tokens)[0].text);
    }
    tokens_ = nullptr;
}

void ResourceLineReader::report(const std::wstring& reason) {
    reportAt(lineNumber_, reason);
}

void ResourceLineReader::reportAt(int line, const std::wstring& reason) {
    diagnostics_.push_back({fileName_, line, reason});
    damaged_ = true;
}

bool ResourceLineReader::expectCount(std::size_t minimum, std::size_t maximum) {
    if (count() < minimum || count() > maximum) {
        report(L"\"" + token(0).text + L"\" takes " +
               (minimum == maximum
                    ? std::to_wstring(minimum - 1)
                    : std::to_wstring(minimum - 1) + L" to " + std::to_wstring(maximum - 1)) +
               L" value(s), found " + std::to_wstring(count() - 1));
        return false;
    }
    return true;
}

std::optional<long long> ResourceLineReader::numberAt(std::size_t i, const wchar_t* what,
                                                      long long low, long long high) {
    if (i >= count() || token(i).quoted) {
        report(std::wstring(L"expected ") + what);
        return std::nullopt;
    }
    const auto value = ResourceLexer::number(token(i).text);
    if (!value || *value < low || *value > high) {
        report(std::wstring(L"bad ") + what + L" \"" + token(i).text + L"\" (expected " +
               std::to_wstring(low) + L" to " + std::to_wstring(high) + L")");
        return std::nullopt;
    }
    return value;
}

} // namespace ui
