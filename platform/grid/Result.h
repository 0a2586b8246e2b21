#pragma once

#include <cstddef>
#include <string>
#include <utility>

namespace grid {

// Success, or a failure with a reason in plain words and where it happened: the character
// offset in a formula, or the line number in a file (as the operation documents).
class Result {
public:
    static Result success() { return Result(true, {}, 0); }
    static Result failure(std::wstring message, std::size_t position = 0) {
        return Result(false, std::move(message), position);
    }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const std::wstring& message() const { return message_; }
    std::size_t position() const { return position_; }

private:
    Result(bool ok, std::wstring message, std::size_t position)
        : ok_(ok), message_(std::move(message)), position_(position) {}

    bool ok_;
    std::wstring message_;
    std::size_t position_;
};

} // namespace grid
