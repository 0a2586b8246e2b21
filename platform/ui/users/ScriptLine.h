#pragma once
// ui::ScriptLine: the file and line of a test's call, taken as a defaulted argument
// (`ScriptLine where = ScriptLine::here()`), so that a scripted expectation can name the line
// that made it. std::source_location would do, but not every standard library a supported
// compiler pairs with provides it; the compilers' own builtins serve both.

namespace ui {

struct ScriptLine {
    const char* file = "";
    unsigned line = 0;

    static constexpr ScriptLine here(const char* file = __builtin_FILE(),
                                     unsigned line = __builtin_LINE()) {
        return ScriptLine{file, line};
    }
};

} // namespace ui
