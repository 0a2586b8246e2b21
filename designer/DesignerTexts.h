#pragma once
// Numbers of the designer's numbered texts (a block of their own, see docs/resource-ids.md).

namespace designer {

// The caption of control type t is kTypeCaptionBase + t.
constexpr int kTypeCaptionBase = 20000;
// The third state of a check box, and the first entry of a cut combo.
constexpr int kUndeterminedText = 20040;
// The four states of a cut, after the undetermined entry.
constexpr int kCutStateBase = 20041;
constexpr int kCutStateCount = 4;

} // namespace designer
