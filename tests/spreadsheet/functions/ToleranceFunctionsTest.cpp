// STDWIDTHWITHTOLERANCE, STDTHICKNESSWITHTOLERANCE and STDSIZEWITHTOLERANCE through formulas on
// the size list 200 x 10, 250 x 12, 300 (flats.txt), and the tolerance warning.

#include "FunctionsTestSupport.h"
#include "platform/ui/windows/WinConstants.h"

namespace ssfunctions_test {
namespace {

class ToleranceFunctions : public FunctionsTest {};

TEST_F(ToleranceFunctions, WidthChoosesAmongTheWidthsOfItsThickness) {
    expectAll({
        // Thickness 12: 250 and 300 (a line without thickness serves every thickness).
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",5,12,210,20,50)", num(250)},
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",5,12,290,20,50)", num(300)},
        // Thickness 10: 200 and 300.
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",5,10,210,20,50)", num(200)},
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",5,10,240,45,50)", num(200)},
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",5,10,240,20,50)", num(240)}, // rounded
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",5,10,260,20,50)", num(300)},
        // Thickness 8: only 300; too far, so 212 is rounded within the tolerances.
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",5,8,212,20,50)", num(210)},
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",5,12,\"210\",20,50)", failed()},
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",5,\"12\",210,20,50)", failed()},
        {L"=STDWIDTHWITHTOLERANCE(\"flats.txt\",5,210,20,50)", failed()},
    });
}

TEST_F(ToleranceFunctions, ThicknessChoosesAmongTheSecondValuesIncludingZero) {
    expectAll({
        {L"=STDTHICKNESSWITHTOLERANCE(\"flats.txt\",1,11,1,1)", num(10)},
        {L"=STDTHICKNESSWITHTOLERANCE(\"flats.txt\",1,11.5,1,1)", num(12)},
        {L"=STDTHICKNESSWITHTOLERANCE(\"flats.txt\",1,0.4,0.5,0.5)", num(0)},
        {L"=STDTHICKNESSWITHTOLERANCE(\"flats.txt\",0.5,7.2,1,1)", num(7)}, // rounded
        {L"=STDTHICKNESSWITHTOLERANCE(12,1,11,1,1)", failed()},
    });
}

TEST_F(ToleranceFunctions, SizeChoosesAmongTheFirstValues) {
    expectAll({
        {L"=STDSIZEWITHTOLERANCE(\"flats.txt\",5,240,5,15)", num(250)},
        {L"=STDSIZEWITHTOLERANCE(\"flats.txt\",5,240,45,5)", num(200)},
        {L"=STDSIZEWITHTOLERANCE(\"flats.txt\",5,222,2,2)", num(220)},
        // The tolerances are not swapped on their way to the rounding: up 3 reaches 225.
        {L"=STDSIZEWITHTOLERANCE(\"flats.txt\",5,222,1,3)", num(225)},
        {L"=STDSIZEWITHTOLERANCE(\"flats.txt\",5,223,3,1)", num(220)},
        // A size list that is not found is no failure: the value is rounded.
        {L"=STDSIZEWITHTOLERANCE(\"nosuch.txt\",5,222,2,2)", num(220)},
        {L"=STDSIZEWITHTOLERANCE(\"flats.txt\",5,222,2)", failed()},
    });
}

TEST_F(ToleranceFunctions, TolerancesWithoutRoomWarnAndStillGiveAValue) {
    const wchar_t* const warning =
        L"Invalid tolerances provided.\n DownTolerance is :-1.00UpTolerance is :0.50\n"
        L"Adding both tolerances should result in a positive value.";
    user.expectMessageBox(IDOK, warning)
        .expectMessageBox(IDOK, L"Invalid tolerances provided.\n DownTolerance is :0.00"
                                L"UpTolerance is :0.00\nAdding both tolerances should "
                                L"result in a positive value.")
        .expectMessageBox(IDOK, warning);
    expectAll({
        {L"=STDSIZEWITHTOLERANCE(\"flats.txt\",5,222,-1,0.5)", num(223)},
        {L"=STDTHICKNESSWITHTOLERANCE(\"flats.txt\",1,12,0,0)", num(12)},
        {L"=STDWIDTHWITHTOLERANCE(\"nosuch.txt\",5,12,222,-1,0.5)", num(223)},
    });
    ASSERT_EQ(user.messageBoxes().size(), 3u);
    EXPECT_EQ(user.messageBoxes()[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(user.messageBoxes()[0].buttons, static_cast<UINT>(MB_OK));
}

TEST_F(ToleranceFunctions, NoWarningWhileSpreadsheetMessagesAreOff) {
    core::currentDocumentData().spreadsheetMessages = false;
    expectAll({{L"=STDSIZEWITHTOLERANCE(\"flats.txt\",5,222,-1,0.5)", num(223)}});
    EXPECT_TRUE(user.messageBoxes().empty());
}

} // namespace
} // namespace ssfunctions_test
