#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

namespace ss {

// The sheets whose calculation is running right now, outermost first (child calls nest on
// the one thread). A child call of a sheet that is already in the chain would come back to
// itself without end, so such calls are refused, as are chains deeper than kMaxDepth.
class EvaluationChain {
public:
    static constexpr std::size_t kMaxDepth = 32;

    // Adds a sheet for the lifetime of the object; an empty path adds nothing.
    class Link {
    public:
        explicit Link(const std::filesystem::path& canonicalPath);
        ~Link();
        Link(const Link&) = delete;
        Link& operator=(const Link&) = delete;

    private:
        bool added_ = false;
    };

    static EvaluationChain& instance();

    bool contains(const std::filesystem::path& canonicalPath) const;
    std::size_t depth() const { return paths_.size(); }
    // Whether a child of the innermost sheet may start: not a sheet in the chain, and not
    // too deep.
    bool admits(const std::filesystem::path& canonicalPath) const {
        return depth() < kMaxDepth && !contains(canonicalPath);
    }

private:
    std::vector<std::filesystem::path> paths_;
};

} // namespace ss
