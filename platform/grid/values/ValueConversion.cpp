#include "platform/grid/values/ValueConversion.h"

#include "platform/grid/values/NumberText.h"
#include "platform/grid/values/Rounding.h"
#include "platform/grid/values/TextCase.h"

namespace grid {

bool ValueConversion::toNumber(const Value& value, double& number, ErrorCode& error) {
    switch (value.type()) {
    case Value::Type::Number:
        number = value.asNumber();
        return true;
    case Value::Type::Empty:
        number = 0;
        return true;
    case Value::Type::Boolean:
        number = value.asBoolean() ? 1 : 0;
        return true;
    case Value::Type::Text:
        if (const auto parsed = NumberText::parseTyped(value.asText())) {
            number = *parsed;
            return true;
        }
        error = ErrorCode::Value;
        return false;
    case Value::Type::Error:
        error = value.asError();
        return false;
    }
    error = ErrorCode::Value;
    return false;
}

std::wstring ValueConversion::toText(const Value& value) {
    switch (value.type()) {
    case Value::Type::Number:
        return NumberText::general(value.asNumber());
    case Value::Type::Text:
        return value.asText();
    case Value::Type::Boolean:
        return value.asBoolean() ? L"TRUE" : L"FALSE";
    case Value::Type::Error:
        return std::wstring(errorText(value.asError()));
    case Value::Type::Empty:
        break;
    }
    return {};
}

namespace {

int rank(Value::Type type) {
    switch (type) {
    case Value::Type::Text:
        return 1;
    case Value::Type::Boolean:
        return 2;
    default:
        return 0;
    }
}

// An empty side takes the neutral value of the other side's type.
Value neutralFor(const Value& other) {
    switch (other.type()) {
    case Value::Type::Text:
        return Value::text(L"");
    case Value::Type::Boolean:
        return Value::boolean(false);
    default:
        return Value::number(0);
    }
}

} // namespace

int ValueConversion::compare(const Value& a, const Value& b) {
    if (a.isEmpty() && b.isEmpty())
        return 0;
    if (a.isEmpty())
        return compare(neutralFor(b), b);
    if (b.isEmpty())
        return compare(a, neutralFor(a));
    const int ra = rank(a.type());
    const int rb = rank(b.type());
    if (ra != rb)
        return ra < rb ? -1 : 1;
    switch (a.type()) {
    case Value::Type::Number: {
        const double x = a.asNumber();
        const double y = b.asNumber();
        if (Rounding::approxEqual(x, y))
            return 0;
        return x < y ? -1 : 1;
    }
    case Value::Type::Text:
        return TextCase::compareNoCase(a.asText(), b.asText());
    case Value::Type::Boolean:
        return static_cast<int>(a.asBoolean()) - static_cast<int>(b.asBoolean());
    default:
        return 0;
    }
}

} // namespace grid
