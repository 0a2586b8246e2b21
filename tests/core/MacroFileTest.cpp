#include "MacroSamples.h"
#include "TempFolder.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/text/TextCodec.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;
using ::testing::StartsWith;

const char* const kExample = R"({"name": "EndPlate",
 "generalVariables": [{"name": "gen_Gap", "value": 10}],
 "baseProfiles": [{"section": "HEA-200", "material": "S235"}],
 "modules": [
   {"name": "Plate1", "group": "Plate", "kind": "plate",
    "variables": [{"name": "W", "value": "200", "shown": true, "settable": true,
                   "flex": false}],
    "cuts": [{"name": "C1", "type": 1,
              "offsets": [5, null, 0, null, null, null, null, null, null]}],
    "profiles": [{"name": "Stiffener", "section": "IPE-200", "material": "S235",
                  "memberName": "ST1"}]},
   {"name": "Bolts1", "group": "Bolts", "kind": "bolt",
    "boltData": {"diameter": "20", "holeOffset": "2"},
    "patterns": [{"name": "P1", "typeCode": 282, "nrBolts": ["2", "3"],
                  "reverseStart": [false, true]}]}]})";

std::string withModuleText(const std::string& module) {
    return R"({"name": "M", "modules": [)" + module + "]}";
}

Json written(const Vdn_DbMacro& macro) {
    return Json::parse(macro.toJsonText());
}

TEST(MacroFile, ExampleIsWrittenBackWithItsValuesAsTexts) {
    Json expected = Json::parse(kExample);
    expected["generalVariables"][0]["value"] = "10";
    expected["modules"][0]["cuts"][0]["offsets"][0] = "5";
    expected["modules"][0]["cuts"][0]["offsets"][2] = "0";
    EXPECT_EQ(written(readMacro(kExample)), expected);
}

TEST(MacroFile, RoundTripLosesNothing) {
    const Vdn_DbMacro macro = sampleMacro();
    const std::string first = macro.toJsonText();
    const Vdn_DbMacro again = readMacro(first);
    EXPECT_EQ(again, macro);
    EXPECT_EQ(again.toJsonText(), first); // byte for byte once values are texts
}

TEST(MacroFile, AdvancedPlacementSettingsAndSegmentsComeBackAsRead) {
    const std::string input = withModuleText(
        R"({"name": "S", "kind": "profile", "profiles": [{"name": "Rafter", "section": "HEA-300",
            "memberName": "", "material": "", "basePlane": "yp", "coordinateSystem": "UCS1",
            "secondValue": 25.5, "planeAxis": 1, "morphed": true, "endSection": "HEA-200",
            "morphStartText": "a", "morphEndText": "b", "mirrored": true, "extended": true,
            "extension": 40.0,
            "segments": [{"name": "Haunch", "secondText": "taper", "length": 1200.5,
                          "flag": true, "colour": "red",
                          "values": [{"number": "1", "value": "300", "note": 7}]}]}]})");
    const Vdn_DbMacro macro = readMacro(input);
    const Vdn_ProfilePlacement& placement = macro.modules[0].profiles[0];
    EXPECT_EQ(placement.planeAxis, 1);
    EXPECT_EQ(placement.secondValue, 25.5);
    ASSERT_EQ(placement.segments.length(), 1);
    EXPECT_EQ(placement.segments[0].values[0].value, L"300");
    EXPECT_EQ(written(macro)["modules"][0]["profiles"][0],
              Json::parse(input)["modules"][0]["profiles"][0]);
}

TEST(MacroFile, UnknownKeysAtEveryLevelAreKept) {
    const char* const input = R"({
      "name": "M", "version": 3, "notes": {"by": "¿ƒ•¤", "list": [1, 0.1, 1e300, null]},
      "generalVariables": [{"name": "gen_A", "value": 1, "unit": "mm"}],
      "baseProfiles": [{"section": "HEA-200", "rotation": -0.0}],
      "modules": [
        {"name": "P", "kind": "plate", "zeta": true, "alpha": [[{"deep": 18446744073709551615}]],
         "variables": [{"name": "W", "value": 1, "min": -5.25}],
         "cuts": [{"name": "C", "type": 2, "shape": "notch"}],
         "profiles": [{"name": "S", "slope": "90"}]},
        {"name": "B", "kind": "bolt", "boltData": {"diameter": 20, "grade": "8.8"},
         "patterns": [{"name": "P1", "nrBolts": [2], "spacing": [60, 70]}]}]})";
    const Json original = Json::parse(input);
    const Vdn_DbMacro macro = readMacro(input);
    EXPECT_EQ(macro.modules[0].extras.find("name"), nullptr);
    ASSERT_NE(macro.modules[0].extras.find("zeta"), nullptr);

    const Json output = written(macro);
    for (const char* pointer :
         {"/version", "/notes", "/generalVariables/0/unit", "/baseProfiles/0/rotation",
          "/modules/0/zeta", "/modules/0/alpha", "/modules/0/variables/0/min",
          "/modules/0/cuts/0/shape", "/modules/0/profiles/0/slope", "/modules/1/boltData/grade",
          "/modules/1/patterns/0/spacing"}) {
        SCOPED_TRACE(pointer);
        const Json::json_pointer at(pointer);
        ASSERT_TRUE(output.contains(at));
        EXPECT_EQ(output.at(at), original.at(at));
    }
    EXPECT_TRUE(std::signbit(output["baseProfiles"][0]["rotation"].get<double>()));

    // Unknown keys follow the known ones, in their own order.
    const OrderedJson ordered = OrderedJson::parse(macro.toJsonText());
    std::vector<std::string> keys;
    for (const auto& [key, value] : ordered["modules"][0].items())
        keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"name", "group", "kind", "variables", "cuts",
                                              "profiles", "zeta", "alpha"}));
}

