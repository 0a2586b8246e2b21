#include "platform/grid/calc/Recalculator.h"

#include "platform/grid/sheet/CellIndex.h"

#include <algorithm>

namespace grid {

namespace {

struct Node {
    CellRef cell;
    int index = -1;
    int lowlink = 0;
    bool onStack = false;
    bool selfLoop = false;
    bool seed = false;
    // This node's dependents are edges_[firstEdge, endEdge); the walk resumes at nextEdge.
    std::size_t firstEdge = 0;
    std::size_t endEdge = 0;
    std::size_t nextEdge = 0;
};

// Tarjan's algorithm with explicit stacks. Edges run from a cell to the formulas that read it;
// they are fetched from the graph when a node is first visited and kept in one flat array.
class Ordering {
public:
    explicit Ordering(const DependencyGraph& graph) : graph_(graph) {}

    int nodeFor(CellRef cell) {
        bool added = false;
        int& id = ids_.get(cell, added);
        if (added) {
            id = static_cast<int>(nodes_.size());
            nodes_.emplace_back().cell = cell;
        }
        return id;
    }

    Node& node(int id) { return nodes_[static_cast<std::size_t>(id)]; }

    // Fills members_ with every node reached from the roots, component by component, each
    // component after every component it reads; componentEnds_ marks where each one ends.
    void order(const std::vector<int>& roots) {
        for (const int root : roots) {
            if (node(root).index < 0)
                strongConnect(root);
        }
        // Tarjan completes a component after all components that read it: reverse both levels.
        std::reverse(members_.begin(), members_.end());
        std::vector<std::size_t> ends;
        ends.reserve(componentEnds_.size());
        const std::size_t total = members_.size();
        for (auto it = componentEnds_.rbegin(); it != componentEnds_.rend(); ++it) {
            const std::size_t startFromBack = it + 1 == componentEnds_.rend() ? 0 : *(it + 1);
            ends.push_back(total - startFromBack);
        }
        componentEnds_ = std::move(ends);
    }

    const std::vector<int>& members() const { return members_; }
    const std::vector<std::size_t>& componentEnds() const { return componentEnds_; }

private:
    void visit(int id) {
        {
            Node& n = node(id);
            n.index = n.lowlink = counter_++;
            n.onStack = true;
        }
        stack_.push_back(id);
        scratch_.clear();
        graph_.forEachDependent(node(id).cell, [&](CellRef ref) { scratch_.push_back(ref); });
        const std::size_t first = edges_.size();
        for (const CellRef ref : scratch_) {
            const int other = nodeFor(ref);
            if (other == id)
                node(id).selfLoop = true;
            edges_.push_back(other);
        }
        Node& n = node(id);
        n.firstEdge = n.nextEdge = first;
        n.endEdge = edges_.size();
        callStack_.push_back(id);
    }

    void strongConnect(int root) {
        visit(root);
        while (!callStack_.empty()) {
            const int id = callStack_.back();
            if (node(id).nextEdge < node(id).endEdge) {
                const int other = edges_[node(id).nextEdge++];
                if (node(other).index < 0)
                    visit(other);
                else if (node(other).onStack)
                    node(id).lowlink = std::min(node(id).lowlink, node(other).index);
                continue;
            }
            callStack_.pop_back();
            if (!callStack_.empty()) {
                const int parent = callStack_.back();
                node(parent).lowlink = std::min(node(parent).lowlink, node(id).lowlink);
            }
            if (node(id).lowlink == node(id).index) {
                int member = -1;
                do {
                    member = stack_.back();
                    stack_.pop_back();
                    node(member).onStack = false;
                    members_.push_back(member);
                } while (member != id);
                componentEnds_.push_back(members_.size());
            }
        }
    }

    const DependencyGraph& graph_;
    CellIndex<int> ids_;
    std::vector<Node> nodes_;
    std::vector<int> edges_;
    std::vector<CellRef> scratch_;
    std::vector<int> stack_;
    std::vector<int> callStack_;
    std::vector<int> members_;
    std::vector<std::size_t> componentEnds_;
    int counter_ = 0;
};

} // namespace

void Recalculator::run(const std::vector<CellRef>& seeds, bool propagate,
                       const DependencyGraph& graph, RecalcTarget& target) {
    Ordering ordering(graph);
    std::vector<int> roots;
    roots.reserve(seeds.size());
    for (const CellRef seed : seeds) {
        const int id = ordering.nodeFor(seed);
        ordering.node(id).seed = true;
        roots.push_back(id);
    }
    ordering.order(roots);
    const std::vector<int>& members = ordering.members();
    std::size_t start = 0;
    for (const std::size_t end : ordering.componentEnds()) {
        const bool circular = end - start > 1 || ordering.node(members[start]).selfLoop;
        for (std::size_t i = start; i < end; ++i) {
            const Node& n = ordering.node(members[i]);
            if (!propagate && !n.seed)
                continue;
            if (circular)
                target.markCircular(n.cell);
            else
                target.evaluate(n.cell);
        }
        start = end;
    }
}

} // namespace grid
