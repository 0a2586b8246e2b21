#include "spreadsheet/standards/EquationFailure.h"

#include "platform/grid/formula/ArrayExpr.h"
#include "platform/grid/formula/CallExpr.h"
#include "platform/grid/formula/EvalContext.h"
#include "platform/grid/formula/FormulaEvaluator.h"
#include "platform/grid/formula/LiteralExpr.h"
#include "platform/grid/formula/NameExpr.h"
#include "platform/grid/formula/OperatorChainExpr.h"
#include "platform/grid/formula/ParenExpr.h"
#include "platform/grid/formula/PercentExpr.h"
#include "platform/grid/formula/RangeExpr.h"
#include "platform/grid/formula/ReferenceExpr.h"
#include "platform/grid/formula/Token.h"
#include "platform/grid/formula/Tokenizer.h"
#include "platform/grid/formula/UnaryExpr.h"
#include "platform/grid/functions/FunctionSupport.h"
#include "platform/grid/sheet/Limits.h"
#include "platform/grid/sheet/Sheet.h"
#include "platform/grid/values/ValueConversion.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <deque>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ss {

namespace {

// --- the reasons -------------------------------------------------------------------------------

constexpr const wchar_t* kOverflow = L"the result is too large (overflow)";
constexpr const wchar_t* kNotANumber = L"the result is not a number";
constexpr const wchar_t* kDivisionByZero = L"division by zero";
constexpr const wchar_t* kTextAsNumber = L"a text stands where a number is needed";
constexpr const wchar_t* kWrongKind = L"a value is of the wrong kind (#VALUE!)";

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Longer values are cut in messages: the log and the message box show a line, not a page.
constexpr int kQuotedValueLength = 60;

// The sheet's bound on all the text that one calculation stores (Sheet::textLimitReached).
constexpr const wchar_t* kCalculatedTextTooLong =
    L"the texts computed at once are longer than a calculation may hold";

// --- parse failures ------------------------------------------------------------------------------

// Where the parser starts reading a formula: after leading blanks and one '='.
std::size_t formulaStart(std::wstring_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == L' ' || text[start] == L'\t'))
        ++start;
    if (start < text.size() && text[start] == L'=')
        ++start;
    return start;
}

bool isWord(const grid::Token& token) {
    using Kind = grid::Token::Kind;
    return token.kind == Kind::Reference || token.kind == Kind::Name ||
           token.kind == Kind::Function || token.kind == Kind::Boolean;
}

std::wstring_view spelled(std::wstring_view text, const grid::Token& token) {
    return text.substr(std::min(token.position, text.size()), token.length);
}

// A token of the expression as written and the token of the rewritten formula in its place.
struct TokenPair {
    grid::Token written;
    grid::Token rewritten;
};

// The pair whose rewritten token holds offset, or follows the blanks that hold it. Rewriting
// turns words into words (a name into a cell reference, also inside texts) and leaves
// everything else alone, so the two token streams match kind for kind; nullopt when they stop
// doing so before offset (a variable name of several words, or one that reads as a number).
std::optional<TokenPair> tokenAt(std::wstring_view written, std::wstring_view rewritten,
                                 std::size_t offset, grid::CellRef host,
                                 grid::ReferenceStyle style) {
    using Kind = grid::Token::Kind;
    grid::Tokenizer writtenTokens(written, formulaStart(written), host, style);
    grid::Tokenizer rewrittenTokens(rewritten, formulaStart(rewritten), host, style);
    // Every token but the last takes at least one character.
    for (std::size_t count = 0; count <= rewritten.size(); ++count) {
        TokenPair pair{writtenTokens.next(), rewrittenTokens.next()};
        const grid::Token& w = pair.written;
        const grid::Token& r = pair.rewritten;
        const bool alike = w.kind == r.kind || (isWord(w) && isWord(r));
        if (!alike || (r.kind == Kind::Invalid && w.text != r.text))
            return std::nullopt;
        // The tokenizer stops at End and does not move past an Invalid token.
        if (offset < r.position + r.length || r.kind == Kind::End || r.kind == Kind::Invalid)
            return pair;
    }
    return std::nullopt;
}

