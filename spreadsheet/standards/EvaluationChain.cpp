#include "spreadsheet/standards/EvaluationChain.h"

#include <algorithm>

namespace ss {

EvaluationChain& EvaluationChain::instance() {
    static EvaluationChain chain;
    return chain;
}

bool EvaluationChain::contains(const std::filesystem::path& canonicalPath) const {
    return std::find(paths_.begin(), paths_.end(), canonicalPath) != paths_.end();
}

EvaluationChain::Link::Link(const std::filesystem::path& canonicalPath) {
    if (canonicalPath.empty())
        return;
    instance().paths_.push_back(canonicalPath);
    added_ = true;
}

EvaluationChain::Link::~Link() {
    if (added_)
        instance().paths_.pop_back();
}

} // namespace ss