struct NumberCase {
    const char* literal;
    const wchar_t* text;
};

class NumberText : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberText, NumbersAreKeptAndWrittenAsTexts) {
    const std::string json = std::string(R"({"generalVariables": [{"name": "g", "value": )") +
                             GetParam().literal + "}]}";
    const Vdn_DbMacro macro = readMacro(json);
    ASSERT_EQ(macro.generalVariables.length(), 1);
    EXPECT_EQ(macro.generalVariables[0].value, Vdn_String(GetParam().text));
    EXPECT_EQ(written(macro)["generalVariables"][0]["value"],
              Json(Vdn_String(GetParam().text).toUtf8()));
}

INSTANTIATE_TEST_SUITE_P(
    MacroFile, NumberText,
    ::testing::Values(NumberCase{"10", L"10"}, NumberCase{"-3", L"-3"}, NumberCase{"2.5", L"2.5"},
                      NumberCase{"1.0", L"1"}, NumberCase{"0.1", L"0.1"},
                      NumberCase{"1e-7", L"1e-07"}, NumberCase{"1.5E300", L"1.5e+300"},
                      NumberCase{"-0.0", L"-0"},
                      NumberCase{"18446744073709551615", L"18446744073709551615"},
                      NumberCase{"\"007\"", L"007"}));

TEST(MacroFile, KnownKeysAreWrittenInFullAndEmptyListsLeftOut) {
    const Vdn_DbMacro macro = readMacro(R"({"modules": [
        {"name": "P", "variables": [], "cuts": [{"name": "C"}]},
        {"name": "B", "kind": "bolt"}]})");
    const Json output = written(macro);
    const Json expected = Json::parse(R"({"name": "", "modules": [
        {"name": "P", "group": "", "kind": "other",
         "cuts": [{"name": "C", "type": 0,
                   "offsets": [null, null, null, null, null, null, null, null, null]}]},
        {"name": "B", "group": "", "kind": "bolt",
         "boltData": {"diameter": "", "holeOffset": ""}}]})");
    EXPECT_EQ(output, expected);
}

TEST(MacroFile, FlexFixButtonsKeepTheirThreeStates) {
    const Vdn_DbMacro macro = sampleMacro();
    const Json plate = written(macro)["modules"][0]["variables"];
    EXPECT_EQ(plate[0]["flex"], Json(false));
    EXPECT_FALSE(plate[1].contains("flex")); // no button
    EXPECT_EQ(plate[2]["flex"], Json(true));
    EXPECT_EQ(macro.modules[0].variables[0].flex, std::optional<bool>(false));
    EXPECT_FALSE(macro.modules[0].variables[1].hasFlexFixButton());
}

TEST(MacroFile, KeptKeysNeverOverwriteKnownOnes) {
    Vdn_DbMacro macro = sampleMacro();
    macro.extras.add("name", "\"Other\"");
    macro.extras.add("broken", "{");
    macro.extras.add("deep", std::string(100, '[') + std::string(100, ']'));
    macro.extras.add("fine", "[1]");
    const Json output = written(macro);
    EXPECT_EQ(output["name"], Json("EndPlate"));
    EXPECT_FALSE(output.contains("broken"));
    EXPECT_FALSE(output.contains("deep"));
    EXPECT_EQ(output["fine"], Json::parse("[1]"));
}

struct DamageCase {
    const char* label;
    std::string json;
    const char* message;
};

std::string withModule(const std::string& module) {
    return R"({"name": "M", "modules": [)" + module + "]}";
}

constexpr const char* kNotAMacro =
    "not a macro file (it has none of the keys of a macro: \"name\", \"title\", \"objectId\", "
    "\"tabs\", \"settings\", \"generalVariables\", \"baseProfiles\", \"modules\")";

