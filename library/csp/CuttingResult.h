#pragma once

#include "library/csp/CuttingPlan.h"

#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace csp {

// A cutting plan, or, when none can be made, why not in plain words.
class CuttingResult {
public:
    static CuttingResult success(CuttingPlan plan) {
        CuttingResult result;
        result.plan_ = std::move(plan);
        return result;
    }
    static CuttingResult failure(std::string reason) {
        CuttingResult result;
        result.reason_ = std::move(reason);
        return result;
    }

    bool ok() const { return plan_.has_value(); }
    explicit operator bool() const { return ok(); }
    // Empty on success.
    const std::string& reason() const { return reason_; }
    // The plan; only after success.
    const CuttingPlan& plan() const {
        assert(ok() && "no plan after a failure");
        return *plan_;
    }

private:
    CuttingResult() = default;

    std::optional<CuttingPlan> plan_;
    std::string reason_;
};

} // namespace csp
