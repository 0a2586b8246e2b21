// SECTIONSIZE and GETSYSNAME on the section tables of the test library.

#include "FunctionsTestSupport.h"

namespace ssfunctions_test {
namespace {

class SectionFunctions : public FunctionsTest {};

TEST_F(SectionFunctions, SectionSizeGivesAValueByPositionFromOne) {
    expectAll({
        {L"=SECTIONSIZE(\"HEA-200\",1)", num(190)},
        {L"=SECTIONSIZE(\"HEA-200\",2)", num(200)},
        {L"=SECTIONSIZE(\"HEA-200\",3)", num(6.5)},
        {L"=SECTIONSIZE(\"HEA-200\",6)", num(53.83)},
        {L"=SECTIONSIZE(\"HEA-200\",7)", num(42.3)},
        {L"=SECTIONSIZE(\"HEA-200\",1.9)", num(190)}, // truncated
        {L"=SECTIONSIZE(\"HE220A\",1)", num(210)},    // any naming of the profile
        {L"=SECTIONSIZE(\"hea 240\",4)", num(12)},
        {L"=SECTIONSIZE(\"HEA-200\",8)", failed()},
        {L"=SECTIONSIZE(\"HEA-200\",0)", failed()},
        {L"=SECTIONSIZE(\"HEA-200\",0.5)", failed()},
        {L"=SECTIONSIZE(\"HEA-200\",-1E30)", failed()},
        {L"=SECTIONSIZE(\"HEB-200\",1)", failed()},
        {L"=SECTIONSIZE(200,1)", failed()},
        {L"=SECTIONSIZE(\"HEA-200\",\"1\")", failed()},
    });
}

TEST_F(SectionFunctions, ValuesOfATableWithAKoreanColumnStartAfterIt) {
    expectAll({
        {L"=SECTIONSIZE(\"SHS-100x5\",1)", num(100)},
        {L"=SECTIONSIZE(\"SHS-100x5\",3)", num(5)},
        {L"=SECTIONSIZE(\"SHS120x6\",5)", num(21.2)},
        {L"=SECTIONSIZE(\"SHS-120x6\",6)", failed()},
        {L"=GETSYSNAME(\"\uAC01\uD615\uAC15\uAD00120x6\")", text(L"SHS-120x6")},
    });
}

TEST_F(SectionFunctions, GetSysNameGivesTheSystemNameOrTheNameItself) {
    expectAll({
        {L"=GETSYSNAME(\"HEA200\")", text(L"HEA-200")},
        {L"=GETSYSNAME(\"HE200A\")", text(L"HEA-200")},
        {L"=GETSYSNAME(\"HEA-200\")", text(L"HEA-200")},
        {L"=GETSYSNAME(\"he 220 a\")", text(L"HEA-220")},
        {L"=GETSYSNAME(\"\"\"HEA220\"\"\")", text(L"HEA-220")},
        {L"=GETSYSNAME(\"IPE 300\")", text(L"IPE 300")},
        {L"=GETSYSNAME(\"\")", text(L"")},
        {L"=GETSYSNAME(200)", failed()},
    });
}

} // namespace
} // namespace ssfunctions_test
