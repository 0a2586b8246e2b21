#include "spreadsheet/standards/MappingFile.h"

#include "spreadsheet/standards/TfSSMapping.h"
#include "tests/spreadsheet/standards/StandardsTestSupport.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

using namespace standardstest;

#define Q L"\u00BF"
#define F L"\u0192"
#define B L"\u2022"

TfObjectMap entry(const wchar_t* ssName, const wchar_t* objectName, int kind, const wchar_t* name) {
    TfObjectMap e;
    e.ssName = ssName;
    e.objectName = objectName;
    e.kind = kind;
    e.name = name;
    return e;
}

// The text of a file with every LF turned into CRLF, so that any rewrite changes its bytes.
std::string withCrLf(const std::string& bytes) {
    std::string out;
    for (const char c : bytes)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

class MappingFileTest : public ::testing::Test {
protected:
    TfSSMapping read(const wchar_t* sheet, const wchar_t* name,
                     Acad::ErrorStatus expected = Acad::eOk) {
        TfSSMapping mapping;
        EXPECT_EQ(mapping.getMappingFromFile(sheet, name), expected) << Vdn_String(name);
        return mapping;
    }
    std::string bytes(const std::string& sheet) const { return readBytes(library.mapFile(sheet)); }

    LibraryCopy library;
};

TEST_F(MappingFileTest, ReadsTheNamedMappingOfTheSheetsFile) {
    const TfSSMapping abc = read(L"EndPlate", L"Abc123");
    ASSERT_EQ(abc.mappedObjects().length(), 3);
    EXPECT_EQ(abc.mappedObjects()[0], entry(L"Width", L"Plate", 1, L"W"));
    EXPECT_EQ(abc.mappedObjects()[1], entry(L"Gap", L"", 2, L"gen_Gap"));
    EXPECT_EQ(abc.mappedObjects()[2], entry(L"Plate.Cut", L"Plate", 3, L"C1"));
    const TfSSMapping xyz = read(L"EndPlate", L"Xyz");
    ASSERT_EQ(xyz.mappedObjects().length(), 2);
    EXPECT_EQ(xyz.mappedObjects()[0], entry(L"Dia", L"Bolts", 20, L""));
    ss::MappingFile file;
    ASSERT_TRUE(file.read(L"EndPlate"));
    EXPECT_EQ(file.names(), (Vdn_StringArray{L"Abc123", L"Xyz"}));

    // Names are compared with case; a missing name or file fails and changes nothing.
    TfSSMapping kept = abc;
    EXPECT_EQ(kept.getMappingFromFile(L"EndPlate", L"abc123"), Acad::eInvalidInput);
    EXPECT_EQ(kept.getMappingFromFile(L"NoSuchSheet", L"Abc123"), Acad::eInvalidInput);
    EXPECT_EQ(kept, abc);
}

TEST_F(MappingFileTest, AFileWithoutMappingLinesLeavesTheListAsItWas) {
    const TfSSMapping before = read(L"EndPlate", L"Abc123");
    for (const std::string& content : {std::string(), std::string("Mapping version 1.0\n")}) {
        writeBytes(library.mapFile("Empty"), content);
        TfSSMapping mapping = before;
        EXPECT_EQ(mapping.getMappingFromFile(L"Empty", L"Abc123"), Acad::eOk);
        EXPECT_EQ(mapping, before);
    }
}

TEST_F(MappingFileTest, AFirstLineThatIsNoVersionLineIsAMapping) {
    writeBytes(library.mapFile("Old"), "First=W\xc6\x92P\xe2\x80\xa2"
                                       "Distance W\n");
    EXPECT_EQ(read(L"Old", L"First").mappedObjects().length(), 1);
    writeBytes(library.mapFile("Old"), "MAPPING VERSION 0.9\nFirst=W\xc6\x92P\xe2\x80\xa2"
                                       "Distance W\n");
    EXPECT_EQ(read(L"Old", L"First").mappedObjects().length(), 1);
}

TEST_F(MappingFileTest, SeparatorsOfAnAnsiFileAreRead) {
    // Windows-1252: 0xBF "¿", 0x83 "ƒ", 0x95 "•".
    writeBytes(library.mapFile("Ansi"), "Mapping version 1.0\r\nM=W\x83P\x95"
                                        "Distance W\xbfG\x83\x95"
                                        "GenVar gen_Gap\r\n");
    const TfSSMapping mapping = read(L"Ansi", L"M");
    ASSERT_EQ(mapping.mappedObjects().length(), 2);
    EXPECT_EQ(mapping.mappedObjects()[1], entry(L"G", L"", 2, L"gen_Gap"));
}

// Mapping files are kept in memory while they stay as they were; here the file's time is set
// back so that what was read is kept and a change must show in the file's stamp.
TEST_F(MappingFileTest, AKeptMappingFileIsReadAgainWhenItChangesOrGoes) {
    ss::MappingFile::clearCache();
    const fs::path file = library.mapFile("Kept");
    const auto setBack = [&file](int hours) {
        fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(hours));
    };
    writeBytes(file, "Mapping version 1.0\nM=W\xc6\x92P\xe2\x80\xa2"
                     "Distance W\n");
    setBack(1);
    EXPECT_EQ(read(L"Kept", L"M").mappedObjects().length(), 1);

    writeBytes(file, "Mapping version 1.0\nM=W\xc6\x92P\xe2\x80\xa2"
                     "Distance W\xc2\xbfH\xc6\x92P\xe2\x80\xa2"
                     "Distance H\n");
    setBack(2);
    EXPECT_EQ(read(L"Kept", L"M").mappedObjects().length(), 2) << "another size and time";

    // Writing a mapping gives the file a new time: the next read sees what was written.
    TfSSMapping changed = read(L"Kept", L"M");
    changed.mappedObjectsWrite().removeAt(1);
    Vdn_String name = L"M";
    ASSERT_EQ(changed.setMappingToFile(L"Kept", name), Acad::eOk);
    setBack(3);
    EXPECT_EQ(read(L"Kept", L"M"), changed);

    fs::remove(file);
    TfSSMapping kept = changed;
    EXPECT_EQ(kept.getMappingFromFile(L"Kept", L"M"), Acad::eInvalidInput) << "gone";
    EXPECT_EQ(kept, changed);
    ss::MappingFile gone;
    EXPECT_FALSE(gone.read(L"Kept"));
    ss::MappingFile::clearCache();
}

