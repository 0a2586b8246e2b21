#pragma once

namespace grid {

// How formulas are shown: 0 the control's default (A1), 1 A1, 2 R1C1. Both forms are read in
// every style; the style decides an ambiguous word such as "RC1".
enum class ReferenceStyle { Default = 0, A1 = 1, R1C1 = 2 };

} // namespace grid
