#pragma once

#include "platform/core/Vdn_String.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>

// What every command prints through: UTF-8 text, failures on stderr, JSON on one line.
namespace app {

inline std::string utf8(const Vdn_String& text) {
    return text.toUtf8();
}
inline std::string utf8(const std::wstring& text) {
    return Vdn_String(text).toUtf8();
}

// Prints the reason on stderr and gives the exit code of a failed command.
inline int fail(const std::string& reason) {
    std::fprintf(stderr, "tessa: %s\n", reason.c_str());
    return 1;
}

inline void printJson(const nlohmann::json& document) {
    std::printf("%s\n",
                document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
}

} // namespace app
