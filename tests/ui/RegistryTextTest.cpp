#include "platform/ui/registry/RegistryText.h"

#include "platform/ui/registry/RegistryTypes.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

using ui::RegistryKey;
using ui::RegistryText;
using ui::RegistryValue;

RegistryValue bytes(DWORD type, std::initializer_list<std::uint8_t> data) {
    RegistryValue value;
    value.type = type;
    value.data.assign(data);
    return value;
}

RegistryValue units(DWORD type, std::wstring_view text) {
    RegistryValue value;
    value.type = type;
    value.data.resize(text.size() * sizeof(wchar_t));
    if (!text.empty())
        std::memcpy(value.data.data(), text.data(), value.data.size());
    return value;
}

RegistryKey::Ptr parseOk(std::wstring_view text, std::wstring_view root = L"HKEY_CURRENT_USER") {
    RegistryText::Parsed parsed = RegistryText::parse(text, root);
    EXPECT_FALSE(parsed.error.has_value())
        << "line " << parsed.error->line << ": "
        << std::string(parsed.error->reason.begin(), parsed.error->reason.end());
    return parsed.root;
}

TEST(RegistryText, WritesTheRegeditExportSyntax) {
    RegistryKey root(L"HKEY_CURRENT_USER");
    RegistryKey::Ptr software = root.addSubKey(L"Software");
    RegistryKey::Ptr tessa = software->addSubKey(L"Tessaform");
    tessa->setValue(L"", RegistryValue::fromText(L"Default", REG_SZ));
    tessa->setValue(L"Path", RegistryValue::fromText(L"c:\\a \"b\"", REG_SZ));
    tessa->setValue(L"Width", RegistryValue::fromDword(500));
    tessa->setValue(L"Blob", bytes(REG_BINARY, {0x01, 0xab, 0xff}));
    tessa->setValue(L"Expand", RegistryValue::fromText(L"%A%", REG_EXPAND_SZ));
    software->addSubKey(L"alpha");

    EXPECT_EQ(RegistryText::format(root, L"HKEY_CURRENT_USER"),
              L"Windows Registry Editor Version 5.00\n"
              L"\n"
              L"[HKEY_CURRENT_USER\\Software]\n"
              L"\n"
              L"[HKEY_CURRENT_USER\\Software\\alpha]\n"
              L"\n"
              L"[HKEY_CURRENT_USER\\Software\\Tessaform]\n"
              L"@=\"Default\"\n"
              L"\"Path\"=\"c:\\\\a \\\"b\\\"\"\n"
              L"\"Width\"=dword:000001f4\n"
              L"\"Blob\"=hex:01,ab,ff\n"
              L"\"Expand\"=hex(2):25,00,41,00,25,00,00,00\n"
              L"\n");
}

TEST(RegistryText, EmptyRootIsTheHeaderAlone) {
    RegistryKey root(L"HKEY_CLASSES_ROOT");
    EXPECT_EQ(RegistryText::format(root, L"HKEY_CLASSES_ROOT"),
              L"Windows Registry Editor Version 5.00\n\n");
    const RegistryKey::Ptr parsed =
        parseOk(RegistryText::format(root, L"HKEY_CLASSES_ROOT"), L"HKEY_CLASSES_ROOT");
    ASSERT_TRUE(parsed);
    EXPECT_TRUE(parsed->subKeys().empty());
    EXPECT_TRUE(parsed->values().empty());
}

