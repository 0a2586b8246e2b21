#include "spreadsheet/standards/EvaluationChain.h"

#include <algorithm>

namespace ss {

EvaluationChain& EvaluationChain::instance() {
    static EvaluationChain chain;
    return chain;
}

bool EvaluationChain::contains(const std::filesystem::path& canonicalPath) const {
    return std::find(mPaths.begin(), mPaths.end(), canonicalPath) != mPaths.end();
}

EvaluationChain::Link::Link(const std::filesystem::path& canonicalPath) {
    if (canonicalPath.empty())
        return;
    instance().mPaths.push_back(canonicalPath);
    mAdded = true;
}

EvaluationChain::Link::~Link() {
    if (mAdded)
        instance().mPaths.pop_back();
}

} // namespace ss
