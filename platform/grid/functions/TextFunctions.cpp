#include "platform/grid/formula/FormulaEvaluator.h"
#include "platform/grid/functions/BuiltinFunctions.h"
#include "platform/grid/functions/FunctionArgs.h"
#include "platform/grid/functions/FunctionSupport.h"
#include "platform/grid/sheet/Limits.h"
#include "platform/grid/values/NumberText.h"
#include "platform/grid/values/Rounding.h"
#include "platform/grid/values/TextCase.h"
#include "platform/grid/values/ValueConversion.h"

#include <array>
#include <cmath>

// LEN, LEFT, RIGHT, MID, UPPER, LOWER, PROPER, TRIM, CONCATENATE, CONCAT, TEXTJOIN, EXACT,
// REPT, CHAR, CODE, FIXED, NUMBERVALUE. Positions count characters from 1; a text result
// longer than kMaxTextLength is #VALUE!.

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

// Windows-1252 codes 128 to 159, the character set of CHAR and CODE.
constexpr std::array<wchar_t, 32> kWindows1252High = {
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

Value character(FunctionArgs& args) {
    double code = 0;
    if (const auto error = args.number(0, code))
        return S::error(*error);
    const long long n = S::whole(code);
    if (n < 1 || n > 255)
        return S::error(ErrorCode::Value);
    const wchar_t ch = n >= 128 && n < 160 ? kWindows1252High[static_cast<std::size_t>(n - 128)]
                                           : static_cast<wchar_t>(n);
    return Value::text(std::wstring(1, ch));
}

// CODE: the Windows-1252 code of the first character; one outside that set reads as '?'.
Value characterCode(FunctionArgs& args) {
    return withText(args, [](const std::wstring& text) {
        if (text.empty())
            return S::error(ErrorCode::Value);
        const wchar_t ch = text.front();
        if (ch < 128 || (ch >= 160 && ch <= 255))
            return Value::number(ch);
        for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
            if (kWindows1252High[i] == ch)
                return Value::number(static_cast<double>(128 + i));
        }
        return Value::number(63);
    });
}

// PROPER: each letter after a character that is no letter in upper case, the others lower.
Value proper(FunctionArgs& args) {
    return withText(args, [](const std::wstring& text) {
        std::wstring out;
        out.reserve(text.size());
        bool afterLetter = false;
        for (const wchar_t ch : text) {
            const bool letter = TextCase::upperChar(ch) != TextCase::lowerChar(ch);
            out.push_back(letter ? (afterLetter ? TextCase::lowerChar(ch) : TextCase::upperChar(ch))
                                 : ch);
            afterLetter = letter;
        }
        return Value::text(std::move(out));
    });
}

// CONCAT and TEXTJOIN read every cell of a block and every element of an array.
Value join(FunctionArgs& args, std::size_t first, const std::wstring& delimiter, bool skipEmpty) {
    std::wstring out;
    bool any = false;
    std::optional<ErrorCode> error;
    for (std::size_t i = first; i < args.count() && !error; ++i) {
        auto add = [&](const Value& value) {
            if (value.isError()) {
                error = value.asError();
                return false;
            }
            const std::wstring part = ValueConversion::toText(value);
            if (skipEmpty && part.empty())
                return true;
            if (any)
                out += delimiter;
            any = true;
            out += part;
            if (out.size() > kMaxTextLength) {
                error = ErrorCode::Value;
                return false;
            }
            return true;
        };
        const Operand op = args.operand(i);
        if (op.isReference() && !skipEmpty) {
            // Empty cells take their place between delimiters too.
            const CellRange& range = op.range();
            const CellRef used = args.context().usedExtent();
            for (int row = range.first.row; row <= std::min(range.last.row, used.row); ++row) {
                for (int col = range.first.col; col <= std::min(range.last.col, used.col); ++col) {
                    if (!add(args.context().cellValue({col, row})))
                        break;
                }
            }
        } else if (op.isReference()) {
            args.context().forEachValue(op.range(),
                                        [&](CellRef, const Value& value) { return add(value); });
        } else if (op.isArray()) {
            for (const Value& value : op.array().values()) {
                if (!add(value))
                    break;
            }
        } else {
            add(args.evaluator().dereference(op));
        }
    }
    if (error)
        return S::error(*error);
    return Value::text(std::move(out));
}

