// Dialog templates as data: the text format, its errors (with file and line), recovery, the
// library's lookups and dialog units.

#include "platform/ui/dialogs/DialogTemplateParser.h"
#include "platform/ui/dialogs/DialogUnits.h"
#include "platform/ui/dialogs/ResourceLexer.h"
#include "platform/ui/dialogs/TemplateLibrary.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using ui::DialogTemplateParser;

std::vector<std::wstring> lines(std::initializer_list<const wchar_t*> text) {
    return {text.begin(), text.end()};
}

TEST(DialogTemplateParser, ReadsAWholeTemplate) {
    const auto result = DialogTemplateParser::parse(
        lines({L"# a comment", L"dialog 500 DLG_SAMPLE   # trailing comment",
               L"caption \"Sample \\\"quoted\\\"\"", L"size 100 50",
               L"style WS_POPUP WS_CAPTION DS_MODALFRAME WS_EX_TOOLWINDOW",
               L"font \"Tahoma\" 9 700", L"defpushbutton IDOK 5 30 40 14 \"OK\"",
               L"combobox 10 5 5 60 40 CBS_DROPDOWN NOT WS_TABSTOP", L"item \"first\" 0x10",
               L"item \"second\"", L"control \"fpUSpread70\" 1196 5 20 90 8 WS_TABSTOP", L"end"}),
        L"sample.dlg");
    ASSERT_TRUE(result.diagnostics.empty()) << uitest::utf8(result.diagnostics[0].text());
    ASSERT_EQ(result.templates.size(), 1U);
    const ui::DialogTemplate& t = result.templates[0];
    EXPECT_EQ(t.id, 500U);
    EXPECT_EQ(t.name, L"DLG_SAMPLE");
    EXPECT_EQ(t.caption, L"Sample \"quoted\"");
    EXPECT_EQ(t.cx, 100);
    EXPECT_EQ(t.style, WS_POPUP | WS_CAPTION | DS_MODALFRAME);
    EXPECT_EQ(t.exStyle, WS_EX_TOOLWINDOW);
    EXPECT_EQ(t.fontFace, L"Tahoma");
    EXPECT_EQ(t.fontPoints, 9);
    EXPECT_EQ(t.fontWeight, 700);
    ASSERT_EQ(t.controls.size(), 3U);
    EXPECT_EQ(t.controls[0].style, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON);
    const ui::ControlTemplate& combo = *t.control(10);
    EXPECT_EQ(combo.style, WS_CHILD | WS_VISIBLE | CBS_DROPDOWN)
        << "an explicit kind replaces CBS_SIMPLE; NOT removes a default";
    EXPECT_EQ(combo.items, (std::vector<ui::TemplateItem>{{L"first", 0x10}, {L"second", 0}}));
    EXPECT_EQ(combo.line, 8);
    const ui::ControlTemplate& custom = *t.control(1196);
    EXPECT_EQ(custom.kind, ui::ControlKind::Custom);
    EXPECT_EQ(custom.className, L"fpUSpread70");
}

struct ErrorCase {
    const char* name;
    std::vector<std::wstring> text;
    int line;
    std::wstring reason;
};

class TemplateErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(TemplateErrorTest, ReportsFileLineAndReasonAndKeepsTheGoodTemplates) {
    const ErrorCase& c = GetParam();
    std::vector<std::wstring> text = {L"dialog 1 DLG_GOOD", L"size 10 10", L"end"};
    text.insert(text.end(), c.text.begin(), c.text.end());
    text.insert(text.end(), {L"dialog 3 DLG_ALSO_GOOD", L"size 10 10", L"end"});
    const auto result = DialogTemplateParser::parse(text, L"bad.dlg");
    ASSERT_FALSE(result.diagnostics.empty());
    EXPECT_EQ(result.diagnostics[0].text(),
              L"bad.dlg:" + std::to_wstring(c.line + 3) + L": " + c.reason);
    ASSERT_EQ(result.templates.size(), 2U) << "the damaged template is left out";
    EXPECT_EQ(result.templates[0].name, L"DLG_GOOD");
    EXPECT_EQ(result.templates[1].name, L"DLG_ALSO_GOOD");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TemplateErrorTest,
    ::testing::Values(
        ErrorCase{"UnknownStyle",
                  {L"dialog 2 DLG_X", L"size 9 9", L"edittext 5 0 0 9 9 ES_BOGUS", L"end"},
                  3,
                  L"unknown style \"ES_BOGUS\""},
        ErrorCase{"UnterminatedString",
                  {L"dialog 2 DLG_X", L"caption \"open", L"size 9 9", L"end"},
                  2,
                  L"unterminated string"},
        ErrorCase{"BadNumber",
                  {L"dialog 2 DLG_X", L"size 9 nine", L"end"},
                  2,
                  L"bad height \"nine\" (expected 0 to 32767)"},
        ErrorCase{"MissingSize",
                  {L"dialog 2 DLG_X", L"caption \"c\"", L"end"},
                  1,
                  L"dialog DLG_X has no size"},
        ErrorCase{
            "DuplicateControlId",
            {L"dialog 2 DLG_X", L"size 9 9", L"edittext 5 0 0 9 9", L"ltext 5 0 0 9 9", L"end"},
            4,
            L"control id 5 is used twice in dialog DLG_X"},
        ErrorCase{"ItemWithoutList",
                  {L"dialog 2 DLG_X", L"size 9 9", L"edittext 5 0 0 9 9", L"item \"a\"", L"end"},
                  4,
                  L"\"item\" must follow a combobox, listbox or tab control"},
        ErrorCase{"UnknownKeyword",
                  {L"dialog 2 DLG_X", L"size 9 9", L"slider 5 0 0 9 9", L"end"},
                  3,
                  L"unknown keyword \"slider\""},
        ErrorCase{"MissingEnd",
                  {L"dialog 2 DLG_X", L"size 9 9"},
                  1,
                  L"dialog DLG_X is not closed with \"end\""},
        ErrorCase{"LineOutsideDialog",
                  {L"size 9 9"},
                  1,
                  L"\"size\" outside a dialog (expected \"dialog <id> <NAME>\")"},
        ErrorCase{"BadName",
                  {L"dialog 2 9LIVES", L"size 9 9", L"end"},
                  1,
                  L"bad dialog name \"9LIVES\" (letters, digits and _)"},
        ErrorCase{"ShortControl",
                  {L"dialog 2 DLG_X", L"size 9 9", L"edittext 5 0 0", L"end"},
                  3,
                  L"\"edittext\" needs an id and x y width height"}),
    [](const ::testing::TestParamInfo<ErrorCase>& info) { return info.param.name; });

