#include "TempFolder.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/core/workshop/WsUiNamingItems.h"
#include "platform/core/workshop/WsUiSettingsFile.h"
#include "platform/core/workshop/WsUiSettingsOutline.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

const char* const kExample = TESSA_SOURCE_ROOT "/examples/library/Workshop/WorkshopSettings.json";

const wchar_t* const kInUse =
    L"Deze naam is reeds in gebruik.\nU dient een naam in te geven die nog niet gebruikt wordt.\n";
const wchar_t* const kBaseGroups =
    L"De 4 basisgroepen zijn beveiligd.\nU mag deze niet verwijderen omdat ze nodig zijn om het "
    L"genereren van de werktekeningen goed te laten verlopen.\n";

WsUiSettingPath path(const wchar_t* text) {
    WsUiSettingPath result;
    EXPECT_TRUE(WsUiSettingPath::fromText(text, result)) << Vdn_String(text);
    return result;
}

class WorkshopSettings : public ::testing::Test {
protected:
    void SetUp() override {
        gSettings.setWorkLanguage(Vdn_Settings::Dutch);
        Vdn_String message;
        ASSERT_TRUE(core::readWsUiSettingsFile(Vdn_String::fromUtf8(kExample), settings, message))
            << message;
    }

    SettingsRestorer restorer;
    WsUiGlobalSettings settings;
};

TEST(WorkshopSettingPath, TextRoundTripsEveryName) {
    for (const Vdn_StringArray& components :
         {Vdn_StringArray{}, Vdn_StringArray{L"mFormats", L"A4"},
          Vdn_StringArray{L"mGroupedSettings", L"1/2 \\ 3", L"", L"x"}}) {
        const WsUiSettingPath original(components);
        WsUiSettingPath read;
        ASSERT_TRUE(WsUiSettingPath::fromText(original.toText(), read)) << original.toText();
        EXPECT_EQ(read, original) << original.toText();
    }
    WsUiSettingPath unchanged(Vdn_StringArray{L"keep"});
    for (const wchar_t* bad : {L"a\\", L"a\\b"})
        EXPECT_FALSE(WsUiSettingPath::fromText(bad, unchanged)) << Vdn_String(bad);
    EXPECT_EQ(unchanged.toText(), L"keep");

    WsUiSettingPath cut = path(L"mGroupedSettings/Plates/mAssemblySettings/mViews/V");
    EXPECT_EQ(cut.findPath(L"mGroupedSettings"), 0);
    cut.removeAllPathsFrom(2);
    EXPECT_EQ(cut.toText(), L"mGroupedSettings/Plates");
    EXPECT_TRUE(cut.removeLastPath());
    EXPECT_EQ(createPath(cut, L"Marks").toText(), L"mGroupedSettings/Marks");
}

TEST_F(WorkshopSettings, GetAndSetEveryKindThroughPaths) {
    Vdn_String text;
    EXPECT_EQ(settings.getSetting(path(L"mDSTVFileNaming/mSeperator"), text), Acad::eOk);
    EXPECT_EQ(text, L"_");
    long mask = 0;
    const WsUiSettingPath endPlate =
        path(L"mGroupedSettings/marks/mAssemblySettings/mViews/ZICHT EINDPLAAT/mDrawnForFeatures");
    EXPECT_EQ(settings.getSetting(endPlate, mask), Acad::eOk);
    EXPECT_EQ(mask, 9);
    int asInt = 0;
    EXPECT_EQ(settings.getSetting(endPlate, asInt), Acad::eOk) << "a long that fits an int";
    EXPECT_EQ(asInt, 9);

    EXPECT_EQ(settings.setSetting(endPlate, 5), Acad::eOk);
    EXPECT_EQ(settings.getSetting(endPlate, mask), Acad::eOk);
    EXPECT_EQ(mask, 5);

    const Vdn_Array<double> scales{7.5, 10};
    EXPECT_EQ(settings.setSetting(path(L"mFormats/a3/mPermittedScales"), scales), Acad::eOk);
    Vdn_Array<double> readScales;
    EXPECT_EQ(settings.getSetting(path(L"mFormats/A3/mPermittedScales"), readScales), Acad::eOk);
    EXPECT_EQ(readScales, scales);

    const Vdn_StringArray values{L"4", L"HEA*"};
    const WsUiSettingPath filters = path(L"mGroupedSettings/Trappen/mFilterValues");
    EXPECT_EQ(settings.setSetting(filters, values), Acad::eOk);
    Vdn_StringArray readValues;
    EXPECT_EQ(settings.getSetting(filters, readValues), Acad::eOk);
    EXPECT_EQ(readValues, values);
}