// Where offset of the rewritten formula lies in the expression as written.
std::optional<std::size_t> writtenOffset(std::wstring_view written, std::wstring_view rewritten,
                                         std::size_t offset, grid::CellRef host,
                                         grid::ReferenceStyle style) {
    if (offset > rewritten.size())
        return std::nullopt;
    const std::optional<TokenPair> pair = tokenAt(written, rewritten, offset, host, style);
    if (!pair)
        return std::nullopt;
    const grid::Token& w = pair->written;
    const grid::Token& r = pair->rewritten;
    if (offset < r.position) {
        // In the blanks before the token, which rewriting leaves as they are.
        const std::size_t before = r.position - offset;
        return w.position >= before ? std::optional<std::size_t>(w.position - before)
                                    : std::nullopt;
    }
    if (spelled(written, w) == spelled(rewritten, r))
        return w.position + (offset - r.position);
    // Within a rewritten word: the word as written starts there.
    return w.position;
}

// The parser's reason in terms of the expression: the failing token as written where the
// reason quotes it, and "at character N" of another place moved there or left out.
std::wstring writtenReason(std::wstring reason, std::wstring_view written,
                           std::wstring_view rewritten, const std::optional<TokenPair>& failing,
                           grid::CellRef host, grid::ReferenceStyle style) {
    if (failing) {
        const std::wstring_view was = spelled(rewritten, failing->rewritten);
        const std::wstring_view is = spelled(written, failing->written);
        const std::wstring quotedWas = L"'" + std::wstring(was) + L"'";
        const std::size_t at = was == is ? std::wstring::npos : reason.find(quotedWas);
        if (at != std::wstring::npos)
            reason.replace(at, quotedWas.size(), L"'" + std::wstring(is) + L"'");
    }
    static constexpr std::wstring_view kAt = L" at character ";
    std::size_t from = 0;
    while ((from = reason.find(kAt, from)) != std::wstring::npos) {
        std::size_t end = from + kAt.size();
        std::size_t column = 0;
        for (; end < reason.size() && reason[end] >= L'0' && reason[end] <= L'9'; ++end) {
            if (column <= rewritten.size())
                column = column * 10 + static_cast<std::size_t>(reason[end] - L'0');
        }
        const std::optional<std::size_t> moved =
            column > 0 ? writtenOffset(written, rewritten, column - 1, host, style) : std::nullopt;
        const std::wstring replacement =
            moved ? std::wstring(kAt) + std::to_wstring(*moved + 1) : std::wstring();
        reason.replace(from, end - from, replacement);
        from += replacement.size();
    }
    return reason;
}

// --- errors of a computed formula ---------------------------------------------------------------

// The sheet's cells for evaluating parts of a formula again, as they stand. Custom functions
// are not called again (they may read files or ask the user): a call of one gives #NAME?.
class SheetValues : public grid::EvalContext {
public:
    explicit SheetValues(const grid::Sheet& sheet) : sheet_(sheet) {}

    const grid::Value& cellValue(grid::CellRef ref) const override {
        read_.push_back(sheet_.cellValue(ref).value_or(grid::Value()));
        return read_.back();
    }
    void forEachValue(
        const grid::CellRange& range,
        const std::function<bool(grid::CellRef, const grid::Value&)>& visit) const override {
        std::vector<std::pair<grid::CellRef, grid::Value>> found;
        sheet_.forEachFilledCell([&](grid::CellRef ref, const grid::Value& value, bool) {
            if (range.contains(ref) && !value.isEmpty())
                found.emplace_back(ref, value);
            return true;
        });
        std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
            return grid::readingOrderLess(a.first, b.first);
        });
        for (const auto& [ref, value] : found) {
            if (!visit(ref, value))
                return;
        }
    }
    grid::CellRef usedExtent() const override {
        grid::CellRef extent{0, 0};
        sheet_.forEachFilledCell([&](grid::CellRef ref, const grid::Value& value, bool) {
            if (!value.isEmpty()) {
                extent.col = std::max(extent.col, ref.col);
                extent.row = std::max(extent.row, ref.row);
            }
            return true;
        });
        return extent;
    }
    std::shared_ptr<const grid::CustomFunction> customFunction(const std::wstring&) const override {
        return nullptr;
    }

