#pragma once
// ui::Diagnostics: problems of the window system's own data (a damaged template or menu file,
// a missing template): written to stderr as they happen, and kept so that tests can read them.

#include <string>
#include <vector>

namespace ui {

class Diagnostics {
public:
    static void report(const std::wstring& message);
    static const std::vector<std::wstring>& messages();
    static void clear();
};

} // namespace ui
