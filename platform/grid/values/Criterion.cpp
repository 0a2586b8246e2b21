#include "platform/grid/values/Criterion.h"

#include "platform/grid/values/NumberText.h"
#include "platform/grid/values/TextCase.h"
#include "platform/grid/values/ValueConversion.h"
#include "platform/grid/values/Wildcard.h"

#include <string_view>

namespace grid {

Criterion::Criterion(const Value& condition) {
    if (!condition.isText()) {
        operand_ = condition.isEmpty() ? Value::number(0) : condition;
        return;
    }
    std::wstring_view text = condition.asText();
    struct Prefix {
        std::wstring_view spelled;
        Op op;
    };
    static constexpr Prefix kPrefixes[] = {
        {L"<>", Op::NotEqual}, {L"<=", Op::LessEqual}, {L">=", Op::GreaterEqual},
        {L"<", Op::Less},      {L">", Op::Greater},    {L"=", Op::Equal},
    };
    for (const Prefix& prefix : kPrefixes) {
        if (text.starts_with(prefix.spelled)) {
            op_ = prefix.op;
            text.remove_prefix(prefix.spelled.size());
            break;
        }
    }
    if (text.empty()) {
        operand_ = Value();
        return;
    }
    if (const auto number = NumberText::parseTyped(text)) {
        operand_ = Value::number(*number);
    } else if (TextCase::equalNoCase(text, L"TRUE") || TextCase::equalNoCase(text, L"FALSE")) {
        operand_ = Value::boolean(TextCase::equalNoCase(text, L"TRUE"));
    } else {
        operand_ = Value::text(std::wstring(text));
        wildcards_ = (op_ == Op::Equal || op_ == Op::NotEqual) && Wildcard::hasWildcards(text);
    }
}

bool Criterion::matches(const Value& cell) const {
    if (operand_.isEmpty()) {
        // "=" asks for empty cells (and empty texts), "<>" for the others.
        const bool blank = cell.isEmpty() || (cell.isText() && cell.asText().empty());
        return op_ == Op::Equal ? blank : (op_ == Op::NotEqual ? !blank : false);
    }
    if (cell.isError())
        return op_ == Op::NotEqual;
    const bool sameType = cell.type() == operand_.type();
    if (op_ == Op::Equal || op_ == Op::NotEqual) {
        bool equal = false;
        if (sameType && wildcards_)
            equal = Wildcard::matches(operand_.asText(), cell.asText());
        else if (sameType)
            equal = ValueConversion::compare(cell, operand_) == 0;
        return (op_ == Op::Equal) == equal;
    }
    if (!sameType)
        return false;
    const int order = ValueConversion::compare(cell, operand_);
    switch (op_) {
    case Op::Less:
        return order < 0;
    case Op::LessEqual:
        return order <= 0;
    case Op::Greater:
        return order > 0;
    case Op::GreaterEqual:
        return order >= 0;
    default:
        return false;
    }
}

} // namespace grid