// Every value survives format + parse byte for byte, also those that cannot be quoted text.
TEST(RegistryText, RoundTripsEveryKindOfValue) {
    struct Case {
        const char* label;
        RegistryValue value;
    };
    const Case cases[] = {
        {"plain text", RegistryValue::fromText(L"Hello", REG_SZ)},
        {"empty text", RegistryValue::fromText(L"", REG_SZ)},
        {"quotes and backslashes", RegistryValue::fromText(L"\\\\srv\\\"x\"\\", REG_SZ)},
        {"non-ASCII", RegistryValue::fromText(L"\u00bf\u0192\u2022\u00a4 \U0001F600", REG_SZ)},
        {"line break", RegistryValue::fromText(L"two\nlines\r", REG_SZ)},
        {"no terminator", units(REG_SZ, L"abc")},
        {"embedded null", units(REG_SZ, std::wstring_view(L"a\0b\0", 4))},
        {"zero bytes of text", units(REG_SZ, L"")},
        {"expand text", RegistryValue::fromText(L"%TEMP%\\x", REG_EXPAND_SZ)},
        {"multi text", units(REG_MULTI_SZ, std::wstring_view(L"one\0two\0\0", 9))},
        {"dword zero", RegistryValue::fromDword(0)},
        {"dword max", RegistryValue::fromDword(0xFFFFFFFFu)},
        {"short dword", bytes(REG_DWORD, {1, 2})},
        {"binary", bytes(REG_BINARY, {0, 1, 127, 128, 255})},
        {"empty binary", bytes(REG_BINARY, {})},
        {"qword", bytes(11, {1, 2, 3, 4, 5, 6, 7, 8})},
        {"none", bytes(REG_NONE, {9})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RegistryKey root(L"HKEY_LOCAL_MACHINE");
        root.addSubKey(L"K")->setValue(L"v", c.value);
        const std::wstring text = RegistryText::format(root, L"HKEY_LOCAL_MACHINE");
        const RegistryKey::Ptr parsed = parseOk(text, L"HKEY_LOCAL_MACHINE");
        ASSERT_TRUE(parsed);
        ASSERT_TRUE(parsed->findSubKey(L"K"));
        const RegistryValue* read = parsed->findSubKey(L"K")->findValue(L"v");
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(*read, c.value);
        EXPECT_EQ(RegistryText::format(*parsed, L"HKEY_LOCAL_MACHINE"), text);
    }
}

TEST(RegistryText, RootValuesAndNamesWithSpecialCharactersRoundTrip) {
    RegistryKey root(L"HKEY_CURRENT_USER");
    root.setValue(L"", RegistryValue::fromText(L"root default", REG_SZ));
    root.setValue(L"a \"quoted\" \\ name", RegistryValue::fromDword(7));
    root.addSubKey(L"Key with ] and [ and =")->addSubKey(L"\u00e9t\u00e9");
    const std::wstring text = RegistryText::format(root, L"HKEY_CURRENT_USER");
    const RegistryKey::Ptr parsed = parseOk(text);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(RegistryText::format(*parsed, L"HKEY_CURRENT_USER"), text);
    ASSERT_TRUE(parsed->findSubKey(L"KEY WITH ] AND [ AND ="));
    EXPECT_TRUE(parsed->findSubKey(L"Key with ] and [ and =")->findSubKey(L"\u00c9T\u00c9"));
}

TEST(RegistryText, ReadsWhatRegeditWrites) {
    const RegistryKey::Ptr root = parseOk(L"\xFEFFWindows Registry Editor Version 5.00\r\n"
                                          L"\r\n"
                                          L"; exported by hand\r\n"
                                          L"[hkey_current_user\\Software\\App]\r\n"
                                          L"\"Data\"=hex:01,02,\\\r\n"
                                          L"  03,04\r\n"
                                          L"\"N\" = dword:A\r\n"
                                          L"\r\n"
                                          L"[HKEY_CURRENT_USER\\SOFTWARE\\app]\r\n"
                                          L"\"N\"=dword:0000000b\r\n"
                                          L"\"Multi\"=hex(7):61,00,00,00,00,00\r\n");
    ASSERT_TRUE(root);
    ASSERT_EQ(root->subKeys().size(), 1u);
    const RegistryKey::Ptr app = root->findSubKey(L"software")->findSubKey(L"APP");
    ASSERT_TRUE(app);
    EXPECT_EQ(app->name(), L"App"); // the first spelling stays
    EXPECT_EQ(*app->findValue(L"data"), bytes(REG_BINARY, {1, 2, 3, 4}));
    EXPECT_EQ(app->findValue(L"N")->dword(), 11u); // the later value wins
    EXPECT_EQ(*app->findValue(L"Multi"), units(REG_MULTI_SZ, std::wstring_view(L"a\0\0", 3)));
}

// Damaged files: each is refused with the line of the fault and a reason naming it. Texts
// after the first three get the header line in front.
TEST(RegistryText, RefusesDamagedTextWithLineAndReason) {
    struct Case {
        const wchar_t* text;
        int line;
        const wchar_t* reason;
    };
    const Case withoutHeader[] = {
        {L"", 1, L"empty"},
        {L"\n\n", 2, L"empty"},
        {L"REGEDIT4\n", 1, L"does not start with"},
    };
    const Case afterHeader[] = {
        {L"[HKEY_LOCAL_MACHINE\\x]\n", 2, L"does not belong to HKEY_CURRENT_USER"},
        {L"[HKEY_CURRENT_USERS\\x]\n", 2, L"does not belong"},
        {L"\"a\"=\"b\"\n", 2, L"before the first key"},
        {L"[HKEY_CURRENT_USER\\a\\\\b]\n", 2, L"empty name"},
        {L"[HKEY_CURRENT_USER\\a\n", 2, L"must end with ']'"},
        {L"[-HKEY_CURRENT_USER\\a]\n", 2, L"deletion"},
        {L"[HKEY_CURRENT_USER\\a]\n\"x\"=-\n", 3, L"deletion"},
        {L"[HKEY_CURRENT_USER\\a]\n\"x\"=dword:123456789\n", 3, L"1 to 8 hexadecimal"},
        {L"[HKEY_CURRENT_USER\\a]\n\"x\"=dword:12g\n", 3, L"1 to 8 hexadecimal"},
        {L"[HKEY_CURRENT_USER\\a]\n\"x\"=hex:01,zz\n", 3, L"other than bytes"},
        {L"[HKEY_CURRENT_USER\\a]\n\"x\"=hex:01,,02\n", 3, L"other than bytes"},
        {L"[HKEY_CURRENT_USER\\a]\n\"x\"=hex:100\n", 3, L"other than bytes"},
        {L"[HKEY_CURRENT_USER\\a]\n\"x\"=hex(2):41\n", 3, L"even number"},
        {L"[HKEY_CURRENT_USER\\a]\n\"x\"=hex(:41\n", 3, L"type number"},
        {L"[HKEY_CURRENT_USER\\a]\n\"x\"=hex;41\n", 3, L"expected ':'"},
        {L"[HKEY_CURRENT_USER\\a]\n\"x\"=hex:01,\\\n", 3, L"ends inside"},
        {L"[HKEY_CURRENT_USER\\a]\n\n\"x\"=\"open\n", 4, L"no closing quote"},
        {L"[HKEY_CURRENT_USER\\a]\n\"x\"=\"a\\tb\"\n", 3, L"unknown escape"},
        {L"[HKEY_CURRENT_USER\\a]\n\"x\"=\"a\" junk\n", 3, L"after the closing quote"},
        {L"[HKEY_CURRENT_USER\\a]\n\"x\" \"y\"\n", 3, L"expected '='"},
        {L"[HKEY_CURRENT_USER\\a]\nx=1\n", 3, L"expected a key"},
        {L"[HKEY_CURRENT_USER\\a]\n\"x\"=17\n", 3, L"unrecognised value"},
    };
    const auto check = [](const std::wstring& text, const Case& c) {
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        const RegistryText::Parsed parsed = RegistryText::parse(text, L"HKEY_CURRENT_USER");
        EXPECT_FALSE(parsed.root);
        ASSERT_TRUE(parsed.error.has_value());
        EXPECT_EQ(parsed.error->line, c.line);
        EXPECT_NE(parsed.error->reason.find(c.reason), std::wstring::npos)
            << std::string(parsed.error->reason.begin(), parsed.error->reason.end());
    };
    for (const Case& c : withoutHeader)
        check(c.text, c);
    for (const Case& c : afterHeader)
        check(std::wstring(RegistryText::header) + L"\n" + c.text, c);
}

TEST(RegistryText, RefusesPathsBeyondTheRegistryLimits) {
    const std::wstring h = L"Windows Registry Editor Version 5.00\n";
    std::wstring deep = L"[HKEY_CURRENT_USER";
    for (int i = 0; i < ui::kMaxKeyDepth + 1; ++i)
        deep += L"\\k";
    const RegistryText::Parsed tooDeep =
        RegistryText::parse(h + deep + L"]\n", L"HKEY_CURRENT_USER");
    ASSERT_TRUE(tooDeep.error.has_value());
    EXPECT_NE(tooDeep.error->reason.find(L"deeper"), std::wstring::npos);

    const std::wstring longName(ui::kMaxKeyNameLength + 1, L'n');
    const RegistryText::Parsed tooLong =
        RegistryText::parse(h + L"[HKEY_CURRENT_USER\\" + longName + L"]\n", L"HKEY_CURRENT_USER");
    ASSERT_TRUE(tooLong.error.has_value());
    EXPECT_NE(tooLong.error->reason.find(L"longer than 255"), std::wstring::npos);

    const std::wstring maxName(ui::kMaxKeyNameLength, L'n');
    EXPECT_TRUE(parseOk(h + L"[HKEY_CURRENT_USER\\" + maxName + L"]\n"));
}

} // namespace
