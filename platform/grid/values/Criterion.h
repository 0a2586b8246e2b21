#pragma once

#include "platform/grid/values/Value.h"

#include <string>

namespace grid {

// The condition of COUNTIF, SUMIF and their kin. A number or boolean matches cells equal to it;
// a text may start with =, <>, <, <=, > or >= and compares with what follows: a number when it
// reads as one ("<=10", ">1,000"), else a text, where '*', '?' and '~' are wildcards and case
// does not count. "=" matches empty cells, "<>" every cell that holds something; "<>x"
// matches every cell that is not x, empty ones included.
class Criterion {
public:
    explicit Criterion(const Value& condition);

    bool matches(const Value& cell) const;

private:
    enum class Op { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

    Op op_ = Op::Equal;
    Value operand_;
    bool wildcards_ = false;
};

} // namespace grid