// Every failing call leaves the settings exactly as they were: nothing is created on the way.
TEST_F(WorkshopSettings, FailingPathsChangeNothing) {
    struct Case {
        const wchar_t* path;
        WsUiSettingValue value;
        Acad::ErrorStatus status;
        const wchar_t* why;
    };
    const Case cases[] = {
        {L"mGroupedSettings/Nieuw/mType", 2, Acad::eKeyNotFound,
         L"\"mGroupedSettings/Nieuw\": no element of that name"},
        {L"mGroupedSettings/Members/mAssemblySettings/mViews/Achteraan/mViewType", 2,
         Acad::eKeyNotFound,
         L"\"mGroupedSettings/Members/mAssemblySettings/mViews/Achteraan\": no element of that "
         L"name"},
        {L"mFormats/A5/mEnabled", 1, Acad::eKeyNotFound,
         L"\"mFormats/A5\": no element of that name"},
        {L"mNoSuchMember", Vdn_String(L"x"), Acad::eKeyNotFound,
         L"\"mNoSuchMember\": no such setting"},
        {L"mgroupedsettings/Plates/mType", 1, Acad::eKeyNotFound,
         L"\"mgroupedsettings\": no such setting"},
        {L"mGroupedSettings/Members", 2, Acad::eKeyNotFound,
         L"\"mGroupedSettings/Members\" names a part of the settings, not one value"},
        {L"mTfDimStyle/deeper", Vdn_String(L"x"), Acad::eKeyNotFound,
         L"\"mTfDimStyle\" is one value; it has no parts"},
        {L"", Vdn_String(L"x"), Acad::eKeyNotFound,
         L"\"\" names a part of the settings, not one value"},
        {L"mTfDimStyle", 3, Acad::eNotApplicable, L"\"mTfDimStyle\" holds text, not an integer"},
        {L"mGroupedSettings/Trappen/mType", 5, Acad::eInvalidInput,
         L"\"mGroupedSettings/Trappen/mType\": 5 is not between 1 and 4"},
        {L"mAddStripsToPlates", 2, Acad::eInvalidInput,
         L"\"mAddStripsToPlates\": 2 is not between 0 and 1"},
        {L"mFormats/A4/mPermittedScales", Vdn_Array<double>{10, 0}, Acad::eInvalidInput,
         L"\"mFormats/A4/mPermittedScales\": a scale must be a number above 0"},
        {L"mGroupedSettings/Plates/mGroupName", Vdn_String(L"Platen"), Acad::eInvalidInput,
         kBaseGroups},
        {L"mGroupedSettings/Plates/mType", 4, Acad::eInvalidInput, kBaseGroups},
        {L"mGroupedSettings/UOGs/mFilterProperties", Vdn_Array<int>{1}, Acad::eInvalidInput,
         kBaseGroups},
        {L"mGroupedSettings/Trappen/mGroupName", Vdn_String(L"gordingen"), Acad::eInvalidInput,
         kInUse},
        {L"mGroupedSettings/Trappen/mGroupName", Vdn_String(L""), Acad::eInvalidInput,
         L"a name must not be empty"},
        {L"mGroupedSettings/Members/mAssemblySettings/mViews/Vooraanzicht/mViewName",
         Vdn_String(L"Snede a-a"), Acad::eInvalidInput, kInUse},
        {L"mFormats/A4/mFormatName", Vdn_String(L"a0"), Acad::eInvalidInput, kInUse},
    };
    const WsUiGlobalSettings before = settings;
    for (const Case& c : cases) {
        Vdn_String why;
        EXPECT_EQ(settings.setSettingValue(path(c.path), c.value, &why), c.status) << c.path;
        EXPECT_EQ(why, c.why) << c.path;
        EXPECT_TRUE(settings == before) << c.path;
    }
    Vdn_String text = L"unchanged";
    EXPECT_EQ(settings.getSetting(path(L"mGroupedSettings/Nieuw/mGroupName"), text),
              Acad::eKeyNotFound);
    int number = 7;
    EXPECT_EQ(settings.getSetting(path(L"mAcadDimStyle"), number), Acad::eNotApplicable);
    EXPECT_EQ(number, 7);
    EXPECT_EQ(text, L"unchanged");
}

