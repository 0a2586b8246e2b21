#pragma once
// The example bolted splice opened in the current drawing, with a value cycle on its bolt tab
// and a scripted user for the dialogs.
#include "macro/cycle/MacroValueCycle.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/host/CommandLine.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>
#include <memory>

namespace macrotest {

class ValueCycleTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        Vdn_Drawing::current().clear();
        host::CommandLine::instance().clear();
        Vdn_String message;
        ASSERT_TRUE(Vdn_Drawing::current().openMacro(
            Vdn_String::fromUtf8(TESSA_SOURCE_ROOT "/examples/library/macros/BoltedSplice.json"),
            id, message))
            << message;
        AcArray<AcDbObjectId> ids;
        ids.append(id);
        ASSERT_TRUE(getMacroDataOf(ids, data));
        cycle = std::make_unique<MacroValueCycle>(data, L"Bolts");
        cycle->setRefresh([this] { ++refreshes; });
    }
    void TearDown() override {
        uitest::ScriptedUserTest::TearDown();
        Vdn_Drawing::current().clear();
    }

    const MacroTabData& bolts() const { return *cycle->tabData(); }
    // The bolt module as the drawing holds it.
    const Vdn_Module& boltModule() const { return Vdn_Drawing::current().macro(id)->modules[1]; }

    AcDbObjectId id;
    MacroData data;
    std::unique_ptr<MacroValueCycle> cycle;
    int refreshes = 0;
};

} // namespace macrotest
