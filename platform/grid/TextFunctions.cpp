#include "platform/grid/BuiltinFunctions.h"
#include "platform/grid/FunctionArgs.h"
#include "platform/grid/FunctionSupport.h"
#include "platform/grid/Limits.h"
#include "platform/grid/TextCase.h"

#include <array>

// LEN, LEFT, RIGHT, MID, UPPER, LOWER, TRIM, CONCATENATE, EXACT, REPT. Positions count
// characters from 1; a text result longer than kMaxTextLength is #VALUE!.

namespace grid {

namespace {

using S = FunctionSupport;

template <typename F> Value withText(FunctionArgs& args, F f) {
    std::wstring text;
    if (const auto error = args.text(0, text))
        return S::error(*error);
    return f(text);
}

// LEFT and RIGHT: `count` characters (default 1) from one end.
Value side(FunctionArgs& args, bool left) {
    std::wstring text;
    double count = 1;
    if (const auto error = args.text(0, text))
        return S::error(*error);
    if (const auto error = args.number(1, count, 1))
        return S::error(*error);
    const long long n = S::whole(count);
    if (n < 0)
        return S::error(ErrorCode::Value);
    const std::size_t take = std::min<std::size_t>(static_cast<std::size_t>(n), text.size());
    return Value::text(left ? text.substr(0, take) : text.substr(text.size() - take));
}

Value mid(FunctionArgs& args) {
    std::wstring text;
    double start = 0;
    double count = 0;
    if (const auto error = args.text(0, text))
        return S::error(*error);
    if (const auto error = args.number(1, start))
        return S::error(*error);
    if (const auto error = args.number(2, count))
        return S::error(*error);
    const long long from = S::whole(start);
    const long long n = S::whole(count);
    if (from < 1 || n < 0)
        return S::error(ErrorCode::Value);
    if (static_cast<unsigned long long>(from) > text.size())
        return Value::text(L"");
    return Value::text(
        text.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(n)));
}

// Spaces at both ends go, and each run of spaces inside becomes one.
Value trim(FunctionArgs& args) {
    return withText(args, [](const std::wstring& text) {
        std::wstring out;
        bool pendingSpace = false;
        for (const wchar_t ch : text) {
            if (ch == L' ') {
                pendingSpace = !out.empty();
                continue;
            }
            if (pendingSpace)
                out.push_back(L' ');
            pendingSpace = false;
            out.push_back(ch);
        }
        return Value::text(std::move(out));
    });
}

Value concatenate(FunctionArgs& args) {
    std::wstring out;
    for (std::size_t i = 0; i < args.count(); ++i) {
        std::wstring part;
        if (const auto error = args.text(i, part))
            return S::error(*error);
        if (out.size() + part.size() > kMaxTextLength)
            return S::error(ErrorCode::Value);
        out += part;
    }
    return Value::text(std::move(out));
}

Value repeat(FunctionArgs& args) {
    std::wstring text;
    double count = 0;
    if (const auto error = args.text(0, text))
        return S::error(*error);
    if (const auto error = args.number(1, count))
        return S::error(*error);
    const long long n = S::whole(count);
    if (n < 0)
        return S::error(ErrorCode::Value);
    if (!text.empty() && static_cast<unsigned long long>(n) > kMaxTextLength / text.size())
        return S::error(ErrorCode::Value);
    std::wstring out;
    out.reserve(text.size() * static_cast<std::size_t>(n));
    for (long long i = 0; i < n; ++i)
        out += text;
    return Value::text(std::move(out));
}

const std::array kFunctions = {
    BuiltinFunction{L"LEN", 1, 1,
                    [](FunctionArgs& a) {
                        return withText(a, [](const std::wstring& t) {
                            return Value::number(static_cast<double>(t.size()));
                        });
                    }},
    BuiltinFunction{L"LEFT", 1, 2, [](FunctionArgs& a) { return side(a, true); }},
    BuiltinFunction{L"RIGHT", 1, 2, [](FunctionArgs& a) { return side(a, false); }},
    BuiltinFunction{L"MID", 3, 3, &mid},
    BuiltinFunction{L"UPPER", 1, 1,
                    [](FunctionArgs& a) {
                        return withText(a, [](const std::wstring& t) {
                            return Value::text(TextCase::upper(t));
                        });
                    }},
    BuiltinFunction{L"LOWER", 1, 1,
                    [](FunctionArgs& a) {
                        return withText(a, [](const std::wstring& t) {
                            return Value::text(TextCase::lower(t));
                        });
                    }},
    BuiltinFunction{L"TRIM", 1, 1, &trim},
    BuiltinFunction{L"CONCATENATE", 1, -1, &concatenate},
    // Case-sensitive, unlike '='.
    BuiltinFunction{L"EXACT", 2, 2,
                    [](FunctionArgs& a) {
                        std::wstring x;
                        std::wstring y;
                        if (const auto error = a.text(0, x))
                            return S::error(*error);
                        if (const auto error = a.text(1, y))
                            return S::error(*error);
                        return Value::boolean(x == y);
                    }},
    BuiltinFunction{L"REPT", 2, 2, &repeat},
};

} // namespace

std::span<const BuiltinFunction> BuiltinFunctions::text() {
    return kFunctions;
}

} // namespace grid
