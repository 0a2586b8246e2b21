#pragma once

#include <cstddef>

namespace grid {

// The largest sheet the control accepts. References beyond it cannot be written, and moving a
// reference past it turns it into #REF!.
inline constexpr int kMaxColumns = 16384;
inline constexpr int kMaxRows = 1048576;

// Longest text an operator or function may produce (Excel's cell limit). Texts stored in
// cells are not limited; the cap keeps REPT and repeated concatenation from exhausting memory.
inline constexpr std::size_t kMaxTextLength = 32767;

// Most text characters the formulas of one calculation may store in their cells (64 MiB of
// wide characters). Each text is bounded by kMaxTextLength, but ten thousand cells of
// REPT(...,32767) would still take gigabytes; past this total, results are #VALUE! and the
// sheet says so (Sheet::textLimitReached).
inline constexpr std::size_t kMaxCalculatedText = std::size_t{16} << 20;

// Deepest nesting of parentheses and function calls in one formula. Every pass over a formula
// tree recurses at most a small constant times this deep.
inline constexpr int kMaxNesting = 100;

} // namespace grid
