#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

namespace ss {

// What an evaluation tells its caller besides its variables: why it failed, and how many of
// the sheet's inputs the mapping could fill (an evaluation that filled none computed from
// empty inputs). The caller owns it; the evaluation and its child calls write into it.
struct EvaluationReport {
    // The first reason given: the deepest cause, since a failure is reported where it starts.
    Vdn_String failure;
    // Why the mapping gave nothing (no mapping file, no such mapping, no such module group).
    Vdn_String mappingProblem;
    int inputs = 0;
    int filledInputs = 0;
    // What went wrong without stopping the evaluation (an equation that failed, in this sheet
    // or a child sheet), each once, in the order met: "file row N: equation: reason".
    Vdn_StringArray problems;

    void fail(const Vdn_String& reason) {
        if (failure.isEmpty())
            failure = reason;
    }
    // A bound keeps a sheet whose every equation fails, called in a loop, from growing the
    // log without end.
    static constexpr int kMaxProblems = 100;
    void note(const Vdn_String& problem) {
        if (problems.length() < kMaxProblems && !problems.contains(problem))
            problems.append(problem);
    }
};

} // namespace ss
