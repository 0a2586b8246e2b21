#include "spreadsheet/Vdn_Spread.h"
#include "spreadsheet/editor/FreshCopy.h"
#include "spreadsheet/editor/SheetPrintSettings.h"
#include "tests/spreadsheet/editor/EditorTestSupport.h"

#include <chrono>
#include <gtest/gtest.h>

using namespace editortest;

namespace {

constexpr int H = Vdn_Spread::kHeader;
using namespace std::chrono_literals;

class HeaderFooterCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        folders.writeNative(L"c:\\lib\\header.emf", "emf");
        folders.writeNative(L"c:\\lib\\header.bmp", "bmp of emf");
        folders.writeNative(L"c:\\lib\\footer.bmp", "footer");
        fs::create_directories(folders.native(L"c:\\out"));
        sourceTime = fs::last_write_time(folders.native(L"c:\\lib\\header.emf"));
    }

    // Gives the sheet print settings naming these pictures.
    void name(const Vdn_String& header, const Vdn_String& footer) {
        TfSSSettings settings;
        settings.readFromSheet(sheet);
        settings.headerFile = header;
        settings.footerFile = footer;
        ASSERT_TRUE(settings.writeToSheet(sheet));
    }
    TfSSSettings stored() const {
        TfSSSettings settings;
        settings.readFromSheet(sheet);
        return settings;
    }
    std::string content(const Vdn_String& name) const {
        return folders.temp().read(
            fs::relative(folders.native(name), folders.temp().path()).string());
    }
    std::wstring tag() const {
        std::wstring text;
        sheet.SSGetCellTag(H, H, text);
        return text;
    }

    EditorFolders folders;
    Vdn_Spread sheet;
    fs::file_time_type sourceTime;
    const Vdn_String saved = L"c:\\out\\Hal 3.tfs";
};

TEST_F(HeaderFooterCopyTest, PicturesGoBesideTheSavedSheetAndAreStoredByName) {
    name(L"c:\\lib\\header.emf", L"..\\lib\\footer.bmp");
    ASSERT_TRUE(copyHeaderFooterBesideSheet(sheet, saved));
    EXPECT_EQ(content(L"c:\\out\\header.emf"), "emf");
    EXPECT_EQ(content(L"c:\\out\\header.bmp"), "bmp of emf") << "the bitmap form goes along";
    EXPECT_EQ(content(L"c:\\out\\footer.bmp"), "footer");
    EXPECT_EQ(fs::last_write_time(folders.native(L"c:\\out\\header.emf")), sourceTime);
    EXPECT_EQ(stored().headerFile, L"header.emf");
    EXPECT_EQ(stored().footerFile, L"footer.bmp");
    EXPECT_EQ(stored().getHeaderFile(L"c:\\out\\"), L"c:\\out\\header.emf");
    EXPECT_TRUE(fs::exists(folders.native(L"c:\\lib\\header.emf"))) << "a copy, not a move";
}

