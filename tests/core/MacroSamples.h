#pragma once

#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/Vdn_DbMacro.h"

#include <gtest/gtest.h>
#include <string>

// A connection macro with every kind of object: a plate group of two modules (one variable
// name in both, with flex/fix buttons that disagree), a bolt module with a two-direction and a
// one-direction pattern, a profile module without group, and two base profiles (the second
// without section or material).
inline const char* const kSampleMacro = R"({
  "name": "EndPlate",
  "generalVariables": [{"name": "gen_Gap", "value": 10}, {"name": "gen_Weld", "value": "4.5"}],
  "baseProfiles": [{"section": "HEA-200", "material": "S235"}, {"section": "", "material": ""}],
  "modules": [
    {"name": "Plate1", "group": "Plate", "kind": "plate",
     "variables": [
       {"name": "W", "value": "200", "shown": true, "settable": true, "flex": false},
       {"name": "H", "value": 300, "shown": true, "settable": false},
       {"name": "T", "value": "12", "shown": false, "settable": true, "flex": true}],
     "cuts": [{"name": "C1", "type": 1,
               "offsets": [5, null, 0, null, null, null, null, null, "2.5"]}],
     "profiles": [
       {"name": "Stiffener", "section": "IPE-200", "material": "S235", "memberName": "ST1"},
       {"name": "Stiffener", "section": "IPE-200", "material": "S355", "memberName": "ST1"},
       {"name": "", "section": "FL-10", "material": "S235", "memberName": ""}]},
    {"name": "Plate2", "group": "Plate", "kind": "plate",
     "variables": [{"name": "W", "value": "150", "flex": true}]},
    {"name": "Bolts1", "group": "Bolts", "kind": "bolt",
     "boltData": {"diameter": "20", "holeOffset": "2"},
     "patterns": [
       {"name": "P1", "typeCode": 282, "nrBolts": ["2", "3"], "reverseStart": [false, true]},
       {"name": "P2", "typeCode": 280, "nrBolts": [4]}]},
    {"name": "Column", "group": "", "kind": "profile",
     "profiles": [{"name": "Cleat", "section": "L-80x8", "material": "S235",
                   "memberName": "CL"}]}]
})";

// The macro read from text; a read failure fails the calling test.
inline Vdn_DbMacro readMacro(const std::string& json) {
    core::MacroReadResult result = Vdn_DbMacro::readFromText(json);
    EXPECT_TRUE(result.ok()) << result.message();
    return result.ok() ? result.macro() : Vdn_DbMacro();
}

inline Vdn_DbMacro sampleMacro() {
    return readMacro(kSampleMacro);
}
