#include "TempFolder.h"
#include "platform/core/files/TextFileHelpers.h"

#include <gtest/gtest.h>

namespace {

const Vdn_StringArray kMappingLines{L"Mapping version 1.0",
                                    L"=A\u0192x\u2022Distance d\u00BFB\u0192y\u2022GenVar g", L"",
                                    L"caf\u00E9 \u00A4 end"};

TEST(ObjectExportFile, WritesUtf8WithoutBomAndReadsItBack) {
    TempFolder folder;
    ASSERT_TRUE(ObjectExportWriteFile(folder.name("a.map"), kMappingLines));
    EXPECT_EQ(folder.read("a.map"), "Mapping version 1.0\n"
                                    "=A\xC6\x92x\xE2\x80\xA2"
                                    "Distance d\xC2\xBF"
                                    "B\xC6\x92y\xE2\x80\xA2GenVar g\n"
                                    "\n"
                                    "caf\xC3\xA9 \xC2\xA4 end\n");
    Vdn_StringArray lines{L"stale"};
    ASSERT_TRUE(ObjectExportReadFile(folder.name("a.map"), lines));
    EXPECT_EQ(lines, kMappingLines);
}

TEST(ObjectExportFile, ReadsEveryEncodingAndLineEnd) {
    TempFolder folder;
    struct Case {
        std::string bytes;
        Vdn_StringArray lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {L"a", L"b"}},
        {"a\nb", {L"a", L"b"}},
        {"a\rb\r\rc", {L"a", L"b", L"", L"c"}},
        {"\n", {L""}},
        {"", {}},
        {"\xEF\xBB\xBF\xC2\xBF\r\n\xC6\x92", {L"\u00BF", L"\u0192"}},
        {std::string("\xFF\xFE\xBF\x00\r\x00\n\x00\x92\x01", 10), {L"\u00BF", L"\u0192"}},
        {std::string("\xFE\xFF\x00\xBF\x00\n\x20\x22", 8), {L"\u00BF", L"\u2022"}},
        {"\xBF\x83\r\n\x95\xA4", {L"\u00BF\u0192", L"\u2022\u00A4"}},
    };
    int index = 0;
    for (const Case& c : cases) {
        const std::string name = "case" + std::to_string(index++) + ".txt";
        folder.write(name, c.bytes);
        Vdn_StringArray lines;
        ASSERT_TRUE(ObjectExportReadFile(folder.name(name), lines)) << name;
        EXPECT_EQ(lines, c.lines) << name;
    }
}

TEST(ObjectExportFile, AnsiWriterWrites1252AndReportsLoss) {
    TempFolder folder;
    bool lossless = false;
    ASSERT_TRUE(ObjectExportWriteFileAnsi(
        folder.name("p.tfd"), {L"key\u00A44\u00A4\u00BF\u0192\u2022\u00A4"}, &lossless));
    EXPECT_TRUE(lossless);
    EXPECT_EQ(folder.read("p.tfd"), "key\xA4"
                                    "4\xA4\xBF\x83\x95\xA4\n");
    Vdn_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile(folder.name("p.tfd"), lines));
    EXPECT_EQ(lines, (Vdn_StringArray{L"key\u00A44\u00A4\u00BF\u0192\u2022\u00A4"}));

    ASSERT_TRUE(ObjectExportWriteFileAnsi(folder.name("q.tfd"), {L"\u4E2D=x"}, &lossless));
    EXPECT_FALSE(lossless);
    EXPECT_EQ(folder.read("q.tfd"), "?=x\n");
}

TEST(ObjectExportFile, FailuresLeaveThingsAsTheyWere) {
    TempFolder folder;
    Vdn_StringArray lines{L"kept"};
    EXPECT_FALSE(ObjectExportReadFile(folder.name("missing.txt"), lines));
    EXPECT_FALSE(ObjectExportReadFile(folder.name(""), lines)); // a folder is not a file
    EXPECT_EQ(lines, (Vdn_StringArray{L"kept"}));
    EXPECT_FALSE(ObjectExportWriteFile(folder.name("no/such/folder/x.txt"), lines));
    EXPECT_FALSE(ObjectExportWriteFile(L"", lines));
    EXPECT_FALSE(ObjectExportWriteFile(folder.name("*.txt"), lines));
    std::filesystem::create_directory(folder.path() / "dir");
    EXPECT_FALSE(ObjectExportWriteFile(folder.name("dir"), lines));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1); // no temporary file left behind
}

TEST(ObjectExportFile, WritesOverAnExistingFileSpelledInAnotherCase) {
    TempFolder folder;
    folder.write("Lib/Settings.MAP", "old\n");
    ASSERT_TRUE(ObjectExportWriteFile(folder.name("lib/settings.map"), {L"new"}));
    EXPECT_EQ(folder.read("Lib/Settings.MAP"), "new\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "lib"));
}

TEST(TextFile, WholeTextRoundTripsInEveryEncoding) {
    TempFolder folder;
    const std::wstring text = L"\u00BF\u0192\u2022\u00A4\r\nline two\n";
    const core::TextEncoding encodings[] = {
        core::TextEncoding::Utf8, core::TextEncoding::Utf8Bom, core::TextEncoding::Utf16Le,
        core::TextEncoding::Utf16Be, core::TextEncoding::Windows1252};
    for (const core::TextEncoding encoding : encodings) {
        bool lossless = false;
        ASSERT_TRUE(core::writeTextFile(folder.name("t.txt"), text, encoding, &lossless));
        EXPECT_TRUE(lossless);
        core::TextEncoding detected = core::TextEncoding::Utf8;
        EXPECT_EQ(core::readTextFile(folder.name("t.txt"), &detected), text);
        EXPECT_EQ(detected, encoding);
    }
}

} // namespace
