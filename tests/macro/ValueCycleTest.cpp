// The value cycle of a tab, the pattern records it carries and their place in the macro file.
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "tests/macro/ValueCycleFixture.h"

namespace {

using macrotest::ValueCycleTest;

TEST_F(ValueCycleTest, AppliedChangeReachesTheModelAndIsChecked) {
    MacroTabData changed = bolts();
    changed.cells[changed.findCellWithName(L"Pitch")].value = L"90";
    EXPECT_EQ(cycle->update(changed), MacroValueCycle::Outcome::Applied);
    EXPECT_EQ(boltModule().variables[1].value, L"90");
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(host::CommandLine::instance().promptCount(), 1);
    // Nothing changed: no update, but the pages are still shown again.
    EXPECT_EQ(cycle->update(bolts()), MacroValueCycle::Outcome::Unchanged);
    EXPECT_EQ(refreshes, 2);
}

// A change the model refuses (here a clash with the minimum of the pitch) is taken back: the
// record shows what the model holds and the reason is on the command line.
TEST_F(ValueCycleTest, RefusedChangeIsTakenBackWithItsReason) {
    const MacroTabData before = bolts();
    MacroTabData changed = before;
    changed.cells[changed.findCellWithName(L"Pitch")].value = L"20";
    changed.patterns[0].valuesText = L"9 x 9"; // goes back with the rest
    EXPECT_EQ(cycle->update(changed), MacroValueCycle::Outcome::Refused);
    EXPECT_EQ(bolts(), before);
    EXPECT_EQ(boltModule().variables[1].value, L"80");
    EXPECT_NE(cycle->lastRefusal().str().find(L"Pitch"), std::wstring::npos);
    EXPECT_NE(host::CommandLine::instance().text().find(L"The change of Bolts was refused: " +
                                                        cycle->lastRefusal().str()),
              std::wstring::npos);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(ValueCycleTest, PatternSettingsTravelThroughTheModelAndTheFile) {
    ASSERT_EQ(bolts().patterns.length(), 2);
    const MacroPatternProps& flange = bolts().patterns[0];
    EXPECT_EQ(flange.directionKind, MacroPatternProps::kTwoDirections);
    EXPECT_EQ(flange.directions[0].secondText, L"3");
    EXPECT_EQ(flange.directions[0].values, (Vdn_StringArray{L"80", L"80"}));
    EXPECT_EQ(flange.alternation, (std::array<int, 3>{1, 0, 1}));
    EXPECT_EQ(flange.getCount(), 6);
    EXPECT_TRUE(bolts().patterns[1].isOneDirection());
    EXPECT_EQ(bolts().patterns[1].getCount(), -1);

    MacroPatternProps changed = flange;
    changed.directions[1].secondText = L"4";
    changed.directions[1].kind = -1; // undetermined: the model keeps its spacing
    changed.option = 1;
    changed.alternation = {1, 1, 0};
    ASSERT_TRUE(cycle->applyPattern(0, changed));
    const Vdn_BoltPattern& pattern = boltModule().patterns[0];
    EXPECT_EQ(pattern.nrBolts, (Vdn_StringArray{L"3", L"4"}));
    EXPECT_EQ(pattern.direction(1).spacing, 0);
    EXPECT_TRUE(pattern.mirrored);

    const core::MacroReadResult again =
        Vdn_DbMacro::readFromText(Vdn_Drawing::current().macro(id)->toJsonText());
    ASSERT_TRUE(again.ok()) << again.message();
    EXPECT_EQ(again.macro().modules[1].patterns[0], pattern);
    EXPECT_EQ(again.macro().modules[1].arrays, boltModule().arrays);
}

TEST_F(ValueCycleTest, PatternFoundByItsButtonOrItsGridRow) {
    MacroTabData tab = bolts();
    tab.patterns[0].buttonId = 33004;
    tab.patterns[1].valuesId = -3;
    tab.patterns[1].buttonId = -3;
    struct Case {
        int id;
        int found;
    };
    for (const Case c : {Case{33004, 0}, Case{-3, 1}, Case{0, -1}, Case{33005, -1}, Case{-4, -1}})
        EXPECT_EQ(tab.findPatternWithBtnId(c.id), c.found) << c.id;
    // Unset ids (0) never stand for a row.
    EXPECT_EQ(bolts().findPatternWithBtnId(0), -1);
}

TEST(MacroFilePatterns, BadPatternSettingsAreRefusedWithWhere) {
    struct Case {
        const char* pattern;
        const char* message;
    };
    const Case cases[] = {
        {R"({"name": "P", "nrBolts": ["2"], "directions": [{}, {}]})",
         "modules[0].patterns[0].directions: expected at most 1 entries, as many as nrBolts"},
        {R"({"name": "P", "nrBolts": ["2"], "directions": [{"spacing": 3}]})",
         "modules[0].patterns[0].directions[0].spacing: 3 is not between 0 and 2"},
        {R"({"name": "P", "nrBolts": ["2"], "alternation": [true]})",
         "modules[0].patterns[0].alternation: expected 3 entries, found 1"},
    };
    for (const Case& c : cases) {
        const std::string text = std::string(R"({"modules": [{"name": "B", "kind": "bolt", )") +
                                 R"("patterns": [)" + c.pattern + "]}]}";
        const core::MacroReadResult read = Vdn_DbMacro::readFromText(text);
        ASSERT_FALSE(read.ok()) << c.pattern;
        EXPECT_EQ(read.message(), Vdn_String::fromUtf8(c.message));
    }
    // A pattern of the first version reads with default settings and writes back unchanged.
    const std::string old = R"({"modules": [{"name": "B", "kind": "bolt", "patterns": [)"
                            R"({"name": "P", "typeCode": 280, "nrBolts": ["2"]}]}]})";
    const core::MacroReadResult read = Vdn_DbMacro::readFromText(old);
    ASSERT_TRUE(read.ok()) << read.message();
    EXPECT_TRUE(read.macro().modules[0].patterns[0].button);
    EXPECT_EQ(read.macro().toJsonText().find("directions"), std::string::npos);
}

} // namespace