class DamagedFile : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFile, GivesAClearErrorAndNoMacro) {
    const core::MacroReadResult result = Vdn_DbMacro::readFromText(GetParam().json);
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(static_cast<bool>(result));
    EXPECT_EQ(result.message().toUtf8(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    MacroFile, DamagedFile,
    ::testing::Values(
        DamageCase{"NotAnObject", "[1, 2]", "the file does not hold a JSON object"},
        DamageCase{"NoKeyOfAMacro", R"({"drawing": [], "standards": [], "Name": "M"})", kNotAMacro},
        DamageCase{"EmptyObject", "{}", kNotAMacro},
        DamageCase{"NameNotText", R"({"name": 5})", "name: expected a text"},
        DamageCase{"ModulesNotList", R"({"modules": {}})", "modules: expected a list"},
        DamageCase{"ModuleNotObject", R"({"modules": [5]})", "modules[0]: expected an object"},
        DamageCase{"ModuleWithoutName", withModule(R"({"kind": "plate"})"),
                   "modules[0].name: is missing"},
        DamageCase{"ModuleWithEmptyName", withModule(R"({"name": ""})"),
                   "modules[0].name: must not be empty"},
        DamageCase{"UnknownKind", withModule(R"({"name": "A", "kind": "Bolt"})"),
                   "modules[0].kind: unknown module kind \"Bolt\" (expected \"bolt\", "
                   "\"profile\", \"plate\" or \"other\")"},
        DamageCase{"DuplicateModules", withModule(R"({"name": "A"}, {"name": "a"})"),
                   "modules: the name \"A\" occurs more than once (names are compared "
                   "without regard to case)"},
        DamageCase{"DuplicateVariables",
                   withModule(R"({"name": "A", "variables": [{"name": "W"}, {"name": "w"}]})"),
                   "modules[0].variables: the name \"W\" occurs more than once (names are "
                   "compared without regard to case)"},
        DamageCase{"PlaneAxisOutOfRange",
                   withModule(R"({"name": "A", "profiles": [{"planeAxis": 3}]})"),
                   "modules[0].profiles[0].planeAxis: 3 is not between 0 and 2"},
        DamageCase{"SegmentLengthNotNumber",
                   withModule(R"({"name": "A", "profiles": [{"segments": [{"length": "x"}]}]})"),
                   "modules[0].profiles[0].segments[0].length: expected a number"},
        DamageCase{"ShownNotBool",
                   withModule(R"({"name": "A", "variables": [{"name": "W", "shown": 1}]})"),
                   "modules[0].variables[0].shown: expected true or false"},
        DamageCase{"FlexAsText",
                   withModule(R"({"name": "A", "variables": [{"name": "W", "flex": "true"}]})"),
                   "modules[0].variables[0].flex: expected true or false"},
        DamageCase{"ValueAsBool",
                   withModule(R"({"name": "A", "variables": [{"name": "W", "value": true}]})"),
                   "modules[0].variables[0].value: expected a number or a text"},
        DamageCase{"CutTypeNotWhole",
                   withModule(R"({"name": "A", "cuts": [{"name": "C", "type": 1.5}]})"),
                   "modules[0].cuts[0].type: expected a whole number"},
        DamageCase{"CutTypeTooLarge",
                   withModule(R"({"name": "A", "cuts": [{"name": "C", "type": 3000000000}]})"),
                   "modules[0].cuts[0].type: is out of range"},
        DamageCase{"EightOffsets",
                   withModule(R"({"name": "A", "cuts": [{"name": "C", "offsets": [1, 2, 3, 4,
                              5, 6, 7, 8]}]})"),
                   "modules[0].cuts[0].offsets: expected 9 entries (offset types 0 to 8), "
                   "found 8"},
        DamageCase{"OffsetNotNumber",
                   withModule(R"({"name": "A", "cuts": [{"name": "C", "offsets": [null,
                              "wide", null, null, null, null, null, null, null]}]})"),
                   "modules[0].cuts[0].offsets[1]: \"wide\" is not a number"},
        DamageCase{"PatternsOnPlate",
                   withModule(R"({"name": "A", "kind": "plate", "patterns": []})"),
                   "modules[0].patterns: only a bolt module has patterns"},
        DamageCase{"BoltDataNotObject",
                   withModule(R"({"name": "A", "kind": "bolt", "boltData": "M20"})"),
                   "modules[0].boltData: expected an object"},
        DamageCase{"NrBoltsMissing",
                   withModule(R"({"name": "B", "kind": "bolt", "patterns": [{"name": "P"}]})"),
                   "modules[0].patterns[0].nrBolts: is missing"},
        DamageCase{"ThreeDirections", withModule(R"({"name": "B", "kind": "bolt",
                              "patterns": [{"name": "P", "nrBolts": [1, 2, 3]}]})"),
                   "modules[0].patterns[0].nrBolts: expected 1 or 2 entries (one per "
                   "direction)"},
        DamageCase{"ReverseStartTooShort",
                   withModule(R"({"name": "B", "kind": "bolt", "patterns": [{"name": "P",
                              "nrBolts": [1, 2], "reverseStart": [true]}]})"),
                   "modules[0].patterns[0].reverseStart: expected 2 entries, as many as "
                   "nrBolts"},
        DamageCase{"GeneralVariableWithoutName", R"({"generalVariables": [{"value": 1}]})",
                   "generalVariables[0].name: is missing"},
        DamageCase{"SectionNotText", R"({"baseProfiles": [{"section": ["HEA"]}]})",
                   "baseProfiles[0].section: expected a text"}),
    [](const ::testing::TestParamInfo<DamageCase>& info) { return info.param.label; });

