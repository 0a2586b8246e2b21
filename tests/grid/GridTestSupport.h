#pragma once

#include "platform/grid/files/TextCodec.h"
#include "platform/grid/sheet/Sheet.h"
#include "platform/grid/values/ErrorCode.h"
#include "platform/grid/values/Value.h"
#include "tests/grid/ValuePrinter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace grid {
namespace test {

inline Value num(double n) {
    return Value::number(n);
}
inline Value text(const wchar_t* t) {
    return Value::text(t);
}
inline Value boolean(bool b) {
    return Value::boolean(b);
}
inline Value error(ErrorCode code) {
    return Value::error(code);
}

inline std::string narrow(std::wstring_view text) {
    return TextCodec::encodeUtf8(text);
}

// Equal values; numbers within a relative 1e-12.
inline ::testing::AssertionResult sameValue(const Value& actual, const Value& expected) {
    if (actual.isNumber() && expected.isNumber()) {
        const double a = actual.asNumber();
        const double e = expected.asNumber();
        if (a == e || std::fabs(a - e) <= 1e-12 * std::max(std::fabs(a), std::fabs(e)))
            return ::testing::AssertionSuccess();
    } else if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "got " << ::testing::PrintToString(actual)
                                         << ", expected " << ::testing::PrintToString(expected);
}

// A sheet with a few filled cells that formulas under test read:
//   A1:A3 = 1, 2, 3; A4 = "text"; A5 empty; A7 = "3" in an edit cell (text)
//   C1:C5 = 1, "x", TRUE, empty, 4
//   E1:E4 = 10, 20, 30, 40 and F1:F4 = "a".."d"; G1:G3 = apple, Banana, cherry
//   H1:J1 = 1, 2, 3 and H2:J2 = x, y, z; K1:K3 = 30, 20, 10
class FormulaSheet {
public:
    static constexpr CellRef kHost{12, 40};

    FormulaSheet() {
        sheet.setMaxCols(20);
        sheet.setMaxRows(50);
        set(1, 1, L"1");
        set(1, 2, L"2");
        set(1, 3, L"3");
        set(1, 4, L"text");
        sheet.setCellType(CellRange::single({1, 7}), CellType::edit(0, 100));
        set(1, 7, L"3");
        set(3, 1, L"1");
        set(3, 2, L"x");
        sheet.setFormula({3, 3}, L"=TRUE()");
        set(3, 5, L"4");
        const wchar_t* letters[] = {L"a", L"b", L"c", L"d"};
        for (int i = 0; i < 4; ++i) {
            set(5, i + 1, std::to_wstring((i + 1) * 10));
            set(6, i + 1, letters[i]);
        }
        set(7, 1, L"apple");
        set(7, 2, L"Banana");
        set(7, 3, L"cherry");
        const wchar_t* xyz[] = {L"x", L"y", L"z"};
        for (int i = 0; i < 3; ++i) {
            set(8 + i, 1, std::to_wstring(i + 1));
            set(8 + i, 2, xyz[i]);
            set(11, i + 1, std::to_wstring(30 - 10 * i));
        }
    }

    Value evaluate(const std::wstring& formula) {
        const Result result = sheet.setFormula(kHost, formula);
        EXPECT_TRUE(result.ok()) << narrow(formula) << ": " << narrow(result.message());
        return sheet.cellValue(kHost).value_or(Value());
    }

    Sheet sheet;

private:
    void set(int col, int row, const std::wstring& text) { sheet.setCellText({col, row}, text); }
};

struct FormulaCase {
    const wchar_t* formula;
    Value expected;
};

inline void checkCases(std::initializer_list<FormulaCase> cases) {
    FormulaSheet fixture;
    for (const FormulaCase& c : cases) {
        SCOPED_TRACE(narrow(c.formula));
        EXPECT_TRUE(sameValue(fixture.evaluate(c.formula), c.expected));
    }
}

} // namespace test
} // namespace grid
