#pragma once

#include "platform/grid/formula/Operator.h"
#include "platform/grid/formula/Reference.h"
#include "platform/grid/values/ErrorCode.h"

#include <cstddef>
#include <string>

namespace grid {

// One lexical unit of a formula. `position` and `length` locate it in the formula text.
struct Token {
    enum class Kind {
        Number,
        Text,
        Boolean,
        Error,
        Reference,
        Function, // a name directly followed by '('; the '(' is the next token
        Name,
        Operator, // + and - are also the prefix signs; the parser decides
        Percent,
        LeftParen,
        RightParen,
        Separator, // ',' or ';' between function arguments (or array columns and rows)
        LeftBrace,
        RightBrace,
        Colon,
        End,
        Invalid, // text holds the reason
    };

    Kind kind = Kind::End;
    std::size_t position = 0;
    std::size_t length = 0;
    double number = 0;
    bool boolean = false;
    ErrorCode error = ErrorCode::Value;
    BinaryOperator op = BinaryOperator::Add;
    Reference reference;
    // Text literal content, function or name as written, or the reason of an Invalid token.
    std::wstring text;
};

} // namespace grid