TEST_F(HeaderFooterCopyTest, ACopyAlreadyThereIsReplacedOnlyWhenOlder) {
    struct Case {
        const char* what;
        fs::file_time_type::duration age; // of the copy, relative to the source
        std::string expected;
    };
    const Case cases[] = {
        {"older copy", -1h, "emf"},
        {"newer copy", 1h, "edited copy"},
        {"copy of the same time", 0s, "edited copy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        folders.writeNative(L"c:\\out\\header.emf", "edited copy");
        fs::last_write_time(folders.native(L"c:\\out\\header.emf"), sourceTime + c.age);
        name(L"c:\\lib\\header.emf", L"");
        EXPECT_TRUE(copyHeaderFooterBesideSheet(sheet, saved));
        EXPECT_EQ(content(L"c:\\out\\header.emf"), c.expected);
        EXPECT_EQ(stored().headerFile, L"header.emf") << "the copy beside the sheet is named";
    }
}

TEST_F(HeaderFooterCopyTest, MissingOrUnnamedPicturesAreLeftAsTheyAre) {
    name(L"c:\\lib\\gone.emf", L"c:\\lib\\footer.bmp");
    EXPECT_TRUE(copyHeaderFooterBesideSheet(sheet, saved));
    EXPECT_EQ(stored().headerFile, L"c:\\lib\\gone.emf");
    EXPECT_EQ(stored().footerFile, L"footer.bmp");
    EXPECT_FALSE(fs::exists(folders.native(L"c:\\out\\gone.emf")));

    Vdn_Spread untagged;
    EXPECT_TRUE(copyHeaderFooterBesideSheet(untagged, saved));
    std::wstring text;
    untagged.SSGetCellTag(H, H, text);
    EXPECT_EQ(text, L"") << "nothing copied, nothing written";
}

TEST_F(HeaderFooterCopyTest, PicturesAlreadyBesideTheSheetStay) {
    folders.writeNative(L"c:\\out\\local.bmp", "local");
    name(L"local.bmp", L"c:\\out\\local.bmp");
    EXPECT_TRUE(copyHeaderFooterBesideSheet(sheet, saved));
    EXPECT_EQ(content(L"c:\\out\\local.bmp"), "local");
    EXPECT_EQ(stored().headerFile, L"local.bmp");
    EXPECT_EQ(stored().footerFile, L"local.bmp");
}

TEST_F(HeaderFooterCopyTest, AFailedCopyIsReportedAndChangesNothing) {
    name(L"c:\\lib\\header.emf", L"c:\\lib\\footer.bmp");
    const std::wstring before = tag();
    EXPECT_FALSE(copyHeaderFooterBesideSheet(sheet, L"c:\\no such folder\\Hal 3.tfs"));
    EXPECT_EQ(tag(), before);
    EXPECT_FALSE(fs::exists(folders.native(L"c:\\no such folder")));
}

TEST(FreshCopy, TheCopyTakesTheSourcesTimeAndNeverHalfReplacesTheTarget) {
    EditorFolders folders;
    folders.temp().write("a/source.bmp", "new");
    folders.temp().write("b/target.bmp", "old");
    const fs::path source = folders.temp().path() / "a/source.bmp";
    const fs::path target = folders.temp().path() / "b/target.bmp";
    fs::last_write_time(target, fs::last_write_time(source) - 1h);
    EXPECT_EQ(ss::copyUnlessNewer(folders.temp().name("a/source.bmp"),
                                  folders.temp().name("b/target.bmp")),
              ss::FreshCopyResult::Copied);
    EXPECT_EQ(folders.temp().read("b/target.bmp"), "new");
    EXPECT_EQ(fs::last_write_time(target), fs::last_write_time(source));
    EXPECT_EQ(ss::copyUnlessNewer(folders.temp().name("a/source.bmp"),
                                  folders.temp().name("b/target.bmp")),
              ss::FreshCopyResult::Kept);
    EXPECT_EQ(ss::copyUnlessNewer(folders.temp().name("a/source.bmp"),
                                  folders.temp().name("a/source.bmp")),
              ss::FreshCopyResult::Kept);
    EXPECT_EQ(ss::copyUnlessNewer(folders.temp().name("a/missing.bmp"),
                                  folders.temp().name("b/other.bmp")),
              ss::FreshCopyResult::Failed);
    // A folder where the copy should go: refused, and no partial file is left behind.
    fs::create_directories(folders.temp().path() / "b/folder.bmp/inside");
    EXPECT_EQ(ss::copyUnlessNewer(folders.temp().name("a/source.bmp"),
                                  folders.temp().name("b/folder.bmp")),
              ss::FreshCopyResult::Failed);
    EXPECT_TRUE(fs::is_directory(folders.temp().path() / "b/folder.bmp"));
    EXPECT_FALSE(fs::exists(folders.temp().path() / "b/folder.bmp.part"));
}

} // namespace