TEST_F(MappingFileTest, MappingFilePaths) {
    const Vdn_String lib = gSettings.libDir();
    EXPECT_EQ(ss::MappingFile::pathFor(L"EndPlate"), lib + L"Connection Standards\\EndPlate.map");
    EXPECT_EQ(ss::MappingFile::pathFor(L"a.b"), lib + L"Connection Standards\\a.b.map");
    EXPECT_EQ(ss::MappingFile::pathFor(L"Childs\\Sub"),
              lib + L"Connection Standards\\Childs\\Sub.map");
    EXPECT_EQ(ss::MappingFile::pathFor(L"c:\\std\\Plate.tfs"), L"c:\\std\\Plate.map");
    EXPECT_EQ(ss::MappingFile::pathFor(L"/srv/std/Plate.tfs"), L"/srv/std/Plate.map");

    // A relative path to an existing sheet: beside it.
    const fs::path saved = fs::current_path();
    fs::current_path(library.root());
    EXPECT_EQ(ss::MappingFile::pathFor(L"prof\\HEA.pr"), L"prof\\HEA.map");
    fs::current_path(saved);
}

TEST_F(MappingFileTest, ASheetGivenByPathHasItsMappingFileBesideIt) {
    TfSSMapping mapping;
    mapping.mappedObjectsWrite().append(entry(L"Width", L"Plate", 1, L"W"));
    Vdn_String name = L"M";
    const fs::path sheet = library.root() / "elsewhere" / "Plate.tfs";
    fs::create_directories(sheet.parent_path());
    ASSERT_EQ(mapping.setMappingToFile(Vdn_String::fromUtf8(sheet.string()), name), Acad::eOk);
    EXPECT_TRUE(fs::exists(library.root() / "elsewhere" / "Plate.map"));
}

TEST_F(MappingFileTest, WritingANewFileMatchesTheGoldenFile) {
    TfSSMapping mapping;
    mapping.mappedObjectsWrite().append(entry(L"Width", L"Plate", 1, L"W"));
    mapping.mappedObjectsWrite().append(entry(L"Gap", L"", 2, L"gen_Gap"));
    mapping.mappedObjectsWrite().append(entry(L"Dia", L"Bolts", 20, L""));
    mapping.mappedObjectsWrite().append(entry(L"Size", L"", 15, L"Prof0;1"));
    Vdn_String name = L"Map1";
    ASSERT_EQ(mapping.setMappingToFile(L"NewSheet", name), Acad::eOk);
    EXPECT_EQ(bytes("NewSheet"), readBytes(dataPath("golden/NewSheet.map")));
    EXPECT_EQ(read(L"NewSheet", L"Map1"), mapping);
}

