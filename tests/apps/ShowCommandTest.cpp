#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

namespace {

using ShowCommandTest = ProgramTest;

// Every listed dialog opens and is pictured without a display: a PNG with a caption bar.
TEST_F(ShowCommandTest, EveryListedDialogIsPicturedWithoutADisplay) {
    const ProgramRun list = run("show --list --json");
    ASSERT_EQ(list.exitCode, 0) << list.err;
    const nlohmann::json dialogs = nlohmann::json::parse(list.out).at("dialogs");
    ASSERT_GE(dialogs.size(), 7u);
    for (const auto& dialog : dialogs) {
        const std::string name = dialog.at("class").get<std::string>();
        SCOPED_TRACE(name);
        const ProgramRun shot = run("show " + std::to_string(dialog.at("template").get<int>()) +
                                    " --screenshot " + name + ".png");
        EXPECT_EQ(shot.exitCode, 0) << shot.err;
        const std::string png = readFile(scratch_.path() / (name + ".png"));
        ASSERT_GT(png.size(), 1000u);
        EXPECT_EQ(png.substr(1, 3), "PNG");
    }
}

TEST_F(ShowCommandTest, DialogsAreFoundByClassIdOrNameAndUnknownOnesAreWrongUsage) {
    EXPECT_EQ(run("show dlg_findreplace --screenshot a.png").exitCode, 0);
    EXPECT_EQ(run("show CDlgSSSettings --language fr --screenshot b.png").exitCode, 0);
    const ProgramRun unknown = run("show CDlgNothing --screenshot c.png");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("tessa show --list"), std::string::npos) << unknown.err;
    EXPECT_EQ(run("show 218 --language de --screenshot d.png").exitCode, 2);
    // A picture that cannot be written is a failure, not a silent success.
    EXPECT_EQ(run("show 218 --screenshot no-such-folder/x.png").exitCode, 1);
}

} // namespace