TEST(DialogTemplateParser, ReportsEveryErrorOfADamagedTemplate) {
    const auto result = DialogTemplateParser::parse(
        lines({L"dialog 2 DLG_X", L"size 9", L"ltext 1 0 0 9 9 SS_NOPE", L"end"}), L"f.dlg");
    ASSERT_EQ(result.diagnostics.size(), 2U);
    EXPECT_EQ(result.diagnostics[0].line, 2);
    EXPECT_EQ(result.diagnostics[1].line, 3);
    EXPECT_TRUE(result.templates.empty());
}

TEST(ResourceLexer, SplitsWordsStringsAndComments) {
    std::wstring error;
    const auto tokens = ui::ResourceLexer::split(L"item \"a # b\\n\" 12 # rest", error);
    ASSERT_TRUE(tokens);
    ASSERT_EQ(tokens->size(), 3U);
    EXPECT_EQ((*tokens)[1].text, L"a # b\n");
    EXPECT_TRUE((*tokens)[1].quoted);
    EXPECT_FALSE(ui::ResourceLexer::split(L"\"bad \\q\"", error));
    EXPECT_EQ(error, L"unknown escape \\q in a string");
    EXPECT_EQ(ui::ResourceLexer::number(L"0x1F"), 31);
    EXPECT_EQ(ui::ResourceLexer::number(L"-1"), -1);
    EXPECT_FALSE(ui::ResourceLexer::number(L"12a"));
    EXPECT_FALSE(ui::ResourceLexer::number(L"99999999999999999999"));
}

// Tests that fill the library themselves; afterwards it reads the resources again.
class TemplateLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { library.reset(); }
    void TearDown() override { library.reset(); }
    ui::TemplateLibrary& library = ui::TemplateLibrary::instance();
};

TEST_F(TemplateLibraryTest, DuplicateIdsAndNamesAcrossFilesAreRefused) {
    library.addFromLines(lines({L"dialog 60100 DLG_ONE", L"size 1 1", L"end"}), L"a.dlg");
    library.addFromLines(lines({L"dialog 60100 DLG_TWO", L"size 1 1", L"end",
                                L"dialog 60101 DLG_ONE", L"size 1 1", L"end"}),
                         L"b.dlg");
    ASSERT_EQ(library.diagnostics().size(), 2U)
        << uitest::utf8(library.diagnostics().back().text());
    EXPECT_EQ(library.diagnostics()[0].text(),
              L"b.dlg:1: dialog id 60100 is already used by DLG_ONE (a.dlg:1)");
    EXPECT_EQ(library.diagnostics()[1].text(),
              L"b.dlg:4: dialog name DLG_ONE is already used (a.dlg:1)");
    EXPECT_NE(library.find(60100), nullptr);
    EXPECT_EQ(library.find(60101), nullptr);
}

TEST_F(TemplateLibraryTest, TheBundledTemplatesAreSound) {
    EXPECT_NE(library.findByName(L"DLG_UI_TEST"), nullptr) << "read from the resources";
    EXPECT_TRUE(library.diagnostics().empty())
        << uitest::utf8(library.diagnostics().front().text());
}

TEST(DialogUnits, MapLikeWindowsForMsShellDlg8) {
    EXPECT_EQ(ui::dialogUnitsToPixelsX(4), 6);
    EXPECT_EQ(ui::dialogUnitsToPixelsY(8), 13);
    EXPECT_EQ(ui::dialogUnitsToPixelsX(1), 2) << "1.5 rounds up";
    EXPECT_EQ(ui::dialogUnitsToPixelsY(3), 5) << "4.875";
    EXPECT_EQ(ui::dialogUnitsToPixelsX(-3), -5) << "-4.5 rounds away from zero";
    // Corner by corner: two controls side by side stay side by side.
    EXPECT_EQ(ui::mapDialogRect(7, 7, 50, 14).right, ui::mapDialogRect(57, 7, 50, 14).left);
}

} // namespace
