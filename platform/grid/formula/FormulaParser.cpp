#include "platform/grid/formula/FormulaParser.h"

#include "platform/grid/formula/ArrayExpr.h"
#include "platform/grid/formula/CallExpr.h"
#include "platform/grid/formula/LiteralExpr.h"
#include "platform/grid/formula/NameExpr.h"
#include "platform/grid/formula/OperatorChainExpr.h"
#include "platform/grid/formula/ParenExpr.h"
#include "platform/grid/formula/PercentExpr.h"
#include "platform/grid/formula/RangeExpr.h"
#include "platform/grid/formula/ReferenceExpr.h"
#include "platform/grid/formula/Tokenizer.h"
#include "platform/grid/formula/UnaryExpr.h"
#include "platform/grid/functions/BuiltinFunctions.h"
#include "platform/grid/sheet/Limits.h"
#include "platform/grid/values/TextCase.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace grid {

namespace {

// A range keeps its top-left corner first; each coordinate moves with its '$'.
std::pair<Reference, Reference> normalized(Reference a, Reference b) {
    if (a.col > b.col) {
        std::swap(a.col, b.col);
        std::swap(a.colAbsolute, b.colAbsolute);
    }
    if (a.row > b.row) {
        std::swap(a.row, b.row);
        std::swap(a.rowAbsolute, b.rowAbsolute);
    }
    return {a, b};
}

std::wstring argumentCountText(int count) {
    return std::to_wstring(count) + (count == 1 ? L" argument" : L" arguments");
}

class Parser {
public:
    Parser(std::wstring_view text, std::size_t start, CellRef host, ReferenceStyle style)
        : text_(text), tokenizer_(text, start, host, style) {
        advance();
    }

    Result run(ExprPtr& root) {
        if (current_.kind == Token::Kind::End)
            return Result::failure(L"empty formula", TextLocation::inFormula(current_.position));
        ExprPtr expr = expression();
        if (!error_ && current_.kind == Token::Kind::Invalid)
            fail(current_.text, current_.position);
        if (!error_ && current_.kind != Token::Kind::End)
            fail(L"unexpected " + describe(current_), current_.position);
        if (error_)
            return *error_;
        root = std::move(expr);
        return Result::success();
    }

private:
    // Out of line: the token it returns is large and would take room in every caller's frame.
    [[gnu::noinline]] void advance() { current_ = tokenizer_.next(); }

    void fail(std::wstring reason, std::size_t position) {
        if (!error_)
            error_ = Result::failure(std::move(reason), TextLocation::inFormula(position));
    }

    std::wstring describe(const Token& token) const {
        if (token.kind == Token::Kind::End)
            return L"end of formula";
        return L"'" + std::wstring(text_.substr(token.position, token.length)) + L"'";
    }

    // Operators by precedence climbing with a stack of open chains, one per level, rather
    // than one recursive call per level: every nesting of parentheses then costs only a few
    // stack frames.
    ExprPtr expression() {
        struct OpenChain {
            int level;
            std::vector<ExprPtr> operands;
            std::vector<BinaryOperator> operators;
        };
        std::vector<OpenChain> open;
        auto close = [&](ExprPtr last) {
            OpenChain& chain = open.back();
            chain.operands.push_back(std::move(last));
            ExprPtr closed = std::make_unique<OperatorChainExpr>(std::move(chain.operands),
                                                                 std::move(chain.operators));
            open.pop_back();
            return closed;
        };
        ExprPtr current = percent();
        if (!current)
            return nullptr;
        while (current_.kind == Token::Kind::Operator) {
            const BinaryOperator op = current_.op;
            const int level = precedenceLevel(op);
            while (!open.empty() && open.back().level > level)
                current = close(std::move(current));
            if (!open.empty() && open.back().level == level) {
                open.back().operands.push_back(std::move(current));
                open.back().operators.push_back(op);
            } else {
                OpenChain chain{level, {}, {op}};
                chain.operands.push_back(std::move(current));
                open.push_back(std::move(chain));
            }
            advance();
            current = percent();
            if (!current)
                return nullptr;
        }
        while (!open.empty())
            current = close(std::move(current));
        return current;
    }

