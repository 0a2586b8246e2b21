#include "module/PooledLauncher.h"
#include "module/TfSSDlgsMgr.h"
#include "tests/module/FrameTestDialogs.h"
#include "tests/module/ModuleFixture.h"

namespace {

using frametest::EvaluationRecord;
using frametest::StandardsDialog;

class StandardsPoolTest : public ModuleFixture {
protected:
    static bool evaluate(EvaluationRecord& record) {
        return frame::runPooledLauncher<StandardsDialog>(record, gSSDlgsMgr,
                                                         frametest::kStandardsTemplate);
    }
};

TEST_F(StandardsPoolTest, NestedEvaluationsBorrowDifferentDialogsWhichStayForReuse) {
    EvaluationRecord outer;
    outer.childCalls = 1;
    ASSERT_TRUE(evaluate(outer));
    ASSERT_EQ(outer.evaluatedBy.size(), 2u);
    EXPECT_NE(outer.evaluatedBy[0], outer.evaluatedBy[1]);
    ASSERT_EQ(gSSDlgsMgr.length(), 2);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));
    EXPECT_FALSE(gSSDlgsMgr.isInUse(1));
    EXPECT_EQ(outer.evaluatedBy[0], gSSDlgsMgr.dialogAt(0));

    EvaluationRecord next;
    ASSERT_TRUE(evaluate(next));
    ASSERT_EQ(next.evaluatedBy.size(), 1u);
    EXPECT_EQ(next.evaluatedBy[0], gSSDlgsMgr.dialogAt(0)) << "the first dialog is reused";
    EXPECT_EQ(gSSDlgsMgr.length(), 2);
    EXPECT_EQ(next.resourcesWhileEvaluating, frame::moduleInstanceHandle());
}

TEST_F(StandardsPoolTest, PooledDialogsAreHiddenChildrenOfTheMainWindow) {
    EvaluationRecord record;
    ASSERT_TRUE(evaluate(record));
    const CDialog* pooled = gSSDlgsMgr.dialogAt(0);
    ASSERT_NE(pooled, nullptr);
    EXPECT_NE(pooled->GetSafeHwnd(), nullptr);
    EXPECT_FALSE(pooled->IsWindowVisible());
    EXPECT_EQ(pooled->GetParent(), adsw_acadMainWnd());
}

TEST_F(StandardsPoolTest, AFailedEvaluationCopiesNothingBackAndReturnsTheDialog) {
    EvaluationRecord record;
    record.fail = true;
    EXPECT_FALSE(evaluate(record));
    EXPECT_TRUE(record.evaluatedBy.empty());
    EXPECT_EQ(record.resourcesWhileEvaluating, nullptr);
    ASSERT_EQ(gSSDlgsMgr.length(), 1);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));
}

TEST_F(StandardsPoolTest, ReleasingAStrangerChangesNothing) {
    gSSDlgsMgr.setDialogFactory(&frame::makePooledDialog<StandardsDialog>,
                                frametest::kStandardsTemplate);
    void* lent = gSSDlgsMgr.getDlg();
    ASSERT_NE(lent, nullptr);
    StandardsDialog stranger(nullptr);
    EXPECT_EQ(gSSDlgsMgr.releaseDlg(static_cast<CDialog*>(&stranger)), Acad::eInvalidInput);
    EXPECT_EQ(gSSDlgsMgr.releaseDlg(nullptr), Acad::eInvalidInput);
    EXPECT_TRUE(gSSDlgsMgr.isInUse(0));
    EXPECT_EQ(gSSDlgsMgr.releaseDlg(lent), Acad::eOk);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));
    EXPECT_FALSE(gSSDlgsMgr.isInUse(5));
    EXPECT_EQ(gSSDlgsMgr.dialogAt(-1), nullptr);
}

TEST_F(StandardsPoolTest, WithoutAWayToMakeDialogsThePoolLendsNothing) {
    TfSSDlgsMgr pool;
    EXPECT_EQ(pool.getDlg(), nullptr);
    pool.setDialogFactory(&frame::makePooledDialog<StandardsDialog>, frametest::kMissingTemplate);
    EXPECT_EQ(pool.getDlg(), nullptr) << "a dialog whose window cannot be created";
    EXPECT_EQ(pool.length(), 0);
}

TEST_F(StandardsPoolTest, DestroyAllEmptiesThePool) {
    EvaluationRecord record;
    record.childCalls = 2;
    ASSERT_TRUE(evaluate(record));
    ASSERT_EQ(gSSDlgsMgr.length(), 3);
    gSSDlgsMgr.destroyAll();
    EXPECT_EQ(gSSDlgsMgr.length(), 0);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));
    EXPECT_TRUE(evaluate(record)) << "the pool makes new dialogs afterwards";
}

} // namespace
