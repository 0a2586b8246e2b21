#include "TempFolder.h"
#include "platform/core/files/Vdn_PropertiesList.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using Type = Vdn_PropertiesList::Type;

Vdn_PropertiesList sampleList() {
    Vdn_PropertiesList list;
    list.setString(L"headerFile", L"c:\\lib\\Header.bmp");
    list.setInt(L"marginLeft", 9);
    list.setBool(L"smartPrint", true);
    list.setDouble(L"scale", 0.1 + 0.2);
    list.setNone(L"nothing");
    return list;
}

TEST(Vdn_PropertiesList, TypedValuesUnderKeys) {
    Vdn_PropertiesList list = sampleList();
    int margin = 0;
    EXPECT_TRUE(list.getInt(L"marginLeft", margin));
    EXPECT_EQ(margin, 9);
    double real = 0;
    EXPECT_FALSE(list.getDouble(L"marginLeft", real)); // no conversion between types
    EXPECT_FALSE(list.getInt(L"missing", margin));
    EXPECT_EQ(margin, 9);
    EXPECT_EQ(list.type(L"smartPrint"), Type::Bool);
    EXPECT_EQ(list.type(L"scale"), Type::Real);
    EXPECT_EQ(list.type(L"nothing"), Type::None);
    EXPECT_EQ(list.type(L"headerFile"), Type::Text);
    EXPECT_EQ(list.type(L"missing"), std::nullopt);

    // Replacing keeps the position; removing and adding go by key.
    list.setString(L"marginLeft", L"nine");
    EXPECT_EQ(list.keys(),
              (Vdn_StringArray{L"headerFile", L"marginLeft", L"smartPrint", L"scale", L"nothing"}));
    EXPECT_EQ(list.type(L"marginLeft"), Type::Text);
    EXPECT_TRUE(list.remove(L"headerFile"));
    EXPECT_FALSE(list.remove(L"headerFile"));
    EXPECT_EQ(list.length(), 4);
    list.clear();
    EXPECT_EQ(list.length(), 0);
}

TEST(Vdn_PropertiesList, CompactFormUsesTheCurrencySignSeparator) {
    Vdn_PropertiesList list;
    list.setString(L"defaultFont", L"Tahoma");
    list.setInt(L"defaultTextHeight", 13);
    list.setBool(L"colors", false);
    list.setDouble(L"zoom", 1.005);
    list.setNone(L"empty");
    Vdn_String text;
    ASSERT_TRUE(list.toString(text));
    EXPECT_EQ(text.str(), L"defaultFont\u00A44\u00A4Tahoma\u00A4"
                          L"defaultTextHeight\u00A42\u00A413\u00A4"
                          L"colors\u00A43\u00A40\u00A4"
                          L"zoom\u00A41\u00A41.01\u00A4"
                          L"empty\u00A40\u00A4\u00A4");
    Vdn_PropertiesList back;
    ASSERT_TRUE(back.fromString(text));
    double zoom = 0;
    ASSERT_TRUE(back.getDouble(L"zoom", zoom));
    EXPECT_EQ(zoom, 1.01); // two decimals in this form
    EXPECT_EQ(back.keys(), list.keys());
    Vdn_String font;
    EXPECT_TRUE(back.getString(L"defaultFont", font));
    EXPECT_EQ(font.str(), L"Tahoma");
}

