#pragma once

#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "platform/core/settings/DocumentData.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/grid/sheet/Sheet.h"
#include "platform/grid/values/Value.h"
#include "platform/ui/users/ScriptedUser.h"
#include "platform/ui/users/UserScope.h"
#include "spreadsheet/functions/StandardsFunctions.h"
#include "tests/grid/ValuePrinter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace ssfunctions_test {

inline grid::Value num(double n) {
    return grid::Value::number(n);
}
inline grid::Value text(const wchar_t* t) {
    return grid::Value::text(t);
}
// What a formula gives when its custom function fails.
inline grid::Value failed() {
    return grid::Value::error(grid::ErrorCode::Value);
}

// The folder of the test library: look-up tables, size lists and section tables.
inline Vdn_String dataDir() {
    return Vdn_String::fromUtf8(TESSA_SOURCE_ROOT) + L"/tests/spreadsheet/functions/data";
}

struct FormulaCase {
    const wchar_t* formula;
    grid::Value expected;
};

// A sheet with the standards functions, the test library as library folder and a scripted
// user that must see exactly the message boxes a test expects.
class FunctionsTest : public ::testing::Test {
protected:
    FunctionsTest() : savedSettings_(gSettings), savedDocument_(core::currentDocumentData()) {
        gSettings.setLibDir(dataDir());
        core::currentDocumentData().spreadsheetMessages = true;
        sheet.setMaxCols(6);
        sheet.setMaxRows(6);
        EXPECT_TRUE(ss::addStandardsFunctions(sheet));
    }
    ~FunctionsTest() override {
        gSettings = savedSettings_;
        core::currentDocumentData() = savedDocument_;
        gSectionTables.reload();
    }
    void TearDown() override { EXPECT_TRUE(user.verify()) << Vdn_String(user.failureText()); }

    grid::Value evaluate(const wchar_t* formula) {
        const grid::Result parsed = sheet.setFormula({6, 6}, formula);
        EXPECT_TRUE(parsed.ok()) << Vdn_String(formula);
        return sheet.cellValue({6, 6}).value_or(grid::Value());
    }
    void expectAll(std::initializer_list<FormulaCase> cases) {
        for (const FormulaCase& c : cases) {
            const grid::Value actual = evaluate(c.formula);
            if (actual.isNumber() && c.expected.isNumber())
                EXPECT_NEAR(actual.asNumber(), c.expected.asNumber(),
                            1e-12 * std::max(1.0, std::fabs(c.expected.asNumber())))
                    << Vdn_String(c.formula);
            else
                EXPECT_EQ(actual, c.expected) << Vdn_String(c.formula);
        }
    }

    grid::Sheet sheet;
    ui::ScriptedUser user;

private:
    Vdn_Settings savedSettings_;
    core::DocumentData savedDocument_;
    ui::UserScope scope_{user};
};

} // namespace ssfunctions_test
