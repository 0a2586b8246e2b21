#pragma once

#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/text/Vdn_String.h"

#include <cassert>
#include <optional>
#include <utility>

namespace core {

// A macro read from a macro file, or, when it could not be read, why not in plain words.
class MacroReadResult {
public:
    static MacroReadResult success(Vdn_DbMacro macro) {
        MacroReadResult result;
        result.macro_ = std::move(macro);
        return result;
    }
    static MacroReadResult failure(Vdn_String message) {
        MacroReadResult result;
        result.message_ = std::move(message);
        return result;
    }

    bool ok() const { return macro_.has_value(); }
    explicit operator bool() const { return ok(); }
    // Empty on success.
    const Vdn_String& message() const { return message_; }
    // The macro; only after success.
    const Vdn_DbMacro& macro() const {
        assert(ok() && "no macro after a failed read");
        return *macro_;
    }
    Vdn_DbMacro& macro() {
        assert(ok() && "no macro after a failed read");
        return *macro_;
    }

private:
    MacroReadResult() = default;

    std::optional<Vdn_DbMacro> macro_;
    Vdn_String message_;
};

} // namespace core
