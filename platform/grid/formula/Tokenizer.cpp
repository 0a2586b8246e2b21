#include "platform/grid/formula/Tokenizer.h"

#include "platform/grid/sheet/CellAddress.h"
#include "platform/grid/sheet/Limits.h"
#include "platform/grid/values/NumberText.h"
#include "platform/grid/values/TextCase.h"

#include <array>
#include <utility>

namespace grid {

namespace {

bool isDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

bool isLetter(wchar_t ch) {
    return (ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z') ||
           (ch >= 0xC0 && ch != 0xD7 && ch != 0xF7);
}

bool isWordStart(wchar_t ch) {
    return isLetter(ch) || ch == L'_';
}

bool isWordChar(wchar_t ch) {
    return isWordStart(ch) || isDigit(ch) || ch == L'.';
}

// Characters that may not follow a reference: they would make it part of a longer word.
bool continuesReference(wchar_t ch) {
    return isWordChar(ch) || ch == L'$' || ch == L'[' || ch == L'(';
}

bool isSpace(wchar_t ch) {
    return ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\n' || ch == 0xA0;
}

std::wstring quoted(wchar_t ch) {
    return std::wstring(L"'") + ch + L"'";
}

} // namespace

Tokenizer::Tokenizer(std::wstring_view text, std::size_t start, CellRef host, ReferenceStyle style)
    : text_(text), pos_(start), host_(host), style_(style) {}

Token Tokenizer::invalid(std::size_t position, std::wstring reason) const {
    Token token;
    token.kind = Token::Kind::Invalid;
    token.position = position;
    token.length = 1;
    token.text = std::move(reason);
    return token;
}

Token Tokenizer::next() {
    while (pos_ < text_.size() && isSpace(text_[pos_]))
        ++pos_;
    Token token;
    token.position = pos_;
    if (pos_ >= text_.size()) {
        token.kind = Token::Kind::End;
        return token;
    }
    const wchar_t ch = text_[pos_];
    const wchar_t after = pos_ + 1 < text_.size() ? text_[pos_ + 1] : L'\0';
    if (isDigit(ch) || (ch == L'.' && isDigit(after)))
        return number();
    if (ch == L'"')
        return text();
    if (ch == L'#')
        return errorLiteral();
    if (isWordStart(ch) || ch == L'$')
        return word();

    token.length = 1;
    auto simple = [&](Token::Kind kind) {
        token.kind = kind;
        ++pos_;
        return token;
    };
    auto op = [&](BinaryOperator binary, std::size_t length) {
        token.kind = Token::Kind::Operator;
        token.op = binary;
        token.length = length;
        pos_ += length;
        return token;
    };
    switch (ch) {
    case L'(':
        return simple(Token::Kind::LeftParen);
    case L')':
        return simple(Token::Kind::RightParen);
    case L',':
    case L';':
        return simple(Token::Kind::Separator);
    case L'{':
        return simple(Token::Kind::LeftBrace);
    case L'}':
        return simple(Token::Kind::RightBrace);
    case L':':
        return simple(Token::Kind::Colon);
    case L'%':
        return simple(Token::Kind::Percent);
    case L'+':
        return op(BinaryOperator::Add, 1);
    case L'-':
        return op(BinaryOperator::Subtract, 1);
    case L'*':
        return op(BinaryOperator::Multiply, 1);
    case L'/':
        return op(BinaryOperator::Divide, 1);
    case L'^':
        return op(BinaryOperator::Power, 1);
    case L'&':
        return op(BinaryOperator::Concat, 1);
    case L'=':
        return op(BinaryOperator::Equal, 1);
    case L'<':
        if (after == L'=')
            return op(BinaryOperator::LessEqual, 2);
        if (after == L'>')
            return op(BinaryOperator::NotEqual, 2);
        return op(BinaryOperator::Less, 1);
    case L'>':
        if (after == L'=')
            return op(BinaryOperator::GreaterEqual, 2);
        return op(BinaryOperator::Greater, 1);
    default:
        return invalid(pos_, L"unexpected character " + quoted(ch));
    }
}

Token Tokenizer::number() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && isDigit(text_[pos_]))
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] == L'.') {
        ++pos_;
        while (pos_ < text_.size() && isDigit(text_[pos_]))
            ++pos_;
    }
    if (pos_ < text_.size() && (text_[pos_] == L'e' || text_[pos_] == L'E')) {
        ++pos_;
        if (pos_ < text_.size() && (text_[pos_] == L'+' || text_[pos_] == L'-'))
            ++pos_;
        if (pos_ >= text_.size() || !isDigit(text_[pos_]))
            return invalid(start, L"malformed number");
        while (pos_ < text_.size() && isDigit(text_[pos_]))
            ++pos_;
    }
    if (pos_ < text_.size() && (isWordChar(text_[pos_]) || text_[pos_] == L'$'))
        return invalid(pos_, L"unexpected character " + quoted(text_[pos_]) + L" after a number");
    const auto value = NumberText::parse(text_.substr(start, pos_ - start));
    if (!value)
        return invalid(start, L"number out of range");
    Token token;
    token.kind = Token::Kind::Number;
    token.position = start;
    token.length = pos_ - start;
    token.number = *value;
    return token;
}

