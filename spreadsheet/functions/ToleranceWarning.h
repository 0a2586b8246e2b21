#pragma once

namespace ss {

// Tells the user that the tolerances of a standard-size function add up to nothing or less
// (an exclamation box), when the current document's spreadsheet messages are on.
void showToleranceWarning(double down, double up);

} // namespace ss
