// When leaving a block screen keeps or drops the worksheet being edited: an
// asset is kept whatever its optional screens hold; a new worksheet left
// empty leaves no trace.
#include "block_screens_fixture.h"

namespace cgt::test {
namespace {

using WorksheetKeepingTest = BlockScreenTest;

TEST_F(WorksheetKeepingTest, AnAssetLeftWithItsOptionalScreensBlankIsKept) {
    // The cost base, cost element and receipt screens have nothing typed on
    // them; each is left with Next in turn.
    for (int screen : {2010, 2011, 2012}) {
        StoreAsset(kWsShares, {});
        ShowOnAsset(screen);
        Next();
        ASSERT_NE(frame->CurrentScreenNumber(), screen) << dialogs.Texts().size();
        ShowScreen(2007);
        EXPECT_EQ(run.store().BuildNames(kWsShares),
                  (std::vector<std::string>{"BHP Billiton 1,000 shares", kNewWorksheetEntry}))
            << screen;
        run.store().LoadInstance(kWsShares, 1);
        EXPECT_EQ(run.store().GetFieldStr(kTagAcquisitionDate), "01/03/1995") << screen;
        EXPECT_EQ(run.store().GetFieldStr(kTagAssetType), "SA") << screen;
        run.store().EmptyWorkingTags();
        run.store().ClearField(ListFieldOf(kWsShares));
    }
}

TEST_F(WorksheetKeepingTest, ANewWorksheetLeftEmptyLeavesNoTrace) {
    StoreAsset(kWsShares, {});
    ShowScreen(2007);
    frame->pendingType = kWsShares;
    frame->reopen = false;
    ShowScreen(2009);
    // A second, new worksheet: registration left with nothing typed.
    Next();
    EXPECT_EQ(frame->CurrentScreenNumber(), 2017);
    EXPECT_EQ(run.store().BuildNames(kWsShares),
              (std::vector<std::string>{"BHP Billiton 1,000 shares", kNewWorksheetEntry}));
}

}  // namespace
}  // namespace cgt::test
