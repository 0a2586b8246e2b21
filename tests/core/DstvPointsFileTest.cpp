// The DSTV point groups: the file round trip, damaged files, listing and the group in use.
#include "platform/core/model/DlgDstvPoints.h"
#include "tests/core/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using Points = Vdn_Array<Vdn_DstvPointInfo>;

Points examplePoints() {
    Vdn_DstvPointInfo extent(L"Kopplaat «begin»");
    extent.setSelectGeomExtent(true, eDstvSideEnd, eDstvSideBottom);
    extent.setPlateSelection(3, 65535, 12.125);
    Vdn_DstvPointInfo crossing(L"Schot");
    crossing.setSelectGeomExtent(false, eDstvSideStart, eDstvSideTop);
    crossing.setSelectIntersGeom(true, false, eDstvSideBottom);
    crossing.setDrillFullHole(true, true, 2.5);
    return {extent, crossing, Vdn_DstvPointInfo(L"Nieuw")};
}

TEST(DstvPointsFileTest, WritesAndReadsEveryFieldAndListsGroupsByName) {
    TempFolder folder;
    DlgDstvPoints groups(folder.name("DSTV Points"));
    ASSERT_TRUE(groups.writeToFile(L"liggers", examplePoints())) << groups.lastError();
    ASSERT_TRUE(groups.writeToFile(L"Kolommen", {}));
    folder.write("DSTV Points/notes.data", "not a group");
    Points back;
    ASSERT_TRUE(groups.readFromFile(L"liggers", back)) << groups.lastError();
    EXPECT_EQ(back, examplePoints());
    ASSERT_TRUE(groups.readFromFile(L"Kolommen", back));
    EXPECT_TRUE(back.isEmpty());

    Vdn_StringArray names;
    groups.getAllDstvPointsFiles(names);
    EXPECT_EQ(names, (Vdn_StringArray{L"Kolommen", L"liggers"}));
    EXPECT_TRUE(groups.exists(L"LIGGERS"));

    EXPECT_TRUE(groups.getStandardDstvPointsFile().isEmpty());
    ASSERT_TRUE(groups.setStandardDstvPointsFile(L"liggers"));
    EXPECT_EQ(groups.getStandardDstvPointsFile(), groups.pathOf(L"liggers"));
    ASSERT_TRUE(groups.deleteFile(L"liggers"));
    EXPECT_FALSE(groups.exists(L"liggers"));
}

TEST(DstvPointsFileTest, RefusesDamagedGroupsAndKeepsThePoints) {
    const std::string head = R"({"format":"tessa-dstv-points","version":1,"points":[)";
    struct Damaged {
        std::string text;
        std::string problem;
    };
    for (const Damaged& d : {
             Damaged{R"({"format":"other","version":1,"points":[]})",
                     "not a DSTV point group (\"format\" is not \"tessa-dstv-points\")"},
             Damaged{R"({"format":"tessa-dstv-points","version":9,"points":[]})",
                     "a version this program does not know (it reads version 1)"},
             Damaged{head + R"({"side1":0}]})", "point 1 has no name"},
             Damaged{head + R"({"name":"a"},{"name":"b","side2":4}]})",
                     "point 2 \"side2\" is not a whole number from 0 to 3"},
             Damaged{head + R"({"name":"a","side1":2,"side2":3}]})",
                     "point 1 takes both sides from one pair (0 and 1, or 2 and 3)"},
             Damaged{head + R"({"name":"a","drillRadius":-1}]})",
                     "point 1 \"drillRadius\" is not a length from 0 to 1000000 mm"},
             Damaged{head + R"({"name":"a","viewPlateSelection":65536}]})",
                     "point 1 \"viewPlateSelection\" is not a whole number from 0 to 65535"},
             Damaged{head + R"({"name":"a","drillFullHole":1}]})",
                     "point 1 \"drillFullHole\" is not true or false"},
         }) {
        Points points = examplePoints();
        std::string problem;
        EXPECT_FALSE(DlgDstvPoints::parse(d.text, points, problem)) << d.text;
        EXPECT_EQ(problem, d.problem);
        EXPECT_EQ(points, examplePoints());
    }
    Points points = examplePoints();
    std::string problem;
    ASSERT_TRUE(DlgDstvPoints::parse(" \r\n", points, problem)) << "an empty file is no point";
    EXPECT_TRUE(points.isEmpty());
}

} // namespace