TEST_F(WorkshopSettings, RenamesKeepNamesUniqueAndBaseGroupsProtected) {
    // Unchanged values of a base group's locked members are accepted (a page that saves
    // what it loaded).
    EXPECT_EQ(settings.setSetting(path(L"mGroupedSettings/Plates/mType"), 1), Acad::eOk);
    EXPECT_EQ(
        settings.setSetting(path(L"mGroupedSettings/Plates/mGroupName"), Vdn_String(L"Plates")),
        Acad::eOk);
    EXPECT_EQ(
        settings.setSetting(path(L"mGroupedSettings/Trappen/mGroupName"), Vdn_String(L"TRAPPEN")),
        Acad::eOk)
        << "another case of its own name";
    EXPECT_EQ(settings.renameGroup(L"trappen", L"Bordestrappen"), Acad::eOk);
    EXPECT_EQ(settings.getGroup(4)->groupName(), L"Bordestrappen");

    Vdn_String why;
    EXPECT_EQ(settings.removeGroup(L"MARKS", &why), Acad::eInvalidInput);
    EXPECT_EQ(why, kBaseGroups);
    EXPECT_EQ(settings.removeGroup(L"Bordestrappen"), Acad::eOk);
    EXPECT_EQ(settings.removeGroup(L"Bordestrappen"), Acad::eKeyNotFound);

    WsUiSubGroupSettings group;
    group.setGroupName(L"members");
    EXPECT_EQ(settings.appendGroup(group, &why), Acad::eInvalidInput);
    EXPECT_EQ(why, kInUse);
    group.setGroupName(findNonExistingString(settings.allGroupNames(), L"Groep"));
    EXPECT_EQ(settings.appendGroup(group), Acad::eOk);
    EXPECT_EQ(settings.allGroupNames(),
              (Vdn_StringArray{L"Plates", L"Members", L"Marks", L"UOGs", L"Gordingen", L"Groep"}));

    WsUiAssemblySettings* assembly = settings.assemblySettings(path(L"mGroupedSettings/Groep"));
    ASSERT_NE(assembly, nullptr);
    WsUiAssemblyViewSettings view;
    view.setViewName(L"Nieuw zicht");
    EXPECT_EQ(assembly->appendView(view), Acad::eOk);
    EXPECT_EQ(assembly->appendView(view, &why), Acad::eInvalidInput);
    EXPECT_EQ(why, kInUse);
    EXPECT_EQ(assembly->eraseView(1), Acad::eOutOfRange);

    WsUiFormat format;
    format.setFormatName(L"a4");
    EXPECT_EQ(settings.insertFormat(0, format, &why), Acad::eInvalidInput);
    format.setFormatName(L"Letter");
    EXPECT_EQ(settings.insertFormat(9, format), Acad::eOutOfRange);
    EXPECT_EQ(settings.insertFormat(5, format), Acad::eOk);
    EXPECT_EQ(settings.deleteFormat(0), Acad::eOk);
    EXPECT_EQ(settings.formatNames(), (Vdn_StringArray{L"A3", L"A2", L"A1", L"A0", L"Letter"}));
}

