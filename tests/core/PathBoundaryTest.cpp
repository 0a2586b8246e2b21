#include "platform/core/PathBoundary.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class PathBoundary : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("Lib/Connection Standards/Plate.TFS", "p");
        folder.write("Lib/Connection Standards/Childs/child1.tfs", "1");
        folder.write("Lib/Connection Standards/Childs/Child2.TFS", "2");
        folder.write("Lib/Connection Standards/Childs/child10.tfs", "10");
        folder.write("Lib/Connection Standards/Childs/notes.txt", "n");
        fs::create_directories(folder.path() / "Lib/Data/sub.tfs");
        gSettings.setRootDir(Vdn_String::fromUtf8((folder.path() / "root").string()));
    }

    // A Windows-style name below the temporary folder.
    Vdn_String windowsName(const std::wstring& relative) const {
        return Vdn_String::fromUtf8(folder.path().string()) + L"\\" + relative;
    }

    SettingsRestorer restorer;
    TempFolder folder;
};

TEST_F(PathBoundary, NativeSpellingOfNames) {
    const fs::path root = folder.path() / "root";
    const std::pair<const wchar_t*, fs::path> cases[] = {
        {L"c:\\a\\t3.sss", root / "c/a/t3.sss"},
        {L"C:a\\b", root / "c/a/b"},
        {L"D:\\", root / "d"},
        {L"d:", root / "d"},
        {L"rel\\x.tfs", "rel/x.tfs"},
        {L"/abs/x", "/abs/x"},
        {L"\u00E9\\\u00A4.txt", fs::path("\xC3\xA9/\xC2\xA4.txt")},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(core::toNativePath(name), expected) << Vdn_String(name).toUtf8();
}

TEST_F(PathBoundary, ResolvesComponentsCaseInsensitively) {
    const std::optional<fs::path> plate =
        core::resolveExisting(windowsName(L"LIB\\connection standards\\plate.tfs"));
    ASSERT_TRUE(plate);
    EXPECT_EQ(*plate, folder.path() / "Lib/Connection Standards/Plate.TFS");
    EXPECT_TRUE(core::fileExists(windowsName(L"lib\\CONNECTION STANDARDS\\childs\\CHILD2.tfs")));
    EXPECT_FALSE(core::fileExists(windowsName(L"lib\\Connection Standards\\child2.tfs")));
    EXPECT_FALSE(core::resolveExisting(windowsName(L"lib\\nothing\\plate.tfs")));
    EXPECT_FALSE(core::resolveExisting(L""));
}

TEST_F(PathBoundary, FoldersResolveButAreNotFiles) {
    EXPECT_EQ(core::resolveExisting(windowsName(L"lib\\data")), folder.path() / "Lib/Data");
    EXPECT_FALSE(core::fileExists(windowsName(L"lib\\data")));
    EXPECT_FALSE(core::fileExists(windowsName(L"lib\\data\\")));
}

TEST_F(PathBoundary, ExactSpellingWinsOverOtherCaseVariants) {
    folder.write("case/Name.txt", "upper");
    folder.write("case/name.txt", "lower");
    EXPECT_EQ(core::resolveExisting(windowsName(L"case\\name.txt")),
              folder.path() / "case/name.txt");
    EXPECT_EQ(core::resolveExisting(windowsName(L"case\\Name.txt")),
              folder.path() / "case/Name.txt");
    // Without an exact match the first variant in name order is taken.
    EXPECT_EQ(core::resolveExisting(windowsName(L"case\\NAME.TXT")),
              folder.path() / "case/Name.txt");
}

TEST_F(PathBoundary, WildcardsMatchFilesInTheLastComponent) {
    const fs::path childs = folder.path() / "Lib/Connection Standards/Childs";
    const std::pair<const wchar_t*, std::vector<fs::path>> cases[] = {
        {L"lib\\connection standards\\childs\\*.tfs",
         {childs / "Child2.TFS", childs / "child1.tfs", childs / "child10.tfs"}},
        {L"lib\\connection standards\\childs\\child?.tfs",
         {childs / "Child2.TFS", childs / "child1.tfs"}},
        {L"lib\\connection standards\\childs\\*.xyz", {}},
        {L"lib\\connection standards\\*\\child1.tfs", {}}, // no wildcards in folders
        {L"lib\\nowhere\\*.tfs", {}},
        {L"lib\\data\\*.tfs", {}}, // sub.tfs is a folder
        {L"lib\\connection standards\\childs\\notes.txt", {childs / "notes.txt"}},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(core::findMatching(windowsName(name)), expected) << Vdn_String(name).toUtf8();
    EXPECT_TRUE(core::fileExists(windowsName(L"Lib\\Connection Standards\\*.tfs")));
    EXPECT_FALSE(core::fileExists(windowsName(L"Lib\\Connection Standards\\*.map")));
    EXPECT_EQ(core::resolveExisting(windowsName(L"lib\\connection standards\\childs\\c*")),
              childs / "Child2.TFS");
}

TEST_F(PathBoundary, DriveLetterPathsMapBelowTheRootFolder) {
    folder.write("root/c/A/T3.sss", "t3");
    EXPECT_TRUE(core::fileExists(L"c:\\a\\t3.sss"));
    EXPECT_TRUE(core::fileExists(L"C:\\A\\T?.SSS"));
    EXPECT_FALSE(core::fileExists(L"d:\\a\\t3.sss"));
    EXPECT_EQ(core::resolveExisting(L"c:\\a\\t3.sss"), folder.path() / "root/c/A/T3.sss");
}

TEST_F(PathBoundary, RelativeNamesResolveAgainstTheCurrentFolder) {
    const fs::path previous = fs::current_path();
    fs::current_path(folder.path());
    EXPECT_TRUE(core::fileExists(L"lib\\connection standards\\plate.tfs"));
    EXPECT_EQ(core::resolveExisting(L"LIB\\Data"), fs::path("Lib/Data"));
    EXPECT_EQ(core::findMatching(L"lib\\connection standards\\*.TFS"),
              std::vector<fs::path>{fs::path("Lib/Connection Standards/Plate.TFS")});
    fs::current_path(folder.path() / "Lib/Connection Standards");
    EXPECT_EQ(core::findMatching(L"P*"), std::vector<fs::path>{fs::path("Plate.TFS")});
    fs::current_path(previous);
}

TEST_F(PathBoundary, WritingResolvesTheExistingPartOnly) {
    EXPECT_EQ(core::resolveForWriting(windowsName(L"LIB\\New Folder\\x.txt")),
              folder.path() / "Lib/New Folder/x.txt");
    EXPECT_EQ(core::resolveForWriting(windowsName(L"lib\\connection standards\\PLATE.tfs")),
              folder.path() / "Lib/Connection Standards/Plate.TFS");
}

TEST_F(PathBoundary, NamesOnDiskThatAreNotUtf8AreReadAsWindows1252) {
    folder.write("caf\xE9.txt", "x");
    EXPECT_EQ(core::resolveExisting(windowsName(L"CAF\u00C9.TXT")), folder.path() / "caf\xE9.txt");
    EXPECT_EQ(core::fromNativePath(fs::path("caf\xE9.txt")).str(), L"caf\u00E9.txt");
    EXPECT_EQ(core::fromNativePath(fs::path("caf\xC3\xA9.txt")).str(), L"caf\u00E9.txt");
}

} // namespace
