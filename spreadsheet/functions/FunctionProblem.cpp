#include "spreadsheet/functions/FunctionProblem.h"

namespace ss {

namespace {

// A calculation runs on one thread; another thread's calculation keeps its own note.
Vdn_String& note() {
    thread_local Vdn_String problem;
    return problem;
}

} // namespace

void noteFunctionProblem(const Vdn_String& problem) {
    note() = problem;
}

const Vdn_String& functionProblem() {
    return note();
}

void clearFunctionProblem() {
    note() = Vdn_String();
}

} // namespace ss