TEST_F(WorkshopSettings, OutlineGivesEveryItemItsOwnPath) {
    WsUiGlobalSettings empty;
    EXPECT_EQ(wsUiSettingsOutline(empty).length(), 1);

    const Vdn_Array<WsUiOutlineItem> items = wsUiSettingsOutline(settings);
    ASSERT_GE(items.length(), 13);
    EXPECT_EQ(items[0].label, L"Algemeen");
    EXPECT_TRUE(items[0].path.isEmpty());
    // Members: group, Werkstuk, Zichten, then its five views.
    EXPECT_EQ(items[5].label, L"Members");
    EXPECT_TRUE(items[5].isProtected);
    EXPECT_EQ(items[6].path.toText(), L"mGroupedSettings/Members/mAssemblySettings");
    EXPECT_EQ(items[7].typeName, L"ViewsDlg");
    EXPECT_EQ(items[7].path.toText(), L"mGroupedSettings/Members");
    EXPECT_EQ(items[9].label, L"Bovenaanzicht");
    EXPECT_EQ(items[9].level, 2);
    EXPECT_EQ(items[9].path.toText(),
              L"mGroupedSettings/Members/mAssemblySettings/mViews/Bovenaanzicht");
    for (const WsUiOutlineItem& item : items) {
        if (item.typeName == L"AssemblyViewDlg") {
            Vdn_String name;
            EXPECT_EQ(settings.getSetting(createPath(item.path, L"mViewName"), name), Acad::eOk);
            EXPECT_EQ(name, item.label);
        }
    }
    EXPECT_FALSE(items.last().isProtected);
}

TEST(WorkshopSettingsFile, ExampleWritesBackAsItWasRead) {
    TempFolder folder;
    const std::string original = [] {
        std::ifstream in(kExample, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
    WsUiGlobalSettings settings;
    Vdn_String message;
    ASSERT_TRUE(core::readWsUiSettings(original, settings, message)) << message;
    EXPECT_EQ(core::wsUiSettingsText(settings), original);
}

TEST(WorkshopSettingsFile, UnknownKeysAndOrderSurviveARoundTrip) {
    const std::string text = R"({"mTfDimStyle":"S","future":{"a":[1,2]},
        "mFormats":[{"mFormatName":"B","note":"x"},{"mFormatName":"A"}],
        "mGroupedSettings":[{"mGroupName":"Zeta","mAssemblySettings":{"mViews":[
            {"mViewName":"V2","colour":3},{"mViewName":"V1"}]}},{"mGroupName":"Alpha"}]})";
    WsUiGlobalSettings settings;
    Vdn_String message;
    ASSERT_TRUE(core::readWsUiSettings(text, settings, message)) << message;
    TempFolder folder;
    ASSERT_TRUE(core::writeWsUiSettingsFile(folder.name("w.json"), settings));
    WsUiGlobalSettings again;
    ASSERT_TRUE(core::readWsUiSettingsFile(folder.name("w.json"), again, message)) << message;
    EXPECT_TRUE(again == settings);
    EXPECT_EQ(again.formatNames(), (Vdn_StringArray{L"B", L"A"}));
    EXPECT_EQ(again.allGroupNames(), (Vdn_StringArray{L"Zeta", L"Alpha"}));
    EXPECT_EQ(again.getGroup(0)->assemblySettings().viewNames(), (Vdn_StringArray{L"V2", L"V1"}));
    EXPECT_EQ(core::wsUiSettingsPartText(again, path(L"future")), R"({"a":[1,2]})");
    EXPECT_EQ(core::wsUiSettingsPartText(again, path(L"mFormats/b/note")), R"("x")");
    EXPECT_EQ(core::wsUiSettingsPartText(
                  again, path(L"mGroupedSettings/Zeta/mAssemblySettings/mViews/v2/colour")),
              "3");
    EXPECT_EQ(core::wsUiSettingsPartText(again, path(L"mFormats/C")), std::nullopt);
}