TEST(Vdn_PropertiesList, CompactFormRefusesWhatItCannotCarry) {
    Vdn_PropertiesList list;
    list.setString(L"title", L"price \u00A4 10");
    Vdn_String text = L"stale";
    EXPECT_FALSE(list.toString(text));
    EXPECT_TRUE(text.isEmpty());

    const Vdn_PropertiesList original = sampleList();
    const wchar_t* damaged[] = {
        L"a\u00A44\u00A4x",         // no closing separator
        L"a\u00A44\u00A4",          // two fields only
        L"a\u00A45\u00A4x\u00A4",   // unknown type
        L"a\u00A42\u00A412x\u00A4", // not an integer
        L"a\u00A43\u00A42\u00A4",   // bool other than 0/1
        L"a\u00A41\u00A4one\u00A4", // not a real
        L"a\u00A4\u00A4x\u00A4",    // no type
    };
    for (const wchar_t* text : damaged) {
        Vdn_PropertiesList list2 = original;
        EXPECT_FALSE(list2.fromString(text)) << Vdn_String(text).toUtf8();
        EXPECT_EQ(list2, original);
    }
    Vdn_PropertiesList emptied = original;
    EXPECT_TRUE(emptied.fromString(L""));
    EXPECT_EQ(emptied.length(), 0);
    Vdn_PropertiesList repeated;
    EXPECT_TRUE(
        repeated.fromString(L"a\u00A42\u00A41\u00A4b\u00A42\u00A42\u00A4a\u00A42\u00A43\u00A4"));
    int a = 0;
    EXPECT_TRUE(repeated.getInt(L"a", a));
    EXPECT_EQ(a, 3);
    EXPECT_EQ(repeated.keys(), (Vdn_StringArray{L"a", L"b"}));
}

TEST(Vdn_PropertiesList, FileFormReadsBackExactlyWhatItWrote) {
    TempFolder folder;
    Vdn_PropertiesList list = sampleList();
    list.setString(L"tricky key\t=\u00A4\\",
                   L"line 1\nline 2\r\n\ttab = \u00BF\u0192\u2022\u00A4 \\n");
    list.setString(L"", L"");
    list.setDouble(L"negativeZero", -0.0);
    list.setDouble(L"tiny", 4.9406564584124654e-324);
    list.setDouble(L"huge", std::numeric_limits<double>::max());
    list.setDouble(L"infinite", -std::numeric_limits<double>::infinity());
    list.setDouble(L"nan", std::numeric_limits<double>::quiet_NaN());
    list.setInt(L"min", std::numeric_limits<int>::min());
    ASSERT_TRUE(list.writeToFile(folder.name("list.txt")));

    Vdn_PropertiesList back;
    back.setInt(L"stale", 1);
    ASSERT_TRUE(back.readFromFile(folder.name("list.txt")));
    EXPECT_EQ(back, list);
    double value = 0;
    ASSERT_TRUE(back.getDouble(L"scale", value));
    EXPECT_EQ(value, 0.1 + 0.2);
    ASSERT_TRUE(back.getDouble(L"negativeZero", value));
    EXPECT_TRUE(std::signbit(value));
}

TEST(Vdn_PropertiesList, DamagedFilesChangeNothing) {
    TempFolder folder;
    const Vdn_PropertiesList original = sampleList();
    const std::string header = "Vdn_PropertiesList 1\n";
    const std::string damaged[] = {
        "",
        "Something else 1\n2\ta\t1\n",
        header + "2\ta\n",
        header + "2\ta\t1\textra\n",
        header + "7\ta\t1\n",
        header + "2\ta\t1.5\n",
        header + "2\ta\t99999999999\n",
        header + "1\ta\t1,5\n",
        header + "1\ta\t+1\n",
        header + "3\ta\tyes\n",
        header + "4\ta\tbad \\q escape\n",
        header + "4\ta\ttrailing \\\n",
        header + "0\ta\tvalue for none\n",
        header + "2\ta\t1\n2\ta\t2\n", // repeated key
        header + "2\ta\t1\n\n2\tb\t2\n",
    };
    int index = 0;
    for (const std::string& bytes : damaged) {
        const std::string name = "damaged" + std::to_string(index++) + ".txt";
        folder.write(name, bytes);
        Vdn_PropertiesList list = original;
        EXPECT_FALSE(list.readFromFile(folder.name(name))) << bytes;
        EXPECT_EQ(list, original) << bytes;
    }
    Vdn_PropertiesList list = original;
    EXPECT_FALSE(list.readFromFile(folder.name("missing.txt")));
    EXPECT_EQ(list, original);
    folder.write("empty-list.txt", header);
    EXPECT_TRUE(list.readFromFile(folder.name("empty-list.txt")));
    EXPECT_EQ(list.length(), 0);
}

} // namespace
