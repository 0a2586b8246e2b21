#pragma once

#include "platform/core/text/Vdn_String.h"

#include <optional>

// The rule a new variable name of a module keeps, wherever the name comes from (the macro
// editor, the command line): a letter, then letters and digits. That leaves out spaces, and
// underscores with them the "gen_..." names of the general variables, so that a module's variable
// is never taken for one. Whether a name is already in use is a question of the macro, asked
// apart (VarNameInUse).
enum class VariableNameFault { Empty, LeadingDigit, NotLetterOrDigit };

std::optional<VariableNameFault> variableNameFault(const Vdn_String& name);

// Why name cannot name a new variable, in a sentence that quotes it
// ("gen_Gap" cannot name a variable: "_" is neither a letter nor a digit); nothing when it can.
std::optional<Vdn_String> variableNameProblem(const Vdn_String& name);