TEST(WorkshopSettingsFile, DamagedFilesSayWhereAndWhy) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"[1]", "the file does not hold a JSON object"},
        {"{\"mTfDimStyle\": }",
         "not valid JSON at line 1, column 17: syntax error while parsing value - unexpected '}'; "
         "expected '[', '{', or a literal"},
        {"{\"mTfDimStyle\": 3}", "mTfDimStyle: expected a text"},
        {"{\"mAddStripsToPlates\": 2}", "mAddStripsToPlates: 2 is not between 0 and 1"},
        {"{\"mDSTVFileNaming\": []}", "mDSTVFileNaming: expected an object"},
        {"{\"mDXFFileNaming\": {\"mFileNaming\": [1, \"2\"]}}",
         "mDXFFileNaming.mFileNaming[1]: expected a whole number"},
        {"{\"mFormats\": [{\"mFormatName\": \"A4\", \"mPermittedScales\": [10, -1]}]}",
         "mFormats[0].mPermittedScales[1]: a scale must be a number above 0"},
        {"{\"mFormats\": [{\"mFormatName\": \"A4\"}, {\"mFormatName\": \"a4\"}]}",
         "mFormats[1].mFormatName: the name \"a4\" is already used by mFormats[0] (names are "
         "compared without regard to case)"},
        {"{\"mGroupedSettings\": [{\"mType\": 1}]}",
         "mGroupedSettings[0].mGroupName: a name must not be empty"},
        {"{\"mGroupedSettings\": [{\"mGroupName\": \"G\", \"mAssemblySettings\": {\"mViews\": "
         "[{\"mViewName\": \"V\", \"mViewType\": 7}]}}]}",
         "mGroupedSettings[0].mAssemblySettings.mViews[0].mViewType: 7 is not between 1 and 6"},
        {"{\"mGroupedSettings\": [{\"mGroupName\": \"G\", \"mAssemblySettings\": {\"mViews\": "
         "[{\"mViewName\": \"V\", \"mDrawnForFeatures\": 4294967296}]}}]}",
         "mGroupedSettings[0].mAssemblySettings.mViews[0].mDrawnForFeatures: 4294967296 is not "
         "between 0 and 4294967295"},
        {"{\"mGroupedSettings\": {}}", "mGroupedSettings: expected a list"},
    };
    for (const Case& c : cases) {
        WsUiGlobalSettings settings;
        settings.setSetting(path(L"mTfDimStyle"), Vdn_String(L"kept"));
        const WsUiGlobalSettings before = settings;
        Vdn_String message;
        EXPECT_FALSE(core::readWsUiSettings(c.text, settings, message)) << c.text;
        EXPECT_EQ(message.toUtf8(), c.message) << c.text;
        EXPECT_TRUE(settings == before) << c.text;
    }
    std::string deep(100, '[');
    Vdn_String message;
    WsUiGlobalSettings settings;
    EXPECT_FALSE(core::readWsUiSettings("{\"x\":" + deep, settings, message));
    EXPECT_EQ(message.toUtf8(), "nested deeper than 64 levels at line 1, column 69");

    TempFolder folder;
    EXPECT_FALSE(core::readWsUiSettingsFile(folder.name(""), settings, message));
    EXPECT_EQ(message, L"cannot read the settings file " + folder.name(""));
    folder.write("bad.json", "{\"mFormats\": 1}");
    EXPECT_FALSE(core::readWsUiSettingsFile(folder.name("bad.json"), settings, message));
    EXPECT_EQ(message, folder.name("bad.json") + L": mFormats: expected a list");
}

} // namespace

namespace {

// File namings store codes; the user edits descriptions. Codes the catalogue does not know
// survive the edit.
TEST(WorkshopNamingItems, FileNamingCodesRoundTripThroughDescriptions) {
    const Vdn_Array<int> codes{kPrPlMark, 999, kSheetPageNumber, kPrPlPhase};
    const Vdn_StringArray descriptions = getNamingDescs(codes);
    EXPECT_EQ(descriptions, (Vdn_StringArray{L"Merk", L"#999", L"Paginanummer", L"Fase"}));
    Vdn_Array<int> back;
    ASSERT_TRUE(getNamingCodes(descriptions, back));
    EXPECT_EQ(back, codes);
    ASSERT_TRUE(getNamingCodes({L"paginanummer", L"#999", L"Merk"}, back));
    EXPECT_EQ(back, (Vdn_Array<int>{kSheetPageNumber, 999, kPrPlMark}));

    for (const wchar_t* bad : {L"Kleur", L"#", L"#07", L"# 7", L"#x"}) {
        Vdn_String unknown;
        EXPECT_FALSE(getNamingCodes({L"Merk", bad}, back, &unknown)) << Vdn_String(bad);
        EXPECT_EQ(unknown, bad);
    }
    EXPECT_EQ(back, (Vdn_Array<int>{kSheetPageNumber, 999, kPrPlMark}));

    const Vdn_StringArray all = getAllNamingDescs();
    EXPECT_EQ(all.length(), getAllPrPlDescs().length() + getAllSheetDescs().length());
    for (const Vdn_String& description : all)
        EXPECT_EQ(getDescFromEnum(getEnumFromDesc(description)), description);
}

} // namespace