private:
    const grid::Sheet& sheet_;
    // Handed out by reference: a deque keeps them in place while it grows.
    mutable std::deque<grid::Value> read_;
};

enum class Cause {
    Unknown,
    Overflow,
    NotANumber,
    DivisionByZero,
    TextTooLong,
    TextAsNumber,
    UnknownName,
    CustomFunction,
};

// Follows an error down the formula tree to the operation that produced it: at each node, the
// part that gives the error is where it came from; a node whose parts give none produced it,
// and what it computed tells why. Operations are redone in plain arithmetic, which tells an
// overflow (an infinite result) from a result that is no number (NaN) where the grid gives
// #NUM! for both.
class ErrorOrigin : private grid::ExprVisitor {
public:
    ErrorOrigin(const grid::EvalContext& context, grid::CellRef host)
        : context_(context), host_(host) {}

    Cause find(const grid::Expr& root, grid::ErrorCode error) {
        error_ = error;
        cause_ = Cause::Unknown;
        // One level down per step: the depth of the walk is that of the tree, which the
        // parser bounds.
        const grid::Expr* at = &root;
        while (at != nullptr) {
            next_ = nullptr;
            at->accept(*this);
            at = next_;
        }
        return cause_;
    }

private:
    // A part's value as the operation around it reads it; a block (of a function argument) is
    // no error of its own and reads as empty.
    grid::Value valueOf(const grid::Expr& expr) const {
        grid::FormulaEvaluator evaluator(context_, host_);
        const grid::Operand operand = evaluator.evaluate(expr);
        if (operand.isReference() && !operand.range().isSingleCell())
            return grid::Value();
        return evaluator.dereference(operand);
    }
    // Goes on in expr when value is an error that may have made this node's; with anyError
    // also an error of another kind (what a custom function or IFERROR turns into its own).
    bool descend(const grid::Expr& expr, const grid::Value& value, bool anyError = false) {
        if (!value.isError() || (!anyError && value.asError() != error_))
            return false;
        error_ = value.asError();
        next_ = &expr;
        return true;
    }
    void setNumberCause(double raw) {
        cause_ = std::isinf(raw) ? Cause::Overflow : Cause::NotANumber;
    }

    void visit(const grid::LiteralExpr&) override {}
    void visit(const grid::ReferenceExpr&) override {}
    void visit(const grid::RangeExpr&) override {}
    void visit(const grid::ArrayExpr&) override {}
    void visit(const grid::NameExpr&) override { cause_ = Cause::UnknownName; }
    void visit(const grid::ParenExpr& expr) override { next_ = &expr.inner(); }
    void visit(const grid::UnaryExpr& expr) override { ofOneNumber(expr.operand()); }
    void visit(const grid::PercentExpr& expr) override { ofOneNumber(expr.operand()); }

    // A sign or percent fails only for its operand's error or a text that is no number.
    void ofOneNumber(const grid::Expr& operand) {
        const grid::Value value = valueOf(operand);
        if (descend(operand, value))
            return;
        double number = 0;
        grid::ErrorCode error = grid::ErrorCode::Value;
        if (!value.isError() && !grid::ValueConversion::toNumber(value, number, error))
            cause_ = Cause::TextAsNumber;
    }

    // Left to right, as the grid computes a chain; the first step that fails is the origin.
    void visit(const grid::OperatorChainExpr& expr) override {
        const auto& operands = expr.operands();
        grid::Value acc = valueOf(*operands[0]);
        if (descend(*operands[0], acc) || acc.isError())
            return;
        for (std::size_t i = 1; i < operands.size(); ++i) {
            const grid::Value rhs = valueOf(*operands[i]);
            if (descend(*operands[i], rhs) || rhs.isError())
                return;
            std::optional<grid::Value> result = step(expr.operators()[i - 1], acc, rhs);
            if (!result)
                return;
            acc = std::move(*result);
        }
    }

