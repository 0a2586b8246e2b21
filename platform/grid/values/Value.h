#pragma once

#include "platform/grid/values/ErrorCode.h"

#include <string>
#include <utility>

namespace grid {

// A typed cell or formula value. Booleans are a type of their own (arithmetic reads them as 1
// and 0); Empty is what a cell that holds nothing gives.
class Value {
public:
    enum class Type { Empty, Number, Text, Boolean, Error };

    Value() = default;
    static Value number(double n) {
        Value v(Type::Number);
        v.number_ = n;
        return v;
    }
    static Value text(std::wstring t) {
        Value v(Type::Text);
        v.text_ = std::move(t);
        return v;
    }
    static Value boolean(bool b) {
        Value v(Type::Boolean);
        v.boolean_ = b;
        return v;
    }
    static Value error(ErrorCode e) {
        Value v(Type::Error);
        v.error_ = e;
        return v;
    }

    Type type() const { return type_; }
    bool isEmpty() const { return type_ == Type::Empty; }
    bool isNumber() const { return type_ == Type::Number; }
    bool isText() const { return type_ == Type::Text; }
    bool isBoolean() const { return type_ == Type::Boolean; }
    bool isError() const { return type_ == Type::Error; }

    // Each accessor is meant for the matching type.
    double asNumber() const { return number_; }
    const std::wstring& asText() const { return text_; }
    bool asBoolean() const { return boolean_; }
    ErrorCode asError() const { return error_; }

    friend bool operator==(const Value& a, const Value& b) {
        if (a.type_ != b.type_)
            return false;
        switch (a.type_) {
        case Type::Number:
            return a.number_ == b.number_;
        case Type::Text:
            return a.text_ == b.text_;
        case Type::Boolean:
            return a.boolean_ == b.boolean_;
        case Type::Error:
            return a.error_ == b.error_;
        case Type::Empty:
            break;
        }
        return true;
    }

private:
    explicit Value(Type type) : type_(type) {}

    // A plain record rather than a variant: only the field of the type is meaningful.
    Type type_ = Type::Empty;
    bool boolean_ = false;
    ErrorCode error_ = ErrorCode::Value;
    double number_ = 0;
    std::wstring text_;
};

} // namespace grid
