#include "platform/core/files/PathBoundary.h"

#include "TempFolder.h"

#include <chrono>
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

// Folder listings are kept while a folder stays as it was; these tests set the folders' times
// back, so that what was listed is kept and a change must show in the folder's stamp.
class FolderListings : public PathBoundary {
protected:
    FolderListings() { core::clearFolderListings(); }
    ~FolderListings() override { core::clearFolderListings(); }

    // Sets a folder's time back, as for a folder left alone for a while.
    void age(const std::string& relative, std::chrono::seconds by = std::chrono::hours(1)) const {
        fs::last_write_time(folder.path() / relative, fs::file_time_type::clock::now() - by);
    }
};

TEST_F(FolderListings, AFileAddedOrRemovedIsSeen) {
    folder.write("kept/Alpha.txt", "a");
    age("kept");
    EXPECT_EQ(core::resolveExisting(windowsName(L"kept\\ALPHA.TXT")),
              folder.path() / "kept/Alpha.txt");
    EXPECT_FALSE(core::fileExists(windowsName(L"kept\\beta.txt")));

    folder.write("kept/BETA.txt", "b");
    age("kept", std::chrono::hours(2));
    EXPECT_EQ(core::resolveExisting(windowsName(L"kept\\beta.txt")),
              folder.path() / "kept/BETA.txt");

    fs::remove(folder.path() / "kept/Alpha.txt");
    age("kept", std::chrono::hours(3));
    EXPECT_FALSE(core::resolveExisting(windowsName(L"kept\\alpha.txt")));
    EXPECT_EQ(core::findMatching(windowsName(L"kept\\*.TXT")),
              std::vector<fs::path>{folder.path() / "kept/BETA.txt"});
}

TEST_F(FolderListings, AFileRenamedToAnotherCaseIsSeen) {
    folder.write("kept/Plate.tfs", "p");
    age("kept");
    EXPECT_EQ(core::resolveExisting(windowsName(L"kept\\PLATE.TFS")),
              folder.path() / "kept/Plate.tfs");
    fs::rename(folder.path() / "kept/Plate.tfs", folder.path() / "kept/PLATE.tfs");
    age("kept", std::chrono::hours(2));
    EXPECT_EQ(core::resolveExisting(windowsName(L"kept\\plate.tfs")),
              folder.path() / "kept/PLATE.tfs");
}

TEST_F(FolderListings, AFolderChangedJustNowIsListedAgain) {
    // A change within the resolution of the folder's time might not show in it, so a listing
    // of a folder changed just now is not kept.
    folder.write("fresh/a.txt", "a");
    EXPECT_EQ(core::findMatching(windowsName(L"fresh\\*.txt")),
              std::vector<fs::path>{folder.path() / "fresh/a.txt"});
    const fs::file_time_type time = fs::last_write_time(folder.path() / "fresh");
    folder.write("fresh/b.txt", "b");
    fs::last_write_time(folder.path() / "fresh", time);
    EXPECT_EQ(
        core::findMatching(windowsName(L"fresh\\*.txt")),
        (std::vector<fs::path>{folder.path() / "fresh/a.txt", folder.path() / "fresh/b.txt"}));
}

TEST_F(FolderListings, RelativeNamesFollowTheCurrentFolder) {
    // Two folders of the same time, each with its own spelling of one name.
    folder.write("one/Name.txt", "1");
    folder.write("two/NAME.txt", "2");
    const fs::file_time_type time = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(folder.path() / "one", time);
    fs::last_write_time(folder.path() / "two", time);
    const fs::path previous = fs::current_path();
    fs::current_path(folder.path() / "one");
    EXPECT_EQ(core::resolveExisting(L"name.TXT"), fs::path("Name.txt"));
    fs::current_path(folder.path() / "two");
    EXPECT_EQ(core::resolveExisting(L"name.TXT"), fs::path("NAME.txt"));
    fs::current_path(previous);
}

TEST_F(PathBoundary, FileStampsTellSizeTimeAndKind) {
    folder.write("stamp/a.txt", "abc");
    const std::optional<core::FileStamp> fresh = core::fileStamp(folder.path() / "stamp/a.txt");
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->size, 3u);
    EXPECT_FALSE(fresh->directory);
    EXPECT_FALSE(fresh->settled) << "written just now";

    fs::last_write_time(folder.path() / "stamp/a.txt",
                        fs::file_time_type::clock::now() - std::chrono::hours(1));
    const std::optional<core::FileStamp> old = core::fileStamp(folder.path() / "stamp/a.txt");
    ASSERT_TRUE(old);
    EXPECT_TRUE(old->settled);
    EXPECT_FALSE(old->sameAs(*fresh)) << "another time";
    EXPECT_TRUE(old->sameAs(*core::fileStamp(folder.path() / "stamp/a.txt")));

    const std::optional<core::FileStamp> folderStamp = core::fileStamp(folder.path() / "stamp");
    ASSERT_TRUE(folderStamp);
    EXPECT_TRUE(folderStamp->directory);
    EXPECT_FALSE(core::fileStamp(folder.path() / "stamp/missing.txt"));
}

} // namespace
