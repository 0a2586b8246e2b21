#include "platform/grid/functions/BuiltinFunctions.h"
#include "platform/grid/functions/FunctionArgs.h"
#include "platform/grid/functions/FunctionSupport.h"
#include "platform/grid/sheet/Limits.h"
#include "platform/grid/values/NumberFormat.h"
#include "platform/grid/values/NumberText.h"
#include "platform/grid/values/ValueConversion.h"
#include "platform/grid/values/Wildcard.h"

#include <array>

// FIND, SEARCH, SUBSTITUTE, VALUE, TEXT.

namespace grid {

namespace {

using S = FunctionSupport;

// FIND (case-sensitive, literal) and SEARCH (any case, wildcards): the position from 1 of the
// first occurrence at or after `start`; #VALUE! when there is none.
Value locate(FunctionArgs& args, bool wildcards) {
    std::wstring needle;
    std::wstring haystack;
    double start = 1;
    if (const auto error = args.text(0, needle))
        return S::error(*error);
    if (const auto error = args.text(1, haystack))
        return S::error(*error);
    if (const auto error = args.number(2, start, 1))
        return S::error(*error);
    const long long from = S::whole(start);
    if (from < 1 || static_cast<unsigned long long>(from) > haystack.size() + 1)
        return S::error(ErrorCode::Value);
    const std::size_t offset = static_cast<std::size_t>(from - 1);
    std::optional<std::size_t> found;
    if (wildcards) {
        found = Wildcard::search(needle, haystack, offset);
    } else {
        const std::size_t at = haystack.find(needle, offset);
        if (at != std::wstring::npos)
            found = at;
    }
    if (!found)
        return S::error(ErrorCode::Value);
    return Value::number(static_cast<double>(*found + 1));
}

// SUBSTITUTE(text; old; new; [which]): every occurrence, or only the which-th.
Value substitute(FunctionArgs& args) {
    std::wstring text;
    std::wstring from;
    std::wstring to;
    if (const auto error = args.text(0, text))
        return S::error(*error);
    if (const auto error = args.text(1, from))
        return S::error(*error);
    if (const auto error = args.text(2, to))
        return S::error(*error);
    long long which = 0;
    if (args.count() > 3) {
        double n = 0;
        if (const auto error = args.number(3, n))
            return S::error(*error);
        which = S::whole(n);
        if (which < 1)
            return S::error(ErrorCode::Value);
    }
    if (from.empty())
        return Value::text(std::move(text));
    std::wstring out;
    std::size_t pos = 0;
    long long occurrence = 0;
    while (true) {
        const std::size_t at = text.find(from, pos);
        if (at == std::wstring::npos)
            break;
        ++occurrence;
        out.append(text, pos, at - pos);
        out += (which == 0 || occurrence == which) ? to : from;
        pos = at + from.size();
        if (out.size() > kMaxTextLength)
            return S::error(ErrorCode::Value);
    }
    out.append(text, pos, std::wstring::npos);
    if (out.size() > kMaxTextLength)
        return S::error(ErrorCode::Value);
    return Value::text(std::move(out));
}

// VALUE: text that reads as a number as a user types it (thousands separators, currency,
// percent, time of day); an empty cell is 0; anything else is #VALUE!.
Value valueFunction(FunctionArgs& args) {
    const Value v = args.value(0);
    switch (v.type()) {
    case Value::Type::Number:
        return v;
    case Value::Type::Empty:
        return Value::number(0);
    case Value::Type::Error:
        return v;
    case Value::Type::Text:
        if (const auto n = NumberText::parseTyped(v.asText()))
            return Value::number(*n);
        return S::error(ErrorCode::Value);
    case Value::Type::Boolean:
        break;
    }
    return S::error(ErrorCode::Value);
}

// TEXT(value; format): a number (or text that reads as one) in a number format; other text in
// the format's text section, or as it is. A format that does not parse is #VALUE!.
Value textFunction(FunctionArgs& args) {
    const Value v = args.value(0);
    std::wstring format;
    if (v.isError())
        return v;
    if (const auto error = args.text(1, format))
        return S::error(*error);
    double n = 0;
    ErrorCode code = ErrorCode::Value;
    std::optional<std::wstring> text;
    if (v.isBoolean() || !ValueConversion::toNumber(v, n, code))
        text = NumberFormat::formatText(ValueConversion::toText(v), format);
    else
        text = NumberFormat::format(n, format);
    if (!text)
        return S::error(ErrorCode::Value);
    return Value::text(std::move(*text));
}

const std::array kFunctions = {
    BuiltinFunction{L"FIND", 2, 3, [](FunctionArgs& a) { return locate(a, false); }},
    BuiltinFunction{L"SEARCH", 2, 3, [](FunctionArgs& a) { return locate(a, true); }},
    BuiltinFunction{L"SUBSTITUTE", 3, 4, &substitute},
    BuiltinFunction{L"VALUE", 1, 1, &valueFunction},
    BuiltinFunction{L"TEXT", 2, 2, &textFunction},
};

} // namespace

std::span<const BuiltinFunction> BuiltinFunctions::textSearch() {
    return kFunctions;
}

} // namespace grid
