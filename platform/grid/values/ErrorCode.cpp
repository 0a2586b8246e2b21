#include "platform/grid/values/ErrorCode.h"

#include "platform/grid/values/TextCase.h"

#include <array>

namespace grid {

namespace {

constexpr std::array<std::wstring_view, 7> kTexts = {L"#NULL!", L"#DIV/0!", L"#VALUE!", L"#REF!",
                                                     L"#NAME?", L"#NUM!",   L"#N/A"};

} // namespace

std::wstring_view errorText(ErrorCode code) {
    return kTexts[static_cast<std::size_t>(code)];
}

std::optional<ErrorCode> errorFromText(std::wstring_view text) {
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        if (TextCase::equalNoCase(kTexts[i], text))
            return static_cast<ErrorCode>(i);
    }
    return std::nullopt;
}

} // namespace grid
