#pragma once

#include "platform/grid/sheet/CellRange.h"
#include "platform/grid/sheet/CellRef.h"

#include <string>
#include <utility>

namespace grid {

// The record through which a custom function receives each argument and returns its result:
// a status, a kind and the value of that kind. A result starts Empty.
struct FunctionValue {
    enum class Status { Ok, Error, Empty };
    enum class Kind { Integer, Real, Text, Cell, Range };

    Status status = Status::Empty;
    Kind kind = Kind::Integer;
    long integer = 0;
    double real = 0;
    std::wstring text;
    CellRef cell;    // Kind::Cell: the referenced cell
    CellRange range; // Kind::Range: the referenced block

    static FunctionValue ofInteger(long value) {
        FunctionValue v;
        v.status = Status::Ok;
        v.kind = Kind::Integer;
        v.integer = value;
        return v;
    }
    static FunctionValue ofReal(double value) {
        FunctionValue v;
        v.status = Status::Ok;
        v.kind = Kind::Real;
        v.real = value;
        return v;
    }
    static FunctionValue ofText(std::wstring value) {
        FunctionValue v;
        v.status = Status::Ok;
        v.kind = Kind::Text;
        v.text = std::move(value);
        return v;
    }
    static FunctionValue ofCell(CellRef ref) {
        FunctionValue v;
        v.status = Status::Ok;
        v.kind = Kind::Cell;
        v.cell = ref;
        return v;
    }
    static FunctionValue ofRange(const CellRange& block) {
        FunctionValue v;
        v.status = Status::Ok;
        v.kind = Kind::Range;
        v.range = block;
        return v;
    }
    static FunctionValue ofError() {
        FunctionValue v;
        v.status = Status::Error;
        return v;
    }
    static FunctionValue empty() { return {}; }

    bool isOk() const { return status == Status::Ok; }
    // Ok and Integer or Real.
    bool isNumber() const { return isOk() && (kind == Kind::Integer || kind == Kind::Real); }
    double number() const { return kind == Kind::Integer ? static_cast<double>(integer) : real; }
};

} // namespace grid
