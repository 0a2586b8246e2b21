#include "module/ComRegistration.h"

#include "module/ModuleGlobals.h"
#include "module/OpmComIds.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/host/CommandLine.h"
#include "platform/ui/registry/RegistryApi.h"
#include "tests/host/TempRegistry.h"

#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

const std::wstring kTypeLib = L"{76EF0D49-DD1E-4714-B6B9-E45EDE3C81DA}";

// The default value of a key below HKEY_CLASSES_ROOT; nullopt when the key is missing.
std::optional<std::wstring> defaultValue(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    wchar_t buffer[512] = {};
    DWORD size = sizeof buffer;
    DWORD type = 0;
    const LONG result =
        RegQueryValueEx(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return std::wstring(L"<no text>");
    return std::wstring(buffer);
}

int subKeyCount(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    int count = 0;
    wchar_t name[256];
    for (;;) {
        DWORD length = 256;
        if (RegEnumKeyEx(key, static_cast<DWORD>(count), name, &length, nullptr, nullptr, nullptr,
                         nullptr) != ERROR_SUCCESS)
            break;
        ++count;
    }
    RegCloseKey(key);
    return count;
}

class ComRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame::moduleGlobals().moduleDir = Vdn_String::fromUtf8(moduleDir_.path().string());
        comModule_ = (moduleDir_.path() / "TessaformOPM.dll").string();
        host::CommandLine::instance().clear();
    }
    void TearDown() override {
        frame::moduleGlobals().moduleDir = Vdn_String();
        host::CommandLine::instance().clear();
    }
    void installComModule() const { std::ofstream(comModule_) << "MZ"; }
    std::wstring comModule() const { return Vdn_String::fromUtf8(comModule_).str(); }

    TempRegistry registry_;
    TempFolder moduleDir_;
    std::string comModule_;
};

TEST_F(ComRegistrationTest, RegisterWritesEveryKeyWithItsValue) {
    installComModule();
    EXPECT_EQ(frame::comModulePath().str(), comModule());
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);

    const std::wstring typeLib = L"TypeLib\\" + kTypeLib + L"\\1.1";
    EXPECT_EQ(defaultValue(typeLib), L"Tessaform 1.0 Type Library");
    EXPECT_EQ(defaultValue(typeLib + L"\\0\\win32"), comModule());
    EXPECT_EQ(defaultValue(typeLib + L"\\9\\win32"), comModule());

    const std::wstring bolt = L"CLSID\\{2CE559DB-0008-4AA7-8E1D-7DCEBAB7D2C4}";
    EXPECT_EQ(defaultValue(bolt), L"Bolt Class");
    EXPECT_EQ(defaultValue(bolt + L"\\InProcServer32"), comModule());
    EXPECT_EQ(defaultValue(bolt + L"\\Typelib"), kTypeLib);
    EXPECT_EQ(defaultValue(L"CLSID\\{99322C59-46B7-47EB-AAC6-E272149A7652}"), L"OPMBody Class");

    const std::wstring iBolt = L"Interface\\{5037D355-E825-46B1-87DC-446318A128DE}";
    EXPECT_EQ(defaultValue(iBolt), L"IBolt Interface");
    EXPECT_EQ(defaultValue(iBolt + L"\\TypeLib"), kTypeLib);
    EXPECT_EQ(defaultValue(iBolt + L"\\ProxyStubClsid32"),
              L"{00020424-0000-0000-C000-000000000046}");
    EXPECT_EQ(defaultValue(L"Interface\\{FD056682-2994-42D1-9495-B450A402CEF2}"),
              L"IOPMBody Interface");

    EXPECT_EQ(subKeyCount(L"CLSID"), 19);
    EXPECT_EQ(subKeyCount(L"Interface"), 14);
    EXPECT_EQ(subKeyCount(L"TypeLib"), 1);

    EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eOk) << "registering again overwrites";
    EXPECT_EQ(subKeyCount(L"CLSID"), 19);
}

TEST_F(ComRegistrationTest, MissingComModuleWritesNothing) {
    EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eInvalidInput);
    EXPECT_EQ(subKeyCount(L"CLSID"), 0);
    EXPECT_EQ(subKeyCount(L"TypeLib"), 0);
    EXPECT_EQ(subKeyCount(L"Interface"), 0);
}

TEST_F(ComRegistrationTest, ReadOnlyRegistryFailsRegistrationAndCleanup) {
    installComModule();
    registry_.reopen(ui::Registry::Access::ReadOnly);
    EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eInvalidInput);
    EXPECT_EQ(subKeyCount(L"CLSID"), 0);

    registry_.reopen(ui::Registry::Access::ReadWrite);
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    registry_.reopen(ui::Registry::Access::ReadOnly);
    EXPECT_EQ(SScleanupComRegistry(), Acad::eInvalidInput);
    EXPECT_EQ(subKeyCount(L"CLSID"), 19);
}

