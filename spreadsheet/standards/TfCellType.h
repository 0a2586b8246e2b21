#pragma once

// The section of a standards sheet that declares a variable.
enum TfCellType { tfInput = 0, tfOutput = 1, tfLocal = 2 };