    ExprPtr percent() {
        ExprPtr operand = unary();
        if (!operand)
            return nullptr;
        int count = 0;
        while (current_.kind == Token::Kind::Percent) {
            ++count;
            advance();
        }
        if (count == 0)
            return operand;
        return std::make_unique<PercentExpr>(std::move(operand), count);
    }

    ExprPtr unary() {
        std::vector<UnaryOperator> signs;
        while (current_.kind == Token::Kind::Operator &&
               (current_.op == BinaryOperator::Add || current_.op == BinaryOperator::Subtract)) {
            signs.push_back(current_.op == BinaryOperator::Add ? UnaryOperator::Plus
                                                               : UnaryOperator::Minus);
            advance();
        }
        ExprPtr operand = primary();
        if (!operand || signs.empty())
            return operand;
        return std::make_unique<UnaryExpr>(std::move(signs), std::move(operand));
    }

    [[gnu::noinline]] bool enterNesting(std::size_t position) {
        if (++depth_ > kMaxNesting) {
            fail(L"more than " + std::to_wstring(kMaxNesting) +
                     L" nested parentheses or function calls",
                 position);
            return false;
        }
        return true;
    }

    ExprPtr primary() {
        switch (current_.kind) {
        case Token::Kind::Number:
            return literal(Value::number(current_.number));
        case Token::Kind::Text:
            return literal(Value::text(std::move(current_.text)));
        case Token::Kind::Boolean:
            return literal(Value::boolean(current_.boolean));
        case Token::Kind::Error:
            return literal(Value::error(current_.error));
        case Token::Kind::Reference:
            return reference();
        case Token::Kind::Function:
            return call();
        case Token::Kind::Name: {
            auto name = std::make_unique<NameExpr>(std::move(current_.text));
            advance();
            return name;
        }
        case Token::Kind::LeftParen:
            return parenthesised();
        case Token::Kind::LeftBrace:
            return array();
        case Token::Kind::Invalid:
            fail(current_.text, current_.position);
            return nullptr;
        case Token::Kind::End:
            fail(L"formula ends where a value is expected", current_.position);
            return nullptr;
        default:
            fail(L"unexpected " + describe(current_), current_.position);
            return nullptr;
        }
    }

    ExprPtr literal(Value value) {
        advance();
        return std::make_unique<LiteralExpr>(std::move(value));
    }

    [[gnu::noinline]] void failInArguments(const std::wstring& name) {
        fail(L"expected ',' or ')' in the arguments of " + name, current_.position);
    }

    [[gnu::noinline]] ExprPtr parenthesised() {
        const std::size_t open = current_.position;
        if (!enterNesting(open))
            return nullptr;
        advance();
        ExprPtr inner = expression();
        if (!inner)
            return nullptr;
        if (current_.kind != Token::Kind::RightParen) {
            fail(L"expected ')' to close the '(' at character " + std::to_wstring(open + 1),
                 current_.position);
            return nullptr;
        }
        advance();
        --depth_;
        return std::make_unique<ParenExpr>(std::move(inner));
    }

    // An inline array: constants (numbers with an optional sign, texts, booleans, errors),
    // ',' between columns and ';' between rows, every row as long as the first.
    [[gnu::noinline]] ExprPtr array() {
        const std::size_t open = current_.position;
        advance();
        std::vector<Value> values;
        int columns = 0;
        int column = 0;
        int rows = 1;
        while (true) {
            std::optional<Value> element = arrayElement();
            if (!element)
                return nullptr;
            values.push_back(std::move(*element));
            ++column;
            const bool endsRow =
                current_.kind == Token::Kind::RightBrace ||
                (current_.kind == Token::Kind::Separator && text_[current_.position] == L';');
            if (endsRow) {
                if (rows == 1)
                    columns = column;
                else if (column != columns) {
                    fail(L"row " + std::to_wstring(rows) + L" of the array has " +
                             std::to_wstring(column) + L" values where the first has " +
                             std::to_wstring(columns),
                         current_.position);
                    return nullptr;
                }
                column = 0;
            }
            if (current_.kind == Token::Kind::RightBrace) {
                advance();
                break;
            }
            if (current_.kind != Token::Kind::Separator) {
                fail(L"expected ',', ';' or '}' in the array opened at character " +
                         std::to_wstring(open + 1),
                     current_.position);
                return nullptr;
            }
            if (endsRow)
                ++rows;
            advance();
        }
        return std::make_unique<ArrayExpr>(
            std::make_shared<const ValueArray>(rows, columns, std::move(values)));
    }

