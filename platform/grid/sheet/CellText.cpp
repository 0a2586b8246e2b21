#include "platform/grid/sheet/CellText.h"

#include "platform/grid/values/NumberText.h"

namespace grid {

namespace {

bool showsNumbersAsDigits(CellType::Kind kind) {
    return kind == CellType::Kind::Number || kind == CellType::Kind::CheckBox;
}

} // namespace

std::wstring CellText::formatted(const Cell& cell) {
    const CellType& type = cell.formatOrDefault().type;
    const Value& value = cell.value;
    switch (value.type()) {
    case Value::Type::Empty:
        return {};
    case Value::Type::Number:
        if (type.kind() == CellType::Kind::Number)
            return NumberText::fixed(value.asNumber(), type.decimals());
        return NumberText::general(value.asNumber());
    case Value::Type::Boolean:
        if (type.kind() == CellType::Kind::Number)
            return NumberText::fixed(value.asBoolean() ? 1 : 0, type.decimals());
        if (type.kind() == CellType::Kind::CheckBox)
            return value.asBoolean() ? L"1" : L"0";
        return value.asBoolean() ? L"TRUE" : L"FALSE";
    case Value::Type::Text:
        return value.asText();
    case Value::Type::Error:
        return std::wstring(errorText(value.asError()));
    }
    return {};
}

std::optional<std::wstring> CellText::value(const Cell& cell) {
    const CellType& type = cell.formatOrDefault().type;
    const Value& value = cell.value;
    switch (value.type()) {
    case Value::Type::Empty:
        return std::wstring();
    case Value::Type::Number:
        if (type.kind() == CellType::Kind::Number)
            return NumberText::rounded(value.asNumber(), type.decimals());
        return NumberText::general(value.asNumber());
    case Value::Type::Boolean:
        if (showsNumbersAsDigits(type.kind()))
            return std::wstring(value.asBoolean() ? L"1" : L"0");
        return std::wstring(value.asBoolean() ? L"TRUE" : L"FALSE");
    case Value::Type::Text:
        return value.asText();
    case Value::Type::Error:
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Value> CellText::accept(const CellType& type, std::wstring_view text) {
    if (text.empty())
        return Value();
    switch (type.kind()) {
    case CellType::Kind::General:
        if (const auto number = NumberText::parse(text))
            return Value::number(*number);
        return Value::text(std::wstring(text));
    case CellType::Kind::Edit:
        if (type.maxLength() > 0 && text.size() > static_cast<std::size_t>(type.maxLength()))
            text = text.substr(0, static_cast<std::size_t>(type.maxLength()));
        return Value::text(std::wstring(text));
    case CellType::Kind::Number: {
        const auto number = NumberText::parse(text);
        if (!number || *number < type.minimum() || *number > type.maximum())
            return std::nullopt;
        return Value::number(*number);
    }
    case CellType::Kind::CheckBox:
        if (text == L"1" || text == L"0")
            return Value::number(text == L"1" ? 1 : 0);
        return Value::text(std::wstring(text));
    default:
        return Value::text(std::wstring(text));
    }
}

} // namespace grid
