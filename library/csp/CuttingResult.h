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
        result.mPlan = std::move(plan);
        return result;
    }
    static CuttingResult failure(std::string reason) {
        CuttingResult result;
        result.mReason = std::move(reason);
        return result;
    }

    bool ok() const { return mPlan.has_value(); }
    explicit operator bool() const { return ok(); }
    // Empty on success.
    const std::string& reason() const { return mReason; }
    // The plan; only after success.
    const CuttingPlan& plan() const {
        assert(ok() && "no plan after a failure");
        return *mPlan;
    }

private:
    CuttingResult() = default;

    std::optional<CuttingPlan> mPlan;
    std::string mReason;
};

} // namespace csp
