#include "tests/apps/ProgramRunner.h"

namespace {

class RegistryCommandTest : public ProgramTest {
protected:
    std::string registryArguments(const char* action) const {
        return std::string("registry ") + action + " --registry '" + registry_.path().string() +
               "' --module-dir '" + moduleDir_.path().string() + "'";
    }

    TempFolder registry_;
    TempFolder moduleDir_;
};

TEST_F(ProgramTest, VersionAndHelp) {
    const ProgramRun version = run("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "tessa 0.1.0\n");
    const ProgramRun help = run("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("registry"), std::string::npos);
    EXPECT_EQ(run("").exitCode, 2) << "a command is required";
    EXPECT_EQ(run("registry frobnicate").exitCode, 2);
    EXPECT_EQ(run("calc a.tfs --no-such-option").exitCode, 2);
}

TEST_F(RegistryCommandTest, PrintListsTheClassesOnStdout) {
    const ProgramRun print = run(registryArguments("print"));
    EXPECT_EQ(print.exitCode, 0) << print.err;
    EXPECT_EQ(print.out.rfind("\nconst cCLSID CLSID_Bolt = {0x2CE559DB,0x0008,0x4AA7,", 0), 0u);
    EXPECT_NE(print.out.find("CLSID_OPMBody = "), std::string::npos);
    EXPECT_EQ(print.out.back(), '\n');
    EXPECT_EQ(readFile(moduleDir_.path() / "RegistryIDs.dat").rfind("TypeLib_={76EF0D49-", 0), 0u);
}

TEST_F(RegistryCommandTest, PrintMakesAMissingModuleFolder) {
    const std::filesystem::path folder = moduleDir_.path() / "not" / "yet";
    const ProgramRun print = run("registry print --registry '" + registry_.path().string() +
                                 "' --module-dir '" + folder.string() + "'");
    EXPECT_EQ(print.exitCode, 0) << print.err;
    EXPECT_TRUE(std::filesystem::exists(folder / "RegistryIDs.dat"));
}

TEST_F(RegistryCommandTest, RegisterAndCleanup) {
    const ProgramRun missing = run(registryArguments("register"));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("TessaformOPM.dll does not exist"), std::string::npos)
        << missing.err;

    std::ofstream(moduleDir_.path() / "TessaformOPM.dll") << "MZ";
    const ProgramRun registered = run(registryArguments("register"));
    EXPECT_EQ(registered.exitCode, 0) << registered.err;
    const std::string classes = readFile(registry_.path() / "HKEY_CLASSES_ROOT.reg");
    EXPECT_NE(classes.find("TessaformOPM.dll"), std::string::npos);
    EXPECT_NE(classes.find("{2CE559DB-0008-4AA7-8E1D-7DCEBAB7D2C4}"), std::string::npos);

    EXPECT_EQ(run(registryArguments("cleanup")).exitCode, 0);
    EXPECT_EQ(readFile(registry_.path() / "HKEY_CLASSES_ROOT.reg").find("TessaformOPM.dll"),
              std::string::npos);
    const ProgramRun again = run(registryArguments("cleanup"));
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.err.find("could not be deleted"), std::string::npos) << again.err;
}

TEST_F(RegistryCommandTest, ARelativeModuleFolderIsStoredAbsolute) {
    const std::filesystem::path module = scratch_.path() / "bin";
    std::filesystem::create_directories(module);
    std::ofstream(module / "TessaformOPM.dll") << "MZ";
    const ProgramRun registered =
        run("registry register --registry '" + registry_.path().string() + "' --module-dir bin");
    ASSERT_EQ(registered.exitCode, 0) << registered.err;
    const std::string classes = readFile(registry_.path() / "HKEY_CLASSES_ROOT.reg");
    EXPECT_NE(classes.find(module.string()), std::string::npos) << classes;
}

} // namespace