TEST(MacroFile, InvalidJsonNamesItsPosition) {
    struct Case {
        std::string json;
        const char* start;
    };
    const Case cases[] = {
        {"", "not valid JSON at line 1, column 1: "},
        {"{\"name\": ", "not valid JSON at line 1, column 10: "},
        {"{\n  \"name\": \"A\",\n  x}", "not valid JSON at line 3, column 3: "},
        // The position is the character at which reading failed: "tr" could still be "true".
        {"{\"name\": \"A\"} trailing", "not valid JSON at line 1, column 17: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.json);
        const core::MacroReadResult result = Vdn_DbMacro::readFromText(c.json);
        EXPECT_FALSE(result.ok());
        EXPECT_THAT(result.message().toUtf8(), StartsWith(c.start));
    }
}

// A number beyond the range of a double is damage like any other, not an escaping exception.
TEST(MacroFile, NumberTooLargeIsRefused) {
    const core::MacroReadResult result =
        Vdn_DbMacro::readFromText("{\"name\": \"A\", \"x\": 4e999}");
    EXPECT_FALSE(result.ok());
    EXPECT_THAT(result.message().toUtf8(), StartsWith("not valid JSON: "));
}

TEST(MacroFile, NestingDeeperThanAFileNeedsIsRefused) {
    const auto nested = [](int levels) {
        return "{\"x\": " + std::string(static_cast<std::size_t>(levels) - 1, '[') +
               std::string(static_cast<std::size_t>(levels) - 1, ']') + ", \"name\": \"A\"}";
    };
    EXPECT_TRUE(Vdn_DbMacro::readFromText(nested(64)).ok());
    const core::MacroReadResult result = Vdn_DbMacro::readFromText(nested(65));
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.message(), Vdn_String(L"nested deeper than 64 levels at line 1, column 70"));
    // Brackets inside texts do not count.
    EXPECT_TRUE(
        Vdn_DbMacro::readFromText("{\"x\": \"" + std::string(200, '[') + "\\\"\", \"name\": \"A\"}")
            .ok());
}

TEST(MacroFile, FilesInAnyEncodingAndTheirFailures) {
    TempFolder folder;
    const Vdn_DbMacro macro = sampleMacro();
    ASSERT_TRUE(macro.writeToFile(folder.name("EndPlate.json")));
    EXPECT_EQ(folder.read("EndPlate.json"), macro.toJsonText());
    core::MacroReadResult read = Vdn_DbMacro::readFromFile(folder.name("EndPlate.json"));
    ASSERT_TRUE(read.ok()) << read.message();
    EXPECT_EQ(read.macro(), macro);

    const std::wstring text = L"{\"name\": \"Kop¿ƒ•¤\"}";
    for (const core::TextEncoding encoding :
         {core::TextEncoding::Utf8Bom, core::TextEncoding::Utf16Le, core::TextEncoding::Utf16Be}) {
        folder.write("encoded.json", core::TextCodec::encode(text, encoding));
        read = Vdn_DbMacro::readFromFile(folder.name("encoded.json"));
        ASSERT_TRUE(read.ok()) << read.message();
        EXPECT_EQ(read.macro().name, Vdn_String(L"Kop¿ƒ•¤"));
    }

    const Vdn_String missing = folder.name("missing.json");
    read = Vdn_DbMacro::readFromFile(missing);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.message(), L"cannot read the macro file " + missing);

    folder.write("damaged.json", "{\"name\": 1}");
    read = Vdn_DbMacro::readFromFile(folder.name("damaged.json"));
    EXPECT_EQ(read.message(), folder.name("damaged.json") + L": name: expected a text");

    EXPECT_FALSE(macro.writeToFile(folder.name("no/such/folder/EndPlate.json")));
}

} // namespace