    // One operator; nullopt when it fails, with the cause set.
    std::optional<grid::Value> step(grid::BinaryOperator op, const grid::Value& a,
                                    const grid::Value& b) {
        using Op = grid::BinaryOperator;
        using grid::ValueConversion;
        switch (op) {
        case Op::Concat: {
            const std::wstring left = ValueConversion::toText(a);
            const std::wstring right = ValueConversion::toText(b);
            if (left.size() + right.size() > grid::kMaxTextLength) {
                cause_ = Cause::TextTooLong;
                return std::nullopt;
            }
            return grid::Value::text(left + right);
        }
        case Op::Equal:
            return grid::Value::boolean(ValueConversion::compare(a, b) == 0);
        case Op::NotEqual:
            return grid::Value::boolean(ValueConversion::compare(a, b) != 0);
        case Op::Less:
            return grid::Value::boolean(ValueConversion::compare(a, b) < 0);
        case Op::LessEqual:
            return grid::Value::boolean(ValueConversion::compare(a, b) <= 0);
        case Op::Greater:
            return grid::Value::boolean(ValueConversion::compare(a, b) > 0);
        case Op::GreaterEqual:
            return grid::Value::boolean(ValueConversion::compare(a, b) >= 0);
        default:
            break;
        }
        double x = 0;
        double y = 0;
        grid::ErrorCode error = grid::ErrorCode::Value;
        if (!ValueConversion::toNumber(a, x, error) || !ValueConversion::toNumber(b, y, error)) {
            cause_ = Cause::TextAsNumber;
            return std::nullopt;
        }
        double raw = 0;
        switch (op) {
        case Op::Add:
            raw = x + y;
            break;
        case Op::Subtract:
            raw = x - y;
            break;
        case Op::Multiply:
            raw = x * y;
            break;
        case Op::Divide:
            if (y == 0) {
                cause_ = Cause::DivisionByZero;
                return std::nullopt;
            }
            raw = x / y;
            break;
        case Op::Power: {
            // The grid's own rules for zero and negative bases; only a failure is redone.
            grid::Value power = grid::FunctionSupport::power(x, y);
            if (!power.isError())
                return power;
            if (power.asError() == grid::ErrorCode::Div0)
                cause_ = Cause::DivisionByZero;
            else
                setNumberCause(x < 0 && y != std::floor(y) ? kNaN : std::pow(x, y));
            return std::nullopt;
        }
        default:
            return std::nullopt;
        }
        if (!std::isfinite(raw)) {
            setNumberCause(raw);
            return std::nullopt;
        }
        return grid::Value::number(raw);
    }

    void visit(const grid::CallExpr& expr) override {
        std::vector<grid::Value> args;
        for (const grid::ExprPtr& arg : expr.args())
            args.push_back(arg->isOmittedArgument() ? grid::Value() : valueOf(*arg));
        // An argument with the same error is where it came from; else one with another error
        // that the function turned into its own (a custom function fails on any).
        for (bool anyError : {false, true}) {
            for (std::size_t i = 0; i < args.size(); ++i) {
                if (descend(*expr.args()[i], args[i], anyError))
                    return;
            }
        }
        if (expr.builtin() == nullptr) {
            cause_ = Cause::CustomFunction;
            return;
        }
        called(expr.name(), args);
    }

    // A built-in function whose arguments give no error: the ones that reach the text cap or
    // overflow are redone; any other #NUM! is an argument outside its domain (SQRT(-1)).
    void called(const std::wstring& name, const std::vector<grid::Value>& args) {
        const auto number = [&args](std::size_t i) {
            double n = 0;
            grid::ErrorCode error = grid::ErrorCode::Value;
            return i < args.size() && grid::ValueConversion::toNumber(args[i], n, error)
                       ? std::optional<double>(n)
                       : std::nullopt;
        };
        if (name == L"REPT" && args.size() == 2 && number(1)) {
            const std::size_t length = grid::ValueConversion::toText(args[0]).size();
            const long long count = grid::FunctionSupport::whole(*number(1));
            if (count > 0 && length > grid::kMaxTextLength / static_cast<std::size_t>(count))
                cause_ = Cause::TextTooLong;
            return;
        }
        if (name == L"CONCATENATE" || name == L"CONCAT") {
            std::size_t length = 0;
            for (const grid::Value& arg : args)
                length += grid::ValueConversion::toText(arg).size();
            if (length > grid::kMaxTextLength)
                cause_ = Cause::TextTooLong;
            return;
        }
        if (error_ != grid::ErrorCode::Num)
            return;
        std::optional<double> raw;
        if (name == L"EXP" && number(0))
            raw = std::exp(*number(0));
        else if (name == L"SINH" && number(0))
            raw = std::sinh(*number(0));
        else if (name == L"COSH" && number(0))
            raw = std::cosh(*number(0));
        else if (name == L"FACT" && number(0))
            raw = *number(0) < 0 ? kNaN : std::tgamma(std::floor(*number(0)) + 1);
        else if (name == L"POWER" && number(0) && number(1))
            raw = *number(0) < 0 && *number(1) != std::floor(*number(1))
                      ? kNaN
                      : std::pow(*number(0), *number(1));
        setNumberCause(raw.value_or(kNaN));
    }

