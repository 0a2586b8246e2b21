#pragma once
// How GoogleTest shows a grid value in a failure message.

#include "platform/grid/files/TextCodec.h"
#include "platform/grid/values/ErrorCode.h"
#include "platform/grid/values/Value.h"

#include <ostream>

namespace grid {

inline void PrintTo(const Value& value, std::ostream* os) {
    switch (value.type()) {
    case Value::Type::Empty:
        *os << "<empty>";
        break;
    case Value::Type::Number:
        *os << "number " << value.asNumber();
        break;
    case Value::Type::Text:
        *os << "text \"" << TextCodec::encodeUtf8(value.asText()) << "\"";
        break;
    case Value::Type::Boolean:
        *os << (value.asBoolean() ? "TRUE" : "FALSE");
        break;
    case Value::Type::Error:
        *os << TextCodec::encodeUtf8(errorText(value.asError()));
        break;
    }
}

} // namespace grid