Token Tokenizer::text() {
    const std::size_t start = pos_;
    std::wstring content;
    ++pos_;
    while (true) {
        if (pos_ >= text_.size())
            return invalid(start, L"text without closing quote");
        const wchar_t ch = text_[pos_++];
        if (ch != L'"') {
            content.push_back(ch);
            continue;
        }
        if (pos_ < text_.size() && text_[pos_] == L'"') {
            content.push_back(L'"');
            ++pos_;
            continue;
        }
        break;
    }
    Token token;
    token.kind = Token::Kind::Text;
    token.position = start;
    token.length = pos_ - start;
    token.text = std::move(content);
    return token;
}

Token Tokenizer::errorLiteral() {
    static constexpr std::array<ErrorCode, 7> kCodes = {
        ErrorCode::Null, ErrorCode::Div0, ErrorCode::Value, ErrorCode::Ref,
        ErrorCode::Name, ErrorCode::Num,  ErrorCode::NA};
    for (const ErrorCode code : kCodes) {
        const std::wstring_view spelled = errorText(code);
        if (TextCase::equalNoCase(text_.substr(pos_, spelled.size()), spelled)) {
            Token token;
            token.kind = Token::Kind::Error;
            token.position = pos_;
            token.length = spelled.size();
            token.error = code;
            pos_ += spelled.size();
            return token;
        }
    }
    return invalid(pos_, L"unknown error value");
}

std::optional<Reference> Tokenizer::matchA1(std::size_t& length) const {
    std::size_t i = pos_;
    Reference ref;
    if (i < text_.size() && text_[i] == L'$') {
        ref.colAbsolute = true;
        ++i;
    }
    const std::size_t lettersStart = i;
    while (i < text_.size() &&
           ((text_[i] >= L'A' && text_[i] <= L'Z') || (text_[i] >= L'a' && text_[i] <= L'z')))
        ++i;
    const auto col = CellAddress::columnFromLetters(text_.substr(lettersStart, i - lettersStart));
    if (!col)
        return std::nullopt;
    if (i < text_.size() && text_[i] == L'$') {
        ref.rowAbsolute = true;
        ++i;
    }
    const std::size_t digitsStart = i;
    long long row = 0;
    while (i < text_.size() && isDigit(text_[i])) {
        row = row * 10 + (text_[i] - L'0');
        if (row > kMaxRows)
            return std::nullopt;
        ++i;
    }
    if (i == digitsStart || row < 1)
        return std::nullopt;
    if (i < text_.size() && continuesReference(text_[i]))
        return std::nullopt;
    ref.col = *col;
    ref.row = static_cast<int>(row);
    length = i - pos_;
    return ref;
}

