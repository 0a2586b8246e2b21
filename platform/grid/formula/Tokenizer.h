#pragma once

#include "platform/grid/formula/ReferenceStyle.h"
#include "platform/grid/formula/Token.h"
#include "platform/grid/sheet/CellRef.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace grid {

// Splits formula text into tokens, one at a time, so that a formula of any length needs no
// more memory than its tree. Relative R1C1 references are resolved against the host cell.
class Tokenizer {
public:
    Tokenizer(std::wstring_view text, std::size_t start, CellRef host, ReferenceStyle style);

    Token next();

private:
    Token number();
    Token text();
    Token errorLiteral();
    Token word();
    std::optional<Reference> matchA1(std::size_t& length) const;
    std::optional<Reference> matchR1C1(std::size_t& length, bool& outside) const;
    Token invalid(std::size_t position, std::wstring reason) const;

    std::wstring_view text_;
    std::size_t pos_;
    CellRef host_;
    ReferenceStyle style_;
};

} // namespace grid
