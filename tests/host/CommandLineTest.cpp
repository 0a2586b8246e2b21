#include "platform/host/CommandLine.h"

#include "platform/host/CommandLineApi.h"

#include <gtest/gtest.h>

namespace {

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override { host::CommandLine::instance().clear(); }
    void TearDown() override { host::CommandLine::instance().clear(); }
    static const std::wstring& text() { return host::CommandLine::instance().text(); }
};

TEST_F(CommandLineTest, PrintfUsesTheWideConventions) {
    const std::wstring name = L"Stijl ¤ƒ";
    const int count = acutPrintf(L"Loading spreadsheet:%s\n", name.c_str());
    EXPECT_EQ(text(), L"Loading spreadsheet:Stijl ¤ƒ\n");
    EXPECT_EQ(count, static_cast<int>(text().size()));
    acutPrintf(L"%d|%5.2f|%S|%c", -12, 3.14159, "narrow", L'x');
    EXPECT_EQ(text(), L"Loading spreadsheet:Stijl ¤ƒ\n-12| 3.14|narrow|x");
}

TEST_F(CommandLineTest, PercentSignsInArgumentsAreNotFormats) {
    acutPrintf(L"%s", L"100%d");
    EXPECT_EQ(text(), L"100%d");
    EXPECT_EQ(acutPrintf(nullptr), 0);
    EXPECT_EQ(text(), L"100%d");
}

TEST_F(CommandLineTest, PostedCommandsAndPromptsAreRecordedUntilCleared) {
    EXPECT_EQ(acedPostCommand(L"CANCELCMD"), Acad::eOk);
    EXPECT_EQ(acedPostCommand(L""), Acad::eInvalidInput);
    EXPECT_EQ(acedPostCommand(nullptr), Acad::eInvalidInput);
    acedPostCommandPrompt();
    acedPostCommandPrompt();
    auto& commandLine = host::CommandLine::instance();
    EXPECT_EQ(commandLine.postedCommands(), std::vector<std::wstring>{L"CANCELCMD"});
    EXPECT_EQ(commandLine.promptCount(), 2);
    commandLine.clear();
    EXPECT_TRUE(commandLine.postedCommands().empty());
    EXPECT_EQ(commandLine.promptCount(), 0);
}

TEST_F(CommandLineTest, EchoWritesUtf8ToTheStream) {
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    host::CommandLine::instance().setEcho(stream);
    acutPrintf(L"ƒ=%d\n", 1);
    host::CommandLine::instance().setEcho(nullptr);
    acutPrintf(L"not echoed");
    std::rewind(stream);
    char buffer[32] = {};
    const std::size_t read = std::fread(buffer, 1, sizeof buffer - 1, stream);
    std::fclose(stream);
    EXPECT_EQ(std::string(buffer, read), "\xC6\x92=1\n");
}

} // namespace
