#pragma once

#include "platform/grid/sheet/TextLocation.h"

#include <string>
#include <utility>

namespace grid {

// Success, or a failure with a reason in plain words and where it happened (a line of a file,
// a character of a formula; not known for failures that belong to no place).
class Result {
public:
    static Result success() { return Result(true, {}, {}); }
    static Result failure(std::wstring message, TextLocation where = {}) {
        return Result(false, std::move(message), where);
    }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const std::wstring& message() const { return message_; }
    const TextLocation& where() const { return where_; }

private:
    Result(bool ok, std::wstring message, TextLocation where)
        : ok_(ok), message_(std::move(message)), where_(where) {}

    bool ok_;
    std::wstring message_;
    TextLocation where_;
};

} // namespace grid
