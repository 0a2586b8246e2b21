#include "platform/core/files/PathHelpers.h"

#include <gtest/gtest.h>

namespace {

using Case = std::pair<const wchar_t*, const wchar_t*>;

TEST(PathHelpers, RemoveExtension) {
    const Case cases[] = {
        {L"c:\\lib\\a.tfs", L"c:\\lib\\a"},
        {L"a.b.tfs", L"a.b"},
        {L"c:\\a.dir\\file", L"c:\\a.dir\\file"},
        {L"c:\\lib\\.profile", L"c:\\lib\\.profile"},
        {L"name.", L"name"},
        {L"", L""},
        {L"/unix/path/x.map", L"/unix/path/x"},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(removeExtension(path).str(), expected) << Vdn_String(path).toUtf8();
}

TEST(PathHelpers, FolderPartAndSeparators) {
    const Case folders[] = {
        {L"c:\\lib\\Connection Standards\\a.tfs", L"c:\\lib\\Connection Standards\\"},
        {L"/home/x/lib/a.tfs", L"/home/x/lib/"},
        {L"/home/x/lib\\Connection Standards\\a.tfs", L"/home/x/lib\\Connection Standards\\"},
        {L"a.tfs", L""},
        {L"c:\\", L"c:\\"},
    };
    for (const auto& [path, expected] : folders)
        EXPECT_EQ(getPath(path).str(), expected) << Vdn_String(path).toUtf8();
    EXPECT_EQ(ensureEndBSlash(L"c:\\lib").str(), L"c:\\lib\\");
    EXPECT_EQ(ensureEndBSlash(L"c:\\lib\\").str(), L"c:\\lib\\");
    EXPECT_EQ(ensureEndBSlash(L"/home/lib/").str(), L"/home/lib/");
    EXPECT_EQ(ensureEndBSlash(L"").str(), L"");
    EXPECT_EQ(ensureNoStartBSlash(L"\\\\Childs\\a.tfs").str(), L"Childs\\a.tfs");
    EXPECT_EQ(ensureNoStartBSlash(L"/a").str(), L"a");
    EXPECT_EQ(ensureNoStartBSlash(L"a\\").str(), L"a\\");
}

TEST(PathHelpers, InvalidFileNameCharacters) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"width", false}, {L"plate \u00E9\u00A4", false},
        {L"a/b", true},    {L"a\\b", true},
        {L"a:b", true},    {L"a*", true},
        {L"a?", true},     {L"\"a\"", true},
        {L"a<b>", true},   {L"a|b", true},
        {L"a\tb", true},   {L"", false},
    };
    for (const auto& [name, invalid] : cases)
        EXPECT_EQ(hasInvalidFileNameChars(name), invalid) << Vdn_String(name).toUtf8();
}

} // namespace