Value textJoin(FunctionArgs& args) {
    std::wstring delimiter;
    bool skipEmpty = true;
    if (const auto error = args.text(0, delimiter))
        return S::error(*error);
    if (const auto error = args.boolean(1, skipEmpty))
        return S::error(*error);
    return join(args, 2, delimiter, skipEmpty);
}

// FIXED(number; [decimals]; [no separators]): rounded to the decimals (2 by default; fewer
// than 0 rounds to tens, hundreds, ...), with ',' between thousands unless asked not to.
Value fixed(FunctionArgs& args) {
    double x = 0;
    double decimalsArg = 2;
    bool plain = false;
    if (const auto error = args.number(0, x))
        return S::error(*error);
    if (const auto error = args.number(1, decimalsArg, 2))
        return S::error(*error);
    if (args.count() > 2) {
        if (const auto error = args.boolean(2, plain))
            return S::error(*error);
    }
    const int decimals = static_cast<int>(std::clamp<long long>(S::whole(decimalsArg), -308, 127));
    const double rounded = Rounding::round(x, decimals);
    if (std::fabs(rounded) >= 1e21)
        return S::error(ErrorCode::Value);
    std::wstring digits = NumberText::fixed(std::fabs(rounded), std::max(decimals, 0));
    if (!plain) {
        const std::size_t point = digits.find(L'.');
        std::size_t whole = point == std::wstring::npos ? digits.size() : point;
        while (whole > 3) {
            whole -= 3;
            digits.insert(whole, 1, L',');
        }
    }
    if (rounded < 0)
        digits.insert(0, 1, L'-');
    return Value::text(std::move(digits));
}

// NUMBERVALUE(text; [decimal separator]; [group separator]): spaces and group separators
// anywhere are dropped, the decimal separator reads as '.', and each trailing '%' divides by
// 100. An empty text is 0.
Value numberValue(FunctionArgs& args) {
    std::wstring text;
    std::wstring decimal = L".";
    std::wstring group = L",";
    if (const auto error = args.text(0, text))
        return S::error(*error);
    if (args.count() > 1 && !args.isOmitted(1)) {
        if (const auto error = args.text(1, decimal))
            return S::error(*error);
    }
    if (args.count() > 2 && !args.isOmitted(2)) {
        if (const auto error = args.text(2, group))
            return S::error(*error);
    }
    if (decimal.empty() || (!group.empty() && group.front() == decimal.front()))
        return S::error(ErrorCode::Value);
    std::wstring plain;
    int percents = 0;
    bool seenDecimal = false;
    for (const wchar_t ch : text) {
        if (ch == L' ' || ch == L'\t' || ch == 0xA0)
            continue;
        if (percents > 0 && ch != L'%')
            return S::error(ErrorCode::Value);
        if (ch == L'%') {
            ++percents;
        } else if (ch == decimal.front()) {
            if (seenDecimal)
                return S::error(ErrorCode::Value);
            seenDecimal = true;
            plain.push_back(L'.');
        } else if (!group.empty() && ch == group.front()) {
            if (seenDecimal)
                return S::error(ErrorCode::Value);
        } else {
            plain.push_back(ch);
        }
    }
    if (plain.empty())
        return percents > 0 ? S::error(ErrorCode::Value) : Value::number(0);
    const auto number = NumberText::parse(plain);
    if (!number)
        return S::error(ErrorCode::Value);
    return S::number(*number / std::pow(100.0, percents));
}

const std::array kFunctions = {
    BuiltinFunction{L"CHAR", 1, 1, &character},
    BuiltinFunction{L"CODE", 1, 1, &characterCode},
    BuiltinFunction{L"PROPER", 1, 1, &proper},
    BuiltinFunction{L"CONCAT", 1, -1, [](FunctionArgs& a) { return join(a, 0, L"", false); }},
    BuiltinFunction{L"TEXTJOIN", 3, -1, &textJoin},
    BuiltinFunction{L"FIXED", 1, 3, &fixed},
    BuiltinFunction{L"NUMBERVALUE", 1, 3, &numberValue},
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