TEST_F(MappingFileTest, AnEqualStoredMappingLeavesTheFileUntouched) {
    const std::string original = withCrLf(bytes("EndPlate"));
    writeBytes(library.mapFile("EndPlate"), original);
    TfSSMapping mapping = read(L"EndPlate", L"Abc123");
    // Order and case do not make a mapping different.
    std::swap(mapping.mappedObjectsWrite()[0], mapping.mappedObjectsWrite()[2]);
    mapping.mappedObjectsWrite()[0].ssName = L"PLATE.CUT";
    Vdn_String name = L"Abc123";
    EXPECT_EQ(mapping.setMappingToFile(L"EndPlate", name), Acad::eOk);
    EXPECT_EQ(bytes("EndPlate"), original);
}

TEST_F(MappingFileTest, AChangedMappingReplacesItsLine) {
    TfSSMapping mapping = read(L"EndPlate", L"Abc123");
    mapping.mappedObjectsWrite()[0].name = L"W2";
    Vdn_String name = L"Abc123";
    ASSERT_EQ(mapping.setMappingToFile(L"EndPlate", name), Acad::eOk);
    EXPECT_EQ(bytes("EndPlate"), readBytes(dataPath("golden/EndPlate-replaced.map")));
}

TEST_F(MappingFileTest, AddingOrRemovingAnEntryIsAChange) {
    const TfSSMapping stored = read(L"EndPlate", L"Abc123");
    TfSSMapping added = stored;
    added.mappedObjectsWrite().append(entry(L"Height", L"Plate", 1, L"H"));
    TfSSMapping removed = stored;
    removed.mappedObjectsWrite().removeAt(1);
    // The second is a part of the first, which the file then holds.
    for (TfSSMapping changed : {added, removed}) {
        Vdn_String name = L"Abc123";
        ASSERT_EQ(changed.setMappingToFile(L"EndPlate", name), Acad::eOk);
        EXPECT_EQ(read(L"EndPlate", L"Abc123"), changed);
    }
}

TEST_F(MappingFileTest, PairsThatCannotBeStoredAreLeftOut) {
    TfSSMapping mapping;
    auto& entries = mapping.mappedObjectsWrite();
    entries.append(entry(L"Width", L"Plate", 1, L"W"));
    entries.append(entry(L"WIDTH", L"Plate", 1, L"H"));       // repeated name: the first counts
    entries.append(entry(L"a/b", L"Plate", 1, L"W"));         // invalid in a file name
    entries.append(entry(L"NoKind", L"Plate", 0, L"W"));      // no keyword
    entries.append(entry(L"Split", L"Pl" Q L"ate", 1, L"W")); // would split the line
    entries.append(entry(L"Obj", L"Pl" B L"ate", 1, L"W"));   // would read back otherwise
    entries.append(entry(L"Gap", L"", 2, L"gen_Gap"));
    Vdn_String name = L"M";
    ASSERT_EQ(mapping.setMappingToFile(L"Dropped", name), Acad::eOk);
    ss::MappingFile file;
    ASSERT_TRUE(file.read(L"Dropped"));
    EXPECT_EQ(
        file.lines(),
        (Vdn_StringArray{L"M=Width" F L"Plate" B L"Distance W" Q L"Gap" F B L"GenVar gen_Gap"}));
    // What is stored counts as the same mapping: writing again changes nothing.
    const std::string written = withCrLf(bytes("Dropped"));
    writeBytes(library.mapFile("Dropped"), written);
    ASSERT_EQ(mapping.setMappingToFile(L"Dropped", name), Acad::eOk);
    EXPECT_EQ(bytes("Dropped"), written);
}

TEST_F(MappingFileTest, FailuresWriteNothing) {
    TfSSMapping mapping;
    mapping.mappedObjectsWrite().append(entry(L"Width", L"Plate", 1, L"W"));
    for (const wchar_t* bad : {L"", L"a=b", L"a\nb"}) {
        Vdn_String name = bad;
        EXPECT_EQ(mapping.setMappingToFile(L"Named", name), Acad::eInvalidInput);
    }
    EXPECT_FALSE(fs::exists(library.mapFile("Named")));
    Vdn_String name = L"M";
    EXPECT_EQ(mapping.setMappingToFile(L"NoFolder\\Sheet", name), Acad::eInvalidInput);
}

TEST_F(MappingFileTest, HasSameMappingNamesTheFirstEqualMapping) {
    TfSSMapping mapping = read(L"EndPlate", L"Xyz");
    std::swap(mapping.mappedObjectsWrite()[0], mapping.mappedObjectsWrite()[1]);
    Vdn_String name = L"unchanged";
    EXPECT_TRUE(mapping.hasSameMapping(L"EndPlate", name));
    EXPECT_EQ(name, L"Xyz");
    mapping.mappedObjectsWrite().removeAt(0);
    name = L"unchanged";
    EXPECT_FALSE(mapping.hasSameMapping(L"EndPlate", name));
    EXPECT_FALSE(mapping.hasSameMapping(L"NoSuchSheet", name));
    EXPECT_EQ(name, L"unchanged");
}

} // namespace
