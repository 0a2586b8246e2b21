#pragma once

// The value type of a sheet variable, named in its declaring cell by the keyword "Int",
// "Double" or "String". Integer and double are the numeric types.
enum TfValueType { tfInteger = 0, tfDouble = 1, tfString = 2 };

inline bool isNumericValueType(TfValueType type) {
    return type == tfInteger || type == tfDouble;
}
