#pragma once
// A drawing with two macros for the cut tests: "Frame" (a beam with one cut, a plate) and
// "Column" (a column with a notch). The drawing is cleared before and after.

#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace cuttest {

inline Vdn_DbMacro macroFrom(const char* json) {
    core::MacroReadResult result = Vdn_DbMacro::readFromText(json);
    EXPECT_TRUE(result.ok()) << result.message().toUtf8();
    return result.macro();
}

class CutDrawingTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        Vdn_Drawing::current().clear();
        frame = Vdn_Drawing::current().addMacro(macroFrom(R"({"name": "Frame", "modules": [
            {"name": "Beam1", "kind": "profile", "cuts": [
              {"name": "EndCut", "type": 1, "description": "Beam end",
               "offsets": [5, null, 0, null, null, null, null, null, null]},
              {"name": "Corner", "type": 5,
               "offsets": [null, null, null, null, null, null, 15, 15, null]}]},
            {"name": "Plate1", "kind": "plate"}]})"));
        column = Vdn_Drawing::current().addMacro(macroFrom(R"({"name": "Column", "modules": [
            {"name": "Col1", "kind": "profile", "cuts": [
              {"name": "Notch", "type": 3,
               "offsets": [null, null, null, null, 5, 5, null, null, null]}]}]})"));
    }
    void TearDown() override {
        uitest::ScriptedUserTest::TearDown();
        Vdn_Drawing::current().clear();
    }

    const Vdn_DbMacro& frameMacro() const { return *Vdn_Drawing::current().macro(frame); }
    const Vdn_Module& moduleOf(AcDbObjectId id, const wchar_t* name) const {
        const Vdn_Module* module = nullptr;
        Vdn_Drawing::current().macro(id)->openModule(name, module);
        return *module;
    }

    AcDbObjectId frame;
    AcDbObjectId column;
};

} // namespace cuttest
