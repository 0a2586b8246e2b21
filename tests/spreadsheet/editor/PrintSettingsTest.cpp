#include "platform/core/files/Vdn_PropertiesList.h"
#include "spreadsheet/TSpread.h"
#include "spreadsheet/editor/TfSSSettings.h"
#include "tests/spreadsheet/editor/EditorTestSupport.h"

#include <array>
#include <gtest/gtest.h>

using namespace editortest;

namespace {

constexpr int H = TSpread::kHeader;
constexpr wchar_t kSep = L'\u00A4';

// "key¤type¤value¤" for each triple.
std::wstring items(std::initializer_list<std::array<const wchar_t*, 3>> triples) {
    std::wstring text;
    for (const auto& triple : triples) {
        for (const wchar_t* field : triple) {
            text += field;
            text += kSep;
        }
    }
    return text;
}

std::wstring cornerTag(const TSpread& sheet) {
    std::wstring tag;
    sheet.SSGetCellTag(H, H, tag);
    return tag;
}

TfSSSettings fromTag(const std::wstring& tag) {
    TSpread sheet;
    sheet.SSSetCellTag(H, H, tag);
    TfSSSettings settings;
    settings.readFromSheet(sheet);
    return settings;
}

TEST(PrintSettingsForm, DefaultsSerialiseUnderTheirKeysAndTypes) {
    TfSSSettings settings;
    Vdn_String text;
    ASSERT_TRUE(settings.toText(text));
    EXPECT_EQ(text.str(), items({{L"headerFile", L"4", L""},
                                 {L"footerFile", L"4", L""},
                                 {L"defaultFont", L"4", L"Tahoma"},
                                 {L"defaultTextHeight", L"2", L"13"},
                                 {L"marginLeft", L"2", L"9"},
                                 {L"marginRight", L"2", L"5"},
                                 {L"marginTop", L"2", L"5"},
                                 {L"marginBottom", L"2", L"5"},
                                 {L"smartPrint", L"3", L"1"},
                                 {L"colors", L"3", L"1"},
                                 {L"colHeader", L"3", L"1"},
                                 {L"rowHeader", L"3", L"1"},
                                 {L"cellSeperators", L"3", L"1"},
                                 {L"border", L"3", L"1"}}));
}

TEST(PrintSettingsForm, EveryFieldReadsBackAsWritten) {
    const TfSSSettings original = sampleSettings();
    Vdn_String text;
    ASSERT_TRUE(original.toText(text));
    EXPECT_NE(text.find(L"varNames1\u00A44\u00A4Title\u00A4"), -1);
    EXPECT_NE(text.find(L"varValues0\u00A44\u00A41 mei"), -1);
    TfSSSettings back;
    ASSERT_TRUE(back.fromText(text));
    EXPECT_EQ(compact(back), compact(original));
    EXPECT_EQ(back.varNames, original.varNames);
    EXPECT_EQ(back.marginBottom, 123456);
    EXPECT_FALSE(back.border);
}

TEST(PrintSettingsForm, RealsTravelWithTwoDecimalsAndUnknownKeysAreSkipped) {
    // A tag written by a later version may carry keys this one does not know, reals among them.
    Vdn_PropertiesList list;
    list.setDouble(L"zoom", 1.005);
    list.setInt(L"marginTop", 7);
    Vdn_String tag;
    ASSERT_TRUE(list.toString(tag));
    EXPECT_NE(tag.find(L"zoom\u00A41\u00A41.01\u00A4"), -1);
    Vdn_PropertiesList back;
    ASSERT_TRUE(back.fromString(tag));
    double zoom = 0;
    ASSERT_TRUE(back.getDouble(L"zoom", zoom));
    EXPECT_EQ(zoom, 1.01);

    const TfSSSettings settings = fromTag(tag.str());
    EXPECT_EQ(settings.marginTop, 7);
    EXPECT_EQ(settings.marginLeft, 9);
}

TEST(PrintSettingsForm, PrintVariablesAreReadUpToTheFirstGapAndPairedUp) {
    struct Case {
        const char* what;
        std::wstring tag;
        Vdn_StringArray names;
        Vdn_StringArray values;
    };
    const Case cases[] = {
        {"more names than values",
         items({{L"varNames0", L"4", L"Date"},
                {L"varNames1", L"4", L"Title"},
                {L"varValues0", L"4", L"today"}}),
         {L"Date"},
         {L"today"}},
        {"more values than names",
         items({{L"varValues0", L"4", L"a"},
                {L"varValues1", L"4", L"b"},
                {L"varNames0", L"4", L"A"}}),
         {L"A"},
         {L"a"}},
        {"a gap ends the list",
         items({{L"varNames0", L"4", L"A"},
                {L"varNames2", L"4", L"C"},
                {L"varValues0", L"4", L"a"},
                {L"varValues1", L"4", L"b"},
                {L"varValues2", L"4", L"c"}}),
         {L"A"},
         {L"a"}},
        {"a name that is no text ends the list",
         items({{L"varNames0", L"4", L"A"},
                {L"varNames1", L"2", L"5"},
                {L"varValues0", L"4", L"a"},
                {L"varValues1", L"4", L"b"}}),
         {L"A"},
         {L"a"}},
        {"values without names", items({{L"varValues0", L"4", L"a"}}), {}, {}},
        {"empty texts count",
         items({{L"varNames0", L"4", L""}, {L"varValues0", L"4", L""}}),
         {L""},
         {L""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TfSSSettings settings = fromTag(c.tag);
        EXPECT_EQ(settings.varNames, c.names);
        EXPECT_EQ(settings.varValues, c.values);
    }
}

TEST(PrintSettingsForm, DamagedOrMistypedTagsNeverLeaveTheDefaults) {
    const std::wstring margins =
        items({{L"marginLeft", L"4", L"wide"}, {L"marginTop", L"2", L"8"}});
    struct Case {
        const char* what;
        std::wstring tag;
        bool readable;
        int marginLeft;
        int marginTop;
    };
    const Case cases[] = {
        {"no tag", L"", true, 9, 5},
        {"plain text", L"print me", false, 9, 5},
        {"unknown type", items({{L"marginTop", L"9", L"8"}}), false, 9, 5},
        {"not a number", items({{L"marginTop", L"2", L"eight"}}), false, 9, 5},
        {"cut short", L"marginTop\u00A42\u00A48", false, 9, 5},
        {"missing field", L"marginTop\u00A48\u00A4", false, 9, 5},
        {"a text where a number belongs", margins, true, 9, 8},
        {"a bool where a number belongs", items({{L"marginTop", L"3", L"1"}}), true, 9, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSpread sheet;
        sheet.SSSetCellTag(H, H, c.tag);
        TfSSSettings settings;
        settings.defaultFont = L"stale";
        EXPECT_EQ(settings.readFromSheet(sheet), c.readable);
        EXPECT_TRUE(settings.isValid());
        EXPECT_EQ(settings.window(), &sheet);
        EXPECT_EQ(settings.defaultFont, L"Tahoma");
        EXPECT_EQ(settings.marginLeft, c.marginLeft);
        EXPECT_EQ(settings.marginTop, c.marginTop);
        EXPECT_TRUE(settings.border);
    }
}

TEST(PrintSettingsSheet, ASheetWithoutTagReadsAsTheDefaults) {
    TSpread sheet;
    ASSERT_TRUE(sheet.SSSetMaxCols(3));
    TfSSSettings settings = sampleSettings();
    EXPECT_TRUE(settings.readFromSheet(sheet));
    EXPECT_EQ(compact(settings), compact(TfSSSettings()));
    EXPECT_EQ(settings.defaultFont, L"Tahoma");
    EXPECT_EQ(settings.defaultTextHeight, 13);
    EXPECT_EQ(settings.marginLeft, 9);
    EXPECT_EQ(settings.marginRight, 5);
    EXPECT_TRUE(settings.smartPrint && settings.colors && settings.colHeader &&
                settings.rowHeader && settings.cellSeperators && settings.border);
}

TEST(PrintSettingsSheet, WritingIsRefusedUntilTheSettingsWereRead) {
    TSpread sheet;
    sheet.SSSetCellTag(H, H, L"kept");
    TfSSSettings settings = sampleSettings();
    EXPECT_FALSE(settings.isValid());
    EXPECT_FALSE(settings.writeToSheet(sheet));
    EXPECT_EQ(cornerTag(sheet), L"kept");

    // Reset keeps the validity: a read settings object stays writable.
    settings.readFromSheet(sheet);
    settings.marginTop = 1;
    settings.reset();
    EXPECT_EQ(settings.marginTop, 5);
    EXPECT_TRUE(settings.isValid());
    EXPECT_TRUE(settings.writeToSheet(sheet));
    EXPECT_EQ(cornerTag(sheet), compact(TfSSSettings()));
}

TEST(PrintSettingsSheet, ATextTheFormCannotCarryLeavesTheTagAsItWas) {
    TSpread sheet;
    TfSSSettings settings;
    settings.readFromSheet(sheet);
    ASSERT_TRUE(settings.writeToSheet(sheet));
    const std::wstring before = cornerTag(sheet);
    settings.varNames = {L"Price"};
    settings.varValues = {L"10 \u00A4"};
    EXPECT_FALSE(settings.writeToSheet(sheet));
    EXPECT_EQ(cornerTag(sheet), before);
}

class PrintSettingsFiles : public ::testing::Test {
protected:
    EditorFolders folders;
};

TEST_F(PrintSettingsFiles, TheCornerTagTravelsWithTheSheetFile) {
    for (const bool dataOnly : {false, true}) {
        SCOPED_TRACE(dataOnly ? "data only" : "whole sheet");
        TSpread sheet;
        ASSERT_TRUE(sheet.SSSetMaxCols(2));
        ASSERT_TRUE(sheet.SSSetMaxRows(2));
        ASSERT_TRUE(sheet.SSSetData(1, 1, L"x"));
        TfSSSettings settings;
        settings.readFromSheet(sheet);
        const TfSSSettings sample = sampleSettings();
        settings.headerFile = sample.headerFile;
        settings.varNames = sample.varNames;
        settings.varValues = sample.varValues;
        settings.marginLeft = 33;
        ASSERT_TRUE(settings.writeToSheet(sheet));
        const Vdn_String file = folders.temp().name("sheet.tfs");
        ASSERT_TRUE(sheet.SSSaveToFile(file.str(), dataOnly));

        TSpread loaded;
        ASSERT_TRUE(loaded.SSLoadFromFile(file.str()));
        TfSSSettings back;
        EXPECT_TRUE(back.readFromSheet(loaded));
        EXPECT_EQ(compact(back), compact(settings));
        EXPECT_EQ(back.headerFile, L"..\\pictures\\Kop é.emf");
    }
}

TEST_F(PrintSettingsFiles, SettingsFilesAreWindows1252WithTheCurrencySignByte) {
    EXPECT_FALSE(sampleSettings().saveFile(L"house")) << "never read";
    EXPECT_FALSE(fs::exists(folders.temp().path() / "product/house.tfd"));
    const TfSSSettings loaded = validSample();
    ASSERT_TRUE(loaded.saveFile(L"house"));

    EXPECT_EQ(TfSSSettings::settingsFilePath(L"house"),
              gSettings.vdnDir().replace(L"/", L"\\") + L"\\house.tfd");
    const std::string bytes = folders.temp().read("product/house.tfd");
    EXPECT_EQ(bytes.rfind("headerFile\xA4"
                          "4\xA4..\\pictures\\Kop \xE9.emf\xA4",
                          0),
              0u);
    EXPECT_NE(bytes.find("varValues1\xA4"
                         "4\xA4Hal \xBF 3\xA4"),
              std::string::npos);
    EXPECT_EQ(bytes.back(), '\xA4');

    TfSSSettings back;
    EXPECT_TRUE(back.loadFile(L"house"));
    EXPECT_TRUE(back.isValid());
    EXPECT_EQ(compact(back), compact(loaded));
}

TEST_F(PrintSettingsFiles, AFileThatCannotBeReadLeavesTheDefaults) {
    folders.temp().write("product/plain.tfd", "no settings here");
    folders.temp().write("product/damaged.tfd", "marginTop\xA4"
                                                "2\xA4x\xA4");
    fs::create_directories(folders.temp().path() / "product/folder.tfd");
    for (const wchar_t* name : {L"missing", L"plain", L"damaged", L"folder", L"", L"  ",
                                L"..\\product\\plain", L"sub/plain"}) {
        SCOPED_TRACE(Vdn_String(name).toUtf8());
        TfSSSettings settings = sampleSettings();
        EXPECT_FALSE(settings.loadFile(name));
        EXPECT_TRUE(settings.isValid()) << "defaults that can be written";
        EXPECT_EQ(compact(settings), compact(TfSSSettings()));
    }
}

TEST_F(PrintSettingsFiles, FilesEditedElsewhereStillLoad) {
    const std::string body = "marginTop\xA4"
                             "2\xA4"
                             "8\xA4"
                             "defaultFont\xA4"
                             "4\xA4"
                             "Caf\xE9\xA4";
    folders.temp().write("product/crlf.tfd", body + "\r\n");
    // Re-saved as UTF-8 with a byte-order mark: the separator is then U+00A4 in UTF-8.
    std::string utf8 = "\xEF\xBB\xBF";
    for (const char ch : body) {
        if (ch == '\xA4')
            utf8 += "\xC2\xA4";
        else if (ch == '\xE9')
            utf8 += "\xC3\xA9";
        else
            utf8 += ch;
    }
    folders.temp().write("product/utf8.tfd", utf8);
    for (const wchar_t* name : {L"crlf", L"utf8"}) {
        SCOPED_TRACE(Vdn_String(name).toUtf8());
        TfSSSettings settings;
        ASSERT_TRUE(settings.loadFile(name));
        EXPECT_EQ(settings.marginTop, 8);
        EXPECT_EQ(settings.defaultFont, L"Café");
    }
}

TEST_F(PrintSettingsFiles, SavingRefusesWhatTheFileCannotHoldAndKeepsTheOldFile) {
    TfSSSettings settings;
    settings.loadFile(L"house");
    ASSERT_TRUE(settings.saveFile(L"house"));
    const std::string before = folders.temp().read("product/house.tfd");
    struct Case {
        const char* what;
        Vdn_String font;
    };
    const Case cases[] = {
        {"outside Windows-1252", L"\u5B8B\u4F53"},
        {"the separator itself", L"Tahoma \u00A4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TfSSSettings changed = settings;
        changed.defaultFont = c.font;
        EXPECT_FALSE(changed.saveFile(L"house"));
        EXPECT_EQ(folders.temp().read("product/house.tfd"), before);
    }
    EXPECT_FALSE(settings.saveFile(L"..\\escaped"));
    EXPECT_FALSE(fs::exists(folders.temp().path() / "escaped.tfd"));
    gSettings.setVdnDir(folders.temp().name("no such folder"));
    EXPECT_FALSE(settings.saveFile(L"house"));
}

} // namespace
