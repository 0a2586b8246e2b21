// The cell store and its flat index, checked against a plain map through many additions and
// erasures, and the dependency graph's lists of dependents.

#include "platform/grid/sheet/CellStore.h"

#include "GridTestSupport.h"
#include "platform/grid/calc/DependencyGraph.h"
#include "platform/grid/formula/Formula.h"
#include "platform/grid/sheet/CellIndex.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <vector>

namespace grid::test {
namespace {

bool before(CellRef a, CellRef b) {
    return readingOrderLess(a, b);
}

using Reference = std::map<CellRef, int, decltype(&before)>;

// Every cell of the reference is found with its value, and nothing else is stored.
void expectSame(const CellIndex<int>& index, const Reference& reference) {
    ASSERT_EQ(index.size(), reference.size());
    for (const auto& [ref, value] : reference) {
        const int* found = index.find(ref);
        ASSERT_NE(found, nullptr) << ref.col << "," << ref.row;
        EXPECT_EQ(*found, value);
    }
    std::size_t visited = 0;
    index.forEach([&](CellRef ref, int value) {
        ++visited;
        const auto it = reference.find(ref);
        ASSERT_NE(it, reference.end());
        EXPECT_EQ(it->second, value);
    });
    EXPECT_EQ(visited, reference.size());
}

TEST(CellIndexTest, AgreesWithAMapThroughAdditionsAndErasures) {
    // Columns of neighbouring rows (the usual layout, which fills runs of slots) and scattered
    // cells, erased in an order that leaves holes inside those runs.
    std::mt19937 random(12345);
    CellIndex<int> index;
    Reference reference(&before);
    for (int round = 0; round < 4; ++round) {
        for (int i = 0; i < 3000; ++i) {
            const CellRef ref = i % 3 == 0 ? CellRef{static_cast<int>(random() % 400),
                                                     static_cast<int>(random() % 60000)}
                                           : CellRef{1 + i % 4, i + round * 7};
            bool added = false;
            int& value = index.get(ref, added);
            EXPECT_EQ(added, reference.find(ref) == reference.end());
            value = i + round;
            reference[ref] = i + round;
        }
        expectSame(index, reference);
        std::vector<CellRef> cells;
        for (const auto& [ref, value] : reference)
            cells.push_back(ref);
        std::shuffle(cells.begin(), cells.end(), random);
        for (std::size_t i = 0; i < cells.size() * 2 / 3; ++i) {
            EXPECT_TRUE(index.erase(cells[i]));
            reference.erase(cells[i]);
        }
        EXPECT_FALSE(index.erase({99999, 1})) << "never stored";
        expectSame(index, reference);
    }
    index.clear();
    EXPECT_EQ(index.size(), 0u);
    EXPECT_EQ(index.find({1, 1}), nullptr);
}

TEST(CellIndexTest, ColumnsAndRowsAreTold) {
    CellIndex<int> index;
    bool added = false;
    index.get({1, 2}, added) = 12;
    index.get({2, 1}, added) = 21;
    index.get({0, 0}, added) = 0;
    EXPECT_EQ(*index.find({1, 2}), 12);
    EXPECT_EQ(*index.find({2, 1}), 21);
    EXPECT_EQ(*index.find({0, 0}), 0);
    EXPECT_EQ(index.find({2, 2}), nullptr);
    EXPECT_EQ(index.find({1, 1}), nullptr);
}

Cell textCell(const std::wstring& text) {
    Cell cell;
    cell.value = Value::text(text);
    return cell;
}

TEST(CellStoreTest, CellsAreFoundAfterOthersAreErased) {
    CellStore store;
    for (int row = 1; row <= 100; ++row) {
        for (int col = 1; col <= 3; ++col)
            store.at({col, row}) = textCell(std::to_wstring(col * 1000 + row));
    }
    EXPECT_EQ(store.extent(), (CellRef{3, 100}));
    const std::uint64_t generation = store.generation();
    store.at({2, 50}).tag = L"kept"; // present already: no change of generation
    EXPECT_EQ(store.generation(), generation);
    for (int row = 1; row <= 100; row += 2)
        store.erase({2, row});
    store.erase({7, 7}); // never stored
    EXPECT_NE(store.generation(), generation);
    EXPECT_EQ(store.size(), 250u);
    for (int row = 1; row <= 100; ++row) {
        for (int col = 1; col <= 3; ++col) {
            const Cell* cell = store.find({col, row});
            if (col == 2 && row % 2 == 1) {
                EXPECT_EQ(cell, nullptr);
                continue;
            }
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->value.asText(), std::to_wstring(col * 1000 + row));
        }
    }
    EXPECT_EQ(store.find({2, 50})->tag, L"kept");
    std::set<std::pair<int, int>> seen;
    for (const auto& [ref, cell] : store.all())
        EXPECT_TRUE(seen.insert({ref.col, ref.row}).second) << "each cell once";
    EXPECT_EQ(seen.size(), 250u);
}

TEST(CellStoreTest, ErasedCellsComeBackBlankAndManyErasuresAreCompacted) {
    CellStore store;
    for (int row = 1; row <= 300; ++row)
        store.at({1, row}) = textCell(L"r" + std::to_wstring(row));
    store.erase({1, 7});
    EXPECT_EQ(store.find({1, 7}), nullptr);
    Cell& again = store.at({1, 7});
    EXPECT_TRUE(again.isBlank()) << "nothing of the erased cell comes back";
    again.value = Value::text(L"seven");
    EXPECT_EQ(store.size(), 300u);

    // Two thirds erased: their places are dropped, the rest stays found.
    for (int row = 1; row <= 300; ++row) {
        if (row % 3 != 0)
            store.erase({1, row});
    }
    EXPECT_EQ(store.size(), 100u);
    std::size_t visited = 0;
    for (const auto& [ref, cell] : store.all()) {
        ++visited;
        EXPECT_EQ(ref.row % 3, 0);
        EXPECT_EQ(cell.value.asText(), L"r" + std::to_wstring(ref.row));
    }
    EXPECT_EQ(visited, 100u);
    for (int row = 1; row <= 300; ++row) {
        const Cell* cell = store.find({1, row});
        EXPECT_EQ(cell != nullptr, row % 3 == 0) << row;
    }
    store.at({2, 2}) = textCell(L"new");
    EXPECT_EQ(store.find({2, 2})->value.asText(), L"new");
    EXPECT_EQ(store.find({1, 300})->value.asText(), L"r300");
}

TEST(CellStoreTest, BlankCellsGoAndCopiesAreIndependent) {
    CellStore store;
    store.at({1, 1}) = textCell(L"one");
    store.at({2, 2});
    store.eraseIfBlank({2, 2});
    store.eraseIfBlank({1, 1});
    EXPECT_EQ(store.size(), 1u);

    CellStore copy = store;
    copy.at({1, 1}).value = Value::text(L"changed");
    copy.at({3, 3}) = textCell(L"new");
    EXPECT_EQ(store.find({1, 1})->value.asText(), L"one");
    EXPECT_EQ(store.find({3, 3}), nullptr);
    EXPECT_EQ(copy.find({3, 3})->value.asText(), L"new");

    store.erase({1, 1});
    EXPECT_EQ(store.size(), 0u);
    EXPECT_EQ(store.extent(), (CellRef{0, 0}));
}

TEST(CellStoreTest, BlocksAreVisitedInReadingOrder) {
    CellStore store;
    // Added out of order; a small block is walked cell by cell, a large one sorted.
    for (const CellRef ref : {CellRef{3, 2}, CellRef{1, 3}, CellRef{2, 1}, CellRef{1, 1},
                              CellRef{5, 900}, CellRef{2, 2}})
        store.at(ref) = textCell(L"x");
    const auto visit = [&store](const CellRange& range) {
        std::vector<CellRef> order;
        store.forEachInRange(range, [&order](CellRef ref, const Cell&) {
            order.push_back(ref);
            return true;
        });
        return order;
    };
    const std::vector<CellRef> small = visit({{1, 1}, {3, 3}});
    EXPECT_EQ(small, (std::vector<CellRef>{{1, 1}, {2, 1}, {2, 2}, {3, 2}, {1, 3}}));
    const std::vector<CellRef> large = visit({{1, 1}, {100, 100000}});
    EXPECT_EQ(large, (std::vector<CellRef>{{1, 1}, {2, 1}, {2, 2}, {3, 2}, {1, 3}, {5, 900}}));
}

FormulaPtr parsed(const wchar_t* text, CellRef host) {
    FormulaPtr formula;
    EXPECT_TRUE(Formula::parse(text, host, ReferenceStyle::Default, formula).ok()) << text;
    return formula;
}

std::vector<CellRef> dependentsOf(const DependencyGraph& graph, CellRef cell) {
    std::vector<CellRef> found;
    graph.forEachDependent(cell, [&found](CellRef ref) { found.push_back(ref); });
    std::sort(found.begin(), found.end(), before);
    return found;
}

TEST(DependencyGraphTest, ListsFollowFormulasAddedReplacedAndRemoved) {
    DependencyGraph graph;
    graph.add({2, 1}, parsed(L"=A1*2", {2, 1}));
    graph.add({3, 1}, parsed(L"=A1+A1+B1", {3, 1}));
    graph.add({4, 1}, parsed(L"=SUM(A1:A5)", {4, 1}));
    EXPECT_EQ(dependentsOf(graph, {1, 1}), (std::vector<CellRef>{{2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(dependentsOf(graph, {2, 1}), (std::vector<CellRef>{{3, 1}}));

    // Replacing a formula drops what the old one read.
    graph.add({3, 1}, parsed(L"=B1", {3, 1}));
    EXPECT_EQ(dependentsOf(graph, {1, 1}), (std::vector<CellRef>{{2, 1}, {4, 1}}));
    graph.remove({2, 1});
    EXPECT_EQ(dependentsOf(graph, {1, 1}), (std::vector<CellRef>{{4, 1}}));
    EXPECT_FALSE(graph.hasDependents({1, 6}));
    EXPECT_TRUE(graph.hasDependents({1, 3})) << "inside the block";
    graph.remove({4, 1});
    EXPECT_FALSE(graph.hasDependents({1, 1}));
    EXPECT_TRUE(graph.hasDependents({2, 1}));

    // Freed links are used again, and every list stays its own.
    for (int row = 2; row <= 201; ++row)
        graph.add({5, row}, parsed(L"=A1+E1", {5, row}));
    for (int row = 2; row <= 201; row += 2)
        graph.remove({5, row});
    const std::vector<CellRef> readers = dependentsOf(graph, {1, 1});
    EXPECT_EQ(readers.size(), 100u);
    EXPECT_EQ(dependentsOf(graph, {5, 1}), readers);
    // Many formulas replaced and removed: what is recorded of the rest stays right.
    for (int row = 1; row <= 3000; ++row)
        graph.add({7, row}, parsed(L"=F1+A2", {7, row}));
    for (int row = 1; row <= 3000; ++row) {
        if (row % 4 == 0)
            graph.add({7, row}, parsed(L"=F2", {7, row}));
        else if (row != 1)
            graph.remove({7, row});
    }
    EXPECT_EQ(dependentsOf(graph, {6, 1}), (std::vector<CellRef>{{7, 1}}));
    EXPECT_EQ(dependentsOf(graph, {6, 2}).size(), 750u);
    graph.remove({7, 1});
    EXPECT_FALSE(graph.hasDependents({6, 1}));
    EXPECT_FALSE(graph.hasDependents({1, 2}));
    graph.remove({7, 4});
    EXPECT_EQ(dependentsOf(graph, {6, 2}).size(), 749u);

    graph.clear();
    EXPECT_TRUE(graph.empty());
    EXPECT_TRUE(dependentsOf(graph, {1, 1}).empty());
}

} // namespace
} // namespace grid::test
