#include "platform/ui/windows/Diagnostics.h"

#include "platform/core/text/TextCodec.h"

#include <cstdio>

namespace ui {

namespace {

std::vector<std::wstring>& store() {
    static std::vector<std::wstring> messages;
    return messages;
}

} // namespace

void Diagnostics::report(const std::wstring& message) {
    store().push_back(message);
    const std::string utf8 = core::TextCodec::encodeUtf8(message);
    std::fprintf(stderr, "ui: %s\n", utf8.c_str());
}

const std::vector<std::wstring>& Diagnostics::messages() {
    return store();
}

void Diagnostics::clear() {
    store().clear();
}

} // namespace ui
