#include "platform/ui/registry/Registry.h"

#include "platform/core/files/TextFileHelpers.h"
#include "platform/ui/registry/RegistryApi.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace {

namespace fs = std::filesystem;
using ui::Registry;

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tessa-registry-" + std::to_string(std::random_device{}()));
        fs::remove_all(folder_);
        Registry::open(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // A new registry on the same folder: what a later run of the program sees.
    Registry& restart(Registry::Access access = Registry::Access::ReadWrite) {
        return Registry::open(folder_, access);
    }
    fs::path fileOf(const char* root) const { return folder_ / (std::string(root) + ".reg"); }
    static std::string contents(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void write(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }

    static HKEY create(HKEY parent, const wchar_t* path, DWORD* disposition = nullptr) {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyEx(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                 nullptr, &key, disposition),
                  ERROR_SUCCESS);
        return key;
    }
    static LONG setText(HKEY key, const wchar_t* name, const std::wstring& text) {
        return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    static LONG setDword(HKEY key, const wchar_t* name, DWORD value) {
        return RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                             sizeof value);
    }
    // The text of a REG_SZ value, or "<error n>".
    static std::wstring text(HKEY parent, const wchar_t* path, const wchar_t* name) {
        HKEY key = nullptr;
        if (LONG status = RegOpenKeyEx(parent, path, 0, KEY_READ, &key); status != ERROR_SUCCESS)
            return L"<error " + std::to_wstring(status) + L">";
        wchar_t buffer[256] = {};
        DWORD size = sizeof buffer;
        DWORD type = 0;
        const LONG status =
            RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS)
            return L"<error " + std::to_wstring(status) + L">";
        return type == REG_SZ ? std::wstring(buffer) : L"<type " + std::to_wstring(type) + L">";
    }
    static bool keyExists(HKEY parent, const wchar_t* path) {
        HKEY key = nullptr;
        if (RegOpenKeyEx(parent, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    fs::path folder_;
};

TEST_F(RegistryTest, ValuesOfEveryTypeSurviveARestart) {
    HKEY key = create(HKEY_LOCAL_MACHINE, L"Software\\Tessaform\\Spreadsheet Editor v1.0");
    ASSERT_EQ(setText(key, L"Language", L"EN"), ERROR_SUCCESS);
    ASSERT_EQ(setText(key, L"Default Settings", L"A4 \u00bfstaal\u00bf"), ERROR_SUCCESS);
    ASSERT_EQ(setDword(key, L"Count", 0xDEADBEEF), ERROR_SUCCESS);
    const BYTE blob[] = {0, 1, 2, 250};
    ASSERT_EQ(RegSetValueEx(key, L"Blob", 0, REG_BINARY, blob, sizeof blob), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValue(HKEY_CLASSES_ROOT, L"CLSID\\{X}", REG_SZ, L"Bolt Class", 0),
              ERROR_SUCCESS);
    RegCloseKey(key);

    restart();
    EXPECT_TRUE(Registry::current().loadProblems().empty());
    const wchar_t* path = L"Software\\Tessaform\\Spreadsheet Editor v1.0";
    EXPECT_EQ(text(HKEY_LOCAL_MACHINE, path, L"Language"), L"EN");
    EXPECT_EQ(text(HKEY_LOCAL_MACHINE, path, L"Default Settings"), L"A4 \u00bfstaal\u00bf");
    HKEY again = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &again), ERROR_SUCCESS);
    DWORD number = 0, size = sizeof number, type = 0;
    EXPECT_EQ(
        RegQueryValueEx(again, L"Count", nullptr, &type, reinterpret_cast<BYTE*>(&number), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(number, 0xDEADBEEFu);
    BYTE read[8] = {};
    size = sizeof read;
    EXPECT_EQ(RegQueryValueEx(again, L"Blob", nullptr, &type, read, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_BINARY);
    ASSERT_EQ(size, sizeof blob);
    EXPECT_EQ(std::memcmp(read, blob, sizeof blob), 0);
    RegCloseKey(again);
    EXPECT_EQ(text(HKEY_CLASSES_ROOT, L"clsid\\{x}", nullptr), L"Bolt Class");

    // One file per root, in the export syntax, UTF-8.
    const std::string machine = contents(fileOf("HKEY_LOCAL_MACHINE"));
    EXPECT_EQ(machine.rfind("Windows Registry Editor Version 5.00\n", 0), 0u);
    EXPECT_NE(machine.find("[HKEY_LOCAL_MACHINE\\Software\\Tessaform\\Spreadsheet Editor v1.0]\n"
                           "\"Language\"=\"EN\"\n"
                           "\"Default Settings\"=\"A4 \xC2\xBFstaal\xC2\xBF\"\n"
                           "\"Count\"=dword:deadbeef\n"
                           "\"Blob\"=hex:00,01,02,fa\n"),
              std::string::npos);
    EXPECT_NE(contents(fileOf("HKEY_CLASSES_ROOT"))
                  .find("[HKEY_CLASSES_ROOT\\CLSID\\{X}]\n@=\"Bolt Class\"\n"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(fileOf("HKEY_CURRENT_USER")));
    for (const auto& entry : fs::directory_iterator(folder_))
        EXPECT_EQ(entry.path().extension(), ".reg") << "left over: " << entry.path();
}

TEST_F(RegistryTest, KeyAndValueNamesAreCaseInsensitiveAndKeepTheirSpelling) {
    DWORD disposition = 0;
    HKEY key = create(HKEY_CURRENT_USER, L"Software\\Tessaform", &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    RegCloseKey(create(HKEY_CURRENT_USER, L"SOFTWARE\\TESSAFORM\\", &disposition));
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);

    ASSERT_EQ(setText(key, L"Name", L"first"), ERROR_SUCCESS);
    ASSERT_EQ(setText(key, L"NAME", L"second"), ERROR_SUCCESS);
    EXPECT_EQ(text(HKEY_CURRENT_USER, L"software\\tessaform", L"name"), L"second");

    wchar_t name[64];
    DWORD length = 64;
    ASSERT_EQ(RegEnumValue(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(name), L"Name");
    length = 64;
    EXPECT_EQ(RegEnumValue(key, 1, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
    length = 64;
    ASSERT_EQ(RegEnumKeyEx(HKEY_CURRENT_USER, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(name), L"Software");
    EXPECT_EQ(length, 8u);
    RegCloseKey(key);
}

TEST_F(RegistryTest, QueryFollowsTheWin32BufferRules) {
    HKEY key = create(HKEY_CURRENT_USER, L"K");
    ASSERT_EQ(setText(key, L"v", L"abc"), ERROR_SUCCESS);
    const DWORD needed = 4 * sizeof(wchar_t);

    DWORD size = 0, type = 0;
    EXPECT_EQ(RegQueryValueEx(key, L"v", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, needed);
    EXPECT_EQ(type, REG_SZ);

    wchar_t small[2] = {L'x', L'y'};
    size = sizeof small;
    EXPECT_EQ(RegQueryValueEx(key, L"v", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, needed);
    EXPECT_EQ(small[0], L'x'); // left unchanged

    wchar_t exact[4];
    size = sizeof exact;
    EXPECT_EQ(RegQueryValueEx(key, L"v", nullptr, nullptr, reinterpret_cast<BYTE*>(exact), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(exact), L"abc");

    EXPECT_EQ(RegQueryValueEx(key, L"v", nullptr, nullptr, reinterpret_cast<BYTE*>(exact), nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegQueryValueEx(key, L"missing", nullptr, nullptr, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueEx(key, nullptr, nullptr, nullptr, nullptr, &size),
              ERROR_FILE_NOT_FOUND); // no default value set
    EXPECT_EQ(RegQueryValueEx(key, L"", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

TEST_F(RegistryTest, DefaultValuesThroughRegSetValueAndRegQueryValue) {
    ASSERT_EQ(RegSetValue(HKEY_CLASSES_ROOT, L"TypeLib\\{T}\\1.1", REG_SZ,
                          L"Tessaform 1.0 Type Library", 0),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValue(HKEY_CLASSES_ROOT, L"x", REG_DWORD, L"1", 0), ERROR_INVALID_PARAMETER);

    wchar_t buffer[64];
    LONG size = sizeof buffer;
    ASSERT_EQ(RegQueryValue(HKEY_CLASSES_ROOT, L"TypeLib\\{T}\\1.1", buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(buffer), L"Tessaform 1.0 Type Library");
    EXPECT_EQ(size, static_cast<LONG>(27 * sizeof(wchar_t)));

    size = sizeof buffer;
    ASSERT_EQ(RegQueryValue(HKEY_CLASSES_ROOT, L"TypeLib\\{T}", buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(buffer), L""); // a key without default value reads as empty
    EXPECT_EQ(RegQueryValue(HKEY_CLASSES_ROOT, L"TypeLib\\{U}", buffer, &size),
              ERROR_FILE_NOT_FOUND);

    HKEY key = create(HKEY_CLASSES_ROOT, L"TypeLib\\{T}\\1.1");
    size = 4;
    EXPECT_EQ(RegQueryValue(key, nullptr, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, static_cast<LONG>(27 * sizeof(wchar_t)));
    RegCloseKey(key);
}

TEST_F(RegistryTest, DeleteKeyDeleteTreeAndDeleteValue) {
    HKEY typeLib = create(HKEY_CLASSES_ROOT, L"TypeLib\\{T}\\1.1\\0\\win32");
    ASSERT_EQ(setText(typeLib, nullptr, L"c:\\tessa.dll"), ERROR_SUCCESS);
    RegCloseKey(create(HKEY_CLASSES_ROOT, L"TypeLib\\{T}\\1.1\\9\\win32"));
    RegCloseKey(create(HKEY_CLASSES_ROOT, L"TypeLib\\{Other}"));
    HKEY version = create(HKEY_CLASSES_ROOT, L"TypeLib\\{T}\\1.1");

    EXPECT_EQ(RegDeleteKey(HKEY_CLASSES_ROOT, L"TypeLib\\{T}"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKey(HKEY_CLASSES_ROOT, L"TypeLib\\{T}\\1.1\\9\\win32"), ERROR_SUCCESS);
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, L"TypeLib\\{T}\\1.1\\9\\win32"));
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, L"TypeLib\\{T}\\1.1\\9"));
    EXPECT_EQ(RegDeleteKey(HKEY_CLASSES_ROOT, L"TypeLib\\{T}\\1.1\\9\\win32"),
              ERROR_FILE_NOT_FOUND);

    EXPECT_EQ(RegDeleteTree(HKEY_CLASSES_ROOT, L"typelib\\{t}"), ERROR_SUCCESS);
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, L"TypeLib\\{T}"));
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, L"TypeLib\\{Other}"));
    EXPECT_EQ(RegDeleteTree(HKEY_CLASSES_ROOT, L"TypeLib\\{T}"), ERROR_FILE_NOT_FOUND);
    // Handles to deleted keys see them gone.
    EXPECT_EQ(setText(typeLib, L"x", L"y"), ERROR_KEY_DELETED);
    EXPECT_EQ(RegDeleteTree(version, nullptr), ERROR_KEY_DELETED);
    EXPECT_EQ(RegCloseKey(typeLib), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(version), ERROR_SUCCESS);

    HKEY other = create(HKEY_CLASSES_ROOT, L"TypeLib\\{Other}");
    ASSERT_EQ(setText(other, L"a", L"1"), ERROR_SUCCESS);
    RegCloseKey(create(other, L"Sub"));
    EXPECT_EQ(RegDeleteValue(other, L"A"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(other, L"a"), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(setText(other, L"b", L"2"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteTree(other, nullptr), ERROR_SUCCESS); // empties, keeps the key
    EXPECT_EQ(text(HKEY_CLASSES_ROOT, L"TypeLib\\{Other}", L"b"), L"<error 2>");
    EXPECT_FALSE(keyExists(other, L"Sub"));
    RegCloseKey(other);

    restart();
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, L"TypeLib\\{Other}"));
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, L"TypeLib\\{T}"));
}

TEST_F(RegistryTest, EnumerationListsSubKeysByNameAndValuesInCreationOrder) {
    HKEY key = create(HKEY_CURRENT_USER, L"E");
    for (const wchar_t* name : {L"beta", L"Alpha", L"gamma"})
        RegCloseKey(create(key, name));
    ASSERT_EQ(setDword(key, L"z", 1), ERROR_SUCCESS);
    ASSERT_EQ(setText(key, nullptr, L"default"), ERROR_SUCCESS);
    ASSERT_EQ(setDword(key, L"a", 2), ERROR_SUCCESS);

    std::vector<std::wstring> keys;
    wchar_t name[16];
    DWORD length = 16;
    for (DWORD i = 0;
         RegEnumKeyEx(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i, length = 16)
        keys.emplace_back(name);
    EXPECT_EQ(keys, (std::vector<std::wstring>{L"Alpha", L"beta", L"gamma"}));

    length = 5; // "Alpha" needs 6 with its null
    EXPECT_EQ(RegEnumKeyEx(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);

    struct Seen {
        std::wstring name;
        DWORD type;
        DWORD size;
    };
    std::vector<Seen> values;
    length = 16;
    DWORD type = 0, size = 0;
    for (DWORD i = 0;
         RegEnumValue(key, i, name, &length, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
         ++i, length = 16)
        values.push_back({name, type, size});
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].name, L"z");
    EXPECT_EQ(values[1].name, L""); // the default value
    EXPECT_EQ(values[1].type, REG_SZ);
    EXPECT_EQ(values[1].size, 8 * sizeof(wchar_t));
    EXPECT_EQ(values[2].name, L"a");
    EXPECT_EQ(values[2].type, REG_DWORD);

    DWORD number = 0;
    size = 2;
    length = 16;
    EXPECT_EQ(RegEnumValue(key, 2, name, &length, nullptr, nullptr,
                           reinterpret_cast<BYTE*>(&number), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 4u);
    RegCloseKey(key);
}

TEST_F(RegistryTest, HandlesAreCheckedAndCarryTheirAccess) {
    HKEY key = create(HKEY_CURRENT_USER, L"H");
    ASSERT_EQ(setText(key, L"v", L"1"), ERROR_SUCCESS);
    HKEY readOnly = nullptr, writeOnly = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, L"H", 0, KEY_READ, &readOnly), ERROR_SUCCESS);
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, L"H", 0, KEY_WRITE, &writeOnly), ERROR_SUCCESS);
    EXPECT_NE(readOnly, key);
    EXPECT_EQ(setText(readOnly, L"v", L"2"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValue(readOnly, L"v"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegCreateKeyEx(readOnly, L"Sub", 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr),
              ERROR_ACCESS_DENIED);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(writeOnly, L"v", nullptr, nullptr, nullptr, &size),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(setText(writeOnly, L"v", L"3"), ERROR_SUCCESS);
    EXPECT_EQ(text(HKEY_CURRENT_USER, L"H", L"v"), L"3");

    EXPECT_EQ(RegCloseKey(readOnly), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(readOnly), ERROR_INVALID_HANDLE);
    EXPECT_EQ(setText(readOnly, L"v", L"4"), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS); // predefined keys stay open
    EXPECT_EQ(setText(nullptr, L"v", L"4"), ERROR_INVALID_HANDLE);
    const HKEY users = reinterpret_cast<HKEY>(static_cast<std::intptr_t>(
        static_cast<std::int32_t>(0x80000003u))); // HKEY_USERS is not kept
    EXPECT_EQ(setText(users, L"v", L"4"), ERROR_INVALID_HANDLE);

    restart(); // handles of the previous registry are not valid in the next
    EXPECT_EQ(setText(writeOnly, L"v", L"5"), ERROR_INVALID_HANDLE);
    EXPECT_EQ(text(HKEY_CURRENT_USER, L"H", L"v"), L"3");
}

TEST_F(RegistryTest, RefusesPathsNamesAndDataTheRegistryCannotHold) {
    struct PathCase {
        const wchar_t* path;
        LONG expected;
    };
    const std::wstring longName(256, L'x');
    const std::wstring longest(255, L'x');
    const PathCase paths[] = {
        {L"\\Leading", ERROR_BAD_PATHNAME},         {L"a\\\\b", ERROR_BAD_PATHNAME},
        {L"tab\there", ERROR_INVALID_PARAMETER},    {longName.c_str(), ERROR_INVALID_PARAMETER},
        {longest.c_str(), ERROR_SUCCESS},           {L"trailing\\", ERROR_SUCCESS},
        {L"spaces and = [ ] \" ok", ERROR_SUCCESS},
    };
    for (const PathCase& c : paths) {
        SCOPED_TRACE(std::string(c.path, c.path + std::wcslen(c.path)));
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, c.path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                 &key, nullptr),
                  c.expected);
        if (key)
            RegCloseKey(key);
    }

    HKEY key = create(HKEY_CURRENT_USER, L"V");
    const BYTE three[3] = {1, 2, 3};
    EXPECT_EQ(RegSetValueEx(key, L"d", 0, REG_DWORD, three, 3), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueEx(key, L"s", 0, REG_SZ, three, 3), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueEx(key, L"s", 0, REG_SZ, nullptr, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueEx(key, L"line\nbreak", 0, REG_BINARY, three, 3), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueEx(key, L"empty", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);
    RegCloseKey(key);

    std::wstring deep;
    for (int i = 0; i < ui::kMaxKeyDepth; ++i)
        deep += L"d\\";
    HKEY deepest = create(HKEY_CURRENT_USER, deep.c_str());
    EXPECT_EQ(
        RegCreateKeyEx(deepest, L"one more", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_INVALID_PARAMETER);
    RegCloseKey(deepest);
}

TEST_F(RegistryTest, DamagedFileIsReportedKeptAndNeverOverwritten) {
    RegCloseKey(create(HKEY_LOCAL_MACHINE, L"Sound"));
    const std::string damaged = "Windows Registry Editor Version 5.00\n\n"
                                "[HKEY_CURRENT_USER\\Good]\n"
                                "\"v\"=\"1\"\n"
                                "\"w\"=dword:xyz\n";
    write(fileOf("HKEY_CURRENT_USER"), damaged);

    Registry& registry = restart();
    ASSERT_EQ(registry.loadProblems().size(), 1u);
    const Registry::LoadProblem& problem = registry.loadProblems()[0];
    EXPECT_EQ(problem.file, fileOf("HKEY_CURRENT_USER"));
    EXPECT_EQ(problem.line, 5);
    EXPECT_NE(problem.reason.find(L"dword"), std::wstring::npos);
    EXPECT_TRUE(problem.keptAs.empty());
    EXPECT_TRUE(keyExists(HKEY_LOCAL_MACHINE, L"Sound")); // other roots load as usual
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, L"Good"));  // the damaged root starts empty

    // A change elsewhere leaves the damaged file alone.
    RegCloseKey(create(HKEY_LOCAL_MACHINE, L"Second"));
    EXPECT_EQ(contents(fileOf("HKEY_CURRENT_USER")), damaged);

    // The first change of the damaged root renames the file before writing a new one.
    HKEY key = create(HKEY_CURRENT_USER, L"Fresh");
    RegCloseKey(key);
    const fs::path kept = folder_ / "HKEY_CURRENT_USER.reg.damaged";
    EXPECT_EQ(registry.loadProblems()[0].keptAs, kept);
    EXPECT_EQ(contents(kept), damaged);

    restart();
    EXPECT_TRUE(Registry::current().loadProblems().empty());
    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, L"Fresh"));

    // A second damaged file does not replace the first kept one.
    write(fileOf("HKEY_CURRENT_USER"), "garbage");
    restart();
    ASSERT_EQ(Registry::current().loadProblems().size(), 1u);
    EXPECT_EQ(Registry::current().loadProblems()[0].line, 1);
    RegCloseKey(create(HKEY_CURRENT_USER, L"Again"));
    EXPECT_EQ(contents(kept), damaged);
    EXPECT_EQ(contents(folder_ / "HKEY_CURRENT_USER.reg.damaged2"), "garbage");
}

TEST_F(RegistryTest, ReadOnlyRegistryRefusesEveryChange) {
    HKEY key = create(HKEY_CURRENT_USER, L"R\\Sub");
    ASSERT_EQ(setText(key, L"v", L"kept"), ERROR_SUCCESS);
    RegCloseKey(key);
    const std::string before = contents(fileOf("HKEY_CURRENT_USER"));

    restart(Registry::Access::ReadOnly);
    EXPECT_EQ(text(HKEY_CURRENT_USER, L"R\\Sub", L"v"), L"kept");
    HKEY sub = create(HKEY_CURRENT_USER, L"R\\Sub"); // opening what exists is allowed
    EXPECT_EQ(setText(sub, L"v", L"changed"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(setText(sub, L"new", L"x"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValue(sub, L"v"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegCreateKeyEx(sub, L"New", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, L"R\\Sub"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteTree(HKEY_CURRENT_USER, L"R"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteTree(sub, nullptr), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegSetValue(HKEY_CURRENT_USER, L"R", REG_SZ, L"x", 0), ERROR_ACCESS_DENIED);
    RegCloseKey(sub);

    EXPECT_EQ(text(HKEY_CURRENT_USER, L"R\\Sub", L"v"), L"kept");
    EXPECT_EQ(text(HKEY_CURRENT_USER, L"R\\Sub", L"new"), L"<error 2>");
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, L"R\\Sub\\New"));
    EXPECT_EQ(contents(fileOf("HKEY_CURRENT_USER")), before);
}

TEST_F(RegistryTest, FolderThatCannotBeCreatedRefusesChangesAndKeepsMemoryAsItWas) {
    write(folder_ / "plain-file", "x");
    Registry::open(folder_ / "plain-file" / "registry");
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"A\\B", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                             &key, nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, L"A"));
    EXPECT_EQ(setText(HKEY_CURRENT_USER, L"v", L"x"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(text(HKEY_CURRENT_USER, L"", L"v"), L"<error 2>");
}

// A batch writes each changed root once, at its commit; a commit that cannot write returns
// memory to what the file holds.
TEST_F(RegistryTest, WriteBatchWritesAtCommitAndRevertsWhatItCannotWrite) {
    HKEY key = create(HKEY_CURRENT_USER, L"Batch");
    ASSERT_EQ(setText(key, L"kept", L"1"), ERROR_SUCCESS);
    {
        Registry::WriteBatch batch(Registry::current());
        ASSERT_EQ(setText(key, L"later", L"2"), ERROR_SUCCESS);
        EXPECT_EQ(contents(fileOf("HKEY_CURRENT_USER")).find("later"), std::string::npos);
        EXPECT_TRUE(batch.commit());
    }
    EXPECT_NE(contents(fileOf("HKEY_CURRENT_USER")).find("later"), std::string::npos);

    Registry::WriteBatch failing(Registry::current());
    ASSERT_EQ(setText(key, L"lost", L"3"), ERROR_SUCCESS);
    fs::remove(fileOf("HKEY_CURRENT_USER"));
    write(fileOf("HKEY_CURRENT_USER") / "blocker", "x");
    EXPECT_FALSE(failing.commit());
    EXPECT_EQ(text(HKEY_CURRENT_USER, L"Batch", L"lost"), L"<error 2>");
    EXPECT_EQ(text(HKEY_CURRENT_USER, L"Batch", L"later"), L"2");
}

// A write that fails after the change was made in memory undoes it, whatever the change.
TEST_F(RegistryTest, FailedWriteUndoesTheChange) {
    HKEY key = create(HKEY_CURRENT_USER, L"U\\Tree\\Leaf");
    ASSERT_EQ(setText(key, L"first", L"1"), ERROR_SUCCESS);
    ASSERT_EQ(setText(key, L"second", L"2"), ERROR_SUCCESS);
    ASSERT_EQ(setText(key, L"third", L"3"), ERROR_SUCCESS);
    const std::string before = contents(fileOf("HKEY_CURRENT_USER"));

    // The file's place is taken by a folder that cannot be replaced.
    fs::remove(fileOf("HKEY_CURRENT_USER"));
    write(fileOf("HKEY_CURRENT_USER") / "blocker", "x");

    EXPECT_EQ(setText(key, L"second", L"changed"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(setText(key, L"fourth", L"4"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValue(key, L"second"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, L"U\\Tree\\Leaf"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteTree(HKEY_CURRENT_USER, L"U"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteTree(HKEY_CURRENT_USER, nullptr), ERROR_ACCESS_DENIED);
    HKEY created = nullptr;
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"U\\New\\Deeper", 0, nullptr, 0, KEY_ALL_ACCESS,
                             nullptr, &created, nullptr),
              ERROR_ACCESS_DENIED);

    // Memory is as it was, in the same order, and the handle still works.
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, L"U\\New"));
    std::vector<std::wstring> names;
    wchar_t name[16];
    DWORD length = 16;
    for (DWORD i = 0;
         RegEnumValue(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i, length = 16)
        names.emplace_back(name);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"first", L"second", L"third"}));
    EXPECT_EQ(text(key, nullptr, L"second"), L"2");

    fs::remove_all(fileOf("HKEY_CURRENT_USER"));
    EXPECT_EQ(setText(key, L"fourth", L"4"), ERROR_SUCCESS);
    restart();
    EXPECT_EQ(text(HKEY_CURRENT_USER, L"U\\Tree\\Leaf", L"first"), L"1");
    EXPECT_EQ(text(HKEY_CURRENT_USER, L"U\\Tree\\Leaf", L"fourth"), L"4");
    EXPECT_NE(before, contents(fileOf("HKEY_CURRENT_USER")));
}

} // namespace