    std::optional<Value> arrayElement() {
        bool negative = false;
        bool hasSign = false;
        while (current_.kind == Token::Kind::Operator &&
               (current_.op == BinaryOperator::Add || current_.op == BinaryOperator::Subtract)) {
            negative = negative != (current_.op == BinaryOperator::Subtract);
            hasSign = true;
            advance();
        }
        Value value;
        switch (current_.kind) {
        case Token::Kind::Number:
            value = Value::number(negative ? -current_.number : current_.number);
            break;
        case Token::Kind::Text:
            value = Value::text(std::move(current_.text));
            break;
        case Token::Kind::Boolean:
            value = Value::boolean(current_.boolean);
            break;
        case Token::Kind::Error:
            value = Value::error(current_.error);
            break;
        case Token::Kind::Invalid:
            fail(current_.text, current_.position);
            return std::nullopt;
        default:
            fail(L"an array holds only numbers, texts, TRUE, FALSE and error values",
                 current_.position);
            return std::nullopt;
        }
        if (hasSign && !value.isNumber()) {
            fail(L"a sign in an array must precede a number", current_.position);
            return std::nullopt;
        }
        advance();
        return value;
    }

    ExprPtr reference() {
        const Reference first = current_.reference;
        advance();
        if (current_.kind != Token::Kind::Colon)
            return std::make_unique<ReferenceExpr>(first);
        advance();
        if (current_.kind != Token::Kind::Reference) {
            fail(L"a range needs a cell reference after ':'", current_.position);
            return nullptr;
        }
        const auto [a, b] = normalized(first, current_.reference);
        advance();
        return std::make_unique<RangeExpr>(a, b);
    }

    // Out of line so that its messages do not enlarge the recursive call's stack frame.
    [[gnu::noinline]] bool checkArity(const BuiltinFunction& builtin, std::size_t argCount,
                                      std::size_t position) {
        const int count = static_cast<int>(argCount);
        if (count < builtin.minArgs) {
            fail(std::wstring(builtin.name) + L" needs at least " +
                     argumentCountText(builtin.minArgs),
                 position);
            return false;
        }
        if (builtin.maxArgs >= 0 && count > builtin.maxArgs) {
            fail(std::wstring(builtin.name) + L" takes at most " +
                     argumentCountText(builtin.maxArgs),
                 position);
            return false;
        }
        return true;
    }

    [[gnu::noinline]] ExprPtr call() {
        const std::size_t namePosition = current_.position;
        std::wstring name = TextCase::upper(current_.text);
        advance(); // the name; the tokenizer guarantees '(' follows
        if (!enterNesting(current_.position))
            return nullptr;
        advance();
        std::vector<ExprPtr> args;
        if (current_.kind == Token::Kind::RightParen) {
            advance();
        } else {
            while (true) {
                if (current_.kind == Token::Kind::Separator ||
                    current_.kind == Token::Kind::RightParen) {
                    args.push_back(std::make_unique<LiteralExpr>(Value()));
                } else {
                    ExprPtr arg = expression();
                    if (!arg)
                        return nullptr;
                    args.push_back(std::move(arg));
                }
                if (current_.kind == Token::Kind::Separator) {
                    advance();
                    continue;
                }
                if (current_.kind == Token::Kind::RightParen) {
                    advance();
                    break;
                }
                failInArguments(name);
                return nullptr;
            }
        }
        --depth_;
        const BuiltinFunction* builtin = BuiltinFunctions::find(name);
        if (builtin && !checkArity(*builtin, args.size(), namePosition))
            return nullptr;
        return std::make_unique<CallExpr>(std::move(name), builtin, std::move(args));
    }

    std::wstring_view text_;
    Tokenizer tokenizer_;
    Token current_;
    int depth_ = 0;
    std::optional<Result> error_;
};

} // namespace

Result FormulaParser::parse(std::wstring_view text, CellRef host, ReferenceStyle style,
                            ExprPtr& root) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == L' ' || text[start] == L'\t'))
        ++start;
    if (start < text.size() && text[start] == L'=')
        ++start;
    Parser parser(text, start, host, style);
    return parser.run(root);
}

} // namespace grid
