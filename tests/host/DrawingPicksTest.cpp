#include "platform/host/DrawingPicks.h"

#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/ui/users/ScriptedUser.h"
#include "platform/ui/users/UserScope.h"

#include <gtest/gtest.h>

namespace {

Vdn_DbMacro macroNamed(const std::string& name, const std::string& variable) {
    core::MacroReadResult result = Vdn_DbMacro::readFromText(
        R"({"name": ")" + name + R"(", "modules": [{"name": "M", "variables": [{"name": ")" +
        variable + R"(", "value": "1"}]}]})");
    EXPECT_TRUE(result.ok()) << result.message();
    return result.macro();
}

class DrawingPicks : public ::testing::Test {
protected:
    void SetUp() override {
        Vdn_Drawing::current().clear();
        first = Vdn_Drawing::current().addMacro(macroNamed("First", "A"));
        second = Vdn_Drawing::current().addMacro(macroNamed("Second", "B"));
        ASSERT_TRUE(getMacroDataOf(AcArray<AcDbObjectId>{first}, data));
    }
    void TearDown() override {
        EXPECT_TRUE(user.verify()) << user.failureText();
        Vdn_Drawing::current().clear();
    }

    ui::ScriptedUser user;
    ui::UserScope scope{user};
    AcDbObjectId first;
    AcDbObjectId second;
    MacroData data;
};

TEST_F(DrawingPicks, SelectOtherMacrosRebuildsTheRecordForThePickedMacros) {
    data.busy = true;
    user.expectPickObjects({second.value()});
    ASSERT_TRUE(SelectOtherMacros(data));
    EXPECT_EQ(data.objectIds, (AcArray<AcDbObjectId>{second}));
    EXPECT_EQ(data.name, Vdn_String(L"Second"));
    EXPECT_EQ(data.tabs[0].cells[0].name, Vdn_String(L"B"));
    EXPECT_TRUE(data.busy);
    // Both objects were offered, by id and name.
    ASSERT_EQ(user.picks().size(), 1u);
    EXPECT_EQ(user.picks()[0].candidateIds,
              (std::vector<std::uint64_t>{first.value(), second.value()}));
    EXPECT_EQ(user.picks()[0].candidateNames, (std::vector<std::wstring>{L"First", L"Second"}));
}

TEST_F(DrawingPicks, ACancelledOrUnchangedPickLeavesTheRecord) {
    const MacroData before = data;
    user.expectPickCancel().expectPickObjects({first.value()});
    EXPECT_FALSE(SelectOtherMacros(data));
    EXPECT_FALSE(SelectOtherMacros(data));
    EXPECT_EQ(data, before);
}

TEST_F(DrawingPicks, PointsPlanesAndObjectsComeFromTheUser) {
    user.expectPickPoint({1, 2, 3})
        .expectPickPoint({0, 0, 5}, {0, 1, 0})
        .expectPickObjects({second.value()})
        .expectPickCancel();
    host::Point3d point{};
    host::Point3d normal{};
    ASSERT_TRUE(host::pickPoint(L"Base point", point));
    EXPECT_EQ(point, (host::Point3d{1, 2, 3}));
    ASSERT_TRUE(host::pickPlane(L"Plane", point, normal));
    EXPECT_EQ(normal, (host::Point3d{0, 1, 0}));
    AcDbObjectId picked;
    ASSERT_TRUE(host::pickObject(L"Object", picked));
    EXPECT_EQ(picked, second);
    point = {7, 7, 7};
    EXPECT_FALSE(host::pickSectionPoint(L"Section point", point));
    EXPECT_EQ(point, (host::Point3d{7, 7, 7}));
    EXPECT_EQ(user.picks()[1].kind, ui::PickRecord::Kind::Plane);
    EXPECT_EQ(user.picks()[0].prompt, L"Base point");
}

TEST_F(DrawingPicks, APickOfAnObjectTheDrawingDoesNotOfferIsAScriptFailure) {
    ui::ScriptedUser wrong;
    const ui::UserScope wrongScope(wrong);
    wrong.expectPickObjects({99});
    AcDbObjectId picked;
    EXPECT_FALSE(host::pickObject(L"Object", picked));
    ASSERT_EQ(wrong.failures().size(), 1u);
    EXPECT_NE(wrong.failures()[0].find(L"does not offer object 99"), std::wstring::npos);
}

} // namespace