std::optional<Reference> Tokenizer::matchR1C1(std::size_t& length, bool& outside) const {
    std::size_t i = pos_;
    // One part: "R" or "C", then an absolute number, a [relative offset] or nothing (offset 0).
    auto part = [&](wchar_t upper, int base, int limit, int& value, bool& absolute) {
        if (i >= text_.size() || TextCase::upperChar(text_[i]) != upper)
            return false;
        ++i;
        absolute = false;
        long long number = 0;
        if (i < text_.size() && isDigit(text_[i])) {
            absolute = true;
            while (i < text_.size() && isDigit(text_[i])) {
                if (number <= limit)
                    number = number * 10 + (text_[i] - L'0');
                ++i;
                if (number > limit)
                    outside = true;
            }
            if (number < 1)
                outside = true;
            value = static_cast<int>(outside ? 0 : number);
            return true;
        }
        if (i < text_.size() && text_[i] == L'[') {
            ++i;
            bool negative = false;
            if (i < text_.size() && (text_[i] == L'-' || text_[i] == L'+'))
                negative = text_[i++] == L'-';
            if (i >= text_.size() || !isDigit(text_[i]))
                return false;
            while (i < text_.size() && isDigit(text_[i])) {
                if (number <= limit)
                    number = number * 10 + (text_[i] - L'0');
                ++i;
                if (number > limit)
                    outside = true;
            }
            if (i >= text_.size() || text_[i] != L']')
                return false;
            ++i;
            const long long target = base + (negative ? -number : number);
            if (outside || target < 1 || target > limit)
                outside = true;
            value = outside ? 0 : static_cast<int>(target);
            return true;
        }
        value = base;
        if (base < 1)
            outside = true;
        return true;
    };
    Reference ref;
    if (!part(L'R', host_.row, kMaxRows, ref.row, ref.rowAbsolute))
        return std::nullopt;
    if (!part(L'C', host_.col, kMaxColumns, ref.col, ref.colAbsolute))
        return std::nullopt;
    if (i < text_.size() && continuesReference(text_[i]))
        return std::nullopt;
    length = i - pos_;
    return ref;
}

Token Tokenizer::word() {
    const std::size_t start = pos_;
    std::size_t end = pos_;
    while (end < text_.size() && isWordChar(text_[end]))
        ++end;
    const std::wstring_view name = text_.substr(start, end - start);

    // A name directly followed by '(' is a call, even when it also reads as a cell (LOG10).
    std::size_t look = end;
    while (look < text_.size() && isSpace(text_[look]))
        ++look;
    if (!name.empty() && look < text_.size() && text_[look] == L'(') {
        Token token;
        token.kind = Token::Kind::Function;
        token.position = start;
        token.length = end - start;
        token.text = std::wstring(name);
        pos_ = look;
        return token;
    }

    std::size_t a1Length = 0;
    std::size_t r1c1Length = 0;
    bool outside = false;
    const auto a1 = matchA1(a1Length);
    const auto r1c1 = matchR1C1(r1c1Length, outside);
    const bool useR1C1 = r1c1 && (!a1 || style_ == ReferenceStyle::R1C1);
    if (useR1C1 && outside)
        return invalid(start, L"reference outside the sheet");
    if (useR1C1 || a1) {
        Token token;
        token.kind = Token::Kind::Reference;
        token.position = start;
        token.length = useR1C1 ? r1c1Length : a1Length;
        token.reference = useR1C1 ? *r1c1 : *a1;
        pos_ += token.length;
        return token;
    }
    if (name.empty())
        return invalid(start, L"malformed reference");

    Token token;
    token.position = start;
    token.length = name.size();
    pos_ = end;
    if (TextCase::equalNoCase(name, L"TRUE") || TextCase::equalNoCase(name, L"FALSE")) {
        token.kind = Token::Kind::Boolean;
        token.boolean = TextCase::equalNoCase(name, L"TRUE");
        return token;
    }
    if (end < text_.size() && (text_[end] == L'$' || text_[end] == L'['))
        return invalid(start, L"malformed reference");
    token.kind = Token::Kind::Name;
    token.text = std::wstring(name);
    return token;
}

} // namespace grid
