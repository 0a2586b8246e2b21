#include "platform/core/model/StandardsEvaluator.h"

namespace core {

StandardsEvaluator& standardsEvaluator() {
    static StandardsEvaluator evaluator;
    return evaluator;
}

} // namespace core
