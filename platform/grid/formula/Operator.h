#pragma once

#include <string_view>

namespace grid {

// Infix operators of the formula language, from the lowest precedence level to the highest:
// comparisons; &; + -; * /; ^.
enum class BinaryOperator {
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Concat,
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
};

enum class UnaryOperator { Plus, Minus };

// 0 for comparisons up to 4 for ^; operators of one level associate to the left.
inline int precedenceLevel(BinaryOperator op) {
    switch (op) {
    case BinaryOperator::Concat:
        return 1;
    case BinaryOperator::Add:
    case BinaryOperator::Subtract:
        return 2;
    case BinaryOperator::Multiply:
    case BinaryOperator::Divide:
        return 3;
    case BinaryOperator::Power:
        return 4;
    default:
        return 0;
    }
}

inline std::wstring_view operatorText(BinaryOperator op) {
    switch (op) {
    case BinaryOperator::Equal:
        return L"=";
    case BinaryOperator::NotEqual:
        return L"<>";
    case BinaryOperator::Less:
        return L"<";
    case BinaryOperator::LessEqual:
        return L"<=";
    case BinaryOperator::Greater:
        return L">";
    case BinaryOperator::GreaterEqual:
        return L">=";
    case BinaryOperator::Concat:
        return L"&";
    case BinaryOperator::Add:
        return L"+";
    case BinaryOperator::Subtract:
        return L"-";
    case BinaryOperator::Multiply:
        return L"*";
    case BinaryOperator::Divide:
        return L"/";
    case BinaryOperator::Power:
        return L"^";
    }
    return L"?";
}

} // namespace grid
