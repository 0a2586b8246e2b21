// The macro library's filter and the chooser's labels: which drawings are found, which pass,
// how rows merge, and how labels lose their trailing digits.
#include "macro/select/MacroThumbnails.h"
#include "platform/core/model/MacroPreviews.h"
#include "platform/core/model/Vdn_MacroPropsFilter.h"
#include "tests/core/TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::string plateMacro(const std::string& thickness, bool bolts) {
    std::string modules = R"({"name": "P1", "group": "Plate", "kind": "plate", "variables": [
        {"name": "T", "value": ")" +
                          thickness + R"("}, {"name": "Hidden", "value": "1", "shown": false}]})";
    if (bolts)
        modules += R"(, {"name": "B1", "group": "Bolts", "kind": "bolt", "variables": [
            {"name": "Gauge", "value": "100"}]})";
    return R"({"name": "M", "modules": [)" + modules + "]}";
}

class SelectMacroFilterTest : public ::testing::Test {
protected:
    SelectMacroFilterTest() {
        folder.write("lib/Cleat.dwg", plateMacro("10", true));
        folder.write("lib/Stiffener.dwg", plateMacro("12", false));
        folder.write("lib/Broken.dwg", "{ not a macro");
        folder.write("lib/Notes.txt", "not a drawing");
        folder.write("lib/Site/Splice.dwg", plateMacro("10", true));
        folder.write("other/Base.dwg", plateMacro("20", false));
    }
    TempFolder folder;
};

TEST_F(SelectMacroFilterTest, FindsDrawingsOfEnabledFoldersDownToTheDepth) {
    Vdn_MacroPropsFilter filter;
    filter.init({folder.name("lib"), folder.name("other")}, {true, false}, 0);
    Vdn_StringArray files;
    filter.getAllDwgFiles(files);
    EXPECT_EQ(files, (Vdn_StringArray{folder.name("lib") + L"\\Broken.dwg",
                                      folder.name("lib") + L"\\Cleat.dwg",
                                      folder.name("lib") + L"\\Stiffener.dwg"}));
    ASSERT_EQ(filter.problems().length(), 1);
    EXPECT_NE(filter.problems()[0].find(L"Broken.dwg"), -1);

    filter.init({folder.name("lib"), folder.name("other")}, {}, -1);
    filter.getAllDwgFiles(files);
    EXPECT_EQ(files.length(), 5);
    EXPECT_EQ(files[3], folder.name("lib") + L"\\Site\\Splice.dwg");
}

// Rows merge every macro's modules by name; a switched-off module or property leaves out the
// macros that have it, and an unreadable drawing always passes.
TEST_F(SelectMacroFilterTest, SwitchedOffTextsLeaveOutTheMacrosThatHaveThem) {
    Vdn_MacroPropsFilter filter;
    filter.init({folder.name("lib")}, {}, 0);
    Vdn_Array<Vdn_StringArray> rows;
    Vdn_Array<Vdn_Array<bool>> states;
    filter.getMergedProps(rows, states);
    const Vdn_Array<Vdn_StringArray> expected{{L"Bolts", L"Gauge = 100"},
                                              {L"Plate", L"T = 10", L"T = 12"}};
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(states[1], (Vdn_Array<bool>{true, true, true}));

    Vdn_StringArray passed;
    ASSERT_TRUE(filter.setModulePropStatus(1, 2, false));
    filter.getFilteredMacros(passed);
    EXPECT_EQ(passed.length(), 2);
    EXPECT_NE(passed[1].find(L"Cleat"), -1);
    ASSERT_TRUE(filter.setModuleStatus(0, false));
    filter.getFilteredMacros(passed);
    ASSERT_EQ(passed.length(), 1);
    EXPECT_NE(passed[0].find(L"Broken"), -1);

    EXPECT_FALSE(filter.setModuleStatus(2, false));
    EXPECT_FALSE(filter.setModulePropStatus(1, 0, false));
    EXPECT_FALSE(filter.setModulePropStatus(1, 3, false));

    filter.init({folder.name("lib")}, {}, 0, 1);
    filter.getMergedProps(rows, states);
    EXPECT_EQ(rows[1], (Vdn_StringArray{L"Plate", L"T = 10"}));
}

TEST(SelectMacroLabelsTest, TrailingDigitsGoWhenEveryLabelStaysDistinct) {
    const struct {
        Vdn_StringArray files;
        Vdn_StringArray labels;
    } cases[] = {
        {{L"c:\\m\\Splice12.dwg"}, {L"Splice"}},
        {{L"c:\\m\\Rib1.dwg", L"c:\\m\\Rib2.dwg"}, {L"Rib1", L"Rib2"}},
        {{L"c:\\m\\Rib1.dwg", L"c:\\m\\Gusset2.dwg"}, {L"Rib", L"Gusset"}},
        {{L"c:\\m\\2024.dwg"}, {L"2024"}},
        {{L"c:\\m\\Rib.dwg", L"c:\\m\\rib3.dwg"}, {L"Rib", L"rib3"}},
        {{L"c:\\m\\Base 2.dwg", L"c:\\m\\Base.dwg"}, {L"Base 2", L"Base"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(macroLabels(c.files), c.labels) << c.files;
}

TEST_F(SelectMacroFilterTest, PreviewsAreDrawnOnlyForMacrosWithoutAPicture) {
    folder.write("lib/Stiffener.bmp", "own picture");
    const Vdn_StringArray drawings{folder.name("lib/Cleat.dwg"), folder.name("lib/Stiffener.dwg"),
                                   folder.name("lib/Broken.dwg")};
    EXPECT_EQ(CreatePreviewBMPs(drawings), 2);
    EXPECT_EQ(folder.read("lib/Cleat.abm").substr(0, 2), "BM");
    EXPECT_TRUE(folder.read("lib/Stiffener.abm").empty());
    EXPECT_EQ(macroPicture(drawings[0]), folder.name("lib/Cleat.abm"));
    EXPECT_EQ(macroPicture(drawings[1]), folder.name("lib/Stiffener.bmp"));
    // Up to date: nothing is drawn again.
    EXPECT_EQ(CreatePreviewBMPs(drawings), 0);
}

} // namespace