TEST_F(ComRegistrationTest, CleanupRemovesOnlyTheModulesTrees) {
    installComModule();
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    HKEY other = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, L"CLSID\\{00000000-0000-0000-0000-000000000001}", 0,
                             nullptr, 0, KEY_WRITE, nullptr, &other, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(other);

    EXPECT_EQ(SScleanupComRegistry(), Acad::eOk);
    EXPECT_EQ(subKeyCount(L"CLSID"), 1);
    EXPECT_EQ(subKeyCount(L"Interface"), 0);
    EXPECT_EQ(subKeyCount(L"TypeLib"), 0);
    EXPECT_EQ(SScleanupComRegistry(), Acad::eInvalidInput) << "nothing left to delete";
}

TEST_F(ComRegistrationTest, PrintListsTheClassesAndWritesTheIdFile) {
    EXPECT_EQ(SSprintCLSIDs(), Acad::eOk);
    const std::wstring& text = host::CommandLine::instance().text();
    const std::wstring bolt = L"\nconst cCLSID CLSID_Bolt = "
                              L"{0x2CE559DB,0x0008,0x4AA7,{0x8E,0x1D,0x7D,0xCE,0xBA,0xB7,0xD2,"
                              L"0xC4}};";
    const std::wstring body = L"\nconst cCLSID CLSID_OPMBody = "
                              L"{0x99322C59,0x46B7,0x47EB,{0xAA,0xC6,0xE2,0x72,0x14,0x9A,0x76,"
                              L"0x52}};";
    EXPECT_EQ(text.substr(0, bolt.size()), bolt);
    ASSERT_GE(text.size(), body.size());
    EXPECT_EQ(text.substr(text.size() - body.size()), body);
    std::size_t lines = 0;
    for (std::size_t at = text.find(L"\nconst cCLSID "); at != std::wstring::npos;
         at = text.find(L"\nconst cCLSID ", at + 1))
        ++lines;
    EXPECT_EQ(lines, 19u);

    Vdn_StringArray listing;
    ASSERT_TRUE(ObjectExportReadFile(
        Vdn_String::fromUtf8((moduleDir_.path() / "RegistryIDs.dat").string()), listing));
    ASSERT_EQ(listing.length(), 34);
    EXPECT_EQ(listing[0], L"TypeLib_={76EF0D49-DD1E-4714-B6B9-E45EDE3C81DA}");
    EXPECT_EQ(listing[1], L"Class_Bolt={2CE559DB-0008-4AA7-8E1D-7DCEBAB7D2C4}");
    EXPECT_EQ(listing[19], L"Class_OPMBody={99322C59-46B7-47EB-AAC6-E272149A7652}");
    EXPECT_EQ(listing[20], L"Interface_IBolt={5037D355-E825-46B1-87DC-446318A128DE}");
    EXPECT_EQ(listing[33], L"Interface_IOPMBody={FD056682-2994-42D1-9495-B450A402CEF2}");
}

TEST_F(ComRegistrationTest, PrintIsBestEffortWhenTheFileCannotBeWritten) {
    frame::moduleGlobals().moduleDir =
        Vdn_String::fromUtf8((moduleDir_.path() / "missing" / "folder").string());
    EXPECT_EQ(SSprintCLSIDs(), Acad::eOk);
    EXPECT_FALSE(host::CommandLine::instance().text().empty());
}

TEST(ClsidInitializer, SplitsTheIdIntoItsGroups) {
    EXPECT_EQ(frame::clsidInitializer(L"{BFF7CDE1-365F-4164-BF0A-A906FFA2920F}"),
              Vdn_String(L"{0xBFF7CDE1,0x365F,0x4164,{0xBF,0x0A,0xA9,0x06,0xFF,0xA2,0x92,0x0F}}"));
    const wchar_t* const malformed[] = {
        L"",
        L"{BFF7CDE1-365F-4164-BF0A}",
        L"{BFF7CDE1-365F-4164-BF0A-A906FFA2920F-00}",
        L"{BFF7CDE10-365F-4164-BF0A-A906FFA2920F}",
        L"{BFF7CDE1-365F-4164-BF0A-A906FFA2920}",
        L"{BFF7CDE1-365-F4164-BF0A-A906FFA2920F}",
    };
    for (const wchar_t* id : malformed)
        EXPECT_FALSE(frame::clsidInitializer(id)) << Vdn_String(id).toUtf8();
}

} // namespace