    const grid::EvalContext& context_;
    grid::CellRef host_;
    grid::ErrorCode error_ = grid::ErrorCode::Value;
    Cause cause_ = Cause::Unknown;
    const grid::Expr* next_ = nullptr;
};

} // namespace

Vdn_String parseFailure(const Vdn_String& expression, std::wstring_view formula, grid::CellRef host,
                        grid::ReferenceStyle style, const grid::Result& parsed) {
    const std::wstring_view written = expression.str();
    std::optional<TokenPair> failing;
    std::optional<std::size_t> at;
    if (parsed.where().column > 0) {
        const std::size_t offset = parsed.where().column - 1;
        failing = tokenAt(written, formula, offset, host, style);
        if (failing)
            at = writtenOffset(written, formula, offset, host, style);
    }
    Vdn_String text = L"the formula \"" + expression + L"\" does not parse";
    if (at)
        text += L" at character " + Vdn_String(static_cast<int>(*at + 1));
    return text + L": " +
           Vdn_String(writtenReason(parsed.message(), written, formula, failing, host, style));
}

Vdn_String errorReason(const grid::Sheet& sheet, grid::CellRef cell, const grid::Formula* formula,
                       grid::ErrorCode error, const Vdn_String& functionProblem) {
    if (error == grid::ErrorCode::Name)
        return Vdn_String();
    // The calculation refused a text result to bound its memory.
    if (error == grid::ErrorCode::Value && sheet.textLimitReached())
        return kCalculatedTextTooLong;
    Cause cause = Cause::Unknown;
    if (formula != nullptr) {
        const SheetValues values(sheet);
        cause = ErrorOrigin(values, cell).find(formula->root(), error);
    }
    switch (cause) {
    case Cause::Overflow:
        return kOverflow;
    case Cause::NotANumber:
        return kNotANumber;
    case Cause::DivisionByZero:
        return kDivisionByZero;
    case Cause::TextTooLong:
        return textTooLong(grid::kMaxTextLength);
    case Cause::TextAsNumber:
        return kTextAsNumber;
    case Cause::UnknownName:
        return Vdn_String();
    case Cause::CustomFunction:
    case Cause::Unknown:
        break;
    }
    switch (error) {
    case grid::ErrorCode::Div0:
        return kDivisionByZero;
    case grid::ErrorCode::Num:
        return kNotANumber;
    case grid::ErrorCode::Value:
        // Only a standards function notes a problem, and only when it fails.
        return functionProblem.isEmpty() ? Vdn_String(kWrongKind) : functionProblem;
    default:
        return L"the result is the error " + Vdn_String(grid::errorText(error));
    }
}

Vdn_String textTooLong(std::size_t limit) {
    return L"the text is longer than the " +
           Vdn_String(static_cast<int>(std::min<std::size_t>(limit, INT_MAX))) +
           L" characters a text may hold";
}

Vdn_String quotedValue(const Vdn_String& value) {
    if (value.length() <= kQuotedValueLength)
        return L"\"" + value + L"\"";
    return L"\"" + value.substr(0, kQuotedValueLength) + L"...\" (" + Vdn_String(value.length()) +
           L" characters)";
}

} // namespace ss
