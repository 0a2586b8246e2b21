#include "platform/core/text/Wildcard.h"

#include "platform/core/text/Vdn_String.h"

#include <gtest/gtest.h>

namespace {

TEST(WildcardMatch, WindowsFileSearchRules) {
    struct Case {
        const wchar_t* pattern;
        const wchar_t* name;
        bool matches;
    };
    const Case cases[] = {
        {L"*.tfs", L"Plate.TFS", true},
        {L"*.tfs", L"plate.tfs.bak", false},
        {L"t?.sss", L"t3.sss", true},
        {L"t?.sss", L"t.sss", false},
        {L"t?.sss", L"t34.sss", false},
        {L"*", L"", true},
        {L"*", L"anything", true},
        {L"", L"", true},
        {L"", L"a", false},
        {L"a*b*c", L"aXXbYYc", true},
        {L"a*b*c", L"aXXbYY", false},
        {L"*a*", L"bAb", true},
        {L"**?", L"x", true},
        {L"**?", L"", false},
        {L"\u00C9*", L"\u00E9cole", true},
        {L"?", L"\u00E9", true},
        {L"a*a*a*a*b", L"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(core::wildcardMatch(c.pattern, c.name), c.matches)
            << Vdn_String(c.pattern).toUtf8() << " / " << Vdn_String(c.name).toUtf8();
    }
}

} // namespace
